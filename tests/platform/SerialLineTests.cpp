#include "platform/SerialLine.h"

#include "core/Error.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// The far end of a pseudo-terminal: what an instrument would be.
class Pty {
public:
    Pty() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        char name[128] = {};
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0 ||
            ::ptsname_r(m_master, name, sizeof name) != 0)
            ADD_FAILURE() << "no pseudo-terminal";
        m_path = QString::fromLocal8Bit(name);
        termios tio{};
        ::tcgetattr(m_master, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(m_master, TCSANOW, &tio);
    }
    ~Pty() { HangUp(); }
    const QString& Path() const { return m_path; }
    void Send(const QByteArray& bytes) const {
        ASSERT_EQ(::write(m_master, bytes.data(), bytes.size()), bytes.size());
    }
    QByteArray Receive(int count) const {
        QByteArray got;
        const auto deadline = std::chrono::steady_clock::now() + 2s;
        while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
            char buffer[64];
            ::fcntl(m_master, F_SETFL, O_NONBLOCK);
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, n);
            else
                std::this_thread::sleep_for(1ms);
        }
        return got;
    }
    void HangUp() {
        if (m_master >= 0)
            ::close(m_master);
        m_master = -1;
    }

private:
    int m_master = -1;
    QString m_path;
};

// Bytes cross a pseudo-terminal a moment after they are written.
bool WaitQueued(TSerialLine& line, int count) {
    const auto deadline = std::chrono::steady_clock::now() + 2s;
    while (line.BytesQueued() < count) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

QString OpenError(const QString& device) {
    try {
        CreateSerialLine()->Open(device, false);
    } catch (const EBramblexError& e) {
        return e.Message();
    }
    return QString();
}

TEST(SerialLine, ExchangesRawBytesBothWays) {
    Pty pty;
    auto line = CreateSerialLine();
    line->Open(pty.Path(), false);
    ASSERT_TRUE(line->IsOpen());

    // Carriage returns, line feeds and control bytes pass untouched: no echo, no
    // CR/LF translation, no XON/XOFF handling.
    const QByteArray toHost("$\r\n\x11\x13\x00\xff", 7);
    pty.Send(toHost);
    ASSERT_TRUE(WaitQueued(*line, toHost.size()));
    EXPECT_EQ(line->BytesQueued(), toHost.size());
    char buffer[16] = {};
    EXPECT_EQ(line->Read(buffer, 3), 3);
    EXPECT_EQ(line->BytesQueued(), toHost.size() - 3);
    EXPECT_EQ(line->Read(buffer + 3, 16), toHost.size() - 3);
    EXPECT_EQ(QByteArray(buffer, toHost.size()), toHost);

    for (char c : QByteArray("CCC\r\n"))
        if (c)
            line->Write(&c, 1);
    EXPECT_EQ(pty.Receive(5), QByteArray("CCC\r\n"));

    termios tio{};
    const int fd = ::open(pty.Path().toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::tcgetattr(fd, &tio), 0);
    ::close(fd);
    EXPECT_EQ(::cfgetospeed(&tio), B9600);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
}

TEST(SerialLine, ReadNeverWaits) {
    Pty pty;
    auto line = CreateSerialLine();
    line->Open(pty.Path(), false);
    char c = 0;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(line->BytesQueued(), 0);
    EXPECT_EQ(line->Read(&c, 1), 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
}

TEST(SerialLine, PurgeDiscardsWaitingInput) {
    Pty pty;
    auto line = CreateSerialLine();
    line->Open(pty.Path(), true); // the pre-open step: modem lines a pty lacks are no failure
    pty.Send("stale reply\r");
    ASSERT_TRUE(WaitQueued(*line, 12));
    line->Purge();
    EXPECT_EQ(line->BytesQueued(), 0);
    pty.Send("$\r");
    ASSERT_TRUE(WaitQueued(*line, 2));
    char buffer[4] = {};
    EXPECT_EQ(line->Read(buffer, 4), 2);
    EXPECT_EQ(QByteArray(buffer, 2), QByteArray("$\r"));
}

TEST(SerialLine, IsExclusiveUntilClosed) {
    Pty pty;
    auto first = CreateSerialLine();
    first->Open(pty.Path(), false);
    auto second = CreateSerialLine();
    try {
        second->Open(pty.Path(), false);
        FAIL() << "a second program shared the port";
    } catch (const EBramblexError& e) {
        EXPECT_TRUE(e.Message().contains(QLatin1String("in use by another program"))) << e.what();
    }
    EXPECT_FALSE(second->IsOpen());
    first->Close();
    EXPECT_FALSE(first->IsOpen());
    second->Open(pty.Path(), false);
    EXPECT_TRUE(second->IsOpen());
}

TEST(SerialLine, CloseReleasesTheDeviceForOrdinaryUsers) {
    Pty pty;
    // Something else keeps the device open, as the simulator does.
    const int keeper = ::open(pty.Path().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(keeper, 0);
    ::fchmod(keeper, 0666);
    auto line = CreateSerialLine();
    line->Open(pty.Path(), true);
    line->Close();
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::seteuid(65534), 0);
    }
    QString message;
    try {
        line->Open(pty.Path(), false);
    } catch (const EBramblexError& e) {
        message = e.Message();
    }
    line->Close();
    if (root) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    ::close(keeper);
    EXPECT_TRUE(message.isEmpty()) << message.toStdString();
}

TEST(SerialLine, HangUpIsReportedNotWaitedFor) {
    Pty pty;
    auto line = CreateSerialLine();
    line->Open(pty.Path(), false);
    pty.HangUp();
    try {
        line->BytesQueued();
        FAIL() << "a hung-up line looked idle";
    } catch (const EBramblexError& e) {
        EXPECT_TRUE(e.Message().contains(QLatin1String("was lost"))) << e.what();
    }
    const char c = 'x';
    EXPECT_THROW(line->Write(&c, 1), EBramblexError);
    line->Close();
    EXPECT_FALSE(line->IsOpen());
}

TEST(SerialLine, OpenFailuresGiveTheReason) {
    TempDir dir;
    dir.Write(QStringLiteral("plain.txt"), "not a port");
    EXPECT_TRUE(
        OpenError(QStringLiteral("/dev/does-not-exist-ttyX9")).contains(QLatin1String("does not exist")));
    EXPECT_TRUE(
        OpenError(dir.File(QStringLiteral("plain.txt"))).contains(QLatin1String("is not a serial port")));
    EXPECT_EQ(OpenError(QString()), QStringLiteral("No serial port has been chosen."));

    auto line = CreateSerialLine();
    EXPECT_THROW(line->BytesQueued(), EBramblexError);
}

// A refused open names the group that owns the device and what is missing, from the
// device's and the user's facts as they are; the system's reason ends the message.
TEST(SerialLine, PermissionAdviceNamesTheOwningGroupAndWhatIsMissing) {
    auto facts = [](uint32_t mode, uint32_t owner, uint32_t group, std::vector<uint32_t> process,
                    std::vector<uint32_t> account) {
        TSerialAccessFacts f;
        f.Device = QStringLiteral("/dev/ttyUSB0");
        f.Known = true;
        f.Mode = mode;
        f.OwnerUid = owner;
        f.OwnerName = owner == 0 ? QStringLiteral("root") : QStringLiteral("lab");
        f.GroupGid = group;
        f.GroupName = group == 0 ? QStringLiteral("root") : group == 20 ? QStringLiteral("dialout") : "uucp";
        f.Uid = 1000;
        f.UserName = QStringLiteral("lab");
        f.ProcessGroups = std::move(process);
        f.AccountGroups = std::move(account);
        return f;
    };
    const struct {
        const char* Name;
        TSerialAccessFacts Facts;
        std::vector<const char*> Said;
        std::vector<const char*> NotSaid;
    } cases[] = {
        {"member of dialout, port root:root 0600",
         facts(0600, 0, 0, {1000, 20}, {1000, 20}),
         {"user root and the group \"root\"", "mode 0600", "neither the group"},
         {"\"dialout\""}},
        {"not a member of the owning group uucp",
         facts(0660, 0, 14, {1000}, {1000}),
         {"group \"uucp\"", "not a member", "added to the group \"uucp\""},
         {"\"dialout\"", "log in again for it"}},
        {"added to dialout, not logged in again",
         facts(0660, 0, 20, {1000}, {1000, 20}),
         {"group \"dialout\"", "must log in again"},
         {"not a member"}},
        {"member, but the group may not write",
         facts(0640, 0, 20, {1000, 20}, {1000, 20}),
         {"group \"dialout\"", "of which the user lab is a member", "mode 0640"},
         {"log in"}},
        {"owner without write permission",
         facts(0400, 1000, 20, {1000}, {1000}),
         {"user lab", "mode 0400", "its owner"},
         {}},
    };
    for (const auto& c : cases) {
        const QString said = SerialPermissionAdvice(c.Facts, QStringLiteral("Permission denied"));
        SCOPED_TRACE(c.Name);
        EXPECT_TRUE(said.startsWith("Permission to use the port /dev/ttyUSB0 was denied. "))
            << said.toStdString();
        EXPECT_TRUE(said.endsWith("\nPermission denied")) << said.toStdString();
        for (const char* text : c.Said)
            EXPECT_TRUE(said.contains(QLatin1String(text))) << text << " in: " << said.toStdString();
        for (const char* text : c.NotSaid)
            EXPECT_FALSE(said.contains(QLatin1String(text))) << text << " in: " << said.toStdString();
    }
}

// The facts come from the device and the process as they are, and a refused open
// uses them: a file of this user with mode 0 is refused for the owner's mode.
TEST(SerialLine, PermissionDeniedReadsTheDevicesFacts) {
    TempDir dir;
    dir.Write(QStringLiteral("locked"), "");
    const QByteArray path = dir.File(QStringLiteral("locked")).toLocal8Bit();
    // The superuser passes every permission check, so it looks as an ordinary user
    // that owns the file.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(path.constData(), 65534, 65534), 0);
        ASSERT_EQ(::chmod(dir.Path().toLocal8Bit().constData(), 0711), 0);
    }
    ASSERT_EQ(::chmod(path.constData(), 0), 0);
    if (root) {
        ASSERT_EQ(::setegid(65534), 0);
        ASSERT_EQ(::seteuid(65534), 0);
    }
    const TSerialAccessFacts facts = SerialAccessFacts(QString::fromLocal8Bit(path));
    const QString message = OpenError(QString::fromLocal8Bit(path));
    if (root) {
        ASSERT_EQ(::seteuid(0), 0);
        ASSERT_EQ(::setegid(0), 0);
    }
    EXPECT_TRUE(facts.Known);
    EXPECT_EQ(facts.Mode, 0u);
    EXPECT_EQ(facts.OwnerUid, facts.Uid);
    EXPECT_FALSE(facts.ProcessGroups.empty());
    EXPECT_TRUE(message.contains(QLatin1String("mode 0000 does not let its owner read and write it")))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith(QString::fromLocal8Bit(std::strerror(EACCES)))) << message.toStdString();
}

} // namespace
