#pragma once

// The base of everything placed on a report page, the registry of item types by
// their stored names, and the small drawing vocabulary all items share.
//
// Drawing model: an item paints through its page's QPainter (TPage::Canvas) in
// device pixels with an identity transform. The page maps millimetres to the device
// through TPage::OutputRect (MMToDeviceX/Y/Rect, LengthToDeviceX); fonts are sized
// in device pixels from TPage::DevicePixelsPerInch. The page saves the painter state
// before each item's Draw and restores it after, and hands the item a painter with a
// black, solid, 1-pixel pen, no brush and no clipping, so an item may change pen,
// brush, font and clip freely. The same code paints on a QImage, a PDF writer, a
// printer, an SVG generator or a widget.

#include "documents/DocumentObject.h"
#include "properties/Properties.h"

#include <QColor>
#include <QPen>
#include <QRect>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class QPainter;
class TGmXmlNodeList;
class TPage;

// A device rectangle as the page layout computes it: right and bottom are the first
// pixels outside, so Width() is Right - Left.
struct TDeviceRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    bool operator==(const TDeviceRect&) const = default;
};

// Anchor bits of the "Anchor" property.
enum : int { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };

// Flags that HitTestHandles returns.
enum : int { HitLeft = 1, HitTop = 2, HitRight = 4, HitBottom = 8, HitInside = 16 };

class TPageItem : public TDocumentObject {
public:
    // Adds the base properties ("Anchor", "Height", "Left", "Name", "Top", "Width";
    // sorted) and appends the item to page, which owns it from then on. Subclass
    // constructors add their properties, set "Name" := page.UniqueItemName(own base)
    // and call Properties.Sort() again.
    explicit TPageItem(TPage& page);
    // Removes the item from its page (which marks the page modified).
    ~TPageItem() override;

    // The registered type name written as "PageItemType". Every subclass overrides it.
    virtual QString TypeName() const { return QStringLiteral("TPageItem"); }

    // Copies Done and every property value both items have, by name, without
    // reactions. A source that is not a page item raises "Cannot assign object to %1"
    // with this item's type name.
    // Subclasses with pagination state override it, call the base, then copy their
    // state when the source is of their kind.
    void Assign(const TDocumentObject& source) override;

    // One child element per property, in property order.
    virtual void SaveToXml(TGmXmlNodeList& nodes) const;
    // Loads every property present; with keepUniqueName the default name given at
    // construction is kept unless no other item of the page uses the loaded name.
    // Pictures unpack within budget (the item's own when none is given).
    void LoadFromXml(const TGmXmlNodeList& nodes, bool keepUniqueName);
    virtual void LoadFromXml(const TGmXmlNodeList& nodes, bool keepUniqueName, TPictureBudget& budget);

    // Base: outlines the item (black, 1 pixel) while Placing, then Done := true.
    // Overrides call the base first and draw on Page.Canvas.
    virtual void Draw();
    // The eight inverted 6 x 6 handles while Selected.
    virtual void DrawSelection();
    // Millimetres: Left <= x <= Left + Width and Top <= y < Top + Height.
    virtual bool HitTest(double x, double y) const;
    // Device pixels: HitInside alone, or a combination of the edge bands, or 0.
    virtual int HitTestHandles(int x, int y) const;
    // Pagination hooks: base ResetPagination sets Done := false, Advance Done := true.
    virtual void ResetPagination();
    virtual void Advance();

    // The item's rectangle on the device (page's MMToDeviceRect of its geometry).
    TDeviceRect DeviceRect() const;

    // Property shortcuts; an unknown name raises "Property does not exist".
    TProperty& Property(const QString& name) const { return *Properties.Find(name); }
    double GetFloat(const QString& name) const { return Property(name).GetFloat(); }
    std::int32_t GetInteger(const QString& name) const { return Property(name).GetInteger(); }
    bool GetBoolean(const QString& name) const { return Property(name).GetBoolean(); }
    QString GetString(const QString& name) const { return Property(name).GetString(); }
    QString Name() const { return GetString(QStringLiteral("Name")); }
    void SetName(const QString& name) { Property(QStringLiteral("Name")).SetString(name); }

    // The geometry, millimetres.
    double Left() const { return GetFloat(QStringLiteral("Left")); }
    double Top() const { return GetFloat(QStringLiteral("Top")); }
    double Width() const { return GetFloat(QStringLiteral("Width")); }
    double Height() const { return GetFloat(QStringLiteral("Height")); }
    void SetLeft(double mm) { Property(QStringLiteral("Left")).SetFloat(mm); }
    void SetTop(double mm) { Property(QStringLiteral("Top")).SetFloat(mm); }
    void SetWidth(double mm) { Property(QStringLiteral("Width")).SetFloat(mm); }
    void SetHeight(double mm) { Property(QStringLiteral("Height")).SetFloat(mm); }
    // Anchor bits (AnchorLeft ...).
    int Anchor() const { return GetInteger(QStringLiteral("Anchor")); }
    void SetAnchor(int anchors) { Property(QStringLiteral("Anchor")).SetInteger(anchors); }

    TPage& Page;
    TPropertyList Properties;
    bool Done = false;
    bool Selected = false;
    std::int32_t SelectOrder = 0;
    bool Placing = false;
    double DragLeft = 0.0;
    double DragTop = 0.0;

protected:
    // Adds a length property that refuses negative values (stored as 0).
    TProperty* AddNonNegativeLength(const QString& name, const QString& caption, double value);
    // The font of an item that shows text: FontName "Arial", FontSize 2 to 72 points
    // (8) and FontColor black.
    void AddFontProperties();
};

// Makes every new value of an integer property land in min to max (a real is cut
// toward zero first, NaN gives min). Values read from files keep what they hold.
void ClampIntegerProperty(TProperty& property, int min, int max);

// ---------------------------------------------------------------------------
// Item registry: "TPageItem", "TPageItemMemo", "TPageItemShape", "TPageItemGraphic",
// "TPageItemReadings", "TPageItemChartRun".

using TPageItemConstructor = TPageItem* (*)(TPage& page);

// The six registered type names, in the order above.
QStringList PageItemTypeNames();
// The constructor registered under name (exact), or nullptr.
TPageItemConstructor FindPageItemConstructor(const QString& name);
// Constructs an item of the named type on page (the page owns it). Raises
// "Class %1 not found" for an unknown name.
TPageItem* CreatePageItem(const QString& typeName, TPage& page);

// ---------------------------------------------------------------------------
// Drawing vocabulary

// A stored colour (0x00BBGGRR) as a QColor.
QColor ColorFromBGR(std::int32_t colour);
// Stored line style 0 to 6 ("psSolid" ... "psInsideFrame"); 5 is no pen, 6 solid.
Qt::PenStyle PenStyleFromIndex(int style);
// Stored fill style 0 to 7. The drawn fill follows the order solid, clear,
// horizontal, vertical, forward diagonal (/), backward diagonal (\), cross,
// diagonal cross, whatever the captions say; stored files rely on it.
Qt::BrushStyle BrushStyleFromIndex(int style);
// A pen widthPx device pixels wide (at least 1), square caps, miter joins.
QPen DevicePen(const QColor& colour, int widthPx = 1, Qt::PenStyle style = Qt::SolidLine);

// GDI-style primitives in device pixels: a rectangle covers Left .. Right - 1 and
// Top .. Bottom - 1, outlined with the current pen and filled with the current brush.
void CanvasRectangle(QPainter& canvas, const TDeviceRect& rect);
// Outline only, whatever the brush.
void CanvasFrame(QPainter& canvas, const TDeviceRect& rect);
void CanvasLine(QPainter& canvas, int x1, int y1, int x2, int y2);
// Fills rect with white.
void CanvasFillWhite(QPainter& canvas, const TDeviceRect& rect);
// Inverts the pixels of rect where the device can (raster devices); elsewhere paints
// a mark that the next full redraw removes.
void CanvasInvertRect(QPainter& canvas, const TDeviceRect& rect);

// Sets the painter's font: family (with the report substitutions), em height in
// device pixels (at least 1), text colour (as the pen) and style.
void SetCanvasFont(QPainter& canvas, const QString& family, int emPixels, std::int32_t colour,
                   bool bold = false, bool italic = false, bool underline = false, bool strikeout = false);
// Text extents with the painter's font on the painter's device, in whole pixels
// (rounded up). Height is the font's full line height (ascent + descent).
int CanvasTextWidth(const QPainter& canvas, const QString& text);
int CanvasTextHeight(const QPainter& canvas);
// Draws text with its top-left corner at (x, y), clipped to clip, in the painter's
// pen colour (SetCanvasFont sets it: set the pen again before drawing lines).
void CanvasTextOut(QPainter& canvas, int x, int y, const QString& text, const TDeviceRect& clip);

// Where a chart item draws its chart: the item's device rectangle, when it lies on an
// inner page being drawn and has a size. Without a chart painter (a picture made
// without one) the place is framed in grey and there is nothing to draw either.
std::optional<TDeviceRect> ChartItemRect(const TPageItem& item);

// Makes "Arial" resolve to "Liberation Sans" (same metrics) where Arial is not
// installed, so pages lay out alike everywhere. Qt's glyph cache limit is left as it
// is (raising it loses large text at printer resolution). Runs once; TPage::Draw and
// SetCanvasFont call it. Needs a QGuiApplication.
void InstallReportFontSubstitutes();
