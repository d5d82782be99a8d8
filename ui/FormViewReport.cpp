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
    m_label->setText(tr("%1 for %n batch(es)", nullptr, PreviewBatches.Count()).arg(report));
    m_label->setAccessibleName(m_label->text());
}
