// Runs through the window against the simulated viscometer on a pseudo-terminal: an
// Auto run and a Manual collection end with every reading in the batch file; the
// analysis tab follows a run; closing waits for the run; a batch that cannot be saved
// is saved elsewhere; and the readings of a run killed with SIGKILL come back at the
// next start.

#include "MainWindowFixture.h"

#include "platform/FileSystem.h"
#include "services/RunJournal.h"
#include "services/RunSession.h"
#include "simulator/ViscoMeterSimulator.h"
#include "ui/FormViewAnalysis.h"
#include "ui/FormViewHeader.h"
#include "ui/FormViewMeasurements.h"
#include "ui/KorvTabBar.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QTabBar>
#include <QTableView>
#include <QToolButton>

#include <csignal>

namespace {

class RunWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Sim.Start();
        WriteSettings({{"DefaultViscoMeter", "2"}, {"ComPort", "0"}, {"ComPortDevice", Sim.SlavePath()}});
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        Sim.Stop();
    }

    bool NavigationShown() const {
        return Form->TreeViewMain()->isVisible() && Form->FormLocal()->ListViewLocal()->isVisible();
    }

    TViscoMeterSimulator Sim;
};

} // namespace

TEST_F(RunWindowTest, AnAutoRunHidesTheFoldersShowsItsProgressAndSavesEveryReading) {
    const QString path = Local() + "Auto.epb";
    WriteBatch(path, 2, 1, 0, 1); // one process: 2 s, 2 readings
    Start();
    ShowFolder(Local());
    SelectInList(path);
    ASSERT_TRUE(Enabled("ActionStartAuto"));
    A("ActionStartAuto")->trigger();
    ASSERT_TRUE(Form->RunInProgress()) << Dialogs.Texts("error").join('\n').toStdString();

    TFormViewBatch* view = Form->FormViewBatch();
    EXPECT_FALSE(NavigationShown());
    EXPECT_TRUE(view->PanelProcessPanel()->isVisible());
    EXPECT_FALSE(view->SpeedButtonToggleView()->isVisible());
    EXPECT_TRUE(Enabled("ActionStop"));
    for (const char* name : {"ActionStartAuto", "ActionStartManual", "ActionPreferences", "ActionNew",
                             "ActionDeleteFolderFile", "ActionClear"})
        EXPECT_FALSE(Enabled(name)) << name;

    // The status arrives while the run goes on.
    ASSERT_TRUE(
        WaitFor([&] { return view->LabelProcessInfo()->text().startsWith("Processing Item"); }, 10000))
        << view->LabelProcessInfo()->text().toStdString();
    ASSERT_TRUE(WaitFor([&] { return !Form->RunInProgress(); }, 20000));
    // The folder list and the commands catch up in the next turns of the event loop.
    EXPECT_TRUE(WaitFor([&] { return Enabled("ActionClear"); }, 5000));
    EXPECT_TRUE(Dialogs.Texts("error").isEmpty()) << Dialogs.Texts("error").join('\n').toStdString();
    EXPECT_EQ(Readings(path), 2);
    EXPECT_TRUE(NavigationShown());
    EXPECT_FALSE(view->PanelProcessPanel()->isVisible());
    EXPECT_TRUE(view->SpeedButtonToggleView()->isVisible());
    // The batch now has readings: no second run, but Clear.
    EXPECT_FALSE(Enabled("ActionStartAuto"));
    EXPECT_TRUE(Enabled("ActionClear"));
    EXPECT_FALSE(EntryExists(TRunJournal::PathFor(TRunJournal::DefaultFolder(), path)));
}

TEST_F(RunWindowTest, AManualCollectionTakesTheInstrumentsModelAndKeepsANoteTypedMeanwhile) {
    Sim.SetModel(1);
    Sim.SetSpindle(15); // R2: no L model takes it, so the model changes too
    Sim.SetRPMCode(14);
    const QString path = Local() + "Manual.epb";
    WriteBatch(path, 2, 0);
    Start();
    ShowFolder(Local());
    SelectInList(path);
    A("ActionStartManual")->trigger();
    ASSERT_TRUE(Form->RunInProgress());
    TFormViewBatch* view = Form->FormViewBatch();
    EXPECT_EQ(view->KorvTabPreview()->currentIndex(), 2) << "the readings tab";
    EXPECT_EQ(view->LabelProcessInfo()->text(), "Please Wait...");

    Sim.StartManual(200);
    ASSERT_TRUE(WaitFor(
        [&] { return view->FormViewMeasurements()->ListViewMeasurements()->model()->rowCount() >= 2; },
        10000));
    // A note typed while the instrument prints.
    view->SetTabIndex(0);
    QPlainTextEdit* note = view->FormViewHeader()->MemoNote();
    note->setFocus();
    note->setPlainText("Sample stirred before reading 3");
    Form->FormLocal()->setFocus();
    QApplication::processEvents();

    // Closing is refused while the run goes on; it stops the run instead.
    EXPECT_FALSE(Form->close());
    EXPECT_TRUE(Form->isVisible());
    ASSERT_TRUE(WaitFor([&] { return !Form->RunInProgress(); }, 10000));

    TBatchItem saved;
    saved.LoadFromFile(path);
    EXPECT_GE(saved.Measurements.Count(), 2);
    EXPECT_EQ(saved.ModelType, 1) << "the instrument's model";
    EXPECT_EQ(saved.SpindleType, 15);
    EXPECT_EQ(saved.Note, "Sample stirred before reading 3");
    EXPECT_TRUE(Form->close()) << "after the run the window closes";
}

TEST_F(RunWindowTest, TheAnalysisTabFollowsARunToItsLastReading) {
    const QString path = Local() + "Analysed.epb";
    WriteBatch(path, 2, 1, 0, 2); // two processes of 2 readings each
    Start();
    ShowFolder(Local());
    SelectInList(path);
    A("ActionStartAuto")->trigger();
    ASSERT_TRUE(Form->RunInProgress()) << Dialogs.Texts("error").join('\n').toStdString();
    TFormViewBatch* view = Form->FormViewBatch();
    view->SetTabIndex(3);
    TFormViewAnalysis* analysis = view->FormViewAnalysis();
    ASSERT_EQ(view->DockedView(), analysis);

    // Readings analysed while the run goes on, then all of them.
    ASSERT_TRUE(WaitFor([&] { return analysis->Analysis().Readings >= 1; }, 10000));
    EXPECT_TRUE(Form->RunInProgress());
    ASSERT_TRUE(WaitFor([&] { return !Form->RunInProgress(); }, 20000));
    ASSERT_TRUE(WaitFor([&] { return !analysis->AnalysisPending(); }, 5000));
    EXPECT_EQ(Readings(path), 4);
    EXPECT_EQ(analysis->Analysis().Readings, 4);
    EXPECT_TRUE(Dialogs.Texts("error").isEmpty()) << Dialogs.Texts("error").join('\n').toStdString();
}

TEST_F(RunWindowTest, ABatchThatCannotBeSavedIsSavedElsewhere) {
    const QString folder = Local() + "Stick/";
    const QString path = folder + "Run.epb";
    WriteBatch(path, 2, 1, 0, 1);
    Start();
    ShowFolder(folder);
    SelectInList(path);
    const QString elsewhere = Dir.File("elsewhere.epb");
    Dialogs.Paths = {elsewhere};
    A("ActionStartAuto")->trigger();
    ASSERT_TRUE(Form->RunInProgress());
    ASSERT_TRUE(QDir(folder).removeRecursively()); // the stick is pulled out
    ASSERT_TRUE(WaitFor([&] { return !Form->RunInProgress(); }, 20000));

    const QStringList errors = Dialogs.Texts("error");
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].contains(path)) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].contains("No such file or directory")) << errors[0].toStdString();
    EXPECT_EQ(Dialogs.Count("save"), 1);
    EXPECT_EQ(Readings(elsewhere), 2);
    EXPECT_TRUE(FindOrphanJournals().empty()) << "saved: the journal went";
}

TEST_F(MainWindowTest, ReadingsOfARunKilledMidwayAreRecoveredAtTheNextStart) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString path = Local() + "Killed.epb";
    {
        TBatchItem batch;
        batch.ModelType = 2;
        batch.SpindleType = 2;
        batch.Company = "Acme";
        TProcessItem* p = batch.Processes.Add();
        p->RPMStart = 14;
        p->RPMEnd = 14;
        p->Time = 60;
        p->MeasurementCount = 60;
        QDir().mkpath(Local());
        batch.SaveToFile(path);
    }
    // A run in another program, killed without warning once it has taken readings.
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QStringLiteral(BRAMBLEX_BINARY_DIR "/tools/cli/bramblex-cli"),
              {"run", "--port", "simulated", path});
    ASSERT_TRUE(run.waitForStarted(5000));
    const QString journal = TRunJournal::PathFor(TRunJournal::DefaultFolder(), path);
    auto journalReadings = [&] {
        QFile file(journal);
        return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count("\nR ")) : 0;
    };
    ASSERT_TRUE(WaitFor([&] { return journalReadings() >= 3; }, 20000)) << run.readAll().toStdString();
    ::kill(static_cast<pid_t>(run.processId()), SIGKILL);
    run.waitForFinished(5000);
    const int taken = journalReadings();
    EXPECT_EQ(Readings(path), 0) << "the batch file never heard of them";

    Dialogs.Answers = {QMessageBox::Yes};
    Start();
    ASSERT_TRUE(WaitFor([&] { return Dialogs.Count("question") > 0; }, 3000));
    EXPECT_TRUE(Dialogs.Texts("question").first().contains(path));
    QApplication::processEvents();
    TBatchItem recovered;
    recovered.LoadFromFile(path);
    EXPECT_EQ(recovered.Measurements.Count(), taken);
    EXPECT_EQ(recovered.Company, "Acme");
    EXPECT_FALSE(EntryExists(journal));
}
