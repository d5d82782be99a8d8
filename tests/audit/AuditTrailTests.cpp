#include "audit/AuditTrail.h"

#include "core/Error.h"
#include "platform/FileSystem.h"
#include "storage/FileItem.h"
#include "support/ErrorOf.h"
#include "support/SmallTmpfs.h"
#include "support/TempDir.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <gtest/gtest.h>

#include <ostream>

#include <sys/mount.h>
#include <unistd.h>

// Readable failures: texts as text.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '[' << list.join(QStringLiteral(", ")).toStdString() << ']';
}

namespace {

const QString Zero64(64, QLatin1Char('0'));

// The file's SHA-256 as coreutils computes it, an outside peer of the trail's hashes.
QString Sha256Sum(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("sha256sum"), {path});
    p.waitForFinished();
    return QString::fromLatin1(p.readAllStandardOutput().left(64));
}

QStringList TrailLines(const QString& batch) {
    QFile f(AuditTrailPath(batch));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void WriteTrailLines(const QString& batch, const QStringList& lines) {
    QFile f(AuditTrailPath(batch));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
}

QStringList Actions(const TAuditTrailContent& trail) {
    QStringList names;
    for (const TAuditRecord& r : trail.Records)
        names << r.Action;
    return names;
}

class AuditTrail : public ::testing::Test {
protected:
    TempDir dir;
    QString batch = dir.File(QStringLiteral("Lot 17.epb"));
    // A clock at +01:00 that moves one minute per record.
    QDateTime now = QDateTime(QDate(2026, 3, 4), QTime(15, 6, 7, 89), Qt::OffsetFromUTC, 3600);
    TAuditContext context{{QStringLiteral("jroe"), QStringLiteral("Jane Roe"), QStringLiteral("lab-3")},
                          QStringLiteral("9.9.9"),
                          [this] {
                              const QDateTime t = now;
                              now = now.addSecs(60);
                              return t;
                          }};

    QByteArray FileBytes() const { return dir.Read(QStringLiteral("Lot 17.epb")); }
};

TEST_F(AuditTrail, EveryActionRoundTripsAndTheRecordsFormAChain) {
    WriteBatchAudited(batch, "v1", TAuditEntry::NewBatch(), context);
    WriteBatchAudited(batch, "v2", TAuditEntry::HeaderChanged("Operator", "Ann", "Bob"), context);
    WriteBatchAudited(batch, "v3", TAuditEntry::ProcessesChanged("Process 2 added"), context);
    WriteBatchAudited(batch, "v4", TAuditEntry::Run("Automatic", "/dev/ttyUSB0", 0, 12), context);
    WriteBatchAudited(batch, "v5", TAuditEntry::ReadingsCleared(12), context);
    WriteBatchAudited(batch, "v6", TAuditEntry::Recovered(7, "/j/x.journal"), context);
    RecordAuditEvent(batch, TAuditEntry::Exported("CSV", "/tmp/x.csv"), context);
    RecordAuditEvent(batch, TAuditEntry::Printed("PDF", "/tmp/x.pdf"), context);
    TAuditEntry sign{TAuditAction::Signed, "Approved by Jane Roe (jroe)", {}, {}, "Approved by", "checked"};
    RecordAuditEvent(batch, sign, context);

    const TAuditTrailContent trail = ReadAuditTrail(batch);
    EXPECT_EQ(Actions(trail),
              QStringList({"created", "header-changed", "processes-changed", "run", "readings-cleared",
                           "recovered", "exported", "printed", "signed"}));
    EXPECT_EQ(trail.BrokenAt, 0);
    ASSERT_EQ(trail.Records.size(), 9u);
    EXPECT_EQ(trail.Records[0].Previous, Zero64);
    for (size_t i = 1; i < trail.Records.size(); ++i)
        EXPECT_EQ(trail.Records[i].Previous, trail.Records[i - 1].Hash) << "record " << i + 1;

    const TAuditRecord& first = trail.Records.front();
    EXPECT_EQ(first.LocalTimeText(), "2026-03-04T15:06:07.089+01:00");
    EXPECT_EQ(first.Time, QDateTime(QDate(2026, 3, 4), QTime(14, 6, 7, 89), Qt::UTC));
    EXPECT_EQ(first.Login, "jroe");
    EXPECT_EQ(first.FullName, "Jane Roe");
    EXPECT_EQ(first.Host, "lab-3");
    EXPECT_EQ(first.Version, "9.9.9");
    EXPECT_EQ(trail.Records[1].Details, "Operator: \"Ann\" → \"Bob\"");
    EXPECT_EQ(trail.Records[1].Data.value("old").toString(), "Ann");
    EXPECT_EQ(trail.Records[3].Data.value("readings_after").toInt(), 12);
    EXPECT_EQ(trail.Records[8].Meaning, "Approved by");
    EXPECT_EQ(trail.Records[8].Comment, "checked");
    // Every record names the file as it is after it; events leave it as it was.
    EXPECT_EQ(trail.Records[5].Sha256, Sha256Sum(batch));
    EXPECT_EQ(trail.Records[8].Sha256, Sha256Sum(batch));
    EXPECT_EQ(trail.Records[0].Sha256,
              QString::fromLatin1(QCryptographicHash::hash("v1", QCryptographicHash::Sha256).toHex()));

    const TAuditVerdict verdict = VerifyAuditTrail(batch);
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
    EXPECT_FALSE(verdict.LastChangeNotSaved);
    EXPECT_EQ(AuditVerdictText(verdict), "intact");
}

// A record's hash is SHA-256 of its compact JSON with sorted keys and without "hash":
// Python's json module, knowing only that rule, agrees with every record.
TEST_F(AuditTrail, RecordHashesFollowTheDocumentedRule) {
    WriteBatchAudited(batch, "v1", TAuditEntry::NewBatch(), context);
    WriteBatchAudited(batch, "v2", TAuditEntry::HeaderChanged("Note", "x", "Grüße \"q\"\\"), context);
    QProcess python;
    python.start("python3",
                 {"-c",
                  "import sys, json, hashlib\n"
                  "for line in open(sys.argv[1], encoding='utf-8'):\n"
                  "    o = json.loads(line); h = o.pop('hash')\n"
                  "    t = json.dumps(o, sort_keys=True, separators=(',', ':'), ensure_ascii=False)\n"
                  "    print(hashlib.sha256(t.encode()).hexdigest() == h)\n",
                  AuditTrailPath(batch)});
    ASSERT_TRUE(python.waitForFinished());
    EXPECT_EQ(python.readAllStandardOutput(), "True\nTrue\n") << python.readAllStandardError().constData();
}

TEST_F(AuditTrail, ABatchWithoutTrailIsUntrackedAndItsFirstChangeStartsOne) {
    dir.Write("Lot 17.epb", "made elsewhere");
    EXPECT_EQ(VerifyAuditTrail(batch).Status, TAuditStatus::Untracked);
    WriteBatchAudited(batch, "v2", TAuditEntry::HeaderChanged("Note", "", "x"), context);
    const TAuditVerdict verdict = VerifyAuditTrail(batch);
    EXPECT_EQ(Actions(verdict.Trail), QStringList({"started", "header-changed"}));
    EXPECT_EQ(verdict.Trail.Records[0].Sha256, Sha256Hex("made elsewhere"));
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
}

TEST_F(AuditTrail, AChangeMadeOutsideIsFoundAndRecordedBeforeTheNextChange) {
    WriteBatchAudited(batch, "v1", TAuditEntry::NewBatch(), context);
    WriteBatchAudited(batch, "v2", TAuditEntry::HeaderChanged("Note", "", "x"), context);
    dir.Write("Lot 17.epb", "edited in a text editor");

    const TAuditVerdict verdict = VerifyAuditTrail(batch);
    EXPECT_EQ(verdict.Status, TAuditStatus::ChangedOutside);
    EXPECT_EQ(AuditVerdictText(verdict), "changed-outside since 2026-03-04 15:07:07 +01:00");

    WriteBatchAudited(batch, "v3", TAuditEntry::HeaderChanged("Note", "x", "y"), context);
    const TAuditVerdict after = VerifyAuditTrail(batch);
    EXPECT_EQ(Actions(after.Trail),
              QStringList({"created", "header-changed", "changed-outside", "header-changed"}));
    EXPECT_EQ(after.Trail.Records[2].Sha256, Sha256Hex("edited in a text editor"));
    EXPECT_EQ(after.Status, TAuditStatus::Intact);
}

// Hand edits of the trail, each with the record the chain breaks at.
TEST_F(AuditTrail, EditedOrRemovedRecordsBreakTheChainAtTheirPlace) {
    struct Case {
        const char* name;
        std::function<void(QStringList&)> edit;
        TAuditStatus status;
        int brokenAt;
    };
    const std::vector<Case> cases = {
        {"details of record 2 edited", [](QStringList& l) { l[1].replace("Ann", "Eve"); },
         TAuditStatus::Broken, 2},
        {"record 2 edited and its own hash made to fit",
         [](QStringList& l) {
             QJsonObject o = QJsonDocument::fromJson(l[1].toUtf8()).object();
             o["details"] = "nothing happened";
             o.remove("hash");
             o["hash"] = Sha256Hex(QJsonDocument(o).toJson(QJsonDocument::Compact));
             l[1] = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
         },
         TAuditStatus::Broken, 3},
        {"record 2 removed", [](QStringList& l) { l.removeAt(1); }, TAuditStatus::Broken, 2},
        {"record 3 made unreadable", [](QStringList& l) { l[2] = "{not json"; }, TAuditStatus::Broken, 3},
        {"records reordered", [](QStringList& l) { l.swapItemsAt(1, 2); }, TAuditStatus::Broken, 2},
        {"last record removed", [](QStringList& l) { l.removeLast(); }, TAuditStatus::ChangedOutside, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(batch);
        QFile::remove(AuditTrailPath(batch));
        WriteBatchAudited(batch, "v1", TAuditEntry::NewBatch(), context);
        WriteBatchAudited(batch, "v2", TAuditEntry::HeaderChanged("Operator", "Ann", "Bob"), context);
        WriteBatchAudited(batch, "v3", TAuditEntry::HeaderChanged("Operator", "Bob", "Cid"), context);
        ASSERT_EQ(VerifyAuditTrail(batch).Status, TAuditStatus::Intact);
        QStringList lines = TrailLines(batch);
        ASSERT_EQ(lines.size(), 3);
        c.edit(lines);
        WriteTrailLines(batch, lines);
        const TAuditVerdict verdict = VerifyAuditTrail(batch);
        EXPECT_EQ(verdict.Status, c.status);
        EXPECT_EQ(verdict.BrokenAt, c.brokenAt);
        if (c.brokenAt > 0) {
            EXPECT_EQ(AuditVerdictText(verdict), QStringLiteral("broken at record %1").arg(c.brokenAt));
        }
    }
}

// The record is written before the file: a crash between the two leaves a last record
// whose change never reached the file. That is no outside change, and the next change
// says what happened before its own record.
TEST_F(AuditTrail, ACrashBetweenRecordAndFileIsNoFalseAlarm) {
    WriteBatchAudited(batch, "v1", TAuditEntry::NewBatch(), context);
    RecordAuditChange(batch, TAuditEntry::HeaderChanged("Note", "", "lost"), Sha256Hex("v2"), context);

    TAuditVerdict verdict = VerifyAuditTrail(batch);
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
    EXPECT_TRUE(verdict.LastChangeNotSaved);

    WriteBatchAudited(batch, "v3", TAuditEntry::HeaderChanged("Note", "", "again"), context);
    verdict = VerifyAuditTrail(batch);
    EXPECT_EQ(Actions(verdict.Trail),
              QStringList({"created", "header-changed", "interrupted", "header-changed"}));
    EXPECT_EQ(verdict.Trail.Records[2].Sha256, Sha256Hex("v1"));
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
    EXPECT_FALSE(verdict.LastChangeNotSaved);
}

TEST_F(AuditTrail, ARecordCutOffByACrashIsNoRecordAndIsCutAwayBeforeTheNext) {
    WriteBatchAudited(batch, "v1", TAuditEntry::NewBatch(), context);
    {
        QFile f(AuditTrailPath(batch));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("{\"action\":\"header-ch");
    }
    TAuditVerdict verdict = VerifyAuditTrail(batch);
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
    EXPECT_EQ(verdict.Trail.Records.size(), 1u);

    WriteBatchAudited(batch, "v2", TAuditEntry::HeaderChanged("Note", "", "x"), context);
    EXPECT_EQ(TrailLines(batch).size(), 2);
    verdict = VerifyAuditTrail(batch);
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
    EXPECT_EQ(Actions(verdict.Trail), QStringList({"created", "header-changed"}));
}

TEST_F(AuditTrail, AfterASignatureEveryChangeNeedsAReason) {
    WriteBatchAudited(batch, "v1", TAuditEntry::NewBatch(), context);
    EXPECT_FALSE(AuditReasonRequired(batch));
    RecordAuditEvent(batch, {TAuditAction::Signed, "", {}, {}, "Reviewed by", ""}, context);
    EXPECT_TRUE(AuditReasonRequired(batch));

    const QStringList before = TrailLines(batch);
    EXPECT_EQ(ErrorOf([&] {
                  WriteBatchAudited(batch, "v2", TAuditEntry::HeaderChanged("Note", "", "x"), context);
              }),
              "The batch is signed: a change to it needs a reason.");
    EXPECT_EQ(FileBytes(), "v1");
    EXPECT_EQ(TrailLines(batch), before);

    RecordAuditEvent(batch, TAuditEntry::Printed("Print", "Office"), context); // not a change
    TAuditEntry change = TAuditEntry::HeaderChanged("Note", "", "x");
    change.Reason = "typing error";
    WriteBatchAudited(batch, "v2", change, context);
    const TAuditTrailContent trail = ReadAuditTrail(batch);
    EXPECT_EQ(trail.Records.back().Reason, "typing error");

    // The signature now applies to an earlier version.
    const auto signatures = AuditSignatures(trail, FileSha256(batch));
    ASSERT_EQ(signatures.size(), 1u);
    EXPECT_FALSE(signatures[0].AppliesToCurrent);
    EXPECT_EQ(signatures[0].Sha256, Sha256Hex("v1"));
    EXPECT_EQ(signatures[0].Line(), "Reviewed by: Jane Roe (jroe), 2026-03-04 15:07:07 +01:00");
}

TEST_F(AuditTrail, CopyMoveAndDeleteCarryTheTrailAsTheFileOperationsDo) {
    WriteBatchAudited(batch, "v1", TAuditEntry::NewBatch(), context);
    WriteBatchAudited(batch, "v2", TAuditEntry::HeaderChanged("Note", "", "x"), context);
    const QString sourceLast = ReadAuditTrail(batch).Records.back().Hash;

    // Copy: the copy's own trail starts with "created", naming the source and its trail.
    const QString copy = dir.File("Copy of Lot 17.epb");
    RecordAuditCopy(batch, copy, context);
    ASSERT_TRUE(CopyFileEntry(batch, copy, true).Ok());
    TAuditVerdict verdict = VerifyAuditTrail(copy);
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
    ASSERT_EQ(Actions(verdict.Trail), QStringList({"created"}));
    EXPECT_EQ(verdict.Trail.Records[0].Data.value("source").toString(), batch);
    EXPECT_EQ(verdict.Trail.Records[0].Data.value("source_trail").toString(), sourceLast);
    EXPECT_EQ(ReadAuditTrail(batch).Records.size(), 2u);

    // Rename in the folder, then a move to another: the trail goes along, whole.
    const QString renamed = dir.File("Lot 18.epb");
    RecordAuditMove(batch, renamed, context);
    EXPECT_EQ(VerifyAuditTrail(batch).Status, TAuditStatus::Intact)
        << "a crash before the rename is no alarm";
    ASSERT_TRUE(RenameEntry(batch, renamed).Ok());
    EXPECT_EQ(VerifyAuditTrail(renamed).Status, TAuditStatus::Intact) << "nor one after it";
    FinishAuditMove(batch);
    ASSERT_TRUE(MakeFolders(dir.File("sub")).Ok());
    const QString moved = dir.File("sub/Lot 18.epb");
    RecordAuditMove(renamed, moved, context);
    ASSERT_TRUE(RenameEntry(renamed, moved).Ok());
    FinishAuditMove(renamed);
    EXPECT_FALSE(QFile::exists(AuditTrailPath(batch)));
    EXPECT_FALSE(QFile::exists(AuditTrailPath(renamed)));
    verdict = VerifyAuditTrail(moved);
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
    EXPECT_EQ(Actions(verdict.Trail), QStringList({"created", "header-changed", "renamed", "moved"}));
    EXPECT_EQ(verdict.Trail.Records[3].Data.value("to").toString(), moved);

    // A move that fails leaves the batch where it was, and its trail says so.
    const QString blocked = dir.File("Lot 19.epb");
    ASSERT_TRUE(MakeFolders(blocked).Ok()); // a folder in the way
    RecordAuditMove(moved, blocked, context);
    const TFsResult failed = RenameEntry(moved, blocked);
    ASSERT_FALSE(failed.Ok());
    AbandonAuditMove(moved, blocked, failed.Reason(), context);
    verdict = VerifyAuditTrail(moved);
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
    EXPECT_EQ(Actions(verdict.Trail).mid(4), QStringList({"moved", "interrupted"}));
    EXPECT_TRUE(verdict.Trail.Records.back().Details.endsWith("Is a directory"));

    // Delete: recorded, then the file goes, then its trail.
    RecordAuditChange(moved, TAuditEntry::Deleted(), {}, context);
    EXPECT_EQ(VerifyAuditTrail(moved).Status, TAuditStatus::Intact)
        << "a crash before the delete is no alarm";
    ASSERT_TRUE(RemoveFileEntry(moved).Ok());
    RemoveAuditTrail(moved);
    EXPECT_FALSE(QFile::exists(AuditTrailPath(moved)));
}

TEST_F(AuditTrail, FolderListingsAndTheCacheNeverShowATrail) {
    WriteBatchAudited(batch, "v1", TAuditEntry::NewBatch(), context);
    ASSERT_TRUE(QFile::exists(AuditTrailPath(batch)));
    EXPECT_TRUE(IsFileHidden(AuditTrailPath(batch)));
    TFileList list;
    EXPECT_TRUE(list.Refresh(dir.Path()));
    QStringList names;
    for (const auto& item : list)
        names << item->FileName();
    EXPECT_EQ(names, QStringList({"Lot 17.epb"}));
}

// A trail on a folder that cannot be written: the change is refused with the system's
// reason, and neither the batch nor its trail changes.
TEST_F(AuditTrail, OnAReadOnlyFolderTheChangeIsRefusedAndNothingIsMadeWithoutItsRecord) {
    SmallTmpfs fs(256);
    if (!fs.Mounted())
        GTEST_SKIP() << fs.Why().toStdString();
    const QString onFs = fs.File("Lot 17.epb");
    WriteBatchAudited(onFs, "v1", TAuditEntry::NewBatch(), context);
    const QString untracked = fs.File("Other.epb");
    {
        QFile f(untracked);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("other");
    }
    ASSERT_EQ(
        ::mount(nullptr, QFile::encodeName(fs.Path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr),
        0);
    QFile t(AuditTrailPath(onFs));
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    const QByteArray trailBefore = t.readAll();
    t.close();

    for (const QString& path : {onFs, untracked}) {
        SCOPED_TRACE(path.toStdString());
        const QString error = ErrorOf(
            [&] { WriteBatchAudited(path, "v2", TAuditEntry::HeaderChanged("Note", "", "x"), context); });
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot write the audit trail of \"%1\".").arg(path)))
            << error.toStdString();
        EXPECT_TRUE(error.endsWith("\nRead-only file system")) << error.toStdString();
    }
    QFile f(onFs);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "v1");
    ASSERT_TRUE(t.open(QIODevice::ReadOnly));
    EXPECT_EQ(t.readAll(), trailBefore);
    EXPECT_EQ(VerifyAuditTrail(onFs).Status, TAuditStatus::Intact);
    EXPECT_EQ(VerifyAuditTrail(untracked).Status, TAuditStatus::Untracked);
}

// kill -9 of a writer that records and saves in a loop, at random moments: the trail is
// never broken, the batch never looks changed outside, and whatever the file holds is
// what a record says.
TEST_F(AuditTrail, KillDuringSavesNeverRaisesAFalseAlarmOrLosesARecord) {
    int notSaved = 0;
    for (int round = 0; round < 25; ++round) {
        SCOPED_TRACE(round);
        QProcess saver;
        saver.start(QStringLiteral(AUDIT_SAVER_PROGRAM), {batch});
        ASSERT_TRUE(saver.waitForReadyRead(10000)) << "the saver never saved";
        QThread::usleep(QRandomGenerator::global()->bounded(1, 40000));
        saver.kill();
        saver.waitForFinished();
        const TAuditVerdict verdict = VerifyAuditTrail(batch);
        ASSERT_EQ(verdict.Trail.BrokenAt, 0);
        ASSERT_EQ(verdict.Status, TAuditStatus::Intact) << AuditVerdictText(verdict).toStdString();
        ASSERT_FALSE(verdict.Trail.Records.empty());
        const QString lastInFile = Sha256Sum(batch);
        const auto& records = verdict.Trail.Records;
        EXPECT_TRUE(records.back().Sha256 == lastInFile ||
                    (records.size() >= 2 && records[records.size() - 2].Sha256 == lastInFile));
        notSaved += verdict.LastChangeNotSaved ? 1 : 0;
    }
    // Later rounds start with whatever the kill left: interrupted records are part of
    // the chain, and the whole history still verifies.
    const TAuditTrailContent trail = ReadAuditTrail(batch);
    EXPECT_EQ(trail.BrokenAt, 0);
    RecordProperty("interrupted_saves", notSaved);
}

} // namespace
