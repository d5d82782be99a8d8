#include "platform/FileSystem.h"

#include "core/Error.h"
#include "platform/AtomicFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

int32_t PackTimeT(time_t seconds) {
    struct tm local {};
    if (::localtime_r(&seconds, &local) == nullptr)
        return -1;
    const int year = local.tm_year + 1900;
    if (year < 1980 || year > 2107)
        return -1;
    const uint32_t date = (static_cast<uint32_t>(year - 1980) << 9) |
                          (static_cast<uint32_t>(local.tm_mon + 1) << 5) |
                          static_cast<uint32_t>(local.tm_mday);
    const uint32_t time = (static_cast<uint32_t>(local.tm_hour) << 11) |
                          (static_cast<uint32_t>(local.tm_min) << 5) |
                          static_cast<uint32_t>(local.tm_sec / 2);
    return static_cast<int32_t>((date << 16) | time);
}

int64_t Stamp(const struct stat& st) {
    return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

// A folder's path with a trailing "/".
QString WithSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

int32_t PackDosDateTime(const QDateTime& local) {
    if (!local.isValid())
        return -1;
    return PackTimeT(static_cast<time_t>(local.toSecsSinceEpoch()));
}

QDateTime UnpackDosDateTime(int32_t packed) {
    if (packed == -1)
        return {};
    const auto value = static_cast<uint32_t>(packed);
    const uint32_t date = value >> 16;
    const uint32_t time = value & 0xFFFF;
    const QDate d(static_cast<int>(1980 + (date >> 9)), static_cast<int>((date >> 5) & 0x0F),
                  static_cast<int>(date & 0x1F));
    const QTime t(static_cast<int>(time >> 11), static_cast<int>((time >> 5) & 0x3F),
                  static_cast<int>((time & 0x1F) * 2));
    if (!d.isValid() || !t.isValid())
        return {};
    return QDateTime(d, t, Qt::LocalTime);
}

int32_t FileLastWriteTime(const QString& path) {
    const QByteArray native = Native(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0 && ::lstat(native.constData(), &st) != 0)
        return -1;
    return PackTimeT(st.st_mtim.tv_sec);
}

TFileTime FileLastWrite(const QString& path) {
    const QByteArray native = Native(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0 && ::lstat(native.constData(), &st) != 0)
        return {};
    return {PackTimeT(st.st_mtim.tv_sec), Stamp(st)};
}

std::vector<TDirectoryEntry> ListDirectory(const QString& folder) {
    std::vector<TDirectoryEntry> entries;
    DIR* dir = ::opendir(Native(folder).constData());
    if (dir == nullptr)
        return entries;
    const int dirFd = ::dirfd(dir);
    while (const dirent* e = ::readdir(dir)) {
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0)
            continue;
        TDirectoryEntry entry;
        entry.Name = QFile::decodeName(e->d_name);
        struct stat st {};
        if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
            entry.IsSymLink = S_ISLNK(st.st_mode);
            entry.IsFolder = S_ISDIR(st.st_mode);
            if (entry.IsSymLink) {
                struct stat target {};
                if (::fstatat(dirFd, e->d_name, &target, 0) == 0) {
                    entry.TargetIsFolder = S_ISDIR(target.st_mode);
                    st = target;
                }
            }
            entry.ModifiedTime = PackTimeT(st.st_mtim.tv_sec);
            entry.ModifiedStamp = Stamp(st);
        }
        entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    return entries;
}

namespace {

QStringList ReadHiddenList(const QString& listPath) {
    QFile file(listPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

void MarkFileHidden(const QString& path) {
    const QFileInfo info(path);
    const QString listPath = WithSeparator(info.absolutePath()) + QLatin1String(HiddenListFileName);
    QStringList names = ReadHiddenList(listPath);
    for (QString& name : names)
        if (name.endsWith(QLatin1Char('\r')))
            name.chop(1);
    if (names.contains(info.fileName()))
        return;
    QFile file(listPath);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes += '\n';
    bytes += info.fileName().toUtf8() + '\n';
    WriteFileAtomically(listPath, bytes);
}

bool IsFileHidden(const QString& path) {
    const QFileInfo info(path);
    if (info.fileName().startsWith(QLatin1Char('.')))
        return true;
    QStringList names =
        ReadHiddenList(WithSeparator(info.absolutePath()) + QLatin1String(HiddenListFileName));
    for (QString& name : names)
        if (name.endsWith(QLatin1Char('\r')))
            name.chop(1);
    return names.contains(info.fileName());
}

bool EntryExists(const QString& path) {
    struct stat st {};
    return ::lstat(Native(path).constData(), &st) == 0;
}

TFsResult CheckEntry(const QString& path) {
    struct stat st {};
    return ::lstat(Native(path).constData(), &st) == 0 ? TFsResult() : TFsResult::Failed(errno);
}

bool IsRealFolder(const QString& path) {
    struct stat st {};
    return ::lstat(Native(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsSameEntry(const QString& a, const QString& b) {
    struct stat sa {
    }, sb{};
    if (::stat(Native(a).constData(), &sa) != 0 || ::stat(Native(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

TEntryId EntryId(const QString& path) {
    struct stat st {};
    if (::stat(Native(path).constData(), &st) != 0)
        return {};
    return {static_cast<uint64_t>(st.st_dev), static_cast<uint64_t>(st.st_ino)};
}

namespace {

// Made under a temporary name beside the destination and renamed over it, so a
// failure leaves the destination as it was. The folder is held shared meanwhile, so the
// temporary link is never taken for a dead writer's.
TFsResult CopyLink(const QByteArray& source, const QByteArray& destination, bool failIfExists) {
    std::vector<char> target(4096);
    const ssize_t n = ::readlink(source.constData(), target.data(), target.size() - 1);
    if (n < 0)
        return TFsResult::Failed(errno);
    target[static_cast<size_t>(n)] = '\0';
    if (failIfExists)
        return ::symlink(target.data(), destination.constData()) == 0 ? TFsResult()
                                                                      : TFsResult::Failed(errno);
    struct stat st {};
    if (::lstat(destination.constData(), &st) == 0 && S_ISDIR(st.st_mode))
        return TFsResult::Failed(EISDIR);
    const QFileInfo info(QFile::decodeName(destination));
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    const int dirFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return TFsResult::Failed(errno);
    const bool locked = ::flock(dirFd, LOCK_SH) == 0;
    QByteArray temp = folder + "/." + QFile::encodeName(info.fileName()) + ".saving-XXXXXX";
    int err = 0;
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        err = errno;
    } else {
        ::close(fd);
        ::unlink(temp.constData());
        if (::symlink(target.data(), temp.constData()) != 0) {
            err = errno;
        } else if (::rename(temp.constData(), destination.constData()) != 0) {
            err = errno;
            ::unlink(temp.constData());
        }
    }
    if (locked)
        ::flock(dirFd, LOCK_UN);
    ::close(dirFd);
    return err == 0 ? TFsResult() : TFsResult::Failed(err);
}

// Copies the bytes of fd `from` to fd `to`; 0 or an errno value.
int CopyBytes(int from, int to) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (n == 0)
            return 0;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(to, buffer.data() + done, static_cast<size_t>(n - done));
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            done += w;
        }
    }
}

} // namespace

TFsResult CopyFileEntry(const QString& source, const QString& destination, bool failIfExists) {
    const QByteArray src = Native(source);
    const QByteArray dst = Native(destination);
    struct stat st {};
    if (::lstat(src.constData(), &st) != 0)
        return TFsResult::Failed(errno);
    if (S_ISLNK(st.st_mode))
        return CopyLink(src, dst, failIfExists);
    if (S_ISDIR(st.st_mode))
        return TFsResult::Failed(EISDIR);
    if (!S_ISREG(st.st_mode))
        return TFsResult::Failed(Tr("It is neither a file nor a link."));
    struct stat existing {};
    const bool destinationExists = ::lstat(dst.constData(), &existing) == 0;
    if (destinationExists && failIfExists)
        return TFsResult::Failed(EEXIST);
    if (destinationExists && S_ISDIR(existing.st_mode))
        return TFsResult::Failed(EISDIR);
    if (destinationExists && existing.st_dev == st.st_dev && existing.st_ino == st.st_ino)
        return {}; // a file copied onto itself is already what it should be
    const int from = ::open(src.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (from < 0)
        return TFsResult::Failed(errno);
    // Replacing a link writes the new file in its place, never through it.
    if (destinationExists && S_ISLNK(existing.st_mode) && ::unlink(dst.constData()) != 0) {
        const int err = errno;
        ::close(from);
        return TFsResult::Failed(err);
    }
    const TFsResult result = WriteAtomically(
        destination,
        [&](int to) {
            if (const int err = CopyBytes(from, to))
                return err;
            ::fchmod(to, st.st_mode & 07777);
            const struct timespec times[2] = {st.st_atim, st.st_mtim};
            return ::futimens(to, times) == 0 ? 0 : errno;
        },
        TLeftovers::Keep);
    ::close(from);
    return result;
}

TFsResult RenameEntry(const QString& source, const QString& destination) {
    return ::rename(Native(source).constData(), Native(destination).constData()) == 0
               ? TFsResult()
               : TFsResult::Failed(errno);
}

TFsResult RemoveFileEntry(const QString& path) {
    return ::unlink(Native(path).constData()) == 0 ? TFsResult() : TFsResult::Failed(errno);
}

TFsResult RemoveEmptyFolder(const QString& path) {
    return ::rmdir(Native(path).constData()) == 0 ? TFsResult() : TFsResult::Failed(errno);
}

TFsResult MakeFolders(const QString& path) {
    const QByteArray native = Native(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    // Each missing component from the top down; the first one that fails gives the reason
    // the system gives: something else in the way is "File exists" where the folder
    // itself should be, "Not a directory" above it.
    for (qsizetype i = 1; i <= native.size(); ++i) {
        if (i < native.size() && native[i] != '/')
            continue;
        const QByteArray part = native.left(i);
        struct stat st {};
        if (::stat(part.constData(), &st) == 0) {
            if (!S_ISDIR(st.st_mode))
                return TFsResult::Failed(i == native.size() ? EEXIST : ENOTDIR);
            continue;
        }
        if (errno != ENOENT)
            return TFsResult::Failed(errno);
        if (::mkdir(part.constData(), 0777) != 0 && errno != EEXIST)
            return TFsResult::Failed(errno);
    }
    return IsRealFolder(path) ? TFsResult() : TFsResult::Failed(ENOTDIR);
}
