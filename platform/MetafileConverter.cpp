#include "platform/MetafileConverter.h"

#include "core/Error.h"
#include "platform/FsResult.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>

namespace {

// Far beyond any drawing a preview needs; a converter that writes more is not trusted.
constexpr qint64 MaxSvgBytes = 64 * 1024 * 1024;
// Enough for any real picture; a hostile one cannot make the converter take the machine.
constexpr rlim_t MaxConverterMemory = rlim_t(1) << 30;

QString CannotRead(const QString& path) {
    return Tr("The file \"%1\" does not hold a picture that can be read.").arg(path);
}

quint32 Le32(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 Le16(const QByteArray& b, int at) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData()) + at;
    return quint16(p[0] | p[1] << 8);
}

// Program, arguments, files and the limits a converter runs under. Its output and its
// log are files, so both are bounded by the file size limit rather than by our memory.
void PrepareConverter(QProcess& process, TMetafileFormat format, const QString& input, const QString& output,
                      const QString& log, int timeoutMs) {
    if (format == TMetafileFormat::Emf) {
        process.setProgram(QStringLiteral("emf2svg-conv"));
        process.setArguments({QStringLiteral("-i"), input, QStringLiteral("-o"), output});
    } else {
        process.setProgram(QStringLiteral("wmf2svg"));
        process.setArguments({QStringLiteral("-o"), output, input});
    }
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(log);
    const rlim_t cpuSeconds = rlim_t(timeoutMs / 1000 + 1);
    process.setChildProcessModifier([cpuSeconds] {
        // In the child between fork and exec: only calls that are safe there.
        const rlimit size{rlim_t(MaxSvgBytes) + 1, rlim_t(MaxSvgBytes) + 1};
        setrlimit(RLIMIT_FSIZE, &size);
        const rlimit memory{MaxConverterMemory, MaxConverterMemory};
        setrlimit(RLIMIT_AS, &memory);
        const rlimit cpu{cpuSeconds, cpuSeconds};
        setrlimit(RLIMIT_CPU, &cpu);
        const rlimit core{0, 0};
        setrlimit(RLIMIT_CORE, &core);
    });
}

QString TooLarge() {
    return Tr("The converted picture is larger than %1 MB.").arg(MaxSvgBytes / (1024 * 1024));
}

// Why a converter that has ended failed; empty when it did not.
QString FailureOf(const QProcess& process, const QString& output, const QString& log) {
    if (process.exitStatus() == QProcess::CrashExit) {
        // The system stops a converter that goes beyond the file size limit.
        if (QFileInfo(output).size() > MaxSvgBytes || QFileInfo(log).size() > MaxSvgBytes)
            return TooLarge();
        return process.errorString();
    }
    if (process.exitCode() == 0)
        return {};
    // The converter's last words say why; an exit code alone says little.
    QFile file(log);
    QByteArray tail;
    if (file.open(QIODevice::ReadOnly)) {
        file.seek(std::max<qint64>(0, file.size() - 4096));
        tail = file.read(4096).trimmed();
    }
    const QString reason = QString::fromLocal8Bit(tail.mid(tail.lastIndexOf('\n') + 1)).trimmed();
    return reason.isEmpty() ? Tr("The converter ended with code %1.").arg(process.exitCode()) : reason;
}

// The converter's SVG; empty, with reason set, when there is none to trust.
QByteArray ReadOutput(const QString& output, QString& reason) {
    QFile file(output);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return {};
    }
    if (file.size() > MaxSvgBytes) {
        reason = TooLarge();
        return {};
    }
    QByteArray svg = file.readAll();
    if (svg.isEmpty())
        reason = Tr("The converter wrote nothing.");
    return svg;
}

QString TimedOut(int timeoutMs) {
    return Tr("The converter did not finish within %1 seconds.").arg(std::max(1, timeoutMs / 1000));
}

} // namespace

bool IsMetafileName(const QString& path) {
    const QString suffix = QFileInfo(path).suffix();
    return suffix.compare(QLatin1String("wmf"), Qt::CaseInsensitive) == 0 ||
           suffix.compare(QLatin1String("emf"), Qt::CaseInsensitive) == 0;
}

TMetafileConversion::TMetafileConversion(QObject* parent, int timeoutMs)
    : QObject(parent), m_timeoutMs(timeoutMs), m_timer(new QTimer(this)) {
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { Fail(TimedOut(m_timeoutMs)); });
}

TMetafileConversion::~TMetafileConversion() {
    Abandon();
}

bool TMetafileConversion::Running() const {
    return m_process != nullptr && m_process->state() != QProcess::NotRunning;
}

void TMetafileConversion::Abandon() {
    ++m_generation;
    m_timer->stop();
    if (m_process) {
        m_process->disconnect(this);
        if (m_process->state() != QProcess::NotRunning) {
            m_process->kill();
            m_process->waitForFinished(1000);
        }
        m_process->deleteLater();
        m_process = nullptr;
    }
    m_dir.reset();
}

void TMetafileConversion::Start(const QString& path) {
    Abandon();
    m_path = path;
    const int generation = m_generation;
    // Reported from the event loop, never from inside Start.
    auto failLater = [this, generation](const QString& reason) {
        QTimer::singleShot(0, this, [this, generation, reason] {
            if (generation == m_generation)
                Fail(reason);
        });
    };
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid()) {
        failLater(m_dir->errorString());
        return;
    }
    m_output = m_dir->filePath(QStringLiteral("picture.svg"));
    m_log = m_dir->filePath(QStringLiteral("converter.log"));
    const bool emf = QFileInfo(path).suffix().compare(QLatin1String("emf"), Qt::CaseInsensitive) == 0;
    m_process = new QProcess(this);
    PrepareConverter(*m_process, emf ? TMetafileFormat::Emf : TMetafileFormat::Wmf, path, m_output, m_log,
                     m_timeoutMs);
    connect(m_process, &QProcess::finished, this, [this] { Done(); });
    connect(m_process, &QProcess::errorOccurred, this, [this, failLater](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failLater(m_process->errorString());
    });
    m_timer->start(m_timeoutMs);
    m_process->start();
}

void TMetafileConversion::Done() {
    if (!m_process)
        return;
    QString reason = FailureOf(*m_process, m_output, m_log);
    const QByteArray svg = reason.isEmpty() ? ReadOutput(m_output, reason) : QByteArray();
    if (!reason.isEmpty()) {
        Fail(reason);
        return;
    }
    const QString path = m_path;
    Abandon();
    emit Finished(path, svg, QString());
}

void TMetafileConversion::Fail(const QString& reason) {
    const QString path = m_path;
    Abandon();
    emit Finished(path, {}, WithReason(CannotRead(path), reason));
}

QByteArray ConvertMetafileToSvg(const QString& path, int timeoutMs) {
    TMetafileConversion conversion(nullptr, timeoutMs);
    QEventLoop loop;
    QByteArray svg;
    QString error;
    QObject::connect(&conversion, &TMetafileConversion::Finished,
                     [&](const QString&, const QByteArray& result, const QString& message) {
                         svg = result;
                         error = message;
                         loop.quit();
                     });
    conversion.Start(path);
    loop.exec();
    if (svg.isEmpty())
        throw EBramblexError(error);
    return svg;
}

TMetafileFormat MetafileFormatOf(const QByteArray& bytes) {
    // The header record of an EMF: type 1, its size, two rectangles, then " EMF".
    if (bytes.size() >= 88 && Le32(bytes, 0) == 1 && Le32(bytes, 40) == 0x464D4520)
        return TMetafileFormat::Emf;
    if (bytes.size() >= 22 && Le32(bytes, 0) == 0x9AC6CDD7)
        return TMetafileFormat::Wmf;
    // A WMF without the placeable header: in memory or on disk, nine header words,
    // version 1 or 3.
    if (bytes.size() >= 18 && (Le16(bytes, 0) == 1 || Le16(bytes, 0) == 2) && Le16(bytes, 2) == 9 &&
        (Le16(bytes, 4) == 0x100 || Le16(bytes, 4) == 0x300))
        return TMetafileFormat::Wmf;
    return TMetafileFormat::None;
}

QByteArray ConvertMetafileBytesToSvg(const QByteArray& bytes, QString& reason, int timeoutMs) {
    reason.clear();
    const auto fail = [&](const QString& why) {
        reason = why;
        return QByteArray();
    };
    const TMetafileFormat format = MetafileFormatOf(bytes);
    if (format == TMetafileFormat::None)
        return fail(Tr("It is neither an enhanced nor a Windows metafile."));
    QTemporaryDir dir;
    if (!dir.isValid())
        return fail(dir.errorString());
    const QString input = dir.filePath(format == TMetafileFormat::Emf ? QStringLiteral("picture.emf")
                                                                      : QStringLiteral("picture.wmf"));
    const QString output = dir.filePath(QStringLiteral("picture.svg"));
    const QString log = dir.filePath(QStringLiteral("converter.log"));
    QFile in(input);
    if (!in.open(QIODevice::WriteOnly) || in.write(bytes) != bytes.size() || !in.flush())
        return fail(in.errorString());
    in.close();
    QProcess process;
    PrepareConverter(process, format, input, output, log, timeoutMs);
    process.start();
    if (!process.waitForStarted(timeoutMs))
        return fail(process.errorString());
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return fail(TimedOut(timeoutMs));
    }
    QString why = FailureOf(process, output, log);
    const QByteArray svg = why.isEmpty() ? ReadOutput(output, why) : QByteArray();
    if (!why.isEmpty())
        return fail(why);
    return svg;
}
