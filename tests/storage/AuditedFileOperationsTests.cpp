// The storage's file operations given an audit recorder: every batch they touch keeps
// its trail in step, and a trail that cannot be written stops the operation.

#include "audit/AuditTrail.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "platform/FileSystem.h"
#include "storage/FileOperations.h"
#include "support/ErrorOf.h"
#include "support/SmallTmpfs.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/mount.h>

namespace {

QStringList Actions(const QString& batch) {
    QStringList names;
    for (const TAuditRecord& r : ReadAuditTrail(batch).Records)
        names << r.Action;
    return names;
}

class AuditedFileOperations : public ::testing::Test {
protected:
    AuditedFileOperations() {
        audit.Context = {{QStringLiteral("jroe"), QStringLiteral("Jane Roe"), QStringLiteral("lab-3")},
                         QStringLiteral("9.9.9"),
                         [] { return QDateTime(QDate(2026, 3, 4), QTime(9, 0), Qt::OffsetFromUTC, 3600); }};
    }

    // A batch saved through the recorder, so that it has a trail.
    QString NewBatch(const QString& name, const QString& note = {}) {
        const QString path = dir.File(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        TBatchItem batch;
        batch.Note = note;
        batch.SaveToFile(path, TAuditEntry::NewBatch(), audit);
        return path;
    }

    TempDir dir;
    TAuditRecorder audit;
};

TEST_F(AuditedFileOperations, AFolderCopyStartsATrailPerBatchAndCopiesNoTrail) {
    const QString tracked = NewBatch("A/Lot 1.epb");
    const QString untracked = dir.File("A/Lot 2.epb");
    TBatchItem().SaveToFile(untracked);
    dir.Write("A/.Gone.epb.audit", "{}\n"); // a trail whose batch was deleted elsewhere
    const QString sourceLast = ReadAuditTrail(tracked).Records.back().Hash;

    bool replaceAll = false;
    CopyTree(dir.File("A"), dir.File("B"), replaceAll, {}, &audit);

    const QString copy = dir.File("B/Lot 1.epb");
    const TAuditVerdict verdict = VerifyAuditTrail(copy);
    EXPECT_EQ(verdict.Status, TAuditStatus::Intact);
    ASSERT_EQ(Actions(copy), QStringList({"created"}));
    EXPECT_EQ(verdict.Trail.Records[0].Data.value("source").toString(), tracked);
    EXPECT_EQ(verdict.Trail.Records[0].Data.value("source_trail").toString(), sourceLast);
    EXPECT_EQ(Actions(dir.File("B/Lot 2.epb")), QStringList({"created"}));
    EXPECT_EQ(ReadAuditTrail(dir.File("B/Lot 2.epb")).Records[0].Data.value("source_trail").toString(), "");
    EXPECT_FALSE(QFile::exists(dir.File("B/.Gone.epb.audit")));
    EXPECT_EQ(Actions(tracked), QStringList({"created"})) << "the source's trail stays as it was";
}

TEST_F(AuditedFileOperations, MovesAndRenamesCarryTheTrailAndDeleteRemovesItAfterRecording) {
    const QString batch = NewBatch("Lot 1.epb");
    const QString orphan = dir.File(".Gone.epb.audit");
    dir.Write(".Gone.epb.audit", "{}\n");

    ASSERT_TRUE(RenameInPlace(batch, dir.File("Lot 2.epb"), &audit).Ok());
    QDir().mkpath(dir.File("Sub"));
    TransferFiles({dir.File("Lot 2.epb")}, {}, dir.File("Sub"), TDropEffect::Move, {}, &audit);
    const QString moved = dir.File("Sub/Lot 2.epb");
    EXPECT_EQ(Actions(moved), QStringList({"created", "renamed", "moved"}));
    EXPECT_EQ(VerifyAuditTrail(moved).Status, TAuditStatus::Intact);
    EXPECT_FALSE(QFile::exists(AuditTrailPath(batch)));
    EXPECT_FALSE(QFile::exists(AuditTrailPath(dir.File("Lot 2.epb"))));

    // A folder renamed whole: its batches record where they went.
    ASSERT_TRUE(RenameInPlace(dir.File("Sub"), dir.File("Kept"), &audit).Ok());
    const QString inRenamed = dir.File("Kept/Lot 2.epb");
    EXPECT_EQ(Actions(inRenamed).last(), "moved");
    EXPECT_EQ(VerifyAuditTrail(inRenamed).Status, TAuditStatus::Intact);

    DeleteTree(inRenamed, &audit);
    EXPECT_FALSE(QFile::exists(inRenamed));
    EXPECT_FALSE(QFile::exists(AuditTrailPath(inRenamed)));
    EXPECT_TRUE(QFile::exists(orphan)) << "a trail without its batch is evidence, left alone";
}

TEST_F(AuditedFileOperations, ASignedBatchChangesOnlyWithAReasonAndRecordsIt) {
    const QString batch = NewBatch("Lot 1.epb");
    RecordAuditEvent(batch, {TAuditAction::Signed, "Approved by Jane Roe (jroe)", {}, {}, "Approved by", {}},
                     audit.Context);
    const QByteArray signedBytes = dir.Read("Lot 1.epb");
    TBatchItem edited;
    edited.LoadFromFile(batch);
    edited.Note = "changed";

    // No reason given (the operator cancelled): nothing changes.
    audit.AskReason = [](const QString&, QString&) { return false; };
    EXPECT_FALSE(ErrorOf([&] {
                     edited.SaveToFile(batch, TAuditEntry::HeaderChanged("Note", "", "changed"), audit);
                 }).isEmpty());
    bool replaceAll = false;
    EXPECT_FALSE(ErrorOf([&] { MoveTree(batch, dir.File("Lot 2.epb"), replaceAll, {}, &audit); }).isEmpty());
    EXPECT_FALSE(ErrorOf([&] { DeleteTree(batch, &audit); }).isEmpty());
    EXPECT_EQ(dir.Read("Lot 1.epb"), signedBytes);
    EXPECT_EQ(Actions(batch), QStringList({"created", "signed"}));

    audit.AskReason = [](const QString&, QString& reason) {
        reason = "typo in the note";
        return true;
    };
    edited.SaveToFile(batch, TAuditEntry::HeaderChanged("Note", "", "changed"), audit);
    const TAuditTrailContent trail = ReadAuditTrail(batch);
    EXPECT_EQ(trail.Records.back().Reason, "typo in the note");
    EXPECT_EQ(VerifyAuditTrail(batch).Status, TAuditStatus::Intact);
    // The signature now applies to an earlier version.
    const auto signatures = AuditSignatures(trail, FileSha256(batch));
    ASSERT_EQ(signatures.size(), 1u);
    EXPECT_FALSE(signatures[0].AppliesToCurrent);
}

// On a read-only file system the record cannot be written: the operation stops with the
// system's reason and the batch stays as it was.
TEST_F(AuditedFileOperations, OnAReadOnlyFolderNothingIsDoneWithoutItsRecord) {
    SmallTmpfs fs(256);
    if (!fs.Mounted())
        GTEST_SKIP() << fs.Why().toStdString();
    const QString batch = fs.File("Lot 1.epb");
    TBatchItem item;
    item.SaveToFile(batch, TAuditEntry::NewBatch(), audit);
    ASSERT_EQ(
        ::mount(nullptr, QFile::encodeName(fs.Path()).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr),
        0);
    item.Note = "x";
    for (const auto& change : std::vector<std::function<void()>>{
             [&] { item.SaveToFile(batch, TAuditEntry::HeaderChanged("Note", "", "x"), audit); },
             [&] { DeleteTree(batch, &audit); },
         }) {
        const QString error = ErrorOf(change);
        EXPECT_TRUE(error.endsWith("\nRead-only file system")) << error.toStdString();
    }
    EXPECT_TRUE(QFile::exists(batch));
    EXPECT_EQ(Actions(batch), QStringList({"created"}));
    EXPECT_EQ(VerifyAuditTrail(batch).Status, TAuditStatus::Intact);
}

} // namespace
