#pragma once

// The "Anchor" dialog: which sides of the page an item keeps its distance to when
// the page changes size.

#include "properties/Properties.h"

#include <QDialog>

class QPushButton;

class TFormAnchor : public QDialog, public TPropertyForm {
    Q_OBJECT

public:
    explicit TFormAnchor(QWidget* parent = nullptr);

    // Shows the toggles modally; closing in any way stores them. Always true.
    bool Execute() override;
    // Toggles from Property's value; Property's value from the toggles (only when it
    // differs, so an unchanged anchor leaves the page unmodified).
    void Load();
    void Store();

    // The toggle of one side: AnchorLeft, AnchorTop, AnchorRight or AnchorBottom.
    QPushButton* Toggle(int side) const;
    // Left 1 + Top 2 + Right 4 + Bottom 8 of the pressed toggles.
    int Value() const;

private:
    QPushButton* m_left = nullptr;
    QPushButton* m_top = nullptr;
    QPushButton* m_right = nullptr;
    QPushButton* m_bottom = nullptr;
};
