#pragma once

// What the program knows about the viscometer without asking it: models, spindles,
// the speed ladder, full-scale viscosities, plus the operator's display units and
// the paper table of report pages.
//
// Stored values are always in base units: millimetres on report pages, mPas,
// degrees Celsius, speeds as RPM codes. Only the functions below convert them for
// display and input, using the three process-wide unit selections.

#include <QRgb>
#include <QString>

#include <array>
#include <cstdint>

// ---------------------------------------------------------------------------
// Types and sizes

using ModelType = int;   // 0 to 3
using SpindleType = int; // 0 to 24

inline constexpr int ModelTypeCount = 4;
inline constexpr int SpindleTypeCount = 25;
inline constexpr int RPMTableCount = 22;
inline constexpr int PaperSizeCount = 10;
inline constexpr int XAxisCount = 7;
inline constexpr int YAxisCount = 6;

// A viscosity the instrument reported as over range; in row 0 of the full-scale
// tables the same number means "no limit".
inline constexpr double OverRangeViscosity = 1.7e308;

// ---------------------------------------------------------------------------
// Tables

// Display names of the four models ("Korvane 4150 RV1-L", ...).
extern const std::array<const char*, ModelTypeCount> ModelNames;
// What the instrument answers to the model query for each model ("V1-L", ...).
extern const std::array<const char*, ModelTypeCount> ModelReplies;

// Spindle names ("L1" ... "TR11").
extern const std::array<const char*, SpindleTypeCount> SpindleNames;
// SpindleValidity[spindle][model]: the model accepts the spindle.
extern const std::array<std::array<bool, ModelTypeCount>, SpindleTypeCount> SpindleValidity;

struct TRPMEntry {
    int Position; // 0 to 21, ascending speed
    int Code;     // the instrument's speed code, stored in batch files
    double RPM;
};
extern const std::array<TRPMEntry, RPMTableCount> RPMTable;

// [speed position][spindle] in mPas; 0 = the spindle cannot run at that speed.
using TFullScaleTable = std::array<std::array<double, SpindleTypeCount>, RPMTableCount>;
extern const TFullScaleTable FullScaleTableL; // models 0 and 2
extern const TFullScaleTable FullScaleTableR; // models 1 and 3

// Chart and sort quantities. Captions are untranslated; "%1" stands for the unit
// name. Use XAxisCaption / YAxisCaption for what the operator sees.
extern const std::array<const char*, XAxisCount> XAxisNames;
extern const std::array<const char*, YAxisCount> YAxisNames;
extern const std::array<QRgb, YAxisCount> YAxisColors; // opaque RGB

struct TPaperSize {
    int Width; // tenths of a millimetre; -1 for "Custom" and "Default"
    int Height;
};
extern const std::array<TPaperSize, PaperSizeCount> PaperSizes;
extern const std::array<const char*, PaperSizeCount> PaperNames; // untranslated; see PaperName

// ---------------------------------------------------------------------------
// Process-wide unit selections (0 or 1). They hold 0 until the main window copies
// them from the settings; setting does not validate, every operation of that unit
// kind raises when the value is neither 0 nor 1.

int ReportUnits();      // 0 millimetres, 1 inches
int ViscosityUnits();   // 0 mPas, 1 cP
int TemperatureUnits(); // 0 Celsius, 1 Fahrenheit
void SetReportUnits(int units);
void SetViscosityUnits(int units);
void SetTemperatureUnits(int units);

// ---------------------------------------------------------------------------
// Speeds

double RPMCodeToValue(int code); // 0.0 for an unknown code
int RPMCodeToIndex(int code);    // position, or -1
double RPMIndexToValue(int position);
int RPMIndexToCode(int position);
bool IsSlowestRPMCode(int code);
bool IsFastestRPMCode(int code);
int NextFasterRPMCode(int code); // -1 at the fast end
int NextSlowerRPMCode(int code); // -1 at the slow end
int RPMStepCount(int fromCode, int toCode);

// ---------------------------------------------------------------------------
// Models and spindles

bool IsSpindleValid(int model, int spindle); // false for an unknown model or spindle
int SpindleCount(int model);                 // 14 (L models), 17 (R models), 0 for an unknown model
int SpindleFromIndex(int model, int index);  // raises "Invalid Spindle Index"
int SpindleToIndex(int model, int spindle);  // -1 when the model does not accept it
bool IsTBarSpindle(int spindle);
bool SpindleHasShear(int spindle);

double FullScale(int model, int spindle, int rpmCode); // raises "Invalid ModelType"
double PercentFullScale(int model, int spindle, int rpmCode, double viscosity);
// The one over-scale rule of every readings display: full scale below the viscosity.
bool IsOverScale(int model, int spindle, int rpmCode, double viscosity);
QString OverScaleText(); // "Over scale", localised

// ---------------------------------------------------------------------------
// Chart and sort quantities

QString XAxisCaption(int index); // raises "Invalid XAxis"
QString YAxisCaption(int index); // raises "Invalid YAxis"

// The raw values of one reading that the quantities are computed from.
struct TReadingQuantities {
    int Model = 0;
    int Spindle = 0;
    double ElapsedSeconds = 0.0; // from the batch's earliest reading
    double Viscosity = 0.0;      // mPas
    double Temperature = 0.0;    // Celsius
    int RPMCode = 0;
    double ShearStress = 0.0;
    double ShearRate = 0.0;
};
// Value of quantity X index (0 to 6) / Y index (0 to 5) in display units.
double XAxisValue(int index, const TReadingQuantities& reading); // raises "Invalid XAxis"
double YAxisValue(int index, const TReadingQuantities& reading); // raises "Invalid YAxis"

// ---------------------------------------------------------------------------
// Report lengths (stored in millimetres)

double ReportUnitsFromMM(double x);
double ReportUnitsToMM(double x);
QString FormatReportUnits(double x);
QString ReportUnitsName();
double LongUnitsFromMM(double x);
double LongUnitsToMM(double x);
QString FormatLongUnits(double x);
QString LongUnitsName();
double GridStepMM();
double SnapToGridMM(double x);
int DefaultPaperIndex();

// ---------------------------------------------------------------------------
// Viscosity (stored in mPas) and temperature (stored in Celsius)

QString ViscosityUnitsName();
double ViscosityToDisplay(double v);
double ViscosityFromDisplay(double v);
QString FormatViscosity(double v);
QString TemperatureUnitsName();
double TemperatureToDisplay(double c);
double TemperatureFromDisplay(double t);
QString FormatTemperature(double c);

// A number for the operator: fixed decimals, the user's decimal separator, no
// thousands separator (as "%.Nf" would print it). Never use it for files.
QString FormatLocaleFixed(double value, int decimals);

// ---------------------------------------------------------------------------
// Paper and printer

// The current printer as the page layout needs it. The tables do not ask the printers:
// whoever knows them hands this in (reports/PrinterPage.h reads the installed ones).
struct TPrinterPage {
    bool Installed = false; // without a printer the units' default paper, portrait
    int Orientation = 0;    // the printer's: 0 portrait, 1 landscape
    int PhysicalWidth = 0;  // device pixels, in the current orientation
    int PhysicalHeight = 0;
    int PixelsPerInchX = 0;
    int PixelsPerInchY = 0;
};

QString PaperName(int index);                        // localised; empty outside 0 to 9
int PaperFromSize(int width, int height);            // tenths of a millimetre; 0 ("Custom") when none matches
int PrinterOrientation(const TPrinterPage& printer); // 0 portrait, 1 landscape; 0 without printers
double PaperWidthMM(const TPrinterPage& printer);    // short side of the printer's paper
double PaperHeightMM(const TPrinterPage& printer);   // long side
double PageWidthMM(const TPrinterPage& printer, int orientation);
double PageHeightMM(const TPrinterPage& printer, int orientation);

// ---------------------------------------------------------------------------
// Rounding of page coordinates and pixel positions: x + 0.5 truncated toward zero
// (so -2.7 gives -2). Saturates outside the 64-bit range; NaN gives 0.
std::int64_t RoundHalfUp(double x);
