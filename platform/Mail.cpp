#include "platform/Mail.h"

#include "core/Error.h"
#include "platform/FsResult.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char LockName[] = ".lock";

QString WithSlash(QString path) {
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path;
}

bool TryLock(int fd, int operation) {
    for (;;) {
        if (::flock(fd, operation) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

} // namespace

bool MailAvailable() {
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty())
        return false;
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                             QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(5000)) {
        query.kill();
        query.waitForFinished(1000);
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
}

QString TMAPIMail::ErrorText(int code) {
    switch (code) {
    case 1:
        return Tr("User cancelled request");
    case 2:
        return Tr("General MAPI failure");
    case 3:
        return Tr("Logon failure");
    case 4:
        return Tr("Disk full");
    case 5:
        return Tr("Insufficient memory");
    case 6:
        return Tr("Access denied");
    case 8:
        return Tr("Too many sessions");
    case 9:
        return Tr("Too many files open");
    case 10:
        return Tr("Too many recipients");
    case 11:
        return Tr("Attachment not found");
    case 12:
        return Tr("Failed to open attachment");
    case 13:
        return Tr("Failed to write attachment");
    case 14:
        return Tr("Unknown recipient");
    case 15:
        return Tr("Invalid recipient type");
    case 16:
        return Tr("No messages");
    case 17:
        return Tr("Invalid message");
    case 18:
        return Tr("Text too large.");
    case 19:
        return Tr("Invalid session");
    case 20:
        return Tr("Type not supported");
    case 21:
        return Tr("Ambiguous recipient");
    case 22:
        return Tr("Message in use");
    case 23:
        return Tr("Network failure");
    case 24:
        return Tr("Invalid edit fields");
    case 25:
        return Tr("Invalid recipients");
    case 26:
        return Tr("Not supported");
    default:
        return Tr("Unknown Error Code: ") + QString::number(code);
    }
}

int TMAPIMail::CodeOfExitStatus(int status) {
    // xdg-email's statuses: 1 bad arguments, 2 a file does not exist, 3 a tool it needs
    // is missing, 4 the mail program failed, 5 a file cannot be read.
    switch (status) {
    case 0:
        return 0;
    case 2:
        return 11; // "Attachment not found"
    case 3:
        return 26; // "Not supported"
    case 5:
        return 12; // "Failed to open attachment"
    default:
        return 2; // "General MAPI failure"
    }
}

QStringList TMAPIMail::XdgEmailArguments() const {
    QStringList args{QStringLiteral("--utf8")};
    if (!Subject.isEmpty())
        args << QStringLiteral("--subject") << Subject;
    // xdg-email ends each line with CR LF itself, as mail addresses want it.
    if (!Body.isEmpty())
        args << QStringLiteral("--body")
             << QString(Body).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (const QString& path : Attachments)
        args << QStringLiteral("--attach") << path;
    QStringList to;
    for (const QString& recipient : Recipients) {
        if (recipient.startsWith(QLatin1String("BCC:"), Qt::CaseInsensitive))
            args << QStringLiteral("--bcc") << recipient.mid(4).trimmed();
        else if (recipient.startsWith(QLatin1String("CC:"), Qt::CaseInsensitive))
            args << QStringLiteral("--cc") << recipient.mid(3).trimmed();
        else
            to << recipient.trimmed();
    }
    return args + to;
}

bool TMAPIMail::Send(int handOverWaitMs) {
    ResultCode = 0;
    ResultReason.clear();
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty()) {
        ResultCode = 1; // as a missing mail library answers
        return false;
    }
    // xdg-email may run the mail program in the foreground until it is closed, so it
    // runs detached; a small shell notes its status when it returns in time.
    QTemporaryDir answer;
    if (!answer.isValid()) {
        ResultCode = 2;
        ResultReason = answer.errorString();
        return false;
    }
    const QString status = answer.filePath(QStringLiteral("status"));
    QProcess handOver;
    handOver.setProgram(QStringLiteral("/bin/sh"));
    handOver.setArguments(QStringList{QStringLiteral("-c"),
                                      QStringLiteral("xdg-email \"$@\" 2> \"$0.err\" < /dev/null; "
                                                     "echo $? > \"$0.tmp\" && mv \"$0.tmp\" \"$0\""),
                                      status} +
                          XdgEmailArguments());
    handOver.setStandardInputFile(QProcess::nullDevice());
    handOver.setStandardOutputFile(QProcess::nullDevice());
    handOver.setStandardErrorFile(QProcess::nullDevice());
    if (!handOver.startDetached()) {
        ResultCode = 2;
        ResultReason = handOver.errorString();
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (!QFile::exists(status) && waited.elapsed() < handOverWaitMs)
        QThread::msleep(20);
    QFile statusFile(status);
    if (!statusFile.open(QIODevice::ReadOnly))
        return true; // still running: the mail program has the message
    bool ok = false;
    const int exitStatus = statusFile.readAll().trimmed().toInt(&ok);
    ResultCode = ok ? CodeOfExitStatus(exitStatus) : 2;
    QFile err(status + QStringLiteral(".err"));
    if (err.open(QIODevice::ReadOnly))
        ResultReason = QString::fromLocal8Bit(err.readAll()).trimmed();
    return ResultCode == 0;
}

// ---------------------------------------------------------------------------
// Folders of messages

TMailFolders::TMailFolders(const QString& root, TAtEnd atEnd) : m_root(WithSlash(root)), m_atEnd(atEnd) {
    RemoveStale(m_root, 24 * 60 * 60);
}

TMailFolders::~TMailFolders() {
    for (const THeld& held : m_held) {
        if (m_atEnd == TAtEnd::Remove)
            QDir(held.Path).removeRecursively();
        ::close(held.Fd);
    }
}

QString TMailFolders::DefaultRoot() {
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return WithSlash(cache) + QStringLiteral("bramblex/mail/");
}

QString TMailFolders::NewFolder() {
    const QString message = Tr("Cannot create a folder for the mail's files in \"%1\".").arg(m_root);
    if (!QDir().mkpath(m_root))
        throw EFileError(WithReason(message, TFsResult::Failed(errno)));
    // The folder of folders is the user's alone.
    ::chmod(QFile::encodeName(m_root).constData(), 0700);
    QByteArray name = QFile::encodeName(m_root + QStringLiteral("msg-XXXXXX"));
    if (::mkdtemp(name.data()) == nullptr)
        throw EFileError(WithReason(message, TFsResult::Failed(errno)));
    // Held while this program may still need the files; a folder nobody holds belongs
    // to a program that has ended. The lock is on a file of its own: writers lock the
    // folder itself while they replace files in it.
    const QByteArray lock = name + "/" + LockName;
    const int fd = ::open(lock.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        const int err = errno;
        ::rmdir(name.constData());
        throw EFileError(WithReason(message, TFsResult::Failed(err)));
    }
    TryLock(fd, LOCK_EX);
    const QString path = WithSlash(QFile::decodeName(name));
    m_held.push_back({path, fd});
    return path;
}

void TMailFolders::Discard(const QString& folder) {
    const QString path = WithSlash(folder);
    for (auto it = m_held.begin(); it != m_held.end(); ++it) {
        if (it->Path == path) {
            QDir(path).removeRecursively();
            ::close(it->Fd);
            m_held.erase(it);
            return;
        }
    }
}

void TMailFolders::RemoveStale(const QString& root, qint64 maxAgeSeconds) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QFileInfoList entries =
        QDir(root).entryInfoList({QStringLiteral("msg-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || entry.lastModified().toUTC().secsTo(now) <= maxAgeSeconds)
            continue;
        const QByteArray lock = QFile::encodeName(entry.absoluteFilePath()) + "/" + LockName;
        const int fd = ::open(lock.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) {
            // No lock file: a folder whose making was cut short.
            if (errno == ENOENT)
                QDir(entry.absoluteFilePath()).removeRecursively();
            continue;
        }
        if (TryLock(fd, LOCK_EX | LOCK_NB))
            QDir(entry.absoluteFilePath()).removeRecursively();
        ::close(fd);
    }
}
