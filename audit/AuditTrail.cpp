#include "audit/AuditTrail.h"

#include "core/Error.h"
#include "platform/AppendOnlyFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTimeZone>

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

constexpr char TrailSuffix[] = ".audit";
const QString ZeroHash(64, QLatin1Char('0'));

struct TActionName {
    TAuditAction Action;
    const char* Name;
};
constexpr TActionName ActionNames[] = {
    {TAuditAction::Created, "created"},
    {TAuditAction::HeaderChanged, "header-changed"},
    {TAuditAction::ProcessesChanged, "processes-changed"},
    {TAuditAction::Run, "run"},
    {TAuditAction::ReadingsCleared, "readings-cleared"},
    {TAuditAction::Recovered, "recovered"},
    {TAuditAction::Renamed, "renamed"},
    {TAuditAction::Moved, "moved"},
    {TAuditAction::Exported, "exported"},
    {TAuditAction::Printed, "printed"},
    {TAuditAction::Signed, "signed"},
    {TAuditAction::Deleted, "deleted"},
    {TAuditAction::Started, "started"},
    {TAuditAction::Interrupted, "interrupted"},
    {TAuditAction::ChangedOutside, "changed-outside"},
};

QString Quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString OffsetText(int seconds) {
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("%1%2:%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

// "2026-03-04 15:06:07 +01:00" for people, "2026-03-04T15:06:07.089+01:00" for programs.
QString LocalText(const QDateTime& utc, int offset, bool forPeople) {
    const QDateTime local = utc.toOffsetFromUtc(offset);
    return forPeople ? local.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + OffsetText(offset)
                     : local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) + OffsetText(offset);
}

// The file's hash before the last record's change, when the trail knows it: the
// record before, or no file before a first record (a file that was there when its trail
// began gets "started" first), e.g. the first save of a new batch that failed.
bool StateBeforeLast(const std::vector<TAuditRecord>& records, QString& sha) {
    if (records.size() >= 2) {
        sha = records[records.size() - 2].Sha256;
        return true;
    }
    if (records.size() == 1 && records.front().Action != AuditActionName(TAuditAction::Started)) {
        sha.clear();
        return true;
    }
    return false;
}

QJsonObject ToTrailJson(const TAuditRecord& r) {
    QJsonObject o;
    o[QStringLiteral("time")] = r.Time.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzzZ"));
    o[QStringLiteral("offset")] = r.OffsetSeconds;
    o[QStringLiteral("user")] = r.Login;
    o[QStringLiteral("full_name")] = r.FullName;
    o[QStringLiteral("host")] = r.Host;
    o[QStringLiteral("version")] = r.Version;
    o[QStringLiteral("action")] = r.Action;
    o[QStringLiteral("details")] = r.Details;
    o[QStringLiteral("reason")] = r.Reason;
    o[QStringLiteral("sha256")] = r.Sha256;
    o[QStringLiteral("previous")] = r.Previous;
    if (!r.Meaning.isEmpty())
        o[QStringLiteral("meaning")] = r.Meaning;
    if (!r.Comment.isEmpty())
        o[QStringLiteral("comment")] = r.Comment;
    if (!r.Data.isEmpty())
        o[QStringLiteral("data")] = r.Data;
    return o;
}

// The hash of a record is that of its compact JSON without "hash"; QJsonObject keeps
// keys sorted, so the text is the same wherever the record is read again.
QString ContentHash(const QJsonObject& withoutHash) {
    return Sha256Hex(QJsonDocument(withoutHash).toJson(QJsonDocument::Compact));
}

TAuditRecord FromTrailJson(const QJsonObject& o) {
    TAuditRecord r;
    r.Time = QDateTime::fromString(o.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs);
    r.OffsetSeconds = o.value(QStringLiteral("offset")).toInt();
    r.Login = o.value(QStringLiteral("user")).toString();
    r.FullName = o.value(QStringLiteral("full_name")).toString();
    r.Host = o.value(QStringLiteral("host")).toString();
    r.Version = o.value(QStringLiteral("version")).toString();
    r.Action = o.value(QStringLiteral("action")).toString();
    r.Details = o.value(QStringLiteral("details")).toString();
    r.Reason = o.value(QStringLiteral("reason")).toString();
    r.Sha256 = o.value(QStringLiteral("sha256")).toString();
    r.Previous = o.value(QStringLiteral("previous")).toString();
    r.Hash = o.value(QStringLiteral("hash")).toString();
    r.Meaning = o.value(QStringLiteral("meaning")).toString();
    r.Comment = o.value(QStringLiteral("comment")).toString();
    r.Data = o.value(QStringLiteral("data")).toObject();
    return r;
}

// Parses the complete lines of a trail, checking each record's own hash and its link
// to the one before.
TAuditTrailContent ParseTrail(const QByteArray& lines) {
    TAuditTrailContent trail;
    trail.Exists = true;
    QString expectedPrevious = ZeroHash;
    int number = 0;
    for (const QByteArray& line : lines.split('\n')) {
        if (line.isEmpty())
            continue; // the split's tail after the last newline
        ++number;
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !doc.isObject()) {
            if (trail.BrokenAt == 0)
                trail.BrokenAt = number;
            // The next record's link cannot match what is unreadable here.
            expectedPrevious = Sha256Hex(line);
            continue;
        }
        QJsonObject o = doc.object();
        TAuditRecord record = FromTrailJson(o);
        o.remove(QStringLiteral("hash"));
        const bool ownHashOk = record.Hash == ContentHash(o);
        if (trail.BrokenAt == 0 &&
            (!ownHashOk || record.Previous != expectedPrevious || !record.Time.isValid()))
            trail.BrokenAt = number;
        expectedPrevious = record.Hash;
        trail.Records.push_back(std::move(record));
    }
    return trail;
}

// The hash the next record links to: the last line's own hash as it claims it.
QString LastLink(const QByteArray& lines) {
    const QList<QByteArray> all = lines.split('\n');
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (it->isEmpty())
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(*it);
        const QString hash = doc.object().value(QStringLiteral("hash")).toString();
        return hash.isEmpty() ? Sha256Hex(*it) : hash;
    }
    return ZeroHash;
}

[[noreturn]] void RaiseTrailError(const QString& batchPath, const TFsResult& result) {
    throw EFileError(WithReason(
        Tr("Cannot write the audit trail of \"%1\".").arg(QDir::toNativeSeparators(batchPath)), result));
}

TAuditRecord MakeRecord(const TAuditEntry& entry, const QString& sha, const TAuditContext& context) {
    const QDateTime now = context.Now ? context.Now() : QDateTime::currentDateTime();
    TAuditRecord r;
    r.Time = now.toUTC();
    r.OffsetSeconds = now.offsetFromUtc();
    r.Login = context.User.Login;
    r.FullName = context.User.FullName;
    r.Host = context.User.Host;
    r.Version = context.Version;
    r.Action = AuditActionName(entry.Action);
    r.Details = entry.Details;
    r.Reason = entry.Reason;
    r.Sha256 = sha;
    r.Meaning = entry.Meaning;
    r.Comment = entry.Comment;
    r.Data = entry.Data;
    return r;
}

// Links the record to previous, fills in its hash and returns its line.
QByteArray Seal(TAuditRecord& record, const QString& previous) {
    record.Previous = previous;
    QJsonObject o = ToTrailJson(record);
    record.Hash = ContentHash(o);
    o[QStringLiteral("hash")] = record.Hash;
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

QString TimeForPeople(const TAuditRecord& r) {
    return LocalText(r.Time, r.OffsetSeconds, true);
}

} // namespace

// ---------------------------------------------------------------------------------------

QString AuditActionName(TAuditAction action) {
    for (const TActionName& n : ActionNames)
        if (n.Action == action)
            return QLatin1String(n.Name);
    return {};
}

bool AuditActionChangesBatch(TAuditAction action) {
    switch (action) {
    case TAuditAction::Exported:
    case TAuditAction::Printed:
    case TAuditAction::Signed:
    case TAuditAction::Started:
    case TAuditAction::Interrupted:
    case TAuditAction::ChangedOutside:
        return false;
    default:
        return true;
    }
}

TAuditEntry TAuditEntry::NewBatch() {
    return {TAuditAction::Created, Tr("New batch"), {}, {}, {}, {}};
}

TAuditEntry TAuditEntry::CopyOf(const QString& source, const QString& sourceTrailLastHash) {
    TAuditEntry e{TAuditAction::Created, {}, {}, {}, {}, {}};
    e.Details = sourceTrailLastHash.isEmpty() ? Tr("Copy of %1, which has no audit trail").arg(Quoted(source))
                                              : Tr("Copy of %1, whose audit trail ends with record %2")
                                                    .arg(Quoted(source), sourceTrailLastHash);
    e.Data = {{QStringLiteral("source"), source}, {QStringLiteral("source_trail"), sourceTrailLastHash}};
    return e;
}

TAuditEntry TAuditEntry::HeaderChanged(const QString& field, const QString& oldValue,
                                       const QString& newValue) {
    TAuditEntry e{TAuditAction::HeaderChanged, {}, {}, {}, {}, {}};
    e.Details = QStringLiteral("%1: %2 → %3").arg(field, Quoted(oldValue), Quoted(newValue));
    e.Data = {{QStringLiteral("field"), field},
              {QStringLiteral("old"), oldValue},
              {QStringLiteral("new"), newValue}};
    return e;
}

TAuditEntry TAuditEntry::ProcessesChanged(const QString& what) {
    return {TAuditAction::ProcessesChanged, what, {}, {}, {}, {}};
}

TAuditEntry TAuditEntry::Run(const QString& mode, const QString& port, int readingsBefore,
                             int readingsAfter) {
    TAuditEntry e{TAuditAction::Run, {}, {}, {}, {}, {}};
    e.Details = Tr("%1 on %2; readings %3 → %4").arg(mode, port).arg(readingsBefore).arg(readingsAfter);
    e.Data = {{QStringLiteral("mode"), mode},
              {QStringLiteral("port"), port},
              {QStringLiteral("readings_before"), readingsBefore},
              {QStringLiteral("readings_after"), readingsAfter}};
    return e;
}

TAuditEntry TAuditEntry::ReadingsCleared(int readingsBefore) {
    TAuditEntry e{
        TAuditAction::ReadingsCleared, Tr("%1 readings cleared").arg(readingsBefore), {}, {}, {}, {}};
    e.Data = {{QStringLiteral("readings_before"), readingsBefore}};
    return e;
}

TAuditEntry TAuditEntry::Recovered(int readingsAdded, const QString& journal) {
    TAuditEntry e{TAuditAction::Recovered, {}, {}, {}, {}, {}};
    e.Details = Tr("%1 readings recovered from %2").arg(readingsAdded).arg(Quoted(journal));
    e.Data = {{QStringLiteral("readings_added"), readingsAdded}, {QStringLiteral("journal"), journal}};
    return e;
}

TAuditEntry TAuditEntry::Relocated(const QString& from, const QString& to) {
    const bool sameFolder = QFileInfo(from).absolutePath() == QFileInfo(to).absolutePath();
    TAuditEntry e{sameFolder ? TAuditAction::Renamed : TAuditAction::Moved, {}, {}, {}, {}, {}};
    e.Details = QStringLiteral("%1 → %2").arg(Quoted(from), Quoted(to));
    e.Data = {{QStringLiteral("from"), from}, {QStringLiteral("to"), to}};
    return e;
}

TAuditEntry TAuditEntry::Exported(const QString& kind, const QString& target) {
    TAuditEntry e{TAuditAction::Exported, QStringLiteral("%1: %2").arg(kind, Quoted(target)), {}, {}, {}, {}};
    e.Data = {{QStringLiteral("kind"), kind}, {QStringLiteral("target"), target}};
    return e;
}

TAuditEntry TAuditEntry::Printed(const QString& kind, const QString& target) {
    TAuditEntry e{TAuditAction::Printed, QStringLiteral("%1: %2").arg(kind, Quoted(target)), {}, {}, {}, {}};
    e.Data = {{QStringLiteral("kind"), kind}, {QStringLiteral("target"), target}};
    return e;
}

TAuditEntry TAuditEntry::Deleted() {
    return {TAuditAction::Deleted, Tr("Batch deleted"), {}, {}, {}, {}};
}

QString TAuditRecord::LocalTimeText() const {
    return LocalText(Time, OffsetSeconds, false);
}

QJsonObject TAuditRecord::ToShowJson() const {
    return {{QStringLiteral("time"), LocalTimeText()}, {QStringLiteral("user"), Login},
            {QStringLiteral("full_name"), FullName},   {QStringLiteral("host"), Host},
            {QStringLiteral("version"), Version},      {QStringLiteral("action"), Action},
            {QStringLiteral("details"), Details},      {QStringLiteral("reason"), Reason},
            {QStringLiteral("sha256"), Sha256},        {QStringLiteral("previous"), Previous}};
}

TAuditContext TAuditContext::System() {
    return {CurrentUserIdentity(), QStringLiteral(BRAMBLEX_VERSION),
            [] { return QDateTime::currentDateTime(); }};
}

QString AuditTrailPath(const QString& batchPath) {
    const QFileInfo info(batchPath);
    return info.path() + QLatin1Char('/') + QLatin1Char('.') + info.fileName() + QLatin1String(TrailSuffix);
}

bool IsAuditTrailName(QStringView name) {
    return name.size() > 7 && name.startsWith(QLatin1Char('.')) && name.endsWith(QLatin1String(TrailSuffix));
}

QString Sha256Hex(const QByteArray& bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString FileSha256(const QString& path) {
    QByteArray bytes;
    const TFsResult read = TryReadWholeFile(path, bytes);
    if (!read.Ok()) {
        if (read.Errno() == ENOENT)
            return {};
        throw EFileError(
            WithReason(Tr("Cannot open file \"%1\".").arg(QDir::toNativeSeparators(path)), read));
    }
    return Sha256Hex(bytes);
}

TAuditTrailContent ReadAuditTrail(const QString& batchPath) {
    const QString path = AuditTrailPath(batchPath);
    QByteArray lines;
    const TFsResult read = ReadCompleteLines(path, lines);
    if (!read.Ok()) {
        if (read.Errno() == ENOENT)
            return {};
        throw EFileError(
            WithReason(Tr("Cannot open file \"%1\".").arg(QDir::toNativeSeparators(path)), read));
    }
    return ParseTrail(lines);
}

QString AuditStatusName(TAuditStatus status) {
    switch (status) {
    case TAuditStatus::Intact:
        return QStringLiteral("intact");
    case TAuditStatus::Untracked:
        return QStringLiteral("untracked");
    case TAuditStatus::ChangedOutside:
        return QStringLiteral("changed-outside");
    case TAuditStatus::Broken:
        return QStringLiteral("broken");
    }
    return {};
}

TAuditVerdict VerifyAuditTrail(const QString& batchPath) {
    TAuditVerdict v;
    v.Trail = ReadAuditTrail(batchPath);
    v.FileSha256 = FileSha256(batchPath);
    const auto& records = v.Trail.Records;
    if (v.Trail.BrokenAt > 0) {
        v.Status = TAuditStatus::Broken;
        v.BrokenAt = v.Trail.BrokenAt;
        return v;
    }
    if (records.empty()) {
        v.Status = TAuditStatus::Untracked;
        return v;
    }
    const TAuditRecord& last = records.back();
    v.LastRecordTime = last.Time;
    v.LastRecordOffset = last.OffsetSeconds;
    if (v.FileSha256 == last.Sha256) {
        v.Status = TAuditStatus::Intact;
    } else if (QString before; StateBeforeLast(records, before) && v.FileSha256 == before) {
        // The record is written before the file; a crash between the two leaves this.
        v.Status = TAuditStatus::Intact;
        v.LastChangeNotSaved = true;
    } else {
        v.Status = TAuditStatus::ChangedOutside;
    }
    return v;
}

QString AuditVerdictText(const TAuditVerdict& v) {
    switch (v.Status) {
    case TAuditStatus::ChangedOutside:
        return QStringLiteral("changed-outside since %1")
            .arg(LocalText(v.LastRecordTime, v.LastRecordOffset, true));
    case TAuditStatus::Broken:
        return QStringLiteral("broken at record %1").arg(v.BrokenAt);
    default:
        return AuditStatusName(v.Status);
    }
}

bool AuditReasonRequired(const QString& batchPath) {
    const TAuditTrailContent trail = ReadAuditTrail(batchPath);
    const QString signedName = AuditActionName(TAuditAction::Signed);
    return std::any_of(trail.Records.begin(), trail.Records.end(),
                       [&](const TAuditRecord& r) { return r.Action == signedName; });
}

TAuditRecord RecordAuditChange(const QString& batchPath, const TAuditEntry& entry, const QString& newSha256,
                               const TAuditContext& context) {
    TAuditRecord written;
    const TFsResult result = AppendLines(AuditTrailPath(batchPath), [&](const QByteArray& lines) {
        const TAuditTrailContent trail = ParseTrail(lines);
        const auto& records = trail.Records;
        const QString signedName = AuditActionName(TAuditAction::Signed);
        if (AuditActionChangesBatch(entry.Action) && entry.Reason.trimmed().isEmpty() &&
            std::any_of(records.begin(), records.end(),
                        [&](const TAuditRecord& r) { return r.Action == signedName; }))
            throw EBramblexError(Tr("The batch is signed: a change to it needs a reason."));

        // What the history must say before this change: the state it was found in.
        const QString current = FileSha256(batchPath);
        QString previous = LastLink(lines);
        QByteArray added;
        auto add = [&](const TAuditEntry& e, const QString& sha) {
            TAuditRecord r = MakeRecord(e, sha, context);
            added += Seal(r, previous);
            previous = r.Hash;
            return r;
        };
        if (records.empty()) {
            if (!current.isEmpty())
                add({TAuditAction::Started, Tr("Audit trail started on an existing file"), {}, {}, {}, {}},
                    current);
        } else if (current != records.back().Sha256) {
            const TAuditRecord& last = records.back();
            if (QString before; StateBeforeLast(records, before) && current == before)
                add({TAuditAction::Interrupted,
                     Tr("The change recorded at %1 did not reach the file").arg(TimeForPeople(last)),
                     {},
                     {},
                     {},
                     {}},
                    current);
            else
                add({TAuditAction::ChangedOutside,
                     current.isEmpty()
                         ? Tr("The file was removed outside Bramblex after the change recorded at %1")
                               .arg(TimeForPeople(last))
                         : Tr("The file was changed outside Bramblex after the change recorded at %1")
                               .arg(TimeForPeople(last)),
                     {},
                     {},
                     {},
                     {}},
                    current);
        }
        written = add(entry, newSha256);
        return added;
    });
    if (!result.Ok())
        RaiseTrailError(batchPath, result);
    return written;
}

void WriteBatchAudited(const QString& batchPath, const QByteArray& bytes, const TAuditEntry& entry,
                       const TAuditContext& context) {
    RecordAuditChange(batchPath, entry, Sha256Hex(bytes), context);
    WriteFileAtomically(batchPath, bytes);
}

TAuditRecord RecordAuditEvent(const QString& batchPath, const TAuditEntry& entry,
                              const TAuditContext& context) {
    return RecordAuditChange(batchPath, entry, FileSha256(batchPath), context);
}

TAuditRecord RecordAuditCopy(const QString& source, const QString& destination, const TAuditContext& context,
                             const QString& reason) {
    const TAuditTrailContent sourceTrail = ReadAuditTrail(source);
    TAuditEntry entry = TAuditEntry::CopyOf(
        source, sourceTrail.Records.empty() ? QString() : sourceTrail.Records.back().Hash);
    entry.Reason = reason;
    return RecordAuditChange(destination, entry, FileSha256(source), context);
}

TAuditRecord RecordAuditMove(const QString& source, const QString& destination, const TAuditContext& context,
                             const QString& reason) {
    TAuditEntry entry = TAuditEntry::Relocated(source, destination);
    entry.Reason = reason;
    const TAuditRecord record = RecordAuditEvent(source, entry, context);
    QByteArray lines;
    TFsResult result = ReadCompleteLines(AuditTrailPath(source), lines);
    if (result.Ok())
        result = TryWriteFileAtomically(AuditTrailPath(destination), lines);
    if (!result.Ok()) {
        // The batch may not go where its trail cannot: the move is off, and said so.
        AbandonAuditMove(source, destination, result.Reason(), context);
        RaiseTrailError(destination, result);
    }
    return record;
}

void FinishAuditMove(const QString& source) {
    RemoveAuditTrail(source);
}

void AbandonAuditMove(const QString& source, const QString& destination, const QString& why,
                      const TAuditContext& context) {
    RemoveAuditTrail(destination);
    RecordAuditEvent(source,
                     {TAuditAction::Interrupted,
                      Tr("The move recorded before did not happen: %1").arg(why),
                      {},
                      {},
                      {},
                      {}},
                     context);
}

void RemoveAuditTrail(const QString& batchPath) {
    const QString path = AuditTrailPath(batchPath);
    const TFsResult result = RemoveFileEntry(path);
    if (!result.Ok() && result.Errno() != ENOENT)
        RaiseTrailError(batchPath, result);
}

QString TAuditSignature::Line() const {
    return QStringLiteral("%1: %2 (%3), %4")
        .arg(Meaning, FullName, Login, LocalText(Time, OffsetSeconds, true));
}

std::vector<TAuditSignature> AuditSignatures(const TAuditTrailContent& trail, const QString& currentSha256) {
    std::vector<TAuditSignature> signatures;
    const QString signedName = AuditActionName(TAuditAction::Signed);
    for (const TAuditRecord& r : trail.Records) {
        if (r.Action != signedName)
            continue;
        signatures.push_back({r.Meaning, r.FullName, r.Login, r.Time, r.OffsetSeconds, r.Comment, r.Sha256,
                              r.Sha256 == currentSha256});
    }
    return signatures;
}

void TAuditRecorder::FillReason(const QString& batchPath, TAuditEntry& entry) const {
    if (!AuditActionChangesBatch(entry.Action) || !entry.Reason.trimmed().isEmpty() ||
        !AuditReasonRequired(batchPath))
        return;
    QString reason;
    if (!AskReason || !AskReason(batchPath, reason) || reason.trimmed().isEmpty())
        throw EBramblexError(
            Tr("\"%1\" is signed: a change to it needs a reason.").arg(QDir::toNativeSeparators(batchPath)));
    entry.Reason = reason.trimmed();
}

TAuditRecord TAuditRecorder::Change(const QString& batchPath, TAuditEntry entry,
                                    const QString& newSha256) const {
    FillReason(batchPath, entry);
    return RecordAuditChange(batchPath, entry, newSha256, Context);
}

void TAuditRecorder::Write(const QString& batchPath, const QByteArray& bytes, TAuditEntry entry) const {
    FillReason(batchPath, entry);
    WriteBatchAudited(batchPath, bytes, entry, Context);
}

TAuditRecord TAuditRecorder::Event(const QString& batchPath, const TAuditEntry& entry) const {
    return RecordAuditEvent(batchPath, entry, Context);
}

void TAuditRecorder::Output(const QStringList& batchPaths, const TAuditEntry& entry) const {
    for (const QString& path : batchPaths)
        if (QFileInfo(path).isFile())
            Event(path, entry);
}
