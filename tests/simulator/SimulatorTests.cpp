#include "simulator/ViscoMeterSimulator.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "platform/SerialLine.h"
#include "simulator/PublishedFullScale.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFileInfo>

#include <chrono>
#include <cmath>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The program's side of the line: a real serial line on the simulator's pty.
class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim.Start();
        line->Open(sim.SlavePath(), false);
    }

    void Send(const QByteArray& command) {
        const QByteArray bytes = command + '\r';
        for (char c : bytes)
            line->Write(&c, 1);
    }

    // Reads until `lines` carriage returns have arrived or `waitMs` has passed.
    QByteArray Receive(int lines = 1, int waitMs = 2000) {
        QByteArray got;
        const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
        while (got.count('\r') < lines && Clock::now() < deadline) {
            char buffer[256];
            const int n = line->BytesQueued() > 0 ? line->Read(buffer, sizeof buffer) : 0;
            if (n > 0)
                got.append(buffer, n);
            else
                std::this_thread::sleep_for(1ms);
        }
        return got;
    }

    // One manual block: `lines` lines and the line feed after the last one.
    QByteArray ReceiveBlock(int lines) {
        QByteArray block = Receive(lines);
        if (block.count('\r') == lines && block.endsWith('\r'))
            block += Receive(1, 200).left(1);
        qsizetype end = -1;
        for (int n = 0; n < lines; ++n)
            end = block.indexOf('\r', end + 1);
        return end < 0 ? block : block.left(end + 2);
    }

    QByteArray Ask(const QByteArray& command, int lines = 1) {
        Send(command);
        return Receive(lines);
    }

    // Everything that arrives within the time; for replies that must not come.
    QByteArray Quiet(int ms) { return Receive(1000, ms); }

    TViscoMeterSimulator sim;
    std::unique_ptr<TSerialLine> line = CreateSerialLine();
};

TEST_F(SimulatorTest, AnswersTheCommandSetWithExactBytes) {
    EXPECT_EQ(Ask("MMM"), "?\r") << "answered before computer mode";
    const struct {
        const char* command;
        const char* reply;
    } dialogue[] = {
        {"CCC", "$\r"},    {"MMM", "V2-L\r"},  {"S02", "$\r"},      {"R0C", "$\r"},
        {"UUU", "$\r"},    {"TTT", "25.0C\r"}, {"VVV", "1000.0\r"}, {"EEE", "SS:0.00\r"},
        {"GGG", "0.00\r"}, {"R16", "?\r"},                       // no such speed code
        {"S0F", "?\r"},                                          // no such spindle on an L model
        {"XYZ", "?\r"},    {"R00", "$\r"},     {"VVV", "0.0\r"}, // the spindle stands still
        {"III", "$\r"},    {"MMM", "?\r"},                       // the restart left computer mode
    };
    for (const auto& step : dialogue)
        EXPECT_EQ(Ask(step.command), QByteArray(step.reply)) << step.command;
    EXPECT_EQ(sim.Spindle(), 1);
    EXPECT_EQ(sim.RPMCode(), 0);
    EXPECT_FALSE(sim.Measuring());
}

TEST_F(SimulatorTest, ViscosityFollowsSpindleSpeedAndFullScale) {
    Ask("CCC");
    sim.SetFluidViscosity(2500.0);
    Ask("S02"); // L2: full scale 3000 at 10 RPM, 1500 at 20 RPM
    Ask("R0C");
    EXPECT_EQ(Ask("VVV"), "2500.0\r");
    Ask("R0E");
    EXPECT_EQ(Ask("VVV", 2), "E1\rOVER RANGE\r");
    // T-bar spindles cannot run above 12 RPM: the speed is refused and kept.
    Ask("S09");
    EXPECT_EQ(Ask("R0E"), "?\r");
    EXPECT_EQ(Ask("R0D"), "$\r");
    sim.SetRefusedRPMCodes({4});
    EXPECT_EQ(Ask("R04"), "?\r");
    EXPECT_EQ(sim.RPMCode(), 13);
    EXPECT_EQ(sim.ReadingsServed(), 2);
}

TEST_F(SimulatorTest, ShearSpindlesReportStressAndRate) {
    Ask("CCC");
    sim.SetFluidViscosity(50.0);
    Ask("S08"); // LCP
    Ask("R0C"); // 10 RPM: rate 2.0 x 10, stress 50 / 100 x 20
    EXPECT_EQ(Ask("EEE"), "SS:10.00\r");
    EXPECT_EQ(Ask("GGG"), "20.00\r");
}

TEST_F(SimulatorTest, RModelsDecodeTheirSpindleCodes) {
    sim.SetModel(3);
    EXPECT_EQ(sim.Spindle(), 14) << "R1 is the family's first spindle";
    Ask("CCC");
    EXPECT_EQ(Ask("MMM"), "V2-R\r");
    const struct {
        const char* command;
        int spindle;
    } codes[] = {{"S0D", 8}, {"S01", 14}, {"S0B", 24}, {"S12", 13}};
    for (const auto& c : codes) {
        EXPECT_EQ(Ask(c.command), "$\r") << c.command;
        EXPECT_EQ(sim.Spindle(), c.spindle) << c.command;
    }
    EXPECT_EQ(Ask("S13"), "?\r");
}

TEST_F(SimulatorTest, TemperatureDriftsToTheSetPointInEitherUnit) {
    Ask("CCC");
    sim.SetTemperature(20.0);
    EXPECT_EQ(Ask("TTT"), "20.0C\r");
    sim.SetTemperatureSetPoint(30.0, 1000.0);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(Ask("TTT"), "30.0C\r") << "reaches the set point and stays there";
    sim.SetTemperatureSetPoint(25.0, 1.0);
    const double t = sim.Temperature();
    EXPECT_LT(t, 30.0);
    EXPECT_GT(t, 29.0);
    sim.SetTemperature(25.0);
    sim.SetFahrenheit(true);
    EXPECT_EQ(Ask("TTT"), "77.0F\r");
}

TEST_F(SimulatorTest, LogsEveryCommandWithItsBytesAndTime) {
    Send("CCC");
    Receive();
    const auto before = Clock::now();
    std::this_thread::sleep_for(30ms);
    line->Write("\nR0C\r", 5); // a sender ending its lines with CR LF
    Receive();
    const std::vector<TSimCommand> log = sim.Commands();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].Bytes, "CCC\r");
    EXPECT_EQ(log[1].Bytes, "\nR0C\r");
    EXPECT_EQ(log[1].Command, "R0C");
    EXPECT_GE(log[1].At, before);
    EXPECT_GE(log[1].ElapsedMs - log[0].ElapsedMs, 30.0);
    EXPECT_EQ(sim.CommandTexts(), (QList<QByteArray>{"CCC", "R0C"}));
    sim.ClearLog();
    EXPECT_TRUE(sim.Commands().empty());
}

TEST_F(SimulatorTest, ReplacedRepliesAreSentRaw) {
    Ask("CCC");
    sim.SetReply("MMM", "v2-l\r");
    sim.SetReply("EEE", "SS:\r");
    EXPECT_EQ(Ask("MMM"), "v2-l\r");
    EXPECT_EQ(Ask("EEE"), "SS:\r");
    sim.ClearReplies();
    EXPECT_EQ(Ask("MMM"), "V2-L\r");
}

// How the program cuts a manual block: each line up to a CR, positions from 1 at the
// byte after the previous CR.
QList<QByteArray> BlockLines(const QByteArray& block) {
    return block.split('\r');
}
QByteArray Field(const QByteArray& line, int from, int length = -1) {
    return line.mid(from - 1, length).trimmed();
}

TEST_F(SimulatorTest, ManualModePrintsReadingBlocksInColumns) {
    sim.SetSpindle(1);
    sim.SetRPMCode(1); // 0.3 RPM
    sim.SetFluidViscosity(12345.6);
    sim.StartManual(20);
    const QList<QByteArray> lines = BlockLines(ReceiveBlock(3));
    sim.StopManual();
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(Field(lines[0], 17, 10), "L2");
    EXPECT_EQ(Field(lines[0], 31, 9), "0.3");
    EXPECT_EQ(Field(lines[0], 42, 6), "25.0C");
    EXPECT_EQ(lines[1].left(1), "\n");
    EXPECT_EQ(Field(lines[1], 6), "12345.6");
    EXPECT_EQ(Field(lines[2], 6), "12.3") << "percent of the 100000 mPas full scale";
    EXPECT_EQ(lines[3], "\n") << "the byte after the last line";
}

TEST_F(SimulatorTest, ManualBlocksOfShearSpindlesHaveFiveLines) {
    sim.SetSpindle(7); // LCP
    sim.SetRPMCode(12);
    sim.SetFluidViscosity(80.0); // over the 60 mPas full scale at 10 RPM
    sim.SetFahrenheit(true);
    sim.StartManual(20);
    const QList<QByteArray> lines = BlockLines(ReceiveBlock(5));
    sim.StopManual();
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(Field(lines[0], 17, 10), "LCP");
    EXPECT_EQ(Field(lines[0], 31, 9), "10");
    EXPECT_EQ(Field(lines[0], 42, 6), "77.0F");
    EXPECT_EQ(Field(lines[1], 6), "EEEE") << "over range is not a number";
    EXPECT_EQ(Field(lines[3], 7), "0.00");
    EXPECT_EQ(Field(lines[4], 7), "20.00");
    EXPECT_EQ(lines[5], "\n");
    EXPECT_GE(sim.ReadingsServed(), 1);
}

TEST_F(SimulatorTest, ComputerModeHoldsBackManualBlocks) {
    sim.SetRPMCode(4);
    EXPECT_EQ(Ask("CCC"), "$\r");
    sim.StartManual(10);
    EXPECT_EQ(Quiet(60), "");
    Send("III");
    const QByteArray after = Receive(2);
    EXPECT_TRUE(after.startsWith("$\rSPINDLE")) << after.left(20).toStdString();
}

TEST_F(SimulatorTest, SilenceStopsAllReplies) {
    Ask("CCC");
    sim.SetFault(TSimFault::Silence);
    EXPECT_EQ(Quiet(0), "");
    Send("MMM");
    EXPECT_EQ(Quiet(150), "");
    EXPECT_TRUE(sim.FaultStruck());
    EXPECT_EQ(sim.CommandTexts().last(), "MMM") << "still listening";
}

TEST_F(SimulatorTest, HalfReplyCutsOneReplyOnly) {
    Ask("CCC");
    sim.SetFault(TSimFault::HalfReply, 0, "MMM");
    EXPECT_EQ(Ask("TTT"), "25.0C\r");
    Send("MMM");
    EXPECT_EQ(Quiet(150), "V2") << "half of V2-L and its CR";
    EXPECT_EQ(Ask("MMM"), "V2-L\r");
}

TEST_F(SimulatorTest, GarbageReplacesOneReply) {
    Ask("CCC");
    Ask("R04"); // L1 at 1 RPM: 6000 mPas full scale
    sim.SetFault(TSimFault::Garbage, 1);
    EXPECT_EQ(Ask("VVV"), "1000.0\r");
    const QByteArray junk = Ask("TTT");
    EXPECT_TRUE(junk.endsWith('\r'));
    EXPECT_TRUE(junk.contains('\0'));
    EXPECT_FALSE(junk.contains('C'));
    EXPECT_EQ(Ask("TTT"), "25.0C\r");
}

TEST_F(SimulatorTest, WrongModelNamesTheOtherFamily) {
    sim.SetModel(0);
    sim.SetFault(TSimFault::WrongModel);
    Ask("CCC");
    EXPECT_EQ(Ask("MMM"), "V1-R\r");
}

TEST_F(SimulatorTest, HangupAfterReadingsClosesTheLine) {
    Ask("CCC");
    Ask("R04");
    sim.SetFault(TSimFault::Hangup, 2);
    EXPECT_EQ(Ask("VVV"), "1000.0\r");
    EXPECT_EQ(Ask("VVV"), "1000.0\r");
    Send("TTT");
    const auto deadline = Clock::now() + 2s;
    bool lost = false;
    while (!lost && Clock::now() < deadline) {
        try {
            line->BytesQueued();
            std::this_thread::sleep_for(1ms);
        } catch (const EBramblexError&) {
            lost = true;
        }
    }
    EXPECT_TRUE(lost);
    EXPECT_TRUE(sim.HungUp());
}

TEST_F(SimulatorTest, FaultsStrikeManualBlocksToo) {
    sim.SetFault(TSimFault::HalfReply, 1);
    sim.StartManual(15);
    EXPECT_EQ(BlockLines(ReceiveBlock(3)).size(), 4);
    ASSERT_TRUE(sim.WaitForReadings(2, 1000));
    EXPECT_TRUE(sim.FaultStruck());
    sim.StopManual();
    line->Purge();

    sim.SetFault(TSimFault::Hangup, sim.ReadingsServed() + 1);
    sim.StartManual(15);
    const auto deadline = Clock::now() + 2s;
    while (!sim.HungUp() && Clock::now() < deadline)
        std::this_thread::sleep_for(2ms);
    EXPECT_TRUE(sim.HungUp());
}

TEST(Simulator, LinkPointsAtTheSlaveUntilStopped) {
    TempDir dir;
    const QString link = dir.File(QStringLiteral("viscometer"));
    TViscoMeterSimulator sim;
    sim.Start();
    sim.MakeLink(link);
    EXPECT_EQ(QFileInfo(link).symLinkTarget(), sim.SlavePath());
    auto line = CreateSerialLine();
    line->Open(link, false);
    line->Close();
    sim.Stop();
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_FALSE(sim.IsRunning());

    dir.Write(QStringLiteral("file"), "x");
    TViscoMeterSimulator other;
    other.Start();
    EXPECT_THROW(other.MakeLink(dir.File(QStringLiteral("file"))), EBramblexError);
    EXPECT_EQ(dir.Read(QStringLiteral("file")), "x");
}

TEST(Simulator, FaultNamesRoundTrip) {
    for (const QString& name : SimFaultNames())
        EXPECT_EQ(SimFaultName(SimFaultFromName(name)), name);
    EXPECT_EQ(SimFaultFromName(QStringLiteral("Half-Reply")), TSimFault::HalfReply);
    EXPECT_THROW(SimFaultFromName(QStringLiteral("smoke")), EBramblexError);
}

} // namespace

// The application's full-scale tables against the maker's published figures that the
// simulator keeps on its own: a wrong value in either shows here.
TEST(PublishedFullScale, TheCatalogueHoldsThePublishedFigures) {
    int compared = 0;
    int usable = 0;
    for (int model = 0; model < ModelTypeCount; ++model)
        for (int spindle = 0; spindle < SpindleTypeCount; ++spindle)
            for (int position = 0; position < RPMTableCount; ++position) {
                const int code = RPMIndexToCode(position);
                EXPECT_EQ(FullScale(model, spindle, code), PublishedFullScale(model, spindle, code))
                    << "model " << model << ", spindle " << spindle << ", code " << code;
                ++compared;
                usable += PublishedFullScale(model, spindle, code) > 0.0 && code != 0;
            }
    EXPECT_EQ(compared, 4 * 25 * 22);
    // L models: 14 spindles, T-bars (PA to PF) only up to 12 RPM; R models alike with 17.
    EXPECT_EQ(usable, 2 * (8 * 21 + 6 * 15) + 2 * (11 * 21 + 6 * 15));
    EXPECT_EQ(PublishedFullScale(3, 20, 10), 80000.0); // R7 at 5 RPM: a tenth of the slower rows
    EXPECT_EQ(PublishedFullScale(0, 8, 20), 190000.0); // PA at 0.1 RPM on L
}

// The paste's shear stress, from the viscosity as the instrument derives it, is the
// Herschel-Bulkley curve 150 + 30 x rate^0.5 on TR8 (1.32 1/s per RPM); its readings
// scatter by about 2 %.
TEST(SimulatorFluids, ThePasteHasAYieldStress) {
    const TSimFluid paste = SimFluidPaste();
    const double ratePerRPM = SimShearRatePerRPM(21);
    ASSERT_DOUBLE_EQ(ratePerRPM, 1.32);
    for (double rpm : {0.5, 2.0, 10.0, 100.0}) {
        const double rate = ratePerRPM * rpm;
        EXPECT_NEAR(paste.ViscosityAt(rpm, 25.0, ratePerRPM) / 100.0 * rate, 150.0 + 30.0 * std::sqrt(rate),
                    1e-9)
            << rpm;
    }
    EXPECT_DOUBLE_EQ(paste.Noise, 0.02);
    // Without a yield stress nothing changes for the other fluids.
    EXPECT_DOUBLE_EQ(SimFluidNewtonianOil().ViscosityAt(10.0, 25.0, ratePerRPM), 520.0);
}
