#include "services/RunSession.h"

#include "services/BatchStore.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/SettingNames.h"
#include "documents/Settings.h"
#include "instrument/CommViscoMeterThread.h"
#include "instrument/ProcessRules.h"
#include "platform/SerialPorts.h"
#include "services/RunJournal.h"
#include "simulator/ViscoMeterSimulator.h"

#include <QRegularExpression>
#include <QTimer>

#include <atomic>

QString SimulatedPortText() {
    return Tr("Simulated ViscoMeter");
}

TRunPort RunPortFromSettings(TSettings& settings) {
    TRunPort port;
    const QString device = Setting::ComPortDevice.Get(settings).trimmed();
    if (device == QLatin1String(SimulatedPortSetting)) {
        port.Simulated = true;
        return port;
    }
    port.Device = PortDevicePath(Setting::ComPort.Get(settings), device);
    return port;
}

TRunPort RunPortFromText(const QString& text) {
    TRunPort port;
    const QString t = text.trimmed();
    if (t.compare(QLatin1String(SimulatedPortSetting), Qt::CaseInsensitive) == 0) {
        port.Simulated = true;
    } else if (QRegularExpression(QStringLiteral("^\\d+$")).match(t).hasMatch()) {
        port.Device = PortDevicePath(t.toInt(), QString());
    } else {
        port.Device = t;
    }
    return port;
}

namespace {

std::shared_ptr<TBatchDocument> DocumentOf(const TBatchItem& batch, const QString& path) {
    TFileItem entry;
    entry.FileType = FileTypeBatch;
    entry.FilePath = path;
    entry.LoadState = LoadStateLoaded;
    entry.BatchItem().Assign(batch);
    return std::make_shared<TBatchDocument>(entry);
}

} // namespace

TRunSession::TRunSession(const TBatchItem& batch, const QString& batchPath, const TOptions& options,
                         QObject* parent)
    : TRunSession(DocumentOf(batch, batchPath), options, parent) {}

TRunSession::TRunSession(std::shared_ptr<TBatchDocument> document, const TOptions& options, QObject* parent)
    : QObject(parent), m_document(std::move(document)), m_batchPath(m_document->Path()), m_options(options),
      m_journal(std::make_unique<TRunJournal>()),
      m_journalFailed(std::make_shared<std::atomic<bool>>(false)) {
    m_readingsBefore = Batch().Measurements.Count();
    m_monitor = new QTimer(this);
    m_monitor->setObjectName(QStringLiteral("TimerProcessMonitor"));
    m_monitor->setSingleShot(true);
    m_monitor->setInterval(m_options.MonitorIntervalMs);
    connect(m_monitor, &QTimer::timeout, this, [this] { MonitorTick(); });
}

TBatchItem& TRunSession::Batch() {
    return m_document->Batch();
}

TRunSession::~TRunSession() {
    if (m_saver.joinable())
        m_saver.join();
    // The thread first: it may still append to the journal and talk to the simulator.
    m_thread.reset();
    m_simulator.reset();
}

void TRunSession::Start() {
    if (m_started)
        return;
    const bool automatic = m_options.Mode == TMode::Automatic;
    if (automatic) {
        if (!ModelSupportsProcesses(Batch().ModelType))
            throw EBramblexError(ProcessesNotSupportedText());
        TProcessRuleResult rule;
        const int bad = FirstInvalidProcess(Batch().Processes, Batch().SpindleType, &rule);
        if (bad >= 0)
            throw EBramblexError(Tr("Process %1: %2").arg(bad + 1).arg(rule.Message));
    }
    {
        // Asked now: the run's record is written when it ends, away from the operator.
        TAuditEntry probe = RunRecord();
        m_options.Audit.FillReason(m_batchPath, probe);
        m_reason = probe.Reason;
    }

    QString device = m_options.Port.Device;
    if (m_options.Port.Simulated) {
        auto simulator = std::make_unique<TViscoMeterSimulator>();
        simulator->SetModel(Batch().ModelType);
        if (IsSpindleValid(Batch().ModelType, Batch().SpindleType))
            simulator->SetSpindle(Batch().SpindleType);
        simulator->SetFluid(SimFluidShearThinning());
        // The sample warms up slowly in the instrument's bath.
        simulator->SetTemperature(22.0);
        simulator->SetTemperatureSetPoint(25.0, 0.02);
        simulator->Start();
        if (!automatic) {
            // A technician working the instrument by hand: a steady middle speed.
            int code = RPMIndexToCode(RPMTableCount / 2);
            for (int i = RPMTableCount / 2; i >= 0; --i) {
                const int c = RPMIndexToCode(i);
                if (FullScale(Batch().ModelType, simulator->Spindle(), c) >
                    simulator->FluidViscosityNow() * 1.2) {
                    code = c;
                    break;
                }
            }
            simulator->SetRPMCode(code);
            simulator->StartManual(m_options.SimulatorManualIntervalMs);
        }
        device = simulator->SlavePath();
        m_simulator = std::move(simulator);
    }
    if (device.isEmpty())
        throw EBramblexError(Tr("Invalid Communications Port"));

    const QString journalFolder =
        m_options.JournalFolder.isEmpty() ? TRunJournal::DefaultFolder() : m_options.JournalFolder;
    m_journal->Begin(journalFolder, m_batchPath, automatic, Batch());

    m_thread = std::make_unique<TCommViscoMeterThread>(
        device, automatic ? TCommViscoMeterThread::ModeAutomatic : TCommViscoMeterThread::ModeManual);
    TCommViscoMeterThread& run = *m_thread;
    run.Tracing = m_options.Tracing;
    run.TraceFolder = m_options.TraceFolder;
    run.Batch.Assign(Batch());

    run.OnStatus = [this] {
        if (OnStatus)
            OnStatus(m_thread->StatusText, m_thread->ProgressPosition, m_thread->ProgressMax);
    };
    run.OnError = [this] {
        m_result.Errors << m_thread->ErrorText;
        if (OnError)
            OnError(m_thread->ErrorText);
    };
    run.OnStarted = [this] {
        // The instrument says which model and spindle it is using; everything else of
        // the batch (a note typed since the run began) stays the front end's.
        Batch().ModelType = m_thread->Batch.ModelType;
        Batch().SpindleType = m_thread->Batch.SpindleType;
        m_document->HeaderEdited(this);
        const int copied = CopyNewReadings();
        if (OnStarted)
            OnStarted();
        if (copied > 0 && OnReadings)
            OnReadings(copied);
    };
    run.OnTerminate = [this] { Terminated(); };
    // The journal and the reading limit are served on the run thread, as each reading
    // arrives, so that a crash loses at most the reading being taken.
    TRunJournal* journal = m_journal.get();
    auto failed = m_journalFailed;
    auto taken = std::make_shared<std::atomic<int>>(0);
    const int limit = m_options.ReadingLimit;
    TCommViscoMeterThread* thread = m_thread.get();
    run.OnReading = [journal, failed, taken, limit, thread](const TMeasurementItem& reading, int model,
                                                            int spindle) {
        try {
            journal->Append(reading, model, spindle);
        } catch (const std::exception&) {
            failed->store(true);
        }
        if (limit > 0 && ++*taken >= limit)
            thread->Terminate();
    };

    m_started = true;
    run.Resume();
    m_monitor->start();
}

void TRunSession::Stop() {
    m_stopRequested = true;
    if (m_thread)
        m_thread->Terminate();
}

int TRunSession::CopyNewReadings() {
    if (!m_thread)
        return 0;
    TMeasurementList& source = m_thread->Batch.Measurements;
    std::lock_guard<TMeasurementList> guard(source);
    int end = source.Count();
    if (m_options.ReadingLimit > 0)
        end = std::min(end, m_readingsBefore + m_options.ReadingLimit);
    int copied = 0;
    for (int i = Batch().Measurements.Count(); i < end; ++i) {
        m_document->AppendReading(*source.Items(i));
        ++copied;
    }
    m_document->EndAppend();
    return copied;
}

void TRunSession::MonitorTick() {
    if (m_finished || m_saving)
        return;
    int copied = 0;
    try {
        copied = CopyNewReadings();
        if (m_journalFailed->exchange(false) && OnError)
            OnError(
                Tr("The readings cannot be written to the run journal \"%1\". They are still collected and "
                   "saved when the run ends.")
                    .arg(m_journal->Path()));
        if (copied > 0 && OnReadings)
            OnReadings(copied);
    } catch (...) {
        // The next tick tries again.
    }
    if (!m_finished && !m_saving)
        m_monitor->start();
}

void TRunSession::Terminated() {
    m_monitor->stop();
    CopyNewReadings();
    m_saving = true;
    m_result.ReadingsAdded = Batch().Measurements.Count() - m_readingsBefore;
    m_result.Stopped = m_stopRequested;
    m_result.TracePath = m_thread->TracePath();
    if (m_simulator)
        m_simulator->Stop();
    if (OnStatus)
        OnStatus(Tr("Saving the readings..."), 0, 0);
    // The file is flushed to the disk, which can take a while on a busy or slow disk:
    // not on this thread, which keeps serving the windows meanwhile. The batch as the
    // run ends is saved; a note typed meanwhile goes into the document (the readings
    // are shared, not copied). Nobody is asked anything off this thread: the reason was
    // had at the start.
    auto batch = std::make_shared<TBatchItem>();
    batch->Assign(Batch());
    TAuditRecorder audit = m_options.Audit;
    audit.AskReason = nullptr;
    m_saver = std::thread([this, batch, record = RunRecord(), audit = std::move(audit)] {
        bool saved = false;
        QString error;
        try {
            batch->SaveToFile(m_batchPath, record, audit);
            saved = true;
            m_journal->Remove();
        } catch (const EBramblexError& e) {
            error = e.Message();
            // Left for recovery: the readings must survive whatever the front end does.
            m_journal->Release();
        }
        QMetaObject::invokeMethod(
            this, [this, saved, error] { Saved(saved, error); }, Qt::QueuedConnection);
    });
}

void TRunSession::Saved(bool saved, const QString& error) {
    if (m_saver.joinable())
        m_saver.join();
    m_saving = false;
    m_finished = true;
    m_result.Saved = saved;
    m_result.SaveError = error;
    if (!saved)
        m_result.JournalPath = m_journal->Path();
    if (OnTerminate)
        OnTerminate();
}

TAuditEntry TRunSession::RunRecord() const {
    const QString port = m_options.Port.Simulated ? QStringLiteral("simulated") : m_options.Port.Device;
    TAuditEntry entry = TAuditEntry::Run(m_options.Mode == TMode::Automatic ? QStringLiteral("automatic")
                                                                            : QStringLiteral("manual"),
                                         port, m_readingsBefore, m_document->Batch().Measurements.Count());
    entry.Reason = m_reason;
    return entry;
}

void TRunSession::SaveTo(const QString& path) {
    Batch().SaveToFile(path, RunRecord(), m_options.Audit);
    m_result.Saved = true;
    m_result.SaveError.clear();
    if (!m_result.JournalPath.isEmpty()) {
        TOrphanJournal journal;
        if (ReadOrphanJournal(m_result.JournalPath, journal))
            DiscardJournal(journal);
        m_result.JournalPath.clear();
    }
}
