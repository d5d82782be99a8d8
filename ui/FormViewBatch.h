#pragma once

// The batch view: a tab strip over a docking pane. The folder list fills SelectedFiles
// with copies of the selected batch entries and calls ShowSelection; the first four
// tabs dock the header, processes, measurements and analysis views for a single batch,
// which show the batch store's document of it, then one tab per tab report and "My
// Reports" dock the report preview for all of them.
//
// During a run the main window drives the run panel at the top (status label and
// progress bar) and hides the toggle button that shows or hides its navigation panes.

#include "storage/FileItem.h"

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QToolButton;
class QStackedLayout;
class TBatchDocument;
class TBatchStore;
class TAuditStatusLine;
class TBatchSubView;
class TDialogService;
class TKorvTabBar;
class TFormViewAnalysis;
class TFormViewHeader;
class TFormViewMeasurements;
class TFormViewProcesses;
class TFormViewReport;
class TQcStatusLine;
class TSettings;

class TFormViewBatch : public QWidget {
    Q_OBJECT
public:
    // settings, tabReports, dialogs and store belong to the main window and outlive the
    // view; without a store the view keeps one of its own.
    TFormViewBatch(TSettings& settings, const TFileList& tabReports, TDialogService& dialogs,
                   QWidget* parent = nullptr);
    TFormViewBatch(TSettings& settings, const TFileList& tabReports, TDialogService& dialogs,
                   TBatchStore& store, QWidget* parent = nullptr);
    ~TFormViewBatch() override;

    // Copies of the selected, loaded batch entries in list order; the single one takes
    // the edits made in the views.
    TFileList SelectedFiles;
    // The store's document of the single selected batch (null otherwise).
    const std::shared_ptr<TBatchDocument>& Document() const { return m_document; }
    TBatchStore& Store() const { return *m_store; }

    // Rebuilds the tabs, selects the stored tab and loads the sub-views.
    void ShowSelection(bool force);
    // Shows the store's document of the single selected entry in the batch views
    // (force: they refill also when it is the document shown) and recomposes the report
    // preview.
    void LoadSubViews(bool force);
    // The tab reports changed: while the view shows, its tabs follow at once and a
    // report tab shows the report as it is now (otherwise the next show rebuilds them).
    void TabReportsChanged();
    // Marks the three batch views stale so that they reload with new display units.
    void ForgetFileItems();
    // Saves what the operator typed into the docked view and has not left yet: before
    // the selection changes, a run starts or the window closes.
    void CommitEdits();

    // The tab strip; setting the index always runs the tab change.
    TKorvTabBar* KorvTabPreview() const { return m_tabs; }
    void SetTabIndex(int index);
    // "BatchTab" counts the tabs as they were before the analysis tab (stored as the
    // measurements tab with "BatchTabAnalysis" set): tab index of a stored value, and
    // the stored value of a tab index.
    static int TabOfStoredValue(int stored, bool analysis);
    static int StoredValueOfTab(int tab);
    QWidget* PanelPreviewDock() const { return m_dock; }
    QWidget* DockedView() const { return m_docked; }

    // The run panel and the toggle button (driven by the main window).
    QWidget* PanelProcessPanel() const { return m_processPanel; }
    QLabel* LabelProcessInfo() const { return m_processInfo; }
    QProgressBar* ProgressBarProcess() const { return m_progress; }
    QToolButton* SpeedButtonToggleView() const { return m_toggle; }
    // Shows the run panel with "Please Wait..." (run start) or hides it (run end); the
    // toggle button is hidden while the panel shows. The batch views lock their fields.
    void SetRunActive(bool active);
    // The run thread's status: text, and progress when max is above 0.
    void ShowRunStatus(const QString& text, int position, int max);
    // Glyph of the toggle button: the navigation panes are visible or hidden.
    void UpdateToggleGlyph(bool navigationVisible);

    TFormViewHeader* FormViewHeader() const { return m_header; }
    TFormViewProcesses* FormViewProcesses() const { return m_processes; }
    TFormViewMeasurements* FormViewMeasurements() const { return m_measurements; }
    TFormViewAnalysis* FormViewAnalysis() const { return m_analysis; }
    TFormViewReport* FormViewReport() const { return m_report; }
    // The QC line above the views; LoadSubViews updates it, RefreshQcLine after a limit
    // set or an assignment changed.
    TQcStatusLine* QcStatusLine() const { return m_qcLine; }
    void RefreshQcLine();
    TAuditStatusLine* AuditStatusLine() const { return m_auditLine; }

    // The toggle button was pressed: the main window shows or hides its panes.
    std::function<void()> OnToggleView;
    // A batch view changed the document of entry; the view saved it (result of the save
    // in saved; a failure it has told the operator) and copied it into SelectedFiles. The
    // main window brings the folder list's entry up to date.
    std::function<void(TFileItem& entry, bool saved)> OnBatchSaved;
    // Who records the edits in the batch's audit trail (the main window's); without one
    // the view records as the system's user and asks reasons through its dialogs.
    const TAuditRecorder* Audit = nullptr;
    const TAuditRecorder& AuditRecorder();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildTabs();
    void SelectStoredTab();
    void KorvTabPreviewChange(int index);
    void DockView(QWidget* view);
    void BatchEdited(TBatchSubView* sender);
    void SetDocument(const std::shared_ptr<TBatchDocument>& document);
    void DocumentReadingsAppended();
    // The tab "BatchTab" (and the analysis mark) name, before it is limited to the tabs.
    int StoredTab();
    void StoreTab(int index);
    bool StoredAnalysisTab() const;

    TSettings& m_settings;
    const TFileList& m_tabReports;
    TDialogService& m_dialogs;
    std::unique_ptr<TBatchStore> m_ownStore;
    TBatchStore* m_store;
    std::shared_ptr<TBatchDocument> m_document;
    QList<QMetaObject::Connection> m_documentConnections;

    TKorvTabBar* m_tabs;
    QToolButton* m_toggle;
    QWidget* m_dock;
    QStackedLayout* m_dockLayout;
    QLabel* m_dockCaption;
    QWidget* m_docked = nullptr;
    QWidget* m_processPanel;
    QLabel* m_processInfo;
    QProgressBar* m_progress;
    TQcStatusLine* m_qcLine;
    TAuditStatusLine* m_auditLine;

    TFormViewHeader* m_header;
    TFormViewProcesses* m_processes;
    TFormViewMeasurements* m_measurements;
    TFormViewAnalysis* m_analysis;
    TFormViewReport* m_report;
    // Batch files whose last save failed: the operator is told once, not again for
    // every field left while the file still cannot be written.
    QStringList m_unsaved;
    TAuditRecorder m_ownAudit;
    bool m_committing = false;
    bool m_selecting = false;
    int m_shownTab = -1; // the tab the last tab change docked
};
