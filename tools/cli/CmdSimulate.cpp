// bramblex-cli simulate: a simulated viscometer on a pseudo-terminal, for trying the
// program without an instrument. Runs until Ctrl+C (or the simulated hang-up).

#include "CliCommand.h"
#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "simulator/ViscoMeterSimulator.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

namespace {

std::atomic<bool> StopSignal{false};

extern "C" void OnStopSignal(int) {
    StopSignal = true;
}

int ParseModel(const QString& text) {
    for (int m = 0; m < ModelTypeCount; ++m) {
        const QString reply = QString::fromLatin1(ModelReplies[m]);
        if (text.compare(reply, Qt::CaseInsensitive) == 0 ||
            text.compare(QStringLiteral("R") + reply, Qt::CaseInsensitive) == 0)
            return m;
    }
    throw EBramblexError(QStringLiteral("Unknown model \"%1\" (V1-L, V1-R, V2-L or V2-R).").arg(text));
}

int ParseSpindle(const QString& text) {
    for (int s = 0; s < SpindleTypeCount; ++s)
        if (text.compare(QString::fromLatin1(SpindleNames[s]), Qt::CaseInsensitive) == 0)
            return s;
    throw EBramblexError(QStringLiteral("Unknown spindle \"%1\".").arg(text));
}

int ParseRPM(const QString& text) {
    bool ok = false;
    const double rpm = text.toDouble(&ok);
    for (const TRPMEntry& e : RPMTable)
        if (ok && e.RPM == rpm)
            return e.Code;
    throw EBramblexError(QStringLiteral("Unknown speed \"%1\" RPM.").arg(text));
}

double ParseNumber(const QString& option, const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        throw EBramblexError(QStringLiteral("%1 needs a number, not \"%2\".").arg(option, text));
    return value;
}

int RunSimulate(const QStringList& args) {
    TViscoMeterSimulator sim;
    QString link;
    double manualSeconds = 0.0;
    TSimFault fault = TSimFault::None;
    int faultAfter = 0;
    bool quiet = false;
    bool drift = false;
    double setPoint = 0.0;
    double rate = 0.1;
    for (int i = 0; i < args.size(); ++i) {
        const QString& option = args[i];
        if (option == QLatin1String("--quiet")) {
            quiet = true;
            continue;
        }
        if (option == QLatin1String("--fahrenheit")) {
            sim.SetFahrenheit(true);
            continue;
        }
        if (i + 1 >= args.size()) {
            CliErr(Tr("%1 needs a value.").arg(option));
            return 2;
        }
        const QString value = args[++i];
        if (option == QLatin1String("--model"))
            sim.SetModel(ParseModel(value));
        else if (option == QLatin1String("--link"))
            link = value;
        else if (option == QLatin1String("--manual"))
            manualSeconds = ParseNumber(option, value);
        else if (option == QLatin1String("--fault"))
            fault = SimFaultFromName(value);
        else if (option == QLatin1String("--after"))
            faultAfter = static_cast<int>(ParseNumber(option, value));
        else if (option == QLatin1String("--spindle"))
            sim.SetSpindle(ParseSpindle(value));
        else if (option == QLatin1String("--rpm"))
            sim.SetRPMCode(ParseRPM(value));
        else if (option == QLatin1String("--viscosity"))
            sim.SetFluidViscosity(ParseNumber(option, value));
        else if (option == QLatin1String("--fluid"))
            sim.SetFluid(SimFluidFromName(value));
        else if (option == QLatin1String("--temperature"))
            sim.SetTemperature(ParseNumber(option, value));
        else if (option == QLatin1String("--set-point")) {
            setPoint = ParseNumber(option, value);
            drift = true;
        } else if (option == QLatin1String("--rate"))
            rate = ParseNumber(option, value);
        else {
            CliErr(Tr("Unknown option %1.").arg(option));
            return 2;
        }
    }
    sim.SetFault(fault, faultAfter);
    if (drift)
        sim.SetTemperatureSetPoint(setPoint, rate);

    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    sim.Start();
    if (!link.isEmpty()) {
        sim.MakeLink(link);
        CliOut(QStringLiteral("%1 -> %2").arg(link, sim.SlavePath()));
    } else {
        CliOut(sim.SlavePath());
    }
    if (manualSeconds > 0.0)
        sim.StartManual(static_cast<int>(manualSeconds * 1000.0));
    CliErr(Tr("Simulating %1; Ctrl+C stops.").arg(QString::fromLatin1(ModelNames[sim.Model()])));

    size_t shown = 0;
    while (!StopSignal) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const std::vector<TSimCommand> log = sim.Commands();
        for (; shown < log.size(); ++shown)
            if (!quiet)
                CliOut(QStringLiteral("%1 ms  %2")
                           .arg(log[shown].ElapsedMs, 9, 'f', 0)
                           .arg(QString::fromLatin1(log[shown].Command)));
        if (sim.HungUp()) {
            CliErr(Tr("The simulated instrument hung up."));
            break;
        }
    }
    sim.Stop();
    return 0;
}

static CliRegistrar reg{
    {"simulate",
     "[--model V2-L] [--link PATH] [--manual SECONDS] [--fault NAME [--after N]] [--spindle L2] "
     "[--rpm 10] [--viscosity MPAS | --fluid paint|oil|paste] [--temperature C] [--set-point C [--rate "
     "C_PER_S]] "
     "[--fahrenheit] "
     "[--quiet]",
     QT_TRANSLATE_NOOP(
         "Bramblex", "runs a simulated viscometer on a pseudo-terminal and prints its device (faults: none, "
                     "silence, half-reply, garbage, wrong-model, hangup; fluids: a shear-thinning paint, a "
                     "Newtonian gear oil, both thinner when warm, a paste with a yield stress)"),
     RunSimulate}};

} // namespace
