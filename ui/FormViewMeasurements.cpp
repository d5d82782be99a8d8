#include "ui/FormViewMeasurements.h"

#include "catalogue/Catalogue.h"
#include "catalogue/DateTimeTexts.h"
#include "documents/BatchItem.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

TFormViewMeasurements::TFormViewMeasurements(QWidget* parent) : TBatchSubView(parent) {
    setObjectName(QStringLiteral("FormViewMeasurements"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("ListViewMeasurements"));
    m_list->setAccessibleName(tr("Readings"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->header()->setAccessibleName(tr("Columns"));
    layout->addWidget(m_list);
}

void TFormViewMeasurements::LoadFileItem(const TFileItem& entry, bool force) {
    if (!force && entry.FilePath == m_entry.FilePath && entry.FileModifiedTime == m_entry.FileModifiedTime &&
        m_entry.FileModifiedTime != -1)
        return;
    m_entry.Assign(entry);
    FillReadings();
}

void TFormViewMeasurements::ForgetFileItem() {
    m_entry.FileModifiedTime = -1;
}

void TFormViewMeasurements::FillReadings() {
    const TBatchItem& batch = m_entry.BatchItem();
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    m_list->setHeaderLabels({tr("Date"), tr("Time"), tr("%1 (%2)").arg(tr("Viscosity"), ViscosityUnitsName()),
                             tr("% Full Scale"), tr("%1 (%2)").arg(tr("Temperature"), TemperatureUnitsName()),
                             tr("RPM")});
    TDateTimeTexts texts;
    QList<QTreeWidgetItem*> rows;
    for (const auto& m : batch.Measurements) {
        auto* row = new QTreeWidgetItem;
        texts.Set(m->DateTime);
        row->setText(0, texts.Date());
        row->setText(1, texts.Time());
        // A model number out of range in a damaged file must not stop the list.
        bool over = m->Viscosity >= OverRangeViscosity;
        double percent = 0.0;
        try {
            over = over || IsOverScale(batch.ModelType, batch.SpindleType, m->RPMCode, m->Viscosity);
            percent = PercentFullScale(batch.ModelType, batch.SpindleType, m->RPMCode, m->Viscosity);
        } catch (const std::exception&) {
        }
        row->setText(2, over ? OverScaleText() : FormatViscosity(m->Viscosity));
        row->setText(3, over ? OverScaleText() : FormatLocaleFixed(percent, 1));
        row->setText(4, FormatTemperature(m->Temperature));
        row->setText(5, FormatLocaleFixed(RPMCodeToValue(m->RPMCode), 1));
        rows.append(row);
    }
    m_list->addTopLevelItems(rows);
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->resizeColumnToContents(column);
    if (!rows.isEmpty())
        m_list->scrollToItem(rows.last());
    m_list->setUpdatesEnabled(true);
}
