#pragma once

// The folder list window: the entries of the folder selected in the main window's tree
// (from the folder's cache; a batch file is read only when its row is shown and it is
// new or changed, or when it is selected) and, below, the preview pane: the batch view
// for the selected batches, or for one other file the picture, PDF or document viewer.
//
// The main window's folder and batch commands act on this list when it has the focus:
// it offers the selection, SelectPath, ReloadFolder, SelectAll, name editing and the
// list's side of Cut, Copy and Paste. Files dropped on it, or pasted, go to the main
// window's transfer (OnDropFiles), which stops and restarts the folder watchers.
// A batch's icon carries its QC verdict when a limit set applies to the folder.

#include "qc/Qc.h"
#include "storage/FileItem.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QSplitter;
class QStackedLayout;
class QTreeView;
class TDialogService;
class TFormViewBatch;
class TFormViewImage;
class TFormViewOle;
class TFormViewPDF;
class TLocalListModel;
class TLocalListView;
class TQcFolderVerdicts;
class TSettings;

class TFormLocal : public QWidget {
    Q_OBJECT
public:
    TFormLocal(TSettings& settings, TFormViewBatch& viewBatch, TDialogService& dialogs,
               QWidget* parent = nullptr);
    ~TFormLocal() override;

    // The folder shown, with a trailing separator; set before ReloadFolder.
    QString CurrentFolder;
    // Row i shows entry i; kept in the order of TFileList::Sort.
    TFileList Entries;

    // Brings Entries and the rows up to date with CurrentFolder: keeps the scroll
    // position and the selection of entries that still exist, and shows the preview
    // again only when a selected file changed or vanished (changing folders leaves the
    // pane as it was until a row of the new folder is selected).
    void ReloadFolder();
    // Selects the entry with exactly this path alone (none for an empty or unknown path).
    void SelectPath(const QString& path);
    // Selects the entries with these paths (the first one current) and shows them once;
    // answers the paths that are not entries of the folder.
    QStringList SelectPaths(const QStringList& paths);
    // Shows the selection in the preview pane.
    void ShowPreview();
    // Selects every row and updates the preview once.
    void SelectAll();
    // Reads the entry of path again (the file was rewritten: a time kept to two seconds
    // may not show it) and keeps the cache up to date.
    void ReloadEntry(const QString& path);
    // Writes the folder's cache soon, once for any number of entries loaded meanwhile.
    void ScheduleCacheSave();
    // Starts editing the name of the selected row (the first when several are).
    void EditSelectedName();

    // The list's side of Cut, Copy and Paste: the selected entries go to the clipboard
    // as a file list to be moved or copied; Paste drops the clipboard's files into
    // CurrentFolder with the effect it names.
    void CutFiles();
    void CopyFiles();
    void PasteFiles();

    // The selected entries in row order.
    std::vector<TFileItem*> SelectedEntries() const;
    int SelectedCount() const;
    // The only selected entry when it is a loaded batch, else nullptr.
    TFileItem* SelectedBatchEntry();

    QTreeView* ListViewLocal() const;
    QWidget* PanelPreview() const { return m_preview; }
    QSplitter* SplitterTopMain() const { return m_splitter; }
    TFormViewImage* FormViewImage() const { return m_viewImage; }
    TFormViewPDF* FormViewPDF() const { return m_viewPdf; }
    TFormViewOle* FormViewOle() const { return m_viewOle; }
    // The form docked in the preview pane, or nullptr when the pane is empty.
    QWidget* DockedForm() const;
    // Hides or shows the list and its splitter (a run shows only the preview pane).
    void SetListVisible(bool visible);
    void SetContextMenu(QMenu* menu);

    // The folder a drop at row goes to: the row's folder when it is a folder row,
    // otherwise CurrentFolder (row -1: empty space).
    QString DropTargetFolder(int row) const;
    // The row marked as drop target during a drag over the list, or -1.
    int DropTargetRow() const;

    // The selection changed (after the preview was updated).
    std::function<void()> OnSelectionChanged;
    // A folder row was double-clicked: the main window selects its tree node.
    std::function<void(const QString& folder)> OnFolderActivated;
    // A folder was renamed in the list: the main window renames its tree node.
    std::function<void(const QString& oldPath, const QString& newPath)> OnFolderRenamed;
    // Files dropped on the list or pasted: paths, the names their source chose (may be
    // empty), the folder they go to and the effect (move or copy).
    std::function<void(const QStringList& paths, const QStringList& names, const QString& folder,
                       Qt::DropAction effect)>
        OnDropFiles;

    // The list's side of renaming: entry at row gets name (as shown). Errors are shown;
    // false when the name was refused and editing restarts.
    bool RenameEntry(int row, const QString& name);

    // The icon of an entry's row (its IconIndex is set on first use for other files).
    QIcon EntryIcon(TFileItem& entry);
    // How many icons the icon list holds (the batch and folder icons, then one per
    // entry that asked for one since the list changed folder).
    int IconCount() const { return static_cast<int>(m_icons.size()); }

    // The QC verdict the row of a batch is marked with (None: no mark, or not known yet).
    TQcVerdict EntryQcVerdict(const TFileItem& entry) const;
    // Works the verdicts of the folder's batches out again: a limit set or an assignment
    // changed. The folder's own changes are followed by ReloadFolder and ReloadEntry.
    void RefreshQcVerdicts();
    // Verdicts are still being worked out.
    bool QcVerdictsBusy() const;

    // The rows first to last are about to be shown: loads the entries that need it and
    // writes the cache when that changed it.
    void DataHint(int first, int last);

    // Records renames of batches in their audit trails (the main window's recorder).
    const TAuditRecorder* Audit = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    friend class TLocalListView;
    void SelectionChanged();
    void ApplyFormRatio();
    void DockView(QWidget* form);
    void Activated(int row);
    // The selected paths without trailing separators, in row order.
    QStringList SelectedPaths();
    void UpdateQcVerdicts(bool forget);

    TSettings& m_settings;
    TFormViewBatch& m_viewBatch;
    TDialogService& m_dialogs;
    TLocalListModel* m_model;
    TLocalListView* m_list;
    QSplitter* m_splitter;
    QWidget* m_preview;
    QStackedLayout* m_dock;
    QWidget* m_empty;
    TFormViewImage* m_viewImage;
    TFormViewPDF* m_viewPdf;
    TFormViewOle* m_viewOle;
    std::vector<QIcon> m_icons;
    std::unique_ptr<TQcFolderVerdicts> m_qc;
    std::array<QIcon, 3> m_qcIcons; // the batch icon marked pass, fail, incomplete
    bool m_rebuilding = false;
    bool m_listVisible = true;
    bool m_cacheSavePending = false;
};
