#include "ui/CheckedComboBox.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QStyleOptionComboBox>
#include <QStylePainter>

TCheckedComboBox::TCheckedComboBox(QWidget* parent)
    : QComboBox(parent), m_items(new QStandardItemModel(this)) {
    setModel(m_items);
    view()->viewport()->installEventFilter(this);
    connect(m_items, &QStandardItemModel::itemChanged, this, [this] {
        update();
        emit CheckedChanged();
    });
}

void TCheckedComboBox::SetItems(const QStringList& texts) {
    const QSignalBlocker block(m_items);
    m_items->clear();
    for (const QString& text : texts) {
        auto* item = new QStandardItem(text);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        m_items->appendRow(item);
    }
    update();
}

bool TCheckedComboBox::Checked(int index) const {
    if (index < 0 || index >= m_items->rowCount())
        return false;
    return m_items->item(index)->checkState() == Qt::Checked;
}

void TCheckedComboBox::SetChecked(int index, bool checked) {
    if (index < 0 || index >= m_items->rowCount())
        return;
    m_items->item(index)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

QString TCheckedComboBox::CheckedText() const {
    QStringList texts;
    for (int i = 0; i < m_items->rowCount(); ++i)
        if (Checked(i))
            texts << m_items->item(i)->text();
    return texts.join(QStringLiteral(", "));
}

bool TCheckedComboBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view()->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const QModelIndex index = view()->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (index.isValid())
            SetChecked(index.row(), !Checked(index.row()));
        return true; // the list stays open for the next choice
    }
    return QComboBox::eventFilter(watched, event);
}

void TCheckedComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = CheckedText();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}
