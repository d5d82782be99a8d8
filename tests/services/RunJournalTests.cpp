// The run journal: what a run leaves behind when it cannot finish, and how its readings
// get back into the batch without losing or doubling any.

#include "services/RunJournal.h"

#include "core/Error.h"
#include "platform/FileSystem.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <deque>

namespace {

// One reading; the item lives until the end of the test run (tests append a few).
const TMeasurementItem& Reading(double dayNumber, double viscosity, int rpm = 14) {
    static std::deque<TMeasurementItem> made;
    TMeasurementItem& m = made.emplace_back();
    m.DateTime = dayNumber;
    m.Viscosity = viscosity;
    m.Temperature = 23.456789;
    m.RPMCode = rpm;
    m.SheerStress = 1.25;
    m.SheerRate = 0.5;
    return m;
}

class RunJournalTest : public ::testing::Test {
protected:
    QString Folder() const { return Dir.File("journals"); }
    QString BatchPath() const { return Dir.File("Local/Run 1.epb"); }

    void WriteBatch(int readings) {
        QDir().mkpath(Dir.File("Local"));
        TBatchItem batch;
        batch.ModelType = 2;
        batch.Company = "Acme";
        for (int i = 0; i < readings; ++i)
            batch.Measurements.Add()->Assign(Reading(45000.5 + i / 86400.0, 100.0 + i));
        batch.SaveToFile(BatchPath());
    }

    TempDir Dir;
};

} // namespace

TEST_F(RunJournalTest, ALiveJournalIsNoOrphanAndAnEndedOneIs) {
    WriteBatch(0);
    TBatchItem start;
    start.LoadFromFile(BatchPath());
    {
        TRunJournal journal;
        journal.Begin(Folder(), BatchPath(), true, start);
        journal.Append(Reading(45000.5, 101.5), 2, 1);
        journal.Append(Reading(45000.6, 102.5), 2, 1);
        TOrphanJournal orphan;
        EXPECT_FALSE(FindOrphanJournal(BatchPath(), orphan, Folder())) << "its run still holds it";
        // A second run of the same batch is refused while the first lives.
        TRunJournal second;
        EXPECT_THROW(second.Begin(Folder(), BatchPath(), true, start), EBramblexError);
        journal.Release();
    }
    TOrphanJournal orphan;
    ASSERT_TRUE(FindOrphanJournal(BatchPath(), orphan, Folder()));
    EXPECT_EQ(orphan.BatchPath, QDir::cleanPath(BatchPath()));
    EXPECT_TRUE(orphan.Automatic);
    ASSERT_EQ(orphan.Readings.size(), 2u);
    EXPECT_EQ(orphan.Readings[1].Viscosity, 102.5);
    EXPECT_EQ(orphan.Readings[1].Temperature, 23.456789);
    EXPECT_EQ(orphan.Readings[0].Model, 2);
    EXPECT_EQ(orphan.Readings[0].Spindle, 1);
    EXPECT_EQ(FindOrphanJournals(Folder()).size(), 1u);

    // A new run is refused until the readings are recovered.
    TRunJournal again;
    EXPECT_THROW(again.Begin(Folder(), BatchPath(), true, start), EBramblexError);
}

TEST_F(RunJournalTest, ACutLastLineIsIgnoredAndRecoveryAddsOnlyWhatIsMissing) {
    WriteBatch(1); // the batch holds the first reading already
    TBatchItem start;
    start.LoadFromFile(BatchPath());
    TRunJournal journal;
    journal.Begin(Folder(), BatchPath(), false, start);
    journal.Append(Reading(45000.5, 100.0), 0, 3); // the reading the file has
    journal.Append(Reading(45000.7, 140.25), 0, 3);
    const QString path = journal.Path();
    journal.Release();
    // A crash in the middle of a line.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("R 0 3 45000.8 15");
    file.close();

    TOrphanJournal orphan;
    ASSERT_TRUE(ReadOrphanJournal(path, orphan));
    ASSERT_EQ(orphan.Readings.size(), 2u);
    EXPECT_FALSE(orphan.Automatic);
    TBatchItem onDisk;
    onDisk.LoadFromFile(BatchPath());
    EXPECT_EQ(MissingReadingCount(orphan, onDisk), 1);

    EXPECT_EQ(RecoverJournal(orphan, TAuditRecorder{}), 1);
    TBatchItem recovered;
    recovered.LoadFromFile(BatchPath());
    ASSERT_EQ(recovered.Measurements.Count(), 2);
    EXPECT_EQ(recovered.Measurements.Items(1)->Viscosity, 140.25);
    EXPECT_EQ(recovered.Company, "Acme");
    EXPECT_FALSE(EntryExists(path)) << "a recovered journal goes";
}

TEST_F(RunJournalTest, AManualRunTakesOverModelAndSpindleAndALostFileComesBack) {
    WriteBatch(0);
    TBatchItem start;
    start.LoadFromFile(BatchPath());
    TRunJournal journal;
    journal.Begin(Folder(), BatchPath(), false, start);
    journal.Append(Reading(45000.5, 99.0), 1, 12);
    journal.Release();
    QFile::remove(BatchPath());

    TOrphanJournal orphan;
    ASSERT_TRUE(FindOrphanJournal(BatchPath(), orphan, Folder()));
    EXPECT_EQ(RecoverJournal(orphan, TAuditRecorder{}), 1);
    TBatchItem recovered;
    recovered.LoadFromFile(BatchPath());
    EXPECT_EQ(recovered.Company, "Acme") << "the header as the run began";
    EXPECT_EQ(recovered.ModelType, 1);
    EXPECT_EQ(recovered.SpindleType, 12);
    EXPECT_EQ(recovered.Measurements.Count(), 1);
}

TEST_F(RunJournalTest, JournalNamesStayShortAndDistinct) {
    const QString a = TRunJournal::PathFor(Folder(), "/data/" + QString(300, 'x') + "/a.epb");
    const QString b = TRunJournal::PathFor(Folder(), "/data/" + QString(300, 'x') + "/b.epb");
    EXPECT_NE(a, b);
    EXPECT_LE(QFileInfo(a).fileName().toUtf8().size(), 255);
    const QString plain = TRunJournal::PathFor(Folder(), "/data/Local/Paint QC/Lot 7.epb");
    EXPECT_TRUE(plain.contains("Lot 7.epb")) << plain.toStdString();
    EXPECT_FALSE(QFileInfo(plain).fileName().contains('/'));
}

TEST_F(RunJournalTest, ADamagedBatchFileIsNotRecoveredOverAndTheJournalStays) {
    WriteBatch(20);
    TBatchItem start;
    start.LoadFromFile(BatchPath());
    TRunJournal journal;
    journal.Begin(Folder(), BatchPath(), false, start);
    journal.Append(Reading(45001.5, 321.0), 0, 3);
    const QString path = journal.Path();
    journal.Release();
    // The batch file is damaged meanwhile (an interrupted copy over it).
    QFile file(BatchPath());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray cut = file.readAll().left(file.size() / 2);
    file.resize(0);
    file.seek(0);
    file.write(cut);
    file.close();

    TOrphanJournal orphan;
    ASSERT_TRUE(ReadOrphanJournal(path, orphan));
    std::string message;
    try {
        RecoverJournal(orphan, TAuditRecorder{});
    } catch (const EBramblexError& e) {
        message = e.what();
    }
    EXPECT_NE(message.find("damaged"), std::string::npos) << message;
    EXPECT_NE(message.find(path.toStdString()), std::string::npos) << message;
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), cut);
    EXPECT_TRUE(EntryExists(path)) << "the readings stay in the journal";
}
