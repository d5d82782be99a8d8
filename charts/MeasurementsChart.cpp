#include "charts/MeasurementsChart.h"

#include "catalogue/Catalogue.h"
#include "charts/ReplotOnce.h"
#include "charts/RunChartStyle.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

// A hollow circle drawn once: tens of thousands of low-torque points are stamped as a
// picture, where drawing each as an ellipse would take a good part of a second.
QPixmap HollowMark(const QColor& colour) {
    constexpr int size = 7;
    QPixmap mark(size, size);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(0.6, 0.6, size - 1.2, size - 1.2));
    return mark;
}

} // namespace

TChartMeasurements::TChartMeasurements(QWidget* parent)
    : QCustomPlot(parent), m_replot(new TReplotOnce(*this)) {
    setObjectName(QStringLiteral("TChartMeasurements"));
    setAccessibleName(tr("Chart"));
    setSelectionRectMode(QCP::srmZoom);
    selectionRect()->setPen(QPen(Qt::black, 1, Qt::DashLine));
    selectionRect()->setBrush(QColor(0, 0, 255, 24));
    setNoAntialiasingOnDrag(true);
    plotLayout()->setMargins(QMargins(0, 10, 10, 10));
    Build(TRunChartData(), {});
}

QList<QCPAxis*> TChartMeasurements::AllAxes() const {
    QList<QCPAxis*> axes{xAxis};
    axes << axisRect()->axes(QCPAxis::atLeft);
    return axes;
}

QList<QCPAxis*> TChartMeasurements::LineAxes() const {
    return axisRect()->axes(QCPAxis::atLeft).mid(0, m_lines);
}

void TChartMeasurements::Build(const TRunChartData& chart, const std::vector<THollowPoints>& hollow) {
    ConfigureRunChart(*this, chart);
    m_fontName = chart.FontName;
    std::vector<double> maxYs;
    for (const TRunChartSeries& series : chart.Series)
        maxYs.push_back(series.MaxY);
    const TRunChartAxisStack stack = StackRunChartAxes(maxYs, RunChartFont(chart.FontName), QLocale());
    PlaceRunChartAxes(*this, stack);
    m_leftMargin = stack.LeftMargin;
    m_lines = static_cast<int>(chart.Series.size());

    const QList<QCPAxis*> axes = axisRect()->axes(QCPAxis::atLeft);
    for (int k = 0; k < m_lines; ++k) {
        QCPGraph* line = graph(k);
        QCPGraph* marker = addGraph(xAxis, axes[k]);
        marker->setName(line->name());
        marker->removeFromLegend();
        marker->setLineStyle(QCPGraph::lsNone);
        const QColor colour = line->pen().color();
        marker->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(colour, 2), colour, 9));
    }
    for (int k = 0; k < m_lines; ++k) {
        QCPGraph* points = addGraph(xAxis, axes[k]);
        points->removeFromLegend();
        points->setLineStyle(QCPGraph::lsNone);
        points->setScatterStyle(QCPScatterStyle(HollowMark(graph(k)->pen().color())));
        if (static_cast<size_t>(k) < hollow.size()) {
            const THollowPoints& p = hollow[static_cast<size_t>(k)];
            points->setData(QVector<double>(p.X.begin(), p.X.end()), QVector<double>(p.Y.begin(), p.Y.end()),
                            true);
        }
    }
    // Every axis takes part in the rectangle zoom, so the stacked ones zoom with the
    // left one: each gets the values of the rectangle's corners on its own scale.
    const QList<QCPAxis*> all = AllAxes();
    axisRect()->setRangeZoomAxes(all);
    axisRect()->setRangeDragAxes(all);
    m_builtRanges.clear();
    for (QCPAxis* axis : all)
        m_builtRanges.push_back(axis->range());
    QueueReplot();
}

void TChartMeasurements::Append(bool hasXRange, double xMin, double xMax,
                                const std::vector<TLineTail>& lines) {
    const int count = std::min(m_lines, static_cast<int>(lines.size()));
    const QList<QCPAxis*> axes = LineAxes();
    std::vector<double> maxYs;
    for (int k = 0; k < count; ++k) {
        const TLineTail& tail = lines[static_cast<size_t>(k)];
        if (!tail.X.empty())
            graph(k)->addData(QVector<double>(tail.X.begin(), tail.X.end()),
                              QVector<double>(tail.Y.begin(), tail.Y.end()), true);
        if (!tail.HollowX.empty())
            graph(2 * m_lines + k)
                ->addData(QVector<double>(tail.HollowX.begin(), tail.HollowX.end()),
                          QVector<double>(tail.HollowY.begin(), tail.HollowY.end()), true);
        axes[k]->setRange(RunChartLineRange(tail.HasPoints, tail.YLow, tail.YHigh));
        maxYs.push_back(tail.MaxY);
    }
    xAxis->setRange(RunChartXRange(hasXRange, xMin, xMax));
    // A larger value may need more room for its axis.
    const TRunChartAxisStack stack = StackRunChartAxes(maxYs, RunChartFont(m_fontName), QLocale());
    PlaceRunChartAxes(*this, stack);
    m_leftMargin = stack.LeftMargin;
    m_builtRanges.clear();
    for (QCPAxis* axis : AllAxes())
        m_builtRanges.push_back(axis->range());
    QueueReplot();
}

void TChartMeasurements::ClearMarkers() {
    for (int k = 0; k < m_lines; ++k)
        graph(m_lines + k)->data()->clear();
}

void TChartMeasurements::AddMarker(int line, double x, double y) {
    if (line < 0 || line >= m_lines)
        return;
    graph(m_lines + line)->addData(x, y);
}

void TChartMeasurements::QueueReplot() {
    m_replot->Request();
}

void TChartMeasurements::ResetZoom() {
    const QList<QCPAxis*> all = AllAxes();
    for (int i = 0; i < all.size() && static_cast<size_t>(i) < m_builtRanges.size(); ++i)
        all[i]->setRange(m_builtRanges[static_cast<size_t>(i)]);
    QueueReplot();
}

void TChartMeasurements::mousePressEvent(QMouseEvent* event) {
    MouseDown = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        m_scrolling = true;
        m_scrollFrom = MouseDown;
        m_scrollRanges.clear();
        for (QCPAxis* axis : AllAxes())
            m_scrollRanges.push_back(axis->range());
        event->accept();
        return;
    }
    QCustomPlot::mousePressEvent(event);
}

void TChartMeasurements::mouseMoveEvent(QMouseEvent* event) {
    if (!m_scrolling) {
        QCustomPlot::mouseMoveEvent(event);
        return;
    }
    const QPoint to = event->position().toPoint();
    const QList<QCPAxis*> all = AllAxes();
    for (int i = 0; i < all.size() && static_cast<size_t>(i) < m_scrollRanges.size(); ++i) {
        QCPAxis* axis = all[i];
        const QCPRange from = m_scrollRanges[static_cast<size_t>(i)];
        axis->setRange(from);
        const bool horizontal = axis->orientation() == Qt::Horizontal;
        const double a = axis->pixelToCoord(horizontal ? m_scrollFrom.x() : m_scrollFrom.y());
        const double b = axis->pixelToCoord(horizontal ? to.x() : to.y());
        axis->setRange(from.lower + (a - b), from.upper + (a - b));
    }
    QueueReplot();
    event->accept();
}

void TChartMeasurements::mouseReleaseEvent(QMouseEvent* event) {
    MouseUp = event->position().toPoint();
    if (m_scrolling && event->button() == Qt::RightButton) {
        m_scrolling = false;
        event->accept();
        return;
    }
    QCustomPlot::mouseReleaseEvent(event);
}
