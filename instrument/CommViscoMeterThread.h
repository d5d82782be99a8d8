#pragma once

// The measurement run: a worker thread that runs a batch's processes on the
// instrument (automatic) or turns the blocks the instrument prints into readings
// (manual). The object itself lives on the owner's thread and runs the callbacks
// there; the worker waits until each has run, so the fields a callback reads are
// never written at the same time. The owner's thread needs a running Qt event loop.

#include "documents/BatchItem.h"
#include "instrument/ViscoMeterInterface.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// The current local date and time as a day number (days since 30 December 1899,
// time of day as the fraction), as readings store it.
double NowAsDayNumber();

class TCommViscoMeterThread : public QObject {
    Q_OBJECT
public:
    enum : uint8_t { ModeManual = 0, ModeAutomatic = 1 };

    // The port by its number ("ComPort", 1 for the first serial port) or by its
    // device path; a non-empty path wins. Nothing runs before Resume.
    TCommViscoMeterThread(int comNumber, uint8_t mode, QObject* parent = nullptr);
    TCommViscoMeterThread(const QString& device, uint8_t mode, QObject* parent = nullptr);
    // Stops a run still going and waits for the worker; callbacks still pending are
    // dropped. Never destroy the object from inside one of its callbacks (use
    // deleteLater there).
    ~TCommViscoMeterThread() override;

    // Run on the owner's thread while the worker waits. A handler that raises ends the
    // run as an instrument failure would (spindle stopped, port closed): its message goes
    // to OnError, or stays in ErrorText when OnError is the handler that raised.
    std::function<void()> OnStatus;  // StatusText, ProgressPosition, ProgressMax changed
    std::function<void()> OnError;   // ErrorText holds the message
    std::function<void()> OnStarted; // the first manual reading has arrived
    // Run on the owner's thread once the run has ended and the port is closed.
    std::function<void()> OnTerminate;
    // Runs on the worker thread right after each reading was appended (outside the
    // list's lock), with the model and spindle the run uses at that moment; it must
    // not touch the owner's objects and should not take long. Set before Resume.
    std::function<void(const TMeasurementItem& reading, int model, int spindle)> OnReading;

    int ComNumber = 0;
    QString ComDevice;
    uint8_t Mode = ModeManual;
    bool Tracing = false; // the front end decides (the window's "-trace" switch)
    QString TraceFolder;  // where the trace file goes; empty: the current directory

    QString StatusText;
    int ProgressPosition = 0; // milliseconds done in the current phase
    int ProgressMax = 0;      // milliseconds of the current phase; 0: no progress to show
    QString ErrorText;
    double TriggerTemperature = 0.0; // Celsius, as the temperature wait shows them
    double CurrentTemperature = 0.0;

    // Filled by the owner before Resume. The worker appends readings to its
    // Measurements under that list's lock and, in manual mode, changes its model and
    // spindle; the owner reads the list under the lock at any time and the rest of the
    // batch only inside OnStarted and OnTerminate.
    TBatchItem Batch;

    // Starts the worker (once).
    void Resume();
    // Asks the run to stop: the worker sees it within 10 ms and every wait for the
    // instrument ends at once.
    void Terminate();
    bool Terminated() const { return m_terminated.load(); }
    // The worker has ended and OnTerminate has been called.
    bool Finished() const { return m_finished; }

    // Valid after the run has ended: the trace file written (empty without tracing),
    // bytes moved over the line, and per reading how late it was taken (ms after its
    // due time), for the line-load and timing figures.
    QString TracePath() const { return m_tracePath; }
    int64_t LineBytes() const { return m_lineBytes; }
    int64_t RunMilliseconds() const { return m_runMs; }
    const std::vector<int64_t>& ReadingLateness() const { return m_lateness; }

private:
    void Execute();
    void AutomaticRun();
    void RunProcesses();
    void ManualCollection();
    // Takes one reading of the automatic run; false when a command failed.
    bool TakeReading(int rpmCode);

    void Status(const QString& text);
    void TemperatureStatus(const char* format, double trigger, double current);
    void Error(const QString& text);
    void Started();
    // Runs fn on the owner's thread and waits for it (or for the owner to go away).
    void Synchronize(const std::function<void()>& fn);
    // Sleeps ms in steps of 10 ms, ending early on a stop request.
    void SleepUnlessTerminated(int ms);
    void Finish();

    std::unique_ptr<TKorvaneViscoMeterInterface> m_viscoMeter;
    std::thread m_worker;
    std::atomic<bool> m_terminated{false};
    bool m_finished = false;
    bool m_resumed = false;

    std::atomic<bool> m_handlerFailed{false};
    std::mutex m_syncMutex;
    std::condition_variable m_syncDone;
    bool m_ownerGone = false;

    QString m_tracePath;
    int64_t m_lineBytes = 0;
    int64_t m_runMs = 0;
    std::vector<int64_t> m_lateness;
};
