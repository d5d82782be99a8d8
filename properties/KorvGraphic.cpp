#include "properties/KorvGraphic.h"

#include "core/Error.h"
#include "platform/AtomicFile.h"
#include "properties/JpegCodec.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>

namespace {

bool LooksLikeJpeg(const QByteArray& bytes) {
    return bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
           static_cast<unsigned char>(bytes[1]) == 0xD8 && static_cast<unsigned char>(bytes[2]) == 0xFF;
}

QByteArray DetectFormat(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader::imageFormat(&buffer).toLower();
}

QImage ReadRaster(const QByteArray& bytes, const char* format = nullptr) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    return reader.read(); // the reader's allocation limit guards against huge sizes
}

quint32 Le32(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 Le16(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return quint16(p[0] | p[1] << 8);
}

} // namespace

QByteArray RepairBitmapHeader(const QByteArray& bmp) {
    constexpr int Headers = 54;
    if (bmp.size() < Headers || bmp[0] != 'B' || bmp[1] != 'M')
        return bmp;
    const quint32 fileSize = Le32(bmp, 2);
    const quint32 offset = Le32(bmp, 10);
    const quint32 infoSize = Le32(bmp, 14);
    const quint16 bitCount = Le16(bmp, 28);
    const quint32 coloursUsed = Le32(bmp, 46);
    if (bitCount != 24 || offset == Headers || !(infoSize < 36 || coloursUsed == 0))
        return bmp;
    // The header's sizes are only claims: the copy ends where the file does.
    const qint64 real = bmp.size();
    qint64 length = qint64(fileSize) - qint64(offset);
    length = std::min(length, real - qint64(offset));
    QByteArray repaired = bmp.left(Headers);
    repaired[10] = char(Headers);
    repaired[11] = repaired[12] = repaired[13] = 0;
    if (length > 0)
        repaired.append(bmp.constData() + offset, static_cast<qsizetype>(length));
    return repaired;
}

bool TKorvGraphic::IsEmpty() const {
    return m_bitmap.isNull() && !m_svg;
}

void TKorvGraphic::Clear() {
    Kind = KindBitmap;
    m_bitmap = QImage();
    m_fileBytes.clear();
    m_kind1Jpeg.clear();
    m_svg.reset();
}

bool TKorvGraphic::LoadBitmapBytes(const QByteArray& bmp) {
    QImage image = ReadRaster(bmp, "bmp");
    if (image.isNull())
        return false;
    Clear();
    Kind = KindBitmap;
    m_bitmap = std::move(image);
    m_fileBytes = bmp;
    return true;
}

bool TKorvGraphic::LoadJpegBytes(const QByteArray& jpeg) {
    QImage image = DecodeJpeg(jpeg);
    if (image.isNull())
        return false;
    Clear();
    Kind = KindJpeg;
    m_bitmap = std::move(image);
    m_fileBytes = jpeg;
    m_kind1Jpeg = jpeg;
    return true;
}

bool TKorvGraphic::LoadMetafileBytes(const QByteArray& bytes) {
    const QByteArray format = DetectFormat(bytes);
    if (format.startsWith("svg")) {
        auto svg = std::make_shared<QSvgRenderer>(bytes);
        if (!svg->isValid())
            return false;
        Clear();
        m_svg = std::move(svg);
    } else {
        // JPEG goes through our own decoder so it does not depend on Qt's plugin.
        QImage image = LooksLikeJpeg(bytes) ? DecodeJpeg(bytes) : ReadRaster(bytes);
        if (image.isNull())
            return false;
        Clear();
        m_bitmap = std::move(image);
    }
    Kind = KindMetafile;
    m_fileBytes = bytes;
    return true;
}

void TKorvGraphic::LoadFromFile(const QString& path) {
    QByteArray bytes = ReadWholeFile(path);
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0)
        bytes = RepairBitmapHeader(bytes);
    bool ok = false;
    if (suffix.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
        ok = LoadJpegBytes(bytes);
    else if (DetectFormat(bytes) == "bmp")
        ok = LoadBitmapBytes(bytes);
    else
        ok = LoadMetafileBytes(bytes);
    if (!ok)
        throw EBramblexError(Tr("The file \"%1\" does not hold a picture that can be read.").arg(path));
}

void TKorvGraphic::LoadFromImage(const QImage& image) {
    Clear();
    if (image.isNull())
        return;
    m_bitmap = image;
    QBuffer buffer(&m_fileBytes);
    buffer.open(QIODevice::WriteOnly);
    m_bitmap.save(&buffer, "BMP");
}

QByteArray TKorvGraphic::SaveToString() const {
    if (IsEmpty() || m_fileBytes.isEmpty())
        return {};
    QByteArray out;
    out.reserve(m_fileBytes.size() + 1);
    out.append(static_cast<char>(Kind));
    out.append(m_fileBytes);
    return out;
}

bool TKorvGraphic::LoadFromString(const QByteArray& bytes) {
    if (bytes.isEmpty()) {
        Clear();
        return true;
    }
    const auto kind = static_cast<std::uint8_t>(bytes[0]);
    // Decoded where the value's bytes stand; only a picture that loads is copied, so
    // a value that holds none (damaged or hostile, up to hundreds of MB) costs no copy.
    const QByteArray rest = QByteArray::fromRawData(bytes.constData() + 1, bytes.size() - 1);
    bool ok = false;
    switch (kind) {
    case KindBitmap:
        ok = LoadBitmapBytes(rest);
        break;
    case KindJpeg:
        ok = LoadJpegBytes(rest);
        break;
    case KindMetafile:
        ok = LoadMetafileBytes(rest);
        break;
    default:
        break;
    }
    if (!ok) {
        Clear();
        return false;
    }
    m_fileBytes = QByteArray(rest.constData(), rest.size());
    if (Kind == KindJpeg)
        m_kind1Jpeg = m_fileBytes;
    return true;
}

void TKorvGraphic::Assign(const TKorvGraphic* source) {
    if (!source)
        throw EBramblexError(Tr("Cannot assign object to KorvGraphic"));
    if (source != this)
        *this = *source;
}

QSize TKorvGraphic::NaturalSize() const {
    if (m_svg)
        return m_svg->defaultSize();
    return m_bitmap.size();
}

void TKorvGraphic::Draw(QPainter& painter, const QRectF& rect) const {
    if (m_svg)
        m_svg->render(&painter, rect);
    else if (!m_bitmap.isNull())
        painter.drawImage(rect, m_bitmap);
}
