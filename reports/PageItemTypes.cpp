// The registry of page item types by the names stored in report files and on the
// clipboard. Each item module provides a class with a constructor taking the page.

#include "core/Error.h"
#include "reports/PageItem.h"
#include "reports/PageItemChartFlow.h"
#include "reports/PageItemChartRun.h"
#include "reports/PageItemGraphic.h"
#include "reports/PageItemMemo.h"
#include "reports/PageItemReadings.h"
#include "reports/PageItemShape.h"

#include <array>

namespace {

template <class T> TPageItem* Construct(TPage& page) {
    return new T(page);
}

struct TPageItemClass {
    const char* Name;
    TPageItemConstructor Create;
};

const std::array<TPageItemClass, 7>& Classes() {
    static const std::array<TPageItemClass, 7> classes{{
        {"TPageItem", Construct<TPageItem>},
        {"TPageItemMemo", Construct<TPageItemMemo>},
        {"TPageItemShape", Construct<TPageItemShape>},
        {"TPageItemGraphic", Construct<TPageItemGraphic>},
        {"TPageItemReadings", Construct<TPageItemReadings>},
        {"TPageItemChartRun", Construct<TPageItemChartRun>},
        {"TPageItemChartFlow", Construct<TPageItemChartFlow>},
    }};
    return classes;
}

} // namespace

QStringList PageItemTypeNames() {
    QStringList names;
    for (const auto& c : Classes())
        names << QString::fromLatin1(c.Name);
    return names;
}

TPageItemConstructor FindPageItemConstructor(const QString& name) {
    for (const auto& c : Classes()) {
        if (name == QLatin1String(c.Name))
            return c.Create;
    }
    return nullptr;
}

TPageItem* CreatePageItem(const QString& typeName, TPage& page) {
    const TPageItemConstructor create = FindPageItemConstructor(typeName);
    if (!create)
        throw EBramblexError(Tr("Class %1 not found").arg(typeName));
    return create(page);
}
