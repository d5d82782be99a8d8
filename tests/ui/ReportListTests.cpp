// The report list window of the "Reports" node, in the main window on a scratch tree.

#include "MainWindowFixture.h"

#include "documents/DamagedSource.h"
#include "platform/DirectoryWatcher.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "storage/StoragePaths.h"
#include "ui/FormPageDesign.h"
#include "ui/FormReports.h"
#include "ui/FormViewReport.h"
#include "ui/KorvTabBar.h"
#include "ui/PageEditor.h"

#include <QLabel>
#include <QListWidget>
#include <QSplitter>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <cerrno>
#include <cstring>

namespace {

// A report file with pages of the given types; the first item-less page of each type
// gets a width that tells it apart (100 + index).
void WriteReport(const QString& path, const std::vector<int>& types, bool readOnly = false) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    TReport report;
    report.ReadOnly = readOnly;
    for (size_t i = 0; i < types.size(); ++i) {
        TPage* page = report.AddPage();
        page->Property(QStringLiteral("PageType")).SetInteger(types[i]);
    }
    report.SaveToFile(path);
}

std::vector<int> TypesOnDisk(const QString& path) {
    TReport report;
    report.LoadFromFile(path);
    std::vector<int> types;
    for (int i = 0; i < report.PageCount(); ++i)
        types.push_back(report.Page(i)->PageType());
    return types;
}

QStringList Names(QListWidget* list) {
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

// Whether an in-place name editor is open on the list.
bool Editing(QListWidget* list) {
    for (QLineEdit* editor : list->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible())
            return true;
    return false;
}

} // namespace

class ReportListTest : public MainWindowTest {
protected:
    QString Reports() const { return Storage() + QStringLiteral("Reports/"); }
    QString Tabs() const { return Storage() + QStringLiteral("Settings/"); }

    void SetUp() override {
        MainWindowTest::SetUp();
        PrepareStorageAt(Storage());
    }

    void StartOnReports() {
        WriteSettings({{"DefaultViscoMeter", "2"}});
        Start();
        Form->SelectNode(Form->ReportsNode());
        QApplication::processEvents();
        R = Form->FormReports();
        ASSERT_NE(R, nullptr);
        ASSERT_TRUE(R->isVisible());
    }
    void Select(const QString& path) {
        R->SelectReportFile(path);
        QApplication::processEvents();
    }
    void SelectPage(int row) {
        R->ListViewPages()->setCurrentItem(R->ListViewPages()->topLevelItem(row));
        R->UpdateActions();
    }
    bool On(const char* name) {
        R->UpdateActions();
        return R->Action(QLatin1String(name))->isEnabled();
    }
    QString LastError() const {
        for (auto it = Dialogs.Log.rbegin(); it != Dialogs.Log.rend(); ++it)
            if (it->Kind == "error")
                return it->Text;
        return {};
    }

    TFormReports* R = nullptr;
};

TEST_F(ReportListTest, ListsBothGroupsAndNamesEveryControl) {
    WriteReport(Storage() + "Reports/Daily.epr", {0, 1, 2});
    StartOnReports();
    EXPECT_EQ(Names(R->ListViewMyReports()),
              (QStringList{"Daily", "Flow Analysis", "QC Certificate", "Standard Report"}));
    EXPECT_EQ(Names(R->ListViewTabReports()), QStringList{"Standard Report"});
    EXPECT_EQ(R->ActiveGroup, TFormReports::GroupNone);
    EXPECT_TRUE(R->LabelReport()->text().isEmpty());

    Select(Reports() + "Daily.epr");
    EXPECT_EQ(R->LabelReport()->text(), "My Reports > Daily");
    ASSERT_EQ(R->ListViewPages()->topLevelItemCount(), 3);
    EXPECT_EQ(R->ListViewPages()->topLevelItem(2)->text(0), "3");
    EXPECT_EQ(R->ListViewPages()->topLevelItem(2)->text(1), "Closing Page");
    EXPECT_EQ(R->ListViewPages()->headerItem()->text(0), "Number");
    Select(Tabs() + "Standard Report.epr");
    EXPECT_EQ(R->LabelReport()->text(), "Tab Reports > Standard Report");

    // The upper lists take "FormRatio" of the height; My Reports half the width left
    // by the button column.
    Form->resize(1000, 700);
    QApplication::processEvents();
    const double ratio = Form->Settings().Item("FormRatio").GetFloat();
    EXPECT_EQ(R->findChild<QWidget*>("PanelMyReports")->width(), (R->width() - 44) / 2);
    EXPECT_EQ(R->Splitter()->sizes().value(0), static_cast<int>(R->height() * ratio + 0.5));
    EXPECT_EQ(UnnamedControls(R), QStringList());
    const QString shots = qEnvironmentVariable("BRAMBLEX_SHOTS");
    if (!shots.isEmpty())
        Form->grab().save(shots + "/report-list.png");
}

TEST_F(ReportListTest, ReadOnlyReportCanOnlyBeCopiedAndTheCopyIsEditable) {
    WriteReport(Storage() + "Reports/Locked.epr", {0, 1, 1, 2}, true);
    StartOnReports();
    Select(Reports() + "Locked.epr");
    SelectPage(2);
    Form->UpdateActions();
    EXPECT_FALSE(A("ActionRenameReport")->isEnabled());
    EXPECT_FALSE(A("ActionDeleteReport")->isEnabled());
    EXPECT_TRUE(A("ActionCopyReport")->isEnabled());
    EXPECT_TRUE(A("ActionNewReport")->isEnabled());
    for (const char* name : {"ActionNewPage", "ActionDeletePage", "ActionEditPage", "ActionCopyPage",
                             "ActionPastePage", "ActionMovePageUp", "ActionMovePageDown"})
        EXPECT_FALSE(On(name)) << name;
    QListWidgetItem* row = R->ListViewMyReports()->currentItem();
    ASSERT_NE(row, nullptr);
    EXPECT_FALSE(row->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(row->data(Qt::UserRole).toBool()) << "listed with the read-only image";

    A("ActionCopyReport")->trigger();
    QApplication::processEvents();
    const QString copy = Reports() + "Copy of Locked.epr";
    ASSERT_TRUE(QFileInfo::exists(copy));
    TReport onDisk;
    onDisk.LoadFromFile(copy);
    EXPECT_FALSE(onDisk.ReadOnly);
    EXPECT_EQ(R->LabelReport()->text(), "My Reports > Copy of Locked");
    EXPECT_EQ(Editing(R->ListViewMyReports()), true) << "copy opens for renaming";
    Form->UpdateActions();
    EXPECT_TRUE(A("ActionRenameReport")->isEnabled());
    EXPECT_TRUE(On("ActionNewPage"));
}

TEST_F(ReportListTest, PageCommandsKeepTypeGroupsAndSaveAtOnce) {
    const QString daily = Storage() + "Reports/Daily.epr";
    WriteReport(daily, {0, 1, 2});
    StartOnReports();
    Select(daily);

    R->NewPage(PageTypeInner);
    EXPECT_EQ(TypesOnDisk(daily), (std::vector<int>{0, 1, 1, 2}));
    EXPECT_EQ(R->SelectedPage(), 2);
    R->NewPage(PageTypeOpening);
    EXPECT_EQ(TypesOnDisk(daily), (std::vector<int>{0, 0, 1, 1, 2}));

    // The first inner page follows an opening page: it cannot move up; the second can.
    SelectPage(2);
    EXPECT_FALSE(On("ActionMovePageUp"));
    EXPECT_TRUE(On("ActionMovePageDown"));
    SelectPage(4);
    EXPECT_FALSE(On("ActionMovePageDown"));
    EXPECT_FALSE(R->CanDropPage(4, 3)) << "closing onto inner";
    EXPECT_TRUE(R->CanDropPage(3, 2));

    // Copy a closing page and paste it: it lands after the opening pages.
    R->CopyPage();
    EXPECT_TRUE(On("ActionPastePage"));
    R->PastePage();
    EXPECT_EQ(TypesOnDisk(daily), (std::vector<int>{0, 0, 2, 1, 1, 2}));
    EXPECT_EQ(R->SelectedPage(), 2);

    SelectPage(2);
    Dialogs.Answers.push_back(QMessageBox::Yes);
    R->DeletePage();
    EXPECT_EQ(TypesOnDisk(daily), (std::vector<int>{0, 0, 1, 1, 2}));
    EXPECT_EQ(R->ListViewPages()->topLevelItemCount(), 5);
}

TEST_F(ReportListTest, PasteIntoReportWithoutOpeningPageGoesFirst) {
    const QString a = Storage() + "Reports/A.epr";
    const QString b = Storage() + "Reports/B.epr";
    WriteReport(a, {1, 2});
    WriteReport(b, {0, 1});
    StartOnReports();
    Select(a);
    SelectPage(1);
    R->CopyPage();
    R->PastePage();
    EXPECT_EQ(TypesOnDisk(a), (std::vector<int>{2, 1, 2}));
    Select(b);
    R->PastePage();
    EXPECT_EQ(TypesOnDisk(b), (std::vector<int>{0, 2, 1}));
}

TEST_F(ReportListTest, ReportFileThatCannotBeWrittenSaysWhyAndKeepsThePages) {
    const QString daily = Storage() + "Reports/Daily.epr";
    WriteReport(daily, {0, 1, 2});
    StartOnReports();
    Select(daily);
    // A folder with content where the file was: the save's rename onto it fails.
    ASSERT_TRUE(QFile::remove(daily));
    ASSERT_TRUE(QDir().mkpath(daily + "/inside"));
    R->NewPage(PageTypeInner);
    EXPECT_TRUE(LastError().contains("Daily.epr")) << LastError().toStdString();
    EXPECT_TRUE(LastError().contains(QString::fromLocal8Bit(std::strerror(EISDIR))))
        << LastError().toStdString();
    EXPECT_EQ(R->ListViewPages()->topLevelItemCount(), 3);
}

TEST_F(ReportListTest, PageCommandsOnADamagedReportSayWhyAndLeaveTheFile) {
    const QString daily = Reports() + "Daily.epr";
    WriteReport(daily, {0, 1, 2});
    QFile file(daily);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray cut = file.readAll();
    cut = cut.left(cut.lastIndexOf("<Page>") + 3);
    file.resize(0);
    file.write(cut);
    file.close();
    TReport read;
    read.LoadFromFile(daily);
    ASSERT_TRUE(read.Damaged());
    ASSERT_EQ(read.PageCount(), 2);

    StartOnReports();
    Select(daily);
    ASSERT_EQ(R->ListViewPages()->topLevelItemCount(), 2);
    R->NewPage(PageTypeInner);
    EXPECT_EQ(LastError(), TDamagedSource::RefusalMessage(read.LoadWarning));
    EXPECT_EQ(R->ListViewPages()->topLevelItemCount(), 2);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), cut);
}

TEST_F(ReportListTest, MovesBetweenGroupsAndTheirClashes) {
    WriteReport(Storage() + "Reports/Daily.epr", {1});
    WriteReport(Storage() + "Reports/Weekly.epr", {1});
    WriteReport(Storage() + "Settings/Daily.epr", {0, 1});
    StartOnReports();
    Select(Reports() + "Daily.epr");
    R->UpdateActions();
    EXPECT_TRUE(R->findChild<QToolButton*>("ButtonMoveToTabReports")->isEnabled());
    EXPECT_FALSE(R->findChild<QToolButton*>("ButtonMoveToMyReports")->isEnabled());
    R->MoveToTabReports();
    EXPECT_EQ(LastError(), "A report with the name you specified already exists. Specify a different name.");
    EXPECT_TRUE(QFileInfo::exists(Reports() + "Daily.epr"));
    EXPECT_EQ(TypesOnDisk(Tabs() + "Daily.epr"), (std::vector<int>{0, 1}));

    Dialogs.Log.clear();
    Select(Reports() + "Weekly.epr");
    R->MoveToTabReports();
    EXPECT_TRUE(LastError().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Reports() + "Weekly.epr"));
    EXPECT_TRUE(QFileInfo::exists(Tabs() + "Weekly.epr"));
    EXPECT_EQ(R->LabelReport()->text(), "Tab Reports > Weekly");
    EXPECT_GE(Form->TabReports().IndexOf(Tabs() + "Weekly.epr", FileTypeReport), 0)
        << "the main window's tab reports follow";
    EXPECT_EQ(Names(R->ListViewTabReports()), (QStringList{"Weekly", "Standard Report", "Daily"}))
        << "descending order";
    R->MoveToMyReports();
    EXPECT_TRUE(QFileInfo::exists(Reports() + "Weekly.epr"));
    EXPECT_EQ(R->LabelReport()->text(), "My Reports > Weekly");
}

TEST_F(ReportListTest, NewRenameAndDelete) {
    WriteReport(Storage() + "Reports/Daily.epr", {1});
    StartOnReports();
    Select(Reports() + "Daily.epr");
    R->ListViewMyReports()->setFocus();
    R->ActiveGroup = TFormReports::GroupMyReports;
    A("ActionNewReport")->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(QFileInfo::exists(Reports() + "New.epr"));
    EXPECT_EQ(Editing(R->ListViewMyReports()), true);
    const int row = R->MyReports.IndexOf(Reports() + "New.epr", FileTypeReport);
    ASSERT_GE(row, 0);

    // Onto an existing name: the message, the old name back, editing again.
    R->RenameEdited(TFormReports::GroupMyReports, row, "Daily");
    EXPECT_EQ(LastError(), "A report with the name you specified already exists. Specify a different name.");
    EXPECT_EQ(R->ListViewMyReports()->item(row)->text(), "New");
    EXPECT_TRUE(QFileInfo::exists(Reports() + "New.epr"));
    QApplication::processEvents();
    EXPECT_EQ(Editing(R->ListViewMyReports()), true);

    R->RenameEdited(TFormReports::GroupMyReports, row, "Monthly");
    EXPECT_TRUE(QFileInfo::exists(Reports() + "Monthly.epr"));
    EXPECT_FALSE(QFileInfo::exists(Reports() + "New.epr"));
    EXPECT_EQ(R->LabelReport()->text(), "My Reports > Monthly");

    Dialogs.Answers.push_back(QMessageBox::Yes);
    R->DeleteReport();
    EXPECT_EQ(Dialogs.Log.back().Text, "Are you sure you want to delete 'Monthly'?");
    EXPECT_FALSE(QFileInfo::exists(Reports() + "Monthly.epr"));
    EXPECT_FALSE(Names(R->ListViewMyReports()).contains("Monthly"));
}

TEST_F(ReportListTest, ThumbnailsAreDrawnOnlyForRowsShown) {
    WriteReport(Storage() + "Reports/Long.epr", std::vector<int>(60, 1));
    StartOnReports();
    Select(Reports() + "Long.epr");
    R->resize(800, 500);
    QApplication::processEvents();
    R->ListViewPages()->viewport()->repaint();
    EXPECT_GT(R->ThumbnailsDrawn(), 0);
    EXPECT_LT(R->ThumbnailsDrawn(), 20);

    Form->Settings().Item("ThumbnailQuality").SetInteger(2);
    Select(Reports() + "Long.epr");
    R->ListViewPages()->viewport()->repaint();
    EXPECT_EQ(R->ThumbnailsDrawn(), 0);
    EXPECT_TRUE(R->Thumbnail(0).isNull());
}

TEST_F(ReportListTest, EditHandsThePageToTheDesignerAndSelectsWhereItEndedUp) {
    const QString daily = Storage() + "Reports/Daily.epr";
    WriteReport(daily, {0, 1, 2});
    StartOnReports();
    Select(daily);
    SelectPage(1);
    ASSERT_TRUE(On("ActionEditPage"));
    bool shown = false;
    // In the designer the inner page becomes a closing page: saved, it ends its new group.
    QTimer::singleShot(0, R, [&] {
        auto* designer = qobject_cast<TFormPageDesign*>(QApplication::activeModalWidget());
        ASSERT_NE(designer, nullptr);
        shown = true;
        EXPECT_EQ(designer->FileItem().FilePath, daily);
        EXPECT_EQ(designer->PageIndex(), 1);
        EXPECT_EQ(designer->Editor()->Page().PageType(), PageTypeInner);
        designer->Editor()->Page().Property("PageType").SetInteger(PageTypeClosing);
        EXPECT_TRUE(designer->SavePage());
        designer->AbandonAndExit();
    });
    R->Action("ActionEditPage")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_EQ(TypesOnDisk(daily), (std::vector<int>{0, 2, 2}));
    EXPECT_EQ(R->SelectedPage(), 2) << "the row of the page the designer showed last";
    EXPECT_EQ(R->ListViewPages()->topLevelItem(2)->text(1), "Closing Page");
    EXPECT_EQ(R->LabelReport()->text(), "My Reports > Daily");
}

TEST_F(ReportListTest, EachEditStartsTheDesignerAtTheZoomChosenLast) {
    const QString daily = Storage() + "Reports/Daily.epr";
    WriteReport(daily, {0, 1, 2});
    StartOnReports();
    Select(daily);
    SelectPage(0);
    // Each Edit builds its own dialog: what it starts with and what the operator leaves it at.
    const auto edit = [this](int choose) {
        QString shown;
        QTimer::singleShot(0, R, [&] {
            auto* designer = qobject_cast<TFormPageDesign*>(QApplication::activeModalWidget());
            ASSERT_NE(designer, nullptr);
            shown = designer->ZoomBox()->currentText();
            if (choose >= 0)
                designer->findChild<QAction*>(QStringLiteral("ActionZoom%1").arg(choose))->trigger();
            designer->AbandonAndExit();
        });
        R->Action("ActionEditPage")->trigger();
        return shown;
    };
    EXPECT_EQ(edit(3), "Page Width");
    EXPECT_EQ(edit(-1), "200%");
    EXPECT_EQ(edit(8), "200%");
    SelectPage(2);
    EXPECT_EQ(edit(-1), "25%") << "another page of the report";
}

TEST_F(ReportListTest, TheBatchViewsReportTabsFollowTheTabReportFiles) {
    WriteSettings({{"DefaultViscoMeter", "2"}});
    const QString batch = Local() + "Run.epb";
    WriteBatch(batch, 2, 1, 1000);
    Start();
    ShowFolder(Local());
    SelectInList(batch);
    TFormViewBatch* view = Form->FormViewBatch();
    TKorvTabBar* tabs = view->KorvTabPreview();
    const auto texts = [tabs] {
        QStringList texts;
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
        return texts;
    };
    ASSERT_EQ(texts(), (QStringList{"Header", "Processes", "Measurements", "Analysis", "Standard Report",
                                    "My Reports"}));
    view->SetTabIndex(4);
    TFormViewReport* preview = view->FormViewReport();
    ASSERT_TRUE(preview->isVisible());
    ASSERT_TRUE(preview->StandardMode());
    const QString shots = qEnvironmentVariable("BRAMBLEX_SHOTS");
    if (!shots.isEmpty()) {
        QTest::qWait(1500); // the window's own mail check has answered
        preview->SetMailAvailable(true);
        Form->resize(1400, 900);
        QTest::qWait(100);
        Form->grab().save(shots + "/batch-view-report-tab.png");
    }

    // Written by someone else while the tab shows: the preview shows the new pages.
    WriteReport(Tabs() + "Standard Report.epr", {0, 1, 1, 2});
    EXPECT_TRUE(WaitFor([&] { return preview->PreviewReport()->PageCount() == 4; }, 10000))
        << preview->PreviewReport()->PageCount();
    // A new tab report gets its tab at once (descending names), the shown tab stays.
    WriteReport(Tabs() + "Audit.epr", {1, 1});
    EXPECT_TRUE(WaitFor([&] { return tabs->count() == 7; }, 10000));
    EXPECT_EQ(texts(), (QStringList{"Header", "Processes", "Measurements", "Analysis", "Standard Report",
                                    "Audit", "My Reports"}));
    EXPECT_EQ(tabs->currentIndex(), 4);
    EXPECT_EQ(preview->PreviewReport()->PageCount(), 4);

    // A page added in the report list shows when the batch view is back.
    Form->SelectNode(Form->ReportsNode());
    QApplication::processEvents();
    R = Form->FormReports();
    Select(Tabs() + "Audit.epr");
    R->NewPage(PageTypeClosing);
    ShowFolder(Local());
    SelectInList(batch);
    view->SetTabIndex(5);
    EXPECT_EQ(preview->PreviewReport()->PageCount(), 3);
}

// Report files that another program adds, renames, removes or writes in either folder
// show while the list shows, the selection staying on its report by name; the same
// through inotify and through listing the folders, as on a network share.
class ReportListWatchTest : public ReportListTest, public ::testing::WithParamInterface<bool> {
protected:
    void StartWatching() {
        WriteSettings({{"DefaultViscoMeter", "2"}});
        Start();
        R = Form->FormReports();
        ASSERT_NE(R, nullptr);
        R->WatchPauseMs = 300;
        R->WatchPollMs = 200;
        if (GetParam())
            R->WatchNeedsPolling = [](const QString&) { return true; };
        Form->SelectNode(Form->ReportsNode());
        QApplication::processEvents();
        ASSERT_TRUE(R->isVisible());
        for (TThreadDirectory* watcher : {R->ReportsWatcher(), R->TabReportsWatcher()}) {
            ASSERT_NE(watcher, nullptr);
            ASSERT_TRUE(WaitFor([&] { return !watcher->WatchedFolder().isEmpty(); }, 5000));
            EXPECT_EQ(watcher->Polling(), GetParam());
        }
    }
    bool Shows(const QStringList& mine, const QStringList& tabs) {
        return WaitFor(
            [&] { return Names(R->ListViewMyReports()) == mine && Names(R->ListViewTabReports()) == tabs; },
            5000);
    }
    QString Current() const { return R->CurrentReport() ? R->CurrentReport()->FilePath : QString(); }
};

TEST_P(ReportListWatchTest, FilesChangedByOthersShowAndTheSelectionStaysByName) {
    const QString daily = Reports() + "Daily.epr";
    WriteReport(daily, {0, 1, 1, 2});
    StartWatching();
    Select(daily);
    SelectPage(2);
    ASSERT_TRUE(Shows({"Daily", "Flow Analysis", "QC Certificate", "Standard Report"}, {"Standard Report"}));

    // Added ahead of the selected report in its list: it moves a row down and stays selected.
    WriteReport(Reports() + "Alpha.epr", {1});
    WriteReport(Tabs() + "Audit.epr", {1});
    EXPECT_TRUE(Shows({"Alpha", "Daily", "Flow Analysis", "QC Certificate", "Standard Report"},
                      {"Standard Report", "Audit"}))
        << Names(R->ListViewMyReports()).join(',').toStdString();
    EXPECT_EQ(Current(), daily);
    EXPECT_EQ(R->ListViewMyReports()->currentRow(), 1);
    EXPECT_EQ(R->LabelReport()->text(), "My Reports > Daily");
    EXPECT_EQ(R->SelectedPage(), 2);
    EXPECT_GE(Form->TabReports().IndexOf(Tabs() + "Audit.epr", FileTypeReport), 0)
        << "the main window's tab reports follow";
    if (const QString shots = qEnvironmentVariable("BRAMBLEX_SHOTS"); !shots.isEmpty() && !GetParam()) {
        Form->resize(1400, 900);
        QTest::qWait(100);
        Form->grab().save(shots + "/report-list-follows-the-folders.png");
    }

    ASSERT_TRUE(QFile::rename(Reports() + "Alpha.epr", Reports() + "Zulu.epr"));
    ASSERT_TRUE(QFile::rename(Tabs() + "Audit.epr", Tabs() + "Review.epr"));
    EXPECT_TRUE(Shows({"Daily", "Flow Analysis", "QC Certificate", "Standard Report", "Zulu"},
                      {"Standard Report", "Review"}));
    EXPECT_EQ(Current(), daily);
    EXPECT_EQ(R->ListViewMyReports()->currentRow(), 0);

    ASSERT_TRUE(QFile::remove(Reports() + "Zulu.epr"));
    ASSERT_TRUE(QFile::remove(Tabs() + "Review.epr"));
    EXPECT_TRUE(Shows({"Daily", "Flow Analysis", "QC Certificate", "Standard Report"}, {"Standard Report"}));
    EXPECT_EQ(Current(), daily);
    EXPECT_EQ(R->SelectedPage(), 2);

    // The selected report written by someone else: its pages are read again.
    WriteReport(daily, {0, 1, 1, 1, 2});
    EXPECT_TRUE(WaitFor([&] { return R->ListViewPages()->topLevelItemCount() == 5; }, 5000));
    EXPECT_EQ(Current(), daily);
    EXPECT_EQ(R->SelectedPage(), 2);

    // Renamed under the list: nothing of that name is left to select.
    ASSERT_TRUE(QFile::rename(daily, Reports() + "Nightly.epr"));
    EXPECT_TRUE(
        Shows({"Flow Analysis", "Nightly", "QC Certificate", "Standard Report"}, {"Standard Report"}));
    EXPECT_EQ(R->CurrentReport(), nullptr);
    EXPECT_TRUE(R->LabelReport()->text().isEmpty());
    EXPECT_EQ(R->ListViewPages()->topLevelItemCount(), 0);

    // Hidden, the list watches nothing; shown again, it reads the folders.
    Form->SelectNode(Form->LocalNode());
    QApplication::processEvents();
    EXPECT_TRUE(R->ReportsWatcher() == nullptr || R->ReportsWatcher()->Terminated());
    EXPECT_TRUE(R->TabReportsWatcher() == nullptr || R->TabReportsWatcher()->Terminated());
    WriteReport(Reports() + "Later.epr", {1});
    Form->SelectNode(Form->ReportsNode());
    QApplication::processEvents();
    EXPECT_EQ(Names(R->ListViewMyReports()),
              (QStringList{"Flow Analysis", "Later", "Nightly", "QC Certificate", "Standard Report"}));
}

// A name being edited is not swept away: the lists follow once the editor closes.
TEST_P(ReportListWatchTest, ARefreshWaitsForTheNameEditor) {
    const QString daily = Reports() + "Daily.epr";
    WriteReport(daily, {1});
    StartWatching();
    Select(daily);
    R->RenameReport();
    QApplication::processEvents();
    ASSERT_TRUE(Editing(R->ListViewMyReports()));
    WriteReport(Reports() + "Alpha.epr", {1});
    QTest::qWait(1500);
    EXPECT_TRUE(Editing(R->ListViewMyReports()));
    EXPECT_EQ(Names(R->ListViewMyReports()),
              (QStringList{"Daily", "Flow Analysis", "QC Certificate", "Standard Report"}));

    QLineEdit* editor = nullptr;
    for (QLineEdit* e : R->ListViewMyReports()->viewport()->findChildren<QLineEdit*>())
        if (e->isVisible())
            editor = e;
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_TRUE(
        Shows({"Alpha", "Daily", "Flow Analysis", "QC Certificate", "Standard Report"}, {"Standard Report"}));
    EXPECT_EQ(Current(), daily);
}

INSTANTIATE_TEST_SUITE_P(ReportList, ReportListWatchTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Polled" : "Watched"; });
