#include "ui/FormViewReport.h"

#include "core/Error.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "platform/Mail.h"
#include "platform/PrintJob.h"
#include "platform/Printers.h"
#include "reports/Page.h"
#include "services/JobProgress.h"
#include "services/ReportJobs.h"
#include "services/ReportMail.h"
#include "services/ReportPrinting.h"
#include "storage/FileItem.h"
#include "storage/FileOperations.h"
#include "ui/DesignerIcons.h"
#include "ui/DialogService.h"
#include "ui/PageDesigner.h"
#include "ui/PageEditor.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int ThumbnailSize = 64;
const QString ReportTitle = QStringLiteral("Bramblex Report");

} // namespace

// Rows produced on demand: the view asks only for the rows it shows, and a row's
// thumbnail is drawn the first time it is asked for.
class TPageListModel : public QAbstractTableModel {
public:
    TPageListModel(TFormViewReport& form, QObject* parent) : QAbstractTableModel(parent), m_form(form) {}
    int Rows = 0;
    void Reset(int rows) {
        beginResetModel();
        Rows = rows;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : Rows; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid())
            return {};
        if (index.column() == 0) {
            if (role == Qt::DecorationRole) {
                const QPixmap thumb = m_form.Thumbnail(index.row());
                return thumb.isNull() ? QVariant() : QVariant(thumb);
            }
            if (role == Qt::SizeHintRole)
                return QSize(ThumbnailSize + 8, ThumbnailSize + 6);
            return {};
        }
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return QString::number(index.row() + 1);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return section == 0 ? QString() : TFormViewReport::tr("Page");
        return {};
    }

private:
    TFormViewReport& m_form;
};

TFormViewReport::TFormViewReport(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormViewReport"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);

    auto* strip = new QToolBar(this);
    strip->setObjectName(QStringLiteral("ToolBarReport"));
    strip->setAccessibleName(tr("Report commands"));
    strip->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    strip->setIconSize(QSize(16, 16));

    m_mode = new QStackedWidget(strip);
    m_mode->setObjectName(QStringLiteral("NotebookReportMode"));
    auto* custom = new QWidget(m_mode);
    custom->setObjectName(QStringLiteral("PageCustom"));
    auto* customRow = new QHBoxLayout(custom);
    customRow->setContentsMargins(2, 0, 2, 0);
    auto* reportsLabel = new QLabel(tr("Reports:"), custom);
    reportsLabel->setObjectName(QStringLiteral("LabelReports"));
    m_reports = new QToolButton(custom);
    m_reports->setObjectName(QStringLiteral("CheckedComboReports"));
    // Named by the reports it shows, like a list by its choice; the caption is context.
    m_reports->setAccessibleDescription(tr("Reports"));
    m_reports->setPopupMode(QToolButton::InstantPopup);
    m_reports->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_reports->setText(tr("(none)")); // until the reports are listed
    m_reports->setMinimumWidth(180);
    m_reportsMenu = new QMenu(m_reports);
    m_reportsMenu->setObjectName(QStringLiteral("MenuReports"));
    m_reports->setMenu(m_reportsMenu);
    reportsLabel->setBuddy(m_reports);
    customRow->addWidget(reportsLabel);
    customRow->addWidget(m_reports);
    auto* standard = new QWidget(m_mode);
    standard->setObjectName(QStringLiteral("PageStandard"));
    auto* standardRow = new QHBoxLayout(standard);
    standardRow->setContentsMargins(2, 0, 2, 0);
    m_standardLabel = new QLabel(standard);
    m_standardLabel->setObjectName(QStringLiteral("LabelStandardReport"));
    m_standardLabel->setAccessibleDescription(tr("Standard report"));
    standardRow->addWidget(m_standardLabel);
    m_mode->addWidget(custom);
    m_mode->addWidget(standard);
    strip->addWidget(m_mode);
    strip->addSeparator();

    auto* zoomLabel = new QLabel(tr("Zoom:"), strip);
    zoomLabel->setObjectName(QStringLiteral("LabelZoom"));
    m_zoom = new QComboBox(strip);
    m_zoom->setObjectName(QStringLiteral("ComboBoxZoom"));
    m_zoom->setAccessibleName(tr("Zoom"));
    for (const TZoomChoice& choice : PageZoomChoices)
        m_zoom->addItem(ZoomChoiceText(choice));
    zoomLabel->setBuddy(m_zoom);
    strip->addWidget(zoomLabel);
    strip->addWidget(m_zoom);
    connect(m_zoom, &QComboBox::activated, this, [this](int index) { SetZoomIndex(index); });
    strip->addSeparator();

    auto make = [this, strip](const char* name, const QString& caption, const QIcon& icon,
                              void (TFormViewReport::*run)()) {
        auto* action = new QAction(icon, caption, this);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, run);
        if (strip) {
            strip->addAction(action);
            if (QWidget* button = strip->widgetForAction(action))
                button->setAccessibleName(caption);
        }
        return action;
    };
    QStyle* s = style();
    make("ActionPrint", tr("Print"), s->standardIcon(QStyle::SP_DialogYesButton), &TFormViewReport::Print);
    make("ActionPDF", tr("PDF"), s->standardIcon(QStyle::SP_DialogSaveButton), &TFormViewReport::SavePdf);
    QAction* mail =
        make("ActionMail", tr("Mail"),
             QIcon::fromTheme(QStringLiteral("mail-send"), s->standardIcon(QStyle::SP_ArrowForward)),
             &TFormViewReport::Mail);
    mail->setVisible(false);
    auto* copy = new QAction(DesignerIcon(QStringLiteral("copy")), tr("Copy"), this);
    copy->setObjectName(QStringLiteral("ActionCopyToClipboard"));
    connect(copy, &QAction::triggered, this, &TFormViewReport::CopyPage);

    m_progress = new QProgressBar(strip);
    m_progress->setObjectName(QStringLiteral("ProgressBarJob"));
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setMaximumWidth(200);
    m_cancelButton = new QPushButton(tr("Cancel"), strip);
    m_cancelButton->setObjectName(QStringLiteral("ButtonCancelJob"));
    m_cancelButton->setAccessibleName(tr("Cancel"));
    connect(m_cancelButton, &QPushButton::clicked, this, [this] { CancelJob(); });
    QAction* progress = strip->addWidget(m_progress);
    progress->setObjectName(QStringLiteral("ActionProgressBarJob"));
    progress->setText(tr("Progress"));
    QAction* cancel = strip->addWidget(m_cancelButton);
    cancel->setObjectName(QStringLiteral("ActionButtonCancelJob"));
    cancel->setText(tr("Cancel"));
    Action(QStringLiteral("ActionProgressBarJob"))->setVisible(false);
    Action(QStringLiteral("ActionButtonCancelJob"))->setVisible(false);
    layout->addWidget(strip);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("SplitterReportView"));
    splitter->setChildrenCollapsible(false);
    m_pages = new QTreeView(splitter);
    m_pages->setObjectName(QStringLiteral("ListViewPages"));
    m_pages->setAccessibleName(tr("Pages"));
    m_pages->setHeaderHidden(true);
    m_pages->setRootIsDecorated(false);
    m_pages->setUniformRowHeights(true);
    m_pages->setIconSize(QSize(ThumbnailSize, ThumbnailSize));
    m_pages->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pages->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pages->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_model = new TPageListModel(*this, m_pages);
    m_pages->setModel(m_model);
    // The thumbnail column keeps its size and the page number takes what is left, so the
    // list never scrolls sideways.
    m_pages->header()->setMinimumSectionSize(24);
    m_pages->header()->setSectionResizeMode(0, QHeaderView::Fixed);
    m_pages->header()->resizeSection(0, ThumbnailSize + 8);
    m_pages->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_pages->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pages->setMinimumWidth(ThumbnailSize + 80);
    m_pages->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_pages->addAction(copy);
    connect(m_pages->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!m_jobRunning)
                    SelectPage(current.isValid() ? current.row() : -1);
            });

    m_designer = new TPageDesigner(splitter);
    m_designer->setObjectName(QStringLiteral("PageDesignerReport"));
    m_designer->setAccessibleName(tr("Page"));
    m_editor = new TPageEditor;
    m_editor->setObjectName(QStringLiteral("PageEditorReport"));
    m_editor->setAccessibleName(tr("Page"));
    m_editor->SetReadOnly(true);
    m_designer->SetPageEditor(m_editor);
    m_designer->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_designer->addAction(copy);
    m_editor->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_editor->addAction(copy);
    splitter->addWidget(m_pages);
    splitter->addWidget(m_designer);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ThumbnailSize + 140, 600});
    layout->addWidget(splitter, 1);
    UpdateActions();
}

TFormViewReport::~TFormViewReport() {
    if (m_mailCheck.joinable())
        m_mailCheck.join();
}

void TFormViewReport::CheckMailAvailable(std::function<bool()> check) {
    if (m_mailCheck.joinable() || !check)
        return;
    m_mailCheck = std::thread([this, check = std::move(check)] {
        const bool available = check();
        // The answer is heard on the window's thread; the window waits for this thread
        // before it goes.
        QMetaObject::invokeMethod(
            this, [this, available] { SetMailAvailable(available); }, Qt::QueuedConnection);
    });
}

void TFormViewReport::SetMailAvailable(bool available) {
    m_mailAvailable = available;
    Action(QStringLiteral("ActionMail"))->setVisible(available);
    UpdateActions();
}

void TFormViewReport::Attach(TSettings& settings, TDialogService& dialogs, TFileList& myReports,
                             TChartPainter* charts) {
    m_settings = &settings;
    m_dialogs = &dialogs;
    m_myReports = &myReports;
    m_charts = charts;
    m_editor->SetChartPainter(charts);
}

QAction* TFormViewReport::Action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TFormViewReport::UpdateActions() {
    const bool pages = m_preview && m_preview->PageCount() > 0 && !m_jobRunning;
    Action(QStringLiteral("ActionPrint"))->setEnabled(pages && !Printers().InstalledPrinters().isEmpty());
    Action(QStringLiteral("ActionPDF"))->setEnabled(pages);
    Action(QStringLiteral("ActionMail"))->setEnabled(pages && m_mailAvailable);
    Action(QStringLiteral("ActionCopyToClipboard"))->setEnabled(pages && m_selected >= 0);
    m_reports->setEnabled(!m_jobRunning);
    m_zoom->setEnabled(!m_jobRunning);
    m_pages->setEnabled(!m_jobRunning);
}

// ---------------------------------------------------------------------------
// Mode, report choice and composition

void TFormViewReport::SetReportMode(bool standard) {
    m_standard = standard;
    m_mode->setCurrentIndex(standard ? 1 : 0);
    m_standardLabel->setText(StandardReport.Name);
    RefreshPreview();
}

void TFormViewReport::RefreshPreview() {
    if (m_jobRunning) {
        m_refreshAfterJob = true; // the job keeps the pages it is writing
        return;
    }
    if (!m_settings)
        return;
    const QStringList stored =
        Setting::SelectedReports.Get(*m_settings).split(QLatin1Char(','), Qt::SkipEmptyParts);
    m_reportsMenu->clear();
    if (m_myReports) {
        for (const auto& entry : *m_myReports) {
            if (entry->NeedsLoad() || !entry->Report)
                entry->Load();
            const QString name = FileTitle(entry->FilePath);
            QAction* action = m_reportsMenu->addAction(name);
            action->setCheckable(true);
            action->setChecked(stored.contains(name.trimmed(), Qt::CaseInsensitive) ||
                               stored.contains(name, Qt::CaseInsensitive));
            connect(action, &QAction::toggled, this, [this] { CheckedComboReportsChange(); });
        }
    }
    m_zoom->setCurrentIndex(std::clamp(Setting::ReportViewZoom.Get(*m_settings), 0, PageZoomChoiceCount - 1));
    if (m_standard)
        Recompose();
    else
        CheckedComboReportsChange();
    ApplyZoom();
}

QStringList TFormViewReport::CheckedReports() const {
    QStringList names;
    for (QAction* action : m_reportsMenu->actions())
        if (action->isChecked())
            names << action->text();
    return names;
}

void TFormViewReport::SetReportChecked(const QString& name, bool checked) {
    for (QAction* action : m_reportsMenu->actions())
        if (action->text() == name)
            action->setChecked(checked);
}

void TFormViewReport::CheckedComboReportsChange() {
    const QStringList names = CheckedReports();
    m_reports->setText(names.isEmpty() ? tr("(none)") : names.join(QStringLiteral(", ")));
    if (m_settings) {
        const QString text = names.join(QLatin1Char(','));
        if (Setting::SelectedReports.Get(*m_settings) != text)
            Setting::SelectedReports.Set(*m_settings, text);
    }
    if (!m_standard)
        Recompose();
}

void TFormViewReport::Recompose() {
    std::vector<const TReport*> templates;
    QString name;
    if (m_standard) {
        templates.push_back(&StandardReport);
        name = StandardReport.Name;
    } else if (m_myReports) {
        const QStringList checked = CheckedReports();
        for (const auto& entry : *m_myReports)
            if (entry->Report && checked.contains(FileTitle(entry->FilePath)))
                templates.push_back(entry->Report.get());
        name = checked.join(QLatin1Char(','));
    }
    std::vector<const TBatchItem*> batches;
    for (int i = 0; i < PreviewBatches.Count(); ++i)
        batches.push_back(PreviewBatches.Items(i));
    m_preview = ComposePreview(templates, batches, name);
    const int count = m_preview->PageCount();
    m_thumbs.assign(count, QPixmap());
    m_thumbDone.assign(count, false);
    m_thumbnailsDrawn = 0;
    m_model->Reset(count);

    int index = m_selected;
    if (count == 0) {
        index = -1;
    } else if (index < 0 || index >= count) {
        index = 0;
        for (int i = 0; i < count; ++i) {
            if (m_preview->Page(i)->PageType() == PageTypeInner) {
                index = i;
                break;
            }
        }
    }
    SelectPage(index);
}

void TFormViewReport::SelectPage(int index) {
    m_selected = m_preview && index >= 0 && index < m_preview->PageCount() ? index : -1;
    {
        const QSignalBlocker block(m_pages->selectionModel());
        if (m_selected >= 0) {
            const QModelIndex row = m_model->index(m_selected, 0);
            m_pages->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect |
                                                                QItemSelectionModel::Rows);
            m_pages->scrollTo(row);
        } else {
            m_pages->selectionModel()->clear();
        }
    }
    if (m_selected >= 0)
        m_editor->SetPage(*m_preview->Page(m_selected));
    else
        m_editor->SetPage(TPage());
    ApplyZoom();
    m_editor->update();
    UpdateActions();
}

QPixmap TFormViewReport::Thumbnail(int index) {
    if (!m_preview || index < 0 || index >= static_cast<int>(m_thumbs.size()))
        return QPixmap();
    if (!m_thumbDone[index]) {
        m_thumbDone[index] = true;
        const int quality = m_settings ? Setting::ThumbnailQuality.Get(*m_settings) : 0;
        if (quality != ThumbnailNone && index < m_preview->PageCount()) {
            QImage image;
            QImage mask;
            DrawPageThumbnail(*m_preview->Page(index), quality, image, mask, m_charts,
                              m_pages->palette().color(QPalette::Base));
            m_thumbs[index] = QPixmap::fromImage(image);
            ++m_thumbnailsDrawn;
        }
    }
    return m_thumbs[index];
}

// ---------------------------------------------------------------------------
// Zoom

void TFormViewReport::SetZoomIndex(int index) {
    index = std::clamp(index, 0, PageZoomChoiceCount - 1);
    m_zoom->setCurrentIndex(index);
    if (m_settings && Setting::ReportViewZoom.Get(*m_settings) != index)
        Setting::ReportViewZoom.Set(*m_settings, index);
    ApplyZoom();
}

void TFormViewReport::ApplyZoom() {
    const TZoomChoice& entry =
        PageZoomChoices[std::clamp(m_zoom->currentIndex(), 0, PageZoomChoiceCount - 1)];
    m_designer->SetZoom(entry.Type, entry.Value);
    m_designer->ApplyZoom();
}

void TFormViewReport::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The zoom is worked out at the window's final size, once the layout settled.
    QTimer::singleShot(0, this, [this] {
        if (m_settings)
            m_zoom->setCurrentIndex(
                std::clamp(Setting::ReportViewZoom.Get(*m_settings), 0, PageZoomChoiceCount - 1));
        ApplyZoom();
    });
}

// ---------------------------------------------------------------------------
// Output

bool TFormViewReport::RunJob(const QString& caption, const std::function<bool(TJobProgress&)>& job) {
    m_jobRunning = true;
    m_cancel = false;
    UpdateActions();
    m_progress->setFormat(caption + QStringLiteral(" %v/%m"));
    m_progress->setRange(0, m_preview ? m_preview->PageCount() : 0);
    m_progress->setValue(0);
    Action(QStringLiteral("ActionProgressBarJob"))->setVisible(true);
    Action(QStringLiteral("ActionButtonCancelJob"))->setVisible(true);
    TJobProgress progress([this](int done, int total) {
        if (total > 0)
            m_progress->setMaximum(total);
        m_progress->setValue(done);
        if (OnJobStep)
            OnJobStep(done, total);
        // Keeps the window painting and lets Cancel be pressed between pages.
        QApplication::processEvents();
        return !m_cancel;
    });
    QApplication::setOverrideCursor(Qt::BusyCursor);
    bool done = false;
    QString error;
    try {
        done = job(progress);
    } catch (const EBramblexError& e) {
        error = e.Message();
    }
    QApplication::restoreOverrideCursor();
    Action(QStringLiteral("ActionProgressBarJob"))->setVisible(false);
    Action(QStringLiteral("ActionButtonCancelJob"))->setVisible(false);
    m_jobRunning = false;
    UpdateActions();
    if (!error.isEmpty() && m_dialogs)
        m_dialogs->Error(this, error);
    if (std::exchange(m_refreshAfterJob, false))
        RefreshPreview();
    return done && error.isEmpty();
}

void TFormViewReport::CancelJob() {
    m_cancel = true;
}

void TFormViewReport::Print() {
    if (!Action(QStringLiteral("ActionPrint"))->isEnabled() || !m_preview)
        return;
    QPrinter printer;
    printer.setCollateCopies(true);
    printer.setFromTo(0, 0);
    const int count = m_preview->PageCount();
    const bool chosen = ChoosePrinter ? ChoosePrinter(printer, count) : [&] {
        QPrintDialog dialog(&printer, this);
        dialog.setMinMax(1, count);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
        return dialog.exec() == QDialog::Accepted;
    }();
    if (!chosen)
        return;
    const TPrintSettings settings = PrintSettingsFrom(printer);
    int first = 0;
    int last = count - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::clamp(printer.fromPage() - 1, 0, count - 1);
        last = std::clamp(printer.toPage() > 0 ? printer.toPage() - 1 : count - 1, first, count - 1);
    }
    // A partial job prints copies of the chosen pages; its paper is that of the first
    // of them, as for any job.
    TReport part;
    TReport* job = m_preview.get();
    if (first != 0 || last != count - 1) {
        for (int i = first; i <= last; ++i)
            part.AddPage()->Assign(*m_preview->Page(i));
        part.SavedPrinterSettings = m_preview->SavedPrinterSettings;
        job = &part;
    }
    if (RunJob(tr("Printing"), [&](TJobProgress& progress) {
            return ::Print(*job, ReportTitle, &settings, m_charts, progress);
        }))
        RecordOutput(TAuditEntry::Printed(QStringLiteral("print"), printer.outputFileName().isEmpty()
                                                                       ? printer.printerName()
                                                                       : printer.outputFileName()));
    if (job == &part)
        m_preview->SavedPrinterSettings = part.SavedPrinterSettings;
}

void TFormViewReport::SavePdf() {
    if (!Action(QStringLiteral("ActionPDF"))->isEnabled() || !m_preview || !m_dialogs || !m_settings)
        return;
    const QString file =
        m_dialogs->SaveFileName(this, tr("Save PDF Report As"), Setting::LastPDFFile.Get(*m_settings),
                                tr("PDF Files (*.pdf);;All Files (*)"));
    if (file.isEmpty())
        return;
    QString target = file;
    if (QFileInfo(target).suffix().isEmpty())
        target += QStringLiteral(".pdf");
    // Replacing last week's report takes a yes from the operator.
    if (PathExists(target) &&
        m_dialogs->Question(
            this, tr("Save PDF Report As"),
            tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(target).fileName()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return;
    Setting::LastPDFFile.Set(*m_settings, target);
    TPdfOptions options;
    options.Title = ReportTitle;
    options.OpenAfterWriting = OpenPdfAfterWriting;
    if (RunJob(tr("Writing PDF"), [&](TJobProgress& progress) {
            return SaveAsPdf(*m_preview, target, options, m_charts, progress);
        }))
        RecordOutput(TAuditEntry::Printed(QStringLiteral("pdf"), target));
}

void TFormViewReport::Mail() {
    if (!Action(QStringLiteral("ActionMail"))->isEnabled() || !m_preview || !m_settings)
        return;
    const int format = Setting::EmailReportFormat.Get(*m_settings);
    // The job's own copies: the folder list may select other batches while the job lets
    // events through, and the mail names the batches of the pages it sends.
    TBatchList reported;
    std::vector<const TBatchItem*> batches;
    for (int i = 0; i < PreviewBatches.Count(); ++i) {
        TBatchItem* copy = reported.Add();
        copy->Assign(*PreviewBatches.Items(i));
        batches.push_back(copy);
    }
    if (RunJob(tr("Preparing mail"), [&](TJobProgress& progress) {
            if (!m_mailFolders)
                m_mailFolders = std::make_unique<TMailFolders>();
            return SendReportMail(*m_preview, batches, format, *m_mailFolders, m_charts, progress);
        }))
        RecordOutput(TAuditEntry::Printed(QStringLiteral("mail"), QStringLiteral("mailto:")));
}

void TFormViewReport::RecordOutput(const TAuditEntry& entry) {
    QStringList paths;
    for (int i = 0; i < PreviewBatches.Count(); ++i) {
        const TBatchItem& batch = *PreviewBatches.Items(i);
        if (!batch.FileTitle.isEmpty())
            paths << batch.FolderPath + batch.FileTitle + QStringLiteral(".epb");
    }
    try {
        (Audit ? *Audit : TAuditRecorder{}).Output(paths, entry);
    } catch (const EBramblexError& e) {
        if (m_dialogs)
            m_dialogs->Error(this, e.Message());
    }
}

void TFormViewReport::CopyPage() {
    if (!m_preview || m_selected < 0 || m_selected >= m_preview->PageCount())
        return;
    try {
        CopyPageToClipboard(*m_preview, m_selected, m_charts);
    } catch (const EBramblexError& e) {
        if (m_dialogs)
            m_dialogs->Error(this, e.Message());
    }
}
