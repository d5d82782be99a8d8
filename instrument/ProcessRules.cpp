#include "instrument/ProcessRules.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace {

constexpr double MinStartTemperature = -15.0;
constexpr double MaxStartTemperature = 180.0;
constexpr double TBarMaxRPM = 12.0;

TProcessRuleResult Fail(TProcessRule rule, const QString& message) {
    if (message.isEmpty())
        return {};
    return {rule, message};
}

} // namespace

bool ModelSupportsProcesses(int model) {
    return model == 2 || model == 3;
}

QString ProcessesNotSupportedText() {
    return Tr("Selected ViscoMeter model does not support processes");
}

QList<int> ProcessSpeedCodes(int spindle) {
    QList<int> codes;
    for (int position = 1; position < RPMTableCount; ++position) {
        if (IsTBarSpindle(spindle) && RPMIndexToValue(position) > TBarMaxRPM)
            continue;
        codes << RPMIndexToCode(position);
    }
    return codes;
}

QString ProcessSpeedText(int rpmCode) {
    return FormatLocaleFixed(RPMCodeToValue(rpmCode), 1);
}

bool ProcessSpeedsAllowed(int spindle, int rpmStart, int rpmEnd) {
    const QList<int> codes = ProcessSpeedCodes(spindle);
    return codes.contains(rpmStart) && codes.contains(rpmEnd);
}

QString CheckProcessTime(int timeSeconds, int rpmStart, int rpmEnd) {
    if (timeSeconds <= 0)
        return Tr("Process time has to be greater than zero");
    if (timeSeconds < RPMStepCount(rpmStart, rpmEnd) / 6)
        return Tr("Insufficient time to do RPM changes");
    return {};
}

QString CheckStartDelay(bool useStartDelay, int startDelaySeconds) {
    if (useStartDelay && startDelaySeconds <= 0)
        return Tr("Start delay has to be greater than zero");
    return {};
}

QString CheckStartTemperature(bool useStartTemperature, double celsius) {
    if (!useStartTemperature)
        return {};
    // NaN fails too: it is not within the range.
    if (celsius >= MinStartTemperature && celsius <= MaxStartTemperature)
        return {};
    return Tr("Start temperature has to within the range of %1 (%2) to %3 (%4)")
        .arg(FormatTemperature(MinStartTemperature), TemperatureUnitsName(),
             FormatTemperature(MaxStartTemperature), TemperatureUnitsName());
}

QString CheckMeasurementCount(int measurementCount, int timeSeconds) {
    const qint64 most = 3 * static_cast<qint64>(timeSeconds);
    if (measurementCount >= 1 && measurementCount <= most)
        return {};
    return Tr("Measurement range for a process taking %1 seconds is between %2 and %3")
        .arg(timeSeconds)
        .arg(1)
        .arg(most);
}

TProcessRuleResult ValidateProcess(const TProcessItem& process, int spindle) {
    if (!ProcessSpeedsAllowed(spindle, process.RPMStart, process.RPMEnd))
        return {TProcessRule::Speeds, Tr("The process speeds are not available with the selected spindle")};
    if (auto r = Fail(TProcessRule::Time, CheckProcessTime(process.Time, process.RPMStart, process.RPMEnd));
        !r.Ok())
        return r;
    if (auto r = Fail(TProcessRule::StartDelay, CheckStartDelay(process.UseStartDelay, process.StartDelay));
        !r.Ok())
        return r;
    if (auto r = Fail(TProcessRule::StartTemperature,
                      CheckStartTemperature(process.UseStartTemperature, process.StartTemperature));
        !r.Ok())
        return r;
    return Fail(TProcessRule::MeasurementCount,
                CheckMeasurementCount(process.MeasurementCount, process.Time));
}

int FirstInvalidProcess(const TProcessList& processes, int spindle, TProcessRuleResult* result) {
    for (int i = 0; i < processes.Count(); ++i) {
        TProcessRuleResult r = ValidateProcess(*processes.Items(i), spindle);
        if (!r.Ok()) {
            if (result)
                *result = r;
            return i;
        }
    }
    if (result)
        *result = {};
    return -1;
}

QString CheckSpindleChange(const TProcessList& processes, int newSpindle) {
    if (IsTBarSpindle(newSpindle) && !processes.FitsTBarSpindles())
        return Tr(
            "Spindle types PA to PF only allow process RPM to go up to 12rpm, please modify process RPM "
            "before changing spindle");
    return {};
}

int ProcessIntegerFromText(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return 0;
    return static_cast<int>(value);
}

namespace {

bool DisplayNumber(const QString& text, double& value) {
    bool ok = false;
    value = QLocale().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(value);
}

} // namespace

double ProcessTemperatureFromText(const QString& text) {
    double value = 0.0;
    if (!DisplayNumber(text, value))
        throw EBramblexError(Tr("'%1' is not a valid floating point value").arg(text));
    return TemperatureFromDisplay(value);
}

double ProcessTemperatureFromTextDef(const QString& text) {
    double value = 0.0;
    if (!DisplayNumber(text, value))
        value = 0.0; // 0 in the display unit, as the page check reads a bad text
    return TemperatureFromDisplay(value);
}

TProcessRuleResult CheckRPMPage(const QString& timeText, int rpmStart, int rpmEnd) {
    return Fail(TProcessRule::Time, CheckProcessTime(ProcessIntegerFromText(timeText), rpmStart, rpmEnd));
}

TProcessRuleResult CheckDelaysPage(bool useStartDelay, const QString& delayText, bool useStartTemperature,
                                   const QString& temperatureText) {
    if (useStartDelay) {
        if (auto r = Fail(TProcessRule::StartDelay, CheckStartDelay(true, ProcessIntegerFromText(delayText)));
            !r.Ok())
            return r;
    }
    if (useStartTemperature)
        return Fail(TProcessRule::StartTemperature,
                    CheckStartTemperature(true, ProcessTemperatureFromTextDef(temperatureText)));
    return {};
}

TProcessRuleResult CheckMeasurementsPage(const QString& measurementsText, const QString& timeText) {
    return Fail(
        TProcessRule::MeasurementCount,
        CheckMeasurementCount(ProcessIntegerFromText(measurementsText), ProcessIntegerFromText(timeText)));
}
