#pragma once

// The batch view's tab strip. QTabBar says nothing when the index it is given is the
// one it has; the batch view re-docks its current view on every assignment, so this
// strip raises IndexAssigned for every SetIndex as well as for every change the
// operator makes.

#include <QTabBar>

class TKorvTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit TKorvTabBar(QWidget* parent = nullptr);

    // Sets the current index (clamped to the tabs) and raises IndexAssigned.
    void SetIndex(int index);
    // Replaces the tab texts keeping the index where it can, without a notification.
    void SetTexts(const QStringList& texts);

signals:
    void IndexAssigned(int index);

private:
    bool m_quiet = false;
};
