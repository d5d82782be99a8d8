#pragma once

// The main window: the folder tree of the storage tree on the left, and on the right
// the folder list (for "Local" and its folders) or the report list (for "Reports").
// It owns the settings, the tab reports, the two directory watchers and, during a run,
// the run session; its commands work on folders and batch files and start, watch and
// stop runs.

#include "platform/Mail.h"
#include "platform/SerialSetup.h"
#include "storage/FileItem.h"

#include <QMainWindow>
#include <QSet>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTimer;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QMimeData;
class QDialog;
class TDialogService;
class TPasswordCheck;
class TSigningGuard;
struct TOrphanJournal;
class TExportCommands;
class TFormLocal;
class TFormReports;
class TBatchStore;
class TChartPainter;
class TFormViewBatch;
class TRunSession;
class TSettings;
class TThreadDirectory;

class TFormMain : public QMainWindow {
    Q_OBJECT
public:
    enum TNodeKind { NodeRoot = 0, NodeReports = 1, NodeLocal = 2, NodeFolder = 3 };

    explicit TFormMain(TDialogService& dialogs, QWidget* parent = nullptr);
    ~TFormMain() override;

    // The creation step: prepares the storage tree, loads the settings with their
    // defaults and the tab reports. Shows the error and returns false when the storage
    // tree cannot be prepared.
    bool Create();
    // Menus, tool bar and tree; the show step runs it on the first show, a program
    // started for automation calls it without showing the window.
    void BuildInterface();
    // Whether runs write the communications trace file (the program's "-trace" switch).
    void SetRunTracing(bool on) { m_runTracing = on; }
    // Rebuilds the tree from disk and selects "Local".
    void BuildTree();

    TSettings& Settings() { return *m_settings; }
    TFileList& TabReports() { return *m_tabReports; }
    TFormLocal* FormLocal() const { return m_formLocal; }
    TFormReports* FormReports() const { return m_formReports; }
    TFormViewBatch* FormViewBatch() const { return m_viewBatch; }
    QTreeWidget* TreeViewMain() const { return m_tree; }
    QToolBar* ToolBarMain() const { return m_toolBar; }
    QLabel* LabelSelectedFolder() const { return m_labelFolder; }
    // The host of the report list window for the "Reports" node.
    QWidget* PanelReports() const { return m_panelReports; }
    QAction* Action(const QString& objectName) const;
    // The audit trail's recorder of every change the window makes (tests set its clock).
    TAuditRecorder& AuditRecorder() { return m_audit; }
    // Shows the Audit Trail window and the Sign dialog (modal); tests answer them.
    std::function<void(QDialog& dialog)> ExecDialog;
    // The clock the signing lock is measured with and where it is kept (tests set them
    // before the first signature).
    std::function<QDateTime()> SigningClock;
    QString SigningLockFile;

    QTreeWidgetItem* RootNode() const { return m_rootNode; }
    QTreeWidgetItem* ReportsNode() const { return m_reportsNode; }
    QTreeWidgetItem* LocalNode() const { return m_localNode; }
    // The node of a folder of the "Local" subtree (with or without a trailing
    // separator), creating the missing nodes on the way; nullptr outside it.
    QTreeWidgetItem* NodeOfFolder(const QString& folder);
    // The folder of a node of the "Local" subtree with a trailing separator; empty
    // for other nodes.
    QString FolderOfNode(const QTreeWidgetItem* node) const;
    TNodeKind NodeKind(const QTreeWidgetItem* node) const;
    QTreeWidgetItem* SelectedNode() const;
    void SelectNode(QTreeWidgetItem* node);
    // Makes the children of node mirror the folders on disk (all expanded descendants
    // too when recursive).
    void RefreshNode(QTreeWidgetItem* node, bool recursive = false);
    // RefreshNode on the node of folder, when it has one.
    void RefreshTreeUnder(const QString& folder);

    bool RunInProgress() const { return m_run != nullptr; }
    TRunSession* Run() const { return m_run.get(); }
    // Whether the navigation panes (tree and folder list) are visible.
    bool NavigationVisible() const { return m_navigationVisible; }
    void SetNavigationVisible(bool visible);

    // Re-evaluates every action's enabled state (also done after every focus,
    // selection, clipboard and run change).
    void UpdateActions();

    // Refreshes the report list window's My Reports (before the tree is built).
    std::function<void()> LoadMyReports;

    // The serial-port facts of this machine that a start without a chosen port explains
    // (tests hand in their own).
    std::function<TSerialSetupFacts()> SerialSetupFacts = GatherSerialSetupFacts;

    // Whether a mail program can take a message (tests hand in their own); asked once,
    // when the interface is built, for the report preview's Mail command.
    std::function<bool()> MailCheck = [] { return MailAvailable(); };

    // Automation objects that clients still hold (none when unset): closing the window
    // then asks first, since their clients would fail.
    std::function<int()> AutomationObjectCount;

    // Stops both directory watchers (before a file operation the window starts) and
    // points them again at the selected node.
    void StopWatchers();
    void StartWatchers();
    // Held around the window's own changes to files, so its watchers do not report them
    // back: the watchers stop, a start meanwhile waits, and the last pause to end starts
    // them for the node then selected.
    class TWatcherPause {
    public:
        explicit TWatcherPause(TFormMain& form);
        ~TWatcherPause();
        TWatcherPause(const TWatcherPause&) = delete;
        TWatcherPause& operator=(const TWatcherPause&) = delete;

    private:
        TFormMain& m_form;
    };
    TThreadDirectory* ParentWatcher() const { return m_parentWatcher.get(); }
    TThreadDirectory* FolderWatcher() const { return m_folderWatcher.get(); }

    // Time from the first show to the tree being built, for the start-up figure.
    qint64 ShowMilliseconds() const { return m_showMs; }

    // The drop effect the tree offers for a file list dragged over node (Qt::IgnoreAction
    // for none), from the source's allowed effects and the Shift and Ctrl keys.
    Qt::DropAction TreeDropEffect(const QStringList& paths, const QTreeWidgetItem* node,
                                  Qt::DropActions allowed, Qt::KeyboardModifiers keys) const;
    // Drops (or pastes) paths into folder with effect: the watchers stop, the files are
    // copied or moved (names[i], when given, is the name the source chose for paths[i]),
    // the tree and the list refresh, the watchers restart. Errors are shown after that.
    void DropFiles(const QStringList& paths, const QString& folder, Qt::DropAction effect,
                   const QStringList& names = {});

    // Offers the recovery of the journals of runs that ended without saving their
    // readings: every one left (at start), or the one of batchPath.
    void OfferJournalRecovery();
    void OfferJournalRecovery(const QString& batchPath);
    // Tells the operator once that the selected batch's file is damaged and was read
    // only in part (it is never saved over), and offers to save what was read under
    // another name.
    void OfferRepairedCopy(const QString& batchPath);

    // Opens the files the program was started with (after the show step): batches and
    // other files of the "Local" subtree are selected in their folder's list (those of
    // the first file's folder; a folder is selected in the tree), a report of the
    // Reports or Settings folder in the report list. Files elsewhere, or missing, are
    // told about in one box.
    void OpenFiles(const QStringList& paths);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void BuildMenu();
    void BuildToolBar();
    void ApplyToolbarLabelStyle();
    void ShowToolBarSet(TNodeKind kind);
    void TreeViewMainChange();
    void TreeNodeEdited(QTreeWidgetItem* node);
    void ShowFolder(QTreeWidgetItem* node);
    void ReloadTabReports();
    // A tab report file was added, removed or written (the settings folder's watcher):
    // the tab reports are read again and the batch view's tabs follow.
    void TabReportFilesChanged();
    void ReadSettings();

    // Commands.
    void ActionHelpExecute();
    void ActionAboutExecute();
    void ActionPreferencesExecute();
    void ActionChangeStorageDirectoryExecute();
    void ActionNewFolderExecute();
    void ActionNewBatchExecute();
    void ActionDeleteFolderFileExecute();
    void ActionRenameFolderFileExecute();
    void ActionCutFolderFileExecute();
    void ActionCopyFolderFileExecute();
    void ActionPasteFolderFileExecute();
    void ActionSelectAllExecute();
    void ActionBackExecute();
    void ActionStartExecute(bool automatic);
    void ActionStopExecute();
    void ActionClearExecute();
    void ActionQcLimitSetsExecute();
    void ActionAuditTrailExecute();
    void ActionSignExecute();
    void ActionExportExecute(bool excel);
    void TimerStartupPreferencesTimer();

    bool OfferRecovery(const TOrphanJournal& journal);
    void RunTerminated();
    void StorageChanged();

    bool TreeFocused() const;
    bool ListVisible() const;
    // The folder list's only selected entry when it is a loaded batch.
    TFileItem* SelectedBatch() const;

    TDialogService& m_dialogs;
    // Who records every change of a batch in its audit trail, and asks the reason for a
    // change to a signed one.
    TAuditRecorder m_audit;
    std::unique_ptr<TPasswordCheck> m_passwordCheck;
    std::unique_ptr<TSigningGuard> m_signing;
    bool m_runTracing = false;
    std::unique_ptr<TSettings> m_settings;
    std::unique_ptr<TFileList> m_tabReports;
    std::unique_ptr<TExportCommands> m_exports;
    int m_watcherPauses = 0;
    std::unique_ptr<TThreadDirectory> m_parentWatcher;
    std::unique_ptr<TThreadDirectory> m_folderWatcher;
    std::unique_ptr<TThreadDirectory> m_settingsWatcher; // the tab reports' folder
    QString m_tabReportFiles;                            // as last read
    // The open batches, which the batch view, a run and the folder list share.
    std::unique_ptr<TBatchStore> m_store;
    std::unique_ptr<TRunSession> m_run;

    QSplitter* m_splitter = nullptr;
    QWidget* m_panelTree = nullptr;
    QTreeWidget* m_tree = nullptr; // a TTreeViewMain
    QWidget* m_panelRight = nullptr;
    QToolButton* m_backButton = nullptr;
    QLabel* m_imageFolder = nullptr;
    QLabel* m_labelFolder = nullptr;
    QStackedWidget* m_rightStack = nullptr;
    QWidget* m_panelEmpty = nullptr;
    QWidget* m_panelReports = nullptr;
    TFormViewBatch* m_viewBatch = nullptr;
    TFormLocal* m_formLocal = nullptr;
    TFormReports* m_formReports = nullptr;
    // Draws the report pages' charts in the report windows.
    std::unique_ptr<TChartPainter> m_charts;
    QToolBar* m_toolBar = nullptr;
    QMenu* m_treeMenu = nullptr;
    QMenu* m_listMenu = nullptr;
    QTimer* m_timerStartupPreferences = nullptr;
    QTimer* m_updateTimer = nullptr;

    QTreeWidgetItem* m_rootNode = nullptr;
    QTreeWidgetItem* m_reportsNode = nullptr;
    QTreeWidgetItem* m_localNode = nullptr;

    bool m_interfaceBuilt = false;
    bool m_navigationVisible = true;
    qint64 m_showMs = -1;
    QSet<QString> m_offeredJournals; // asked about in this program run
    QSet<QString> m_warnedDamaged;   // damaged files told about (path and time)
    bool m_checkingJournals = false;
};
