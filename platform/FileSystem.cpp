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

namespace {

bool CopyLink(const QByteArray& source, const QByteArray& destination, bool failIfExists) {
    std::vector<char> target(4096);
    const ssize_t n = ::readlink(source.constData(), target.data(), target.size() - 1);
    if (n < 0)
        return false;
    target[static_cast<size_t>(n)] = '\0';
    if (failIfExists)
        return ::symlink(target.data(), destination.constData()) == 0;
    // Made beside the destination and renamed over it, so a failure leaves it as it was.
    QByteArray temp = destination + ".lnk-XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(temp.constData());
    if (::symlink(target.data(), temp.constData()) != 0)
        return false;
    struct stat st {};
    if (::lstat(destination.constData(), &st) == 0 && S_ISDIR(st.st_mode)) {
        ::unlink(temp.constData());
        return false;
    }
    if (::rename(temp.constData(), destination.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    return true;
}

} // namespace

bool CopyFileEntry(const QString& source, const QString& destination, bool failIfExists) {
    const QByteArray src = Native(source);
    const QByteArray dst = Native(destination);
    struct stat st {};
    if (::lstat(src.constData(), &st) != 0)
        return false;
    if (S_ISLNK(st.st_mode))
        return CopyLink(src, dst, failIfExists);
    if (!S_ISREG(st.st_mode))
        return false;
    struct stat existing {};
    const bool destinationExists = ::lstat(dst.constData(), &existing) == 0;
    if (destinationExists && (failIfExists || S_ISDIR(existing.st_mode)))
        return false;
    if (destinationExists && existing.st_dev == st.st_dev && existing.st_ino == st.st_ino)
        return true; // a file copied onto itself is already what it should be
    try {
        const QByteArray bytes = ReadWholeFile(source);
        // Replacing a link writes the new file in its place, never through it.
        if (destinationExists && S_ISLNK(existing.st_mode) && ::unlink(dst.constData()) != 0)
            return false;
        if (failIfExists && EntryExists(destination))
            return false;
        WriteFileAtomically(destination, bytes);
    } catch (const EBramblexError&) {
        return false;
    }
    ::chmod(dst.constData(), st.st_mode & 07777);
    const struct timespec times[2] = {st.st_atim, st.st_mtim};
    ::utimensat(AT_FDCWD, dst.constData(), times, 0);
    return true;
}

int RenameEntry(const QString& source, const QString& destination) {
    return ::rename(Native(source).constData(), Native(destination).constData()) == 0 ? 0 : errno;
}

bool RemoveFileEntry(const QString& path) {
    return ::unlink(Native(path).constData()) == 0;
}

bool RemoveEmptyFolder(const QString& path) {
    return ::rmdir(Native(path).constData()) == 0;
}

bool MakeFolders(const QString& path) {
    return QDir().mkpath(path) && IsRealFolder(path);
}

QString SystemErrorText(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}
