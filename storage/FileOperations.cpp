#include "storage/FileOperations.h"

#include "audit/AuditTrail.h"
#include "core/Error.h"
#include "platform/AtomicFile.h"
#include "platform/BusyCursor.h"
#include "platform/FileListClipboard.h"
#include "platform/FileSystem.h"
#include "platform/ShellFolders.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <vector>

namespace {

// Without a trailing separator (except for "/" itself).
QString Trimmed(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

QString Join(const QString& folder, const QString& name) {
    return IncludeTrailingSeparator(folder) + name;
}

// The folder's own housekeeping files: the cache and the hidden-file list describe the
// folder they are in, so a conflict over them is never put to the operator; the
// destination keeps its own (its cache is checked against the disk when shown).
bool IsHousekeepingFile(const QString& path) {
    const QString name = ExtractFileName(path);
    return name == QLatin1String("cache.epc") || name == QLatin1String(HiddenListFileName);
}

// The absolute path with links resolved as far as it exists, with a trailing separator,
// so that two spellings of one folder compare equal.
QString UniversalFolderPath(const QString& path) {
    QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString rest;
    QString existing = absolute;
    while (!existing.isEmpty() && !QFileInfo::exists(existing)) {
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0) {
            existing = QStringLiteral("/");
            break;
        }
        rest = existing.mid(slash) + rest;
        existing = existing.left(slash);
    }
    const QString canonical = QFileInfo(existing).canonicalFilePath();
    return IncludeTrailingSeparator(QDir::cleanPath((canonical.isEmpty() ? existing : canonical) + rest));
}

bool IsBatchPath(const QString& path) {
    return path.endsWith(QLatin1String(".epb"), Qt::CaseInsensitive) &&
           !IsAuditTrailName(ExtractFileName(path));
}

// The trail of a batch that is still beside it: that batch's own operation carries it.
bool TrailOfPresentBatch(const QString& path) {
    const QString name = ExtractFileName(path);
    if (!IsAuditTrailName(name))
        return false;
    const QString batch = IncludeTrailingSeparator(QFileInfo(path).path()) +
                          name.mid(1, name.size() - 1 - static_cast<int>(qstrlen(".audit")));
    return EntryExists(batch);
}

// The records of a folder tree moved whole: "moved" for each batch in it, with the
// reasons of signed ones asked before anything moves.
struct TFolderMoveRecord {
    QString Path; // where the batch will be
    TAuditEntry Entry;
};

void PrepareFolderMove(const QString& from, const QString& to, const TAuditRecorder& audit,
                       std::vector<TFolderMoveRecord>& records) {
    for (const TDirectoryEntry& entry : ListDirectory(IncludeTrailingSeparator(from))) {
        const QString was = Join(from, entry.Name);
        const QString is = Join(to, entry.Name);
        if (entry.IsFolder) {
            PrepareFolderMove(was, is, audit, records);
        } else if (IsBatchPath(was)) {
            TAuditEntry record = TAuditEntry::Relocated(was, is);
            audit.FillReason(was, record);
            records.push_back({is, record});
        }
    }
}

// After the move (the trails went with their folder): the record follows the rename,
// as the batch's bytes did not change.
void RecordFolderMoved(const std::vector<TFolderMoveRecord>& records, const TAuditRecorder& audit) {
    for (const TFolderMoveRecord& r : records)
        RecordAuditChange(r.Path, r.Entry, FileSha256(r.Path), audit.Context);
}

class TTransfer {
public:
    TTransfer(bool& replaceAll, const TConflictQuestion& ask, const TAuditRecorder* audit = nullptr)
        : ReplaceAll(replaceAll), Audit(audit), m_ask(ask) {}

    bool& ReplaceAll;
    const TAuditRecorder* Audit; // records what happens to batches; none: nothing is recorded
    QString SkippedName;         // files of this name are left out of copies

    // Cancel raises; Yes to All sets ReplaceAll. True for Yes and Yes to All.
    bool Confirm(const QString& message) {
        const TConflictAnswer answer = m_ask ? m_ask(message) : TConflictAnswer::Cancel;
        switch (answer) {
        case TConflictAnswer::Cancel:
            throw EBramblexError(Tr("Copy of file and folders canceled"));
        case TConflictAnswer::No:
            return false;
        case TConflictAnswer::YesToAll:
            ReplaceAll = true;
            return true;
        case TConflictAnswer::Yes:
            break;
        }
        return true;
    }

    // False when the operator skips the folder.
    bool ConfirmFolder(const QString& source, const QString& destination) {
        if (UniversalFolderPath(destination).startsWith(UniversalFolderPath(source)))
            throw EBramblexError(Tr("Destination same as source folder"));
        if (!PathExists(destination) || ReplaceAll)
            return true;
        return Confirm(
            Tr("The folder already contains a folder named '%1'\r\n\r\nIf the files in the existing "
               "folder have the same name as the files in the\r\nfolder you are moving or copying, "
               "they will be replaced.  Do you still\r\nwant to move or copy the folder?")
                .arg(ExtractFileName(destination)));
    }

    bool ConfirmFile(const QString& destination) {
        return Confirm(
            Tr("The folder already contains a file named '%1'\r\n\r\nWould you like to replace the "
               "existing file?")
                .arg(ExtractFileName(destination)));
    }

    void Copy(const QString& source, const QString& destination) {
        if (IsRealFolder(source))
            CopyFolder(source, destination);
        else
            CopyFile(source, destination);
    }

    void Move(const QString& source, const QString& destination) {
        if (IsRealFolder(source))
            MoveFolder(source, destination);
        else
            MoveFile(source, destination);
    }

private:
    static void RequireSource(const QString& source) {
        if (const TFsResult there = CheckEntry(source); !there)
            throw EBramblexError(WithReason(Tr("Cannot read from the source file or disk"), there));
    }

    static void SplitEntries(const QString& folder, QStringList& folders, QStringList& files) {
        for (const TDirectoryEntry& entry : ListDirectory(folder))
            (entry.IsFolder ? folders : files).append(entry.Name);
    }

    void CopyFolder(const QString& source, const QString& destination) {
        if (!ConfirmFolder(source, destination))
            return;
        QStringList folders, files;
        SplitEntries(source, folders, files);
        for (const QString& name : folders)
            CopyFolder(Join(source, name), Join(destination, name));
        if (const TFsResult made = MakeFolders(destination); !made)
            throw EBramblexError(WithReason(Tr("Unable to create directories"), made));
        for (const QString& name : files)
            CopyFile(Join(source, name), Join(destination, name));
    }

    void CopyFile(const QString& source, const QString& destination) {
        if (!SkippedName.isEmpty() && ExtractFileName(source) == SkippedName)
            return;
        // A save in progress (or one that was killed) is no part of the folder's contents.
        if (IsWriterTemporaryName(ExtractFileName(source)))
            return;
        // A copy starts its own trail; the source's stays the source's.
        if (IsAuditTrailName(ExtractFileName(source)))
            return;
        RequireSource(source);
        const bool exists = EntryExists(destination);
        if (exists && IsHousekeepingFile(destination))
            return;
        if (exists && !ReplaceAll && !ConfirmFile(destination))
            return;
        if (Audit && IsBatchPath(source)) {
            TAuditEntry entry = TAuditEntry::CopyOf(source, {});
            Audit->FillReason(destination, entry);
            RecordAuditCopy(source, destination, Audit->Context, entry.Reason);
        }
        if (const TFsResult copied = CopyFileEntry(source, destination, false); !copied)
            throw EBramblexError(WithReason(Tr("Unable to copy file %1").arg(destination), copied));
    }

    void MoveFolder(const QString& source, const QString& destination) {
        if (!ConfirmFolder(source, destination))
            return;
        // The whole folder at once when nothing is in the way and both are on one filesystem.
        // The trails go along; each batch's record follows the rename (its bytes did not change).
        if (!PathExists(destination)) {
            std::vector<TFolderMoveRecord> records;
            if (Audit)
                PrepareFolderMove(source, destination, *Audit, records);
            if (RenameEntry(source, destination)) {
                if (Audit)
                    RecordFolderMoved(records, *Audit);
                return;
            }
        }
        if (const TFsResult made = MakeFolders(destination); !made)
            throw EBramblexError(WithReason(Tr("Unable to create directories"), made));
        QStringList folders, files;
        SplitEntries(source, folders, files);
        for (const QString& name : folders)
            MoveFolder(Join(source, name), Join(destination, name));
        // Batches first, each with its trail; what is left of trails then has no batch
        // here and goes along as it is.
        for (const QString& name : files)
            if (!IsAuditTrailName(name))
                MoveFile(Join(source, name), Join(destination, name));
        for (const QString& name : files)
            if (IsAuditTrailName(name) && EntryExists(Join(source, name)) &&
                !TrailOfPresentBatch(Join(source, name)))
                MoveFile(Join(source, name), Join(destination, name));
        // What the operator chose to keep is still in the source; then it stays.
        if (ListDirectory(source).empty()) {
            if (const TFsResult removed = RemoveEmptyFolder(source); !removed)
                throw EBramblexError(WithReason(
                    Tr("Unable to delete directory %1").arg(IncludeTrailingSeparator(source)), removed));
        }
    }

    void MoveFile(const QString& source, const QString& destination) {
        RequireSource(source);
        if (Trimmed(source) == Trimmed(destination) || IsSameEntry(source, destination))
            return; // moving a file onto itself must not delete it
        if (EntryExists(destination)) {
            if (IsHousekeepingFile(destination)) {
                RemoveFileEntry(source);
                return;
            }
            if (!ReplaceAll && !ConfirmFile(destination))
                return;
            if (IsRealFolder(destination))
                throw EBramblexError(
                    WithReason(Tr("Unable to delete file %1").arg(destination), TFsResult::Failed(EISDIR)));
        }
        if (!Audit || !IsBatchPath(source)) {
            MovePlainFile(source, destination);
            return;
        }
        TAuditEntry entry = TAuditEntry::Relocated(source, destination);
        Audit->FillReason(source, entry);
        RecordAuditMove(source, destination, Audit->Context, entry.Reason);
        try {
            MovePlainFile(source, destination);
        } catch (const EBramblexError& e) {
            AbandonAuditMove(source, destination, e.Message(), Audit->Context);
            throw;
        }
        FinishAuditMove(source);
    }

    static void MovePlainFile(const QString& source, const QString& destination) {
        // rename replaces the destination in one step, so it is never lost on a failure.
        const TFsResult renamed = RenameEntry(source, destination);
        if (renamed)
            return;
        const QString moveFailed = Tr("Unable to move file %1").arg(destination);
        if (renamed.Errno() != EXDEV)
            throw EBramblexError(WithReason(moveFailed, renamed));
        if (const TFsResult copied = CopyFileEntry(source, destination, false); !copied)
            throw EBramblexError(WithReason(moveFailed, copied));
        if (const TFsResult removed = RemoveFileEntry(source); !removed)
            throw EBramblexError(WithReason(Tr("Unable to delete file %1").arg(source), removed));
    }

    TConflictQuestion m_ask;
};

void DeleteEntry(const QString& path, const TAuditRecorder* audit) {
    if (!IsRealFolder(path)) {
        const bool batch = audit && IsBatchPath(path);
        if (batch)
            audit->Change(path, TAuditEntry::Deleted(), {});
        if (const TFsResult removed = RemoveFileEntry(path); !removed)
            throw EBramblexError(WithReason(Tr("Unable to delete file %1").arg(path), removed));
        if (batch)
            RemoveAuditTrail(path);
        return;
    }
    const QString folder = IncludeTrailingSeparator(path);
    const std::vector<TDirectoryEntry> entries = ListDirectory(folder);
    for (const TDirectoryEntry& entry : entries)
        if (entry.IsFolder)
            DeleteEntry(folder + entry.Name, audit);
    // A batch's trail goes after its record; what is left (trails without a batch) goes
    // with the folder the operator deletes.
    for (const TDirectoryEntry& entry : entries)
        if (!entry.IsFolder && !IsAuditTrailName(entry.Name))
            DeleteEntry(folder + entry.Name, audit);
    for (const TDirectoryEntry& entry : entries)
        if (!entry.IsFolder && IsAuditTrailName(entry.Name) && EntryExists(folder + entry.Name))
            DeleteEntry(folder + entry.Name, nullptr);
    if (const TFsResult removed = RemoveEmptyFolder(folder); !removed)
        throw EBramblexError(WithReason(Tr("Unable to delete directory %1").arg(folder), removed));
}

QString Extension(const QString& path) {
    const QString name = ExtractFileName(path);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace

void DeleteTree(const QString& path, const TAuditRecorder* audit) {
    TBusyCursor busy;
    DeleteEntry(Trimmed(path), audit);
}

void CopyTree(const QString& source, const QString& destination, bool& replaceAll,
              const TConflictQuestion& ask, const TAuditRecorder* audit) {
    TBusyCursor busy;
    TTransfer(replaceAll, ask, audit).Copy(Trimmed(source), Trimmed(destination));
}

void MoveTree(const QString& source, const QString& destination, bool& replaceAll,
              const TConflictQuestion& ask, const TAuditRecorder* audit) {
    TBusyCursor busy;
    TTransfer(replaceAll, ask, audit).Move(Trimmed(source), Trimmed(destination));
}

TFsResult RenameInPlace(const QString& from, const QString& to, const TAuditRecorder* audit) {
    const QString source = Trimmed(from);
    const QString target = Trimmed(to);
    if (!audit)
        return RenameEntry(source, target);
    if (IsRealFolder(source)) {
        std::vector<TFolderMoveRecord> records;
        PrepareFolderMove(source, target, *audit, records);
        const TFsResult renamed = RenameEntry(source, target);
        if (renamed)
            RecordFolderMoved(records, *audit);
        return renamed;
    }
    if (!IsBatchPath(source))
        return RenameEntry(source, target);
    TAuditEntry entry = TAuditEntry::Relocated(source, target);
    audit->FillReason(source, entry);
    RecordAuditMove(source, target, audit->Context, entry.Reason);
    const TFsResult renamed = RenameEntry(source, target);
    if (renamed)
        FinishAuditMove(source);
    else
        AbandonAuditMove(source, target, renamed.Reason(), audit->Context);
    return renamed;
}

void SeedTree(const QString& source, const QString& destination) {
    TBusyCursor busy;
    bool replaceAll = false;
    TTransfer transfer(replaceAll, {});
    transfer.SkippedName = QStringLiteral(".keep");
    transfer.Copy(Trimmed(source), Trimmed(destination));
}

void TransferFiles(const QStringList& sources, const QStringList& targetNames,
                   const QString& destinationFolder, TDropEffect effect, const TConflictQuestion& ask,
                   const TAuditRecorder* audit) {
    TBusyCursor busy;
    bool replaceAll = false;
    TTransfer transfer(replaceAll, ask, audit);
    for (int i = 0; i < sources.size(); ++i) {
        const QString source = QDir::cleanPath(QFileInfo(Trimmed(sources[i])).absoluteFilePath());
        // A name the dropping program chose is only a name: never a path that leads out
        // of the destination folder.
        QString name = i < targetNames.size() ? PlainEntryName(targetNames[i]) : QString();
        if (name.isEmpty())
            name = ExtractFileName(source);
        QString target = QDir::cleanPath(QFileInfo(Join(destinationFolder, name)).absoluteFilePath());
        if (effect == TDropEffect::Move) {
            if (target != source)
                transfer.Move(source, target);
        } else {
            if (target == source)
                target = CopyName(source);
            transfer.Copy(source, target);
        }
    }
}

QString CopyName(const QString& path) {
    const QString trimmed = Trimmed(path);
    const QString folder = IncludeTrailingSeparator(QFileInfo(trimmed).path());
    const QString name = ExtractFileName(trimmed);
    QString candidate = folder + Tr("Copy of %1").arg(name);
    if (!PathExists(candidate))
        return candidate;
    for (int i = 2; i <= 200; ++i) {
        candidate = folder + Tr("Copy (%1) of %2").arg(QString::number(i), name);
        if (!PathExists(candidate))
            return candidate;
    }
    throw EBramblexError(Tr("Unable to copy, too many \"Copy of\" files"));
}

QString DefaultName(const QString& folder, const QString& base, const QString& extension) {
    const QString prefix = IncludeTrailingSeparator(folder) + base;
    QString candidate = prefix + extension;
    if (!PathExists(candidate))
        return candidate;
    for (int i = 2; i <= 200; ++i) {
        candidate = prefix + QStringLiteral(" (%1)").arg(i) + extension;
        if (!PathExists(candidate))
            return candidate;
    }
    throw EBramblexError(Tr("Unable to create file/folder, too many default named items."));
}

bool IsValidEntryName(const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control)
            return false;
    return true;
}

QString PlainEntryName(const QString& supplied) {
    QString name = supplied;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1);
    return IsValidEntryName(name) ? name : QString();
}

bool IsNameCharAllowed(QChar c) {
    switch (c.unicode()) {
    case '"':
    case '*':
    case '/':
    case ':':
    case '<':
    case '>':
    case '?':
    case '\\':
    case '|':
        return false;
    default:
        return true;
    }
}

bool PathExists(const QString& path) {
    return EntryExists(Trimmed(path));
}

QString FileTitle(const QString& path) {
    const QString name = ExtractFileName(path);
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

bool IsImageFile(const QString& path) {
    const QString ext = Extension(path);
    for (const char* image : {".jpg", ".bmp", ".wmf", ".emf"})
        if (ext.compare(QLatin1String(image), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

bool IsPdfFile(const QString& path) {
    return Extension(path).compare(QLatin1String(".pdf"), Qt::CaseInsensitive) == 0;
}

QString TempFolder() {
    return UserTempFolder();
}

QString IncludeTrailingSeparator(const QString& folder) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

QString ExtractFileName(const QString& path) {
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

Qt::DropAction FileDropEffect(const QStringList& dragged, const QString& sourceFolder,
                              const QString& targetFolder, Qt::DropActions allowed,
                              Qt::KeyboardModifiers keys, TShiftCtrl shiftCtrl) {
    if (dragged.isEmpty() || targetFolder.isEmpty() || targetFolder == sourceFolder)
        return Qt::IgnoreAction;
    for (const QString& path : dragged) {
        if (targetFolder.startsWith(IncludeTrailingSeparator(QDir::cleanPath(path))))
            return Qt::IgnoreAction;
    }
    const bool shift = keys & Qt::ShiftModifier;
    const bool ctrl = keys & Qt::ControlModifier;
    if (shift && ctrl && (shiftCtrl == TShiftCtrl::Refused || (allowed & Qt::LinkAction)))
        return Qt::IgnoreAction;
    if (shift && !ctrl && (allowed & Qt::MoveAction))
        return Qt::MoveAction;
    if (ctrl && !shift && (allowed & Qt::CopyAction))
        return Qt::CopyAction;
    if (!sourceFolder.isEmpty() && (allowed & Qt::MoveAction) && OnSameDevice(sourceFolder, targetFolder))
        return Qt::MoveAction;
    for (const Qt::DropAction action : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction}) {
        if (allowed & action)
            return action;
    }
    return Qt::IgnoreAction;
}
