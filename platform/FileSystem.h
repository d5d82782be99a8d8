#pragma once

// Directory entries, last-write times, hidden files and the single-entry operations
// (copy, rename, remove) that the storage tree's file operations are made of.
//
// Symbolic links are entries of their own: they are listed, copied, moved and removed
// as links and never followed, so no operation reaches outside the tree it was given.

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

struct TDirectoryEntry {
    QString Name;
    bool IsFolder = false; // a real folder, not a link to one
    bool IsSymLink = false;
    bool TargetIsFolder = false; // a link that points to a folder
    int32_t ModifiedTime = -1;   // as FileLastWriteTime
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
// True for a real folder (a link to a folder is not one).
bool IsRealFolder(const QString& path);
// True when both paths name the same existing entry (after following links).
bool IsSameEntry(const QString& a, const QString& b);

// Copies one file or link. failIfExists refuses an existing destination; otherwise a
// destination file is replaced whole (written atomically). The copy keeps the source's
// last-write time and permissions. False on any failure, with the destination as it was.
bool CopyFileEntry(const QString& source, const QString& destination, bool failIfExists);

// rename(2): 0 on success, else the errno value (EXDEV across filesystems).
int RenameEntry(const QString& source, const QString& destination);
// Removes a file or link (never what a link points to).
bool RemoveFileEntry(const QString& path);
// Removes a folder that is empty.
bool RemoveEmptyFolder(const QString& path);
// Creates a folder with all missing parents; true when it exists afterwards.
bool MakeFolders(const QString& path);

// The system's reason for an errno value.
QString SystemErrorText(int err);
