#include "storage/FileItem.h"

#include "audit/AuditTrail.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "reports/Report.h"
#include "storage/FileOperations.h"
#include "xml/GmXml.h"

#include <QCollator>
#include <QHash>
#include <QLocale>

#include <algorithm>

uint8_t FileTypeOfName(const QString& name) {
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return FileTypeOther;
    const QStringView ext = QStringView(name).mid(dot + 1);
    if (ext.compare(QLatin1String("epb"), Qt::CaseInsensitive) == 0)
        return FileTypeBatch;
    if (ext.compare(QLatin1String("ept"), Qt::CaseInsensitive) == 0)
        return FileTypeTemplate;
    if (ext.compare(QLatin1String("epr"), Qt::CaseInsensitive) == 0)
        return FileTypeReport;
    return FileTypeOther;
}

namespace {

QString ErrorText(const std::exception& e) {
    if (const auto* error = dynamic_cast<const EBramblexError*>(&e))
        return error->Message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

// ---------------------------------------------------------------------------------------

TFileItem::TFileItem() = default;
TFileItem::~TFileItem() = default;

TBatchItem& TFileItem::BatchItem() {
    if (!Batch)
        Batch = std::make_unique<TBatchItem>();
    return *Batch;
}

bool TFileItem::Load() {
    LoadState = LoadStateNone;
    FileModifiedTime = -1;
    if (Owner != nullptr)
        Owner->Modified = true;
    // Taken before reading, so a write while we read shows as a change next time.
    const TFileTime time = FileLastWrite(FilePath);
    try {
        if (FileType == FileTypeBatch) {
            auto batch = std::make_unique<TBatchItem>();
            batch->LoadFromFile(FilePath);
            Batch = std::move(batch);
            LoadState = LoadStateLoaded;
        } else if (FileType == FileTypeReport) {
            auto report = std::make_unique<TReport>();
            report->LoadFromFile(FilePath);
            Report = std::move(report);
            LoadState = LoadStateLoaded;
        } else if (time.Packed == -1) {
            if (const TFsResult there = CheckEntry(FilePath); !there) {
                m_lastError = Tr("Cannot open file \"%1\". %2").arg(FilePath, there.Reason());
                return false;
            }
        }
    } catch (const std::exception& e) {
        m_lastError = ErrorText(e);
        return false;
    }
    FileModifiedTime = time.Packed;
    FileModifiedStamp = time.Stamp;
    m_lastError.clear();
    return true;
}

QString TFileItem::LoadWarning() const {
    if (LoadState != LoadStateLoaded)
        return {};
    if (FileType == FileTypeBatch && Batch)
        return Batch->LoadWarning;
    if (FileType == FileTypeReport && Report)
        return Report->LoadWarning;
    return {};
}

bool TFileItem::TakeTime() {
    LoadState = LoadStateNone;
    if (Owner != nullptr)
        Owner->Modified = true;
    const TFileTime time = FileLastWrite(FilePath);
    FileModifiedTime = time.Packed;
    FileModifiedStamp = time.Stamp;
    if (time.Packed == -1) {
        if (const TFsResult there = CheckEntry(FilePath); !there) {
            m_lastError = Tr("Cannot open file \"%1\". %2").arg(FilePath, there.Reason());
            return false;
        }
    }
    m_lastError.clear();
    return true;
}

bool TFileItem::Save() {
    return Save({}, {});
}

bool TFileItem::Save(const TAuditEntry& change, const TAuditRecorder& audit) {
    try {
        if (LoadState != LoadStateLoaded)
            throw EBramblexError(Tr("Cannot save file that is not loaded"));
        if (FileType == FileTypeBatch && Batch && change.Details.isEmpty())
            throw EBramblexError(Tr("Cannot save a batch without the record of its change"));
        if (FileType == FileTypeBatch && Batch)
            Batch->SaveToFile(FilePath, change, audit);
        else if (FileType == FileTypeReport && Report)
            Report->SaveToFile(FilePath);
        else
            throw EBramblexError(Tr("Cannot save file that is not loaded"));
    } catch (const std::exception& e) {
        m_lastError = ErrorText(e);
        return false;
    }
    const TFileTime time = FileLastWrite(FilePath);
    FileModifiedTime = time.Packed;
    FileModifiedStamp = time.Stamp;
    m_lastError.clear();
    return true;
}

bool TFileItem::NeedsLoad() const {
    if (FileType == FileTypeBatch || FileType == FileTypeReport) {
        if (LoadState == LoadStateNone)
            return true;
    } else if (FileModifiedTime == -1) {
        return true;
    }
    return IsChanged();
}

bool TFileItem::IsChanged() const {
    const TFileTime time = FileLastWrite(FilePath);
    return time.Packed == -1 || time.Packed != FileModifiedTime ||
           (FileModifiedStamp != 0 && time.Stamp != FileModifiedStamp);
}

QString TFileItem::FileName() const {
    return ExtractFileName(FilePath);
}

void TFileItem::Assign(const TDocumentObject& source) {
    const auto* item = dynamic_cast<const TFileItem*>(&source);
    if (item == nullptr)
        throw EBramblexError(Tr("Cannot assign object to File item"));
    Assign(*item);
}

void TFileItem::Assign(const TFileItem& source) {
    if (&source == this)
        return;
    FileType = source.FileType;
    FilePath = source.FilePath;
    TreeNode = source.TreeNode;
    LoadState = source.LoadState;
    IconIndex = source.IconIndex;
    FileModifiedTime = source.FileModifiedTime;
    FileModifiedStamp = source.FileModifiedStamp;
    if (FileType == FileTypeBatch && source.Batch) {
        BatchItem().Assign(*source.Batch);
    } else {
        Batch.reset();
    }
    if (FileType == FileTypeReport && source.Report) {
        Report = std::make_unique<TReport>();
        Report->Assign(*source.Report);
    } else {
        Report.reset();
    }
}

// ---------------------------------------------------------------------------------------

TFileList::TFileList() = default;
TFileList::~TFileList() = default;

TFileItem* TFileList::Append(std::unique_ptr<TFileItem> item) {
    item->Owner = this;
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

TFileItem* TFileList::Add() {
    return Append(std::make_unique<TFileItem>());
}

void TFileList::Delete(int index) {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    m_items.erase(m_items.begin() + index);
}

TFileItem* TFileList::Items(int index) const {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return m_items[static_cast<size_t>(index)].get();
}

void TFileList::Clear() {
    m_items.clear();
}

int TFileList::IndexOf(const QString& path, uint8_t type) const {
    for (int i = 0; i < Count(); ++i) {
        const TFileItem& item = *m_items[static_cast<size_t>(i)];
        if (item.FilePath == path && (type == FileTypeAny || item.FileType == type))
            return i;
    }
    return -1;
}

void TFileList::Sort() {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // One key per item: comparing keys is far cheaper than collating the paths again
    // for every comparison of a large folder.
    struct TKeyed {
        std::unique_ptr<TFileItem> Item;
        QCollatorSortKey Key;
    };
    std::vector<TKeyed> keyed;
    keyed.reserve(m_items.size());
    for (auto& item : m_items) {
        // Folded first: the C locale's collator would otherwise tell letter case apart.
        QCollatorSortKey key = collator.sortKey(item->FilePath.toCaseFolded());
        keyed.push_back({std::move(item), std::move(key)});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const TKeyed& a, const TKeyed& b) {
        if (a.Item->FileType != b.Item->FileType)
            return a.Item->FileType < b.Item->FileType;
        return a.Key.compare(b.Key) < 0;
    });
    for (size_t i = 0; i < keyed.size(); ++i)
        m_items[i] = std::move(keyed[i].Item);
}

void TFileList::RemoveIf(const std::function<bool(const TFileItem&)>& drop) {
    m_items.erase(std::remove_if(m_items.begin(), m_items.end(),
                                 [&](const std::unique_ptr<TFileItem>& item) { return drop(*item); }),
                  m_items.end());
}

void TFileList::Reverse() {
    std::reverse(m_items.begin(), m_items.end());
}

void TFileList::DeleteType(uint8_t type) {
    RemoveIf([type](const TFileItem& item) { return item.FileType == type; });
}

void TFileList::DeleteName(const QString& name) {
    RemoveIf([&name](const TFileItem& item) { return item.FileName() == name; });
}

void TFileList::OpenFolder(const QString& folder) {
    const QString cache = IncludeTrailingSeparator(folder) + QLatin1String(FolderCacheFileName);
    if (folder != Folder && PathExists(cache))
        ReadCache(cache);
    Folder = folder;
}

void TFileList::SaveCache() {
    if (Folder.isEmpty())
        return;
    const QString cache = IncludeTrailingSeparator(Folder) + QLatin1String(FolderCacheFileName);
    WriteCache(cache);
    try {
        if (PathExists(cache))
            MarkFileHidden(cache);
    } catch (const EBramblexError&) {
        // Only a file manager's view suffers; the cache itself is fine.
    }
}

void TFileList::WriteCache(const QString& path) {
    TGmXML document;
    TGmXmlNodeList& data = document.Nodes().Add("FileList")->Children().Add("Data")->Children();
    for (const auto& item : m_items) {
        TGmXmlNodeList& file = data.Add("File")->Children();
        file.Add("FileType")->SetInteger(item->FileType);
        file.Add("FileName")->SetText(item->FileName());
        file.Add("FileModifiedTime")->SetInteger(item->FileModifiedTime);
    }
    const QByteArray bytes = document.SaveToBytes();
    if (path == m_cachePath && bytes == m_cacheBytes && m_cacheStamp != 0 &&
        FileLastWrite(path).Stamp == m_cacheStamp) {
        Modified = false;
        return;
    }
    // The save replaces any existing file in one step.
    if (!TryWriteFileAtomically(path, bytes))
        return;
    ++m_cacheWrites;
    m_cachePath = path;
    m_cacheBytes = bytes;
    m_cacheStamp = FileLastWrite(path).Stamp;
    Modified = false;
}

void TFileList::ReadCache(const QString& path) {
    Clear();
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')) + 1);
    // Packed times grow with time when read unsigned (the years fill the top bits).
    const auto cacheWritten = static_cast<uint32_t>(FileLastWriteTime(path));
    m_cachePath.clear();
    m_cacheBytes.clear();
    m_cacheStamp = 0;
    try {
        const int64_t stamp = FileLastWrite(path).Stamp;
        const QByteArray bytes = ReadWholeFile(path);
        m_cachePath = path;
        m_cacheBytes = bytes;
        m_cacheStamp = stamp;
        TGmXML document;
        document.LoadFromBytes(bytes);
        const TGmXmlNodeList& data = document.Nodes().Find("FileList").Children().Find("Data").Children();
        m_items.reserve(static_cast<size_t>(data.Count()));
        for (const auto& node : data) {
            const TGmXmlNodeList& fields = node->Children();
            const int32_t type = fields.Find("FileType").GetInteger();
            const QString name = fields.Find("FileName").GetText();
            // Names that would lead out of the folder are not entries of it.
            if (type < FileTypeFolder || type > FileTypeOther || name.isEmpty() ||
                name.contains(QLatin1Char('/')) || name == QLatin1String(".") || name == QLatin1String(".."))
                continue;
            TFileItem* item = Add();
            item->FileType = static_cast<uint8_t>(type);
            item->FilePath = folder + name;
            item->FileModifiedTime = fields.Find("FileModifiedTime").GetInteger();
            if (item->FileModifiedTime != -1 &&
                (cacheWritten == UINT32_MAX || static_cast<uint32_t>(item->FileModifiedTime) >= cacheWritten))
                item->FileModifiedTime = -1; // not older than the cache: unverified
            if (item->FileType == FileTypeBatch) {
                TBatchItem& batch = item->BatchItem();
                batch.FileTitle = FileTitle(name);
                batch.FolderPath = folder;
                item->LoadState = LoadStateTitle;
            }
        }
    } catch (const std::exception&) {
        // A cache that cannot be read keeps what was read so far.
    }
    Modified = false;
}

bool TFileList::Refresh(const QString& folder, const std::function<void(TFileItem&)>& linkFolder) {
    OpenFolder(folder);
    TFileList scratch;
    ScanFolder(folder, scratch);
    scratch.DeleteName(QLatin1String(FolderCacheFileName));

    // Path and type to the scratch entry; used entries are taken out of it.
    QHash<QString, int> onDisk;
    onDisk.reserve(scratch.Count());
    for (int i = scratch.Count() - 1; i >= 0; --i)
        onDisk.insert(scratch.m_items[static_cast<size_t>(i)]->FilePath, i);
    std::vector<bool> matched(static_cast<size_t>(scratch.Count()), false);

    bool changed = false;
    std::vector<bool> keep(m_items.size(), false);
    for (size_t i = m_items.size(); i-- > 0;) {
        const TFileItem& item = *m_items[i];
        const auto found = onDisk.constFind(item.FilePath);
        if (found != onDisk.cend()) {
            const auto s = static_cast<size_t>(found.value());
            const TFileItem& entry = *scratch.m_items[s];
            if (!matched[s] && entry.FileType == item.FileType &&
                entry.FileModifiedTime == item.FileModifiedTime &&
                (item.FileModifiedStamp == 0 || item.FileModifiedStamp == entry.FileModifiedStamp)) {
                matched[s] = true;
                keep[i] = true;
                // An entry from the cache is checked to the nanosecond from now on.
                m_items[i]->FileModifiedStamp = entry.FileModifiedStamp;
                continue;
            }
        }
        changed = true;
    }
    size_t next = 0;
    for (size_t i = 0; i < m_items.size(); ++i)
        if (keep[i])
            m_items[next++] = std::move(m_items[i]);
    m_items.resize(next);

    for (size_t s = 0; s < matched.size(); ++s) {
        if (matched[s])
            continue;
        std::unique_ptr<TFileItem> entry = std::move(scratch.m_items[s]);
        entry->FileModifiedTime = -1;
        entry->FileModifiedStamp = 0;
        Append(std::move(entry));
        changed = true;
    }

    if (linkFolder)
        for (const auto& item : m_items)
            if (item->FileType == FileTypeFolder && item->TreeNode == nullptr)
                linkFolder(*item);
    Sort();
    if (changed)
        SaveCache();
    return changed;
}

void TFileList::LoadRange(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, Count() - 1);
    for (int i = first; i <= last; ++i) {
        TFileItem& item = *m_items[static_cast<size_t>(i)];
        if (item.FileType == FileTypeReport && item.LoadState != LoadStateLoaded) {
            if (item.FileModifiedTime == -1 || item.IsChanged())
                item.TakeTime();
        } else if (item.NeedsLoad()) {
            item.Load();
        }
    }
    if (Modified)
        SaveCache();
}

int TFileList::LoadedBatchCount() const {
    return static_cast<int>(std::count_if(m_items.begin(), m_items.end(), [](const auto& item) {
        return item->FileType == FileTypeBatch && item->LoadState == LoadStateLoaded;
    }));
}

// ---------------------------------------------------------------------------------------

void ScanFolder(const QString& folder, TFileList& list) {
    list.Clear();
    const QString prefix = IncludeTrailingSeparator(folder);
    std::vector<TDirectoryEntry> entries = ListDirectory(prefix);
    list.m_items.reserve(entries.size());
    bool temporaries = false;
    for (TDirectoryEntry& entry : entries) {
        if (IsWriterTemporaryName(entry.Name)) {
            temporaries = true;
            continue;
        }
        if (entry.Name == QLatin1String(HiddenListFileName) ||
            entry.Name == QLatin1String(FolderQcFileName) || IsAuditTrailName(entry.Name))
            continue;
        TFileItem* item = list.Add();
        const bool folderEntry = entry.IsFolder || (entry.IsSymLink && entry.TargetIsFolder);
        item->FileType = folderEntry ? static_cast<uint8_t>(FileTypeFolder) : FileTypeOfName(entry.Name);
        item->FilePath = prefix + entry.Name;
        item->FileModifiedTime = entry.ModifiedTime;
        item->FileModifiedStamp = entry.ModifiedStamp;
    }
    if (temporaries)
        RemoveStaleTemporaries(prefix);
}

void RefreshReportList(TFileList& list, const QString& folder) {
    TFileList scratch;
    ScanFolder(folder, scratch);
    scratch.DeleteType(FileTypeFolder);
    scratch.DeleteType(FileTypeBatch);
    scratch.DeleteType(FileTypeTemplate);
    scratch.DeleteType(FileTypeOther);
    for (int i = list.Count() - 1; i >= 0; --i) {
        const int found = scratch.IndexOf(list.Items(i)->FilePath, FileTypeReport);
        if (found >= 0)
            scratch.Delete(found);
        else
            list.Delete(i);
    }
    for (int i = 0; i < scratch.Count(); ++i) {
        TFileItem* item = list.Add();
        item->Assign(*scratch.Items(i));
    }
    list.Sort();
    for (int i = 0; i < list.Count(); ++i) {
        TFileItem& item = *list.Items(i);
        if (item.LoadState != LoadStateLoaded || item.IsChanged())
            item.Load();
    }
}

void LoadTabReports(TFileList& list, const QString& folder) {
    ScanFolder(folder, list);
    list.Sort();
    for (int type : {FileTypeFolder, FileTypeBatch, FileTypeTemplate, FileTypeOther})
        list.DeleteType(static_cast<uint8_t>(type));
    for (int i = list.Count() - 1; i >= 0; --i)
        if (!list.Items(i)->Load())
            list.Delete(i); // a tab needs a report to show
    list.Reverse();
}
