#include "instrument/ViscoMeterInterface.h"

#include "catalogue/Catalogue.h"
#include "platform/AtomicFile.h"
#include "platform/SerialLine.h"
#include "platform/SerialPorts.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <charconv>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

constexpr int ByteTimeoutMs = 2000;
constexpr int PollSleepMs = 5;

// Delphi's Trim: every character up to the space counts as blank.
QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first).unicode() <= ' ')
        ++first;
    while (last > first && text.at(last - 1).unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

QString Latin1(const QByteArray& bytes) {
    return QString::fromLatin1(bytes);
}

[[noreturn]] void Raise(const char* message) {
    throw KorvViscoMeterException(Tr(message));
}

void SleepMs(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

// Celsius from a reading in either unit the instrument may be set to.
double FromFahrenheit(double f) {
    return (f - 32.0) * 5.0 / 9.0;
}

} // namespace

int64_t InstrumentTick() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

double InstrumentTextToFloat(const QString& text) {
    const QByteArray trimmed = TrimBlanks(text).toLatin1();
    const char* begin = trimmed.constData();
    const char* end = begin + trimmed.size();
    if (end - begin > 1 && *begin == '+' && begin[1] != '-')
        ++begin;
    double value = 0.0;
    // from_chars never looks at the locale, so "." is the separator for every user.
    const auto result = std::from_chars(begin, end, value, std::chars_format::general);
    if (begin == end || result.ec != std::errc() || result.ptr != end || !std::isfinite(value))
        throw EBramblexError(Tr("'%1' is not a valid floating point value").arg(text));
    return value;
}

double InstrumentTextToFloatDef(const QString& text, double fallback) {
    try {
        return InstrumentTextToFloat(text);
    } catch (const EBramblexError&) {
        return fallback;
    }
}

bool ParseInstrumentTemperature(const QString& text, double& celsius) {
    if (text.isEmpty())
        return false;
    const QChar unit = text.back();
    if (unit != QLatin1Char('C') && unit != QLatin1Char('F'))
        return false;
    const double value = InstrumentTextToFloat(text.left(text.size() - 1));
    celsius = unit == QLatin1Char('C') ? value : FromFahrenheit(value);
    return true;
}

int InstrumentSpindleCode(int model, int spindle) {
    switch (model) {
    case 0:
    case 2: // L family
        if (spindle >= 0 && spindle <= 13)
            return spindle + 1;
        return -1;
    case 1:
    case 3: // R family
        if (spindle >= 7 && spindle <= 13)
            return spindle + 5;
        if (spindle >= 14 && spindle <= 24)
            return spindle - 13;
        return -1;
    default:
        return -1;
    }
}

QString TraceBytesText(const char* data, int count) {
    QString text;
    text.reserve(count * 4);
    for (int i = 0; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        if (byte >= 33 && byte <= 126)
            text += QLatin1Char(static_cast<char>(byte));
        else
            text += QStringLiteral("[%1]").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    }
    return text;
}

TKorvaneViscoMeterInterface::TKorvaneViscoMeterInterface(std::unique_ptr<TSerialLine> port)
    : m_port(port ? std::move(port) : CreateSerialLine()) {}

TKorvaneViscoMeterInterface::~TKorvaneViscoMeterInterface() {
    try {
        if (m_port->IsOpen())
            m_port->Close();
    } catch (...) {
    }
    try {
        SaveTrace();
    } catch (...) {
        // A destructor must not throw; the run's outcome was already reported.
    }
}

void TKorvaneViscoMeterInterface::Open(int comNumber, bool tracing) {
    ComNumber = comNumber;
    Open(PortDevicePath(comNumber, QString()), tracing);
    ComNumber = comNumber;
}

void TKorvaneViscoMeterInterface::Open(const QString& device, bool tracing) {
    m_traceStart = InstrumentTick();
    Tracing = tracing;
    m_bytesWritten = 0;
    m_bytesRead = 0;
    try {
        m_port->Open(device, true);
        SleepMs(100);
        m_port->Close();
        SleepMs(500);
        m_port->Open(device, false);
    } catch (const EBramblexError& e) {
        try {
            if (m_port->IsOpen())
                m_port->Close();
        } catch (...) {
        }
        QString message = Tr("Communications Error: (Invalid Communications Port)");
        if (!e.Message().isEmpty())
            message += QLatin1Char('\n') + e.Message();
        throw KorvViscoMeterException(message);
    }
}

void TKorvaneViscoMeterInterface::Close() {
    if (!m_port->IsOpen())
        return;
    try {
        m_port->Purge();
    } catch (...) {
        // A line that hung up cannot be purged; closing it is what matters.
    }
    m_port->Close();
}

void TKorvaneViscoMeterInterface::Purge() {
    m_port->Purge();
}

bool TKorvaneViscoMeterInterface::IsOpen() const {
    return m_port->IsOpen();
}

bool TKorvaneViscoMeterInterface::Continue() {
    bool doContinue = true;
    if (OnContinue)
        OnContinue(this, doContinue);
    return doContinue;
}

void TKorvaneViscoMeterInterface::SleepInterruptible(int ms) {
    const int64_t start = InstrumentTick();
    while (InstrumentTick() - start < ms) {
        if (!Continue())
            return;
        SleepMs(std::min<int64_t>(10, ms - (InstrumentTick() - start) + 1));
    }
}

void TKorvaneViscoMeterInterface::WaitForInput(int count, int timeoutMs) {
    const int64_t start = InstrumentTick();
    bool doContinue = true;
    while (InstrumentTick() - start < timeoutMs && doContinue) {
        int queued = m_port->BytesQueued();
        if (queued == 0) {
            SleepMs(PollSleepMs);
            queued = m_port->BytesQueued();
        }
        if (queued >= count)
            return;
        if (OnContinue)
            OnContinue(this, doContinue);
    }
    Raise("Communications Error: (Read data timeout)");
}

void TKorvaneViscoMeterInterface::ReadBytes(char* buffer, int count, int timeoutMs) {
    WaitForInput(count, timeoutMs);
    for (int i = 0; i < count; ++i) {
        if (m_port->Read(buffer + i, 1) != 1)
            Raise("Communications Error: (Read data timeout)");
    }
    m_bytesRead += count;
    TraceChunk(TDirection::Input, buffer, count);
}

char TKorvaneViscoMeterInterface::ReadByte() {
    char byte = 0;
    ReadBytes(&byte, 1, ByteTimeoutMs);
    return byte;
}

QByteArray TKorvaneViscoMeterInterface::ReadLine() {
    QByteArray line;
    for (;;) {
        const char byte = ReadByte();
        if (byte == '\r')
            return line;
        line += byte;
    }
}

void TKorvaneViscoMeterInterface::WriteBytes(const char* buffer, int count) {
    for (int i = 0; i < count; ++i)
        m_port->Write(buffer + i, 1);
    m_bytesWritten += count;
    TraceChunk(TDirection::Output, buffer, count);
}

void TKorvaneViscoMeterInterface::SendCommand(const QByteArray& text) {
    const QByteArray bytes = text + '\r';
    WriteBytes(bytes.constData(), static_cast<int>(bytes.size()));
}

QByteArray TKorvaneViscoMeterInterface::Query(const char* command) {
    SendCommand(command);
    return ReadLine();
}

void TKorvaneViscoMeterInterface::EnterComputerMode() {
    if (Query("CCC") != "$")
        Raise("EnterComputerMode: Unexpected response");
}

int TKorvaneViscoMeterInterface::ReadInstrumentModel() {
    const QByteArray reply = Query("MMM");
    for (int model = 0; model < ModelTypeCount; ++model) {
        if (reply == ModelReplies[static_cast<size_t>(model)])
            return model;
    }
    throw KorvViscoMeterException(Tr("ReadInstrumentModel: Unknown model %1").arg(Latin1(reply)));
}

void TKorvaneViscoMeterInterface::SetSpindle(int spindle) {
    const int code = InstrumentSpindleCode(ReadInstrumentModel(), spindle);
    if (code < 0)
        Raise("ReadInstrumentModel: Invalid Spindle for Model");
    SendCommand(QByteArray("S") + QByteArray::number(code, 16).toUpper().rightJustified(2, '0'));
    if (ReadLine() != "$")
        Raise("SetSpindle: Unexpected response");
}

void TKorvaneViscoMeterInterface::StartViscosityMeasurement() {
    if (Query("UUU") != "$")
        Raise("StartViscosityMeasurement: Unexpected response");
}

double TKorvaneViscoMeterInterface::ReadTemperature() {
    double celsius = 0.0;
    if (!ParseInstrumentTemperature(Latin1(Query("TTT")), celsius))
        Raise("ReadTemperature: Unexpected response");
    return celsius;
}

double TKorvaneViscoMeterInterface::ReadViscosity() {
    const QByteArray reply = Query("VVV");
    if (reply == "E1") {
        // The over-range report carries a second line of its own.
        ReadLine();
        return OverRangeViscosity;
    }
    return InstrumentTextToFloat(Latin1(reply));
}

double TKorvaneViscoMeterInterface::ReadShearStress() {
    const QString reply = Latin1(Query("EEE"));
    const qsizetype colon = reply.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return 0.0;
    return InstrumentTextToFloatDef(reply.mid(colon + 1), 0.0);
}

double TKorvaneViscoMeterInterface::ReadShearRate() {
    return InstrumentTextToFloatDef(Latin1(Query("GGG")), 0.0);
}

void TKorvaneViscoMeterInterface::SetRPM(int rpmCode) {
    SendCommand(QByteArray("R") + QByteArray::number(rpmCode, 16).toUpper().rightJustified(2, '0'));
    if (ReadLine() != "$")
        throw KorvViscoMeterException(
            Tr("This viscometer does not support %1 RPM").arg(FormatLocaleFixed(RPMCodeToValue(rpmCode), 1)));
}

void TKorvaneViscoMeterInterface::RestartInstrument() {
    const QByteArray reply = Query("III");
    // The instrument needs the time to come back before it takes the next command.
    SleepInterruptible(2000);
    if (reply != "$")
        Raise("RestartInstrument: Unexpected response");
}

TNoProcessReading TKorvaneViscoMeterInterface::ReadNoProcessLine() {
    TNoProcessReading reading;

    const QString line1 = Latin1(ReadLine());
    const QString spindleName = TrimBlanks(line1.mid(16, 10)).toUpper();
    reading.Spindle = -1;
    for (int spindle = 0; spindle < SpindleTypeCount; ++spindle) {
        if (spindleName == QLatin1String(SpindleNames[static_cast<size_t>(spindle)]))
            reading.Spindle = spindle;
    }
    if (reading.Spindle < 0)
        Raise("ReadNoProcessLine: Unknown spindle type");

    const QString speed = TrimBlanks(line1.mid(30, 9));
    reading.RPMCode = -1;
    for (const TRPMEntry& entry : RPMTable) {
        // Shortest decimal form, "." whatever the locale: 0.3, 1, 1.5, 200.
        if (speed == QString::number(entry.RPM, 'g', 15))
            reading.RPMCode = entry.Code;
    }
    if (reading.RPMCode < 0)
        Raise("ReadNoProcessLine: Unknown RPM value");

    if (!ParseInstrumentTemperature(TrimBlanks(line1.mid(41, 6)), reading.Temperature))
        Raise("ReadNoProcessLine: Unexpected temperature unit");

    const QString line2 = Latin1(ReadLine());
    reading.Viscosity = InstrumentTextToFloatDef(TrimBlanks(line2.mid(5)), OverRangeViscosity);

    ReadLine(); // line 3 carries nothing the reading needs

    if (SpindleHasShear(reading.Spindle)) {
        reading.ShearStress = InstrumentTextToFloatDef(TrimBlanks(Latin1(ReadLine()).mid(6)), 0.0);
        reading.ShearRate = InstrumentTextToFloatDef(TrimBlanks(Latin1(ReadLine()).mid(6)), 0.0);
    }
    ReadByte(); // the block's closing byte
    return reading;
}

void TKorvaneViscoMeterInterface::TraceChunk(TDirection direction, const char* data, int count) {
    if (!Tracing)
        return;
    if (m_lastDirection != direction || m_trace.isEmpty()) {
        const int64_t ms = InstrumentTick() - m_traceStart;
        m_trace << QString()
                << QStringLiteral("%1: %2")
                       .arg(ms, 7, 10, QLatin1Char('0'))
                       .arg(direction == TDirection::Output ? QStringLiteral("Output")
                                                            : QStringLiteral("Input"))
                << QString();
        m_lastDirection = direction;
    }
    m_trace.last() += TraceBytesText(data, count);
}

QString TKorvaneViscoMeterInterface::SaveTrace() {
    if (m_trace.isEmpty())
        return {};
    const QDir folder(TraceFolder.isEmpty() ? QDir::currentPath() : TraceFolder);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyMMdd-HHmmss"));
    QString path = folder.filePath(QStringLiteral("CommsTrace_%1.TXT").arg(stamp));
    // Two runs ending within the same second must not overwrite each other's trace.
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = folder.filePath(QStringLiteral("CommsTrace_%1_%2.TXT").arg(stamp).arg(n));
    QByteArray bytes;
    for (const QString& line : m_trace)
        bytes += line.toLatin1() + '\n';
    WriteFileAtomically(path, bytes);
    m_trace.clear();
    m_savedTracePath = path;
    return path;
}
