#pragma once

// In-place name editing of folders and files (folder tree, folder list): characters a
// file name may not hold are refused with a beep while the name is typed.

#include <QStyledItemDelegate>

class TDialogService;

class TNameEditDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TNameEditDelegate(TDialogService& dialogs, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TDialogService& m_dialogs;
};
