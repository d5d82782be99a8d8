#include "automation/BramblexInterface.h"

#include "analysis/Analysis.h"
#include "core/Error.h"
#include "platform/Clipboard.h"
#include "qc/Qc.h"
#include "reports/Report.h"
#include "services/BatchReport.h"
#include "services/JobProgress.h"
#include "services/ReportJobs.h"
#include "services/ReportPrinting.h"
#include "storage/StoragePaths.h"

#include <QFileInfo>
#include <QJsonDocument>

TBramblexInterface::TBramblexInterface(TChartPainter* charts) : m_charts(charts) {}

TBramblexInterface::~TBramblexInterface() = default;

std::unique_ptr<TReport> TBramblexInterface::Prepare(const QString& report) {
    RefreshReportList(m_myReports, ReportsFolder());
    return ComposeForBatch(FindReportTemplate(m_myReports, report), m_batch);
}

void TBramblexInterface::Print(const QString& report) {
    auto document = Prepare(report);
    TJobProgress progress;
    ::Print(*document, report, nullptr, m_charts, progress);
}

void TBramblexInterface::PrintPage(const QString& report, int index) {
    auto document = Prepare(report);
    TJobProgress progress;
    ::PrintPage(*document, QStringLiteral("%1 %2").arg(report).arg(index), index, nullptr, m_charts,
                progress);
}

void TBramblexInterface::OpenBatch(const QString& path) {
    TBatchItem loaded;
    loaded.LoadFromFile(path);
    // A batch read only in part would print a report that looks whole.
    if (loaded.Damaged())
        throw EFileError(loaded.LoadWarning);
    m_batch.Assign(loaded);
    m_batchPath = path;
}

QString TBramblexInterface::GetBatchID() const {
    return m_batch.FileTitle;
}

QString TBramblexInterface::GetLocalPath() const {
    return LocalFolder();
}

QString TBramblexInterface::GetAnalysis() const {
    if (m_batchPath.isEmpty())
        throw EBramblexError(Tr("No batch is open"));
    return QString::fromUtf8(
        QJsonDocument(AnalysisToJson(AnalyzeBatch(m_batch), m_batchPath)).toJson(QJsonDocument::Compact));
}

QString TBramblexInterface::GetQCResult() const {
    if (m_batchPath.isEmpty())
        throw EBramblexError(Tr("No batch is open"));
    const TQcResult result =
        CheckQcBatch(m_batch, QFileInfo(m_batchPath).absolutePath(), SettingsFolder(), LocalFolder());
    return QString::fromUtf8(
        QJsonDocument(QcResultToJson(result, m_batchPath)).toJson(QJsonDocument::Compact));
}

void TBramblexInterface::CopyPageToClipboard(const QString& report, int index) {
    auto document = Prepare(report);
    if (index < 0 || index >= document->PageCount())
        throw EBramblexError(Tr("List index out of bounds (%1)").arg(index));
    const QString reason = SharedClipboardUnavailableReason();
    if (!reason.isEmpty())
        throw EBramblexError(Tr("Cannot copy the page to the clipboard.") + QLatin1Char('\n') + reason);
    ::CopyPageToClipboard(*document, index, m_charts);
}

int TBramblexInterface::GetPageCount(const QString& report) {
    return Prepare(report)->PageCount();
}
