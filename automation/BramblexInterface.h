#pragma once

// The nine operations of the automation object, apart from how clients reach them.
// They work on the process's one open batch and on the report templates of the storage
// tree's "Reports" folder (read again when a file there changed). Failures raise
// EBramblexError with the operator's text.
//
// Everything runs on the GUI thread: charts are drawn with the painter handed in.

#include "documents/BatchItem.h"
#include "storage/FileItem.h"

#include <QString>

#include <memory>

class TChartPainter;
class TReport;

class TBramblexInterface {
public:
    explicit TBramblexInterface(TChartPainter* charts);
    ~TBramblexInterface();
    TBramblexInterface(const TBramblexInterface&) = delete;
    TBramblexInterface& operator=(const TBramblexInterface&) = delete;

    // Prints every page of the report for the open batch on the current printer, the
    // job titled report as the client wrote it.
    void Print(const QString& report);
    // Prints page index (0 the first) alone, the job titled "<report> <index>". Raises
    // "Page does not exist" for an index outside the document.
    void PrintPage(const QString& report, int index);
    // Replaces the open batch by the batch file at path. A file that cannot be read, or
    // that is damaged and would be read only in part, raises and leaves the open batch.
    void OpenBatch(const QString& path);
    // The open batch's file name without folder and extension; empty before OpenBatch.
    QString GetBatchID() const;
    // The storage tree's "Local" folder, ending with "/".
    QString GetLocalPath() const;
    // The open batch's analysis as JSON text (AnalysisToJson, "file" the batch's path),
    // low-torque readings left out; raises "No batch is open" before OpenBatch.
    QString GetAnalysis() const;
    // The open batch's QC verdict as JSON text (QcResultToJson, "file" the batch's path)
    // against the limit set its folder has in the storage tree; "result" "none" when
    // none applies. Raises "No batch is open" before OpenBatch.
    QString GetQCResult() const;
    // Puts page index on the clipboard as a picture. Raises "List index out of bounds
    // (%d)" for an index outside the document, and says why when no other program could
    // read the clipboard.
    void CopyPageToClipboard(const QString& report, int index);
    int GetPageCount(const QString& report);

    const TBatchItem& OpenBatchItem() const { return m_batch; }

private:
    // The output document of the template named report for the open batch; raises
    // "Report does not exist".
    std::unique_ptr<TReport> Prepare(const QString& report);

    TChartPainter* m_charts;
    TBatchItem m_batch;
    QString m_batchPath; // as the client gave it; empty before OpenBatch
    TFileList m_myReports;
};
