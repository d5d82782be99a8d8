#pragma once

// The chart painter of every front end: QCustomPlot lays the chart out on its surface,
// the drawing is recorded as a vector picture and stretched into the item. Needs a
// QApplication (QCustomPlot is a widget; headless programs use the offscreen
// platform). One painter serves any number of pages, one at a time.

#include "reports/ChartPainter.h"

#include <memory>

class QCustomPlot;
class QPicture;

class TQCustomPlotChartPainter final : public TChartPainter {
public:
    TQCustomPlotChartPainter();
    ~TQCustomPlotChartPainter() override;

    void DrawRunChart(QPainter& canvas, const QRect& rect, QSize surface,
                      const TRunChartData& chart) override;

    // The chart laid out on a surface of that size, as a picture of that size in
    // pixels of its own resolution (what DrawRunChart stretches); a null picture when
    // the surface is too small to hold a plot area.
    QPicture RecordRunChart(QSize surface, const TRunChartData& chart);
    void DrawFlowChart(QPainter& canvas, const QRect& rect, QSize surface,
                       const TFlowChartData& chart) override;
    QPicture RecordFlowChart(QSize surface, const TFlowChartData& chart);
    // The plot as last configured (tests read axes, offsets and lines from it).
    QCustomPlot& Plot();
    QCustomPlot& FlowPlot();

private:
    std::unique_ptr<QCustomPlot> m_plot;
    // A plot of its own: the run chart's added axes and the flow chart's scales never
    // meet.
    std::unique_ptr<QCustomPlot> m_flowPlot;
};
