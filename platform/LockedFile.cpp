#include "platform/LockedFile.h"

#include "core/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Reason(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

void SyncFolderOf(const QString& path) {
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int dirfd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirfd >= 0) {
        ::fsync(dirfd);
        ::close(dirfd);
    }
}

} // namespace

TLockedAppendFile::~TLockedAppendFile() {
    Close();
}

void TLockedAppendFile::Create(const QString& path) {
    Close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        throw EFileError(Tr("Cannot create file \"%1\". %2").arg(path, Reason(errno)));
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::ftruncate(fd, 0) != 0) {
        const int err = errno;
        ::close(fd);
        throw EFileError(Tr("Cannot create file \"%1\". %2").arg(path, Reason(err)));
    }
    m_fd = fd;
    m_path = path;
    ::fsync(fd);
    SyncFolderOf(path);
}

bool TLockedAppendFile::TryOpenExisting(const QString& path) {
    Close();
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    return true;
}

void TLockedAppendFile::Append(const QByteArray& bytes) {
    if (m_fd < 0)
        throw EFileError(Tr("Cannot write to file \"%1\". %2").arg(m_path, Reason(EBADF)));
    const char* data = bytes.constData();
    size_t left = static_cast<size_t>(bytes.size());
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw EFileError(Tr("Cannot write to file \"%1\". %2").arg(m_path, Reason(errno)));
        }
        data += n;
        left -= static_cast<size_t>(n);
    }
    if (::fdatasync(m_fd) != 0)
        throw EFileError(Tr("Cannot write to file \"%1\". %2").arg(m_path, Reason(errno)));
}

QByteArray TLockedAppendFile::ReadAll() const {
    QByteArray bytes;
    if (m_fd < 0)
        return bytes;
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = ::pread(m_fd, buffer, sizeof buffer, offset);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        bytes.append(buffer, n);
        offset += n;
    }
    return bytes;
}

void TLockedAppendFile::Close() {
    if (m_fd >= 0) {
        ::close(m_fd); // releases the lock
        m_fd = -1;
    }
}

void TLockedAppendFile::Remove() {
    if (m_fd >= 0) {
        // Unlinked while still locked, so no other process takes it up in between.
        ::unlink(QFile::encodeName(m_path).constData());
        SyncFolderOf(m_path);
    }
    Close();
}

QString UserStateFolder() {
    QString folder = qEnvironmentVariable("XDG_STATE_HOME");
    if (folder.isEmpty() || !QDir::isAbsolutePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.local/state");
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}
