// The scrolling designer's zoom arithmetic and the rulers beside it.

#include "DesignerSupport.h"

#include "catalogue/Catalogue.h"
#include "ui/PageDesigner.h"
#include "ui/PageRuler.h"

#include <QScrollBar>
#include <QStyle>

#include <gtest/gtest.h>

TEST(DesignerZoom, EditorSizeForEachZoomType) {
    const struct {
        TZoomType Type;
        double Value;
        int Cw, Ch;
        double PageWidth, PageHeight;
        QSize Expected;
    } cases[] = {
        {TZoomType::ztPageWidth, 1.0, 1000, 700, 210, 297, {1000, 1414}}, // 1414.28 truncated
        {TZoomType::ztFullPage, 1.0, 1000, 700, 210, 297, {1000, 700}},
        {TZoomType::ztPercentage, 1.0, 1000, 700, 210, 297, {1000, 1414}}, // 100% is the page width
        {TZoomType::ztPercentage, 2.0, 1000, 700, 210, 297, {2000, 2828}},
        {TZoomType::ztPercentage, 0.75, 999, 700, 210, 297, {749, 1059}}, // 749.25 and 1059.65
        {TZoomType::ztPercentage, 0.1, 1000, 700, 297, 210, {100, 70}},
        {TZoomType::ztPageWidth, 1.0, 1000, 700, 0, 297, {1000, 0}},
        {TZoomType::ztFullPage, 1.0, -5, 700, 210, 297, {0, 700}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TPageDesigner::EditorSizeFor(c.Type, c.Value, c.Cw, c.Ch, c.PageWidth, c.PageHeight),
                  c.Expected)
            << static_cast<int>(c.Type) << " " << c.Value << " " << c.Cw;
    }
}

TEST(DesignerZoom, ScrollPositionAfterAZoomChange) {
    const struct {
        int Position, Range, Visible;
        double Ratio;
        int Expected;
    } cases[] = {
        {100, 1000, 400, 2.0, 267}, // f = (2000 - 400) / 600
        {100, 1000, 400, 0.5, 17},  // f = (500 - 400) / 600
        {600, 1000, 400, 0.25, 0},  // the page no longer fills the view: f < 0 clamps to the start
        {0, 1000, 400, 3.0, 0},     // at the start stays there
        {50, 400, 400, 2.0, 0},     // nothing was scrolled: f = 0
        {50, 400, 399, 2.0, 20050}, // one pixel of range is enough
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TPageDesigner::ScrolledPosition(c.Position, c.Range, c.Visible, c.Ratio), c.Expected)
            << c.Position << " " << c.Range << " " << c.Visible << " " << c.Ratio;
    }
}

class DesignerTest : public FakePrintersTest {
protected:
    void SetUp() override {
        FakePrintersTest::SetUp();
        Editor = new TPageEditor;
        Editor->SetPage(TPage());
        Designer.SetPageEditor(Editor);
        Designer.SetTopRuler(&Top);
        Designer.SetLeftRuler(&Left);
        Designer.resize(kEditorWidth, kEditorHeight);
        Designer.show();
        Top.show();
        Left.show();
    }

    TPageDesigner Designer;
    TPageEditor* Editor = nullptr; // owned by the designer
    TPageRuler Top{TRulerType::rtHorizontal};
    TPageRuler Left{TRulerType::rtVertical};
};

TEST_F(DesignerTest, ZoomSizesTheEditorForTheSpaceThereIs) {
    const int bar = Designer.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &Designer);
    Designer.SetZoomType(TZoomType::ztFullPage);
    EXPECT_EQ(Editor->size(), QSize(kEditorWidth, kEditorHeight));
    EXPECT_FALSE(Designer.verticalScrollBar()->isVisible());
    // Full page in 460 x 640 is the 2 pixels per millimetre of the other tests.
    EXPECT_EQ(Editor->Page().OutputRect, (TDeviceRect{20, 20, 440, 614}));

    // Page width: the page is taller than the view, so a vertical bar takes its room.
    Designer.SetZoomType(TZoomType::ztPageWidth);
    const int cw = kEditorWidth - bar;
    EXPECT_EQ(Editor->size(), QSize(cw, static_cast<int>(297.0 * cw / 210.0)));
    EXPECT_EQ(Editor->width(), Designer.viewport()->width());
    EXPECT_EQ(Designer.horizontalScrollBar()->maximum(), 0);

    Designer.SetZoom(TZoomType::ztPercentage, 2.0);
    EXPECT_EQ(Editor->size(), QSize(2 * cw, static_cast<int>(297.0 * cw / 210.0 * 2.0)));
    EXPECT_GT(Designer.horizontalScrollBar()->maximum(), 0);
}

TEST_F(DesignerTest, AZoomChangeKeepsTheViewOnTheSamePartOfThePage) {
    Designer.SetZoom(TZoomType::ztPercentage, 2.0);
    QScrollBar* vertical = Designer.verticalScrollBar();
    QScrollBar* horizontal = Designer.horizontalScrollBar();
    vertical->setValue(500);
    horizontal->setValue(100);
    const int height = Editor->height();
    const int width = Editor->width();
    const int shownHeight = Designer.viewport()->height();
    const int shownWidth = Designer.viewport()->width();

    Designer.SetZoomValue(1.5);
    const double ratio = 0.75;
    const auto expected = [&](int position, int range, int visible) {
        const double f = (range * ratio - visible) / (range - visible);
        return static_cast<int>(RoundHalfUp(position * f));
    };
    EXPECT_EQ(vertical->value(), expected(500, height, shownHeight));
    EXPECT_EQ(horizontal->value(), expected(100, width, shownWidth));
    EXPECT_EQ(Designer.ZoomValue(), 1.5);
}

TEST(RulerMarks, SubdivisionAndLabelInterval) {
    const struct {
        int G;
        int Subdivision;
    } subdivisions[] = {{40, 10}, {30, 10}, {29, 5}, {15, 5}, {14, 2},
                        {6, 2},   {5, 1},   {3, 1},  {2, 1},  {0, 1}};
    for (const auto& c : subdivisions)
        EXPECT_EQ(TPageRuler::Subdivision(c.G), c.Subdivision) << c.G;
    EXPECT_EQ(TPageRuler::LabelInterval(40, 25), 10); // a label on every grid line
    EXPECT_EQ(TPageRuler::LabelInterval(20, 45), 15); // s = 5, and 45 / 20 + 1 lines apart
    EXPECT_EQ(TPageRuler::LabelInterval(100, 99), 10);
}

TEST_F(DesignerTest, RulerMarksFollowTheGridSpacingAndTheScrolling) {
    Designer.SetZoomType(TZoomType::ztFullPage);
    // 10 mm are 20 pixels: five subdivisions of 2 mm.
    const std::vector<TPageRuler::TMark> marks = Top.Marks();
    ASSERT_EQ(marks.size(), 106u); // 0, 2, ... 210
    EXPECT_EQ(marks.front().Millimetres, 0.0);
    EXPECT_EQ(marks.back().Millimetres, 210.0);
    EXPECT_EQ(marks.front().Kind, TPageRuler::TMarkKind::Label);
    // Top ruler and editor start at the same x here: marks sit on the page's pixels.
    const int offset = Editor->mapTo(Editor->window(), QPoint()).x() - Top.mapTo(Top.window(), QPoint()).x();
    EXPECT_EQ(marks[3].Pixel, offset + 20 + 12);
    int labels = 0;
    for (size_t k = 0; k < marks.size(); ++k) {
        if (k % 5 != 0)
            EXPECT_EQ(marks[k].Kind, TPageRuler::TMarkKind::Minor) << k;
        else if (marks[k].Kind == TPageRuler::TMarkKind::Label)
            ++labels;
        else
            EXPECT_EQ(marks[k].Kind, TPageRuler::TMarkKind::Major) << k;
    }
    EXPECT_GT(labels, 1);
    EXPECT_EQ(Left.Marks().back().Millimetres, 296.0); // 2 mm steps up to and including 297

    // Inches: a grid step is 25.4 mm, 50 pixels, in tenths.
    SetReportUnits(1);
    Editor->SetGridSpacing(GridStepMM());
    const std::vector<TPageRuler::TMark> inches = Top.Marks();
    ASSERT_EQ(inches.size(), 83u); // 0, 0.1 in ... 8.2 in
    EXPECT_NEAR(inches[10].Millimetres, 25.4, 1e-9);

    // Scrolled 100 pixels to the right, every mark moves 100 pixels left.
    SetReportUnits(0);
    Editor->SetGridSpacing(GridStepMM());
    Designer.SetZoom(TZoomType::ztPercentage, 5.0);
    const int before = Top.Marks()[1].Pixel;
    Designer.horizontalScrollBar()->setValue(100);
    EXPECT_EQ(Top.Marks()[1].Pixel, before - 100);
}

TEST_F(DesignerTest, NoGridSpacingNoMarks) {
    Editor->SetGridSpacing(0.0);
    EXPECT_TRUE(Top.Marks().empty());
    EXPECT_TRUE(Left.Marks().empty());
}
