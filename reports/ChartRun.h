#pragma once

// The builder of a chart item: takes the page's batch and the item's settings, decides
// what the chart shows for one block of readings and has a chart painter draw it.

#include "documents/BatchItem.h"
#include "reports/ChartPainter.h"
#include "reports/PageItem.h"

#include <QString>

#include <cstdint>
#include <limits>

class QPainter;

class TChartRun {
public:
    QString FontName = QStringLiteral("Arial");
    // The page's batch; a copy shares the readings, and the sorted order is shared by
    // every page that charts the same readings.
    TBatchItem Batch;
    bool View3D = true;
    bool Grid = true;
    bool ShowLegend = true;
    TSelectedYAxis YShown{};
    // The block of readings (in X order) that the X axis shows.
    std::int32_t FirstIndex = 0;
    std::int32_t LastIndex = std::numeric_limits<std::int32_t>::max();

    // YShown from the batch's "SelectedYAxis"; damaged entries are skipped.
    void ParseSelectedY();
    // The chart's content: X title and range, one line per shown Y quantity with every
    // reading that is not over scale. Raises "Invalid XAxis" for a bad X quantity (also
    // without readings) and "Invalid ModelType" for a damaged model.
    TRunChartData BuildRunChart() const;
    // Surface of the layout: 800 pixels on the longer side, with the proportions of
    // size; empty for an empty size.
    static QSize SurfaceSize(int width, int height);
    // Parses, builds, and has painter draw the chart into rect (nothing for an empty
    // rect). Only the points the block's range shows, and the neighbour on each side
    // that lines leave the range towards, go to the painter.
    void DrawChart(QPainter& canvas, const TDeviceRect& rect, TChartPainter& painter);

    // Keeps the points of each line within [XMin, XMax] plus one neighbour each side.
    static void TrimToRange(TRunChartData& chart);
};
