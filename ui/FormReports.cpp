#include "ui/FormReports.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "platform/Clipboard.h"
#include "platform/DirectoryWatcher.h"
#include "platform/FileSystem.h"
#include "platform/FsResult.h"
#include "reports/Page.h"
#include "reports/PageEditing.h"
#include "reports/Report.h"
#include "services/ReportJobs.h"
#include "storage/FileOperations.h"
#include "storage/StoragePaths.h"
#include "ui/DesignerIcons.h"
#include "ui/DialogService.h"
#include "ui/FormPageDesign.h"
#include "ui/NameEdit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int MoveColumnWidth = 44;
constexpr int ThumbnailSize = 64;
// How soon a refresh put off while the window was busy is tried again.
constexpr int FollowRetryMs = 250;

// The report files of folder with their exact write times: what the lists show. The
// Settings folder's other files (the settings themselves) change far more often.
QString ReportFilesIn(const QString& folder) {
    QStringList files;
    for (const TDirectoryEntry& entry : ListDirectory(IncludeTrailingSeparator(folder)))
        if (!entry.IsFolder && FileTypeOfName(entry.Name) == FileTypeReport)
            files << entry.Name + QLatin1Char('\t') + QString::number(entry.ModifiedStamp);
    files.sort();
    return files.join(QLatin1Char('\n'));
}

// A report list: accepts a row dragged from the other report list, as the move command.
class TReportListWidget : public QListWidget {
public:
    TReportListWidget(TFormReports& form, QWidget* parent) : QListWidget(parent), m_form(form) {}
    QListWidget* Other = nullptr;
    std::function<void()> Move;

protected:
    bool Accepts(QDropEvent* event) const {
        return event->source() == Other && Other && m_form.CurrentReport() != nullptr;
    }
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (Accepts(event))
            event->acceptProposedAction();
        else
            event->ignore();
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        if (Accepts(event))
            event->acceptProposedAction();
        else
            event->ignore();
    }
    void dropEvent(QDropEvent* event) override {
        if (!Accepts(event)) {
            event->ignore();
            return;
        }
        // The move rewrites both lists; the drag's own removal of the row must not run.
        event->setDropAction(Qt::CopyAction);
        event->accept();
        QTimer::singleShot(0, this, [move = Move] {
            if (move)
                move();
        });
    }

private:
    TFormReports& m_form;
};

// The page list: rows dragged onto a row of the same page type move the page there.
class TPageListWidget : public QTreeWidget {
public:
    TPageListWidget(TFormReports& form, QWidget* parent) : QTreeWidget(parent), m_form(form) {}

protected:
    int Target(QDropEvent* event) const {
        const QModelIndex index = indexAt(event->position().toPoint());
        return index.isValid() ? index.row() : -1;
    }
    bool Accepts(QDropEvent* event) const {
        const int from = m_form.SelectedPage();
        const int to = Target(event);
        return event->source() == this && from >= 0 && to >= 0 && m_form.CanDropPage(from, to);
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        QTreeWidget::dragMoveEvent(event);
        if (Accepts(event))
            event->acceptProposedAction();
        else
            event->ignore();
    }
    void dropEvent(QDropEvent* event) override {
        if (!Accepts(event)) {
            event->ignore();
            return;
        }
        const int from = m_form.SelectedPage();
        const int to = Target(event);
        event->setDropAction(Qt::CopyAction);
        event->accept();
        QTimer::singleShot(0, this, [form = &m_form, from, to] { form->DropPage(from, to); });
    }

private:
    TFormReports& m_form;
};

// Draws a page's thumbnail when its row is painted, so only rows shown cost a drawing.
class TThumbnailDelegate : public QStyledItemDelegate {
public:
    TThumbnailDelegate(TFormReports& form, QObject* parent) : QStyledItemDelegate(parent), m_form(form) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.text = index.data().toString();
        plain.features |= QStyleOptionViewItem::HasDisplay;
        const QSize text = QStyledItemDelegate::sizeHint(plain, QModelIndex());
        if (index.column() != 0)
            return QSize(text.width() + 8, ThumbnailSize + 4);
        return QSize(ThumbnailSize + text.width() + 12, ThumbnailSize + 4);
    }

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() != 0)
            return;
        const QPixmap thumb = m_form.Thumbnail(index.row());
        if (thumb.isNull())
            return;
        option->icon = QIcon(thumb);
        option->features |= QStyleOptionViewItem::HasDecoration;
        option->decorationSize = QSize(ThumbnailSize, ThumbnailSize);
    }

private:
    TFormReports& m_form;
};

// The list image of a read-only report: the report image with a padlock.
QIcon ReadOnlyIcon(const QIcon& base) {
    QPixmap pixmap = base.pixmap(16, 16);
    if (pixmap.isNull()) {
        pixmap = QPixmap(16, 16);
        pixmap.fill(Qt::transparent);
    }
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 60, 0), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(8.5, 6.5, 5, 5), 0, 180 * 16);
    painter.setBrush(QColor(230, 170, 20));
    painter.drawRect(QRectF(7.5, 9.5, 7, 5.5));
    return QIcon(pixmap);
}

} // namespace

TFormReports::TFormReports(TSettings& settings, TDialogService& dialogs, TFileList& tabReports,
                           std::function<void()> reloadTabReports, TChartPainter* charts, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_dialogs(dialogs), m_tabReports(tabReports),
      m_reloadTabReports(std::move(reloadTabReports)), m_charts(charts) {
    setObjectName(QStringLiteral("FormReports"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("SplitterReports"));
    m_splitter->setChildrenCollapsible(false);
    layout->addWidget(m_splitter);

    // Upper area: the two report lists with the move buttons between them.
    m_upper = new QWidget(m_splitter);
    m_upper->setObjectName(QStringLiteral("PanelReportLists"));
    m_upper->setMinimumHeight(50);
    auto* upper = new QHBoxLayout(m_upper);
    upper->setContentsMargins(0, 0, 0, 0);
    upper->setSpacing(0);
    auto makeList = [this](const char* name, const QString& caption) {
        auto* box = new QWidget(m_upper);
        auto* column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(1);
        auto* label = new QLabel(caption, box);
        label->setObjectName(QLatin1String(name) + QStringLiteral("Caption"));
        auto* list = new TReportListWidget(*this, box);
        list->setObjectName(QLatin1String(name));
        list->setAccessibleName(caption);
        label->setBuddy(list);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
        list->setItemDelegate(new TNameEditDelegate(m_dialogs, list));
        list->setDragEnabled(true);
        list->setAcceptDrops(true);
        list->setDragDropMode(QAbstractItemView::DragDrop);
        list->setDefaultDropAction(Qt::MoveAction);
        list->installEventFilter(this);
        column->addWidget(label);
        column->addWidget(list, 1);
        return std::pair{box, list};
    };
    auto [myBox, myList] = makeList("ListViewMyReports", tr("My Reports"));
    auto [tabBox, tabList] = makeList("ListViewTabReports", tr("Tab Reports"));
    m_myList = myList;
    m_tabList = tabList;
    myList->Other = tabList;
    tabList->Other = myList;
    myList->Move = [this] { MoveToMyReports(); };
    tabList->Move = [this] { MoveToTabReports(); };
    myBox->setObjectName(QStringLiteral("PanelMyReports"));

    auto* middle = new QWidget(m_upper);
    middle->setObjectName(QStringLiteral("PanelMoveButtons"));
    middle->setFixedWidth(MoveColumnWidth);
    auto* buttons = new QVBoxLayout(middle);
    buttons->setContentsMargins(6, 0, 6, 0);
    buttons->addStretch(1);
    auto makeButton = [middle, buttons](const char* name, const QString& caption,
                                        QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(middle);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(caption);
        button->setAccessibleName(caption);
        button->setIcon(button->style()->standardIcon(icon));
        button->setFocusPolicy(Qt::NoFocus); // the list keeps the focus the move needs
        buttons->addWidget(button);
        return button;
    };
    m_toTab = makeButton("ButtonMoveToTabReports", tr("Move to Tab Reports"), QStyle::SP_ArrowRight);
    m_toMy = makeButton("ButtonMoveToMyReports", tr("Move to My Reports"), QStyle::SP_ArrowLeft);
    buttons->addStretch(1);
    connect(m_toTab, &QToolButton::clicked, this, [this] { MoveToTabReports(); });
    connect(m_toMy, &QToolButton::clicked, this, [this] { MoveToMyReports(); });
    upper->addWidget(myBox);
    upper->addWidget(middle);
    upper->addWidget(tabBox, 1);

    // Lower area: the current report's name, the page commands and the page list.
    auto* lower = new QWidget(m_splitter);
    lower->setObjectName(QStringLiteral("PanelPages"));
    lower->setMinimumHeight(50);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->setSpacing(1);
    m_label = new QLabel(lower);
    m_label->setObjectName(QStringLiteral("LabelCurrentReport"));
    m_label->setAccessibleDescription(tr("Current report"));
    QFont bold = m_label->font();
    bold.setBold(true);
    m_label->setFont(bold);
    m_toolBar = new QToolBar(lower);
    m_toolBar->setObjectName(QStringLiteral("ToolBarPages"));
    m_toolBar->setAccessibleName(tr("Page commands"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_toolBar->setIconSize(QSize(16, 16));
    auto make = [this](const char* name, const QString& caption, const QIcon& icon = QIcon()) {
        auto* action = new QAction(icon, caption, this);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QStyle* s = style();
    QAction* newPage = make("ActionNewPage", tr("New Page"), s->standardIcon(QStyle::SP_FileIcon));
    const QStringList types = PageTypeNames();
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("MenuNewPage"));
    const char* typeActions[] = {"ActionNewOpeningPage", "ActionNewInnerPage", "ActionNewClosingPage"};
    for (int t = 0; t < 3; ++t) {
        QAction* action = make(typeActions[t], types.value(t));
        connect(action, &QAction::triggered, this, [this, t] { NewPage(t); });
        menu->addAction(action);
    }
    newPage->setMenu(menu);
    m_toolBar->addAction(newPage);
    if (auto* button = qobject_cast<QToolButton*>(m_toolBar->widgetForAction(newPage))) {
        button->setPopupMode(QToolButton::InstantPopup);
        button->setAccessibleName(newPage->text());
    }
    struct TCommand {
        const char* Name;
        QString Caption;
        QIcon Icon;
        void (TFormReports::*Run)();
    };
    const TCommand commands[] = {
        {"ActionDeletePage", tr("Delete"), DesignerIcon(QStringLiteral("delete")), &TFormReports::DeletePage},
        {"ActionEditPage", tr("Edit"), s->standardIcon(QStyle::SP_FileDialogContentsView),
         &TFormReports::EditPage},
        {"ActionCopyPage", tr("Copy"), DesignerIcon(QStringLiteral("copy")), &TFormReports::CopyPage},
        {"ActionPastePage", tr("Paste"), DesignerIcon(QStringLiteral("paste")), &TFormReports::PastePage},
        {"ActionMovePageUp", tr("Move Up"), s->standardIcon(QStyle::SP_ArrowUp), &TFormReports::MovePageUp},
        {"ActionMovePageDown", tr("Move Down"), s->standardIcon(QStyle::SP_ArrowDown),
         &TFormReports::MovePageDown},
    };
    for (const TCommand& command : commands) {
        QAction* action = make(command.Name, command.Caption, command.Icon);
        connect(action, &QAction::triggered, this, command.Run);
        m_toolBar->addAction(action);
        if (QWidget* button = m_toolBar->widgetForAction(action))
            button->setAccessibleName(command.Caption);
    }

    m_pages = new TPageListWidget(*this, lower);
    m_pages->setObjectName(QStringLiteral("ListViewPages"));
    m_pages->setAccessibleName(tr("Pages"));
    m_pages->setColumnCount(2);
    m_pages->setHeaderLabels({tr("Number"), tr("Page Type")});
    m_pages->header()->setAccessibleName(tr("Pages"));
    m_pages->setRootIsDecorated(false);
    m_pages->setUniformRowHeights(true);
    m_pages->setIconSize(QSize(ThumbnailSize, ThumbnailSize));
    m_pages->setItemDelegate(new TThumbnailDelegate(*this, m_pages));
    m_pages->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pages->setDragEnabled(true);
    m_pages->setAcceptDrops(true);
    m_pages->setDragDropMode(QAbstractItemView::InternalMove);
    m_pages->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const char* name : {"ActionEditPage", "ActionDeletePage", "ActionCopyPage", "ActionPastePage"})
        m_pages->addAction(Action(QLatin1String(name)));
    connect(m_pages, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (Action(QStringLiteral("ActionEditPage"))->isEnabled())
            EditPage();
    });
    connect(m_pages, &QTreeWidget::itemSelectionChanged, this, [this] { UpdateActions(); });
    lowerLayout->addWidget(m_label);
    lowerLayout->addWidget(m_toolBar);
    lowerLayout->addWidget(m_pages, 1);

    m_splitter->addWidget(m_upper);
    m_splitter->addWidget(lower);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        const int total = height();
        if (!m_applyingLayout && total > 0)
            Setting::FormRatio.Set(m_settings, double(m_upper->height()) / total);
    });

    for (QListWidget* list : {m_myList, m_tabList}) {
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
            if (m_filling)
                return;
            if (list->hasFocus())
                ActiveGroup = list == m_myList ? GroupMyReports : GroupTabReports;
            ShowCurrentReport();
        });
        connect(list, &QListWidget::itemChanged, this, [this, list](QListWidgetItem* item) {
            if (m_filling)
                return;
            const TGroup group = list == m_myList ? GroupMyReports : GroupTabReports;
            const int row = list->row(item);
            const QString text = item->text();
            // Finish the editor's commit before the lists are rebuilt under it; the row
            // must still be the edited report then.
            ++m_renamesPending;
            QTimer::singleShot(0, this, [this, group, row, text] {
                --m_renamesPending;
                RenameEdited(group, row, text);
            });
        });
    }
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { UpdateActions(); });
    m_followTimer = new QTimer(this);
    m_followTimer->setSingleShot(true);
    m_followTimer->setInterval(FollowRetryMs);
    connect(m_followTimer, &QTimer::timeout, this, [this] { FollowReportFiles(); });
    UpdateActions();
}

TFormReports::~TFormReports() {
    StopWatching();
}

class TFormReports::TOwnChange {
public:
    explicit TOwnChange(TFormReports& form) : m_form(form) {
        if (m_form.m_ownChanges++ == 0)
            m_form.StopWatching();
    }
    ~TOwnChange() {
        if (--m_form.m_ownChanges == 0 && m_form.isVisible()) {
            m_form.StartWatching();
            // What changed meanwhile, other than what the command refreshed itself.
            m_form.m_followTimer->start();
        }
    }
    TOwnChange(const TOwnChange&) = delete;
    TOwnChange& operator=(const TOwnChange&) = delete;

private:
    TFormReports& m_form;
};

QAction* TFormReports::Action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

// ---------------------------------------------------------------------------
// Lists

QListWidget* TFormReports::ListOf(TGroup group) const {
    return group == GroupTabReports ? m_tabList : m_myList;
}

TFileList& TFormReports::EntriesOf(TGroup group) const {
    return group == GroupTabReports ? m_tabReports : const_cast<TFileList&>(MyReports);
}

QString TFormReports::FolderOf(TGroup group) const {
    return group == GroupTabReports ? SettingsFolder() : ReportsFolder();
}

void TFormReports::LoadMyReports() {
    RefreshReportList(MyReports, ReportsFolder());
}

void TFormReports::RefreshReportLists() {
    m_reportFiles = ReportFilesIn(ReportsFolder()) + QStringLiteral("\n\n") + ReportFilesIn(SettingsFolder());
    LoadMyReports();
    if (m_reloadTabReports)
        m_reloadTabReports();
    FillList(GroupMyReports);
    FillList(GroupTabReports);
    UpdateActions();
}

void TFormReports::FillList(TGroup group) {
    QListWidget* list = ListOf(group);
    TFileList& entries = EntriesOf(group);
    const QIcon normal = style()->standardIcon(QStyle::SP_FileIcon);
    const QIcon readOnly = ReadOnlyIcon(normal);
    m_filling = true;
    const int current = list->currentRow();
    const bool selected = list->currentItem() && list->currentItem()->isSelected();
    list->clear();
    for (int i = 0; i < entries.Count(); ++i) {
        TFileItem* entry = entries.Items(i);
        if (entry->NeedsLoad())
            entry->Load();
        const bool locked = entry->Report && entry->Report->ReadOnly;
        auto* item = new QListWidgetItem(locked ? readOnly : normal, FileTitle(entry->FilePath), list);
        item->setData(Qt::UserRole, locked);
        Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
        if (!locked)
            flags |= Qt::ItemIsEditable;
        item->setFlags(flags);
    }
    if (current >= 0 && current < list->count()) {
        list->setCurrentRow(current,
                            selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::Clear);
    }
    m_filling = false;
}

TFileItem* TFormReports::CurrentReport() const {
    if (ActiveGroup == GroupNone)
        return nullptr;
    QListWidget* list = ListOf(ActiveGroup);
    QListWidgetItem* item = list->currentItem();
    if (!item || !item->isSelected())
        return nullptr;
    const int row = list->row(item);
    TFileList& entries = EntriesOf(ActiveGroup);
    return row >= 0 && row < entries.Count() ? entries.Items(row) : nullptr;
}

void TFormReports::SetActiveGroup(TGroup group) {
    if (ActiveGroup == group)
        return;
    ActiveGroup = group;
    ShowCurrentReport();
}

bool TFormReports::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_myList)
            SetActiveGroup(GroupMyReports);
        else if (watched == m_tabList)
            SetActiveGroup(GroupTabReports);
    }
    return QWidget::eventFilter(watched, event);
}

void TFormReports::ShowCurrentReport() {
    TFileItem* entry = CurrentReport();
    if (entry && (entry->NeedsLoad() || !entry->Report))
        entry->Load();
    TReport* report = entry ? entry->Report.get() : nullptr;
    if (entry) {
        const QString name = FileTitle(entry->FilePath);
        m_label->setText(ActiveGroup == GroupMyReports    ? tr("My Reports > %1").arg(name)
                         : ActiveGroup == GroupTabReports ? tr("Tab Reports > %1").arg(name)
                                                          : QString());
    } else {
        m_label->clear();
    }
    const int count = report ? report->PageCount() : 0;
    m_thumbs.assign(count, QPixmap());
    m_thumbDone.assign(count, false);
    m_thumbnailsDrawn = 0;
    const QStringList types = PageTypeNames();
    const QSignalBlocker block(m_pages);
    m_pages->clear();
    QList<QTreeWidgetItem*> rows;
    for (int i = 0; i < count; ++i) {
        auto* row = new QTreeWidgetItem({QString::number(i + 1), types.value(report->Page(i)->PageType())});
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                      Qt::ItemIsDropEnabled);
        rows << row;
    }
    m_pages->addTopLevelItems(rows);
    m_pages->header()->resizeSection(0, 120);
    m_pages->resizeColumnToContents(1);
    UpdateActions();
}

QPixmap TFormReports::Thumbnail(int row) {
    if (row < 0 || row >= static_cast<int>(m_thumbs.size()))
        return QPixmap();
    if (!m_thumbDone[row]) {
        m_thumbDone[row] = true;
        TFileItem* entry = CurrentReport();
        const int quality = Setting::ThumbnailQuality.Get(m_settings);
        if (entry && entry->Report && row < entry->Report->PageCount() && quality != ThumbnailNone) {
            QImage image;
            QImage mask;
            DrawPageThumbnail(*entry->Report->Page(row), quality, image, mask, m_charts,
                              m_pages->palette().color(QPalette::Base));
            m_thumbs[row] = QPixmap::fromImage(image);
            ++m_thumbnailsDrawn;
        }
    }
    return m_thumbs[row];
}

void TFormReports::SelectReportFile(const QString& path) {
    const int mine = MyReports.IndexOf(path, FileTypeAny);
    const int tab = mine < 0 ? m_tabReports.IndexOf(path, FileTypeAny) : -1;
    m_filling = true;
    for (QListWidget* list : {m_myList, m_tabList}) {
        list->clearSelection();
        list->setCurrentRow(-1, QItemSelectionModel::Clear);
    }
    m_filling = false;
    if (mine < 0 && tab < 0) {
        ShowCurrentReport();
        return;
    }
    const TGroup group = mine >= 0 ? GroupMyReports : GroupTabReports;
    QListWidget* list = ListOf(group);
    const int row = mine >= 0 ? mine : tab;
    ActiveGroup = group;
    list->setFocus();
    m_filling = true;
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    m_filling = false;
    list->scrollToItem(list->item(row));
    ShowCurrentReport();
}

// ---------------------------------------------------------------------------
// Layout

void TFormReports::ApplyLayout() {
    m_applyingLayout = true;
    const int total = height();
    double ratio = Setting::FormRatio.Get(m_settings);
    if (ratio <= 0.0 || ratio >= 1.0)
        ratio = 0.3;
    const int top = static_cast<int>(RoundHalfUp(total * ratio));
    m_splitter->setSizes({top, std::max(0, total - top - m_splitter->handleWidth())});
    if (QWidget* box = findChild<QWidget*>(QStringLiteral("PanelMyReports")))
        box->setFixedWidth(std::max(0, (width() - MoveColumnWidth) / 2));
    m_pages->header()->resizeSection(0, 120);
    m_pages->resizeColumnToContents(1);
    m_applyingLayout = false;
}

void TFormReports::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ApplyLayout();
    ActiveGroup = GroupNone;
    RefreshReportLists();
    ShowCurrentReport();
    StartWatching();
}

void TFormReports::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    StopWatching();
    m_followTimer->stop();
}

// ---------------------------------------------------------------------------
// Following the folders

void TFormReports::StartWatching() {
    StopWatching();
    auto watch = [this](const QString& folder) {
        auto watcher = std::make_unique<TThreadDirectory>(folder, WatchPauseMs, WatchPollMs);
        watcher->OnChange = [this] { FollowReportFiles(); };
        if (WatchNeedsPolling)
            watcher->NeedsPolling = WatchNeedsPolling;
        watcher->Start();
        return watcher;
    };
    m_reportsWatcher = watch(ReportsFolder());
    m_tabReportsWatcher = watch(SettingsFolder());
}

void TFormReports::StopWatching() {
    if (m_reportsWatcher)
        m_reportsWatcher->Stop();
    if (m_tabReportsWatcher)
        m_tabReportsWatcher->Stop();
}

bool TFormReports::BusyForRefresh() const {
    // A refresh rebuilds the rows and entries that an open name editor, a drag (the
    // mouse is held down) or a dialog of a command still work on.
    for (const QListWidget* list : {m_myList, m_tabList})
        for (const QWidget* editor : list->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (editor->isVisible())
                return true;
    return m_ownChanges > 0 || m_renamesPending > 0 || m_filling ||
           QGuiApplication::mouseButtons() != Qt::NoButton || QApplication::activeModalWidget() != nullptr;
}

void TFormReports::FollowReportFiles() {
    if (!isVisible())
        return;
    if (BusyForRefresh()) {
        m_followTimer->start();
        return;
    }
    const QString onDisk =
        ReportFilesIn(ReportsFolder()) + QStringLiteral("\n\n") + ReportFilesIn(SettingsFolder());
    if (onDisk == m_reportFiles)
        return;
    auto selectedPath = [this](TGroup group) {
        QListWidget* list = ListOf(group);
        QListWidgetItem* item = list->currentItem();
        const int row = item && item->isSelected() ? list->row(item) : -1;
        const TFileList& entries = EntriesOf(group);
        return row >= 0 && row < entries.Count() ? entries.Items(row)->FilePath : QString();
    };
    const QString mine = selectedPath(GroupMyReports);
    const QString tab = selectedPath(GroupTabReports);
    const TFileItem* before = CurrentReport();
    const QString current = before ? before->FilePath : QString();
    // Compared, never used: a report read again is a new object.
    const void* shown = before ? before->Report.get() : nullptr;
    const int page = SelectedPage();

    RefreshReportLists();

    m_filling = true;
    for (const auto& [group, path] : {std::pair{GroupMyReports, mine}, std::pair{GroupTabReports, tab}}) {
        if (path.isEmpty())
            continue;
        QListWidget* list = ListOf(group);
        const int row = EntriesOf(group).IndexOf(path, FileTypeReport);
        if (row >= 0 && row < list->count()) {
            list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        } else {
            list->clearSelection();
            list->setCurrentRow(-1, QItemSelectionModel::Clear);
        }
    }
    m_filling = false;
    const TFileItem* after = CurrentReport();
    if (after && after->FilePath == current && after->Report.get() == shown) {
        UpdateActions();
        return;
    }
    ShowCurrentReport();
    if (after && after->FilePath == current && page >= 0 && page < m_pages->topLevelItemCount()) {
        const QSignalBlocker block(m_pages);
        m_pages->setCurrentItem(m_pages->topLevelItem(page));
        UpdateActions();
    }
}

void TFormReports::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyLayout();
}

// ---------------------------------------------------------------------------
// Enabling

bool TFormReports::EditableReport() const {
    const TFileItem* entry = CurrentReport();
    return entry && entry->Report && !entry->Report->ReadOnly;
}

bool TFormReports::CanRenameReport() const {
    return EditableReport();
}

int TFormReports::SelectedPage() const {
    QTreeWidgetItem* item = m_pages->currentItem();
    if (!item || !item->isSelected())
        return -1;
    return m_pages->indexOfTopLevelItem(item);
}

void TFormReports::UpdateActions() {
    const bool editable = EditableReport();
    const int page = SelectedPage();
    const TReport* report = CurrentReport() ? CurrentReport()->Report.get() : nullptr;
    const bool pageSelected = editable && page >= 0 && page < report->PageCount();
    Action(QStringLiteral("ActionNewPage"))->setEnabled(editable);
    for (const char* name : {"ActionNewOpeningPage", "ActionNewInnerPage", "ActionNewClosingPage"})
        Action(QLatin1String(name))->setEnabled(editable);
    for (const char* name : {"ActionDeletePage", "ActionEditPage", "ActionCopyPage"})
        Action(QLatin1String(name))->setEnabled(pageSelected);
    Action(QStringLiteral("ActionPastePage"))
        ->setEnabled(editable &&
                     TfocClipboard::Instance().HasFormat(QString::fromLatin1(ReportItemClipboardFormat)));
    Action(QStringLiteral("ActionMovePageUp"))
        ->setEnabled(pageSelected && CanMovePage(*report, page, page - 1));
    Action(QStringLiteral("ActionMovePageDown"))
        ->setEnabled(pageSelected && CanMovePage(*report, page, page + 1));
    auto oneSelected = [](QListWidget* list) { return list->selectedItems().size() == 1; };
    m_toTab->setEnabled(ActiveGroup == GroupMyReports && oneSelected(m_myList));
    m_toMy->setEnabled(ActiveGroup == GroupTabReports && oneSelected(m_tabList));
    if (OnActionsChanged)
        OnActionsChanged();
}

// ---------------------------------------------------------------------------
// Report commands

void TFormReports::StartRename(TGroup group, int row) {
    QListWidget* list = ListOf(group);
    QListWidgetItem* item = list->item(row);
    if (!item || !(item->flags() & Qt::ItemIsEditable))
        return;
    list->setFocus();
    list->scrollToItem(item);
    list->editItem(item);
}

void TFormReports::NewReport() {
    const TOwnChange own(*this);
    const TGroup group = ActiveGroup == GroupTabReports ? GroupTabReports : GroupMyReports;
    const QString folder = FolderOf(group);
    QString path;
    try {
        const TFsResult made = MakeFolders(folder);
        if (!made)
            throw EBramblexError(WithReason(tr("Unable to create directory %1").arg(folder), made));
        path = DefaultName(folder, QStringLiteral("New"), QStringLiteral(".epr"));
        TReport report;
        report.SaveToFile(path);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return;
    }
    RefreshReportLists();
    const int row = EntriesOf(group).IndexOf(path, FileTypeReport);
    if (row < 0)
        return;
    QApplication::processEvents();
    ActiveGroup = group;
    QListWidget* list = ListOf(group);
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    ShowCurrentReport();
    StartRename(group, row);
}

void TFormReports::RenameReport() {
    if (!CanRenameReport())
        return;
    StartRename(ActiveGroup, ListOf(ActiveGroup)->currentRow());
}

void TFormReports::RenameEdited(TGroup group, int row, const QString& text) {
    TFileList& entries = EntriesOf(group);
    if (row < 0 || row >= entries.Count())
        return;
    TFileItem* entry = entries.Items(row);
    const QString oldName = FileTitle(entry->FilePath);
    if (text == oldName)
        return;
    const TOwnChange own(*this);
    QListWidget* list = ListOf(group);
    auto restore = [this, list, row, oldName] {
        m_filling = true;
        if (QListWidgetItem* item = list->item(row))
            item->setText(oldName);
        m_filling = false;
    };
    const QString newPath = IncludeTrailingSeparator(FolderOf(group)) + text + QStringLiteral(".epr");
    if (text.isEmpty() || !IsValidEntryName(text + QStringLiteral(".epr"))) {
        restore();
        return;
    }
    if (PathExists(newPath)) {
        m_dialogs.Error(this,
                        tr("A report with the name you specified already exists. Specify a different name."));
        restore();
        list->setFocus();
        QTimer::singleShot(0, this, [this, group, row] { StartRename(group, row); });
        return;
    }
    const TFsResult renamed = RenameEntry(entry->FilePath, newPath);
    if (!renamed) {
        restore();
        m_dialogs.Error(this, WithReason(tr("Unable to rename \"%1\"").arg(oldName), renamed));
        return;
    }
    entry->FilePath = newPath;
    entry->Load();
    if (group == GroupMyReports) {
        MyReports.Sort();
        FillList(GroupMyReports);
    } else {
        RefreshReportLists();
    }
    SelectReportFile(newPath);
}

void TFormReports::DeleteReport() {
    TFileItem* entry = CurrentReport();
    if (!entry || !CanRenameReport())
        return;
    const TOwnChange own(*this);
    const QString name = FileTitle(entry->FilePath);
    if (m_dialogs.Question(this, QString(), tr("Are you sure you want to delete '%1'?").arg(name),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    try {
        DeleteTree(entry->FilePath);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
    RefreshReportLists();
    ShowCurrentReport();
}

void TFormReports::CopyReport() {
    TFileItem* entry = CurrentReport();
    if (!entry)
        return;
    const TOwnChange own(*this);
    const QString copy = CopyName(entry->FilePath);
    try {
        bool replaceAll = false;
        CopyTree(entry->FilePath, copy, replaceAll);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return;
    }
    RefreshReportLists();
    SelectReportFile(copy);
    TFileItem* made = CurrentReport();
    if (!made || made->FilePath != copy)
        return;
    if (!made->Report || made->NeedsLoad())
        made->Load();
    if (made->Report && made->Report->ReadOnly) {
        made->Report->ReadOnly = false;
        if (!made->Save())
            m_dialogs.Error(this, made->LastError());
        FillList(ActiveGroup);
        SelectReportFile(copy);
    }
    RenameReport();
}

void TFormReports::MoveReport(TGroup to) {
    const TGroup from = to == GroupTabReports ? GroupMyReports : GroupTabReports;
    if (ActiveGroup != from)
        return;
    TFileItem* entry = CurrentReport();
    if (!entry)
        return;
    const TOwnChange own(*this);
    const QString source = entry->FilePath;
    const QString destination = IncludeTrailingSeparator(FolderOf(to)) + ExtractFileName(source);
    // A report of that name there would be replaced or lost: say so rather than do nothing.
    if (PathExists(destination)) {
        m_dialogs.Error(this,
                        tr("A report with the name you specified already exists. Specify a different name."));
        return;
    }
    try {
        const TFsResult made = MakeFolders(FolderOf(to));
        if (!made)
            throw EBramblexError(WithReason(tr("Unable to create directory %1").arg(FolderOf(to)), made));
        bool replaceAll = false;
        MoveTree(source, destination, replaceAll);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
    RefreshReportLists();
    ShowCurrentReport();
    SelectReportFile(destination);
}

void TFormReports::MoveToTabReports() {
    MoveReport(GroupTabReports);
}

void TFormReports::MoveToMyReports() {
    MoveReport(GroupMyReports);
}

// ---------------------------------------------------------------------------
// Page commands

bool TFormReports::ChangeAndSave(const std::function<void(TReport&)>& change) {
    TFileItem* entry = CurrentReport();
    if (!entry || !entry->Report || entry->Report->ReadOnly)
        return false;
    const TOwnChange own(*this);
    TReport backup;
    backup.Assign(*entry->Report);
    try {
        change(*entry->Report);
    } catch (const EBramblexError& e) {
        entry->Report->Assign(backup);
        m_dialogs.Error(this, e.Message());
        return false;
    }
    if (!entry->Save()) {
        const QString reason = entry->LastError();
        entry->Report->Assign(backup);
        m_dialogs.Error(this, reason);
        ShowCurrentReport();
        return false;
    }
    return true;
}

void TFormReports::SelectPageRow(int row) {
    QTreeWidgetItem* item = m_pages->topLevelItem(row);
    if (!item)
        return;
    m_pages->setCurrentItem(item);
    m_pages->scrollToItem(item);
    m_pages->setFocus();
    UpdateActions();
}

void TFormReports::NewPage(int type) {
    if (!EditableReport())
        return;
    int position = -1;
    const bool saved = ChangeAndSave([&](TReport& report) {
        position = NewPagePosition(report, type);
        report.InsertPage(position)->Property(QStringLiteral("PageType")).SetInteger(type);
    });
    if (!saved)
        return;
    ShowCurrentReport();
    SelectPageRow(position);
}

void TFormReports::DeletePage() {
    const int page = SelectedPage();
    if (!EditableReport() || page < 0)
        return;
    if (m_dialogs.Question(this, QString(), tr("Are you sure you want to delete this report page?"),
                           QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    if (ChangeAndSave([page](TReport& report) { report.DeletePage(page); }))
        ShowCurrentReport();
}

void TFormReports::EditPage() {
    TFileItem* entry = CurrentReport();
    const int page = SelectedPage();
    if (!EditableReport() || page < 0)
        return;
    const TOwnChange own(*this);
    TFormPageDesign designer(m_settings, m_dialogs, m_designChoices, m_charts, this);
    designer.Execute(*entry, page);
    const int shown = designer.PageIndex();
    const QString path = entry->FilePath;
    RefreshReportLists();
    SelectReportFile(path);
    SelectPageRow(shown);
}

void TFormReports::CopyPage() {
    TFileItem* entry = CurrentReport();
    const int page = SelectedPage();
    if (!EditableReport() || page < 0)
        return;
    try {
        TfocClipboard::Instance().WriteStream(PageDocument(*entry->Report->Page(page), false),
                                              QString::fromLatin1(ReportItemClipboardFormat));
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
    UpdateActions();
}

void TFormReports::PastePage() {
    if (!EditableReport())
        return;
    QByteArray stream;
    try {
        TfocClipboard::Instance().ReadStream(stream, QString::fromLatin1(ReportItemClipboardFormat));
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
        return;
    }
    if (!IsPageDocument(stream))
        return;
    int position = 0;
    const bool saved = ChangeAndSave([&](TReport& report) { position = ::PastePage(report, stream); });
    if (!saved)
        return;
    ShowCurrentReport();
    SelectPageRow(position);
}

void TFormReports::MovePageUp() {
    const int page = SelectedPage();
    if (!Action(QStringLiteral("ActionMovePageUp"))->isEnabled())
        return;
    if (ChangeAndSave([page](TReport& report) { report.MovePage(page, page - 1); })) {
        ShowCurrentReport();
        SelectPageRow(page - 1);
    }
}

void TFormReports::MovePageDown() {
    const int page = SelectedPage();
    if (!Action(QStringLiteral("ActionMovePageDown"))->isEnabled())
        return;
    if (ChangeAndSave([page](TReport& report) { report.MovePage(page, page + 1); })) {
        ShowCurrentReport();
        SelectPageRow(page + 1);
    }
}

bool TFormReports::CanDropPage(int from, int to) const {
    return EditableReport() && CanMovePage(*CurrentReport()->Report, from, to);
}

void TFormReports::DropPage(int from, int to) {
    if (!CanDropPage(from, to))
        return;
    if (ChangeAndSave([from, to](TReport& report) { report.MovePage(from, to); })) {
        ShowCurrentReport();
        SelectPageRow(to);
    }
}
