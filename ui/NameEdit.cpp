#include "ui/NameEdit.h"

#include "storage/FileOperations.h"
#include "ui/DialogService.h"

#include <QKeyEvent>
#include <QLineEdit>

TNameEditDelegate::TNameEditDelegate(TDialogService& dialogs, QObject* parent)
    : QStyledItemDelegate(parent), m_dialogs(dialogs) {}

QWidget* TNameEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setObjectName(QStringLiteral("EditName"));
        line->setAccessibleName(tr("Name"));
        line->installEventFilter(const_cast<TNameEditDelegate*>(this));
    }
    return editor;
}

bool TNameEditDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        for (const QChar c : text) {
            if (c.isPrint() && !IsNameCharAllowed(c)) {
                m_dialogs.Beep();
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}
