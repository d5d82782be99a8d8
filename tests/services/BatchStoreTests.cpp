// The batch store: one document per batch file however many ask for it, a newer version
// of the file read into that same document, and saving with the damaged-file rule.

#include "services/BatchStore.h"

#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/DamagedSource.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <thread>

namespace {

class BatchStoreTest : public ::testing::Test {
protected:
    QString Write(const QString& name, const QString& company, int readings = 0) {
        TBatchItem batch;
        batch.ModelType = 2;
        batch.Company = company;
        for (int i = 0; i < readings; ++i) {
            TMeasurementItem* m = batch.Measurements.Add();
            m->DateTime = 46000.5 + i / 86400.0;
            m->Viscosity = 100 + i;
            m->RPMCode = 12;
        }
        const QString path = Dir.File(name);
        batch.SaveToFile(path);
        return path;
    }
    // What the folder list holds for path: the file read, with its times.
    static std::unique_ptr<TFileItem> Entry(const QString& path) {
        auto entry = std::make_unique<TFileItem>();
        entry->FileType = FileTypeBatch;
        entry->FilePath = path;
        EXPECT_TRUE(entry->Load()) << entry->LastError().toStdString();
        return entry;
    }
    static TMeasurementItem Reading(double viscosity) {
        TMeasurementItem m;
        m.DateTime = 46001.0;
        m.Viscosity = viscosity;
        m.RPMCode = 12;
        return m;
    }

    TempDir Dir;
    TBatchStore Store;
};

} // namespace

TEST_F(BatchStoreTest, EveryoneGetsTheOneDocumentOfAFileAndANewerVersionIsReadIntoIt) {
    const QString path = Write("A.epb", "Korvane Labs");
    std::shared_ptr<TBatchDocument> first = Store.Document(*Entry(path));
    ASSERT_TRUE(first);
    QSignalSpy reloaded(first.get(), &TBatchDocument::Reloaded);

    // A second look at the unchanged file: the same document, edits in it untouched.
    first->Batch().Operator = "typed, not saved";
    EXPECT_EQ(Store.Document(*Entry(path)), first);
    EXPECT_EQ(Store.Open(path), first);
    EXPECT_EQ(first->Batch().Operator, "typed, not saved");
    EXPECT_EQ(reloaded.count(), 0);

    // Another program rewrites the file: whoever reads it hands the new version to the
    // same document, which everyone holding it sees.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    Write("A.epb", "Rewritten elsewhere");
    EXPECT_EQ(Store.Document(*Entry(path)), first);
    EXPECT_EQ(reloaded.count(), 1);
    EXPECT_EQ(first->Batch().Company, "Rewritten elsewhere");

    // Another file has its own; once nobody holds a document, it is read anew.
    const std::shared_ptr<TBatchDocument> other = Store.Document(*Entry(Write("B.epb", "B")));
    EXPECT_NE(other, first);
    EXPECT_EQ(Store.OpenCount(), 2);
    first.reset();
    EXPECT_EQ(Store.Find(path), nullptr);
    EXPECT_EQ(Store.OpenCount(), 1);
    const std::shared_ptr<TBatchDocument> again = Store.Open(path);
    EXPECT_EQ(again->Batch().Company, "Rewritten elsewhere");

    EXPECT_THROW(Store.Open(Dir.File("missing.epb")), EFileError);
}

TEST_F(BatchStoreTest, ReadingsAppendedAreAnnouncedOncePerBatch) {
    const std::shared_ptr<TBatchDocument> document = Store.Document(*Entry(Write("A.epb", "A", 3)));
    QSignalSpy appended(document.get(), &TBatchDocument::ReadingsAppended);
    document->EndAppend();
    EXPECT_EQ(appended.count(), 0) << "nothing appended, nothing said";
    document->AppendReading(Reading(500));
    document->AppendReading(Reading(510));
    EXPECT_EQ(appended.count(), 0) << "said once the batch is in";
    document->EndAppend();
    ASSERT_EQ(appended.count(), 1);
    EXPECT_EQ(appended[0][0].toInt(), 3);
    EXPECT_EQ(appended[0][1].toInt(), 2);
    EXPECT_EQ(document->Batch().Measurements.Count(), 5);
    EXPECT_EQ(document->Batch().Measurements.Items(4)->Viscosity, 510);
}

TEST_F(BatchStoreTest, SavingWritesTheFileOrSaysWhyNot) {
    QDir().mkpath(Dir.File("stick"));
    const QString path = Write("stick/A.epb", "A");
    const std::shared_ptr<TBatchDocument> document = Store.Document(*Entry(path));
    QSignalSpy saved(document.get(), &TBatchDocument::Saved);
    QSignalSpy failed(document.get(), &TBatchDocument::SaveFailed);
    QSignalSpy damaged(document.get(), &TBatchDocument::Damaged);

    document->Batch().Operator = "Ada";
    ASSERT_TRUE(document->Save(TAuditEntry::HeaderChanged("Operator", "", "Ada"), TAuditRecorder{}))
        << document->LastError().toStdString();
    EXPECT_EQ(saved.count(), 1);
    TBatchItem read;
    read.LoadFromFile(path);
    EXPECT_EQ(read.Operator, "Ada");
    // The document knows the version it wrote: the folder list's next read is the same.
    EXPECT_TRUE(TBatchDocument::SameVersion(*Entry(path), document->Entry()));

    // The stick is pulled out: the edit stays in the document, the reason is the system's.
    ASSERT_TRUE(QDir(Dir.File("stick")).removeRecursively());
    document->Batch().Operator = "Grace";
    EXPECT_FALSE(document->Save(TAuditEntry::HeaderChanged("Operator", "", "Ada"), TAuditRecorder{}));
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed[0][0].toString().contains("No such file or directory"))
        << failed[0][0].toString().toStdString();
    EXPECT_EQ(document->Batch().Operator, "Grace");
    EXPECT_EQ(damaged.count(), 0);
    EXPECT_EQ(saved.count(), 1);
}

TEST_F(BatchStoreTest, ADamagedFileIsNeverWrittenOver) {
    const QString path = Write("Cut.epb", "A", 200);
    const QByteArray whole = Dir.Read("Cut.epb");
    Dir.Write("Cut.epb", whole.left(whole.size() / 2));
    const QByteArray cut = Dir.Read("Cut.epb");
    const std::shared_ptr<TBatchDocument> document = Store.Document(*Entry(path));
    ASSERT_FALSE(document->DamageWarning().isEmpty());
    QSignalSpy damaged(document.get(), &TBatchDocument::Damaged);
    QSignalSpy saved(document.get(), &TBatchDocument::Saved);

    document->Batch().Note = "an edit";
    EXPECT_FALSE(document->Save(TAuditEntry::HeaderChanged("Operator", "", "Ada"), TAuditRecorder{}));
    ASSERT_EQ(damaged.count(), 1);
    EXPECT_EQ(damaged[0][0].toString(), document->DamageWarning());
    EXPECT_EQ(document->LastError(), TDamagedSource::RefusalMessage(document->DamageWarning()));
    EXPECT_EQ(saved.count(), 0);
    EXPECT_EQ(Dir.Read("Cut.epb"), cut);
}

TEST_F(BatchStoreTest, ARemovedFileIsToldToItsHoldersAndNotHandedOutAgain) {
    const QString path = Write("A.epb", "First");
    const std::shared_ptr<TBatchDocument> shown = Store.Document(*Entry(path));
    QSignalSpy removed(shown.get(), &TBatchDocument::FileRemoved);
    ASSERT_TRUE(QFile::remove(path));
    Store.FileRemoved(path);
    EXPECT_EQ(removed.count(), 1);
    EXPECT_TRUE(shown->Removed());
    EXPECT_EQ(Store.Find(path), nullptr);

    // A new file under the same name is another batch.
    Write("A.epb", "Second");
    const std::shared_ptr<TBatchDocument> created = Store.Document(*Entry(path));
    EXPECT_NE(created, shown);
    EXPECT_EQ(created->Batch().Company, "Second");
    EXPECT_EQ(shown->Batch().Company, "First");
}
