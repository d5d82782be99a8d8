#pragma once

// The modal "Page Design" dialog: one page of a report file laid out with the page
// designer, the item list and the property editor, and saved back into the file.
// The report list opens it from its Edit command, a new dialog each time, and hands
// every one the choices it keeps between openings.

#include "storage/FileItem.h"

#include <QDialog>
#include <QStringList>
#include <QUndoStack>

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QSplitter;
class TChartPainter;
class TDialogService;
class TFormPageItemList;
class TFormPropertyEditor;
class TPageDesigner;
class TPageEditor;
class TPageRuler;
class TSettings;

// What the dialog keeps from one opening to the next while the program runs (grid and
// snap live in the settings instead): whoever opens the dialog holds it.
struct TPageDesignChoices {
    int Zoom = 0; // index of the zoom list; "Page Width" until the operator chooses
};

class TFormPageDesign : public QDialog {
    Q_OBJECT

public:
    // settings: "Grid" and "Snap" are read at every opening and stored when switched.
    // choices: read at every opening and changed with them; it must outlive the dialog.
    // charts draws the chart items (none: they only mark their place).
    TFormPageDesign(TSettings& settings, TDialogService& dialogs, TPageDesignChoices& choices,
                    TChartPainter* charts = nullptr, QWidget* parent = nullptr);
    ~TFormPageDesign() override;

    // Copies the report's file entry (loading the report when the entry has not),
    // opens a copy of the page at pageIndex (a new page when there is none) and
    // prepares the dialog. File errors propagate (EFileError).
    void Load(const TFileItem& file, int pageIndex);
    // Load, then shows the dialog modally; the dialog's result. A report that cannot
    // be read is reported and gives Rejected.
    int Execute(const TFileItem& file, int pageIndex);
    // The page's index in the report: after a save, where the page now is.
    int PageIndex() const { return m_pageIndex; }
    TFileItem& FileItem() { return m_file; }

    // The working page differs from the report's (or the grid was switched).
    bool IsModified() const;

    // The dialog's commands; each reports its failure to the operator.
    // Writes the page into the report file; false when that failed (the page stays
    // modified and the file as it was).
    bool SavePage();
    void SaveAndExit();
    void AbandonAndExit();
    void DeleteItems(); // asks first
    void CutItems();
    void CopyItems();
    void PasteItems();
    void BringToFront();
    void SendToBack();
    void SetGrid(bool on);
    void SetSnap(bool on);
    // The zoom list's choices: "Page Width", "Full Page", "500%" ... "10%".
    static QStringList ZoomChoices();
    void ChooseZoom(int index);
    int ZoomChoice() const { return m_choices.Zoom; }

    TPageDesigner* Designer() const { return m_designer; }
    TPageEditor* Editor() const { return m_editor; }
    TPageRuler* TopRuler() const { return m_topRuler; }
    TPageRuler* LeftRuler() const { return m_leftRuler; }
    TFormPropertyEditor* PropertyEditor() const { return m_propertyEditor; }
    TFormPageItemList* ItemList() const { return m_itemList; }
    QUndoStack& UndoStack() { return m_undo; }
    QComboBox* ZoomBox() const { return m_zoomBox; }
    QMenu* PopupMenu() const { return m_popup; }

    // Escape, the window's close button and close(): asks "Save changes to this
    // page?" while the page is modified.
    void reject() override;

private:
    void BuildActions();
    void BuildLayout();
    void BuildPopupMenu();
    QAction* MakeAction(const QString& name, const QString& text, const QString& icon);
    void SelectionChanged();
    void AddedItem();
    void UpdateActions();
    void ShowStatus();
    void ChooseTool(QAction* tool);
    void Finish(int result);
    void ShowError(const QString& message);

    TSettings& m_settings;
    TDialogService& m_dialogs;
    TPageDesignChoices& m_choices;
    TFileItem m_file;
    int m_pageIndex = 0;
    bool m_finishing = false;
    QUndoStack m_undo;

    TPageDesigner* m_designer = nullptr;
    TPageEditor* m_editor = nullptr;
    TPageRuler* m_topRuler = nullptr;
    TPageRuler* m_leftRuler = nullptr;
    TFormPropertyEditor* m_propertyEditor = nullptr;
    TFormPageItemList* m_itemList = nullptr;
    QComboBox* m_zoomBox = nullptr;
    QMenu* m_popup = nullptr;
    QActionGroup* m_tools = nullptr;
    QActionGroup* m_zoomGroup = nullptr;
    QList<QAction*> m_zoomActions;
    QLabel* m_statusReport = nullptr;
    QLabel* m_statusPage = nullptr;
    QSplitter* m_mainSplitter = nullptr;
    QSplitter* m_rightSplitter = nullptr;

    QAction* m_save = nullptr;
    QAction* m_saveAndExit = nullptr;
    QAction* m_abandonAndExit = nullptr;
    QAction* m_delete = nullptr;
    QAction* m_cut = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_paste = nullptr;
    QAction* m_grid = nullptr;
    QAction* m_snap = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
    QAction* m_bringToFront = nullptr;
    QAction* m_sendToBack = nullptr;
    QList<QAction*> m_alignActions;
    QAction* m_select = nullptr;
    QAction* m_shape = nullptr;
    QAction* m_memo = nullptr;
    QAction* m_graphic = nullptr;
    QAction* m_run = nullptr;
    QAction* m_measurements = nullptr;
    QAction* m_flowCurve = nullptr;
};
