#pragma once

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

// A serial line as the instrument protocol needs it: 9600 baud, 8 data bits, no
// parity, 1 stop bit, raw bytes, no flow control. Reads never block; the protocol
// waits on BytesQueued before it reads. Failures raise EBramblexError whose message
// is the operator's reason (the protocol puts its own first line above it).
class TSerialLine {
public:
    virtual ~TSerialLine() = default;

    // Opens the device (a path such as /dev/ttyUSB0) exclusively, configured as above.
    // assertControlLines true leaves DTR and RTS asserted (the pre-open step); false
    // holds both off while the port is open.
    virtual void Open(const QString& device, bool assertControlLines) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Received bytes waiting in the input queue.
    virtual int BytesQueued() = 0;
    // Reads up to max queued bytes without waiting; returns the count read.
    virtual int Read(char* buffer, int max) = 0;
    // Writes all bytes (the protocol calls it one byte at a time); raises on failure.
    virtual void Write(const char* data, int count) = 0;
    // Discards both the input and the output queue.
    virtual void Purge() = 0;
};

// The POSIX termios implementation used for real ports and pseudo-terminals.
std::unique_ptr<TSerialLine> CreateSerialLine();

// What decides whether this process may open a device: the device's owner, group
// and mode, and the process's user and groups.
struct TSerialAccessFacts {
    QString Device;
    bool Known = false; // the device could be looked at (stat)
    uint32_t Mode = 0;  // permission bits
    uint32_t OwnerUid = 0;
    QString OwnerName;
    uint32_t GroupGid = 0;
    QString GroupName;
    uint32_t Uid = 0;
    QString UserName;
    std::vector<uint32_t> ProcessGroups; // effective and supplementary groups
    std::vector<uint32_t> AccountGroups; // the user's groups in the group database now
};

// The facts of device for this process.
TSerialAccessFacts SerialAccessFacts(const QString& device);

// The operator's reason for a port that could not be opened for lack of permission:
// names the group that owns the device and what is missing (membership, a new login
// after being added, or read and write permission for the group), and ends with the
// system's reason on its own line.
QString SerialPermissionAdvice(const TSerialAccessFacts& facts, const QString& reason);
