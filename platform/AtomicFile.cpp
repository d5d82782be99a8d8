#include "platform/AtomicFile.h"

#include "core/Error.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Reason(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

[[noreturn]] void FailCreate(const QString& path, const QString& message, int err) {
    const QString text = message.isEmpty() ? Tr("Cannot create file \"%1\". %2") : message;
    throw EFileError(text.arg(path, Reason(err)));
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& createMessage) {
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    QByteArray temp = folder + "/." + QFile::encodeName(info.fileName()) + ".XXXXXX";

    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        FailCreate(path, createMessage, errno);

    // Keep the permissions of a file we replace; a new file gets the usual 0666 & ~umask.
    struct stat st {};
    if (::stat(target.constData(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    if (!WriteAll(fd, bytes.constData(), static_cast<size_t>(bytes.size())) || ::fsync(fd) != 0) {
        const int err = errno;
        ::close(fd);
        ::unlink(temp.constData());
        FailCreate(path, createMessage, err);
    }
    if (::close(fd) != 0 || ::rename(temp.constData(), target.constData()) != 0) {
        const int err = errno;
        ::unlink(temp.constData());
        FailCreate(path, createMessage, err);
    }
    const int dirfd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirfd >= 0) {
        ::fsync(dirfd);
        ::close(dirfd);
    }
}

QByteArray ReadWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        const int err = errno;
        throw EFileError(Tr("Cannot open file \"%1\". %2").arg(path, err ? Reason(err) : file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFileError(Tr("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return bytes;
}
