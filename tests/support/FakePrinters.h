#pragma once

#include "catalogue/Catalogue.h"
#include "platform/Printers.h"

#include <gtest/gtest.h>

// Printers the test describes completely; none is installed unless it says so.
class TFakePrinters : public TPrinterServices {
public:
    QStringList Installed;
    int Orientation = 0;
    TPrinterPaper Paper;

    QStringList InstalledPrinters() const override { return Installed; }
    QString CurrentPrinter() const override { return Installed.value(0); }
    void SelectPrinter(const QString&) override {}
    int CurrentOrientation() const override { return Orientation; }
    TPrinterPaper CurrentPaper() const override { return Paper; }
};

// Paper sizes that do not depend on the machine: the fake printers stand in for the
// system's and report units are millimetres while the test runs.
class FakePrintersTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetPrinterServices(&Printers);
        SetReportUnits(0);
    }
    void TearDown() override {
        SetPrinterServices(nullptr);
        SetReportUnits(0);
    }

    TFakePrinters Printers;
};
