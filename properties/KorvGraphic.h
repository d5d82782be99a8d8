#pragma once

// A picture held by a property: a bitmap, a JPEG, or a "metafile": an enhanced or
// Windows metafile, or any other picture Qt reads (SVG drawn as vectors; PNG, GIF and
// the like as bitmaps). The file bytes a picture came from are kept, so storing it
// again gives back exactly what was loaded. Enhanced and Windows metafiles are drawn
// as the SVG the platform's converter makes of them, converted once, when the picture
// is first drawn or measured, and shared by every copy of the picture.

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

class QPainter;
class TVectorPicture;

// The repairing bitmap loader's step on a ".bmp" file's bytes: a 24-bit bitmap whose
// pixel data does not start right after the two headers (offset not 54) and whose
// information header is short (below 36 bytes) or names no colours in use is rewritten
// in memory with offset 54, the two headers followed by the pixel data from the old
// offset: as many bytes as the header's file size says, never more than the file has.
// Any other bytes come back unchanged.
QByteArray RepairBitmapHeader(const QByteArray& bmp);

class TKorvGraphic {
public:
    enum : std::uint8_t { KindBitmap = 0, KindJpeg = 1, KindMetafile = 2 };

    std::uint8_t Kind = KindBitmap;

    bool IsEmpty() const;
    void Clear();

    // A ".jpg" file (any letter case) becomes kind 1; a BMP file kind 0; a metafile or
    // any other picture Qt can read kind 2 (a metafile is converted at once, so the
    // one who chose it hears when it cannot be drawn). Raises EFileError when the file
    // cannot be read and EBramblexError when its content is not a picture; the graphic
    // is then unchanged.
    void LoadFromFile(const QString& path);
    // Makes a kind 0 picture of an image.
    void LoadFromImage(const QImage& image);

    // One byte Kind, then the picture's file bytes (BMP, JPEG or the metafile's own
    // bytes); empty for an empty graphic.
    QByteArray SaveToString() const;
    // Empty bytes clear the graphic. Returns false (and leaves the graphic empty) when
    // the bytes do not hold a picture of the stated kind; never raises.
    bool LoadFromString(const QByteArray& bytes);

    // Raises "Cannot assign object to KorvGraphic" when source is null.
    void Assign(const TKorvGraphic* source);

    // The size the picture has by itself: pixels, or the SVG's default size; empty for
    // a metafile that cannot be converted.
    QSize NaturalSize() const;
    int Width() const { return NaturalSize().width(); }
    int Height() const { return NaturalSize().height(); }
    // Draws the picture stretched into rect; nothing for an empty graphic or a metafile
    // that cannot be converted. Copies of one picture may draw on several threads.
    void Draw(QPainter& painter, const QRectF& rect) const;

    // The bitmap that kinds 0 and 1, and raster pictures of kind 2, draw with (null
    // for an SVG). For kind 1 it is the JPEG decoded.
    const QImage& Bitmap() const { return m_bitmap; }
    // The JPEG file when Kind is 1.
    const QByteArray& Jpeg() const { return m_kind1Jpeg; }
    bool IsVector() const { return m_vectors != nullptr; }
    // An enhanced or Windows metafile, drawn through its conversion.
    bool IsConvertedMetafile() const;
    // Converts a metafile now unless that was done; false, with error saying why, when
    // it cannot be drawn. True for every other picture.
    bool Convert(QString* error = nullptr) const;

private:
    bool LoadBitmapBytes(const QByteArray& bmp);
    bool LoadJpegBytes(const QByteArray& jpeg);
    bool LoadMetafileBytes(const QByteArray& bytes);

    QImage m_bitmap;
    QByteArray m_fileBytes;                          // what SaveToString writes after the kind byte
    QByteArray m_kind1Jpeg;                          // same bytes as m_fileBytes when Kind is 1
    std::shared_ptr<const TVectorPicture> m_vectors; // copies share it and its conversion
};
