#include "ui/FormViewAnalysisWorker.h"

#include "charts/FlowChartStyle.h"
#include "reports/ChartFlow.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Where a value lands along an axis, in the axis' own measure.
double Placed(double value, bool logarithmic) {
    return logarithmic ? std::log(value) : value;
}

// Of the samples of a curve, those a straight line between the ones kept passes within a
// quarter pixel of are left out (Ramer–Douglas–Peucker). A model's curve is nearly
// straight over much of its range, and each segment of an antialiased line is stroked
// on its own at every replot. unitX and unitY: pixels per unit of the placed values,
// at least those of the plot.
void SimplifyCurve(TFlowChartCurve& curve, double unitX, double unitY, bool logarithmic) {
    const size_t count = std::min(curve.X.size(), curve.Y.size());
    if (count <= 2)
        return;
    std::vector<double> px(count), py(count);
    for (size_t i = 0; i < count; ++i) {
        px[i] = Placed(curve.X[i], logarithmic) * unitX;
        py[i] = Placed(curve.Y[i], logarithmic) * unitY;
    }
    std::vector<char> keep(count, 0);
    keep[0] = keep[count - 1] = 1;
    std::vector<std::pair<size_t, size_t>> spans{{0, count - 1}};
    while (!spans.empty()) {
        const auto [first, last] = spans.back();
        spans.pop_back();
        const double dx = px[last] - px[first], dy = py[last] - py[first];
        const double length = std::hypot(dx, dy);
        double farthest = 0.0;
        size_t at = first;
        for (size_t i = first + 1; i < last; ++i) {
            const double ex = px[i] - px[first], ey = py[i] - py[first];
            const double distance = length > 0.0 ? std::abs(dx * ey - dy * ex) / length : std::hypot(ex, ey);
            if (distance > farthest) {
                farthest = distance;
                at = i;
            }
        }
        if (farthest > 0.25) {
            keep[at] = 1;
            spans.emplace_back(first, at);
            spans.emplace_back(at, last);
        }
    }
    std::vector<double> x, y;
    for (size_t i = 0; i < count; ++i)
        if (keep[i]) {
            x.push_back(curve.X[i]);
            y.push_back(curve.Y[i]);
        }
    curve.X = std::move(x);
    curve.Y = std::move(y);
}

// Pixels per unit along an axis of pixels over what it shows: every value of values.
double Unit(const std::vector<const std::vector<double>*>& values, int pixels, bool logarithmic) {
    double low = std::numeric_limits<double>::infinity(), high = -low;
    for (const auto* column : values)
        for (double v : *column) {
            if (logarithmic && !(v > 0.0))
                continue;
            const double placed = Placed(v, logarithmic);
            if (!std::isfinite(placed))
                continue;
            low = std::min(low, placed);
            high = std::max(high, placed);
        }
    return high > low ? std::max(pixels, 1) / (high - low) : 0.0;
}

} // namespace

TFlowChartData AnalysisFlowChart(const TBatchAnalysis& analysis, const TFlowCurvePoints& points,
                                 bool logarithmic, QSize pixels) {
    TFlowChartData chart = BuildFlowChart(analysis, points, logarithmic);
    // The axes span at least every value shown, so a pixel is at most this much.
    std::vector<const std::vector<double>*> xs{&chart.X}, ys{&chart.Y};
    for (const TFlowChartCurve& curve : chart.Curves) {
        xs.push_back(&curve.X);
        ys.push_back(&curve.Y);
    }
    const double unitX = Unit(xs, pixels.width(), logarithmic);
    const double unitY = Unit(ys, pixels.height(), logarithmic);
    for (TFlowChartCurve& curve : chart.Curves)
        SimplifyCurve(curve, unitX, unitY, logarithmic);
    ThinFlowChartPoints(chart, pixels);
    return chart;
}

TAnalysisJobResult ComputeAnalysisJob(const TAnalysisJob& job) {
    TAnalysisJobResult result;
    result.Generation = job.Generation;
    result.Analysis = AnalyzeReadings(job.Model, job.Spindle, job.Readings, job.Options);
    result.Points = FlowCurvePoints(job.Model, job.Spindle, job.Readings, job.Options);
    result.Chart = AnalysisFlowChart(result.Analysis, result.Points, job.Logarithmic, job.Pixels);
    result.Pixels = job.Pixels;
    return result;
}

TAnalysisWorker::TAnalysisWorker(std::function<void(TAnalysisJobResult)> done)
    : m_done(std::move(done)), m_thread([this](std::stop_token stop) { Run(stop); }) {}

TAnalysisWorker::~TAnalysisWorker() {
    m_thread.request_stop();
    m_thread.join();
}

void TAnalysisWorker::Post(TAnalysisJob job) {
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::move(job);
    }
    m_wake.notify_one();
}

void TAnalysisWorker::Run(std::stop_token stop) {
    for (;;) {
        std::optional<TAnalysisJob> job;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return m_pending.has_value(); }))
                return;
            job.swap(m_pending);
        }
        TAnalysisJobResult result = ComputeAnalysisJob(*job);
        // Let go of the readings before the result goes out: while they are shared, the
        // next reading of the run copies them all.
        job.reset();
        if (stop.stop_requested())
            return;
        m_done(std::move(result));
    }
}
