#pragma once

// The batch header tab: who measured what with which instrument, and the note. This is
// the plain first form of the view: the texts read-only except the note, which stays
// editable also during a run.

#include "storage/FileItem.h"
#include "ui/BatchSubView.h"

class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

class TFormViewHeader : public TBatchSubView {
    Q_OBJECT
public:
    explicit TFormViewHeader(QWidget* parent = nullptr);

    void LoadFileItem(const TFileItem& entry, bool force) override;
    void ForgetFileItem() override;

    const TFileItem& Entry() const { return m_entry; }
    QPlainTextEdit* MemoNote() const { return m_note; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditBatchExit();

    TFileItem m_entry;
    QLineEdit* m_batchId;
    QLineEdit* m_location;
    QLabel* m_model;
    QLabel* m_spindle;
    QLabel* m_company;
    QLabel* m_operator;
    QLabel* m_identifier;
    QPlainTextEdit* m_note;
};
