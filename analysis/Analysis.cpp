#include "analysis/Analysis.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_fit.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace {

// ---------------------------------------------------------------------------
// Which readings may be used

struct TShearPoints {
    std::vector<double> Rate;
    std::vector<double> Stress;
    size_t Size() const { return Rate.size(); }
};

struct TUsedReading {
    double RPM;
    double Viscosity;
    double Temperature;
};

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

// What the use of a reading depends on besides its viscosity: the full scale and the
// speed of its speed code.
struct TSpeedFigures {
    double FullScale = 0.0;
    double RPM = 0.0;
};

TSpeedFigures SpeedFiguresOf(int model, int spindle, int rpmCode) {
    const bool known = model >= 0 && model < ModelTypeCount && spindle >= 0 && spindle < SpindleTypeCount;
    return {known ? FullScale(model, spindle, rpmCode) : 0.0, RPMCodeToValue(rpmCode)};
}

TReadingUse Classify(const TMeasurementItem& reading, const TSpeedFigures& speed,
                     const TAnalysisOptions& options) {
    const double viscosity = reading.Viscosity;
    if (viscosity >= OverRangeViscosity || speed.FullScale < viscosity)
        return TReadingUse::OverScale;
    // No viscosity, or a stopped spindle, says nothing about the fluid either.
    if (!Positive(viscosity) || !(speed.RPM > 0.0) ||
        (!options.IncludeLowTorque && viscosity / speed.FullScale * 100.0 < LowTorquePercent))
        return TReadingUse::LowTorque;
    return TReadingUse::Used;
}

// The speed figures of a batch's model and spindle, looked up once per speed code: a
// long run has a few codes over many readings.
class TSpeedFiguresCache {
public:
    TSpeedFiguresCache(int model, int spindle) : m_model(model), m_spindle(spindle) {}
    const TSpeedFigures& operator()(int rpmCode) {
        if (rpmCode < 0 || rpmCode >= RPMTableCount) {
            m_other = SpeedFiguresOf(m_model, m_spindle, rpmCode);
            return m_other;
        }
        auto& figures = m_codes[static_cast<size_t>(rpmCode)];
        if (!figures)
            figures = SpeedFiguresOf(m_model, m_spindle, rpmCode);
        return *figures;
    }

private:
    int m_model;
    int m_spindle;
    std::array<std::optional<TSpeedFigures>, RPMTableCount> m_codes;
    TSpeedFigures m_other;
};

// ---------------------------------------------------------------------------
// Fit quality

double Mean(const std::vector<double>& values) {
    double sum = 0.0;
    for (double v : values)
        sum += v;
    return sum / static_cast<double>(values.size());
}

double TotalSumOfSquares(const std::vector<double>& values) {
    const double mean = Mean(values);
    double sum = 0.0;
    for (double v : values)
        sum += (v - mean) * (v - mean);
    return sum;
}

// NaN when the values do not vary (no R² then).
double RSquared(double residualSumOfSquares, double totalSumOfSquares) {
    if (!(totalSumOfSquares > 0.0))
        return std::numeric_limits<double>::quiet_NaN();
    return 1.0 - residualSumOfSquares / totalSumOfSquares;
}

std::optional<double> CorrectedAkaike(double residualSumOfSquares, int n, int p) {
    if (n <= p + 1 || !(residualSumOfSquares > 0.0) || !std::isfinite(residualSumOfSquares))
        return std::nullopt;
    const double dn = n;
    const double dp = p;
    return dn * std::log(residualSumOfSquares / dn) + 2.0 * dp + 2.0 * dp * (dp + 1.0) / (dn - dp - 1.0);
}

// Ordinary least squares y = c0 + c1·x with GSL; standard errors from its covariance
// (residual variance with n − 2 degrees of freedom).
struct TLineFit {
    double Intercept = 0.0;
    double Slope = 0.0;
    double InterceptError = 0.0;
    double SlopeError = 0.0;
    double R2 = 0.0;
    double ResidualSumOfSquares = 0.0;
};

TLineFit FitLine(const std::vector<double>& x, const std::vector<double>& y) {
    TLineFit fit;
    double cov00 = 0.0, cov01 = 0.0, cov11 = 0.0;
    gsl_fit_linear(x.data(), 1, y.data(), 1, x.size(), &fit.Intercept, &fit.Slope, &cov00, &cov01, &cov11,
                   &fit.ResidualSumOfSquares);
    fit.InterceptError = std::sqrt(cov00);
    fit.SlopeError = std::sqrt(cov11);
    fit.R2 = RSquared(fit.ResidualSumOfSquares, TotalSumOfSquares(y));
    return fit;
}

// ---------------------------------------------------------------------------
// Nonlinear least squares on τ (power law and Herschel–Bulkley) with GSL's
// Levenberg–Marquardt.
//
// The models depend on the reading only through its shear rate, and the instrument
// reports one shear rate per speed: readings at the same rate are fitted as their mean
// stress weighted by their count. The sum of squares differs from the one over every
// reading by the scatter within the groups, a constant, so the minimum, the Jacobian's
// JᵀJ and the standard errors are those of the fit over every reading; a long run of
// 100 000 readings costs a few dozen rows per step instead of 100 000.

struct TRateGroups {
    std::vector<double> Rate;
    std::vector<double> LogRate;
    std::vector<double> MeanStress;
    std::vector<double> Weight; // √(readings at the rate)
    double WithinSumOfSquares = 0.0;
    size_t Points = 0;
    std::vector<size_t> Of; // the group of each point
};

TRateGroups GroupByRate(const TShearPoints& points) {
    TRateGroups groups;
    std::unordered_map<double, size_t> index;
    std::vector<size_t>& group = groups.Of;
    group.resize(points.Size());
    std::vector<double> count;
    for (size_t i = 0; i < points.Size(); ++i) {
        const auto [at, added] = index.try_emplace(points.Rate[i], count.size());
        if (added) {
            groups.Rate.push_back(points.Rate[i]);
            groups.LogRate.push_back(std::log(points.Rate[i]));
            groups.MeanStress.push_back(0.0);
            count.push_back(0.0);
        }
        group[i] = at->second;
        groups.MeanStress[at->second] += points.Stress[i];
        count[at->second] += 1.0;
    }
    for (size_t g = 0; g < count.size(); ++g) {
        groups.MeanStress[g] /= count[g];
        groups.Weight.push_back(std::sqrt(count[g]));
    }
    for (size_t i = 0; i < points.Size(); ++i) {
        const double r = points.Stress[i] - groups.MeanStress[group[i]];
        groups.WithinSumOfSquares += r * r;
    }
    groups.Points = points.Size();
    return groups;
}

// γ̇ⁿ is computed once per trial n and shared by the residual and the Jacobian, which
// GSL asks for at the same parameters.
struct TPowerData {
    const TRateGroups* Groups = nullptr;
    std::vector<double> Power; // γ̇ⁿ for PowerFor
    double PowerFor = std::numeric_limits<double>::quiet_NaN();
    bool WithYield = false; // parameters (τ₀, K, n) instead of (K, n)

    const std::vector<double>& Powers(double n) {
        if (!(n == PowerFor)) {
            const auto& logRate = Groups->LogRate;
            Power.resize(logRate.size());
            for (size_t i = 0; i < logRate.size(); ++i)
                Power[i] = std::exp(n * logRate[i]);
            PowerFor = n;
        }
        return Power;
    }
};

int PowerResiduals(const gsl_vector* x, void* data, gsl_vector* f) {
    auto* d = static_cast<TPowerData*>(data);
    const size_t k = d->WithYield ? 1 : 0;
    const double yield = d->WithYield ? gsl_vector_get(x, 0) : 0.0;
    const double K = gsl_vector_get(x, k);
    const auto& power = d->Powers(gsl_vector_get(x, k + 1));
    const auto& stress = d->Groups->MeanStress;
    const auto& weight = d->Groups->Weight;
    double* out = f->data;
    for (size_t i = 0; i < power.size(); ++i)
        out[i * f->stride] = weight[i] * (yield + K * power[i] - stress[i]);
    return GSL_SUCCESS;
}

int PowerJacobian(const gsl_vector* x, void* data, gsl_matrix* J) {
    auto* d = static_cast<TPowerData*>(data);
    const size_t k = d->WithYield ? 1 : 0;
    const double K = gsl_vector_get(x, k);
    const auto& power = d->Powers(gsl_vector_get(x, k + 1));
    const auto& weight = d->Groups->Weight;
    const auto& logRate = d->Groups->LogRate;
    for (size_t i = 0; i < power.size(); ++i) {
        double* row = J->data + i * J->tda;
        if (d->WithYield)
            row[0] = weight[i];
        row[k] = weight[i] * power[i];
        row[k + 1] = weight[i] * K * power[i] * logRate[i];
    }
    return GSL_SUCCESS;
}

struct TNonlinearFit {
    std::vector<double> Values;
    std::vector<double> Errors;
    double ResidualSumOfSquares = std::numeric_limits<double>::infinity(); // over every reading
};

// The sum of squares over the groups (without the scatter within them).
double PowerSumOfSquares(TPowerData& data, const std::vector<double>& start) {
    const size_t k = data.WithYield ? 1 : 0;
    const double yield = data.WithYield ? start[0] : 0.0;
    const auto& power = data.Powers(start[k + 1]);
    double sum = 0.0;
    for (size_t i = 0; i < power.size(); ++i) {
        const double r = data.Groups->Weight[i] * (yield + start[k] * power[i] - data.Groups->MeanStress[i]);
        sum += r * r;
    }
    return sum;
}

// Converges from start to the least-squares minimum; nullopt when GSL gives up or the
// result is not finite.
std::optional<TNonlinearFit> FitPowerModel(TPowerData& data, const std::vector<double>& start) {
    const size_t n = data.Groups->LogRate.size();
    const size_t p = start.size();
    gsl_multifit_nlinear_parameters params = gsl_multifit_nlinear_default_parameters();
    params.trs = gsl_multifit_nlinear_trs_lm;
    // With a shear rate of its own for each of many readings, a QR of the whole
    // Jacobian at every step would cost a pass over every reading per column; the
    // p × p normal equations (at most three parameters) do not.
    if (n > 1000)
        params.solver = gsl_multifit_nlinear_solver_cholesky;
    std::unique_ptr<gsl_multifit_nlinear_workspace, decltype(&gsl_multifit_nlinear_free)> work(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &params, n, p), &gsl_multifit_nlinear_free);
    std::unique_ptr<gsl_vector, decltype(&gsl_vector_free)> x0(gsl_vector_alloc(p), &gsl_vector_free);
    std::unique_ptr<gsl_matrix, decltype(&gsl_matrix_free)> covar(gsl_matrix_alloc(p, p), &gsl_matrix_free);
    for (size_t i = 0; i < p; ++i)
        gsl_vector_set(x0.get(), i, start[i]);

    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = PowerResiduals;
    fdf.df = PowerJacobian;
    fdf.n = n;
    fdf.p = p;
    fdf.params = &data;
    gsl_multifit_nlinear_init(x0.get(), &fdf, work.get());
    int info = 0;
    const int status =
        gsl_multifit_nlinear_driver(500, 1e-14, 1e-14, 0.0, nullptr, nullptr, &info, work.get());
    // Tolerances this tight end in "no further progress" at the minimum itself.
    if (status != GSL_SUCCESS && status != GSL_ENOPROG)
        return std::nullopt;

    TNonlinearFit fit;
    const gsl_vector* x = gsl_multifit_nlinear_position(work.get());
    const gsl_vector* f = gsl_multifit_nlinear_residual(work.get());
    gsl_blas_ddot(f, f, &fit.ResidualSumOfSquares);
    fit.ResidualSumOfSquares += data.Groups->WithinSumOfSquares;
    // The Jacobian at the solution itself (the workspace's may be a step behind).
    std::unique_ptr<gsl_matrix, decltype(&gsl_matrix_free)> J(gsl_matrix_alloc(n, p), &gsl_matrix_free);
    PowerJacobian(x, &data, J.get());
    gsl_multifit_nlinear_covar(J.get(), 0.0, covar.get());
    const double variance = fit.ResidualSumOfSquares / static_cast<double>(data.Groups->Points - p);
    for (size_t i = 0; i < p; ++i) {
        fit.Values.push_back(gsl_vector_get(x, i));
        fit.Errors.push_back(std::sqrt(variance * gsl_matrix_get(covar.get(), i, i)));
    }
    for (double v : fit.Values)
        if (!std::isfinite(v))
            return std::nullopt;
    return fit;
}

// From every start, the fit with the least residual: the nonlinear models can have
// more than one local minimum.
std::optional<TNonlinearFit> FitPowerModelFrom(TPowerData& data,
                                               const std::vector<std::vector<double>>& starts) {
    std::optional<TNonlinearFit> best;
    for (const auto& start : starts) {
        bool finite = true;
        for (double v : start)
            finite = finite && std::isfinite(v);
        if (!finite)
            continue;
        auto fit = FitPowerModel(data, start);
        if (fit && (!best || fit->ResidualSumOfSquares < best->ResidualSumOfSquares))
            best = std::move(fit);
    }
    return best;
}

// ---------------------------------------------------------------------------
// The flow models

TFitParameter Parameter(const char* key, const char* symbol, TAnalysisUnit unit, double value, double error) {
    TFitParameter parameter;
    parameter.Key = key;
    parameter.Symbol = QString::fromUtf8(symbol);
    parameter.Unit = unit;
    parameter.Value = value;
    parameter.StandardError = error;
    return parameter;
}

// The sum of squares of τ over every point. The model's stress is computed once per
// shear rate (a long run repeats a few), the very value it has at each point of it.
double ResidualSumOfSquares(const TFlowModelFit& fit, const TShearPoints& points, const TRateGroups& groups) {
    std::vector<double> model(groups.Rate.size());
    for (size_t g = 0; g < model.size(); ++g)
        model[g] = fit.ShearStressAt(groups.Rate[g]);
    double sum = 0.0;
    for (size_t i = 0; i < points.Size(); ++i) {
        const double r = points.Stress[i] - model[groups.Of[i]];
        sum += r * r;
    }
    return sum;
}

// totalSumOfSquares: of the points' τ.
void Finish(TFlowModelFit& fit, const TShearPoints& points, const TRateGroups& groups,
            double totalSumOfSquares) {
    fit.Points = static_cast<int>(points.Size());
    if (fit.Model != TFlowModel::Casson) {
        fit.ResidualSumOfSquares = ResidualSumOfSquares(fit, points, groups);
        fit.R2 = RSquared(fit.ResidualSumOfSquares, totalSumOfSquares);
    }
    fit.AICc = CorrectedAkaike(fit.ResidualSumOfSquares, fit.Points, static_cast<int>(fit.Parameters.size()));
}

void FitFlowModels(const TShearPoints& points, int spindle, TBatchAnalysis& analysis) {
    const int n = static_cast<int>(points.Size());
    if (n == 0) {
        analysis.FlowModelsReason = SpindleHasShear(spindle) ? Tr("No usable reading has shear data.")
                                                             : Tr("The spindle gives no shear data.");
        return;
    }
    const TRateGroups groups = GroupByRate(points);
    const double total = TotalSumOfSquares(points.Stress);
    const int rates = static_cast<int>(groups.LogRate.size());
    std::vector<double> logRate(points.Size()), logStress(points.Size());
    for (size_t i = 0; i < points.Size(); ++i) {
        logRate[i] = groups.LogRate[groups.Of[i]];
        logStress[i] = std::log(points.Stress[i]);
    }
    auto fittable = [&](TFlowModel model) {
        const int p = FlowModelParameterCount(model);
        if (n > p && rates >= p)
            return true;
        TFlowModelMissing missing;
        missing.Model = model;
        missing.Reason = n <= p ? Tr("%1 needs more than %2 readings with shear data (%3 found).")
                                      .arg(FlowModelName(model))
                                      .arg(p)
                                      .arg(n)
                                : Tr("%1 needs readings at %2 different shear rates (%3 found).")
                                      .arg(FlowModelName(model))
                                      .arg(p)
                                      .arg(rates);
        analysis.MissingFlowModels.push_back(std::move(missing));
        return false;
    };
    auto unconverged = [&](TFlowModel model) {
        TFlowModelMissing missing;
        missing.Model = model;
        missing.Reason = Tr("%1 could not be fitted to these readings.").arg(FlowModelName(model));
        analysis.MissingFlowModels.push_back(std::move(missing));
    };

    // Newtonian: τ = η·γ̇ through the origin.
    if (fittable(TFlowModel::Newtonian)) {
        double eta = 0.0, cov = 0.0, sumsq = 0.0;
        gsl_fit_mul(points.Rate.data(), 1, points.Stress.data(), 1, points.Size(), &eta, &cov, &sumsq);
        TFlowModelFit fit;
        fit.Model = TFlowModel::Newtonian;
        fit.Parameters = {Parameter("viscosity", "η", TAnalysisUnit::StressSeconds, eta, std::sqrt(cov))};
        Finish(fit, points, groups, total);
        analysis.FlowModels.push_back(std::move(fit));
    }

    // The straight line in log space starts the power law and, with Bingham, the
    // Herschel–Bulkley fit.
    std::optional<TLineFit> logLine;
    if (rates >= 2)
        logLine = FitLine(logRate, logStress);
    std::optional<TLineFit> bingham;
    if (rates >= 2)
        bingham = FitLine(points.Rate, points.Stress);

    TPowerData power;
    power.Groups = &groups;
    std::optional<TNonlinearFit> powerLaw;
    if (fittable(TFlowModel::PowerLaw)) {
        power.WithYield = false;
        powerLaw = FitPowerModelFrom(power, {{std::exp(logLine->Intercept), logLine->Slope}});
        if (powerLaw) {
            TFlowModelFit fit;
            fit.Model = TFlowModel::PowerLaw;
            fit.Parameters = {
                Parameter("K", "K", TAnalysisUnit::StressSecondsN, powerLaw->Values[0], powerLaw->Errors[0]),
                Parameter("n", "n", TAnalysisUnit::None, powerLaw->Values[1], powerLaw->Errors[1])};
            Finish(fit, points, groups, total);
            analysis.FlowModels.push_back(std::move(fit));
        } else {
            unconverged(TFlowModel::PowerLaw);
        }
    }

    if (fittable(TFlowModel::Bingham)) {
        TFlowModelFit fit;
        fit.Model = TFlowModel::Bingham;
        fit.Parameters = {Parameter("yield_stress", "τ₀", TAnalysisUnit::ShearStress, bingham->Intercept,
                                    bingham->InterceptError),
                          Parameter("plastic_viscosity", "η_p", TAnalysisUnit::StressSeconds, bingham->Slope,
                                    bingham->SlopeError)};
        Finish(fit, points, groups, total);
        analysis.FlowModels.push_back(std::move(fit));
    }

    // Casson: √τ = √τ₀ + √η_c·√γ̇, a straight line in the square roots.
    if (fittable(TFlowModel::Casson)) {
        std::vector<double> rootRate(points.Size()), rootStress(points.Size());
        for (size_t i = 0; i < points.Size(); ++i) {
            rootRate[i] = std::sqrt(points.Rate[i]);
            rootStress[i] = std::sqrt(points.Stress[i]);
        }
        const TLineFit line = FitLine(rootRate, rootStress);
        TFlowModelFit fit;
        fit.Model = TFlowModel::Casson;
        fit.CassonIntercept = line.Intercept;
        fit.CassonSlope = line.Slope;
        fit.Parameters = {Parameter("yield_stress", "τ₀", TAnalysisUnit::ShearStress,
                                    line.Intercept * line.Intercept,
                                    2.0 * std::abs(line.Intercept) * line.InterceptError),
                          Parameter("casson_viscosity", "η_c", TAnalysisUnit::StressSeconds,
                                    line.Slope * line.Slope, 2.0 * std::abs(line.Slope) * line.SlopeError)};
        fit.R2 = line.R2;
        fit.ResidualSumOfSquares = ResidualSumOfSquares(fit, points, groups);
        Finish(fit, points, groups, total);
        analysis.FlowModels.push_back(std::move(fit));
    }

    if (fittable(TFlowModel::HerschelBulkley)) {
        power.WithYield = true;
        std::vector<std::vector<double>> starts;
        if (powerLaw)
            starts.push_back({0.0, powerLaw->Values[0], powerLaw->Values[1]});
        starts.push_back({0.0, std::exp(logLine->Intercept), logLine->Slope});
        starts.push_back({bingham->Intercept, bingham->Slope, 1.0});
        // Only the most promising start is refined when there are many shear rates:
        // each refinement costs a pass over every rate per step.
        if (groups.LogRate.size() > 5000) {
            std::sort(starts.begin(), starts.end(), [&](const auto& a, const auto& b) {
                return PowerSumOfSquares(power, a) < PowerSumOfSquares(power, b);
            });
            starts.resize(1);
        }
        const auto hb = FitPowerModelFrom(power, starts);
        if (hb) {
            TFlowModelFit fit;
            fit.Model = TFlowModel::HerschelBulkley;
            fit.Parameters = {
                Parameter("yield_stress", "τ₀", TAnalysisUnit::ShearStress, hb->Values[0], hb->Errors[0]),
                Parameter("K", "K", TAnalysisUnit::StressSecondsN, hb->Values[1], hb->Errors[1]),
                Parameter("n", "n", TAnalysisUnit::None, hb->Values[2], hb->Errors[2])};
            Finish(fit, points, groups, total);
            analysis.FlowModels.push_back(std::move(fit));
        } else {
            unconverged(TFlowModel::HerschelBulkley);
        }
    }

    // Keep the listed order whatever order the fits were made in.
    std::stable_sort(analysis.FlowModels.begin(), analysis.FlowModels.end(),
                     [](const TFlowModelFit& a, const TFlowModelFit& b) { return a.Model < b.Model; });
    std::stable_sort(
        analysis.MissingFlowModels.begin(), analysis.MissingFlowModels.end(),
        [](const TFlowModelMissing& a, const TFlowModelMissing& b) { return a.Model < b.Model; });

    if (analysis.FlowModels.empty()) {
        analysis.FlowModelsReason =
            Tr("Too few readings with shear data for any flow model (%1 found).").arg(n);
        return;
    }
    for (size_t i = 0; i < analysis.FlowModels.size(); ++i) {
        const auto& aicc = analysis.FlowModels[i].AICc;
        if (aicc && (analysis.BestModel < 0 ||
                     *aicc < *analysis.FlowModels[static_cast<size_t>(analysis.BestModel)].AICc))
            analysis.BestModel = static_cast<int>(i);
    }
    if (analysis.BestModel < 0)
        analysis.BestModelReason =
            Tr("Too few readings with shear data to compare the models (%1 found).").arg(n);
}

// ---------------------------------------------------------------------------
// From speed and temperature

// The used readings grouped by speed, slowest first.
std::map<double, std::vector<const TUsedReading*>> BySpeed(const std::vector<TUsedReading>& used) {
    std::map<double, std::vector<const TUsedReading*>> speeds;
    for (const auto& reading : used)
        speeds[reading.RPM].push_back(&reading);
    return speeds;
}

void FitSpeedPowerLaw(const std::vector<TUsedReading>& used, size_t speedCount, TBatchAnalysis& analysis) {
    if (speedCount < 2) {
        analysis.SpeedPowerLaw.Reason = used.empty()
                                            ? Tr("No usable reading.")
                                            : Tr("The flow index needs readings at two different speeds.");
        return;
    }
    std::vector<double> x(used.size()), y(used.size());
    for (size_t i = 0; i < used.size(); ++i) {
        x[i] = std::log(used[i].RPM);
        y[i] = std::log(used[i].Viscosity);
    }
    const TLineFit line = FitLine(x, y);
    TSpeedPowerLaw result;
    result.K = std::exp(line.Intercept);
    result.FlowIndex = line.Slope + 1.0;
    result.R2 = line.R2;
    result.Points = static_cast<int>(used.size());
    analysis.SpeedPowerLaw.Result = result;
}

double MeanViscosity(const std::vector<const TUsedReading*>& readings) {
    double sum = 0.0;
    for (const auto* reading : readings)
        sum += reading->Viscosity;
    return sum / static_cast<double>(readings.size());
}

void FindThixotropicIndex(const std::map<double, std::vector<const TUsedReading*>>& speeds,
                          TBatchAnalysis& analysis) {
    for (const auto& [low, lowReadings] : speeds) {
        const double target = 10.0 * low;
        for (const auto& [high, highReadings] : speeds) {
            if (std::abs(high - target) > 1e-9 * target)
                continue;
            TThixotropicIndex result;
            result.LowRPM = low;
            result.HighRPM = high;
            result.LowPoints = static_cast<int>(lowReadings.size());
            result.HighPoints = static_cast<int>(highReadings.size());
            result.Value = MeanViscosity(lowReadings) / MeanViscosity(highReadings);
            analysis.ThixotropicIndex.Result = result;
            return;
        }
    }
    analysis.ThixotropicIndex.Reason =
        Tr("The thixotropic index needs readings at a speed and at ten times that speed.");
}

void FitArrhenius(const std::map<double, std::vector<const TUsedReading*>>& speeds,
                  TBatchAnalysis& analysis) {
    if (speeds.empty()) {
        analysis.Arrhenius.Reason = Tr("No usable reading.");
        return;
    }
    // The speed with the most readings; the slower one of a tie.
    auto chosen = speeds.begin();
    for (auto it = speeds.begin(); it != speeds.end(); ++it)
        if (it->second.size() > chosen->second.size())
            chosen = it;
    const auto& readings = chosen->second;
    double lowest = std::numeric_limits<double>::infinity();
    double highest = -std::numeric_limits<double>::infinity();
    for (const auto* reading : readings) {
        lowest = std::min(lowest, reading->Temperature);
        highest = std::max(highest, reading->Temperature);
    }
    const double span = highest - lowest;
    if (readings.size() < 3 || !(span >= 5.0)) {
        analysis.Arrhenius.Reason =
            Tr("The temperature dependence needs at least 3 readings at one speed spanning 5 K or more "
               "(%1 at %2 RPM spanning %3 K).")
                .arg(readings.size())
                .arg(FormatAnalysisNumber(chosen->first))
                .arg(FormatLocaleFixed(std::isfinite(span) ? span : 0.0, 1));
        return;
    }
    std::vector<double> x(readings.size()), y(readings.size());
    for (size_t i = 0; i < readings.size(); ++i) {
        x[i] = 1.0 / (readings[i]->Temperature + 273.15);
        y[i] = std::log(readings[i]->Viscosity);
    }
    const TLineFit line = FitLine(x, y);
    TArrhenius result;
    result.ActivationEnergyKJPerMol = line.Slope * GasConstant / 1000.0;
    result.LnA = line.Intercept;
    result.R2 = line.R2;
    result.RPM = chosen->first;
    result.Points = static_cast<int>(readings.size());
    analysis.Arrhenius.Result = result;
}

} // namespace

// ---------------------------------------------------------------------------

const char* FlowModelKey(TFlowModel model) {
    switch (model) {
    case TFlowModel::Newtonian:
        return "newtonian";
    case TFlowModel::PowerLaw:
        return "power-law";
    case TFlowModel::Bingham:
        return "bingham";
    case TFlowModel::Casson:
        return "casson";
    case TFlowModel::HerschelBulkley:
        return "herschel-bulkley";
    }
    return "";
}

QString FlowModelName(TFlowModel model) {
    switch (model) {
    case TFlowModel::Newtonian:
        return Tr("Newtonian");
    case TFlowModel::PowerLaw:
        return Tr("Power law");
    case TFlowModel::Bingham:
        return Tr("Bingham");
    case TFlowModel::Casson:
        return Tr("Casson");
    case TFlowModel::HerschelBulkley:
        return Tr("Herschel–Bulkley");
    }
    return QString();
}

int FlowModelParameterCount(TFlowModel model) {
    switch (model) {
    case TFlowModel::Newtonian:
        return 1;
    case TFlowModel::PowerLaw:
    case TFlowModel::Bingham:
    case TFlowModel::Casson:
        return 2;
    case TFlowModel::HerschelBulkley:
        return 3;
    }
    return 0;
}

double TFlowModelFit::ShearStressAt(double shearRate) const {
    auto value = [&](size_t i) { return i < Parameters.size() ? Parameters[i].Value : 0.0; };
    switch (Model) {
    case TFlowModel::Newtonian:
        return value(0) * shearRate;
    case TFlowModel::PowerLaw:
        return value(0) * std::pow(shearRate, value(1));
    case TFlowModel::Bingham:
        return value(0) + value(1) * shearRate;
    case TFlowModel::Casson: {
        const double root = CassonIntercept + CassonSlope * std::sqrt(shearRate);
        return root * root;
    }
    case TFlowModel::HerschelBulkley:
        return value(0) + value(1) * std::pow(shearRate, value(2));
    }
    return 0.0;
}

const TFitParameter* TFlowModelFit::Parameter(const char* key) const {
    for (const auto& parameter : Parameters)
        if (qstrcmp(parameter.Key, key) == 0)
            return &parameter;
    return nullptr;
}

const TFlowModelFit* TBatchAnalysis::Fit(TFlowModel model) const {
    for (const auto& fit : FlowModels)
        if (fit.Model == model)
            return &fit;
    return nullptr;
}

const TSpeedMeans* TBatchAnalysis::AtSpeed(double rpm) const {
    for (const auto& speed : Speeds)
        if (std::abs(speed.RPM - rpm) <= 1e-9 * std::abs(rpm))
            return &speed;
    return nullptr;
}

QString TBatchAnalysis::NothingUsableReason() const {
    if (Readings == 0)
        return Tr("The batch has no readings.");
    if (Used == 0)
        return Tr("No usable reading: %1 over scale, %2 low torque.")
            .arg(ExcludedOverScale)
            .arg(ExcludedLowTorque);
    return QString();
}

TReadingUse ClassifyReading(int model, int spindle, const TMeasurementItem& reading,
                            const TAnalysisOptions& options) {
    return Classify(reading, SpeedFiguresOf(model, spindle, reading.RPMCode), options);
}

bool HasShearData(const TMeasurementItem& reading) {
    return Positive(reading.SheerRate) && Positive(reading.SheerStress);
}

TBatchAnalysis AnalyzeReadings(int model, int spindle, const TMeasurementList& readings,
                               const TAnalysisOptions& options) {
    // GSL's default answer to a numerical failure (a singular matrix, say) is abort();
    // every call here checks its status instead. The program has no other GSL user.
    static std::once_flag quiet;
    std::call_once(quiet, [] { gsl_set_error_handler_off(); });
    TBatchAnalysis analysis;
    analysis.LowTorqueIncluded = options.IncludeLowTorque;
    analysis.Readings = readings.Count();

    std::vector<TUsedReading> used;
    used.reserve(static_cast<size_t>(readings.Count()));
    TShearPoints shear;
    TSpeedFiguresCache speedFigures(model, spindle);
    for (const TMeasurementItem* reading : readings) {
        const TSpeedFigures& speed = speedFigures(reading->RPMCode);
        const TReadingUse use = Classify(*reading, speed, options);
        if (use == TReadingUse::OverScale) {
            ++analysis.ExcludedOverScale;
            continue;
        }
        if (use == TReadingUse::LowTorque) {
            ++analysis.ExcludedLowTorque;
            continue;
        }
        used.push_back({speed.RPM, reading->Viscosity, reading->Temperature});
        if (HasShearData(*reading)) {
            shear.Rate.push_back(reading->SheerRate);
            shear.Stress.push_back(reading->SheerStress);
        } else {
            ++analysis.ExcludedNoShearData;
        }
    }
    analysis.Used = static_cast<int>(used.size());

    const auto speeds = BySpeed(used);
    FitFlowModels(shear, spindle, analysis);
    FitSpeedPowerLaw(used, speeds.size(), analysis);
    if (used.empty())
        analysis.ThixotropicIndex.Reason = Tr("No usable reading.");
    else
        FindThixotropicIndex(speeds, analysis);
    FitArrhenius(speeds, analysis);
    for (const auto& [rpm, readings] : speeds) {
        TSpeedMeans means;
        means.RPM = rpm;
        means.Points = static_cast<int>(readings.size());
        means.Viscosity = MeanViscosity(readings);
        double temperature = 0.0;
        for (const auto* reading : readings)
            temperature += reading->Temperature;
        means.Temperature = temperature / static_cast<double>(readings.size());
        analysis.Speeds.push_back(means);
    }
    return analysis;
}

TBatchAnalysis AnalyzeBatch(const TBatchItem& batch, const TAnalysisOptions& options) {
    return AnalyzeReadings(batch.ModelType, batch.SpindleType, batch.Measurements, options);
}
