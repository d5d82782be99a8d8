#include "reports/PageItemChartRun.h"

#include "core/Error.h"
#include "reports/Page.h"

#include <QPainter>

#include <algorithm>

TPageItemChartRun::TPageItemChartRun(TPage& page) : TPageItem(page) {
    Properties.Add(QStringLiteral("FontName"), Tr("FontName"), ptFontName)
        ->SetString(QStringLiteral("Arial"));
    Properties.Add(QStringLiteral("3D"), Tr("3D"), ptBoolean)->SetBoolean(true);
    Properties.Add(QStringLiteral("Grid"), Tr("Grid"), ptBoolean)->SetBoolean(true);
    Properties.Add(QStringLiteral("ShowLegend"), Tr("ShowLegend"), ptBoolean)->SetBoolean(true);
    Properties.Add(QStringLiteral("ReadingsPerPage"), Tr("ReadingsPerPage"), ptInteger)->SetInteger(20);
    Property(QStringLiteral("Name")).SetString(page.UniqueItemName(Tr("ChartRun")));
    Properties.Sort();
}

void TPageItemChartRun::Assign(const TDocumentObject& source) {
    TPageItem::Assign(source);
    if (const auto* chart = dynamic_cast<const TPageItemChartRun*>(&source))
        FirstReading = chart->FirstReading;
}

void TPageItemChartRun::ResetPagination() {
    TPageItem::ResetPagination();
    FirstReading = 0;
}

void TPageItemChartRun::Advance() {
    TPageItem::Advance();
    if (Page.PageType() != PageTypeInner)
        return;
    const int block = ReadingsPerPage();
    if (static_cast<qint64>(FirstReading) + block < Page.Batch.Measurements.Count()) {
        FirstReading += block;
        Done = false;
    }
}

int TPageItemChartRun::ReadingsPerPage() const {
    return std::max(1, GetInteger(QStringLiteral("ReadingsPerPage")));
}

void TPageItemChartRun::Draw() {
    TPageItem::Draw();
    if (!Page.Canvas || Page.PageType() != PageTypeInner)
        return;
    const TDeviceRect rect = DeviceRect();
    if (rect.IsEmpty())
        return;
    // Until the chart renderer draws here, a frame shows where the chart goes.
    QPainter& canvas = *Page.Canvas;
    canvas.setPen(DevicePen(QColor(0x80, 0x80, 0x80)));
    canvas.setBrush(Qt::NoBrush);
    CanvasFrame(canvas, rect);
}
