#include "charts/QCustomPlotChartPainter.h"

#include "charts/FlowChartStyle.h"
#include "charts/RunChartStyle.h"

#include <qcustomplot.h>

#include <QPaintDevice>
#include <QPainter>
#include <QPicture>

TQCustomPlotChartPainter::TQCustomPlotChartPainter() = default;

TQCustomPlotChartPainter::~TQCustomPlotChartPainter() = default;

namespace {

QCustomPlot& MakePlot(std::unique_ptr<QCustomPlot>& plot) {
    if (!plot) {
        plot = std::make_unique<QCustomPlot>();
        plot->setAttribute(Qt::WA_DontShowOnScreen);
        plot->setAntialiasedElements(QCP::aeAll);
    }
    return *plot;
}

QPicture Record(QCustomPlot& plot, QSize surface) {
    plot.resize(surface);
    QPicture picture;
    QCPPainter painter(&picture);
    // Played back, the recorded clip keeps the drawing inside the item.
    painter.setClipRect(QRect(QPoint(0, 0), surface));
    plot.toPainter(&painter, surface.width(), surface.height());
    painter.end();
    // A surface too small for axes, titles and legend leaves no plot area; what would
    // be drawn then lies beyond the item.
    const QRect area = plot.axisRect()->rect();
    if (area.width() <= 0 || area.height() <= 0 || !QRect(QPoint(0, 0), surface).contains(area))
        return QPicture();
    return picture;
}

void DrawPicture(QPainter& canvas, const QRect& rect, QSize surface, const QPicture& picture) {
    if (picture.isNull())
        return;
    // Playing a picture scales it by the device's resolution against the picture's
    // own; undo that, so the chart fills its item at every resolution.
    const QPaintDevice* device = canvas.device();
    const double dpiX = device ? device->logicalDpiX() : picture.logicalDpiX();
    const double dpiY = device ? device->logicalDpiY() : picture.logicalDpiY();
    canvas.save();
    canvas.translate(rect.topLeft());
    canvas.scale(rect.width() / double(surface.width()) * picture.logicalDpiX() / dpiX,
                 rect.height() / double(surface.height()) * picture.logicalDpiY() / dpiY);
    canvas.drawPicture(0, 0, picture);
    canvas.restore();
}

} // namespace

QCustomPlot& TQCustomPlotChartPainter::Plot() {
    return MakePlot(m_plot);
}

QCustomPlot& TQCustomPlotChartPainter::FlowPlot() {
    return MakePlot(m_flowPlot);
}

QPicture TQCustomPlotChartPainter::RecordRunChart(QSize surface, const TRunChartData& chart) {
    QCustomPlot& plot = Plot();
    ConfigureRunChart(plot, chart);
    return Record(plot, surface);
}

QPicture TQCustomPlotChartPainter::RecordFlowChart(QSize surface, const TFlowChartData& chart) {
    QCustomPlot& plot = FlowPlot();
    ConfigureFlowChart(plot, chart);
    return Record(plot, surface);
}

void TQCustomPlotChartPainter::DrawRunChart(QPainter& canvas, const QRect& rect, QSize surface,
                                            const TRunChartData& chart) {
    if (rect.isEmpty() || surface.isEmpty())
        return;
    DrawPicture(canvas, rect, surface, RecordRunChart(surface, chart));
}

void TQCustomPlotChartPainter::DrawFlowChart(QPainter& canvas, const QRect& rect, QSize surface,
                                             const TFlowChartData& chart) {
    if (rect.isEmpty() || surface.isEmpty())
        return;
    DrawPicture(canvas, rect, surface, RecordFlowChart(surface, chart));
}
