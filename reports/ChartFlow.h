#pragma once

// What a flow curve chart shows, for the report's flow chart item and the batch view's
// "Analysis" tab alike: the measured points the flow models were fitted to and each
// fitted model's curve over their range.

#include "analysis/Analysis.h"
#include "analysis/FlowCurve.h"
#include "reports/ChartPainter.h"

// Points along each curve: enough for a smooth line at any size a page or window gives.
inline constexpr int FlowCurveSamples = 120;

// The chart of analysis over points. On logarithmic axes the curves run over the
// points' range at evenly spaced logarithms and leave out stresses that are not above
// 0; on linear axes they start at a shear rate of 0 (a yield stress shows where the
// curve meets the axis). Without a fitted model EmptyText is the reason.
TFlowChartData BuildFlowChart(const TBatchAnalysis& analysis, const TFlowCurvePoints& points,
                              bool logarithmic);

// Axis titles in the units the batch stores: "Shear Rate (1/s)", "Shear Stress (dyn/cm²)".
QString FlowChartXTitle();
QString FlowChartYTitle();
