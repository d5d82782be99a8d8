#include "services/ReportMail.h"

#include "core/Error.h"
#include "documents/BatchItem.h"
#include "platform/FsResult.h"
#include "platform/Mail.h"
#include "reports/Report.h"
#include "services/JobProgress.h"
#include "services/ReportJobs.h"

QString ReportMailBody(const std::vector<const TBatchItem*>& batches) {
    QString body = Tr("Please find attached a report on the following batches:") + QStringLiteral("\r\n");
    for (const TBatchItem* batch : batches)
        body += QStringLiteral("\r\n") + batch->FileTitle;
    return body;
}

bool SendReportMail(TReport& report, const std::vector<const TBatchItem*>& batches, int format,
                    TMailFolders& folders, TChartPainter* charts, TJobProgress& progress, TMAPIMail* mail,
                    int handOverWaitMs) {
    TMAPIMail message;
    message.Subject = Tr("Bramblex Report");
    const QString folder = folders.NewFolder();
    const QString base = folder + Tr("Bramblex Report");
    // Pages written before a stop or a failure would never be read by anyone.
    bool written = false;
    try {
        if (format == EmailReportPdf) {
            const QString path = base + QStringLiteral(".pdf");
            TPdfOptions options;
            options.Title = Tr("Bramblex Report");
            written = SaveAsPdf(report, path, options, charts, progress);
            if (written)
                message.Attachments << path;
        } else {
            written = SaveAsJpeg(report, base, message.Attachments, charts, progress);
        }
    } catch (...) {
        folders.Discard(folder);
        throw;
    }
    if (!written) {
        folders.Discard(folder);
        return false;
    }
    message.Body = ReportMailBody(batches);
    message.EditDialog = true;
    // The files are not deleted here: the mail program reads them after the
    // hand-over, and the folder goes with its owner.
    const bool sent = message.Send(handOverWaitMs);
    if (mail)
        *mail = message;
    if (!sent && message.ResultCode != 1)
        throw EBramblexError(WithReason(
            Tr("MAPI Error %1: %2").arg(message.ResultCode).arg(TMAPIMail::ErrorText(message.ResultCode)),
            message.ResultReason));
    return sent;
}
