#include "reports/PageEditing.h"

#include "reports/Page.h"
#include "reports/Report.h"
#include "xml/GmXml.h"

#include <algorithm>
#include <vector>

namespace {

// Property changes wake the property grid and mark the page: only real ones are made.
void SetLeftIfChanged(TPageItem& item, double mm) {
    if (item.Left() != mm)
        item.SetLeft(mm);
}
void SetTopIfChanged(TPageItem& item, double mm) {
    if (item.Top() != mm)
        item.SetTop(mm);
}
void SetWidthIfChanged(TPageItem& item, double mm) {
    if (item.Width() != mm)
        item.SetWidth(mm);
}
void SetHeightIfChanged(TPageItem& item, double mm) {
    if (item.Height() != mm)
        item.SetHeight(mm);
}

template <class F> void ForEachSelected(TPage& page, F&& f) {
    for (int i = 0; i < page.ItemCount(); ++i) {
        TPageItem& item = *page.Item(i);
        if (item.Selected)
            f(item);
    }
}

} // namespace

void DeleteSelectedItems(TPage& page) {
    for (int i = page.ItemCount() - 1; i >= 0; --i) {
        if (page.Item(i)->Selected)
            page.DeleteItem(i);
    }
}

void BringSelectedToFront(TPage& page) {
    const int count = page.ItemCount();
    int n = 0;
    for (int i = count - 1; i >= 0; --i) {
        if (!page.Item(i)->Selected)
            continue;
        ++n;
        if (i != count - n)
            page.MoveItem(i, count - n);
    }
}

void SendSelectedToBack(TPage& page) {
    int n = 0;
    for (int i = 0; i < page.ItemCount(); ++i) {
        if (!page.Item(i)->Selected)
            continue;
        ++n;
        if (i != n - 1)
            page.MoveItem(i, n - 1);
    }
}

void MoveSelectedTo(TPage& page, int targetIndex, bool fromAbove) {
    if (targetIndex < 0 || targetIndex >= page.ItemCount())
        return;
    TPageItem* target = page.Item(targetIndex);
    std::vector<TPageItem*> items;
    for (int i = 0; i < page.ItemCount(); ++i)
        items.push_back(page.Item(i));
    if (fromAbove)
        std::reverse(items.begin(), items.end());
    for (TPageItem* item : items) {
        if (!item->Selected || item == target)
            continue;
        const int from = page.IndexOfItem(item);
        const int to = page.IndexOfItem(target);
        if (from != to)
            page.MoveItem(from, to);
    }
}

void AlignSelected(TPage& page, TItemAlign how) {
    const TPageItem* reference = page.LastSelected();
    if (!reference || page.SelectedCount() < 2)
        return;
    const double left = reference->Left();
    const double top = reference->Top();
    const double width = reference->Width();
    const double height = reference->Height();
    ForEachSelected(page, [&](TPageItem& item) {
        if (&item == reference)
            return;
        const double w = item.Width();
        const double h = item.Height();
        switch (how) {
        case TItemAlign::Left:
            SetLeftIfChanged(item, left);
            break;
        case TItemAlign::Right:
            SetLeftIfChanged(item, left + width - w);
            break;
        case TItemAlign::Top:
            SetTopIfChanged(item, top);
            break;
        case TItemAlign::Bottom:
            SetTopIfChanged(item, top + height - h);
            break;
        case TItemAlign::HorizontalCentre:
            SetLeftIfChanged(item, left + (width - w) / 2.0);
            break;
        case TItemAlign::VerticalCentre:
            SetTopIfChanged(item, top + (height - h) / 2.0);
            break;
        case TItemAlign::SameWidth:
            SetWidthIfChanged(item, width);
            break;
        case TItemAlign::SameHeight:
            SetHeightIfChanged(item, height);
            break;
        }
    });
}

void MoveSelectedBy(TPage& page, double dx, double dy) {
    ForEachSelected(page, [&](TPageItem& item) {
        SetLeftIfChanged(item, item.Left() + dx);
        SetTopIfChanged(item, item.Top() + dy);
    });
}

void MoveSelectedFromOrigins(TPage& page, double dx, double dy) {
    ForEachSelected(page, [&](TPageItem& item) {
        SetLeftIfChanged(item, item.DragLeft - dx);
        SetTopIfChanged(item, item.DragTop - dy);
    });
}

int ResizeItemTo(TPageItem& item, double x, double y, int flags) {
    double left = item.Left();
    double top = item.Top();
    double width = item.Width();
    double height = item.Height();
    if (flags & HitLeft) {
        const double w = width - (x - left);
        if (w >= 0.0) {
            width = w;
            left = x;
        } else {
            flags = (flags & ~HitLeft) | HitRight;
            left = left + width;
            width = x - left;
        }
    } else if (flags & HitRight) {
        if (x - left >= 0.0) {
            width = x - left;
        } else {
            flags = (flags & ~HitRight) | HitLeft;
            width = left - x;
            left = x;
        }
    }
    if (flags & HitTop) {
        const double h = height - (y - top);
        if (h > 0.0) {
            height = h;
            top = y;
        } else {
            flags = (flags & ~HitTop) | HitBottom;
            top = top + height;
            height = y - top;
        }
    } else if (flags & HitBottom) {
        if (y - top >= 0.0) {
            height = y - top;
        } else {
            flags = (flags & ~HitBottom) | HitTop;
            height = top - y;
            top = y;
        }
    }
    SetLeftIfChanged(item, left);
    SetTopIfChanged(item, top);
    SetWidthIfChanged(item, width);
    SetHeightIfChanged(item, height);
    return flags;
}

QByteArray PageDocument(const TPage& page, bool selectedOnly) {
    TGmXML document;
    page.SaveToXml(document.Nodes().Add("Page")->Children(), selectedOnly);
    return document.SaveToBytes();
}

namespace {

// The children of the document's "Page" root, or nullptr. The document must outlive them.
const TGmXmlNodeList* PageElements(TGmXML& document, const QByteArray& bytes) {
    if (bytes.isEmpty())
        return nullptr;
    document.LoadFromBytes(bytes);
    const TGmXmlNode& root = document.Nodes().Find("Page");
    return root.IsMissing() ? nullptr : &root.Children();
}

} // namespace

bool IsPageDocument(const QByteArray& bytes) {
    TGmXML document;
    return PageElements(document, bytes) != nullptr;
}

bool PasteItems(TPage& page, const QByteArray& bytes) {
    TGmXML document;
    const TGmXmlNodeList* elements = PageElements(document, bytes);
    if (!elements)
        return false;
    page.LoadFromXml(*elements, false, true);
    return true;
}

int NewPagePosition(const TReport& report, int pageType) {
    for (int i = 0; i < report.PageCount(); ++i) {
        if (report.Page(i)->PageType() > pageType)
            return i;
    }
    return report.PageCount();
}

int PastePage(TReport& report, const QByteArray& bytes) {
    TGmXML document;
    const TGmXmlNodeList* elements = PageElements(document, bytes);
    if (!elements)
        return -1;
    int position = 0;
    for (int i = 0; i < report.PageCount(); ++i) {
        if (report.Page(i)->PageType() == PageTypeOpening)
            position = i + 1;
    }
    report.InsertPage(position)->LoadFromXml(*elements, true, false);
    return position;
}

bool CanMovePage(const TReport& report, int from, int to) {
    const int count = report.PageCount();
    if (from == to || from < 0 || to < 0 || from >= count || to >= count)
        return false;
    return report.Page(from)->PageType() == report.Page(to)->PageType();
}
