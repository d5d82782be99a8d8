// The run chart on QCustomPlot: lines, stacked axes with their offsets and margin,
// titles, colours and label format, and the picture that fills its item at every
// resolution.

#include "catalogue/Catalogue.h"
#include "charts/QCustomPlotChartPainter.h"
#include "charts/RunChartStyle.h"
#include "documents/BatchItem.h"
#include "reports/Page.h"
#include "reports/PageItemChartRun.h"
#include "support/ErrorOf.h"

#include <qcustomplot.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPicture>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QColor Red(255, 0, 0);
const QColor Blue(0, 0, 255);

// Viscosity 1000 + i and temperature 20 + i / 10 against time.
TRunChartData ViscosityAndTemperature() {
    TRunChartData chart;
    chart.HasXRange = true;
    chart.XMin = 0;
    chart.XMax = 100;
    TRunChartSeries viscosity{0, {}, {}, 0, 1000, 1100};
    TRunChartSeries temperature{2, {}, {}, 0, 20, 30};
    for (int i = 0; i <= 100; ++i) {
        viscosity.X.push_back(i);
        viscosity.Y.push_back(1000 + i);
        temperature.X.push_back(i);
        temperature.Y.push_back(20 + i / 10.0);
    }
    viscosity.MaxY = 1100;
    temperature.MaxY = 30;
    chart.Series = {viscosity, temperature};
    return chart;
}

// The Part's measure of an axis's room: "%.2fMMMMM" of its largest value in the
// charts' 8-point font (11 pixels at 96 dpi).
int RoomOf(const char* text) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(QLatin1String(text))));
}

TEST(RunChartAxes, EachFurtherAxisMovesLeftByTheRoomOfTheOneBefore) {
    const TRunChartAxisStack stack = StackRunChartAxes({1100, 30, 2.5});
    const int first = RoomOf("1100.00MMMMM");
    const int second = RoomOf("30.00MMMMM");
    const int third = RoomOf("2.50MMMMM");
    EXPECT_EQ(stack.Offsets, (std::vector<int>{0, first, first + second}));
    EXPECT_EQ(stack.LeftMargin, RoomOf("MM") + first + second);
    EXPECT_EQ(stack.PlotLeftMargin, stack.LeftMargin + third);

    const TRunChartAxisStack none = StackRunChartAxes({});
    EXPECT_TRUE(none.Offsets.empty());
    EXPECT_EQ(none.LeftMargin, RoomOf("MM"));
}

TEST(RunChartPlot, TwoLinesOnTheLeftAxisAndASecondAxisLeftOfIt) {
    TQCustomPlotChartPainter painter;
    painter.RecordRunChart({800, 400}, ViscosityAndTemperature());
    QCustomPlot& plot = painter.Plot();
    ASSERT_EQ(plot.graphCount(), 2);
    QCPGraph* viscosity = plot.graph(0);
    QCPGraph* temperature = plot.graph(1);
    EXPECT_EQ(viscosity->name(), "Viscosity (mPas)");
    EXPECT_EQ(temperature->name(), "Temperature (°C)");
    EXPECT_EQ(viscosity->pen().color(), Red);
    EXPECT_EQ(temperature->pen().color(), Blue);

    QCPAxis* left = viscosity->valueAxis();
    QCPAxis* second = temperature->valueAxis();
    EXPECT_EQ(left, plot.yAxis);
    ASSERT_NE(second, left);
    EXPECT_EQ(second->axisType(), QCPAxis::atLeft);
    EXPECT_EQ(left->offset(), 0);
    EXPECT_EQ(second->offset(), RoomOf("1100.00MMMMM"));
    EXPECT_EQ(plot.axisRect()->margins().left(),
              RoomOf("MM") + RoomOf("1100.00MMMMM") + RoomOf("30.00MMMMM"));

    for (auto [axis, colour, title] :
         {std::tuple{left, Red, "Viscosity (mPas)"}, std::tuple{second, Blue, "Temperature (°C)"}}) {
        EXPECT_EQ(axis->label(), QString::fromUtf8(title));
        EXPECT_EQ(axis->labelColor(), colour);
        EXPECT_EQ(axis->tickLabelColor(), colour);
        EXPECT_EQ(axis->basePen().color(), colour);
        EXPECT_EQ(axis->tickPen().color(), colour);
        EXPECT_EQ(axis->numberFormat(), "f"); // "0.00"
        EXPECT_EQ(axis->numberPrecision(), 2);
        EXPECT_FALSE(axis->grid()->visible());
        EXPECT_EQ(axis->tickLabelSide(), QCPAxis::lsOutside);
    }
    EXPECT_EQ(plot.xAxis->label(), "Time (seconds)");
    EXPECT_EQ(plot.xAxis->range(), QCPRange(0, 100));
    EXPECT_TRUE(plot.xAxis->grid()->visible());
    EXPECT_TRUE(plot.legend->visible());
    EXPECT_EQ(plot.legend->itemCount(), 2);
}

TEST(RunChartPlot, WithoutLinesOnlyTheXAxisWithItsTitleAndRange) {
    TQCustomPlotChartPainter painter;
    painter.RecordRunChart({800, 400}, ViscosityAndTemperature()); // an earlier page
    TRunChartData chart;
    chart.XIndex = 3;
    chart.HasXRange = true;
    chart.XMin = 15;
    chart.XMax = 25;
    chart.Grid = false;
    chart.ShowLegend = false;
    painter.RecordRunChart({800, 400}, chart);
    QCustomPlot& plot = painter.Plot();
    EXPECT_EQ(plot.graphCount(), 0);
    EXPECT_EQ(plot.axisRect()->axes(QCPAxis::atLeft).size(), 1); // the earlier page's axes are gone
    EXPECT_EQ(plot.xAxis->label(), "Temperature (°C)");
    EXPECT_EQ(plot.xAxis->range(), QCPRange(15, 25));
    EXPECT_FALSE(plot.xAxis->grid()->visible());
    EXPECT_FALSE(plot.legend->visible());

    chart.XIndex = 7;
    EXPECT_EQ(ErrorOf([&] { painter.RecordRunChart({800, 400}, chart); }), "Invalid XAxis");
}

// ---------------------------------------------------------------------------
// Pictures

struct TInk {
    QRect Bounds; // of every non-white pixel
    int Red = 0;  // pixels close to pure red
    int Blue = 0;
};

TInk InkOf(const QImage& image) {
    TInk ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == Qt::white)
                continue;
            ink.Bounds |= QRect(x, y, 1, 1);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                ++ink.Red;
            if (c.blue() > 200 && c.red() < 60 && c.green() < 60)
                ++ink.Blue;
        }
    }
    return ink;
}

// A page of 100 x 50 mm with a chart item at (10, 5) of 80 x 40 mm, its batch charting
// viscosity and temperature, drawn at dpi.
QImage DrawChartPage(int dpi, TChartPainter& painter, double chartHeight = 40) {
    TPage page;
    page.Property("PaperSize").SetInteger(0);
    page.Property("PageOrientation").SetInteger(PageOrientationLandscape);
    page.Property("PageWidth").SetFloat(100);
    page.Property("PageHeight").SetFloat(50);
    page.Property("PageType").SetInteger(PageTypeInner);
    page.Batch.ModelType = 0;
    page.Batch.SpindleType = 0;
    page.Batch.SelectedYAxis = QStringLiteral("0,2");
    page.Batch.Measurements.Clear();
    for (int i = 0; i < 20; ++i) {
        TMeasurementItem* m = page.Batch.Measurements.Add();
        m->DateTime = 40000 + i / 1440.0;
        m->Viscosity = 10 + i;
        m->Temperature = 20 + (i % 5);
        m->RPMCode = 16;
    }
    auto* chart = page.AddItem<TPageItemChartRun>();
    chart->SetLeft(10);
    chart->SetTop(5);
    chart->SetWidth(80);
    chart->SetHeight(chartHeight);

    const int w = static_cast<int>(std::lround(100 / 25.4 * dpi));
    const int h = static_cast<int>(std::lround(50 / 25.4 * dpi));
    QImage image(w, h, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter canvas(&image);
    page.Canvas = &canvas;
    page.ChartPainter = &painter;
    page.OutputRect = {0, 0, w, h};
    page.Draw();
    return image;
}

TEST(RunChartPicture, FillsItsItemAtEveryResolution) {
    TQCustomPlotChartPainter painter;
    for (int dpi : {96, 300, 600}) {
        const QImage image = DrawChartPage(dpi, painter);
        const double px = dpi / 25.4;
        const QRect item(static_cast<int>(10 * px), static_cast<int>(5 * px), static_cast<int>(80 * px),
                         static_cast<int>(40 * px));
        const TInk ink = InkOf(image);
        EXPECT_TRUE(item.contains(ink.Bounds)) << dpi << " dpi: ink outside the item";
        // The chart reaches (close to) every edge of its item, whatever the resolution.
        EXPECT_LT(ink.Bounds.left() - item.left(), item.width() / 10) << dpi; // the "MM" margin
        EXPECT_LT(item.right() - ink.Bounds.right(), item.width() / 20) << dpi;
        EXPECT_LT(ink.Bounds.top() - item.top(), item.height() / 10) << dpi;
        EXPECT_LT(item.bottom() - ink.Bounds.bottom(), item.height() / 10) << dpi;
        EXPECT_GT(ink.Red, 0) << dpi;
        EXPECT_GT(ink.Blue, 0) << dpi;
    }
}

TEST(RunChartPicture, AnItemTooSmallForAPlotDrawsNothingBeyondItself) {
    TQCustomPlotChartPainter painter;
    const QImage image = DrawChartPage(300, painter, 1); // 800 x 10 surface
    const TInk ink = InkOf(image);
    const double px = 300 / 25.4;
    const QRect item(static_cast<int>(10 * px), static_cast<int>(5 * px), static_cast<int>(80 * px),
                     static_cast<int>(1 * px) + 1);
    EXPECT_TRUE(ink.Bounds.isEmpty() || item.contains(ink.Bounds))
        << ink.Bounds.top() << ".." << ink.Bounds.bottom();
}

TEST(RunChartPicture, LooksTheSameScaledAtAnyResolution) {
    TQCustomPlotChartPainter painter;
    const QImage low = DrawChartPage(150, painter).convertToFormat(QImage::Format_Grayscale8);
    const QImage high = DrawChartPage(600, painter)
                            .scaled(low.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_Grayscale8);
    // Dark pixels of the low resolution drawing that are nearly white at the high one:
    // lines, texts and axes must be in the same places.
    int dark = 0, missing = 0;
    for (int y = 0; y < low.height(); ++y) {
        for (int x = 0; x < low.width(); ++x) {
            if (qGray(low.pixel(x, y)) >= 128)
                continue;
            ++dark;
            missing += qGray(high.pixel(x, y)) > 230 ? 1 : 0;
        }
    }
    ASSERT_GT(dark, 1000);
    EXPECT_LT(missing, dark / 20) << missing << " of " << dark;
}

} // namespace
