#pragma once

// A line chart of the page's batch: the batch's chosen X quantity against its chosen
// Y quantities. Like the readings table it shows one block of readings per page and
// lets pagination repeat the page for the next block.

#include "reports/ChartRun.h"
#include "reports/PageItem.h"

#include <QString>

#include <cstdint>

class TPage;

class TPageItemChartRun : public TPageItem {
public:
    explicit TPageItemChartRun(TPage& page);

    QString TypeName() const override { return QStringLiteral("TPageItemChartRun"); }
    // Base copy, then FirstReading when the source is a chart too.
    void Assign(const TDocumentObject& source) override;
    // Only on inner pages: the block of readings from FirstReading, drawn by the page's
    // ChartPainter (a frame marks the place when the page has none).
    void Draw() override;
    // Base, then FirstReading := 0.
    void ResetPagination() override;
    // On an inner page moves FirstReading to the next block while readings remain.
    // Elsewhere the chart draws nothing, so it never asks for more pages.
    void Advance() override;

    // "ReadingsPerPage" as used for the blocks, 1 to 1000 whatever a file holds (a
    // block of no readings would repeat the page forever).
    int ReadingsPerPage() const;

    // Index (in the readings sorted by the X quantity) of this page's first reading.
    std::int32_t FirstReading = 0;

private:
    TChartRun m_builder;
};
