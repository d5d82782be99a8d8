#include "ui/FormAuditTrail.h"

#include "audit/AuditTrail.h"
#include "core/Error.h"
#include "platform/AtomicFile.h"
#include "ui/DialogService.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

QStringList Headers() {
    return {QObject::tr("Time"),   QObject::tr("User"),    QObject::tr("Full Name"), QObject::tr("Host"),
            QObject::tr("Action"), QObject::tr("Details"), QObject::tr("Reason"),    QObject::tr("SHA-256")};
}

// The time as the viewer's clock shows it.
QString LocalTime(const TAuditRecord& r) {
    return r.Time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QStringList Cells(const TAuditRecord& r) {
    return {LocalTime(r), r.Login, r.FullName, r.Host, r.Action, r.Details, r.Reason, r.Sha256};
}

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

TFormAuditTrail::TFormAuditTrail(const QString& batchPath, TDialogService& dialogs, QWidget* parent)
    : QDialog(parent), m_batchPath(batchPath), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FormAuditTrail"));
    setWindowTitle(tr("Audit Trail of %1").arg(QFileInfo(batchPath).completeBaseName()));
    resize(1000, 520);
    auto* layout = new QVBoxLayout(this);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("LabelAuditTrailStatus"));
    m_status->setWordWrap(true);
    m_status->setTextFormat(Qt::PlainText);
    layout->addWidget(m_status);
    m_table = new QTableWidget(this);
    m_table->setObjectName(QStringLiteral("TableAuditRecords"));
    m_table->setAccessibleName(tr("Audit records"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->setColumnCount(static_cast<int>(Headers().size()));
    m_table->setHorizontalHeaderLabels(Headers());
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_csv = buttons->addButton(tr("Export CSV..."), QDialogButtonBox::ActionRole);
    m_csv->setObjectName(QStringLiteral("ButtonExportCsv"));
    m_csv->setAccessibleName(tr("Export CSV"));
    m_pdf = buttons->addButton(tr("Export PDF..."), QDialogButtonBox::ActionRole);
    m_pdf->setObjectName(QStringLiteral("ButtonExportPdf"));
    m_pdf->setAccessibleName(tr("Export PDF"));
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_csv, &QPushButton::clicked, this, [this] { AskAndExport(false); });
    connect(m_pdf, &QPushButton::clicked, this, [this] { AskAndExport(true); });
    layout->addWidget(buttons);
    Reload();
}

QString TFormAuditTrail::StatusText(const TAuditVerdict& v) {
    switch (v.Status) {
    case TAuditStatus::Intact:
        return v.LastChangeNotSaved
                   ? tr("Intact. The last recorded change did not reach the file (the program was stopped "
                        "while saving); the batch is as the record before it says.")
                   : tr("Intact: every record is in place and the batch is as last recorded.");
    case TAuditStatus::Untracked:
        return tr("No audit trail: Bramblex has recorded no change to this batch.");
    case TAuditStatus::ChangedOutside:
        return tr("Changed outside Bramblex after the last recorded change (%1).")
            .arg(v.LastRecordTime.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    case TAuditStatus::Broken:
        return tr("The trail is broken at record %1: a record was changed or removed.").arg(v.BrokenAt);
    }
    return {};
}

void TFormAuditTrail::Reload() {
    m_table->setRowCount(0);
    try {
        const TAuditVerdict verdict = VerifyAuditTrail(m_batchPath);
        m_status->setText(StatusText(verdict));
        const auto& records = verdict.Trail.Records;
        m_table->setRowCount(static_cast<int>(records.size()));
        for (int row = 0; row < static_cast<int>(records.size()); ++row) {
            const QStringList cells = Cells(records[static_cast<size_t>(row)]);
            for (int column = 0; column < cells.size(); ++column)
                m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
        }
        m_table->resizeColumnsToContents();
        m_csv->setEnabled(!records.empty());
        m_pdf->setEnabled(!records.empty());
    } catch (const EBramblexError& e) {
        m_status->setText(e.Message());
        m_csv->setEnabled(false);
        m_pdf->setEnabled(false);
    }
}

void TFormAuditTrail::ExportCsv(const QString& path) const {
    QStringList lines;
    QStringList header;
    // Column names for programs, whatever the language.
    for (const char* name : {"time", "user", "full_name", "host", "action", "details", "reason", "sha256"})
        header << QLatin1String(name);
    lines << header.join(QLatin1Char(','));
    for (const TAuditRecord& r : VerifyAuditTrail(m_batchPath).Trail.Records) {
        QStringList fields;
        QStringList cells = Cells(r);
        cells[0] = r.LocalTimeText();
        for (const QString& cell : cells)
            fields << CsvField(cell);
        lines << fields.join(QLatin1Char(','));
    }
    WriteFileAtomically(path, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

void TFormAuditTrail::ExportPdf(const QString& path) const {
    const TAuditVerdict verdict = VerifyAuditTrail(m_batchPath);
    QString html =
        QStringLiteral("<h3>%1</h3><p>%2</p><p>%3</p><table border=1 cellspacing=0 cellpadding=2><tr>")
            .arg(windowTitle().toHtmlEscaped(), QDir::toNativeSeparators(m_batchPath).toHtmlEscaped(),
                 StatusText(verdict).toHtmlEscaped());
    for (const QString& h : Headers())
        html += QStringLiteral("<th>%1</th>").arg(h.toHtmlEscaped());
    html += QStringLiteral("</tr>");
    for (const TAuditRecord& r : verdict.Trail.Records) {
        html += QStringLiteral("<tr>");
        QStringList cells = Cells(r);
        cells.last() = cells.last().left(16) + QStringLiteral("..."); // the hash in full is in the CSV
        for (const QString& c : cells)
            html += QStringLiteral("<td>%1</td>").arg(c.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(windowTitle());
        writer.setCreator(QStringLiteral("Korvane Bramblex"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(12, 12, 12, 12)));
        QTextDocument document;
        document.setHtml(html);
        document.setPageSize(QSizeF(writer.width(), writer.height()));
        document.print(&writer);
    }
    WriteFileAtomically(path, bytes);
}

void TFormAuditTrail::AskAndExport(bool pdf) {
    const QString base = QFileInfo(m_batchPath).absolutePath() + QLatin1Char('/') +
                         QFileInfo(m_batchPath).completeBaseName() + tr(" audit trail");
    QString path = m_dialogs.SaveFileName(
        this, pdf ? tr("Export Audit Trail as PDF") : tr("Export Audit Trail as CSV"),
        base + (pdf ? QStringLiteral(".pdf") : QStringLiteral(".csv")),
        pdf ? tr("PDF Files (*.pdf);;All Files (*)") : tr("CSV Files (*.csv);;All Files (*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += pdf ? QStringLiteral(".pdf") : QStringLiteral(".csv");
    try {
        if (pdf)
            ExportPdf(path);
        else
            ExportCsv(path);
    } catch (const EBramblexError& e) {
        m_dialogs.Error(this, e.Message());
    }
}
