#pragma once

// What the batch view asks of the views it docks for one selected batch (header,
// processes, measurements): each keeps its own copy of the entry it shows and tells the
// batch view when it changed that copy, which then saves it.

#include <QWidget>

#include <functional>

class TFileItem;

class TBatchSubView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Shows entry. Without force nothing happens when the entry's path and modified time
    // equal those of the view's copy; otherwise the view copies the entry and refills.
    virtual void LoadFileItem(const TFileItem& entry, bool force) = 0;
    // Makes the next LoadFileItem refill the view (the display units may have changed).
    virtual void ForgetFileItem() = 0;
    // The run lock: while a run is in progress the fields that describe the instrument
    // and the people are read-only.
    virtual void SetRunActive(bool active) { m_runActive = active; }
    bool RunActive() const { return m_runActive; }

    // Raised after the view changed its copy; entry is the view's own copy.
    std::function<void(TBatchSubView* sender, TFileItem& entry)> OnBatchChanged;

private:
    bool m_runActive = false;
};
