#pragma once

// The look of the flow curve chart, written once for the report's flow chart item and
// the batch view's "Analysis" tab: the measured points as black circles, each model's
// curve in a colour of its own (the best one drawn thicker), both axes linear or both
// logarithmic, ranges fitted to what is shown.

#include "reports/ChartPainter.h"

#include <QColor>

class QCustomPlot;

// The colour of a flow model's curve (TFlowModel as int).
QColor FlowModelColour(int model);

// Sets plot up to show chart: removes earlier graphs and texts, then points, curves,
// scales, titles, legend and ranges.
void ConfigureFlowChart(QCustomPlot& plot, const TFlowChartData& chart);

// The same, in place when plot already shows a chart of the same make (scales, titles,
// curves, empty text): only the data and ranges change, so a run's chart is not rebuilt
// at every reading. Otherwise as ConfigureFlowChart.
void UpdateFlowChart(QCustomPlot& plot, const TFlowChartData& chart);
