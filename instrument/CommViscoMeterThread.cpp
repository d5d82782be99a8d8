#include "instrument/CommViscoMeterThread.h"

#include "catalogue/Catalogue.h"

#include <QDate>
#include <QDateTime>
#include <QMetaObject>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <limits>

namespace {

constexpr int LoopSleepMs = 10;
constexpr int TemperatureRetryMs = 90;
constexpr int64_t NotDue = 2147483647;

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Progress is shown in int milliseconds; a process or delay of 25 days or more (the
// time fields take up to seven digits) must not wrap into a negative bar.
int ProgressMs(int64_t ms) {
    return static_cast<int>(std::clamp<int64_t>(ms, 0, std::numeric_limits<int>::max()));
}

QString ErrorMessage(const std::exception& e) {
    if (const auto* error = dynamic_cast<const EBramblexError*>(&e))
        return error->Message();
    return QString::fromLocal8Bit(e.what());
}

} // namespace

double NowAsDayNumber() {
    const QDateTime now = QDateTime::currentDateTime();
    return static_cast<double>(QDate(1899, 12, 30).daysTo(now.date())) +
           static_cast<double>(now.time().msecsSinceStartOfDay()) / 86400000.0;
}

TCommViscoMeterThread::TCommViscoMeterThread(int comNumber, uint8_t mode, QObject* parent)
    : QObject(parent), ComNumber(comNumber), Mode(mode),
      m_viscoMeter(std::make_unique<TKorvaneViscoMeterInterface>()) {
    m_viscoMeter->OnContinue = [this](TKorvaneViscoMeterInterface*, bool& doContinue) {
        doContinue = !Terminated();
    };
}

TCommViscoMeterThread::TCommViscoMeterThread(const QString& device, uint8_t mode, QObject* parent)
    : TCommViscoMeterThread(0, mode, parent) {
    ComDevice = device;
}

TCommViscoMeterThread::~TCommViscoMeterThread() {
    Terminate();
    {
        std::lock_guard<std::mutex> guard(m_syncMutex);
        m_ownerGone = true;
    }
    m_syncDone.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void TCommViscoMeterThread::Resume() {
    if (m_resumed)
        return;
    m_resumed = true;
    m_worker = std::thread([this] { Execute(); });
}

void TCommViscoMeterThread::Terminate() {
    m_terminated.store(true);
}

void TCommViscoMeterThread::Synchronize(const std::function<void()>& fn) {
    struct TCall {
        bool Done = false;
        std::exception_ptr Failure;
    };
    auto call = std::make_shared<TCall>();
    QMetaObject::invokeMethod(
        this,
        [this, fn, call] {
            std::exception_ptr failure;
            try {
                fn();
            } catch (...) {
                // Handed to the worker, which ends the run with it: a failing handler
                // must neither go unnoticed nor leave the worker waiting for ever.
                failure = std::current_exception();
            }
            {
                std::lock_guard<std::mutex> guard(m_syncMutex);
                call->Failure = failure;
                call->Done = true;
            }
            m_syncDone.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(m_syncMutex);
    m_syncDone.wait(lock, [&] { return call->Done || m_ownerGone; });
    if (call->Failure) {
        const std::exception_ptr failure = call->Failure;
        lock.unlock();
        m_handlerFailed = true;
        std::rethrow_exception(failure);
    }
}

void TCommViscoMeterThread::Status(const QString& text) {
    if (!OnStatus)
        return;
    StatusText = text;
    Synchronize(OnStatus);
}

void TCommViscoMeterThread::TemperatureStatus(const char* format, double trigger, double current) {
    StatusText = QString::fromLatin1(format);
    TriggerTemperature = trigger;
    CurrentTemperature = current;
    // Formatted on the owner's thread, which owns the display unit selection.
    Synchronize([this, format] {
        StatusText = Tr(format).arg(FormatTemperature(TriggerTemperature), TemperatureUnitsName(),
                                    FormatTemperature(CurrentTemperature), TemperatureUnitsName());
        if (OnStatus)
            OnStatus();
    });
}

void TCommViscoMeterThread::Error(const QString& text) {
    if (!OnError)
        return;
    ErrorText = text;
    Synchronize(OnError);
}

void TCommViscoMeterThread::Started() {
    if (OnStarted)
        Synchronize(OnStarted);
}

void TCommViscoMeterThread::SleepUnlessTerminated(int ms) {
    const int64_t start = InstrumentTick();
    while (!Terminated()) {
        const int64_t left = ms - (InstrumentTick() - start);
        if (left <= 0)
            return;
        SleepMs(static_cast<int>(std::min<int64_t>(left, LoopSleepMs)));
    }
}

void TCommViscoMeterThread::Execute() {
    const int64_t runStart = InstrumentTick();
    ProgressPosition = 0;
    ProgressMax = 0;
    TKorvaneViscoMeterInterface& vm = *m_viscoMeter;
    vm.TraceFolder = TraceFolder;
    try {
        if (!ComDevice.isEmpty())
            vm.Open(ComDevice, Tracing);
        else
            vm.Open(ComNumber, Tracing);
        try {
            if (Mode == ModeAutomatic)
                AutomaticRun();
            else if (Mode == ModeManual)
                ManualCollection();
            else
                throw EBramblexError(Tr("Invalid thread operation"));
        } catch (...) {
            try {
                vm.Close();
            } catch (...) {
            }
            throw;
        }
        vm.Close();
    } catch (const std::exception& e) {
        // After a stop request every failure is a consequence of the stop, unless a
        // handler raised it.
        if (!Terminated() || m_handlerFailed) {
            try {
                Error(ErrorMessage(e));
            } catch (...) {
                // The error handler itself failed: ErrorText still holds the message
                // for OnTerminate.
            }
        }
    } catch (...) {
        ErrorText = Tr("The measurement run ended on an unknown error.");
        try {
            if (OnError)
                Synchronize(OnError);
        } catch (...) {
        }
    }
    m_runMs = InstrumentTick() - runStart;
    m_lineBytes = vm.BytesWritten() + vm.BytesRead();
    try {
        // Written now rather than when the object goes, so it survives whatever the
        // owner does next.
        m_tracePath = vm.SaveTrace();
    } catch (...) {
    }
    QMetaObject::invokeMethod(
        this, [this] { Finish(); }, Qt::QueuedConnection);
}

void TCommViscoMeterThread::Finish() {
    if (m_worker.joinable())
        m_worker.join();
    m_finished = true;
    if (OnTerminate)
        OnTerminate();
}

void TCommViscoMeterThread::AutomaticRun() {
    TKorvaneViscoMeterInterface& vm = *m_viscoMeter;
    try {
        vm.RestartInstrument();
    } catch (const std::exception&) {
        // An instrument that was not in computer mode may not acknowledge it.
    }
    vm.Purge();
    try {
        vm.EnterComputerMode();
    } catch (const std::exception&) {
        throw EBramblexError(Tr("Unable to set ViscoMeter into computer controlled mode"));
    }

    std::exception_ptr failure;
    try {
        RunProcesses();
    } catch (...) {
        failure = std::current_exception();
    }
    // However the run ended the spindle is stopped and the instrument leaves computer
    // mode; the first failure is the one the operator needs to see.
    try {
        vm.SetRPM(0);
        vm.RestartInstrument();
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
    if (failure)
        std::rethrow_exception(failure);
}

bool TCommViscoMeterThread::TakeReading(int rpmCode) {
    TKorvaneViscoMeterInterface& vm = *m_viscoMeter;
    auto reading = std::make_unique<TMeasurementItem>();
    reading->DateTime = NowAsDayNumber();
    reading->RPMCode = rpmCode;
    try {
        reading->Temperature = vm.ReadTemperature();
        reading->Viscosity = vm.ReadViscosity();
        if (SpindleHasShear(Batch.SpindleType)) {
            reading->SheerStress = vm.ReadShearStress();
            reading->SheerRate = vm.ReadShearRate();
        }
    } catch (const std::exception&) {
        return false;
    }
    {
        std::lock_guard<TMeasurementList> guard(Batch.Measurements);
        Batch.Measurements.Append(*reading);
    }
    if (OnReading)
        OnReading(*reading, Batch.ModelType, Batch.SpindleType);
    return true;
}

void TCommViscoMeterThread::RunProcesses() {
    TKorvaneViscoMeterInterface& vm = *m_viscoMeter;
    if (vm.ReadInstrumentModel() != Batch.ModelType)
        throw EBramblexError(Tr("Connected ViscoMeter model is different than one selected in batch."));
    vm.SetSpindle(Batch.SpindleType);

    enum class TRamp { Constant, Up, Down };
    int index = -1;
    int current = 0;
    int endCode = 0;
    TRamp ramp = TRamp::Constant;
    int64_t duration = 0;
    int64_t start = 0;
    int64_t rampInterval = 0;
    int64_t nextRamp = NotDue;
    int64_t readingInterval = 0;
    int64_t nextReading = NotDue;
    int remaining = 0;
    bool triggerPending = false;
    double trigger = 0.0;
    int tendency = 0;
    int64_t startDelayMs = 0;
    int64_t lastStatus = 0;
    ProgressPosition = 0;
    ProgressMax = 0;
    Status(Tr("Begining Process...."));

    const int processCount = Batch.Processes.Count();
    while (!Terminated()) {
        SleepMs(LoopSleepMs);
        // Negative while a start delay runs: the clock's start lies in the future.
        const int64_t elapsed = InstrumentTick() - start;

        if (index >= 0 && elapsed >= 0 && triggerPending) {
            const double t = vm.ReadTemperature();
            ProgressPosition = 0;
            ProgressMax = 0;
            if (tendency == 0)
                TemperatureStatus(QT_TRANSLATE_NOOP("Bramblex", "Waiting for temperature to go above %1 (%2) "
                                                                "currently %3 (%4)"),
                                  trigger, t);
            else
                TemperatureStatus(QT_TRANSLATE_NOOP("Bramblex", "Waiting for temperature to go below %1 (%2) "
                                                                "currently %3 (%4)"),
                                  trigger, t);
            const bool met = tendency == 0 ? t > trigger : t < trigger;
            if (!met) {
                SleepUnlessTerminated(TemperatureRetryMs);
                continue;
            }
            // Process time, readings and ramp all count from the moment it was met.
            triggerPending = false;
            start = InstrumentTick();
            continue;
        }

        if (index >= 0 && InstrumentTick() - lastStatus > 1000) {
            lastStatus = InstrumentTick();
            if (elapsed >= 0) {
                ProgressMax = ProgressMs(duration);
                ProgressPosition = ProgressMs(elapsed);
                Status(Tr("Processing Item %1 of %2").arg(index + 1).arg(processCount));
            } else {
                ProgressMax = ProgressMs(startDelayMs);
                ProgressPosition = ProgressMs(startDelayMs + elapsed);
                Status(Tr("Delaying ... %1 seconds remaining").arg(-elapsed / 1000));
            }
        }

        if (elapsed >= nextReading && remaining > 0) {
            const int64_t due = nextReading;
            nextReading += readingInterval;
            m_lateness.push_back(InstrumentTick() - start - due);
            if (!TakeReading(current)) {
                // A reading that fails because the operator stopped is no error.
                if (!Terminated())
                    Error(Tr("An error occured while requesting a measurement"));
                return;
            }
            --remaining;
        }

        if (ramp != TRamp::Constant && elapsed >= nextRamp) {
            nextRamp += rampInterval;
            if (ramp == TRamp::Down && RPMCodeToValue(current) > RPMCodeToValue(endCode)) {
                if (!IsSlowestRPMCode(current))
                    current = NextSlowerRPMCode(current);
                vm.SetRPM(current);
            } else if (ramp == TRamp::Up && RPMCodeToValue(current) < RPMCodeToValue(endCode)) {
                if (!IsFastestRPMCode(current))
                    current = NextFasterRPMCode(current);
                vm.SetRPM(current);
            }
        }

        if (index == -1 || (elapsed >= duration && remaining == 0)) {
            ++index;
            if (index >= processCount)
                break;
            const TProcessItem& p = *Batch.Processes.Items(index);
            start = InstrumentTick();
            // Files are not validated on load: a zero or negative time or count must
            // neither divide by zero nor leave the process waiting for ever.
            duration = std::max<int64_t>(0, p.Time) * 1000;
            rampInterval = duration / (RPMStepCount(p.RPMStart, p.RPMEnd) + 1);
            nextRamp = rampInterval;
            current = p.RPMStart;
            endCode = p.RPMEnd;
            if (p.RPMStart == p.RPMEnd)
                ramp = TRamp::Constant;
            else if (RPMCodeToValue(p.RPMStart) < RPMCodeToValue(p.RPMEnd))
                ramp = TRamp::Up;
            else if (RPMCodeToValue(p.RPMStart) > RPMCodeToValue(p.RPMEnd))
                ramp = TRamp::Down;
            else
                ramp = TRamp::Constant;
            remaining = std::max(0, p.MeasurementCount);
            readingInterval = remaining > 0 ? duration / remaining : 0;
            nextReading = readingInterval;
            startDelayMs = 0;
            if (p.UseStartDelay) {
                // In 64 bits: seven digits of seconds overflow an int of milliseconds.
                startDelayMs = int64_t{std::max(0, p.StartDelay)} * 1000;
                start += startDelayMs;
            }
            triggerPending = p.UseStartTemperature;
            if (triggerPending) {
                trigger = p.StartTemperature;
                tendency = p.StartTemperatureType;
            }
            vm.SetRPM(current);
            vm.StartViscosityMeasurement();
        }
    }
}

void TCommViscoMeterThread::ManualCollection() {
    TKorvaneViscoMeterInterface& vm = *m_viscoMeter;
    Status(Tr("Press the START button on the ViscoMeter to begin"));
    bool first = true;
    while (!Terminated()) {
        bool queued = false;
        while (!queued && !Terminated()) {
            try {
                vm.WaitForInput(1, 1000);
                queued = true;
            } catch (const KorvViscoMeterException&) {
                // Nothing yet: the operator has not taken a reading.
            }
        }
        if (!queued)
            break;
        const TNoProcessReading block = vm.ReadNoProcessLine();
        Batch.SpindleType = static_cast<uint8_t>(block.Spindle);
        if (SpindleToIndex(Batch.ModelType, block.Spindle) == -1) {
            for (int model = 0; model < ModelTypeCount; ++model) {
                if (SpindleToIndex(model, block.Spindle) != -1) {
                    Batch.ModelType = static_cast<uint8_t>(model);
                    break;
                }
            }
        }
        {
            auto reading = std::make_unique<TMeasurementItem>();
            reading->DateTime = NowAsDayNumber();
            reading->RPMCode = block.RPMCode;
            reading->Viscosity = block.Viscosity;
            reading->Temperature = block.Temperature;
            reading->SheerStress = block.ShearStress;
            reading->SheerRate = block.ShearRate;
            {
                std::lock_guard<TMeasurementList> guard(Batch.Measurements);
                Batch.Measurements.Append(*reading);
            }
            if (OnReading)
                OnReading(*reading, Batch.ModelType, Batch.SpindleType);
        }
        if (first) {
            first = false;
            Started();
            Status(Tr("Receiving data from ViscoMeter, click the STOP button to finish collecting data."));
        }
    }
}
