#include "reports/PrinterPage.h"

#include "platform/Printers.h"

TPrinterPage CurrentPrinterPage() {
    TPrinterServices& printers = Printers();
    TPrinterPage page;
    page.Installed = !printers.InstalledPrinters().isEmpty();
    if (!page.Installed)
        return page;
    page.Orientation = printers.CurrentOrientation();
    const TPrinterPaper paper = printers.CurrentPaper();
    page.PhysicalWidth = paper.PhysicalWidth;
    page.PhysicalHeight = paper.PhysicalHeight;
    page.PixelsPerInchX = paper.PixelsPerInchX;
    page.PixelsPerInchY = paper.PixelsPerInchY;
    return page;
}
