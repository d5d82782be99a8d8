#pragma once

// A background thread that waits for changes in one folder (entries created, deleted,
// renamed or written; subfolders' contents are not watched) and then runs OnChange on
// the main thread, waiting until it has run. After each report it pauses (5 s by
// default) so that a folder that keeps changing is refreshed at most once per pause;
// changes during the pause are reported right after it. A burst of changes counts as
// one. A folder that cannot be watched parks the thread until it is re-pointed.
//
// Folders on network file systems (NFS, SMB/CIFS, FUSE and the like) do not report
// changes made by other computers through inotify: there the thread lists the folder
// every poll interval (5 s by default) instead and reports a change of names, sizes or
// last-write times.
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

// statfs f_type values of file systems whose remote changes inotify misses.
bool IsNetworkFileSystemType(unsigned long type);
// Whether folder lies on such a file system (false when it cannot be examined).
bool IsNetworkFolder(const QString& folder);

class TThreadDirectory : public QThread {
public:
    // Created suspended: set OnChange, then Start.
    explicit TThreadDirectory(const QString& folder, int pauseMs = 5000, int pollMs = 5000);
    // Stops the thread.
    ~TThreadDirectory() override;

    // Runs on the main thread (the application's thread); the watcher waits for it.
    // It may stop or destroy this watcher. An exception it raises is caught there: the
    // watcher goes on and LastChangeError keeps the message.
    std::function<void()> OnChange;
    // Whether a folder must be polled; set before Start (tests poll local folders).
    std::function<bool(const QString&)> NeedsPolling = IsNetworkFolder;

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
    // Whether the folder watched now is polled rather than watched through inotify.
    bool Polling() const { return m_polling.load(); }
    // The message of the last exception OnChange raised; empty when none did.
    QString LastChangeError() const;

protected:
    void run() override;

private:
    struct TPendingCall;

    bool WaitForWake(int timeoutMs);
    // Leaves when the thread must re-read its folder or stop.
    void WaitLoop(int notifyFd, const QString& folder);
    void PollLoop(const QString& folder);
    // After a wake: true when the thread must leave its loop (a stop, another folder).
    bool LeaveForWake(const QString& folder);
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
    std::atomic<bool> m_polling{false};
    const int m_pauseMs;
    const int m_pollMs;
    int m_wakeFd = -1;
};
