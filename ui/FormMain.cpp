#include "ui/FormMain.h"

#include "audit/Signing.h"
#include "catalogue/Catalogue.h"
#include "charts/QCustomPlotChartPainter.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/DamagedSource.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "export/ExportCommands.h"
#include "instrument/CommViscoMeterThread.h"
#include "instrument/ProcessRules.h"
#include "platform/BusyCursor.h"
#include "platform/DirectoryWatcher.h"
#include "platform/FileListClipboard.h"
#include "platform/FileSystem.h"
#include "platform/Mail.h"
#include "platform/PasswordCheck.h"
#include "platform/SerialPorts.h"
#include "platform/ShellFolders.h"
#include "services/BatchStore.h"
#include "services/RunJournal.h"
#include "services/RunSession.h"
#include "storage/FileOperations.h"
#include "storage/StoragePaths.h"
#include "ui/DesignerIcons.h"
#include "ui/DialogService.h"
#include "ui/FormAuditTrail.h"
#include "ui/FormLocal.h"
#include "ui/FormPreferences.h"
#include "ui/FormQcLimitSets.h"
#include "ui/FormReports.h"
#include "ui/FormSign.h"
#include "ui/FormViewBatch.h"
#include "ui/FormViewReport.h"
#include "ui/NameEdit.h"
#include "ui/QcMarks.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int KindRole = Qt::UserRole;
constexpr int FolderRole = Qt::UserRole + 1;

// Folders of the tree: real sub-folders that are not hidden.
QStringList SubFolders(const QString& folder) {
    QStringList names;
    for (const TDirectoryEntry& entry : ListDirectory(folder))
        if (entry.IsFolder && !IsFileHidden(IncludeTrailingSeparator(folder) + entry.Name))
            names << entry.Name;
    return names;
}

bool HasSubFolders(const QString& folder) {
    for (const TDirectoryEntry& entry : ListDirectory(folder))
        if (entry.IsFolder && !IsFileHidden(IncludeTrailingSeparator(folder) + entry.Name))
            return true;
    return false;
}

QString NoTrailingSeparator(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

// canonical (a path with its links resolved) as a path below folder in the form the
// window uses for folder, so that a storage root reached through a link still holds
// it; empty when it lies elsewhere.
QString PathBelow(const QString& canonical, const QString& folder) {
    const QString base = QFileInfo(NoTrailingSeparator(folder)).canonicalFilePath();
    if (base.isEmpty() || canonical.isEmpty())
        return {};
    if (canonical == base)
        return IncludeTrailingSeparator(folder);
    const QString prefix = IncludeTrailingSeparator(base);
    if (!canonical.startsWith(prefix))
        return {};
    return IncludeTrailingSeparator(folder) + canonical.mid(prefix.size());
}

} // namespace

// The folder tree: drags a folder of the "Local" subtree out as a file list, takes
// file lists dropped on its folders, and scrolls while a drag waits near its edges.
class TTreeViewMain : public QTreeWidget {
public:
    TTreeViewMain(TFormMain& form, QWidget* parent) : QTreeWidget(parent), m_form(form) {
        setAcceptDrops(true);
        viewport()->setAcceptDrops(true);
        setDragDropMode(QAbstractItemView::DragDrop);
        setDropIndicatorShown(false);
        setAutoScroll(false);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        m_pressNode = nullptr;
        if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
            QTreeWidgetItem* node = itemAt(event->position().toPoint());
            if (node && m_form.NodeKind(node) == TFormMain::NodeFolder) {
                m_pressNode = node;
                m_pressPoint = event->position().toPoint();
            }
        }
        QTreeWidget::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        m_pressNode = nullptr;
        QTreeWidget::mouseReleaseEvent(event);
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        if (m_pressNode && (event->buttons() & (Qt::LeftButton | Qt::RightButton))) {
            const QPoint d = event->position().toPoint() - m_pressPoint;
            if (std::abs(d.x()) >= 10 || std::abs(d.y()) >= 10) {
                QTreeWidgetItem* node = m_pressNode;
                m_pressNode = nullptr;
                auto* drag = new QDrag(this);
                drag->setMimeData(MakeFileListMimeData({NoTrailingSeparator(m_form.FolderOfNode(node))},
                                                       TFileListEffect::Copy));
                drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction);
                return;
            }
        }
        QTreeWidget::mouseMoveEvent(event);
    }
    void dragEnterEvent(QDragEnterEvent* event) override {
        m_dragged = ReadFileListMimeData(event->mimeData());
        if (m_dragged.isEmpty()) {
            event->ignore();
            return;
        }
        event->acceptProposedAction();
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        const QPoint pos = event->position().toPoint();
        // Within 15 pixels of the top or bottom edge the tree scrolls.
        QScrollBar* bar = verticalScrollBar();
        if (pos.y() < 15)
            bar->setValue(bar->value() - 1);
        else if (pos.y() > viewport()->height() - 15)
            bar->setValue(bar->value() + 1);
        const Qt::DropAction effect =
            m_form.TreeDropEffect(m_dragged, itemAt(pos), event->possibleActions(), event->modifiers());
        if (effect == Qt::IgnoreAction) {
            event->ignore();
            return;
        }
        event->setDropAction(effect);
        event->accept();
    }
    void dragLeaveEvent(QDragLeaveEvent* event) override {
        m_dragged.clear();
        event->accept();
    }
    void dropEvent(QDropEvent* event) override {
        const QStringList paths = ReadFileListMimeData(event->mimeData());
        QTreeWidgetItem* node = itemAt(event->position().toPoint());
        const Qt::DropAction effect =
            m_form.TreeDropEffect(paths, node, event->possibleActions(), event->modifiers());
        m_dragged.clear();
        if (effect == Qt::IgnoreAction) {
            event->ignore();
            return;
        }
        event->setDropAction(effect);
        event->accept();
        const QString folder = m_form.FolderOfNode(node);
        // The transfer may ask questions: let the drag end first.
        QTimer::singleShot(
            0, &m_form, [form = &m_form, paths, folder, effect] { form->DropFiles(paths, folder, effect); });
    }

private:
    TFormMain& m_form;
    QTreeWidgetItem* m_pressNode = nullptr;
    QPoint m_pressPoint;
    QStringList m_dragged;
};

TFormMain::TFormMain(TDialogService& dialogs, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_settings(std::make_unique<TSettings>()),
      m_tabReports(std::make_unique<TFileList>()), m_exports(std::make_unique<TExportCommands>()) {
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(tr("Korvane Bramblex"));
    resize(1100, 720);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("SplitterMain"));
    m_splitter->setChildrenCollapsible(false);
    setCentralWidget(m_splitter);

    m_panelTree = new QWidget(m_splitter);
    m_panelTree->setObjectName(QStringLiteral("PanelTree"));
    auto* treeLayout = new QVBoxLayout(m_panelTree);
    treeLayout->setContentsMargins(0, 0, 0, 0);
    m_tree = new TTreeViewMain(*this, m_panelTree);
    m_tree->setObjectName(QStringLiteral("TreeViewMain"));
    m_tree->setAccessibleName(tr("Folder List"));
    m_tree->setHeaderLabel(tr("Folder List"));
    m_tree->header()->setAccessibleName(tr("Folder List"));
    m_tree->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    m_tree->setItemDelegate(new TNameEditDelegate(m_dialogs, m_tree));
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    treeLayout->addWidget(m_tree);

    m_panelRight = new QWidget(m_splitter);
    m_panelRight->setObjectName(QStringLiteral("PanelRight"));
    auto* rightLayout = new QVBoxLayout(m_panelRight);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(2);
    auto* labelRow = new QHBoxLayout;
    m_backButton = new QToolButton(m_panelRight);
    m_backButton->setObjectName(QStringLiteral("ButtonBack"));
    m_backButton->setAutoRaise(true);
    m_imageFolder = new QLabel(m_panelRight);
    m_imageFolder->setObjectName(QStringLiteral("ImageSelectedFolder"));
    m_labelFolder = new QLabel(m_panelRight);
    m_labelFolder->setObjectName(QStringLiteral("LabelSelectedFolder"));
    // A screen reader reads the folder itself; the caption is context.
    m_labelFolder->setAccessibleDescription(tr("Selected folder"));
    QFont bold = m_labelFolder->font();
    bold.setBold(true);
    m_labelFolder->setFont(bold);
    labelRow->addWidget(m_backButton);
    labelRow->addWidget(m_imageFolder);
    labelRow->addWidget(m_labelFolder, 1);
    rightLayout->addLayout(labelRow);

    m_rightStack = new QStackedWidget(m_panelRight);
    m_rightStack->setObjectName(QStringLiteral("PanelHost"));
    m_panelEmpty = new QWidget(m_rightStack);
    m_panelEmpty->setObjectName(QStringLiteral("PanelEmpty"));
    m_panelReports = new QWidget(m_rightStack);
    m_panelReports->setObjectName(QStringLiteral("PanelReports"));
    new QVBoxLayout(m_panelReports);
    m_panelReports->layout()->setContentsMargins(0, 0, 0, 0);
    m_charts = std::make_unique<TQCustomPlotChartPainter>();
    m_formReports = new TFormReports(
        *m_settings, m_dialogs, *m_tabReports, [this] { ReloadTabReports(); }, m_charts.get(),
        m_panelReports);
    m_panelReports->layout()->addWidget(m_formReports);
    LoadMyReports = [this] { m_formReports->LoadMyReports(); };
    m_store = std::make_unique<TBatchStore>();
    ExecDialog = [](QDialog& dialog) { dialog.exec(); };
    SigningLockFile = SigningStateFile();
    m_audit.AskReason = [this](const QString& path, QString& reason) {
        return m_dialogs.AskReason(this, path, reason);
    };
    m_viewBatch = new TFormViewBatch(*m_settings, *m_tabReports, m_dialogs, *m_store);
    m_viewBatch->Audit = &m_audit;
    m_viewBatch->FormViewReport()->Audit = &m_audit;
    m_viewBatch->FormViewReport()->Attach(*m_settings, m_dialogs, m_formReports->MyReports, m_charts.get());
    m_formLocal = new TFormLocal(*m_settings, *m_viewBatch, m_dialogs, m_rightStack);
    m_formLocal->Audit = &m_audit;
    m_rightStack->addWidget(m_panelEmpty);
    m_rightStack->addWidget(m_formLocal);
    m_rightStack->addWidget(m_panelReports);
    rightLayout->addWidget(m_rightStack, 1);
    m_splitter->addWidget(m_panelTree);
    m_splitter->addWidget(m_panelRight);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({260, 840});

    m_timerStartupPreferences = new QTimer(this);
    m_timerStartupPreferences->setObjectName(QStringLiteral("TimerStartupPreferences"));
    m_timerStartupPreferences->setSingleShot(true);
    m_timerStartupPreferences->setInterval(250);
    connect(m_timerStartupPreferences, &QTimer::timeout, this, [this] { TimerStartupPreferencesTimer(); });

    // Enabling rules follow focus, selection, clipboard and run state; one evaluation
    // per turn of the event loop is enough however many of them changed.
    m_updateTimer = new QTimer(this);
    m_updateTimer->setSingleShot(true);
    m_updateTimer->setInterval(0);
    connect(m_updateTimer, &QTimer::timeout, this, [this] { UpdateActions(); });
    auto scheduleUpdate = [this] { m_updateTimer->start(); };
    connect(qApp, &QApplication::focusChanged, this, scheduleUpdate);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, scheduleUpdate);

    CreateActions();

    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this] { TreeViewMainChange(); });
    connect(m_tree, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* node) { RefreshNode(node); });
    connect(m_tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* node) { TreeNodeEdited(node); });
    connect(m_tree, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (QTreeWidgetItem* node = m_tree->itemAt(pos))
            m_tree->setCurrentItem(node);
        UpdateActions();
        m_treeMenu->exec(m_tree->viewport()->mapToGlobal(pos));
    });

    m_formLocal->OnSelectionChanged = [this, scheduleUpdate] {
        scheduleUpdate();
        const auto entries = m_formLocal->SelectedEntries();
        if (entries.size() == 1 && entries.front()->FileType == FileTypeBatch && !m_run) {
            const QString path = entries.front()->FilePath;
            // Asked after the selection has settled, never inside the list's signal.
            QTimer::singleShot(0, this, [this, path] {
                OfferJournalRecovery(path);
                OfferRepairedCopy(path);
            });
        }
    };
    m_formLocal->OnFolderActivated = [this](const QString& folder) {
        if (QTreeWidgetItem* node = NodeOfFolder(folder))
            SelectNode(node);
    };
    m_formLocal->OnDropFiles = [this](const QStringList& paths, const QStringList& names,
                                      const QString& folder,
                                      Qt::DropAction effect) { DropFiles(paths, folder, effect, names); };
    m_formLocal->OnFolderRenamed = [this](const QString& oldPath, const QString&) {
        RefreshTreeUnder(QFileInfo(NoTrailingSeparator(oldPath)).path());
    };
    m_viewBatch->OnToggleView = [this] { SetNavigationVisible(!m_navigationVisible); };
    m_viewBatch->OnBatchSaved = [this](TFileItem& entry, bool saved) {
        // The list shows what the file holds: an edit that could not be saved stays
        // the view's until a later save takes it.
        if (!saved)
            return;
        const int index = m_formLocal->Entries.IndexOf(entry.FilePath, FileTypeBatch);
        if (index >= 0) {
            m_formLocal->Entries.Items(index)->Assign(entry);
            m_formLocal->Entries.SaveCache();
            m_formLocal->ListViewLocal()->viewport()->update();
        }
    };
}

TFormMain::~TFormMain() {
    // Children go after this body, with the members they report to: an open name
    // editor commits and focus moves while they are deleted, and nobody must hear it.
    disconnect(qApp, nullptr, this, nullptr);
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        disconnect(clipboard, nullptr, this, nullptr);
    m_tree->blockSignals(true);
    m_run.reset();
    if (m_parentWatcher)
        m_parentWatcher->Stop();
    if (m_folderWatcher)
        m_folderWatcher->Stop();
    if (m_settingsWatcher)
        m_settingsWatcher->Stop();
    // The folder list docks the batch view but does not own it.
    delete m_formLocal;
    m_formLocal = nullptr;
    delete m_viewBatch;
}

QAction* TFormMain::Action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

// ---------------------------------------------------------------------------------------
// Creation and show steps

bool TFormMain::Create() {
    try {
        PrepareStorage();
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return false;
    }
    try {
        ReadSettings();
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
    ReloadTabReports();
    return true;
}

void TFormMain::ReadSettings() {
    m_settings->AutoSave = true;
    m_settings->Open(SettingsFolder() + QStringLiteral("settings.xml"));
    ApplyStartupSettings(*m_settings);
}

namespace {

// Names, sizes and write times of the tab report files: whether they changed since the
// tab reports were read.
QString TabReportFiles(const QString& folder) {
    QString files;
    for (const QFileInfo& file :
         QDir(folder).entryInfoList({QStringLiteral("*.epr")}, QDir::Files | QDir::Hidden, QDir::Name))
        files += QStringLiteral("%1\t%2\t%3\n")
                     .arg(file.fileName())
                     .arg(file.size())
                     .arg(file.lastModified().toMSecsSinceEpoch());
    return files;
}

} // namespace

void TFormMain::ReloadTabReports() {
    m_tabReportFiles = TabReportFiles(SettingsFolder());
    LoadTabReports(*m_tabReports, SettingsFolder());
}

void TFormMain::TabReportFilesChanged() {
    // The report list, while it shows, follows the folder itself and reads them again.
    if (m_panelReports->isVisible() || TabReportFiles(SettingsFolder()) == m_tabReportFiles)
        return;
    ReloadTabReports();
    m_viewBatch->TabReportsChanged();
}

void TFormMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_interfaceBuilt)
        return;
    QElapsedTimer timer;
    timer.start();
    BuildInterface();
    m_showMs = timer.elapsed();
    m_timerStartupPreferences->start();
}

void TFormMain::BuildInterface() {
    if (m_interfaceBuilt)
        return;
    m_interfaceBuilt = true;
    BuildMenu();
    BuildToolBar();
    ApplyToolbarLabelStyle();
    BuildTree();
    m_viewBatch->FormViewReport()->CheckMailAvailable(MailCheck);
    // Mostly the settings file changes there, which costs a listing of a few names: a
    // short pause lets a changed tab report show soon.
    m_settingsWatcher = std::make_unique<TThreadDirectory>(SettingsFolder(), 1000);
    m_settingsWatcher->OnChange = [this] { TabReportFilesChanged(); };
    m_settingsWatcher->Start();
}

void TFormMain::TimerStartupPreferencesTimer() {
    // No port chosen yet: say first what keeps a port from opening on this machine.
    if (Setting::ComPortDevice.Get(*m_settings).trimmed().isEmpty() && SerialSetupFacts) {
        const TSerialSetupFacts facts = SerialSetupFacts();
        if (SerialSetupNeedsAdvice(facts))
            m_dialogs.Information(
                this,
                SerialSetupAdvice(facts, InstalledDataFile(QStringLiteral("udev/60-bramblex-serial.rules"))));
    }
    if (Setting::DefaultViscoMeter.Get(*m_settings) == -1)
        ActionPreferencesExecute();
    OfferJournalRecovery();
}

// ---------------------------------------------------------------------------------------
// Actions, menu and tool bar

void TFormMain::CreateActions() {
    auto make = [this](const char* name, const QString& caption, const QKeySequence& shortcut,
                       void (TFormMain::*slot)()) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QLatin1String(name));
        if (!shortcut.isEmpty()) {
            action->setShortcut(shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    QStyle* s = style();
    make("ActionHelp", tr("Bramblex Help"), QKeySequence::HelpContents, &TFormMain::ActionHelpExecute);
    make("ActionAbout", tr("About"), {}, &TFormMain::ActionAboutExecute);
    make("ActionExit", tr("Exit"), {}, nullptr);
    connect(Action("ActionExit"), &QAction::triggered, this, &QWidget::close);
    make("ActionPreferences", tr("Preferences"), {}, &TFormMain::ActionPreferencesExecute);
    make("ActionChangeStorageDirectory", tr("Change Storage Directory"), {},
         &TFormMain::ActionChangeStorageDirectoryExecute)
        ->setIcon(s->standardIcon(QStyle::SP_DriveHDIcon));
    make("ActionNew", tr("New"), {}, nullptr)->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    make("ActionNewFolderMenu", tr("New Folder"), {}, &TFormMain::ActionNewFolderExecute)
        ->setIcon(s->standardIcon(QStyle::SP_FileDialogNewFolder));
    make("ActionNewBatch", tr("New Batch"), {}, &TFormMain::ActionNewBatchExecute)
        ->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    make("ActionDeleteFolderFile", tr("Delete"), QKeySequence(Qt::CTRL | Qt::Key_D),
         &TFormMain::ActionDeleteFolderFileExecute)
        ->setIcon(DesignerIcon(QStringLiteral("delete")));
    make("ActionRenameFolderFile", tr("Rename"), {}, &TFormMain::ActionRenameFolderFileExecute)
        ->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    make("ActionCutFolderFile", tr("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X),
         &TFormMain::ActionCutFolderFileExecute)
        ->setIcon(DesignerIcon(QStringLiteral("cut")));
    make("ActionCopyFolderFile", tr("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
         &TFormMain::ActionCopyFolderFileExecute)
        ->setIcon(DesignerIcon(QStringLiteral("copy")));
    make("ActionPasteFolderFile", tr("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
         &TFormMain::ActionPasteFolderFileExecute)
        ->setIcon(DesignerIcon(QStringLiteral("paste")));
    make("ActionSelectAll", tr("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A),
         &TFormMain::ActionSelectAllExecute);
    make("ActionBack", tr("Back"), {}, &TFormMain::ActionBackExecute)
        ->setIcon(s->standardIcon(QStyle::SP_ArrowBack));
    make("ActionStartAuto", tr("Auto"), {}, nullptr)->setIcon(s->standardIcon(QStyle::SP_MediaPlay));
    connect(Action("ActionStartAuto"), &QAction::triggered, this, [this] { ActionStartExecute(true); });
    make("ActionStartManual", tr("Manual"), {}, nullptr)
        ->setIcon(s->standardIcon(QStyle::SP_MediaSeekForward));
    connect(Action("ActionStartManual"), &QAction::triggered, this, [this] { ActionStartExecute(false); });
    make("ActionStop", tr("Stop"), {}, &TFormMain::ActionStopExecute)
        ->setIcon(s->standardIcon(QStyle::SP_MediaStop));
    make("ActionClear", tr("Clear"), {}, &TFormMain::ActionClearExecute)
        ->setIcon(s->standardIcon(QStyle::SP_DialogResetButton));
    make("ActionAuditTrail", tr("Audit Trail"), {}, &TFormMain::ActionAuditTrailExecute);
    make("ActionSign", tr("Sign..."), {}, &TFormMain::ActionSignExecute)
        ->setIcon(s->standardIcon(QStyle::SP_DialogApplyButton));
    make("ActionExportTo", tr("Export"), {}, nullptr)->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    make("ActionQcLimitSets", tr("QC Limit Sets"), {}, &TFormMain::ActionQcLimitSetsExecute)
        ->setIcon(QIcon(QcVerdictMark(TQcVerdict::Pass, 32)));
    make("ActionExportToExcel", tr("Excel"), {}, nullptr);
    connect(Action("ActionExportToExcel"), &QAction::triggered, this, [this] { ActionExportExecute(true); });
    make("ActionExportToCsv", tr("CSV"), {}, nullptr);
    connect(Action("ActionExportToCsv"), &QAction::triggered, this, [this] { ActionExportExecute(false); });
    // The report list window's commands; it wires them when it exists.
    make("ActionNewReport", tr("New Report"), {}, nullptr)->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    make("ActionDeleteReport", tr("Delete"), {}, nullptr)->setIcon(DesignerIcon(QStringLiteral("delete")));
    make("ActionRenameReport", tr("Rename"), {}, nullptr)
        ->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    make("ActionCopyReport", tr("Copy"), {}, nullptr)->setIcon(DesignerIcon(QStringLiteral("copy")));

    connect(Action("ActionNewReport"), &QAction::triggered, m_formReports, &TFormReports::NewReport);
    connect(Action("ActionDeleteReport"), &QAction::triggered, m_formReports, &TFormReports::DeleteReport);
    connect(Action("ActionRenameReport"), &QAction::triggered, m_formReports, &TFormReports::RenameReport);
    connect(Action("ActionCopyReport"), &QAction::triggered, m_formReports, &TFormReports::CopyReport);
    m_formReports->OnActionsChanged = [this] { m_updateTimer->start(); };

    auto* newMenu = new QMenu(this);
    newMenu->setObjectName(QStringLiteral("MenuNew"));
    newMenu->addAction(Action("ActionNewFolderMenu"));
    newMenu->addSeparator();
    newMenu->addAction(Action("ActionNewBatch"));
    Action("ActionNew")->setMenu(newMenu);
    auto* exportMenu = new QMenu(this);
    exportMenu->setObjectName(QStringLiteral("MenuExport"));
    exportMenu->addAction(Action("ActionExportToExcel"));
    exportMenu->addAction(Action("ActionExportToCsv"));
    Action("ActionExportTo")->setMenu(exportMenu);

    m_backButton->setDefaultAction(Action("ActionBack"));
    m_backButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_backButton->setAccessibleName(tr("Back"));

    m_treeMenu = new QMenu(this);
    m_treeMenu->setObjectName(QStringLiteral("PopupMenuTree"));
    for (const char* name : {"ActionChangeStorageDirectory", "ActionCutFolderFile", "ActionCopyFolderFile",
                             "ActionPasteFolderFile", "ActionRenameFolderFile", "ActionDeleteFolderFile",
                             "ActionNewFolderMenu", "ActionQcLimitSets"})
        m_treeMenu->addAction(Action(QLatin1String(name)));

    m_listMenu = new QMenu(this);
    m_listMenu->setObjectName(QStringLiteral("PopupMenuLocal"));
    m_listMenu->addAction(Action("ActionCutFolderFile"));
    m_listMenu->addAction(Action("ActionCopyFolderFile"));
    m_listMenu->addAction(Action("ActionPasteFolderFile"));
    m_listMenu->addSeparator();
    m_listMenu->addAction(Action("ActionRenameFolderFile"));
    m_listMenu->addAction(Action("ActionDeleteFolderFile"));
    m_listMenu->addSeparator();
    m_listMenu->addAction(Action("ActionAuditTrail"));
    m_listMenu->addAction(Action("ActionSign"));
    m_listMenu->addSeparator();
    QMenu* listNew = m_listMenu->addMenu(tr("New"));
    listNew->addAction(Action("ActionNewFolderMenu"));
    listNew->addSeparator();
    listNew->addAction(Action("ActionNewBatch"));
    m_formLocal->SetContextMenu(m_listMenu);
    connect(m_listMenu, &QMenu::aboutToShow, this, [this] { UpdateActions(); });
}

void TFormMain::BuildMenu() {
    QMenu* file = menuBar()->addMenu(tr("File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    file->addAction(Action("ActionPreferences"));
    file->addSeparator();
    file->addAction(Action("ActionExit"));
    QMenu* batch = menuBar()->addMenu(tr("Batch"));
    batch->setObjectName(QStringLiteral("MenuBatch"));
    batch->addAction(Action("ActionAuditTrail"));
    batch->addAction(Action("ActionSign"));
    QMenu* help = menuBar()->addMenu(tr("Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    help->addAction(Action("ActionHelp"));
    help->addSeparator();
    help->addAction(Action("ActionAbout"));
}

void TFormMain::BuildToolBar() {
    m_toolBar = addToolBar(tr("Tool Bar"));
    m_toolBar->setObjectName(QStringLiteral("ToolBarMain"));
    m_toolBar->setMovable(false);
    auto add = [this](const char* name) {
        QAction* action = Action(QLatin1String(name));
        m_toolBar->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(action))) {
            button->setAccessibleName(action->text());
            if (action->menu())
                button->setPopupMode(QToolButton::InstantPopup);
        }
        action->setVisible(false);
    };
    add("ActionChangeStorageDirectory");
    add("ActionNew");
    add("ActionDeleteFolderFile");
    add("ActionRenameFolderFile");
    add("ActionCutFolderFile");
    add("ActionCopyFolderFile");
    add("ActionPasteFolderFile");
    QAction* separator = m_toolBar->addSeparator();
    separator->setObjectName(QStringLiteral("ToolButtonSeparator"));
    separator->setVisible(false);
    add("ActionStartAuto");
    add("ActionStartManual");
    add("ActionStop");
    add("ActionClear");
    add("ActionExportTo");
    add("ActionQcLimitSets");
    add("ActionSign");
    add("ActionNewReport");
    add("ActionDeleteReport");
    add("ActionRenameReport");
    add("ActionCopyReport");
}

void TFormMain::ApplyToolbarLabelStyle() {
    if (!m_toolBar)
        return;
    switch (Setting::ToolbarLabelStyle.Get(*m_settings)) {
    case 0:
        m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        break;
    case 1:
        m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        break;
    case 2:
        m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        break;
    default:
        break;
    }
}

void TFormMain::ShowToolBarSet(TNodeKind kind) {
    if (!m_toolBar)
        return;
    const bool batchSet = kind == NodeLocal || kind == NodeFolder;
    const bool reportSet = kind == NodeReports;
    Action("ActionChangeStorageDirectory")->setVisible(kind == NodeRoot);
    for (const char* name :
         {"ActionNew", "ActionDeleteFolderFile", "ActionRenameFolderFile", "ActionCutFolderFile",
          "ActionCopyFolderFile", "ActionPasteFolderFile", "ActionStartAuto", "ActionStartManual",
          "ActionStop", "ActionClear", "ActionExportTo", "ActionQcLimitSets", "ActionSign"})
        Action(QLatin1String(name))->setVisible(batchSet);
    findChild<QAction*>(QStringLiteral("ToolButtonSeparator"))->setVisible(batchSet);
    for (const char* name :
         {"ActionNewReport", "ActionDeleteReport", "ActionRenameReport", "ActionCopyReport"})
        Action(QLatin1String(name))->setVisible(reportSet);
}

// ---------------------------------------------------------------------------------------
// Enabling rules

bool TFormMain::TreeFocused() const {
    return m_tree->hasFocus();
}

bool TFormMain::ListVisible() const {
    return m_rightStack->currentWidget() == m_formLocal &&
           m_formLocal->ListViewLocal()->isVisibleTo(m_formLocal);
}

TFileItem* TFormMain::SelectedBatch() const {
    if (!ListVisible())
        return nullptr;
    const auto entries = m_formLocal->SelectedEntries();
    if (entries.size() != 1 || entries.front()->FileType != FileTypeBatch)
        return nullptr;
    TFileItem* entry = entries.front();
    if (entry->LoadState != LoadStateLoaded)
        entry->Load();
    return entry->LoadState == LoadStateLoaded ? entry : nullptr;
}

void TFormMain::UpdateActions() {
    const QTreeWidgetItem* node = SelectedNode();
    const TNodeKind kind = node ? NodeKind(node) : NodeRoot;
    const bool running = RunInProgress();
    const bool inLocal = node && (kind == NodeLocal || kind == NodeFolder);
    const bool treeFocused = TreeFocused();
    const bool listVisible = ListVisible();
    const int selected = listVisible ? m_formLocal->SelectedCount() : 0;
    const bool listFocused = listVisible && m_formLocal->ListViewLocal()->hasFocus();

    Action("ActionPreferences")->setEnabled(!running);
    Action("ActionChangeStorageDirectory")->setEnabled(node && kind == NodeRoot && !running);
    Action("ActionNew")->setEnabled(inLocal && !running);
    Action("ActionNewFolderMenu")->setEnabled(inLocal && !running);
    Action("ActionNewBatch")->setEnabled(listVisible && inLocal && !running);
    const bool fileCommand = treeFocused ? node && kind == NodeFolder : listVisible && selected > 0;
    for (const char* name :
         {"ActionDeleteFolderFile", "ActionRenameFolderFile", "ActionCutFolderFile", "ActionCopyFolderFile"})
        Action(QLatin1String(name))->setEnabled(fileCommand && !running);
    Action("ActionPasteFolderFile")
        ->setEnabled(!running && ((treeFocused && inLocal) || listFocused) && ClipboardHasFileList());
    Action("ActionSelectAll")->setEnabled(inLocal && !running);
    Action("ActionQcLimitSets")->setEnabled(inLocal);
    Action("ActionBack")->setEnabled(node && kind == NodeFolder && !running);

    TFileItem* batchEntry = !treeFocused && selected == 1 ? SelectedBatch() : nullptr;
    const TBatchItem* batch = batchEntry ? batchEntry->Batch.get() : nullptr;
    const bool startable = batch && !running && batch->Measurements.Count() == 0;
    Action("ActionStartAuto")->setEnabled(startable && ModelSupportsProcesses(batch->ModelType));
    Action("ActionStartManual")->setEnabled(startable);
    Action("ActionStop")->setEnabled(running);
    Action("ActionClear")->setEnabled(batch && !running && batch->Measurements.Count() > 0);
    Action("ActionExportTo")->setEnabled(batch != nullptr);
    Action("ActionExportToExcel")->setEnabled(batch != nullptr);
    Action("ActionExportToCsv")->setEnabled(batch != nullptr);
    Action("ActionAuditTrail")->setEnabled(batch != nullptr);
    Action("ActionSign")->setEnabled(batch != nullptr && !running);

    const bool reports = m_rightStack->currentWidget() == m_panelReports;
    Action("ActionNewReport")->setEnabled(reports && m_formReports->isVisible());
    Action("ActionDeleteReport")->setEnabled(reports && m_formReports->CanRenameReport());
    Action("ActionRenameReport")->setEnabled(reports && m_formReports->CanRenameReport());
    Action("ActionCopyReport")->setEnabled(reports && m_formReports->CanCopyReport());
}

// ---------------------------------------------------------------------------------------
// Tree

TFormMain::TNodeKind TFormMain::NodeKind(const QTreeWidgetItem* node) const {
    return node ? static_cast<TNodeKind>(node->data(0, KindRole).toInt()) : NodeRoot;
}

QString TFormMain::FolderOfNode(const QTreeWidgetItem* node) const {
    return node ? node->data(0, FolderRole).toString() : QString();
}

QTreeWidgetItem* TFormMain::SelectedNode() const {
    return m_tree->currentItem();
}

void TFormMain::SelectNode(QTreeWidgetItem* node) {
    if (!node)
        return;
    m_tree->setCurrentItem(node);
    m_tree->scrollToItem(node);
}

void TFormMain::BuildTree() {
    if (LoadMyReports)
        LoadMyReports();
    const QSignalBlocker block(m_tree);
    m_tree->clear();
    QStyle* s = style();
    const QString root = StorageRoot();
    m_rootNode = new QTreeWidgetItem(m_tree);
    m_rootNode->setText(0, QFileInfo(NoTrailingSeparator(root)).fileName());
    m_rootNode->setIcon(0, s->standardIcon(QStyle::SP_DriveHDIcon));
    m_rootNode->setData(0, KindRole, NodeRoot);
    m_reportsNode = new QTreeWidgetItem(m_rootNode);
    m_reportsNode->setText(0, tr("Reports"));
    m_reportsNode->setIcon(0, s->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_reportsNode->setData(0, KindRole, NodeReports);
    m_localNode = new QTreeWidgetItem(m_rootNode);
    m_localNode->setText(0, tr("Local"));
    m_localNode->setIcon(0, s->standardIcon(QStyle::SP_DirHomeIcon));
    m_localNode->setData(0, KindRole, NodeLocal);
    m_localNode->setData(0, FolderRole, LocalFolder());
    RefreshNode(m_localNode);
    m_rootNode->setExpanded(true);
    m_localNode->setExpanded(true);
    m_tree->setCurrentItem(nullptr);
    SelectNode(m_localNode);
    TreeViewMainChange();
}

void TFormMain::RefreshNode(QTreeWidgetItem* node, bool recursive) {
    if (!node)
        return;
    const TNodeKind kind = NodeKind(node);
    if (kind != NodeLocal && kind != NodeFolder)
        return;
    const QString folder = FolderOfNode(node);
    const QStringList names = SubFolders(folder);
    const QSignalBlocker block(m_tree);
    for (int i = node->childCount() - 1; i >= 0; --i) {
        QTreeWidgetItem* child = node->child(i);
        if (!names.contains(child->text(0))) {
            if (m_tree->currentItem() == child || child->isSelected()) {
                // The selected folder vanished: its parent takes over.
                delete node->takeChild(i);
                m_tree->setCurrentItem(node);
                QTimer::singleShot(0, this, [this] { TreeViewMainChange(); });
                continue;
            }
            delete node->takeChild(i);
        }
    }
    QStyle* s = style();
    for (const QString& name : names) {
        QTreeWidgetItem* child = nullptr;
        for (int i = 0; i < node->childCount() && !child; ++i)
            if (node->child(i)->text(0) == name)
                child = node->child(i);
        if (!child) {
            child = new QTreeWidgetItem(node);
            child->setText(0, name);
            child->setIcon(0, s->standardIcon(QStyle::SP_DirIcon));
            child->setData(0, KindRole, NodeFolder);
            child->setFlags(child->flags() | Qt::ItemIsEditable);
        }
        child->setData(0, FolderRole, folder + name + QLatin1Char('/'));
        if (child->isExpanded())
            RefreshNode(child, recursive);
        else
            child->setChildIndicatorPolicy(HasSubFolders(folder + name) ? QTreeWidgetItem::ShowIndicator
                                                                        : QTreeWidgetItem::DontShowIndicator);
    }
    node->sortChildren(0, Qt::AscendingOrder);
    node->setChildIndicatorPolicy(node->childCount() > 0 ? QTreeWidgetItem::ShowIndicator
                                                         : QTreeWidgetItem::DontShowIndicator);
}

QTreeWidgetItem* TFormMain::NodeOfFolder(const QString& folder) {
    if (!m_localNode)
        return nullptr;
    const QString local = LocalFolder();
    const QString target = IncludeTrailingSeparator(QDir::cleanPath(folder));
    if (!target.startsWith(local))
        return nullptr;
    QTreeWidgetItem* node = m_localNode;
    const QStringList parts = target.mid(local.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < node->childCount() && !next; ++i)
            if (node->child(i)->text(0) == part)
                next = node->child(i);
        if (!next) {
            RefreshNode(node);
            for (int i = 0; i < node->childCount() && !next; ++i)
                if (node->child(i)->text(0) == part)
                    next = node->child(i);
        }
        if (!next)
            return nullptr;
        node = next;
    }
    return node;
}

void TFormMain::RefreshTreeUnder(const QString& folder) {
    if (QTreeWidgetItem* node = NodeOfFolder(folder))
        RefreshNode(node, true);
}

void TFormMain::TreeViewMainChange() {
    QTreeWidgetItem* node = SelectedNode();
    const TNodeKind kind = NodeKind(node);
    ShowToolBarSet(kind);
    if (!node) {
        m_labelFolder->clear();
        m_imageFolder->clear();
        m_rightStack->setCurrentWidget(m_panelEmpty);
        UpdateActions();
        return;
    }
    if (kind == NodeFolder)
        m_labelFolder->setText(tr("Local") + QLatin1Char('\\') +
                               NoTrailingSeparator(FolderOfNode(node).mid(LocalFolder().size())));
    else
        m_labelFolder->setText(node->text(0));
    m_imageFolder->setPixmap(node->icon(0).pixmap(16, 16));
    switch (kind) {
    case NodeRoot:
        StopWatchers();
        m_rightStack->setCurrentWidget(m_panelEmpty);
        break;
    case NodeReports:
        StopWatchers();
        m_rightStack->setCurrentWidget(m_panelReports);
        break;
    case NodeLocal:
    case NodeFolder:
        ShowFolder(node);
        break;
    }
    UpdateActions();
}

void TFormMain::ShowFolder(QTreeWidgetItem* node) {
    // Changing folders leaves the preview pane as it is until a row of the new folder
    // is selected; the commands that act on the list's selection follow the list.
    m_formLocal->CurrentFolder = FolderOfNode(node);
    // Tab reports that changed while the report list showed (the watcher left them).
    const bool tabReportsChanged = TabReportFiles(SettingsFolder()) != m_tabReportFiles;
    if (tabReportsChanged)
        ReloadTabReports();
    m_rightStack->setCurrentWidget(m_formLocal);
    if (tabReportsChanged)
        m_viewBatch->TabReportsChanged();
    m_formLocal->ReloadFolder();
    StartWatchers();
}

void TFormMain::TreeNodeEdited(QTreeWidgetItem* node) {
    if (NodeKind(node) != NodeFolder)
        return;
    const QString oldFolder = FolderOfNode(node);
    const QString oldName = ExtractFileName(NoTrailingSeparator(oldFolder));
    const QString name = node->text(0);
    if (name == oldName)
        return;
    const QString parent = IncludeTrailingSeparator(QFileInfo(NoTrailingSeparator(oldFolder)).path());
    auto refuse = [this, node, oldName](const QString& message) {
        {
            const QSignalBlocker block(m_tree);
            node->setText(0, oldName);
        }
        m_dialogs.Error(this, message);
        QTimer::singleShot(0, this, [this, node] {
            m_tree->setFocus();
            m_tree->setCurrentItem(node);
            m_tree->editItem(node);
        });
    };
    if (!IsValidEntryName(name)) {
        refuse(Tr("The name you specified is not valid. Specify a different name."));
        return;
    }
    if (PathExists(parent + name)) {
        refuse(Tr("A folder with the name you specified already exists. Specify a different name."));
        return;
    }
    const TWatcherPause pause(*this);
    TFsResult renamed;
    try {
        renamed = RenameInPlace(NoTrailingSeparator(oldFolder), parent + name, &m_audit);
    } catch (const EBramblexError& e) {
        // The rename happened; a batch in it could not record where it went.
        m_dialogs.Error(this, e.Message());
    }
    if (!renamed) {
        {
            const QSignalBlocker block(m_tree);
            node->setText(0, oldName);
        }
        m_dialogs.Error(this, WithReason(Tr("Unable to rename \"%1\"").arg(oldName), renamed));
        return;
    }
    {
        const QSignalBlocker block(m_tree);
        // The folders of the node and of everything below it move with it.
        std::function<void(QTreeWidgetItem*, const QString&)> repath = [&](QTreeWidgetItem* n,
                                                                           const QString& f) {
            n->setData(0, FolderRole, f);
            for (int i = 0; i < n->childCount(); ++i)
                repath(n->child(i), f + n->child(i)->text(0) + QLatin1Char('/'));
        };
        repath(node, parent + name + QLatin1Char('/'));
        if (node->parent())
            node->parent()->sortChildren(0, Qt::AscendingOrder);
    }
    m_tree->scrollToItem(node);
    if (m_tree->currentItem() == node)
        TreeViewMainChange();
}

void TFormMain::SetNavigationVisible(bool visible) {
    m_navigationVisible = visible;
    m_panelTree->setVisible(visible);
    m_formLocal->SetListVisible(visible);
    m_viewBatch->UpdateToggleGlyph(visible);
    // The list's commands follow whether it can be seen.
    m_updateTimer->start();
}

// ---------------------------------------------------------------------------------------
// Directory watchers

void TFormMain::StopWatchers() {
    if (m_parentWatcher)
        m_parentWatcher->Stop();
    if (m_folderWatcher)
        m_folderWatcher->Stop();
}

TFormMain::TWatcherPause::TWatcherPause(TFormMain& form) : m_form(form) {
    if (m_form.m_watcherPauses++ == 0)
        m_form.StopWatchers();
}

TFormMain::TWatcherPause::~TWatcherPause() {
    if (--m_form.m_watcherPauses == 0)
        m_form.StartWatchers();
}

void TFormMain::StartWatchers() {
    if (m_watcherPauses > 0)
        return;
    QTreeWidgetItem* node = SelectedNode();
    const TNodeKind kind = NodeKind(node);
    if (!node || (kind != NodeLocal && kind != NodeFolder))
        return;
    const QString folder = FolderOfNode(node);
    const QString parent = kind == NodeLocal
                               ? StorageRoot()
                               : IncludeTrailingSeparator(QFileInfo(NoTrailingSeparator(folder)).path());
    StopWatchers();
    m_parentWatcher = std::make_unique<TThreadDirectory>(parent);
    m_parentWatcher->OnChange = [this, parent] { RefreshTreeUnder(parent); };
    m_parentWatcher->Start();
    m_folderWatcher = std::make_unique<TThreadDirectory>(folder);
    m_folderWatcher->OnChange = [this, folder] {
        RefreshTreeUnder(folder);
        if (m_formLocal->CurrentFolder == folder)
            m_formLocal->ReloadFolder();
    };
    m_folderWatcher->Start();
}

// ---------------------------------------------------------------------------------------
// Events

void TFormMain::closeEvent(QCloseEvent* event) {
    m_viewBatch->CommitEdits();
    if (RunInProgress()) {
        ActionStopExecute();
        event->ignore();
        return;
    }
    if (AutomationObjectCount && AutomationObjectCount() > 0 &&
        m_dialogs.WarningQuestion(
            this, Tr("COM Server Warning"),
            Tr("There are still active COM objects in this application.  One or more clients "
               "may have references to these objects, so manually closing ") +
                Tr("this application may cause those client application(s) to fail.\r\n\r\n"
                   "Are you sure you want to close this application?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

// ---------------------------------------------------------------------------------------
// Drag and drop, Cut, Copy, Paste

Qt::DropAction TFormMain::TreeDropEffect(const QStringList& paths, const QTreeWidgetItem* node,
                                         Qt::DropActions allowed, Qt::KeyboardModifiers keys) const {
    const TNodeKind kind = NodeKind(node);
    if (!node || paths.isEmpty() || RunInProgress() || (kind != NodeLocal && kind != NodeFolder))
        return Qt::IgnoreAction;
    const QString source = IncludeTrailingSeparator(QFileInfo(QDir::cleanPath(paths.first())).path());
    return FileDropEffect(paths, source, FolderOfNode(node), allowed, keys, TShiftCtrl::Refused);
}

void TFormMain::DropFiles(const QStringList& paths, const QString& folder, Qt::DropAction effect,
                          const QStringList& names) {
    if (paths.isEmpty() || folder.isEmpty() || (effect != Qt::MoveAction && effect != Qt::CopyAction))
        return;
    QString error;
    {
        const TWatcherPause pause(*this);
        try {
            TransferFiles(
                paths, names, folder, effect == Qt::MoveAction ? TDropEffect::Move : TDropEffect::Copy,
                [this](const QString& question) {
                    switch (m_dialogs.Question(this, QString(), question,
                                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel |
                                                   QMessageBox::YesToAll,
                                               QMessageBox::Yes)) {
                    case QMessageBox::Yes:
                        return TConflictAnswer::Yes;
                    case QMessageBox::No:
                        return TConflictAnswer::No;
                    case QMessageBox::YesToAll:
                        return TConflictAnswer::YesToAll;
                    default:
                        return TConflictAnswer::Cancel;
                    }
                },
                &m_audit);
            QSet<QString> sources;
            for (const QString& path : paths)
                sources.insert(IncludeTrailingSeparator(QFileInfo(QDir::cleanPath(path)).path()));
            for (const QString& source : sources)
                RefreshTreeUnder(source);
            if (effect == Qt::MoveAction)
                ClearClipboard();
            RefreshTreeUnder(folder);
        } catch (const EBramblexError& e) {
            RefreshTreeUnder(folder);
            error = e.Message();
        }
        if (QTreeWidgetItem* node = SelectedNode()) {
            if (NodeKind(node) == NodeLocal || NodeKind(node) == NodeFolder)
                ShowFolder(node);
        }
    }
    UpdateActions();
    // Said once the list and the watchers are back.
    if (!error.isEmpty())
        m_dialogs.Error(this, error);
}

void TFormMain::ActionCutFolderFileExecute() {
    QStringList paths;
    if (TreeFocused()) {
        if (NodeKind(SelectedNode()) == NodeFolder)
            paths << NoTrailingSeparator(FolderOfNode(SelectedNode()));
    } else {
        m_formLocal->CutFiles();
    }
    if (!paths.isEmpty())
        PutFileListOnClipboard(paths, TFileListEffect::Move);
    UpdateActions();
}

void TFormMain::ActionCopyFolderFileExecute() {
    QStringList paths;
    if (TreeFocused()) {
        if (NodeKind(SelectedNode()) == NodeFolder)
            paths << NoTrailingSeparator(FolderOfNode(SelectedNode()));
    } else {
        m_formLocal->CopyFiles();
    }
    if (!paths.isEmpty())
        PutFileListOnClipboard(paths, TFileListEffect::Copy);
    UpdateActions();
}

void TFormMain::ActionPasteFolderFileExecute() {
    if (!TreeFocused()) {
        m_formLocal->PasteFiles();
        return;
    }
    TFileListEffect effect = TFileListEffect::None;
    const QStringList paths = ClipboardFileList(&effect);
    if (paths.isEmpty() || effect == TFileListEffect::None)
        return;
    const QString folder = TreeFocused() ? FolderOfNode(SelectedNode()) : m_formLocal->CurrentFolder;
    if (folder.isEmpty())
        return;
    DropFiles(paths, folder, effect == TFileListEffect::Move ? Qt::MoveAction : Qt::CopyAction);
}

// ---------------------------------------------------------------------------------------
// Commands

void TFormMain::ActionHelpExecute() {
    const QString guide = InstalledGuide();
    if (guide.isEmpty() || !m_dialogs.OpenUrl(this, QUrl::fromLocalFile(guide)))
        m_dialogs.Error(this, Tr("The user guide \"%1\" could not be opened.")
                                  .arg(guide.isEmpty() ? QStringLiteral("Bramblex.html") : guide));
}

void TFormMain::ActionAboutExecute() {
    m_dialogs.About(
        this, tr("About"),
        tr("<h3>Korvane Bramblex</h3><p>Version %1</p>"
           "<p>Runs measurement programmes on Korvane 4150 rotational viscometers, keeps the readings "
           "of every batch and reports, prints and exports them.</p>"
           "<p>Storage folder: %2</p>"
           "<p>Bramblex is free software: you can redistribute it and/or modify it under the terms of the "
           "GNU General Public License as published by the Free Software Foundation, either version 3 of "
           "the License, or (at your option) any later version (GPL-3.0-or-later). It comes with "
           "ABSOLUTELY NO WARRANTY. See <a href=\"https://www.gnu.org/licenses/gpl-3.0.html\">"
           "https://www.gnu.org/licenses/gpl-3.0.html</a>.</p>")
            .arg(QCoreApplication::applicationVersion(), StorageRoot().toHtmlEscaped()));
}

void TFormMain::ActionPreferencesExecute() {
    if (RunInProgress())
        return;
    TFormPreferences dialog(m_dialogs, ListSerialPorts(), this);
    dialog.LoadSettings(*m_settings);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_settings->Assign(dialog.Settings());
    ReadUnitSelections(*m_settings);
    SelectNode(m_localNode);
    m_formLocal->SelectPath(QString());
    m_viewBatch->ForgetFileItems();
    m_formLocal->ShowPreview();
    ApplyToolbarLabelStyle();
    UpdateActions();
}

void TFormMain::ActionChangeStorageDirectoryExecute() {
    if (RunInProgress())
        return;
    const QString folder = m_dialogs.ExistingFolder(
        this, Tr("Select the directory in which to store application data"), StorageRoot());
    if (folder.isEmpty())
        return;
    const TWatcherPause pause(*this);
    try {
        TBusyCursor busy;
        ChangeStorageRoot(folder);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return;
    }
    StorageChanged();
}

void TFormMain::StorageChanged() {
    try {
        ReadSettings();
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
    ReloadTabReports();
    if (m_settingsWatcher)
        m_settingsWatcher->SetFolder(SettingsFolder());
    // The views read the new tree's units and look.
    m_viewBatch->ForgetFileItems();
    ApplyToolbarLabelStyle();
    BuildTree();
    // The new tree's settings may not name a model yet.
    m_timerStartupPreferences->start();
}

void TFormMain::ActionNewFolderExecute() {
    QTreeWidgetItem* node = SelectedNode();
    const TNodeKind kind = NodeKind(node);
    if (!node || (kind != NodeLocal && kind != NodeFolder) || RunInProgress())
        return;
    const bool treeFocused = TreeFocused();
    if (QWidget* editor = m_tree->itemWidget(node, 0))
        editor->close();
    const QString folder = FolderOfNode(node);
    QString path;
    try {
        path = DefaultName(folder, Tr("New Folder"), QString());
        if (const TFsResult made = MakeFolders(path); !made)
            throw EBramblexError(WithReason(Tr("Unable to create directories"), made));
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return;
    }
    RefreshNode(node);
    m_formLocal->ReloadFolder();
    node->setExpanded(true);
    if (treeFocused) {
        if (QTreeWidgetItem* created = NodeOfFolder(path)) {
            SelectNode(created);
            m_tree->editItem(created);
        }
    } else {
        m_formLocal->SelectPath(path);
        m_formLocal->EditSelectedName();
    }
}

void TFormMain::ActionNewBatchExecute() {
    QTreeWidgetItem* node = SelectedNode();
    if (!node || (NodeKind(node) != NodeLocal && NodeKind(node) != NodeFolder) || RunInProgress())
        return;
    m_formLocal->ListViewLocal()->setFocus();
    try {
        const QString path = DefaultName(FolderOfNode(node), Tr("New Batch"), QStringLiteral(".epb"));
        TBatchItem batch;
        ApplyNewBatchDefaults(batch, *m_settings);
        batch.SaveToFile(path, TAuditEntry::NewBatch(), m_audit);
        m_formLocal->ReloadFolder();
        m_formLocal->SelectPath(path);
        m_formLocal->EditSelectedName();
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
}

void TFormMain::ActionDeleteFolderFileExecute() {
    QTreeWidgetItem* node = SelectedNode();
    if (!node || RunInProgress())
        return;
    const bool treeFocused = TreeFocused();
    const TWatcherPause pause(*this);
    try {
        if (treeFocused) {
            if (NodeKind(node) == NodeFolder) {
                const QString folder = FolderOfNode(node);
                if (m_dialogs.AskYesNo(
                        this, QString(),
                        Tr("Are you sure you want to remove the folder named '%1' and all its contents?")
                            .arg(node->text(0)))) {
                    {
                        TBusyCursor busy;
                        DeleteTree(folder, &m_audit);
                    }
                    QTreeWidgetItem* parent = node->parent();
                    RefreshNode(parent);
                    SelectNode(parent);
                }
            }
        } else {
            const auto entries = m_formLocal->SelectedEntries();
            QString question;
            if (entries.size() == 1) {
                const TFileItem& entry = *entries.front();
                if (entry.FileType == FileTypeFolder)
                    question =
                        Tr("Are you sure you want to remove the folder named '%1' and all its contents?")
                            .arg(entry.FileName());
                else
                    question = Tr("Are you sure you want to delete '%1'?")
                                   .arg(entry.FileType == FileTypeBatch ? FileTitle(entry.FilePath)
                                                                        : entry.FileName());
            } else if (entries.size() > 1) {
                question = Tr("Are you sure you want to delete these %1 items?").arg(entries.size());
            }
            if (!question.isEmpty() && m_dialogs.AskYesNo(this, QString(), question)) {
                QStringList paths;
                for (const TFileItem* entry : entries)
                    paths << entry->FilePath;
                TBusyCursor busy;
                for (int i = static_cast<int>(paths.size()) - 1; i >= 0; --i)
                    DeleteTree(paths[i], &m_audit);
            }
        }
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
    // Whatever happened, the selected folder shows what is on disk again.
    if (QTreeWidgetItem* current = SelectedNode()) {
        RefreshNode(current);
        TreeViewMainChange();
    }
}

void TFormMain::ActionRenameFolderFileExecute() {
    if (RunInProgress())
        return;
    if (TreeFocused()) {
        QTreeWidgetItem* node = SelectedNode();
        if (node && NodeKind(node) == NodeFolder)
            m_tree->editItem(node);
    } else {
        m_formLocal->EditSelectedName();
    }
}

void TFormMain::ActionSelectAllExecute() {
    m_formLocal->SelectAll();
}

void TFormMain::ActionBackExecute() {
    QTreeWidgetItem* node = SelectedNode();
    if (node && NodeKind(node) == NodeFolder && node->parent() && !RunInProgress())
        SelectNode(node->parent());
}

void TFormMain::ActionClearExecute() {
    TFileItem* entry = SelectedBatch();
    if (!entry || RunInProgress())
        return;
    // The save below would refuse too, but only after asking to lose the readings.
    if (const QString damaged = entry->LoadWarning(); !damaged.isEmpty()) {
        m_dialogs.Error(this, TDamagedSource::RefusalMessage(damaged));
        return;
    }
    if (!m_dialogs.AskYesNo(this, QString(), Tr("All collected data will be lost, are you sure?")))
        return;
    try {
        TBatchItem batch;
        batch.Assign(*entry->Batch);
        const int readings = batch.Measurements.Count();
        batch.Measurements.Clear();
        batch.SaveToFile(entry->FilePath, TAuditEntry::ReadingsCleared(readings), m_audit);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
    const QString path = entry->FilePath;
    m_formLocal->ReloadFolder();
    m_formLocal->ReloadEntry(path);
    m_formLocal->ShowPreview();
    UpdateActions();
}

void TFormMain::ActionAuditTrailExecute() {
    TFileItem* entry = SelectedBatch();
    if (!entry)
        return;
    TFormAuditTrail window(entry->FilePath, m_dialogs, this);
    ExecDialog(window);
}

void TFormMain::ActionSignExecute() {
    TFileItem* entry = SelectedBatch();
    if (!entry || RunInProgress())
        return;
    // What was typed belongs to the version that is signed.
    m_viewBatch->CommitEdits();
    if (!m_signing) {
        m_passwordCheck = std::make_unique<TPamPasswordCheck>();
        m_signing = std::make_unique<TSigningGuard>(
            *m_passwordCheck, SigningClock ? SigningClock : [] { return QDateTime::currentDateTime(); },
            SigningLockFile);
    }
    TFormSign dialog(entry->FilePath, *m_signing, m_audit.Context, this);
    ExecDialog(dialog);
    m_viewBatch->LoadSubViews(true);
}

void TFormMain::ActionExportExecute(bool excel) {
    TFileItem* entry = SelectedBatch();
    if (!entry)
        return;
    TExportDialogs dialogs;
    dialogs.AskSaveFileName = [this](const TSaveFileRequest& request) -> std::optional<QString> {
        QString start = request.InitialFolder;
        if (!request.InitialName.isEmpty())
            start =
                IncludeTrailingSeparator(start.isEmpty() ? DocumentsFolder() : start) + request.InitialName;
        const QString chosen = m_dialogs.SaveFileName(this, request.Title, start, request.NameFilters);
        if (chosen.isEmpty())
            return std::nullopt;
        return chosen;
    };
    dialogs.AskYesNo = [this](const QString& question) {
        return m_dialogs.AskYesNo(this, QString(), question);
    };
    try {
        TBatchItem batch;
        batch.Assign(*entry->Batch);
        const QString written =
            m_exports->Run(excel ? TExportKind::Excel : TExportKind::Csv, batch, *m_settings, dialogs);
        if (!written.isEmpty())
            m_audit.Output(
                {entry->FilePath},
                TAuditEntry::Exported(excel ? QStringLiteral("excel") : QStringLiteral("csv"), written));
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
}

// ---------------------------------------------------------------------------------------
// Runs

void TFormMain::ActionStartExecute(bool automatic) {
    if (RunInProgress())
        return;
    // The run copies the batch: what was typed into the header goes with it.
    m_viewBatch->CommitEdits();
    m_formLocal->ListViewLocal()->setFocus();
    TFileItem* entry = SelectedBatch();
    if (!entry)
        return;
    // The run saves the batch over its file at the end, which would lose what the
    // damaged file holds beyond the part that could be read.
    if (const QString damaged = entry->LoadWarning(); !damaged.isEmpty()) {
        m_dialogs.Error(this, damaged + QLatin1Char('\n') +
                                  Tr("No run was started: save a repaired copy and run that one."));
        return;
    }
    // Readings of an earlier run of this batch that were never saved come first.
    TOrphanJournal journal;
    if (FindOrphanJournal(entry->FilePath, journal) && MissingReadingCount(journal, *entry->Batch) > 0) {
        m_offeredJournals.remove(journal.JournalPath);
        if (OfferRecovery(journal))
            return;
    }
    TRunSession::TOptions options;
    options.Mode = automatic ? TRunSession::TMode::Automatic : TRunSession::TMode::Manual;
    options.Port = RunPortFromSettings(*m_settings);
    options.Tracing = m_runTracing;
    // The run writes into the document the batch view shows; what the operator may
    // still edit during the run goes there too and is saved with the readings.
    options.Audit = m_audit;
    auto run = std::make_unique<TRunSession>(m_store->Document(*entry), options, this);
    run->OnStatus = [this](const QString& text, int position, int max) {
        m_viewBatch->ShowRunStatus(text, position, max);
    };
    run->OnError = [this](const QString& message) { m_dialogs.Error(this, message); };
    run->OnTerminate = [this] { RunTerminated(); };
    try {
        run->Start();
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return;
    }
    m_run = std::move(run);
    StopWatchers();
    SetNavigationVisible(false);
    m_viewBatch->SetRunActive(true);
    if (!automatic)
        m_viewBatch->SetTabIndex(2);
    m_viewBatch->ShowSelection(true);
    UpdateActions();
}

void TFormMain::ActionQcLimitSetsExecute() {
    const QTreeWidgetItem* node = SelectedNode();
    if (!node || (NodeKind(node) != NodeLocal && NodeKind(node) != NodeFolder))
        return;
    TFormQcLimitSets form(FolderOfNode(node), SettingsFolder(), LocalFolder(), m_dialogs, this);
    form.OnChanged = [this] {
        m_formLocal->RefreshQcVerdicts();
        m_viewBatch->RefreshQcLine();
    };
    form.exec();
}

void TFormMain::ActionStopExecute() {
    if (m_run)
        m_run->Stop();
}

void TFormMain::RunTerminated() {
    if (!m_run)
        return;
    // The session called us: it goes once this call has returned.
    TRunSession* run = m_run.release();
    run->deleteLater();
    const bool saved = run->Result().Saved;
    m_viewBatch->SetRunActive(false);
    SetNavigationVisible(true);
    if (!saved) {
        m_dialogs.Error(this,
                        Tr("The readings of the run could not be saved in \"%1\".\n%2\nChoose another file "
                           "to save the batch in.")
                            .arg(run->BatchPath(), run->Result().SaveError));
        for (;;) {
            const QString path = m_dialogs.SaveFileName(this, Tr("Save Batch As"),
                                                        DocumentsFolder() + FileTitle(run->BatchPath()) +
                                                            QStringLiteral(".epb"),
                                                        Tr("Batch Files (*.epb);;All Files (*)"));
            if (path.isEmpty()) {
                m_dialogs.Warning(this,
                                  Tr("The readings of the run are kept in \"%1\". Bramblex offers to recover "
                                     "them into the batch when it is selected again.")
                                      .arg(run->Result().JournalPath));
                // Asked again when the batch is selected.
                m_offeredJournals.remove(run->Result().JournalPath);
                break;
            }
            try {
                run->SaveTo(path.endsWith(QLatin1String(".epb"), Qt::CaseInsensitive)
                                ? path
                                : path + QStringLiteral(".epb"));
                break;
            } catch (const EBramblexError& e) {
                m_dialogs.Error(this, e.Message());
            }
        }
    }
    // The folder list catches up in steps of their own, so the event loop is never
    // held for all of them at once (each may write the folder's cache).
    const QString path = run->BatchPath();
    QTimer::singleShot(0, this, [this] {
        if (QTreeWidgetItem* node = SelectedNode())
            RefreshTreeUnder(FolderOfNode(node));
        m_formLocal->ReloadFolder();
    });
    QTimer::singleShot(0, this, [this, path] {
        m_formLocal->ReloadEntry(path);
        m_formLocal->ShowPreview();
        StartWatchers();
        UpdateActions();
    });
}

// ---------------------------------------------------------------------------------------
// Damaged batch files

void TFormMain::OfferRepairedCopy(const QString& batchPath) {
    const int index = m_formLocal->Entries.IndexOf(batchPath, FileTypeBatch);
    if (index < 0 || RunInProgress())
        return;
    TFileItem* entry = m_formLocal->Entries.Items(index);
    const QString damaged = entry->LoadWarning();
    // Told once per state of the file in this program run.
    const QString key = batchPath + QLatin1Char('\n') + QString::number(entry->FileModifiedTime);
    if (damaged.isEmpty() || m_warnedDamaged.contains(key))
        return;
    m_warnedDamaged.insert(key);
    if (!m_dialogs.AskYesNo(this, QString(),
                            damaged + QStringLiteral("\n\n") +
                                Tr("Bramblex does not save over this file. Save a repaired copy of what "
                                   "was read under another name?")))
        return;
    QString path =
        m_dialogs.SaveFileName(this, Tr("Save Repaired Copy"),
                               IncludeTrailingSeparator(QFileInfo(batchPath).absolutePath()) +
                                   Tr("%1 (repaired)").arg(FileTitle(batchPath)) + QStringLiteral(".epb"),
                               Tr("Batch Files (*.epb);;All Files (*)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".epb"), Qt::CaseInsensitive))
        path += QStringLiteral(".epb");
    {
        const TWatcherPause pause(*this);
        try {
            TBatchItem copy;
            copy.Assign(*entry->Batch);
            TAuditEntry created = TAuditEntry::NewBatch();
            created.Details = Tr("Repaired copy of the part of \"%1\" that could be read").arg(batchPath);
            created.Data = {{QStringLiteral("source"), batchPath}};
            copy.SaveToFile(path, created, m_audit);
        } catch (const EBramblexError& e) {
            m_dialogs.Error(this, e.Message());
            return;
        }
        m_formLocal->ReloadFolder();
        if (m_formLocal->Entries.IndexOf(path, FileTypeBatch) >= 0)
            m_formLocal->SelectPath(path);
    }
    UpdateActions();
}

// ---------------------------------------------------------------------------------------
// Journals of runs that ended without their readings saved

bool TFormMain::OfferRecovery(const TOrphanJournal& journal) {
    TBatchItem current;
    bool loaded = false;
    try {
        if (PathExists(journal.BatchPath)) {
            current.LoadFromFile(journal.BatchPath);
            loaded = true;
        }
    } catch (const EBramblexError&) {
    }
    const int missing =
        loaded ? MissingReadingCount(journal, current) : static_cast<int>(journal.Readings.size());
    if (missing == 0 && loaded) {
        // Everything it holds is in the batch already.
        DiscardJournal(journal);
        return false;
    }
    if (m_offeredJournals.contains(journal.JournalPath))
        return false;
    m_offeredJournals.insert(journal.JournalPath);
    const QString question =
        Tr("A run of the batch \"%1\" ended without saving %2 reading(s). Recover them into the batch now?")
            .arg(journal.BatchPath)
            .arg(missing);
    if (!m_dialogs.AskYesNo(this, QString(), question))
        return false;
    {
        const TWatcherPause pause(*this);
        try {
            const int added = RecoverJournal(journal, m_audit);
            m_dialogs.Information(
                this, Tr("%1 reading(s) were recovered into \"%2\".").arg(added).arg(journal.BatchPath));
        } catch (const EBramblexError& e) {
            m_dialogs.Error(this, e.Message());
        }
        if (m_rightStack->currentWidget() == m_formLocal) {
            m_formLocal->ReloadFolder();
            m_formLocal->ReloadEntry(journal.BatchPath);
            m_formLocal->ShowPreview();
        }
    }
    UpdateActions();
    return true;
}

void TFormMain::OpenFiles(const QStringList& paths) {
    QStringList problems;
    const QString storage = QDir::toNativeSeparators(NoTrailingSeparator(StorageRoot()));
    QString folder;      // the folder whose entries are selected
    QStringList entries; // its entries given
    QString report;      // or the report selected
    auto decided = [&] { return !folder.isEmpty() || !report.isEmpty(); };
    for (const QString& given : paths) {
        const QFileInfo info(given);
        const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
        if (!info.exists()) {
            problems << tr("The file \"%1\" was not found.").arg(shown);
            continue;
        }
        const QString canonical = info.canonicalFilePath();
        if (info.isFile() && info.suffix().compare(QLatin1String("epr"), Qt::CaseInsensitive) == 0) {
            // Only the report lists' own files: those of the Reports and Settings folders.
            QString own;
            for (const QString& reports : {ReportsFolder(), SettingsFolder()}) {
                const QString below = PathBelow(canonical, reports);
                if (!below.isEmpty() && QFileInfo(below).path() + QLatin1Char('/') == reports)
                    own = below;
            }
            if (own.isEmpty())
                problems
                    << tr("The report \"%1\" is not one of the reports of the storage folder \"%2\", so "
                          "Bramblex cannot open it. Copy it into the storage folder's Reports folder first.")
                           .arg(shown, storage);
            else if (!decided())
                report = own;
            continue;
        }
        const QString below = PathBelow(canonical, LocalFolder());
        if (below.isEmpty()) {
            if (PathBelow(canonical, StorageRoot()).isEmpty())
                problems << tr("The file \"%1\" lies outside the storage folder \"%2\", so Bramblex cannot "
                               "open it. Copy it into a folder below Local first.")
                                .arg(shown, storage);
            else
                problems << tr("The file \"%1\" is not in a Local folder of the storage folder \"%2\", so "
                               "Bramblex cannot open it. Copy it into a folder below Local first.")
                                .arg(shown, storage);
            continue;
        }
        if (info.isDir()) {
            if (!decided())
                folder = IncludeTrailingSeparator(below);
            continue;
        }
        // The list shows one folder: the first file's decides.
        const QString parent = IncludeTrailingSeparator(QFileInfo(below).path());
        if (!decided())
            folder = parent;
        if (folder == parent)
            entries << below;
    }

    if (!report.isEmpty()) {
        SelectNode(m_reportsNode);
        m_formReports->SelectReportFile(report);
        const TFileItem* current = m_formReports->CurrentReport();
        if (!current || current->FilePath != report)
            problems << tr("The file \"%1\" is not a report that can be read.")
                            .arg(QDir::toNativeSeparators(report));
    } else if (!folder.isEmpty()) {
        if (QTreeWidgetItem* node = NodeOfFolder(folder)) {
            SelectNode(node);
            if (!entries.isEmpty()) {
                m_formLocal->ListViewLocal()->setFocus();
                for (const QString& missing : m_formLocal->SelectPaths(entries))
                    problems << tr("The file \"%1\" is not shown in its folder's list.")
                                    .arg(QDir::toNativeSeparators(missing));
            }
        }
    }
    UpdateActions();
    if (!problems.isEmpty())
        m_dialogs.Error(this, problems.join(QStringLiteral("\n\n")));
}

void TFormMain::OfferJournalRecovery() {
    if (m_checkingJournals || RunInProgress())
        return;
    m_checkingJournals = true;
    for (const TOrphanJournal& journal : FindOrphanJournals())
        OfferRecovery(journal);
    m_checkingJournals = false;
}

void TFormMain::OfferJournalRecovery(const QString& batchPath) {
    if (m_checkingJournals || RunInProgress())
        return;
    m_checkingJournals = true;
    TOrphanJournal journal;
    if (FindOrphanJournal(batchPath, journal))
        OfferRecovery(journal);
    m_checkingJournals = false;
}
