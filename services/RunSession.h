#pragma once

// A measurement run as every front end does it (the window, bramblex-cli run, the
// automation service): the run thread on a copy of the batch, the readings copied from
// it under its list's lock at a fixed interval into the batch store's document of the
// batch, which every view of it shows (each front end edits the header there), the
// model, spindle and readings taken over at the first manual reading, a journal of
// every reading in the user's state folder, and the batch saved when the run ends.
//
// Everything here runs on the thread that made the session (it needs a running event
// loop); the run thread meets it only through its synchronised callbacks and the
// reading list's lock.

#include "documents/BatchItem.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <thread>

class QTimer;
class TBatchDocument;
class TCommViscoMeterThread;
class TRunJournal;
class TSettings;
class TViscoMeterSimulator;

// Where a run talks to the instrument.
struct TRunPort {
    QString Device;         // the device to open (/dev/ttyUSB0, /dev/serial/by-id/...)
    bool Simulated = false; // the built-in simulated viscometer on a pseudo-terminal
};

// "ComPortDevice" holds this for the simulated viscometer ("ComPort" is then 0).
inline constexpr const char* SimulatedPortSetting = "simulated";
// The port list's entry of the simulated viscometer, localised.
QString SimulatedPortText();

// The port the settings "ComPort" and "ComPortDevice" choose.
TRunPort RunPortFromSettings(TSettings& settings);
// A port given on a command line: a device path, a "ComPort" number, or "simulated".
TRunPort RunPortFromText(const QString& text);

class TRunSession : public QObject {
    Q_OBJECT
public:
    enum class TMode { Manual, Automatic };

    struct TOptions {
        TMode Mode = TMode::Automatic;
        TRunPort Port;
        bool Tracing = false;                 // write the communications trace file
        QString TraceFolder;                  // where it goes; empty: the current folder
        QString JournalFolder;                // empty: TRunJournal::DefaultFolder()
        int MonitorIntervalMs = 1000;         // how often readings are copied
        int ReadingLimit = 0;                 // stop after this many new readings; 0: no limit
        int SimulatorManualIntervalMs = 4000; // the simulated instrument's manual blocks
        // Who records the run in the batch's audit trail; a signed batch's reason is
        // asked when the run starts (the save at the end runs off this thread).
        TAuditRecorder Audit;
    };

    struct TResult {
        int ReadingsAdded = 0;
        bool Stopped = false; // the operator stopped the run before its end
        QStringList Errors;   // what ended the run early, as the operator saw it
        bool Saved = false;   // the batch file holds every reading
        QString SaveError;    // why it does not (the file layer's message)
        QString JournalPath;  // the journal kept for recovery when not saved
        QString TracePath;    // the communications trace written, if any
    };

    // The run's readings go into document, whose file is saved when the run ends.
    TRunSession(std::shared_ptr<TBatchDocument> document, const TOptions& options, QObject* parent = nullptr);
    // A run of its own: batch is copied into a document nobody else shows; batchPath is
    // the file saved when the run ends.
    TRunSession(const TBatchItem& batch, const QString& batchPath, const TOptions& options,
                QObject* parent = nullptr);
    // Stops a run still going and waits for the run thread.
    ~TRunSession() override;

    // Checks the batch (an automatic run needs a model that runs processes and valid
    // processes), starts the simulated instrument when asked, begins the journal and
    // starts the run thread. Raises EBramblexError with the operator's message; nothing
    // runs then.
    void Start();
    // Asks the run to stop (the run thread sees it within 10 ms).
    void Stop();
    // Running: the run thread works; then the batch is saved; then Finished.
    bool Running() const { return m_started && !m_saving && !m_finished; }
    bool Finished() const { return m_finished; }

    // The batch the front end shows: its header as the front end edits it, the
    // readings copied from the run. Saved when the run ends.
    TBatchItem& Batch();
    const std::shared_ptr<TBatchDocument>& Document() const { return m_document; }
    const QString& BatchPath() const { return m_batchPath; }

    // Copies the readings the run has taken beyond those of Batch(), under the run's
    // list lock (at most up to ReadingLimit). Returns the number copied.
    int CopyNewReadings();

    // After the run: saves Batch() to another file (the batch file could not be
    // written) and removes the journal when that worked. Raises EFileError.
    void SaveTo(const QString& path);

    const TResult& Result() const { return m_result; }
    TCommViscoMeterThread& Thread() { return *m_thread; }
    TViscoMeterSimulator* Simulator() const { return m_simulator.get(); }
    QTimer* MonitorTimer() const { return m_monitor; }

    // On this thread. Status: the run's status text and progress (max 0: none).
    std::function<void(const QString& text, int position, int max)> OnStatus;
    std::function<void(const QString& message)> OnError;
    // The first manual reading: Batch() took over the instrument's model and spindle.
    std::function<void()> OnStarted;
    // New readings were copied into Batch().
    std::function<void(int copied)> OnReadings;
    // The run has ended and the batch was saved or not (Result() says). The save itself
    // runs off this thread; this comes once it is done.
    std::function<void()> OnTerminate;

private:
    void MonitorTick();
    void Terminated();
    void Saved(bool saved, const QString& error);
    TAuditEntry RunRecord() const;

    std::shared_ptr<TBatchDocument> m_document;
    QString m_batchPath;
    TOptions m_options;
    TResult m_result;
    int m_readingsBefore = 0;
    QString m_reason; // for a signed batch, asked at the start
    std::unique_ptr<TViscoMeterSimulator> m_simulator;
    std::unique_ptr<TRunJournal> m_journal;
    std::unique_ptr<TCommViscoMeterThread> m_thread;
    QTimer* m_monitor = nullptr;
    bool m_started = false;
    bool m_saving = false;
    bool m_finished = false;
    std::thread m_saver;
    bool m_stopRequested = false;
    std::shared_ptr<std::atomic<bool>> m_journalFailed;
};
