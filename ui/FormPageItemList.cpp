#include "ui/FormPageItemList.h"

#include "reports/Page.h"

#include <QDropEvent>
#include <QHeaderView>
#include <QVBoxLayout>

// ---------------------------------------------------------------------------
// TPageItemListView

TPageItemListView::TPageItemListView(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("ListViewPageItems"));
    setAccessibleName(tr("Page items"));
    setColumnCount(1);
    setHeaderLabels({tr("Name")});
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDefaultDropAction(Qt::MoveAction);
    setContextMenuPolicy(Qt::CustomContextMenu);
}

void TPageItemListView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTreeWidget::dragEnterEvent(event);
}

void TPageItemListView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->source() != this) {
        event->ignore();
        return;
    }
    QTreeWidget::dragMoveEvent(event);
}

void TPageItemListView::dropEvent(QDropEvent* event) {
    QTreeWidgetItem* target = itemAt(event->position().toPoint());
    if (event->source() != this || !target || !currentItem()) {
        event->ignore();
        return;
    }
    // The rows are rebuilt from the page afterwards; the view itself moves nothing.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    if (OnDrop)
        OnDrop(indexOfTopLevelItem(target), indexOfTopLevelItem(currentItem()));
}

// ---------------------------------------------------------------------------
// TFormPageItemList

TFormPageItemList::TFormPageItemList(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FormPageItemList"));
    setAccessibleName(tr("Page items"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_list = new TPageItemListView(this);
    layout->addWidget(m_list);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &TFormPageItemList::RowsSelected);
    m_list->OnDrop = [this](int target, int focused) {
        if (OnMoveItems)
            OnMoveItems(target, focused < target);
        Refresh();
    };
}

void TFormPageItemList::ShowPage(TPage* page) {
    m_page = page;
    Refresh();
}

void TFormPageItemList::Refresh() {
    const int count = m_page ? m_page->ItemCount() : 0;
    bool same = m_list->topLevelItemCount() == count;
    for (int i = 0; same && i < count; ++i) {
        const TPageItem* item = m_page->Item(i);
        const QTreeWidgetItem* row = m_list->topLevelItem(i);
        same = row->text(0) == item->Name() && row->isSelected() == item->Selected;
    }
    if (same)
        return;
    m_updating = true;
    m_list->clear();
    for (int i = 0; i < count; ++i) {
        const TPageItem* item = m_page->Item(i);
        auto* row = new QTreeWidgetItem(m_list, {item->Name()});
        row->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                      Qt::ItemIsDropEnabled);
        row->setSelected(item->Selected);
    }
    m_list->resizeColumnToContents(0);
    m_updating = false;
    ++m_rebuilds;
}

void TFormPageItemList::CopySelection() {
    if (!m_page)
        return;
    m_updating = true;
    const int count = std::min(m_page->ItemCount(), m_list->topLevelItemCount());
    for (int i = 0; i < count; ++i)
        m_list->topLevelItem(i)->setSelected(m_page->Item(i)->Selected);
    m_updating = false;
}

void TFormPageItemList::ScrollToSelection() {
    if (!m_page || m_page->SelectedCount() != 1)
        return;
    const int index = m_page->IndexOfItem(m_page->LastSelected());
    if (QTreeWidgetItem* row = m_list->topLevelItem(index)) {
        m_updating = true;
        m_list->setCurrentItem(row, 0, QItemSelectionModel::NoUpdate);
        m_updating = false;
        m_list->scrollToItem(row);
    }
}

void TFormPageItemList::RowsSelected() {
    if (m_updating || !m_page)
        return;
    const int count = std::min(m_page->ItemCount(), m_list->topLevelItemCount());
    // Deselections first, so that the items selected now are numbered after the
    // ones that stay selected.
    for (int i = 0; i < count; ++i) {
        TPageItem* item = m_page->Item(i);
        if (item->Selected && !m_list->topLevelItem(i)->isSelected())
            m_page->SetSelected(item, false);
    }
    for (int i = 0; i < count; ++i) {
        TPageItem* item = m_page->Item(i);
        if (!item->Selected && m_list->topLevelItem(i)->isSelected())
            m_page->SetSelected(item, true);
    }
    if (OnSelectionChanged)
        OnSelectionChanged();
}
