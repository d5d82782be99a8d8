#include "reports/PageItemChartFlow.h"

#include "analysis/Analysis.h"
#include "analysis/FlowCurve.h"
#include "core/Error.h"
#include "reports/ChartFlow.h"
#include "reports/ChartRun.h"
#include "reports/Page.h"

#include <QPainter>

TPageItemChartFlow::TPageItemChartFlow(TPage& page) : TPageItem(page) {
    Properties.Add(QStringLiteral("FontName"), Tr("FontName"), ptFontName)
        ->SetString(QStringLiteral("Arial"));
    Properties.Add(QStringLiteral("Grid"), Tr("Grid"), ptBoolean)->SetBoolean(true);
    Properties.Add(QStringLiteral("ShowLegend"), Tr("ShowLegend"), ptBoolean)->SetBoolean(true);
    Properties.Add(QStringLiteral("Logarithmic"), Tr("Logarithmic"), ptBoolean)->SetBoolean(false);
    Properties.Add(QStringLiteral("IncludeLowTorque"), Tr("IncludeLowTorque"), ptBoolean)->SetBoolean(false);
    Property(QStringLiteral("Name")).SetString(page.UniqueItemName(Tr("ChartFlow")));
    Properties.Sort();
}

void TPageItemChartFlow::Draw() {
    TPageItem::Draw();
    if (!Page.Canvas || Page.PageType() != PageTypeInner)
        return;
    const TDeviceRect rect = DeviceRect();
    if (rect.IsEmpty())
        return;
    QPainter& canvas = *Page.Canvas;
    if (!Page.ChartPainter) {
        canvas.setPen(DevicePen(QColor(0x80, 0x80, 0x80)));
        canvas.setBrush(Qt::NoBrush);
        CanvasFrame(canvas, rect);
        return;
    }
    TAnalysisOptions options;
    options.IncludeLowTorque = GetBoolean(QStringLiteral("IncludeLowTorque"));
    const TBatchItem& batch = Page.Batch;
    const TBatchAnalysis analysis = AnalyzeBatch(batch, options);
    const TFlowCurvePoints points =
        FlowCurvePoints(batch.ModelType, batch.SpindleType, batch.Measurements, options);
    TFlowChartData chart = BuildFlowChart(analysis, points, GetBoolean(QStringLiteral("Logarithmic")));
    chart.FontName = GetString(QStringLiteral("FontName"));
    chart.Grid = GetBoolean(QStringLiteral("Grid"));
    chart.ShowLegend = GetBoolean(QStringLiteral("ShowLegend"));
    Page.ChartPainter->DrawFlowChart(canvas, rect.ToQRect(),
                                     TChartRun::SurfaceSize(rect.Width(), rect.Height()), chart);
}
