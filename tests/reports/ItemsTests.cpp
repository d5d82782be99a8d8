// Readings table, shape, picture and chart items: layout, cell texts, pagination,
// drawn pixels and stored form.

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "reports/Page.h"
#include "reports/PageItemChartRun.h"
#include "reports/PageItemGraphic.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/PageItemShape.h"
#include "reports/Report.h"
#include "xml/GmXml.h"

#include "ReportTestSupport.h"

#include <QBuffer>
#include <QDate>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A custom-sized page mapped onto wPx x hPx device pixels.
void SetUpPage(TPage& page, double widthMM, double heightMM, int wPx, int hPx, int type = PageTypeInner) {
    page.Property("PaperSize").SetInteger(0);
    page.Property("PageOrientation").SetInteger(PageOrientationPortrait);
    page.Property("PageWidth").SetFloat(widthMM);
    page.Property("PageHeight").SetFloat(heightMM);
    page.Property("PageType").SetInteger(type);
    page.OutputRect = {0, 0, wPx, hPx};
}

bool IsDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Dark pixels inside a rectangle (right and bottom exclusive).
int DarkPixels(const QImage& image, int left, int top, int right, int bottom) {
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            n += IsDark(image, x, y) ? 1 : 0;
    return n;
}

int NonWhitePixels(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
    return n;
}

// A speed code at which the spindle has a real full scale.
int MeasurableRPMCode(int model, int spindle) {
    for (const TRPMEntry& e : RPMTable) {
        const double fs = FullScale(model, spindle, e.Code);
        if (fs > 100.0 && fs < OverRangeViscosity)
            return e.Code;
    }
    return -1;
}

void FillReadings(TBatchItem& batch, int count) {
    batch.Measurements.Clear();
    const int code = MeasurableRPMCode(batch.ModelType, batch.SpindleType);
    for (int i = 0; i < count; ++i) {
        TMeasurementItem* m = batch.Measurements.Add();
        m->DateTime = 38730.0 + i / 1440.0;
        m->Viscosity = 1.0 + i;
        m->Temperature = 20.0;
        m->RPMCode = code;
        m->SheerStress = 1.5;
        m->SheerRate = 2.5;
    }
}

// ---------------------------------------------------------------------------
// Readings table

class ReadingsTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        // 127 mm mapped onto 1440 pixels: 288 pixels per inch, so 8-point text has an
        // em of 32 pixels and a row height of 48.
        SetUpPage(page, 127, 127, 1440, 1440);
        table = page.AddItem<TPageItemReadings>();
        table->SetWidth(127);
        table->SetHeight(127);
    }

    TPage page;
    TPageItemReadings* table = nullptr;
};

TEST_F(ReadingsTableTest, NewTableHasItsDefaultsAndPropertyOrder) {
    EXPECT_EQ(table->Name(), "Readings1");
    EXPECT_EQ(page.AddItem<TPageItemReadings>()->Name(), "Readings2");
    EXPECT_EQ(PropertyNames(table->Properties),
              "Anchor,ColumnWidthDate,ColumnWidthPercentFS,ColumnWidthRPM,ColumnWidthSheerRate,"
              "ColumnWidthSheerStress,ColumnWidthTemperature,ColumnWidthTime,"
              "ColumnWidthViscosity,FontColor,FontName,FontSize,Height,Left,Name,RowsPerPage,"
              "ShowColumnHeader,Top,Width");
    EXPECT_EQ(table->GetInteger("RowsPerPage"), 20);
    EXPECT_TRUE(table->GetBoolean("ShowColumnHeader"));
    EXPECT_EQ(table->GetFloat("ColumnWidthDate"), 20.0);
    EXPECT_EQ(table->GetFloat("ColumnWidthSheerRate"), 25.0);
    EXPECT_EQ(table->Property("ColumnWidthSheerStress").Caption, "ColumnWidthShearStress");
    EXPECT_EQ(table->Property("FontColor").Caption, "FontColour");
}

TEST_F(ReadingsTableTest, RowsPerPageIsClampedWhenSet) {
    TProperty& rows = table->Property("RowsPerPage");
    const std::pair<std::function<void()>, int> cases[] = {
        {[&] { rows.SetInteger(0); }, 1},       {[&] { rows.SetInteger(5000); }, 1000},
        {[&] { rows.SetDisplayText("0"); }, 1}, {[&] { rows.SetDisplayText("5000"); }, 1000},
        {[&] { rows.SetInteger(-7); }, 1},      {[&] { rows.SetInteger(35); }, 35},
        {[&] { rows.SetFloat(1.0e12); }, 1000},
    };
    for (const auto& [set, expected] : cases) {
        set();
        EXPECT_EQ(rows.GetInteger(), expected);
    }
}

TEST_F(ReadingsTableTest, RowLayoutFollowsTheFontAndTheHeader) {
    table->SetTop(10); // 113 pixels (trunc of 113.4)
    EXPECT_DOUBLE_EQ(table->EmHeight(), 32.0);
    EXPECT_DOUBLE_EQ(table->RowHeight(), 48.0);
    EXPECT_EQ(table->HeaderRows(), 2);
    EXPECT_EQ(table->RowTop(0), 113);
    EXPECT_EQ(table->RowTop(2), 113 + 96);
    table->Property("ShowColumnHeader").SetBoolean(false);
    EXPECT_EQ(table->HeaderRows(), 0);

    // At 600 pixels per inch an 8-point row is 100 pixels high.
    page.Property("PageHeight").SetFloat(254);
    page.Property("PageWidth").SetFloat(254);
    page.OutputRect = {0, 0, 6000, 6000};
    EXPECT_DOUBLE_EQ(table->RowHeight(), 100.0);
    EXPECT_EQ(table->RowTop(3), 236 + 300);
}

TEST_F(ReadingsTableTest, ShearSpindlesGetEightColumnsOthersSixReachingTheRightEdge) {
    table->SetLeft(10);
    const auto x = [&](double mm) { return page.MMToDeviceX(mm); };
    const auto len = [&](double mm) { return page.LengthToDeviceX(mm); };

    page.Batch.SpindleType = 7; // LCP delivers shear data
    ASSERT_TRUE(SpindleHasShear(7));
    table->SetWidth(100); // narrower than the columns
    std::vector<int> edges = table->ColumnEdges();
    ASSERT_EQ(edges.size(), 9u);
    EXPECT_EQ(TPageItemReadings::HeaderTexts(page.Batch).size(), 8);
    EXPECT_EQ(edges[0], x(10));
    EXPECT_EQ(edges[1], x(10) + len(20));
    EXPECT_EQ(edges[3], x(10) + 2 * len(20) + len(25));
    EXPECT_EQ(edges[8], x(10) + 2 * len(20) + 6 * len(25)); // natural end beyond the item

    page.Batch.SpindleType = 0; // L1: no shear data
    ASSERT_FALSE(SpindleHasShear(0));
    table->SetWidth(200);
    edges = table->ColumnEdges();
    ASSERT_EQ(edges.size(), 7u);
    EXPECT_EQ(TPageItemReadings::HeaderTexts(page.Batch).size(), 6);
    EXPECT_EQ(edges[5], x(10) + 2 * len(20) + 3 * len(25));
    EXPECT_EQ(edges[6], table->DeviceRect().Right);
}

TEST_F(ReadingsTableTest, HeaderTextsNameTheUnits) {
    SetViscosityUnits(1);
    SetTemperatureUnits(1);
    QStringList texts = TPageItemReadings::HeaderTexts(page.Batch);
    EXPECT_EQ(texts[2], "Viscosity (" + ViscosityUnitsName() + ")");
    EXPECT_EQ(texts[4], "Temperature (" + TemperatureUnitsName() + ")");
    SetViscosityUnits(0);
    SetTemperatureUnits(0);
    texts = TPageItemReadings::HeaderTexts(page.Batch);
    EXPECT_EQ(texts.join("|"), "Date|Time|Viscosity (mPas)|% Full Scale|Temperature (" +
                                   TemperatureUnitsName() + ")|RPM|Shear Stress|Shear Rate");
}

TEST_F(ReadingsTableTest, CellTextsAndTheOverScaleRule) {
    TBatchItem& batch = page.Batch;
    batch.ModelType = 0;
    batch.SpindleType = 7;
    const int code = MeasurableRPMCode(0, 7);
    ASSERT_GE(code, 0);
    const double fs = FullScale(0, 7, code);

    TMeasurementItem normal;
    normal.DateTime = 38730.0 + (5 * 60 + 4.012) / 86400.0; // 13 Jan 2006 00:05:04
    normal.Viscosity = fs / 2 + 0.04;
    normal.Temperature = 21.26;
    normal.RPMCode = code;
    normal.SheerStress = 3.14;
    normal.SheerRate = 2.66;
    QStringList cells = TPageItemReadings::RowTexts(batch, normal);
    ASSERT_EQ(cells.size(), 8);
    EXPECT_EQ(cells[0], QLocale().toString(QDate(2006, 1, 13), QLocale::ShortFormat));
    EXPECT_TRUE(cells[1].contains("05:04")) << cells[1].toStdString();
    EXPECT_EQ(cells[2], FormatViscosity(normal.Viscosity));
    EXPECT_EQ(cells[3], FormatLocaleFixed(PercentFullScale(0, 7, code, normal.Viscosity), 1));
    EXPECT_EQ(cells[4], "21.3");
    EXPECT_EQ(cells[5], FormatLocaleFixed(RPMCodeToValue(code), 1));
    EXPECT_EQ(cells[6], "3.1");
    EXPECT_EQ(cells[7], "2.7");

    // Exactly at full scale is not over scale; above it is.
    normal.Viscosity = fs;
    EXPECT_EQ(TPageItemReadings::RowTexts(batch, normal)[2], FormatViscosity(fs));
    TMeasurementItem over;
    over.Assign(normal);
    over.Viscosity = fs * 1.01;
    cells = TPageItemReadings::RowTexts(batch, over);
    EXPECT_EQ(cells[2], "Over scale");
    EXPECT_EQ(cells[3], "Over scale");
    EXPECT_EQ(cells[4], "21.3");
    EXPECT_EQ(cells[5], FormatLocaleFixed(RPMCodeToValue(code), 1));
    EXPECT_TRUE(cells[6].isEmpty());
    EXPECT_TRUE(cells[7].isEmpty());

    batch.SpindleType = 0;
    EXPECT_EQ(TPageItemReadings::RowTexts(batch, normal).size(), 6);
}

TEST_F(ReadingsTableTest, AdvanceWalksBlocksAndKeepsTheLastOne) {
    FillReadings(page.Batch, 45);
    table->ResetPagination();
    EXPECT_FALSE(table->Done);
    EXPECT_EQ(table->FirstRow, 0);
    std::vector<std::pair<int, bool>> steps;
    for (int i = 0; i < 4; ++i) {
        table->Advance();
        steps.emplace_back(table->FirstRow, table->Done);
    }
    const std::vector<std::pair<int, bool>> expected{{20, false}, {40, false}, {40, true}, {40, true}};
    EXPECT_EQ(steps, expected);
    table->ResetPagination();
    EXPECT_EQ(table->FirstRow, 0);
    EXPECT_FALSE(table->Done);

    // A stored block size below 1 still moves on.
    TGmXML doc;
    doc.Nodes().Add("RowsPerPage")->SetInteger(0);
    table->LoadFromXml(doc.Nodes(), false);
    EXPECT_EQ(table->RowsPerPage(), 1);
    table->Advance();
    EXPECT_EQ(table->FirstRow, 1);
}

TEST_F(ReadingsTableTest, DrawsTheBlockOfThisPageOnly) {
    FillReadings(page.Batch, 45);
    const int x = 2; // inside the first column's left margin: only outlines are dark
    const auto lastDarkRow = [&](const QImage& image) {
        for (int y = image.height() - 1; y >= 0; --y)
            if (IsDark(image, x, y))
                return y;
        return -1;
    };
    table->FirstRow = 20;
    EXPECT_EQ(lastDarkRow(DrawPageImage(page)), 22 * 48 - 1); // header and 20 rows
    table->FirstRow = 40;
    EXPECT_EQ(lastDarkRow(DrawPageImage(page)), 7 * 48 - 1); // header and 5 rows

    page.Batch.Measurements.Clear();
    EXPECT_EQ(lastDarkRow(DrawPageImage(page)), 2 * 48 - 1); // the header alone
    table->Property("ShowColumnHeader").SetBoolean(false);
    EXPECT_EQ(lastDarkRow(DrawPageImage(page)), -1);
}

TEST_F(ReadingsTableTest, WithoutHeaderTheFirstRowStartsAtTheTop) {
    FillReadings(page.Batch, 3);
    QImage image = DrawPageImage(page);
    EXPECT_TRUE(IsDark(image, 2, 0));
    EXPECT_FALSE(IsDark(image, 2, 48)); // inside the two-row header cell
    EXPECT_TRUE(IsDark(image, 2, 96));
    table->Property("ShowColumnHeader").SetBoolean(false);
    image = DrawPageImage(page);
    EXPECT_TRUE(IsDark(image, 2, 0));
    EXPECT_TRUE(IsDark(image, 2, 48)); // first data row ends there
    // Text of the first reading inside the first row.
    const std::vector<int> edges = table->ColumnEdges();
    EXPECT_GT(DarkPixels(image, edges[0] + 12, 2, edges[1] - 12, 46), 0);
}

TEST_F(ReadingsTableTest, RowsBelowTheItemAreCutOff) {
    FillReadings(page.Batch, 20);
    table->SetHeight(30); // 340 pixels: header and about 5 rows
    const int bottom = table->DeviceRect().Bottom;
    const QImage image = DrawPageImage(page);
    EXPECT_EQ(DarkPixels(image, 0, bottom, image.width(), image.height()), 0);
    EXPECT_TRUE(IsDark(image, 2, bottom - 1)); // the cut row's outline closes the item
}

TEST_F(ReadingsTableTest, OverScaleRowsLeaveTheShearCellsEmpty) {
    page.Batch.SpindleType = 7;
    for (const char* name :
         {"ColumnWidthDate", "ColumnWidthTime", "ColumnWidthViscosity", "ColumnWidthPercentFS",
          "ColumnWidthTemperature", "ColumnWidthRPM", "ColumnWidthSheerStress", "ColumnWidthSheerRate"})
        table->Property(name).SetFloat(15);
    FillReadings(page.Batch, 2);
    TMeasurementItem* over = page.Batch.Measurements.EditItem(1);
    over->Viscosity = FullScale(0, 7, over->RPMCode) * 2;
    const QImage image = DrawPageImage(page);
    const std::vector<int> e = table->ColumnEdges();
    const auto interior = [&](int column, int row) {
        return DarkPixels(image, e[static_cast<size_t>(column)] + 3, table->RowTop(row) + 3,
                          e[static_cast<size_t>(column) + 1] - 3, table->RowTop(row + 1) - 3);
    };
    EXPECT_GT(interior(6, 2), 0); // shear stress of the normal reading
    EXPECT_GT(interior(7, 2), 0);
    EXPECT_EQ(interior(6, 3), 0); // empty cells of the over-scale reading
    EXPECT_EQ(interior(7, 3), 0);
    EXPECT_GT(interior(4, 3), 0); // its temperature is still printed
    // The outlines of the empty cells are drawn.
    EXPECT_TRUE(IsDark(image, e[6] + 5, table->RowTop(3)));
    EXPECT_TRUE(IsDark(image, e[7], table->RowTop(3) + 10));
}

TEST_F(ReadingsTableTest, ANarrowViscosityHeaderWrapsInsideItsCell) {
    const auto textHeight = [&]() {
        const QImage image = DrawPageImage(page);
        const std::vector<int> e = table->ColumnEdges();
        int top = -1, bottom = -1;
        for (int y = 2; y < table->RowTop(2) - 2; ++y) {
            if (DarkPixels(image, e[2] + 3, y, e[3] - 3, y + 1) > 0) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        }
        return top < 0 ? 0 : bottom - top + 1;
    };
    table->Property("ColumnWidthViscosity").SetFloat(40);
    const int oneLine = textHeight();
    table->Property("ColumnWidthViscosity").SetFloat(16);
    const int twoLines = textHeight();
    EXPECT_GT(oneLine, 0);
    EXPECT_GT(twoLines, oneLine + 20);
}

TEST_F(ReadingsTableTest, AssignCopiesTheFirstRow) {
    table->FirstRow = 40;
    TPage other;
    auto* copy = other.AddItem<TPageItemReadings>();
    copy->Assign(*table);
    EXPECT_EQ(copy->FirstRow, 40);
    auto* shape = other.AddItem<TPageItemShape>();
    copy->Assign(*shape); // another kind: shared properties only
    EXPECT_EQ(copy->FirstRow, 40);
}

// ---------------------------------------------------------------------------
// Pagination through the report

struct TPaginated {
    int Pages;
    std::vector<int> FirstRows; // of the table on each page
};

TPaginated PaginateOnePage(int pageType, int readings, bool chart) {
    TReport report;
    TPage* page = report.AddPage();
    page->Property("PageType").SetInteger(pageType);
    FillReadings(page->Batch, readings);
    TPageItem* item = chart ? static_cast<TPageItem*>(page->AddItem<TPageItemChartRun>())
                            : static_cast<TPageItem*>(page->AddItem<TPageItemReadings>());
    (void)item;
    report.Paginate();
    TPaginated result{report.PageCount(), {}};
    for (int i = 0; i < report.PageCount(); ++i) {
        TPageItem* it = report.Page(i)->Item(0);
        if (auto* t = dynamic_cast<TPageItemReadings*>(it))
            result.FirstRows.push_back(t->FirstRow);
        else if (auto* c = dynamic_cast<TPageItemChartRun*>(it))
            result.FirstRows.push_back(c->FirstReading);
    }
    return result;
}

TEST(ReadingsPagination, InnerPagesRepeatUntilEveryReadingIsShown) {
    struct Case {
        int Readings;
        bool Chart;
        std::vector<int> FirstRows;
    };
    const Case cases[] = {
        {45, false, {0, 20, 40}}, {60, false, {0, 20, 40}}, {20, false, {0}},
        {0, false, {0}},          {60, true, {0, 20, 40}},  {5, true, {0}},
    };
    for (const Case& c : cases) {
        const TPaginated p = PaginateOnePage(PageTypeInner, c.Readings, c.Chart);
        EXPECT_EQ(p.FirstRows, c.FirstRows) << c.Readings << (c.Chart ? " chart" : " table");
    }
}

TEST(ReadingsPagination, OpeningAndClosingPagesAreNotRepeated) {
    for (int type : {PageTypeOpening, PageTypeClosing}) {
        EXPECT_EQ(PaginateOnePage(type, 60, false).Pages, 1);
        EXPECT_EQ(PaginateOnePage(type, 60, true).Pages, 1);
    }
}

TEST(ReadingsPagination, AnOpeningPageShowsTheExampleBatchOnce) {
    TPage page;
    SetUpPage(page, 127, 127, 1440, 1440, PageTypeOpening);
    TPage::FillExampleBatch(page.Batch);
    auto* table = page.AddItem<TPageItemReadings>();
    table->SetWidth(127);
    table->SetHeight(127);
    const QImage image = DrawPageImage(page);
    // Header and the first 20 of the 60 example readings.
    EXPECT_TRUE(IsDark(image, 2, 22 * 48 - 1));
    EXPECT_EQ(DarkPixels(image, 0, 22 * 48, image.width(), image.height()), 0);
}

TEST(ReadingsPagination, TablesAndChartsOfOnePageRunToTheLongestBlock) {
    TReport report;
    TPage* page = report.AddPage();
    page->Property("PageType").SetInteger(PageTypeInner);
    FillReadings(page->Batch, 60);
    page->AddItem<TPageItemReadings>()->Property("RowsPerPage").SetInteger(30);
    page->AddItem<TPageItemChartRun>()->Property("ReadingsPerPage").SetInteger(15);
    report.Paginate();
    ASSERT_EQ(report.PageCount(), 4);
    std::vector<int> rows, readings;
    for (int i = 0; i < 4; ++i) {
        rows.push_back(dynamic_cast<TPageItemReadings*>(report.Page(i)->Item(0))->FirstRow);
        readings.push_back(dynamic_cast<TPageItemChartRun*>(report.Page(i)->Item(1))->FirstReading);
    }
    EXPECT_EQ(rows, (std::vector<int>{0, 30, 30, 30}));
    EXPECT_EQ(readings, (std::vector<int>{0, 15, 30, 45}));
}

// ---------------------------------------------------------------------------
// Shapes

// What a fill looks like inside a 100 x 100 pixel square.
struct TFillPattern {
    int FilledPixels = 0;
    int FullRows = 0;
    int FullColumns = 0;
    int SlashPairs = 0;     // (x, y) and (x + 1, y - 1) both filled: lines like "/"
    int BackslashPairs = 0; // (x, y) and (x + 1, y + 1) both filled: lines like "\"
};

TFillPattern ShapeFill(int fillStyle) {
    TPage page;
    SetUpPage(page, 100, 100, 1000, 1000);
    auto* shape = page.AddItem<TPageItemShape>();
    shape->SetLeft(10);
    shape->SetTop(10);
    shape->SetWidth(10);
    shape->SetHeight(10);
    shape->Property("LineStyle").SetStyle(5); // no outline
    shape->Property("FillStyle").SetStyle(static_cast<std::uint8_t>(fillStyle));
    shape->Property("FillColor").SetInteger(0x0000FF); // red
    const QImage image = DrawPageImage(page);
    const auto filled = [&](int x, int y) { return image.pixel(100 + x, 100 + y) == qRgb(255, 0, 0); };
    TFillPattern p;
    for (int y = 0; y < 100; ++y) {
        int row = 0;
        for (int x = 0; x < 100; ++x) {
            row += filled(x, y) ? 1 : 0;
            if (filled(x, y) && x + 1 < 100 && y > 0 && filled(x + 1, y - 1))
                ++p.SlashPairs;
            if (filled(x, y) && x + 1 < 100 && y + 1 < 100 && filled(x + 1, y + 1))
                ++p.BackslashPairs;
        }
        p.FilledPixels += row;
        p.FullRows += row == 100 ? 1 : 0;
    }
    for (int x = 0; x < 100; ++x) {
        int column = 0;
        for (int y = 0; y < 100; ++y)
            column += filled(x, y) ? 1 : 0;
        p.FullColumns += column == 100 ? 1 : 0;
    }
    // Nothing outside the square.
    EXPECT_EQ(image.pixel(99, 150), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(200, 150), qRgb(255, 255, 255));
    return p;
}

TEST(ShapeItem, FillStylesDrawTheHatchOfTheirStoredValue) {
    const TFillPattern solid = ShapeFill(0);
    EXPECT_EQ(solid.FilledPixels, 10000);
    EXPECT_EQ(ShapeFill(1).FilledPixels, 0); // clear

    const TFillPattern horizontal = ShapeFill(2); // caption "bsBDiagonal"
    EXPECT_GT(horizontal.FullRows, 5);
    EXPECT_EQ(horizontal.FullColumns, 0);
    const TFillPattern vertical = ShapeFill(3); // caption "bsFDiagonal"
    EXPECT_GT(vertical.FullColumns, 5);
    EXPECT_EQ(vertical.FullRows, 0);

    const TFillPattern forward = ShapeFill(4); // "/" lines
    EXPECT_EQ(forward.FullRows + forward.FullColumns, 0);
    EXPECT_GT(forward.SlashPairs, 500);
    EXPECT_EQ(forward.BackslashPairs, 0);
    const TFillPattern backward = ShapeFill(5); // "\" lines
    EXPECT_EQ(backward.FullRows + backward.FullColumns, 0);
    EXPECT_GT(backward.BackslashPairs, 500);
    EXPECT_EQ(backward.SlashPairs, 0);

    const TFillPattern cross = ShapeFill(6); // caption "bsHorizontal"
    EXPECT_GT(cross.FullRows, 5);
    EXPECT_GT(cross.FullColumns, 5);
    const TFillPattern diagonalCross = ShapeFill(7); // caption "bsVertical"
    EXPECT_EQ(diagonalCross.FullRows + diagonalCross.FullColumns, 0);
    EXPECT_GT(diagonalCross.SlashPairs, 500);
    EXPECT_GT(diagonalCross.BackslashPairs, 500);
}

class ShapeDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpPage(page, 100, 100, 1000, 1000); // 10 pixels a millimetre
        shape = page.AddItem<TPageItemShape>();
        shape->SetLeft(10);
        shape->SetTop(10);
        shape->SetWidth(30);
        shape->SetHeight(10);
    }
    TPage page;
    TPageItemShape* shape = nullptr;
};

TEST_F(ShapeDrawing, NewShapeIsABlackOutlinedWhiteRectangle) {
    EXPECT_EQ(shape->Name(), "Shape1");
    QImage image(1000, 1000, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255)); // a blue background shows the white fill
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    page.Canvas = &painter;
    for (int i = 0; i < page.ItemCount(); ++i)
        page.Item(i)->Draw();
    painter.end();
    page.Canvas = nullptr;
    EXPECT_EQ(image.pixel(100, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(399, 199), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(250, 100), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(101, 101), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(250, 150), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(400, 150), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(250, 200), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(102, 150), qRgb(255, 255, 255)); // one pixel wide
}

TEST_F(ShapeDrawing, LinesRunThroughTheMiddle) {
    shape->Property("Shape").SetInteger(ShapeHorizontalLine);
    QImage image = DrawPageImage(page);
    EXPECT_EQ(DarkPixels(image, 0, 150, 1000, 151), 301); // 100 to 400, end point included
    EXPECT_EQ(DarkPixels(image, 0, 0, 1000, 1000), 301);

    shape->Property("Shape").SetInteger(ShapeVerticalLine);
    image = DrawPageImage(page);
    EXPECT_EQ(DarkPixels(image, 250, 0, 251, 1000), 101);
    EXPECT_EQ(DarkPixels(image, 0, 0, 1000, 1000), 101);
}

TEST_F(ShapeDrawing, LineWidthIsInDevicePixelsAndInsideFrameStaysInside) {
    shape->Property("LineWidth").SetInteger(5);
    shape->Property("FillStyle").SetStyle(1);
    QImage image = DrawPageImage(page);
    EXPECT_EQ(DarkPixels(image, 250, 90, 251, 120), 5);
    EXPECT_GT(DarkPixels(image, 250, 90, 251, 100), 0); // centred on the edge: partly outside

    shape->Property("LineStyle").SetStyle(6);
    image = DrawPageImage(page);
    EXPECT_EQ(DarkPixels(image, 250, 90, 251, 120), 5);
    EXPECT_EQ(DarkPixels(image, 0, 0, 1000, 100), 0);
    EXPECT_EQ(DarkPixels(image, 0, 0, 100, 1000), 0);
    EXPECT_EQ(DarkPixels(image, 400, 0, 1000, 1000), 0);
    EXPECT_EQ(DarkPixels(image, 0, 200, 1000, 1000), 0);

    shape->Property("LineStyle").SetStyle(5);
    EXPECT_EQ(DarkPixels(DrawPageImage(page), 0, 0, 1000, 1000), 0); // clear pen and clear fill
}

TEST_F(ShapeDrawing, LeavesTheCanvasPenAndBrushAsItFoundThem) {
    shape->Property("LineColor").SetInteger(0x00FF00);
    shape->Property("LineWidth").SetInteger(7);
    shape->Property("FillStyle").SetStyle(6);
    QImage image(100, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    const QPen pen(QColor(1, 2, 3), 2, Qt::DashLine);
    const QBrush brush(QColor(4, 5, 6), Qt::Dense4Pattern);
    painter.setPen(pen);
    painter.setBrush(brush);
    page.Canvas = &painter;
    shape->Draw();
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush(), brush);
    page.Canvas = nullptr;
}

// ---------------------------------------------------------------------------
// Pictures

QImage Picture(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    return image;
}

TEST(GraphicItem, FitAndAlignment) {
    struct Case {
        int PictureW, PictureH, Aspect, Alignment;
        TDeviceRect Expected;
    };
    // Item device rectangle 100, 100 to 500, 500.
    const Case cases[] = {
        {200, 100, 0, 4, {100, 200, 500, 400}}, {200, 100, 0, 6, {100, 300, 500, 500}},
        {200, 100, 0, 0, {100, 100, 500, 300}}, {200, 100, 1, 6, {100, 100, 500, 500}},
        {100, 200, 0, 2, {300, 100, 500, 500}}, {100, 200, 0, 4, {200, 100, 400, 500}},
        {100, 100, 0, 8, {100, 100, 500, 500}},
    };
    for (const Case& c : cases) {
        TPage page;
        SetUpPage(page, 100, 100, 1000, 1000);
        auto* item = page.AddItem<TPageItemGraphic>();
        item->SetLeft(10);
        item->SetTop(10);
        item->SetWidth(40);
        item->SetHeight(40);
        TKorvGraphic graphic;
        graphic.LoadFromImage(Picture(c.PictureW, c.PictureH));
        item->Property("Graphic").SetGraphic(graphic);
        item->Property("AspectRatio").SetInteger(c.Aspect);
        item->Property("Alignment").SetInteger(c.Alignment);

        const TDeviceRect fit =
            FitPicture(item->DeviceRect(), QSize(c.PictureW, c.PictureH), c.Aspect == 0, c.Alignment);
        EXPECT_EQ(fit, c.Expected) << c.PictureW << "x" << c.PictureH << " alignment " << c.Alignment;

        // Every pixel of the expected rectangle is the picture's, none outside it.
        const QImage image = DrawPageImage(page);
        const TDeviceRect& r = c.Expected;
        int inside = 0, outside = 0;
        for (int y = 0; y < 1000; y += 1)
            for (int x = 0; x < 1000; x += 1) {
                const bool blue = image.pixel(x, y) == qRgb(0, 0, 255);
                const bool in = x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
                inside += in && blue ? 1 : 0;
                outside += !in && image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        EXPECT_EQ(inside, r.Width() * r.Height()) << c.PictureW << "x" << c.PictureH;
        EXPECT_EQ(outside, 0);
    }
}

TEST(GraphicItem, WithoutPictureDrawsNothingButThePlacingOutline) {
    TPage page;
    SetUpPage(page, 100, 100, 1000, 1000);
    auto* item = page.AddItem<TPageItemGraphic>();
    EXPECT_EQ(item->Name(), "Graphic1");
    item->SetWidth(40);
    item->SetHeight(40);
    EXPECT_EQ(DarkPixels(DrawPageImage(page), 0, 0, 1000, 1000), 0);
    item->Placing = true;
    EXPECT_GT(DarkPixels(DrawPageImage(page), 0, 0, 1000, 1000), 0);
    EXPECT_TRUE(item->Done);
}

// ---------------------------------------------------------------------------
// Charts (properties and pagination; what they draw: ChartRunTests and tests/charts)

TEST(ChartItem, PropertiesAndPageTypes) {
    TPage page;
    SetUpPage(page, 100, 100, 1000, 1000, PageTypeOpening);
    auto* chart = page.AddItem<TPageItemChartRun>();
    EXPECT_EQ(chart->Name(), "ChartRun1");
    EXPECT_EQ(PropertyNames(chart->Properties),
              "3D,Anchor,FontName,Grid,Height,Left,Name,ReadingsPerPage,ShowLegend,Top,Width");
    EXPECT_TRUE(chart->GetBoolean("3D"));
    EXPECT_TRUE(chart->GetBoolean("Grid"));
    EXPECT_TRUE(chart->GetBoolean("ShowLegend"));
    EXPECT_EQ(chart->GetInteger("ReadingsPerPage"), 20);
    EXPECT_EQ(chart->GetString("FontName"), "Arial");

    chart->SetWidth(40);
    chart->SetHeight(40);
    EXPECT_EQ(NonWhitePixels(DrawPageImage(page)), 0); // nothing on an opening page
    page.Property("PageType").SetInteger(PageTypeInner);
    EXPECT_GT(NonWhitePixels(DrawPageImage(page)), 0); // without a chart painter: the frame of its place

    chart->FirstReading = 7;
    TPage other;
    auto* copy = other.AddItem<TPageItemChartRun>();
    copy->Assign(*chart);
    EXPECT_EQ(copy->FirstReading, 7);
    copy->ResetPagination();
    EXPECT_EQ(copy->FirstReading, 0);
}

// ---------------------------------------------------------------------------
// Other devices

// The same page drawn onto vector devices: texts arrive as text, and the drawing
// runs to the end on each.
TEST(ItemDevices, TablesShapesAndPicturesDrawOnSvgAndPdf) {
    TPage page;
    SetUpPage(page, 127, 127, 1, 1);
    page.Batch.SpindleType = 7;
    FillReadings(page.Batch, 3);
    page.Batch.Measurements.EditItem(2)->Viscosity = 1.0e12;
    auto* table = page.AddItem<TPageItemReadings>();
    table->SetWidth(127);
    table->SetHeight(60);
    auto* shape = page.AddItem<TPageItemShape>();
    shape->SetTop(70);
    shape->SetWidth(50);
    shape->SetHeight(20);
    shape->Property("FillStyle").SetStyle(7);
    auto* graphic = page.AddItem<TPageItemGraphic>();
    graphic->SetTop(100);
    graphic->SetWidth(20);
    graphic->SetHeight(20);
    TKorvGraphic picture;
    picture.LoadFromImage(Picture(20, 10));
    graphic->Property("Graphic").SetGraphic(picture);

    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&svg);
        generator.setSize(QSize(500, 500));
        generator.setResolution(100);
        QPainter painter(&generator);
        page.Canvas = &painter;
        page.OutputRect = {0, 0, 500, 500};
        page.Draw();
        page.Canvas = nullptr;
    }
    const QByteArray svgText = svg.data();
    EXPECT_TRUE(svgText.contains("% Full Scale"));
    EXPECT_TRUE(svgText.contains("Over scale"));
    EXPECT_TRUE(svgText.contains("<image"));

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(1200);
        writer.setPageSize(QPageSize(QSizeF(127, 127), QPageSize::Millimeter));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter(&writer);
        const QRect r = painter.viewport();
        page.Canvas = &painter;
        page.OutputRect = {0, 0, r.width(), r.height()};
        page.Draw();
        page.Canvas = nullptr;
    }
    EXPECT_TRUE(pdf.data().startsWith("%PDF"));
    EXPECT_GT(pdf.data().size(), 2000);
}

// ---------------------------------------------------------------------------
// Stored form

TEST(ItemXml, EachItemKindSurvivesARoundTrip) {
    TPage page;
    auto* shape = page.AddItem<TPageItemShape>();
    shape->Property("FillStyle").SetStyle(6);
    shape->Property("LineStyle").SetStyle(3);
    shape->Property("LineColor").SetInteger(0x123456);
    shape->Property("Shape").SetInteger(ShapeVerticalLine);
    shape->Property("LineWidth").SetInteger(4);
    auto* graphic = page.AddItem<TPageItemGraphic>();
    TKorvGraphic picture;
    picture.LoadFromImage(Picture(7, 5));
    graphic->Property("Graphic").SetGraphic(picture);
    graphic->Property("AspectRatio").SetInteger(1);
    graphic->Property("Alignment").SetInteger(8);
    auto* table = page.AddItem<TPageItemReadings>();
    table->Property("ColumnWidthSheerRate").SetFloat(12.5);
    table->Property("RowsPerPage").SetInteger(33);
    table->Property("ShowColumnHeader").SetBoolean(false);
    table->Property("FontName").SetString("Courier New");
    table->Property("FontSize").SetInteger(11);
    table->SetName("Table & <Co>");
    auto* chart = page.AddItem<TPageItemChartRun>();
    chart->Property("3D").SetBoolean(false);
    chart->Property("ReadingsPerPage").SetInteger(7);
    chart->SetLeft(12.25);

    TGmXML doc;
    page.SaveToXml(doc.Nodes().Add("Page")->Children(), false);
    TGmXML reread;
    reread.LoadFromBytes(doc.SaveToBytes());
    TPage loaded;
    loaded.LoadFromXml(reread.Nodes().Find("Page").Children(), true, false);

    ASSERT_EQ(loaded.ItemCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const TPageItem* a = page.Item(i);
        const TPageItem* b = loaded.Item(i);
        EXPECT_EQ(a->TypeName(), b->TypeName());
        ASSERT_EQ(a->Properties.Count(), b->Properties.Count());
        for (int k = 0; k < a->Properties.Count(); ++k) {
            const TProperty* pa = a->Properties.Items(k);
            const TProperty* pb = b->Properties.Items(k);
            EXPECT_EQ(pa->Name, pb->Name);
            if (pa->Type == ptPicture)
                EXPECT_EQ(pa->GetBytes(), pb->GetBytes()) << pa->Name.toStdString();
            else
                EXPECT_EQ(pa->GetString() + QString::number(pa->GetFloat()),
                          pb->GetString() + QString::number(pb->GetFloat()))
                    << a->TypeName().toStdString() << " " << pa->Name.toStdString();
        }
    }
    EXPECT_EQ(dynamic_cast<TPageItemGraphic*>(loaded.Item(1))->Property("Graphic").GetGraphic().Width(), 7);
    EXPECT_EQ(loaded.Item(2)->Name(), "Table & <Co>");
}

TEST(ItemXml, ShapeIsStoredWithItsTypeAndDetailsInNameOrder) {
    TPage page;
    auto* shape = page.AddItem<TPageItemShape>();
    shape->SetLeft(10);
    shape->SetTop(10);
    shape->SetWidth(50);
    shape->SetHeight(20);
    page.AddItem<TPageItemMemo>(); // not selected: left out
    shape->Selected = true;
    TGmXML doc;
    page.SaveToXml(doc.Nodes(), true);
    EXPECT_TRUE(doc.Nodes().Find("Properties").IsMissing());
    EXPECT_EQ(doc.Nodes().Find("PageItems").Children().Count(), 1);
    const TGmXmlNode& item = doc.Nodes().Find("PageItems").Children().Find("PageItem");
    ASSERT_FALSE(item.IsMissing());
    EXPECT_EQ(item.Children().Find("PageItemType").GetText(), "TPageItemShape");
    QStringList details;
    for (const auto& node : item.Children().Find("PageItemDetails").Children())
        details << node->NameText() + "=" + node->GetText();
    EXPECT_EQ(details.join(" "), "Anchor=3 FillColor=16777215 FillStyle=0 Height=20 Left=10 LineColor=0 "
                                 "LineStyle=0 LineWidth=1 Name=Shape1 Shape=0 Top=10 Width=50");
}

TEST(ItemXml, GraphicPropertiesInNameOrder) {
    TPage page;
    auto* graphic = page.AddItem<TPageItemGraphic>();
    EXPECT_EQ(PropertyNames(graphic->Properties),
              "Alignment,Anchor,AspectRatio,Graphic,Height,Left,Name,Top,Width");
    EXPECT_EQ(graphic->Property("AspectRatio").DisplayText(), "True");
    EXPECT_EQ(graphic->GetInteger("AspectRatio"), 0);
    EXPECT_EQ(graphic->Property("Graphic").DisplayText(), "(None)");
}

} // namespace
