// The main window: start-up, the folder tree and its tool bar sets, the enabling rules
// and the folder and batch commands.

#include "MainWindowFixture.h"

#include "documents/DamagedSource.h"

#include "platform/DirectoryWatcher.h"
#include "platform/FileListClipboard.h"
#include "platform/FileSystem.h"
#include "services/RunJournal.h"
#include "services/StartupSwitches.h"
#include "storage/FileOperations.h"
#include "storage/StoragePaths.h"
#include "ui/FormReports.h"
#include "ui/FormViewHeader.h"
#include "xml/GmXml.h"

#include <QAbstractButton>
#include <QDragEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTabBar>
#include <QToolBar>
#include <QUrl>

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
                     "ActionStop", "ActionClear", "ActionExportTo", "ActionQcLimitSets", "ActionSign"}));
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

TEST_F(MainWindowTest, TreeDropRules) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    QDir().mkpath(Local() + "A/Inner");
    QDir().mkpath(Local() + "B");
    Start();
    Form->LocalNode()->setExpanded(true);
    QTreeWidgetItem* a = Form->NodeOfFolder(Local() + "A");
    a->setExpanded(true);
    QTreeWidgetItem* inner = Form->NodeOfFolder(Local() + "A/Inner");
    QTreeWidgetItem* b = Form->NodeOfFolder(Local() + "B");
    const QStringList dragged{Local() + "A"};
    const Qt::DropActions all = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
    auto effect = [&](QTreeWidgetItem* node, Qt::KeyboardModifiers keys, Qt::DropActions allowed) {
        return Form->TreeDropEffect(dragged, node, allowed, keys);
    };
    EXPECT_EQ(effect(a, Qt::NoModifier, all), Qt::IgnoreAction) << "onto itself";
    EXPECT_EQ(effect(inner, Qt::NoModifier, all), Qt::IgnoreAction) << "into itself";
    EXPECT_EQ(effect(Form->LocalNode(), Qt::NoModifier, all), Qt::IgnoreAction) << "onto its own parent";
    EXPECT_EQ(effect(Form->ReportsNode(), Qt::NoModifier, all), Qt::IgnoreAction) << "outside Local";
    EXPECT_EQ(effect(Form->RootNode(), Qt::NoModifier, all), Qt::IgnoreAction);
    EXPECT_EQ(effect(b, Qt::NoModifier, all), Qt::MoveAction) << "same drive";
    EXPECT_EQ(effect(b, Qt::ControlModifier, all), Qt::CopyAction);
    EXPECT_EQ(effect(b, Qt::ShiftModifier, all), Qt::MoveAction);
    EXPECT_EQ(effect(b, Qt::ShiftModifier | Qt::ControlModifier, all), Qt::IgnoreAction) << "no links";
    EXPECT_EQ(effect(b, Qt::ShiftModifier, Qt::CopyAction), Qt::CopyAction) << "the first allowed";
    EXPECT_EQ(effect(b, Qt::NoModifier, Qt::LinkAction), Qt::LinkAction);

    // A real drop: the folder moves, the tree follows.
    QMimeData* data = MakeFileListMimeData(dragged, TFileListEffect::Copy);
    const QPoint at = Form->TreeViewMain()->visualItemRect(b).center();
    QDragEnterEvent enter(at, all, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Form->TreeViewMain()->viewport(), &enter);
    QDropEvent drop(at, all, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Form->TreeViewMain()->viewport(), &drop);
    EXPECT_EQ(drop.dropAction(), Qt::MoveAction);
    QApplication::processEvents();
    delete data;
    EXPECT_TRUE(QFileInfo(Local() + "B/A/Inner").isDir());
    EXPECT_FALSE(QFileInfo::exists(Local() + "A"));
    EXPECT_EQ(ChildNames(Form->LocalNode()), QStringList{"B"});
}

TEST_F(MainWindowTest, CopyCutAndPasteOfATreeFolder) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    WriteBatch(Local() + "Source/run.epb", 2, 0);
    QDir().mkpath(Local() + "Target");
    Start();
    Form->SelectNode(Form->NodeOfFolder(Local() + "Source"));
    Form->TreeViewMain()->setFocus();
    EXPECT_FALSE(Enabled("ActionPasteFolderFile"));
    A("ActionCopyFolderFile")->trigger();
    Form->SelectNode(Form->NodeOfFolder(Local() + "Target"));
    ASSERT_TRUE(Enabled("ActionPasteFolderFile"));
    A("ActionPasteFolderFile")->trigger();
    EXPECT_TRUE(QFileInfo::exists(Local() + "Target/Source/run.epb"));
    EXPECT_TRUE(QFileInfo::exists(Local() + "Source/run.epb"));

    // Cut and paste moves, and empties the clipboard.
    Form->SelectNode(Form->NodeOfFolder(Local() + "Source"));
    A("ActionCutFolderFile")->trigger();
    Form->SelectNode(Form->LocalNode());
    QTreeWidgetItem* target = Form->NodeOfFolder(Local() + "Target");
    target->setExpanded(true);
    Form->SelectNode(target);
    Dialogs.Answers = {QMessageBox::YesToAll}; // the folder is there already from the copy
    A("ActionPasteFolderFile")->trigger();
    EXPECT_FALSE(QFileInfo::exists(Local() + "Source"));
    EXPECT_TRUE(QFileInfo::exists(Local() + "Target/Source/run.epb"));
    EXPECT_FALSE(ClipboardHasFileList());
    EXPECT_FALSE(Enabled("ActionPasteFolderFile"));
}

TEST_F(MainWindowTest, HelpOpensTheShippedGuideAndAboutNamesTheProgram) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    Start();
    A("ActionHelp")->trigger();
    const QStringList opened = Dialogs.Texts("open-url");
    ASSERT_EQ(opened.size(), 1);
    const QString guide = QUrl(opened[0]).toLocalFile();
    EXPECT_TRUE(guide.endsWith("Bramblex.html"));
    QFile file(guide);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray html = file.readAll();
    for (const char* topic : {"Connecting the instrument", "Measuring", "Reports", "Exporting"})
        EXPECT_TRUE(html.contains(topic)) << topic;

    Dialogs.OpenUrlResult = false; // no browser on this computer
    A("ActionHelp")->trigger();
    EXPECT_EQ(Dialogs.Count("error"), 1);

    A("ActionAbout")->trigger();
    ASSERT_EQ(Dialogs.Count("about"), 1);
    const QString about = Dialogs.Texts("about")[0];
    EXPECT_TRUE(about.contains("Korvane Bramblex"));
    EXPECT_TRUE(about.contains("GNU General Public License as published by the Free Software Foundation, "
                               "either version 3 of the License, or (at your option) any later version"))
        << about.toStdString();
}

TEST_F(MainWindowTest, ChangeStorageDirectoryPreparesTheNewTreeFirst) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    Start();
    Form->SelectNode(Form->RootNode());
    ASSERT_TRUE(Enabled("ActionChangeStorageDirectory"));

    // A folder that cannot become a tree: the error, and everything stays.
    QFile blocker(Dir.File("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Dialogs.Paths = {Dir.File("blocked/tree")};
    A("ActionChangeStorageDirectory")->trigger();
    EXPECT_EQ(Dialogs.Count("error"), 1);
    EXPECT_EQ(Form->RootNode()->text(0), "storage");
    EXPECT_EQ(IncludeTrailingSeparator(StorageRoot()), Storage()) << "not recorded";

    // A new folder is seeded, the tree rebuilt on it, and its settings (from the
    // template tree: no model yet) ask for Preferences.
    Dialogs.Paths = {Dir.File("second")};
    A("ActionChangeStorageDirectory")->trigger();
    EXPECT_TRUE(QFileInfo(Dir.File("second/Local")).isDir());
    EXPECT_EQ(Form->RootNode()->text(0), "second");
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode());
    EXPECT_EQ(Form->Settings().FileName, Dir.File("second/Settings/settings.xml"));
    EXPECT_EQ(Form->Settings().Item("MeasurementWindowWidth").GetInteger(), 256);
    EXPECT_EQ(Form->Settings().Item("DefaultViscoMeter").GetInteger(), -1);
}

TEST_F(MainWindowTest, ClearEmptiesTheReadingsAndKeepsTheRest) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString path = Local() + "Full.epb";
    WriteBatch(path, 2, 0, 4, 1);
    Start();
    ShowFolder(Local());
    SelectInList(path);
    Dialogs.Answers = {QMessageBox::No};
    A("ActionClear")->trigger();
    EXPECT_EQ(Dialogs.Texts("question"), QStringList{"All collected data will be lost, are you sure?"});
    EXPECT_EQ(Readings(path), 4);
    Dialogs.Answers = {QMessageBox::Yes};
    A("ActionClear")->trigger();
    TBatchItem batch;
    batch.LoadFromFile(path);
    EXPECT_EQ(batch.Measurements.Count(), 0);
    EXPECT_EQ(batch.Processes.Count(), 1);
    EXPECT_TRUE(Enabled("ActionStartAuto"));
}

TEST_F(MainWindowTest, ExportWritesTheSelectedBatch) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString path = Local() + "Export me.epb";
    WriteBatch(path, 2, 0, 3, 1);
    Start();
    ShowFolder(Local());
    SelectInList(path);
    const QString csv = Dir.File("out/readings");
    QDir().mkpath(Dir.File("out"));
    Dialogs.Paths = {csv};
    A("ActionExportToCsv")->trigger();
    EXPECT_TRUE(Dialogs.Texts("error").isEmpty()) << Dialogs.Texts("error").join('\n').toStdString();
    QFile file(csv + ".csv");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the default extension is added";
    EXPECT_GE(file.readAll().count('\n'), 3);
    EXPECT_EQ(Form->Settings().Item("LastCSVExport").GetString(), csv + ".csv");
}

TEST_F(MainWindowTest, EveryControlHasAName) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    WriteBatch(Local() + "One.epb", 2, 0, 2, 1);
    Start();
    // Every node kind shows its own tool bar set and pane.
    int controls = 0;
    for (QTreeWidgetItem* node : {Form->RootNode(), Form->ReportsNode(), Form->LocalNode()}) {
        Form->SelectNode(node);
        if (node == Form->LocalNode())
            SelectInList(Local() + "One.epb");
        QApplication::processEvents();
        const QStringList unnamed = UnnamedControls(Form.get(), &controls);
        EXPECT_TRUE(unnamed.isEmpty())
            << node->text(0).toStdString() << ": " << unnamed.join(", ").toStdString();
    }
    EXPECT_GT(controls, 30);
    for (QAction* action : Form->findChildren<QAction*>()) {
        if (action->objectName().startsWith("Action")) {
            EXPECT_FALSE(action->text().isEmpty()) << action->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, SelectingABatchWithAnUnrecoveredJournalOffersItsReadings) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString path = Local() + "Interrupted.epb";
    WriteBatch(path, 2, 0, 0, 1);
    {
        TBatchItem start;
        start.LoadFromFile(path);
        TRunJournal journal;
        journal.Begin(TRunJournal::DefaultFolder(), path, true, start);
        TMeasurementItem m;
        m.DateTime = 45001.25;
        m.Viscosity = 321.5;
        m.RPMCode = 14;
        journal.Append(m, 2, 0);
        journal.Release();
    }
    Dialogs.Answers = {QMessageBox::No}; // at start: later
    Start();
    ASSERT_TRUE(WaitFor([&] { return Dialogs.Count("question") == 1; }, 3000));
    EXPECT_EQ(Readings(path), 0);
    ShowFolder(Local());
    // Declined in this run: selecting the batch does not ask again ...
    SelectInList(path);
    QApplication::processEvents();
    EXPECT_EQ(Dialogs.Count("question"), 1);
    // ... but starting a run on it does, before anything could replace the journal.
    Dialogs.Answers = {QMessageBox::Yes};
    A("ActionStartAuto")->trigger();
    EXPECT_EQ(Dialogs.Count("question"), 2);
    EXPECT_FALSE(Form->RunInProgress());
    EXPECT_EQ(Readings(path), 1);
    EXPECT_FALSE(Enabled("ActionStartAuto")) << "the batch has readings now";
}

TEST_F(MainWindowTest, RefusedCharactersBeepWhileANameIsTyped) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    QDir().mkpath(Local() + "Alpha");
    Start();
    QTreeWidgetItem* alpha = Form->NodeOfFolder(Local() + "Alpha");
    Form->SelectNode(alpha);
    Form->TreeViewMain()->editItem(alpha);
    auto* editor = Form->TreeViewMain()->findChild<QLineEdit*>("EditName");
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "Lot:7?");
    EXPECT_EQ(editor->text(), "Lot7");
    EXPECT_EQ(Dialogs.Count("beep"), 2);
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(editor->text(), "Lot");
}

TEST(StartupSwitches, AreReadInAnyCaseAfterSlashOrDash) {
    struct Case {
        QStringList Args;
        bool Trace, Automation, Register, Unregister;
    };
    for (const Case& c :
         {Case{{"-trace"}, true, false, false, false},
          Case{{"-TRACE", "/embedding"}, true, true, false, false},
          Case{{"/Automation"}, false, true, false, false},
          Case{{"x", "-trace"}, false, false, false, false}, // only as the first argument
          Case{{"-RegServer"}, false, false, true, false}, Case{{"/unregserver"}, false, false, false, true},
          Case{{"embedding"}, false, false, false, false}}) {
        const TStartupSwitches s = ParseStartupSwitches(c.Args);
        const std::string args = c.Args.join(' ').toStdString();
        EXPECT_EQ(s.Trace, c.Trace) << args;
        EXPECT_EQ(s.Automation, c.Automation) << args;
        EXPECT_EQ(s.RegisterServer, c.Register) << args;
        EXPECT_EQ(s.UnregisterServer, c.Unregister) << args;
    }
}

TEST(StartupSwitches, OtherArgumentsAreFilesUnlessTheyAreOptions) {
    // What the menu entry's %F and a file manager pass: absolute paths begin with "/"
    // like a switch, relative ones with anything.
    const TStartupSwitches s = ParseStartupSwitches(
        {"-trace", "/home/lab/Local/Oil.epb", "/Embedding", "Paints/Red.epb", "-unknown", "/tmp/Daily.epr"});
    EXPECT_TRUE(s.Trace);
    EXPECT_TRUE(s.Automation);
    EXPECT_EQ(s.Files, (QStringList{"/home/lab/Local/Oil.epb", "Paints/Red.epb", "/tmp/Daily.epr"}));
    EXPECT_TRUE(ParseStartupSwitches({"/RegServer", "-trace"}).Files.isEmpty());
}

namespace {

QStringList SelectedPaths(TFormLocal* list) {
    QStringList paths;
    for (const TFileItem* entry : list->SelectedEntries())
        paths << entry->FilePath;
    return paths;
}

} // namespace

TEST_F(MainWindowTest, FilesGivenAtStartAreSelectedInTheirFolder) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString oils = Local() + "Oils/";
    WriteBatch(oils + "Gear.epb", 2, 1, 3);
    WriteBatch(oils + "Motor.epb", 2, 1);
    WriteBatch(oils + "Hydraulic.epb", 2, 1);
    WriteBatch(Local() + "Paints/Red.epb", 2, 1);
    Start();

    // A second folder's file cannot share the list with the first folder's.
    Form->OpenFiles({oils + "Motor.epb", oils + "Gear.epb", Local() + "Paints/Red.epb"});
    QApplication::processEvents();
    EXPECT_EQ(Form->SelectedNode(), Form->NodeOfFolder(oils));
    EXPECT_EQ(Form->LabelSelectedFolder()->text(), "Local\\Oils");
    EXPECT_EQ(SelectedPaths(Form->FormLocal()), (QStringList{oils + "Gear.epb", oils + "Motor.epb"}));
    EXPECT_EQ(Dialogs.Count("error"), 0);

    // One batch alone is shown in the batch view, also when the storage tree is
    // reached through a link and the path is relative.
    ASSERT_TRUE(QFile::link(Dir.File("storage"), Dir.File("linked")));
    const QString before = QDir::currentPath();
    QDir::setCurrent(Dir.File("linked") + "/Local");
    Form->OpenFiles({"Paints/Red.epb"});
    QDir::setCurrent(before);
    QApplication::processEvents();
    EXPECT_EQ(Form->SelectedNode(), Form->NodeOfFolder(Local() + "Paints"));
    EXPECT_EQ(SelectedPaths(Form->FormLocal()), (QStringList{Local() + "Paints/Red.epb"}));
    EXPECT_EQ(Form->FormLocal()->SelectedBatchEntry()->FilePath, Local() + "Paints/Red.epb");
    EXPECT_EQ(Dialogs.Count("error"), 0);
}

TEST_F(MainWindowTest, ReportsGivenAtStartAreSelectedInTheReportList) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    // Written settings keep the template's Settings folder out: a tab report by hand.
    QFile::copy(QStringLiteral(BRAMBLEX_SOURCE_DIR "/data/Template/ENU/Settings/Standard Report.epr"),
                Storage() + "Settings/Standard Report.epr");
    Start();
    struct Case {
        QString Path;
        bool Mine;
    };
    for (const Case& c : {Case{Storage() + "Reports/Standard Report.epr", true},
                          Case{Storage() + "Settings/Standard Report.epr", false}}) {
        Form->SelectNode(Form->LocalNode());
        Form->OpenFiles({c.Path});
        QApplication::processEvents();
        EXPECT_EQ(Form->SelectedNode(), Form->ReportsNode());
        ASSERT_NE(Form->FormReports()->CurrentReport(), nullptr) << c.Path.toStdString();
        EXPECT_EQ(Form->FormReports()->CurrentReport()->FilePath, c.Path);
        EXPECT_EQ(Form->FormReports()->ActiveGroup,
                  c.Mine ? TFormReports::GroupMyReports : TFormReports::GroupTabReports);
    }
    EXPECT_EQ(Dialogs.Count("error"), 0) << Dialogs.Texts("error").join("|").toStdString();
}

TEST_F(MainWindowTest, FilesOutsideTheStorageFolderAreToldAboutInOneBox) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    WriteBatch(Local() + "Kept.epb", 2, 1);
    const QString outside = Dir.File("Downloads/Oil.epb");
    WriteBatch(outside, 2, 1);
    // Inside the storage tree but in none of the folders the list shows.
    WriteBatch(Storage() + "Templates/Old.epb", 2, 1);
    // A report of the storage tree that no report list shows is not one of ours.
    QFile::copy(QStringLiteral(BRAMBLEX_SOURCE_DIR "/data/Template/ENU/Reports/Standard Report.epr"),
                Local() + "Stray.epr");
    QFile::copy(QStringLiteral(BRAMBLEX_SOURCE_DIR "/data/Template/ENU/Reports/Standard Report.epr"),
                Dir.File("Downloads/Daily.epr"));
    Start();

    Form->OpenFiles({outside, Storage() + "Templates/Old.epb", Local() + "Stray.epr",
                     Dir.File("Downloads/Daily.epr"), Dir.File("gone.epb"), Local() + "Kept.epb"});
    QApplication::processEvents();
    ASSERT_EQ(Dialogs.Texts("error").size(), 1);
    const QString root = Dir.File("storage");
    EXPECT_EQ(
        Dialogs.Texts("error").front(),
        QStringLiteral("The file \"%1\" lies outside the storage folder \"%2\", so Bramblex cannot open "
                       "it. Copy it into a folder below Local first.\n\n"
                       "The file \"%6\" is not in a Local folder of the storage folder \"%2\", so Bramblex "
                       "cannot open it. Copy it into a folder below Local first.\n\n"
                       "The report \"%3\" is not one of the reports of the storage folder \"%2\", so "
                       "Bramblex cannot open it. Copy it into the storage folder's Reports folder first.\n\n"
                       "The report \"%4\" is not one of the reports of the storage folder \"%2\", so "
                       "Bramblex cannot open it. Copy it into the storage folder's Reports folder first.\n\n"
                       "The file \"%5\" was not found.")
            .arg(outside, root, Local() + "Stray.epr", Dir.File("Downloads/Daily.epr"), Dir.File("gone.epb"),
                 Storage() + "Templates/Old.epb"));
    // The one that is ours is still opened.
    EXPECT_EQ(Form->SelectedNode(), Form->LocalNode());
    EXPECT_EQ(SelectedPaths(Form->FormLocal()), (QStringList{Local() + "Kept.epb"}));
}

TEST_F(MainWindowTest, AHeaderEditReachesTheBatchFileTheFolderListAndItsCache) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString path = Local() + "Cached.epb";
    WriteBatch(path, 2, 1);
    Start();
    ShowFolder(Local());
    SelectInList(path);
    TFormViewBatch* view = Form->FormViewBatch();
    view->SetTabIndex(0);
    view->FormViewHeader()->EditCompany()->setText("Cached Labs");
    // Starting a run, or closing, commits what was typed; so does any other command.
    view->CommitEdits();

    TBatchItem onDisk;
    onDisk.LoadFromFile(path);
    EXPECT_EQ(onDisk.Company, "Cached Labs");
    const int index = Form->FormLocal()->Entries.IndexOf(path, FileTypeBatch);
    ASSERT_GE(index, 0);
    const TFileItem& entry = *Form->FormLocal()->Entries.Items(index);
    EXPECT_EQ(entry.Batch->Company, "Cached Labs");
    EXPECT_EQ(entry.FileModifiedTime, FileLastWrite(path).Packed);

    TGmXML cache;
    cache.LoadFromFile(Local() + "cache.epc");
    int cachedTime = -2;
    for (const auto& node : cache.Nodes().Find("FileList").Children().Find("Data").Children())
        if (node->Children().Find("FileName").GetText() == "Cached.epb")
            cachedTime = node->Children().Find("FileModifiedTime").GetInteger();
    EXPECT_EQ(cachedTime, FileLastWrite(path).Packed);
}

TEST_F(MainWindowTest, DeletingFromTheListAsksAboutWhatIsSelected) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    WriteBatch(Local() + "One.epb", 2, 0);
    WriteBatch(Local() + "Two.epb", 2, 0);
    WriteBatch(Local() + "Sub/Inner.epb", 2, 0);
    Start();
    ShowFolder(Local());

    struct Case {
        QString Select; // empty: every entry
        QString Question;
    };
    for (const Case& c :
         {Case{Local() + "One.epb", "Are you sure you want to delete 'One'?"},
          Case{Local() + "Sub",
               "Are you sure you want to remove the folder named 'Sub' and all its contents?"},
          Case{QString(), "Are you sure you want to delete these 3 items?"}}) {
        if (c.Select.isEmpty()) {
            Form->FormLocal()->ListViewLocal()->setFocus();
            Form->FormLocal()->SelectAll();
            QApplication::processEvents();
        } else {
            SelectInList(c.Select);
        }
        ASSERT_TRUE(Enabled("ActionDeleteFolderFile")) << c.Question.toStdString();
        Dialogs.Log.clear();
        Dialogs.Answers = {QMessageBox::No};
        A("ActionDeleteFolderFile")->trigger();
        EXPECT_EQ(Dialogs.Texts("question"), QStringList{c.Question});
        // Declined: nothing went, and the folder is watched again.
        EXPECT_TRUE(QFileInfo::exists(Local() + "One.epb"));
        EXPECT_TRUE(QFileInfo::exists(Local() + "Sub/Inner.epb"));
        ASSERT_NE(Form->FolderWatcher(), nullptr);
        EXPECT_FALSE(Form->FolderWatcher()->Terminated()) << c.Question.toStdString();
    }

    // Yes to the last question deletes all three.
    Dialogs.Answers = {QMessageBox::Yes};
    A("ActionDeleteFolderFile")->trigger();
    EXPECT_FALSE(QFileInfo::exists(Local() + "One.epb"));
    EXPECT_FALSE(QFileInfo::exists(Local() + "Two.epb"));
    EXPECT_FALSE(QFileInfo::exists(Local() + "Sub"));
    EXPECT_EQ(Form->FormLocal()->Entries.Count(), 0);
    EXPECT_EQ(Form->LocalNode()->childCount(), 0);
}

TEST_F(MainWindowTest, ABatchOfTheFolderLeftBehindStaysInThePaneButNoListCommandActsOnIt) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    WriteBatch(Local() + "A/One.epb", 2, 0, 3, 1);
    QDir().mkpath(Local() + "B");
    Start();
    ShowFolder(Local() + "A");
    SelectInList(Local() + "A/One.epb");
    TFormViewBatch* view = Form->FormViewBatch();
    ASSERT_EQ(view->SelectedFiles.Count(), 1);
    EXPECT_TRUE(view->isVisible());

    ShowFolder(Local() + "B");
    EXPECT_EQ(view->SelectedFiles.Count(), 1);
    EXPECT_TRUE(view->isVisible());
    EXPECT_FALSE(Enabled("ActionExportTo"));
    EXPECT_FALSE(Enabled("ActionStartManual"));
    EXPECT_FALSE(Enabled("ActionDeleteFolderFile"));
}

TEST_F(MainWindowTest, ADamagedBatchIsToldAboutNeverRunOrSavedOverAndCanBeCopied) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString path = Local() + "Cut.epb";
    WriteBatch(path, 2, 0, 0, 3);
    QByteArray bytes;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        bytes = file.readAll();
        // Cut off inside the last process, as an interrupted copy leaves it.
        bytes = bytes.left(bytes.lastIndexOf("<Time>") + 7);
        file.resize(0);
        file.seek(0);
        file.write(bytes);
    }
    TBatchItem read;
    read.LoadFromFile(path);
    ASSERT_TRUE(read.Damaged());

    Start();
    ShowFolder(Local());
    const QString copy = Local() + "Cut mended";
    Dialogs.Answers = {QMessageBox::Yes};
    Dialogs.Paths = {copy};
    SelectInList(path);
    QApplication::processEvents();
    const QStringList questions = Dialogs.Texts("question");
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].startsWith(read.LoadWarning)) << questions[0].toStdString();
    EXPECT_TRUE(questions[0].contains("repaired copy")) << questions[0].toStdString();
    TBatchItem mended;
    mended.LoadFromFile(copy + ".epb");
    EXPECT_FALSE(mended.Damaged());
    EXPECT_EQ(mended.Processes.Count(), read.Processes.Count());

    // Told once; a run, which saves at its end, is refused; the file stays as it is.
    Dialogs.Log.clear();
    SelectInList(path);
    QApplication::processEvents();
    EXPECT_EQ(Dialogs.Count("question"), 0);
    ASSERT_TRUE(Enabled("ActionStartAuto"));
    A("ActionStartAuto")->trigger();
    EXPECT_FALSE(Form->RunInProgress());
    const QStringList errors = Dialogs.Texts("error");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("No run was started")) << errors[0].toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

// Every command that writes the selected batch leaves a damaged file as it is and says
// why in the words the save itself uses.
TEST_F(MainWindowTest, NoCommandWritesOverADamagedBatch) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString path = Local() + "Cut.epb";
    WriteBatch(path, 2, 0, 40, 1);
    QByteArray bytes;
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        bytes = file.readAll();
        // Cut off among the readings.
        bytes = bytes.left(bytes.lastIndexOf("<Viscosity>"));
        file.resize(0);
        file.seek(0);
        file.write(bytes);
    }
    TBatchItem read;
    read.LoadFromFile(path);
    ASSERT_TRUE(read.Damaged());
    ASSERT_GT(read.Measurements.Count(), 0);
    const QString refusal = TDamagedSource::RefusalMessage(read.LoadWarning);
    auto unchanged = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
    };

    Start();
    ShowFolder(Local());
    // A repaired copy asked for under the damaged file's own name is not written there.
    Dialogs.Answers = {QMessageBox::Yes};
    Dialogs.Paths = {path};
    SelectInList(path);
    QApplication::processEvents();
    ASSERT_EQ(Dialogs.Count("question"), 1);
    EXPECT_EQ(Dialogs.Texts("error"), QStringList{refusal});
    EXPECT_TRUE(unchanged());

    // Clear refuses before it asks to lose the readings.
    Dialogs.Log.clear();
    ASSERT_TRUE(Enabled("ActionClear"));
    A("ActionClear")->trigger();
    EXPECT_EQ(Dialogs.Count("question"), 0);
    EXPECT_EQ(Dialogs.Texts("error"), QStringList{refusal});
    EXPECT_TRUE(unchanged());

    // A header edit stays on screen, unsaved.
    Dialogs.Log.clear();
    TFormViewBatch* view = Form->FormViewBatch();
    view->SetTabIndex(0);
    view->FormViewHeader()->EditCompany()->setText("Edited");
    view->CommitEdits();
    const QStringList errors = Dialogs.Texts("error");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].endsWith(refusal)) << errors[0].toStdString();
    EXPECT_TRUE(unchanged());
}
