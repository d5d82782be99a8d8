#include "ui/NameEdit.h"

#include "storage/FileOperations.h"
#include "ui/DialogService.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

TNameEditDelegate::TNameEditDelegate(TDialogService& dialogs, QObject* parent)
    : QStyledItemDelegate(parent), m_dialogs(dialogs) {}

QWidget* TNameEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setObjectName(QStringLiteral("EditName"));
        line->setAccessibleName(tr("Name"));
        line->installEventFilter(const_cast<TNameEditDelegate*>(this));
        // Pasted text goes past the key filter: characters a name may not hold (and
        // control characters, such as the line breaks of a pasted paragraph) are taken
        // out of it, with the same beep. Only the operator's edits: a name given
        // elsewhere is shown as it is.
        connect(line, &QLineEdit::textEdited, line, [this, line](const QString& text) {
            QString kept;
            int cursor = line->cursorPosition();
            const int oldCursor = cursor;
            for (int i = 0; i < text.size(); ++i) {
                const QChar c = text[i];
                if (IsNameCharAllowed(c) && c.category() != QChar::Other_Control)
                    kept.append(c);
                else if (i < oldCursor)
                    --cursor;
            }
            if (kept.size() == text.size())
                return;
            m_dialogs.Beep();
            line->setText(kept);
            line->setCursorPosition(std::max(0, cursor));
        });
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
