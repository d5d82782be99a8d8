#pragma once

// The open batches: one shared document per batch file, which every view of it, a run
// on it and the folder list observe. Whoever changes a document says what changed, and
// its signals tell the others; saving, and the refusal to write over a damaged file,
// happen here and nowhere else.

#include "audit/AuditTrail.h"
#include "storage/FileItem.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class TBatchItem;
class TMeasurementItem;

class TBatchDocument : public QObject {
    Q_OBJECT
public:
    // The document of entry's batch, a copy of entry.
    explicit TBatchDocument(const TFileItem& entry);

    const QString& Path() const { return m_entry.FilePath; }
    // The batch file as last read or written: its batch, its times, its load warning.
    const TFileItem& Entry() const { return m_entry; }
    // The entry to hand to those that take one to change (its batch is the document's).
    TFileItem& Entry() { return m_entry; }
    // Writers change the batch and then say what they changed.
    TBatchItem& Batch() { return m_entry.BatchItem(); }
    const TBatchItem& Batch() const { return *m_entry.Batch; }

    // The header (people, note, model, spindle, chosen quantities) or the processes
    // were changed by writer (whose own view need not follow; may be null).
    void HeaderEdited(QObject* writer = nullptr);
    void ProcessesEdited(QObject* writer = nullptr);
    // Appends readings at the end of the batch.
    void AppendReading(const TMeasurementItem& reading);
    // Several appended readings are announced once, by EndAppend.
    void EndAppend();
    // The file was read again (changed outside, or a view was told to forget): the
    // document takes entry's content; every observer shows it anew.
    void Replace(const TFileItem& entry);

    // Writes the batch over its file and takes the file's new times: Saved. A file that
    // was read only in part is never written over: Damaged; any other failure:
    // SaveFailed. A failure leaves the edits in the document; LastError says why. The
    // change is recorded in the batch's audit trail before the file is written.
    bool Save(const TAuditEntry& change, const TAuditRecorder& audit);
    const QString& LastError() const { return m_lastError; }
    // The damaged-file rule: the warning of a batch read only in part, or empty.
    QString DamageWarning() const { return m_entry.LoadWarning(); }
    bool Removed() const { return m_removed; }
    // The batch file is gone (deleted here or by another program).
    void MarkRemoved();

    // The same file in the same version: the packed time of a file keeps two seconds,
    // so the exact stamp is compared as well when both know it.
    static bool SameVersion(const TFileItem& entry, const TFileItem& other);

signals:
    void HeaderChanged(QObject* writer);
    void ProcessesChanged(QObject* writer);
    // Readings first .. first + count - 1 were appended.
    void ReadingsAppended(int first, int count);
    void Reloaded();
    void Saved();
    void SaveFailed(const QString& error);
    void Damaged(const QString& warning);
    void FileRemoved();

private:
    TFileItem m_entry;
    QString m_lastError;
    int m_appendedFrom = -1;
    bool m_removed = false;
};

class TBatchStore : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The document of entry's batch file. One the store holds stays the one handed out:
    // it takes entry's content when entry is another version of the file (read after a
    // change on disk); otherwise entry is ignored. Null for an entry without a batch.
    std::shared_ptr<TBatchDocument> Document(const TFileItem& entry);
    // The document of path when someone holds it, otherwise null.
    std::shared_ptr<TBatchDocument> Find(const QString& path) const;
    // Reads path into a document (or hands out the one held). Raises EFileError with the
    // file layer's message when it cannot be read.
    std::shared_ptr<TBatchDocument> Open(const QString& path);
    // The file of path is gone: its document says so and is no longer handed out.
    void FileRemoved(const QString& path);
    // Documents somebody still holds.
    int OpenCount() const;

private:
    QHash<QString, std::weak_ptr<TBatchDocument>> m_documents;
};
