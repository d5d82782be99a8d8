#pragma once

// The report tabs of the batch view: one report composed from report pages and the
// selected batches, either the operator's checked reports (custom mode) or one tab
// report (standard mode). Shows page thumbnails (drawn when their row is shown) and
// the selected page read-only, and prints the report, writes it as PDF, mails it or
// copies a page as a picture. Printing, writing and mailing show progress per page and
// can be cancelled; the window's other commands wait meanwhile.

#include "documents/BatchItem.h"
#include "reports/Report.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QTreeView;
class TChartPainter;
class TDialogService;
class TFileList;
class TJobProgress;
class TMailFolders;
class TPageDesigner;
class TPageEditor;
class TSettings;

class TFormViewReport : public QWidget {
    Q_OBJECT
public:
    explicit TFormViewReport(QWidget* parent = nullptr);
    ~TFormViewReport() override;

    // What the preview works with: the settings, the dialogs, My Reports (the report
    // list window's) and what draws charts. Without them it composes nothing.
    void Attach(TSettings& settings, TDialogService& dialogs, TFileList& myReports, TChartPainter* charts);

    TBatchList PreviewBatches; // the batches to report on
    // Records printing, PDF and mail in the reported batches' audit trails.
    const TAuditRecorder* Audit = nullptr;
    TReport StandardReport; // the tab report of standard mode
    // The composed report; never written to a report file.
    TReport* PreviewReport() const { return m_preview.get(); }

    void SetReportMode(bool standard);
    bool StandardMode() const { return m_standard; }
    void RefreshPreview();
    // Stores the checked reports as "SelectedReports" and composes from them.
    void CheckedComboReportsChange();
    // Checks or unchecks the My Reports entry of that name (as the drop-down does).
    void SetReportChecked(const QString& name, bool checked);
    QStringList CheckedReports() const;

    void SelectPage(int index); // -1 clears
    int SelectedPage() const { return m_selected; }
    void SetZoomIndex(int index);

    // Whether Mail is offered: asked once, when the window is made, of check (the
    // desktop's mail program) on a thread of its own, since asking takes a while.
    void CheckMailAvailable(std::function<bool()> check);
    void SetMailAvailable(bool available);
    bool MailAvailable() const { return m_mailAvailable; }

    // Commands.
    void Print();
    void SavePdf();
    void Mail();
    void CopyPage();
    // Asks the running print, PDF or mail job to stop after the page it is on.
    void CancelJob();
    bool JobRunning() const { return m_jobRunning; }

    // The print dialog, replaceable by tests: sets the printer up, false on Cancel.
    std::function<bool(QPrinter& printer, int pageCount)> ChoosePrinter;
    // Open the written PDF in the desktop's viewer (tests switch it off).
    bool OpenPdfAfterWriting = true;
    // Heard after every page a job finished (tests cancel from here).
    std::function<void(int done, int total)> OnJobStep;

    // The page thumbnail of index, drawn on first use (null with "ThumbnailQuality" 2).
    QPixmap Thumbnail(int index);
    int ThumbnailsDrawn() const { return m_thumbnailsDrawn; }

    QTreeView* ListViewPages() const { return m_pages; }
    TPageDesigner* PageDesigner() const { return m_designer; }
    TPageEditor* PageEditor() const { return m_editor; }
    QComboBox* ComboBoxZoom() const { return m_zoom; }
    QAction* Action(const QString& objectName) const;
    void UpdateActions();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RecordOutput(const TAuditEntry& entry);
    void Recompose();
    void ApplyZoom();
    // Runs job with the progress bar and Cancel shown and the other commands disabled.
    bool RunJob(const QString& caption, const std::function<bool(TJobProgress&)>& job);

    TSettings* m_settings = nullptr;
    TDialogService* m_dialogs = nullptr;
    TFileList* m_myReports = nullptr;
    TChartPainter* m_charts = nullptr;
    bool m_standard = false;
    std::unique_ptr<TReport> m_preview;
    std::vector<QPixmap> m_thumbs;
    std::vector<bool> m_thumbDone;
    int m_thumbnailsDrawn = 0;
    int m_selected = -1;
    bool m_jobRunning = false;
    bool m_refreshAfterJob = false; // asked for while a job ran
    bool m_cancel = false;
    bool m_mailAvailable = false;
    std::thread m_mailCheck;
    // The folders of the mailed files: they stay while the window lives, since the mail
    // program reads them after the hand-over.
    std::unique_ptr<TMailFolders> m_mailFolders;

    QStackedWidget* m_mode;
    QToolButton* m_reports;
    QMenu* m_reportsMenu;
    QLabel* m_standardLabel;
    QComboBox* m_zoom;
    QProgressBar* m_progress;
    QPushButton* m_cancelButton;
    QTreeView* m_pages;
    class TPageListModel* m_model;
    TPageDesigner* m_designer;
    TPageEditor* m_editor;
};
