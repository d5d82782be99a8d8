#pragma once

// The rules a process must satisfy before a run may execute it, each with the message
// the operator sees, in the order the process wizard checks them. Every check returns
// an empty text when the rule holds. Temperatures are Celsius unless a name says
// "display"; speeds are RPM codes.

#include <QList>
#include <QString>

class TProcessItem;
class TProcessList;

// Which field a failed rule is about, so a dialog can focus it.
enum class TProcessRule {
    None,
    Speeds,           // start and end speed
    Time,             // rules "greater than zero" and "insufficient time"
    StartDelay,       // the delay, when used
    StartTemperature, // the trigger temperature, when used
    MeasurementCount, // the number of readings
};

struct TProcessRuleResult {
    TProcessRule Rule = TProcessRule::None;
    QString Message; // empty when every rule holds
    bool Ok() const { return Rule == TProcessRule::None; }
};

// Processes run only on the V2 models (2 and 3).
bool ModelSupportsProcesses(int model);
// "Selected ViscoMeter model does not support processes"
QString ProcessesNotSupportedText();

// The speeds a process may use with the spindle, slowest first: every catalogue speed
// above 0 RPM, and for spindles PA to PF only those up to 12 RPM.
QList<int> ProcessSpeedCodes(int spindle);
// How a speed list shows a code: "%.1f" of its RPM in the user's locale ("12.0").
QString ProcessSpeedText(int rpmCode);
// Both speeds among ProcessSpeedCodes(spindle).
bool ProcessSpeedsAllowed(int spindle, int rpmStart, int rpmEnd);

// Rules 2 and 3: the time is above zero and allows one second per six speed steps.
QString CheckProcessTime(int timeSeconds, int rpmStart, int rpmEnd);
// Rule 4 (only when the delay is used).
QString CheckStartDelay(bool useStartDelay, int startDelaySeconds);
// Rule 5 (only when the trigger is used): -15 to 180 Celsius, inclusive.
QString CheckStartTemperature(bool useStartTemperature, double celsius);
// Rule 6: from 1 to 3 readings per second of process time.
QString CheckMeasurementCount(int measurementCount, int timeSeconds);

// All rules in the wizard's order; the first that fails.
TProcessRuleResult ValidateProcess(const TProcessItem& process, int spindle);
// The first process of the list that breaks a rule (index, or -1) and the result.
int FirstInvalidProcess(const TProcessList& processes, int spindle, TProcessRuleResult* result = nullptr);

// The batch rule for a change of spindle: empty when allowed, else "Spindle types PA to
// PF only allow process RPM to go up to 12rpm, please modify process RPM before
// changing spindle".
QString CheckSpindleChange(const TProcessList& processes, int newSpindle);

// What the wizard's edit boxes give: a whole number (blanks around it allowed), or 0
// when the text is none.
int ProcessIntegerFromText(const QString& text);
// A temperature typed in the display unit (user's locale) as Celsius, or 0 when the
// text is not a number (0 in the display unit, as the page check reads it).
double ProcessTemperatureFromTextDef(const QString& text);
// The same for Finish: raises "'%1' is not a valid floating point value".
double ProcessTemperatureFromText(const QString& text);

// The wizard's page checks on the texts of its edit boxes.
TProcessRuleResult CheckRPMPage(const QString& timeText, int rpmStart, int rpmEnd);
TProcessRuleResult CheckDelaysPage(bool useStartDelay, const QString& delayText, bool useStartTemperature,
                                   const QString& temperatureText);
TProcessRuleResult CheckMeasurementsPage(const QString& measurementsText, const QString& timeText);
