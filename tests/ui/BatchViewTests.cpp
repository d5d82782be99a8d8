// The batch view: tabs, docking, the stored tab, saving edits, and the header tab.

#include "BatchViewFixture.h"

#include "services/BatchStore.h"
#include "ui/FormProcessWizard.h"
#include "ui/FormViewHeader.h"
#include "ui/FormViewMeasurements.h"
#include "ui/FormViewProcesses.h"
#include "ui/FormViewReport.h"
#include "ui/KorvTabBar.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTableView>

namespace {

constexpr int L1 = 0, PA = 8, TR8 = 21;
constexpr int V1L = 0, V2L = 2, V2R = 3;

QStringList TabTexts(const QTabBar* tabs) {
    QStringList texts;
    for (int i = 0; i < tabs->count(); ++i)
        texts << tabs->tabText(i);
    return texts;
}

int BatchTab(TSettings& settings) {
    return settings.Item("BatchTab").GetInteger();
}

} // namespace

TEST_F(BatchViewTest, TabsFollowTheTabReportsAndTwoBatchesShowOnlyTheReports) {
    AddTabReports(2);
    Make();
    const QString a = Write("A", V2L, L1);
    const QString b = Write("B", V2L, L1);
    Select({a, b});
    EXPECT_EQ(TabTexts(View->KorvTabPreview()),
              QStringList({"Header", "Processes", "Measurements", "Analysis", "Tab Report 1", "Tab Report 2",
                           "My Reports"}));

    for (int tab : {0, 1, 2, 3}) {
        View->SetTabIndex(tab);
        EXPECT_EQ(View->DockedView(), nullptr) << tab;
        auto* caption = View->PanelPreviewDock()->findChild<QLabel*>("LabelPreviewDock");
        ASSERT_NE(caption, nullptr);
        EXPECT_TRUE(caption->isVisible());
        EXPECT_EQ(caption->text(), "Unable to modify multiple batch items.");
    }
    View->SetTabIndex(6);
    EXPECT_EQ(View->DockedView(), View->FormViewReport());
    EXPECT_FALSE(View->FormViewReport()->StandardMode());
    EXPECT_EQ(View->FormViewReport()->PreviewBatches.Count(), 2);
    View->SetTabIndex(5);
    EXPECT_TRUE(View->FormViewReport()->StandardMode());

    // One batch: the same tab now docks its view.
    Select({a});
    View->SetTabIndex(1);
    EXPECT_EQ(View->DockedView(), View->FormViewProcesses());
    EXPECT_EQ(BatchTab(Settings), 1);
}

TEST_F(BatchViewTest, AssigningTheCurrentTabNotifiesAgain) {
    Make();
    Select({Write("A", V2L, L1)});
    QSignalSpy spy(View->KorvTabPreview(), &TKorvTabBar::IndexAssigned);
    View->KorvTabPreview()->SetIndex(View->KorvTabPreview()->currentIndex());
    View->KorvTabPreview()->SetIndex(View->KorvTabPreview()->currentIndex());
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(BatchViewTest, AStoredTabBeyondTheTabsSelectsTheLastOne) {
    Settings.Item("BatchTab").SetInteger(4); // a tab report was removed since
    Make();                                  // five tabs, four as "BatchTab" counts them
    Select({Write("A", V2L, L1)});
    EXPECT_EQ(View->KorvTabPreview()->currentIndex(), 4);
    EXPECT_EQ(View->KorvTabPreview()->tabText(4), "My Reports");
    EXPECT_EQ(BatchTab(Settings), 3);
}

TEST_F(BatchViewTest, TheFirstSelectionAfterStartShowsTheHeaderThenTheTabLastUsed) {
    Settings.Item("BatchTab").SetInteger(2);
    AddTabReports(1); // five tabs
    Make();
    const QString a = Write("A", V2L, L1);
    const QString b = Write("B", V2L, L1);
    Select({a});
    EXPECT_EQ(View->KorvTabPreview()->currentIndex(), 0);
    EXPECT_EQ(View->DockedView(), View->FormViewHeader());
    EXPECT_EQ(BatchTab(Settings), 0);

    View->SetTabIndex(2);
    Select({b});
    EXPECT_EQ(View->KorvTabPreview()->currentIndex(), 2);
    EXPECT_EQ(View->DockedView(), View->FormViewMeasurements());
    EXPECT_EQ(View->FormViewMeasurements()->Entry().FilePath, b);
}

TEST_F(BatchViewTest, ReselectingAnUnchangedBatchRefillsNothing) {
    Make();
    const QString a = Write("A", V2L, L1, {{100}, {200}});
    Select({a});
    View->SetTabIndex(2);
    QTableView* table = View->FormViewMeasurements()->ListViewMeasurements();
    QSignalSpy resets(table->model(), &QAbstractItemModel::modelReset);
    Select({a});
    Select({a});
    EXPECT_EQ(resets.count(), 0);
}

TEST_F(BatchViewTest, EditsReachTheFileAndTheSelectionAndFollowEachOther) {
    Make();
    const QString path = Write("A", V2L, L1);
    Select({path});
    int savedCalls = 0;
    View->OnBatchSaved = [&](TFileItem& entry, bool saved) {
        ++savedCalls;
        EXPECT_TRUE(saved);
        EXPECT_EQ(entry.FilePath, path);
    };
    auto* header = View->FormViewHeader();
    header->EditOperator()->setText("Ada");
    View->CommitEdits();
    EXPECT_EQ(Read(path)->Operator, "Ada");
    EXPECT_EQ(View->SelectedFiles.Items(0)->Batch->Operator, "Ada");

    // A change of the X quantity in the readings tab, saved within the same two
    // seconds, is not written away by the next header commit.
    View->SetTabIndex(2);
    View->FormViewMeasurements()->ComboBoxXAxis()->setCurrentIndex(3);
    EXPECT_EQ(Read(path)->SelectedXAxis, 3);
    View->SetTabIndex(0);
    header->EditIdentifier()->setText("Lot 7");
    View->CommitEdits();
    auto saved = Read(path);
    EXPECT_EQ(saved->Identifier, "Lot 7");
    EXPECT_EQ(saved->Operator, "Ada");
    EXPECT_EQ(saved->SelectedXAxis, 3);
    EXPECT_EQ(savedCalls, 3);

    // Leaving a field that was typed in writes the batch; leaving one untouched does not.
    const auto leave = [](QWidget* field) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    };
    header->EditCompany()->setText("Korvane Paints");
    leave(header->EditCompany());
    EXPECT_EQ(Read(path)->Company, "Korvane Paints");
    EXPECT_EQ(savedCalls, 4);
    leave(header->EditOperator());
    leave(header->MemoNote());
    EXPECT_EQ(savedCalls, 4) << "nothing changed, nothing written";
}

// Batches of the Windows program break the note's lines with "\r\n": leaving the note
// or another field unchanged writes nothing, and the note keeps its bytes.
namespace {
QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

TEST_F(BatchViewTest, ANoteWithWindowsLineBreaksIsNotRewrittenByLeavingIt) {
    Make();
    const QString path = Write("A", V2L, L1);
    {
        auto batch = Read(path);
        batch->Note = QStringLiteral("First line\r\nSecond line");
        batch->SaveToFile(path);
    }
    const QByteArray before = FileBytes(path);
    Select({path});
    int savedCalls = 0;
    View->OnBatchSaved = [&](TFileItem&, bool) { ++savedCalls; };
    auto* header = View->FormViewHeader();
    EXPECT_EQ(header->MemoNote()->toPlainText(), "First line\nSecond line");
    for (QWidget* field :
         {static_cast<QWidget*>(header->MemoNote()), static_cast<QWidget*>(header->EditCompany())}) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(field, &out);
    }
    View->CommitEdits();
    EXPECT_EQ(savedCalls, 0);
    EXPECT_EQ(FileBytes(path), before);

    // A real change to another field keeps the note's own line breaks.
    header->EditCompany()->setText("Korvane Paints");
    View->CommitEdits();
    EXPECT_EQ(savedCalls, 1);
    EXPECT_EQ(Read(path)->Note, "First line\r\nSecond line");
}

TEST_F(BatchViewTest, TypedTextIsCommittedBeforeTheSelectionOrTheTabChanges) {
    Make();
    const QString a = Write("A", V2L, L1);
    const QString b = Write("B", V2L, L1);
    Select({a});
    View->FormViewHeader()->EditCompany()->setText("Typed, never left");
    Select({b}); // the list took the click without taking the focus
    EXPECT_EQ(Read(a)->Company, "Typed, never left");
    EXPECT_EQ(View->FormViewHeader()->EditCompany()->text(), "Korvane Labs");

    View->FormViewHeader()->MemoNote()->setPlainText("Note of B");
    View->SetTabIndex(2);
    EXPECT_EQ(Read(b)->Note, "Note of B");
}

TEST_F(BatchViewTest, ABatchThatCannotBeWrittenIsToldOnceAndKeepsTheEdits) {
    Make();
    QDir().mkpath(Dir.File("gone"));
    TBatchItem batch;
    batch.ModelType = V2L;
    const QString path = Dir.File("gone/A.epb");
    batch.SaveToFile(path);
    Select({path});
    ASSERT_TRUE(QDir(Dir.File("gone")).removeRecursively()); // the stick is pulled out

    auto* header = View->FormViewHeader();
    header->EditCompany()->setText("First");
    View->CommitEdits();
    header->EditOperator()->setText("Second");
    View->CommitEdits();
    const QStringList errors = Dialogs.Texts("error");
    ASSERT_EQ(errors.size(), 1) << errors.join('\n').toStdString();
    EXPECT_TRUE(errors[0].contains(QDir::toNativeSeparators(path))) << errors[0].toStdString();
    EXPECT_TRUE(errors[0].split('\n').last().contains("No such file or directory"))
        << errors[0].toStdString();
    EXPECT_EQ(header->EditCompany()->text(), "First");
    EXPECT_EQ(header->EditOperator()->text(), "Second");
    EXPECT_EQ(View->SelectedFiles.Items(0)->Batch->Operator, "Second");

    // Once the folder is back, the next edit saves all of them.
    QDir().mkpath(Dir.File("gone"));
    header->EditIdentifier()->setText("Third");
    View->CommitEdits();
    EXPECT_EQ(Dialogs.Count("error"), 1);
    auto saved = Read(path);
    EXPECT_EQ(saved->Company, "First");
    EXPECT_EQ(saved->Operator, "Second");
    EXPECT_EQ(saved->Identifier, "Third");
}

// ---------------------------------------------------------------------------------------
// Header

TEST_F(BatchViewTest, HeaderShowsTheBatchAndLocksOnceItHasReadings) {
    Make();
    const QString empty = Write("Empty", V2R, TR8);
    const QString measured = Write("Measured", V2L, L1, {{100}});
    Select({empty});
    auto* header = View->FormViewHeader();
    EXPECT_EQ(header->EditBatchID()->text(), "Empty");
    EXPECT_EQ(header->EditFileLocation()->text(), empty);
    EXPECT_TRUE(header->EditBatchID()->isReadOnly());
    EXPECT_EQ(header->ComboBoxModel()->count(), 4);
    EXPECT_EQ(header->ComboBoxModel()->currentIndex(), V2R);
    EXPECT_EQ(header->ComboBoxSpindle()->count(), SpindleCount(V2R));
    EXPECT_EQ(header->ComboBoxSpindle()->currentText(), "TR8");
    for (QLineEdit* edit : {header->EditCompany(), header->EditOperator(), header->EditIdentifier()})
        EXPECT_FALSE(edit->isReadOnly()) << edit->objectName().toStdString();
    EXPECT_TRUE(header->ComboBoxModel()->isEnabled());
    EXPECT_TRUE(header->ComboBoxSpindle()->isEnabled());

    Select({measured});
    for (QLineEdit* edit : {header->EditCompany(), header->EditOperator(), header->EditIdentifier()})
        EXPECT_TRUE(edit->isReadOnly()) << edit->objectName().toStdString();
    EXPECT_FALSE(header->ComboBoxModel()->isEnabled());
    EXPECT_FALSE(header->ComboBoxSpindle()->isEnabled());
    EXPECT_FALSE(header->MemoNote()->isReadOnly());
    EXPECT_NE(header->EditCompany()->palette().color(QPalette::Base),
              header->MemoNote()->palette().color(QPalette::Base));

    // Leaving the note saves the batch.
    header->MemoNote()->setFocus();
    header->MemoNote()->setPlainText("Stirred for 5 min");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(header->MemoNote(), &leave);
    EXPECT_EQ(Read(measured)->Note, "Stirred for 5 min");

    // A run locks the fields of a batch without readings too.
    Select({empty});
    View->SetRunActive(true);
    EXPECT_TRUE(header->EditCompany()->isReadOnly());
    EXPECT_FALSE(header->ComboBoxModel()->isEnabled());
    EXPECT_FALSE(header->MemoNote()->isReadOnly());
    View->SetRunActive(false);
    EXPECT_FALSE(header->EditCompany()->isReadOnly());
}

TEST_F(BatchViewTest, HeaderPanelsShareTheWidthButKeep250PixelsEach) {
    Make();
    Select({Write("A", V2L, L1)});
    auto* header = View->FormViewHeader();
    for (int width : {1000, 700, 480}) {
        View->resize(width, 500);
        QApplication::processEvents();
        const int client = header->ScrollBoxHeader()->viewport()->width();
        const int panel = std::max(250, client / 2);
        EXPECT_EQ(header->PanelLeft()->geometry().left(), 0) << width;
        EXPECT_EQ(header->PanelLeft()->width(), panel) << width;
        EXPECT_EQ(header->PanelRight()->geometry().left(), panel) << width;
        EXPECT_EQ(header->PanelRight()->width(), panel) << width;
    }
}

TEST_F(BatchViewTest, ModelAndSpindleChangesAreSavedAtOnce) {
    Make();
    const QString path = Write("A", V2L, 2); // L3
    Select({path});
    auto* header = View->FormViewHeader();
    header->ComboBoxSpindle()->setCurrentIndex(SpindleToIndex(V2L, 1)); // L2
    EXPECT_EQ(Read(path)->SpindleType, 1);
    // Another model keeps the list position when the list has it.
    header->ComboBoxModel()->setCurrentIndex(V2R);
    auto saved = Read(path);
    EXPECT_EQ(saved->ModelType, V2R);
    EXPECT_EQ(saved->SpindleType, SpindleFromIndex(V2R, SpindleToIndex(V2L, 1)));
    EXPECT_EQ(header->ComboBoxSpindle()->count(), SpindleCount(V2R));
    EXPECT_TRUE(Dialogs.Log.empty());
}

TEST_F(BatchViewTest, ATBarSpindleIsRefusedWhileAProcessRunsFasterThan12RPM) {
    Make();
    TBatchItem batch;
    batch.ModelType = V1L;
    batch.SpindleType = L1;
    TProcessItem* p = batch.Processes.Add();
    p->RPMStart = 10; // 5 RPM
    p->RPMEnd = 14;   // 20 RPM
    p->Time = 60;
    p->MeasurementCount = 10;
    const QString path = Dir.File("Fast.epb");
    batch.SaveToFile(path);
    Select({path});
    auto* header = View->FormViewHeader();
    header->EditCompany()->setText("Kept");
    header->ComboBoxSpindle()->setCurrentIndex(SpindleToIndex(V1L, PA));
    ASSERT_EQ(Dialogs.Texts("error"),
              QStringList{"Spindle types PA to PF only allow process RPM to go up to 12rpm, please modify "
                          "process RPM before changing spindle"});
    EXPECT_EQ(header->ComboBoxSpindle()->currentText(), "L1");
    auto saved = Read(path);
    EXPECT_EQ(saved->SpindleType, L1);
    EXPECT_EQ(saved->Company, "Kept");
}

TEST_F(BatchViewTest, ARefusedTBarSpindleReturnsTheModelToo) {
    // A spindle position whose spindle on the other family is a T-bar one, with the
    // batch's spindle not usable on that family.
    int position = -1;
    for (int i = 0; i < SpindleCount(V2R) && position < 0; ++i)
        if (i < SpindleCount(V2L) && IsTBarSpindle(SpindleFromIndex(V2R, i)) &&
            !IsSpindleValid(V2R, SpindleFromIndex(V2L, i)))
            position = i;
    if (position < 0) { // the families share their T-bar positions: start from R
        for (int i = 0; i < SpindleCount(V2L) && position < 0; ++i)
            if (IsTBarSpindle(SpindleFromIndex(V2L, i)) && !IsSpindleValid(V2L, SpindleFromIndex(V2R, i)))
                position = i;
    }
    ASSERT_GE(position, 0);
    const int from = IsTBarSpindle(SpindleFromIndex(V2R, position)) ? V2L : V2R;
    const int to = from == V2L ? V2R : V2L;
    const int spindle = SpindleFromIndex(from, position);

    Make();
    TBatchItem batch;
    batch.ModelType = static_cast<uint8_t>(from);
    batch.SpindleType = static_cast<uint8_t>(spindle);
    TProcessItem* p = batch.Processes.Add();
    p->RPMStart = 14; // 20 RPM
    p->RPMEnd = 14;
    p->Time = 10;
    p->MeasurementCount = 5;
    const QString path = Dir.File("Model.epb");
    batch.SaveToFile(path);
    Select({path});
    auto* header = View->FormViewHeader();
    header->ComboBoxModel()->setCurrentIndex(to);
    EXPECT_EQ(Dialogs.Count("error"), 1);
    EXPECT_EQ(header->ComboBoxModel()->currentIndex(), from);
    EXPECT_EQ(header->ComboBoxSpindle()->currentText(), QString::fromLatin1(SpindleNames[spindle]));
    auto saved = Read(path);
    EXPECT_EQ(saved->ModelType, from);
    EXPECT_EQ(saved->SpindleType, spindle);
    EXPECT_TRUE(IsSpindleValid(saved->ModelType, saved->SpindleType));
}

TEST_F(BatchViewTest, ARunsReadingKeepsTheNoteBeingTyped) {
    Make();
    const QString path = Write("Run", V2L, L1, {{100}});
    Select({path});
    View->SetRunActive(true);
    auto* header = View->FormViewHeader();
    header->MemoNote()->setFocus();
    header->MemoNote()->setPlainText("Half a sent");
    QTextCursor cursor = header->MemoNote()->textCursor();
    cursor.setPosition(4);
    header->MemoNote()->setTextCursor(cursor);

    // The run's timer: a reading more in the batch's document.
    TMeasurementItem m;
    m.DateTime = 46000.6;
    m.Viscosity = 120;
    m.RPMCode = 12;
    View->Document()->AppendReading(m);
    View->Document()->EndAppend();
    EXPECT_EQ(header->MemoNote()->toPlainText(), "Half a sent");
    EXPECT_EQ(header->MemoNote()->textCursor().position(), 4);
    EXPECT_EQ(View->FormViewMeasurements()->ListViewMeasurements()->model()->rowCount(), 2);

    header->MemoNote()->setPlainText("Half a sentence");
    View->CommitEdits();
    auto saved = Read(path);
    EXPECT_EQ(saved->Note, "Half a sentence");
}

TEST_F(BatchViewTest, EveryControlHasAnAccessibleName) {
    Make();
    const QString path = Write("A", V2R, TR8, {{100}});
    Select({path});
    QStringList unnamed;
    for (int tab : {0, 1, 2, 3, 4}) {
        View->SetTabIndex(tab);
        QApplication::processEvents();
        for (QWidget* widget : View->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->focusPolicy() == Qt::NoFocus)
                continue;
            if (widget->accessibleName().isEmpty() && !qobject_cast<QAbstractButton*>(widget))
                unnamed << widget->metaObject()->className() + QStringLiteral(" ") + widget->objectName();
            if (auto* button = qobject_cast<QAbstractButton*>(widget);
                button && button->accessibleName().isEmpty() && button->text().isEmpty())
                unnamed << QStringLiteral("button ") + widget->objectName();
        }
    }
    // The wizard's pages, shown or not.
    for (QWidget* widget : View->FormViewProcesses()->Wizard().findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus || qobject_cast<QAbstractButton*>(widget))
            continue;
        if (widget->accessibleName().isEmpty())
            unnamed << QStringLiteral("wizard ") + widget->metaObject()->className() + QStringLiteral(" ") +
                           widget->objectName();
    }
    unnamed.removeDuplicates();
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join('\n').toStdString();
}
