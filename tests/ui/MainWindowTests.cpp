// The main window: start-up, the folder tree and its tool bar sets, the enabling rules
// and the folder and batch commands.

#include "MainWindowFixture.h"

#include "platform/FileSystem.h"
#include "storage/FileOperations.h"

#include <QLabel>
#include <QLineEdit>
#include <QToolBar>

namespace {

QStringList VisibleToolBarActions(TFormMain& form) {
    QStringList names;
    for (QAction* action : form.ToolBarMain()->actions())
        if (action->isVisible() && !action->isSeparator())
            names << action->objectName();
    return names;
}

QStringList ChildNames(QTreeWidgetItem* node) {
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i)
        names << node->child(i)->text(0);
    return names;
}

} // namespace

TEST_F(MainWindowTest, StartUpFillsDefaultsAndBuildsTheTree) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    QDir().mkpath(Local() + "Oils/Gear");
    QDir().mkpath(Local() + "Paints");
    Start();

    TSettings& settings = Form->Settings();
    EXPECT_EQ(settings.Item("ComPort").GetInteger(), 1);
    EXPECT_DOUBLE_EQ(settings.Item("FormRatio").GetFloat(), 0.3);
    EXPECT_EQ(settings.Item("MeasurementWindowWidth").GetInteger(), 256);
    EXPECT_TRUE(settings.Item("ReadingsVisible").GetBoolean());
    EXPECT_TRUE(settings.Item("ChartVisible").GetBoolean());
    EXPECT_EQ(settings.Item("ThumbnailQuality").GetInteger(), 0);
    // Saved at once, so another program sees them.
    TSettings onDisk;
    onDisk.Load(Storage() + "Settings/settings.xml");
    EXPECT_EQ(onDisk.Item("MeasurementWindowWidth").GetInteger(), 256);

    EXPECT_EQ(Form->windowTitle(), "Korvane Bramblex");
    QTreeWidgetItem* root = Form->RootNode();
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->text(0), "storage");
    EXPECT_EQ(ChildNames(root), (QStringList{"Reports", "Local"}));
    EXPECT_EQ(ChildNames(Form->LocalNode()), (QStringList{"Oils", "Paints"}));
    EXPECT_TRUE(Form->LocalNode()->isExpanded());
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode());
    EXPECT_EQ(Form->LabelSelectedFolder()->text(), "Local");
    // The rest of the tree came from the template tree.
    EXPECT_TRUE(QFileInfo::exists(Storage() + "Reports/Standard Report.epr"));

    QTreeWidgetItem* oils = Form->NodeOfFolder(Local() + "Oils");
    Form->SelectNode(oils);
    oils->setExpanded(true);
    QTreeWidgetItem* gear = Form->NodeOfFolder(Local() + "Oils/Gear/");
    ASSERT_NE(gear, nullptr);
    Form->SelectNode(gear);
    EXPECT_EQ(Form->LabelSelectedFolder()->text(), "Local\\Oils/Gear");
    EXPECT_EQ(Form->FormLocal()->CurrentFolder, Local() + "Oils/Gear/");
}

TEST_F(MainWindowTest, ToolBarShowsTheSetOfTheSelectedNode) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    Start();
    Form->SelectNode(Form->RootNode());
    EXPECT_EQ(VisibleToolBarActions(*Form), QStringList{"ActionChangeStorageDirectory"});
    Form->SelectNode(Form->ReportsNode());
    EXPECT_EQ(VisibleToolBarActions(*Form), (QStringList{"ActionNewReport", "ActionDeleteReport",
                                                         "ActionRenameReport", "ActionCopyReport"}));
    Form->SelectNode(Form->LocalNode());
    EXPECT_EQ(
        VisibleToolBarActions(*Form),
        (QStringList{"ActionNew", "ActionDeleteFolderFile", "ActionRenameFolderFile", "ActionCutFolderFile",
                     "ActionCopyFolderFile", "ActionPasteFolderFile", "ActionStartAuto", "ActionStartManual",
                     "ActionStop", "ActionClear", "ActionExportTo"}));
    EXPECT_TRUE(Enabled("ActionChangeStorageDirectory") == false);
}

TEST_F(MainWindowTest, ToolBarLabelStyles) {
    for (const auto& [style, expected] :
         std::vector<std::pair<QString, Qt::ToolButtonStyle>>{{"0", Qt::ToolButtonTextBesideIcon},
                                                              {"1", Qt::ToolButtonTextUnderIcon},
                                                              {"2", Qt::ToolButtonIconOnly}}) {
        WriteSettings({{"DefaultViscoMeter", "2"}, {"ToolbarLabelStyle", style}});
        Start();
        EXPECT_EQ(Form->ToolBarMain()->toolButtonStyle(), expected) << style.toStdString();
        Form.reset();
    }
}

TEST_F(MainWindowTest, RunCommandsFollowTheSelectedBatch) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    WriteBatch(Local() + "V2L empty.epb", 2, 0, 0, 1);
    WriteBatch(Local() + "V2L with readings.epb", 2, 0, 3, 1);
    WriteBatch(Local() + "V1L empty.epb", 0, 0);
    WriteBatch(Local() + "V2R empty.epb", 3, 8, 0, 1);
    Start();
    ShowFolder(Local());

    struct Case {
        const char* File;
        bool Auto, Manual, Clear, Export;
    };
    for (const Case& c :
         {Case{"V2L empty.epb", true, true, false, true},
          Case{"V2L with readings.epb", false, false, true, true},
          Case{"V1L empty.epb", false, true, false, true}, Case{"V2R empty.epb", true, true, false, true}}) {
        SelectInList(Local() + c.File);
        EXPECT_EQ(Enabled("ActionStartAuto"), c.Auto) << c.File;
        EXPECT_EQ(Enabled("ActionStartManual"), c.Manual) << c.File;
        EXPECT_EQ(Enabled("ActionClear"), c.Clear) << c.File;
        EXPECT_EQ(Enabled("ActionExportTo"), c.Export) << c.File;
        EXPECT_FALSE(Enabled("ActionStop")) << c.File;
        EXPECT_TRUE(Enabled("ActionDeleteFolderFile")) << c.File;
    }
    // With the tree focused nothing runs, and Delete needs a folder below "Local".
    Form->TreeViewMain()->setFocus();
    EXPECT_FALSE(Enabled("ActionStartManual"));
    EXPECT_FALSE(Enabled("ActionDeleteFolderFile"));
    // Two batches: no run, no export.
    Form->FormLocal()->SelectAll();
    Form->FormLocal()->ListViewLocal()->setFocus();
    EXPECT_FALSE(Enabled("ActionStartManual"));
    EXPECT_FALSE(Enabled("ActionExportTo"));
}

TEST_F(MainWindowTest, NewBatchGetsAUniqueNameAndItsEditorOpens) {
    WriteSettings({{"DefaultViscoMeter", "2"}, {"DefaultSpindle", "20"}, {"DefaultCompany", "Acme"}});
    WriteBatch(Local() + "New Batch.epb", 2, 0);
    Start();
    ShowFolder(Local());
    A("ActionNewBatch")->trigger();
    QApplication::processEvents();

    const QString path = Local() + "New Batch (2).epb";
    ASSERT_TRUE(QFileInfo::exists(path));
    TBatchItem batch;
    batch.LoadFromFile(path);
    EXPECT_EQ(batch.ModelType, 2);
    // Spindle 20 does not fit a V2-L: the model's first spindle.
    EXPECT_EQ(batch.SpindleType, 0);
    EXPECT_EQ(batch.Company, "Acme");
    EXPECT_EQ(batch.SelectedYAxis, "0");
    const auto selected = Form->FormLocal()->SelectedEntries();
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_EQ(selected.front()->FilePath, path);
    auto* editor = Form->FormLocal()->ListViewLocal()->findChild<QLineEdit*>("EditName");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "New Batch (2)");
}

TEST_F(MainWindowTest, RenamingAFolderNode) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    QDir().mkpath(Local() + "Alpha");
    QDir().mkpath(Local() + "Beta");
    Start();
    QTreeWidgetItem* alpha = Form->NodeOfFolder(Local() + "Alpha");
    Form->SelectNode(alpha);

    // A duplicate name: the error, the old name, and the editor again.
    alpha->setText(0, "Beta");
    EXPECT_EQ(Dialogs.Texts("error"),
              QStringList{"A folder with the name you specified already exists. Specify a different name."});
    EXPECT_EQ(alpha->text(0), "Alpha");
    QApplication::processEvents();
    EXPECT_TRUE(Form->TreeViewMain()->isPersistentEditorOpen(alpha) ||
                Form->TreeViewMain()->findChild<QLineEdit*>("EditName") != nullptr);
    EXPECT_TRUE(QFileInfo(Local() + "Alpha").isDir());

    // Names that are no plain folder name are refused the same way.
    for (const QString& bad :
         {QString(), QStringLiteral(".."), QStringLiteral("a/b"), QStringLiteral("x\ty")}) {
        Dialogs.Log.clear();
        alpha->setText(0, bad);
        EXPECT_EQ(Dialogs.Count("error"), 1) << bad.toStdString();
        EXPECT_EQ(alpha->text(0), "Alpha");
    }
    int folders = 0;
    for (const TDirectoryEntry& entry : ListDirectory(Local()))
        folders += entry.IsFolder ? 1 : 0;
    EXPECT_EQ(folders, 2);

    // A good name renames the folder and re-sorts the siblings.
    Dialogs.Log.clear();
    alpha->setText(0, "Gamma");
    EXPECT_TRUE(Dialogs.Log.empty());
    EXPECT_TRUE(QFileInfo(Local() + "Gamma").isDir());
    EXPECT_FALSE(QFileInfo::exists(Local() + "Alpha"));
    EXPECT_EQ(ChildNames(Form->LocalNode()), (QStringList{"Beta", "Gamma"}));
    EXPECT_EQ(Form->FolderOfNode(alpha), Local() + "Gamma/");
}

TEST_F(MainWindowTest, DeletingAFolderFromTheTreeAsksFirst) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    WriteBatch(Local() + "Old/run.epb", 2, 0);
    Start();
    QTreeWidgetItem* old = Form->NodeOfFolder(Local() + "Old");
    Form->SelectNode(old);
    Form->TreeViewMain()->setFocus();

    Dialogs.Answers = {QMessageBox::No};
    A("ActionDeleteFolderFile")->trigger();
    EXPECT_EQ(Dialogs.Texts("question"),
              QStringList{"Are you sure you want to remove the folder named 'Old' and all its contents?"});
    EXPECT_TRUE(QFileInfo::exists(Local() + "Old/run.epb"));

    Dialogs.Answers = {QMessageBox::Yes};
    A("ActionDeleteFolderFile")->trigger();
    EXPECT_FALSE(QFileInfo::exists(Local() + "Old"));
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode());
    EXPECT_EQ(Form->LocalNode()->childCount(), 0);
}

TEST_F(MainWindowTest, StartedForAutomationBuildsTheTreeWithoutAWindow) {
    WriteSettings({{"DefaultViscoMeter", "-1"}});
    QDir().mkpath(Local() + "Folder");
    Start(/*show=*/false);
    EXPECT_FALSE(Form->isVisible());
    ASSERT_NE(Form->LocalNode(), nullptr);
    EXPECT_EQ(ChildNames(Form->LocalNode()), QStringList{"Folder"});
    // No preferences for a program nobody sees.
    QTest::qWait(400);
    EXPECT_EQ(Dialogs.Log.size(), 0u);
}
