// The analysis as scripts read it (JSON) and as people read it (a table, report fields).

#include "analysis/Analysis.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"

#include <QJsonArray>
#include <QJsonValue>
#include <QLocale>

#include <cmath>

namespace {

QJsonValue Number(double value) {
    return std::isfinite(value) ? QJsonValue(value) : QJsonValue(QJsonValue::Null);
}

QJsonValue Number(const std::optional<double>& value) {
    return value ? Number(*value) : QJsonValue(QJsonValue::Null);
}

QString Dash() {
    return QString::fromUtf8("–");
}

QString OrDash(const std::optional<double>& value, int digits = 4) {
    return value && std::isfinite(*value) ? FormatAnalysisNumber(*value, digits) : Dash();
}

} // namespace

QString AnalysisUnitText(TAnalysisUnit unit) {
    switch (unit) {
    case TAnalysisUnit::None:
        return QString();
    case TAnalysisUnit::ShearStress:
        return QString::fromUtf8("dyn/cm²");
    case TAnalysisUnit::StressSeconds:
        return QString::fromUtf8("dyn·s/cm²");
    case TAnalysisUnit::StressSecondsN:
        return QString::fromUtf8("dyn·sⁿ/cm²");
    case TAnalysisUnit::Viscosity:
        return ViscosityUnitsName();
    }
    return QString();
}

QString FormatAnalysisNumber(double value, int significantDigits) {
    if (!std::isfinite(value))
        return Dash();
    return QLocale().toString(value, 'g', significantDigits);
}

QString FormatFitParameter(const TFitParameter& parameter, bool withError) {
    QString text = parameter.Symbol + QStringLiteral(" = ") + FormatAnalysisNumber(parameter.Value);
    if (withError)
        text += QString::fromUtf8(" ± ") + FormatAnalysisNumber(parameter.StandardError, 2);
    const QString unit = AnalysisUnitText(parameter.Unit);
    if (!unit.isEmpty())
        text += QLatin1Char(' ') + unit;
    return text;
}

QJsonObject AnalysisToJson(const TBatchAnalysis& analysis, const QString& file) {
    QJsonArray models;
    for (const auto& fit : analysis.FlowModels) {
        QJsonObject parameters, errors;
        for (const auto& parameter : fit.Parameters) {
            parameters.insert(QLatin1String(parameter.Key), Number(parameter.Value));
            errors.insert(QLatin1String(parameter.Key), Number(parameter.StandardError));
        }
        models.append(QJsonObject{{"model", QLatin1String(FlowModelKey(fit.Model))},
                                  {"parameters", parameters},
                                  {"standard_errors", errors},
                                  {"r2", Number(fit.R2)},
                                  {"points", fit.Points},
                                  {"aicc", Number(fit.AICc)}});
    }
    QJsonObject root{
        {"file", file},
        {"readings", analysis.Readings},
        {"used", analysis.Used},
        {"excluded", QJsonObject{{"over_scale", analysis.ExcludedOverScale},
                                 {"low_torque", analysis.ExcludedLowTorque},
                                 {"no_shear_data", analysis.ExcludedNoShearData}}},
        {"flow_models", models},
        {"best_model", analysis.Best() ? QJsonValue(QLatin1String(FlowModelKey(analysis.Best()->Model)))
                                       : QJsonValue(QJsonValue::Null)},
    };
    if (const auto& r = analysis.SpeedPowerLaw.Result)
        root.insert("speed_power_law", QJsonObject{{"K", Number(r->K)},
                                                   {"n", Number(r->FlowIndex)},
                                                   {"r2", Number(r->R2)},
                                                   {"points", r->Points}});
    else
        root.insert("speed_power_law", QJsonValue::Null);
    if (const auto& r = analysis.ThixotropicIndex.Result)
        root.insert("thixotropic_index", QJsonObject{{"value", Number(r->Value)},
                                                     {"low_rpm", Number(r->LowRPM)},
                                                     {"high_rpm", Number(r->HighRPM)}});
    else
        root.insert("thixotropic_index", QJsonValue::Null);
    if (const auto& r = analysis.Arrhenius.Result)
        root.insert("arrhenius",
                    QJsonObject{{"activation_energy_kj_mol", Number(r->ActivationEnergyKJPerMol)},
                                {"ln_A", Number(r->LnA)},
                                {"r2", Number(r->R2)},
                                {"rpm", Number(r->RPM)},
                                {"points", r->Points}});
    else
        root.insert("arrhenius", QJsonValue::Null);
    return root;
}

QString AnalysisToText(const TBatchAnalysis& analysis, const QString& file) {
    QStringList lines;
    lines << file;
    lines << Tr("Readings: %1, used: %2 (left out: %3 over scale, %4 low torque%5; %6 without shear data)")
                 .arg(analysis.Readings)
                 .arg(analysis.Used)
                 .arg(analysis.ExcludedOverScale)
                 .arg(analysis.ExcludedLowTorque)
                 .arg(analysis.LowTorqueIncluded ? Tr(", low torque included") : QString())
                 .arg(analysis.ExcludedNoShearData);
    lines << QString();
    lines << Tr("Flow models");
    if (analysis.FlowModels.empty()) {
        lines << QStringLiteral("  ") + analysis.FlowModelsReason;
    } else {
        // Name, parameters, R², points, AICc; the best model marked with "*".
        const QStringList header{QStringLiteral("  ") + Tr("Model"), Tr("Parameters"), Tr("R²"), Tr("Points"),
                                 Tr("AICc")};
        std::vector<QStringList> rows;
        for (size_t i = 0; i < analysis.FlowModels.size(); ++i) {
            const auto& fit = analysis.FlowModels[i];
            QStringList parameters;
            for (const auto& parameter : fit.Parameters)
                parameters << FormatFitParameter(parameter, true);
            rows.push_back(
                {(static_cast<int>(i) == analysis.BestModel ? QStringLiteral("* ") : QStringLiteral("  ")) +
                     FlowModelName(fit.Model),
                 parameters.join(QStringLiteral(", ")), OrDash(fit.R2, 6), QString::number(fit.Points),
                 OrDash(fit.AICc, 6)});
        }
        std::vector<qsizetype> widths(header.size());
        for (qsizetype c = 0; c < header.size(); ++c) {
            widths[c] = header[c].size();
            for (const auto& row : rows)
                widths[c] = std::max(widths[c], row[c].size());
        }
        auto line = [&](const QStringList& cells) {
            QString text = QStringLiteral("  ");
            for (qsizetype c = 0; c < cells.size(); ++c)
                text += cells[c].leftJustified(widths[c] + 2);
            while (text.endsWith(QLatin1Char(' ')))
                text.chop(1);
            return text;
        };
        lines << line(header);
        for (const auto& row : rows)
            lines << line(row);
        for (const auto& missing : analysis.MissingFlowModels)
            lines << QStringLiteral("  ") + missing.Reason;
        if (const auto* best = analysis.Best())
            lines << QStringLiteral("  ") +
                         Tr("Best model (lowest AICc): %1").arg(FlowModelName(best->Model));
        else
            lines << QStringLiteral("  ") + analysis.BestModelReason;
    }
    lines << QString();
    lines << Tr("Flow index from speed");
    if (const auto& r = analysis.SpeedPowerLaw.Result)
        lines << QStringLiteral("  ") +
                     Tr("n = %1, K = %2 %3 (at 1 RPM), R² = %4, points: %5")
                         .arg(FormatAnalysisNumber(r->FlowIndex), FormatAnalysisNumber(r->K),
                              AnalysisUnitText(TAnalysisUnit::Viscosity), FormatAnalysisNumber(r->R2, 6))
                         .arg(r->Points);
    else
        lines << QStringLiteral("  ") + analysis.SpeedPowerLaw.Reason;
    lines << Tr("Thixotropic index");
    if (const auto& r = analysis.ThixotropicIndex.Result)
        lines << QStringLiteral("  ") + Tr("%1 (%2 RPM / %3 RPM)")
                                            .arg(FormatAnalysisNumber(r->Value),
                                                 FormatAnalysisNumber(r->LowRPM),
                                                 FormatAnalysisNumber(r->HighRPM));
    else
        lines << QStringLiteral("  ") + analysis.ThixotropicIndex.Reason;
    lines << Tr("Temperature dependence (Arrhenius)");
    if (const auto& r = analysis.Arrhenius.Result)
        lines << QStringLiteral("  ") + Tr("Ea = %1 kJ/mol, ln A = %2, R² = %3, at %4 RPM, points: %5")
                                            .arg(FormatAnalysisNumber(r->ActivationEnergyKJPerMol),
                                                 FormatAnalysisNumber(r->LnA, 6),
                                                 FormatAnalysisNumber(r->R2, 6), FormatAnalysisNumber(r->RPM))
                                            .arg(r->Points);
    else
        lines << QStringLiteral("  ") + analysis.Arrhenius.Reason;
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString FlowModelFieldText(const TBatchAnalysis& analysis) {
    const auto* best = analysis.Best();
    return best ? FlowModelName(best->Model) : Dash();
}

QString FlowModelParametersFieldText(const TBatchAnalysis& analysis) {
    const auto* best = analysis.Best();
    if (!best)
        return Dash();
    QStringList parameters;
    for (const auto& parameter : best->Parameters)
        parameters << FormatFitParameter(parameter, false);
    return parameters.join(QStringLiteral(", "));
}

QString FlowModelR2FieldText(const TBatchAnalysis& analysis) {
    const auto* best = analysis.Best();
    return best ? OrDash(best->R2) : Dash();
}

QString FlowIndexFieldText(const TBatchAnalysis& analysis) {
    const auto& r = analysis.SpeedPowerLaw.Result;
    return r ? OrDash(r->FlowIndex) : Dash();
}

QString ThixotropicIndexFieldText(const TBatchAnalysis& analysis) {
    const auto& r = analysis.ThixotropicIndex.Result;
    return r ? OrDash(r->Value) : Dash();
}

QString ActivationEnergyFieldText(const TBatchAnalysis& analysis) {
    const auto& r = analysis.Arrhenius.Result;
    return r ? OrDash(r->ActivationEnergyKJPerMol) : Dash();
}
