// QC in the windows: the "QC Limit Sets" window (create, edit, copy, delete, assign,
// the rules of names, limits in the display units), the verdict marks of the folder
// list, and the batch view's line following a run's readings across a limit (the
// simulated viscometer on a pseudo-terminal).

#include "MainWindowFixture.h"

#include "catalogue/Catalogue.h"
#include "qc/Qc.h"
#include "simulator/ViscoMeterSimulator.h"
#include "ui/FormQcLimitSets.h"
#include "ui/QcStatusLine.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace {

const QString QcData = QStringLiteral(BRAMBLEX_TEST_DATA_DIR "/qc/");

class QcWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(Settings);
        QDir().mkpath(Folder);
        SetViscosityUnits(0);
        SetTemperatureUnits(0);
    }
    void TearDown() override {
        SetViscosityUnits(0);
        SetTemperatureUnits(0);
    }
    std::unique_ptr<TFormQcLimitSets> Open() {
        auto form = std::make_unique<TFormQcLimitSets>(Folder, Settings, Dir.File("Local"), Dialogs);
        form->OnChanged = [this] { ++Changes; };
        form->show();
        return form;
    }
    static void SetRow(TFormQcLimitSets& form, int row, TQcKind kind, const QString& speed,
                       const QString& min, const QString& max) {
        form.SetRowKind(row, static_cast<int>(kind));
        QTableWidget* table = form.ListViewCriteria();
        if (!speed.isEmpty())
            table->item(row, TFormQcLimitSets::ColumnSpeed)->setText(speed);
        table->item(row, TFormQcLimitSets::ColumnMinimum)->setText(min);
        table->item(row, TFormQcLimitSets::ColumnMaximum)->setText(max);
    }
    static QStringList Names(const TFormQcLimitSets& form) {
        QStringList names;
        for (int i = 0; i < form.ListBoxLimitSets()->count(); ++i)
            names << form.ListBoxLimitSets()->item(i)->text();
        return names;
    }

    TempDir Dir;
    const QString Settings = Dir.File("Settings");
    const QString Folder = Dir.File("Local") + "/Line 1";
    TScriptedDialogs Dialogs;
    int Changes = 0;
};

} // namespace

// A new limit set entered in cP and °F is stored in mPas and °C; a name that is not a
// file name, or is taken, is refused with the report rule's message and nothing is
// written; what the table cannot keep names its row.
TEST_F(QcWindowTest, CreateWithTheNameRulesAndTheDisplayUnits) {
    SetViscosityUnits(1);
    SetTemperatureUnits(1);
    SaveQcLimitSet(Settings,
                   {QStringLiteral("Glue"), {QcCriterionFromDisplay(TQcKind::FlowIndex, 0, 0.5, {})}});
    auto form = Open();
    EXPECT_TRUE(UnnamedControls(form.get()).isEmpty())
        << UnnamedControls(form.get()).join(", ").toStdString();
    EXPECT_EQ(form->windowTitle(), "QC Limit Sets");

    form->NewLimitSet();
    EXPECT_FALSE(form->EditName()->isReadOnly());
    ASSERT_EQ(form->ListViewCriteria()->rowCount(), 1);
    form->AddCriterion();
    SetRow(*form, 0, TQcKind::ViscosityAt, "20", "1000", "1500");
    SetRow(*form, 1, TQcKind::TemperatureAt, "20", "", "77");
    EXPECT_EQ(form->ListViewCriteria()->item(0, TFormQcLimitSets::ColumnUnit)->text(), "cP");
    EXPECT_EQ(form->ListViewCriteria()->item(1, TFormQcLimitSets::ColumnUnit)->text(),
              QString::fromUtf8("°F"));

    const struct {
        const char* Name;
        const char* Message;
    } refused[] = {
        {"a/b", "\"a/b\" is not a valid name."},
        {"", "\"\" is not a valid name."},
        {"GLUE", "A limit set with the name you specified already exists. Specify a different name."},
    };
    for (const auto& r : refused) {
        Dialogs.Log.clear();
        form->EditName()->setText(QString::fromUtf8(r.Name));
        EXPECT_FALSE(form->SaveLimitSet()) << r.Name;
        EXPECT_EQ(Dialogs.Texts("error"), QStringList{QString::fromUtf8(r.Message)});
    }
    EXPECT_EQ(QcLimitSetNames(Settings), QStringList{"Glue"});
    // Typed, a character no file name may hold is refused with a beep.
    Dialogs.Log.clear();
    form->EditName()->clear();
    QTest::keyClicks(form->EditName(), "Pa:int");
    EXPECT_EQ(form->EditName()->text(), "Paint");
    EXPECT_EQ(Dialogs.Count("beep"), 1);

    Dialogs.Log.clear();
    form->ListViewCriteria()->item(0, TFormQcLimitSets::ColumnMaximum)->setText("lots");
    EXPECT_FALSE(form->SaveLimitSet());
    EXPECT_EQ(Dialogs.Texts("error"), QStringList{"Criterion 1: \"lots\" is not a number."});
    form->ListViewCriteria()->item(0, TFormQcLimitSets::ColumnMaximum)->setText("1500");
    ASSERT_TRUE(form->SaveLimitSet()) << Dialogs.Texts("error").join('\n').toStdString();
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(Names(*form), (QStringList{"Glue", "Paint"}));
    EXPECT_TRUE(form->EditName()->isReadOnly());

    const TQcLimitSet saved = LoadQcLimitSet(Settings, "Paint");
    ASSERT_EQ(saved.Criteria.size(), 2u);
    EXPECT_EQ(saved.Criteria[0].Kind, TQcKind::ViscosityAt);
    EXPECT_EQ(saved.Criteria[0].RPM, 20.0);
    EXPECT_EQ(saved.Criteria[0].Min, 1000.0); // 1 cP = 1 mPas
    EXPECT_EQ(saved.Criteria[0].Max, 1500.0);
    EXPECT_FALSE(saved.Criteria[1].Min);
    EXPECT_NEAR(*saved.Criteria[1].Max, 25.0, 1e-12); // 77 °F
}

// Editing an existing set keeps its name; leaving it with changes asks; copy and delete
// go through the library's rules; assigning writes the folder's assignment, which the
// label then names.
TEST_F(QcWindowTest, EditCopyDeleteAndAssign) {
    SaveQcLimitSet(Settings,
                   {QStringLiteral("Paint"), {QcCriterionFromDisplay(TQcKind::ViscosityAt, 20, 1000, 1500)}});
    SaveQcLimitSet(Settings,
                   {QStringLiteral("Glue"), {QcCriterionFromDisplay(TQcKind::FlowIndex, 0, 0.5, {})}});
    auto form = Open();
    form->SelectLimitSet("Paint");
    ASSERT_EQ(form->ListViewCriteria()->rowCount(), 1);
    EXPECT_EQ(form->ListViewCriteria()->item(0, TFormQcLimitSets::ColumnMaximum)->text(), "1500");
    form->ListViewCriteria()->item(0, TFormQcLimitSets::ColumnMaximum)->setText("1400");
    EXPECT_TRUE(form->Modified());

    // Leaving asks: Cancel stays with the change, Yes saves it.
    Dialogs.Answers = {QMessageBox::Cancel, QMessageBox::Yes};
    form->SelectLimitSet("Glue");
    EXPECT_EQ(form->EditName()->text(), "Paint");
    form->SelectLimitSet("Glue");
    EXPECT_EQ(Dialogs.Texts("question"), QStringList(2, "Save the changes to the limit set \"Paint\"?"));
    EXPECT_EQ(form->EditName()->text(), "Glue");
    EXPECT_EQ(LoadQcLimitSet(Settings, "Paint").Criteria.at(0).Max, 1400.0);

    ASSERT_TRUE(form->CopyLimitSet());
    EXPECT_EQ(form->EditName()->text(), "Copy of Glue");
    EXPECT_EQ(LoadQcLimitSet(Settings, "Copy of Glue").Criteria, LoadQcLimitSet(Settings, "Glue").Criteria);

    Dialogs.Answers = {QMessageBox::No};
    EXPECT_FALSE(form->DeleteLimitSet());
    Dialogs.Answers = {QMessageBox::Yes};
    ASSERT_TRUE(form->DeleteLimitSet());
    EXPECT_EQ(Dialogs.Texts("question").last(), "Are you sure you want to delete 'Copy of Glue'?");
    EXPECT_EQ(QcLimitSetNames(Settings), (QStringList{"Glue", "Paint"}));
    EXPECT_EQ(Names(*form), (QStringList{"Glue", "Paint"}));

    const QString shownFolder = QDir::toNativeSeparators(Folder + "/");
    EXPECT_EQ(form->LabelAssignment()->text(),
              QStringLiteral("No limit set applies to the folder \"%1\".").arg(shownFolder));
    EXPECT_FALSE(form->Button("ButtonRemoveAssignment")->isEnabled());
    form->SelectLimitSet("Paint");
    const int before = Changes;
    ASSERT_TRUE(form->AssignLimitSet());
    EXPECT_EQ(FolderQcAssignment(Folder), "Paint");
    EXPECT_EQ(form->LabelAssignment()->text(),
              QStringLiteral("The folder \"%1\" uses the limit set \"Paint\".").arg(shownFolder));
    ASSERT_TRUE(form->RemoveAssignment());
    EXPECT_EQ(FolderQcAssignment(Folder), QString());
    EXPECT_EQ(Changes, before + 2);
    EXPECT_TRUE(Dialogs.Texts("error").isEmpty()) << Dialogs.Texts("error").join('\n').toStdString();
}

// Each batch's row carries its verdict's mark once it is worked out, the folder's
// columns unchanged; removing the assignment in the window opened from the tool bar
// takes the marks away.
TEST_F(MainWindowTest, FolderListMarksEachBatchWithItsVerdict) {
    const QString folder = Local() + "QC/";
    QDir().mkpath(folder);
    QFile::copy(QcData + "two_speeds.epb", folder + "pass.epb"); // 205 mPas at 20 RPM
    QFile::copy(QcData + "warming.epb", folder + "fail.epb");    // (250 + 250 + 125) / 3 mPas
    QFile::copy(QcData + "empty.epb", folder + "wait.epb");
    QDir().mkpath(Storage() + "Settings");
    SaveQcLimitSet(Storage() + "Settings",
                   {QStringLiteral("Paint"), {QcCriterionFromDisplay(TQcKind::ViscosityAt, 20, {}, 206)}});
    AssignQcLimitSet(folder, "Paint");
    Start();
    ShowFolder(folder);
    TFormLocal* list = Form->FormLocal();
    ASSERT_TRUE(WaitFor([&] { return !list->QcVerdictsBusy(); }, 10000));
    QApplication::processEvents();

    QAbstractItemModel* model = list->ListViewLocal()->model();
    EXPECT_EQ(model->columnCount(), 2);
    const QIcon plain = Form->style()->standardIcon(QStyle::SP_FileDialogContentsView);
    const struct {
        const char* Name;
        TQcVerdict Verdict;
        const char* Tip;
    } rows[] = {{"fail", TQcVerdict::Fail, "QC: FAIL"},
                {"pass", TQcVerdict::Pass, "QC: PASS"},
                {"wait", TQcVerdict::Incomplete, "QC: INCOMPLETE"}};
    ASSERT_EQ(list->Entries.Count(), 3);
    QSet<qint64> icons;
    for (int row = 0; row < 3; ++row) {
        SCOPED_TRACE(rows[row].Name);
        const QModelIndex index = model->index(row, 0);
        EXPECT_EQ(index.data().toString(), rows[row].Name);
        EXPECT_EQ(list->EntryQcVerdict(*list->Entries.Items(row)), rows[row].Verdict);
        EXPECT_EQ(index.data(Qt::ToolTipRole).toString(), rows[row].Tip);
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        EXPECT_NE(icon.pixmap(16).toImage(), plain.pixmap(16).toImage());
        icons.insert(icon.cacheKey());
    }
    EXPECT_EQ(icons.size(), 3);

    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TFormQcLimitSets*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->RemoveAssignment());
        form->reject();
    });
    ASSERT_TRUE(Enabled("ActionQcLimitSets"));
    A("ActionQcLimitSets")->trigger();
    ASSERT_TRUE(WaitFor([&] { return !list->QcVerdictsBusy(); }, 10000));
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(model->index(row, 0).data(Qt::ToolTipRole).toString(), QString()) << row;
}

namespace {

class QcRunTest : public MainWindowTest {
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
    TViscoMeterSimulator Sim;
};

} // namespace

// The line above the views follows the readings of a run: within the limit while the
// sample reads half the full scale, out of it once the mean passes 60 %.
TEST_F(QcRunTest, TheBatchViewLineFollowsTheReadingsOfARun) {
    const int code = 14;
    const double fullScale = FullScale(2, 1, code);
    const double rpm = RPMCodeToValue(code);
    Sim.SetFluidViscosity(0.5 * fullScale);
    const QString path = Local() + "Run.epb";
    {
        QDir().mkpath(Local());
        TBatchItem batch;
        batch.ModelType = 2;
        batch.SpindleType = 1;
        batch.SelectedYAxis = QStringLiteral("0");
        TProcessItem* p = batch.Processes.Add();
        p->Identifier = QStringLiteral("Hold");
        p->RPMStart = code;
        p->RPMEnd = code;
        p->Time = 12;
        p->MeasurementCount = 6;
        batch.SaveToFile(path);
    }
    QDir().mkpath(Storage() + "Settings");
    SaveQcLimitSet(
        Storage() + "Settings",
        {QStringLiteral("Run"), {QcCriterionFromDisplay(TQcKind::ViscosityAt, rpm, {}, 0.6 * fullScale)}});
    AssignQcLimitSet(Local(), "Run");
    Start();
    ShowFolder(Local());
    SelectInList(path);
    TQcStatusLine* line = Form->FormViewBatch()->QcStatusLine();
    // No readings yet: incomplete.
    EXPECT_TRUE(line->isVisible());
    EXPECT_EQ(line->Result().Verdict, TQcVerdict::Incomplete);
    EXPECT_TRUE(
        line->LabelQcStatus()->text().startsWith("QC INCOMPLETE against \"Run\" – no data yet: Viscosity at"))
        << line->LabelQcStatus()->text().toStdString();

    A("ActionStartAuto")->trigger();
    ASSERT_TRUE(Form->RunInProgress()) << Dialogs.Texts("error").join('\n').toStdString();
    ASSERT_TRUE(WaitFor([&] { return line->Result().Verdict == TQcVerdict::Pass; }, 15000))
        << line->LabelQcStatus()->text().toStdString();
    EXPECT_EQ(line->LabelQcStatus()->text(), "QC PASS against \"Run\"");
    Sim.SetFluidViscosity(0.95 * fullScale);
    ASSERT_TRUE(WaitFor([&] { return line->Result().Verdict == TQcVerdict::Fail; }, 15000))
        << line->LabelQcStatus()->text().toStdString();
    EXPECT_TRUE(Form->RunInProgress());
    EXPECT_TRUE(line->LabelQcStatus()->text().startsWith("QC FAIL against \"Run\" – failing: Viscosity at"))
        << line->LabelQcStatus()->text().toStdString();
    A("ActionStop")->trigger();
    ASSERT_TRUE(WaitFor([&] { return !Form->RunInProgress(); }, 20000));
}
