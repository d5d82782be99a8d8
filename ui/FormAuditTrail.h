#pragma once

// The "Audit Trail" window of one batch: the chain's state at the top, the records as a
// table in local time, and the trail written out as CSV or PDF (each file written whole).

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;
class TDialogService;
struct TAuditVerdict;

class TFormAuditTrail : public QDialog {
    Q_OBJECT
public:
    TFormAuditTrail(const QString& batchPath, TDialogService& dialogs, QWidget* parent = nullptr);

    // Reads the trail and the batch again.
    void Reload();
    // The state line: intact, untracked, changed outside (with the time of the last
    // recorded change), or broken at record N.
    static QString StatusText(const TAuditVerdict& verdict);
    // Write the records as shown; raise EFileError with the system's reason.
    void ExportCsv(const QString& path) const;
    void ExportPdf(const QString& path) const;

    QLabel* LabelStatus() const { return m_status; }
    QTableWidget* TableRecords() const { return m_table; }

private:
    void AskAndExport(bool pdf);

    QString m_batchPath;
    TDialogService& m_dialogs;
    QLabel* m_status;
    QTableWidget* m_table;
    QPushButton* m_csv;
    QPushButton* m_pdf;
};
