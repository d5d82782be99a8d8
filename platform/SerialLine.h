#pragma once

#include <QString>

#include <memory>

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
