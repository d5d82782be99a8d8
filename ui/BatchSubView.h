#pragma once

// What the batch view asks of the views it docks for one selected batch (header,
// processes, measurements): each keeps its own copy of the entry it shows and tells the
// batch view when it changed that copy, which then saves it.

#include <QWidget>

#include <functional>

class TDialogService;
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
    // Commits what the operator typed and has not left yet (before the selection or the
    // tab changes, a run starts or the window closes); nothing when there is none.
    virtual void CommitEdits() {}
    // The run lock: while a run is in progress the fields that describe the instrument
    // and the people are read-only.
    virtual void SetRunActive(bool active) { m_runActive = active; }
    bool RunActive() const { return m_runActive; }

    // Where the view's messages go; set by the batch view before the view is shown.
    TDialogService* Dialogs = nullptr;

    // Raised after the view changed its copy; entry is the view's own copy.
    std::function<void(TBatchSubView* sender, TFileItem& entry)> OnBatchChanged;

    // The skip rule of LoadFileItem: the same file in the same version. The packed time
    // of a file keeps two seconds, so the exact stamp is compared as well when both
    // copies know it: the views each save a whole copy of the batch, and one that missed
    // another's save within the same two seconds would write the other's change away.
    static bool SameVersion(const TFileItem& entry, const TFileItem& copy);

protected:
    void RaiseBatchChanged(TFileItem& entry) {
        if (OnBatchChanged)
            OnBatchChanged(this, entry);
    }

private:
    bool m_runActive = false;
};
