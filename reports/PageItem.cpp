#include "reports/PageItem.h"

#include "core/Error.h"
#include "properties/PictureText.h"
#include "reports/Page.h"
#include "xml/GmXml.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

QStringList AnchorCaptions() {
    const QString sides[] = {Tr("Left"), Tr("Top"), Tr("Right"), Tr("Bottom")};
    QStringList captions;
    for (int v = 0; v < 16; ++v) {
        QStringList set;
        for (int bit = 0; bit < 4; ++bit) {
            if (v & (1 << bit))
                set << sides[bit];
        }
        captions << QLatin1Char('[') + set.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    return captions;
}

} // namespace

// ---------------------------------------------------------------------------
// TPageItem

TPageItem::TPageItem(TPage& page) : Page(page) {
    Properties.Add(QStringLiteral("Left"), Tr("Left"), ptLength)->SetFloat(0.0);
    Properties.Add(QStringLiteral("Top"), Tr("Top"), ptLength)->SetFloat(0.0);
    AddNonNegativeLength(QStringLiteral("Width"), Tr("Width"), 0.0);
    AddNonNegativeLength(QStringLiteral("Height"), Tr("Height"), 0.0);

    TProperty* name = Properties.Add(QStringLiteral("Name"), Tr("Name"), ptText);
    name->SetString(page.UniqueItemName(Tr("PageItem")));
    name->OnChanging = [this](TProperty& property, TPropertyValue& newValue) {
        const auto* text = std::get_if<QString>(&newValue);
        if (!text || *text == property.GetString())
            return;
        const int other = Page.IndexOfItemName(*text);
        if (other >= 0 && Page.Item(other) != this)
            throw EBramblexError(Tr("Item name already in use."));
    };

    TProperty* anchor = Properties.Add(QStringLiteral("Anchor"), Tr("Anchor"), ptChoice);
    anchor->Choices = AnchorCaptions();
    anchor->SetInteger(AnchorLeft | AnchorTop);

    Properties.Sort();
    page.AttachItem(this);
}

TPageItem::~TPageItem() {
    Page.DetachItem(this);
}

TProperty* TPageItem::AddNonNegativeLength(const QString& name, const QString& caption, double value) {
    TProperty* p = Properties.Add(name, caption, ptLength);
    p->OnChanging = [](TProperty&, TPropertyValue& newValue) {
        if (ValueToFloat(newValue) < 0.0)
            newValue = 0.0;
    };
    p->SetFloat(value);
    return p;
}

void ClampIntegerProperty(TProperty& property, int min, int max) {
    property.OnChanging = [min, max](TProperty&, TPropertyValue& value) {
        double n = 0.0;
        if (const auto* i = std::get_if<std::int32_t>(&value))
            n = *i;
        else if (const auto* d = std::get_if<double>(&value))
            n = std::isnan(*d) ? min : std::trunc(*d);
        else if (const auto* b = std::get_if<std::uint8_t>(&value))
            n = *b;
        else
            return;
        value = static_cast<std::int32_t>(std::clamp(n, double(min), double(max)));
    };
}

void TPageItem::AddFontProperties() {
    Properties.Add(QStringLiteral("FontName"), Tr("FontName"), ptFontName)
        ->SetString(QStringLiteral("Arial"));
    TProperty* size = Properties.Add(QStringLiteral("FontSize"), Tr("FontSize"), ptInteger);
    for (int points = 2; points <= 72; ++points)
        size->Choices << QString::number(points);
    size->SetInteger(8);
    Properties.Add(QStringLiteral("FontColor"), Tr("FontColour"), ptColour)->SetInteger(0);
}

void TPageItem::Assign(const TDocumentObject& source) {
    const auto* item = dynamic_cast<const TPageItem*>(&source);
    if (!item)
        throw EBramblexError(Tr("Cannot assign object to %1").arg(TypeName()));
    if (item == this)
        return;
    Done = item->Done;
    Properties.AssignValues(&item->Properties);
}

void TPageItem::SaveToXml(TGmXmlNodeList& nodes) const {
    Properties.SaveToNodes(nodes);
}

void TPageItem::LoadFromXml(const TGmXmlNodeList& nodes, bool keepUniqueName) {
    TPictureBudget budget;
    LoadFromXml(nodes, keepUniqueName, budget);
}

void TPageItem::LoadFromXml(const TGmXmlNodeList& nodes, bool keepUniqueName, TPictureBudget& budget) {
    TProperty& name = Property(QStringLiteral("Name"));
    const QString defaultName = name.GetString();
    Properties.LoadFromNodes(nodes, budget);
    if (keepUniqueName) {
        const QString loaded = name.GetString();
        name.SetString(defaultName);
        if (Page.IndexOfItemName(loaded) < 0)
            name.SetString(loaded);
    }
}

TDeviceRect TPageItem::DeviceRect() const {
    return Page.MMToDeviceRect(Left(), Top(), Width(), Height());
}

void TPageItem::Draw() {
    if (Placing && Page.Canvas) {
        QPainter& canvas = *Page.Canvas;
        canvas.setPen(DevicePen(Qt::black));
        CanvasFrame(canvas, DeviceRect());
    }
    Done = true;
}

void TPageItem::DrawSelection() {
    if (!Selected || !Page.Canvas)
        return;
    QPainter& canvas = *Page.Canvas;
    const TDeviceRect r = DeviceRect();
    const int cx = r.Left + r.Width() / 2;
    const int cy = r.Top + r.Height() / 2;
    const TDeviceRect handles[] = {
        {r.Left, r.Top, r.Left + 6, r.Top + 6},   {cx - 3, r.Top, cx + 3, r.Top + 6},
        {r.Right - 6, r.Top, r.Right, r.Top + 6}, {r.Left, cy - 3, r.Left + 6, cy + 3},
        {r.Right - 6, cy - 3, r.Right, cy + 3},   {r.Left, r.Bottom - 6, r.Left + 6, r.Bottom},
        {cx - 3, r.Bottom - 6, cx + 3, r.Bottom}, {r.Right - 6, r.Bottom - 6, r.Right, r.Bottom},
    };
    for (const TDeviceRect& h : handles)
        CanvasInvertRect(canvas, h);
}

bool TPageItem::HitTest(double x, double y) const {
    const double left = Left();
    const double top = Top();
    return left <= x && x <= left + Width() && top <= y && y < top + Height();
}

int TPageItem::HitTestHandles(int x, int y) const {
    const TDeviceRect r = DeviceRect();
    if (r.Left + 6 < x && x < r.Right - 6 && r.Top + 6 < y && y < r.Bottom - 6)
        return HitInside;
    int flags = 0;
    const bool inRows = r.Top <= y && y <= r.Bottom;
    const bool inColumns = r.Left <= x && x <= r.Right;
    if (r.Left <= x && x <= r.Left + 6 && inRows)
        flags |= HitLeft;
    if (r.Top <= y && y <= r.Top + 6 && inColumns)
        flags |= HitTop;
    if (r.Right - 6 <= x && x <= r.Right && inRows)
        flags |= HitRight;
    if (r.Bottom - 6 <= y && y <= r.Bottom && inColumns)
        flags |= HitBottom;
    return flags;
}

void TPageItem::ResetPagination() {
    Done = false;
}

void TPageItem::Advance() {
    Done = true;
}

// ---------------------------------------------------------------------------
// Drawing vocabulary

QColor ColorFromBGR(std::int32_t colour) {
    const auto c = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

Qt::PenStyle PenStyleFromIndex(int style) {
    switch (style) {
    case 1:
        return Qt::DashLine;
    case 2:
        return Qt::DotLine;
    case 3:
        return Qt::DashDotLine;
    case 4:
        return Qt::DashDotDotLine;
    case 5:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle BrushStyleFromIndex(int style) {
    switch (style) {
    case 1:
        return Qt::NoBrush;
    case 2:
        return Qt::HorPattern;
    case 3:
        return Qt::VerPattern;
    case 4:
        return Qt::BDiagPattern; // lines from bottom left to top right
    case 5:
        return Qt::FDiagPattern; // lines from top left to bottom right
    case 6:
        return Qt::CrossPattern;
    case 7:
        return Qt::DiagCrossPattern;
    default:
        return Qt::SolidPattern;
    }
}

QPen DevicePen(const QColor& colour, int widthPx, Qt::PenStyle style) {
    QPen pen(colour);
    pen.setWidth(std::max(1, widthPx));
    pen.setStyle(style);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

void CanvasRectangle(QPainter& canvas, const TDeviceRect& rect) {
    if (rect.Width() <= 0 || rect.Height() <= 0) {
        // Degenerates to the line it has become (or a point).
        if (canvas.pen().style() != Qt::NoPen)
            canvas.drawLine(rect.Left, rect.Top, rect.Right, rect.Bottom);
        return;
    }
    if (canvas.brush().style() != Qt::NoBrush)
        canvas.fillRect(rect.ToQRect(), canvas.brush());
    CanvasFrame(canvas, rect);
}

void CanvasFrame(QPainter& canvas, const TDeviceRect& rect) {
    if (canvas.pen().style() == Qt::NoPen)
        return;
    const QBrush brush = canvas.brush();
    canvas.setBrush(Qt::NoBrush);
    if (rect.Width() <= 0 || rect.Height() <= 0)
        canvas.drawLine(rect.Left, rect.Top, rect.Right, rect.Bottom);
    else
        canvas.drawRect(QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1));
    canvas.setBrush(brush);
}

void CanvasLine(QPainter& canvas, int x1, int y1, int x2, int y2) {
    canvas.drawLine(x1, y1, x2, y2);
}

void CanvasFillWhite(QPainter& canvas, const TDeviceRect& rect) {
    if (!rect.IsEmpty())
        canvas.fillRect(rect.ToQRect(), Qt::white);
}

void CanvasInvertRect(QPainter& canvas, const TDeviceRect& rect) {
    if (rect.IsEmpty())
        return;
    const QPaintEngine* engine = canvas.paintEngine();
    const QPainter::CompositionMode mode = canvas.compositionMode();
    if (engine && engine->hasFeature(QPaintEngine::BlendModes)) {
        // White minus the destination: the colours invert and alpha stays opaque.
        canvas.setCompositionMode(QPainter::CompositionMode_Difference);
        canvas.fillRect(rect.ToQRect(), Qt::white);
    } else if (engine && engine->hasFeature(QPaintEngine::RasterOpModes)) {
        canvas.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        canvas.fillRect(rect.ToQRect(), Qt::white);
    } else {
        canvas.fillRect(rect.ToQRect(), Qt::black);
    }
    canvas.setCompositionMode(mode);
}

std::optional<TDeviceRect> ChartItemRect(const TPageItem& item) {
    const TPage& page = item.Page;
    if (!page.Canvas || page.PageType() != PageTypeInner)
        return std::nullopt;
    const TDeviceRect rect = item.DeviceRect();
    if (rect.IsEmpty())
        return std::nullopt;
    if (!page.ChartPainter) {
        page.Canvas->setPen(DevicePen(QColor(0x80, 0x80, 0x80)));
        page.Canvas->setBrush(Qt::NoBrush);
        CanvasFrame(*page.Canvas, rect);
        return std::nullopt;
    }
    return rect;
}

void InstallReportFontSubstitutes() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Glyphs above 64 pixels are drawn as paths, slower than from the glyph cache,
        // but raising QT_MAX_CACHED_GLYPH_SIZE makes the raster engine drop such text
        // altogether at printer resolution (Qt 6.4), so the limit stays Qt's own.
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
            return;
        if (!QFontDatabase::hasFamily(QStringLiteral("Arial")) &&
            QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
            QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    });
}

void SetCanvasFont(QPainter& canvas, const QString& family, int emPixels, std::int32_t colour, bool bold,
                   bool italic, bool underline, bool strikeout) {
    InstallReportFontSubstitutes();
    QFont font(family);
    font.setPixelSize(std::max(1, emPixels));
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    font.setStrikeOut(strikeout);
    canvas.setFont(font);
    canvas.setPen(ColorFromBGR(colour));
}

int CanvasTextWidth(const QPainter& canvas, const QString& text) {
    const QFontMetricsF metrics(canvas.font(), canvas.device());
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
}

int CanvasTextHeight(const QPainter& canvas) {
    const QFontMetricsF metrics(canvas.font(), canvas.device());
    return static_cast<int>(std::ceil(metrics.height()));
}

void CanvasTextOut(QPainter& canvas, int x, int y, const QString& text, const TDeviceRect& clip) {
    if (text.isEmpty() || clip.IsEmpty())
        return;
    const QFontMetricsF metrics(canvas.font(), canvas.device());
    canvas.save();
    canvas.setClipRect(clip.ToQRect(), Qt::IntersectClip);
    canvas.drawText(QPointF(x, y + metrics.ascent()), text);
    canvas.restore();
}
