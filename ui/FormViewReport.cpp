#include "ui/FormViewReport.h"

#include <QLabel>
#include <QVBoxLayout>

TFormViewReport::TFormViewReport(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormViewReport"));
    auto* layout = new QVBoxLayout(this);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("LabelReportPreview"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    layout->addWidget(m_label);
}

void TFormViewReport::SetReportMode(bool standard) {
    m_standard = standard;
    RefreshPreview();
}

void TFormViewReport::RefreshPreview() {
    const QString report = m_standard ? StandardReport.Name : tr("My Reports");
    const int count = PreviewBatches.Count();
    m_label->setText(count == 1 ? tr("%1 for one batch").arg(report)
                                : tr("%1 for %2 batches").arg(report).arg(count));
    m_label->setAccessibleName(m_label->text());
}
