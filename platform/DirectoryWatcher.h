#pragma once

// A background thread that waits for changes in one folder (entries created, deleted,
// renamed or written; subfolders' contents are not watched) and then runs OnChange on
// the main thread, waiting until it has run. After each report it pauses (5 s by
// default) so that a folder that keeps changing is refreshed at most once per pause;
// changes during the pause are reported right after it. A burst of changes counts as
// one. A folder that cannot be watched parks the thread until it is re-pointed.
//
// Changes to the folder's own cache file and hidden-file list are not reported: they
// come from refreshing the folder and would only ask for another refresh. Neither are
// writers' temporary files: a save is seen when the file takes its real name.

#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

class TThreadDirectory : public QThread {
public:
    // Created suspended: set OnChange, then Start.
    explicit TThreadDirectory(const QString& folder, int pauseMs = 5000);
    // Stops the thread.
    ~TThreadDirectory() override;

    // Runs on the main thread (the application's thread); the watcher waits for it.
    // It may stop or destroy this watcher. An exception it raises is caught there: the
    // watcher goes on and LastChangeError keeps the message.
    std::function<void()> OnChange;

    void Start();
    // Sets Terminated, wakes the thread and waits for it to end. Safe on the main thread
    // while the watcher waits for OnChange to run there: that call is then dropped.
    void Stop();

    // Switches to another folder at once, without waiting for the pause.
    void SetFolder(const QString& folder);
    QString GetFolder() const;
    void Wake();
    bool Terminated() const { return m_terminated.load(); }

    // The folder the thread is watching now; empty while parked or not running.
    QString WatchedFolder() const;
    // The message of the last exception OnChange raised; empty when none did.
    QString LastChangeError() const;

protected:
    void run() override;

private:
    struct TPendingCall;

    bool WaitForWake(int timeoutMs);
    // Leaves when the thread must re-read its folder or stop.
    void WaitLoop(int notifyFd, const QString& folder);
    void RunOnChange();
    static QString RunHandler(const std::function<void()>& handler);
    void CallHandler(const std::function<void()>& handler);
    void SetChangeError(const QString& message);
    void SetWatchedFolder(const QString& folder);

    mutable std::mutex m_lock;
    QString m_folder;
    QString m_watchedFolder;
    QString m_changeError;
    std::shared_ptr<TPendingCall> m_pendingCall;
    std::atomic<bool> m_terminated{false};
    const int m_pauseMs;
    int m_wakeFd = -1;
};
