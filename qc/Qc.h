#pragma once

// Quality control: is a batch within its limits? A QC limit set is a named list of
// criteria, each one result of the batch with a lower limit, an upper limit or both.
// Limit sets are files NAME.epq in the storage tree's "Settings" folder; a folder
// of "Local" is assigned one by a hidden file inside it, which travels with the folder,
// and a folder without its own uses its parent's. One check for every front end: the
// folder list's icons, the batch view's line, report fields, the JSON export, the
// automation interface and bramblex-cli qc all read a TQcResult.
//
// Limits and measured values are in base units: viscosity in mPas, temperature in
// degrees Celsius, energy in kJ/mol, shear stress in dyn/cm²; only QcToBase and
// QcToDisplay know the user's display units.

#include "analysis/Analysis.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What a criterion measures.
enum class TQcKind {
    ViscosityAt,      // mean viscosity of the used readings at a speed
    TemperatureAt,    // mean temperature of the used readings at a speed
    FlowIndex,        // n of the power law from speed
    YieldStress,      // the best flow model's yield stress
    ModelK,           // the best flow model's consistency K
    ModelN,           // the best flow model's flow index n
    ThixotropicIndex, // mean viscosity at a speed over that at ten times the speed
    ActivationEnergy, // of the Arrhenius fit
};
inline constexpr int QcKindCount = 8;

// The machine name of files, command line and JSON ("viscosity-at", "temperature-at",
// "flow-index", "yield-stress", "model-k", "model-n", "thixotropic-index",
// "activation-energy"); never translated.
const char* QcKindKey(TQcKind kind);
std::optional<TQcKind> QcKindFromKey(QStringView key);
// True for the criteria measured at one speed.
bool QcKindHasSpeed(TQcKind kind);
// What the operator reads ("Viscosity at 20 RPM", "Yield stress"), localised.
QString QcKindName(TQcKind kind, double rpm = 0.0);
// The unit of the kind's values as the operator reads them, in the display units
// chosen ("mPas"/"cP", "°C"/"°F", "kJ/mol", "dyn/cm²", "" for pure numbers).
QString QcKindUnitText(TQcKind kind);
// A limit or value between the display units chosen and base units. Viscosity and
// temperature follow the user's choice; every other kind has one unit only.
double QcToBase(TQcKind kind, double displayValue);
double QcToDisplay(TQcKind kind, double baseValue);

struct TQcCriterion {
    TQcKind Kind = TQcKind::ViscosityAt;
    double RPM = 0.0; // the speed of ViscosityAt and TemperatureAt; 0 otherwise
    std::optional<double> Min;
    std::optional<double> Max;

    bool operator==(const TQcCriterion&) const = default;
};

// A criterion from limits the operator entered in the display units chosen.
TQcCriterion QcCriterionFromDisplay(TQcKind kind, double rpm, std::optional<double> displayMin,
                                    std::optional<double> displayMax);
// Why a criterion cannot be kept (no limit, a limit not finite, min above max, a speed
// criterion without a speed); empty when it can.
QString QcCriterionProblem(const TQcCriterion& criterion);

struct TQcLimitSet {
    QString Name; // the file's name without ".epq"
    std::vector<TQcCriterion> Criteria;
};

inline constexpr const char* QcLimitSetExtension = ".epq";

// settingsFolder + name + ".epq".
QString QcLimitSetPath(const QString& settingsFolder, const QString& name);
// The names of the limit sets in the folder, sorted.
QStringList QcLimitSetNames(const QString& settingsFolder);
// The file's text; raises EBramblexError when the name or a criterion cannot be kept.
QByteArray QcLimitSetToBytes(const TQcLimitSet& limitSet);
// Reads a limit set's file text; raises EBramblexError "The QC limit set "%1"
// is damaged: %2" for a text this system did not write whole.
TQcLimitSet QcLimitSetFromBytes(const QString& name, const QByteArray& bytes);
// Writes the limit set whole or not at all (EFileError with the system's reason).
void SaveQcLimitSet(const QString& settingsFolder, const TQcLimitSet& limitSet);
// Raises EBramblexError "The QC limit set "%1" does not exist." or the damage.
TQcLimitSet LoadQcLimitSet(const QString& settingsFolder, const QString& name);
// The rules of a report's name for a new or renamed limit set: raises "\"%1\" is not a
// valid name." or "A limit set with the name you specified already exists. Specify a
// different name." (a name differing only in case counts as taken).
void CheckNewQcLimitSetName(const QString& settingsFolder, const QString& name);
// Writes the limit set under the file copies are named by ("Copy of NAME", "Copy (2) of
// NAME" ...) and returns its name; a damaged one raises its damage and copies nothing.
QString CopyQcLimitSet(const QString& settingsFolder, const QString& name);
// Removes the limit set's file; EFileError with the system's reason. Folders assigned
// to it then check nothing and say that it does not exist.
void DeleteQcLimitSet(const QString& settingsFolder, const QString& name);

// The name of the limit set assigned to the folder itself; empty when it has none.
// Raises EBramblexError when the assignment cannot be read.
QString FolderQcAssignment(const QString& folder);
// Assigns name to the folder (written whole or not at all); an empty name removes the
// folder's own assignment, so that it uses its parent's again.
void AssignQcLimitSet(const QString& folder, const QString& name);
// The limit set that applies to the folder: its own, else its nearest parent's up
// to and including localRoot (a folder outside localRoot has only its own).
struct TQcAssignment {
    QString Name;
    QString Folder; // where the assignment was found, with a trailing separator
};
std::optional<TQcAssignment> FindQcAssignment(const QString& folder, const QString& localRoot);

enum class TQcVerdict { Pass, Fail, Incomplete, None };
// "pass", "fail", "incomplete", "none"; never translated.
const char* QcVerdictKey(TQcVerdict verdict);
// "PASS", "FAIL", "INCOMPLETE", "–", localised.
QString QcVerdictText(TQcVerdict verdict);

struct TQcCriterionResult {
    TQcCriterion Criterion;
    std::optional<double> Measured; // base units; absent when Verdict is Incomplete
    TQcVerdict Verdict = TQcVerdict::Incomplete;
    QString Reason; // why there is no measured value
};

struct TQcResult {
    // None when no limit set applies or it cannot be read (Problem says why).
    TQcVerdict Verdict = TQcVerdict::None;
    QString LimitSet; // its name; empty when none is assigned
    QString Problem;
    std::vector<TQcCriterionResult> Criteria;

    std::vector<const TQcCriterionResult*> Failing() const;
};

// Limits are inclusive. Fail when any criterion is outside its limits, else incomplete
// when any has no data, else pass.
TQcResult CheckQc(const TQcLimitSet& limitSet, const TBatchAnalysis& analysis);
// The whole check of a batch file: the folder's assignment, the limit set from
// settingsFolder, the batch's analysis. A missing, damaged or unassigned limit set
// gives None with Problem; raises what loading the batch raises.
TQcResult CheckQcBatchFile(const QString& batchPath, const QString& settingsFolder, const QString& localRoot);
// The same for a batch already loaded that lives in folder.
TQcResult CheckQcBatch(const TBatchItem& batch, const QString& folder, const QString& settingsFolder,
                       const QString& localRoot);
// The limit set that applies to a batch in folder, or the verdict None (with Problem
// when one is assigned that cannot be read): the part of the check that does not look
// at the batch, for callers that check many batches of one folder or one batch often.
struct TQcApplicable {
    std::optional<TQcLimitSet> LimitSet;
    TQcResult None;
};
TQcApplicable FindApplicableQcLimitSet(const QString& folder, const QString& settingsFolder,
                                       const QString& localRoot);

// {"file", the limit set's name, "result", "criteria": [{"criterion", "rpm" (speed
// criteria only), "measured", "min", "max", "result"}]}; absent values are null. Never
// translated. The names of the keys are the ones scripts read (see Qc.cpp).
QJsonObject QcResultToJson(const TQcResult& result, const QString& file);
// "pass", "fail: …", "incomplete: …" or the line of a batch no limit set applies to
// (with why, when one is assigned that cannot be read), for bramblex-cli qc check.
QString QcResultLine(const TQcResult& result);
// One criterion as the operator reads it, in display units: "Viscosity at 20 RPM:
// 1234.5 mPas (1000.0 to 1500.0 mPas): PASS".
QString QcCriterionText(const TQcCriterionResult& result);
// The same without the verdict: "Viscosity at 20 RPM: 1234.5 mPas (1000.0 to 1500.0 mPas)".
QString QcCriterionMeasureText(const TQcCriterionResult& result);
