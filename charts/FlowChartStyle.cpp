#include "charts/FlowChartStyle.h"

#include "charts/RunChartStyle.h"

#include <qcustomplot.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_set>

namespace {

constexpr std::array<QRgb, 5> ModelColours = {0x1F77B4, 0x2CA02C, 0xFF7F0E, 0x9467BD, 0xD62728};

void StyleAxis(QCPAxis& axis, const QString& title, const QFont& font, bool logarithmic, bool grid) {
    axis.setVisible(true);
    axis.setLabel(title);
    axis.setLabelFont(font);
    axis.setTickLabelFont(font);
    axis.grid()->setVisible(grid);
    axis.grid()->setPen(QPen(QColor(0xC0, 0xC0, 0xC0), 0, Qt::DotLine));
    axis.grid()->setSubGridVisible(false);
    axis.setScaleType(logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear);
    if (logarithmic) {
        auto ticker = QSharedPointer<QCPAxisTickerLog>::create();
        axis.setTicker(ticker);
        axis.setNumberFormat(QStringLiteral("gb"));
        axis.setNumberPrecision(6);
    } else {
        axis.setTicker(QSharedPointer<QCPAxisTicker>::create());
        axis.setNumberFormat(QStringLiteral("g"));
        axis.setNumberPrecision(6);
    }
}

// The range of values (only those above 0 on a logarithmic axis) with a margin.
QCPRange FittedRange(const std::vector<const std::vector<double>*>& columns, bool logarithmic,
                     bool fromZero) {
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const auto* column : columns)
        for (double v : *column) {
            if (!std::isfinite(v) || (logarithmic && !(v > 0.0)))
                continue;
            low = std::min(low, v);
            high = std::max(high, v);
        }
    if (!(high >= low))
        return logarithmic ? QCPRange(1, 10) : QCPRange(0, 1);
    if (logarithmic) {
        if (high <= low)
            return QCPRange(low / 2.0, high * 2.0);
        const double margin = std::pow(high / low, 0.05);
        return QCPRange(low / margin, high * margin);
    }
    if (fromZero)
        low = std::min(low, 0.0);
    if (high <= low)
        return QCPRange(low - 0.5, high + 0.5);
    const double margin = (high - low) * 0.05;
    return QCPRange(fromZero && low >= 0.0 ? low : low - margin, high + margin);
}

// A graph's data from columns, sorted only when they are not already.
void SetGraphData(QCPGraph& graph, const std::vector<double>& x, const std::vector<double>& y) {
    QVector<QCPGraphData> data(qsizetype(std::min(x.size(), y.size())));
    for (qsizetype i = 0; i < data.size(); ++i)
        data[i] = QCPGraphData(x[size_t(i)], y[size_t(i)]);
    graph.data()->set(data, std::is_sorted(x.begin(), x.end()));
}

void FitRanges(QCustomPlot& plot, const TFlowChartData& chart) {
    std::vector<const std::vector<double>*> xs{&chart.X};
    std::vector<const std::vector<double>*> ys{&chart.Y};
    for (const TFlowChartCurve& curve : chart.Curves) {
        xs.push_back(&curve.X);
        ys.push_back(&curve.Y);
    }
    plot.xAxis->setRange(FittedRange(xs, chart.Logarithmic, true));
    plot.yAxis->setRange(FittedRange(ys, chart.Logarithmic, true));
}

QPen CurvePen(const TFlowChartCurve& curve) {
    return QPen(FlowModelColour(curve.Model), curve.Best ? 3 : 1.5);
}

// Whether plot shows a chart made by ConfigureFlowChart that differs from chart only in
// its data.
bool SameMake(const QCustomPlot& plot, const TFlowChartData& chart) {
    const QCPAxis::ScaleType scale = chart.Logarithmic ? QCPAxis::stLogarithmic : QCPAxis::stLinear;
    if (plot.graphCount() != int(chart.Curves.size()) + 1 || plot.xAxis->scaleType() != scale ||
        plot.yAxis->scaleType() != scale || plot.xAxis->label() != chart.XTitle ||
        plot.yAxis->label() != chart.YTitle || plot.xAxis->grid()->visible() != chart.Grid ||
        plot.font() != RunChartFont(chart.FontName) || plot.graph(0)->name() != chart.PointsName ||
        plot.legend->visible() != (chart.ShowLegend && (!chart.X.empty() || !chart.Curves.empty())))
        return false;
    for (size_t i = 0; i < chart.Curves.size(); ++i) {
        const QCPGraph* graph = plot.graph(int(i) + 1);
        if (graph->name() != chart.Curves[i].Name || graph->pen() != CurvePen(chart.Curves[i]))
            return false;
    }
    if (chart.EmptyText.isEmpty())
        return plot.itemCount() == 0;
    const auto* text = plot.itemCount() == 1 ? qobject_cast<QCPItemText*>(plot.item(0)) : nullptr;
    return text && text->text() == chart.EmptyText;
}

} // namespace

void ThinFlowChartPoints(TFlowChartData& chart, QSize pixels) {
    const size_t count = std::min(chart.X.size(), chart.Y.size());
    if (count <= FlowChartPointsDrawnWhole)
        return;
    const std::int64_t cells[2] = {std::max(pixels.width(), 1), std::max(pixels.height(), 1)};
    // Where a point lands along an axis; NaN for one the axis cannot show.
    const auto place = [&](double v) {
        if (chart.Logarithmic)
            return v > 0.0 ? std::log(v) : std::numeric_limits<double>::quiet_NaN();
        return v;
    };
    std::vector<double> px(count), py(count);
    double low[2] = {std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
    double high[2] = {-low[0], -low[1]};
    size_t ends[4] = {count, count, count, count};
    for (size_t i = 0; i < count; ++i) {
        px[i] = place(chart.X[i]);
        py[i] = place(chart.Y[i]);
        if (!std::isfinite(px[i]) || !std::isfinite(py[i]))
            continue;
        const double at[2] = {px[i], py[i]};
        for (int axis = 0; axis < 2; ++axis) {
            if (at[axis] < low[axis]) {
                low[axis] = at[axis];
                ends[2 * axis] = i;
            }
            if (at[axis] > high[axis]) {
                high[axis] = at[axis];
                ends[2 * axis + 1] = i;
            }
        }
    }
    std::vector<char> keep(count, 0);
    for (size_t end : ends)
        if (end < count)
            keep[end] = 1;
    const auto cell = [&](int axis, double v) {
        if (!(high[axis] > low[axis]))
            return std::int64_t(0);
        const auto c =
            static_cast<std::int64_t>((v - low[axis]) / (high[axis] - low[axis]) * double(cells[axis]));
        return std::clamp<std::int64_t>(c, 0, cells[axis] - 1);
    };
    std::unordered_set<std::int64_t> taken;
    taken.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        if (!std::isfinite(px[i]) || !std::isfinite(py[i]))
            continue;
        const std::int64_t key = cell(0, px[i]) * cells[1] + cell(1, py[i]);
        if (taken.insert(key).second)
            keep[i] = 1;
    }
    std::vector<size_t> kept;
    for (size_t i = 0; i < count; ++i)
        if (keep[i])
            kept.push_back(i);
    std::stable_sort(kept.begin(), kept.end(), [&](size_t a, size_t b) { return chart.X[a] < chart.X[b]; });
    std::vector<double> x(kept.size()), y(kept.size());
    for (size_t k = 0; k < kept.size(); ++k) {
        x[k] = chart.X[kept[k]];
        y[k] = chart.Y[kept[k]];
    }
    chart.X = std::move(x);
    chart.Y = std::move(y);
}

QColor FlowModelColour(int model) {
    return QColor::fromRgb(
        ModelColours[static_cast<size_t>(std::clamp(model, 0, int(ModelColours.size()) - 1))]);
}

void ConfigureFlowChart(QCustomPlot& plot, const TFlowChartData& chart) {
    plot.clearGraphs();
    plot.clearItems();
    const QFont font = RunChartFont(chart.FontName);
    plot.setFont(font);
    plot.setBackground(Qt::white);
    plot.axisRect()->setBackground(Qt::NoBrush);
    StyleAxis(*plot.xAxis, chart.XTitle, font, chart.Logarithmic, chart.Grid);
    StyleAxis(*plot.yAxis, chart.YTitle, font, chart.Logarithmic, chart.Grid);
    plot.xAxis2->setVisible(false);
    plot.yAxis2->setVisible(false);

    plot.legend->setVisible(chart.ShowLegend && (!chart.X.empty() || !chart.Curves.empty()));
    plot.legend->setFont(font);
    plot.legend->setBorderPen(QPen(Qt::black, 0));
    plot.axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignLeft | Qt::AlignTop);

    QCPGraph* points = plot.addGraph();
    points->setName(chart.PointsName);
    points->setLineStyle(QCPGraph::lsNone);
    points->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::black, 1), Qt::NoBrush, 5));
    // The measured points in shear-rate order, as a graph keeps them.
    SetGraphData(*points, chart.X, chart.Y);
    for (const TFlowChartCurve& curve : chart.Curves) {
        QCPGraph* graph = plot.addGraph();
        graph->setName(curve.Name);
        graph->setPen(CurvePen(curve));
        graph->setLineStyle(QCPGraph::lsLine);
        graph->setScatterStyle(QCPScatterStyle::ssNone);
        SetGraphData(*graph, curve.X, curve.Y);
    }
    FitRanges(plot, chart);

    if (!chart.EmptyText.isEmpty()) {
        auto* text = new QCPItemText(&plot);
        text->setClipToAxisRect(true);
        text->position->setType(QCPItemPosition::ptAxisRectRatio);
        text->position->setCoords(0.5, 0.5);
        text->setPositionAlignment(Qt::AlignCenter);
        text->setFont(font);
        text->setColor(QColor(0x60, 0x60, 0x60));
        text->setText(chart.EmptyText);
    }
}

void UpdateFlowChart(QCustomPlot& plot, const TFlowChartData& chart) {
    if (!SameMake(plot, chart)) {
        ConfigureFlowChart(plot, chart);
        return;
    }
    SetGraphData(*plot.graph(0), chart.X, chart.Y);
    for (size_t i = 0; i < chart.Curves.size(); ++i)
        SetGraphData(*plot.graph(int(i) + 1), chart.Curves[i].X, chart.Curves[i].Y);
    FitRanges(plot, chart);
}
