#!/usr/bin/env bash
# Fuzzes the XML parser with libFuzzer for a while (default 60 s). Not part of the tests.
#   scripts/fuzz-xml.sh [SECONDS]
exec "$(dirname "$0")/fuzz.sh" "${1:-60}" xml
