// File items, file lists, the folder cache and the refresh against the disk.

#include "StorageFixture.h"

#include "core/Error.h"
#include "platform/FileSystem.h"
#include "reports/Report.h"
#include "storage/FileItem.h"
#include "support/SmallTmpfs.h"
#include "xml/GmXml.h"

#include <gtest/gtest.h>

#include <QProcess>

namespace {

// A batch entry is saved with the record of its change.
bool SaveBatch(TFileItem& item) {
    return item.Save(TAuditEntry::HeaderChanged("Company", "", "Saved"), TAuditRecorder{});
}

const QDateTime kOld(QDate(2023, 5, 4), QTime(10, 20, 30), Qt::LocalTime);
const QDateTime kNew(QDate(2024, 1, 2), QTime(3, 4, 6), Qt::LocalTime);

// A folder with three batches, a template, a report, another file and a subfolder.
class FolderTest : public ::testing::Test {
protected:
    TempDir dir;
    QString folder;

    void SetUp() override {
        folder = dir.Path() + "/";
        for (const char* name : {"Beta.epb", "alpha.epb", "Gamma.EPB"}) {
            WriteBatch(folder + name);
            SetFileTime(folder + name, kOld);
        }
        WriteFile(folder + "Form.ept", "t");
        TReport report;
        report.SaveToFile(folder + "Summary.epr");
        WriteFile(folder + "notes.txt", "n");
        QDir(dir.Path()).mkdir("Sub");
        // Settled long ago: entries as new as the cache would be read again.
        for (const char* name : {"Form.ept", "Summary.epr", "notes.txt", "Sub"})
            SetEntryTime(folder + name, kOld);
    }

    // The folder list's first showing of the folder: refresh, then every row shown.
    static void Show(TFileList& list, const QString& folder) {
        list.Refresh(folder);
        list.LoadRange(0, list.Count() - 1);
    }

    static QStringList Names(const TFileList& list) {
        QStringList names;
        for (const auto& item : list)
            names << item->FileName();
        return names;
    }
};

} // namespace

TEST(FileTypes, ByExtensionIgnoringCase) {
    const struct {
        const char* Name;
        uint8_t Type;
    } cases[] = {{"a.epb", FileTypeBatch},     {"A.EPB", FileTypeBatch},  {"a.Ept", FileTypeTemplate},
                 {"a.epr", FileTypeReport},    {"a.epc", FileTypeOther},  {"epb", FileTypeOther},
                 {"a.epb.bak", FileTypeOther}, {"x.y.epb", FileTypeBatch}};
    for (const auto& c : cases)
        EXPECT_EQ(FileTypeOfName(c.Name), c.Type) << c.Name;
}

TEST_F(FolderTest, ScanListsEveryEntryWithItsTypeAndTimeButNotTheHiddenList) {
    WriteFile(folder + ".hidden", "cache.epc\n");
    WriteFile(folder + ".dotfile", "");
    TFileList list;
    ScanFolder(dir.Path(), list);
    ASSERT_EQ(list.Count(), 8);
    const int gamma = list.IndexOf(folder + "Gamma.EPB", FileTypeBatch);
    ASSERT_GE(gamma, 0);
    EXPECT_EQ(list.Items(gamma)->FileModifiedTime, PackDosDateTime(kOld));
    EXPECT_EQ(list.Items(gamma)->LoadState, LoadStateNone);
    EXPECT_EQ(list.Items(gamma)->IconIndex, -1);
    EXPECT_EQ(list.Items(gamma)->Owner, &list);
    EXPECT_GE(list.IndexOf(folder + "Sub", FileTypeFolder), 0);
    EXPECT_GE(list.IndexOf(folder + ".dotfile", FileTypeOther), 0);
    EXPECT_EQ(list.IndexOf(folder + ".hidden", FileTypeAny), -1);
    EXPECT_EQ(list.IndexOf(folder + "Sub", FileTypeBatch), -1);
}

TEST_F(FolderTest, SortPutsFoldersFirstThenTypesEachInPathOrderIgnoringCase) {
    WriteFile(folder + "zeta", "");
    QDir(dir.Path()).mkdir("another");
    TFileList list;
    ScanFolder(dir.Path(), list);
    list.Sort();
    EXPECT_EQ(Names(list), QStringList({"another", "Sub", "alpha.epb", "Beta.epb", "Gamma.EPB", "Form.ept",
                                        "Summary.epr", "notes.txt", "zeta"}));
}

TEST_F(FolderTest, FirstShowingLoadsEachBatchAndWritesAHiddenCache) {
    TFileList list;
    Show(list, folder);
    ASSERT_EQ(list.Count(), 7);
    EXPECT_EQ(list.IndexOf(folder + "cache.epc", FileTypeAny), -1);
    const TFileItem& alpha = *list.Items(list.IndexOf(folder + "alpha.epb", FileTypeBatch));
    EXPECT_EQ(alpha.LoadState, LoadStateLoaded);
    ASSERT_TRUE(alpha.Batch);
    EXPECT_EQ(alpha.Batch->Company, QStringLiteral("Korvane"));
    EXPECT_EQ(alpha.Batch->FileTitle, QStringLiteral("alpha"));
    EXPECT_EQ(alpha.FileModifiedTime, PackDosDateTime(kOld));
    // A report's row shows its file name: the listing takes its time and reads nothing.
    const TFileItem& report = *list.Items(list.IndexOf(folder + "Summary.epr", FileTypeReport));
    EXPECT_EQ(report.LoadState, LoadStateNone);
    EXPECT_FALSE(report.Report);
    EXPECT_EQ(report.FileModifiedTime, PackDosDateTime(kOld));

    EXPECT_TRUE(QFileInfo(folder + "cache.epc").isFile());
    EXPECT_TRUE(IsFileHidden(folder + "cache.epc"));
    EXPECT_FALSE(list.Modified);

    // The cache holds every entry by name with its current time.
    TGmXML cache;
    cache.LoadFromFile(folder + "cache.epc");
    const TGmXmlNodeList& data = cache.Nodes().Find("FileList").Children().Find("Data").Children();
    ASSERT_EQ(data.Count(), 7);
    bool sawAlpha = false;
    for (const auto& file : data) {
        if (file->Children().Find("FileName").GetText() != "alpha.epb")
            continue;
        sawAlpha = true;
        EXPECT_EQ(file->Children().Find("FileType").GetInteger(), FileTypeBatch);
        EXPECT_EQ(file->Children().Find("FileModifiedTime").GetInteger(), PackDosDateTime(kOld));
    }
    EXPECT_TRUE(sawAlpha);
}

TEST_F(FolderTest, ShowingRowsAgainDoesNotRewriteAnUnchangedCache) {
    TFileList list;
    Show(list, folder); // the refresh writes the entries, the first showing their times
    const int shown = list.CacheWrites();
    ASSERT_GE(shown, 1);
    const int64_t written = FileLastWrite(folder + "cache.epc").Stamp;
    // Every repaint of the rows asks again: folders, templates, reports and other files
    // keep their time, and nothing changed.
    for (int i = 0; i < 3; ++i)
        list.LoadRange(0, list.Count() - 1);
    EXPECT_EQ(list.CacheWrites(), shown);
    EXPECT_FALSE(list.Modified);
    // A fresh list from the cache takes the same times and writes nothing either.
    TFileList again;
    EXPECT_FALSE(again.Refresh(folder));
    again.LoadRange(0, again.Count() - 1);
    again.LoadRange(0, again.Count() - 1);
    EXPECT_EQ(again.CacheWrites(), 0);
    EXPECT_EQ(FileLastWrite(folder + "cache.epc").Stamp, written);

    // A real change is written, and a cache replaced behind the list's back is written
    // again even when the list's own content is the same.
    SetFileTime(folder + "notes.txt", kNew);
    list.LoadRange(0, list.Count() - 1);
    EXPECT_EQ(list.CacheWrites(), shown + 1);
    WriteFile(folder + "cache.epc", "<FileList/>");
    list.Modified = true;
    list.SaveCache();
    EXPECT_EQ(list.CacheWrites(), shown + 2);
    TFileList check;
    check.ReadCache(folder + "cache.epc");
    EXPECT_EQ(check.Count(), 7);
}

TEST_F(FolderTest, UpToDateCacheListsBatchesByTitleWithoutOpeningThem) {
    {
        TFileList first;
        Show(first, folder);
    }
    // Were a batch opened now, it would read as a default batch with no company.
    for (const char* name : {"Beta.epb", "alpha.epb", "Gamma.EPB"}) {
        WriteFile(folder + name, "<Batch></Batch>");
        SetFileTime(folder + name, kOld);
    }
    const QByteArray cacheBefore = ReadFile(folder + "cache.epc");

    TFileList list;
    EXPECT_FALSE(list.Refresh(folder));
    for (int i = 0; i < list.Count(); ++i) {
        const TFileItem& item = *list.Items(i);
        if (item.FileType != FileTypeBatch)
            continue;
        EXPECT_EQ(item.LoadState, LoadStateTitle) << item.FileName();
        EXPECT_FALSE(item.NeedsLoad()) << item.FileName();
        ASSERT_TRUE(item.Batch);
        EXPECT_EQ(item.Batch->FolderPath, folder);
        EXPECT_TRUE(item.Batch->Company.isEmpty());
    }
    EXPECT_EQ(list.Items(list.IndexOf(folder + "Gamma.EPB", FileTypeBatch))->Batch->FileTitle,
              QStringLiteral("Gamma"));
    // Only the entries without a document (folder, template, other) take their time again.
    list.LoadRange(0, list.Count() - 1);
    for (const auto& item : list) {
        if (item->FileType == FileTypeBatch) {
            EXPECT_EQ(item->LoadState, LoadStateTitle) << item->FileName();
        }
    }
    EXPECT_EQ(ReadFile(folder + "cache.epc").size(), cacheBefore.size());
}

TEST_F(FolderTest, TouchedDeletedAndAddedFilesAreFoundByTheRefresh) {
    TFileList list;
    Show(list, folder);

    WriteBatch(folder + "Beta.epb", "Touched");
    SetFileTime(folder + "Beta.epb", kNew);
    QFile::remove(folder + "Gamma.EPB");
    WriteBatch(folder + "Delta.epb", "Added");

    TFileList again; // a fresh list reads the cache first
    EXPECT_TRUE(again.Refresh(folder));
    EXPECT_EQ(again.IndexOf(folder + "Gamma.EPB", FileTypeAny), -1);
    QStringList needLoad;
    for (const auto& item : again)
        if (item->FileType == FileTypeBatch && item->NeedsLoad())
            needLoad << item->FileName();
    EXPECT_EQ(needLoad, QStringList({"Beta.epb", "Delta.epb"}));
    again.LoadRange(0, again.Count() - 1);
    EXPECT_EQ(again.LoadedBatchCount(), 2);
    EXPECT_EQ(again.Items(again.IndexOf(folder + "Beta.epb", FileTypeBatch))->Batch->Company,
              QStringLiteral("Touched"));

    // The cache now holds the new time and the added batch, and not the deleted one.
    TFileList fromCache;
    fromCache.ReadCache(folder + "cache.epc");
    EXPECT_EQ(fromCache.IndexOf(folder + "Gamma.EPB", FileTypeAny), -1);
    const int beta = fromCache.IndexOf(folder + "Beta.epb", FileTypeBatch);
    ASSERT_GE(beta, 0);
    EXPECT_EQ(fromCache.Items(beta)->FileModifiedTime, PackDosDateTime(kNew));
    EXPECT_GE(fromCache.IndexOf(folder + "Delta.epb", FileTypeBatch), 0);
}

TEST_F(FolderTest, TheSameListFollowsChangesToo) {
    TFileList list;
    Show(list, folder);
    QFile::remove(folder + "notes.txt");
    EXPECT_TRUE(list.Refresh(folder));
    EXPECT_EQ(list.IndexOf(folder + "notes.txt", FileTypeAny), -1);
    EXPECT_FALSE(list.Refresh(folder));
}

TEST_F(FolderTest, CacheRoundTripKeepsOrderTypesNamesAndTimes) {
    TFileList list;
    ScanFolder(folder, list);
    list.Sort();
    list.Modified = true;
    list.WriteCache(dir.File("copy.epc"));
    EXPECT_FALSE(list.Modified);

    TFileList back;
    back.Modified = true;
    back.ReadCache(dir.File("copy.epc"));
    EXPECT_FALSE(back.Modified);
    ASSERT_EQ(back.Count(), list.Count());
    for (int i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(back.Items(i)->FilePath, list.Items(i)->FilePath);
        EXPECT_EQ(back.Items(i)->FileType, list.Items(i)->FileType);
        EXPECT_EQ(back.Items(i)->FileModifiedTime, list.Items(i)->FileModifiedTime);
        EXPECT_EQ(back.Items(i)->LoadState, list.Items(i)->FileType == FileTypeBatch ? 1 : 0);
    }
}

TEST_F(FolderTest, CacheEntriesThatLeadOutOfTheFolderAreIgnored) {
    WriteFile(folder + "cache.epc", "<FileList><Data>"
                                    "<File><FileType>1</FileType><FileName>../../etc/x.epb</FileName></File>"
                                    "<File><FileType>9</FileType><FileName>odd</FileName></File>"
                                    "<Entry><FileType>1</FileType><FileName>ok.epb</"
                                    "FileName><FileModifiedTime>7</FileModifiedTime></Entry>"
                                    "</Data></FileList>");
    TFileList list;
    list.OpenFolder(folder);
    EXPECT_EQ(list.Folder, folder);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0)->FilePath, folder + "ok.epb");
    EXPECT_EQ(list.Items(0)->FileModifiedTime, 7);

    // An unreadable cache is simply not used, and the refresh rewrites it.
    WriteFile(folder + "cache.epc", "\xff\xfe garbage");
    TFileList fresh;
    EXPECT_TRUE(fresh.Refresh(folder));
    EXPECT_EQ(fresh.Count(), 7);
}

TEST_F(FolderTest, OpenFolderKeepsTheListWhenThereIsNoCacheOrTheFolderIsTheSame) {
    TFileList list;
    list.Add()->FilePath = "kept";
    list.OpenFolder(folder);
    EXPECT_EQ(list.Count(), 1);
    Show(list, folder);
    list.Add()->FilePath = "also kept";
    list.OpenFolder(folder);
    EXPECT_EQ(list.IndexOf("also kept", FileTypeAny), list.Count() - 1);
}

TEST_F(FolderTest, ItemLoadSaveAndChangeDetection) {
    TFileList list;
    TFileItem& item = *list.Add();
    item.FileType = FileTypeBatch;
    item.FilePath = folder + "alpha.epb";
    EXPECT_TRUE(item.IsChanged());
    const QByteArray before = ReadFile(item.FilePath);
    EXPECT_FALSE(SaveBatch(item)); // not loaded
    EXPECT_EQ(ReadFile(item.FilePath), before);

    ASSERT_TRUE(item.Load());
    EXPECT_TRUE(list.Modified);
    EXPECT_FALSE(item.IsChanged());
    EXPECT_EQ(item.LoadWarning(), QString());
    item.Batch->Company = "Saved";
    EXPECT_FALSE(item.Save()) << "a batch is not saved without the record of its change";
    ASSERT_TRUE(SaveBatch(item));
    EXPECT_FALSE(item.IsChanged());
    SetFileTime(item.FilePath, kNew);
    EXPECT_TRUE(item.IsChanged());

    TFileItem missing;
    missing.FileType = FileTypeBatch;
    missing.FilePath = folder + "missing.epb";
    EXPECT_FALSE(missing.Load());
    EXPECT_EQ(missing.LoadState, LoadStateNone);
    EXPECT_EQ(missing.FileModifiedTime, -1);
    EXPECT_TRUE(missing.IsChanged());

    // A batch cut off half-way loads what it holds, and the item says it is damaged.
    WriteFile(folder + "cut.epb", before.left(before.size() / 2));
    TFileItem cut;
    cut.FileType = FileTypeBatch;
    cut.FilePath = folder + "cut.epb";
    ASSERT_TRUE(cut.Load());
    EXPECT_TRUE(cut.LoadWarning().contains("is damaged")) << cut.LoadWarning().toStdString();
}

TEST_F(FolderTest, AssignCopiesTheEntryAndItsDocument) {
    TFileItem source;
    source.FileType = FileTypeBatch;
    source.FilePath = folder + "alpha.epb";
    ASSERT_TRUE(source.Load());
    source.IconIndex = 3;
    TFileItem copy;
    copy.Assign(static_cast<const TDocumentObject&>(source));
    EXPECT_EQ(copy.FilePath, source.FilePath);
    EXPECT_EQ(copy.LoadState, LoadStateLoaded);
    EXPECT_EQ(copy.IconIndex, 3);
    EXPECT_EQ(copy.FileModifiedTime, source.FileModifiedTime);
    ASSERT_TRUE(copy.Batch);
    EXPECT_NE(copy.Batch.get(), source.Batch.get());
    EXPECT_EQ(copy.Batch->Company, QStringLiteral("Korvane"));

    TReport notAnItem;
    try {
        copy.Assign(notAnItem);
        FAIL();
    } catch (const EBramblexError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Cannot assign object to File item"));
    }
}

TEST_F(FolderTest, ListOperations) {
    TFileList list;
    ScanFolder(folder, list);
    list.DeleteType(FileTypeBatch);
    EXPECT_EQ(list.Count(), 4);
    list.DeleteName("Form.ept");
    EXPECT_EQ(list.IndexOf(folder + "Form.ept", FileTypeAny), -1);
    EXPECT_THROW(list.Items(10), EBramblexError);
    EXPECT_THROW(list.Delete(-1), EBramblexError);
}

TEST_F(FolderTest, ReportListsKeepLoadedReportsAndTabsComeInDescendingOrder) {
    for (const char* name : {"A.epr", "C.epr", "B.epr"}) {
        TReport report;
        report.SaveToFile(folder + name);
    }
    TFileList reports;
    RefreshReportList(reports, folder);
    EXPECT_EQ(Names(reports), QStringList({"A.epr", "B.epr", "C.epr", "Summary.epr"}));
    for (const auto& item : reports)
        EXPECT_EQ(item->LoadState, LoadStateLoaded);
    const TReport* kept = reports.Items(0)->Report.get();
    QFile::remove(folder + "B.epr");
    RefreshReportList(reports, folder);
    EXPECT_EQ(Names(reports), QStringList({"A.epr", "C.epr", "Summary.epr"}));
    EXPECT_EQ(reports.Items(0)->Report.get(), kept);

    TFileList tabs;
    LoadTabReports(tabs, folder);
    EXPECT_EQ(Names(tabs), QStringList({"Summary.epr", "C.epr", "A.epr"}));
}

TEST_F(FolderTest, AFailedSaveKeepsTheSystemsReasonAndTheFileAsItWas) {
    TFileItem item;
    item.FileType = FileTypeBatch;
    item.FilePath = folder + "alpha.epb";
    ASSERT_TRUE(item.Load());
    EXPECT_TRUE(item.LastError().isEmpty());

    WriteFile(folder + "plain.txt", "not a folder");
    item.FilePath = folder + "plain.txt/alpha.epb";
    EXPECT_FALSE(SaveBatch(item));
    // The trail beside it is the first to find out.
    EXPECT_TRUE(item.LastError().contains("plain.txt/")) << item.LastError();
    EXPECT_TRUE(item.LastError().endsWith("\nNot a directory")) << item.LastError();
    EXPECT_FALSE(item.Load());
    EXPECT_EQ(item.LastError(), "Cannot open file \"" + item.FilePath + "\". Not a directory");

    TFileItem other;
    other.FilePath = folder + "plain.txt/other.txt";
    EXPECT_FALSE(other.Load());
    EXPECT_EQ(other.LastError(), "Cannot open file \"" + other.FilePath + "\". Not a directory");

    SmallTmpfs disk(64);
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Why().toStdString();
    // A batch after a long run: far more than the little disk holds.
    TFileItem run;
    run.FileType = FileTypeBatch;
    run.FilePath = disk.File("run.epb");
    run.LoadState = LoadStateLoaded;
    for (int i = 0; i < 2000; ++i)
        run.BatchItem().Measurements.Add()->Viscosity = 1000.0 + i;
    EXPECT_FALSE(SaveBatch(run));
    EXPECT_EQ(run.LastError(), "Cannot create file \"" + run.FilePath + "\". No space left on device");
    // Only the trail, whose record of the change that never reached the file verifies as not saved.
    EXPECT_EQ(QDir(disk.Path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({".run.epb.audit"}));
    // With room again the same item saves.
    run.BatchItem().Measurements.Clear();
    EXPECT_TRUE(SaveBatch(run)) << run.LastError();
    EXPECT_EQ(VerifyAuditTrail(run.FilePath).Status, TAuditStatus::Intact) << "the failed save is no alarm";
    EXPECT_TRUE(run.LastError().isEmpty());
}

namespace {

// The temporary files of saves in folder, by name.
QStringList Temporaries(const QString& folder) {
    QStringList names;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name.contains(QLatin1String(".saving-")))
            names << name;
    return names;
}

// Starts a save of path and leaves it waiting half-way; false when it did not get there.
bool StartHeldSave(QProcess& writer, const QString& path) {
    writer.start(QStringLiteral(HOLD_SAVE_PROGRAM), {path});
    return writer.waitForReadyRead(10000) && writer.readAll().startsWith("ready");
}

void KillHard(QProcess& writer) {
    writer.kill(); // SIGKILL: the writer gets no chance to clean up
    writer.waitForFinished(10000);
}

} // namespace

TEST_F(FolderTest, AKilledSavesTemporaryFileIsNeitherListedNorKept) {
    TFileList list;
    Show(list, folder);
    const QByteArray beta = ReadFile(folder + "Beta.epb");

    QProcess writer;
    ASSERT_TRUE(StartHeldSave(writer, folder + "Beta.epb"));
    ASSERT_EQ(Temporaries(folder).size(), 1);
    // While its writer lives the file is left alone, but never shown.
    TFileList during;
    during.Refresh(folder);
    EXPECT_EQ(during.Count(), 7);
    EXPECT_EQ(Temporaries(folder).size(), 1);
    KillHard(writer);
    EXPECT_EQ(ReadFile(folder + "Beta.epb"), beta);
    ASSERT_EQ(Temporaries(folder).size(), 1) << "the killed writer left nothing to clean up";

    // The next listing of the folder removes it, and the cache never names it.
    TFileList after;
    after.Refresh(folder);
    EXPECT_EQ(Names(after), Names(list));
    EXPECT_TRUE(Temporaries(folder).isEmpty());
    EXPECT_FALSE(ReadFile(folder + "cache.epc").contains(".saving-"));

    // So does the next save of the same file.
    QProcess second;
    ASSERT_TRUE(StartHeldSave(second, folder + "alpha.epb"));
    KillHard(second);
    ASSERT_EQ(Temporaries(folder).size(), 1);
    WriteBatch(folder + "alpha.epb", "Saved again");
    EXPECT_TRUE(Temporaries(folder).isEmpty());
}

TEST_F(FolderTest, ABatchChangedInTheCachesOwnTwoSecondsIsReadAgain) {
    // An even second: the batch, the cache and the change share one two-second unit of
    // the packed time, ten seconds after the other batches.
    const QDateTime slot = kOld.addSecs(10);
    SetEntryTime(folder + "Beta.epb", slot);
    {
        TFileList first;
        Show(first, folder);
    }
    SetEntryTime(folder + "cache.epc", slot, 500000000);
    WriteBatch(folder + "Beta.epb", "Changed in the same slot");
    SetEntryTime(folder + "Beta.epb", slot.addSecs(1));
    ASSERT_EQ(FileLastWriteTime(folder + "Beta.epb"), PackDosDateTime(slot));

    TFileList list;
    list.Refresh(folder);
    list.LoadRange(0, list.Count() - 1);
    const TFileItem& beta = *list.Items(list.IndexOf(folder + "Beta.epb", FileTypeBatch));
    EXPECT_EQ(beta.LoadState, LoadStateLoaded);
    ASSERT_TRUE(beta.Batch);
    EXPECT_EQ(beta.Batch->Company, QStringLiteral("Changed in the same slot"));
    // Batches older than the cache are still taken from it without being opened.
    EXPECT_EQ(list.Items(list.IndexOf(folder + "alpha.epb", FileTypeBatch))->LoadState, LoadStateTitle);

    // A list that stays open sees a change within the same two seconds as well.
    WriteBatch(folder + "Beta.epb", "Changed once more");
    SetEntryTime(folder + "Beta.epb", slot.addSecs(1), 250000000);
    EXPECT_TRUE(list.Refresh(folder));
    list.LoadRange(0, list.Count() - 1);
    EXPECT_EQ(list.Items(list.IndexOf(folder + "Beta.epb", FileTypeBatch))->Batch->Company,
              QStringLiteral("Changed once more"));
    EXPECT_FALSE(list.Refresh(folder));
}

// A damaged batch file read in part is never written over with that part.
TEST_F(FolderTest, ADamagedFileIsNotSavedOver) {
    TBatchItem batch;
    batch.Company = "Acme";
    for (int i = 0; i < 40; ++i) {
        TMeasurementItem* m = batch.Measurements.Add();
        m->DateTime = 45000.5 + i / 86400.0;
        m->Viscosity = 100.0 + i;
    }
    batch.SaveToFile(folder + "cut.epb");
    const QByteArray whole = ReadFile(folder + "cut.epb");
    QFile file(folder + "cut.epb");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(whole.left(whole.size() * 2 / 3));
    file.close();
    const QByteArray cut = ReadFile(folder + "cut.epb");

    TFileItem item;
    item.FileType = FileTypeBatch;
    item.FilePath = folder + "cut.epb";
    ASSERT_TRUE(item.Load());
    ASSERT_FALSE(item.LoadWarning().isEmpty());
    item.Batch->Company = "Edited";
    EXPECT_FALSE(SaveBatch(item));
    EXPECT_TRUE(item.LastError().startsWith(item.LoadWarning())) << item.LastError();
    EXPECT_TRUE(item.LastError().contains("repaired copy")) << item.LastError();
    EXPECT_EQ(ReadFile(folder + "cut.epb"), cut);
}
