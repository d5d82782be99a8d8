#include "reports/PrinterPage.h"

#include "platform/Printers.h"
#include "support/FakePrinters.h"

#include <gtest/gtest.h>

namespace {

class PrinterPageOfPrinters : public FakePrintersTest {};

TEST_F(PrinterPageOfPrinters, TheCurrentPrintersOrientationAndPaper) {
    Printers.Installed = {"Office"};
    Printers.Orientation = 1;
    Printers.Paper = {7016, 2480, 600, 300};
    const TPrinterPage page = CurrentPrinterPage();
    EXPECT_TRUE(page.Installed);
    EXPECT_EQ(page.Orientation, 1);
    EXPECT_EQ(page.PhysicalWidth, 7016);
    EXPECT_EQ(page.PhysicalHeight, 2480);
    EXPECT_EQ(page.PixelsPerInchX, 600);
    EXPECT_EQ(page.PixelsPerInchY, 300);
}

TEST_F(PrinterPageOfPrinters, NoneInstalledIsTheDefaultPaper) {
    Printers.Orientation = 1; // ignored without an installed printer
    Printers.Paper = {7016, 4961, 600, 600};
    const TPrinterPage page = CurrentPrinterPage();
    EXPECT_FALSE(page.Installed);
    EXPECT_EQ(PrinterOrientation(page), 0);
    EXPECT_DOUBLE_EQ(PaperWidthMM(page), 210.0);
    EXPECT_DOUBLE_EQ(PaperHeightMM(page), 297.0);
}

TEST(SystemPrinters, AnswerWithOrWithoutPrinters) {
    SetPrinterServices(nullptr);
    SetReportUnits(0);
    TPrinterServices& printers = Printers();
    const bool any = !printers.InstalledPrinters().isEmpty();
    EXPECT_EQ(printers.CurrentPrinter().isEmpty(), !any);
    const TPrinterPage page = CurrentPrinterPage();
    EXPECT_EQ(page.Installed, any);
    const int orientation = PrinterOrientation(page);
    EXPECT_TRUE(orientation == 0 || orientation == 1);
    EXPECT_GT(PaperWidthMM(page), 0.0);
    EXPECT_LE(PaperWidthMM(page), PaperHeightMM(page) + 0.5);
    if (!any) {
        EXPECT_DOUBLE_EQ(PageWidthMM(page, 0), 210.0);
        EXPECT_DOUBLE_EQ(PageHeightMM(page, 0), 297.0);
    }
}

} // namespace
