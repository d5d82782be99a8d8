#pragma once

// Report items placed on a page with their geometry in millimetres, for tests and
// benchmarks that build pages by hand.

#include "reports/Page.h"

#include <QString>
#include <QStringList>

template <class T> T* Place(TPage& page, double left, double top, double width, double height) {
    T* item = page.AddItem<T>();
    item->SetLeft(left);
    item->SetTop(top);
    item->SetWidth(width);
    item->SetHeight(height);
    return item;
}

template <class T>
T* Place(TPage& page, const QString& name, double left, double top, double width, double height) {
    T* item = Place<T>(page, left, top, width, height);
    item->SetName(name);
    return item;
}

// Names and geometry of every item in drawing order, a star marking the selected ones:
// "Shape1*(10,20,30,40) Memo1(50,60,70,80)".
inline QString DescribeItems(const TPage& page) {
    QStringList parts;
    for (int i = 0; i < page.ItemCount(); ++i) {
        const TPageItem& item = *page.Item(i);
        parts << QStringLiteral("%1%2(%3,%4,%5,%6)")
                     .arg(item.Name(), item.Selected ? QStringLiteral("*") : QString())
                     .arg(item.Left())
                     .arg(item.Top())
                     .arg(item.Width())
                     .arg(item.Height());
    }
    return parts.join(u' ');
}
