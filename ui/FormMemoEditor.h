#pragma once

// The "Text Editor": edits the text of a memo item, with buttons that insert the
// report fields under their localised names.

#include "properties/Properties.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class TFormMemoEditor : public QDialog, public TPropertyForm {
    Q_OBJECT

public:
    explicit TFormMemoEditor(QWidget* parent = nullptr);

    // Shows Property's text modally; true when OK stored it.
    bool Execute() override;
    // The steps of Execute: Load on showing, Store on OK.
    void Load();
    void Store();
    // Replaces the selection (or inserts at the caret) by the field's tag.
    void InsertField(int field);

    QPlainTextEdit* TextArea() const { return m_text; }
    QPushButton* FieldButton(int field) const;
    QLabel* StatusLine() const { return m_status; }

    void accept() override;

private:
    QPlainTextEdit* m_text = nullptr;
    QList<QPushButton*> m_fields;
    QLabel* m_status = nullptr;
    bool m_crlf = false; // the text separated its lines with CR LF
};
