// The designer's operations on a page and its selection, and where the report list
// puts and moves pages, without any window.

#include "reports/Page.h"
#include "reports/PageEditing.h"
#include "reports/PageItemShape.h"
#include "reports/Report.h"
#include "support/FakePrinters.h"
#include "support/PlaceItem.h"

#include <gtest/gtest.h>

namespace {

void WithPageTypes(TReport& report, std::initializer_list<int> types) {
    for (const int type : types)
        report.AddPage()->Property(QStringLiteral("PageType")).SetInteger(type);
}

std::vector<int> PageTypes(const TReport& report) {
    std::vector<int> types;
    for (int i = 0; i < report.PageCount(); ++i)
        types.push_back(report.Page(i)->PageType());
    return types;
}

class PageEditingTest : public FakePrintersTest {};

} // namespace

TEST_F(PageEditingTest, AlignAndSameSizeFollowTheCurrentItem) {
    const struct {
        TItemAlign How;
        const char* Expected;
    } cases[] = {
        {TItemAlign::Left, "Shape1*(20,70,10,10) Shape2*(20,20,40,20)"},
        {TItemAlign::Right, "Shape1*(50,70,10,10) Shape2*(20,20,40,20)"},
        {TItemAlign::Top, "Shape1*(100,20,10,10) Shape2*(20,20,40,20)"},
        {TItemAlign::Bottom, "Shape1*(100,30,10,10) Shape2*(20,20,40,20)"},
        {TItemAlign::HorizontalCentre, "Shape1*(35,70,10,10) Shape2*(20,20,40,20)"},
        {TItemAlign::VerticalCentre, "Shape1*(100,25,10,10) Shape2*(20,20,40,20)"},
        {TItemAlign::SameWidth, "Shape1*(100,70,40,10) Shape2*(20,20,40,20)"},
        {TItemAlign::SameHeight, "Shape1*(100,70,10,20) Shape2*(20,20,40,20)"},
    };
    for (const auto& c : cases) {
        TPage page;
        TPageItem* other = Place<TPageItemShape>(page, 100, 70, 10, 10);
        TPageItem* current = Place<TPageItemShape>(page, 20, 20, 40, 20);
        page.SetSelected(other, true);
        page.SetSelected(current, true);
        AlignSelected(page, c.How);
        EXPECT_EQ(DescribeItems(page), QLatin1String(c.Expected)) << static_cast<int>(c.How);

        // Done twice, nothing moves: the page stays unmodified.
        page.ClearModified();
        AlignSelected(page, c.How);
        EXPECT_FALSE(page.IsModified()) << static_cast<int>(c.How);
    }
}

TEST_F(PageEditingTest, OperationsThatFindNothingToDoLeaveThePageUnmodified) {
    TPage page;
    Place<TPageItemShape>(page, 10, 10, 5, 5);
    TPageItem* back = page.Item(0);
    Place<TPageItemShape>(page, 20, 10, 5, 5);
    page.SetSelected(back, true);
    page.ClearModified();
    SendSelectedToBack(page);
    MoveSelectedBy(page, 0, 0);
    MoveSelectedTo(page, 2, true);         // off the page
    AlignSelected(page, TItemAlign::Left); // one selected: no reference to follow
    EXPECT_FALSE(page.IsModified());
    EXPECT_EQ(DescribeItems(page), QStringLiteral("Shape1*(10,10,5,5) Shape2(20,10,5,5)"));

    BringSelectedToFront(page);
    EXPECT_TRUE(page.IsModified());
    EXPECT_EQ(DescribeItems(page), QStringLiteral("Shape2(20,10,5,5) Shape1*(10,10,5,5)"));
}

TEST_F(PageEditingTest, ItemsPasteFromAPageDocumentAndNothingElse) {
    TPage source;
    Place<TPageItemShape>(source, 10, 20, 30, 40);
    Place<TPageItemShape>(source, 50, 60, 70, 80);
    source.SetSelected(source.Item(1), true);
    const QByteArray copied = PageDocument(source, true);

    TPage target;
    Place<TPageItemShape>(target, 0, 0, 5, 5);
    target.ClearModified();
    for (const QByteArray& junk : {QByteArray(), QByteArray("<Other/>"), QByteArray("plain text")}) {
        EXPECT_FALSE(IsPageDocument(junk)) << junk.constData();
        EXPECT_FALSE(PasteItems(target, junk)) << junk.constData();
    }
    EXPECT_FALSE(target.IsModified());

    ASSERT_TRUE(PasteItems(target, copied));
    EXPECT_EQ(DescribeItems(target), QStringLiteral("Shape1(0,0,5,5) Shape2*(50,60,70,80)"));
}

TEST_F(PageEditingTest, PagesKeepTheOrderOfTheirTypes) {
    const int O = PageTypeOpening, I = PageTypeInner, C = PageTypeClosing;
    TReport report;
    EXPECT_EQ(NewPagePosition(report, I), 0);
    WithPageTypes(report, {O, I, I, C});
    EXPECT_EQ(NewPagePosition(report, O), 1);
    EXPECT_EQ(NewPagePosition(report, I), 3);
    EXPECT_EQ(NewPagePosition(report, C), 4);

    const struct {
        int From, To;
        bool Can;
    } moves[] = {
        {1, 2, true},  {2, 1, true},  {1, 1, false},  {0, 1, false},
        {3, 2, false}, {2, 4, false}, {-1, 0, false},
    };
    for (const auto& m : moves)
        EXPECT_EQ(CanMovePage(report, m.From, m.To), m.Can) << m.From << " to " << m.To;

    // A pasted page, whatever its type, lands after the last opening page.
    TPage closing;
    closing.Property(QStringLiteral("PageType")).SetInteger(C);
    EXPECT_EQ(PastePage(report, PageDocument(closing, false)), 1);
    EXPECT_EQ(PageTypes(report), (std::vector<int>{O, C, I, I, C}));
    EXPECT_EQ(PastePage(report, QByteArray("<Report/>")), -1);
    EXPECT_EQ(report.PageCount(), 5);
}
