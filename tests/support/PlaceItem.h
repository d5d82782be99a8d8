#pragma once

// Report items placed on a page with their geometry in millimetres, for tests and
// benchmarks that build pages by hand.

#include "reports/Page.h"

#include <QString>

template <class T> T* Place(TPage& page, double left, double top, double width, double height) {
    T* item = page.AddItem<T>();
    item->Property(QStringLiteral("Left")).SetFloat(left);
    item->Property(QStringLiteral("Top")).SetFloat(top);
    item->Property(QStringLiteral("Width")).SetFloat(width);
    item->Property(QStringLiteral("Height")).SetFloat(height);
    return item;
}

template <class T>
T* Place(TPage& page, const QString& name, double left, double top, double width, double height) {
    T* item = Place<T>(page, left, top, width, height);
    item->Property(QStringLiteral("Name")).SetString(name);
    return item;
}
