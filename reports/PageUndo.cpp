#include "reports/PageUndo.h"

#include "reports/Page.h"

namespace {

std::vector<TPropertyValue> ValuesOf(const TPropertyList& list) {
    std::vector<TPropertyValue> values;
    values.reserve(static_cast<size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i)
        values.push_back(list.Items(i)->Value());
    return values;
}

// Stores the values as loading does: no checks or reactions, but the list's owner and
// a shown property grid still hear of every change.
void RestoreValues(TPropertyList& list, const std::vector<TPropertyValue>& values) {
    const int count = std::min(list.Count(), static_cast<int>(values.size()));
    for (int i = 0; i < count; ++i) {
        TProperty& p = *list.Items(i);
        const TPropertyValue& value = values[static_cast<size_t>(i)];
        if (p.Value() == value)
            continue;
        struct TLoading {
            TProperty& P;
            ~TLoading() { P.Loading = false; }
        } loading{p};
        p.Loading = true;
        p.SetValue(value);
    }
}

} // namespace

TPageState TPageState::Capture(const TPage& page) {
    TPageState state;
    state.m_pageValues = ValuesOf(page.Properties);
    state.m_items.reserve(static_cast<size_t>(page.ItemCount()));
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TPageItem& item = *page.Item(i);
        state.m_items.push_back(
            {item.TypeName(), ValuesOf(item.Properties), item.Selected, item.SelectOrder});
    }
    return state;
}

bool TPageState::SameContent(const TPageState& other) const {
    if (m_pageValues != other.m_pageValues || m_items.size() != other.m_items.size())
        return false;
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].Type != other.m_items[i].Type || m_items[i].Values != other.m_items[i].Values)
            return false;
    }
    return true;
}

bool TPageState::KeepsItems(const TPage& page) const {
    if (page.ItemCount() != static_cast<int>(m_items.size()))
        return false;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (page.Item(i)->TypeName() != m_items[static_cast<size_t>(i)].Type)
            return false;
    }
    return true;
}

void TPageState::Restore(TPage& page) const {
    if (!KeepsItems(page)) {
        page.Clear();
        for (const TItemState& state : m_items)
            CreatePageItem(state.Type, page);
    }
    RestoreValues(page.Properties, m_pageValues);
    for (int i = 0; i < page.ItemCount(); ++i) {
        TPageItem& item = *page.Item(i);
        const TItemState& state = m_items[static_cast<size_t>(i)];
        RestoreValues(item.Properties, state.Values);
        item.Selected = state.Selected;
        item.SelectOrder = state.SelectOrder;
        item.Placing = false;
    }
    page.Modified = true;
}

TPageChangeCommand::TPageChangeCommand(TRestore restore, TPageState before, TPageState after,
                                       const QString& text)
    : QUndoCommand(text), m_restore(std::move(restore)), m_before(std::move(before)),
      m_after(std::move(after)) {}

void TPageChangeCommand::undo() {
    m_restore(m_before);
}

void TPageChangeCommand::redo() {
    // The action itself already changed the page when the command was pushed.
    if (m_done) {
        m_done = false;
        return;
    }
    m_restore(m_after);
}
