#include "instrument/ViscoMeterInterface.h"

#include "catalogue/Catalogue.h"
#include "simulator/ViscoMeterSimulator.h"
#include "support/TempDir.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

QString MessageOf(const std::function<void()>& fn) {
    try {
        fn();
    } catch (const KorvViscoMeterException& e) {
        return "korv: " + e.Message();
    } catch (const EBramblexError& e) {
        return "general: " + e.Message();
    }
    return "no error";
}

// An interface connected to a fresh simulated instrument in computer mode.
class ProtocolTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim.Start();
        vm.Open(sim.SlavePath(), false);
        vm.EnterComputerMode();
        sim.ClearLog();
    }
    // The command lines the instrument received, carriage returns included.
    QList<QByteArray> Received() const {
        QList<QByteArray> bytes;
        for (const TSimCommand& c : sim.Commands())
            bytes << c.Bytes;
        return bytes;
    }

    TViscoMeterSimulator sim;
    TKorvaneViscoMeterInterface vm;
};

} // namespace

TEST(InstrumentText, NumbersUseAFullStopWhateverTheLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_DOUBLE_EQ(InstrumentTextToFloat("1234.5"), 1234.5);
    EXPECT_DOUBLE_EQ(InstrumentTextToFloat(" -0.25 "), -0.25);
    EXPECT_DOUBLE_EQ(InstrumentTextToFloat("+1e3"), 1000.0);
    QLocale::setDefault(QLocale::c());
    for (const char* bad : {"1,5", "", "  ", "12a", "inf", "nan", "1e999", "+-1", "0x10"}) {
        try {
            InstrumentTextToFloat(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const KorvViscoMeterException&) {
            ADD_FAILURE() << "a conversion error must not be a protocol error: " << bad;
        } catch (const EBramblexError& e) {
            EXPECT_EQ(e.Message(), QString("'%1' is not a valid floating point value").arg(bad));
        }
    }
    EXPECT_EQ(InstrumentTextToFloatDef("x", 7.0), 7.0);
}

TEST(InstrumentText, TemperaturesSpindleCodesAndTraceBytes) {
    double c = 0.0;
    ASSERT_TRUE(ParseInstrumentTemperature("77.0F", c));
    EXPECT_NEAR(c, 25.0, 1e-12);
    ASSERT_TRUE(ParseInstrumentTemperature("25.0C", c));
    EXPECT_DOUBLE_EQ(c, 25.0);
    EXPECT_FALSE(ParseInstrumentTemperature("25.0K", c));
    EXPECT_FALSE(ParseInstrumentTemperature("", c));
    EXPECT_THROW(ParseInstrumentTemperature("x.0C", c), EBramblexError);

    struct TCase {
        int Model, Spindle, Code;
    };
    const TCase cases[] = {{0, 0, 1},   {2, 13, 14}, {2, 8, 9},   {1, 8, 13}, {3, 7, 12}, {1, 14, 1},
                           {3, 24, 11}, {1, 3, -1},  {0, 14, -1}, {4, 0, -1}, {2, 25, -1}};
    for (const TCase& t : cases)
        EXPECT_EQ(InstrumentSpindleCode(t.Model, t.Spindle), t.Code) << t.Model << "/" << t.Spindle;

    EXPECT_EQ(TraceBytesText("CCC\r", 4), "CCC[0D]");
    EXPECT_EQ(TraceBytesText("a b\n\xff~!", 7), "a[20]b[0A][FF]~!");
}

TEST_F(ProtocolTest, EachCommandSendsItsExactBytes) {
    vm.StartViscosityMeasurement();
    vm.SetRPM(20);
    vm.SetRPM(12);
    vm.ReadTemperature();
    vm.ReadViscosity();
    vm.ReadShearStress();
    vm.ReadShearRate();
    vm.SetSpindle(8); // PA on the V2-L default: code 9
    vm.RestartInstrument();
    EXPECT_THAT(Received(), ElementsAre("UUU\r", "R14\r", "R0C\r", "TTT\r", "VVV\r", "EEE\r", "GGG\r",
                                        "MMM\r", "S09\r", "III\r"));
}

TEST_F(ProtocolTest, SpindleCodesFollowTheModelFamily) {
    sim.SetModel(1); // V1-R
    vm.SetSpindle(8);
    EXPECT_EQ(sim.Spindle(), 8);
    EXPECT_EQ(MessageOf([&] { vm.SetSpindle(3); }), "korv: ReadInstrumentModel: Invalid Spindle for Model");
    EXPECT_THAT(Received(), ElementsAre("MMM\r", "S0D\r", "MMM\r")); // nothing after the refused one

    sim.SetReply("S0D", "?\r");
    EXPECT_EQ(MessageOf([&] { vm.SetSpindle(8); }), "korv: SetSpindle: Unexpected response");
}

TEST_F(ProtocolTest, RepliesAndTheirFailures) {
    struct TCase {
        const char* Command;
        QByteArray Reply;
        std::function<QString(TKorvaneViscoMeterInterface&)> Run;
        QString Expected;
    };
    auto number = [](double v) { return QString::number(v, 'g', 17); };
    const std::vector<TCase> cases = {
        {"MMM", "V2-L\r", [&](auto& v) { return number(v.ReadInstrumentModel()); }, "2"},
        {"MMM", "V1-R\r", [&](auto& v) { return number(v.ReadInstrumentModel()); }, "1"},
        {"MMM", "v2-l\r", [&](auto& v) { return number(v.ReadInstrumentModel()); },
         "korv: ReadInstrumentModel: Unknown model v2-l"},
        {"TTT", "77.0F\r", [&](auto& v) { return number(v.ReadTemperature()); }, "25"},
        {"TTT", "25.0C\r", [&](auto& v) { return number(v.ReadTemperature()); }, "25"},
        {"TTT", "25.0K\r", [&](auto& v) { return number(v.ReadTemperature()); },
         "korv: ReadTemperature: Unexpected response"},
        {"TTT", "\r", [&](auto& v) { return number(v.ReadTemperature()); },
         "korv: ReadTemperature: Unexpected response"},
        {"TTT", "2x.0C\r", [&](auto& v) { return number(v.ReadTemperature()); },
         "general: '2x.0' is not a valid floating point value"},
        {"VVV", "1234.5\r", [&](auto& v) { return number(v.ReadViscosity()); }, "1234.5"},
        {"VVV", "E1\rOVER RANGE\r", [&](auto& v) { return number(v.ReadViscosity()); }, number(1.7e308)},
        {"VVV", "busy\r", [&](auto& v) { return number(v.ReadViscosity()); },
         "general: 'busy' is not a valid floating point value"},
        {"EEE", "SS:12.5\r", [&](auto& v) { return number(v.ReadShearStress()); }, "12.5"},
        {"EEE", "SS:\r", [&](auto& v) { return number(v.ReadShearStress()); }, "0"},
        {"EEE", "12.5\r", [&](auto& v) { return number(v.ReadShearStress()); }, "0"},
        {"EEE", "A:B:3\r", [&](auto& v) { return number(v.ReadShearStress()); }, "0"},
        {"GGG", "2.50\r", [&](auto& v) { return number(v.ReadShearRate()); }, "2.5"},
        {"GGG", "n/a\r", [&](auto& v) { return number(v.ReadShearRate()); }, "0"},
        {"R14", "?\r", [&](auto& v) { return (v.SetRPM(20), QString("ok")); },
         "korv: This viscometer does not support 0.1 RPM"},
        {"R0C", "$\r", [&](auto& v) { return (v.SetRPM(12), QString("ok")); }, "ok"},
        {"UUU", "?\r", [&](auto& v) { return (v.StartViscosityMeasurement(), QString("ok")); },
         "korv: StartViscosityMeasurement: Unexpected response"},
        {"CCC", "$$\r", [&](auto& v) { return (v.EnterComputerMode(), QString("ok")); },
         "korv: EnterComputerMode: Unexpected response"},
    };
    for (const TCase& c : cases) {
        sim.ClearReplies();
        sim.SetReply(c.Command, c.Reply);
        QString result;
        const QString error = MessageOf([&] { result = c.Run(vm); });
        EXPECT_EQ(error == "no error" ? result : error, c.Expected)
            << c.Command << " -> " << c.Reply.constData();
        vm.Purge();
    }
    // After "E1" the second line was consumed: the next reply is read in step.
    sim.ClearReplies();
    sim.SetReply("VVV", "E1\rOVER RANGE\r");
    vm.ReadViscosity();
    EXPECT_EQ(vm.ReadTemperature(), 25.0);
}

TEST_F(ProtocolTest, UnsupportedSpeedIsShownInTheUsersLocale) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    sim.SetRefusedRPMCodes({5});
    const QString message = MessageOf([&] { vm.SetRPM(5); });
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(message, "korv: This viscometer does not support 1,5 RPM");
}

TEST_F(ProtocolTest, RestartWaitsForTheInstrumentThenChecksTheReply) {
    const int64_t start = InstrumentTick();
    vm.RestartInstrument();
    EXPECT_GE(InstrumentTick() - start, 1950);
    sim.SetReply("III", "?\r");
    EXPECT_EQ(MessageOf([&] { vm.RestartInstrument(); }), "korv: RestartInstrument: Unexpected response");
}

TEST_F(ProtocolTest, SilenceTimesOutAfterTwoSecondsPerByte) {
    sim.SetFault(TSimFault::HalfReply, 0, "MMM"); // "V2" arrives, the rest never does
    int64_t start = InstrumentTick();
    EXPECT_EQ(MessageOf([&] { vm.ReadInstrumentModel(); }),
              "korv: Communications Error: (Read data timeout)");
    int64_t took = InstrumentTick() - start;
    EXPECT_GE(took, 1900);
    EXPECT_LE(took, 3000);

    // A cleared Continue ends the wait at once.
    sim.SetFault(TSimFault::Silence);
    int calls = 0;
    vm.OnContinue = [&](TKorvaneViscoMeterInterface* sender, bool& doContinue) {
        EXPECT_EQ(sender, &vm);
        doContinue = ++calls < 3;
    };
    start = InstrumentTick();
    EXPECT_EQ(MessageOf([&] { vm.ReadTemperature(); }), "korv: Communications Error: (Read data timeout)");
    EXPECT_LT(InstrumentTick() - start, 500);
    EXPECT_EQ(calls, 3);
}

TEST(ProtocolOpen, BadOrBusyPortsFailWithTheReason) {
    TKorvaneViscoMeterInterface vm;
    const QString missing = MessageOf([&] { vm.Open("/nonexistent/ttyUSB9", false); });
    const QStringList lines = missing.split('\n');
    ASSERT_EQ(lines.size(), 2) << missing.toStdString();
    EXPECT_EQ(lines[0], "korv: Communications Error: (Invalid Communications Port)");
    EXPECT_THAT(lines[1].toStdString(), HasSubstr("/nonexistent/ttyUSB9"));
    EXPECT_FALSE(vm.IsOpen());

    TViscoMeterSimulator sim;
    sim.Start();
    TKorvaneViscoMeterInterface first;
    first.Open(sim.SlavePath(), false);
    TKorvaneViscoMeterInterface second;
    const QString busy = MessageOf([&] { second.Open(sim.SlavePath(), false); });
    EXPECT_TRUE(busy.startsWith("korv: Communications Error: (Invalid Communications Port)\n"))
        << busy.toStdString();
    EXPECT_FALSE(second.IsOpen());
    first.Close();
    second.Open(sim.SlavePath(), false); // free again once closed
    EXPECT_TRUE(second.IsOpen());
}

TEST(ProtocolTrace, LayoutAndFileWrittenOnDestruction) {
    TempDir dir;
    TViscoMeterSimulator sim;
    sim.Start();
    QString path;
    {
        TKorvaneViscoMeterInterface vm;
        vm.TraceFolder = dir.Path();
        vm.Open(sim.SlavePath(), true);
        vm.EnterComputerMode();
        vm.SetRPM(1);
        const QStringList& trace = vm.Trace();
        ASSERT_EQ(trace.size(), 12);
        const QRegularExpression header("^\\d{7}: (Output|Input)$");
        for (int i : {1, 4, 7, 10})
            EXPECT_TRUE(header.match(trace[i]).hasMatch()) << trace[i].toStdString();
        EXPECT_TRUE(trace[1].endsWith("Output"));
        EXPECT_TRUE(trace[4].endsWith("Input"));
        EXPECT_EQ(trace[2], "CCC[0D]");
        EXPECT_EQ(trace[5], "$[0D]");
        EXPECT_EQ(trace[8], "R01[0D]");
        EXPECT_EQ(trace[11], "$[0D]");
        for (int i : {0, 3, 6, 9})
            EXPECT_EQ(trace[i], QString());
        // The stamps count from Open, which spends 600 ms before the working port opens.
        EXPECT_GE(trace[1].left(7).toInt(), 590);
        vm.Close();
        EXPECT_EQ(vm.Trace().size(), 12); // Close keeps it
        EXPECT_TRUE(QDir(dir.Path()).entryList(QDir::Files).isEmpty());
    }
    const QStringList files = QDir(dir.Path()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    EXPECT_TRUE(QRegularExpression("^CommsTrace_\\d{6}-\\d{6}\\.TXT$").match(files[0]).hasMatch())
        << files[0].toStdString();
    const QList<QByteArray> lines = dir.Read(files[0]).split('\n');
    ASSERT_EQ(lines.size(), 13); // twelve lines, each ended
    EXPECT_EQ(lines[2], "CCC[0D]");
    EXPECT_EQ(lines[12], "");

    // Without tracing nothing is kept and no file appears.
    {
        TKorvaneViscoMeterInterface quiet;
        quiet.TraceFolder = dir.Path();
        quiet.Open(sim.SlavePath(), false);
        quiet.EnterComputerMode();
        EXPECT_TRUE(quiet.Trace().isEmpty());
    }
    EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files).size(), 1);
}

namespace {

// A manual block as the instrument prints it, fields at their columns.
QByteArray Block(const QByteArray& spindle, const QByteArray& speed, const QByteArray& temperature,
                 const QByteArray& viscosity, bool shear) {
    QByteArray b = QByteArray("SPINDLE").leftJustified(16, ' ') + spindle.leftJustified(10, ' ') +
                   "RPM:" + speed.rightJustified(9, ' ') + "T:" + temperature.rightJustified(6, ' ') + "\r\n";
    b += "VIS: " + viscosity + "\r\n%FS: 12.0\r\n";
    if (shear)
        b += "STRS: 3.25\r\nRATE: 2.00\r\n";
    return b;
}

} // namespace

TEST_F(ProtocolTest, ManualBlocksWithAndWithoutShearLines) {
    // Two blocks back to back: each read must stop exactly at its own end.
    sim.SetReply("TTT",
                 Block("LCP", "0.3", "25.0C", "1234.5", true) + Block("l1", "200", "77.0F", "EEEE", false));
    vm.SendCommand("TTT");
    const TNoProcessReading lcp = vm.ReadNoProcessLine();
    EXPECT_EQ(lcp.Spindle, 7);
    EXPECT_EQ(lcp.RPMCode, 1);
    EXPECT_DOUBLE_EQ(lcp.Temperature, 25.0);
    EXPECT_DOUBLE_EQ(lcp.Viscosity, 1234.5);
    EXPECT_DOUBLE_EQ(lcp.ShearStress, 3.25);
    EXPECT_DOUBLE_EQ(lcp.ShearRate, 2.0);
    const TNoProcessReading l1 = vm.ReadNoProcessLine();
    EXPECT_EQ(l1.Spindle, 0); // names are upper-cased
    EXPECT_EQ(l1.RPMCode, 19);
    EXPECT_NEAR(l1.Temperature, 25.0, 1e-12);
    EXPECT_EQ(l1.Viscosity, OverRangeViscosity);
    EXPECT_EQ(l1.ShearStress, 0.0);
    EXPECT_EQ(l1.ShearRate, 0.0);
    sim.ClearReplies();
    EXPECT_EQ(vm.ReadTemperature(), 25.0); // nothing of the blocks is left over
}

TEST_F(ProtocolTest, ManualBlockFieldsThatDoNotParse) {
    struct TCase {
        QByteArray Block;
        const char* Expected;
    };
    const TCase cases[] = {
        {Block("XX", "0.3", "25.0C", "1.0", false), "korv: ReadNoProcessLine: Unknown spindle type"},
        {Block("L1", "0.30", "25.0C", "1.0", false), "korv: ReadNoProcessLine: Unknown RPM value"},
        {Block("L1", "0,3", "25.0C", "1.0", false), "korv: ReadNoProcessLine: Unknown RPM value"},
        {Block("L1", "0.3", "25.0K", "1.0", false), "korv: ReadNoProcessLine: Unexpected temperature unit"},
        {Block("L1", "0.3", "", "1.0", false), "korv: ReadNoProcessLine: Unexpected temperature unit"},
        {Block("L1", "0.3", "2,5C", "1.0", false), "general: '2,5' is not a valid floating point value"},
        {Block("LCP", "0.3", "25.0C", "1.0", false).chopped(1),
         "korv: Communications Error: (Read data timeout)"},
    };
    for (const TCase& c : cases) {
        sim.SetReply("TTT", c.Block);
        vm.SendCommand("TTT");
        EXPECT_EQ(MessageOf([&] { vm.ReadNoProcessLine(); }), c.Expected) << c.Block.constData();
        vm.Purge();
    }
}

TEST_F(ProtocolTest, ManualSpeedParsesTheSameInEveryLocale) {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    sim.SetReply("TTT", Block("R3", "0.3", "25.0C", "800.0", false));
    vm.SendCommand("TTT");
    const TNoProcessReading r = vm.ReadNoProcessLine();
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(r.RPMCode, 1);
    EXPECT_EQ(r.Spindle, 16);
    EXPECT_DOUBLE_EQ(r.Viscosity, 800.0);
}
