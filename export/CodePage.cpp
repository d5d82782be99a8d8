#include "export/CodePage.h"

#include "core/Windows1252.h"

#include <QStringEncoder>

#include <array>
#include <map>
#include <memory>

namespace {

inline int Cp1252Byte(char16_t c) {
    return Windows1252::FromUnicode(c);
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
