#include "reports/ChartRun.h"

#include "catalogue/Catalogue.h"

#include <algorithm>
#include <cmath>

namespace {

// Values a chart can place: the over-range marker (1.7e308) and anything not finite
// are no measurement, and one of them would stretch an axis beyond use.
bool Plottable(double value) {
    return std::isfinite(value) && std::fabs(value) < 1e300;
}

// A range of no width (one reading, a constant quantity) gets room around its value.
void WidenEmptyRange(double& low, double& high) {
    if (high > low)
        return;
    const double margin = low != 0.0 ? std::fabs(low) * 0.05 : 0.5;
    low -= margin;
    high += margin;
}

} // namespace

void TChartRun::ParseSelectedY() {
    YShown = ParseSelectedYAxis(Batch.SelectedYAxis);
}

TRunChartData TChartRun::BuildRunChart() const {
    TRunChartData chart;
    chart.FontName = FontName;
    chart.View3D = View3D;
    chart.Grid = Grid;
    chart.ShowLegend = ShowLegend;
    chart.XIndex = Batch.SelectedXAxis;
    XAxisCaption(chart.XIndex); // raises "Invalid XAxis" before anything else
    const TMeasurementList& readings = Batch.Measurements;
    if (readings.IsEmpty())
        return chart;

    const int model = Batch.ModelType;
    const int spindle = Batch.SpindleType;
    const TMeasurementList sorted = readings.Sorted(chart.XIndex, model, spindle);
    const double start = readings.StartDateTime();
    const int count = sorted.Count();
    const int first = std::clamp(FirstIndex, 0, count - 1);
    const int last = std::clamp(LastIndex, first, count - 1);

    for (int i = 0; i < static_cast<int>(YShown.size()); ++i) {
        if (YShown[static_cast<size_t>(i)]) {
            chart.Series.push_back({});
            chart.Series.back().YIndex = i;
            chart.Series.back().X.reserve(static_cast<size_t>(count));
            chart.Series.back().Y.reserve(static_cast<size_t>(count));
        }
    }

    // The range comes from the block's readings that are drawn; when none of them is
    // (all over scale), from the block's readings whatever their scale.
    double low = INFINITY, high = -INFINITY;
    double anyLow = INFINITY, anyHigh = -INFINITY;
    for (int k = 0; k < count; ++k) {
        const TMeasurementItem& m = *sorted.Items(k);
        const TReadingQuantities q{
            model,         spindle,       TMeasurementList::ElapsedSecondsBetween(start, m.DateTime),
            m.Viscosity,   m.Temperature, m.RPMCode,
            m.SheerStress, m.SheerRate};
        const double x = XAxisValue(chart.XIndex, q);
        const bool drawn =
            Plottable(x) && Plottable(m.Viscosity) && !IsOverScale(model, spindle, m.RPMCode, m.Viscosity);
        if (k >= first && k <= last && Plottable(x)) {
            anyLow = std::min(anyLow, x);
            anyHigh = std::max(anyHigh, x);
            if (drawn) {
                low = std::min(low, x);
                high = std::max(high, x);
            }
        }
        if (!drawn)
            continue;
        for (TRunChartSeries& series : chart.Series) {
            const double y = YAxisValue(series.YIndex, q);
            if (!Plottable(y))
                continue;
            if (series.X.empty()) {
                series.YLow = y;
                series.YHigh = y;
            }
            series.X.push_back(x);
            series.Y.push_back(y);
            series.MaxY = std::max(series.MaxY, y);
            series.YLow = std::min(series.YLow, y);
            series.YHigh = std::max(series.YHigh, y);
        }
    }
    if (low > high) {
        low = anyLow;
        high = anyHigh;
    }
    if (low > high) {
        low = 0.0;
        high = 1.0;
    }
    WidenEmptyRange(low, high);
    chart.HasXRange = true;
    chart.XMin = low;
    chart.XMax = high;
    return chart;
}

QSize TChartRun::SurfaceSize(int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    constexpr double side = 800.0;
    if (height < width)
        return {800, std::max(1, static_cast<int>(RoundHalfUp(side / width * height)))};
    return {std::max(1, static_cast<int>(RoundHalfUp(side / height * width))), 800};
}

void TChartRun::TrimToRange(TRunChartData& chart) {
    if (!chart.HasXRange)
        return;
    for (TRunChartSeries& series : chart.Series) {
        std::vector<double>& x = series.X;
        std::vector<double>& y = series.Y;
        if (!std::is_sorted(x.begin(), x.end()))
            continue;
        auto from = std::lower_bound(x.begin(), x.end(), chart.XMin);
        auto to = std::upper_bound(x.begin(), x.end(), chart.XMax);
        if (from != x.begin())
            --from;
        if (to != x.end())
            ++to;
        const auto begin = from - x.begin();
        const auto end = to - x.begin();
        x.erase(x.begin() + end, x.end());
        x.erase(x.begin(), x.begin() + begin);
        y.erase(y.begin() + end, y.end());
        y.erase(y.begin(), y.begin() + begin);
    }
}

void TChartRun::DrawChart(QPainter& canvas, const TDeviceRect& rect, TChartPainter& painter) {
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    ParseSelectedY();
    TRunChartData chart = BuildRunChart();
    TrimToRange(chart);
    painter.DrawRunChart(canvas, rect.ToQRect(), SurfaceSize(rect.Width(), rect.Height()), chart);
}
