// bramblex-cli run: runs a batch's processes on the viscometer (or collects readings
// taken by hand), shows the status as it changes and saves the readings into the
// batch file however the run ends. The run itself is the shared run session.

#include "CliCommand.h"
#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "instrument/CommViscoMeterThread.h"
#include "services/RunSession.h"

#include <QEventLoop>
#include <QSocketNotifier>

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
    CliErr(Tr("usage: bramblex-cli run --port DEVICE|NUMBER|simulated [--manual [--count N]] [--trace] "
              "[--reason TEXT] BATCH.epb"));
    return 2;
}

int RunBatch(const QStringList& given) {
    QStringList args = given;
    const QString reason = CliTakeReason(args);
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
                CliErr(Tr("--count needs a whole number above 0."));
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

    TBatchItem batch;
    batch.LoadFromFile(path);
    // The run saves the batch over its file at the end, which would lose what the
    // damaged file holds beyond the part that could be read.
    if (CliWarnDamaged(batch.LoadWarning)) {
        CliErr(Tr("run: the damaged batch is left as it is; no run was started."));
        return 1;
    }
    const int readingsBefore = batch.Measurements.Count();

    TRunSession::TOptions options;
    options.Mode = manual ? TRunSession::TMode::Manual : TRunSession::TMode::Automatic;
    options.Port = RunPortFromText(port);
    options.Tracing = trace;
    options.ReadingLimit = count;
    // A terminal shows readings sooner than a window needs to.
    options.MonitorIntervalMs = 200;
    options.Audit = CliAuditRecorder(reason);
    TRunSession run(batch, path, options);

    QEventLoop loop;
    QString lastLine;
    bool interrupted = false;
    int printed = readingsBefore;

    auto printNewReadings = [&] {
        const TBatchItem& shown = run.Batch();
        for (; printed < shown.Measurements.Count(); ++printed)
            CliOut(ReadingLine(printed - readingsBefore + 1, *shown.Measurements.Items(printed),
                               shown.SpindleType));
    };
    run.OnStatus = [&](const QString& text, int position, int max) {
        QString line = text;
        if (max > 0)
            line =
                QStringLiteral("[%1/%2 s] %3")
                    .arg(FormatLocaleFixed(position / 1000.0, 0), FormatLocaleFixed(max / 1000.0, 0), line);
        if (line != lastLine)
            CliOut(line);
        lastLine = line;
    };
    run.OnError = [&](const QString& message) { CliErr(message); };
    run.OnReadings = [&](int) { printNewReadings(); };
    run.OnTerminate = [&] { loop.quit(); };

    TInterruptGuard interrupt;
    QSocketNotifier notifier(interrupt.ReadEnd(), QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        TInterruptGuard::Drain();
        if (!interrupted)
            CliOut(QStringLiteral("Stopping..."));
        interrupted = true;
        run.Stop();
    });

    run.Start();
    loop.exec();
    printNewReadings();

    const TRunSession::TResult& result = run.Result();
    if (!result.Saved) {
        CliErr(result.SaveError);
        CliErr(Tr("The %1 reading(s) of this run are kept in %2; the program offers to recover them "
                  "into the batch when it next starts.")
                   .arg(result.ReadingsAdded)
                   .arg(result.JournalPath));
        return 1;
    }
    CliOut(QStringLiteral("%1 reading(s) added to %2").arg(result.ReadingsAdded).arg(path));
    if (!result.TracePath.isEmpty())
        CliOut(QStringLiteral("Communications trace: %1").arg(result.TracePath));

    if (!result.Errors.isEmpty())
        return 1;
    // A count reached is an end the operator asked for, not an interruption.
    if (interrupted && !manual) {
        CliErr(Tr("The run was stopped before it finished."));
        return 130;
    }
    return 0;
}

CliRegistrar reg{
    {"run", "--port DEVICE|NUMBER|simulated [--manual [--count N]] [--trace] [--reason TEXT] BATCH.epb",
     QT_TRANSLATE_NOOP(
         "Bramblex",
         "run the batch's processes on the viscometer (or collect manual readings) and save the readings"),
     RunBatch}};

} // namespace
