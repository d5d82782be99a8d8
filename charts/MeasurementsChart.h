#pragma once

// The batch view's chart of readings: the run chart's look (charts/RunChartStyle) on an
// interactive plot. Left-drag draws a rectangle and zooms every axis, the stacked
// vertical axes included, to it; right-drag scrolls; ResetZoom returns to the ranges of
// the last build. Each line has a marker series for the selected reading and a series
// of hollow points for readings taken at low torque.

#include "reports/ChartPainter.h"

#include <qcustomplot.h>

#include <QPoint>

#include <vector>

class TReplotOnce;

class TChartMeasurements : public QCustomPlot {
    Q_OBJECT
public:
    explicit TChartMeasurements(QWidget* parent = nullptr);

    // Points of one line drawn hollow (readings the instrument measured at low torque).
    struct THollowPoints {
        std::vector<double> X;
        std::vector<double> Y;
    };

    // Rebuilds from scratch: the lines of chart, their axes stacked by the room of
    // their largest values written in the user's locale, empty marker series and the
    // hollow points (one entry per line, or none).
    void Build(const TRunChartData& chart, const std::vector<THollowPoints>& hollow);

    // Number of line series after the last build; marker series k is graph
    // MarkerBase() + k.
    int MarkerBase() const { return m_lines; }
    void ClearMarkers();
    void AddMarker(int line, double x, double y);
    // Left margin for the stacked axes: the width of "MM" plus the outermost offset.
    int LeftMargin() const { return m_leftMargin; }
    // The vertical axis of each line (the left axis for the first).
    QList<QCPAxis*> LineAxes() const;

    void ResetZoom();
    // A replot at the next turn of the event loop, none when one comes first.
    void QueueReplot();

    // Where the last press and release of a mouse button on the chart were.
    QPoint MouseDown;
    QPoint MouseUp;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QList<QCPAxis*> AllAxes() const;

    TReplotOnce* m_replot;
    int m_lines = 0;
    int m_leftMargin = 0;
    std::vector<QCPRange> m_builtRanges; // per AllAxes() entry
    bool m_scrolling = false;
    QPoint m_scrollFrom;
    std::vector<QCPRange> m_scrollRanges;
};
