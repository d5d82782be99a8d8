#pragma once

// A drop-down list whose entries carry check boxes; a click on an entry toggles it and
// leaves the list open. The closed box shows the checked entries' texts.

#include <QComboBox>

class QStandardItemModel;

class TCheckedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TCheckedComboBox(QWidget* parent = nullptr);

    void SetItems(const QStringList& texts); // all unchecked
    // Indexes beyond the entries read as unchecked and are ignored when set.
    bool Checked(int index) const;
    void SetChecked(int index, bool checked);
    QString CheckedText() const;

signals:
    // An entry was checked or unchecked by the operator or by SetChecked.
    void CheckedChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QStandardItemModel* m_items;
};
