#pragma once

// The look of a run chart, written once for both charts of the program: the report's
// chart item and the batch view's interactive chart. One line per Y quantity in its
// colour; the first on the plot's left axis, every further one on a vertical axis of
// its own placed further left by the room the previous axes need; labels "0.00" and
// title in the line's colour; the X axis fixed to the range it is given.
//
// Lengths are pixels of the layout surface. Fonts have fixed pixel sizes (8 points at
// 96 dpi), so a chart laid out anywhere looks the same when scaled.

#include "reports/ChartPainter.h"

#include <qcustomplot.h>

#include <QFont>
#include <QLocale>
#include <QString>

#include <vector>

class QCustomPlot;

// The font the axis room is measured in, and the charts' text font: family (Arial
// unless given), 8 points at 96 dpi as a pixel size.
QFont RunChartFont(const QString& family = QStringLiteral("Arial"));

// The text whose width is the room one axis takes: maxY with two decimals followed
// by "MMMMM" ("%.2fMMMMM").
QString RunChartAxisRoomText(double maxY);

struct TRunChartAxisStack {
    // Per line, in order: how far its axis stands left of the plot area (0 for the
    // first); each further axis moves left by the room of the one before.
    std::vector<int> Offsets;
    // Room left of the plot area for the axes moved left: the width of "MM" plus the
    // offset of the outermost axis.
    int LeftMargin = 0;
    // The plot area's left margin on the surface: LeftMargin plus the outermost axis's
    // own room (its labels and title lie left of its line).
    int PlotLeftMargin = 0;
};

// Offsets and margins for lines whose largest values are maxYs, measured in font.
TRunChartAxisStack StackRunChartAxes(const std::vector<double>& maxYs, const QFont& font = RunChartFont());
// The same with the room texts written with locale's decimal separator, as the batch
// view's chart labels its axes for the operator.
TRunChartAxisStack StackRunChartAxes(const std::vector<double>& maxYs, const QFont& font,
                                     const QLocale& locale);
// Moves the vertical axes of plot (the left axis first, then the added ones in order)
// to the offsets of stack and gives the plot area its left margin.
void PlaceRunChartAxes(QCustomPlot& plot, const TRunChartAxisStack& stack);

// The axis ranges ConfigureRunChart gives: the X axis of the readings' range (0 to 1
// without one), a line's axis of its points' range (0 to 1 without points); a range of
// no width gets room around its value.
QCPRange RunChartXRange(bool hasRange, double low, double high);
QCPRange RunChartLineRange(bool hasPoints, double low, double high);

// Sets plot up to show chart: removes earlier lines and additional axes, then lines,
// axes, titles, colours, legend, grid, ranges, offsets and margins. Raises "Invalid
// XAxis" / "Invalid YAxis" for quantities outside the tables.
void ConfigureRunChart(QCustomPlot& plot, const TRunChartData& chart);
