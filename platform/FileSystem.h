#pragma once

// Directory entries, last-write times, hidden files and the single-entry operations
// (copy, rename, remove) that the storage tree's file operations are made of.
//
// Symbolic links are entries of their own: they are listed, copied, moved and removed
// as links and never followed, so no operation reaches outside the tree it was given.

#include "platform/FsResult.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

// Last-write time packed as a DOS date and time in local time: day, month and years
// since 1980 in the high 16 bits, two-second units, minutes and hours in the low 16.
// -1 for a time the format cannot hold (before 1980, after 2107) or an invalid one.
int32_t PackDosDateTime(const QDateTime& local);
// The local time of a packed value; invalid for -1 or a malformed value.
QDateTime UnpackDosDateTime(int32_t packed);

// The packed last-write time of the entry at path (a link's own time when it points
// nowhere), or -1 when there is no entry.
int32_t FileLastWriteTime(const QString& path);
// Both forms of the last-write time from one look at the entry: the packed one and the
// exact one (nanoseconds since 1970, 0 when there is no entry).
struct TFileTime {
    int32_t Packed = -1;
    int64_t Stamp = 0;
};
TFileTime FileLastWrite(const QString& path);

struct TDirectoryEntry {
    QString Name;
    bool IsFolder = false; // a real folder, not a link to one
    bool IsSymLink = false;
    bool TargetIsFolder = false; // a link that points to a folder
    int32_t ModifiedTime = -1;   // as FileLastWriteTime
    int64_t ModifiedStamp = 0;   // as TFileTime::Stamp
};

// The entries of folder except "." and "..", in the system's order; empty when the
// folder cannot be read.
std::vector<TDirectoryEntry> ListDirectory(const QString& folder);

// The file that lists a folder's hidden entries for file managers.
inline constexpr const char* HiddenListFileName = ".hidden";

// Lists the entry's name in its folder's ".hidden" file (once). Raises EFileError when
// the list cannot be written.
void MarkFileHidden(const QString& path);
// True when the entry's name starts with "." or its folder's ".hidden" lists it.
bool IsFileHidden(const QString& path);

// True when anything (file, folder, link, even a dangling one) is at path.
bool EntryExists(const QString& path);
// The same as a result: why nothing can be found there (ENOENT, ENOTDIR, EACCES ...).
TFsResult CheckEntry(const QString& path);
// True for a real folder (a link to a folder is not one).
bool IsRealFolder(const QString& path);
// True when both paths name the same existing entry (after following links).
bool IsSameEntry(const QString& a, const QString& b);
// What tells the file at path from every other while it exists (after following links):
// it stays with the file when the file is renamed. All zero when nothing is at path.
struct TEntryId {
    uint64_t Device = 0;
    uint64_t Inode = 0;
    bool operator==(const TEntryId&) const = default;
};
TEntryId EntryId(const QString& path);

// Copies one file or link. failIfExists refuses an existing destination (EEXIST);
// otherwise a destination file is replaced whole (written atomically). The copy keeps
// the source's last-write time and permissions. A failure leaves the destination as it
// was.
TFsResult CopyFileEntry(const QString& source, const QString& destination, bool failIfExists);

// rename(2); EXDEV across filesystems.
TFsResult RenameEntry(const QString& source, const QString& destination);
// Removes a file or link (never what a link points to).
TFsResult RemoveFileEntry(const QString& path);
// Removes a folder that is empty.
TFsResult RemoveEmptyFolder(const QString& path);
// Creates a folder with all missing parents; succeeds when a real folder is there
// afterwards (EEXIST or ENOTDIR when something else is in the way).
TFsResult MakeFolders(const QString& path);
