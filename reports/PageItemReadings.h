#pragma once

// The readings of the page's batch as a ruled table: date, time, viscosity, % full
// scale, temperature, speed, and shear stress and rate for spindles that deliver
// them. A page shows "RowsPerPage" readings; pagination repeats the page for the
// next block.

#include "reports/PageItem.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class TBatchItem;
class TMeasurementItem;
class TPage;

class TPageItemReadings : public TPageItem {
public:
    explicit TPageItemReadings(TPage& page);

    QString TypeName() const override { return QStringLiteral("TPageItemReadings"); }
    // Base copy, then FirstRow when the source is a readings table too.
    void Assign(const TDocumentObject& source) override;
    void Draw() override;
    // Base, then FirstRow := 0.
    void ResetPagination() override;
    // On an inner page moves FirstRow to the next block while readings remain. On
    // opening and closing pages the table shows the first block of the template's
    // example batch once and is done.
    void Advance() override;

    // "RowsPerPage" as drawn and advanced, at least 1 even when a file holds less (a
    // block of no rows would repeat the page forever).
    int RowsPerPage() const;
    // 8 columns when the batch's spindle delivers shear data, otherwise 6.
    static int ColumnCount(const TBatchItem& batch);
    // Captions of the header cells.
    static QStringList HeaderTexts(const TBatchItem& batch);
    // Cell texts of one reading, ColumnCount entries; "Over scale" replaces the
    // viscosity and percentage of an over-scale reading, whose shear cells are empty.
    static QStringList RowTexts(const TBatchItem& batch, const TMeasurementItem& reading);

    // Layout on the page's current OutputRect. ColumnEdges has ColumnCount + 1 device
    // x positions; the last column reaches at least the item's right edge.
    std::vector<int> ColumnEdges() const;
    // Em height of the table's font and the row height (1.5 em), device pixels.
    double EmHeight() const;
    double RowHeight() const { return 1.5 * EmHeight(); }
    int HeaderRows() const; // 2 with the column header, else 0
    // Device y of the top edge of table row r, counting header rows.
    int RowTop(int row) const;

    // Index in the batch's readings of the first row this copy of the page shows.
    std::int32_t FirstRow = 0;
};
