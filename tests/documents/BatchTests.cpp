#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/DamagedSource.h"
#include "documents/Settings.h"
#include "support/ErrorOf.h"
#include "support/TempDir.h"
#include "xml/GmXml.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <functional>
#include <mutex>
#include <ostream>
#include <thread>

namespace {

QString DataFile(const char* name) {
    return QStringLiteral(BRAMBLEX_TEST_DATA_DIR "/documents/") + name;
}

TMeasurementItem* AddReading(TMeasurementList& list, double dateTime, double viscosity = 0, int rpmCode = 0) {
    TMeasurementItem* m = list.Add();
    m->DateTime = dateTime;
    m->Viscosity = viscosity;
    m->RPMCode = rpmCode;
    return m;
}

void FillBatch(TBatchItem& b) {
    b.Company = QStringLiteral("A & B <Lab> 'x' \"y\" &lt; λ");
    b.Operator = QStringLiteral("  padded  ");
    b.ModelType = 3;
    b.SpindleType = 21;
    b.Note = QStringLiteral("first\r\nsecond\r\n\r\nfourth");
    b.Identifier = QStringLiteral("ID-7");
    b.SelectedXAxis = 4;
    b.SelectedYAxis = QStringLiteral("0,2,5");
    TProcessItem* p = b.Processes.Add();
    p->Identifier = QStringLiteral("Ramp");
    p->RPMStart = 1;
    p->RPMEnd = 13;
    p->Time = 120;
    p->UseStartTemperature = true;
    p->UseStartDelay = true;
    p->StartTemperature = -12.75;
    p->StartTemperatureType = 1;
    p->StartDelay = 30;
    p->MeasurementCount = 9;
    b.Processes.Add()->Identifier = QStringLiteral("Second");
    TMeasurementItem* m = AddReading(b.Measurements, 36526.5, OverRangeViscosity, 12);
    m->Temperature = 25.125;
    m->SheerStress = 1234.5;
    m->SheerRate = 5e-5;
    AddReading(b.Measurements, 36526.5000173611, 987654.321, 19);
}

void ExpectSameBatch(const TBatchItem& a, const TBatchItem& b) {
    EXPECT_EQ(a.Company, b.Company);
    EXPECT_EQ(a.Operator, b.Operator);
    EXPECT_EQ(a.ModelType, b.ModelType);
    EXPECT_EQ(a.SpindleType, b.SpindleType);
    EXPECT_EQ(a.Note, b.Note);
    EXPECT_EQ(a.Identifier, b.Identifier);
    EXPECT_EQ(a.SelectedXAxis, b.SelectedXAxis);
    EXPECT_EQ(a.SelectedYAxis, b.SelectedYAxis);
    ASSERT_EQ(a.Processes.Count(), b.Processes.Count());
    for (int i = 0; i < a.Processes.Count(); ++i) {
        const TProcessItem& p = *a.Processes.Items(i);
        const TProcessItem& q = *b.Processes.Items(i);
        EXPECT_EQ(p.Identifier, q.Identifier);
        EXPECT_EQ(p.RPMStart, q.RPMStart);
        EXPECT_EQ(p.RPMEnd, q.RPMEnd);
        EXPECT_EQ(p.Time, q.Time);
        EXPECT_EQ(p.UseStartTemperature, q.UseStartTemperature);
        EXPECT_EQ(p.UseStartDelay, q.UseStartDelay);
        EXPECT_EQ(p.StartTemperature, q.StartTemperature);
        EXPECT_EQ(p.StartTemperatureType, q.StartTemperatureType);
        EXPECT_EQ(p.StartDelay, q.StartDelay);
        EXPECT_EQ(p.MeasurementCount, q.MeasurementCount);
    }
    ASSERT_EQ(a.Measurements.Count(), b.Measurements.Count());
    for (int i = 0; i < a.Measurements.Count(); ++i) {
        const TMeasurementItem& m = *a.Measurements.Items(i);
        const TMeasurementItem& n = *b.Measurements.Items(i);
        EXPECT_EQ(m.DateTime, n.DateTime);
        EXPECT_EQ(m.Viscosity, n.Viscosity);
        EXPECT_EQ(m.Temperature, n.Temperature);
        EXPECT_EQ(m.RPMCode, n.RPMCode);
        EXPECT_EQ(m.SheerStress, n.SheerStress);
        EXPECT_EQ(m.SheerRate, n.SheerRate);
    }
}

} // namespace

// ---------------------------------------------------------------------------
// Files

TEST(BatchFile, SaveLoadKeepsEveryFieldAndTakesTitleAndFolderFromPath) {
    TempDir dir;
    TBatchItem batch;
    FillBatch(batch);
    batch.FileTitle = QStringLiteral("ignored");
    batch.FolderPath = QStringLiteral("/nowhere/");
    const QString path = dir.File("my.run.epb");
    batch.SaveToFile(path);

    TBatchItem loaded;
    loaded.LoadFromFile(path);
    ExpectSameBatch(batch, loaded);
    EXPECT_EQ(loaded.FileTitle, QStringLiteral("my.run"));
    EXPECT_EQ(loaded.FolderPath, QDir(dir.Path()).absolutePath() + "/");

    const QByteArray bytes = dir.Read("my.run.epb");
    EXPECT_FALSE(bytes.contains("ignored"));
    EXPECT_FALSE(bytes.contains("nowhere"));
    EXPECT_TRUE(bytes.contains("<DateTime>36526.5</DateTime>"));
    EXPECT_TRUE(bytes.contains("<Viscosity>1.7E308</Viscosity>"));
    EXPECT_TRUE(bytes.contains("<SheerRate>5E-5</SheerRate>"));
    EXPECT_TRUE(bytes.contains("<UseStartTemperature>1</UseStartTemperature>"));
    EXPECT_TRUE(bytes.contains("&amp;lt;"));
}

TEST(BatchFile, EmptyBatchHasEmptyListElementsOnOneLine) {
    TempDir dir;
    TBatchItem().SaveToFile(dir.File("e.epb"));
    const QByteArray expected = "<?xml version=\"1.0\"?>\r\n<Batch>\r\n  <Company></Company>\r\n"
                                "  <Operator></Operator>\r\n  <ModelType>0</ModelType>\r\n"
                                "  <SpindleType>0</SpindleType>\r\n  <Note></Note>\r\n"
                                "  <Identifier></Identifier>\r\n  <SelectedXAxis>0</SelectedXAxis>\r\n"
                                "  <SelectedYAxis></SelectedYAxis>\r\n  <Processes></Processes>\r\n"
                                "  <Measurements></Measurements>\r\n</Batch>\r\n";
    EXPECT_EQ(dir.Read("e.epb"), expected);
    QFile good(DataFile("batch_empty.epb"));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    EXPECT_EQ(good.readAll(), expected);
}

TEST(BatchFile, LoneLineFeedsAreWrittenAsCrLfSoAResaveIsIdentical) {
    TempDir dir;
    TBatchItem batch;
    batch.Note = QStringLiteral("a\nb\rc\r\nd");
    batch.SaveToFile(dir.File("a.epb"));
    EXPECT_TRUE(dir.Read("a.epb").contains("<Note>a\r\nb\r\nc\r\nd</Note>"));

    TBatchItem loaded;
    loaded.LoadFromFile(dir.File("a.epb"));
    EXPECT_EQ(loaded.Note, QStringLiteral("a\r\nb\r\nc\r\nd"));
    loaded.SaveToFile(dir.File("b.epb"));
    EXPECT_EQ(dir.Read("a.epb"), dir.Read("b.epb"));
}

TEST(BatchFile, KnownGoodUtf8File) {
    TBatchItem b;
    b.LoadFromFile(DataFile("batch_utf8.epb"));
    EXPECT_EQ(b.FileTitle, QStringLiteral("batch_utf8"));
    EXPECT_EQ(b.Company, QStringLiteral("Smith & Sons <Lab>"));
    EXPECT_EQ(b.Operator, QStringLiteral("O'Brien \"Pat\""));
    EXPECT_EQ(b.Note, QStringLiteral("Line one λ = 0.5\r\nsecond line & more"));
    EXPECT_EQ(b.ModelType, 3);
    EXPECT_EQ(b.SpindleType, 18);
    EXPECT_EQ(b.SelectedYAxis, QStringLiteral("0,2"));
    ASSERT_EQ(b.Processes.Count(), 2);
    EXPECT_EQ(b.Processes.Items(1)->Identifier, QStringLiteral("Hold & cool"));
    EXPECT_EQ(b.Processes.Items(1)->StartTemperature, -3.25);
    EXPECT_TRUE(b.Processes.Items(1)->UseStartDelay);
    EXPECT_EQ(b.Processes.Items(0)->MeasurementCount, 10);
    ASSERT_EQ(b.Measurements.Count(), 4);
    EXPECT_EQ(b.Measurements.Items(0)->DateTime, 36526.5);
    EXPECT_EQ(b.Measurements.Items(1)->Viscosity, OverRangeViscosity);
    EXPECT_EQ(b.Measurements.Items(3)->SheerRate, 3e-7);
}

TEST(BatchFile, KnownGoodWindows1252File) {
    TBatchItem b;
    b.LoadFromFile(DataFile("batch_cp1252.epb"));
    EXPECT_EQ(b.Note, QStringLiteral("Sample kept at 20 °C"));
    EXPECT_EQ(b.Company, QStringLiteral("Müller Labor GmbH"));
    EXPECT_EQ(b.Processes.Count(), 0);
    EXPECT_EQ(b.Measurements.Count(), 2);
}

TEST(BatchFile, FileErrorsPropagateAndLeaveTheBatchAlone) {
    TempDir dir;
    TBatchItem b;
    FillBatch(b);
    try {
        b.LoadFromFile(dir.File("missing.epb"));
        FAIL() << "no error";
    } catch (const EFileError& e) {
        EXPECT_TRUE(e.Message().startsWith("Cannot open file")) << e.Message().toStdString();
    }
    EXPECT_EQ(b.Processes.Count(), 2);
    EXPECT_EQ(b.Identifier, QStringLiteral("ID-7"));

    EXPECT_THROW(b.SaveToFile(dir.File("no/such/folder/x.epb")), EFileError);
}

// ---------------------------------------------------------------------------
// Forgiving loads

struct LoadCase {
    const char* name;
    const char* text;
    std::function<void(const TBatchItem&)> check;
};

// By name: the default printout is the case's bytes, pointers included, so the test's
// listed name would change with every build.
void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.name;
}

class BatchLoad : public ::testing::TestWithParam<LoadCase> {};

TEST_P(BatchLoad, ReadsWhatThereIs) {
    TGmXML doc;
    doc.LoadFromBytes(GetParam().text);
    TBatchItem b;
    FillBatch(b); // a load replaces every stored field
    b.FileTitle = QStringLiteral("kept");
    b.LoadFromNodes(doc.Nodes());
    EXPECT_EQ(b.FileTitle, QStringLiteral("kept"));
    GetParam().check(b);
}

void ExpectEmpty(const TBatchItem& b) {
    EXPECT_TRUE(b.Company.isEmpty());
    EXPECT_TRUE(b.Note.isEmpty());
    EXPECT_TRUE(b.SelectedYAxis.isEmpty());
    EXPECT_EQ(b.ModelType, 0);
    EXPECT_EQ(b.SpindleType, 0);
    EXPECT_EQ(b.SelectedXAxis, 0);
    EXPECT_EQ(b.Processes.Count(), 0);
    EXPECT_EQ(b.Measurements.Count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, BatchLoad,
    ::testing::Values(
        LoadCase{"EmptyBatchElement", "<?xml version=\"1.0\"?>\r\n<Batch></Batch>\r\n", ExpectEmpty},
        LoadCase{"NoBatchElement", "<?xml version=\"1.0\"?>\r\n<Report><Company>x</Company></Report>\r\n",
                 ExpectEmpty},
        LoadCase{"HeaderOnly", "<?xml version=\"1.0\"?>\r\n", ExpectEmpty},
        LoadCase{"LowercaseBatchIsNotABatch", "<batch><Company>x</Company></batch>", ExpectEmpty},
        LoadCase{"ProcessWithoutMeasurementsChild",
                 "<Batch><Processes><Process><RPMStart>4</RPMStart><Time>60</Time></Process>"
                 "</Processes></Batch>",
                 [](const TBatchItem& b) {
                     ASSERT_EQ(b.Processes.Count(), 1);
                     EXPECT_EQ(b.Processes.Items(0)->RPMStart, 4);
                     EXPECT_EQ(b.Processes.Items(0)->Time, 60);
                     EXPECT_EQ(b.Processes.Items(0)->MeasurementCount, 0);
                     EXPECT_FALSE(b.Processes.Items(0)->UseStartDelay);
                     EXPECT_EQ(b.Measurements.Count(), 0);
                 }},
        LoadCase{"ChildrenOfOtherNamesAreProcessesAndReadings",
                 "<Batch><Processes><Step><Identifier>a</Identifier></Step><X></X>"
                 "<Process><Measurements>3</Measurements></Process></Processes>"
                 "<Measurements><M><Viscosity>2.5</Viscosity></M><Measurement></Measurement></Measurements>"
                 "</Batch>",
                 [](const TBatchItem& b) {
                     ASSERT_EQ(b.Processes.Count(), 3);
                     EXPECT_EQ(b.Processes.Items(0)->Identifier, QStringLiteral("a"));
                     EXPECT_EQ(b.Processes.Items(2)->MeasurementCount, 3);
                     ASSERT_EQ(b.Measurements.Count(), 2);
                     EXPECT_EQ(b.Measurements.Items(0)->Viscosity, 2.5);
                 }},
        LoadCase{"OutOfRangeValuesLoadUnchangedByteWise",
                 "<Batch><ModelType>263</ModelType><SpindleType>99</SpindleType><Processes><Process>"
                 "<StartTemperatureType>7</StartTemperatureType><RPMEnd>55</RPMEnd>"
                 "<UseStartTemperature>2</UseStartTemperature></Process></Processes></Batch>",
                 [](const TBatchItem& b) {
                     EXPECT_EQ(b.ModelType, 7); // low byte of 263
                     EXPECT_EQ(b.SpindleType, 99);
                     ASSERT_EQ(b.Processes.Count(), 1);
                     EXPECT_EQ(b.Processes.Items(0)->StartTemperatureType, 7);
                     EXPECT_EQ(b.Processes.Items(0)->RPMEnd, 55);
                     EXPECT_TRUE(b.Processes.Items(0)->UseStartTemperature); // any non-zero flag
                 }},
        LoadCase{"FirstBatchElementWins",
                 "<Batch><Company>one</Company></Batch><Batch><Company>two</Company></Batch>",
                 [](const TBatchItem& b) { EXPECT_EQ(b.Company, QStringLiteral("one")); }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Damaged files

// Whatever writes a batch read in part from a damaged file (an edit, a run, Clear, a
// copy of it) cannot put that part in the file's place; a copy elsewhere is written.
TEST(BatchDamaged, IsNeverWrittenOverItsFileByAnyNameButIsWrittenElsewhere) {
    TempDir dir;
    QDir().mkpath(dir.File("sub"));
    TBatchItem whole;
    FillBatch(whole);
    for (int i = 0; i < 30; ++i)
        AddReading(whole.Measurements, 45000.5 + i / 86400.0, 100 + i);
    whole.SaveToFile(dir.File("cut.epb"));
    const QByteArray text = dir.Read("cut.epb");
    const QByteArray cut = text.left(text.size() * 2 / 3);

    enum TOutcome { Refused, RefusedNothingThere, Written };
    struct Case {
        const char* Name;
        // Prepares the folder after the load; returns the path the batch is written to.
        std::function<QString()> Target;
        TOutcome Outcome;
    };
    const Case cases[] = {
        {"its own path", [&] { return dir.File("cut.epb"); }, Refused},
        {"another spelling of it", [&] { return dir.File("sub/../cut.epb"); }, Refused},
        {"a link to it",
         [&] {
             QFile::link(dir.File("cut.epb"), dir.File("link.epb"));
             return dir.File("link.epb");
         },
         Refused},
        {"its new name after a rename",
         [&] {
             QFile::rename(dir.File("cut.epb"), dir.File("renamed.epb"));
             return dir.File("renamed.epb");
         },
         Refused},
        {"its path after it was deleted",
         [&] {
             QFile::remove(dir.File("cut.epb"));
             return dir.File("cut.epb");
         },
         RefusedNothingThere},
        {"a copy under another name", [&] { return dir.File("sub/repaired.epb"); }, Written},
    };
    auto bytesAt = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        for (const char* name : {"cut.epb", "link.epb", "renamed.epb", "sub/repaired.epb"})
            QFile::remove(dir.File(name));
        dir.Write("cut.epb", cut);
        TBatchItem batch;
        batch.LoadFromFile(dir.File("cut.epb"));
        ASSERT_TRUE(batch.Damaged());
        batch.Company = QStringLiteral("Edited");
        // Assign carries the damage along: the copies that Clear and a run save.
        TBatchItem copy;
        copy.Assign(batch);
        const QString target = c.Target();
        for (const TBatchItem* writer : {&batch, &copy}) {
            const QString error = ErrorOf([&] { writer->SaveToFile(target); });
            if (c.Outcome == Written) {
                EXPECT_TRUE(error.isEmpty()) << error.toStdString();
                TBatchItem written;
                written.LoadFromFile(target);
                EXPECT_FALSE(written.Damaged());
                EXPECT_EQ(written.Company, QStringLiteral("Edited"));
            } else {
                EXPECT_EQ(error, TDamagedSource::RefusalMessage(batch.LoadWarning));
                EXPECT_TRUE(error.contains("repaired copy")) << error.toStdString();
                EXPECT_EQ(bytesAt(target), c.Outcome == Refused ? cut : QByteArray());
                EXPECT_EQ(QFileInfo::exists(target), c.Outcome == Refused);
            }
        }
    }
    // A batch read whole is written over its file as always.
    dir.Write("whole.epb", text);
    TBatchItem sound;
    sound.LoadFromFile(dir.File("whole.epb"));
    ASSERT_FALSE(sound.Damaged());
    sound.Company = QStringLiteral("Edited");
    EXPECT_NO_THROW(sound.SaveToFile(dir.File("whole.epb")));
}

// ---------------------------------------------------------------------------
// Copies

TEST(BatchAssign, DeepCopiesHeaderProcessesAndReadings) {
    TBatchItem source;
    FillBatch(source);
    source.FileTitle = QStringLiteral("t");
    source.FolderPath = QStringLiteral("/f/");
    TBatchItem copy;
    copy.Processes.Add();
    copy.Measurements.Add();
    copy.Measurements.Add();
    copy.Measurements.Add();
    copy.Assign(source);
    ExpectSameBatch(source, copy);
    EXPECT_EQ(copy.FileTitle, QStringLiteral("t"));
    EXPECT_EQ(copy.FolderPath, QStringLiteral("/f/"));

    copy.Measurements.EditItem(0)->Viscosity = 1;
    copy.Measurements.Add();
    copy.Processes.Items(0)->Identifier = QStringLiteral("changed");
    EXPECT_EQ(source.Measurements.Items(0)->Viscosity, OverRangeViscosity);
    EXPECT_EQ(source.Measurements.Count(), 2);
    EXPECT_EQ(source.Processes.Items(0)->Identifier, QStringLiteral("Ramp"));
    EXPECT_NE(copy.Measurements.Items(1), source.Measurements.Items(1));

    copy.Assign(copy); // a self-assignment keeps everything
    EXPECT_EQ(copy.Measurements.Count(), 3);
    TBatchItem& self = copy;
    copy.Measurements.Assign(self.Measurements);
    EXPECT_EQ(copy.Measurements.Count(), 3);
}

TEST(BatchAssign, WrongKindsRaiseOrAreIgnored) {
    TBatchItem batch;
    TProcessItem process;
    TMeasurementItem reading;
    TSettings settings;
    const TDocumentObject& asProcess = process;
    const TDocumentObject& asReading = reading;
    EXPECT_EQ(ErrorOf([&] { batch.Assign(asProcess); }), "Cannot assign object to Batch item");
    EXPECT_EQ(ErrorOf([&] { process.Assign(asReading); }), "Cannot assign object to Process item");
    EXPECT_EQ(ErrorOf([&] { reading.Assign(asProcess); }), "Cannot assign object to Measurement item");

    FillBatch(batch);
    batch.Processes.Assign(static_cast<const TDocumentObject&>(batch.Measurements));
    batch.Measurements.Assign(static_cast<const TDocumentObject&>(settings));
    EXPECT_EQ(batch.Processes.Count(), 2);
    EXPECT_EQ(batch.Measurements.Count(), 2);

    TBatchList list, other;
    list.Add()->Assign(batch);
    other.Assign(static_cast<const TDocumentObject&>(list));
    ASSERT_EQ(other.Count(), 1);
    EXPECT_EQ(other.Items(0)->Processes.Count(), 2);
    EXPECT_NE(other.Items(0), list.Items(0));
}

// ---------------------------------------------------------------------------
// Lists

TEST(BatchLists, IndexesAreCheckedAndEntriesMove) {
    TProcessList list;
    for (const char* id : {"a", "b", "c"})
        list.Add()->Identifier = id;
    list.Exchange(0, 2);
    EXPECT_EQ(list.Items(0)->Identifier, QStringLiteral("c"));
    list.Insert(1)->Identifier = QStringLiteral("n");
    list.Delete(3);
    QStringList ids;
    for (const auto& p : list)
        ids << p->Identifier;
    EXPECT_EQ(ids, QStringList({"c", "n", "b"}));
    EXPECT_EQ(ErrorOf([&] { list.Items(3); }), "List index out of bounds (3)");
    EXPECT_EQ(ErrorOf([&] { list.Delete(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(ErrorOf([&] { TMeasurementList().ElapsedSeconds(0); }), "List index out of bounds (0)");
}

TEST(BatchLists, RunThreadAppendsWhileTheMainThreadCopiesUnderTheLock) {
    TMeasurementList shared;
    constexpr int total = 5000;
    std::thread runner([&] {
        for (int i = 0; i < total; ++i) {
            std::lock_guard<TMeasurementList> guard(shared);
            AddReading(shared, 40000.0 + i);
        }
    });
    TMeasurementList viewed;
    int copied = 0;
    while (copied < total) {
        shared.Lock();
        for (int i = copied; i < shared.Count(); ++i)
            viewed.Add()->Assign(*shared.Items(i));
        copied = shared.Count();
        shared.Unlock();
        std::this_thread::yield();
    }
    runner.join();
    ASSERT_EQ(viewed.Count(), total);
    for (int i = 0; i < total; ++i)
        ASSERT_EQ(viewed.Items(i)->DateTime, 40000.0 + i);
}

TEST(BatchLists, CopiesShareOneBlockOfReadingsUntilOneChanges) {
    TBatchItem source;
    FillBatch(source);
    TBatchItem a, b;
    a.Assign(source);
    b.Assign(a);
    EXPECT_TRUE(a.Measurements.SharesReadingsWith(source.Measurements));
    EXPECT_TRUE(b.Measurements.SharesReadingsWith(source.Measurements));

    b.Measurements.EditItem(1)->Viscosity = 5;
    EXPECT_FALSE(b.Measurements.SharesReadingsWith(source.Measurements));
    EXPECT_TRUE(a.Measurements.SharesReadingsWith(source.Measurements));
    EXPECT_EQ(source.Measurements.Items(1)->Viscosity, 987654.321);
    EXPECT_EQ(b.Measurements.Items(1)->Viscosity, 5);

    a.Measurements.Add()->DateTime = 1;
    source.Measurements.Delete(0);
    EXPECT_EQ(a.Measurements.Count(), 3);
    EXPECT_EQ(source.Measurements.Count(), 1);
    EXPECT_EQ(b.Measurements.Count(), 2);
    EXPECT_EQ(source.Measurements.Items(0)->Viscosity, 987654.321);

    TMeasurementList view(a.Measurements);
    a.Measurements.Clear();
    EXPECT_EQ(view.Count(), 3); // a view keeps what it was given
    EXPECT_EQ(view.Items(2)->DateTime, 1);
}

TEST(BatchSort, SortedIsComputedOnceAndSharedWhileTheReadingsStay) {
    TMeasurementList list;
    for (double t : {3.0, 1.0, 2.0})
        AddReading(list, 40000, 0, 0)->Temperature = t;
    const TMeasurementList copy(list);
    const TMeasurementList first = list.Sorted(3, 0, 0);
    const TMeasurementList second = copy.Sorted(3, 0, 0);
    EXPECT_TRUE(first.SharesReadingsWith(second));
    EXPECT_EQ(list.Items(0)->Temperature, 3.0); // the list keeps its order
    std::vector<double> order;
    for (const auto& m : first)
        order.push_back(m->Temperature);
    EXPECT_EQ(order, (std::vector<double>{1, 2, 3}));
    EXPECT_TRUE(first.Sorted(3, 0, 0).SharesReadingsWith(first)); // already in order

    // A change gives the list readings of its own; sorting them sees the change.
    list.EditItem(1)->Temperature = 9;
    EXPECT_EQ(list.Sorted(3, 0, 0).Items(2)->Temperature, 9);
    EXPECT_EQ(copy.Sorted(3, 0, 0).Items(2)->Temperature, 3);
    EXPECT_EQ(ErrorOf([&] { list.Sorted(7, 0, 0); }), "Invalid sort type");

    // Sorting in place and changing afterwards: the earlier order is not reused.
    list.Sort(3, 0, 0);
    list.EditItem(0)->Temperature = 10; // was 2, the smallest
    list.Sort(3, 0, 0);
    EXPECT_EQ(list.Items(2)->Temperature, 10);
    EXPECT_EQ(list.StartDateTime(), 40000);
}

// ---------------------------------------------------------------------------
// Elapsed time

TEST(BatchElapsed, EarliestIsZeroAndOrderDoesNotMatter) {
    const double start = 36526.5;
    const double later = start + 1.5 / 86400.0;
    for (bool laterFirst : {false, true}) {
        TMeasurementList list;
        AddReading(list, laterFirst ? later : start);
        AddReading(list, laterFirst ? start : later);
        EXPECT_EQ(list.ElapsedSeconds(laterFirst ? 1 : 0), 0.0);
        EXPECT_EQ(list.ElapsedSeconds(laterFirst ? 0 : 1), 1.5);
    }
}

TEST(BatchElapsed, WholeMillisecondsForEveryOffsetOfAnHour) {
    // Readings stamped to the millisecond, as the run thread stamps them.
    const double start = 45000.0 + 37.0 / 86400.0;
    TMeasurementList list;
    AddReading(list, start);
    for (int ms = 1; ms <= 3600000; ms += 997)
        AddReading(list, start + ms / 86400000.0);
    const double begin = list.StartDateTime();
    EXPECT_EQ(begin, start);
    for (int i = 1; i < list.Count(); ++i) {
        const int ms = 1 + (i - 1) * 997;
        ASSERT_EQ(TMeasurementList::ElapsedSecondsBetween(begin, list.Items(i)->DateTime), ms / 1000.0)
            << "at " << ms << " ms";
    }
    EXPECT_EQ(list.ElapsedSeconds(3), (1 + 2 * 997) / 1000.0);
}

TEST(BatchElapsed, FractionsOfAMillisecondAreCutOff) {
    TMeasurementList list;
    AddReading(list, 40000.0);
    AddReading(list, 40000.0 + 2.4996 / 86400.0);
    AddReading(list, 40000.0 - 0.0009 / 86400.0); // earliest: 0.9 ms before
    EXPECT_EQ(list.ElapsedSeconds(1), 2.5);       // 2500.5 ms -> 2500
    EXPECT_EQ(list.ElapsedSeconds(0), 0.0);       // 0.9 ms -> 0
}

// ---------------------------------------------------------------------------
// Sort

TEST(BatchSort, EachKindSortsByItsQuantity) {
    struct Case {
        int kind;
        std::vector<int> expected; // reading numbers (their Temperature) in sorted order
    };
    const std::vector<Case> cases{{0, {2, 0, 1}}, {1, {1, 0, 2}}, {3, {0, 1, 2}},
                                  {4, {0, 2, 1}}, {5, {2, 1, 0}}, {6, {1, 0, 2}}};
    for (const auto& c : cases) {
        TMeasurementList list;
        // reading n: DateTime, Viscosity, RPMCode, SheerStress, SheerRate
        auto add = [&](int n, double dt, double v, int code, double ss, double sr) {
            TMeasurementItem* m = AddReading(list, dt, v, code);
            m->Temperature = n;
            m->SheerStress = ss;
            m->SheerRate = sr;
        };
        add(0, 2.0, 50, 20 /* 0.1 RPM */, 9, 2);
        add(1, 3.0, 10, 19 /* 200 RPM */, 5, 1);
        add(2, 1.0, 90, 1 /* 0.3 RPM */, 3, 7);
        list.Sort(c.kind, 0, 0);
        std::vector<int> order;
        for (const auto& m : list)
            order.push_back(static_cast<int>(m->Temperature));
        EXPECT_EQ(order, c.expected) << "kind " << c.kind;
    }
}

TEST(BatchSort, PercentFullScaleUsesTheGivenModelAndPutsUnusableSpeedsFirst) {
    TMeasurementList list;
    AddReading(list, 1, 100000, 4); // PA on R at 1 RPM: 50 %
    AddReading(list, 2, 500, 14);   // PA at 20 RPM: full scale 0, so 0 % (over scale)
    AddReading(list, 3, 2000, 12);  // PA at 10 RPM: 10 %
    AddReading(list, 4, OverRangeViscosity, 14);
    list.Sort(2, 1, 8);
    std::vector<double> order;
    for (const auto& m : list)
        order.push_back(m->DateTime);
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(std::vector<double>(order.begin() + 2, order.end()), (std::vector<double>{3, 1}));
    EXPECT_TRUE((order[0] == 2 && order[1] == 4) || (order[0] == 4 && order[1] == 2));
}

TEST(BatchSort, InvalidKindRaisesAndLeavesTheOrder) {
    TMeasurementList list;
    AddReading(list, 2);
    AddReading(list, 1);
    for (int kind : {-1, 7})
        EXPECT_EQ(ErrorOf([&] { list.Sort(kind, 0, 0); }), "Invalid sort type");
    EXPECT_EQ(list.Items(0)->DateTime, 2);
    TMeasurementList empty;
    EXPECT_NO_THROW(empty.Sort(2, 0, 0));
}

// ---------------------------------------------------------------------------
// Small rules

TEST(BatchProcessRules, FitsTBarSpindles) {
    struct Case {
        std::vector<std::pair<int, int>> speeds; // RPM codes (start, end)
        bool fits;
    };
    const std::vector<Case> cases{
        {{}, true},
        {{{1, 13}}, true},           // 0.3 -> 12 RPM
        {{{13, 13}, {20, 4}}, true}, // 12, 0.1 -> 1 RPM
        {{{1, 14}}, false},          // ends at 20 RPM
        {{{1, 4}, {14, 4}}, false},  // the second starts at 20 RPM
        {{{4, 19}}, false},          // 200 RPM
    };
    for (const auto& c : cases) {
        TProcessList list;
        for (auto [s, e] : c.speeds) {
            TProcessItem* p = list.Add();
            p->RPMStart = s;
            p->RPMEnd = e;
        }
        EXPECT_EQ(list.FitsTBarSpindles(), c.fits) << c.speeds.size() << " processes";
    }
}

TEST(BatchProcessRules, StartTemperatureTypeName) {
    EXPECT_EQ(StartTemperatureTypeName(0), QStringLiteral("When Above"));
    EXPECT_EQ(StartTemperatureTypeName(1), QStringLiteral("When Below"));
    for (int bad : {-1, 2, 255})
        EXPECT_EQ(ErrorOf([&] { StartTemperatureTypeName(bad); }), "Invalid Start Temperature Type");
}

TEST(BatchNewBatch, TakesDefaultsFromSettings) {
    struct Case {
        const char* model;
        const char* spindle;
        int expectedModel;
        int expectedSpindle;
    };
    const std::vector<Case> cases{
        {"3", "21", 3, 21}, // R model, TR8
        {"0", "21", 0, 0},  // L model does not take TR8: its first spindle L1
        {"1", "2", 1, 8},   // R model does not take L3: PA
        {"-1", "5", 0, 5},  // no model chosen yet: the first model
        {"", "", 0, 0},
    };
    for (const auto& c : cases) {
        TSettings settings;
        settings.Item("DefaultViscoMeter").SetString(c.model);
        settings.Item("defaultspindle").SetString(c.spindle);
        settings.Item("DefaultCompany").SetString("Acme");
        settings.Item("DefaultOperator").SetString("Kim");
        TBatchItem batch;
        batch.SelectedXAxis = 3;
        ApplyNewBatchDefaults(batch, settings);
        EXPECT_EQ(batch.ModelType, c.expectedModel) << c.model;
        EXPECT_EQ(batch.SpindleType, c.expectedSpindle) << c.model << "/" << c.spindle;
        EXPECT_EQ(batch.Company, QStringLiteral("Acme"));
        EXPECT_EQ(batch.Operator, QStringLiteral("Kim"));
        EXPECT_EQ(batch.SelectedXAxis, 0);
        EXPECT_EQ(batch.SelectedYAxis, QStringLiteral("0"));
    }
}

TEST(BatchSelectedYAxis, DamagedEntriesAreSkippedAndTheRestKept) {
    struct Case {
        const char* text;
        TSelectedYAxis shown;
    };
    const Case cases[] = {
        {"0,2", {true, false, true, false, false, false}},
        {"", {}},
        {"5,0", {true, false, false, false, false, true}},
        {"0,x,2", {true, false, true, false, false, false}},
        {"0,,3", {true, false, false, true, false, false}},
        {"-1,6,99999999999,1", {false, true, false, false, false, false}},
        {" 4 ", {false, false, false, false, true, false}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseSelectedYAxis(QString::fromLatin1(c.text)), c.shown) << c.text;
}

TEST(BatchSelectedYAxis, FormatsAscendingIndexesJoinedByCommas) {
    EXPECT_EQ(FormatSelectedYAxis({true, false, true, false, false, false}), QStringLiteral("0,2"));
    EXPECT_EQ(FormatSelectedYAxis({}), QString());
    EXPECT_EQ(FormatSelectedYAxis({false, false, false, false, true, true}), QStringLiteral("4,5"));
}

// A batch file cut off half-way (a copy or a save interrupted) loads the readings
// before the cut and says that it is damaged and how many readings it got.
TEST(BatchFile, ACutOffFileSaysItIsDamagedAndHowFarItGot) {
    TempDir dir;
    TBatchItem full;
    FillBatch(full);
    full.Measurements.Clear();
    constexpr int kReadings = 400;
    for (int i = 0; i < kReadings; ++i)
        AddReading(full.Measurements, 36526.0 + i / 86400.0, 100.0 + i, 3);
    full.SaveToFile(dir.File("whole.epb"));

    TBatchItem whole;
    whole.LoadFromFile(dir.File("whole.epb"));
    EXPECT_FALSE(whole.Damaged()) << whole.LoadWarning.toStdString();

    const QByteArray bytes = dir.Read("whole.epb");
    dir.Write("cut.epb", bytes.left(bytes.size() / 2));
    TBatchItem cut;
    cut.LoadFromFile(dir.File("cut.epb"));
    ASSERT_TRUE(cut.Damaged());
    const int read = cut.Measurements.Count();
    EXPECT_GT(read, kReadings / 4);
    EXPECT_LT(read, kReadings);
    EXPECT_TRUE(cut.LoadWarning.contains(dir.File("cut.epb"))) << cut.LoadWarning.toStdString();
    EXPECT_TRUE(cut.LoadWarning.contains(QStringLiteral("%1 reading(s)").arg(read)))
        << cut.LoadWarning.toStdString();
    EXPECT_EQ(cut.Processes.Count(), full.Processes.Count());

    // The warning goes with copies of the batch, and a load of a sound file clears it.
    TBatchItem copy;
    copy.Assign(cut);
    EXPECT_EQ(copy.LoadWarning, cut.LoadWarning);
    cut.LoadFromFile(dir.File("whole.epb"));
    EXPECT_FALSE(cut.Damaged());
}

// What an edit of the batch view is recorded as: the header field with its old and new
// value, the process added, edited, deleted or moved, or the readings cleared.
TEST(BatchChange, EachKindOfEditIsDescribedWithItsDetails) {
    TBatchItem base;
    base.Company = "Acme";
    base.ModelType = 0;
    base.SpindleType = 1;
    for (const char* id : {"P1", "P2"}) {
        TProcessItem* p = base.Processes.Add();
        p->Identifier = id;
        p->RPMStart = 10;
    }
    for (int i = 0; i < 3; ++i)
        base.Measurements.Add()->Viscosity = i;

    struct Case {
        const char* Name;
        std::function<void(TBatchItem&)> Edit;
        const char* Action;
        QString Details;
    };
    const std::vector<Case> cases{
        {"company", [](TBatchItem& b) { b.Company = "Bolt"; }, "header-changed",
         "Company: \"Acme\" → \"Bolt\""},
        {"spindle by name", [](TBatchItem& b) { b.SpindleType = 2; }, "header-changed",
         QStringLiteral("SpindleType: \"%1\" → \"%2\"")
             .arg(QString::fromLatin1(SpindleNames[1]), QString::fromLatin1(SpindleNames[2]))},
        {"process added", [](TBatchItem& b) { b.Processes.Add()->Identifier = "P3"; }, "processes-changed",
         "Process \"P3\" added (2 processes before, 3 after)"},
        {"process edited", [](TBatchItem& b) { b.Processes.Items(1)->RPMEnd = 20; }, "processes-changed",
         "Process \"P2\" edited (2 processes before, 2 after)"},
        {"process deleted", [](TBatchItem& b) { b.Processes.Delete(0); }, "processes-changed",
         "Processes deleted: \"P1\" (2 processes before, 1 after)"},
        {"processes moved", [](TBatchItem& b) { b.Processes.Exchange(0, 1); }, "processes-changed",
         "Processes moved (2 processes before, 2 after)"},
        {"readings cleared", [](TBatchItem& b) { b.Measurements.Clear(); }, "readings-cleared",
         "3 readings cleared"},
        {"two at once", [](TBatchItem& b) { b.Company = "Bolt", b.Operator = "Ann"; }, "header-changed",
         "Company: \"Acme\" → \"Bolt\"; Operator: \"\" → \"Ann\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TBatchItem after;
        after.Assign(base);
        c.Edit(after);
        const TAuditEntry entry = DescribeBatchChange(base, after);
        EXPECT_EQ(AuditActionName(entry.Action), c.Action);
        EXPECT_EQ(entry.Details, c.Details);
    }
    TBatchItem same;
    same.Assign(base);
    EXPECT_TRUE(DescribeBatchChange(base, same).Details.isEmpty());
}
