#pragma once

// A simulated Korvane 4150 viscometer on a pseudo-terminal, for tests and for trying
// the program without an instrument (bramblex-cli simulate).
//
// The simulator opens a pseudo-terminal, keeps its master side and serves it on its
// own thread; programs open SlavePath() (or a symlink made with MakeLink) as their
// serial port. All setters are safe to call from any thread while it runs.
//
// Computer mode. A command is the bytes before a carriage return (13); line feeds
// and other control bytes before the command text are skipped. Every reply is one
// or more lines, each ended by a carriage return only. "$" is the acknowledgement;
// "?" answers anything refused. Only "CCC" and "III" are answered before "CCC" has
// put the instrument into computer mode; every other command gets "?" until then.
//
//   CCC       -> "$"            enter computer mode
//   III       -> "$"            restart: speed 0, measurement off, computer mode left
//   MMM       -> "V1-L" | "V1-R" | "V2-L" | "V2-R"
//   Sxx       -> "$"            spindle, xx = code in upper-case hex (L models: index + 1
//                               for 1..14; R models: 12..18 -> index - 5, 1..11 -> index + 13);
//                               "?" for a code the model family does not know
//   UUU       -> "$"            start viscosity measurement
//   Rxx       -> "$"            speed, xx = RPM code in hex; "?" when the code is unknown,
//                               refused by SetRefusedRPMCodes, or the spindle cannot run at
//                               it (full scale 0 in the catalogue)
//   TTT       -> "25.0C"        temperature with one decimal, "77.0F" in Fahrenheit
//   VVV       -> "1234.5"       viscosity in mPas with one decimal: the fluid viscosity;
//                               "0.0" while the spindle stands still; over full scale:
//                               "E1" followed by the line "OVER RANGE"
//   EEE       -> "SS:12.34"     shear stress, a label, ":" and the value (two decimals,
//                               dyne/cm2 = viscosity[mPas] / 100 x shear rate)
//   GGG       -> "2.00"         shear rate in 1/s (two decimals, spindle factor x RPM;
//                               0.00 for spindles without shear data)
//   anything else -> "?"
//
// Manual mode (StartManual): every interval the instrument prints one reading block,
// except while it is in computer mode (after CCC, until III).
// Lines end with CR LF, so from line 2 on the first character of a line (counting from
// the byte after the previous CR) is the line feed:
//   line 1: chars 1-16 "SPINDLE", 17-26 spindle name (left aligned), 27-30 "RPM:",
//           31-39 speed in shortest decimal form (right aligned: "0.3", "10"),
//           40-41 "T:", 42-47 temperature (right aligned: " 25.0C")
//   line 2: LF "VIS:" then from char 6 the viscosity (" 1234.5", " EEEE" over range)
//   line 3: LF "%FS:" then the percentage of full scale (" 45.2", " >100")
//   line 4: LF "STRS:" then from char 7 the shear stress      } only for spindles with
//   line 5: LF "RATE:" then from char 7 the shear rate        } shear data
// After the last CR comes the final LF, the byte a reader discards after a block.
//
// Faults (SetFault) strike at the first reply due once `afterReadings` readings (VVV
// replies and manual blocks) have been served, optionally only for a given command:
//   silence     no reply and no block from then on
//   half-reply  that one reply (or block) is cut after half its bytes, then normal
//   garbage     that one reply (or block) is replaced by junk bytes ended by CR, then normal
//   wrong-model from then on MMM names the other family of the same generation
//   hangup      the master side is closed: the line hangs up for good

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <set>
#include <vector>

enum class TSimFault { None, Silence, HalfReply, Garbage, WrongModel, Hangup };

// The sample in the simulated instrument. Its viscosity follows a power law in the
// speed (FlowIndex 1: Newtonian; below 1: shear-thinning, thinner the faster the
// spindle turns) and Andrade's law in the temperature: ln(viscosity) changes by
// ActivationK x (1/T - 1/298.15 K), so a positive ActivationK thins it when warmed.
// A yield stress adds YieldStress / shear rate (a Herschel-Bulkley paste: shear stress
// = yield stress + K x shear rate ^ FlowIndex); Noise scatters each reading.
struct TSimFluid {
    double Viscosity25 = 1000.0; // mPas at 25 C and ReferenceRPM
    double ReferenceRPM = 10.0;
    double FlowIndex = 1.0;
    double ActivationK = 0.0; // kelvin; 0: the same at every temperature
    double YieldStress = 0.0; // dyn/cm2
    double Noise = 0.0;       // relative standard deviation of a reading (0.02: 2 %)

    // mPas at the speed (above 0) and temperature, without noise; shearRatePerRPM is the
    // spindle's (SimShearRatePerRPM), 1/s per RPM taken for spindles without one.
    double ViscosityAt(double rpm, double celsius, double shearRatePerRPM = 0.0) const;
};

// The simulated spindle's shear rate per RPM (1/s), 0 for spindles without shear data.
double SimShearRatePerRPM(int spindle);

// A water-based emulsion paint: shear-thinning (about 4000 mPas at 10 RPM, 1600 at
// 60 RPM at 25 C) and thinner when warm.
TSimFluid SimFluidShearThinning();
// A gear oil (ISO VG 220 class): Newtonian, about 520 mPas at 25 C, 200 at 40 C.
TSimFluid SimFluidNewtonianOil();
// A filling paste with a yield stress (Herschel-Bulkley: 150 dyn/cm2 + 30 x rate ^ 0.5),
// scattered by 2 %, for a shear spindle (TR8 on a V2-R).
TSimFluid SimFluidPaste();
// "paint", "oil" or "paste" (any case); raises EBramblexError for another name.
TSimFluid SimFluidFromName(const QString& name);

// "none", "silence", "half-reply", "garbage", "wrong-model", "hangup".
QString SimFaultName(TSimFault fault);
// Raises EBramblexError for a name not in the list above.
TSimFault SimFaultFromName(const QString& name);
QStringList SimFaultNames();

// One command line as the simulator received it.
struct TSimCommand {
    QByteArray Bytes;       // everything received for it, the carriage return included ("R0C\r")
    QByteArray Command;     // the command text ("R0C")
    double ElapsedMs = 0.0; // since Start, at the arrival of the carriage return
    std::chrono::steady_clock::time_point At;
};

// One chunk the simulator sent: a reply or a manual block.
struct TSimOutput {
    QByteArray Bytes;
    double ElapsedMs = 0.0;
    std::chrono::steady_clock::time_point At;
};

class TViscoMeterSimulator {
public:
    TViscoMeterSimulator();
    ~TViscoMeterSimulator(); // Stop()
    TViscoMeterSimulator(const TViscoMeterSimulator&) = delete;
    TViscoMeterSimulator& operator=(const TViscoMeterSimulator&) = delete;

    // Opens the pseudo-terminal and starts serving it; raises EBramblexError.
    void Start();
    // Stops serving, closes the pseudo-terminal and removes the link. Idempotent.
    void Stop();
    bool IsRunning() const;
    // The device programs open, e.g. "/dev/pts/7"; empty before Start.
    QString SlavePath() const;
    // Makes path a symlink to the slave device (replacing an older symlink there);
    // Stop removes it. Raises EBramblexError.
    void MakeLink(const QString& path);
    std::chrono::steady_clock::time_point StartTime() const;

    // The instrument. Defaults: V2-L (2), spindle L1 (or R1 on R models), speed code 0,
    // fluid 1000 mPas, 25.0 C with no drift, Celsius.
    void SetModel(int model); // resets the spindle to the family's first when it does not fit
    int Model() const;
    void SetSpindle(int spindle);
    int Spindle() const;
    void SetRPMCode(int code);
    int RPMCode() const;
    // A Newtonian sample of this viscosity at every temperature.
    void SetFluidViscosity(double mPas);
    void SetFluid(const TSimFluid& fluid);
    // What VVV reports now (the spindle turning at the current speed), mPas.
    double FluidViscosityNow() const;
    // The temperature now; the set point moves with it (no drift).
    void SetTemperature(double celsius);
    // From now on the temperature moves towards setPoint at rate degrees C per second.
    void SetTemperatureSetPoint(double setPointCelsius, double ratePerSecond);
    double Temperature() const; // degrees C now
    void SetFahrenheit(bool fahrenheit);
    // Speed codes the instrument refuses besides the ones it cannot run.
    void SetRefusedRPMCodes(std::set<int> codes);
    // Sends raw bytes (nothing added) in place of the normal reply to command (its
    // state change still happens); ClearReplies restores normal replies.
    void SetReply(const QByteArray& command, const QByteArray& rawBytes);
    void ClearReplies();
    bool ComputerMode() const;
    bool Measuring() const; // after UUU, until III

    // Manual mode: prints one block every intervalMs, the first one intervalMs from now.
    void StartManual(int intervalMs);
    void StopManual();

    void SetFault(TSimFault fault, int afterReadings = 0, const QByteArray& onCommand = QByteArray());
    TSimFault Fault() const;
    bool FaultStruck() const;
    bool HungUp() const;

    // Readings served: VVV replies plus manual blocks.
    int ReadingsServed() const;
    std::vector<TSimCommand> Commands() const;
    QList<QByteArray> CommandTexts() const;
    std::vector<TSimOutput> Outputs() const;
    void ClearLog();
    // Waits until at least count readings have been served; false on time-out.
    bool WaitForReadings(int count, int timeoutMs) const;

private:
    struct TState;
    void Serve();
    QByteArray ReplyTo(const QByteArray& command); // state lock held
    QByteArray ManualBlock();                      // state lock held
    void Send(const QByteArray& bytes);            // serving thread only
    void HangUp();                                 // serving thread only
    double TemperatureLocked() const;
    double FluidLocked() const; // the fluid at the current speed and temperature
    std::unique_ptr<TState> d;
};
