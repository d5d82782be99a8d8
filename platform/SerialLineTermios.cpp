#include "platform/SerialLine.h"

#include "core/Error.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
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
        return Tr("Permission to use the port %1 was denied. The user must be a member of the "
                  "\"dialout\" group (log in again after being added).")
            .arg(device);
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

std::unique_ptr<TSerialLine> CreateSerialLine() {
    return std::make_unique<TSerialLineTermios>();
}
