// The run chart's content (quantities, points, X range of a page's block) and how the
// chart item hands it to the page's chart painter.

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"
#include "reports/ChartRun.h"
#include "reports/Page.h"
#include "reports/PageItemChartRun.h"
#include "reports/Report.h"
#include "xml/GmXml.h"

#include "ReportTestSupport.h"
#include "support/ErrorOf.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// Readings one minute apart on spindle L1 of an L model (no shear data) at 50 RPM,
// where the full scale is 120 mPas: viscosity i + 1, temperature 20 + i.
void FillReadings(TBatchItem& batch, int count) {
    batch.ModelType = 0;
    batch.SpindleType = 0;
    batch.Measurements.Clear();
    for (int i = 0; i < count; ++i) {
        TMeasurementItem* m = batch.Measurements.Add();
        m->DateTime = 40000.0 + i / 1440.0;
        m->Viscosity = 1.0 + i;
        m->Temperature = 20.0 + i;
        m->RPMCode = 16; // 50 RPM
    }
}

std::unique_ptr<TChartRun> Builder(int readings, const char* yAxes, int xAxis = 0) {
    auto run = std::make_unique<TChartRun>();
    FillReadings(run->Batch, readings);
    run->Batch.SelectedXAxis = xAxis;
    run->Batch.SelectedYAxis = QString::fromLatin1(yAxes);
    run->ParseSelectedY();
    return run;
}

int NonWhite(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

std::vector<int> YIndexes(const TRunChartData& chart) {
    std::vector<int> indexes;
    for (const auto& s : chart.Series)
        indexes.push_back(s.YIndex);
    return indexes;
}

TEST(ChartRunBuild, EachBlockFixesTheXAxisToItsReadings) {
    ASSERT_EQ(FullScale(0, 0, 16), 120.0);
    struct Case {
        int Readings, First, Last;
        double Min, Max; // seconds
    };
    const Case cases[] = {
        {60, 0, 20, 0, 1200},           {60, 20, 40, 1200, 2400},
        {60, 40, 60, 2400, 3540},       {5, 0, 20, 0, 240}, // fewer readings than a block: first to last
        {60, 100, 120, 3540, 3540 + 0},                     // past the end: the last reading (widened below)
    };
    for (const Case& c : cases) {
        auto run = Builder(c.Readings, "0");
        run->FirstIndex = c.First;
        run->LastIndex = c.Last;
        const TRunChartData chart = run->BuildRunChart();
        ASSERT_TRUE(chart.HasXRange);
        if (c.Min == c.Max) {
            EXPECT_LT(chart.XMin, c.Min);
            EXPECT_GT(chart.XMax, c.Max);
        } else {
            EXPECT_EQ(chart.XMin, c.Min) << c.Readings << " from " << c.First;
            EXPECT_EQ(chart.XMax, c.Max) << c.Readings << " from " << c.First;
        }
        // Lines hold every reading; the page's range only limits what is seen.
        ASSERT_EQ(chart.Series.size(), 1u);
        EXPECT_EQ(chart.Series[0].X.size(), static_cast<size_t>(c.Readings));
    }
}

TEST(ChartRunBuild, TheChosenYQuantitiesBecomeLinesAndDamagedEntriesAreSkipped) {
    const struct {
        const char* Selected;
        std::vector<int> Lines;
    } cases[] = {
        {"0,2", {0, 2}}, {"", {}}, {"5,0,3", {0, 3, 5}}, {"x,,2,9,-1, 4 ", {2, 4}}, {"0,0", {0}},
    };
    for (const auto& c : cases) {
        const TRunChartData chart = Builder(10, c.Selected)->BuildRunChart();
        EXPECT_EQ(YIndexes(chart), c.Lines) << c.Selected;
        EXPECT_TRUE(chart.HasXRange) << c.Selected; // the X axis keeps its range
    }
    // Viscosity and temperature of reading i, on their own scales.
    const TRunChartData chart = Builder(10, "0,2")->BuildRunChart();
    EXPECT_EQ(chart.Series[0].Y.front(), 1.0);
    EXPECT_EQ(chart.Series[0].MaxY, 10.0);
    EXPECT_EQ(chart.Series[1].Y.back(), 29.0);
    EXPECT_EQ(chart.Series[1].YLow, 20.0);
    EXPECT_EQ(chart.Series[1].YHigh, 29.0);
}

TEST(ChartRunBuild, OverScaleAndOverRangeReadingsAreLeftOutAndDoNotStretchTheRange) {
    // X = viscosity. Reading 3 is over the 120 mPas full scale, reading 4 holds the
    // over-range marker at the stopped speed (where nothing counts as over scale).
    auto run = Builder(6, "2", 1);
    run->Batch.Measurements.EditItem(3)->Viscosity = 500;
    TMeasurementItem* marker = run->Batch.Measurements.EditItem(4);
    marker->Viscosity = OverRangeViscosity;
    marker->RPMCode = 0;
    ASSERT_FALSE(IsOverScale(0, 0, 0, OverRangeViscosity));
    const TRunChartData chart = run->BuildRunChart();
    EXPECT_EQ(chart.XMin, 1.0);
    EXPECT_EQ(chart.XMax, 6.0);
    EXPECT_EQ(chart.Series[0].X, (std::vector<double>{1, 2, 3, 6}));
    EXPECT_EQ(chart.Series[0].Y, (std::vector<double>{20, 21, 22, 25}));

    // A block of readings that are all over scale still shows its time.
    auto over = Builder(3, "0");
    for (int i = 0; i < 3; ++i)
        over->Batch.Measurements.EditItem(i)->Viscosity = 1000;
    const TRunChartData empty = over->BuildRunChart();
    EXPECT_EQ(empty.XMin, 0);
    EXPECT_EQ(empty.XMax, 120);
    EXPECT_TRUE(empty.Series[0].X.empty());
    EXPECT_EQ(empty.Series[0].MaxY, 0.0); // the room starts from 0
}

TEST(ChartRunBuild, ARangeOfNoWidthIsWidenedAroundItsValue) {
    // One reading; a constant X quantity (RPM) over a block of several.
    for (const auto& [readings, xAxis, value] : {std::tuple{1, 0, 0.0}, std::tuple{5, 4, 50.0}}) {
        const TRunChartData chart = Builder(readings, "0", xAxis)->BuildRunChart();
        EXPECT_LT(chart.XMin, value) << readings;
        EXPECT_GT(chart.XMax, value) << readings;
        EXPECT_TRUE(std::isfinite(chart.XMax - chart.XMin));
    }
}

TEST(ChartRunBuild, ReadingsAreChartedInTheOrderOfTheXQuantityWithoutReorderingTheBatch) {
    auto run = Builder(4, "2", 1); // temperature against viscosity
    for (int i = 0; i < 4; ++i)
        run->Batch.Measurements.EditItem(i)->Viscosity = 40 - 10 * i; // 40, 30, 20, 10
    const TRunChartData chart = run->BuildRunChart();
    EXPECT_EQ(chart.Series[0].X, (std::vector<double>{10, 20, 30, 40}));
    EXPECT_EQ(chart.Series[0].Y, (std::vector<double>{23, 22, 21, 20}));
    EXPECT_EQ(run->Batch.Measurements.Items(0)->Viscosity, 40); // the batch's order stays
}

TEST(ChartRunBuild, AnInvalidXQuantityFailsEvenWithoutReadings) {
    for (int x : {-1, 7}) {
        EXPECT_EQ(ErrorOf([&] { Builder(3, "0", x)->BuildRunChart(); }), "Invalid XAxis");
        EXPECT_EQ(ErrorOf([&] { Builder(0, "0", x)->BuildRunChart(); }), "Invalid XAxis");
    }
    const TRunChartData none = Builder(0, "0,1")->BuildRunChart();
    EXPECT_FALSE(none.HasXRange);
    EXPECT_TRUE(none.Series.empty()); // axes without data
}

TEST(ChartRunBuild, TheLayoutSurfaceIs800PixelsOnTheLongerSide) {
    const struct {
        int W, H;
        QSize Surface;
    } cases[] = {
        {400, 4, {800, 8}},  {4, 400, {8, 800}}, {300, 300, {800, 800}}, {1000, 333, {800, 266}},
        {1000, 1, {800, 1}}, {0, 10, {}},        {10, -1, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TChartRun::SurfaceSize(c.W, c.H), c.Surface) << c.W << " x " << c.H;
}

TEST(ChartRunBuild, TrimmingKeepsTheRangeAndOneNeighbourOnEachSide) {
    TRunChartData chart;
    chart.HasXRange = true;
    chart.XMin = 2.5;
    chart.XMax = 5;
    chart.Series.push_back({0, {0, 1, 2, 3, 4, 5, 6, 7}, {0, 10, 20, 30, 40, 50, 60, 70}, 70, 0, 70});
    chart.Series.push_back({1, {3}, {30}, 30, 30, 30});
    TChartRun::TrimToRange(chart);
    EXPECT_EQ(chart.Series[0].X, (std::vector<double>{2, 3, 4, 5, 6}));
    EXPECT_EQ(chart.Series[0].Y, (std::vector<double>{20, 30, 40, 50, 60}));
    EXPECT_EQ(chart.Series[0].MaxY, 70); // the axis room still follows every point
    EXPECT_EQ(chart.Series[1].X, (std::vector<double>{3}));
}

// ---------------------------------------------------------------------------
// The chart item on a page

// Records what the item asks to be drawn.
class TRecordingChartPainter : public TChartPainter {
public:
    struct TCall {
        QRect Rect;
        QSize Surface;
        TRunChartData Chart;
    };
    std::vector<TCall> Calls;

    void DrawRunChart(QPainter&, const QRect& rect, QSize surface, const TRunChartData& chart) override {
        Calls.push_back({rect, surface, chart});
    }
};

class ChartItemTest : public ::testing::Test {
protected:
    void SetUp() override {
        page.Property("PaperSize").SetInteger(0);
        page.Property("PageOrientation").SetInteger(PageOrientationPortrait);
        page.Property("PageWidth").SetFloat(200);
        page.Property("PageHeight").SetFloat(100);
        page.Property("PageType").SetInteger(PageTypeInner);
        page.OutputRect = {0, 0, 2000, 1000};
        page.ChartPainter = &painter;
        chart = page.AddItem<TPageItemChartRun>();
        chart->SetLeft(10);
        chart->SetTop(20);
        chart->SetWidth(100);
        chart->SetHeight(1);
    }

    TRecordingChartPainter painter;
    TPage page;
    TPageItemChartRun* chart = nullptr;
};

TEST_F(ChartItemTest, InnerPagesHandTheBlockAndTheItemsSurfaceToThePainter) {
    FillReadings(page.Batch, 60);
    page.Batch.SelectedYAxis = QStringLiteral("0,2");
    chart->Property("3D").SetBoolean(false);
    chart->Property("ShowLegend").SetBoolean(false);
    chart->FirstReading = 20;
    DrawPageImage(page, 2000, 1000);
    ASSERT_EQ(painter.Calls.size(), 1u);
    const auto& call = painter.Calls[0];
    EXPECT_EQ(call.Rect, QRect(100, 200, 1000, 10));
    EXPECT_EQ(call.Surface, QSize(800, 8)); // 800 / 1000 * 10
    EXPECT_EQ(call.Chart.XMin, 1200);
    EXPECT_EQ(call.Chart.XMax, 2400);
    EXPECT_FALSE(call.Chart.View3D);
    EXPECT_FALSE(call.Chart.ShowLegend);
    EXPECT_TRUE(call.Chart.Grid);
    EXPECT_EQ(YIndexes(call.Chart), (std::vector<int>{0, 2}));
    // Only the block and its neighbours travel to the painter.
    EXPECT_EQ(call.Chart.Series[0].X.front(), 1140);
    EXPECT_EQ(call.Chart.Series[0].X.back(), 2460);
    EXPECT_EQ(call.Chart.Series[0].MaxY, 60);
}

TEST_F(ChartItemTest, OpeningAndClosingPagesDrawNothingAndWithoutPainterTheItemMarksItsPlace) {
    chart->SetHeight(40);
    for (int type : {PageTypeOpening, PageTypeClosing}) {
        page.Property("PageType").SetInteger(type);
        const QImage image = DrawPageImage(page, 2000, 1000);
        EXPECT_TRUE(painter.Calls.empty());
        EXPECT_EQ(NonWhite(image), 0);
    }
    page.Property("PageType").SetInteger(PageTypeInner);
    page.ChartPainter = nullptr;
    const QImage image = DrawPageImage(page, 2000, 1000);
    EXPECT_NE(image.pixel(100, 300), qRgb(255, 255, 255)); // the frame's left edge
    EXPECT_EQ(image.pixel(600, 400), qRgb(255, 255, 255));
}

TEST_F(ChartItemTest, AnInvalidXQuantityFailsTheDrawing) {
    page.Batch.SelectedXAxis = 9;
    EXPECT_EQ(ErrorOf([&] { DrawPageImage(page, 2000, 1000); }), "Invalid XAxis");
}

TEST_F(ChartItemTest, ReadingsPerPageStaysWithin1To1000) {
    const struct {
        double Typed;
        int Stored;
    } cases[] = {{0, 1}, {-5, 1}, {5000, 1000}, {20, 20}, {7.9, 7}};
    for (const auto& c : cases) {
        chart->Property("ReadingsPerPage").SetFloat(c.Typed);
        EXPECT_EQ(chart->GetInteger("ReadingsPerPage"), c.Stored) << c.Typed;
    }
    // A file may hold anything; the blocks still hold 1 to 1000 readings.
    TGmXML doc;
    doc.LoadFromBytes("<P><ReadingsPerPage>0</ReadingsPerPage></P>");
    chart->LoadFromXml(doc.Nodes().Find("P").Children(), false);
    EXPECT_EQ(chart->GetInteger("ReadingsPerPage"), 0);
    EXPECT_EQ(chart->ReadingsPerPage(), 1);

    TReport report;
    TPage* inner = report.AddPage();
    inner->Assign(page);
    FillReadings(inner->Batch, 5);
    report.Paginate(); // ends: one reading a page
    EXPECT_EQ(report.PageCount(), 5);
}

} // namespace
