#include "ui/FormAnchor.h"

#include "reports/PageItem.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFormAnchor::TFormAnchor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormAnchor"));
    setWindowTitle(tr("Anchor"));
    setAccessibleName(tr("Anchor"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto toggle = [this](const QString& caption, const QString& name) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAccessibleName(caption);
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setMinimumWidth(72);
        return button;
    };
    m_left = toggle(tr("Left"), QStringLiteral("ButtonLeft"));
    m_top = toggle(tr("Top"), QStringLiteral("ButtonTop"));
    m_right = toggle(tr("Right"), QStringLiteral("ButtonRight"));
    m_bottom = toggle(tr("Bottom"), QStringLiteral("ButtonBottom"));
    // The item in the middle, the sides it may hold on to around it.
    auto* item = new QFrame(this);
    item->setFrameStyle(QFrame::Box | QFrame::Plain);
    item->setMinimumSize(72, 48);
    grid->addWidget(m_top, 0, 1);
    grid->addWidget(m_left, 1, 0);
    grid->addWidget(item, 1, 1);
    grid->addWidget(m_right, 1, 2);
    grid->addWidget(m_bottom, 2, 1);
    layout->addLayout(grid);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("ButtonClose"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &TFormAnchor::reject);
    layout->addWidget(buttons);
}

QPushButton* TFormAnchor::Toggle(int side) const {
    switch (side) {
    case AnchorLeft:
        return m_left;
    case AnchorTop:
        return m_top;
    case AnchorRight:
        return m_right;
    case AnchorBottom:
        return m_bottom;
    default:
        return nullptr;
    }
}

int TFormAnchor::Value() const {
    return (m_left->isChecked() ? AnchorLeft : 0) | (m_top->isChecked() ? AnchorTop : 0) |
           (m_right->isChecked() ? AnchorRight : 0) | (m_bottom->isChecked() ? AnchorBottom : 0);
}

void TFormAnchor::Load() {
    const int value = Property ? Property->GetInteger() : 0;
    m_left->setChecked(value & AnchorLeft);
    m_top->setChecked(value & AnchorTop);
    m_right->setChecked(value & AnchorRight);
    m_bottom->setChecked(value & AnchorBottom);
}

void TFormAnchor::Store() {
    if (Property && Property->GetInteger() != Value())
        Property->SetInteger(Value());
}

bool TFormAnchor::Execute() {
    Load();
    exec();
    Store();
    return true;
}
