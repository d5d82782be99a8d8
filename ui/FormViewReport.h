#pragma once

// The report tabs of the batch view: a preview of a tab report (standard mode) or of
// the operator's own reports (custom mode) over the selected batches. This first form
// names what would be composed; the report preview window replaces its body.

#include "documents/BatchItem.h"
#include "reports/Report.h"

#include <QWidget>

class QLabel;

class TFormViewReport : public QWidget {
    Q_OBJECT
public:
    explicit TFormViewReport(QWidget* parent = nullptr);

    TBatchList PreviewBatches; // the batches to report on
    TReport StandardReport;    // the tab report of standard mode

    void SetReportMode(bool standard);
    bool StandardMode() const { return m_standard; }
    void RefreshPreview();

private:
    bool m_standard = false;
    QLabel* m_label;
};
