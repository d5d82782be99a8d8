#pragma once

// The in-memory form of a folder's entries: file items (with the batch or report they
// hold once loaded) and file lists, which keep a per-folder cache "cache.epc" so that a
// folder can be listed without opening every batch in it.

#include "audit/AuditTrail.h"
#include "documents/DocumentObject.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TBatchItem;
class TFileList;
class TReport;

// FileType values; FileTypeAny is only a search filter and is never stored.
enum : uint8_t {
    FileTypeFolder = 0,
    FileTypeBatch = 1,    // ".epb"
    FileTypeTemplate = 2, // ".ept"
    FileTypeReport = 3,   // ".epr"
    FileTypeOther = 4,
    FileTypeAny = 5,
};

// The type of a file (not a folder) by its extension, ignoring letter case.
uint8_t FileTypeOfName(const QString& name);

// LoadState values.
enum : uint8_t {
    LoadStateNone = 0,
    LoadStateTitle = 1, // only the batch's FileTitle and FolderPath, from a cache
    LoadStateLoaded = 2,
};

inline constexpr const char* FolderCacheFileName = "cache.epc";
// The folder's QC limit set assignment: it travels with the folder and is never
// listed as one of its files.
inline constexpr const char* FolderQcFileName = ".qc-limits";

class TFileItem : public TDocumentObject {
public:
    TFileItem();
    ~TFileItem() override;

    uint8_t FileType = FileTypeOther;
    QString FilePath;
    void* TreeNode = nullptr; // the tree's node for a folder; not owned, transient
    // Last-write time in the packed DOS format (platform/FileSystem.h); -1 not taken yet.
    int32_t FileModifiedTime = -1;
    // The same time to the nanosecond when it was taken from the file itself; 0 when it
    // came from a cache, which holds only the packed time. Changes within one two-second
    // unit of the packed time are seen by it.
    int64_t FileModifiedStamp = 0;
    uint8_t LoadState = LoadStateNone;
    std::unique_ptr<TBatchItem> Batch; // FileType batch
    std::unique_ptr<TReport> Report;   // FileType report
    int32_t IconIndex = -1;
    TFileList* Owner = nullptr; // not owned

    // Loads the batch or report (other types only take the file's time) and marks the
    // owner Modified. False, with LoadState 0, on any error; nothing is reported, but
    // LastError keeps the message.
    bool Load();
    // What Load does for an entry without a document: takes the file's time and marks
    // the owner Modified, reading nothing. False, with LastError, when the file is gone.
    bool TakeTime();
    // Writes the loaded batch or report and takes the new time. False on any error,
    // including an item that is not loaded or whose file is damaged (LoadWarning);
    // LastError then says why. A batch is saved with the record of its change (a batch
    // given no record is not saved; see TBatchItem::SaveToFile).
    bool Save();
    bool Save(const TAuditEntry& change, const TAuditRecorder& audit);
    // The message of the last Load or Save that failed, with the system's reason
    // ("Cannot create file "…". No space left on device"); empty after a success.
    const QString& LastError() const { return m_lastError; }
    // The loaded batch's or report's LoadWarning: not empty when its file is damaged
    // and was read only in part (the window warns; Save refuses to write over it).
    QString LoadWarning() const;
    // True when the file's last-write time differs from FileModifiedTime (and from
    // FileModifiedStamp when that is known) or the file is gone.
    bool IsChanged() const;
    // What the folder list does before showing an entry: a batch or report that is not
    // loaded, or anything changed on disk. Entries without a document (folders,
    // templates, other files) never become loaded, so for them only an unknown or
    // changed time counts; otherwise every look at them would mark the list Modified.
    bool NeedsLoad() const;
    QString FileName() const;

    // The batch, created empty on first use.
    TBatchItem& BatchItem();

    // Raises "Cannot assign object to File item" for another kind.
    void Assign(const TDocumentObject& source) override;
    void Assign(const TFileItem& source);

private:
    QString m_lastError;
};

class TFileList {
public:
    TFileList();
    ~TFileList();
    TFileList(const TFileList&) = delete;
    TFileList& operator=(const TFileList&) = delete;

    QString Folder;        // the folder whose cache was last opened
    bool Modified = false; // an item loaded its document since the cache was read/written

    TFileItem* Add(); // owned by the list, Owner set
    void Delete(int index);
    TFileItem* Items(int index) const; // raises "List index out of bounds (%1)"
    int Count() const { return static_cast<int>(m_items.size()); }
    void Clear();

    // The first item with exactly this path and type (FileTypeAny: any type), or -1.
    int IndexOf(const QString& path, uint8_t type) const;
    // By FileType, then by FilePath ignoring case in the user's locale.
    void Sort();
    void Reverse();
    void DeleteType(uint8_t type);
    void DeleteName(const QString& name);

    // A different folder with a cache replaces the items by the cache's; in every case
    // Folder becomes folder.
    void OpenFolder(const QString& folder);
    // ReadCache takes an entry's time only when it is older than the cache file's own
    // last write, as packed times go: a file changed in the same two seconds as the
    // cache was written may have changed after its time was put into the cache. Such an
    // entry reads with time -1 and is loaded again like a new one.
    // Writes Folder's "cache.epc" and marks it hidden; errors are ignored.
    void SaveCache();
    // Writes the cache only when its content differs from what this list last read from
    // or wrote to that file, and the file is still as it left it: the folder's watcher
    // would otherwise hear every repaint that took the same times again.
    void WriteCache(const QString& path);
    void ReadCache(const QString& path);
    // How many times WriteCache actually wrote a file.
    int CacheWrites() const { return m_cacheWrites; }

    // Brings the list in line with the disk: opens folder's cache, keeps the items whose
    // entry still exists unchanged, drops the others, appends new entries with time -1,
    // links folders (linkFolder, for those without a tree node), sorts, and saves the
    // cache when anything changed. True when something changed.
    bool Refresh(const QString& folder, const std::function<void(TFileItem&)>& linkFolder = {});

    // Loads the entries first to last (clamped) that NeedsLoad, then saves the cache
    // when that loaded anything: what the folder list does for the rows it shows. A row
    // shows a report by its file name alone, so a report is not read here (its pictures
    // could take long to unpack); only its time is taken, unless it was loaded before.
    void LoadRange(int first, int last);
    // Batches whose file was read (LoadState loaded); on a list fresh from the cache,
    // the batch files the last LoadRange read.
    int LoadedBatchCount() const;

    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

private:
    friend void ScanFolder(const QString& folder, TFileList& list);
    TFileItem* Append(std::unique_ptr<TFileItem> item);
    // Removes the items for which drop is true, keeping the order of the others.
    void RemoveIf(const std::function<bool(const TFileItem&)>& drop);

    std::vector<std::unique_ptr<TFileItem>> m_items;
    // What the cache file at m_cachePath holds, and its exact time then.
    QString m_cachePath;
    QByteArray m_cacheBytes;
    int64_t m_cacheStamp = 0;
    int m_cacheWrites = 0;
};

// Replaces list's items by one per entry of folder (hidden ones included, the folder's
// hidden-file list and writers' temporary files excepted), in the system's order, with
// their times, LoadState 0. Temporary files that no writer holds any more (left by a
// save that was killed) are removed on the way.
void ScanFolder(const QString& folder, TFileList& list);

// The report list window's refresh of a report folder (no cache): keeps the reports it
// has whose file still exists, drops the others, appends new report files, sorts, and
// loads every report that is not loaded or has changed.
void RefreshReportList(TFileList& list, const QString& folder);

// The batch view's report tabs: the report files of folder, sorted, loaded, in
// descending order of their paths.
void LoadTabReports(TFileList& list, const QString& folder);
