#include "platform/AppendOnlyFile.h"

#include "platform/FileDescriptor.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int ReadAll(int fd, QByteArray& bytes) {
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        bytes.append(buffer, n);
    }
}

int WriteAllAt(int fd, const char* data, size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        data += n;
        size -= static_cast<size_t>(n);
        offset += n;
    }
    return 0;
}

// The length of the complete lines: up to and including the last newline.
qsizetype CompleteLength(const QByteArray& bytes) {
    return bytes.lastIndexOf('\n') + 1;
}

void FsyncFolderOf(const QString& path) {
    const TFd dir(::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                         O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

} // namespace

TFsResult AppendLines(const QString& path, const std::function<QByteArray(const QByteArray& lines)>& extend) {
    const QByteArray native = QFile::encodeName(path);
    bool created = false;
    int raw = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    if (raw < 0 && errno == ENOENT) {
        raw = ::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created = raw >= 0;
        if (raw < 0 && errno == EEXIST) // another writer created it just now
            raw = ::open(native.constData(), O_RDWR | O_CLOEXEC);
    }
    if (raw < 0)
        return TFsResult::Failed(errno);
    const TFd fd(raw);
    // Filesystems without locks (some network shares) answer ENOLCK or EOPNOTSUPP;
    // a single writer is then all there can be, as for the batch file itself.
    while (::flock(fd.Get(), LOCK_EX) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != ENOLCK && errno != EOPNOTSUPP)
            return TFsResult::Failed(errno);
        break;
    }
    if (created)
        FsyncFolderOf(path); // the entry itself must outlive a power cut
    QByteArray bytes;
    if (const int err = ReadAll(fd.Get(), bytes))
        return TFsResult::Failed(err);
    const qsizetype complete = CompleteLength(bytes);
    bytes.truncate(complete);
    const QByteArray added = extend(bytes);
    if (added.isEmpty())
        return {};
    if (::ftruncate(fd.Get(), complete) != 0)
        return TFsResult::Failed(errno);
    int err = WriteAllAt(fd.Get(), added.constData(), static_cast<size_t>(added.size()), complete);
    if (err == 0 && ::fsync(fd.Get()) != 0)
        err = errno;
    if (err != 0) {
        if (::ftruncate(fd.Get(), complete) == 0)
            ::fsync(fd.Get());
        return TFsResult::Failed(err);
    }
    return {};
}

TFsResult ReadCompleteLines(const QString& path, QByteArray& lines) {
    const TFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        return TFsResult::Failed(errno);
    if (const int err = ReadAll(fd.Get(), lines))
        return TFsResult::Failed(err);
    lines.truncate(CompleteLength(lines));
    return {};
}
