#pragma once

// The Mail command of the report preview (and bramblex-cli report --mail): the report
// written as one PDF file or one JPEG file per page into a private folder of the
// message, and handed to the user's mail program with the subject "Bramblex Report",
// a body that lists the reported batches and the files attached. The files stay while
// the folder's owner lives, since the mail program reads them after the hand-over.

#include <QString>

#include <vector>

class TBatchItem;
class TChartPainter;
class TJobProgress;
class TMAPIMail;
class TMailFolders;
class TReport;

// "EmailReportFormat" values.
enum : int { EmailReportPdf = 0, EmailReportJpeg = 1 };

// "Please find attached a report on the following batches:", then each batch's name
// on a line of its own after an empty line; lines end in CR LF.
QString ReportMailBody(const std::vector<const TBatchItem*>& batches);

// Writes report in format (0 PDF, any other value JPEG) into a new folder of folders
// and hands the message to the mail program. Returns false when progress stopped the
// writing or the operator cancelled; mail, when given, receives the message as sent.
// A writing that stops or fails takes its folder with it.
// Raises the writers' errors, and "MAPI Error %1: %2" with xdg-email's reason on the
// next line when the hand-over fails.
bool SendReportMail(TReport& report, const std::vector<const TBatchItem*>& batches, int format,
                    TMailFolders& folders, TChartPainter* charts, TJobProgress& progress,
                    TMAPIMail* mail = nullptr, int handOverWaitMs = 2000);
