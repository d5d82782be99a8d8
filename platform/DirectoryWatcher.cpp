#include "platform/DirectoryWatcher.h"

#include "core/Error.h"
#include "platform/AtomicFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <map>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <sys/vfs.h>
#include <tuple>
#include <unistd.h>

namespace {

// Changes of entry names and of last-write times in the folder itself.
constexpr uint32_t kWatchMask = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY | IN_ATTRIB |
                                IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR | IN_EXCL_UNLINK;

// Changes arriving within this time of each other are one burst.
constexpr int kBurstGapMs = 50;
// A run of re-points within this time of each other is followed only by the last.
constexpr int kRepointGapMs = 100;

// A batch's audit trail, ".NAME.audit" (as IsAuditTrailName of audit/ says): every
// change appends to it, and the batch's own change is what the list shows.
bool IsAuditTrailFileName(const char* name) {
    const size_t length = std::strlen(name);
    constexpr size_t suffix = sizeof(".audit") - 1;
    return name[0] == '.' && length > suffix + 1 && std::strcmp(name + length - suffix, ".audit") == 0;
}

// The folder's own cache and hidden-file list, every writer's temporary file (a save
// shows up as the rename onto its real name) and the batches' audit trails.
bool IsHousekeepingName(const char* name) {
    return std::strcmp(name, "cache.epc") == 0 || std::strcmp(name, ".hidden") == 0 ||
           (name[0] == '.' && IsWriterTemporaryName(QFile::decodeName(name))) || IsAuditTrailFileName(name);
}

struct TDrainResult {
    bool Relevant = false;
    bool WatchGone = false;
};

TDrainResult Drain(int fd) {
    TDrainResult result;
    alignas(inotify_event) char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (ssize_t offset = 0; offset < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + offset);
            if (event->mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT)) {
                result.WatchGone = true;
                result.Relevant = true;
            } else if (event->mask & IN_Q_OVERFLOW) {
                result.Relevant = true;
            } else if (event->len == 0 || !IsHousekeepingName(event->name)) {
                result.Relevant = true;
            }
            offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return result;
}

// What a listing shows of each entry: enough to see a file written, added, removed or
// renamed by another computer.
struct TEntryState {
    qint64 Modified = 0;
    qint64 Size = 0;
    bool Folder = false;
    bool operator==(const TEntryState& o) const {
        return std::tie(Modified, Size, Folder) == std::tie(o.Modified, o.Size, o.Folder);
    }
};
struct TFolderListing {
    bool Exists = false;
    std::map<QString, TEntryState> Entries;
    bool operator==(const TFolderListing& o) const { return Exists == o.Exists && Entries == o.Entries; }
};

TFolderListing ListFolder(const QString& folder) {
    TFolderListing listing;
    const QDir dir(folder);
    listing.Exists = dir.exists();
    if (!listing.Exists)
        return listing;
    for (const QFileInfo& entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (IsHousekeepingName(QFile::encodeName(entry.fileName()).constData()))
            continue;
        listing.Entries[entry.fileName()] = {entry.lastModified().toMSecsSinceEpoch(), entry.size(),
                                             entry.isDir()};
    }
    return listing;
}

bool Readable(int fd, int timeoutMs) {
    pollfd p{fd, POLLIN, 0};
    for (;;) {
        const int r = ::poll(&p, 1, timeoutMs);
        if (r < 0 && errno == EINTR)
            continue;
        return r > 0 && (p.revents & POLLIN);
    }
}

} // namespace

bool IsNetworkFileSystemType(unsigned long type) {
    // The magic numbers of statfs(2): NFS, SMB, CIFS, SMB2, FUSE, Coda, AFS (both),
    // Ceph, 9P, NCP and Lustre.
    switch (type) {
    case 0x6969UL:
    case 0x517BUL:
    case 0xFF534D42UL:
    case 0xFE534D42UL:
    case 0x65735546UL:
    case 0x73757245UL:
    case 0x5346414FUL:
    case 0x6B414653UL:
    case 0x00C36400UL:
    case 0x01021997UL:
    case 0x564CUL:
    case 0x0BD00BD0UL:
        return true;
    default:
        return false;
    }
}

bool IsNetworkFolder(const QString& folder) {
    struct statfs fs {};
    if (folder.isEmpty() || ::statfs(QFile::encodeName(folder).constData(), &fs) != 0)
        return false;
    return IsNetworkFileSystemType(static_cast<unsigned long>(fs.f_type));
}

struct TThreadDirectory::TPendingCall {
    std::mutex Lock;
    std::condition_variable Done;
    bool Finished = false;
    bool Cancelled = false;
};

TThreadDirectory::TThreadDirectory(const QString& folder, int pauseMs, int pollMs)
    : m_folder(folder), m_pauseMs(pauseMs < 0 ? 0 : pauseMs), m_pollMs(pollMs < 1 ? 1 : pollMs) {
    m_wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

TThreadDirectory::~TThreadDirectory() {
    Stop();
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

void TThreadDirectory::Start() {
    if (!isRunning())
        start(QThread::LowestPriority);
}

void TThreadDirectory::Stop() {
    m_terminated = true;
    std::shared_ptr<TPendingCall> call;
    {
        std::lock_guard<std::mutex> guard(m_lock);
        call = m_pendingCall;
    }
    if (call) {
        std::lock_guard<std::mutex> guard(call->Lock);
        call->Cancelled = true;
        call->Done.notify_all();
    }
    Wake();
    if (QThread::currentThread() != this)
        wait();
}

void TThreadDirectory::SetFolder(const QString& folder) {
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_folder = folder;
    }
    Wake();
}

QString TThreadDirectory::GetFolder() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_folder;
}

void TThreadDirectory::Wake() {
    if (m_wakeFd >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t n = ::write(m_wakeFd, &one, sizeof one);
    }
}

QString TThreadDirectory::WatchedFolder() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_watchedFolder;
}

void TThreadDirectory::SetWatchedFolder(const QString& folder) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_watchedFolder = folder;
}

bool TThreadDirectory::WaitForWake(int timeoutMs) {
    if (!Readable(m_wakeFd, timeoutMs))
        return false;
    uint64_t count = 0;
    [[maybe_unused]] const ssize_t n = ::read(m_wakeFd, &count, sizeof count);
    return true;
}

void TThreadDirectory::run() {
    while (!m_terminated) {
        const QString folder = GetFolder();
        if (!folder.isEmpty() && NeedsPolling && NeedsPolling(folder) && QFileInfo(folder).isDir()) {
            m_polling = true;
            SetWatchedFolder(folder);
            PollLoop(folder);
            m_polling = false;
            continue;
        }
        const int notifyFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        const bool watching =
            notifyFd >= 0 && !folder.isEmpty() &&
            ::inotify_add_watch(notifyFd, QFile::encodeName(folder).constData(), kWatchMask) >= 0;
        if (!watching) {
            if (notifyFd >= 0)
                ::close(notifyFd);
            SetWatchedFolder({});
            WaitForWake(-1);
            continue;
        }
        SetWatchedFolder(folder);
        WaitLoop(notifyFd, folder);
        ::close(notifyFd);
    }
    SetWatchedFolder({});
}

bool TThreadDirectory::LeaveForWake(const QString& folder) {
    // A wake for a new folder or a stop; re-points in quick succession are taken
    // together, and a wake that changed nothing keeps watching.
    if (m_terminated)
        return true;
    if (GetFolder() == folder)
        return false;
    while (!m_terminated && WaitForWake(kRepointGapMs)) {
    }
    return true;
}

void TThreadDirectory::PollLoop(const QString& folder) {
    TFolderListing known = ListFolder(folder);
    bool reported = false;
    for (;;) {
        // The poll interval, or the pause after a report when that is longer.
        const QDeadlineTimer interval(reported ? std::max(m_pauseMs, m_pollMs) : m_pollMs);
        while (WaitForWake(static_cast<int>(interval.remainingTime())))
            if (LeaveForWake(folder))
                return;
        if (m_terminated)
            return;
        TFolderListing now = ListFolder(folder);
        reported = !(now == known);
        if (!reported)
            continue;
        known = std::move(now);
        RunOnChange();
        if (!known.Exists)
            return; // the folder went away: look at it again, or park
    }
}

void TThreadDirectory::WaitLoop(int notifyFd, const QString& folder) {
    const auto leaveForWake = [&]() { return LeaveForWake(folder); };

    for (;;) {
        // The pause; a wake that changed nothing must not cut it short.
        const QDeadlineTimer pause(m_pauseMs);
        while (WaitForWake(static_cast<int>(pause.remainingTime())))
            if (leaveForWake())
                return;
        if (m_terminated)
            return;

        pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {notifyFd, POLLIN, 0}};
        int r;
        do {
            r = ::poll(fds, 2, -1);
        } while (r < 0 && errno == EINTR);
        if (r < 0)
            return;
        if (fds[0].revents & POLLIN) {
            WaitForWake(0);
            if (leaveForWake())
                return;
            continue;
        }
        if (!(fds[1].revents & POLLIN))
            return; // the notification broke; start again with the folder

        TDrainResult drained = Drain(notifyFd);
        while (!m_terminated && !drained.WatchGone && Readable(notifyFd, kBurstGapMs)) {
            const TDrainResult more = Drain(notifyFd);
            drained.Relevant |= more.Relevant;
            drained.WatchGone |= more.WatchGone;
        }
        if (m_terminated)
            return;
        if (drained.Relevant)
            RunOnChange();
        if (drained.WatchGone)
            return; // the folder went away: watch it again, or park
    }
}

void TThreadDirectory::RunOnChange() {
    if (!OnChange || m_terminated)
        return;
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        CallHandler(OnChange);
        return;
    }
    auto call = std::make_shared<TPendingCall>();
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_pendingCall = call;
    }
    // The handler is copied so that it may destroy this watcher while it runs.
    std::function<void()> handler = OnChange;
    QMetaObject::invokeMethod(
        app,
        [this, call, handler]() {
            {
                std::lock_guard<std::mutex> guard(call->Lock);
                if (call->Cancelled)
                    return;
            }
            // The watcher may be gone once the handler returns; only the call is ours.
            const QString failure = RunHandler(handler);
            std::lock_guard<std::mutex> guard(call->Lock);
            if (!call->Cancelled && !failure.isEmpty())
                SetChangeError(failure);
            call->Finished = true;
            call->Done.notify_all();
        },
        Qt::QueuedConnection);
    {
        std::unique_lock<std::mutex> lock(call->Lock);
        call->Done.wait(lock, [&]() { return call->Finished || call->Cancelled || m_terminated.load(); });
        // A call not yet run is dropped when the thread is leaving.
        call->Cancelled = call->Cancelled || !call->Finished;
    }
    std::lock_guard<std::mutex> guard(m_lock);
    m_pendingCall.reset();
}

QString TThreadDirectory::RunHandler(const std::function<void()>& handler) {
    // A handler that raises must neither leave the watcher waiting for ever nor stop it;
    // the failure is kept for the owner and the next change is reported as usual.
    try {
        handler();
        return {};
    } catch (const EBramblexError& e) {
        return e.Message();
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("unknown error");
    }
}

void TThreadDirectory::CallHandler(const std::function<void()>& handler) {
    const QString failure = RunHandler(handler);
    if (!failure.isEmpty())
        SetChangeError(failure);
}

void TThreadDirectory::SetChangeError(const QString& message) {
    qWarning("Folder watcher: the change handler failed: %s", qPrintable(message));
    std::lock_guard<std::mutex> guard(m_lock);
    m_changeError = message;
}

QString TThreadDirectory::LastChangeError() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_changeError;
}
