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
    SetName(page.UniqueItemName(Tr("ChartFlow")));
    Properties.Sort();
}

void TPageItemChartFlow::Draw() {
    TPageItem::Draw();
    const std::optional<TDeviceRect> area = ChartItemRect(*this);
    if (!area)
        return;
    const TDeviceRect& rect = *area;
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
    Page.ChartPainter->DrawFlowChart(*Page.Canvas, rect.ToQRect(),
                                     TChartRun::SurfaceSize(rect.Width(), rect.Height()), chart);
}
