#include "simulator/ViscoMeterSimulator.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "simulator/PublishedFullScale.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <map>
#include <mutex>
#include <random>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

using Clock = std::chrono::steady_clock;

namespace {

const char* const FaultNames[] = {"none", "silence", "half-reply", "garbage", "wrong-model", "hangup"};

// Bytes no instrument reply holds: a NUL, DEL, high bytes, an escape.
const QByteArray GarbageBytes("\x00\x7f\xfe#~\x1b%\x80", 8);

bool IsLFamily(int model) {
    return model == 0 || model == 2;
}

int FirstSpindle(int model) {
    return IsLFamily(model) ? 0 : 14;
}

// The spindle a wire code names on a model family, or -1.
int SpindleFromCode(int model, int code) {
    if (IsLFamily(model))
        return code >= 1 && code <= 14 ? code - 1 : -1;
    if (code >= 12 && code <= 18)
        return code - 5; // LCP, PA to PF
    if (code >= 1 && code <= 11)
        return code + 13;
    return -1;
}

} // namespace

// The simulator's own cone and cylinder constants: shear rate per RPM.
double SimShearRatePerRPM(int spindle) {
    switch (spindle) {
    case 7:
        return 2.0; // LCP
    case 21:
        return 1.32; // TR8
    case 22:
        return 0.93; // TR9
    case 23:
        return 0.34; // TR10
    case 24:
        return 0.28; // TR11
    default:
        return 0.0;
    }
}

namespace {

// Reads "R0C" style commands: the letter, then hexadecimal digits.
bool HexArgument(const QByteArray& command, int* value) {
    if (command.size() < 2)
        return false;
    bool ok = false;
    const int v = command.mid(1).toInt(&ok, 16);
    if (!ok || v < 0)
        return false;
    *value = v;
    return true;
}

QByteArray Fixed(double value, int decimals) {
    return QByteArray::number(value, 'f', decimals);
}

QByteArray PadRight(const QByteArray& text, int width) {
    return text.leftJustified(width, ' ', true);
}
QByteArray PadLeft(const QByteArray& text, int width) {
    return text.rightJustified(width, ' ', true);
}

double Elapsed(Clock::time_point start, Clock::time_point at) {
    return std::chrono::duration<double, std::milli>(at - start).count();
}

} // namespace

QString SimFaultName(TSimFault fault) {
    return QString::fromLatin1(FaultNames[static_cast<int>(fault)]);
}

QStringList SimFaultNames() {
    QStringList names;
    for (const char* name : FaultNames)
        names << QString::fromLatin1(name);
    return names;
}

TSimFault SimFaultFromName(const QString& name) {
    const int index = SimFaultNames().indexOf(name.trimmed().toLower());
    if (index < 0)
        throw EBramblexError(Tr("Unknown fault \"%1\"; known faults: %2.")
                                 .arg(name, SimFaultNames().join(QStringLiteral(", "))));
    return static_cast<TSimFault>(index);
}

double TSimFluid::ViscosityAt(double rpm, double celsius, double shearRatePerRPM) const {
    double viscosity = Viscosity25;
    if (FlowIndex != 1.0 && rpm > 0.0 && ReferenceRPM > 0.0)
        viscosity *= std::pow(rpm / ReferenceRPM, FlowIndex - 1.0);
    // 1 dyn s/cm2 (poise) is 100 mPas.
    if (YieldStress > 0.0 && rpm > 0.0)
        viscosity += 100.0 * YieldStress / ((shearRatePerRPM > 0.0 ? shearRatePerRPM : 1.0) * rpm);
    if (ActivationK != 0.0)
        viscosity *= std::exp(ActivationK * (1.0 / (celsius + 273.15) - 1.0 / 298.15));
    return viscosity;
}

TSimFluid SimFluidShearThinning() {
    TSimFluid paint;
    paint.Viscosity25 = 4000.0;
    paint.ReferenceRPM = 10.0;
    paint.FlowIndex = 0.5;
    paint.ActivationK = 3000.0;
    return paint;
}

TSimFluid SimFluidNewtonianOil() {
    TSimFluid oil;
    oil.Viscosity25 = 520.0;
    oil.FlowIndex = 1.0;
    oil.ActivationK = 5950.0;
    return oil;
}

TSimFluid SimFluidPaste() {
    // K x rate ^ 0.5 with K = 30 dyn s^0.5/cm2 is 100 x 30 / rate ^ 0.5 mPas; at TR8's
    // 13.2 1/s (10 RPM) that is 825.7 mPas.
    TSimFluid paste;
    paste.Viscosity25 = 3000.0 / std::sqrt(13.2);
    paste.ReferenceRPM = 10.0;
    paste.FlowIndex = 0.5;
    paste.YieldStress = 150.0;
    paste.Noise = 0.02;
    return paste;
}

TSimFluid SimFluidFromName(const QString& name) {
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("paint"))
        return SimFluidShearThinning();
    if (key == QLatin1String("oil"))
        return SimFluidNewtonianOil();
    if (key == QLatin1String("paste"))
        return SimFluidPaste();
    throw EBramblexError(Tr("Unknown fluid \"%1\"; known fluids: paint, oil, paste.").arg(name));
}

struct TViscoMeterSimulator::TState {
    mutable std::mutex Mutex;
    mutable std::condition_variable Changed;

    int Master = -1;
    int SlaveHold = -1; // keeps the line up while no program has the port open
    int Wake[2] = {-1, -1};
    QString SlavePath;
    QString LinkPath;
    std::thread Thread;
    std::atomic<bool> StopRequested{false};
    bool Running = false;
    Clock::time_point Start = Clock::now();

    int Model = 2;
    int Spindle = 0;
    int RPMCode = 0;
    TSimFluid Fluid;
    double Temperature = 25.0; // at TemperatureAt
    double SetPoint = 25.0;
    double DriftRate = 0.0;
    Clock::time_point TemperatureAt = Clock::now();
    bool Fahrenheit = false;
    std::set<int> Refused;
    std::map<QByteArray, QByteArray> Replies;
    bool Computer = false;
    bool Measuring = false;

    int ManualInterval = 0;
    Clock::time_point NextBlock;

    TSimFault Fault = TSimFault::None;
    int FaultAfter = 0;
    QByteArray FaultOn;
    bool FaultStruck = false;
    bool FaultSpent = false; // one-shot faults strike once
    bool HungUp = false;

    int Readings = 0;
    std::mt19937 Scatter{2417}; // the fluid's noise; the same readings every run
    std::vector<TSimCommand> Commands;
    std::vector<TSimOutput> Outputs;

    QByteArray Pending; // serving thread only
};

TViscoMeterSimulator::TViscoMeterSimulator() : d(std::make_unique<TState>()) {}

TViscoMeterSimulator::~TViscoMeterSimulator() {
    Stop();
}

void TViscoMeterSimulator::Start() {
    if (IsRunning())
        return;
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0)
        throw EBramblexError(
            Tr("Cannot open a pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    char name[128] = {};
    termios tio{};
    int slave = -1;
    int wake[2] = {-1, -1};
    const bool ok = ::grantpt(master) == 0 && ::unlockpt(master) == 0 &&
                    ::ptsname_r(master, name, sizeof name) == 0 && ::tcgetattr(master, &tio) == 0;
    if (ok) {
        // Raw before anyone opens the slave, so replies are never echoed back as commands.
        ::cfmakeraw(&tio);
        ::cfsetispeed(&tio, B9600);
        ::cfsetospeed(&tio, B9600);
        ::tcsetattr(master, TCSANOW, &tio);
        ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
        slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    }
    if (!ok || slave < 0 || ::pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        const int error = errno;
        if (slave >= 0)
            ::close(slave);
        ::close(master);
        throw EBramblexError(
            Tr("Cannot open a pseudo-terminal: %1").arg(QString::fromLocal8Bit(std::strerror(error))));
    }
    {
        std::lock_guard lock(d->Mutex);
        d->Master = master;
        d->SlaveHold = slave;
        d->Wake[0] = wake[0];
        d->Wake[1] = wake[1];
        d->SlavePath = QString::fromLocal8Bit(name);
        d->Start = Clock::now();
        d->HungUp = false;
        d->Running = true;
        d->Pending.clear();
    }
    d->StopRequested = false;
    d->Thread = std::thread([this] { Serve(); });
}

void TViscoMeterSimulator::Stop() {
    if (!d->Thread.joinable())
        return;
    d->StopRequested = true;
    const char byte = 0;
    [[maybe_unused]] const ssize_t n = ::write(d->Wake[1], &byte, 1);
    d->Thread.join();
    std::lock_guard lock(d->Mutex);
    for (int* fd : {&d->Master, &d->SlaveHold, &d->Wake[0], &d->Wake[1]}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    if (!d->LinkPath.isEmpty()) {
        const QByteArray link = d->LinkPath.toLocal8Bit();
        struct stat st {};
        if (::lstat(link.constData(), &st) == 0 && S_ISLNK(st.st_mode))
            ::unlink(link.constData());
        d->LinkPath.clear();
    }
    d->Running = false;
    d->Changed.notify_all();
}

bool TViscoMeterSimulator::IsRunning() const {
    std::lock_guard lock(d->Mutex);
    return d->Running;
}

QString TViscoMeterSimulator::SlavePath() const {
    std::lock_guard lock(d->Mutex);
    return d->SlavePath;
}

Clock::time_point TViscoMeterSimulator::StartTime() const {
    std::lock_guard lock(d->Mutex);
    return d->Start;
}

void TViscoMeterSimulator::MakeLink(const QString& path) {
    std::lock_guard lock(d->Mutex);
    if (d->SlavePath.isEmpty())
        throw EBramblexError(Tr("The simulator is not running."));
    const QByteArray link = path.toLocal8Bit();
    struct stat st {};
    if (::lstat(link.constData(), &st) == 0) {
        if (!S_ISLNK(st.st_mode))
            throw EBramblexError(Tr("%1 exists and is not a link; it was left as it is.").arg(path));
        ::unlink(link.constData());
    }
    if (::symlink(d->SlavePath.toLocal8Bit().constData(), link.constData()) != 0)
        throw EBramblexError(
            Tr("Cannot make the link %1: %2").arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    d->LinkPath = path;
}

void TViscoMeterSimulator::SetModel(int model) {
    if (model < 0 || model >= ModelTypeCount)
        throw EBramblexError(Tr("Invalid ModelType"));
    std::lock_guard lock(d->Mutex);
    d->Model = model;
    if (!IsSpindleValid(model, d->Spindle))
        d->Spindle = FirstSpindle(model);
}

int TViscoMeterSimulator::Model() const {
    std::lock_guard lock(d->Mutex);
    return d->Model;
}

void TViscoMeterSimulator::SetSpindle(int spindle) {
    std::lock_guard lock(d->Mutex);
    d->Spindle = spindle;
}

int TViscoMeterSimulator::Spindle() const {
    std::lock_guard lock(d->Mutex);
    return d->Spindle;
}

void TViscoMeterSimulator::SetRPMCode(int code) {
    std::lock_guard lock(d->Mutex);
    d->RPMCode = code;
}

int TViscoMeterSimulator::RPMCode() const {
    std::lock_guard lock(d->Mutex);
    return d->RPMCode;
}

void TViscoMeterSimulator::SetFluidViscosity(double mPas) {
    std::lock_guard lock(d->Mutex);
    d->Fluid = TSimFluid();
    d->Fluid.Viscosity25 = mPas;
}

void TViscoMeterSimulator::SetFluid(const TSimFluid& fluid) {
    std::lock_guard lock(d->Mutex);
    d->Fluid = fluid;
}

double TViscoMeterSimulator::FluidViscosityNow() const {
    std::lock_guard lock(d->Mutex);
    return FluidLocked();
}

double TViscoMeterSimulator::FluidLocked() const {
    const double viscosity =
        d->Fluid.ViscosityAt(RPMCodeToValue(d->RPMCode), TemperatureLocked(), SimShearRatePerRPM(d->Spindle));
    if (d->Fluid.Noise <= 0.0)
        return viscosity;
    return viscosity * (1.0 + std::normal_distribution<double>(0.0, d->Fluid.Noise)(d->Scatter));
}

void TViscoMeterSimulator::SetTemperature(double celsius) {
    std::lock_guard lock(d->Mutex);
    d->Temperature = celsius;
    d->SetPoint = celsius;
    d->DriftRate = 0.0;
    d->TemperatureAt = Clock::now();
}

void TViscoMeterSimulator::SetTemperatureSetPoint(double setPointCelsius, double ratePerSecond) {
    std::lock_guard lock(d->Mutex);
    d->Temperature = TemperatureLocked();
    d->TemperatureAt = Clock::now();
    d->SetPoint = setPointCelsius;
    d->DriftRate = std::fabs(ratePerSecond);
}

double TViscoMeterSimulator::TemperatureLocked() const {
    const double seconds = std::chrono::duration<double>(Clock::now() - d->TemperatureAt).count();
    const double step = d->DriftRate * seconds;
    if (d->SetPoint > d->Temperature)
        return std::min(d->SetPoint, d->Temperature + step);
    return std::max(d->SetPoint, d->Temperature - step);
}

double TViscoMeterSimulator::Temperature() const {
    std::lock_guard lock(d->Mutex);
    return TemperatureLocked();
}

void TViscoMeterSimulator::SetFahrenheit(bool fahrenheit) {
    std::lock_guard lock(d->Mutex);
    d->Fahrenheit = fahrenheit;
}

void TViscoMeterSimulator::SetRefusedRPMCodes(std::set<int> codes) {
    std::lock_guard lock(d->Mutex);
    d->Refused = std::move(codes);
}

void TViscoMeterSimulator::SetReply(const QByteArray& command, const QByteArray& rawBytes) {
    std::lock_guard lock(d->Mutex);
    d->Replies[command] = rawBytes;
}

void TViscoMeterSimulator::ClearReplies() {
    std::lock_guard lock(d->Mutex);
    d->Replies.clear();
}

bool TViscoMeterSimulator::ComputerMode() const {
    std::lock_guard lock(d->Mutex);
    return d->Computer;
}

bool TViscoMeterSimulator::Measuring() const {
    std::lock_guard lock(d->Mutex);
    return d->Measuring;
}

void TViscoMeterSimulator::StartManual(int intervalMs) {
    {
        std::lock_guard lock(d->Mutex);
        d->ManualInterval = std::max(1, intervalMs);
        d->NextBlock = Clock::now() + std::chrono::milliseconds(d->ManualInterval);
    }
    if (d->Wake[1] >= 0) {
        const char byte = 0;
        [[maybe_unused]] const ssize_t n = ::write(d->Wake[1], &byte, 1);
    }
}

void TViscoMeterSimulator::StopManual() {
    std::lock_guard lock(d->Mutex);
    d->ManualInterval = 0;
}

void TViscoMeterSimulator::SetFault(TSimFault fault, int afterReadings, const QByteArray& onCommand) {
    std::lock_guard lock(d->Mutex);
    d->Fault = fault;
    d->FaultAfter = afterReadings;
    d->FaultOn = onCommand;
    d->FaultStruck = false;
    d->FaultSpent = false;
}

TSimFault TViscoMeterSimulator::Fault() const {
    std::lock_guard lock(d->Mutex);
    return d->Fault;
}

bool TViscoMeterSimulator::FaultStruck() const {
    std::lock_guard lock(d->Mutex);
    return d->FaultStruck;
}

bool TViscoMeterSimulator::HungUp() const {
    std::lock_guard lock(d->Mutex);
    return d->HungUp;
}

int TViscoMeterSimulator::ReadingsServed() const {
    std::lock_guard lock(d->Mutex);
    return d->Readings;
}

std::vector<TSimCommand> TViscoMeterSimulator::Commands() const {
    std::lock_guard lock(d->Mutex);
    return d->Commands;
}

QList<QByteArray> TViscoMeterSimulator::CommandTexts() const {
    std::lock_guard lock(d->Mutex);
    QList<QByteArray> texts;
    for (const TSimCommand& c : d->Commands)
        texts << c.Command;
    return texts;
}

std::vector<TSimOutput> TViscoMeterSimulator::Outputs() const {
    std::lock_guard lock(d->Mutex);
    return d->Outputs;
}

void TViscoMeterSimulator::ClearLog() {
    std::lock_guard lock(d->Mutex);
    d->Commands.clear();
    d->Outputs.clear();
}

bool TViscoMeterSimulator::WaitForReadings(int count, int timeoutMs) const {
    std::unique_lock lock(d->Mutex);
    return d->Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [&] { return d->Readings >= count; });
}

QByteArray TViscoMeterSimulator::ReplyTo(const QByteArray& command) {
    static const QByteArray ack("$\r");
    static const QByteArray refused("?\r");
    QByteArray reply = refused;
    const char letter = command.isEmpty() ? 0 : command[0];
    int value = 0;
    if (command == "CCC") {
        d->Computer = true;
        reply = ack;
    } else if (command == "III") {
        d->Computer = false;
        d->Measuring = false;
        d->RPMCode = 0;
        reply = ack;
    } else if (!d->Computer) {
        reply = refused;
    } else if (command == "MMM") {
        int model = d->Model;
        if (d->Fault == TSimFault::WrongModel && d->Readings >= d->FaultAfter) {
            model ^= 1; // V2-L <-> V2-R, V1-L <-> V1-R
            d->FaultStruck = true;
        }
        reply = QByteArray(ModelReplies[model]) + '\r';
    } else if (letter == 'S' && HexArgument(command, &value)) {
        const int spindle = SpindleFromCode(d->Model, value);
        if (spindle >= 0) {
            d->Spindle = spindle;
            reply = ack;
        }
    } else if (command == "UUU") {
        d->Measuring = true;
        reply = ack;
    } else if (letter == 'R' && HexArgument(command, &value)) {
        const bool known = RPMCodeToIndex(value) >= 0;
        if (known && !d->Refused.count(value) && PublishedFullScale(d->Model, d->Spindle, value) > 0.0) {
            d->RPMCode = value;
            reply = ack;
        }
    } else if (command == "TTT") {
        const double c = TemperatureLocked();
        reply = d->Fahrenheit ? Fixed(c * 9.0 / 5.0 + 32.0, 1) + "F\r" : Fixed(c, 1) + "C\r";
    } else if (command == "VVV") {
        ++d->Readings;
        const double fluid = FluidLocked();
        if (d->RPMCode == 0)
            reply = "0.0\r";
        else if (fluid > PublishedFullScale(d->Model, d->Spindle, d->RPMCode))
            reply = "E1\rOVER RANGE\r";
        else
            reply = Fixed(fluid, 1) + '\r';
    } else if (command == "EEE") {
        const double rate = SimShearRatePerRPM(d->Spindle) * RPMCodeToValue(d->RPMCode);
        const double fluid = FluidLocked();
        const bool over = fluid > PublishedFullScale(d->Model, d->Spindle, d->RPMCode);
        reply = "SS:" + Fixed(over ? 0.0 : fluid / 100.0 * rate, 2) + '\r';
    } else if (command == "GGG") {
        reply = Fixed(SimShearRatePerRPM(d->Spindle) * RPMCodeToValue(d->RPMCode), 2) + '\r';
    }
    const auto custom = d->Replies.find(command);
    if (custom != d->Replies.end())
        reply = custom->second;
    return reply;
}

QByteArray TViscoMeterSimulator::ManualBlock() {
    ++d->Readings;
    const int spindle = d->Spindle;
    const double rpm = RPMCodeToValue(d->RPMCode);
    const double c = TemperatureLocked();
    const double fullScale =
        spindle >= 0 && spindle < SpindleTypeCount ? PublishedFullScale(d->Model, spindle, d->RPMCode) : 0.0;
    const double fluid = FluidLocked();
    const bool over = d->RPMCode != 0 && fluid > fullScale;
    const double viscosity = d->RPMCode == 0 ? 0.0 : fluid;
    const QByteArray name =
        spindle >= 0 && spindle < SpindleTypeCount ? QByteArray(SpindleNames[spindle]) : "?";
    const QByteArray temperature = d->Fahrenheit ? Fixed(c * 9.0 / 5.0 + 32.0, 1) + 'F' : Fixed(c, 1) + 'C';

    QByteArray block = PadRight("SPINDLE", 16) + PadRight(name, 10) +
                       "RPM:" + PadLeft(QByteArray::number(rpm, 'g', 6), 9) + "T:" + PadLeft(temperature, 6) +
                       "\r\n";
    block += "VIS: " + (over ? QByteArray("EEEE") : Fixed(viscosity, 1)) + "\r\n";
    block += "%FS: " +
             (over ? QByteArray(">100") : Fixed(fullScale > 0.0 ? viscosity / fullScale * 100.0 : 0.0, 1)) +
             "\r\n";
    if (SpindleHasShear(spindle)) {
        const double rate = SimShearRatePerRPM(spindle) * rpm;
        block += "STRS: " + Fixed(over ? 0.0 : viscosity / 100.0 * rate, 2) + "\r\n";
        block += "RATE: " + Fixed(rate, 2) + "\r\n";
    }
    return block;
}

void TViscoMeterSimulator::Send(const QByteArray& bytes) {
    int master = -1;
    {
        std::lock_guard lock(d->Mutex);
        master = d->Master;
    }
    if (master < 0 || bytes.isEmpty())
        return;
    // Gives a reader that never reads one second before the bytes are dropped.
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    qsizetype done = 0;
    while (done < bytes.size() && Clock::now() < deadline && !d->StopRequested) {
        const ssize_t n = ::write(master, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            break;
        pollfd p{master, POLLOUT, 0};
        ::poll(&p, 1, 20);
    }
    std::lock_guard lock(d->Mutex);
    const auto now = Clock::now();
    d->Outputs.push_back({bytes.left(done), Elapsed(d->Start, now), now});
    d->Changed.notify_all();
}

void TViscoMeterSimulator::HangUp() {
    std::lock_guard lock(d->Mutex);
    for (int* fd : {&d->Master, &d->SlaveHold}) {
        if (*fd >= 0)
            ::close(*fd);
        *fd = -1;
    }
    d->HungUp = true;
    d->FaultStruck = true;
    d->Changed.notify_all();
}

void TViscoMeterSimulator::Serve() {
    enum class TAction { Reply, Nothing, Half, Garbage, HangUp };
    // Decides what the fault makes of the next reply; state lock held.
    auto faultAction = [this](const QByteArray* command) {
        if (d->Fault == TSimFault::None || d->Fault == TSimFault::WrongModel)
            return TAction::Reply;
        if (d->Fault == TSimFault::Silence && d->FaultStruck)
            return TAction::Nothing;
        if (d->FaultSpent || d->Readings < d->FaultAfter)
            return TAction::Reply;
        if (!d->FaultOn.isEmpty() && (command == nullptr || *command != d->FaultOn))
            return TAction::Reply;
        d->FaultStruck = true;
        switch (d->Fault) {
        case TSimFault::Silence:
            return TAction::Nothing;
        case TSimFault::HalfReply:
            d->FaultSpent = true;
            return TAction::Half;
        case TSimFault::Garbage:
            d->FaultSpent = true;
            return TAction::Garbage;
        case TSimFault::Hangup:
            return TAction::HangUp;
        default:
            return TAction::Reply;
        }
    };
    auto deliver = [this](TAction action, const QByteArray& bytes, const QByteArray& lineEnd) {
        switch (action) {
        case TAction::Reply:
            Send(bytes);
            break;
        case TAction::Half:
            Send(bytes.left(std::max<qsizetype>(1, bytes.size() / 2)));
            break;
        case TAction::Garbage:
            Send(GarbageBytes + lineEnd);
            break;
        case TAction::HangUp:
            HangUp();
            break;
        case TAction::Nothing:
            break;
        }
    };

    while (!d->StopRequested) {
        int master = -1;
        int timeout = 200;
        {
            std::lock_guard lock(d->Mutex);
            master = d->Master;
            if (d->ManualInterval > 0 && master >= 0) {
                const auto left =
                    std::chrono::duration_cast<std::chrono::milliseconds>(d->NextBlock - Clock::now())
                        .count();
                timeout = static_cast<int>(std::clamp<long long>(left, 0, 200));
            }
        }
        pollfd fds[2] = {{master, POLLIN, 0}, {d->Wake[0], POLLIN, 0}};
        const int ready = ::poll(fds, 2, timeout);
        if (d->StopRequested)
            break;
        if (ready > 0 && (fds[1].revents & POLLIN)) {
            char drain[64];
            while (::read(d->Wake[0], drain, sizeof drain) > 0) {
            }
        }
        if (ready > 0 && (fds[0].revents & POLLIN)) {
            char buffer[256];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            for (ssize_t i = 0; i < n; ++i) {
                d->Pending += buffer[i];
                if (buffer[i] != '\r')
                    continue;
                const auto now = Clock::now();
                QByteArray raw;
                raw.swap(d->Pending);
                QByteArray command = raw.chopped(1);
                // Line feeds and stray control bytes of a CR LF sender are not part of a command.
                while (!command.isEmpty() && static_cast<unsigned char>(command[0]) <= ' ')
                    command.remove(0, 1);
                TAction action = TAction::Reply;
                QByteArray reply;
                {
                    std::lock_guard lock(d->Mutex);
                    d->Commands.push_back({raw, command, Elapsed(d->Start, now), now});
                    d->Changed.notify_all();
                    action = faultAction(&command);
                    if (action != TAction::Nothing && action != TAction::HangUp)
                        reply = ReplyTo(command);
                }
                deliver(action, reply, "\r");
                if (action == TAction::HangUp)
                    break;
            }
        } else if (ready > 0 && (fds[0].revents & (POLLHUP | POLLERR))) {
            // Nobody holds the slave side; wait for the next program to open it.
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        TAction action = TAction::Nothing;
        QByteArray block;
        {
            std::lock_guard lock(d->Mutex);
            if (d->ManualInterval > 0 && d->Master >= 0 && Clock::now() >= d->NextBlock) {
                d->NextBlock += std::chrono::milliseconds(d->ManualInterval);
                // Under computer control the instrument prints nothing by itself.
                action = d->Computer ? TAction::Nothing : faultAction(nullptr);
                if (action != TAction::Nothing && action != TAction::HangUp)
                    block = ManualBlock();
                d->Changed.notify_all();
            }
        }
        deliver(action, block, "\r\n");
    }
}
