#include "reports/PageItemChartRun.h"

#include "core/Error.h"
#include "reports/Page.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace {

constexpr int ReadingsPerPageMin = 1;
constexpr int ReadingsPerPageMax = 1000;

} // namespace

TPageItemChartRun::TPageItemChartRun(TPage& page) : TPageItem(page) {
    Properties.Add(QStringLiteral("FontName"), Tr("FontName"), ptFontName)
        ->SetString(QStringLiteral("Arial"));
    Properties.Add(QStringLiteral("3D"), Tr("3D"), ptBoolean)->SetBoolean(true);
    Properties.Add(QStringLiteral("Grid"), Tr("Grid"), ptBoolean)->SetBoolean(true);
    Properties.Add(QStringLiteral("ShowLegend"), Tr("ShowLegend"), ptBoolean)->SetBoolean(true);
    TProperty* block = Properties.Add(QStringLiteral("ReadingsPerPage"), Tr("ReadingsPerPage"), ptInteger);
    block->SetInteger(20);
    ClampIntegerProperty(*block, ReadingsPerPageMin, ReadingsPerPageMax);
    SetName(page.UniqueItemName(Tr("ChartRun")));
    Properties.Sort();
}

void TPageItemChartRun::Assign(const TDocumentObject& source) {
    TPageItem::Assign(source);
    if (const auto* chart = dynamic_cast<const TPageItemChartRun*>(&source))
        FirstReading = chart->FirstReading;
}

void TPageItemChartRun::ResetPagination() {
    TPageItem::ResetPagination();
    FirstReading = 0;
}

void TPageItemChartRun::Advance() {
    TPageItem::Advance();
    if (Page.PageType() != PageTypeInner)
        return;
    const int block = ReadingsPerPage();
    if (static_cast<qint64>(FirstReading) + block < Page.Batch.Measurements.Count()) {
        FirstReading += block;
        Done = false;
    }
}

int TPageItemChartRun::ReadingsPerPage() const {
    return std::clamp(GetInteger(QStringLiteral("ReadingsPerPage")), ReadingsPerPageMin, ReadingsPerPageMax);
}

void TPageItemChartRun::Draw() {
    TPageItem::Draw();
    const std::optional<TDeviceRect> rect = ChartItemRect(*this);
    if (!rect)
        return;
    m_builder.Batch.Assign(Page.Batch);
    m_builder.FontName = GetString(QStringLiteral("FontName"));
    m_builder.View3D = GetBoolean(QStringLiteral("3D"));
    m_builder.Grid = GetBoolean(QStringLiteral("Grid"));
    m_builder.ShowLegend = GetBoolean(QStringLiteral("ShowLegend"));
    m_builder.FirstIndex = FirstReading;
    m_builder.LastIndex = static_cast<std::int32_t>(
        std::min<qint64>(std::numeric_limits<std::int32_t>::max(), qint64(FirstReading) + ReadingsPerPage()));
    m_builder.DrawChart(*Page.Canvas, *rect, *Page.ChartPainter);
}
