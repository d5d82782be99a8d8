// The flow curve: what the chart shows for a fixture batch (points and the models'
// curves against the reference fits), the look on linear and logarithmic axes, and the
// report's flow chart item saved, read back and drawn on a page.

#include "analysis/Analysis.h"
#include "analysis/FlowCurve.h"
#include "charts/FlowChartStyle.h"
#include "charts/QCustomPlotChartPainter.h"
#include "documents/BatchItem.h"
#include "reports/ChartFlow.h"
#include "reports/Page.h"
#include "reports/PageItemChartFlow.h"
#include "reports/Report.h"
#include "support/TempDir.h"

#include <qcustomplot.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const QString Fixtures = QStringLiteral(BRAMBLEX_SOURCE_DIR "/tests/data/analysis/");

std::unique_ptr<TBatchItem> Fixture(const char* name) {
    auto batch = std::make_unique<TBatchItem>();
    batch->LoadFromFile(Fixtures + QLatin1String(name));
    return batch;
}

// The reference analysis of a fixture (computed with scipy), low torque left out.
QJsonObject Reference(const char* name) {
    QFile file(Fixtures + QStringLiteral("expected.json"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    for (const QJsonValue& entry : QJsonDocument::fromJson(file.readAll()).array()) {
        const QJsonObject object = entry.toObject();
        if (object.value("file").toString() == QLatin1String(name) &&
            !object.value("include_low_torque").toBool())
            return object.value("analysis").toObject();
    }
    ADD_FAILURE() << "no reference for " << name;
    return {};
}

TFlowChartData PasteChart(bool logarithmic) {
    const auto fixture = Fixture("paste.epb");
    const TBatchItem& batch = *fixture;
    return BuildFlowChart(AnalyzeBatch(batch),
                          FlowCurvePoints(batch.ModelType, batch.SpindleType, batch.Measurements),
                          logarithmic);
}

TEST(FlowChart, ShowsTheFittedPointsAndEachModelsCurveAsTheReferenceFitsGiveIt) {
    const QJsonObject reference = Reference("paste.epb");
    const QJsonArray models = reference.value("flow_models").toArray();
    ASSERT_EQ(models.size(), 5);
    for (bool logarithmic : {false, true}) {
        const TFlowChartData chart = PasteChart(logarithmic);
        EXPECT_EQ(chart.X.size(), static_cast<size_t>(models[0].toObject().value("points").toInt()));
        EXPECT_EQ(chart.X.size(), chart.Y.size());
        EXPECT_TRUE(chart.EmptyText.isEmpty());
        ASSERT_EQ(chart.Curves.size(), 5u);
        const auto [low, high] = std::minmax_element(chart.X.begin(), chart.X.end());
        for (size_t i = 0; i < chart.Curves.size(); ++i) {
            const TFlowChartCurve& curve = chart.Curves[i];
            const QJsonObject model = models[static_cast<int>(i)].toObject();
            const QJsonObject p = model.value("parameters").toObject();
            EXPECT_EQ(curve.Best, model.value("model") == reference.value("best_model")) << i;
            ASSERT_GT(curve.X.size(), 50u) << i;
            // Linear axes start at no shear, where a yield stress meets the axis.
            EXPECT_DOUBLE_EQ(curve.X.front(), logarithmic ? *low : 0.0) << i;
            EXPECT_NEAR(curve.X.back(), *high, *high * 1e-12) << i;
            for (size_t k = 0; k < curve.X.size(); k += 17) {
                const double g = curve.X[k];
                const QString key = model.value("model").toString();
                double expected = 0;
                if (key == "newtonian")
                    expected = p.value("viscosity").toDouble() * g;
                else if (key == "power-law")
                    expected = p.value("K").toDouble() * std::pow(g, p.value("n").toDouble());
                else if (key == "bingham")
                    expected =
                        p.value("yield_stress").toDouble() + p.value("plastic_viscosity").toDouble() * g;
                else if (key == "casson")
                    expected = std::pow(std::sqrt(p.value("yield_stress").toDouble()) +
                                            std::sqrt(p.value("casson_viscosity").toDouble() * g),
                                        2);
                else
                    expected = p.value("yield_stress").toDouble() +
                               p.value("K").toDouble() * std::pow(g, p.value("n").toDouble());
                EXPECT_NEAR(curve.Y[k], expected, std::fabs(expected) * 1e-6 + 1e-9)
                    << key.toStdString() << " at " << g;
            }
        }
    }
}

TEST(FlowChart, WithoutShearDataSaysWhyAndDrawsNoCurve) {
    const auto fixture = Fixture("no_shear.epb");
    const TBatchItem& batch = *fixture;
    const TBatchAnalysis analysis = AnalyzeBatch(batch);
    const TFlowChartData chart = BuildFlowChart(
        analysis, FlowCurvePoints(batch.ModelType, batch.SpindleType, batch.Measurements), false);
    EXPECT_TRUE(chart.Curves.empty());
    EXPECT_TRUE(chart.X.empty());
    EXPECT_FALSE(chart.EmptyText.isEmpty());
    EXPECT_EQ(chart.EmptyText, analysis.FlowModelsReason);

    TQCustomPlotChartPainter painter;
    painter.RecordFlowChart({800, 500}, chart);
    QCustomPlot& plot = painter.FlowPlot();
    ASSERT_EQ(plot.itemCount(), 1);
    EXPECT_EQ(qobject_cast<QCPItemText*>(plot.item(0))->text(), chart.EmptyText);
    EXPECT_FALSE(plot.legend->visible());
}

TEST(FlowChart, LinearAndLogarithmicAxesWithTheBestCurveDrawnThicker) {
    TQCustomPlotChartPainter painter;
    painter.RecordFlowChart({800, 500}, PasteChart(true));
    QCustomPlot& plot = painter.FlowPlot();
    ASSERT_EQ(plot.graphCount(), 6); // the readings, then five models
    EXPECT_EQ(plot.graph(0)->lineStyle(), QCPGraph::lsNone);
    EXPECT_EQ(plot.graph(0)->dataCount(), 40);
    EXPECT_EQ(plot.xAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_EQ(plot.yAxis->scaleType(), QCPAxis::stLogarithmic);
    EXPECT_GT(plot.xAxis->range().lower, 0.0);
    EXPECT_EQ(plot.xAxis->label(), "Shear Rate (1/s)");
    EXPECT_EQ(plot.yAxis->label(), "Shear Stress (dyn/cm²)");
    EXPECT_EQ(plot.graph(5)->name(), "Herschel–Bulkley");
    EXPECT_GT(plot.graph(5)->pen().widthF(), plot.graph(1)->pen().widthF());
    EXPECT_EQ(plot.graph(5)->pen().color(), FlowModelColour(static_cast<int>(TFlowModel::HerschelBulkley)));

    // The same plot afterwards on linear axes: nothing of the logarithmic one stays.
    painter.RecordFlowChart({800, 500}, PasteChart(false));
    EXPECT_EQ(plot.graphCount(), 6);
    EXPECT_EQ(plot.xAxis->scaleType(), QCPAxis::stLinear);
    EXPECT_EQ(plot.xAxis->range().lower, 0.0);
    EXPECT_EQ(plot.itemCount(), 0);
}

// A long run's cloud: readings piled on ten shear rates, their stresses scattered.
TFlowChartData Cloud(int count, bool logarithmic) {
    TFlowChartData chart;
    chart.Logarithmic = logarithmic;
    for (int i = 0; i < count; ++i) {
        const double rate = 0.5 + (i % 10) * 2.3;
        chart.X.push_back(rate);
        chart.Y.push_back((150.0 + 25.0 * std::sqrt(rate)) * (1.0 + 0.02 * std::sin(i * 12.9898)));
    }
    return chart;
}

TEST(FlowChart, ACloudOfThousandsOfPointsIsThinnedToWhatShowsAndAFewPointsStayWhole) {
    for (const bool logarithmic : {false, true}) {
        SCOPED_TRACE(logarithmic ? "logarithmic" : "linear");
        const TFlowChartData whole = Cloud(10000, logarithmic);
        TFlowChartData thin = whole;
        const QSize pixels(800, 500);
        ThinFlowChartPoints(thin, pixels);
        ASSERT_EQ(thin.X.size(), thin.Y.size());
        EXPECT_LT(thin.X.size(), whole.X.size() / 5);
        EXPECT_TRUE(std::is_sorted(thin.X.begin(), thin.X.end()));

        // The axes fitted to the thinned points are those of every point.
        TQCustomPlotChartPainter painter;
        painter.RecordFlowChart({800, 500}, whole);
        const QCPRange x = painter.FlowPlot().xAxis->range(), y = painter.FlowPlot().yAxis->range();
        painter.RecordFlowChart({800, 500}, thin);
        EXPECT_EQ(painter.FlowPlot().xAxis->range(), x);
        EXPECT_EQ(painter.FlowPlot().yAxis->range(), y);

        // Every point is drawn within a pixel of a kept one, which is a point of the run.
        const auto place = [&](std::vector<double> values) {
            if (logarithmic)
                for (double& v : values)
                    v = std::log(v);
            return values;
        };
        const std::vector<double> wx = place(whole.X), wy = place(whole.Y);
        const std::vector<double> tx = place(thin.X), ty = place(thin.Y);
        const auto [xLow, xHigh] = std::minmax_element(wx.begin(), wx.end());
        const auto [yLow, yHigh] = std::minmax_element(wy.begin(), wy.end());
        const double dx = (*xHigh - *xLow) / pixels.width();
        const double dy = (*yHigh - *yLow) / pixels.height();
        int uncovered = 0, foreign = 0;
        for (size_t i = 0; i < wx.size(); ++i) {
            bool covered = false;
            for (size_t k = 0; k < tx.size() && !covered; ++k)
                covered = std::abs(tx[k] - wx[i]) <= dx && std::abs(ty[k] - wy[i]) <= dy;
            uncovered += !covered;
        }
        for (size_t k = 0; k < thin.X.size(); ++k) {
            bool found = false;
            for (size_t i = 0; i < whole.X.size() && !found; ++i)
                found = whole.X[i] == thin.X[k] && whole.Y[i] == thin.Y[k];
            foreign += !found;
        }
        EXPECT_EQ(uncovered, 0);
        EXPECT_EQ(foreign, 0);
    }

    // Up to the limit every point is drawn, in its order.
    const TFlowChartData few = Cloud(int(FlowChartPointsDrawnWhole), false);
    TFlowChartData kept = few;
    ThinFlowChartPoints(kept, QSize(100, 100));
    EXPECT_EQ(kept.X, few.X);
    EXPECT_EQ(kept.Y, few.Y);
}

// ---------------------------------------------------------------------------
// The report item

TEST(FlowChartItem, SavesAndReadsBackItsTypeAndProperties) {
    TempDir dir;
    const QString path = dir.File("Flow.epr");
    {
        TReport report;
        TPage* page = report.AddPage();
        auto* chart = page->AddItem<TPageItemChartFlow>();
        EXPECT_EQ(chart->Name(), "ChartFlow1");
        chart->SetLeft(12.5);
        chart->SetWidth(90);
        chart->Property("Logarithmic").SetBoolean(true);
        chart->Property("IncludeLowTorque").SetBoolean(true);
        chart->Property("ShowLegend").SetBoolean(false);
        report.SaveToFile(path);
    }
    TReport read;
    read.LoadFromFile(path);
    ASSERT_EQ(read.PageCount(), 1);
    ASSERT_EQ(read.Page(0)->ItemCount(), 1);
    TPageItem* item = read.Page(0)->Item(0);
    EXPECT_EQ(item->TypeName(), "TPageItemChartFlow");
    EXPECT_NE(dynamic_cast<TPageItemChartFlow*>(item), nullptr);
    EXPECT_EQ(item->Name(), "ChartFlow1");
    EXPECT_EQ(item->Left(), 12.5);
    EXPECT_TRUE(item->GetBoolean("Logarithmic"));
    EXPECT_TRUE(item->GetBoolean("IncludeLowTorque"));
    EXPECT_FALSE(item->GetBoolean("ShowLegend"));
    EXPECT_TRUE(item->GetBoolean("Grid"));
}

struct TFlowInk {
    QRect Bounds;
    int Best = 0; // pixels in the best model's colour
    int Dark = 0;
};

// A 150 x 100 mm inner page of batch with a flow chart item at (10, 10) of 120 x 80 mm.
QImage DrawFlowPage(const TBatchItem& batch, TChartPainter* painter, int dpi = 150) {
    TPage page;
    page.Property("PaperSize").SetInteger(0);
    page.Property("PageOrientation").SetInteger(PageOrientationLandscape);
    page.Property("PageWidth").SetFloat(150);
    page.Property("PageHeight").SetFloat(100);
    page.Property("PageType").SetInteger(PageTypeInner);
    page.Batch.Assign(batch);
    auto* chart = page.AddItem<TPageItemChartFlow>();
    chart->SetLeft(10);
    chart->SetTop(10);
    chart->SetWidth(120);
    chart->SetHeight(80);
    const int w = static_cast<int>(std::lround(150 / 25.4 * dpi));
    const int h = static_cast<int>(std::lround(100 / 25.4 * dpi));
    QImage image(w, h, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter canvas(&image);
    page.Canvas = &canvas;
    page.ChartPainter = painter;
    page.OutputRect = {0, 0, w, h};
    page.Draw();
    return image;
}

TFlowInk InkOf(const QImage& image, const QColor& best) {
    TFlowInk ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == Qt::white)
                continue;
            ink.Bounds |= QRect(x, y, 1, 1);
            if (std::abs(c.red() - best.red()) < 12 && std::abs(c.green() - best.green()) < 12 &&
                std::abs(c.blue() - best.blue()) < 12)
                ++ink.Best;
            if (c.lightness() < 60)
                ++ink.Dark;
        }
    return ink;
}

TEST(FlowChartItem, DrawsTheCurveInsideItselfOnAPage) {
    const QColor best = FlowModelColour(static_cast<int>(TFlowModel::HerschelBulkley));
    const int dpi = 150;
    const double px = dpi / 25.4;
    const QRect item(static_cast<int>(10 * px), static_cast<int>(10 * px), static_cast<int>(120 * px) + 1,
                     static_cast<int>(80 * px) + 1);
    TQCustomPlotChartPainter painter;

    const TFlowInk paste = InkOf(DrawFlowPage(*Fixture("paste.epb"), &painter, dpi), best);
    EXPECT_TRUE(item.contains(paste.Bounds));
    EXPECT_GT(paste.Best, 200); // a thick curve across the plot
    EXPECT_GT(paste.Dark, 500); // points, axes and texts

    // No shear data: no curve, only the reason across the empty plot.
    const TFlowInk none = InkOf(DrawFlowPage(*Fixture("no_shear.epb"), &painter, dpi), best);
    EXPECT_EQ(none.Best, 0);
    EXPECT_GT(none.Dark, 0);

    // A page drawn without a chart painter marks the item's place with a frame.
    const TFlowInk frame = InkOf(DrawFlowPage(*Fixture("paste.epb"), nullptr, dpi), best);
    EXPECT_EQ(frame.Best, 0);
    EXPECT_LE(std::abs(frame.Bounds.left() - item.left()), 2);
    EXPECT_LE(std::abs(frame.Bounds.right() - item.right()), 3);
}

} // namespace
