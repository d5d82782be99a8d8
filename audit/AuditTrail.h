#pragma once

// The audit trail of a batch: who changed what, when and why, one record per change,
// in a hidden file beside the batch (".NAME.epb.audit"), so that it goes wherever the
// batch goes with its folder (a network share, a moved storage tree) and the batch
// format stays as it is.
//
// The trail is a log of JSON lines. Each record carries the SHA-256 of the batch file
// as it is after the change, the hash of its own content ("hash") and the hash of the
// record before it ("previous"), so an edited or removed record breaks the chain, and
// a batch whose hash is not the last record's was changed behind Bramblex's back.
//
// Order of writing (what makes a crash harmless): the record of a change, carrying the
// hash of the file the change will write, is appended and fsynced first; then the file
// is written atomically. A crash before the record is complete leaves no record (a cut
// off line is no record) and the file untouched. A crash after it leaves the file
// either new (its hash is the last record's) or still as the record before the last
// says: verify takes that as intact, the last recorded change "not saved", and the
// next change records it as "interrupted" before its own record. Nothing that reached
// the file is ever without its record, and no crash makes an untouched batch look
// changed.

#include "platform/UserIdentity.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <vector>

enum class TAuditAction {
    Created,          // a new batch, paste, drop or copy
    HeaderChanged,    // field, old value, new value
    ProcessesChanged, // processes added, edited, deleted or moved
    Run,              // mode, port, readings before and after
    ReadingsCleared,
    Recovered, // readings taken from the run journal
    Renamed,
    Moved,
    Exported,
    Printed, // print, PDF, JPEG, mail
    Signed,
    Deleted,
    // Written by the trail itself before the next record, so the history says what it saw:
    Started,        // a trail begun on a batch that had none
    Interrupted,    // the last recorded change never reached the file (a crash)
    ChangedOutside, // the file was changed (or removed) outside Bramblex
};

// The action's name in the trail and the command line ("header-changed").
QString AuditActionName(TAuditAction action);
// True for the actions that change the batch (its file, its name or place): after a
// signature each of them needs a reason.
bool AuditActionChangesBatch(TAuditAction action);

// What a writer records; the trail adds who, when, where and the hashes.
struct TAuditEntry {
    TAuditAction Action = TAuditAction::Created;
    QString Details;  // one line for people
    QString Reason;   // asked for after a signature
    QJsonObject Data; // the same for programs (field, old and new value, paths ...)
    QString Meaning;  // signatures: "Performed by", "Reviewed by", "Approved by"
    QString Comment;  // signatures

    static TAuditEntry NewBatch();
    static TAuditEntry CopyOf(const QString& source, const QString& sourceTrailLastHash);
    static TAuditEntry HeaderChanged(const QString& field, const QString& oldValue, const QString& newValue);
    static TAuditEntry ProcessesChanged(const QString& what);
    static TAuditEntry Run(const QString& mode, const QString& port, int readingsBefore, int readingsAfter);
    static TAuditEntry ReadingsCleared(int readingsBefore);
    static TAuditEntry Recovered(int readingsAdded, const QString& journal);
    static TAuditEntry Relocated(const QString& from, const QString& to); // Renamed in one folder, else Moved
    static TAuditEntry Exported(const QString& kind, const QString& target);
    static TAuditEntry Printed(const QString& kind, const QString& target);
    static TAuditEntry Deleted();
};

struct TAuditRecord {
    QDateTime Time;        // UTC
    int OffsetSeconds = 0; // the local offset from UTC when it was written
    QString Login;
    QString FullName;
    QString Host;
    QString Version;
    QString Action; // as AuditActionName; a trail may hold names a later version added
    QString Details;
    QString Reason;
    QString Sha256; // the batch file after the change, hex; empty: no file (deleted)
    QString Previous;
    QString Hash;
    QString Meaning;
    QString Comment;
    QJsonObject Data;

    // The time as it was on the writer's clock, "2026-03-04T15:06:07.089+01:00".
    QString LocalTimeText() const;
    // The object `bramblex-cli audit show --json` prints.
    QJsonObject ToShowJson() const;
};

// Who writes, with what, and the clock: passed in so tests choose them.
struct TAuditContext {
    TUserIdentity User;
    QString Version;
    std::function<QDateTime()> Now; // a local or offset time; its offset is recorded
    static TAuditContext System();
};

// What a front end hands every writer of a batch: who records, and how a reason is had
// once the batch is signed (the window asks in a small dialog, bramblex-cli takes --reason).
struct TAuditRecorder {
    TAuditContext Context = TAuditContext::System();
    // Asked only for a signed batch; false when the operator calls the change off. Without
    // it a signed batch refuses every change.
    std::function<bool(const QString& batchPath, QString& reason)> AskReason;

    // Sets entry.Reason when the batch at batchPath is signed and the entry has none.
    // Raises EBramblexError when no reason is given: the change must then not be made.
    void FillReason(const QString& batchPath, TAuditEntry& entry) const;
    // FillReason, then RecordAuditChange / WriteBatchAudited / RecordAuditEvent.
    TAuditRecord Change(const QString& batchPath, TAuditEntry entry, const QString& newSha256) const;
    void Write(const QString& batchPath, const QByteArray& bytes, TAuditEntry entry) const;
    TAuditRecord Event(const QString& batchPath, const TAuditEntry& entry) const;
    // Records what an export or a report did with batches (exported, printed) in each
    // one's trail that exists as a file.
    void Output(const QStringList& batchPaths, const TAuditEntry& entry) const;
};

// ".NAME.audit" beside the batch.
QString AuditTrailPath(const QString& batchPath);
// True for a trail's file name: folder listings, caches and the folder watcher skip it.
bool IsAuditTrailName(QStringView name);

QString Sha256Hex(const QByteArray& bytes);
// The file's SHA-256 in hex; empty when there is no file. Raises EFileError when it
// cannot be read.
QString FileSha256(const QString& path);

struct TAuditTrailContent {
    bool Exists = false;
    std::vector<TAuditRecord> Records; // every record that could be read, in order
    int BrokenAt = 0;                  // the first record (from 1) that breaks the chain; 0 none
};
// Raises EFileError when the trail exists but cannot be read.
TAuditTrailContent ReadAuditTrail(const QString& batchPath);

enum class TAuditStatus { Intact, Untracked, ChangedOutside, Broken };
// "intact", "untracked", "changed-outside", "broken".
QString AuditStatusName(TAuditStatus status);

struct TAuditVerdict {
    TAuditStatus Status = TAuditStatus::Untracked;
    int BrokenAt = 0;
    QDateTime LastRecordTime; // UTC; for changed-outside
    int LastRecordOffset = 0;
    bool LastChangeNotSaved = false; // intact, but the last record's change never reached the file
    QString FileSha256;
    TAuditTrailContent Trail;
};
// Raises EFileError when the batch or its trail cannot be read.
TAuditVerdict VerifyAuditTrail(const QString& batchPath);
// One line: "intact", "untracked", "changed-outside since 2026-…", "broken at record 3".
QString AuditVerdictText(const TAuditVerdict& verdict);

// True when the trail holds a signature: every change then needs a reason.
bool AuditReasonRequired(const QString& batchPath);

// --- Writers. Each raises EFileError ("Cannot write the audit trail of "…"." and the
// system's reason) when the record cannot be written, and then nothing may be changed;
// EBramblexError when a reason is needed and missing.

// Records a change before the writer makes it: newSha256 is the hash of the file the
// change will leave (empty when it removes the file).
TAuditRecord RecordAuditChange(const QString& batchPath, const TAuditEntry& entry, const QString& newSha256,
                               const TAuditContext& context);
// Records, then writes bytes to the batch atomically.
void WriteBatchAudited(const QString& batchPath, const QByteArray& bytes, const TAuditEntry& entry,
                       const TAuditContext& context);
// Records what leaves the file as it is (exported, printed, signed).
TAuditRecord RecordAuditEvent(const QString& batchPath, const TAuditEntry& entry,
                              const TAuditContext& context);

// File operations, in this order for each batch:
//   copy:   RecordAuditCopy(source, destination); copy the file (the destination's own trail
//           begins with "created", naming the source and its trail's last hash)
//   move:   RecordAuditMove(source, destination); move the file; then FinishAuditMove(source),
//           or AbandonAuditMove(source, destination, why) when the move failed
//   delete: RecordAuditChange(batch, TAuditEntry::Deleted(), {}); delete the file; RemoveAuditTrail(batch)
// A move records "moved" (or "renamed") and puts a copy of the whole trail at the
// destination before the file goes there, so a crash at any point leaves the batch,
// wherever it is, with its trail; at worst a stale copy stays beside where it is not.
TAuditRecord RecordAuditCopy(const QString& source, const QString& destination, const TAuditContext& context,
                             const QString& reason = {});
TAuditRecord RecordAuditMove(const QString& source, const QString& destination, const TAuditContext& context,
                             const QString& reason = {});
// Removes the source's trail once the batch has moved.
void FinishAuditMove(const QString& source);
// The move did not happen: removes the destination's copy and records why in the source's trail.
void AbandonAuditMove(const QString& source, const QString& destination, const QString& why,
                      const TAuditContext& context);
// Removes the trail after its batch; succeeds when there is none.
void RemoveAuditTrail(const QString& batchPath);

struct TAuditSignature {
    QString Meaning;
    QString FullName;
    QString Login;
    QDateTime Time; // UTC
    int OffsetSeconds = 0;
    QString Comment;
    QString Sha256;
    bool AppliesToCurrent = false; // false: it signed an earlier version of the batch

    // "Approved by: Jane Roe (jroe), 2026-03-04 15:06:07 +01:00"
    QString Line() const;
};
std::vector<TAuditSignature> AuditSignatures(const TAuditTrailContent& trail, const QString& currentSha256);
