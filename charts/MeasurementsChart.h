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

    // The points of readings that come after those of one line, and the line's values
    // with them: what a build with every reading would give that line.
    struct TLineTail {
        std::vector<double> X;
        std::vector<double> Y;
        std::vector<double> HollowX;
        std::vector<double> HollowY;
        bool HasPoints = false;
        double YLow = 0.0;
        double YHigh = 0.0;
        double MaxY = 0.0;
    };
    // Adds points to the lines of the last build (one tail per line, in order; X not
    // below the lines' last X) and gives every axis the range and room a build with
    // them would give; the markers stay. Draws at the next turn of the event loop.
    void Append(bool hasXRange, double xMin, double xMax, const std::vector<TLineTail>& lines);

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
    QString m_fontName;
    std::vector<QCPRange> m_builtRanges; // per AllAxes() entry
    bool m_scrolling = false;
    QPoint m_scrollFrom;
    std::vector<QCPRange> m_scrollRanges;
};
