#pragma once

// The processes tab: the measurement programme of the batch, one row per process.

#include "storage/FileItem.h"
#include "ui/BatchSubView.h"

class QTreeWidget;

class TFormViewProcesses : public TBatchSubView {
    Q_OBJECT
public:
    explicit TFormViewProcesses(QWidget* parent = nullptr);

    void LoadFileItem(const TFileItem& entry, bool force) override;
    void ForgetFileItem() override;

    QTreeWidget* ListViewProcesses() const { return m_list; }

private:
    TFileItem m_entry;
    QTreeWidget* m_list;
};
