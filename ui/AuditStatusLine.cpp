#include "ui/AuditStatusLine.h"

#include "audit/AuditTrail.h"

#include <QFileInfo>

TAuditStatusLine::TAuditStatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("LabelAuditStatus"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setMargin(4);
    hide();
}

void TAuditStatusLine::ShowBatch(const QString& batchPath) {
    QStringList lines;
    bool alarm = false;
    if (!batchPath.isEmpty() && QFileInfo(batchPath).isFile()) {
        try {
            const TAuditVerdict verdict = VerifyAuditTrail(batchPath);
            if (verdict.Status == TAuditStatus::ChangedOutside) {
                alarm = true;
                lines << tr("This batch was changed outside Bramblex after the last recorded change (%1).")
                             .arg(verdict.LastRecordTime.toOffsetFromUtc(verdict.LastRecordOffset)
                                      .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
            } else if (verdict.Status == TAuditStatus::Broken) {
                alarm = true;
                lines << tr("The audit trail of this batch is broken at record %1.").arg(verdict.BrokenAt);
            }
            for (const TAuditSignature& s : AuditSignatures(verdict.Trail, verdict.FileSha256))
                lines << (s.AppliesToCurrent ? s.Line() : tr("%1 (an earlier version)").arg(s.Line()));
        } catch (const std::exception& e) {
            alarm = true;
            lines << QString::fromUtf8(e.what());
        }
    }
    setText(lines.join(QLatin1Char('\n')));
    setStyleSheet(alarm ? QStringLiteral("QLabel { background: #fff3cd; color: #5c3c00; }") : QString());
    setVisible(!lines.isEmpty());
}
