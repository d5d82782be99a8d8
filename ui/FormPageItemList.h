#pragma once

// The page designer's list of the page's items in drawing order (last on top). It
// mirrors the page's selection both ways, and rows dragged within it reorder the
// items.

#include <QTreeWidget>
#include <QWidget>

#include <functional>

class TPage;

// The list control: accepts drops only of its own rows and hands them to its owner.
class TPageItemListView : public QTreeWidget {
    Q_OBJECT

public:
    explicit TPageItemListView(QWidget* parent = nullptr);

    // A drop of the focused row (and the other selected ones) on the row target.
    std::function<void(int target, int focused)> OnDrop;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

class TFormPageItemList : public QWidget {
    Q_OBJECT

public:
    explicit TFormPageItemList(QWidget* parent = nullptr);

    void ShowPage(TPage* page);
    TPage* Page() const { return m_page; }
    // Rebuilds the rows unless they already show every item's name and selection.
    void Refresh();
    // Each row's selection from its item.
    void CopySelection();
    // With exactly one item selected, scrolls its row into view.
    void ScrollToSelection();

    // The operator selected or deselected rows (the items' flags are set already).
    std::function<void()> OnSelectionChanged;
    // The operator dropped the selected rows on the row of the item at target; the
    // dragged row lay above it when fromAbove.
    std::function<void(int target, bool fromAbove)> OnMoveItems;

    TPageItemListView* List() const { return m_list; }
    int RebuildCount() const { return m_rebuilds; }

private:
    void RowsSelected();

    TPage* m_page = nullptr;
    TPageItemListView* m_list = nullptr;
    bool m_updating = false;
    int m_rebuilds = 0;
};
