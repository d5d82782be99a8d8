// bramblex-cli seed-demo: fills a storage tree for trying the program without an
// instrument: settings that choose the simulated viscometer, and folders of batches
// whose readings come from the simulator's fluids (a shear-thinning paint, a Newtonian
// gear oil, both thinner when warm, a paste with a yield stress on a shear spindle),
// plus batches ready for an Auto and a Manual run.

#include "CliCommand.h"
#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/BatchItem.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "instrument/ProcessRules.h"
#include "services/RunSession.h"
#include "simulator/ViscoMeterSimulator.h"
#include "storage/StoragePaths.h"

#include <QDate>
#include <QDir>

#include <random>

namespace {

int CodeFor(double rpm) {
    for (const TRPMEntry& e : RPMTable)
        if (e.RPM == rpm)
            return e.Code;
    throw EBramblexError(QStringLiteral("No speed code for %1 RPM.").arg(rpm));
}

TProcessItem* AddProcess(TBatchItem& batch, const QString& name, double rpmStart, double rpmEnd, int seconds,
                         int readings) {
    TProcessItem* p = batch.Processes.Add();
    p->Identifier = name;
    p->RPMStart = CodeFor(rpmStart);
    p->RPMEnd = CodeFor(rpmEnd);
    p->Time = seconds;
    p->MeasurementCount = readings;
    return p;
}

TBatchItem& Header(TBatchItem& batch, int model, const char* spindle, const QString& identifier,
                   const QString& note) {
    batch.Company = QStringLiteral("Korvane Demo Laboratory");
    batch.Operator = QStringLiteral("Demo operator");
    batch.ModelType = static_cast<uint8_t>(model);
    for (int s = 0; s < SpindleTypeCount; ++s)
        if (QLatin1String(SpindleNames[s]) == QLatin1String(spindle))
            batch.SpindleType = static_cast<uint8_t>(s);
    batch.Identifier = identifier;
    batch.Note = note;
    batch.SelectedXAxis = 0;
    batch.SelectedYAxis = QStringLiteral("0,2");
    return batch;
}

// Readings as the simulated instrument would have given them: the processes' speeds
// stepped along the ladder, the sample's temperature moving from t0 to t1, a little
// scatter as a real reading has.
void TakeReadings(TBatchItem& batch, const TSimFluid& fluid, double startDay, double t0, double t1,
                  std::mt19937& random) {
    std::normal_distribution<double> scatter(0.0, 0.003);
    int total = 0;
    for (const auto& p : batch.Processes)
        total += p->MeasurementCount;
    int taken = 0;
    double seconds = 0.0;
    for (const auto& p : batch.Processes) {
        const int steps = RPMStepCount(p->RPMStart, p->RPMEnd);
        for (int i = 1; i <= p->MeasurementCount; ++i) {
            const double at = double(p->Time) * i / p->MeasurementCount;
            // The ramp's speed at that moment.
            int code = p->RPMStart;
            const int step = static_cast<int>(at / (double(p->Time) / (steps + 1)));
            for (int s = 0; s < std::min(step, steps); ++s)
                code = RPMCodeToValue(p->RPMEnd) > RPMCodeToValue(p->RPMStart) ? NextFasterRPMCode(code)
                                                                               : NextSlowerRPMCode(code);
            const double temperature = t0 + (t1 - t0) * (total > 1 ? double(taken) / (total - 1) : 0.0);
            TMeasurementItem* m = batch.Measurements.Add();
            m->DateTime = startDay + (seconds + at) / 86400.0;
            m->RPMCode = code;
            m->Temperature = std::round((temperature + scatter(random) * 10.0) * 10.0) / 10.0;
            const double rpm = RPMCodeToValue(code);
            const double ratePerRPM = SimShearRatePerRPM(batch.SpindleType);
            double spread = 1.0 + scatter(random);
            if (fluid.Noise > 0.0)
                spread += std::normal_distribution<double>(0.0, fluid.Noise)(random);
            m->Viscosity =
                std::round(fluid.ViscosityAt(rpm, m->Temperature, ratePerRPM) * spread * 10.0) / 10.0;
            // Shear data as the instrument gives it: stress from the viscosity (1 poise is
            // 100 mPas), both with two decimals.
            if (ratePerRPM > 0.0) {
                m->SheerRate = std::round(ratePerRPM * rpm * 100.0) / 100.0;
                m->SheerStress = std::round(m->Viscosity * ratePerRPM * rpm) / 100.0;
            }
            if (IsOverScale(batch.ModelType, batch.SpindleType, code, m->Viscosity))
                throw EBramblexError(QStringLiteral("Demo reading over scale in %1.").arg(batch.Identifier));
            ++taken;
        }
        seconds += p->Time;
    }
}

void Save(TBatchItem& batch, const QString& path) {
    TProcessRuleResult rule;
    const int bad = FirstInvalidProcess(batch.Processes, batch.SpindleType, &rule);
    if (bad >= 0)
        throw EBramblexError(QStringLiteral("%1, process %2: %3").arg(path).arg(bad + 1).arg(rule.Message));
    QDir().mkpath(QFileInfo(path).absolutePath());
    batch.SaveToFile(path);
    CliOut(path);
}

double DayNumber(const QDate& date, int hour, int minute) {
    return QDate(1899, 12, 30).daysTo(date) + (hour * 60 + minute) / 1440.0;
}

int SeedDemo(const QStringList& args) {
    if (!args.isEmpty()) {
        CliErr(Tr("usage: bramblex-cli seed-demo   (the tree of BRAMBLEX_STORAGE_ROOT)"));
        return 2;
    }
    PrepareStorage();
    const QString local = LocalFolder();

    TSettings settings;
    settings.Open(SettingsFolder() + QStringLiteral("settings.xml"));
    CliWarnDamaged(settings.LoadWarning);
    settings.AutoSave = true;
    settings.BeginUpdate();
    ApplyStartupSettings(settings);
    Setting::DefaultViscoMeter.Set(settings, 2);
    Setting::DefaultSpindle.Set(settings, 2);
    Setting::DefaultCompany.Set(settings, QStringLiteral("Korvane Demo Laboratory"));
    Setting::DefaultOperator.Set(settings, QStringLiteral("Demo operator"));
    Setting::ComPort.Set(settings, 0);
    Setting::ComPortDevice.Set(settings, QString::fromLatin1(SimulatedPortSetting));
    settings.EndUpdate();

    std::mt19937 random(2417);
    const QDate today = QDate::currentDate();
    const TSimFluid paint = SimFluidShearThinning();
    const TSimFluid oil = SimFluidNewtonianOil();

    for (int lot = 0; lot < 3; ++lot) {
        TBatchItem batch;
        const QString id = QStringLiteral("Lot %1").arg(2417 + lot);
        Header(batch, 2, "L3", id,
               QStringLiteral(
                   "Water-based emulsion paint, flow curve at 25 C.\nShear-thinning: viscosity falls as "
                   "the speed rises."));
        AddProcess(batch, QStringLiteral("Ramp 5 to 50 RPM"), 5, 50, 60, 12);
        AddProcess(batch, QStringLiteral("Hold at 50 RPM"), 50, 50, 30, 6);
        TSimFluid sample = paint;
        sample.Viscosity25 *= 1.0 + 0.04 * (lot - 1); // lots differ a little
        TakeReadings(batch, sample, DayNumber(today.addDays(lot - 7), 9 + lot, 15), 24.9, 25.1, random);
        batch.SelectedXAxis = 4; // viscosity against speed: the flow curve
        batch.SelectedYAxis = QStringLiteral("0");
        Save(batch, local + QStringLiteral("Paint QC/Emulsion paint %1.epb").arg(id.toLower()));
    }

    {
        TBatchItem batch;
        Header(batch, 2, "L2", QStringLiteral("ISO VG 220"),
               QStringLiteral("Gear oil warmed from 20 to 40 C at a steady 30 RPM.\nNewtonian: only the "
                              "temperature changes the viscosity."));
        AddProcess(batch, QStringLiteral("Warm-up at 30 RPM"), 30, 30, 600, 21);
        TakeReadings(batch, oil, DayNumber(today.addDays(-3), 14, 0), 20.0, 40.0, random);
        batch.SelectedXAxis = 3; // viscosity against temperature
        batch.SelectedYAxis = QStringLiteral("0");
        Save(batch, local + QStringLiteral("Oils/Gear oil temperature sweep.epb"));
    }
    {
        TBatchItem batch;
        Header(batch, 2, "L2", QStringLiteral("ISO VG 220"),
               QStringLiteral("Gear oil at 25 C, four speeds: the same viscosity at each."));
        AddProcess(batch, QStringLiteral("10 RPM"), 10, 10, 20, 4);
        AddProcess(batch, QStringLiteral("20 RPM"), 20, 20, 20, 4);
        AddProcess(batch, QStringLiteral("30 RPM"), 30, 30, 20, 4);
        AddProcess(batch, QStringLiteral("50 RPM"), 50, 50, 20, 4);
        TakeReadings(batch, oil, DayNumber(today.addDays(-2), 10, 30), 25.0, 25.0, random);
        batch.SelectedXAxis = 4;
        Save(batch, local + QStringLiteral("Oils/Gear oil speed check.epb"));
    }
    {
        TBatchItem batch;
        Header(batch, 3, "TR8", QStringLiteral("Paste 77"),
               QStringLiteral("Filling paste on the TR8 spindle, flow curve at 25 C.\nIt has a yield stress: "
                              "the Analysis names Herschel-Bulkley as the best flow model."));
        for (const double rpm : {0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0})
            AddProcess(batch, QStringLiteral("%1 RPM").arg(rpm), rpm, rpm, 20, 4);
        TakeReadings(batch, SimFluidPaste(), DayNumber(today.addDays(-1), 11, 0), 25.0, 25.0, random);
        batch.SelectedXAxis = 6; // shear stress against shear rate: the flow curve
        batch.SelectedYAxis = QStringLiteral("4");
        Save(batch, local + QStringLiteral("Pastes/Filling paste flow curve.epb"));
    }
    {
        TBatchItem batch;
        Header(
            batch, 2, "L3", QStringLiteral("Lot 2420"),
            QStringLiteral("Ready for an Auto run on the simulated viscometer: select this batch and press "
                           "Auto."));
        AddProcess(batch, QStringLiteral("Ramp 5 to 50 RPM"), 5, 50, 30, 6);
        AddProcess(batch, QStringLiteral("Hold at 50 RPM"), 50, 50, 15, 3);
        Save(batch, local + QStringLiteral("Training/Paint flow curve (Auto).epb"));
    }
    {
        TBatchItem batch;
        Header(batch, 0, "L3", QStringLiteral("Lot 2420"),
               QStringLiteral("For a Manual collection: select this batch and press Manual; the simulated "
                              "instrument prints a reading every few seconds."));
        Save(batch, local + QStringLiteral("Training/Readings by hand (Manual).epb"));
    }
    return 0;
}

CliRegistrar reg{
    {"seed-demo", "",
     QT_TRANSLATE_NOOP(
         "Bramblex",
         "fills the storage tree (BRAMBLEX_STORAGE_ROOT) with demo folders and batches and chooses the "
         "simulated viscometer"),
     SeedDemo}};

} // namespace
