#pragma once

// The measurements tab: the readings of the batch in the display units, newest last.

#include "storage/FileItem.h"
#include "ui/BatchSubView.h"

class QTreeWidget;

class TFormViewMeasurements : public TBatchSubView {
    Q_OBJECT
public:
    explicit TFormViewMeasurements(QWidget* parent = nullptr);

    void LoadFileItem(const TFileItem& entry, bool force) override;
    void ForgetFileItem() override;

    QTreeWidget* ListViewMeasurements() const { return m_list; }

private:
    void FillReadings();

    TFileItem m_entry;
    QTreeWidget* m_list;
};
