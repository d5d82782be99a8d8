#include "platform/AtomicFile.h"

#include "core/Error.h"
#include "platform/FileDescriptor.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <exception>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char TemporaryMark[] = ".saving-";
constexpr int TemporaryRandomLength = 6; // mkstemp's XXXXXX

// flock, retried when a signal interrupts it. Filesystems without locks answer
// EOPNOTSUPP or ENOLCK: then nothing is held, and nothing is cleaned up either.
bool Lock(int fd, int operation) {
    for (;;) {
        if (::flock(fd, operation) == 0)
            return true;
        if (errno != EINTR)
            return false;
    }
}

int WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return 0;
}

QByteArray TemporaryPrefix(const QByteArray& name) {
    return "." + name + TemporaryMark;
}

bool IsTemporaryOf(const char* entry, const QByteArray& prefix) {
    const size_t n = std::strlen(entry);
    return n == static_cast<size_t>(prefix.size()) + TemporaryRandomLength &&
           std::strncmp(entry, prefix.constData(), static_cast<size_t>(prefix.size())) == 0;
}

// The folder is locked exclusively while its temporary files are examined; writers hold
// it shared from before they create their temporary file until they hold its lock, so
// a file just created is never taken for a dead writer's.
void RemoveStale(const QByteArray& folder, const QByteArray& onlyName) {
    TFd dirFd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.Get() < 0 || !Lock(dirFd.Get(), LOCK_EX | LOCK_NB))
        return;
    DIR* dir = ::fdopendir(::dup(dirFd.Get()));
    if (dir == nullptr)
        return;
    const QByteArray prefix = onlyName.isEmpty() ? QByteArray() : TemporaryPrefix(onlyName);
    while (const dirent* e = ::readdir(dir)) {
        const bool candidate = onlyName.isEmpty() ? IsWriterTemporaryName(QFile::decodeName(e->d_name))
                                                  : IsTemporaryOf(e->d_name, prefix);
        if (!candidate)
            continue;
        struct stat st {};
        if (::fstatat(dirFd.Get(), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISLNK(st.st_mode)) {
            // A link's writer holds the folder for as long as its temporary link exists.
            ::unlinkat(dirFd.Get(), e->d_name, 0);
            continue;
        }
        if (!S_ISREG(st.st_mode))
            continue;
        TFd fd(::openat(dirFd.Get(), e->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (fd.Get() >= 0 && Lock(fd.Get(), LOCK_EX | LOCK_NB))
            ::unlinkat(dirFd.Get(), e->d_name, 0);
    }
    ::closedir(dir);
}

// A write-only device over a descriptor that keeps the first write error: writers
// such as QPdfWriter go on after a failed write, so the error is read afterwards.
class TFdWriteDevice final : public QIODevice {
public:
    explicit TFdWriteDevice(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    int Error() const { return m_error; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (m_error != 0)
            return -1;
        m_error = WriteAll(m_fd, data, static_cast<size_t>(size));
        return m_error == 0 ? size : -1;
    }

private:
    int m_fd;
    int m_error = 0;
};

} // namespace

bool IsWriterTemporaryName(QStringView name) {
    constexpr qsizetype markLength = sizeof TemporaryMark - 1;
    if (name.size() < 2 + markLength + TemporaryRandomLength || name.front() != QLatin1Char('.'))
        return false;
    const QStringView random = name.right(TemporaryRandomLength);
    for (const QChar c : random)
        if (!(c.isDigit() || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
              (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))))
            return false;
    return name.chopped(TemporaryRandomLength).endsWith(QLatin1String(TemporaryMark));
}

void RemoveStaleTemporaries(const QString& folder, const QString& name) {
    RemoveStale(QFile::encodeName(folder), QFile::encodeName(name));
}

TFsResult WriteAtomically(const QString& path, const std::function<int(int fd)>& fill, TLeftovers leftovers) {
    const QFileInfo info(path);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray name = QFile::encodeName(info.fileName());
    QByteArray temp = folder + "/" + TemporaryPrefix(name) + "XXXXXX";

    TFd dirFd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dirFd.Get() < 0)
        return TFsResult::Failed(errno);
    const bool folderLocked = Lock(dirFd.Get(), LOCK_SH);
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        if (folderLocked)
            Lock(dirFd.Get(), LOCK_UN);
        return TFsResult::Failed(err);
    }
    TFd file(fd);
    Lock(fd, LOCK_EX);
    if (folderLocked)
        Lock(dirFd.Get(), LOCK_UN);

    // Keep the permissions of a file we replace; a new file gets the usual 0666 & ~umask.
    struct stat st {};
    if (::stat(target.constData(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }

    int err = fill(fd);
    if (err == 0 && ::fsync(fd) != 0)
        err = errno;
    // Renamed while still locked: an unlocked temporary file is a dead writer's.
    if (err == 0 && ::rename(temp.constData(), target.constData()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.constData());
        return TFsResult::Failed(err);
    }
    ::fsync(dirFd.Get());
    if (leftovers == TLeftovers::Remove)
        RemoveStale(folder, name);
    return {};
}

TFsResult WriteDeviceAtomically(const QString& path, const std::function<bool(QIODevice& device)>& fill) {
    std::exception_ptr failure;
    const TFsResult result = WriteAtomically(path, [&](int fd) {
        TFdWriteDevice device(fd);
        try {
            const bool keep = fill(device);
            if (device.Error() != 0)
                return device.Error();
            return keep ? 0 : ECANCELED;
        } catch (...) {
            failure = std::current_exception();
            return ECANCELED;
        }
    });
    if (failure)
        std::rethrow_exception(failure);
    return result;
}

TFsResult TryWriteFileAtomically(const QString& path, const QByteArray& bytes) {
    return WriteAtomically(path, [&bytes](int fd) {
        return WriteAll(fd, bytes.constData(), static_cast<size_t>(bytes.size()));
    });
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes, const QString& createMessage) {
    const TFsResult result = TryWriteFileAtomically(path, bytes);
    if (!result) {
        const QString text = createMessage.isEmpty() ? Tr("Cannot create file \"%1\". %2") : createMessage;
        throw EFileError(text.arg(path, result.Reason()));
    }
}

TFsResult TryReadWholeFile(const QString& path, QByteArray& bytes) {
    bytes.clear();
    TFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        return TFsResult::Failed(errno);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0)
        return TFsResult::Failed(errno);
    if (S_ISDIR(st.st_mode))
        return TFsResult::Failed(EISDIR);
    // One read for a file that keeps its size; one more to see its end.
    QByteArray buffer(S_ISREG(st.st_mode) && st.st_size > 0 ? static_cast<qsizetype>(st.st_size) + 1 : 65536,
                      Qt::Uninitialized);
    qsizetype done = 0;
    for (;;) {
        if (done == buffer.size())
            buffer.resize(buffer.size() * 2);
        const ssize_t n = ::read(fd.Get(), buffer.data() + done, static_cast<size_t>(buffer.size() - done));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return TFsResult::Failed(errno);
        }
        if (n == 0)
            break;
        done += n;
    }
    buffer.resize(done);
    bytes = std::move(buffer);
    return {};
}

QByteArray ReadWholeFile(const QString& path) {
    QByteArray bytes;
    if (const TFsResult read = TryReadWholeFile(path, bytes); !read)
        throw EFileError(Tr("Cannot open file \"%1\". %2").arg(path, read.Reason()));
    return bytes;
}
