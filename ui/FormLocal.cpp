#include "ui/FormLocal.h"

#include "catalogue/DateTimeTexts.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "platform/FileIcons.h"
#include "platform/FileListClipboard.h"
#include "platform/FileSystem.h"
#include "storage/FileOperations.h"
#include "ui/DialogService.h"
#include "ui/FormViewBatch.h"
#include "ui/FormViewImage.h"
#include "ui/FormViewOle.h"
#include "ui/FormViewPDF.h"
#include "ui/NameEdit.h"
#include "ui/QcFolderVerdicts.h"
#include "ui/QcMarks.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedLayout>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString NoTrailingSeparator(const QString& path) {
    QString p = path;
    while (p.size() > 1 && p.endsWith(QLatin1Char('/')))
        p.chop(1);
    return p;
}

// The folder of a path, with a trailing separator.
QString FolderOf(const QString& path) {
    return IncludeTrailingSeparator(QFileInfo(NoTrailingSeparator(path)).path());
}

// Suspends the drawing of a window while the preview pane changes, so the pane
// switches without flicker; drawing resumes also when the change fails.
class TNoDrawing {
public:
    explicit TNoDrawing(QWidget* window) : m_window(window), m_was(window->updatesEnabled()) {
        m_window->setUpdatesEnabled(false);
    }
    ~TNoDrawing() { m_window->setUpdatesEnabled(m_was); }
    TNoDrawing(const TNoDrawing&) = delete;
    TNoDrawing& operator=(const TNoDrawing&) = delete;

private:
    QWidget* m_window;
    bool m_was;
};

} // namespace

// The rows of the folder list over Entries, produced only when asked for. While the
// list is rebuilt every row answers empty.
class TLocalListModel : public QAbstractTableModel {
public:
    TLocalListModel(TFormLocal& form, QObject* parent) : QAbstractTableModel(parent), m_form(form) {}

    bool Rebuilding = false;

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : m_form.Entries.Count();
    }
    int columnCount(const QModelIndex&) const override { return 2; }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        return section == 0 ? TFormLocal::tr("Name") : TFormLocal::tr("Modified");
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (index.column() == 0)
            f |= Qt::ItemIsEditable;
        return f;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (Rebuilding || !index.isValid() || index.row() >= m_form.Entries.Count())
            return {};
        TFileItem& entry = *m_form.Entries.Items(index.row());
        if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole) {
            // A batch never read yet is read now (the hint before painting also reads
            // the rows whose file changed); a file that cannot be read is tried again
            // at the next request.
            if (entry.FileType == FileTypeBatch && entry.LoadState == LoadStateNone) {
                entry.Load();
                m_form.ScheduleCacheSave();
            }
            if (index.column() == 0)
                return entry.FileType == FileTypeBatch ? FileTitle(entry.FilePath) : entry.FileName();
            if (entry.FileType == FileTypeBatch && entry.LoadState != LoadStateNone)
                return ModifiedText(entry.FileModifiedTime);
            return QString();
        }
        if (role == Qt::DecorationRole && index.column() == 0)
            return m_form.EntryIcon(entry);
        // The mark on the icon, in words for the pointer and for screen readers.
        if ((role == Qt::ToolTipRole || role == Qt::AccessibleDescriptionRole) && index.column() == 0) {
            const TQcVerdict verdict = m_form.EntryQcVerdict(entry);
            if (verdict != TQcVerdict::None)
                return TFormLocal::tr("QC: %1").arg(QcVerdictText(verdict));
        }
        return {};
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole || index.column() != 0 || index.row() >= m_form.Entries.Count())
            return false;
        // Renaming reloads the list: let the editor close first, and find the entry by
        // its path then, in case the list was refreshed meanwhile.
        const QString path = m_form.Entries.Items(index.row())->FilePath;
        const QString name = value.toString();
        QTimer::singleShot(0, &m_form, [form = &m_form, path, name] {
            const int row = form->Entries.IndexOf(path, FileTypeAny);
            if (row >= 0)
                form->RenameEntry(row, name);
        });
        return false;
    }

    void BeginReset() {
        beginResetModel();
        Rebuilding = true;
    }
    void EndReset() {
        Rebuilding = false;
        endResetModel();
    }
    void RowsChanged() {
        if (m_form.Entries.Count() > 0)
            emit dataChanged(index(0, 0), index(m_form.Entries.Count() - 1, 1));
    }

private:
    // The user's short date and long time (without a time zone: the file's own local
    // time); no time at exactly midnight.
    QString ModifiedText(int32_t packed) const {
        const QDateTime time = UnpackDosDateTime(packed);
        if (!time.isValid())
            return QString();
        m_texts.Set(QDate(1899, 12, 30).daysTo(time.date()) +
                    time.time().msecsSinceStartOfDay() / 86400000.0);
        if (time.time() == QTime(0, 0))
            return m_texts.Date();
        return m_texts.Date() + QLatin1Char(' ') + m_texts.Time();
    }

    TFormLocal& m_form;
    mutable TDateTimeTexts m_texts;
};

// The list: loads the rows about to be shown before painting them, starts drags of the
// selected entries, takes file lists dropped on it and scrolls while a drag waits near
// its top or bottom edge.
class TLocalListView : public QTreeView {
public:
    TLocalListView(TFormLocal& form, QWidget* parent) : QTreeView(parent), m_form(form) {
        setAcceptDrops(true);
        viewport()->setAcceptDrops(true);
        // Qt's own drag start is replaced by ours; enabling drags keeps a pressed row of
        // a multiple selection from dropping the others before a drag.
        setDragEnabled(true);
        setDragDropMode(QAbstractItemView::DragDrop);
        setDropIndicatorShown(false);
        setAutoScroll(false);
        m_scrollTimer.setInterval(60);
        connect(&m_scrollTimer, &QTimer::timeout, this, [this] {
            QScrollBar* bar = verticalScrollBar();
            bar->setValue(bar->value() + m_scrollDirection * bar->singleStep());
        });
    }

    QMenu* ContextMenu = nullptr;
    int DropRow = -1;
    bool HasPressPoint = false;

    int ScrollDirection() const { return m_scrollTimer.isActive() ? m_scrollDirection : 0; }

    // The drag left the list or ended.
    void EndDragOver() {
        SetDropRow(-1);
        m_scrollTimer.stop();
        m_dragged.clear();
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!m_form.m_rebuilding && model() && model()->rowCount() > 0) {
            const QModelIndex top = indexAt(QPoint(1, 1));
            const QModelIndex bottom = indexAt(QPoint(1, viewport()->height() - 2));
            const int first = top.isValid() ? top.row() : 0;
            const int last = bottom.isValid() ? bottom.row() : model()->rowCount() - 1;
            m_form.DataHint(first, last);
        }
        QTreeView::paintEvent(event);
    }

    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override {
        if (index.row() != DropRow) {
            QTreeView::drawRow(painter, option, index);
            return;
        }
        QStyleOptionViewItem marked = option;
        marked.state |= QStyle::State_Selected | QStyle::State_Active;
        QTreeView::drawRow(painter, marked, index);
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        if (ContextMenu)
            ContextMenu->exec(event->globalPos());
    }

    void mousePressEvent(QMouseEvent* event) override {
        m_pressPoint = event->position().toPoint();
        HasPressPoint = true;
        QTreeView::mousePressEvent(event);
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        const Qt::MouseButtons buttons = event->buttons();
        const bool oneButton = buttons == Qt::LeftButton || buttons == Qt::RightButton;
        const bool modifier =
            event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (HasPressPoint && oneButton && !modifier) {
            const QPoint d = event->position().toPoint() - m_pressPoint;
            if ((std::abs(d.x()) >= 10 || std::abs(d.y()) >= 10) && m_form.SelectedCount() > 0) {
                HasPressPoint = false;
                StartFileDrag();
                return;
            }
        }
        QTreeView::mouseMoveEvent(event);
    }

    // Drags start only as above, never with a modifier key held.
    void startDrag(Qt::DropActions) override {}

    void dragEnterEvent(QDragEnterEvent* event) override {
        TFileListEffect effect = TFileListEffect::None;
        m_dragged = ReadFileListMimeData(event->mimeData(), &effect);
        if (m_dragged.isEmpty()) {
            event->ignore();
            return;
        }
        m_sourceFolder = FolderOf(QDir::cleanPath(m_dragged.first()));
        DragMove(event);
    }
    void dragMoveEvent(QDragMoveEvent* event) override { DragMove(event); }
    void dragLeaveEvent(QDragLeaveEvent* event) override {
        EndDragOver();
        event->accept();
    }

    void dropEvent(QDropEvent* event) override {
        TFileListEffect listEffect = TFileListEffect::None;
        QStringList names;
        const QStringList paths = ReadFileListMimeData(event->mimeData(), &listEffect, &names);
        const int row = RowAt(event->position().toPoint());
        const QString target = m_form.DropTargetFolder(row);
        const Qt::DropAction effect =
            paths.isEmpty() ? Qt::IgnoreAction
                            : Offered(paths, target, event->possibleActions(), event->modifiers());
        EndDragOver();
        if (effect == Qt::IgnoreAction) {
            event->ignore();
            return;
        }
        event->setDropAction(effect);
        event->accept();
        if (effect != Qt::MoveAction && effect != Qt::CopyAction)
            return; // a link transfers nothing
        // The transfer may ask questions: let the drag end first.
        QTimer::singleShot(0, &m_form, [form = &m_form, paths, names, target, effect] {
            if (form->OnDropFiles)
                form->OnDropFiles(paths, names, target, effect);
        });
    }

private:
    int RowAt(const QPoint& pos) const {
        const QModelIndex index = indexAt(pos);
        return index.isValid() ? index.row() : -1;
    }

    // What the list offers for paths dropped into target.
    static Qt::DropAction Offered(const QStringList& paths, const QString& target, Qt::DropActions allowed,
                                  Qt::KeyboardModifiers keys) {
        const QString source = paths.isEmpty() ? QString() : FolderOf(QDir::cleanPath(paths.first()));
        return FileDropEffect(paths, source, target, allowed, keys, TShiftCtrl::RefusedWhenLinking);
    }

    void DragMove(QDragMoveEvent* event) {
        const QPoint pos = event->position().toPoint();
        const int row = RowAt(pos);
        const Qt::DropAction effect =
            Offered(m_dragged, m_form.DropTargetFolder(row), event->possibleActions(), event->modifiers());
        // Near the top or bottom edge the list scrolls while the pointer stays there.
        const int height = viewport()->height();
        m_scrollDirection = pos.y() < 15 ? -1 : pos.y() > height - 15 ? 1 : 0;
        if (m_scrollDirection == 0)
            m_scrollTimer.stop();
        else if (!m_scrollTimer.isActive())
            m_scrollTimer.start();
        SetDropRow(effect != Qt::IgnoreAction ? row : -1);
        if (effect == Qt::IgnoreAction) {
            event->ignore();
            return;
        }
        event->setDropAction(effect);
        event->accept();
    }

    void SetDropRow(int row) {
        if (row == DropRow)
            return;
        DropRow = row;
        viewport()->update();
    }

    void StartFileDrag() {
        const QStringList paths = m_form.SelectedPaths();
        if (paths.isEmpty())
            return;
        auto* drag = new QDrag(this);
        drag->setMimeData(MakeFileListMimeData(paths, TFileListEffect::Copy));
        drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction);
    }

    TFormLocal& m_form;
    QPoint m_pressPoint;
    QStringList m_dragged;
    QString m_sourceFolder;
    QTimer m_scrollTimer;
    int m_scrollDirection = 0;
};

TFormLocal::TFormLocal(TSettings& settings, TFormViewBatch& viewBatch, TDialogService& dialogs,
                       QWidget* parent)
    : QWidget(parent), m_settings(settings), m_viewBatch(viewBatch), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormLocal"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter = new QSplitter(Qt::Vertical, this);
    m_splitter->setObjectName(QStringLiteral("SplitterTopMain"));
    m_splitter->setChildrenCollapsible(false);
    layout->addWidget(m_splitter);

    QStyle* s = style();
    m_icons = {s->standardIcon(QStyle::SP_FileDialogContentsView), s->standardIcon(QStyle::SP_DirIcon)};
    for (const TQcVerdict verdict : {TQcVerdict::Pass, TQcVerdict::Fail, TQcVerdict::Incomplete})
        m_qcIcons[static_cast<size_t>(verdict)] = QcMarkedIcon(m_icons[0], verdict);
    m_qc = std::make_unique<TQcFolderVerdicts>();

    m_model = new TLocalListModel(*this, this);
    m_list = new TLocalListView(*this, m_splitter);
    m_list->setObjectName(QStringLiteral("ListViewLocal"));
    m_list->setAccessibleName(tr("Folder contents"));
    m_list->setModel(m_model);
    m_qc->OnChanged = [this] { m_model->RowsChanged(); };
    m_list->setRootIsDecorated(false);
    m_list->setItemsExpandable(false);
    m_list->setUniformRowHeights(true);
    m_list->setIconSize(QSize(16, 16));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_list->setItemDelegate(new TNameEditDelegate(m_dialogs, m_list));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setSectionsMovable(false);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setAccessibleName(tr("Columns"));
    m_list->header()->resizeSection(0, 175);
    // 120 pixels, or what the user's date and time formats need to be read whole.
    {
        TDateTimeTexts texts;
        texts.Set(QDate(1899, 12, 30).daysTo(QDate(2028, 12, 28)) + (23 * 3600 + 58 * 60 + 58) / 86400.0);
        const int needed =
            m_list->fontMetrics().horizontalAdvance(texts.Date() + QLatin1Char(' ') + texts.Time()) +
            2 * m_list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_list) + 12;
        m_list->header()->resizeSection(1, std::max(120, needed));
    }
    m_list->setMinimumHeight(50);
    // The selection stays as visible without the focus as with it.
    QPalette palette = m_list->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    m_list->setPalette(palette);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { SelectionChanged(); });
    connect(m_list, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Activated(index.row());
    });

    auto* preview = new QFrame(m_splitter);
    m_preview = preview;
    m_preview->setObjectName(QStringLiteral("PanelPreview"));
    preview->setFrameShape(QFrame::Panel);
    preview->setFrameShadow(QFrame::Sunken);
    m_preview->setMinimumHeight(50);
    m_dock = new QStackedLayout(m_preview);
    m_dock->setContentsMargins(1, 1, 1, 1);
    m_empty = new QWidget(m_preview);
    m_empty->setObjectName(QStringLiteral("PanelPreviewEmpty"));
    m_viewImage = new TFormViewImage(m_dialogs, m_preview);
    m_viewPdf = new TFormViewPDF(m_preview);
    m_viewOle = new TFormViewOle(m_dialogs, m_preview);
    for (QWidget* form : {m_empty, static_cast<QWidget*>(&m_viewBatch), static_cast<QWidget*>(m_viewImage),
                          static_cast<QWidget*>(m_viewPdf), static_cast<QWidget*>(m_viewOle)})
        m_dock->addWidget(form);
    m_dock->setCurrentWidget(m_empty);
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_preview);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        const int total = m_splitter->height();
        if (total > 0 && m_listVisible)
            Setting::FormRatio.Set(m_settings, double(m_list->height()) / total);
    });
}

TFormLocal::~TFormLocal() {
    // The batch view belongs to the main window.
    m_dock->removeWidget(&m_viewBatch);
    m_viewBatch.setParent(nullptr);
}

QTreeView* TFormLocal::ListViewLocal() const {
    return m_list;
}

void TFormLocal::SetContextMenu(QMenu* menu) {
    m_list->ContextMenu = menu;
}

QWidget* TFormLocal::DockedForm() const {
    QWidget* current = m_dock->currentWidget();
    return current == m_empty ? nullptr : current;
}

int TFormLocal::DropTargetRow() const {
    return m_list->DropRow;
}

void TFormLocal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_list->HasPressPoint = false;
    ApplyFormRatio();
}

void TFormLocal::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyFormRatio();
}

void TFormLocal::ApplyFormRatio() {
    if (!m_listVisible)
        return;
    double ratio = Setting::FormRatio.Get(m_settings);
    if (ratio <= 0.0 || ratio >= 1.0)
        ratio = 0.3;
    const int total = m_splitter->height();
    const int top = static_cast<int>(total * ratio + 0.5);
    m_splitter->setSizes({top, total - top});
}

void TFormLocal::SetListVisible(bool visible) {
    m_listVisible = visible;
    m_list->setVisible(visible);
    if (visible)
        ApplyFormRatio();
}

QIcon TFormLocal::EntryIcon(TFileItem& entry) {
    if (entry.FileType == FileTypeFolder)
        return m_icons[1];
    if (entry.FileType == FileTypeBatch) {
        const TQcVerdict verdict = EntryQcVerdict(entry);
        return verdict == TQcVerdict::None ? m_icons[0] : m_qcIcons[static_cast<size_t>(verdict)];
    }
    if (entry.IconIndex < 0 || entry.IconIndex >= IconCount()) {
        QIcon icon = FileTypeIcon(entry.FilePath);
        if (icon.isNull())
            icon = style()->standardIcon(QStyle::SP_FileIcon);
        m_icons.push_back(icon);
        entry.IconIndex = IconCount() - 1;
    }
    return m_icons[static_cast<size_t>(entry.IconIndex)];
}

void TFormLocal::DataHint(int first, int last) {
    if (m_rebuilding || Entries.Count() == 0)
        return;
    Entries.LoadRange(first, last);
}

void TFormLocal::ReloadFolder() {
    struct TRemembered {
        QString Path;
        uint8_t Type;
        int32_t Time;
        int64_t Stamp;
    };
    m_rebuilding = true;
    m_model->Rebuilding = true;
    std::vector<TRemembered> remembered;
    int top = -1;
    if (Entries.Count() > 0) {
        const QModelIndex topIndex = m_list->indexAt(QPoint(1, 1));
        top = topIndex.isValid() ? topIndex.row() : 0;
    }
    if (Entries.Folder != CurrentFolder) {
        // Icons are kept per folder.
        m_icons.resize(2);
        top = -1;
    } else {
        for (const TFileItem* entry : SelectedEntries())
            remembered.push_back(
                {entry->FilePath, entry->FileType, entry->FileModifiedTime, entry->FileModifiedStamp});
    }
    m_model->BeginReset();
    m_list->selectionModel()->clearSelection();
    try {
        if (!CurrentFolder.isEmpty()) {
            Entries.Refresh(CurrentFolder);
        } else {
            Entries.Clear();
            Entries.Folder.clear();
        }
    } catch (...) {
        m_model->EndReset();
        m_rebuilding = false;
        throw;
    }
    m_model->EndReset();
    m_model->Rebuilding = true;
    const int count = Entries.Count();
    if (top >= 0 && top < count) {
        m_list->scrollTo(m_model->index(count - 1, 0));
        m_list->scrollTo(m_model->index(top, 0), QAbstractItemView::PositionAtTop);
    }
    bool changed = false;
    QItemSelection selection;
    for (int i = 0; i < count && !remembered.empty(); ++i) {
        const TFileItem& entry = *Entries.Items(i);
        const auto found = std::find_if(remembered.begin(), remembered.end(), [&](const TRemembered& r) {
            return r.Path == entry.FilePath && r.Type == entry.FileType;
        });
        if (found == remembered.end())
            continue;
        selection.select(m_model->index(i, 0), m_model->index(i, 1));
        if (found->Time != entry.FileModifiedTime ||
            (found->Stamp != 0 && entry.FileModifiedStamp != 0 && found->Stamp != entry.FileModifiedStamp))
            changed = true;
        remembered.erase(found);
    }
    if (!selection.isEmpty())
        m_list->selectionModel()->select(selection, QItemSelectionModel::Select);
    m_model->Rebuilding = false;
    m_rebuilding = false;
    UpdateQcVerdicts(false);
    m_list->viewport()->update();
    // A selected file that changed or vanished is shown anew; otherwise the pane keeps
    // what it shows (also when the list changed folder).
    if (changed || !remembered.empty())
        ShowPreview();
    if (OnSelectionChanged)
        OnSelectionChanged();
}

void TFormLocal::SelectPath(const QString& path) {
    m_rebuilding = true;
    m_list->selectionModel()->clearSelection();
    m_list->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    m_rebuilding = false;
    const int row = path.isEmpty() ? -1 : Entries.IndexOf(path, FileTypeAny);
    if (row < 0) {
        SelectionChanged();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    m_list->scrollTo(index);
}

QStringList TFormLocal::SelectPaths(const QStringList& paths) {
    QStringList missing;
    QItemSelection selection;
    QModelIndex first;
    for (const QString& path : paths) {
        const int row = Entries.IndexOf(path, FileTypeAny);
        if (row < 0) {
            missing << path;
            continue;
        }
        const QModelIndex index = m_model->index(row, 0);
        selection.select(index, index);
        if (!first.isValid())
            first = index;
    }
    m_rebuilding = true;
    m_list->selectionModel()->clearSelection();
    if (first.isValid()) {
        m_list->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        m_list->selectionModel()->select(selection,
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_list->scrollTo(first);
    }
    m_rebuilding = false;
    SelectionChanged();
    return missing;
}

void TFormLocal::ReloadEntry(const QString& path) {
    const int row = Entries.IndexOf(path, FileTypeAny);
    if (row < 0)
        return;
    Entries.Items(row)->Load();
    m_qc->Forget(path);
    UpdateQcVerdicts(false);
    m_model->RowsChanged();
    ScheduleCacheSave();
}

void TFormLocal::UpdateQcVerdicts(bool forget) {
    std::vector<TQcFolderVerdicts::TBatchFile> batches;
    batches.reserve(static_cast<size_t>(Entries.Count()));
    for (const auto& entry : Entries)
        if (entry->FileType == FileTypeBatch)
            batches.push_back({entry->FilePath, entry->FileModifiedTime});
    m_qc->Update(CurrentFolder, std::move(batches), forget);
}

void TFormLocal::RefreshQcVerdicts() {
    UpdateQcVerdicts(true);
    m_model->RowsChanged();
}

bool TFormLocal::QcVerdictsBusy() const {
    return m_qc->Busy();
}

TQcVerdict TFormLocal::EntryQcVerdict(const TFileItem& entry) const {
    return entry.FileType == FileTypeBatch ? m_qc->Verdict(entry.FilePath) : TQcVerdict::None;
}

void TFormLocal::ScheduleCacheSave() {
    if (m_cacheSavePending)
        return;
    m_cacheSavePending = true;
    // Once, after a burst of loads, in an event of its own.
    QTimer::singleShot(0, this, [this] {
        m_cacheSavePending = false;
        if (Entries.Modified)
            Entries.SaveCache();
    });
}

void TFormLocal::SelectAll() {
    m_rebuilding = true;
    m_list->selectAll();
    m_rebuilding = false;
    SelectionChanged();
}

void TFormLocal::EditSelectedName() {
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    m_list->setFocus();
    m_list->setCurrentIndex(rows.first());
    m_list->edit(rows.first());
}

std::vector<TFileItem*> TFormLocal::SelectedEntries() const {
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<TFileItem*> entries;
    for (const QModelIndex& row : rows)
        if (row.row() < Entries.Count())
            entries.push_back(Entries.Items(row.row()));
    return entries;
}

int TFormLocal::SelectedCount() const {
    return static_cast<int>(m_list->selectionModel()->selectedRows().size());
}

TFileItem* TFormLocal::SelectedBatchEntry() {
    const auto entries = SelectedEntries();
    if (entries.size() != 1 || entries.front()->FileType != FileTypeBatch)
        return nullptr;
    TFileItem* entry = entries.front();
    if (entry->LoadState != LoadStateLoaded || entry->IsChanged())
        entry->Load();
    return entry->LoadState == LoadStateLoaded ? entry : nullptr;
}

void TFormLocal::SelectionChanged() {
    if (m_rebuilding)
        return;
    ShowPreview();
    if (OnSelectionChanged)
        OnSelectionChanged();
}

void TFormLocal::DockView(QWidget* form) {
    QWidget* target = form ? form : m_empty;
    if (m_dock->currentWidget() == target)
        return;
    m_dock->setCurrentWidget(target);
}

void TFormLocal::ShowPreview() {
    TNoDrawing frozen(window());
    const auto entries = SelectedEntries();
    if (entries.size() == 1 && entries.front()->FileType == FileTypeOther) {
        const QString path = entries.front()->FilePath;
        if (IsImageFile(path)) {
            DockView(m_viewImage);
            m_viewImage->ShowFile(path);
        } else if (IsPdfFile(path)) {
            DockView(m_viewPdf);
            m_viewPdf->ShowFile(path);
        } else {
            DockView(m_viewOle);
            m_viewOle->ShowFile(path);
        }
        return;
    }
    m_viewBatch.SelectedFiles.Clear();
    for (TFileItem* entry : entries) {
        if (entry->FileType != FileTypeBatch)
            continue;
        if (entry->LoadState != LoadStateLoaded || entry->IsChanged())
            entry->Load();
        if (entry->LoadState == LoadStateLoaded)
            m_viewBatch.SelectedFiles.Add()->Assign(*entry);
    }
    if (Entries.Modified)
        ScheduleCacheSave();
    if (m_viewBatch.SelectedFiles.Count() == 0) {
        DockView(nullptr);
        return;
    }
    DockView(&m_viewBatch);
    m_viewBatch.ShowSelection(false);
}

void TFormLocal::Activated(int row) {
    if (SelectedCount() != 1 || row < 0 || row >= Entries.Count())
        return;
    const TFileItem& entry = *Entries.Items(row);
    if (entry.FileType == FileTypeFolder) {
        if (OnFolderActivated)
            OnFolderActivated(entry.FilePath);
    } else if (entry.FileType == FileTypeOther) {
        if (!m_dialogs.OpenUrl(this, QUrl::fromLocalFile(entry.FilePath)))
            m_dialogs.Error(this, Tr("No program could open \"%1\".").arg(entry.FilePath));
    }
}

QStringList TFormLocal::SelectedPaths() {
    // Collecting produces no row data.
    m_rebuilding = true;
    m_model->Rebuilding = true;
    QStringList paths;
    for (const TFileItem* entry : SelectedEntries())
        paths << NoTrailingSeparator(entry->FilePath);
    m_model->Rebuilding = false;
    m_rebuilding = false;
    return paths;
}

void TFormLocal::CutFiles() {
    const QStringList paths = SelectedPaths();
    if (!paths.isEmpty())
        PutFileListOnClipboard(paths, TFileListEffect::Move);
    m_list->viewport()->update();
}

void TFormLocal::CopyFiles() {
    const QStringList paths = SelectedPaths();
    if (!paths.isEmpty())
        PutFileListOnClipboard(paths, TFileListEffect::Copy);
    m_list->viewport()->update();
}

void TFormLocal::PasteFiles() {
    TFileListEffect effect = TFileListEffect::None;
    QStringList names;
    const QStringList paths = ClipboardFileList(&effect, &names);
    if (paths.isEmpty() || effect == TFileListEffect::None || CurrentFolder.isEmpty())
        return;
    if (OnDropFiles)
        OnDropFiles(paths, names, CurrentFolder,
                    effect == TFileListEffect::Move ? Qt::MoveAction : Qt::CopyAction);
}

QString TFormLocal::DropTargetFolder(int row) const {
    if (row >= 0 && row < Entries.Count()) {
        const TFileItem& entry = *Entries.Items(row);
        if (entry.FileType == FileTypeFolder)
            return IncludeTrailingSeparator(entry.FilePath);
    }
    return CurrentFolder;
}

bool TFormLocal::RenameEntry(int row, const QString& name) {
    if (row < 0 || row >= Entries.Count())
        return true;
    TFileItem& entry = *Entries.Items(row);
    const QString shown = entry.FileType == FileTypeBatch ? FileTitle(entry.FilePath) : entry.FileName();
    if (name == shown)
        return true;
    const QString oldPath = entry.FilePath;
    auto editAgain = [this, oldPath] {
        const int at = Entries.IndexOf(oldPath, FileTypeAny);
        if (at < 0)
            return;
        const QModelIndex index = m_model->index(at, 0);
        m_list->setFocus();
        m_list->setCurrentIndex(index);
        m_list->edit(index);
    };
    QString newPath;
    QString taken;
    switch (entry.FileType) {
    case FileTypeFolder:
        newPath = CurrentFolder + name;
        taken = Tr("A folder with the name you specified already exists. Specify a different name.");
        break;
    case FileTypeBatch:
        newPath = CurrentFolder + name + QStringLiteral(".epb");
        taken = Tr("A file with the name you specified already exists. Specify a different name.");
        break;
    case FileTypeOther:
        newPath = CurrentFolder + name;
        taken = Tr("A file with the name you specified already exists. Specify a different name.");
        break;
    default:
        m_dialogs.Error(this, Tr("Cannot rename unknown file type."));
        return true;
    }
    // Checked whole: a pasted name may hold what typing could not.
    if (!IsValidEntryName(name)) {
        m_dialogs.Error(this, Tr("The name you specified is not valid. Specify a different name."));
        editAgain();
        return false;
    }
    if (PathExists(newPath)) {
        m_dialogs.Error(this, taken);
        editAgain();
        return false;
    }
    TFsResult renamed;
    try {
        renamed = RenameInPlace(NoTrailingSeparator(oldPath), newPath, Audit);
    } catch (const EBramblexError& e) {
        renamed = TFsResult::Failed(e.Message());
    }
    if (!renamed) {
        // The entry, the tree and the cache keep the old name: nothing changed on disk.
        m_dialogs.Error(this, WithReason(Tr("Unable to rename \"%1\"").arg(shown), renamed));
        m_list->viewport()->update();
        return true;
    }
    entry.FilePath = newPath;
    entry.Load();
    if (entry.FileType == FileTypeFolder && OnFolderRenamed)
        OnFolderRenamed(oldPath, newPath);
    m_model->BeginReset();
    Entries.Sort();
    Entries.SaveCache();
    m_model->EndReset();
    SelectPath(newPath);
    return true;
}
