#include "charts/FlowChartStyle.h"

#include "charts/RunChartStyle.h"

#include <qcustomplot.h>

#include <algorithm>
#include <array>
#include <cmath>

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

} // namespace

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
    points->setData(QVector<double>(chart.X.begin(), chart.X.end()),
                    QVector<double>(chart.Y.begin(), chart.Y.end()));
    for (const TFlowChartCurve& curve : chart.Curves) {
        QCPGraph* graph = plot.addGraph();
        graph->setName(curve.Name);
        graph->setPen(QPen(FlowModelColour(curve.Model), curve.Best ? 3 : 1.5));
        graph->setLineStyle(QCPGraph::lsLine);
        graph->setScatterStyle(QCPScatterStyle::ssNone);
        graph->setData(QVector<double>(curve.X.begin(), curve.X.end()),
                       QVector<double>(curve.Y.begin(), curve.Y.end()), true);
    }

    std::vector<const std::vector<double>*> xs{&chart.X};
    std::vector<const std::vector<double>*> ys{&chart.Y};
    for (const TFlowChartCurve& curve : chart.Curves) {
        xs.push_back(&curve.X);
        ys.push_back(&curve.Y);
    }
    plot.xAxis->setRange(FittedRange(xs, chart.Logarithmic, true));
    plot.yAxis->setRange(FittedRange(ys, chart.Logarithmic, true));

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
