#include "charts/RunChartStyle.h"

#include "catalogue/Catalogue.h"

#include <qcustomplot.h>

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {

// 8 points at 96 pixels per inch.
constexpr int FontPixels = 11;

int TextWidth(const QFontMetricsF& metrics, const QString& text) {
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(text)));
}

// A value range of no width gets room around its value, so the axis can be drawn.
QCPRange Widened(double low, double high) {
    if (high > low)
        return QCPRange(low, high);
    const double margin = low != 0.0 ? std::fabs(low) * 0.05 : 0.5;
    return QCPRange(low - margin, high + margin);
}

void StyleVerticalAxis(QCPAxis& axis, const QColor& colour, const QString& title, const QFont& font) {
    axis.setVisible(true);
    axis.grid()->setVisible(false);
    axis.grid()->setZeroLinePen(Qt::NoPen);
    axis.setLabel(title);
    axis.setLabelFont(font);
    axis.setLabelColor(colour);
    axis.setTickLabelFont(font);
    axis.setTickLabelColor(colour);
    axis.setBasePen(QPen(colour, 0));
    axis.setTickPen(QPen(colour, 0));
    axis.setSubTickPen(QPen(colour, 0));
    axis.setNumberFormat(QStringLiteral("f"));
    axis.setNumberPrecision(2);
    axis.setLabelPadding(4);
    axis.setTickLabelPadding(3);
}

// The legend stands in a column of its own right of the plot area, at its top, while
// it is shown; hidden, it goes back into the plot area's inset layout (where the plot
// keeps it), so that its column takes no room.
void PlaceLegend(QCustomPlot& plot, bool show) {
    QCPLayoutGrid& layout = *plot.plotLayout();
    QCPLayoutInset& inset = *plot.axisRect()->insetLayout();
    auto* column = layout.hasElement(0, 1) ? qobject_cast<QCPLayoutGrid*>(layout.element(0, 1)) : nullptr;
    const bool placed = column && column->hasElement(0, 0) && column->element(0, 0) == plot.legend;
    if (show && !placed) {
        inset.take(plot.legend);
        inset.simplify();
        column = new QCPLayoutGrid;
        layout.addElement(0, 1, column);
        layout.setColumnStretchFactor(1, 0.001);
        column->setMargins(QMargins(4, 8, 8, 8));
        column->addElement(0, 0, plot.legend);
        column->addElement(1, 0, new QCPLayoutElement(&plot)); // takes the height below the legend
        column->setRowStretchFactor(0, 0.001);
        column->setRowStretchFactor(1, 1);
    } else if (!show && placed) {
        column->take(plot.legend);
        layout.take(column);
        layout.simplify();
        delete column;
        inset.addElement(plot.legend, Qt::AlignRight | Qt::AlignTop);
    }
}

} // namespace

QFont RunChartFont(const QString& family) {
    QFont font(family.isEmpty() ? QStringLiteral("Arial") : family);
    font.setPixelSize(FontPixels);
    return font;
}

QString RunChartAxisRoomText(double maxY) {
    return QString::asprintf("%.2fMMMMM", maxY);
}

namespace {

template <class RoomText>
TRunChartAxisStack StackAxes(const std::vector<double>& maxYs, const QFont& font, RoomText roomText) {
    const QFontMetricsF metrics(font);
    TRunChartAxisStack stack;
    int offset = 0;
    int previousWidth = 0;
    for (double maxY : maxYs) {
        offset += previousWidth;
        stack.Offsets.push_back(offset);
        previousWidth = TextWidth(metrics, roomText(maxY));
    }
    stack.LeftMargin = TextWidth(metrics, QStringLiteral("MM")) + offset;
    stack.PlotLeftMargin = stack.LeftMargin + previousWidth;
    return stack;
}

} // namespace

TRunChartAxisStack StackRunChartAxes(const std::vector<double>& maxYs, const QFont& font) {
    return StackAxes(maxYs, font, [](double maxY) { return RunChartAxisRoomText(maxY); });
}

TRunChartAxisStack StackRunChartAxes(const std::vector<double>& maxYs, const QFont& font,
                                     const QLocale& locale) {
    return StackAxes(maxYs, font, [&locale](double maxY) {
        QString text = locale.toString(maxY, 'f', 2);
        text.remove(locale.groupSeparator());
        return text + QStringLiteral("MMMMM");
    });
}

void PlaceRunChartAxes(QCustomPlot& plot, const TRunChartAxisStack& stack) {
    QCPAxisRect& rect = *plot.axisRect();
    const QList<QCPAxis*> axes = rect.axes(QCPAxis::atLeft);
    for (int i = 0; i < axes.size() && i < static_cast<int>(stack.Offsets.size()); ++i)
        axes[i]->setOffset(stack.Offsets[static_cast<size_t>(i)]);
    rect.setMargins(QMargins(stack.PlotLeftMargin, 0, 0, 0));
}

QCPRange RunChartXRange(bool hasRange, double low, double high) {
    return hasRange ? Widened(low, high) : QCPRange(0, 1);
}

QCPRange RunChartLineRange(bool hasPoints, double low, double high) {
    return hasPoints ? Widened(low, high) : QCPRange(0, 1);
}

void ConfigureRunChart(QCustomPlot& plot, const TRunChartData& chart) {
    QCPAxisRect& rect = *plot.axisRect();
    plot.clearGraphs();
    for (QCPAxis* axis : rect.axes(QCPAxis::atLeft)) {
        if (axis != plot.yAxis)
            rect.removeAxis(axis);
    }

    const QFont font = RunChartFont(chart.FontName);
    plot.setFont(font);
    plot.setBackground(Qt::white);
    // A shaded back wall stands for the depth of the 3D view.
    if (chart.View3D) {
        QLinearGradient wall(0, 0, 0, 1);
        wall.setCoordinateMode(QGradient::ObjectMode);
        wall.setColorAt(0, QColor(0xE4, 0xE4, 0xE4));
        wall.setColorAt(1, Qt::white);
        rect.setBackground(QBrush(wall));
    } else {
        rect.setBackground(Qt::NoBrush);
    }

    QCPAxis& x = *plot.xAxis;
    x.setLabel(XAxisCaption(chart.XIndex));
    x.setLabelFont(font);
    x.setTickLabelFont(font);
    x.grid()->setVisible(chart.Grid);
    x.grid()->setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0, Qt::DotLine));
    x.setRange(RunChartXRange(chart.HasXRange, chart.XMin, chart.XMax));
    plot.xAxis2->setVisible(false);
    plot.yAxis2->setVisible(false);

    PlaceLegend(plot, chart.ShowLegend);
    plot.legend->setVisible(chart.ShowLegend);
    plot.legend->setFont(font);
    plot.legend->setBorderPen(QPen(Qt::black, 0));

    std::vector<double> maxYs;
    for (const TRunChartSeries& series : chart.Series)
        maxYs.push_back(series.MaxY);
    const TRunChartAxisStack stack = StackRunChartAxes(maxYs, font);

    // An axis without a line still shows its default scale in the neutral colour.
    if (chart.Series.empty()) {
        StyleVerticalAxis(*plot.yAxis, Qt::black, QString(), font);
        plot.yAxis->setRange(0, 1);
    }
    for (size_t i = 0; i < chart.Series.size(); ++i) {
        const TRunChartSeries& series = chart.Series[i];
        const QString title = YAxisCaption(series.YIndex);
        const QColor colour = QColor::fromRgb(YAxisColors[static_cast<size_t>(series.YIndex)]);
        QCPAxis* axis = i == 0 ? plot.yAxis : rect.addAxis(QCPAxis::atLeft);
        StyleVerticalAxis(*axis, colour, title, font);
        axis->setOffset(stack.Offsets[i]);
        axis->setRange(
            RunChartLineRange(!series.X.empty() || series.YLow != series.YHigh || series.YLow != 0.0,
                              series.YLow, series.YHigh));

        QCPGraph* graph = plot.addGraph(plot.xAxis, axis);
        graph->setName(title);
        graph->setPen(QPen(colour, chart.View3D ? 2 : 1));
        graph->setLineStyle(QCPGraph::lsLine);
        graph->setScatterStyle(QCPScatterStyle::ssNone);
        graph->setData(QVector<double>(series.X.begin(), series.X.end()),
                       QVector<double>(series.Y.begin(), series.Y.end()), true);
    }

    // QCustomPlot stacks further axes by itself only while the margin is automatic, and
    // then ignores the offsets given; the left margin is therefore set by hand.
    rect.setAutoMargins(QCP::msTop | QCP::msRight | QCP::msBottom);
    rect.setMargins(QMargins(stack.PlotLeftMargin, 0, 0, 0));
}
