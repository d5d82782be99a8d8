// The processes tab and the process wizard.

#include "BatchViewFixture.h"

#include "ui/FormProcessWizard.h"
#include "ui/FormViewProcesses.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

constexpr int L1 = 0, PB = 9;
constexpr int V2L = 2;

// What the operator enters, page by page; a field left empty stays as the page shows it.
struct Entry {
    QString Identifier;
    QString StartRPM = "0.3";
    QString EndRPM = "0.3";
    QString Time = "60";
    bool Delay = false;
    QString DelayText;
    bool Temperature = false;
    int Tendency = 0;
    QString TemperatureText;
    QString Measurements = "10";
};

// Walks the wizard from its first page with entry; returns the page it stopped on (the
// finish page when every check passed) and presses Finish there when finish is set.
int Walk(TFormProcessWizard& wizard, const Entry& entry, bool finish = true) {
    wizard.show();
    auto nextFrom = [&](int page) {
        if (wizard.currentId() != page)
            return false;
        wizard.next();
        return wizard.currentId() != page;
    };
    if (!nextFrom(TFormProcessWizard::KWizardWelcomePage))
        return wizard.currentId();
    if (!entry.Identifier.isNull())
        wizard.EditIdentifier()->setText(entry.Identifier);
    if (!nextFrom(TFormProcessWizard::KWizardInteriorPageIdentifier))
        return wizard.currentId();
    wizard.ComboBoxStartRPM()->setCurrentIndex(wizard.ComboBoxStartRPM()->findText(entry.StartRPM));
    wizard.ComboBoxEndRPM()->setCurrentIndex(wizard.ComboBoxEndRPM()->findText(entry.EndRPM));
    if (!entry.Time.isNull())
        wizard.EditTime()->setText(entry.Time);
    if (!nextFrom(TFormProcessWizard::KWizardInteriorRPM))
        return wizard.currentId();
    wizard.CheckBoxStartDelay()->setChecked(entry.Delay);
    if (!entry.DelayText.isNull())
        wizard.EditStartDelay()->setText(entry.DelayText);
    wizard.CheckBoxStartTemperature()->setChecked(entry.Temperature);
    wizard.ComboBoxStartTemperature()->setCurrentIndex(entry.Tendency);
    if (!entry.TemperatureText.isNull())
        wizard.EditStartTemperature()->setText(entry.TemperatureText);
    if (!nextFrom(TFormProcessWizard::KWizardInteriorTemperature))
        return wizard.currentId();
    if (!entry.Measurements.isNull())
        wizard.EditMeasurements()->setText(entry.Measurements);
    if (!nextFrom(TFormProcessWizard::KWizardInteriorMeasurements))
        return wizard.currentId();
    if (finish)
        wizard.button(QWizard::FinishButton)->click();
    return wizard.currentId();
}

QStringList Row(QTreeWidget* list, int row) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

} // namespace

class ProcessViewTest : public BatchViewTest {
protected:
    TFormViewProcesses* Processes() { return View->FormViewProcesses(); }
    QTreeWidget* List() { return Processes()->ListViewProcesses(); }

    // A V2-L batch with processes named P1.. (0.3 RPM, 60 s, 10 readings).
    QString WriteWithProcesses(int count, int spindle = L1, int readings = 0) {
        TBatchItem batch;
        batch.ModelType = V2L;
        batch.SpindleType = static_cast<uint8_t>(spindle);
        for (int i = 0; i < count; ++i) {
            TProcessItem* p = batch.Processes.Add();
            p->Identifier = QStringLiteral("P%1").arg(i + 1);
            p->RPMStart = 1;
            p->RPMEnd = 1;
            p->Time = 60;
            p->MeasurementCount = 10;
        }
        for (int i = 0; i < readings; ++i) {
            TMeasurementItem* m = batch.Measurements.Add();
            m->Viscosity = 100;
            m->RPMCode = 1;
        }
        const QString path = Dir.File("Processes.epb");
        batch.SaveToFile(path);
        return path;
    }

    void ShowProcesses(const QString& path) {
        Make();
        Select({path});
        View->SetTabIndex(1);
    }

    QStringList Identifiers(const QString& path) {
        QStringList ids;
        const auto batch = Read(path);
        for (const auto& p : batch->Processes)
            ids << p->Identifier;
        return ids;
    }

    void SelectRows(const QList<int>& rows) {
        List()->clearSelection();
        for (int row : rows)
            List()->topLevelItem(row)->setSelected(true);
    }
};

TEST_F(ProcessViewTest, TheWizardAddsAValidProcessAndTheListShowsIt) {
    const QString path = WriteWithProcesses(0);
    ShowProcesses(path);
    Entry entry;
    entry.Identifier = "Ramp";
    entry.StartRPM = "0.1";
    entry.EndRPM = "200.0";
    entry.Time = "3"; // 21 speed steps need 3 s
    entry.Delay = true;
    entry.DelayText = "40";
    entry.Temperature = true;
    entry.Tendency = 1;
    entry.TemperatureText = "25.5";
    entry.Measurements = "9";
    int stoppedAt = -1;
    Processes()->ExecWizard = [&](TFormProcessWizard& wizard) {
        EXPECT_EQ(wizard.windowTitle(), "Process Wizard");
        stoppedAt = Walk(wizard, entry);
        return wizard.result() == QDialog::Accepted;
    };
    ASSERT_TRUE(Processes()->ActionNewProcess()->isEnabled());
    Processes()->ActionNewProcess()->trigger();
    EXPECT_TRUE(Dialogs.Log.empty()) << Dialogs.Texts("error").join('\n').toStdString();
    EXPECT_EQ(stoppedAt, TFormProcessWizard::KWizardWelcomePageCompleted);

    auto saved = Read(path);
    ASSERT_EQ(saved->Processes.Count(), 1);
    const TProcessItem& p = *saved->Processes.Items(0);
    EXPECT_EQ(p.Identifier, "Ramp");
    EXPECT_EQ(p.RPMStart, 20);
    EXPECT_EQ(p.RPMEnd, 19);
    EXPECT_EQ(p.Time, 3);
    EXPECT_TRUE(p.UseStartDelay);
    EXPECT_EQ(p.StartDelay, 40);
    EXPECT_TRUE(p.UseStartTemperature);
    EXPECT_DOUBLE_EQ(p.StartTemperature, 25.5);
    EXPECT_EQ(p.StartTemperatureType, 1);
    EXPECT_EQ(p.MeasurementCount, 9);

    QStringList headers;
    for (int column = 0; column < List()->columnCount(); ++column)
        headers << List()->headerItem()->text(column);
    EXPECT_EQ(headers, QStringList({"No.", "Identifier", "RPM Start", "RPM End", "Time", "Start Temp (°C)",
                                    "Temp Tend.", "Start Delay", "Measurements"}));
    EXPECT_EQ(Row(List(), 0),
              QStringList({"1", "Ramp", "0.1", "200.0", "3", "25.5", "When Below", "40", "9"}));
}

TEST_F(ProcessViewTest, EachPageCheckStopsTheWizardWithItsMessage) {
    struct Case {
        const char* Name;
        Entry Given;
        int Page;
        QString Message;
    };
    Entry zeroTime;
    zeroTime.Time = "0";
    Entry tooFast;
    tooFast.StartRPM = "0.1";
    tooFast.EndRPM = "200.0";
    tooFast.Time = "2";
    Entry noDelay;
    noDelay.Delay = true;
    noDelay.DelayText = "";
    Entry hot;
    hot.Temperature = true;
    hot.TemperatureText = "181"; // four characters at most
    Entry tooMany;
    tooMany.Time = "100";
    tooMany.Measurements = "301";
    Entry none;
    none.Time = "100";
    none.Measurements = "0";
    const std::vector<Case> cases = {
        {"time zero", zeroTime, TFormProcessWizard::KWizardInteriorRPM,
         "Process time has to be greater than zero"},
        {"ramp too fast", tooFast, TFormProcessWizard::KWizardInteriorRPM,
         "Insufficient time to do RPM changes"},
        {"empty delay", noDelay, TFormProcessWizard::KWizardInteriorTemperature,
         "Start delay has to be greater than zero"},
        {"too hot", hot, TFormProcessWizard::KWizardInteriorTemperature,
         "Start temperature has to within the range of -15.0 (°C) to 180.0 (°C)"},
        {"301 readings", tooMany, TFormProcessWizard::KWizardInteriorMeasurements,
         "Measurement range for a process taking 100 seconds is between 1 and 300"},
        {"no readings", none, TFormProcessWizard::KWizardInteriorMeasurements,
         "Measurement range for a process taking 100 seconds is between 1 and 300"},
    };
    const QString path = WriteWithProcesses(0);
    ShowProcesses(path);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Dialogs.Log.clear();
        int stoppedAt = -1;
        Processes()->ExecWizard = [&](TFormProcessWizard& wizard) {
            stoppedAt = Walk(wizard, c.Given);
            wizard.reject();
            return false;
        };
        Processes()->ActionNewProcess()->trigger();
        EXPECT_EQ(stoppedAt, c.Page);
        EXPECT_EQ(Dialogs.Texts("error"), QStringList{c.Message});
    }
    EXPECT_EQ(Read(path)->Processes.Count(), 0);
    EXPECT_EQ(List()->topLevelItemCount(), 0);
}

TEST_F(ProcessViewTest, TheWizardsLimitsAndItsFinishRules) {
    const QString path = WriteWithProcesses(0, PB);
    ShowProcesses(path);
    TFormProcessWizard& wizard = Processes()->Wizard();
    wizard.Prepare(PB, false);
    ASSERT_EQ(wizard.ComboBoxStartRPM()->count(), 15);
    EXPECT_EQ(wizard.ComboBoxStartRPM()->itemText(0), "0.1");
    EXPECT_EQ(wizard.ComboBoxEndRPM()->itemText(14), "12.0");
    EXPECT_EQ(wizard.ComboBoxStartRPM()->currentText(), "0.3");
    EXPECT_EQ(wizard.EditTime()->maxLength(), 7);
    EXPECT_EQ(wizard.EditStartDelay()->maxLength(), 7);
    EXPECT_EQ(wizard.EditStartTemperature()->maxLength(), 4);
    EXPECT_EQ(wizard.EditMeasurements()->maxLength(), 8);
    EXPECT_EQ(wizard.CheckBoxStartTemperature()->text(), "Start Temperature (°C)");
    EXPECT_EQ(wizard.buttonText(QWizard::BackButton), "< &Back");
    EXPECT_EQ(wizard.buttonText(QWizard::NextButton), "&Next >");

    // Boundaries that pass.
    Entry edge;
    edge.Temperature = true;
    edge.TemperatureText = "-15";
    edge.Time = "100";
    edge.Measurements = "300";
    EXPECT_EQ(Walk(wizard, edge, false), TFormProcessWizard::KWizardWelcomePageCompleted);
    wizard.reject();
    wizard.Prepare(PB, false);
    edge.TemperatureText = "180";
    EXPECT_EQ(Walk(wizard, edge, false), TFormProcessWizard::KWizardWelcomePageCompleted);
    wizard.reject();
    EXPECT_TRUE(Dialogs.Log.empty());

    // A temperature that is no number passes its page as 0 and fails at Finish.
    wizard.Prepare(PB, false);
    Entry word;
    word.Temperature = true;
    word.TemperatureText = "warm";
    EXPECT_EQ(Walk(wizard, word), TFormProcessWizard::KWizardWelcomePageCompleted);
    EXPECT_TRUE(wizard.isVisible());
    EXPECT_EQ(Dialogs.Texts("error"), QStringList{"'warm' is not a valid floating point value"});
    wizard.reject();
}

TEST_F(ProcessViewTest, FahrenheitLimitsAreShownAndAcceptedInFahrenheit) {
    const QString path = WriteWithProcesses(0);
    ShowProcesses(path);
    SetTemperatureUnits(1);
    TFormProcessWizard& wizard = Processes()->Wizard();
    wizard.Prepare(L1, false);
    Entry hot;
    hot.Temperature = true;
    hot.TemperatureText = "357";
    EXPECT_EQ(Walk(wizard, hot, false), TFormProcessWizard::KWizardInteriorTemperature);
    EXPECT_EQ(Dialogs.Texts("error"),
              QStringList{"Start temperature has to within the range of 5.0 (°F) to 356.0 (°F)"});
    wizard.EditStartTemperature()->setText("356");
    wizard.next();
    EXPECT_EQ(wizard.currentId(), TFormProcessWizard::KWizardInteriorMeasurements);
    wizard.reject();
    SetTemperatureUnits(0);
}

TEST_F(ProcessViewTest, EditingKeepsTheDelayOfAnUncheckedBox) {
    TBatchItem batch;
    batch.ModelType = V2L;
    TProcessItem* p = batch.Processes.Add();
    p->Identifier = "Wait";
    p->RPMStart = 4;
    p->RPMEnd = 6;
    p->Time = 30;
    p->UseStartDelay = true;
    p->StartDelay = 40;
    p->MeasurementCount = 5;
    const QString path = Dir.File("Edit.epb");
    batch.SaveToFile(path);
    ShowProcesses(path);
    SelectRows({0});
    Processes()->ExecWizard = [&](TFormProcessWizard& wizard) {
        EXPECT_EQ(wizard.EditIdentifier()->text(), "Wait");
        EXPECT_EQ(wizard.ComboBoxStartRPM()->currentText(), "1.0");
        EXPECT_EQ(wizard.ComboBoxEndRPM()->currentText(), "2.0");
        EXPECT_EQ(wizard.EditStartDelay()->text(), "40");
        Entry entry;
        entry.Identifier = QString();
        entry.StartRPM = "1.0";
        entry.EndRPM = "2.0";
        entry.Time = QString();
        entry.Delay = false;
        entry.Measurements = QString();
        Walk(wizard, entry);
        return wizard.result() == QDialog::Accepted;
    };
    ASSERT_TRUE(Processes()->ActionEditProcess()->isEnabled());
    Processes()->ActionEditProcess()->trigger();
    const auto edited = Read(path);
    const TProcessItem& saved = *edited->Processes.Items(0);
    EXPECT_FALSE(saved.UseStartDelay);
    EXPECT_EQ(saved.StartDelay, 40);
    EXPECT_EQ(saved.Time, 30);
    EXPECT_EQ(Row(List(), 0)[7], "-");
}

TEST_F(ProcessViewTest, DeleteAndMoveRenumberAndKeepTheSelection) {
    const QString path = WriteWithProcesses(5);
    ShowProcesses(path);
    SelectRows({1, 3});
    Dialogs.Answers = {QMessageBox::No, QMessageBox::Yes};
    Processes()->ActionDeleteProcess()->trigger();
    EXPECT_EQ(Identifiers(path), QStringList({"P1", "P2", "P3", "P4", "P5"})) << "declined";
    Processes()->ActionDeleteProcess()->trigger();
    EXPECT_EQ(Dialogs.Texts("question"),
              QStringList(2, "Are you sure you want to delete these 2 processes?"));
    EXPECT_EQ(Identifiers(path), QStringList({"P1", "P3", "P5"}));
    ASSERT_EQ(List()->topLevelItemCount(), 3);
    EXPECT_EQ(Row(List(), 2).mid(0, 2), QStringList({"3", "P5"}));

    const QString four = WriteWithProcesses(4);
    View->ForgetFileItems();
    Select({four});
    SelectRows({0});
    EXPECT_FALSE(Processes()->ActionMoveUp()->isEnabled());
    EXPECT_TRUE(Processes()->ActionMoveDown()->isEnabled());
    SelectRows({1, 2});
    ASSERT_TRUE(Processes()->ActionMoveUp()->isEnabled());
    Processes()->ActionMoveUp()->trigger();
    EXPECT_EQ(Identifiers(four), QStringList({"P2", "P3", "P1", "P4"}));
    EXPECT_TRUE(List()->topLevelItem(0)->isSelected());
    EXPECT_TRUE(List()->topLevelItem(1)->isSelected());
    EXPECT_FALSE(List()->topLevelItem(2)->isSelected());
    EXPECT_EQ(Row(List(), 0).mid(0, 2), QStringList({"1", "P2"}));
    EXPECT_FALSE(Processes()->ActionMoveUp()->isEnabled());
    SelectRows({2, 3});
    EXPECT_FALSE(Processes()->ActionMoveDown()->isEnabled());
    SelectRows({1, 2});
    Processes()->ActionMoveDown()->trigger();
    EXPECT_EQ(Identifiers(four), QStringList({"P2", "P4", "P3", "P1"}));

    SelectRows({0});
    Dialogs.Answers = {QMessageBox::Yes};
    Processes()->ActionDeleteProcess()->trigger();
    EXPECT_EQ(Dialogs.Texts("question").last(), "Are you sure you want to delete the selected process?");
}

TEST_F(ProcessViewTest, V1BatchesHaveNoProcessesAndMeasuredOnesCannotChangeThem) {
    Make();
    Select({Write("V1", 1, 15)});
    View->SetTabIndex(1);
    EXPECT_TRUE(Processes()->PanelNoSupport()->isVisible());
    EXPECT_EQ(Processes()->PanelNoSupport()->text(), "Selected ViscoMeter model does not support processes");
    EXPECT_FALSE(List()->isVisible());

    Select({WriteWithProcesses(2, L1, 1)});
    EXPECT_TRUE(List()->isVisible());
    EXPECT_EQ(List()->topLevelItemCount(), 2);
    SelectRows({1});
    for (QAction* action :
         {Processes()->ActionNewProcess(), Processes()->ActionEditProcess(),
          Processes()->ActionDeleteProcess(), Processes()->ActionMoveUp(), Processes()->ActionMoveDown()})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
}
