#pragma once

// The text form in which picture values sit in XML leaves: the 32-bit little-endian
// length of the bytes followed by the bytes, deflated (zlib format, level 9) and
// written as base64 with a CR LF after every 76 characters.

#include "core/Error.h"

#include <QByteArray>

#include <cstdint>

// Largest picture value that unpacking accepts; a stated length above it is taken as
// damage, not as a request for that much memory.
inline constexpr std::uint32_t MaxPictureBytes = 256u * 1024u * 1024u;

// What the pictures of one document may unpack to together. Each picture alone is
// bounded, but a report of a few MB whose eight pictures each claim the largest size
// would still take gigabytes and half a minute to open (and again on every listing).
inline constexpr std::uint64_t MaxDocumentPictureBytes = 256u * 1024u * 1024u;

// The room left for the pictures of one document while it is read.
class TPictureBudget {
public:
    explicit TPictureBudget(std::uint64_t limit = MaxDocumentPictureBytes) : m_limit(limit) {}
    std::uint64_t Limit() const { return m_limit; }
    std::uint64_t Used() const { return m_used; }
    std::uint64_t Remaining() const { return m_limit - m_used; }
    void Charge(std::uint64_t bytes) { m_used += bytes < Remaining() ? bytes : Remaining(); }

private:
    std::uint64_t m_limit;
    std::uint64_t m_used = 0;
};

// A document whose pictures need more than its budget.
class EPictureBudgetError : public EBramblexError {
public:
    using EBramblexError::EBramblexError;
};

QByteArray PackPictureText(const QByteArray& bytes);
// Never fails: bad base64, bad zlib data, a length of 0 or above MaxPictureBytes, or
// fewer bytes than stated all give an empty result (no picture).
QByteArray UnpackPictureText(const QByteArray& text);
// The same, charging what comes out to budget. A picture whose stated length is more
// than the budget has left raises EPictureBudgetError "The pictures of the document
// need more than %1 MB." before anything of it is unpacked.
QByteArray UnpackPictureText(const QByteArray& text, TPictureBudget& budget);

// The two halves, for tests and tools. Base64Decode skips every character outside
// the standard alphabet, "=" included.
QByteArray Base64EncodeLines(const QByteArray& bytes);
QByteArray Base64DecodeLenient(const QByteArray& text);
