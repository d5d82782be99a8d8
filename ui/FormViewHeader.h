#pragma once

// The batch header tab: the batch's name and place, the instrument (model and spindle)
// and who measured what. Every field left and every list change is saved at once. Once
// the batch holds readings, or while a run goes on, only the note stays editable.

#include "storage/FileItem.h"
#include "ui/BatchSubView.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QScrollArea;

class TFormViewHeader : public TBatchSubView {
    Q_OBJECT
public:
    explicit TFormViewHeader(QWidget* parent = nullptr);

    void CommitEdits() override;
    void SetRunActive(bool active) override;

    QLineEdit* EditBatchID() const { return m_batchId; }
    QLineEdit* EditFileLocation() const { return m_location; }
    QComboBox* ComboBoxModel() const { return m_model; }
    QComboBox* ComboBoxSpindle() const { return m_spindle; }
    QLineEdit* EditCompany() const { return m_company; }
    QLineEdit* EditOperator() const { return m_operator; }
    QLineEdit* EditIdentifier() const { return m_identifier; }
    QPlainTextEdit* MemoNote() const { return m_note; }
    QWidget* PanelLeft() const { return m_left; }
    QWidget* PanelRight() const { return m_right; }
    QScrollArea* ScrollBoxHeader() const { return m_scroll; }

    // The fields the operator may not change: the batch has readings or a run goes on.
    bool Locked() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Fill(bool sameDocument) override;
    void ReadingsAppended(int first, int count) override;

private:
    void EditBatchExit();
    void RefillSpindles();
    void SelectSpindle(int model, int spindle);
    void ApplyLock();
    void LayoutPanels();
    // The texts on screen differ from the batch: typed and not yet committed.
    bool HasPendingText() const;

    // The texts of the batch when the view last showed or committed them: a field that
    // differs was being typed in and stays when the batch is shown again.
    QString m_shownCompany;
    QString m_shownOperator;
    QString m_shownIdentifier;
    QString m_shownNote;
    QScrollArea* m_scroll;
    QWidget* m_box;
    QWidget* m_left;
    QWidget* m_right;
    QLineEdit* m_batchId;
    QLineEdit* m_location;
    QComboBox* m_model;
    QComboBox* m_spindle;
    QLineEdit* m_company;
    QLineEdit* m_operator;
    QLineEdit* m_identifier;
    QPlainTextEdit* m_note;
    bool m_committing = false;
};
