#include "ui/QcStatusLine.h"

#include "storage/FileItem.h"
#include "storage/StoragePaths.h"
#include "ui/QcMarks.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>

TQcStatusLine::TQcStatusLine(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("PanelQcStatus"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    m_mark = new QLabel(this);
    m_mark->setObjectName(QStringLiteral("LabelQcMark"));
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("LabelQcStatus"));
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_text->font();
    bold.setBold(true);
    m_text->setFont(bold);
    layout->addWidget(m_mark);
    layout->addWidget(m_text, 1);
    hide();
}

QString TQcStatusLine::StatusText(const TQcResult& result) {
    if (result.Verdict == TQcVerdict::None)
        return result.Problem.isEmpty() ? QString() : tr("QC: %1").arg(result.Problem);
    QString text = tr("QC %1 against \"%2\"").arg(QcVerdictText(result.Verdict), result.LimitSet);
    QStringList criteria;
    for (const TQcCriterionResult& r : result.Criteria)
        if (r.Verdict == result.Verdict && r.Verdict != TQcVerdict::Pass)
            criteria << (r.Measured
                             ? QcCriterionMeasureText(r)
                             : tr("%1 (%2)").arg(QcKindName(r.Criterion.Kind, r.Criterion.RPM), r.Reason));
    if (result.Verdict == TQcVerdict::Fail)
        text += tr(" – failing: %1").arg(criteria.join(QStringLiteral("; ")));
    else if (result.Verdict == TQcVerdict::Incomplete)
        text += tr(" – no data yet: %1").arg(criteria.join(QStringLiteral("; ")));
    return text;
}

void TQcStatusLine::ShowEntry(const TFileItem& entry) {
    if (entry.FileType != FileTypeBatch || !entry.Batch) {
        Clear();
        return;
    }
    // The limit set is read again each time: it is small, and the window that edits
    // limit sets may have changed it since.
    m_result =
        CheckQcBatch(*entry.Batch, QFileInfo(entry.FilePath).absolutePath(), SettingsFolder(), LocalFolder());
    const QString text = StatusText(m_result);
    if (text.isEmpty()) {
        hide();
        return;
    }
    m_text->setText(text);
    const QPixmap mark = QcVerdictMark(m_result.Verdict, m_text->fontMetrics().height());
    m_mark->setPixmap(mark);
    m_mark->setVisible(!mark.isNull());
    m_mark->setAccessibleName(QcVerdictText(m_result.Verdict));
    QPalette tint = palette();
    const QColor colour = QcVerdictColour(m_result.Verdict);
    tint.setColor(QPalette::Window, colour.isValid() ? colour.lighter(185) : QColor(0xf0, 0xe0, 0xa0));
    tint.setColor(QPalette::WindowText, Qt::black);
    setPalette(tint);
    show();
}

void TQcStatusLine::Clear() {
    m_result = TQcResult();
    m_text->clear();
    hide();
}
