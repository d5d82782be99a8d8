#include "export/CodePage.h"

#include <QStringEncoder>

#include <array>
#include <map>
#include <memory>

namespace {

// Unicode code points of the bytes 0x80 to 0x9F; 0 where the code page has none.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

inline int Cp1252Byte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (Cp1252High[static_cast<size_t>(i)] == c && c != 0)
            return 0x80 + i;
    return -1;
}

// ICU converters are costly to open and the single-byte ones keep no state between
// calls, so one per code page and thread is enough. After a character it could not
// encode, an encoder keeps reporting the error, so it is replaced (fresh = true).
QStringEncoder* EncoderFor(int codePage, bool fresh = false) {
    thread_local std::map<int, std::unique_ptr<QStringEncoder>> encoders;
    auto& slot = encoders[codePage];
    if (!slot || fresh)
        slot = std::make_unique<QStringEncoder>(QByteArray("windows-") + QByteArray::number(codePage));
    return slot->isValid() ? slot.get() : nullptr;
}

} // namespace

bool AppendWindows1252(QByteArray& out, QStringView text) {
    bool ok = true;
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* p = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int b = Cp1252Byte(c);
        if (b < 0) {
            ok = false;
            b = '?';
            // One "?" for a character outside the basic plane, not two.
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
        }
        *p++ = static_cast<char>(b);
    }
    out.resize(p - out.constData());
    return ok;
}

bool FitsWindows1252(QStringView text) {
    for (const QChar ch : text)
        if (Cp1252Byte(ch.unicode()) < 0)
            return false;
    return true;
}

bool IsCodePageAvailable(int codePage) {
    return codePage == 1252 || EncoderFor(codePage) != nullptr;
}

bool AppendCodePage(QByteArray& out, QStringView text, int codePage) {
    if (codePage == 1252)
        return AppendWindows1252(out, text);
    QStringEncoder* encoder = EncoderFor(codePage);
    if (!encoder) {
        AppendWindows1252(out, text);
        return false;
    }
    bool ok = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        qsizetype n = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            n = 2;
        const QByteArray bytes = encoder->encode(text.mid(i, n));
        // A character without a byte comes back as the substitute byte with the error
        // flag set; a single-byte code page never gives more than one byte.
        if (encoder->hasError() || bytes.size() != 1) {
            encoder = EncoderFor(codePage, true);
            out += '?';
            ok = false;
        } else {
            out += bytes;
        }
        i += n - 1;
    }
    return ok;
}
