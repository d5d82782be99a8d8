#pragma once

// The flow curve of the page's batch: shear stress against shear rate, the readings the
// flow models were fitted to and each fitted model's curve. Drawn on inner pages, whole
// (it asks for no further pages), by the page's chart painter. A report that holds one
// can be read only by a program that knows this item; reports without it are saved as
// before.

#include "reports/PageItem.h"

#include <QString>

class TPage;

class TPageItemChartFlow : public TPageItem {
public:
    explicit TPageItemChartFlow(TPage& page);

    QString TypeName() const override { return QStringLiteral("TPageItemChartFlow"); }
    // Only on inner pages; a frame marks the place when the page has no chart painter.
    void Draw() override;
};
