#include "ui/FormViewBatch.h"

#include "ui/AuditStatusLine.h"

#include "documents/BatchItem.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "reports/Report.h"
#include "services/BatchStore.h"
#include "storage/FileOperations.h"
#include "ui/DialogService.h"
#include "ui/FormViewAnalysis.h"
#include "ui/FormViewHeader.h"
#include "ui/FormViewMeasurements.h"
#include "ui/FormViewProcesses.h"
#include "ui/FormViewReport.h"
#include "ui/KorvTabBar.h"
#include "ui/QcStatusLine.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QStackedLayout>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The tabs before the report tabs: header, processes, measurements, analysis.
constexpr int MeasurementsTab = 2;
constexpr int AnalysisTab = 3;
constexpr int FirstReportTab = 4;
// "BatchTab" keeps the index the tab had before the analysis tab came after the
// measurements tab, so settings written by either program open on the same tab: the
// analysis tab is stored as the measurements tab with "BatchTabAnalysis" set, which
// exists only once the analysis tab was used.

// Glyph 0 points left (hide the panes), glyph 1 right (show them again).
QIcon ToggleGlyph(bool navigationVisible, const QStyle* style) {
    return style->standardIcon(navigationVisible ? QStyle::SP_ArrowLeft : QStyle::SP_ArrowRight);
}

} // namespace

TFormViewBatch::TFormViewBatch(TSettings& settings, const TFileList& tabReports, TDialogService& dialogs,
                               QWidget* parent)
    : TFormViewBatch(settings, tabReports, dialogs, *new TBatchStore, parent) {
    m_ownStore.reset(m_store);
}

TFormViewBatch::TFormViewBatch(TSettings& settings, const TFileList& tabReports, TDialogService& dialogs,
                               TBatchStore& store, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_tabReports(tabReports), m_dialogs(dialogs), m_store(&store) {
    setObjectName(QStringLiteral("FormViewBatch"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_processPanel = new QFrame(this);
    m_processPanel->setObjectName(QStringLiteral("PanelProcessPanel"));
    m_processPanel->setAccessibleName(tr("Process"));
    static_cast<QFrame*>(m_processPanel)->setFrameShape(QFrame::StyledPanel);
    auto* panelLayout = new QVBoxLayout(m_processPanel);
    m_processInfo = new QLabel(m_processPanel);
    m_processInfo->setObjectName(QStringLiteral("LabelProcessInfo"));
    QFont bold = m_processInfo->font();
    bold.setBold(true);
    m_processInfo->setFont(bold);
    m_processInfo->setWordWrap(true);
    m_progress = new QProgressBar(m_processPanel);
    m_progress->setObjectName(QStringLiteral("ProgressBarProcess"));
    m_progress->setAccessibleName(tr("Progress"));
    m_progress->setTextVisible(false);
    panelLayout->addWidget(m_processInfo);
    panelLayout->addWidget(m_progress);
    m_processPanel->hide();
    layout->addWidget(m_processPanel);
    m_auditLine = new TAuditStatusLine(this);
    layout->addWidget(m_auditLine);

    auto* strip = new QHBoxLayout;
    strip->setSpacing(2);
    m_toggle = new QToolButton(this);
    m_toggle->setObjectName(QStringLiteral("SpeedButtonToggleView"));
    m_toggle->setAccessibleName(tr("Show or hide the folders"));
    m_toggle->setToolTip(m_toggle->accessibleName());
    m_toggle->setAutoRaise(true);
    m_toggle->setIcon(ToggleGlyph(true, style()));
    connect(m_toggle, &QToolButton::clicked, this, [this] {
        if (OnToggleView)
            OnToggleView();
    });
    m_tabs = new TKorvTabBar(this);
    m_tabs->setObjectName(QStringLiteral("KorvTabPreview"));
    m_tabs->setAccessibleName(tr("Batch view"));
    m_tabs->setExpanding(false);
    m_tabs->setDrawBase(true);
    connect(m_tabs, &TKorvTabBar::IndexAssigned, this, [this](int index) { KorvTabPreviewChange(index); });
    strip->addWidget(m_toggle);
    strip->addWidget(m_tabs, 1);
    layout->addLayout(strip);
    m_qcLine = new TQcStatusLine(this);
    layout->addWidget(m_qcLine);

    m_dock = new QWidget(this);
    m_dock->setObjectName(QStringLiteral("PanelPreviewDock"));
    m_dockLayout = new QStackedLayout(m_dock);
    m_dockCaption = new QLabel(tr("Unable to modify multiple batch items."), m_dock);
    m_dockCaption->setObjectName(QStringLiteral("LabelPreviewDock"));
    m_dockCaption->setAlignment(Qt::AlignCenter);
    m_dockLayout->addWidget(m_dockCaption);
    layout->addWidget(m_dock, 1);

    m_header = new TFormViewHeader(m_dock);
    m_processes = new TFormViewProcesses(m_dock);
    m_measurements = new TFormViewMeasurements(m_settings, m_dock);
    m_analysis = new TFormViewAnalysis(m_settings, m_dock);
    m_report = new TFormViewReport(m_dock);
    for (QWidget* view : {static_cast<QWidget*>(m_header), static_cast<QWidget*>(m_processes),
                          static_cast<QWidget*>(m_measurements), static_cast<QWidget*>(m_analysis),
                          static_cast<QWidget*>(m_report)}) {
        m_dockLayout->addWidget(view);
        view->hide();
    }
    for (TBatchSubView* view :
         {static_cast<TBatchSubView*>(m_header), static_cast<TBatchSubView*>(m_processes),
          static_cast<TBatchSubView*>(m_measurements), static_cast<TBatchSubView*>(m_analysis)})
        view->Dialogs = &m_dialogs;
    m_dockLayout->setCurrentWidget(m_dockCaption);
}

TFormViewBatch::~TFormViewBatch() {
    SetDocument(nullptr);
}

void TFormViewBatch::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    for (TBatchSubView* view :
         {static_cast<TBatchSubView*>(m_header), static_cast<TBatchSubView*>(m_processes),
          static_cast<TBatchSubView*>(m_measurements)})
        view->OnBatchChanged = [this](TBatchSubView* sender) { BatchEdited(sender); };
    BuildTabs();
    // The strip keeps its index between showings (index 0 at the first): the tab change
    // stores it as "BatchTab" before ShowSelection reads it.
    if (StoredTab() >= m_tabs->count())
        SetTabIndex(m_tabs->count() - 1);
    else
        KorvTabPreviewChange(m_tabs->currentIndex());
}

int TFormViewBatch::TabOfStoredValue(int stored, bool analysis) {
    if (stored == MeasurementsTab && analysis)
        return AnalysisTab;
    return stored <= MeasurementsTab ? stored : stored + 1;
}

int TFormViewBatch::StoredValueOfTab(int tab) {
    return tab <= AnalysisTab ? std::min(tab, MeasurementsTab) : tab - 1;
}

bool TFormViewBatch::StoredAnalysisTab() const {
    const TSettingsItem* item = m_settings.FindItem(Setting::BatchTabAnalysis.Name());
    return item && item->GetBoolean();
}

int TFormViewBatch::StoredTab() {
    return TabOfStoredValue(Setting::BatchTab.Get(m_settings), StoredAnalysisTab());
}

void TFormViewBatch::StoreTab(int index) {
    TSettingsItem& tab = Setting::BatchTab.Item(m_settings);
    const int stored = StoredValueOfTab(index);
    if (tab.GetInteger() != stored || tab.IsUnset())
        tab.SetInteger(stored);
    // Set only once the analysis tab is shown; settings that never saw it keep their bytes.
    const bool analysis = index == AnalysisTab;
    if (analysis != StoredAnalysisTab())
        Setting::BatchTabAnalysis.Set(m_settings, analysis);
}

void TFormViewBatch::BuildTabs() {
    QStringList texts{tr("Header"), tr("Processes"), tr("Measurements"), tr("Analysis")};
    for (const auto& entry : m_tabReports)
        texts << FileTitle(entry->FilePath);
    texts << tr("My Reports");
    m_tabs->SetTexts(texts);
}

void TFormViewBatch::TabReportsChanged() {
    if (!isVisible())
        return;
    BuildTabs();
    SelectStoredTab();
}

void TFormViewBatch::SetTabIndex(int index) {
    m_tabs->SetIndex(index);
}

void TFormViewBatch::SelectStoredTab() {
    SetTabIndex(std::min(StoredTab(), m_tabs->count() - 1));
}

void TFormViewBatch::KorvTabPreviewChange(int index) {
    if (index < 0)
        return;
    // Typed text goes into the batch before its view is undocked; the same tab again
    // (every reload selects it) leaves the field being typed in alone.
    if (index != m_shownTab)
        CommitEdits();
    m_shownTab = index;
    setUpdatesEnabled(false);
    const int last = m_tabs->count() - 1;
    if (index <= AnalysisTab) {
        QWidget* views[] = {m_header, m_processes, m_measurements, m_analysis};
        DockView(SelectedFiles.Count() == 1 ? views[index] : nullptr);
    } else if (index == last) {
        DockView(m_report);
        m_report->SetReportMode(false);
    } else {
        DockView(m_report);
        const int report = index - FirstReportTab;
        if (report < m_tabReports.Count() && m_tabReports.Items(report)->Report)
            m_report->StandardReport.Assign(*m_tabReports.Items(report)->Report);
        m_report->SetReportMode(true);
    }
    StoreTab(index);
    setUpdatesEnabled(true);
}

void TFormViewBatch::DockView(QWidget* view) {
    if (view == m_docked && view != nullptr)
        return;
    if (m_docked)
        m_docked->hide();
    m_docked = view;
    if (view) {
        if (view == m_analysis && SelectedFiles.Count() == 1)
            m_analysis->LoadFileItem(m_document ? m_document->Entry() : *SelectedFiles.Items(0), false);
        m_dockLayout->setCurrentWidget(view);
        view->show();
    } else {
        m_dockLayout->setCurrentWidget(m_dockCaption);
    }
}

void TFormViewBatch::ShowSelection(bool force) {
    // A new selection: what was typed goes into the batch it was typed for. The forced
    // reload of a run keeps it on screen instead (the operator is still typing).
    if (!force) {
        m_selecting = true;
        CommitEdits();
        m_selecting = false;
    }
    BuildTabs();
    SelectStoredTab();
    LoadSubViews(force);
}

void TFormViewBatch::LoadSubViews(bool force) {
    m_auditLine->ShowBatch(SelectedFiles.Count() == 1 && SelectedFiles.Items(0)->FileType == FileTypeBatch
                               ? SelectedFiles.Items(0)->FilePath
                               : QString());
    if (SelectedFiles.Count() == 1) {
        SetDocument(m_store->Document(*SelectedFiles.Items(0)));
        for (TBatchSubView* view :
             {static_cast<TBatchSubView*>(m_header), static_cast<TBatchSubView*>(m_processes),
              static_cast<TBatchSubView*>(m_measurements)})
            view->ShowDocument(m_document, force);
        // The analysis tab copies the batch only while it is docked, and docking it
        // hands the entry over.
        if (m_docked == m_analysis)
            m_analysis->LoadFileItem(m_document->Entry(), force);
        else
            m_analysis->ForgetFileItem();
    }
    RefreshQcLine();
    m_report->PreviewBatches.Clear();
    for (const auto& entry : SelectedFiles)
        if (entry->Batch)
            m_report->PreviewBatches.Add()->Assign(*entry->Batch);
    if (m_report->isVisible())
        m_report->RefreshPreview();
}

void TFormViewBatch::SetDocument(const std::shared_ptr<TBatchDocument>& document) {
    if (document == m_document)
        return;
    for (const auto& connection : m_documentConnections)
        disconnect(connection);
    m_documentConnections.clear();
    m_document = document;
    if (!m_document)
        return;
    TBatchDocument* observed = m_document.get();
    m_documentConnections << connect(observed, &TBatchDocument::ReadingsAppended, this,
                                     [this] { DocumentReadingsAppended(); });
    // Another writer (a run taking over the instrument's model) changed the header.
    m_documentConnections << connect(observed, &TBatchDocument::HeaderChanged, this, [this](QObject* writer) {
        if (writer != m_header && writer != m_processes && writer != m_measurements)
            DocumentReadingsAppended();
    });
}

void TFormViewBatch::DocumentReadingsAppended() {
    // The sub-views follow the document by themselves; the analysis tab and the report
    // preview, which take copies, are handed the batch as it is now.
    if (m_docked == m_analysis)
        m_analysis->LoadFileItem(m_document->Entry(), true);
    else
        m_analysis->ForgetFileItem();
    if (m_report->isVisible() && SelectedFiles.Count() == 1) {
        m_report->PreviewBatches.Clear();
        m_report->PreviewBatches.Add()->Assign(m_document->Batch());
        m_report->RefreshPreview();
    }
    // The operator sees the moment a running batch is in or out of its limits.
    m_qcLine->ShowEntry(m_document->Entry());
}

void TFormViewBatch::RefreshQcLine() {
    if (SelectedFiles.Count() == 1)
        m_qcLine->ShowEntry(*SelectedFiles.Items(0));
    else
        m_qcLine->Clear();
}

void TFormViewBatch::ForgetFileItems() {
    m_header->ForgetFileItem();
    m_processes->ForgetFileItem();
    m_measurements->ForgetFileItem();
    m_analysis->ForgetFileItem();
}

void TFormViewBatch::CommitEdits() {
    if (m_committing)
        return;
    m_committing = true;
    for (TBatchSubView* view :
         {static_cast<TBatchSubView*>(m_header), static_cast<TBatchSubView*>(m_processes),
          static_cast<TBatchSubView*>(m_measurements)})
        view->CommitEdits();
    m_committing = false;
}

void TFormViewBatch::BatchEdited(TBatchSubView* sender) {
    const std::shared_ptr<TBatchDocument> document = sender->Document();
    if (!document)
        return;
    TFileItem& entry = document->Entry();
    // The record names what changed since the file was last saved: the selection's copy,
    // or the file itself when an earlier save of these edits failed.
    TBatchItem before;
    const int savedIndex = SelectedFiles.IndexOf(entry.FilePath, FileTypeBatch);
    if (savedIndex >= 0 && SelectedFiles.Items(savedIndex)->Batch && !m_unsaved.contains(entry.FilePath)) {
        before.Assign(*SelectedFiles.Items(savedIndex)->Batch);
    } else {
        try {
            before.LoadFromFile(entry.FilePath);
        } catch (const std::exception&) {
            // Then every field counts as changed from empty.
        }
    }
    TAuditEntry change = entry.Batch ? DescribeBatchChange(before, *entry.Batch) : TAuditEntry{};
    if (change.Details.isEmpty())
        change.Details = tr("Batch saved");
    const bool saved = document->Save(change, AuditRecorder());
    if (saved) {
        m_unsaved.removeAll(entry.FilePath);
    } else if (!m_unsaved.contains(entry.FilePath)) {
        // The edits stay in the document and on screen; the next edit that can be
        // written saves them all.
        m_unsaved << entry.FilePath;
        m_dialogs.Error(this, tr("The changes to \"%1\" could not be saved.\n%2")
                                  .arg(QDir::toNativeSeparators(entry.FilePath), document->LastError()));
    }
    const int index = SelectedFiles.IndexOf(entry.FilePath, FileTypeBatch);
    if (index >= 0)
        SelectedFiles.Items(index)->Assign(entry);
    if (OnBatchSaved)
        OnBatchSaved(entry, saved);
    // The other views followed the document; the analysis tab and the report preview
    // take the batch as it is now, unless a new selection is loaded right after.
    if (!m_selecting)
        LoadSubViews(false);
}

const TAuditRecorder& TFormViewBatch::AuditRecorder() {
    if (Audit)
        return *Audit;
    if (!m_ownAudit.AskReason)
        m_ownAudit.AskReason = [this](const QString& path, QString& reason) {
            return m_dialogs.AskReason(this, path, reason);
        };
    return m_ownAudit;
}

void TFormViewBatch::SetRunActive(bool active) {
    if (active) {
        m_processInfo->setText(tr("Please Wait..."));
        m_progress->hide();
        m_toggle->hide();
        m_processPanel->show();
    } else {
        m_processPanel->hide();
        m_toggle->show();
    }
    m_header->SetRunActive(active);
    m_processes->SetRunActive(active);
    m_measurements->SetRunActive(active);
    m_analysis->SetRunActive(active);
}

void TFormViewBatch::ShowRunStatus(const QString& text, int position, int max) {
    m_processInfo->setText(text);
    if (max > 0) {
        m_progress->setMaximum(max);
        m_progress->setValue(std::clamp(position, 0, max));
    }
    m_progress->setVisible(max > 0);
}

void TFormViewBatch::UpdateToggleGlyph(bool navigationVisible) {
    m_toggle->setIcon(ToggleGlyph(navigationVisible, style()));
}
