#pragma once

// The QC verdicts of the batches of the folder the list shows, worked out on a thread
// of their own: each one reads and analyses a whole batch, too slow for the UI thread
// in a folder of thousands. Nothing is started for a folder no limit set applies to.
// A batch rewritten since is checked again; verdicts arrive in bunches.

#include "qc/Qc.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TQcFolderVerdicts : public QObject {
    Q_OBJECT
public:
    explicit TQcFolderVerdicts(QObject* parent = nullptr);
    // Stops the checking and waits for the batch in hand.
    ~TQcFolderVerdicts() override;

    struct TBatchFile {
        QString Path;
        std::int64_t Version; // changes whenever the file does (the list's time of it)
    };
    // Checks the batches of folder against the limit set that applies to it, except
    // those already checked in the same version. forget: a limit set or an assignment
    // changed, so every verdict is worked out again.
    void Update(const QString& folder, std::vector<TBatchFile> batches, bool forget);
    // The next Update checks path again (it was rewritten within the time a file's
    // version can tell apart).
    void Forget(const QString& path) { m_known.remove(path); }
    // The verdict of path as last worked out (a rewritten file keeps it until its new
    // one arrives); None when it is not known (yet) or no limit set applies.
    TQcVerdict Verdict(const QString& path) const;
    // Checking is still going on.
    bool Busy() const { return m_busy; }

    // Verdicts arrived (or the folder has none).
    std::function<void()> OnChanged;

private:
    struct TKnown {
        std::int64_t Version;
        TQcVerdict Verdict;
    };
    void Arrived(int generation, const std::vector<std::pair<TBatchFile, TQcVerdict>>& results, bool last);

    QThreadPool m_pool;
    std::shared_ptr<std::atomic<int>> m_generation;
    QString m_folder;
    QHash<QString, TKnown> m_known;
    bool m_busy = false;
};
