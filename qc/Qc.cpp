#include "qc/Qc.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "platform/AtomicFile.h"
#include "platform/FileSystem.h"
#include "storage/FileItem.h"
#include "storage/FileOperations.h"
#include "xml/GmXml.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <string>

namespace {

constexpr std::array<const char*, QcKindCount> KindKeys{"viscosity-at",      "temperature-at",   "flow-index",
                                                        "yield-stress",      "model-k",          "model-n",
                                                        "thixotropic-index", "activation-energy"};

// Limits converted from the display units (°F to °C) may miss the value they stand for
// in the last bit; a value that close to a limit is on it.
bool Below(double value, double limit) {
    return value < limit - 1e-9 * std::max(1.0, std::abs(limit));
}

QString Number(double value) {
    return FormatAnalysisNumber(value, 6);
}

// The file text of a number: locale-free, as every file of the system writes them.
std::string LimitText(const std::optional<double>& limit) {
    return limit ? GmXmlFormat::FloatToText(*limit) : std::string();
}

QString Damaged(const QString& name, const QString& why) {
    return Tr("The QC limit set \"%1\" is damaged: %2").arg(name, why);
}

// A limit's text from the file: empty for an open limit; false when it is no number.
bool ReadLimit(const TGmXmlNode& node, std::optional<double>& limit) {
    if (node.Value.empty()) {
        limit.reset();
        return true;
    }
    double value = 0.0;
    if (!GmXmlFormat::TextToFloat(node.Value, value))
        return false;
    limit = value;
    return true;
}

// The best model's parameter, with the value the simpler models imply: Newtonian and
// the power law have no yield stress (0); Newtonian and Bingham are the power law and
// Herschel–Bulkley with n = 1, their viscosity being K.
std::optional<double> BestModelValue(const TFlowModelFit& best, TQcKind kind) {
    auto parameter = [&best](const char* key) -> std::optional<double> {
        if (const TFitParameter* p = best.Parameter(key))
            return p->Value;
        return std::nullopt;
    };
    switch (kind) {
    case TQcKind::YieldStress:
        if (best.Model == TFlowModel::Newtonian || best.Model == TFlowModel::PowerLaw)
            return 0.0;
        return parameter("yield_stress");
    case TQcKind::ModelK:
        if (best.Model == TFlowModel::Newtonian)
            return parameter("viscosity");
        if (best.Model == TFlowModel::Bingham)
            return parameter("plastic_viscosity");
        return parameter("K");
    case TQcKind::ModelN:
        if (best.Model == TFlowModel::Newtonian || best.Model == TFlowModel::Bingham)
            return 1.0;
        return parameter("n");
    default:
        return std::nullopt;
    }
}

// The criterion's value in the batch, or why there is none.
std::optional<double> Measure(const TQcCriterion& c, const TBatchAnalysis& analysis, QString& reason) {
    if (const QString nothing = analysis.NothingUsableReason(); !nothing.isEmpty()) {
        reason = nothing;
        return std::nullopt;
    }
    switch (c.Kind) {
    case TQcKind::ViscosityAt:
    case TQcKind::TemperatureAt: {
        const TSpeedMeans* speed = analysis.AtSpeed(c.RPM);
        if (!speed) {
            reason = Tr("No usable reading at %1 RPM.").arg(FormatAnalysisNumber(c.RPM));
            return std::nullopt;
        }
        return c.Kind == TQcKind::ViscosityAt ? speed->Viscosity : speed->Temperature;
    }
    case TQcKind::FlowIndex:
        if (!analysis.SpeedPowerLaw) {
            reason = analysis.SpeedPowerLaw.Reason;
            return std::nullopt;
        }
        return analysis.SpeedPowerLaw->FlowIndex;
    case TQcKind::ThixotropicIndex:
        if (!analysis.ThixotropicIndex) {
            reason = analysis.ThixotropicIndex.Reason;
            return std::nullopt;
        }
        return analysis.ThixotropicIndex->Value;
    case TQcKind::ActivationEnergy:
        if (!analysis.Arrhenius) {
            reason = analysis.Arrhenius.Reason;
            return std::nullopt;
        }
        return analysis.Arrhenius->ActivationEnergyKJPerMol;
    case TQcKind::YieldStress:
    case TQcKind::ModelK:
    case TQcKind::ModelN: {
        const TFlowModelFit* best = analysis.Best();
        if (!best) {
            reason =
                analysis.FlowModelsReason.isEmpty() ? analysis.BestModelReason : analysis.FlowModelsReason;
            return std::nullopt;
        }
        if (const std::optional<double> value = BestModelValue(*best, c.Kind))
            return value;
        reason = Tr("The best flow model (%1) has no %2.")
                     .arg(FlowModelName(best->Model),
                          c.Kind == TQcKind::ModelK ? QStringLiteral("K") : QStringLiteral("n"));
        return std::nullopt;
    }
    }
    return std::nullopt;
}

QString LimitsText(const TQcCriterion& c) {
    const QString unit = QcKindUnitText(c.Kind);
    const QString suffix = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    auto shown = [&c](double limit) { return Number(QcToDisplay(c.Kind, limit)); };
    if (c.Min && c.Max)
        return Tr("%1 to %2").arg(shown(*c.Min), shown(*c.Max)) + suffix;
    if (c.Min)
        return Tr("at least %1").arg(shown(*c.Min)) + suffix;
    return Tr("at most %1").arg(shown(c.Max.value_or(0.0))) + suffix;
}

// A criterion in a line of bramblex-cli qc check: its key, speed, measured value and
// the limit it breaks, in base units and C-locale numbers.
QString CriterionLineText(const TQcCriterionResult& r) {
    const TQcCriterion& c = r.Criterion;
    QString text = QLatin1String(QcKindKey(c.Kind));
    if (QcKindHasSpeed(c.Kind))
        text += QStringLiteral(" %1 RPM").arg(c.RPM);
    if (!r.Measured)
        return text + QStringLiteral(" (") + r.Reason + QLatin1Char(')');
    text += QStringLiteral(" = %1").arg(*r.Measured);
    if (c.Min && Below(*r.Measured, *c.Min))
        return text + QStringLiteral(" (min %1)").arg(*c.Min);
    if (c.Max)
        return text + QStringLiteral(" (max %1)").arg(*c.Max);
    return text;
}

} // namespace

const char* QcKindKey(TQcKind kind) {
    return KindKeys[static_cast<size_t>(kind)];
}

std::optional<TQcKind> QcKindFromKey(QStringView key) {
    for (int i = 0; i < QcKindCount; ++i)
        if (key == QLatin1String(KindKeys[static_cast<size_t>(i)]))
            return static_cast<TQcKind>(i);
    return std::nullopt;
}

bool QcKindHasSpeed(TQcKind kind) {
    return kind == TQcKind::ViscosityAt || kind == TQcKind::TemperatureAt;
}

QString QcKindName(TQcKind kind, double rpm) {
    switch (kind) {
    case TQcKind::ViscosityAt:
        return Tr("Viscosity at %1 RPM").arg(FormatAnalysisNumber(rpm));
    case TQcKind::TemperatureAt:
        return Tr("Temperature at %1 RPM").arg(FormatAnalysisNumber(rpm));
    case TQcKind::FlowIndex:
        return Tr("Flow index");
    case TQcKind::YieldStress:
        return Tr("Yield stress");
    case TQcKind::ModelK:
        return Tr("Consistency K");
    case TQcKind::ModelN:
        return Tr("Flow model n");
    case TQcKind::ThixotropicIndex:
        return Tr("Thixotropic index");
    case TQcKind::ActivationEnergy:
        return Tr("Activation energy");
    }
    return QString();
}

QString QcKindUnitText(TQcKind kind) {
    switch (kind) {
    case TQcKind::ViscosityAt:
        return ViscosityUnitsName();
    case TQcKind::TemperatureAt:
        return TemperatureUnitsName();
    case TQcKind::YieldStress:
        return AnalysisUnitText(TAnalysisUnit::ShearStress);
    case TQcKind::ModelK:
        return AnalysisUnitText(TAnalysisUnit::StressSecondsN);
    case TQcKind::ActivationEnergy:
        return Tr("kJ/mol");
    default:
        return QString();
    }
}

double QcToBase(TQcKind kind, double displayValue) {
    if (kind == TQcKind::ViscosityAt)
        return ViscosityFromDisplay(displayValue);
    if (kind == TQcKind::TemperatureAt)
        return TemperatureFromDisplay(displayValue);
    return displayValue;
}

double QcToDisplay(TQcKind kind, double baseValue) {
    if (kind == TQcKind::ViscosityAt)
        return ViscosityToDisplay(baseValue);
    if (kind == TQcKind::TemperatureAt)
        return TemperatureToDisplay(baseValue);
    return baseValue;
}

TQcCriterion QcCriterionFromDisplay(TQcKind kind, double rpm, std::optional<double> displayMin,
                                    std::optional<double> displayMax) {
    TQcCriterion c;
    c.Kind = kind;
    c.RPM = QcKindHasSpeed(kind) ? rpm : 0.0;
    if (displayMin)
        c.Min = QcToBase(kind, *displayMin);
    if (displayMax)
        c.Max = QcToBase(kind, *displayMax);
    return c;
}

QString QcCriterionProblem(const TQcCriterion& c) {
    if (!c.Min && !c.Max)
        return Tr("A criterion needs a lower limit, an upper limit or both.");
    if ((c.Min && !std::isfinite(*c.Min)) || (c.Max && !std::isfinite(*c.Max)))
        return Tr("A limit is not a number.");
    if (c.Min && c.Max && *c.Min > *c.Max)
        return Tr("The lower limit is above the upper limit.");
    if (QcKindHasSpeed(c.Kind) && !(std::isfinite(c.RPM) && c.RPM > 0.0))
        return Tr("The speed must be more than 0 RPM.");
    return QString();
}

// ---------------------------------------------------------------------------
// Files

QString QcLimitSetPath(const QString& settingsFolder, const QString& name) {
    return IncludeTrailingSeparator(settingsFolder) + name + QLatin1String(QcLimitSetExtension);
}

QStringList QcLimitSetNames(const QString& settingsFolder) {
    QStringList names;
    for (const TDirectoryEntry& entry : ListDirectory(IncludeTrailingSeparator(settingsFolder))) {
        if (entry.IsFolder || IsWriterTemporaryName(entry.Name) ||
            !entry.Name.endsWith(QLatin1String(QcLimitSetExtension), Qt::CaseInsensitive))
            continue;
        names << entry.Name.chopped(static_cast<qsizetype>(std::strlen(QcLimitSetExtension)));
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

// <QCLimitSet>
//   <Criterion><Kind>viscosity-at</Kind><RPM>20</RPM><Min>1000</Min><Max>1500</Max></Criterion>
//   ...
// </QCLimitSet>
// An empty Min or Max is an open limit; RPM only for the speed criteria.
QByteArray QcLimitSetToBytes(const TQcLimitSet& limitSet) {
    if (!IsValidEntryName(limitSet.Name))
        throw EBramblexError(Tr("\"%1\" is not a valid name.").arg(limitSet.Name));
    TGmXML document;
    TGmXmlNodeList& root = document.Nodes().Add("QCLimitSet")->Children();
    for (const TQcCriterion& c : limitSet.Criteria) {
        if (const QString problem = QcCriterionProblem(c); !problem.isEmpty())
            throw EBramblexError(problem);
        TGmXmlNodeList& node = root.Add("Criterion")->Children();
        node.Add("Kind")->Value = QcKindKey(c.Kind);
        if (QcKindHasSpeed(c.Kind))
            node.Add("RPM")->SetFloat(c.RPM);
        node.Add("Min")->Value = LimitText(c.Min);
        node.Add("Max")->Value = LimitText(c.Max);
    }
    return document.SaveToBytes();
}

TQcLimitSet QcLimitSetFromBytes(const QString& name, const QByteArray& bytes) {
    TGmXML document;
    document.LoadFromBytes(bytes);
    if (!document.LoadResult().Complete())
        throw EBramblexError(Damaged(name, document.LoadResult().Describe()));
    const TGmXmlNode& root = document.Nodes().Find("QCLimitSet");
    if (root.IsMissing())
        throw EBramblexError(Damaged(name, Tr("it is not a QC limit set.")));
    TQcLimitSet limitSet;
    limitSet.Name = name;
    int number = 0;
    for (const auto& child : root.Children()) {
        if (child->Name != "Criterion")
            continue;
        ++number;
        const TGmXmlNodeList& fields = child->Children();
        const std::optional<TQcKind> kind = QcKindFromKey(fields.Find("Kind").GetText());
        if (!kind)
            throw EBramblexError(Damaged(
                name, Tr("criterion %1 measures \"%2\".").arg(number).arg(fields.Find("Kind").GetText())));
        TQcCriterion c;
        c.Kind = *kind;
        if (QcKindHasSpeed(c.Kind) && !GmXmlFormat::TextToFloat(fields.Find("RPM").Value, c.RPM))
            throw EBramblexError(Damaged(name, Tr("criterion %1 has no speed.").arg(number)));
        if (!ReadLimit(fields.Find("Min"), c.Min) || !ReadLimit(fields.Find("Max"), c.Max))
            throw EBramblexError(Damaged(name, Tr("a limit of criterion %1 is not a number.").arg(number)));
        if (const QString problem = QcCriterionProblem(c); !problem.isEmpty())
            throw EBramblexError(Damaged(name, Tr("criterion %1: %2").arg(number).arg(problem)));
        limitSet.Criteria.push_back(c);
    }
    return limitSet;
}

void SaveQcLimitSet(const QString& settingsFolder, const TQcLimitSet& limitSet) {
    WriteFileAtomically(QcLimitSetPath(settingsFolder, limitSet.Name), QcLimitSetToBytes(limitSet));
}

TQcLimitSet LoadQcLimitSet(const QString& settingsFolder, const QString& name) {
    const QString path = QcLimitSetPath(settingsFolder, name);
    QByteArray bytes;
    if (const TFsResult read = TryReadWholeFile(path, bytes); !read) {
        if (read.Errno() == ENOENT)
            throw EBramblexError(Tr("The QC limit set \"%1\" does not exist.").arg(name));
        throw EFileError(WithReason(Tr("Cannot open file \"%1\".").arg(path), read));
    }
    return QcLimitSetFromBytes(name, bytes);
}

void CheckNewQcLimitSetName(const QString& settingsFolder, const QString& name) {
    if (name.isEmpty() || !IsValidEntryName(name + QLatin1String(QcLimitSetExtension)))
        throw EBramblexError(Tr("\"%1\" is not a valid name.").arg(name));
    for (const QString& taken : QcLimitSetNames(settingsFolder))
        if (taken.compare(name, Qt::CaseInsensitive) == 0)
            throw EBramblexError(
                Tr("A limit set with the name you specified already exists. Specify a different name."));
}

QString CopyQcLimitSet(const QString& settingsFolder, const QString& name) {
    TQcLimitSet copy = LoadQcLimitSet(settingsFolder, name);
    copy.Name = FileTitle(CopyName(QcLimitSetPath(settingsFolder, name)));
    SaveQcLimitSet(settingsFolder, copy);
    return copy.Name;
}

void DeleteQcLimitSet(const QString& settingsFolder, const QString& name) {
    const QString path = QcLimitSetPath(settingsFolder, name);
    if (const TFsResult removed = RemoveFileEntry(path); !removed)
        throw EFileError(
            WithReason(Tr("Cannot delete file \"%1\".").arg(QDir::toNativeSeparators(path)), removed));
}

// ---------------------------------------------------------------------------
// Assignments: <QCAssignment><LimitSet>NAME</LimitSet></QCAssignment>

QString FolderQcAssignment(const QString& folder) {
    const QString path = IncludeTrailingSeparator(folder) + QLatin1String(FolderQcFileName);
    QByteArray bytes;
    if (const TFsResult read = TryReadWholeFile(path, bytes); !read) {
        if (read.Errno() == ENOENT || read.Errno() == ENOTDIR)
            return QString();
        throw EFileError(WithReason(Tr("Cannot open file \"%1\".").arg(path), read));
    }
    TGmXML document;
    document.LoadFromBytes(bytes);
    const QString name =
        document.Nodes().Find("QCAssignment").Children().Find("LimitSet").GetText().trimmed();
    if (!document.LoadResult().Complete() || !IsValidEntryName(name))
        throw EBramblexError(Tr("The QC limit set assignment of the folder \"%1\" is damaged.")
                                 .arg(QDir::toNativeSeparators(folder)));
    return name;
}

void AssignQcLimitSet(const QString& folder, const QString& name) {
    const QString path = IncludeTrailingSeparator(folder) + QLatin1String(FolderQcFileName);
    if (name.isEmpty()) {
        if (EntryExists(path) && !QFile::remove(path))
            throw EFileError(Tr("Cannot delete file \"%1\".").arg(path));
        return;
    }
    if (!IsValidEntryName(name))
        throw EBramblexError(Tr("\"%1\" is not a valid name.").arg(name));
    TGmXML document;
    document.Nodes().Add("QCAssignment")->Children().Add("LimitSet")->SetText(name);
    WriteFileAtomically(path, document.SaveToBytes());
}

std::optional<TQcAssignment> FindQcAssignment(const QString& folder, const QString& localRoot) {
    QString current = IncludeTrailingSeparator(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    const QString root = IncludeTrailingSeparator(QDir::cleanPath(QFileInfo(localRoot).absoluteFilePath()));
    const bool inside = current.startsWith(root);
    for (;;) {
        if (const QString name = FolderQcAssignment(current); !name.isEmpty())
            return TQcAssignment{name, current};
        if (!inside || current == root)
            return std::nullopt;
        current = IncludeTrailingSeparator(QFileInfo(current.chopped(1)).absolutePath());
        if (!current.startsWith(root))
            return std::nullopt;
    }
}

// ---------------------------------------------------------------------------
// Checking

const char* QcVerdictKey(TQcVerdict verdict) {
    switch (verdict) {
    case TQcVerdict::Pass:
        return "pass";
    case TQcVerdict::Fail:
        return "fail";
    case TQcVerdict::Incomplete:
        return "incomplete";
    case TQcVerdict::None:
        break;
    }
    return "none";
}

QString QcVerdictText(TQcVerdict verdict) {
    switch (verdict) {
    case TQcVerdict::Pass:
        return Tr("PASS");
    case TQcVerdict::Fail:
        return Tr("FAIL");
    case TQcVerdict::Incomplete:
        return Tr("INCOMPLETE");
    case TQcVerdict::None:
        break;
    }
    return QString::fromUtf8("–");
}

std::vector<const TQcCriterionResult*> TQcResult::Failing() const {
    std::vector<const TQcCriterionResult*> failing;
    for (const auto& r : Criteria)
        if (r.Verdict == TQcVerdict::Fail)
            failing.push_back(&r);
    return failing;
}

TQcResult CheckQc(const TQcLimitSet& limitSet, const TBatchAnalysis& analysis) {
    TQcResult result;
    result.LimitSet = limitSet.Name;
    bool failed = false;
    bool incomplete = false;
    for (const TQcCriterion& c : limitSet.Criteria) {
        TQcCriterionResult r;
        r.Criterion = c;
        r.Measured = Measure(c, analysis, r.Reason);
        if (r.Measured && !std::isfinite(*r.Measured)) {
            r.Measured.reset();
            r.Reason = Tr("The result is not a number.");
        }
        if (!r.Measured) {
            r.Verdict = TQcVerdict::Incomplete;
            incomplete = true;
        } else if ((c.Min && Below(*r.Measured, *c.Min)) || (c.Max && Below(*c.Max, *r.Measured))) {
            r.Verdict = TQcVerdict::Fail;
            failed = true;
        } else {
            r.Verdict = TQcVerdict::Pass;
        }
        result.Criteria.push_back(std::move(r));
    }
    result.Verdict = failed ? TQcVerdict::Fail : incomplete ? TQcVerdict::Incomplete : TQcVerdict::Pass;
    return result;
}

TQcApplicable FindApplicableQcLimitSet(const QString& folder, const QString& settingsFolder,
                                       const QString& localRoot) {
    TQcApplicable applicable;
    try {
        const std::optional<TQcAssignment> assignment = FindQcAssignment(folder, localRoot);
        if (!assignment)
            return applicable;
        applicable.None.LimitSet = assignment->Name;
        applicable.LimitSet = LoadQcLimitSet(settingsFolder, assignment->Name);
    } catch (const EBramblexError& e) {
        applicable.None.Problem = e.Message();
        applicable.LimitSet.reset();
    }
    return applicable;
}

TQcResult CheckQcBatch(const TBatchItem& batch, const QString& folder, const QString& settingsFolder,
                       const QString& localRoot) {
    TQcApplicable applicable = FindApplicableQcLimitSet(folder, settingsFolder, localRoot);
    if (!applicable.LimitSet)
        return applicable.None;
    return CheckQc(*applicable.LimitSet, AnalyzeBatch(batch));
}

TQcResult CheckQcBatchFile(const QString& batchPath, const QString& settingsFolder,
                           const QString& localRoot) {
    TQcApplicable applicable =
        FindApplicableQcLimitSet(QFileInfo(batchPath).absolutePath(), settingsFolder, localRoot);
    if (!applicable.LimitSet)
        return applicable.None;
    TBatchItem batch;
    batch.LoadFromFile(batchPath);
    return CheckQc(*applicable.LimitSet, AnalyzeBatch(batch));
}

namespace {
// The words scripts read for the limit set of a batch: the first published form of
// qc check, kept when the sets were named limit sets everywhere else.
const QString LimitSetJsonKey = QStringLiteral("specification");
const QString NoLimitSetLine = QStringLiteral("no specification");
} // namespace

QJsonObject QcResultToJson(const TQcResult& result, const QString& file) {
    auto number = [](const std::optional<double>& value) {
        return value && std::isfinite(*value) ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
    };
    QJsonArray criteria;
    for (const TQcCriterionResult& r : result.Criteria) {
        QJsonObject c{{QStringLiteral("criterion"), QLatin1String(QcKindKey(r.Criterion.Kind))}};
        if (QcKindHasSpeed(r.Criterion.Kind))
            c.insert(QStringLiteral("rpm"), r.Criterion.RPM);
        c.insert(QStringLiteral("measured"), number(r.Measured));
        c.insert(QStringLiteral("min"), number(r.Criterion.Min));
        c.insert(QStringLiteral("max"), number(r.Criterion.Max));
        c.insert(QStringLiteral("result"), QLatin1String(QcVerdictKey(r.Verdict)));
        criteria.append(c);
    }
    return QJsonObject{{QStringLiteral("file"), file},
                       {LimitSetJsonKey, result.LimitSet.isEmpty() ? QJsonValue(QJsonValue::Null)
                                                                   : QJsonValue(result.LimitSet)},
                       {QStringLiteral("result"), QLatin1String(QcVerdictKey(result.Verdict))},
                       {QStringLiteral("criteria"), criteria}};
}

QString QcResultLine(const TQcResult& result) {
    if (result.Verdict == TQcVerdict::None)
        return result.Problem.isEmpty() ? NoLimitSetLine
                                        : NoLimitSetLine + QStringLiteral(": ") + result.Problem;
    if (result.Verdict == TQcVerdict::Pass)
        return QStringLiteral("pass");
    QStringList parts;
    for (const TQcCriterionResult& r : result.Criteria)
        if (r.Verdict == result.Verdict)
            parts << CriterionLineText(r);
    return QLatin1String(QcVerdictKey(result.Verdict)) + QStringLiteral(": ") +
           parts.join(QStringLiteral("; "));
}

QString QcCriterionText(const TQcCriterionResult& r) {
    return QStringLiteral("%1: %2").arg(QcCriterionMeasureText(r), QcVerdictText(r.Verdict));
}

QString QcCriterionMeasureText(const TQcCriterionResult& r) {
    const TQcCriterion& c = r.Criterion;
    QString measured = QString::fromUtf8("–");
    if (r.Measured) {
        const QString unit = QcKindUnitText(c.Kind);
        measured =
            Number(QcToDisplay(c.Kind, *r.Measured)) + (unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
    }
    return QStringLiteral("%1: %2 (%3)").arg(QcKindName(c.Kind, c.RPM), measured, LimitsText(c));
}
