#pragma once

// Undo for the page designer. Every change the operator makes to the working page
// (the mouse, the property grid, the item list, the clipboard, the menus) is recorded
// as the page's state before and after, so one kind of command undoes any of them
// exactly. A state holds the property values, which share their text and picture
// data with the page, so recording costs little even for pages with pictures.

#include "properties/Properties.h"

#include <QString>
#include <QUndoCommand>

#include <functional>
#include <vector>

class TPage;

class TPageState {
public:
    // The page's property values and, in drawing order, each item's type, property
    // values and selection.
    static TPageState Capture(const TPage& page);
    // Puts the state back without the page's reactions (a restored size does not
    // re-anchor items again). Items are kept when the page still has the same item
    // types in the same order, otherwise rebuilt. Marks the page modified.
    void Restore(TPage& page) const;
    // Whether Restore keeps the page's item objects.
    bool KeepsItems(const TPage& page) const;

    bool operator==(const TPageState& other) const = default;
    // Equal but for which items are selected.
    bool SameContent(const TPageState& other) const;

private:
    struct TItemState {
        QString Type;
        std::vector<TPropertyValue> Values; // in property order
        bool Selected = false;
        int SelectOrder = 0;
        bool operator==(const TItemState& other) const = default;
    };

    std::vector<TPropertyValue> m_pageValues;
    std::vector<TItemState> m_items;
};

// One operator action on the working page. Pushed after the action is done, so the
// first redo only records. restore puts a state back on the page together with
// whatever shows it.
class TPageChangeCommand : public QUndoCommand {
public:
    using TRestore = std::function<void(const TPageState&)>;
    TPageChangeCommand(TRestore restore, TPageState before, TPageState after, const QString& text);
    void undo() override;
    void redo() override;

private:
    TRestore m_restore;
    TPageState m_before;
    TPageState m_after;
    bool m_done = true;
};
