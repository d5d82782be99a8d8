#include "services/BatchReport.h"

#include "core/Error.h"
#include "documents/BatchItem.h"
#include "qc/Qc.h"
#include "reports/Page.h"
#include "reports/Report.h"
#include "storage/FileItem.h"
#include "storage/StoragePaths.h"

#include <QLocale>

const TReport& FindReportTemplate(const TFileList& reports, const QString& name) {
    const QLocale locale;
    const QString wanted = locale.toLower(name);
    const TReport* found = nullptr;
    for (const auto& item : reports) {
        if (item->FileType == FileTypeReport && item->Report && locale.toLower(item->Report->Name) == wanted)
            found = item->Report.get();
    }
    if (!found)
        throw EBramblexError(Tr("Report does not exist"));
    return *found;
}

TPageQcTexts QcPageTexts(const TBatchItem& batch) {
    TPageQcTexts texts;
    if (batch.FolderPath.isEmpty())
        return texts;
    const TQcResult result = CheckQcBatch(batch, batch.FolderPath, SettingsFolder(), LocalFolder());
    texts.LimitSet = result.LimitSet;
    if (result.Verdict == TQcVerdict::None) {
        texts.Details = result.Problem;
        return texts;
    }
    texts.Result = QcVerdictText(result.Verdict);
    QStringList lines;
    for (const TQcCriterionResult& r : result.Criteria)
        lines << QcCriterionText(r);
    texts.Details = lines.join(QLatin1Char('\n'));
    return texts;
}

std::unique_ptr<TReport> ComposeForBatch(const TReport& source, const TBatchItem& batch) {
    auto report = std::make_unique<TReport>();
    report->Assign(source);
    const TPageQcTexts qc = QcPageTexts(batch);
    for (int i = 0; i < report->PageCount(); ++i) {
        TPage& page = *report->Page(i);
        if (page.PageType() == PageTypeInner) {
            page.Batch.Assign(batch);
            page.Qc = qc;
        }
    }
    report->Paginate();
    // Page number fields count the pages of this document, repeated pages included.
    report->RenumberPages();
    return report;
}
