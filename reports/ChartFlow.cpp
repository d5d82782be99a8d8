#include "reports/ChartFlow.h"

#include "core/Error.h"

#include <algorithm>
#include <cmath>

QString FlowChartXTitle() {
    return Tr("Shear Rate (1/s)");
}

QString FlowChartYTitle() {
    return Tr("Shear Stress (%1)").arg(AnalysisUnitText(TAnalysisUnit::ShearStress));
}

TFlowChartData BuildFlowChart(const TBatchAnalysis& analysis, const TFlowCurvePoints& points,
                              bool logarithmic) {
    TFlowChartData chart;
    chart.Logarithmic = logarithmic;
    chart.XTitle = FlowChartXTitle();
    chart.YTitle = FlowChartYTitle();
    chart.PointsName = Tr("Readings");
    chart.X = points.ShearRate;
    chart.Y = points.ShearStress;
    if (analysis.FlowModels.empty()) {
        chart.EmptyText =
            !analysis.FlowModelsReason.isEmpty() ? analysis.FlowModelsReason : analysis.NothingUsableReason();
        return chart;
    }
    const auto [low, high] = std::minmax_element(points.ShearRate.begin(), points.ShearRate.end());
    if (low == points.ShearRate.end() || !(*high > 0.0))
        return chart;
    const double from = logarithmic ? *low : 0.0;
    const double to = *high;
    const TFlowModelFit* best = analysis.Best();
    for (const TFlowModelFit& fit : analysis.FlowModels) {
        TFlowChartCurve curve;
        curve.Model = static_cast<int>(fit.Model);
        curve.Name = FlowModelName(fit.Model);
        curve.Best = &fit == best;
        curve.X.reserve(FlowCurveSamples);
        curve.Y.reserve(FlowCurveSamples);
        for (int i = 0; i < FlowCurveSamples; ++i) {
            const double t = i / double(FlowCurveSamples - 1);
            const double rate = logarithmic && from > 0.0
                                    ? std::exp(std::log(from) + t * (std::log(to) - std::log(from)))
                                    : from + t * (to - from);
            const double stress = fit.ShearStressAt(rate);
            if (!std::isfinite(stress) || (logarithmic && !(stress > 0.0)))
                continue;
            curve.X.push_back(rate);
            curve.Y.push_back(stress);
        }
        chart.Curves.push_back(std::move(curve));
    }
    return chart;
}
