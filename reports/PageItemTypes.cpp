// The registry of page item types by the names stored in report files and on the
// clipboard. Each item module provides a class with a constructor taking the page.

#include "core/Error.h"
#include "reports/PageItem.h"
#include "reports/PageItemMemo.h"

#if __has_include("reports/PageItemShape.h") && __has_include("reports/PageItemShape.cpp")
#include "reports/PageItemShape.h"
#define BRAMBLEX_HAVE_SHAPE 1
#endif
#if __has_include("reports/PageItemGraphic.h") && __has_include("reports/PageItemGraphic.cpp")
#include "reports/PageItemGraphic.h"
#define BRAMBLEX_HAVE_GRAPHIC 1
#endif
#if __has_include("reports/PageItemReadings.h") && __has_include("reports/PageItemReadings.cpp")
#include "reports/PageItemReadings.h"
#define BRAMBLEX_HAVE_READINGS 1
#endif
#if __has_include("reports/PageItemChartRun.h") && __has_include("reports/PageItemChartRun.cpp")
#include "reports/PageItemChartRun.h"
#define BRAMBLEX_HAVE_CHARTRUN 1
#endif

#include <array>

namespace {

template <class T> TPageItem* Construct(TPage& page) {
    return new T(page);
}

struct TPageItemClass {
    const char* Name;
    TPageItemConstructor Create; // null while the module is not part of the build
};

const std::array<TPageItemClass, 6>& Classes() {
    static const std::array<TPageItemClass, 6> classes{{
        {"TPageItem", Construct<TPageItem>},
        {"TPageItemMemo", Construct<TPageItemMemo>},
#ifdef BRAMBLEX_HAVE_SHAPE
        {"TPageItemShape", Construct<TPageItemShape>},
#else
        {"TPageItemShape", nullptr},
#endif
#ifdef BRAMBLEX_HAVE_GRAPHIC
        {"TPageItemGraphic", Construct<TPageItemGraphic>},
#else
        {"TPageItemGraphic", nullptr},
#endif
#ifdef BRAMBLEX_HAVE_READINGS
        {"TPageItemReadings", Construct<TPageItemReadings>},
#else
        {"TPageItemReadings", nullptr},
#endif
#ifdef BRAMBLEX_HAVE_CHARTRUN
        {"TPageItemChartRun", Construct<TPageItemChartRun>},
#else
        {"TPageItemChartRun", nullptr},
#endif
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
