#include "catalogue/Catalogue.h"
#include "platform/Printers.h"
#include "support/FakePrinters.h"

#include <gtest/gtest.h>

namespace {

class PrinterPaper : public FakePrintersTest {};

TEST_F(PrinterPaper, WithoutPrinterTheDefaultPaperOfTheUnits) {
    Printers.Orientation = 1; // ignored without an installed printer
    Printers.Paper = {7016, 4961, 600, 600};
    struct Case {
        int units;
        double width;
        double height;
    };
    const Case cases[] = {{0, 210.0, 297.0}, {1, 215.9, 279.4}};
    for (const Case& c : cases) {
        SetReportUnits(c.units);
        EXPECT_EQ(PrinterOrientation(), 0);
        EXPECT_DOUBLE_EQ(PaperWidthMM(), c.width);
        EXPECT_DOUBLE_EQ(PaperHeightMM(), c.height);
        EXPECT_DOUBLE_EQ(PageWidthMM(0), c.width);
        EXPECT_DOUBLE_EQ(PageHeightMM(0), c.height);
        EXPECT_DOUBLE_EQ(PageWidthMM(1), c.height);
        EXPECT_DOUBLE_EQ(PageHeightMM(1), c.width);
    }
}

TEST_F(PrinterPaper, PrinterPaperIsShortAndLongSideInEitherOrientation) {
    Printers.Installed = {"Office"};
    // Different resolutions per axis show which side is divided by which.
    struct Case {
        int orientation;
        TPrinterPaper paper;
    };
    const Case cases[] = {
        {0, {2480, 7016, 300, 600}}, // portrait: width is the short side
        {1, {7016, 2480, 600, 300}}, // landscape: the device width is the long side
    };
    const double shortSide = 2480.0 / 300 * 25.4;
    const double longSide = 7016.0 / 600 * 25.4;
    for (const Case& c : cases) {
        Printers.Orientation = c.orientation;
        Printers.Paper = c.paper;
        EXPECT_EQ(PrinterOrientation(), c.orientation);
        EXPECT_DOUBLE_EQ(PaperWidthMM(), shortSide) << c.orientation;
        EXPECT_DOUBLE_EQ(PaperHeightMM(), longSide) << c.orientation;
        // A new page follows the printer's orientation.
        EXPECT_DOUBLE_EQ(PageWidthMM(PrinterOrientation()), c.orientation == 1 ? longSide : shortSide);
        EXPECT_DOUBLE_EQ(PageHeightMM(PrinterOrientation()), c.orientation == 1 ? shortSide : longSide);
    }
    // Rounded to tenths the way pages do, this is A4.
    EXPECT_EQ(PaperFromSize(RoundHalfUp(PaperWidthMM() * 10), RoundHalfUp(PaperHeightMM() * 10)), 4);
}

TEST_F(PrinterPaper, PrinterWithoutResolutionFallsBackToTheDefaultPaper) {
    Printers.Installed = {"Broken"};
    Printers.Paper = {2480, 3508, 0, 0};
    EXPECT_DOUBLE_EQ(PaperWidthMM(), 210.0);
    EXPECT_DOUBLE_EQ(PaperHeightMM(), 297.0);
}

TEST(SystemPrinters, AnswerWithOrWithoutPrinters) {
    SetPrinterServices(nullptr);
    SetReportUnits(0);
    TPrinterServices& printers = Printers();
    const bool any = !printers.InstalledPrinters().isEmpty();
    EXPECT_EQ(printers.CurrentPrinter().isEmpty(), !any);
    const int orientation = PrinterOrientation();
    EXPECT_TRUE(orientation == 0 || orientation == 1);
    EXPECT_GT(PaperWidthMM(), 0.0);
    EXPECT_LE(PaperWidthMM(), PaperHeightMM() + 0.5);
    if (!any) {
        EXPECT_DOUBLE_EQ(PageWidthMM(0), 210.0);
        EXPECT_DOUBLE_EQ(PageHeightMM(0), 297.0);
    }
}

} // namespace
