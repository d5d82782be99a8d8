#include "platform/SerialLine.h"

#include "core/Error.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <algorithm>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString Reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// The operator's reason for a failed open; EACCES and EBUSY get what to do about it.
QString OpenFailure(const QString& device, int error) {
    switch (error) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return Tr("The port %1 does not exist.").arg(device);
    case EACCES:
    case EPERM:
        return SerialPermissionAdvice(SerialAccessFacts(device), Reason(error));
    case EBUSY:
    case EWOULDBLOCK:
        return Tr("The port %1 is in use by another program.").arg(device);
    case ENOTTY:
        return Tr("%1 is not a serial port.").arg(device);
    default:
        return Tr("The port %1 could not be opened: %2").arg(device, Reason(error));
    }
}

// Pseudo-terminals and some adapters have no modem lines; that is not a failure.
// A hung-up or unplugged device answers every call with EIO.
QString TransferFailure(const QString& device, int error, bool writing) {
    if (error == EIO || error == ENXIO || error == ENODEV)
        return Tr("The connection on the port %1 was lost (the device hung up or was unplugged).")
            .arg(device);
    return (writing ? Tr("Writing to the port %1 failed: %2") : Tr("Reading from the port %1 failed: %2"))
        .arg(device, Reason(error));
}

bool ModemControlUnsupported(int error) {
    return error == ENOTTY || error == EINVAL || error == EIO;
}

class TSerialLineTermios final : public TSerialLine {
public:
    ~TSerialLineTermios() override { CloseQuietly(); }

    void Open(const QString& device, bool assertControlLines) override {
        Close();
        if (device.isEmpty())
            throw EBramblexError(Tr("No serial port has been chosen."));
        const QByteArray path = device.toLocal8Bit();
        const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            throw EBramblexError(OpenFailure(device, errno));
        try {
            Configure(fd, device, assertControlLines);
        } catch (...) {
            ::close(fd);
            throw;
        }
        m_fd = fd;
        m_device = device;
    }

    void Close() override {
        if (m_fd < 0)
            return;
        // Flushing first keeps close from waiting on output that can never drain.
        ::tcflush(m_fd, TCIOFLUSH);
        // The exclusive flag belongs to the device, not to this handle: it would
        // outlive us while anything else (a pseudo-terminal's owner) keeps it open.
        ::ioctl(m_fd, TIOCNXCL);
        CloseQuietly();
    }

    bool IsOpen() const override { return m_fd >= 0; }

    int BytesQueued() override {
        RequireOpen();
        int count = 0;
        if (::ioctl(m_fd, FIONREAD, &count) < 0)
            throw EBramblexError(TransferFailure(m_device, errno, false));
        return count;
    }

    int Read(char* buffer, int max) override {
        RequireOpen();
        if (max <= 0)
            return 0;
        for (;;) {
            const ssize_t n = ::read(m_fd, buffer, static_cast<size_t>(max));
            if (n >= 0)
                return static_cast<int>(n);
            if (errno == EINTR)
                continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK)
                return 0;
            throw EBramblexError(TransferFailure(m_device, errno, false));
        }
    }

    void Write(const char* data, int count) override {
        RequireOpen();
        if (count <= 0)
            return;
        // The line's write time-out: 100 ms per byte plus 1000 ms. A write that runs
        // out of time is dropped silently; the reply that never comes reports it.
        using Clock = std::chrono::steady_clock;
        const auto deadline = Clock::now() + std::chrono::milliseconds(100 * count + 1000);
        int done = 0;
        while (done < count) {
            const ssize_t n = ::write(m_fd, data + done, static_cast<size_t>(count - done));
            if (n > 0) {
                done += static_cast<int>(n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
                throw EBramblexError(TransferFailure(m_device, errno, true));
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0)
                return;
            pollfd p{m_fd, POLLOUT, 0};
            ::poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), 50)));
        }
    }

    void Purge() override {
        RequireOpen();
        ::tcflush(m_fd, TCIOFLUSH);
    }

private:
    void Configure(int fd, const QString& device, bool assertControlLines) {
        // TIOCEXCL alone does not stop a privileged program; the advisory lock does
        // stop every other program that locks the same way.
        if (::flock(fd, LOCK_EX | LOCK_NB) < 0)
            throw EBramblexError(OpenFailure(device, errno == EWOULDBLOCK ? EBUSY : errno));
        termios tio{};
        if (::tcgetattr(fd, &tio) < 0)
            throw EBramblexError(OpenFailure(device, errno));
        if (::ioctl(fd, TIOCEXCL) < 0 && errno != ENOTTY)
            throw EBramblexError(OpenFailure(device, errno));
        ::cfmakeraw(&tio);
        tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
        tio.c_cflag |= CS8 | CLOCAL | CREAD;
        tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 0;
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        if (::tcsetattr(fd, TCSANOW, &tio) < 0)
            throw EBramblexError(OpenFailure(device, errno));
        int lines = TIOCM_DTR | TIOCM_RTS;
        if (::ioctl(fd, assertControlLines ? TIOCMBIS : TIOCMBIC, &lines) < 0 &&
            !ModemControlUnsupported(errno))
            throw EBramblexError(OpenFailure(device, errno));
    }

    void RequireOpen() const {
        if (m_fd < 0)
            throw EBramblexError(Tr("The serial port is not open."));
    }

    void CloseQuietly() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        m_device.clear();
    }

    int m_fd = -1;
    QString m_device;
};

} // namespace

TSerialAccessFacts SerialAccessFacts(const QString& device) {
    TSerialAccessFacts facts;
    facts.Device = device;
    facts.Uid = ::geteuid();
    std::vector<char> buffer(16384);
    passwd user{};
    passwd* userFound = nullptr;
    if (::getpwuid_r(facts.Uid, &user, buffer.data(), buffer.size(), &userFound) == 0 && userFound)
        facts.UserName = QString::fromLocal8Bit(user.pw_name);
    const gid_t primary = userFound ? user.pw_gid : ::getegid();

    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) == count)
        facts.ProcessGroups.assign(groups.begin(), groups.end());
    facts.ProcessGroups.push_back(::getegid());

    if (userFound) {
        int n = 64;
        std::vector<gid_t> account(static_cast<size_t>(n));
        if (::getgrouplist(user.pw_name, primary, account.data(), &n) < 0 && n > 0) {
            account.resize(static_cast<size_t>(n));
            ::getgrouplist(user.pw_name, primary, account.data(), &n);
        }
        account.resize(static_cast<size_t>(std::max(n, 0)));
        facts.AccountGroups.assign(account.begin(), account.end());
    }

    struct stat st {};
    if (::stat(device.toLocal8Bit().constData(), &st) == 0) {
        facts.Known = true;
        facts.Mode = st.st_mode & 07777;
        facts.OwnerUid = st.st_uid;
        facts.GroupGid = st.st_gid;
        passwd owner{};
        passwd* ownerFound = nullptr;
        std::vector<char> ownerBuffer(16384);
        if (::getpwuid_r(st.st_uid, &owner, ownerBuffer.data(), ownerBuffer.size(), &ownerFound) == 0 &&
            ownerFound)
            facts.OwnerName = QString::fromLocal8Bit(owner.pw_name);
        group grp{};
        group* groupFound = nullptr;
        std::vector<char> groupBuffer(65536);
        if (::getgrgid_r(st.st_gid, &grp, groupBuffer.data(), groupBuffer.size(), &groupFound) == 0 &&
            groupFound)
            facts.GroupName = QString::fromLocal8Bit(grp.gr_name);
    }
    return facts;
}

QString SerialPermissionAdvice(const TSerialAccessFacts& f, const QString& reason) {
    const QString denied = Tr("Permission to use the port %1 was denied.").arg(f.Device);
    auto has = [](const std::vector<uint32_t>& list, uint32_t id) {
        return std::find(list.begin(), list.end(), id) != list.end();
    };
    auto name = [](const QString& text, uint32_t id) { return text.isEmpty() ? QString::number(id) : text; };
    const QString mode = QStringLiteral("%1").arg(f.Mode & 0777, 4, 8, QLatin1Char('0'));
    const bool ownerRw = (f.Mode & 0600) == 0600;
    const bool groupRw = (f.Mode & 0060) == 0060;
    const bool otherRw = (f.Mode & 0006) == 0006;
    const QString owner = name(f.OwnerName, f.OwnerUid);
    const QString group = name(f.GroupName, f.GroupGid);
    const QString user = name(f.UserName, f.Uid);
    QString advice;
    if (!f.Known) {
        advice = Tr("The port's owner and permissions cannot be read.");
    } else if (f.Uid == f.OwnerUid) {
        advice = ownerRw ? Tr("The user %1 owns it and may read and write it (mode %2); something other than "
                              "its permissions refuses access.")
                               .arg(user, mode)
                         : Tr("It belongs to the user %1, but its mode %2 does not let its owner read and "
                              "write it.")
                               .arg(user, mode);
    } else if (has(f.ProcessGroups, f.GroupGid)) {
        advice = groupRw
                     ? Tr("The user %1 is a member of its group \"%2\", which may read and write it (mode "
                          "%3); something other than its permissions refuses access.")
                           .arg(user, group, mode)
                     : Tr("It belongs to the user %1 and the group \"%2\", of which the user %3 is a "
                          "member, but its mode %4 does not let the group read and write it: the system "
                          "administrator must allow that (a udev rule for the device).")
                           .arg(owner, group, user, mode);
    } else if (groupRw) {
        advice = has(f.AccountGroups, f.GroupGid)
                     ? Tr("It belongs to the group \"%1\". The user %2 was added to that group but must log "
                          "in again for it to take effect.")
                           .arg(group, user)
                     : Tr("It belongs to the group \"%1\", of which the user %2 is not a member. The user "
                          "must be added to the group \"%1\" and log in again.")
                           .arg(group, user);
    } else if (otherRw) {
        advice = Tr("Its mode %1 lets every user read and write it; something other than its permissions "
                    "refuses access.")
                     .arg(mode);
    } else {
        advice = Tr("It belongs to the user %1 and the group \"%2\", and its mode %3 lets neither the group "
                    "nor other users read and write it: the system administrator must allow that (a udev "
                    "rule for the device).")
                     .arg(owner, group, mode);
    }
    return denied + QLatin1Char(' ') + advice + QLatin1Char('\n') + reason;
}

std::unique_ptr<TSerialLine> CreateSerialLine() {
    return std::make_unique<TSerialLineTermios>();
}
