#include "ui/FormViewProcesses.h"

#include "catalogue/Catalogue.h"
#include "documents/BatchItem.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

TFormViewProcesses::TFormViewProcesses(QWidget* parent) : TBatchSubView(parent) {
    setObjectName(QStringLiteral("FormViewProcesses"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListViewProcesses"));
    m_list->setAccessibleName(tr("Processes"));
    m_list->setRootIsDecorated(false);
    m_list->header()->setAccessibleName(tr("Columns"));
    m_list->setHeaderLabels(
        {tr("Identifier"), tr("Start RPM"), tr("End RPM"), tr("Time (s)"), tr("Readings")});
    layout->addWidget(m_list);
}

void TFormViewProcesses::LoadFileItem(const TFileItem& entry, bool force) {
    if (!force && entry.FilePath == m_entry.FilePath && entry.FileModifiedTime == m_entry.FileModifiedTime &&
        m_entry.FileModifiedTime != -1)
        return;
    m_entry.Assign(entry);
    m_list->clear();
    for (const auto& p : m_entry.BatchItem().Processes) {
        auto* row = new QTreeWidgetItem(m_list);
        row->setText(0, p->Identifier);
        row->setText(1, FormatLocaleFixed(RPMCodeToValue(p->RPMStart), 1));
        row->setText(2, FormatLocaleFixed(RPMCodeToValue(p->RPMEnd), 1));
        row->setText(3, QString::number(p->Time));
        row->setText(4, QString::number(p->MeasurementCount));
    }
}

void TFormViewProcesses::ForgetFileItem() {
    m_entry.FileModifiedTime = -1;
}
