#include "catalogue/Catalogue.h"

#include <gtest/gtest.h>

namespace {

// The paper of the printer a page is handed; report units are millimetres unless a case
// sets others.
class PrinterPaper : public ::testing::Test {
protected:
    void SetUp() override { SetReportUnits(0); }
    void TearDown() override { SetReportUnits(0); }
};

TPrinterPage Printer(int orientation, int width, int height, int perInchX, int perInchY) {
    return {true, orientation, width, height, perInchX, perInchY};
}

TEST_F(PrinterPaper, WithoutPrinterTheDefaultPaperOfTheUnits) {
    // Orientation and paper are ignored without an installed printer.
    const TPrinterPage none{false, 1, 7016, 4961, 600, 600};
    struct Case {
        int units;
        double width;
        double height;
    };
    const Case cases[] = {{0, 210.0, 297.0}, {1, 215.9, 279.4}};
    for (const Case& c : cases) {
        SetReportUnits(c.units);
        EXPECT_EQ(PrinterOrientation(none), 0);
        EXPECT_DOUBLE_EQ(PaperWidthMM(none), c.width);
        EXPECT_DOUBLE_EQ(PaperHeightMM(none), c.height);
        EXPECT_DOUBLE_EQ(PageWidthMM(none, 0), c.width);
        EXPECT_DOUBLE_EQ(PageHeightMM(none, 0), c.height);
        EXPECT_DOUBLE_EQ(PageWidthMM(none, 1), c.height);
        EXPECT_DOUBLE_EQ(PageHeightMM(none, 1), c.width);
    }
}

TEST_F(PrinterPaper, PrinterPaperIsShortAndLongSideInEitherOrientation) {
    // Different resolutions per axis show which side is divided by which.
    const TPrinterPage cases[] = {
        Printer(0, 2480, 7016, 300, 600), // portrait: width is the short side
        Printer(1, 7016, 2480, 600, 300), // landscape: the device width is the long side
    };
    const double shortSide = 2480.0 / 300 * 25.4;
    const double longSide = 7016.0 / 600 * 25.4;
    for (const TPrinterPage& printer : cases) {
        const int orientation = printer.Orientation;
        EXPECT_EQ(PrinterOrientation(printer), orientation);
        EXPECT_DOUBLE_EQ(PaperWidthMM(printer), shortSide) << orientation;
        EXPECT_DOUBLE_EQ(PaperHeightMM(printer), longSide) << orientation;
        // A new page follows the printer's orientation.
        EXPECT_DOUBLE_EQ(PageWidthMM(printer, PrinterOrientation(printer)),
                         orientation == 1 ? longSide : shortSide);
        EXPECT_DOUBLE_EQ(PageHeightMM(printer, PrinterOrientation(printer)),
                         orientation == 1 ? shortSide : longSide);
    }
    // Rounded to tenths the way pages do, this is A4.
    const TPrinterPage portrait = cases[0];
    EXPECT_EQ(
        PaperFromSize(RoundHalfUp(PaperWidthMM(portrait) * 10), RoundHalfUp(PaperHeightMM(portrait) * 10)),
        4);
}

TEST_F(PrinterPaper, PrinterWithoutResolutionFallsBackToTheDefaultPaper) {
    const TPrinterPage broken = Printer(0, 2480, 3508, 0, 0);
    EXPECT_DOUBLE_EQ(PaperWidthMM(broken), 210.0);
    EXPECT_DOUBLE_EQ(PaperHeightMM(broken), 297.0);
}

} // namespace
