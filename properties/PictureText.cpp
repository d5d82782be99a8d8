#include "properties/PictureText.h"

#include <zlib.h>

#include <array>

namespace {

constexpr char Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int LineLength = 76;

std::array<signed char, 256> MakeDecodeTable() {
    std::array<signed char, 256> table{};
    table.fill(-1);
    for (int i = 0; i < 64; ++i)
        table[static_cast<unsigned char>(Alphabet[i])] = static_cast<signed char>(i);
    return table;
}

QByteArray Compress(const QByteArray& data) {
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    QByteArray out(static_cast<qsizetype>(size), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size,
                  reinterpret_cast<const Bytef*>(data.constData()), static_cast<uLong>(data.size()),
                  9) != Z_OK)
        return {};
    out.resize(static_cast<qsizetype>(size));
    return out;
}

// Inflates until `want` bytes came out. The buffer grows with the output actually
// produced (never past `want`), so a stated length alone cannot make us allocate.
bool InflateExactly(z_stream& zs, QByteArray& out, qsizetype want) {
    constexpr qsizetype FirstChunk = 64 * 1024;
    qsizetype done = 0;
    out.resize(qMin(want, FirstChunk));
    while (done < want) {
        if (done == out.size())
            out.resize(qMin(want, out.size() * 2));
        zs.next_out = reinterpret_cast<Bytef*>(out.data() + done);
        zs.avail_out = static_cast<uInt>(out.size() - done);
        const int rc = inflate(&zs, Z_NO_FLUSH);
        done = out.size() - static_cast<qsizetype>(zs.avail_out);
        if (rc == Z_STREAM_END || (rc == Z_OK && zs.avail_in == 0 && zs.avail_out > 0))
            break; // the stream ended (or ran dry) where it could produce no more
        if (rc != Z_OK)
            return false;
    }
    return done == want;
}

} // namespace

QByteArray Base64EncodeLines(const QByteArray& bytes) {
    const QByteArray plain = bytes.toBase64(QByteArray::Base64Encoding);
    QByteArray out;
    out.reserve(plain.size() + plain.size() / LineLength * 2 + 2);
    for (qsizetype i = 0; i < plain.size(); i += LineLength) {
        const qsizetype n = qMin<qsizetype>(LineLength, plain.size() - i);
        out.append(plain.constData() + i, n);
        if (n == LineLength)
            out.append("\r\n");
    }
    return out;
}

QByteArray Base64DecodeLenient(const QByteArray& text) {
    static const std::array<signed char, 256> table = MakeDecodeTable();
    QByteArray out;
    out.reserve(text.size() / 4 * 3 + 3);
    std::uint32_t bits = 0;
    int count = 0;
    for (const char c : text) {
        const int v = table[static_cast<unsigned char>(c)];
        if (v < 0)
            continue;
        bits = (bits << 6) | static_cast<std::uint32_t>(v);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.append(static_cast<char>((bits >> count) & 0xFF));
        }
    }
    return out;
}

QByteArray PackPictureText(const QByteArray& bytes) {
    const auto n = static_cast<std::uint32_t>(bytes.size());
    QByteArray framed;
    framed.reserve(bytes.size() + 4);
    for (int shift = 0; shift < 32; shift += 8)
        framed.append(static_cast<char>((n >> shift) & 0xFF));
    framed.append(bytes);
    return Base64EncodeLines(Compress(framed));
}

QByteArray UnpackPictureText(const QByteArray& text) {
    TPictureBudget single(MaxPictureBytes);
    return UnpackPictureText(text, single);
}

QByteArray UnpackPictureText(const QByteArray& text, TPictureBudget& budget) {
    const QByteArray compressed = Base64DecodeLenient(text);
    if (compressed.isEmpty())
        return {};

    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return {};
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    zs.avail_in = static_cast<uInt>(compressed.size());

    QByteArray result;
    QByteArray header;
    if (InflateExactly(zs, header, 4)) {
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i)
            n |= static_cast<std::uint32_t>(static_cast<unsigned char>(header[i])) << (8 * i);
        if (n > 0 && n <= MaxPictureBytes && n > budget.Remaining()) {
            inflateEnd(&zs);
            throw EPictureBudgetError(
                Tr("The pictures of the document need more than %1 MB.").arg(budget.Limit() / (1024 * 1024)));
        }
        if (n > 0 && n <= MaxPictureBytes && !InflateExactly(zs, result, static_cast<qsizetype>(n)))
            result.clear();
        // What was unpacked counts, whether or not it made a picture.
        budget.Charge(static_cast<std::uint64_t>(zs.total_out));
    }
    inflateEnd(&zs);
    return result;
}
