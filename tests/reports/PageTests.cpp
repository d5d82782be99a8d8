// Pages: paper, orientation and size reactions, re-anchoring, item names, hit testing,
// selection, modified state, copying and the page XML.

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "reports/Page.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemShape.h"
#include "support/FakePrinters.h"
#include "xml/GmXml.h"

#include "ReportTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// No printer and millimetres unless a test says otherwise.
class PageTest : public FakePrintersTest {
protected:
    void UseLetterPrinter() {
        Printers.Installed = {"Letter printer"};
        Printers.Paper = {5100, 6600, 600, 600}; // 8.5 x 11 inches
    }
};

TPageItem* AddItem(TPage& page, double left, double top, double width, double height, int anchor = 3) {
    auto* item = page.AddItem<TPageItemMemo>();
    item->SetLeft(left);
    item->SetTop(top);
    item->SetWidth(width);
    item->SetHeight(height);
    item->Property("Anchor").SetInteger(anchor);
    return item;
}

QString Names(const TPage& page) {
    QStringList names;
    for (int i = 0; i < page.ItemCount(); ++i)
        names << page.Item(i)->Name();
    return names.join(',');
}

// ---------------------------------------------------------------------------
// Defaults, paper and orientation

TEST_F(PageTest, NewPageTakesTheDefaultPaperOfTheUnits) {
    TPage a4;
    EXPECT_EQ(a4.PaperSize(), 1);
    EXPECT_EQ(a4.PageOrientation(), 0);
    EXPECT_EQ(a4.PageType(), 0);
    EXPECT_DOUBLE_EQ(a4.PageWidth(), 210.0);
    EXPECT_DOUBLE_EQ(a4.PageHeight(), 297.0);
    EXPECT_EQ(a4.PageNumber, 1);

    SetReportUnits(1);
    TPage letter;
    EXPECT_DOUBLE_EQ(letter.PageWidth(), 215.9);
    EXPECT_DOUBLE_EQ(letter.PageHeight(), 279.4);

    EXPECT_EQ(PropertyNames(a4.Properties), "PageWidth,PageHeight,PageType,PageOrientation,PaperSize");
}

TEST_F(PageTest, NewPageFollowsALandscapePrinter) {
    UseLetterPrinter();
    Printers.Orientation = 1;
    Printers.Paper = {6600, 5100, 600, 600};
    TPage page;
    EXPECT_EQ(page.EffectiveOrientation(), 2);
    EXPECT_NEAR(page.PageWidth(), 279.4, 1e-9);
    EXPECT_NEAR(page.PageHeight(), 215.9, 1e-9);
}

TEST_F(PageTest, PaperAndOrientationReactions) {
    TPage page;
    page.Property("PageOrientation").SetInteger(1);
    page.Property("PaperSize").SetInteger(9);
    EXPECT_DOUBLE_EQ(page.PageWidth(), 279.4);
    EXPECT_DOUBLE_EQ(page.PageHeight(), 431.8);
    page.Property("PageOrientation").SetInteger(2);
    EXPECT_DOUBLE_EQ(page.PageWidth(), 431.8);
    EXPECT_DOUBLE_EQ(page.PageHeight(), 279.4);
    EXPECT_FALSE(page.Updating);

    // Every paper of the table in both orientations.
    for (int paper = 2; paper < PaperSizeCount; ++paper) {
        for (int orientation : {1, 2}) {
            page.Property("PageOrientation").SetInteger(orientation);
            page.Property("PaperSize").SetInteger(paper);
            double w = PaperSizes[paper].Width / 10.0;
            double h = PaperSizes[paper].Height / 10.0;
            if (orientation == 2)
                std::swap(w, h);
            EXPECT_DOUBLE_EQ(page.PageWidth(), w) << paper << " " << orientation;
            EXPECT_DOUBLE_EQ(page.PageHeight(), h) << paper << " " << orientation;
        }
    }
}

TEST_F(PageTest, CustomPaperExchangesItsSidesWithTheOrientation) {
    TPage page;
    page.Property("PageOrientation").SetInteger(1);
    page.Property("PaperSize").SetInteger(0);
    page.Property("PageWidth").SetFloat(100.0);
    page.Property("PageHeight").SetFloat(150.0);
    EXPECT_EQ(page.PaperSize(), 0);
    page.Property("PageOrientation").SetInteger(2);
    EXPECT_DOUBLE_EQ(page.PageWidth(), 150.0);
    EXPECT_DOUBLE_EQ(page.PageHeight(), 100.0);
    EXPECT_EQ(page.PaperSize(), 0);
    // Default means portrait without a printer: no exchange from landscape... back.
    page.Property("PageOrientation").SetInteger(0);
    EXPECT_DOUBLE_EQ(page.PageWidth(), 100.0);
    EXPECT_DOUBLE_EQ(page.PageHeight(), 150.0);
    // Portrait after Default (portrait) changes nothing.
    page.Property("PageOrientation").SetInteger(1);
    EXPECT_DOUBLE_EQ(page.PageWidth(), 100.0);
}

TEST_F(PageTest, TypedSizeOfAStandardPaperBecomesThatPaperInThePageOrientation) {
    TPage page;
    page.Property("PageOrientation").SetInteger(1);
    page.Property("PageWidth").SetDisplayText("297");
    EXPECT_EQ(page.PaperSize(), 0);
    EXPECT_DOUBLE_EQ(page.PageHeight(), 297.0);
    page.Property("PageHeight").SetDisplayText("210");
    EXPECT_EQ(page.PaperSize(), 4);
    EXPECT_DOUBLE_EQ(page.PageWidth(), 210.0);
    EXPECT_DOUBLE_EQ(page.PageHeight(), 297.0);
}

TEST_F(PageTest, InvalidOrientationFailsAndLeavesTheSize) {
    TPage page;
    TGmXML doc;
    TGmXmlNodeList& props = doc.Nodes().Add("Properties")->Children();
    props.Add("PageOrientation")->SetInteger(7);
    props.Add("PaperSize")->SetInteger(4);
    try {
        page.LoadFromXml(doc.Nodes(), true, false);
        FAIL() << "no error";
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Invalid Page Orientation");
    }
    EXPECT_FALSE(page.Updating);
    EXPECT_DOUBLE_EQ(page.PageWidth(), 210.0);
    EXPECT_DOUBLE_EQ(page.PageHeight(), 297.0);
}

TEST_F(PageTest, LoadingADefaultPaperPageTakesThePrinterPaperAndMovesAnchoredItems) {
    TPage source;
    AddItem(source, 150, 200, 40, 20, AnchorRight | AnchorBottom);
    AddItem(source, 10, 10, 40, 20);
    TGmXML doc;
    source.SaveToXml(doc.Nodes(), false);

    UseLetterPrinter();
    TPage page;
    page.LoadFromXml(doc.Nodes(), true, false);
    EXPECT_NEAR(page.PageWidth(), 215.9, 1e-9);
    EXPECT_NEAR(page.PageHeight(), 279.4, 1e-9);
    EXPECT_NEAR(page.Item(0)->Left(), 155.9, 1e-9);
    EXPECT_NEAR(page.Item(0)->Top(), 182.4, 1e-9);
    EXPECT_DOUBLE_EQ(page.Item(0)->Width(), 40.0);
    EXPECT_DOUBLE_EQ(page.Item(1)->Left(), 10.0);
    EXPECT_DOUBLE_EQ(page.Item(1)->Top(), 10.0);
}

// ---------------------------------------------------------------------------
// Re-anchoring

TEST_F(PageTest, ItemsFollowTheirAnchorsWhenThePageGrows) {
    struct Case {
        int anchor;
        double left, width, top, height;
    };
    // The page grows from 210 x 297 to 297 x 420 (A3).
    const Case cases[] = {
        {AnchorRight, 237, 40, 100, 20},                            // right only: moves
        {AnchorLeft | AnchorRight, 150, 127, 100, 20},              // both: stretches
        {0, 150, 40, 100, 20},                                      // neither: stays
        {AnchorLeft | AnchorTop, 150, 40, 100, 20},                 // default: stays
        {AnchorBottom, 150, 40, 223, 20},                           // bottom only
        {AnchorTop | AnchorBottom | AnchorLeft, 150, 40, 100, 143}, // top and bottom
        {AnchorLeft | AnchorTop | AnchorRight | AnchorBottom, 150, 127, 100, 143},
    };
    for (const Case& c : cases) {
        TPage page;
        page.Property("PageOrientation").SetInteger(1);
        TPageItem* item = AddItem(page, 150, 100, 40, 20, c.anchor);
        page.Property("PaperSize").SetInteger(3);
        EXPECT_DOUBLE_EQ(item->Left(), c.left) << c.anchor;
        EXPECT_DOUBLE_EQ(item->Width(), c.width) << c.anchor;
        EXPECT_DOUBLE_EQ(item->Top(), c.top) << c.anchor;
        EXPECT_DOUBLE_EQ(item->Height(), c.height) << c.anchor;
    }
}

TEST_F(PageTest, CopyingAndLoadingDoNotReanchor) {
    TPage source;
    source.Property("PaperSize").SetInteger(0);
    source.Property("PageWidth").SetFloat(300.0);
    AddItem(source, 150, 100, 40, 20, AnchorRight);
    TPage copy;
    copy.Assign(source);
    EXPECT_DOUBLE_EQ(copy.PageWidth(), 300.0);
    EXPECT_DOUBLE_EQ(copy.Item(0)->Left(), 150.0);
    EXPECT_FALSE(copy.IsModified());
}

// ---------------------------------------------------------------------------
// Names

TEST_F(PageTest, DefaultNamesTakeTheFirstFreeNumber) {
    TPage page;
    for (int i = 0; i < 5; ++i)
        page.AddItem<TPageItemMemo>();
    EXPECT_EQ(Names(page), "Memo1,Memo2,Memo3,Memo4,Memo5");
    EXPECT_EQ(page.AddItem<TPageItemMemo>()->Name(), "Memo6");
    page.DeleteItem(1);
    auto* memo = page.AddItem<TPageItemMemo>();
    EXPECT_EQ(memo->Name(), "Memo2");
    EXPECT_EQ(memo->GetString("Text"), "Memo2");
    EXPECT_EQ(page.IndexOfItemName("Memo2"), page.ItemCount() - 1);
    EXPECT_EQ(page.IndexOfItemName("memo2"), -1);
    EXPECT_EQ(page.AddItem<TPageItem>()->Name(), "PageItem1");
}

TEST_F(PageTest, RenamingToANameInUseIsRefused) {
    TPage page;
    TPageItem* first = page.AddItem<TPageItemMemo>();
    TPageItem* second = page.AddItem<TPageItemMemo>();
    try {
        second->Property("Name").SetDisplayText("Memo1");
        FAIL() << "no error";
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Item name already in use.");
    }
    EXPECT_EQ(second->Name(), "Memo2");
    second->SetName("memo1"); // case matters
    EXPECT_EQ(second->Name(), "memo1");
    first->SetName("Memo1"); // its own name
    EXPECT_EQ(first->Name(), "Memo1");
}

TEST_F(PageTest, TooManyDefaultNames) {
    TPage page;
    for (int i = 1; i <= 999; ++i) {
        TPageItem* item = page.AddItem<TPageItem>();
        item->SetName(QStringLiteral("Memo%1").arg(i));
    }
    const int count = page.ItemCount();
    try {
        page.AddItem<TPageItemMemo>();
        FAIL() << "no error";
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Too many items, please rename some.");
    }
    EXPECT_EQ(page.ItemCount(), count); // the failed item is not left on the page
}

TEST_F(PageTest, PastedItemsKeepTheirNamesUnlessTaken) {
    TPage page;
    TPageItem* shape = page.AddItem<TPageItemShape>();
    page.SetSelected(shape, true);
    TGmXML clip;
    page.SaveToXml(clip.Nodes(), true);

    page.LoadFromXml(clip.Nodes(), false, true);
    ASSERT_EQ(page.ItemCount(), 2);
    EXPECT_EQ(Names(page), "Shape1,Shape2");
    EXPECT_FALSE(page.Item(0)->Selected);
    EXPECT_TRUE(page.Item(1)->Selected);

    TPage other;
    other.LoadFromXml(clip.Nodes(), false, true);
    EXPECT_EQ(Names(other), "Shape1");
}

TEST_F(PageTest, NegativeSizesAreStoredAsZero) {
    TPage page;
    TPageItem* item = page.AddItem<TPageItemMemo>();
    item->Property("Width").SetDisplayText("-5");
    item->SetHeight(-1.0);
    item->SetLeft(-3.0); // positions may be negative
    EXPECT_DOUBLE_EQ(item->Width(), 0.0);
    EXPECT_DOUBLE_EQ(item->Height(), 0.0);
    EXPECT_DOUBLE_EQ(item->Left(), -3.0);
}

TEST_F(PageTest, BaseItemPropertiesAndAnchorCaptions) {
    TPage page;
    TPageItem* item = page.AddItem<TPageItem>();
    EXPECT_EQ(PropertyNames(item->Properties), "Anchor,Height,Left,Name,Top,Width");
    const TProperty& anchor = item->Property("Anchor");
    ASSERT_EQ(anchor.Choices.size(), 16);
    EXPECT_EQ(anchor.Choices[0], "[]");
    EXPECT_EQ(anchor.Choices[3], "[Left,Top]");
    EXPECT_EQ(anchor.Choices[12], "[Right,Bottom]");
    EXPECT_EQ(anchor.Choices[15], "[Left,Top,Right,Bottom]");
    EXPECT_EQ(anchor.DisplayText(), "[Left,Top]");
}

// ---------------------------------------------------------------------------
// Mapping, hit testing, selection

TEST_F(PageTest, MillimetresMapOntoTheOutputRectByTruncation) {
    TPage page; // 210 x 297
    page.OutputRect = {-10, -20, 200, 277};
    EXPECT_EQ(page.MMToDeviceX(0), -10);
    EXPECT_EQ(page.MMToDeviceX(105), 95);
    EXPECT_EQ(page.MMToDeviceX(1.99), -9); // 1.99 mm = 1.99 px, truncated
    EXPECT_EQ(page.MMToDeviceY(297), 277);
    EXPECT_EQ(page.LengthToDeviceX(10.5), 10);
    EXPECT_EQ(page.MMToDeviceRect(10.5, 20.7, 5.2, 3.4), (TDeviceRect{0, 0, 5, 4}));
    EXPECT_DOUBLE_EQ(page.DeviceToMMX(95), 105.0);
    EXPECT_DOUBLE_EQ(page.DeviceToMMY(-20), 0.0);
    EXPECT_DOUBLE_EQ(page.DevicePixelsPerInch(), 25.4);
}

TEST_F(PageTest, HitTestHandles) {
    TPage page;
    page.OutputRect = {0, 0, 210, 297}; // one pixel per millimetre
    TPageItem* item = AddItem(page, 10, 10, 40, 40);
    struct Case {
        int x, y, flags;
    };
    const Case cases[] = {
        {10, 10, HitLeft | HitTop},
        {30, 30, HitInside},
        {50, 50, HitRight | HitBottom},
        {16, 30, HitLeft},
        {17, 30, HitInside},
        {30, 16, HitTop},
        {44, 30, HitRight},
        {30, 44, HitBottom},
        {9, 30, 0},
        {51, 30, 0},
        {30, 51, 0},
        {10, 50, HitLeft | HitBottom},
    };
    for (const Case& c : cases)
        EXPECT_EQ(item->HitTestHandles(c.x, c.y), c.flags) << c.x << "," << c.y;

    TPageItem* narrow = AddItem(page, 100, 100, 10, 40);
    for (int x = 99; x <= 111; ++x)
        for (int y = 99; y <= 141; ++y)
            EXPECT_NE(narrow->HitTestHandles(x, y), HitInside);
    EXPECT_EQ(narrow->HitTestHandles(105, 120), HitLeft | HitRight);

    EXPECT_TRUE(item->HitTest(10, 10));
    EXPECT_TRUE(item->HitTest(50, 49.9));
    EXPECT_FALSE(item->HitTest(50, 50));
}

TEST_F(PageTest, ItemAtPointFindsTheTopmost) {
    TPage page;
    page.OutputRect = {0, 0, 210, 297};
    AddItem(page, 10, 10, 40, 40);
    AddItem(page, 30, 30, 40, 40);
    EXPECT_EQ(page.ItemAtPoint(40, 40), 1);
    EXPECT_EQ(page.ItemAtPoint(15, 15), 0);
    EXPECT_EQ(page.ItemAtPoint(100, 100), -1);
    page.MoveItem(1, 0);
    EXPECT_EQ(page.ItemAtPoint(40, 40), 1);
    EXPECT_EQ(Names(page), "Memo2,Memo1");
}

TEST_F(PageTest, SelectionOrder) {
    TPage page;
    TPageItem* a = page.AddItem<TPageItemMemo>();
    TPageItem* b = page.AddItem<TPageItemMemo>();
    TPageItem* c = page.AddItem<TPageItemMemo>();
    EXPECT_EQ(page.LastSelected(), nullptr);
    page.SetSelected(c, true);
    page.SetSelected(a, true);
    EXPECT_EQ(a->SelectOrder, 2);
    EXPECT_EQ(page.LastSelected(), a);
    page.SetSelected(c, false);
    page.SetSelected(b, true); // count 2 again: ties with a, the earlier item wins
    EXPECT_EQ(page.LastSelected(), a);
    page.SelectOnly(b);
    EXPECT_EQ(page.SelectedCount(), 1);
    EXPECT_EQ(page.LastSelected(), b);
    page.SelectOnly(nullptr);
    EXPECT_EQ(page.SelectedCount(), 0);

    a->SetLeft(7.0);
    page.StoreDragOrigins();
    EXPECT_DOUBLE_EQ(a->DragLeft, 7.0);
}

TEST_F(PageTest, PaginationHooks) {
    TPage page;
    EXPECT_TRUE(page.AllItemsDone());
    TPageItem* item = page.AddItem<TPageItemMemo>();
    page.ResetItems();
    EXPECT_FALSE(page.AllItemsDone());
    page.AdvanceItems();
    EXPECT_TRUE(item->Done);
}

// ---------------------------------------------------------------------------
// Modified state and copying

TEST_F(PageTest, ModifiedState) {
    TPage page;
    TPageItem* item = page.AddItem<TPageItemMemo>();
    page.ClearModified();
    EXPECT_FALSE(page.IsModified());
    item->SetLeft(1.0);
    EXPECT_TRUE(page.IsModified());
    page.ClearModified();
    page.SetShowGrid(true);
    EXPECT_TRUE(page.IsModified());
    page.ClearModified();
    page.DeleteItem(0);
    EXPECT_TRUE(page.IsModified());
    page.ClearModified();
    page.Property("PageType").SetInteger(1);
    EXPECT_TRUE(page.IsModified());
}

TEST_F(PageTest, AssignCopiesEverythingAndRefusesOtherObjects) {
    TPage source;
    source.PageNumber = 4;
    source.Property("PageType").SetInteger(1);
    source.Batch.Company = "Acme";
    TPageItem* memo = AddItem(source, 5, 6, 7, 8);
    memo->Property("Text").SetString("Hello");
    memo->SetName("Greeting");
    source.AddItem<TPageItemShape>();

    TPage copy;
    copy.AddItem<TPageItemMemo>();
    copy.Assign(source);
    EXPECT_EQ(copy.PageNumber, 4);
    EXPECT_EQ(copy.PageType(), 1);
    EXPECT_EQ(copy.Batch.Company, "Acme");
    EXPECT_EQ(copy.Batch.Measurements.Count(), 60);
    ASSERT_EQ(copy.ItemCount(), 2);
    EXPECT_EQ(copy.Item(0)->TypeName(), "TPageItemMemo");
    EXPECT_EQ(copy.Item(0)->Name(), "Greeting");
    EXPECT_EQ(copy.Item(0)->GetString("Text"), "Hello");
    EXPECT_EQ(copy.Item(1)->TypeName(), "TPageItemShape");
    EXPECT_FALSE(copy.IsModified());

    TBatchItem batch;
    try {
        copy.Assign(batch);
        FAIL() << "no error";
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign object to Page object");
    }
    EXPECT_EQ(copy.ItemCount(), 2);
}

TEST_F(PageTest, ExampleBatch) {
    TPage page;
    const TBatchItem& b = page.Batch;
    EXPECT_EQ(b.FileTitle, "Example Batch");
    EXPECT_EQ(b.Company, "Korvane Instruments");
    EXPECT_EQ(b.Operator, "T. Tester");
    EXPECT_EQ(b.SpindleType, 7);
    EXPECT_EQ(b.SelectedYAxis, "0,1,2,3,4,5");
    ASSERT_EQ(b.Measurements.Count(), 60);
    const TMeasurementItem* m = b.Measurements.Items(59);
    EXPECT_DOUBLE_EQ(m->DateTime, 38730.0 + (59 * 60 + 4.012) / 86400.0);
    EXPECT_DOUBLE_EQ(m->Viscosity, std::sin(59 / 99.0) * 1000.0);
    EXPECT_EQ(m->RPMCode, 5);
    EXPECT_DOUBLE_EQ(m->SheerRate, std::cos(9 / 99.0) * 2.0);
}

TEST_F(PageTest, UnknownItemTypeFailsAfterTheItemsBeforeIt) {
    TGmXML doc;
    TGmXmlNodeList& props = doc.Nodes().Add("Properties")->Children();
    props.Add("PageType")->SetInteger(2);
    TGmXmlNodeList& items = doc.Nodes().Add("PageItems")->Children();
    items.Add("PageItem")->Children().Add("PageItemType")->SetText("TPageItemMemo");
    items.Add("PageItem")->Children().Add("PageItemType")->SetText("TPageItemClock");
    TPage page;
    try {
        page.LoadFromXml(doc.Nodes(), true, false);
        FAIL() << "no error";
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), "Class TPageItemClock not found");
    }
    EXPECT_EQ(page.ItemCount(), 1);
    EXPECT_EQ(page.PageType(), 2);
    EXPECT_EQ(PageItemTypeNames().join(','),
              "TPageItem,TPageItemMemo,TPageItemShape,TPageItemGraphic,TPageItemReadings,TPageItemChartRun,"
              "TPageItemChartFlow");
    for (const QString& name : PageItemTypeNames())
        EXPECT_NE(FindPageItemConstructor(name), nullptr) << name.toStdString();
}

// ---------------------------------------------------------------------------
// Drawing

class PageDrawing : public PageTest {
protected:
    // Anything the page does not paint stays red.
    QImage Render(TPage& page, int w, int h) { return DrawPageImage(page, w, h, qRgb(255, 0, 0)); }
};

TEST_F(PageDrawing, WhitePaperGridPlacingOutlineAndInvertedHandles) {
    TPage page;
    page.Property("PaperSize").SetInteger(0);
    page.Property("PageWidth").SetFloat(100.0);
    page.Property("PageHeight").SetFloat(50.0);
    page.OutputRect = {10, 10, 210, 110}; // 2 px per mm
    TPageItem* item = page.AddItem<TPageItem>();
    item->SetLeft(20);
    item->SetTop(10);
    item->SetWidth(30);
    item->SetHeight(20);
    item->Placing = true;
    page.SetSelected(item, true);

    const QImage image = Render(page, 220, 120);
    EXPECT_EQ(image.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(209, 109), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(210, 110), qRgb(255, 0, 0));
    // Item at (50, 30) - (110, 70). The outline is black, so the handles turn it white
    // and the paper under them black.
    EXPECT_EQ(image.pixel(65, 30), qRgb(0, 0, 0));       // outline between the handles
    EXPECT_EQ(image.pixel(50, 30), qRgb(255, 255, 255)); // outline under a handle
    EXPECT_EQ(image.pixel(52, 32), qRgb(0, 0, 0));       // paper under a handle
    EXPECT_EQ(image.pixel(56, 36), qRgb(255, 255, 255)); // just outside the handle
    EXPECT_EQ(image.pixel(78, 32), qRgb(0, 0, 0));       // top middle handle: cx - 3 .. cx + 2
    EXPECT_EQ(image.pixel(108, 68), qRgb(0, 0, 0));      // bottom right handle
    EXPECT_TRUE(item->Done);

    // Drawing again starts from white: handles do not accumulate.
    EXPECT_EQ(Render(page, 220, 120), image);

    page.SetShowGrid(true);
    page.SetGridSize(10.0);
    item->Selected = false;
    item->Placing = false;
    const QImage grid = Render(page, 220, 120);
    EXPECT_EQ(grid.pixel(30, 15), qRgb(0xC0, 0xC0, 0xC0)); // x = 10 mm
    EXPECT_EQ(grid.pixel(15, 30), qRgb(0xC0, 0xC0, 0xC0)); // y = 10 mm
    EXPECT_EQ(grid.pixel(15, 15), qRgb(255, 255, 255));
    EXPECT_EQ(grid.pixel(80, 30), qRgb(0xC0, 0xC0, 0xC0)); // no outline without Placing
}

} // namespace
