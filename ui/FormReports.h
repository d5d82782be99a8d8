#pragma once

// The report list window of the "Reports" node: the operator's own reports ("My
// Reports", the storage's Reports folder) and the tab reports (its Settings folder,
// one batch-view tab each) side by side, and the pages of the selected report with
// their thumbnails and types. Every page command saves the report file at once; a
// file that cannot be written is reported and the report stays as it was on screen.

#include "storage/FileItem.h"
#include "ui/FormPageDesign.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QSplitter;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class TChartPainter;
class TDialogService;
class TReport;
class TSettings;
class TThreadDirectory;

class TFormReports : public QWidget {
    Q_OBJECT
public:
    enum TGroup { GroupNone, GroupMyReports, GroupTabReports };

    // tabReports is the main window's list of the Settings folder's reports;
    // reloadTabReports asks the main window to reload it (and its tabs).
    TFormReports(TSettings& settings, TDialogService& dialogs, TFileList& tabReports,
                 std::function<void()> reloadTabReports, TChartPainter* charts = nullptr,
                 QWidget* parent = nullptr);
    ~TFormReports() override;

    TFileList MyReports;
    TGroup ActiveGroup = GroupNone;

    void LoadMyReports();
    void RefreshReportLists();
    void ShowCurrentReport();
    void SelectReportFile(const QString& path);
    // The selected entry of the active group's list; nullptr when none.
    TFileItem* CurrentReport() const;
    void SetActiveGroup(TGroup group);

    // Report commands (the main window's tool bar shows the first four).
    void NewReport();
    void RenameReport();
    void DeleteReport();
    void CopyReport();
    void MoveToTabReports();
    void MoveToMyReports();
    bool CanRenameReport() const; // also Delete
    bool CanCopyReport() const { return CurrentReport() != nullptr; }
    // Handles the end of in-place editing of row of group's list.
    void RenameEdited(TGroup group, int row, const QString& text);

    // Page commands on the current report; type is a "PageType" value.
    void NewPage(int type);
    void DeletePage();
    void EditPage();
    void CopyPage();
    void PastePage();
    void MovePageUp();
    void MovePageDown();
    // The drop of page row from onto row to: moves when both have the same type.
    bool CanDropPage(int from, int to) const;
    void DropPage(int from, int to);
    int SelectedPage() const; // -1 when none

    QListWidget* ListViewMyReports() const { return m_myList; }
    QListWidget* ListViewTabReports() const { return m_tabList; }
    QTreeWidget* ListViewPages() const { return m_pages; }
    QLabel* LabelReport() const { return m_label; }
    QSplitter* Splitter() const { return m_splitter; }
    QAction* Action(const QString& objectName) const;
    // How many page thumbnails have been drawn since the page list was last rebuilt.
    int ThumbnailsDrawn() const { return m_thumbnailsDrawn; }
    // The page thumbnail of row, drawn on first use (null with "ThumbnailQuality" 2).
    QPixmap Thumbnail(int row);

    // Re-evaluates the enabling of the window's commands.
    void UpdateActions();
    // Called after every enabling change, for the main window's copies of the commands.
    std::function<void()> OnActionsChanged;

    // While the window shows, the Reports and Settings folders are watched as the folder
    // list watches its folder, so report files that other programs add, remove, rename
    // or write show without selecting the node again. Set before the window shows
    // (tests shorten the pause, and poll local folders as network shares are polled).
    int WatchPauseMs = 5000;
    int WatchPollMs = 5000;
    std::function<bool(const QString&)> WatchNeedsPolling; // empty: network folders
    TThreadDirectory* ReportsWatcher() const { return m_reportsWatcher.get(); }
    TThreadDirectory* TabReportsWatcher() const { return m_tabReportsWatcher.get(); }
    // When the report files of either folder changed since the lists were last filled,
    // refreshes both lists keeping the selection by name. Waits while a name is edited,
    // a row dragged, a dialog open or a command of this window under way.
    void FollowReportFiles();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* ListOf(TGroup group) const;
    TFileList& EntriesOf(TGroup group) const;
    QString FolderOf(TGroup group) const;
    void FillList(TGroup group);
    void ApplyLayout();
    bool EditableReport() const;
    // Runs change on the current report, saves it; on a failed save shows why and puts
    // the report back as it was. True when saved.
    bool ChangeAndSave(const std::function<void(TReport&)>& change);
    void SelectPageRow(int row);
    void MoveReport(TGroup to);
    void StartRename(TGroup group, int row);
    // Held by the commands that change report files: the watchers stop meanwhile, as
    // the folder list's do around its own file operations.
    class TOwnChange;
    void StartWatching();
    void StopWatching();
    bool BusyForRefresh() const;

    TSettings& m_settings;
    TDialogService& m_dialogs;
    TFileList& m_tabReports;
    std::function<void()> m_reloadTabReports;
    TChartPainter* m_charts;
    // The page designer's zoom from one Edit to the next.
    TPageDesignChoices m_designChoices;

    QSplitter* m_splitter;
    QWidget* m_upper;
    QListWidget* m_myList;
    QListWidget* m_tabList;
    QToolButton* m_toTab;
    QToolButton* m_toMy;
    QLabel* m_label;
    QToolBar* m_toolBar;
    QTreeWidget* m_pages;
    std::vector<QPixmap> m_thumbs;
    std::vector<bool> m_thumbDone;
    int m_thumbnailsDrawn = 0;
    bool m_filling = false;
    bool m_applyingLayout = false;

    std::unique_ptr<TThreadDirectory> m_reportsWatcher;
    std::unique_ptr<TThreadDirectory> m_tabReportsWatcher;
    QString m_reportFiles; // both folders' report files when the lists were last filled
    QTimer* m_followTimer = nullptr;
    int m_ownChanges = 0;
    int m_renamesPending = 0;
};
