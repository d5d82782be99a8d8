#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "support/ErrorOf.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Each test picks its own units and locale; the process-wide values go back to
// millimetres, mPas, Celsius and the C locale afterwards.
class Units : public ::testing::Test {
protected:
    void SetUp() override { Select(0, 0, 0); }
    void TearDown() override {
        Select(0, 0, 0);
        QLocale::setDefault(QLocale::c());
    }
    static void Select(int report, int viscosity, int temperature) {
        SetReportUnits(report);
        SetViscosityUnits(viscosity);
        SetTemperatureUnits(temperature);
    }
};

TEST_F(Units, ReportLengths) {
    struct Case {
        int units;
        double mm;
        const char* formatted;
        const char* longFormatted; // of mm
    };
    const Case cases[] = {
        {0, 12.4, "12", "0.01"},  {0, 12.6, "13", "0.01"},   {0, 1500, "1500", "1.50"},
        {0, -3.7, "-4", "-0.00"}, {1, 25.4, "1.00", "0.08"}, {1, 304.8, "12.00", "1.00"},
        {1, 100, "3.94", "0.33"}, {1, 0, "0.00", "0.00"},
    };
    for (const Case& c : cases) {
        SetReportUnits(c.units);
        EXPECT_EQ(FormatReportUnits(c.mm), c.formatted) << c.units << " " << c.mm;
        EXPECT_EQ(FormatLongUnits(c.mm), c.longFormatted) << c.units << " " << c.mm;
        EXPECT_NEAR(ReportUnitsToMM(ReportUnitsFromMM(c.mm)), c.mm, 1e-9);
        EXPECT_NEAR(LongUnitsToMM(LongUnitsFromMM(c.mm)), c.mm, 1e-9);
    }
    SetReportUnits(0);
    EXPECT_EQ(ReportUnitsFromMM(12.5), 12.5);
    EXPECT_EQ(LongUnitsFromMM(1500), 1.5);
    EXPECT_EQ(LongUnitsToMM(2), 2000);
    EXPECT_EQ(ReportUnitsName(), "mm");
    EXPECT_EQ(LongUnitsName(), "m");
    EXPECT_EQ(GridStepMM(), 10);
    EXPECT_EQ(DefaultPaperIndex(), 4);
    SetReportUnits(1);
    EXPECT_DOUBLE_EQ(ReportUnitsFromMM(50.8), 2.0);
    EXPECT_DOUBLE_EQ(ReportUnitsToMM(2), 50.8);
    EXPECT_DOUBLE_EQ(LongUnitsFromMM(609.6), 2.0);
    EXPECT_DOUBLE_EQ(LongUnitsToMM(1), 304.8);
    EXPECT_EQ(ReportUnitsName(), "in");
    EXPECT_EQ(LongUnitsName(), "ft");
    EXPECT_EQ(GridStepMM(), 25.4);
    EXPECT_EQ(DefaultPaperIndex(), 8);
}

TEST_F(Units, SnapToGrid) {
    struct Case {
        int units;
        double x;
        double snapped;
    };
    const Case cases[] = {
        {0, 11, 15}, {0, 10.4, 10},   {0, 10, 10},   {0, 12.5, 15},    {0, -3.2, -5},     {0, -7, -10},
        {0, 0.3, 0}, {0, -0.3, 0},    {0, -5, -5},   {0, 4.6, 5},      {1, 30, 30.48},    {1, 28, 30.48},
        {1, 0, 0},   {1, 25.4, 25.4}, {1, 26, 25.4}, {1, -31, -30.48}, {1, -25.4, -25.4}, {1, -28, -25.4},
    };
    for (const Case& c : cases) {
        SetReportUnits(c.units);
        EXPECT_NEAR(SnapToGridMM(c.x), c.snapped, 1e-9) << c.units << " " << c.x;
    }
}

TEST_F(Units, ViscosityAndTemperature) {
    EXPECT_EQ(ViscosityUnitsName(), "mPas");
    EXPECT_EQ(TemperatureUnitsName(), QString::fromUtf8("°C"));
    EXPECT_EQ(TemperatureToDisplay(21.5), 21.5);
    EXPECT_EQ(TemperatureFromDisplay(21.5), 21.5);
    EXPECT_EQ(FormatTemperature(-15), "-15.0");
    EXPECT_EQ(FormatViscosity(1234.56), "1234.6");
    EXPECT_EQ(FormatViscosity(0.04), "0.0");

    Select(0, 1, 1);
    EXPECT_EQ(ViscosityUnitsName(), "cP");
    EXPECT_EQ(ViscosityToDisplay(1234.5), 1234.5);
    EXPECT_EQ(FormatViscosity(1234.56), "1234.6");
    EXPECT_EQ(TemperatureUnitsName(), QString::fromUtf8("°F"));
    struct Case {
        double celsius;
        double fahrenheit;
        const char* formatted;
    };
    const Case cases[] = {
        {100, 212, "212.0"}, {0, 32, "32.0"}, {-15, 5, "5.0"}, {-40, -40, "-40.0"}, {37, 98.6, "98.6"}};
    for (const Case& c : cases) {
        EXPECT_NEAR(TemperatureToDisplay(c.celsius), c.fahrenheit, 1e-9) << c.celsius;
        EXPECT_NEAR(TemperatureFromDisplay(c.fahrenheit), c.celsius, 1e-9) << c.fahrenheit;
        EXPECT_EQ(FormatTemperature(c.celsius), c.formatted) << c.celsius;
    }
}

TEST_F(Units, DisplayNumbersFollowTheUserLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    SetReportUnits(1);
    EXPECT_EQ(FormatReportUnits(25.4), "1,00");
    EXPECT_EQ(FormatLongUnits(30480), "100,00");
    EXPECT_EQ(FormatViscosity(1234567.25), "1234567,2"); // no thousands separator
    EXPECT_EQ(FormatTemperature(-12.25), "-12,2");
    SetReportUnits(0);
    EXPECT_EQ(FormatReportUnits(123456.7), "123457");

    // Swedish writes its minus as U+2212; "%.1f" keeps the plain "-" in every locale.
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(FormatTemperature(-12.25), "-12,2");
    EXPECT_EQ(FormatReportUnits(-3), "-3");
}

TEST_F(Units, FixedFormatRoundsLikePrintf) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {12.5, 0, "12"},    {13.5, 0, "14"},       {0.125, 2, "0.12"}, {2.675, 2, "2.67"},
        {-0.04, 1, "-0.0"}, {1e6, 1, "1000000.0"}, {0.05, 1, "0.1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatLocaleFixed(c.value, c.decimals), c.text) << c.value;
    const QString huge = FormatLocaleFixed(OverRangeViscosity, 1);
    EXPECT_EQ(huge.size(), 311);
    EXPECT_TRUE(huge.endsWith(".0"));
}

TEST_F(Units, InvalidSelectionsRaiseForEveryOperationOfTheirKind) {
    struct Case {
        const char* what;
        std::function<void()> call;
    };
    const Case report[] = {
        {"ReportUnitsFromMM", [] { ReportUnitsFromMM(1); }},
        {"ReportUnitsToMM", [] { ReportUnitsToMM(1); }},
        {"FormatReportUnits", [] { FormatReportUnits(1); }},
        {"ReportUnitsName", [] { ReportUnitsName(); }},
        {"LongUnitsFromMM", [] { LongUnitsFromMM(1); }},
        {"LongUnitsToMM", [] { LongUnitsToMM(1); }},
        {"FormatLongUnits", [] { FormatLongUnits(1); }},
        {"LongUnitsName", [] { LongUnitsName(); }},
        {"GridStepMM", [] { GridStepMM(); }},
        {"SnapToGridMM", [] { SnapToGridMM(1); }},
        {"DefaultPaperIndex", [] { DefaultPaperIndex(); }},
    };
    const Case viscosity[] = {
        {"ViscosityUnitsName", [] { ViscosityUnitsName(); }},
        {"ViscosityToDisplay", [] { ViscosityToDisplay(1); }},
        {"FormatViscosity", [] { FormatViscosity(1); }},
        {"XAxisCaption(1)", [] { XAxisCaption(1); }},
        {"YAxisCaption(0)", [] { YAxisCaption(0); }},
    };
    const Case temperature[] = {
        {"TemperatureUnitsName", [] { TemperatureUnitsName(); }},
        {"TemperatureToDisplay", [] { TemperatureToDisplay(1); }},
        {"TemperatureFromDisplay", [] { TemperatureFromDisplay(1); }},
        {"FormatTemperature", [] { FormatTemperature(1); }},
        {"XAxisCaption(3)", [] { XAxisCaption(3); }},
    };
    for (int bad : {2, -1, 255}) {
        Select(bad, 0, 0);
        for (const Case& c : report)
            EXPECT_EQ(ErrorOf(c.call), "Invalid report unit type") << c.what << " " << bad;
        for (const Case& c : viscosity)
            EXPECT_EQ(ErrorOf(c.call), QString()) << c.what;
        Select(0, bad, 0);
        for (const Case& c : viscosity)
            EXPECT_EQ(ErrorOf(c.call), "Invalid viscosity unit type") << c.what << " " << bad;
        for (const Case& c : temperature)
            EXPECT_EQ(ErrorOf(c.call), QString()) << c.what;
        Select(0, 0, bad);
        for (const Case& c : temperature)
            EXPECT_EQ(ErrorOf(c.call), "Invalid temperature unit type") << c.what << " " << bad;
        for (const Case& c : report)
            EXPECT_EQ(ErrorOf(c.call), QString()) << c.what;
    }
    // Setting a selection does not validate it.
    SetReportUnits(7);
    EXPECT_EQ(ReportUnits(), 7);
}

TEST_F(Units, AxisCaptions) {
    const char* x0[] = {"Time (seconds)", "Viscosity (mPas)", "% Full Scale", "Temperature (°C)", "RPM",
                        "ShearStress",    "ShearRate"};
    for (int i = 0; i < XAxisCount; ++i)
        EXPECT_EQ(XAxisCaption(i), QString::fromUtf8(x0[i])) << i;
    for (int i = 0; i < YAxisCount; ++i)
        EXPECT_EQ(YAxisCaption(i), XAxisCaption(i + 1)) << i;
    Select(0, 1, 1);
    EXPECT_EQ(XAxisCaption(1), "Viscosity (cP)");
    EXPECT_EQ(YAxisCaption(2), QString::fromUtf8("Temperature (°F)"));
    for (int bad : {-1, 7})
        EXPECT_EQ(ErrorOf([&] { XAxisCaption(bad); }), "Invalid XAxis") << bad;
    for (int bad : {-1, 6})
        EXPECT_EQ(ErrorOf([&] { YAxisCaption(bad); }), "Invalid YAxis") << bad;
    EXPECT_EQ(YAxisColors[0], qRgb(255, 0, 0));
    EXPECT_EQ(YAxisColors[3], qRgb(255, 0, 255));
    EXPECT_EQ(YAxisColors[5], qRgb(0, 0, 128));
}

TEST_F(Units, ReadingQuantities) {
    TReadingQuantities r;
    r.Model = 0;
    r.Spindle = 0; // L1
    r.RPMCode = 1; // 0.3 RPM, full scale 20000
    r.ElapsedSeconds = 42;
    r.Viscosity = 5000;
    r.Temperature = 100;
    r.ShearStress = 1.5;
    r.ShearRate = 2.5;
    Select(0, 1, 1);
    const double x[] = {42, 5000, 25, 212, 0.3, 1.5, 2.5};
    for (int i = 0; i < XAxisCount; ++i)
        EXPECT_NEAR(XAxisValue(i, r), x[i], 1e-9) << i;
    for (int i = 0; i < YAxisCount; ++i)
        EXPECT_EQ(YAxisValue(i, r), XAxisValue(i + 1, r)) << i;
    EXPECT_EQ(ErrorOf([&] { XAxisValue(7, r); }), "Invalid XAxis");
    EXPECT_EQ(ErrorOf([&] { YAxisValue(6, r); }), "Invalid YAxis");
    EXPECT_EQ(ErrorOf([&] { YAxisValue(-1, r); }), "Invalid YAxis");
}

} // namespace
