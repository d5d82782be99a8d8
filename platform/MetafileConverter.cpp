#include "platform/MetafileConverter.h"

#include "core/Error.h"
#include "platform/FsResult.h"

#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Far beyond any drawing a preview needs; a converter that writes more is not trusted.
constexpr qint64 MaxSvgBytes = 64 * 1024 * 1024;

QString CannotRead(const QString& path) {
    return Tr("The file \"%1\" does not hold a picture that can be read.").arg(path);
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
    connect(m_timer, &QTimer::timeout, this,
            [this] { Fail(Tr("The converter did not finish within %1 seconds.").arg(m_timeoutMs / 1000)); });
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
    QString program;
    QStringList arguments;
    if (QFileInfo(path).suffix().compare(QLatin1String("emf"), Qt::CaseInsensitive) == 0) {
        program = QStringLiteral("emf2svg-conv");
        arguments << QStringLiteral("-i") << path << QStringLiteral("-o") << m_output;
    } else {
        program = QStringLiteral("wmf2svg");
        arguments << QStringLiteral("-o") << m_output << path;
    }
    m_process = new QProcess(this);
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setStandardInputFile(QProcess::nullDevice());
    m_process->setStandardOutputFile(QProcess::nullDevice());
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        Done(exitCode, status == QProcess::CrashExit);
    });
    connect(m_process, &QProcess::errorOccurred, this, [this, failLater](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failLater(m_process->errorString());
    });
    m_timer->start(m_timeoutMs);
    m_process->start(program, arguments);
}

void TMetafileConversion::Done(int exitCode, bool crashed) {
    if (!m_process)
        return;
    QString reason;
    if (crashed) {
        reason = m_process->errorString();
    } else if (exitCode != 0) {
        // The converter's last words say why; an exit code alone says little.
        const QList<QByteArray> lines = m_process->readAllStandardError().trimmed().split('\n');
        reason = QString::fromLocal8Bit(lines.isEmpty() ? QByteArray() : lines.last()).trimmed();
        if (reason.isEmpty())
            reason = Tr("The converter ended with code %1.").arg(exitCode);
    }
    if (!reason.isEmpty()) {
        Fail(reason);
        return;
    }
    QFile file(m_output);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(file.errorString());
        return;
    }
    if (file.size() > MaxSvgBytes) {
        Fail(Tr("The converted picture is larger than %1 MB.").arg(MaxSvgBytes / (1024 * 1024)));
        return;
    }
    const QByteArray svg = file.readAll();
    file.close();
    const QString path = m_path;
    Abandon();
    if (svg.isEmpty()) {
        emit Finished(path, {}, WithReason(CannotRead(path), Tr("The converter wrote nothing.")));
        return;
    }
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
