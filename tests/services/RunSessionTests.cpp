// The run session against the simulated viscometer on a pseudo-terminal: runs end with
// every reading in the batch file, the journal gone, and the operator's edits kept.

#include "services/RunSession.h"

#include "documents/DamagedSource.h"
#include "instrument/CommViscoMeterThread.h"
#include "platform/FileSystem.h"
#include "services/BatchStore.h"
#include "services/RunJournal.h"
#include "simulator/ViscoMeterSimulator.h"
#include "support/TempDir.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class RunSessionTest : public ::testing::Test {
protected:
    void SetUp() override { QDir().mkpath(Dir.File("Local")); }

    QString BatchPath() const { return Dir.File("Local/Run.epb"); }

    static std::unique_ptr<TBatchItem> Batch(int model, int spindle, int processes) {
        auto made = std::make_unique<TBatchItem>();
        TBatchItem& batch = *made;
        batch.ModelType = static_cast<uint8_t>(model);
        batch.SpindleType = static_cast<uint8_t>(spindle);
        batch.Note = "before";
        for (int i = 0; i < processes; ++i) {
            TProcessItem* p = batch.Processes.Add();
            p->RPMStart = 14;
            p->RPMEnd = 14;
            p->Time = 2;
            p->MeasurementCount = 2;
        }
        return made;
    }

    TRunSession::TOptions Options(TRunSession::TMode mode, const QString& device) const {
        TRunSession::TOptions options;
        options.Mode = mode;
        options.Port.Device = device;
        options.JournalFolder = Dir.File("journals");
        options.MonitorIntervalMs = 100;
        return options;
    }

    // Runs the event loop until the session has ended (or the time-out).
    static bool RunToEnd(TRunSession& session, int timeoutMs) {
        QEventLoop loop;
        session.OnTerminate = [&] { loop.quit(); };
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
        return session.Finished();
    }

    TempDir Dir;
};

} // namespace

TEST_F(RunSessionTest, AnAutomaticRunSavesEveryReadingAndRemovesItsJournal) {
    TViscoMeterSimulator sim;
    sim.SetFluid(SimFluidNewtonianOil());
    sim.Start();
    auto batch = Batch(2, 1, 1); // L2 at 20 RPM: full scale 1500 mPas
    batch->SaveToFile(BatchPath());
    TRunSession session(*batch, BatchPath(), Options(TRunSession::TMode::Automatic, sim.SlavePath()));
    QStringList statuses;
    int copied = 0;
    session.OnStatus = [&](const QString& text, int, int) { statuses << text; };
    session.OnReadings = [&](int n) { copied += n; };
    QString journalPath;
    session.Start();
    journalPath = TRunJournal::PathFor(Dir.File("journals"), BatchPath());
    EXPECT_TRUE(EntryExists(journalPath)) << "the journal lives while the run does";

    ASSERT_TRUE(RunToEnd(session, 20000));
    const TRunSession::TResult& result = session.Result();
    EXPECT_TRUE(result.Saved);
    EXPECT_TRUE(result.Errors.isEmpty()) << result.Errors.join('\n').toStdString();
    EXPECT_EQ(result.ReadingsAdded, 2);
    EXPECT_GE(copied, 1);
    EXPECT_TRUE(statuses.contains("Processing Item 1 of 1")) << statuses.join('|').toStdString();
    EXPECT_FALSE(EntryExists(journalPath));

    TBatchItem saved;
    saved.LoadFromFile(BatchPath());
    ASSERT_EQ(saved.Measurements.Count(), 2);
    // The oil at 25 C: the simulator's fluid, not a fixed number.
    EXPECT_NEAR(saved.Measurements.Items(0)->Viscosity, SimFluidNewtonianOil().ViscosityAt(20.0, 25.0), 0.1);
}

// The window's run: the readings go into the store's document the views show, as they
// come, and the note typed into it meanwhile is saved with them.
TEST_F(RunSessionTest, ARunOnAShownDocumentAppendsItsReadingsThere) {
    TViscoMeterSimulator sim;
    sim.SetFluid(SimFluidNewtonianOil());
    sim.Start();
    Batch(2, 1, 1)->SaveToFile(BatchPath());
    TFileItem entry;
    entry.FileType = FileTypeBatch;
    entry.FilePath = BatchPath();
    ASSERT_TRUE(entry.Load());
    TBatchStore store;
    const std::shared_ptr<TBatchDocument> shown = store.Document(entry);
    std::vector<std::pair<int, int>> appended;
    QObject::connect(shown.get(), &TBatchDocument::ReadingsAppended,
                     [&](int first, int count) { appended.emplace_back(first, count); });
    TRunSession session(store.Document(entry), Options(TRunSession::TMode::Automatic, sim.SlavePath()));
    session.Start();
    shown->Batch().Note = "typed during the run";
    ASSERT_TRUE(RunToEnd(session, 20000));

    EXPECT_EQ(&session.Batch(), &shown->Batch());
    ASSERT_EQ(shown->Batch().Measurements.Count(), 2);
    ASSERT_FALSE(appended.empty());
    int next = 0;
    for (const auto& [first, count] : appended) {
        EXPECT_EQ(first, next) << "each reading announced once, in order";
        next = first + count;
    }
    EXPECT_EQ(next, 2);
    TBatchItem saved;
    saved.LoadFromFile(BatchPath());
    EXPECT_EQ(saved.Measurements.Count(), 2);
    EXPECT_EQ(saved.Note, "typed during the run");
}

TEST_F(RunSessionTest, AManualRunTakesOverModelSpindleAndReadingsButKeepsTheNote) {
    TViscoMeterSimulator sim;
    sim.SetModel(1);
    sim.SetSpindle(15); // R2, which no L model takes
    sim.SetRPMCode(14);
    sim.Start();
    // The batch names another model and spindle; the instrument's spindle wins, and
    // with it a model that takes it.
    auto batch = Batch(2, 0, 0);
    TRunSession::TOptions options = Options(TRunSession::TMode::Manual, sim.SlavePath());
    options.ReadingLimit = 3;
    TRunSession session(*batch, BatchPath(), options);
    int started = 0;
    session.OnStarted = [&] {
        ++started;
        // Typed while the run went on.
        session.Batch().Note = "typed during the run";
    };
    session.Start();
    sim.StartManual(150);
    ASSERT_TRUE(RunToEnd(session, 20000));

    EXPECT_EQ(started, 1);
    EXPECT_TRUE(session.Result().Saved);
    TBatchItem saved;
    saved.LoadFromFile(BatchPath());
    EXPECT_EQ(saved.ModelType, 1);
    EXPECT_EQ(saved.SpindleType, 15);
    EXPECT_EQ(saved.Measurements.Count(), 3) << "the limit holds";
    EXPECT_EQ(saved.Note, "typed during the run");
}

TEST_F(RunSessionTest, ABatchThatCannotBeSavedKeepsItsReadingsForAnotherFile) {
    TViscoMeterSimulator sim;
    sim.Start();
    const QString folder = Dir.File("Gone");
    QDir().mkpath(folder);
    const QString path = folder + "/Run.epb";
    TRunSession session(*Batch(2, 0, 1), path, Options(TRunSession::TMode::Automatic, sim.SlavePath()));
    session.Start();
    // The folder disappears while the run goes on (a stick pulled out).
    ASSERT_TRUE(QDir(folder).removeRecursively());
    ASSERT_TRUE(RunToEnd(session, 20000));

    const TRunSession::TResult& result = session.Result();
    EXPECT_FALSE(result.Saved);
    EXPECT_TRUE(result.SaveError.contains("No such file or directory")) << result.SaveError.toStdString();
    ASSERT_FALSE(result.JournalPath.isEmpty());
    TOrphanJournal orphan;
    ASSERT_TRUE(ReadOrphanJournal(result.JournalPath, orphan));
    EXPECT_EQ(orphan.Readings.size(), 2u);

    const QString elsewhere = Dir.File("Saved elsewhere.epb");
    session.SaveTo(elsewhere);
    TBatchItem saved;
    saved.LoadFromFile(elsewhere);
    EXPECT_EQ(saved.Measurements.Count(), 2);
    EXPECT_FALSE(EntryExists(result.JournalPath.isEmpty() ? orphan.JournalPath : result.JournalPath));
}

// The front ends start no run on a damaged batch; should one run anyway, its end does
// not write the part that was read over the file: the readings wait in the journal.
TEST_F(RunSessionTest, ARunOfADamagedBatchDoesNotSaveOverItsFile) {
    TViscoMeterSimulator sim;
    sim.Start();
    auto whole = Batch(2, 0, 3);
    whole->SaveToFile(BatchPath());
    QByteArray bytes;
    {
        QFile file(BatchPath());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        bytes = file.readAll();
        // Cut off at the very end: every process is there to run.
        bytes = bytes.left(bytes.lastIndexOf("</Batch>"));
        file.resize(0);
        file.write(bytes);
    }
    TBatchItem damaged;
    damaged.LoadFromFile(BatchPath());
    ASSERT_TRUE(damaged.Damaged());
    ASSERT_EQ(damaged.Processes.Count(), 3);
    TRunSession session(damaged, BatchPath(), Options(TRunSession::TMode::Automatic, sim.SlavePath()));
    session.Start();
    ASSERT_TRUE(RunToEnd(session, 30000));

    const TRunSession::TResult& result = session.Result();
    EXPECT_FALSE(result.Saved);
    EXPECT_EQ(result.SaveError, TDamagedSource::RefusalMessage(damaged.LoadWarning));
    EXPECT_FALSE(result.JournalPath.isEmpty());
    QFile file(BatchPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

TEST_F(RunSessionTest, TheSimulatedPortRunsTheBuiltInInstrument) {
    auto batch = Batch(2, 2, 1); // L3 at 20 RPM: full scale 6000 mPas
    TRunSession::TOptions options = Options(TRunSession::TMode::Automatic, QString());
    options.Port = RunPortFromText("simulated");
    ASSERT_TRUE(options.Port.Simulated);
    TRunSession session(*batch, BatchPath(), options);
    session.Start();
    ASSERT_NE(session.Simulator(), nullptr);
    ASSERT_TRUE(RunToEnd(session, 20000));
    EXPECT_TRUE(session.Result().Errors.isEmpty()) << session.Result().Errors.join('\n').toStdString();
    TBatchItem saved;
    saved.LoadFromFile(BatchPath());
    ASSERT_EQ(saved.Measurements.Count(), 2);
    // The shear-thinning sample at 20 RPM, between 22 and 25 C.
    const double v = saved.Measurements.Items(0)->Viscosity;
    EXPECT_GT(v, SimFluidShearThinning().ViscosityAt(20.0, 25.5));
    EXPECT_LT(v, SimFluidShearThinning().ViscosityAt(20.0, 21.5));
}

TEST_F(RunSessionTest, StartRefusesWhatCannotRun) {
    // A V1 model runs no processes; an unknown port has nothing to open.
    TRunSession v1(*Batch(0, 0, 1), BatchPath(), Options(TRunSession::TMode::Automatic, "/dev/null-port"));
    EXPECT_THROW(v1.Start(), EBramblexError);
    EXPECT_FALSE(v1.Running());
    TRunSession none(*Batch(2, 0, 1), BatchPath(), Options(TRunSession::TMode::Automatic, QString()));
    EXPECT_THROW(none.Start(), EBramblexError);
    EXPECT_FALSE(EntryExists(TRunJournal::PathFor(Dir.File("journals"), BatchPath())));
}

TEST(SimulatedFluids, FollowSpeedAndTemperature) {
    const TSimFluid paint = SimFluidShearThinning();
    EXPECT_GT(paint.ViscosityAt(5.0, 25.0), paint.ViscosityAt(50.0, 25.0)) << "shear-thinning";
    EXPECT_GT(paint.ViscosityAt(10.0, 20.0), paint.ViscosityAt(10.0, 30.0)) << "thinner when warm";
    const TSimFluid oil = SimFluidNewtonianOil();
    EXPECT_DOUBLE_EQ(oil.ViscosityAt(5.0, 25.0), oil.ViscosityAt(50.0, 25.0)) << "Newtonian";
    // An ISO VG 220 gear oil: about 200 mPas at 40 C.
    EXPECT_NEAR(oil.ViscosityAt(10.0, 40.0), 200.0, 10.0);
}
