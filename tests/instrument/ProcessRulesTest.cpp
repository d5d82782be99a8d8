#include "instrument/ProcessRules.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"

#include <gtest/gtest.h>

namespace {

// Restores the display units a test changed.
struct TUnitsGuard {
    ~TUnitsGuard() { SetTemperatureUnits(0); }
};

constexpr int PB = 9;
constexpr int L1 = 0;

} // namespace

TEST(ProcessRules, TimeMustCoverTheSpeedSteps) {
    struct TCase {
        int Time, Start, End;
        const char* Message;
    };
    const TCase cases[] = {
        {0, 1, 1, "Process time has to be greater than zero"},
        {-5, 1, 1, "Process time has to be greater than zero"},
        {2, 20, 19, "Insufficient time to do RPM changes"}, // 0.1 -> 200 RPM: 21 steps
        {3, 20, 19, ""},
        {3, 19, 20, ""}, // the same ladder downwards
        {2, 19, 20, "Insufficient time to do RPM changes"},
        {1, 20, 10, ""}, // 0.1 -> 5 RPM: 11 steps need 1 s
        {1, 7, 7, ""},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(CheckProcessTime(c.Time, c.Start, c.End), QString::fromLatin1(c.Message))
            << c.Time << " s from code " << c.Start << " to " << c.End;
    EXPECT_EQ(CheckRPMPage("two", 1, 1).Rule, TProcessRule::Time);
    EXPECT_TRUE(CheckRPMPage(" 3 ", 20, 19).Ok());
}

TEST(ProcessRules, MeasurementCountUpToThreePerSecond) {
    EXPECT_EQ(CheckMeasurementCount(300, 100), QString());
    EXPECT_EQ(CheckMeasurementCount(1, 100), QString());
    const QString expected = "Measurement range for a process taking 100 seconds is between 1 and 300";
    EXPECT_EQ(CheckMeasurementCount(301, 100), expected);
    EXPECT_EQ(CheckMeasurementCount(0, 100), expected);
    EXPECT_EQ(CheckMeasurementsPage("", "100").Message, expected);
    EXPECT_EQ(CheckMeasurementsPage("12", "100").Rule, TProcessRule::None);
}

TEST(ProcessRules, StartTemperatureRangeInTheDisplayUnit) {
    TUnitsGuard guard;
    EXPECT_EQ(CheckStartTemperature(true, -15.0), QString());
    EXPECT_EQ(CheckStartTemperature(true, 180.0), QString());
    EXPECT_EQ(CheckStartTemperature(false, 999.0), QString());
    EXPECT_EQ(CheckStartTemperature(true, 180.1),
              QString::fromUtf8("Start temperature has to within the range of -15.0 (°C) to 180.0 (°C)"));
    EXPECT_FALSE(CheckStartTemperature(true, std::nan("")).isEmpty());

    SetTemperatureUnits(1);
    EXPECT_EQ(CheckStartTemperature(true, 181.0),
              QString::fromUtf8("Start temperature has to within the range of 5.0 (°F) to 356.0 (°F)"));
    EXPECT_TRUE(CheckDelaysPage(false, "", true, "356.0").Ok());
    EXPECT_TRUE(CheckDelaysPage(false, "", true, "5.0").Ok());
    EXPECT_EQ(CheckDelaysPage(false, "", true, "356.1").Rule, TProcessRule::StartTemperature);
    // A text that is no number reads as 0 in the display unit: 0 F is -17.8 C, out of range.
    EXPECT_EQ(CheckDelaysPage(false, "", true, "warm").Rule, TProcessRule::StartTemperature);
    EXPECT_THROW(ProcessTemperatureFromText("warm"), EBramblexError);
    EXPECT_NEAR(ProcessTemperatureFromText("212"), 100.0, 1e-9);
}

TEST(ProcessRules, DelayIsCheckedOnlyWhenUsedAndBeforeTheTemperature) {
    EXPECT_EQ(CheckDelaysPage(true, "", false, "").Message, "Start delay has to be greater than zero");
    EXPECT_TRUE(CheckDelaysPage(false, "", false, "").Ok());
    // The temperature is looked at only once the delay passed.
    EXPECT_EQ(CheckDelaysPage(true, "0", true, "500").Rule, TProcessRule::StartDelay);
    EXPECT_EQ(CheckDelaysPage(true, "40", true, "500").Rule, TProcessRule::StartTemperature);
    EXPECT_TRUE(CheckDelaysPage(true, "40", true, "25").Ok());
}

TEST(ProcessRules, SpeedListsAndTheTBarLimit) {
    const QList<int> pb = ProcessSpeedCodes(PB);
    ASSERT_EQ(pb.size(), 15);
    EXPECT_EQ(pb.first(), 20); // 0.1 RPM
    EXPECT_EQ(ProcessSpeedText(pb.last()), "12.0");
    const QList<int> l1 = ProcessSpeedCodes(L1);
    ASSERT_EQ(l1.size(), 21);
    EXPECT_FALSE(l1.contains(0)); // the stopped speed is never offered
    EXPECT_EQ(ProcessSpeedText(l1.last()), "200.0");
    EXPECT_TRUE(ProcessSpeedsAllowed(PB, 20, 13));
    EXPECT_FALSE(ProcessSpeedsAllowed(PB, 20, 14));

    TProcessList processes;
    EXPECT_EQ(CheckSpindleChange(processes, PB), QString());
    TProcessItem* p = processes.Add();
    p->RPMStart = 1;
    p->RPMEnd = 14; // 20 RPM
    EXPECT_EQ(CheckSpindleChange(processes, L1), QString());
    EXPECT_EQ(CheckSpindleChange(processes, PB), "Spindle types PA to PF only allow process RPM to go up to "
                                                 "12rpm, please modify process RPM before changing spindle");
}

TEST(ProcessRules, WholeProcessInTheWizardsOrder) {
    TProcessList processes;
    TProcessItem* ok = processes.Add();
    ok->RPMStart = 20;
    ok->RPMEnd = 19;
    ok->Time = 3;
    ok->MeasurementCount = 9;
    TProcessItem* bad = processes.Add();
    bad->Assign(*ok);
    bad->UseStartDelay = true;
    bad->StartDelay = 0;
    bad->MeasurementCount = 0; // also wrong, but the delay comes first

    EXPECT_TRUE(ValidateProcess(*ok, L1).Ok());
    EXPECT_EQ(ValidateProcess(*ok, PB).Rule, TProcessRule::Speeds);
    TProcessRuleResult result;
    EXPECT_EQ(FirstInvalidProcess(processes, L1, &result), 1);
    EXPECT_EQ(result.Rule, TProcessRule::StartDelay);
    bad->StartDelay = 40;
    EXPECT_EQ(ValidateProcess(*bad, L1).Rule, TProcessRule::MeasurementCount);
    processes.Delete(1);
    EXPECT_EQ(FirstInvalidProcess(processes, L1), -1);
}

TEST(ProcessRules, IntegerTextsReadAsZeroWhenNotWholeNumbers) {
    EXPECT_EQ(ProcessIntegerFromText(" 12 "), 12);
    EXPECT_EQ(ProcessIntegerFromText("-3"), -3);
    for (const char* text : {"", "1x", "1.5", "99999999999"})
        EXPECT_EQ(ProcessIntegerFromText(text), 0) << text;
    EXPECT_FALSE(ModelSupportsProcesses(1));
    EXPECT_TRUE(ModelSupportsProcesses(3));
}
