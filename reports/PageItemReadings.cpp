#include "reports/PageItemReadings.h"

#include "catalogue/Catalogue.h"
#include "catalogue/DateTimeTexts.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "reports/Page.h"
#include "reports/PageItemMemo.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int ColumnsWithoutShear = 6;
constexpr int ColumnsWithShear = 8;
constexpr int RowsPerPageMin = 1;
constexpr int RowsPerPageMax = 1000;

// Width properties, left to right.
const char* const ColumnWidthNames[ColumnsWithShear] = {
    "ColumnWidthDate",        "ColumnWidthTime", "ColumnWidthViscosity",   "ColumnWidthPercentFS",
    "ColumnWidthTemperature", "ColumnWidthRPM",  "ColumnWidthSheerStress", "ColumnWidthSheerRate"};

// Cell texts of readings; the locale's formats are looked up once per table.
class TRowFormatter {
public:
    explicit TRowFormatter(const TBatchItem& batch)
        : m_batch(batch), m_columns(TPageItemReadings::ColumnCount(batch)) {}

    QStringList Texts(const TMeasurementItem& reading) {
        QStringList cells;
        cells.reserve(m_columns);
        m_times.Set(reading.DateTime);
        cells << m_times.Date() << m_times.Time();
        const int model = m_batch.ModelType;
        const int spindle = m_batch.SpindleType;
        const bool over = IsOverScale(model, spindle, reading.RPMCode, reading.Viscosity);
        if (over) {
            cells << OverScaleText() << OverScaleText();
        } else {
            cells << FormatViscosity(reading.Viscosity)
                  << FormatLocaleFixed(PercentFullScale(model, spindle, reading.RPMCode, reading.Viscosity),
                                       1);
        }
        cells << FormatTemperature(reading.Temperature)
              << FormatLocaleFixed(RPMCodeToValue(reading.RPMCode), 1);
        if (m_columns == ColumnsWithShear) {
            if (over)
                cells << QString() << QString();
            else
                cells << FormatLocaleFixed(reading.SheerStress, 1) << FormatLocaleFixed(reading.SheerRate, 1);
        }
        return cells;
    }

private:
    const TBatchItem& m_batch;
    TDateTimeTexts m_times;
    int m_columns;
};

// Device coordinates from sizes a file may hold in any magnitude, kept where int
// arithmetic stays defined.
int ToDevice(double x) {
    constexpr double limit = 1.0e9;
    return static_cast<int>(std::clamp(x, -limit, limit));
}

TDeviceRect Intersected(const TDeviceRect& a, const TDeviceRect& b) {
    return {std::clamp(a.Left, b.Left, b.Right), std::clamp(a.Top, b.Top, b.Bottom),
            std::clamp(a.Right, b.Left, b.Right), std::clamp(a.Bottom, b.Top, b.Bottom)};
}

// One cell: the outline clipped to the item, then the text wrapped inside the cell
// less a space's width on either side, vertically centred and left aligned.
void DrawCell(QPainter& canvas, const TDeviceRect& cell, const QString& text, const TDeviceRect& itemRect,
              const QPen& textPen, const QPen& framePen, int spaceWidth, double em) {
    const TDeviceRect outline = Intersected(cell, itemRect);
    if (outline.IsEmpty())
        return;
    canvas.setPen(framePen);
    CanvasFrame(canvas, outline);
    if (text.isEmpty())
        return;
    const TDeviceRect inner{cell.Left + spaceWidth, cell.Top, cell.Right - spaceWidth, cell.Bottom};
    if (inner.Width() < 0)
        return;
    canvas.setPen(textPen);
    const TTextLines lines = BreakLines(canvas, text, inner, true);
    const TDeviceRect block = AlignBlock(3, inner, lines.Width, lines.Height);
    DrawLines(canvas, lines.Lines, Intersected(inner, itemRect), block, em, 3);
}

void DrawTableRow(QPainter& canvas, const std::vector<int>& edges, int top, int bottom,
                  const QStringList& texts, const TDeviceRect& itemRect, const QPen& textPen,
                  const QPen& framePen, int spaceWidth, double em) {
    for (size_t c = 0; c + 1 < edges.size(); ++c) {
        const TDeviceRect cell{edges[c], top, edges[c + 1], bottom};
        const qsizetype i = static_cast<qsizetype>(c);
        DrawCell(canvas, cell, i < texts.size() ? texts[i] : QString(), itemRect, textPen, framePen,
                 spaceWidth, em);
    }
}

} // namespace

TPageItemReadings::TPageItemReadings(TPage& page) : TPageItem(page) {
    AddFontProperties();
    const double widths[ColumnsWithShear] = {20, 20, 25, 25, 25, 25, 25, 25};
    const char* const captions[ColumnsWithShear] = {
        "ColumnWidthDate",        "ColumnWidthTime", "ColumnWidthViscosity",   "ColumnWidthPercentFS",
        "ColumnWidthTemperature", "ColumnWidthRPM",  "ColumnWidthShearStress", "ColumnWidthShearRate"};
    for (int i = 0; i < ColumnsWithShear; ++i)
        Properties.Add(QLatin1String(ColumnWidthNames[i]), Tr(captions[i]), ptLength)->SetFloat(widths[i]);
    TProperty* rows = Properties.Add(QStringLiteral("RowsPerPage"), Tr("RowsPerPage"), ptInteger);
    rows->SetInteger(20);
    ClampIntegerProperty(*rows, RowsPerPageMin, RowsPerPageMax);
    Properties.Add(QStringLiteral("ShowColumnHeader"), Tr("ShowColumnHeader"), ptBoolean)->SetBoolean(true);
    SetName(page.UniqueItemName(Tr("Readings")));
    Properties.Sort();
}

void TPageItemReadings::Assign(const TDocumentObject& source) {
    TPageItem::Assign(source);
    if (const auto* table = dynamic_cast<const TPageItemReadings*>(&source))
        FirstRow = table->FirstRow;
}

void TPageItemReadings::ResetPagination() {
    TPageItem::ResetPagination();
    FirstRow = 0;
}

void TPageItemReadings::Advance() {
    TPageItem::Advance();
    // Opening and closing pages show the template's example batch; continuing it
    // over further copies of such a page would only repeat sample data.
    if (Page.PageType() != PageTypeInner)
        return;
    const int rows = RowsPerPage();
    if (static_cast<qint64>(FirstRow) + rows < Page.Batch.Measurements.Count()) {
        FirstRow += rows;
        Done = false;
    }
}

int TPageItemReadings::RowsPerPage() const {
    return std::max(RowsPerPageMin, GetInteger(QStringLiteral("RowsPerPage")));
}

int TPageItemReadings::ColumnCount(const TBatchItem& batch) {
    return SpindleHasShear(batch.SpindleType) ? ColumnsWithShear : ColumnsWithoutShear;
}

QStringList TPageItemReadings::HeaderTexts(const TBatchItem& batch) {
    const QString pair = Tr("%1 (%2)");
    QStringList texts{Tr("Date"),
                      Tr("Time"),
                      pair.arg(Tr("Viscosity"), ViscosityUnitsName()),
                      Tr("% Full Scale"),
                      pair.arg(Tr("Temperature"), TemperatureUnitsName()),
                      Tr("RPM")};
    if (ColumnCount(batch) == ColumnsWithShear)
        texts << Tr("Shear Stress") << Tr("Shear Rate");
    return texts;
}

QStringList TPageItemReadings::RowTexts(const TBatchItem& batch, const TMeasurementItem& reading) {
    TRowFormatter formatter(batch);
    return formatter.Texts(reading);
}

std::vector<int> TPageItemReadings::ColumnEdges() const {
    const TDeviceRect rect = DeviceRect();
    const int columns = ColumnCount(Page.Batch);
    std::vector<int> edges;
    edges.reserve(static_cast<size_t>(columns) + 1);
    double x = rect.Left;
    edges.push_back(rect.Left);
    for (int i = 0; i < columns; ++i) {
        x += Page.LengthToDeviceX(GetFloat(QLatin1String(ColumnWidthNames[i])));
        edges.push_back(ToDevice(x));
    }
    edges.back() = std::max(edges.back(), rect.Right);
    return edges;
}

double TPageItemReadings::EmHeight() const {
    return Page.DevicePixelsPerInch() * GetInteger(QStringLiteral("FontSize")) / 72.0;
}

int TPageItemReadings::HeaderRows() const {
    return GetBoolean(QStringLiteral("ShowColumnHeader")) ? 2 : 0;
}

int TPageItemReadings::RowTop(int row) const {
    return ToDevice(DeviceRect().Top + static_cast<double>(RoundHalfUp(row * RowHeight())));
}

void TPageItemReadings::Draw() {
    TPageItem::Draw();
    if (!Page.Canvas || Width() <= 0 || Height() <= 0)
        return;
    QPainter& canvas = *Page.Canvas;
    const TDeviceRect itemRect = DeviceRect();
    const double em = EmHeight();
    const double rowH = 1.5 * em;
    canvas.setBrush(Qt::NoBrush);
    SetCanvasFont(canvas, GetString(QStringLiteral("FontName")), ToDevice(std::max(1.0, em)),
                  GetInteger(QStringLiteral("FontColor")));
    // The font's colour is the painter's pen, but cell outlines keep the black,
    // 1-pixel pen of a fresh canvas.
    const QPen textPen = canvas.pen();
    const QPen framePen = DevicePen(Qt::black);
    const int spaceWidth = CanvasTextWidth(canvas, QStringLiteral(" "));
    const std::vector<int> edges = ColumnEdges();
    const auto rowTop = [&](int row) {
        return ToDevice(itemRect.Top + static_cast<double>(RoundHalfUp(row * rowH)));
    };

    const int headerRows = HeaderRows();
    if (headerRows > 0)
        DrawTableRow(canvas, edges, rowTop(0), rowTop(headerRows), HeaderTexts(Page.Batch), itemRect, textPen,
                     framePen, spaceWidth, em);

    const TMeasurementList& readings = Page.Batch.Measurements;
    const int count = readings.Count();
    const qint64 end = std::min<qint64>(count, static_cast<qint64>(FirstRow) + RowsPerPage());
    TRowFormatter formatter(Page.Batch);
    for (qint64 s = std::max<qint64>(0, FirstRow); s < end; ++s) {
        const int r = static_cast<int>(s - FirstRow) + headerRows;
        const int top = rowTop(r);
        // Rows below the item's bottom edge are cut off entirely.
        if (top >= itemRect.Bottom)
            break;
        DrawTableRow(canvas, edges, top, rowTop(r + 1), formatter.Texts(*readings.Items(static_cast<int>(s))),
                     itemRect, textPen, framePen, spaceWidth, em);
    }
}
