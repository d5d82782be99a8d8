#pragma once

// The look of the flow curve chart, written once for the report's flow chart item and
// the batch view's "Analysis" tab: the measured points as black circles, each model's
// curve in a colour of its own (the best one drawn thicker), both axes linear or both
// logarithmic, ranges fitted to what is shown.

#include "reports/ChartPainter.h"

#include <QColor>
#include <QSize>

class QCustomPlot;

// Up to this many measured points a chart draws every one of them.
inline constexpr size_t FlowChartPointsDrawnWhole = 2000;

// The measured points of chart cut down for drawing on a plot of pixels (device pixels)
// when there are more than FlowChartPointsDrawnWhole: of the points in one cell of a
// grid of pixels' width by height cells over their range (over their logarithms on
// logarithmic axes) the first is kept, and so are the points at the ends of the range,
// so the axes are those of every point. Their range is narrower than the plot, so a cell
// is less than a pixel, where one marker covers another. The points come out sorted by
// shear rate, as a graph keeps them. A long run piles thousands of readings onto a few
// shear rates: drawn whole they cost a replot many times what the picture needs. The
// curves are left alone.
void ThinFlowChartPoints(TFlowChartData& chart, QSize pixels);

// The colour of a flow model's curve (TFlowModel as int).
QColor FlowModelColour(int model);

// Sets plot up to show chart: removes earlier graphs and texts, then points, curves,
// scales, titles, legend and ranges.
void ConfigureFlowChart(QCustomPlot& plot, const TFlowChartData& chart);

// The same, in place when plot already shows a chart of the same make (scales, titles,
// curves, empty text): only the data and ranges change, so a run's chart is not rebuilt
// at every reading. Otherwise as ConfigureFlowChart.
void UpdateFlowChart(QCustomPlot& plot, const TFlowChartData& chart);
