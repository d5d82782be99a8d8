// The "Page Design" dialog on a report file: opening, saving (also a page whose type
// changed), leaving, the commands and their enabling, undo, accessible names.

#include "DesignerSupport.h"
#include "support/AccessibleLabels.h"
#include "support/PseudoLanguage.h"
#include "support/ScriptedDialogs.h"
#include "support/SmallTmpfs.h"
#include "support/TempDir.h"

#include "documents/DamagedSource.h"
#include "documents/Settings.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemShape.h"
#include "reports/Report.h"
#include "storage/FileItem.h"
#include "ui/FormAnchor.h"
#include "ui/FormMemoEditor.h"
#include "ui/FormPageDesign.h"
#include "ui/FormPageItemList.h"
#include "ui/FormPropertyEditor.h"
#include "ui/PageDesigner.h"
#include "ui/PageRuler.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

// The first memo's name on each page of a report file, in page order, with the type.
QString PagesOf(const QString& path) {
    TReport report;
    report.LoadFromFile(path);
    QStringList pages;
    for (int i = 0; i < report.PageCount(); ++i) {
        const TPage& page = *report.Page(i);
        pages << QStringLiteral("%1:%2")
                     .arg(page.ItemCount() > 0 ? page.Item(0)->Name() : QString())
                     .arg(page.PageType());
    }
    return pages.join(u' ');
}

} // namespace

class PageDesignTest : public FakePrintersTest {
protected:
    void SetUp() override {
        FakePrintersTest::SetUp();
        // An opening page, two inner pages and a closing page, each with a memo that
        // names it.
        TReport report;
        const int types[] = {PageTypeOpening, PageTypeInner, PageTypeInner, PageTypeClosing};
        const char* names[] = {"Open", "InnerA", "InnerB", "Close"};
        for (int i = 0; i < 4; ++i) {
            TPage* page = report.AddPage();
            page->Property(QStringLiteral("PageType")).SetInteger(types[i]);
            TPageItem* memo = Place<TPageItemMemo>(*page, 20, 20 + i, 60, 10);
            memo->SetName(QString::fromLatin1(names[i]));
            Place<TPageItemShape>(*page, 20, 100, 40, 30);
        }
        Path = Dir.File(QStringLiteral("Test.epr"));
        report.SaveToFile(Path);
        File.FilePath = Path;
        File.FileType = FileTypeReport;
        ASSERT_TRUE(File.Load());

        Dialog = std::make_unique<TFormPageDesign>(Settings, Dialogs, Choices);
        Dialog->resize(1200, 800);
    }
    void TearDown() override {
        Dialog.reset();
        FakePrintersTest::TearDown();
    }

    void Open(int index) {
        Dialog->Load(File, index);
        Dialog->show();
    }
    QAction* Action(const char* name) const { return Dialog->findChild<QAction*>(QString::fromLatin1(name)); }
    TPageEditor& Editor() const { return *Dialog->Editor(); }
    TPage& Page() const { return Dialog->Editor()->Page(); }

    TempDir Dir;
    QString Path;
    TFileItem File;
    TSettings Settings;
    TScriptedDialogs Dialogs;
    TPageDesignChoices Choices;
    std::unique_ptr<TFormPageDesign> Dialog;
};

TEST_F(PageDesignTest, OpensACopyOfThePageWithItsPropertiesShown) {
    Settings.Item(QStringLiteral("Grid")).SetBoolean(true);
    Open(1);
    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Page Design"));
    EXPECT_EQ(ItemNames(Page()), QStringLiteral("InnerA,Shape1"));
    EXPECT_EQ(Page().PageType(), PageTypeInner);
    EXPECT_FALSE(Dialog->IsModified());
    EXPECT_FALSE(Action("ActionSave")->isEnabled());
    EXPECT_FALSE(Action("ActionSaveAndExit")->isEnabled());
    EXPECT_FALSE(Action("ActionDelete")->isEnabled());
    EXPECT_TRUE(Action("ActionSelect")->isChecked());
    EXPECT_TRUE(Action("ActionGrid")->isChecked());
    EXPECT_TRUE(Editor().Grid());
    EXPECT_FALSE(Action("ActionSnap")->isChecked());
    EXPECT_EQ(Editor().GridSpacing(), 10.0);
    EXPECT_EQ(Dialog->PropertyEditor()->List(), &Page().Properties);
    EXPECT_EQ(Dialog->ItemList()->List()->topLevelItemCount(), 2);
    EXPECT_EQ(Dialog->findChild<QLabel*>(QStringLiteral("LabelReport"))->text(), QStringLiteral("Test"));
    EXPECT_EQ(Dialog->findChild<QLabel*>(QStringLiteral("LabelPage"))->text(), QStringLiteral("Page 2"));
    EXPECT_EQ(Dialog->ZoomBox()->currentText(), QStringLiteral("Page Width"));
    EXPECT_EQ(Dialog->Designer()->ZoomType(), TZoomType::ztPageWidth);
    EXPECT_EQ(Dialog->ZoomChoices(), (QStringList{"Page Width", "Full Page", "500%", "200%", "150%", "100%",
                                                  "75%", "50%", "25%", "10%"}));
    // The working page is a copy: nothing reaches the report until a save.
    Editor().SelectItem(Page().Item(0));
    Editor().MoveSelectedBy(5, 0, QString());
    EXPECT_EQ(File.Report->Page(1)->Item(0)->Left(), 20.0);
}

TEST_F(PageDesignTest, TheZoomChoiceIsKeptForTheNextOpening) {
    Open(0);
    Dialog->ChooseZoom(3);
    EXPECT_EQ(Dialog->Designer()->ZoomType(), TZoomType::ztPercentage);
    EXPECT_EQ(Dialog->Designer()->ZoomValue(), 2.0);
    EXPECT_TRUE(Dialog->findChild<QAction*>(QStringLiteral("ActionZoom3"))->isChecked());
    Dialog->reject();
    Open(2);
    EXPECT_EQ(Dialog->ZoomBox()->currentText(), QStringLiteral("200%"));
    EXPECT_EQ(Dialog->Designer()->ZoomValue(), 2.0);
    // A dialog built afresh on the same choices, as every Edit builds one.
    Dialog->ChooseZoom(1);
    Dialog->reject();
    Dialog = std::make_unique<TFormPageDesign>(Settings, Dialogs, Choices);
    Open(0);
    EXPECT_EQ(Dialog->ZoomBox()->currentText(), QStringLiteral("Full Page"));
    EXPECT_EQ(Dialog->Designer()->ZoomType(), TZoomType::ztFullPage);
    EXPECT_TRUE(Dialog->findChild<QAction*>(QStringLiteral("ActionZoom1"))->isChecked());
}

TEST_F(PageDesignTest, SelectionDecidesWhatThePropertyEditorShows) {
    Open(1);
    Editor().SelectItem(Page().Item(0));
    EXPECT_EQ(Dialog->PropertyEditor()->List(), &Page().Item(0)->Properties);
    EXPECT_TRUE(Action("ActionDelete")->isEnabled());
    EXPECT_FALSE(Action("ActionAlignLeft")->isEnabled());
    Click(&Editor(), Editor().Page().Item(1)->DeviceRect().ToQRect().center(), Qt::ControlModifier);
    EXPECT_EQ(Editor().SelectedCount(), 2);
    EXPECT_EQ(Dialog->PropertyEditor()->List(), nullptr);
    EXPECT_TRUE(Action("ActionAlignLeft")->isEnabled());
    EXPECT_TRUE(Dialog->ItemList()->List()->topLevelItem(0)->isSelected());
    EXPECT_TRUE(Dialog->ItemList()->List()->topLevelItem(1)->isSelected());
    // One of them alone: its properties.
    Dialog->ItemList()->List()->topLevelItem(0)->setSelected(false);
    EXPECT_EQ(Dialog->PropertyEditor()->List(), &Page().Item(1)->Properties);
    Editor().SelectItem(nullptr);
    EXPECT_EQ(Dialog->PropertyEditor()->List(), &Page().Properties);
}

TEST_F(PageDesignTest, DraggingAnItemMovesItsLeftAndTopRows) {
    Open(1);
    Dialog->ChooseZoom(1);
    TPageItem* memo = Page().Item(0);
    const QPoint start = memo->DeviceRect().ToQRect().center();
    Press(&Editor(), start);
    TFormPropertyEditor* grid = Dialog->PropertyEditor();
    ASSERT_EQ(grid->List(), &memo->Properties);
    MoveTo(&Editor(), start + QPoint(40, 30));
    EXPECT_EQ(grid->ValueText(grid->RowOf(QStringLiteral("Left"))), FormatReportUnits(memo->Left()));
    EXPECT_EQ(grid->ValueText(grid->RowOf(QStringLiteral("Top"))), FormatReportUnits(memo->Top()));
    EXPECT_NE(memo->Left(), 20.0);
    Release(&Editor(), start + QPoint(40, 30));
    EXPECT_TRUE(Action("ActionSave")->isEnabled());
    EXPECT_TRUE(Action("ActionUndo")->isEnabled());
}

TEST_F(PageDesignTest, ToolsArmCreationAndTheSelectToolReturns) {
    Open(1);
    Action("ActionMeasurements")->trigger();
    EXPECT_EQ(Editor().ArmedType(), QStringLiteral("TPageItemReadings"));
    Drag(&Editor(), QPoint(100, 100), QPoint(300, 250));
    EXPECT_TRUE(Action("ActionSelect")->isChecked());
    ASSERT_EQ(Page().ItemCount(), 3);
    EXPECT_EQ(Page().Item(2)->Name(), QStringLiteral("Readings1"));
    QTreeWidget* rows = Dialog->ItemList()->List();
    ASSERT_EQ(rows->topLevelItemCount(), 3);
    EXPECT_TRUE(rows->topLevelItem(2)->isSelected());
    EXPECT_EQ(Dialog->PropertyEditor()->List(), &Page().Item(2)->Properties);

    // The flow curve tool places the flow chart item.
    Action("ActionFlowCurve")->trigger();
    EXPECT_EQ(Editor().ArmedType(), QStringLiteral("TPageItemChartFlow"));
    Drag(&Editor(), QPoint(320, 100), QPoint(480, 250));
    ASSERT_EQ(Page().ItemCount(), 4);
    EXPECT_EQ(Page().Item(3)->TypeName(), QStringLiteral("TPageItemChartFlow"));
    EXPECT_EQ(Page().Item(3)->Name(), QStringLiteral("ChartFlow1"));
    EXPECT_TRUE(Action("ActionSelect")->isChecked());

    Action("ActionShape")->trigger();
    Action("ActionSelect")->trigger();
    EXPECT_EQ(Editor().Creation(), TPageEditor::TCreation::Idle);
}

TEST_F(PageDesignTest, DeleteAsksAboutOneOrSeveralItems) {
    Open(1);
    Editor().SelectItem(Page().Item(0));
    Dialogs.Answers = {QMessageBox::No, QMessageBox::Yes};
    Action("ActionDelete")->trigger();
    EXPECT_EQ(Page().ItemCount(), 2);
    Action("ActionDelete")->trigger();
    EXPECT_EQ(ItemNames(Page()), QStringLiteral("Shape1"));
    EXPECT_EQ(Dialogs.Texts("question"), (QStringList{"Are you sure you want to delete 'InnerA'?",
                                                      "Are you sure you want to delete 'InnerA'?"}));
    EXPECT_EQ(Dialog->PropertyEditor()->List(), &Page().Properties);
    EXPECT_EQ(Dialog->ItemList()->List()->topLevelItemCount(), 1);

    Place<TPageItemShape>(Page(), 0, 0, 5, 5);
    Page().SetSelected(Page().Item(0), true);
    Page().SetSelected(Page().Item(1), true);
    Dialogs.Answers = {QMessageBox::Yes};
    Dialog->DeleteItems();
    EXPECT_EQ(Dialogs.Texts("question").last(),
              QStringLiteral("Are you sure you want to delete these 2 page items?"));
    EXPECT_EQ(Page().ItemCount(), 0);
}

TEST_F(PageDesignTest, ShortcutKeysReachTheCommands) {
    Open(1);
    QApplication::setActiveWindow(Dialog.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Dialog.get()));
    Editor().setFocus();
    Editor().SelectItem(Page().Item(0));
    Dialogs.Answers = {QMessageBox::No, QMessageBox::Yes};
    QTest::keyClick(&Editor(), Qt::Key_D, Qt::ControlModifier);
    QTest::keyClick(&Editor(), Qt::Key_Delete);
    EXPECT_EQ(Dialogs.Count("question"), 2);
    EXPECT_EQ(ItemNames(Page()), QStringLiteral("Shape1"));
    QTest::keyClick(&Editor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ItemNames(Page()), QStringLiteral("InnerA,Shape1"));
    QTest::keyClick(&Editor(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ItemNames(Page()), QStringLiteral("Shape1"));
    QTest::keyClick(&Editor(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(PagesOf(Path), QStringLiteral("Open:0 Shape1:1 InnerB:1 Close:2"));
}

TEST_F(PageDesignTest, SavingWritesThePageIntoTheFile) {
    Open(1);
    Editor().SelectItem(Page().Item(0));
    Editor().MoveSelectedBy(5, 7, QString());
    EXPECT_TRUE(Action("ActionSave")->isEnabled());
    Action("ActionSave")->trigger();
    EXPECT_FALSE(Dialog->IsModified());
    EXPECT_FALSE(Action("ActionSave")->isEnabled());
    EXPECT_EQ(Dialog->PageIndex(), 1);
    EXPECT_EQ(PagesOf(Path), QStringLiteral("Open:0 InnerA:1 InnerB:1 Close:2"));
    TReport saved;
    saved.LoadFromFile(Path);
    EXPECT_EQ(saved.Page(1)->Item(0)->Left(), 25.0);
    EXPECT_EQ(saved.Page(1)->Item(0)->Top(), 28.0);
    // Saving keeps the undo steps.
    EXPECT_TRUE(Dialog->UndoStack().canUndo());
    EXPECT_EQ(Dialog->FileItem().Report->Page(1)->Item(0)->Left(), 25.0);
}

TEST_F(PageDesignTest, APageWhoseTypeChangedMovesToTheEndOfItsGroup) {
    const struct {
        int Index;
        const char* NewType;
        const char* Pages;
        int NewIndex;
    } cases[] = {
        {1, "Closing Page", "Open:0 InnerB:1 Close:2 InnerA:2", 3},
        {2, "Opening Page", "Open:0 InnerB:0 InnerA:1 Close:2", 1},
        {0, "Inner Page", "InnerA:1 InnerB:1 Open:1 Close:2", 2},
        {3, "Opening Page", "Open:0 Close:0 InnerA:1 InnerB:1", 1},
    };
    const QByteArray original = Dir.Read(QStringLiteral("Test.epr"));
    for (const auto& c : cases) {
        Dir.Write(QStringLiteral("Test.epr"), original);
        ASSERT_TRUE(File.Load());
        Open(c.Index);
        TFormPropertyEditor* grid = Dialog->PropertyEditor();
        const int row = grid->RowOf(QStringLiteral("PageType"));
        grid->SelectRow(row);
        ASSERT_TRUE(grid->CommitText(row, QString::fromLatin1(c.NewType)));
        ASSERT_TRUE(Dialog->SavePage());
        EXPECT_EQ(PagesOf(Path), QLatin1String(c.Pages)) << c.Index << " " << c.NewType;
        EXPECT_EQ(Dialog->PageIndex(), c.NewIndex) << c.Index << " " << c.NewType;
        EXPECT_EQ(Dialog->findChild<QLabel*>(QStringLiteral("LabelPage"))->text(),
                  QStringLiteral("Page %1").arg(c.NewIndex + 1));
        Dialog->reject();
    }
}

TEST_F(PageDesignTest, LeavingAsksWhileThePageIsModified) {
    // Unmodified: closes at once.
    Open(1);
    Dialog->close();
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_TRUE(Dialogs.Log.empty());

    // Switching the grid is a change: Cancel stays, No closes without saving.
    const QByteArray before = Dir.Read(QStringLiteral("Test.epr"));
    Open(1);
    Action("ActionGrid")->trigger();
    EXPECT_TRUE(Settings.Item(QStringLiteral("Grid")).GetBoolean());
    EXPECT_TRUE(Action("ActionSave")->isEnabled());
    Dialogs.Answers = {QMessageBox::Cancel, QMessageBox::No};
    Dialog->close();
    EXPECT_TRUE(Dialog->isVisible());
    Dialog->close();
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_EQ(Dialog->result(), QDialog::Rejected);
    EXPECT_EQ(Dialogs.Texts("question"),
              (QStringList{"Save changes to this page?", "Save changes to this page?"}));
    EXPECT_EQ(Dir.Read(QStringLiteral("Test.epr")), before);
    // Closing deselects every item and forgets the steps.
    EXPECT_EQ(Page().SelectedCount(), 0);
    EXPECT_FALSE(Dialog->UndoStack().canUndo());

    // Yes saves and closes with OK.
    Open(1);
    Editor().SelectItem(Page().Item(0));
    QTest::keyClick(&Editor(), Qt::Key_Right);
    Dialogs.Answers = {QMessageBox::Yes};
    QTest::keyClick(Dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    TReport saved;
    saved.LoadFromFile(Path);
    EXPECT_EQ(saved.Page(1)->Item(0)->Left(), 30.0);
}

TEST_F(PageDesignTest, SaveAndExitAndAbandonAndExitAsk) {
    Open(1);
    Editor().SelectItem(Page().Item(0));
    Editor().MoveSelectedBy(1, 0, QString());
    Dialogs.Answers = {QMessageBox::No};
    Action("ActionSaveAndExit")->trigger();
    EXPECT_TRUE(Dialog->isVisible());
    Dialogs.Answers = {QMessageBox::Yes};
    Action("ActionSaveAndExit")->trigger();
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Dialogs.Texts("question").last(),
              QStringLiteral("Are you sure you wish to save the changes to the page design?"));
    TReport saved;
    saved.LoadFromFile(Path);
    EXPECT_EQ(saved.Page(1)->Item(0)->Left(), 21.0);

    const QByteArray before = Dir.Read(QStringLiteral("Test.epr"));
    ASSERT_TRUE(File.Load());
    Open(1);
    Action("ActionAbandonAndExit")->trigger(); // unmodified: no question
    EXPECT_FALSE(Dialog->isVisible());
    Open(1);
    Editor().SelectItem(Page().Item(1));
    Editor().MoveSelectedBy(1, 0, QString());
    Dialogs.Log.clear();
    Dialogs.Answers = {QMessageBox::No, QMessageBox::Yes};
    Action("ActionAbandonAndExit")->trigger();
    EXPECT_TRUE(Dialog->isVisible());
    Action("ActionAbandonAndExit")->trigger();
    EXPECT_FALSE(Dialog->isVisible());
    EXPECT_EQ(Dialog->result(), QDialog::Rejected);
    EXPECT_EQ(
        Dialogs.Texts("question"),
        QStringList(2, QStringLiteral("Are you sure you wish to abandon the changes to the page design?")));
    EXPECT_EQ(Dir.Read(QStringLiteral("Test.epr")), before);
}

TEST_F(PageDesignTest, TypedValuesCountWhenSavingOrClosing) {
    Open(1);
    Editor().SelectItem(Page().Item(0));
    TFormPropertyEditor* grid = Dialog->PropertyEditor();
    grid->SelectRow(grid->RowOf(QStringLiteral("Left")));
    QLineEdit* cell = grid->ValueEditor()->LineEdit();
    cell->selectAll();
    QTest::keyClicks(cell, QStringLiteral("42"));
    // No Enter: Save takes the typed value.
    EXPECT_TRUE(Dialog->SavePage());
    TReport saved;
    saved.LoadFromFile(Path);
    EXPECT_EQ(saved.Page(1)->Item(0)->Left(), 42.0);

    // Typed and closed: the close sees the change and asks.
    cell = grid->ValueEditor()->LineEdit();
    cell->selectAll();
    QTest::keyClicks(cell, QStringLiteral("43"));
    Dialogs.Answers = {QMessageBox::No};
    Dialog->close();
    EXPECT_EQ(Dialogs.Texts("question"), QStringList{QStringLiteral("Save changes to this page?")});
    EXPECT_FALSE(Dialog->isVisible());
}

TEST_F(PageDesignTest, ReorderingAndPastingMarkThePageModified) {
    Open(1);
    Editor().SelectItem(Page().Item(0));
    Action("ActionBringToFront")->trigger();
    EXPECT_EQ(ItemNames(Page()), QStringLiteral("Shape1,InnerA"));
    EXPECT_EQ(Dialog->ItemList()->List()->topLevelItem(1)->text(0), QStringLiteral("InnerA"));
    EXPECT_TRUE(Action("ActionSave")->isEnabled());
    ASSERT_TRUE(Dialog->SavePage());

    Action("ActionSendToBack")->trigger();
    EXPECT_EQ(ItemNames(Page()), QStringLiteral("InnerA,Shape1"));
    EXPECT_TRUE(Dialog->IsModified());
    ASSERT_TRUE(Dialog->SavePage());

    // Dragging rows of the item list.
    Page().SelectOnly(Page().Item(1));
    Dialog->ItemList()->CopySelection();
    Dialog->ItemList()->List()->setCurrentItem(Dialog->ItemList()->List()->topLevelItem(1), 0,
                                               QItemSelectionModel::NoUpdate);
    Dialog->ItemList()->List()->OnDrop(0, 1);
    EXPECT_EQ(ItemNames(Page()), QStringLiteral("Shape1,InnerA"));
    EXPECT_TRUE(Action("ActionSave")->isEnabled());
    ASSERT_TRUE(Dialog->SavePage());

    // Copied here, pasted onto another page of the report.
    Action("ActionCopy")->trigger();
    EXPECT_TRUE(Action("ActionPaste")->isEnabled());
    Dialog->reject();
    Open(2);
    Action("ActionPaste")->trigger();
    EXPECT_EQ(ItemNames(Page()), QStringLiteral("InnerB,Shape1,Shape2"));
    EXPECT_EQ(Dialog->ItemList()->List()->topLevelItemCount(), 3);
    EXPECT_TRUE(Action("ActionSave")->isEnabled());
    Dialogs.Answers = {QMessageBox::No};
    Dialog->reject();
    EXPECT_EQ(Dialogs.Texts("question"), QStringList{QStringLiteral("Save changes to this page?")});
}

TEST_F(PageDesignTest, APageThatCannotBeSavedSaysWhyAndStaysModified) {
    Open(1);
    // The report's place is taken by a folder: the new file cannot replace it.
    const QString blocked = Dir.File(QStringLiteral("Blocked.epr"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    Dialog->FileItem().FilePath = blocked;
    Editor().SelectItem(Page().Item(0));
    QTest::keyClick(&Editor(), Qt::Key_Down);
    EXPECT_FALSE(Dialog->SavePage());
    ASSERT_EQ(Dialogs.Count("error"), 1);
    EXPECT_TRUE(Dialogs.Texts("error").first().contains(blocked))
        << Dialogs.Texts("error").first().toStdString();
    EXPECT_TRUE(Dialog->IsModified());
    EXPECT_TRUE(Action("ActionSave")->isEnabled());
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    // Nothing half-written is left beside it, and the entry still holds the old page.
    EXPECT_EQ(QDir(Dir.Path()).entryList(QDir::Files), QStringList{QStringLiteral("Test.epr")});
    EXPECT_EQ(Dialog->FileItem().Report->Page(1)->Item(0)->Top(), 21.0);

    // Closing with Yes tries again and stays open when that fails too.
    Dialogs.Answers = {QMessageBox::Yes};
    Dialog->close();
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Dialogs.Count("error"), 2);
}

TEST_F(PageDesignTest, ADamagedReportIsNeverSavedOver) {
    const QByteArray text = Dir.Read(QStringLiteral("Test.epr"));
    const QByteArray cut = text.left(text.size() * 2 / 3);
    Dir.Write(QStringLiteral("Test.epr"), cut);
    ASSERT_TRUE(File.Load());
    ASSERT_FALSE(File.LoadWarning().isEmpty());
    const QString refusal = TDamagedSource::RefusalMessage(File.LoadWarning());
    Open(0);
    ASSERT_GT(Page().ItemCount(), 0);
    Editor().SelectItem(Page().Item(0));
    QTest::keyClick(&Editor(), Qt::Key_Down);

    Action("ActionSave")->trigger();
    EXPECT_EQ(Dialogs.Texts("error"), QStringList{refusal});
    EXPECT_TRUE(Dialog->IsModified());
    EXPECT_EQ(Dir.Read(QStringLiteral("Test.epr")), cut);

    // Save and Exit, and Yes to saving on the way out, refuse alike and stay open.
    Dialogs.Log.clear();
    Dialogs.Answers = {QMessageBox::Yes, QMessageBox::Yes};
    Action("ActionSaveAndExit")->trigger();
    Dialog->close();
    EXPECT_EQ(Dialogs.Texts("error"), (QStringList{refusal, refusal}));
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Dir.Read(QStringLiteral("Test.epr")), cut);
}

TEST_F(PageDesignTest, ADiskThatIsFullLeavesTheReportAsItWas) {
    SmallTmpfs disk(64);
    if (!disk.Mounted())
        GTEST_SKIP() << disk.Why().toStdString();
    const QString path = disk.File(QStringLiteral("Test.epr"));
    ASSERT_TRUE(QFile::copy(Path, path));
    const QByteArray before = Dir.Read(QStringLiteral("Test.epr"));
    {
        // Whatever room is left goes to a filler.
        QFile filler(disk.File(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    File.FilePath = path;
    ASSERT_TRUE(File.Load());
    Open(1);
    for (int i = 0; i < 20; ++i)
        Place<TPageItemMemo>(Page(), i, i, 10, 10);
    EXPECT_FALSE(Dialog->SavePage());
    ASSERT_EQ(Dialogs.Count("error"), 1);
    EXPECT_TRUE(Dialogs.Texts("error").first().contains(QStringLiteral("No space left on device")))
        << Dialogs.Texts("error").first().toStdString();
    EXPECT_TRUE(Dialog->IsModified());
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), before);
    // Nothing half-written is left beside it.
    QStringList files = QDir(disk.Path()).entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{"Test.epr", "filler"}));
}

TEST_F(PageDesignTest, UndoAndRedoOfAPropertyEdit) {
    Open(1);
    Editor().SelectItem(Page().Item(0));
    TFormPropertyEditor* grid = Dialog->PropertyEditor();
    const int row = grid->RowOf(QStringLiteral("FontSize"));
    ASSERT_TRUE(grid->CommitText(row, QStringLiteral("14")));
    EXPECT_FALSE(
        grid->CommitText(grid->RowOf(QStringLiteral("PageWidth")), QStringLiteral("0"))); // no such row
    EXPECT_EQ(Page().Item(0)->GetInteger("FontSize"), 14);
    EXPECT_EQ(Dialog->UndoStack().count(), 1);
    EXPECT_EQ(Dialog->UndoStack().undoText(), QStringLiteral("Change FontSize"));
    Action("ActionUndo")->trigger();
    EXPECT_EQ(Page().Item(0)->GetInteger("FontSize"), 8);
    EXPECT_EQ(grid->ValueText(grid->RowOf(QStringLiteral("FontSize"))), QStringLiteral("8"));
    Action("ActionRedo")->trigger();
    EXPECT_EQ(Page().Item(0)->GetInteger("FontSize"), 14);

    // A page size typed in re-anchors items; undo puts both back.
    Editor().SelectItem(nullptr);
    Page().Item(1)->Property("Anchor").SetInteger(AnchorRight);
    ASSERT_EQ(grid->List(), &Page().Properties);
    ASSERT_TRUE(grid->CommitText(grid->RowOf(QStringLiteral("PageWidth")), QStringLiteral("310")));
    EXPECT_EQ(Page().Item(1)->Left(), 120.0);
    EXPECT_EQ(Page().PaperSize(), 0);
    Action("ActionUndo")->trigger();
    EXPECT_EQ(Page().PageWidth(), 210.0);
    EXPECT_EQ(Page().PaperSize(), 1);
    EXPECT_EQ(Page().Item(1)->Left(), 20.0);
    EXPECT_EQ(Page().OutputRect, TPageEditor::PageRectFor(Editor().width(), Editor().height(), 210, 297));
}

TEST_F(PageDesignTest, ExecuteShowsTheDialogModallyOrTellsWhyItCannot) {
    TFileItem missing;
    missing.FilePath = Dir.File(QStringLiteral("Gone.epr"));
    missing.FileType = FileTypeReport;
    EXPECT_EQ(Dialog->Execute(missing, 0), QDialog::Rejected);
    ASSERT_EQ(Dialogs.Count("error"), 1);
    EXPECT_TRUE(Dialogs.Texts("error").first().contains(QStringLiteral("Gone.epr")));

    QTimer::singleShot(0, Dialog.get(), [this] {
        EXPECT_TRUE(Dialog->isModal());
        EXPECT_EQ(ItemNames(Page()), QStringLiteral("Close,Shape1"));
        Action("ActionAbandonAndExit")->trigger();
    });
    EXPECT_EQ(Dialog->Execute(File, 3), QDialog::Rejected);
}

TEST_F(PageDesignTest, APageBeyondTheReportIsSavedAsANewPage) {
    Open(7);
    EXPECT_EQ(Page().ItemCount(), 0);
    Place<TPageItemMemo>(Page(), 0, 0, 10, 10)->SetName(QStringLiteral("Extra"));
    ASSERT_TRUE(Dialog->SavePage());
    EXPECT_EQ(PagesOf(Path), QStringLiteral("Open:0 Extra:0 InnerA:1 InnerB:1 Close:2"));
    EXPECT_EQ(Dialog->PageIndex(), 1);
}

TEST_F(PageDesignTest, TheShippedTemplateOpens) {
    const QString shipped = QStringLiteral(BRAMBLEX_SOURCE_DIR) +
                            QStringLiteral("/data/Template/ENU/Reports/Standard Report.epr");
    TFileItem file;
    file.FilePath = shipped;
    file.FileType = FileTypeReport;
    ASSERT_TRUE(file.Load());
    ASSERT_GT(file.Report->PageCount(), 0);
    Dialog->Load(file, 0);
    Dialog->show();
    EXPECT_EQ(Page().ItemCount(), file.Report->Page(0)->ItemCount());
    EXPECT_FALSE(Dialog->IsModified());
    EXPECT_EQ(Dialog->findChild<QLabel*>(QStringLiteral("LabelReport"))->text(),
              QStringLiteral("Standard Report"));
}

TEST_F(PageDesignTest, ItsLabelsAreNamedByWhatTheyShow) {
    Open(2);
    Editor().SelectItem(Page().Item(0));
    EXPECT_EQ(AccessibleNameOf(Dialog->findChild<QLabel*>(QStringLiteral("LabelReport"))),
              QStringLiteral("Test"));
    EXPECT_EQ(AccessibleNameOf(Dialog->findChild<QLabel*>(QStringLiteral("LabelPage"))),
              QStringLiteral("Page 3"));
    int counted = 0;
    EXPECT_EQ(MisnamedLabels(Dialog.get(), &counted), QStringList());
    EXPECT_GE(counted, 3) << "zoom caption, report and page";
    // The text editor's status line names the property it edits.
    TFormMemoEditor& memo = Dialog->PropertyEditor()->MemoEditor();
    memo.Property = &Page().Item(0)->Property(QStringLiteral("Text"));
    memo.Load();
    EXPECT_EQ(AccessibleNameOf(memo.StatusLine()), QStringLiteral("Text"));
    EXPECT_EQ(MisnamedLabels(&memo), QStringList());
}

TEST_F(PageDesignTest, EveryControlHasAnAccessibleName) {
    Open(1);
    Editor().SelectItem(Page().Item(0));
    QStringList unnamed;
    int checked = 0;
    for (QWidget* w : Dialog->findChildren<QWidget*>()) {
        if (qobject_cast<QHeaderView*>(w) || !w->isVisibleTo(Dialog.get()))
            continue;
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                             qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QToolBar*>(w) ||
                             qobject_cast<QMenuBar*>(w) || qobject_cast<TPageEditor*>(w) ||
                             qobject_cast<TPageRuler*>(w) || qobject_cast<QStatusBar*>(w);
        if (!control)
            continue;
        ++checked;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
        if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()),
                                                   w->objectName());
    }
    // The text editor and the anchor dialog, shown or not.
    for (QDialog* form : {static_cast<QDialog*>(&Dialog->PropertyEditor()->MemoEditor()),
                          static_cast<QDialog*>(&Dialog->PropertyEditor()->AnchorEditor())}) {
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QAbstractScrollArea*>(w))
                continue;
            ++checked;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
            if (!face || face->text(QAccessible::Name).trimmed().isEmpty())
                unnamed << QStringLiteral("%1 %2").arg(QString::fromLatin1(w->metaObject()->className()),
                                                       w->objectName());
        }
    }
    EXPECT_GT(checked, 40);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(u'\n').toStdString();
}

// The designer, its property editor and item list, and the memo and anchor editors in
// the pseudo-language: every text went through the translation and fits.
TEST_F(PageDesignTest, ShowsOnlyTranslatedTextsThatFitInThePseudoLanguage) {
    TPseudoLanguage language;
    ASSERT_TRUE(language.Loaded());
    // Built again after the language is installed, as at a start.
    Dialog = std::make_unique<TFormPageDesign>(Settings, Dialogs, Choices);
    Dialog->resize(1200, 800);
    Open(0);
    QApplication::processEvents();
    QStringList problems;
    int counted = 0;
    // The report's file name, the memo's name of its page, and the item kinds (the file
    // format's class names) are data.
    const QStringList data{QFileInfo(Path).completeBaseName(), "Open", "TPageItemMemo", "TPageItemShape"};
    problems << PseudoLanguageProblems(Dialog.get(), &counted, data);

    TFormMemoEditor memo;
    memo.show();
    problems << PseudoLanguageProblems(&memo, &counted, data);
    TFormAnchor anchor;
    anchor.show();
    problems << PseudoLanguageProblems(&anchor, &counted, data);

    EXPECT_GE(counted, 30);
    problems.removeDuplicates();
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}
