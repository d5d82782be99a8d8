#pragma once

// The only code that talks to the viscometer: three-letter commands ending in a
// carriage return, replies read line by line, numbers turned into the catalogue's
// units. Used by one thread only (the run thread), every call blocks that thread.

#include "core/Error.h"
#include "platform/SerialLine.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>

// Raised for every "Unexpected response", unknown value and time-out of the protocol.
class KorvViscoMeterException : public EBramblexError {
public:
    using EBramblexError::EBramblexError;
};

// One block of lines the instrument prints after a reading taken by hand.
struct TNoProcessReading {
    int Spindle = 0;
    int RPMCode = 0;
    double Temperature = 0.0; // Celsius
    double Viscosity = 0.0;   // mPas, or the over-range marker
    double ShearStress = 0.0;
    double ShearRate = 0.0;
};

// Milliseconds of a monotonic clock; every wait and schedule of the instrument code
// uses it. 64 bits, so it never wraps during a run.
int64_t InstrumentTick();

// Numbers as the instrument writes them: "." as decimal separator whatever the user's
// locale, surrounding blanks ignored. Raises "'%1' is not a valid floating point value"
// (a general error, not a protocol one).
double InstrumentTextToFloat(const QString& text);
// The same, giving fallback where the text is not a number.
double InstrumentTextToFloatDef(const QString& text, double fallback);
// A number followed by its unit letter, "C" or "F", in Celsius. Returns false when the
// text is empty or the last character is another one; a bad number raises as above.
bool ParseInstrumentTemperature(const QString& text, double& celsius);
// The code the instrument knows a spindle by for a model (1 to 18), -1 when the model
// does not take that spindle.
int InstrumentSpindleCode(int model, int spindle);
// A text the trace shows for these bytes: printable ASCII as is, the rest as [HH].
QString TraceBytesText(const char* data, int count);

class TKorvaneViscoMeterInterface {
public:
    // The serial line defaults to the platform's termios one.
    explicit TKorvaneViscoMeterInterface(std::unique_ptr<TSerialLine> port = {});
    // Writes the communications trace, when there is one.
    ~TKorvaneViscoMeterInterface();
    TKorvaneViscoMeterInterface(const TKorvaneViscoMeterInterface&) = delete;
    TKorvaneViscoMeterInterface& operator=(const TKorvaneViscoMeterInterface&) = delete;

    // Called while waiting for input; clearing the flag ends the wait as a time-out.
    std::function<void(TKorvaneViscoMeterInterface* sender, bool& doContinue)> OnContinue;

    int ComNumber = 0;
    bool Tracing = false;

    // Opens the port: a short open with DTR and RTS asserted (which resets the
    // instrument's interface), then the working open. Raises "Communications Error:
    // (Invalid Communications Port)" with the system's reason on a second line.
    void Open(const QString& device, bool tracing);
    // The port by number (1 for the first serial port).
    void Open(int comNumber, bool tracing);
    void Close();
    void Purge();
    bool IsOpen() const;

    void WaitForInput(int count, int timeoutMs);
    void ReadBytes(char* buffer, int count, int timeoutMs);
    char ReadByte();
    QByteArray ReadLine();
    void WriteBytes(const char* buffer, int count);
    void SendCommand(const QByteArray& text);

    void EnterComputerMode();
    int ReadInstrumentModel();
    void SetSpindle(int spindle);
    void StartViscosityMeasurement();
    double ReadTemperature();
    double ReadViscosity();
    double ReadShearStress();
    double ReadShearRate();
    void SetRPM(int rpmCode);
    void RestartInstrument();
    TNoProcessReading ReadNoProcessLine();

    // The trace so far, one entry per line.
    const QStringList& Trace() const { return m_trace; }
    // Where the trace file goes; empty means the current directory.
    QString TraceFolder;
    // The file the destructor wrote, once it has (empty otherwise).
    QString SavedTracePath() const { return m_savedTracePath; }
    // Writes the trace now (as the destructor does) and clears it; returns the path,
    // empty when there was nothing to write. Raises when the file cannot be written.
    QString SaveTrace();

    // Bytes moved over the line since Open, for the line-load figures.
    int64_t BytesWritten() const { return m_bytesWritten; }
    int64_t BytesRead() const { return m_bytesRead; }

private:
    enum class TDirection { Output, Input };
    void TraceChunk(TDirection direction, const char* data, int count);
    bool Continue();
    // Sleeps about ms, ending early when OnContinue clears its flag.
    void SleepInterruptible(int ms);
    // Sends a command and reads its one-line reply.
    QByteArray Query(const char* command);

    std::unique_ptr<TSerialLine> m_port;
    QStringList m_trace;
    int64_t m_traceStart = 0;
    TDirection m_lastDirection = TDirection::Input;
    QString m_savedTracePath;
    int64_t m_bytesWritten = 0;
    int64_t m_bytesRead = 0;
};
