#pragma once

// What a run chart shows, and the collaborator that draws it. The report layer decides
// the content (quantities, points, range); whoever draws a page hands the page a chart
// painter (TPage::ChartPainter) that turns the content into a picture. The charting
// library lives behind it, so reports need no widgets.

#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

class QPainter;

// One line of the chart: Y quantity YIndex (0 viscosity ... 5 shear rate, which also
// fixes its caption and colour) against the X quantity, in ascending X.
struct TRunChartSeries {
    int YIndex = 0;
    std::vector<double> X;
    std::vector<double> Y;
    // The largest Y of all the line's points, at least 0, also of points a page
    // leaves out: the room of the line's axis follows from it.
    double MaxY = 0.0;
    // The range of all the line's points (also those a page leaves out), so that
    // every page of a report shows the line on one scale; no width without points.
    double YLow = 0.0;
    double YHigh = 0.0;
};

struct TRunChartData {
    QString FontName = QStringLiteral("Arial");
    bool View3D = true;
    bool Grid = true; // grid lines of the X axis
    bool ShowLegend = true;
    int XIndex = 0; // 0 time ... 6 shear rate
    // The fixed X range; without one (no readings) the axis keeps a default range.
    bool HasXRange = false;
    double XMin = 0.0;
    double XMax = 0.0;
    std::vector<TRunChartSeries> Series;
};

// One model's curve on the flow curve chart.
struct TFlowChartCurve {
    int Model = 0; // TFlowModel as int: fixes the curve's colour
    QString Name;  // the legend's text
    bool Best = false;
    std::vector<double> X; // shear rate, ascending
    std::vector<double> Y; // the model's shear stress
};

// Shear stress against shear rate: the measured points and each fitted model's curve.
struct TFlowChartData {
    QString FontName = QStringLiteral("Arial");
    bool Logarithmic = false; // both axes
    bool Grid = true;
    bool ShowLegend = true;
    QString XTitle;
    QString YTitle;
    QString PointsName; // the legend's text for the measured points
    std::vector<double> X;
    std::vector<double> Y;
    std::vector<TFlowChartCurve> Curves;
    // Why there is no curve, written across the empty plot (empty when there are curves).
    QString EmptyText;
};

class TChartPainter {
public:
    virtual ~TChartPainter() = default;

    // Lays the chart out on a surface of surface pixels (fonts at a fixed resolution,
    // so the chart looks alike at any output resolution) and stretches the picture
    // into rect of canvas, as vectors where the device keeps vectors.
    virtual void DrawRunChart(QPainter& canvas, const QRect& rect, QSize surface,
                              const TRunChartData& chart) = 0;
    // The flow curve chart laid out and stretched the same way. A painter that has no
    // flow charts leaves the place empty.
    virtual void DrawFlowChart(QPainter& canvas, const QRect& rect, QSize surface,
                               const TFlowChartData& chart) {
        (void)canvas;
        (void)rect;
        (void)surface;
        (void)chart;
    }
};
