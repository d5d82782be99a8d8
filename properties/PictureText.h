#pragma once

// The text form in which picture values sit in XML leaves: the 32-bit little-endian
// length of the bytes followed by the bytes, deflated (zlib format, level 9) and
// written as base64 with a CR LF after every 76 characters.

#include <QByteArray>

#include <cstdint>

// Largest picture value that unpacking accepts; a stated length above it is taken as
// damage, not as a request for that much memory.
inline constexpr std::uint32_t MaxPictureBytes = 256u * 1024u * 1024u;

QByteArray PackPictureText(const QByteArray& bytes);
// Never fails: bad base64, bad zlib data, a length of 0 or above MaxPictureBytes, or
// fewer bytes than stated all give an empty result (no picture).
QByteArray UnpackPictureText(const QByteArray& text);

// The two halves, for tests and tools. Base64Decode skips every character outside
// the standard alphabet, "=" included.
QByteArray Base64EncodeLines(const QByteArray& bytes);
QByteArray Base64DecodeLenient(const QByteArray& text);
