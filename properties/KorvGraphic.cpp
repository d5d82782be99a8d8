#include "properties/KorvGraphic.h"

#include "core/Error.h"
#include "platform/AtomicFile.h"
#include "platform/FsResult.h"
#include "platform/MetafileConverter.h"
#include "properties/JpegCodec.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <mutex>

// The vectors of a picture: an SVG parsed at once, or a metafile converted to SVG the
// first time it is needed, once, whichever thread asks first. Drawing is serialised,
// since the renderer keeps its state while it draws.
class TVectorPicture {
public:
    explicit TVectorPicture(std::unique_ptr<QSvgRenderer> svg) : m_svg(std::move(svg)) {}
    explicit TVectorPicture(QByteArray metafile) : m_metafile(std::move(metafile)) {}

    bool IsMetafile() const { return !m_metafile.isEmpty(); }
    bool Ready(QString* reason) const;
    QSize Size() const { return Ready(nullptr) ? m_svg->defaultSize() : QSize(); }
    void Draw(QPainter& painter, const QRectF& rect) const;

private:
    // Long enough for any real logo; a hostile file holds up a drawing only this long,
    // and only once.
    static constexpr int ConversionTimeoutMs = 10000;

    const QByteArray m_metafile;
    mutable std::once_flag m_converted;
    mutable std::unique_ptr<QSvgRenderer> m_svg;
    mutable QString m_reason;
    mutable std::mutex m_drawing;
};

bool TVectorPicture::Ready(QString* reason) const {
    std::call_once(m_converted, [this] {
        if (m_svg)
            return;
        const QByteArray svg = ConvertMetafileBytesToSvg(m_metafile, m_reason, ConversionTimeoutMs);
        if (svg.isEmpty())
            return;
        auto renderer = std::make_unique<QSvgRenderer>(svg);
        if (renderer->isValid())
            m_svg = std::move(renderer);
        else
            m_reason = Tr("The converter wrote no picture that can be read.");
    });
    if (reason)
        *reason = m_reason;
    return m_svg != nullptr;
}

void TVectorPicture::Draw(QPainter& painter, const QRectF& rect) const {
    if (!Ready(nullptr))
        return;
    const std::lock_guard lock(m_drawing);
    m_svg->render(&painter, rect);
}

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
    return m_bitmap.isNull() && !m_vectors;
}

void TKorvGraphic::Clear() {
    Kind = KindBitmap;
    m_bitmap = QImage();
    m_fileBytes.clear();
    m_kind1Jpeg.clear();
    m_vectors.reset();
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
    if (MetafileFormatOf(bytes) != TMetafileFormat::None) {
        // Converted when first drawn or measured: loading a report starts no converter.
        QByteArray own(bytes.constData(), bytes.size());
        Clear();
        Kind = KindMetafile;
        m_fileBytes = own;
        m_vectors = std::make_shared<const TVectorPicture>(std::move(own));
        return true;
    }
    const QByteArray format = DetectFormat(bytes);
    if (format.startsWith("svg")) {
        auto svg = std::make_unique<QSvgRenderer>(bytes);
        if (!svg->isValid())
            return false;
        Clear();
        m_vectors = std::make_shared<const TVectorPicture>(std::move(svg));
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
    TKorvGraphic loaded;
    bool ok = false;
    if (suffix.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0)
        ok = loaded.LoadJpegBytes(bytes);
    else if (DetectFormat(bytes) == "bmp")
        ok = loaded.LoadBitmapBytes(bytes);
    else
        ok = loaded.LoadMetafileBytes(bytes);
    const QString message = Tr("The file \"%1\" does not hold a picture that can be read.").arg(path);
    if (!ok)
        throw EBramblexError(message);
    QString reason;
    if (!loaded.Convert(&reason))
        throw EBramblexError(WithReason(message, reason));
    *this = std::move(loaded);
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
    if (m_fileBytes.constData() == rest.constData()) // still where the value's bytes stand
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

bool TKorvGraphic::IsConvertedMetafile() const {
    return m_vectors && m_vectors->IsMetafile();
}

bool TKorvGraphic::Convert(QString* error) const {
    return !m_vectors || m_vectors->Ready(error);
}

QSize TKorvGraphic::NaturalSize() const {
    if (m_vectors)
        return m_vectors->Size();
    return m_bitmap.size();
}

void TKorvGraphic::Draw(QPainter& painter, const QRectF& rect) const {
    if (m_vectors)
        m_vectors->Draw(painter, rect);
    else if (!m_bitmap.isNull())
        painter.drawImage(rect, m_bitmap);
}
