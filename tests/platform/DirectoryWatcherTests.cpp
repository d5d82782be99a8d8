// The folder watcher: bursts counted once, the pause between reports, re-pointing,
// parking on a missing folder and stopping while a report waits for the main thread.

#include "core/Error.h"
#include "platform/DirectoryWatcher.h"
#include "support/TempDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Runs the main thread's events until done() or the time is up.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
    return true;
}

void RunEventsFor(int ms) {
    WaitUntil([] { return false; }, ms);
}

struct TReports {
    std::vector<qint64> At; // ms since start of the test
    QElapsedTimer Clock;
    TReports() { Clock.start(); }
    int Count() const { return static_cast<int>(At.size()); }
};

void Watch(TThreadDirectory& watcher, TReports& reports) {
    watcher.OnChange = [&reports] { reports.At.push_back(reports.Clock.elapsed()); };
    watcher.Start();
}

bool WaitWatching(const TThreadDirectory& watcher, const QString& folder) {
    return WaitUntil([&] { return watcher.WatchedFolder() == folder; }, 5000);
}

} // namespace

TEST(DirectoryWatcher, TenQuickChangesAreOneReportAndLaterOnesWaitForThePause) {
    TempDir dir;
    const int pause = 300;
    TThreadDirectory watcher(dir.Path(), pause);
    TReports reports;
    Watch(watcher, reports);
    ASSERT_TRUE(WaitWatching(watcher, dir.Path()));

    for (int i = 0; i < 10; ++i)
        dir.Write(QStringLiteral("file%1.epb").arg(i), "x");
    ASSERT_TRUE(WaitUntil([&] { return reports.Count() >= 1; }, 5000));
    RunEventsFor(pause + 400);
    EXPECT_EQ(reports.Count(), 1);

    // Changes right after a report come once more, not before the pause is over.
    dir.Write("late1.epb", "x");
    dir.Write("late2.epb", "x");
    ASSERT_TRUE(WaitUntil([&] { return reports.Count() >= 2; }, 5000));
    RunEventsFor(pause + 400);
    EXPECT_EQ(reports.Count(), 2);
    watcher.Stop();
}

TEST(DirectoryWatcher, ReportsAfterThePauseAreAtLeastAPauseApart) {
    TempDir dir;
    const int pause = 400;
    TThreadDirectory watcher(dir.Path(), pause);
    TReports reports;
    Watch(watcher, reports);
    ASSERT_TRUE(WaitWatching(watcher, dir.Path()));
    dir.Write("a.epb", "x");
    ASSERT_TRUE(WaitUntil([&] { return reports.Count() >= 1; }, 5000));
    dir.Write("b.epb", "x");
    ASSERT_TRUE(WaitUntil([&] { return reports.Count() >= 2; }, 5000));
    EXPECT_GE(reports.At[1] - reports.At[0], pause - 20);
    watcher.Stop();
}

TEST(DirectoryWatcher, OwnCacheWritesAreNotReported) {
    TempDir dir;
    TThreadDirectory watcher(dir.Path(), 50);
    TReports reports;
    Watch(watcher, reports);
    ASSERT_TRUE(WaitWatching(watcher, dir.Path()));
    // A save goes through a temporary file that takes the real name at the end.
    dir.Write(".cache.epc.saving-Ab12Cd", "x");
    ASSERT_TRUE(QFile::rename(dir.File(".cache.epc.saving-Ab12Cd"), dir.File("cache.epc")));
    dir.Write(".hidden", "cache.epc\n");
    RunEventsFor(400);
    EXPECT_EQ(reports.Count(), 0);
    dir.Write("real.epb", "x");
    EXPECT_TRUE(WaitUntil([&] { return reports.Count() == 1; }, 5000));
    watcher.Stop();
}

TEST(DirectoryWatcher, RePointingTakesEffectWithoutWaitingForThePause) {
    TempDir a, b;
    // A pause far longer than the test: the switch must not wait for it.
    TThreadDirectory watcher(a.Path(), 60000);
    TReports reports;
    Watch(watcher, reports);
    ASSERT_TRUE(WaitWatching(watcher, a.Path()));
    watcher.SetFolder(b.Path());
    EXPECT_EQ(watcher.GetFolder(), b.Path());
    EXPECT_TRUE(WaitWatching(watcher, b.Path()));
    QElapsedTimer stopping;
    stopping.start();
    watcher.Stop();
    EXPECT_LT(stopping.elapsed(), 5000);
    EXPECT_EQ(watcher.WatchedFolder(), QString());
}

TEST(DirectoryWatcher, RePointingToTheSameFolderKeepsThePause) {
    TempDir dir;
    TThreadDirectory watcher(dir.Path(), 60000);
    TReports reports;
    Watch(watcher, reports);
    ASSERT_TRUE(WaitWatching(watcher, dir.Path()));
    dir.Write("a.epb", "x");
    // Selecting another folder with the same parent points the watcher at it again.
    watcher.SetFolder(dir.Path());
    watcher.Wake();
    RunEventsFor(400);
    EXPECT_EQ(reports.Count(), 0);
    EXPECT_EQ(watcher.WatchedFolder(), dir.Path());
    watcher.Stop();
}

TEST(DirectoryWatcher, FollowsTheNewFolderAfterARePoint) {
    TempDir a, b;
    TThreadDirectory watcher(a.Path(), 100);
    TReports reports;
    Watch(watcher, reports);
    ASSERT_TRUE(WaitWatching(watcher, a.Path()));
    watcher.SetFolder(b.Path());
    ASSERT_TRUE(WaitWatching(watcher, b.Path()));
    a.Write("old-folder.epb", "x");
    RunEventsFor(400);
    EXPECT_EQ(reports.Count(), 0);
    b.Write("new-folder.epb", "x");
    EXPECT_TRUE(WaitUntil([&] { return reports.Count() == 1; }, 5000));
    watcher.Stop();
}

TEST(DirectoryWatcher, ParksOnAMissingFolderUntilRePointed) {
    TempDir dir;
    TThreadDirectory watcher(dir.File("missing"), 100);
    TReports reports;
    Watch(watcher, reports);
    RunEventsFor(200);
    EXPECT_EQ(watcher.WatchedFolder(), QString());
    ASSERT_TRUE(QDir(dir.Path()).mkdir("present"));
    watcher.SetFolder(dir.File("present"));
    ASSERT_TRUE(WaitWatching(watcher, dir.File("present")));
    dir.Write("present/a.epb", "x");
    EXPECT_TRUE(WaitUntil([&] { return reports.Count() == 1; }, 5000));

    // The watched folder disappearing parks the watcher again.
    ASSERT_TRUE(QDir(dir.File("present")).removeRecursively());
    EXPECT_TRUE(WaitUntil([&] { return watcher.WatchedFolder().isEmpty(); }, 5000));
    watcher.Stop();
}

TEST(DirectoryWatcher, StopsWhileAReportWaitsForTheMainThread) {
    TempDir dir;
    int handled = 0;
    {
        TThreadDirectory watcher(dir.Path(), 0);
        watcher.OnChange = [&handled] { ++handled; };
        watcher.Start();
        ASSERT_TRUE(WaitWatching(watcher, dir.Path()));
        dir.Write("a.epb", "x");
        // The main thread runs no events: the watcher is left waiting for it.
        QThread::msleep(300);
        QElapsedTimer stopping;
        stopping.start();
        watcher.Stop();
        EXPECT_LT(stopping.elapsed(), 5000);
    }
    // The report that never ran is dropped, not run after the watcher is gone.
    RunEventsFor(100);
    EXPECT_EQ(handled, 0);
}

TEST(DirectoryWatcher, HandlerMayStopItsOwnWatcher) {
    TempDir dir;
    auto watcher = std::make_unique<TThreadDirectory>(dir.Path(), 0);
    bool stopped = false;
    watcher->OnChange = [&] {
        watcher->Stop();
        stopped = true;
    };
    watcher->Start();
    ASSERT_TRUE(WaitWatching(*watcher, dir.Path()));
    dir.Write("a.epb", "x");
    ASSERT_TRUE(WaitUntil([&] { return stopped; }, 5000));
    EXPECT_TRUE(watcher->isFinished());
    watcher.reset();
}

TEST(DirectoryWatcher, AHandlerThatRaisesNeitherHangsNorStopsTheWatcher) {
    TempDir dir;
    TThreadDirectory watcher(dir.Path(), 100);
    int calls = 0;
    watcher.OnChange = [&calls] {
        ++calls;
        if (calls == 1)
            throw EBramblexError("The folder list could not be refreshed.");
    };
    watcher.Start();
    ASSERT_TRUE(WaitWatching(watcher, dir.Path()));

    dir.Write("first.epb", "x");
    bool escaped = false;
    try {
        ASSERT_TRUE(WaitUntil([&] { return calls >= 1; }, 5000));
        RunEventsFor(200);
    } catch (...) {
        escaped = true;
    }
    EXPECT_FALSE(escaped) << "the handler's exception reached the event loop";
    EXPECT_EQ(watcher.LastChangeError(), QStringLiteral("The folder list could not be refreshed."));

    dir.Write("second.epb", "x");
    EXPECT_TRUE(WaitUntil([&] { return calls >= 2; }, 5000)) << "the watcher stopped after the failure";
    QElapsedTimer stopping;
    stopping.start();
    watcher.Stop();
    EXPECT_LT(stopping.elapsed(), 3000);
}

TEST(DirectoryWatcher, NetworkFileSystemsAreKnownByTheirStatfsType) {
    // statfs(2)'s magic numbers: the remote ones are polled, the local ones watched.
    const struct {
        unsigned long type;
        bool remote;
        const char* name;
    } cases[] = {
        {0x6969, true, "nfs"},        {0x517B, true, "smb"},        {0xFF534D42, true, "cifs"},
        {0xFE534D42, true, "smb2"},   {0x65735546, true, "fuse"},   {0x00C36400, true, "ceph"},
        {0x01021997, true, "9p"},     {0xEF53, false, "ext4"},      {0x58465342, false, "xfs"},
        {0x01021994, false, "tmpfs"}, {0x9123683E, false, "btrfs"}, {0x794C7630, false, "overlayfs"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNetworkFileSystemType(c.type), c.remote) << c.name;
    TempDir local;
    EXPECT_FALSE(IsNetworkFolder(local.Path()));
    EXPECT_FALSE(IsNetworkFolder(local.File("missing")));
}

TEST(DirectoryWatcher, APolledFolderReportsChangesThatInotifyWouldNotBeAskedFor) {
    TempDir dir;
    dir.Write("kept.epb", "1");
    const int poll = 150;
    TThreadDirectory watcher(dir.Path(), 0, poll);
    const QString polled = dir.Path();
    watcher.NeedsPolling = [polled](const QString& folder) { return folder == polled; };
    TReports reports;
    Watch(watcher, reports);
    ASSERT_TRUE(WaitWatching(watcher, dir.Path()));
    EXPECT_TRUE(watcher.Polling());

    // Nothing changes: nothing is reported, however many listings pass.
    RunEventsFor(poll * 4);
    EXPECT_EQ(reports.Count(), 0);

    // A new file, a file written to another size, a removed file: each seen by a listing.
    const std::vector<std::function<void()>> changes = {
        [&] { dir.Write("new.epb", "x"); },
        [&] { dir.Write("kept.epb", "longer content"); },
        [&] { QFile::remove(dir.File("new.epb")); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        changes[i]();
        ASSERT_TRUE(WaitUntil([&] { return reports.Count() == static_cast<int>(i) + 1; }, poll * 20))
            << "change " << i;
    }
    // The folder's own cache is housekeeping, as with inotify.
    dir.Write("cache.epc", "<FileList/>");
    RunEventsFor(poll * 4);
    EXPECT_EQ(reports.Count(), 3);

    // Re-pointed at a local folder, the thread watches through inotify again.
    TempDir other;
    watcher.SetFolder(other.Path());
    ASSERT_TRUE(WaitWatching(watcher, other.Path()));
    EXPECT_FALSE(watcher.Polling());
    watcher.Stop();
}
