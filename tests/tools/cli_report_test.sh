#!/usr/bin/env bash
# bramblex-cli report on the shipped Standard Report and a stored batch: each output
# read back with poppler's tools and PNG headers, and the errors an operator meets.
set -u
cli=$1
data=$2
template=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# A copy: the outputs are recorded in the batch's audit trail beside it.
batch="$work/batch_utf8.epb"
cp "$data/documents/batch_utf8.epb" "$batch"

# PNG width and height from the IHDR chunk.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{print $3*256+$4 "x" $7*256+$8}'; }

count=$("$cli" report --template "$template" --batch "$batch" --batch "$batch" --page-count) || fail "page count"
[ "$count" = 3 ] || fail "page count for two batches: '$count', expected 3 (two inner pages and the closing page)"

"$cli" report --template "$template" --batch "$batch" --pdf "$work/r.pdf" --attach-batches || fail "pdf"
pages=$(pdfinfo "$work/r.pdf" | awk '/^Pages:/ {print $2}')
[ "$pages" = 2 ] || fail "pdf pages: '$pages'"
pdfdetach -list "$work/r.pdf" | grep -q "1: batch_utf8.epb" || fail "batch not attached"
"$cli" audit show "$batch" | grep -qF "printed: pdf: \"$work/r.pdf\"" ||
    fail "the PDF is not in the batch's trail: $("$cli" audit show "$batch")"

names=$("$cli" report --template "$template" --batch "$batch" --jpeg "$work/page") || fail "jpeg"
[ "$names" = "$work/page_1.jpg"$'\n'"$work/page_2.jpg" ] || fail "jpeg names: $names"

"$cli" report --template "$template" --batch "$batch" --thumbnails "$work/thumbs" --quality 1 || fail "thumbnails"
for f in page_1.png page_1_mask.png page_2.png page_2_mask.png; do
    [ "$(png_size "$work/thumbs/$f")" = 64x64 ] || fail "thumbnail $f: $(png_size "$work/thumbs/$f")"
done

"$cli" report --template "$template" --batch "$batch" --svg "$work/p.svg" --page 2 || fail "svg"
grep -q 'width="210mm" height="297mm"' "$work/p.svg" || fail "svg size"
"$cli" report --template "$template" --batch "$batch" --svg "$work/p3.svg" --page 3 2> "$work/err" && fail "page 3 exists?"
grep -qx "Page does not exist" "$work/err" || fail "page 3: $(cat "$work/err")"

# A file that cannot be read names itself and the reason; nothing is written.
"$cli" report --template "$work/none.epr" --batch "$batch" --pdf "$work/x.pdf" 2> "$work/err" && fail "missing template"
grep -qF "Cannot read the report template \"$work/none.epr\"." "$work/err" || fail "template error: $(cat "$work/err")"
grep -qx "No such file or directory" "$work/err" || fail "template reason: $(cat "$work/err")"
"$cli" report --template "$template" --batch "$work" --pdf "$work/x.pdf" 2> "$work/err" && fail "folder as batch"
grep -qF "Cannot read the batch \"$work\"." "$work/err" || fail "batch error: $(cat "$work/err")"
[ ! -e "$work/x.pdf" ] || fail "a pdf was written after a failure"

"$cli" report --template "$template" --pdf a.pdf --jpeg b > /dev/null 2>&1
[ $? = 2 ] || fail "two outputs are a usage error"

if [ "$failures" -eq 0 ]; then echo "all report cases passed"; fi
exit "$failures"
