#include "ui/FormLocal.h"

#include "catalogue/DateTimeTexts.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/Settings.h"
#include "platform/FileSystem.h"
#include "storage/FileOperations.h"
#include "ui/DialogService.h"
#include "ui/FormViewBatch.h"
#include "ui/NameEdit.h"

#include <QContextMenuEvent>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLocale>
#include <QMenu>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

// The rows of the folder list over Entries. A batch row reads its file the first time
// the row is asked for (or again when the file changed); the folder's cache is written
// once after a burst of such loads.
class TLocalListModel : public QAbstractTableModel {
public:
    TLocalListModel(TFormLocal& form, QObject* parent) : QAbstractTableModel(parent), m_form(form) {}

    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() || m_rebuilding ? 0 : m_form.Entries.Count();
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
        if (!index.isValid() || index.row() >= m_form.Entries.Count())
            return {};
        TFileItem& entry = *m_form.Entries.Items(index.row());
        if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::AccessibleTextRole) {
            if (entry.FileType == FileTypeBatch && entry.NeedsLoad())
                const_cast<TLocalListModel*>(this)->LoadEntry(entry);
            if (index.column() == 0)
                return entry.FileType == FileTypeBatch ? FileTitle(entry.FilePath) : entry.FileName();
            if (entry.FileType == FileTypeBatch && entry.LoadState != LoadStateNone)
                return ModifiedText(entry.FileModifiedTime);
            return QString();
        }
        if (role == Qt::DecorationRole && index.column() == 0)
            return Icon(entry);
        return {};
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole || index.column() != 0)
            return false;
        // Renaming reloads the list; let the editor close first.
        const int row = index.row();
        const QString name = value.toString();
        QTimer::singleShot(0, &m_form, [form = &m_form, row, name] { form->RenameEntry(row, name); });
        return false;
    }

    void BeginReset() {
        beginResetModel();
        m_rebuilding = true;
    }
    void EndReset() {
        m_rebuilding = false;
        endResetModel();
    }
    void RowsChanged() {
        if (m_form.Entries.Count() > 0)
            emit dataChanged(index(0, 0), index(m_form.Entries.Count() - 1, 1));
    }

private:
    void LoadEntry(TFileItem& entry) {
        entry.Load();
        m_form.ScheduleCacheSave();
    }

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

    QIcon Icon(const TFileItem& entry) const {
        if (entry.FileType == FileTypeFolder)
            return m_form.style()->standardIcon(QStyle::SP_DirIcon);
        if (entry.FileType == FileTypeBatch)
            return m_form.style()->standardIcon(QStyle::SP_FileDialogContentsView);
        return m_icons.icon(QFileInfo(entry.FilePath));
    }

    TFormLocal& m_form;
    QFileIconProvider m_icons;
    mutable TDateTimeTexts m_texts;
    bool m_rebuilding = false;
};

namespace {

class TLocalListView : public QTreeView {
public:
    using QTreeView::QTreeView;
    QMenu* ContextMenu = nullptr;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (ContextMenu)
            ContextMenu->exec(event->globalPos());
    }
};

} // namespace

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

    m_model = new TLocalListModel(*this, this);
    auto* list = new TLocalListView(m_splitter);
    m_list = list;
    m_list->setObjectName(QStringLiteral("ListViewLocal"));
    m_list->setAccessibleName(tr("Folder contents"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    m_list->setItemDelegate(new TNameEditDelegate(m_dialogs, m_list));
    m_list->setFrameShape(QFrame::NoFrame);
    m_list->header()->setSectionsClickable(false);
    m_list->header()->setAccessibleName(tr("Columns"));
    m_list->header()->resizeSection(0, 175);
    m_list->header()->resizeSection(1, 120);
    m_list->setMinimumHeight(50);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { SelectionChanged(); });
    connect(m_list, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (SelectedCount() != 1 || !index.isValid())
            return;
        const TFileItem& entry = *Entries.Items(index.row());
        if (entry.FileType == FileTypeFolder && OnFolderActivated)
            OnFolderActivated(entry.FilePath);
    });

    m_preview = new QFrame(m_splitter);
    m_preview->setObjectName(QStringLiteral("PanelPreview"));
    static_cast<QFrame*>(m_preview)->setFrameShape(QFrame::StyledPanel);
    static_cast<QFrame*>(m_preview)->setFrameShadow(QFrame::Sunken);
    m_preview->setMinimumHeight(50);
    auto* previewLayout = new QVBoxLayout(m_preview);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(&m_viewBatch);
    m_viewBatch.hide();
    m_splitter->addWidget(m_list);
    m_splitter->addWidget(m_preview);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] {
        const int total = m_splitter->height();
        if (total > 0 && m_listVisible)
            m_settings.Item(QStringLiteral("FormRatio")).SetFloat(double(m_list->height()) / total);
    });
}

TFormLocal::~TFormLocal() {
    // The batch view belongs to the main window.
    m_viewBatch.setParent(nullptr);
}

void TFormLocal::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    ApplyFormRatio();
}

void TFormLocal::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyFormRatio();
}

void TFormLocal::ApplyFormRatio() {
    if (!m_listVisible)
        return;
    double ratio = m_settings.Item(QStringLiteral("FormRatio")).GetFloat();
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

void TFormLocal::ReloadFolder() {
    QStringList selected;
    for (const TFileItem* entry : SelectedEntries())
        selected << entry->FilePath;
    m_rebuilding = true;
    m_model->BeginReset();
    if (!CurrentFolder.isEmpty())
        Entries.Refresh(CurrentFolder);
    else
        Entries.Clear();
    m_model->EndReset();
    for (const QString& path : selected) {
        const int row = Entries.IndexOf(path, FileTypeAny);
        if (row >= 0)
            m_list->selectionModel()->select(m_model->index(row, 0),
                                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    m_rebuilding = false;
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

void TFormLocal::ReloadEntry(const QString& path) {
    const int row = Entries.IndexOf(path, FileTypeAny);
    if (row < 0)
        return;
    Entries.Items(row)->Load();
    m_model->RowsChanged();
    ScheduleCacheSave();
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

void TFormLocal::ShowPreview() {
    m_viewBatch.SelectedFiles.Clear();
    for (TFileItem* entry : SelectedEntries()) {
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
        m_viewBatch.hide();
        return;
    }
    m_viewBatch.show();
    m_viewBatch.ShowSelection(false);
}

bool TFormLocal::RenameEntry(int row, const QString& name) {
    if (row < 0 || row >= Entries.Count())
        return true;
    TFileItem& entry = *Entries.Items(row);
    const QString shown = entry.FileType == FileTypeBatch ? FileTitle(entry.FilePath) : entry.FileName();
    if (name == shown)
        return true;
    auto editAgain = [this, row] {
        const QModelIndex index = m_model->index(row, 0);
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
    const QString oldPath = entry.FilePath;
    const TFsResult renamed = ::RenameEntry(oldPath, newPath);
    if (!renamed) {
        m_dialogs.Error(this, WithReason(Tr("Unable to rename \"%1\"").arg(shown), renamed));
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
