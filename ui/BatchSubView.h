#pragma once

// What the batch view asks of the views it docks for one selected batch (header,
// processes, measurements, analysis): each shows the store's one document of the batch,
// writes the operator's edits into it and follows the changes others make to it.

#include <QWidget>

#include <functional>
#include <memory>

class TBatchDocument;
class TBatchItem;
class TDialogService;
class TFileItem;

class TBatchSubView : public QWidget {
    Q_OBJECT
public:
    explicit TBatchSubView(QWidget* parent = nullptr);
    ~TBatchSubView() override;

    // Shows document. Nothing happens when it is the document shown, unless force or
    // ForgetFileItem asks for a refill.
    void ShowDocument(const std::shared_ptr<TBatchDocument>& document, bool force);
    const std::shared_ptr<TBatchDocument>& Document() const { return m_document; }
    // The document's file entry (an empty one before a document is shown).
    const TFileItem& Entry() const;
    // A view that keeps a copy of the batch (the analysis tab) is handed the document's
    // entry here instead (force: also when the entry's version is the one it has).
    virtual void LoadFileItem(const TFileItem& entry, bool force) {
        (void)entry;
        (void)force;
    }
    // The skip rule of LoadFileItem: the same file in the same version.
    static bool SameVersion(const TFileItem& entry, const TFileItem& copy);
    // Makes the next ShowDocument refill the view (the display units may have changed).
    virtual void ForgetFileItem() { m_stale = true; }
    // Commits what the operator typed and has not left yet (before the selection or the
    // tab changes, a run starts or the window closes); nothing when there is none.
    virtual void CommitEdits() {}
    // The run lock: while a run is in progress the fields that describe the instrument
    // and the people are read-only.
    virtual void SetRunActive(bool active) { m_runActive = active; }
    bool RunActive() const { return m_runActive; }

    // Where the view's messages go; set by the batch view before the view is shown.
    TDialogService* Dialogs = nullptr;

    // Raised after the view changed the document (and told the document's other
    // observers); the batch view saves it.
    std::function<void(TBatchSubView* sender)> OnBatchChanged;

protected:
    // Fills the view from the document. sameDocument: the document shown before, read
    // again or changed by another writer (what the operator is typing stays).
    virtual void Fill(bool sameDocument) {
        (void)sameDocument;
        LoadFileItem(Entry(), true);
    }
    // Followers of the document's changes by others; by default the view refills.
    virtual void HeaderChanged() { Fill(true); }
    virtual void ProcessesChanged() { Fill(true); }
    virtual void ReadingsAppended(int first, int count);

    // The batch shown, to be changed (null before a document is shown).
    TBatchItem* Batch();
    // The view changed the header or the processes of the document.
    void RaiseHeaderChanged();
    void RaiseProcessesChanged();

private:
    void Connect();
    std::shared_ptr<TBatchDocument> m_document;
    QList<QMetaObject::Connection> m_connections;
    const std::unique_ptr<TFileItem> m_none;
    bool m_runActive = false;
    bool m_stale = false;
};
