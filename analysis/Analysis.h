#pragma once

// What a batch's readings mean: the flow curve fitted to the usual rheological models,
// the flow behaviour index from speed, the thixotropic index and the temperature
// dependence of viscosity. One computation for every front end: the batch view's
// "Analysis" tab, report fields and chart items, the JSON export, bramblex-cli analyze
// and the automation interface all read a TBatchAnalysis.
//
// Every value is in the units the batch stores: viscosity in mPas, temperature in
// degrees Celsius, speed in RPM, shear stress and shear rate as the instrument reports
// them (dyn/cm² and 1/s). A result that cannot be computed is absent and carries a
// one-line reason for the operator.

#include <QJsonObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class TBatchItem;
class TMeasurementItem;
class TMeasurementList;

struct TAnalysisOptions {
    // Readings below 10 % of full scale are unreliable and left out unless this is set.
    bool IncludeLowTorque = false;
};

// Below this percentage of full scale a reading is low torque.
inline constexpr double LowTorquePercent = 10.0;
// The gas constant of the Arrhenius fit, J/(mol·K).
inline constexpr double GasConstant = 8.314462618;

// The flow models in the order they are listed everywhere.
enum class TFlowModel { Newtonian, PowerLaw, Bingham, Casson, HerschelBulkley };
inline constexpr int FlowModelCount = 5;
inline constexpr std::array<TFlowModel, FlowModelCount> AllFlowModels{
    TFlowModel::Newtonian, TFlowModel::PowerLaw, TFlowModel::Bingham, TFlowModel::Casson,
    TFlowModel::HerschelBulkley};

// The machine name of files and scripts ("newtonian", "power-law", "bingham", "casson",
// "herschel-bulkley"); never translated.
const char* FlowModelKey(TFlowModel model);
// The name the operator reads ("Newtonian", "Power law", "Bingham", "Casson",
// "Herschel–Bulkley"), localised.
QString FlowModelName(TFlowModel model);
// How many parameters the model has (1 to 3).
int FlowModelParameterCount(TFlowModel model);

// What a parameter is measured in, for the labels of tables and report fields.
enum class TAnalysisUnit {
    None,           // a pure number (flow index n)
    ShearStress,    // dyn/cm² (yield stress)
    StressSeconds,  // dyn·s/cm² (Newtonian, plastic and Casson viscosity)
    StressSecondsN, // dyn·sⁿ/cm² (consistency K of the shear models)
    Viscosity,      // mPas (consistency K of the speed power law: viscosity at 1 RPM)
};
// "", "dyn/cm²", "dyn·s/cm²", "dyn·sⁿ/cm²", the viscosity unit name ("mPas" or "cP").
QString AnalysisUnitText(TAnalysisUnit unit);

// One fitted parameter.
struct TFitParameter {
    // The JSON name: "viscosity", "K", "n", "yield_stress", "plastic_viscosity",
    // "casson_viscosity".
    const char* Key = "";
    QString Symbol; // what the operator reads: "η", "K", "n", "τ₀", "η_p", "η_c"
    TAnalysisUnit Unit = TAnalysisUnit::None;
    double Value = 0.0;
    double StandardError = 0.0;
};

// One flow model fitted to the readings with shear data.
struct TFlowModelFit {
    TFlowModel Model = TFlowModel::Newtonian;
    // In the model's order: Newtonian viscosity; power law K, n; Bingham yield_stress,
    // plastic_viscosity; Casson yield_stress, casson_viscosity; Herschel–Bulkley
    // yield_stress, K, n.
    std::vector<TFitParameter> Parameters;
    double R2 = 0.0; // in the space that was fitted (√τ for Casson)
    int Points = 0;
    double ResidualSumOfSquares = 0.0; // of τ itself (Casson's curve squared back)
    // The corrected Akaike criterion; absent when the model has too few points for it
    // (n ≤ p + 1) or fits exactly (no residual).
    std::optional<double> AICc;
    // Casson's fitted intercept and slope of √τ on √γ̇ (their signs matter for the curve).
    double CassonIntercept = 0.0;
    double CassonSlope = 0.0;

    // The model's shear stress at a shear rate, for drawing its curve.
    double ShearStressAt(double shearRate) const;
    // The parameter with a JSON name, or nullptr.
    const TFitParameter* Parameter(const char* key) const;
};

// A flow model that could not be fitted, and why.
struct TFlowModelMissing {
    TFlowModel Model = TFlowModel::Newtonian;
    QString Reason;
};

// Flow behaviour index from speed: ln η = ln K + (n − 1)·ln N.
struct TSpeedPowerLaw {
    double K = 0.0;         // mPas: the viscosity at 1 RPM
    double FlowIndex = 0.0; // n
    double R2 = 0.0;
    int Points = 0;
};

// Mean viscosity at LowRPM divided by the mean viscosity at HighRPM = 10 · LowRPM.
struct TThixotropicIndex {
    double Value = 0.0;
    double LowRPM = 0.0;
    double HighRPM = 0.0;
    int LowPoints = 0;
    int HighPoints = 0;
};

// Temperature dependence: ln η = ln A + (E_a / R)·(1 / T), T in kelvin, at one speed.
struct TArrhenius {
    double ActivationEnergyKJPerMol = 0.0;
    double LnA = 0.0; // η in mPas
    double R2 = 0.0;
    double RPM = 0.0;
    int Points = 0;
};

// The used readings at one speed: how many, and their mean viscosity and temperature.
struct TSpeedMeans {
    double RPM = 0.0;
    int Points = 0;
    double Viscosity = 0.0;   // mPas
    double Temperature = 0.0; // degrees Celsius
};

// A result that may be absent; Reason says why in one line when it is.
template <class T> struct TAnalysisOutcome {
    std::optional<T> Result;
    QString Reason;
    explicit operator bool() const { return Result.has_value(); }
    const T* operator->() const { return &*Result; }
    const T& operator*() const { return *Result; }
};

struct TBatchAnalysis {
    int Readings = 0; // all readings of the batch
    int Used = 0;     // readings the results may use
    // Left out: over scale (or over range), low torque (below 10 % of full scale, no
    // viscosity, or a stopped spindle), and among the used readings those without shear
    // data (left out of the flow models only).
    int ExcludedOverScale = 0;
    int ExcludedLowTorque = 0;
    int ExcludedNoShearData = 0;
    bool LowTorqueIncluded = false;

    // The fitted models in AllFlowModels order; empty when there is no shear data.
    std::vector<TFlowModelFit> FlowModels;
    // The models that could not be fitted (too few points, no convergence) with why.
    std::vector<TFlowModelMissing> MissingFlowModels;
    // Why no model could be fitted at all (empty when FlowModels is not).
    QString FlowModelsReason;
    // Index into FlowModels of the lowest AICc; -1 when no model has one, and then
    // BestModelReason says why.
    int BestModel = -1;
    QString BestModelReason;

    TAnalysisOutcome<TSpeedPowerLaw> SpeedPowerLaw;
    TAnalysisOutcome<TThixotropicIndex> ThixotropicIndex;
    TAnalysisOutcome<TArrhenius> Arrhenius;
    // Every speed with used readings, slowest first.
    std::vector<TSpeedMeans> Speeds;

    const TFlowModelFit* Best() const {
        return BestModel >= 0 ? &FlowModels[static_cast<size_t>(BestModel)] : nullptr;
    }
    const TFlowModelFit* Fit(TFlowModel model) const;
    // The used readings at rpm (to a relative 1e-9), or nullptr when there are none.
    const TSpeedMeans* AtSpeed(double rpm) const;
    // Why nothing at all can be said: no reading, or no usable one (empty otherwise).
    QString NothingUsableReason() const;
};

// Whether one reading may be used, and if not why: over scale (above full scale, the
// over-range marker, or a model or spindle outside the tables), or low torque (below
// 10 % of full scale unless included, no viscosity, or a stopped spindle). The results
// below are computed from the used readings; the flow models from those of them that
// HasShearData. A view marks the points of its flow curve with these.
enum class TReadingUse { Used, OverScale, LowTorque };
TReadingUse ClassifyReading(int model, int spindle, const TMeasurementItem& reading,
                            const TAnalysisOptions& options = {});
// Shear rate and shear stress both above 0.
bool HasShearData(const TMeasurementItem& reading);

// Every analysis of a batch. Does not lock the readings: a caller crossing threads
// holds the list's lock or passes a copy. Never raises for the batch's content (a
// model or spindle outside the tables makes every reading over scale).
TBatchAnalysis AnalyzeBatch(const TBatchItem& batch, const TAnalysisOptions& options = {});
// The same over readings of a batch with this model and spindle (a view's copy of a
// run's readings).
TBatchAnalysis AnalyzeReadings(int model, int spindle, const TMeasurementList& readings,
                               const TAnalysisOptions& options = {});

// The analysis for scripts, as bramblex-cli analyze --json writes it and the JSON
// export nests it under "analysis":
//   {"file", "readings", "used", "excluded": {"over_scale", "low_torque", "no_shear_data"},
//    "flow_models": [{"model", "parameters": {...}, "standard_errors": {...}, "r2",
//                     "points", "aicc"}...],
//    "best_model", "speed_power_law": {"K", "n", "r2", "points"},
//    "thixotropic_index": {"value", "low_rpm", "high_rpm"},
//    "arrhenius": {"activation_energy_kj_mol", "ln_A", "r2", "rpm", "points"}}
// Absent results (and numbers that are not finite) are null. Never translated.
QJsonObject AnalysisToJson(const TBatchAnalysis& analysis, const QString& file);

// The analysis as a readable table for a terminal (localised texts, the user's
// decimal separator), each absent result with its reason.
QString AnalysisToText(const TBatchAnalysis& analysis, const QString& file);

// Texts of the report fields; "–" when there is no result.
//   [FlowModel] the best model's name; [FlowModelParameters] its parameters with units
//   ("τ₀ = 12.3 dyn/cm², K = 4.56 dyn·sⁿ/cm², n = 0.512"); [FlowModelR2]; [FlowIndex]
//   the speed power law's n; [ThixotropicIndex]; [ActivationEnergy] in kJ/mol.
QString FlowModelFieldText(const TBatchAnalysis& analysis);
QString FlowModelParametersFieldText(const TBatchAnalysis& analysis);
QString FlowModelR2FieldText(const TBatchAnalysis& analysis);
QString FlowIndexFieldText(const TBatchAnalysis& analysis);
QString ThixotropicIndexFieldText(const TBatchAnalysis& analysis);
QString ActivationEnergyFieldText(const TBatchAnalysis& analysis);
// One parameter as the operator reads it: "τ₀ = 12.3 ± 0.4 dyn/cm²" (withError) or
// "τ₀ = 12.3 dyn/cm²", with significant digits for any magnitude.
QString FormatFitParameter(const TFitParameter& parameter, bool withError);
// A number with significant digits for any magnitude, in the user's locale.
QString FormatAnalysisNumber(double value, int significantDigits = 4);
