#include "instrument/CommViscoMeterThread.h"

#include "catalogue/Catalogue.h"
#include "simulator/ViscoMeterSimulator.h"

#include <QEventLoop>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Readable failure output for the Qt types the checks compare.
void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"' << bytes.constData() << '"';
}
void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace {

// Timing checks allow for a loaded two-core machine.
constexpr double Slack = 300.0;

struct TProcessSpec {
    int Start = 1, End = 1, Time = 1, Count = 1;
    int Delay = 0; // 0: no start delay
    bool UseTrigger = false;
    double Trigger = 0.0;
    int Tendency = 0;
};

void AddProcess(TBatchItem& batch, const TProcessSpec& s) {
    TProcessItem* p = batch.Processes.Add();
    p->RPMStart = s.Start;
    p->RPMEnd = s.End;
    p->Time = s.Time;
    p->MeasurementCount = s.Count;
    p->UseStartDelay = s.Delay > 0;
    p->StartDelay = s.Delay;
    p->UseStartTemperature = s.UseTrigger;
    p->StartTemperature = s.Trigger;
    p->StartTemperatureType = static_cast<uint8_t>(s.Tendency);
}

int ReadingCount(const TCommViscoMeterThread& t) {
    t.Batch.Measurements.Lock();
    const int count = t.Batch.Measurements.Count();
    t.Batch.Measurements.Unlock();
    return count;
}

class RunThreadTest : public ::testing::Test {
protected:
    void SetUp() override { sim.Start(); }

    std::unique_ptr<TCommViscoMeterThread> MakeThread(uint8_t mode, int model = 2, int spindle = 0) {
        auto t = std::make_unique<TCommViscoMeterThread>(sim.SlavePath(), mode);
        t->Tracing = false;
        t->Batch.ModelType = static_cast<uint8_t>(model);
        t->Batch.SpindleType = static_cast<uint8_t>(spindle);
        t->OnStatus = [this, t = t.get()] {
            if (statuses.isEmpty() || statuses.last() != t->StatusText)
                statuses << t->StatusText;
            progress.push_back({t->ProgressPosition, t->ProgressMax});
            if (onStatus)
                onStatus(*t);
        };
        t->OnError = [this, t = t.get()] { errors << t->ErrorText; };
        t->OnStarted = [this, t = t.get()] {
            ++started;
            startedModel = t->Batch.ModelType;
            startedSpindle = t->Batch.SpindleType;
        };
        return t;
    }

    // Pumps the owner's event loop until the run has ended; false on time-out.
    bool RunToEnd(TCommViscoMeterThread& t, int timeoutMs) {
        QEventLoop loop;
        bool ended = false;
        t.OnTerminate = [&] {
            ended = true;
            loop.quit();
        };
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        t.Resume();
        loop.exec();
        return ended;
    }

    QList<QByteArray> Texts() const { return sim.CommandTexts(); }
    // Arrival times (ms since the simulator started) of the commands with this text,
    // or starting with it when prefix is true.
    std::vector<double> TimesOf(const QByteArray& text, bool prefix = false) const {
        std::vector<double> times;
        for (const TSimCommand& c : sim.Commands())
            if (prefix ? c.Command.startsWith(text) : c.Command == text)
                times.push_back(c.ElapsedMs);
        return times;
    }
    QList<QByteArray> SpeedCommands() const {
        QList<QByteArray> r;
        for (const QByteArray& c : Texts())
            if (c.startsWith('R'))
                r << c;
        return r;
    }

    TViscoMeterSimulator sim;
    QStringList statuses;
    std::vector<std::pair<int, int>> progress;
    QStringList errors;
    int started = 0;
    int startedModel = -1, startedSpindle = -1;
    std::function<void(TCommViscoMeterThread&)> onStatus;

    void FailMidway(TSimFault fault, const QByteArray& onCommand, bool cleanUpWorks);
    // Manual blocks start once the thread listens, so none is lost while the port opens.
    void StartBlocksWhenListening(int intervalMs) {
        onStatus = [this, intervalMs](TCommViscoMeterThread& th) {
            if (th.StatusText.startsWith("Press the START"))
                sim.StartManual(intervalMs);
        };
    }
};

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], Slack) << what << " #" << i;
}

} // namespace

TEST_F(RunThreadTest, BatchWithoutProcessesStillCleansUp) {
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic);
    ASSERT_TRUE(RunToEnd(*t, 15000));
    EXPECT_TRUE(t->Finished());
    EXPECT_THAT(Texts(), ElementsAre("III", "CCC", "MMM", "MMM", "S01", "R00", "III"));
    EXPECT_THAT(statuses, ElementsAre("Begining Process...."));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("|").toStdString();
    EXPECT_FALSE(sim.ComputerMode());
    EXPECT_GT(t->LineBytes(), 20);
}

TEST_F(RunThreadTest, ReadingsAtEqualIntervalsWithShearValues) {
    sim.SetFluidViscosity(30.0); // LCP at 10 RPM reads up to 60 mPas
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic, 2, 7);
    AddProcess(t->Batch, {.Start = 12, .End = 12, .Time = 3, .Count = 3});
    ASSERT_TRUE(RunToEnd(*t, 20000));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("|").toStdString();

    EXPECT_THAT(Texts(),
                ElementsAre("III", "CCC", "MMM", "MMM", "S08", "R0C", "UUU", "TTT", "VVV", "EEE", "GGG",
                            "TTT", "VVV", "EEE", "GGG", "TTT", "VVV", "EEE", "GGG", "R00", "III"));
    const double start = TimesOf("UUU").at(0);
    std::vector<double> readings;
    for (double at : TimesOf("TTT"))
        readings.push_back(at - start);
    ExpectNear(readings, {1000, 2000, 3000}, "reading");

    ASSERT_EQ(t->Batch.Measurements.Count(), 3);
    double previous = 0.0;
    for (const auto& m : t->Batch.Measurements) {
        EXPECT_EQ(m->RPMCode, 12);
        EXPECT_DOUBLE_EQ(m->Viscosity, 30.0);
        EXPECT_DOUBLE_EQ(m->Temperature, 25.0);
        EXPECT_DOUBLE_EQ(m->SheerRate, 20.0);
        EXPECT_DOUBLE_EQ(m->SheerStress, 6.0);
        EXPECT_GT(m->DateTime, previous);
        previous = m->DateTime;
    }
    EXPECT_NEAR(t->Batch.Measurements.ElapsedSeconds(2), 2.0, Slack / 1000);
    EXPECT_TRUE(statuses.contains("Processing Item 1 of 1"));
    EXPECT_EQ(progress.back().second, 3000);
    for (int64_t late : t->ReadingLateness()) {
        EXPECT_GE(late, 0);
        EXPECT_LT(late, Slack);
    }
}

TEST_F(RunThreadTest, RampStepsAtDueTimesAlongTheWholeLadder) {
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic);
    AddProcess(t->Batch, {.Start = 12, .End = 15, .Time = 4, .Count = 4}); // 10 -> 12 -> 20 -> 30 RPM
    AddProcess(t->Batch, {.Start = 15, .End = 12, .Time = 4, .Count = 1}); // and back down
    AddProcess(t->Batch, {.Start = 20, .End = 19, .Time = 4, .Count = 1}); // 0.1 -> 200: 21 steps
    ASSERT_TRUE(RunToEnd(*t, 40000));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("|").toStdString();

    QList<QByteArray> expected = {"R0C", "R0D", "R0E", "R0F", "R0F", "R0E", "R0D", "R0C"};
    for (int position = 1; position < RPMTableCount; ++position)
        expected << "R" + QByteArray::number(RPMIndexToCode(position), 16).toUpper().rightJustified(2, '0');
    expected << "R00";
    EXPECT_THAT(SpeedCommands(), ElementsAreArray(expected));

    // First process: one speed per quarter, the readings take the speed before the
    // step due at the same moment.
    const double start = TimesOf("UUU").at(0);
    std::vector<double> steps;
    for (double at : TimesOf("R", true))
        if (at > start && steps.size() < 3)
            steps.push_back(at - start);
    ExpectNear(steps, {1000, 2000, 3000}, "speed step");
    std::vector<int> codes;
    for (const auto& m : t->Batch.Measurements)
        codes.push_back(m->RPMCode);
    EXPECT_THAT(codes, ElementsAre(12, 13, 14, 15, 12, 19));
    EXPECT_TRUE(statuses.contains("Processing Item 3 of 3"));
}

TEST_F(RunThreadTest, DelayThenTemperatureTriggerRestartsTheClock) {
    sim.SetTemperature(30.0);
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic);
    AddProcess(
        t->Batch,
        {.Start = 1, .End = 1, .Time = 2, .Count = 2, .Delay = 2, .UseTrigger = true, .Trigger = 30.0});
    double metAt = -1.0;
    int waits = 0;
    onStatus = [&](TCommViscoMeterThread& th) {
        // Exactly at the trigger it keeps waiting; just above, the process starts.
        if (th.StatusText.startsWith("Waiting") && ++waits == 4) {
            sim.SetTemperature(30.1);
            metAt =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sim.StartTime())
                    .count();
        }
    };
    ASSERT_TRUE(RunToEnd(*t, 25000));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("|").toStdString();

    ASSERT_GE(statuses.size(), 3);
    EXPECT_EQ(statuses[1], "Delaying ... 1 seconds remaining");
    EXPECT_EQ(progress[1].second, 2000);
    EXPECT_NEAR(progress[1].first, 0, Slack);
    EXPECT_TRUE(statuses.contains(
        QString::fromUtf8("Waiting for temperature to go above 30.0 (°C) currently 30.0 (°C)")));
    EXPECT_TRUE(statuses.contains(
        QString::fromUtf8("Waiting for temperature to go above 30.0 (°C) currently 30.1 (°C)")));

    const double start = TimesOf("UUU").at(0);
    const std::vector<double> polls = TimesOf("TTT");
    ASSERT_FALSE(polls.empty());
    EXPECT_NEAR(polls.front() - start, 2000, Slack); // nothing is asked during the delay
    ASSERT_GT(metAt, 0.0);
    const std::vector<double> vvv = TimesOf("VVV");
    ASSERT_EQ(vvv.size(), 2u);
    // The clock restarts at the check that saw 30.1, at most one poll (~100 ms) later.
    EXPECT_GT(vvv[0] - metAt, 1000 - 50);
    EXPECT_LT(vvv[0] - metAt, 1000 + 100 + Slack);
    EXPECT_NEAR(vvv[1] - vvv[0], 1000, Slack);
}

TEST_F(RunThreadTest, DelayOfSevenDigitSecondsIsWaitedFor) {
    // 3000000 s (about 35 days) fits the delay field but not an int of milliseconds.
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic);
    AddProcess(t->Batch, {.Start = 1, .End = 1, .Time = 1, .Count = 1, .Delay = 3000000});
    onStatus = [&](TCommViscoMeterThread& th) {
        if (th.StatusText != "Begining Process....")
            th.Terminate();
    };
    ASSERT_TRUE(RunToEnd(*t, 15000));
    EXPECT_TRUE(errors.isEmpty()) << errors.join("|").toStdString();
    ASSERT_EQ(statuses.size(), 2);
    EXPECT_EQ(statuses[1], "Delaying ... 2999999 seconds remaining");
    EXPECT_GT(progress[1].second, 0);
    EXPECT_GE(progress[1].first, 0);
    EXPECT_FALSE(Texts().contains("VVV"));
    EXPECT_EQ(t->Batch.Measurements.Count(), 0);
}

TEST_F(RunThreadTest, StopDuringATemperatureWaitEndsWithoutAMessage) {
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic);
    AddProcess(t->Batch, {.Start = 1, .End = 1, .Time = 90, .Count = 9, .UseTrigger = true, .Trigger = 90.0});
    int64_t stoppedAt = 0;
    onStatus = [&](TCommViscoMeterThread& th) {
        if (th.StatusText.startsWith("Waiting") && stoppedAt == 0) {
            stoppedAt = InstrumentTick();
            th.Terminate();
        }
    };
    ASSERT_TRUE(RunToEnd(*t, 20000));
    ASSERT_GT(stoppedAt, 0);
    EXPECT_LT(InstrumentTick() - stoppedAt, 1000);
    EXPECT_TRUE(errors.isEmpty()) << errors.join("|").toStdString();
    EXPECT_TRUE(Texts().contains("R00"));
    EXPECT_FALSE(Texts().contains("VVV"));
    EXPECT_EQ(t->Batch.Measurements.Count(), 0);
}

TEST_F(RunThreadTest, WrongModelStopsBeforeTheSpindleButCleansUp) {
    sim.SetModel(3);
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic, 2, 0);
    AddProcess(t->Batch, {.Start = 1, .End = 1, .Time = 1, .Count = 1});
    ASSERT_TRUE(RunToEnd(*t, 15000));
    EXPECT_THAT(errors, ElementsAre("Connected ViscoMeter model is different than one selected in batch."));
    EXPECT_THAT(Texts(), ElementsAre("III", "CCC", "MMM", "R00", "III"));
}

TEST_F(RunThreadTest, NoComputerModeMeansNoCleanUp) {
    sim.SetReply("CCC", "?\r");
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic);
    ASSERT_TRUE(RunToEnd(*t, 15000));
    EXPECT_THAT(errors, ElementsAre("Unable to set ViscoMeter into computer controlled mode"));
    EXPECT_THAT(Texts(), ElementsAre("III", "CCC"));
}

// A fault after three readings of eight: the three stay in the batch.
void RunThreadTest::FailMidway(TSimFault fault, const QByteArray& onCommand, bool cleanUpWorks) {
    sim.SetFault(fault, 3, onCommand);
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic);
    AddProcess(t->Batch, {.Start = 1, .End = 1, .Time = 4, .Count = 8});
    ASSERT_TRUE(RunToEnd(*t, 20000));
    const double endedAt =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sim.StartTime()).count();
    ASSERT_FALSE(errors.isEmpty());
    EXPECT_EQ(errors[0], "An error occured while requesting a measurement");
    EXPECT_EQ(t->Batch.Measurements.Count(), 3);
    if (cleanUpWorks) {
        EXPECT_EQ(errors.size(), 1);
        EXPECT_EQ(Texts().mid(Texts().size() - 2), (QList<QByteArray>{"R00", "III"}));
    } else {
        // The clean-up could not reach the instrument either; that is said once more.
        EXPECT_EQ(errors.size(), 2) << errors.join("|").toStdString();
    }
    if (fault == TSimFault::Hangup) {
        // The line reports the hang-up at once instead of running into the 2 s read time-out.
        ASSERT_EQ(errors.size(), 2);
        EXPECT_TRUE(errors[1].contains("was lost")) << errors[1].toStdString();
        EXPECT_LT(endedAt - sim.Commands().back().ElapsedMs, 1500.0);
    }
}

TEST_F(RunThreadTest, GarbageMidwayKeepsTheReadings) {
    FailMidway(TSimFault::Garbage, "VVV", true);
}
TEST_F(RunThreadTest, SilenceMidwayKeepsTheReadings) {
    FailMidway(TSimFault::Silence, "", false);
}
TEST_F(RunThreadTest, HangUpMidwayKeepsTheReadings) {
    FailMidway(TSimFault::Hangup, "", false);
}

TEST_F(RunThreadTest, PortThatCannotBeOpenedIsReported) {
    auto t = std::make_unique<TCommViscoMeterThread>(QString("/nonexistent/ttyACM7"),
                                                     TCommViscoMeterThread::ModeAutomatic);
    t->OnError = [&] { errors << t->ErrorText; };
    ASSERT_TRUE(RunToEnd(*t, 5000));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Communications Error: (Invalid Communications Port)\n"))
        << errors[0].toStdString();

    auto invalid = MakeThread(7);
    ASSERT_TRUE(RunToEnd(*invalid, 5000));
    EXPECT_THAT(errors.mid(1), ElementsAre("Invalid thread operation"));
    EXPECT_TRUE(Texts().isEmpty());
}

TEST_F(RunThreadTest, ManualBlocksWithAndWithoutShear) {
    struct TCase {
        int SimModel, SimSpindle, BatchModel;
        int ExpectModel;
        bool Shear;
    };
    // R3 on a batch of a model that cannot take it: the first model that can.
    const TCase cases[] = {{1, 16, 0, 1, false}, {2, 7, 2, 2, true}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.SimSpindle);
        sim.SetModel(c.SimModel);
        sim.SetSpindle(c.SimSpindle);
        sim.SetRPMCode(1);
        sim.ClearLog();
        started = 0;
        statuses.clear();
        auto t = MakeThread(TCommViscoMeterThread::ModeManual, c.BatchModel, 0);
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (ReadingCount(*t) >= 3)
                t->Terminate();
        });
        poll.start(20);
        StartBlocksWhenListening(150);
        ASSERT_TRUE(RunToEnd(*t, 15000));
        sim.StopManual();
        EXPECT_TRUE(errors.isEmpty()) << errors.join("|").toStdString();
        EXPECT_EQ(started, 1);
        EXPECT_EQ(startedModel, c.ExpectModel);
        EXPECT_EQ(startedSpindle, c.SimSpindle);
        EXPECT_THAT(
            statuses,
            ElementsAre("Press the START button on the ViscoMeter to begin",
                        "Receiving data from ViscoMeter, click the STOP button to finish collecting data."));
        ASSERT_GE(t->Batch.Measurements.Count(), 3);
        const TMeasurementItem& m = *t->Batch.Measurements.Items(0);
        EXPECT_EQ(m.RPMCode, 1);
        EXPECT_DOUBLE_EQ(m.Viscosity, 1000.0);
        EXPECT_DOUBLE_EQ(m.Temperature, 25.0);
        EXPECT_DOUBLE_EQ(m.SheerRate, c.Shear ? 0.6 : 0.0);
        EXPECT_DOUBLE_EQ(m.SheerStress, c.Shear ? 6.0 : 0.0);
        EXPECT_TRUE(sim.CommandTexts().isEmpty()); // listening only
    }
}

TEST_F(RunThreadTest, ManualCollectionEndsOnGarbageKeepingReadings) {
    sim.SetFault(TSimFault::Garbage, 2);
    auto t = MakeThread(TCommViscoMeterThread::ModeManual);
    StartBlocksWhenListening(100);
    ASSERT_TRUE(RunToEnd(*t, 15000));
    EXPECT_THAT(errors, ElementsAre("ReadNoProcessLine: Unknown spindle type"));
    EXPECT_EQ(t->Batch.Measurements.Count(), 2);
}

TEST_F(RunThreadTest, ManualCollectionEndsOnAHangUpKeepingReadings) {
    // Waiting for the next block must not take a hung-up line for a quiet instrument.
    sim.SetFault(TSimFault::Hangup, 2);
    auto t = MakeThread(TCommViscoMeterThread::ModeManual);
    StartBlocksWhenListening(100);
    ASSERT_TRUE(RunToEnd(*t, 15000));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("was lost")) << errors[0].toStdString();
    EXPECT_EQ(t->Batch.Measurements.Count(), 2);
}

TEST_F(RunThreadTest, OwnerGoingAwayMidRunDoesNotHang) {
    auto t = MakeThread(TCommViscoMeterThread::ModeManual);
    sim.StartManual(50);
    t->Resume();
    // No event loop runs: the worker sits in a callback that never comes.
    ASSERT_TRUE(sim.WaitForReadings(1, 5000));
    const int64_t start = InstrumentTick();
    t.reset();
    EXPECT_LT(InstrumentTick() - start, 3000);
    EXPECT_EQ(started, 0);
}

TEST_F(RunThreadTest, AHandlerThatRaisesEndsTheRunWithItsMessage) {
    auto t = MakeThread(TCommViscoMeterThread::ModeAutomatic);
    AddProcess(t->Batch, {.Start = 1, .End = 1, .Time = 30, .Count = 30});
    onStatus = [](TCommViscoMeterThread& th) {
        if (th.StatusText.startsWith("Processing"))
            throw EBramblexError("The status bar could not be drawn.");
    };
    ASSERT_TRUE(RunToEnd(*t, 15000));
    EXPECT_THAT(errors, ElementsAre("The status bar could not be drawn."));
    // Ended like any failure: spindle stopped, instrument out of computer mode, long
    // before the thirty seconds of the process.
    EXPECT_EQ(Texts().mid(Texts().size() - 2), (QList<QByteArray>{"R00", "III"}));
    EXPECT_LT(t->RunMilliseconds(), 10000);

    // An error handler that raises too: the message stays in ErrorText.
    auto second = MakeThread(TCommViscoMeterThread::ModeAutomatic);
    AddProcess(second->Batch, {.Start = 1, .End = 1, .Time = 30, .Count = 30});
    second->OnError = [] { throw EBramblexError("The error box could not be shown."); };
    ASSERT_TRUE(RunToEnd(*second, 15000));
    EXPECT_EQ(second->ErrorText, QStringLiteral("The status bar could not be drawn."));
}
