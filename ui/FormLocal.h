#pragma once

// The folder list window: the entries of the folder selected in the main window's tree
// (from the folder's cache, batch files read only when their row is shown or selected)
// and, below, the preview pane that shows the batch view for the selected batches.
//
// The main window's folder and batch commands act on this list when it has the focus:
// it offers the selection, SelectPath, ReloadFolder, SelectAll and name editing.

#include "storage/FileItem.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <functional>
#include <vector>

class QMenu;
class QSplitter;
class QTreeView;
class TDialogService;
class TFormViewBatch;
class TLocalListModel;
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

    // Brings Entries and the rows up to date with CurrentFolder; keeps the selection of
    // entries that still exist.
    void ReloadFolder();
    // Selects the entry with exactly this path alone (none for an empty or unknown path).
    void SelectPath(const QString& path);
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

    // The selected entries in row order.
    std::vector<TFileItem*> SelectedEntries() const;
    int SelectedCount() const;
    // The only selected entry when it is a loaded batch, else nullptr.
    TFileItem* SelectedBatchEntry();

    QTreeView* ListViewLocal() const { return m_list; }
    QWidget* PanelPreview() const { return m_preview; }
    QSplitter* SplitterTopMain() const { return m_splitter; }
    // Hides or shows the list and its splitter (a run shows only the preview pane).
    void SetListVisible(bool visible);
    void SetContextMenu(QMenu* menu) { m_contextMenu = menu; }

    // The selection changed (after the preview was updated).
    std::function<void()> OnSelectionChanged;
    // A folder row was double-clicked: the main window selects its tree node.
    std::function<void(const QString& folder)> OnFolderActivated;
    // A folder was renamed in the list: the main window renames its tree node.
    std::function<void(const QString& oldPath, const QString& newPath)> OnFolderRenamed;

    // The list's side of renaming: entry at row gets name (as shown). Errors are shown;
    // false when the name was refused and editing restarts.
    bool RenameEntry(int row, const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SelectionChanged();
    void ApplyFormRatio();

    TSettings& m_settings;
    TFormViewBatch& m_viewBatch;
    TDialogService& m_dialogs;
    TLocalListModel* m_model;
    QTreeView* m_list;
    QSplitter* m_splitter;
    QWidget* m_preview;
    QMenu* m_contextMenu = nullptr;
    bool m_rebuilding = false;
    bool m_listVisible = true;
    bool m_cacheSavePending = false;
};
