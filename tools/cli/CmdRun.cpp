// bramblex-cli run: runs a batch's processes on the viscometer (or collects readings
// taken by hand), shows the status as it changes and saves the readings into the
// batch file however the run ends.

#include "CliCommand.h"
#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "instrument/CommViscoMeterThread.h"
#include "instrument/ProcessRules.h"
#include "platform/SerialPorts.h"

#include <QEventLoop>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Ctrl+C only writes a byte into a pipe; the event loop turns it into a stop request.
int SignalPipe[2] = {-1, -1};

extern "C" void OnInterrupt(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(SignalPipe[1], &byte, 1);
    errno = saved;
}

// Installs the SIGINT handler for the lifetime of the run and restores the old one.
class TInterruptGuard {
public:
    TInterruptGuard() {
        if (::pipe2(SignalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            throw EBramblexError(QStringLiteral("Cannot create the interrupt pipe."));
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGINT, &action, &m_previous);
        sigaction(SIGTERM, &action, &m_previousTerm);
    }
    ~TInterruptGuard() {
        sigaction(SIGINT, &m_previous, nullptr);
        sigaction(SIGTERM, &m_previousTerm, nullptr);
        ::close(SignalPipe[0]);
        ::close(SignalPipe[1]);
        SignalPipe[0] = SignalPipe[1] = -1;
    }
    int ReadEnd() const { return SignalPipe[0]; }
    static void Drain() {
        char buffer[16];
        while (::read(SignalPipe[0], buffer, sizeof buffer) > 0) {
        }
    }

private:
    struct sigaction m_previous {};
    struct sigaction m_previousTerm {};
};

QString ReadingLine(int number, const TMeasurementItem& m, int spindle) {
    QString line =
        QStringLiteral("Reading %1: %2 %3, %4 %5, %6 RPM")
            .arg(number)
            .arg(m.Viscosity >= OverRangeViscosity ? OverScaleText() : FormatViscosity(m.Viscosity),
                 ViscosityUnitsName(), FormatTemperature(m.Temperature), TemperatureUnitsName(),
                 FormatLocaleFixed(RPMCodeToValue(m.RPMCode), 1));
    if (SpindleHasShear(spindle))
        line += QStringLiteral(", shear stress %1, shear rate %2")
                    .arg(FormatLocaleFixed(m.SheerStress, 2), FormatLocaleFixed(m.SheerRate, 2));
    return line;
}

int Usage() {
    CliErr(
        QStringLiteral("usage: bramblex-cli run --port DEVICE [--manual [--count N]] [--trace] BATCH.epb"));
    return 2;
}

int RunBatch(const QStringList& args) {
    QString port;
    QString path;
    bool manual = false;
    bool trace = false;
    int count = 0;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--port") && i + 1 < args.size()) {
            port = args[++i];
        } else if (a == QLatin1String("--manual")) {
            manual = true;
        } else if (a == QLatin1String("--count") && i + 1 < args.size()) {
            bool ok = false;
            count = args[++i].toInt(&ok);
            if (!ok || count < 1) {
                CliErr(QStringLiteral("--count needs a whole number above 0."));
                return 2;
            }
        } else if (a == QLatin1String("--trace")) {
            trace = true;
        } else if (!a.startsWith(QLatin1String("--")) && path.isEmpty()) {
            path = a;
        } else {
            return Usage();
        }
    }
    if (port.isEmpty() || path.isEmpty() || (count > 0 && !manual))
        return Usage();
    // A bare number is the "ComPort" setting's port number.
    if (QRegularExpression(QStringLiteral("^\\d+$")).match(port).hasMatch())
        port = PortDevicePath(port.toInt(), QString());

    TBatchItem batch;
    batch.LoadFromFile(path);
    if (!manual) {
        if (!ModelSupportsProcesses(batch.ModelType))
            throw EBramblexError(ProcessesNotSupportedText());
        TProcessRuleResult rule;
        const int bad = FirstInvalidProcess(batch.Processes, batch.SpindleType, &rule);
        if (bad >= 0)
            throw EBramblexError(QStringLiteral("Process %1: %2").arg(bad + 1).arg(rule.Message));
    }
    const int readingsBefore = batch.Measurements.Count();

    TCommViscoMeterThread run(port, manual ? TCommViscoMeterThread::ModeManual
                                           : TCommViscoMeterThread::ModeAutomatic);
    run.Tracing = trace;
    run.Batch.Assign(batch);

    QEventLoop loop;
    QString lastLine;
    QStringList errors;
    bool interrupted = false;
    bool countReached = false;

    // New readings of the run's batch beyond those the displayed batch holds.
    auto copyNewReadings = [&] {
        std::lock_guard<TMeasurementList> guard(run.Batch.Measurements);
        const int limit = count > 0 ? readingsBefore + count : run.Batch.Measurements.Count();
        for (int i = batch.Measurements.Count(); i < std::min(limit, run.Batch.Measurements.Count()); ++i) {
            TMeasurementItem* m = batch.Measurements.Add();
            m->Assign(*run.Batch.Measurements.Items(i));
            CliOut(ReadingLine(i - readingsBefore + 1, *m, batch.SpindleType));
        }
        if (count > 0 && batch.Measurements.Count() >= readingsBefore + count && !countReached) {
            countReached = true;
            run.Terminate();
        }
    };

    run.OnStatus = [&] {
        QString line = run.StatusText;
        if (run.ProgressMax > 0)
            line = QStringLiteral("[%1/%2 s] %3")
                       .arg(FormatLocaleFixed(run.ProgressPosition / 1000.0, 0),
                            FormatLocaleFixed(run.ProgressMax / 1000.0, 0), line);
        if (line != lastLine)
            CliOut(line);
        lastLine = line;
    };
    run.OnError = [&] {
        errors << run.ErrorText;
        CliErr(run.ErrorText);
    };
    run.OnStarted = [&] {
        // The instrument says which model and spindle it is using.
        batch.ModelType = run.Batch.ModelType;
        batch.SpindleType = run.Batch.SpindleType;
    };
    run.OnTerminate = [&] { loop.quit(); };

    TInterruptGuard interrupt;
    QSocketNotifier notifier(interrupt.ReadEnd(), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        TInterruptGuard::Drain();
        if (!interrupted)
            CliOut(QStringLiteral("Stopping..."));
        interrupted = true;
        run.Terminate();
    });
    QTimer monitor;
    QObject::connect(&monitor, &QTimer::timeout, copyNewReadings);
    monitor.start(200);

    run.Resume();
    loop.exec();
    monitor.stop();
    copyNewReadings();

    batch.SaveToFile(path);
    const int added = batch.Measurements.Count() - readingsBefore;
    CliOut(QStringLiteral("%1 reading(s) added to %2").arg(added).arg(path));
    if (!run.TracePath().isEmpty())
        CliOut(QStringLiteral("Communications trace: %1").arg(run.TracePath()));

    if (!errors.isEmpty())
        return 1;
    if (interrupted && !manual) {
        CliErr(QStringLiteral("The run was stopped before it finished."));
        return 130;
    }
    return 0;
}

CliRegistrar reg{
    {"run", "--port DEVICE [--manual [--count N]] [--trace] BATCH.epb",
     "run the batch's processes on the viscometer (or collect manual readings) and save the readings",
     RunBatch}};

} // namespace
