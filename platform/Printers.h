#pragma once

// The little the page layout needs to know about printers: whether any is
// installed, and the current printer's orientation and physical paper. Tests and
// tools may install their own source in place of the system's.

#include <QString>
#include <QStringList>

// The current printer's paper as the device sees it.
struct TPrinterPaper {
    int PhysicalWidth = 0;  // device pixels, in the current orientation
    int PhysicalHeight = 0; // device pixels, in the current orientation
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
};

class TPrinterServices {
public:
    virtual ~TPrinterServices() = default;

    virtual QStringList InstalledPrinters() const = 0;
    // The printer that printing uses unless the operator picks another: the
    // selected one if still installed, else the system default, else the first.
    // Empty without printers.
    virtual QString CurrentPrinter() const = 0;
    virtual void SelectPrinter(const QString& name) = 0;
    // 0 portrait, 1 landscape. Only meaningful with a printer installed.
    virtual int CurrentOrientation() const = 0;
    virtual TPrinterPaper CurrentPaper() const = 0;
};

// The services in force: the system's (Qt print support over CUPS) unless a test
// installed others.
TPrinterServices& Printers();
// Installs services the caller keeps alive; nullptr puts the system's back.
void SetPrinterServices(TPrinterServices* services);
