#include "catalogue/Catalogue.h"

#include "core/Error.h"

#include <QLocale>

#include <atomic>
#include <charconv>
#include <cmath>
#include <limits>

// ---------------------------------------------------------------------------
// Tables

const std::array<const char*, ModelTypeCount> ModelNames = {
    "Korvane 4150 RV1-L",
    "Korvane 4150 RV1-R",
    "Korvane 4150 RV2-L",
    "Korvane 4150 RV2-R",
};

const std::array<const char*, ModelTypeCount> ModelReplies = {"V1-L", "V1-R", "V2-L", "V2-R"};

const std::array<const char*, SpindleTypeCount> SpindleNames = {
    "L1", "L2", "L3", "L4", "TL5", "TL6", "TL7", "LCP", "PA",  "PB",  "PC",   "PD",   "PE",
    "PF", "R1", "R2", "R3", "R4",  "R5",  "R6",  "R7",  "TR8", "TR9", "TR10", "TR11",
};

namespace {

// Models 0 and 2 take the L family, 1 and 3 the R family.
bool IsLModel(int model) {
    return model == 0 || model == 2;
}
bool IsRModel(int model) {
    return model == 1 || model == 3;
}

constexpr std::array<bool, ModelTypeCount> LOnly{true, false, true, false};
constexpr std::array<bool, ModelTypeCount> ROnly{false, true, false, true};
constexpr std::array<bool, ModelTypeCount> Both{true, true, true, true};

constexpr std::array<double, SpindleTypeCount> Row(double value) {
    std::array<double, SpindleTypeCount> row{};
    row.fill(value);
    return row;
}

} // namespace

const std::array<std::array<bool, ModelTypeCount>, SpindleTypeCount> SpindleValidity = {
    LOnly, LOnly, LOnly, LOnly, LOnly, LOnly, LOnly, LOnly, // L1 to LCP
    Both,  Both,  Both,  Both,  Both,  Both,                // PA to PF
    ROnly, ROnly, ROnly, ROnly, ROnly, ROnly, ROnly,        // R1 to R7
    ROnly, ROnly, ROnly, ROnly,                             // TR8 to TR11
};

const std::array<TRPMEntry, RPMTableCount> RPMTable = {{
    {0, 0, 0.0},    {1, 20, 0.1},   {2, 21, 0.2},    {3, 1, 0.3},     {4, 2, 0.5},    {5, 3, 0.6},
    {6, 4, 1.0},    {7, 5, 1.5},    {8, 6, 2.0},     {9, 7, 2.5},     {10, 8, 3.0},   {11, 9, 4.0},
    {12, 10, 5.0},  {13, 11, 6.0},  {14, 12, 10.0},  {15, 13, 12.0},  {16, 14, 20.0}, {17, 15, 30.0},
    {18, 16, 50.0}, {19, 17, 60.0}, {20, 18, 100.0}, {21, 19, 200.0},
}};

namespace {

// Entered value by value from the instrument's data sheet; several cells do not
// follow the speed ratio and must stay as they are. 0 means the spindle cannot run
// at that speed on that family.
// clang-format off
// Rows: 0.1 RPM (code 20) to 200 RPM (code 19); columns from spindle L1 on.
constexpr std::array<std::array<double, 14>, 21> LSheet = {{
    //   L1      L2       L3       L4    TL5     TL6     TL7   LCP      PA      PB      PC       PD       PE       PF    RPM
    {{60000, 300000, 1200000, 6000000, 30000, 300000, 600000, 6000, 190000, 379000, 400000, 1900000, 4700000, 9400000}}, // 0.1
    {{30000, 150000,  600000, 3000000, 15000, 150000, 300000, 3000,  94000, 190000, 470000,  540000, 2200000, 4700000}}, // 0.2
    {{20000, 100000,  400000, 2000000, 10000, 100000, 200000, 2000,  62400, 124800, 312000,  624000, 1560000, 3120000}}, // 0.3
    {{12000,  60000,  240000, 1200000,  6000,  60000, 120000, 1200,  37440,  74880, 187200,  374400,  936000, 1872000}}, // 0.5
    {{10000,  50000,  200000, 1000000,  5000,  50000, 100000, 1000,  31200,  62400, 156000,  312000,  780000, 1000000}}, // 0.6
    {{ 6000,  30000,  120000,  600000,  3000,  30000,  60000,  600,  18720,  37440,  93600,  187200,  468000,  936000}}, // 1
    {{ 4000,  20000,   80000,  400000,  2000,  20000,  40000,  400,  12480,  24960,  62400,  124800,  312000,  624000}}, // 1.5
    {{ 3000,  15000,   60000,  300000,  1500,  15000,  30000,  300,   9360,  18720,  46800,   93600,  234000,  468000}}, // 2
    {{ 2400,  12000,   48000,  240000,  1200,  12000,  24000,  240,   7488,  14976,  37440,   74880,  187200,  374400}}, // 2.5
    {{ 2000,  10000,   40000,  200000,  1000,  10000,  20000,  200,   6240,  12480,  31200,   62400,  156000,  312000}}, // 3
    {{ 1500,   7500,   30000,  150000,   750,   7500,  15000,  150,   4680,   9360,  23400,   46800,  117000,  234000}}, // 4
    {{ 1200,   6000,   24000,  120000,   600,   6000,  12000,  120,   3744,   7488,  18720,   37440,   93600,  187200}}, // 5
    {{ 1000,   5000,   20000,  100000,   500,   5000,  10000,  100,   3120,   6240,  15600,   31200,   78000,  156000}}, // 6
    {{  600,   3000,   12000,   60000,   300,   3000,   6000,   60,   1872,   3744,   9360,   18720,   46800,   93600}}, // 10
    {{  500,   2500,   10000,   50000,   250,   2500,   5000,   50,   1560,   3120,   7800,   15600,   39000,   78000}}, // 12
    {{  300,   1500,    6000,   30000,   150,   1500,   3000,   30,      0,      0,      0,       0,       0,       0}}, // 20
    {{  200,   1000,    4000,   20000,   100,   1000,   2000,   20,      0,      0,      0,       0,       0,       0}}, // 30
    {{  120,    600,    2400,   12000,    60,    600,   1200,   12,      0,      0,      0,       0,       0,       0}}, // 50
    {{  100,    500,    2000,   10000,    50,    500,   1000,   10,      0,      0,      0,       0,       0,       0}}, // 60
    {{   60,    300,    1200,    6000,    30,    300,    600,    6,      0,      0,      0,       0,       0,       0}}, // 100
    {{   30,    150,     600,    3000,    15,    150,    300,    3,      0,      0,      0,       0,       0,       0}}, // 200
}};

// Rows: 0.1 RPM (code 20) to 200 RPM (code 19); columns from spindle PA on.
constexpr std::array<std::array<double, 17>, 21> RSheet = {{
    //     PA       PB        PC        PD        PE         PF      R1      R2       R3       R4       R5        R6        R7     TR8      TR9     TR10      TR11    RPM
    {{2000000, 4000000, 10000000, 20000000, 50000000, 100000000, 100000, 400000, 1000000, 2000000, 3900000, 10000000, 40000000, 500000, 2500000, 5000000, 10000000}}, // 0.1
    {{1000000, 2000000,  5000000, 10000000, 25000000,  50000000,  50000, 200000,  500000, 1000000, 2000000,  5000000, 20000000, 250000, 1300000, 2500000,  5000000}}, // 0.2
    {{ 666600, 1300000,  3300000,  6600000, 16600000,  33300000,  33300, 133300,  333000,  666600, 1300000,  3330000, 13300000, 166600,  833300, 1600000,  3300000}}, // 0.3
    {{ 400000,  800000,  2000000,  4000000, 10000000,  20000000,  20000,  80000,  200000,  400000,  800000,  2000000,  8000000, 100000,  500000, 1000000,  2000000}}, // 0.5
    {{ 333300,  666600,  1600000,  3300000,  8300000,  16600000,  16600,  66600,  160000,  333300,  666600,  1600000,  6600000,  83300,  416600,  833300,  1600000}}, // 0.6
    {{ 200000,  400000,  1000000,  2000000,  5000000,  10000000,  10000,  40000,  100000,  200000,  400000,  1000000,  4000000,  50000,  250000,  500000,  1000000}}, // 1
    {{ 133330,  266600,   666600,  1300000,  3300000,   6600000,   6600,  26600,   66600,  133300,  266600,   666600,  2600000,  33300,  166600,  333300,   666600}}, // 1.5
    {{ 100000,  200000,   500000,  1000000,  2500000,   5000000,   5000,  20000,   50000,  100000,  200000,   500000,  2000000,  25000,  125000,  250000,   500000}}, // 2
    {{  80000,  160000,   400000,   800000,  2000000,   4000000,   4000,  16000,   40000,   80000,  160000,   400000,  1600000,  20000,  100000,  200000,   400000}}, // 2.5
    {{  66600,  133300,   333300,   666600,  1600000,   3300000,   3300,  13300,   33300,   66600,  133300,   333000,  1300000,  16600,   83300,  166600,   333300}}, // 3
    {{  50000,  100000,   250000,   500000,  1250000,   2500000,   2500,  10000,   25000,   50000,  100000,   250000,  1000000,  12500,   62500,  125000,   250000}}, // 4
    {{  40000,   80000,   200000,   400000,  1000000,   2000000,   2000,   8000,   20000,   40000,   80000,   200000,    80000,  10000,   50000,  100000,   200000}}, // 5
    {{  33300,   66600,   166600,   333300,   833300,   1600000,   1600,   6600,   16600,   33300,   66600,   166000,    66000,   8300,   41600,   83300,   166600}}, // 6
    {{  20000,   40000,   100000,   200000,   500000,   1000000,   1000,   4000,   10000,   20000,   40000,   100000,    40000,   5000,   25000,   50000,   100000}}, // 10
    {{  16600,   33300,    83300,   166600,   416600,    833320,    833,   3300,    8300,   16600,   33300,    83300,    33330,   4160,   20830,   41600,    83300}}, // 12
    {{      0,       0,        0,        0,        0,         0,    500,   2000,    5000,   10000,   20000,    50000,    20000,   2500,   12500,   25000,    50000}}, // 20
    {{      0,       0,        0,        0,        0,         0,    333,   1300,    3300,    6600,   13300,    33330,    13330,   1600,    8300,   16600,    33300}}, // 30
    {{      0,       0,        0,        0,        0,         0,    200,    800,    2000,    4000,    8000,    20000,     8000,   1000,    5000,   10000,    20000}}, // 50
    {{      0,       0,        0,        0,        0,         0,    166,    660,    1600,    3300,    6600,    16600,     6660,    833,    4160,    8300,    16600}}, // 60
    {{      0,       0,        0,        0,        0,         0,    100,    400,    1000,    2000,    4000,    10000,     4000,    500,    2500,    5000,    10000}}, // 100
    {{      0,       0,        0,        0,        0,         0,     50,    200,     500,    1000,    2000,     5000,     2000,    250,    1250,    2500,     5000}}, // 200
}};
// clang-format on

// The sheet's columns placed at their spindles, other spindles 0, and the stopped
// speed on top with no limit for any spindle.
template <std::size_t Columns>
constexpr TFullScaleTable Expand(const std::array<std::array<double, Columns>, RPMTableCount - 1>& sheet,
                                 int firstSpindle) {
    TFullScaleTable table{};
    table[0] = Row(OverRangeViscosity);
    for (std::size_t row = 0; row < sheet.size(); ++row)
        for (std::size_t column = 0; column < Columns; ++column)
            table[row + 1][firstSpindle + column] = sheet[row][column];
    return table;
}

} // namespace

const TFullScaleTable FullScaleTableL = Expand(LSheet, 0); // L1 to PF
const TFullScaleTable FullScaleTableR = Expand(RSheet, 8); // PA to TR11

const std::array<const char*, XAxisCount> XAxisNames = {
    QT_TRANSLATE_NOOP("Bramblex", "Time (seconds)"),
    QT_TRANSLATE_NOOP("Bramblex", "Viscosity (%1)"),
    QT_TRANSLATE_NOOP("Bramblex", "% Full Scale"),
    QT_TRANSLATE_NOOP("Bramblex", "Temperature (%1)"),
    QT_TRANSLATE_NOOP("Bramblex", "RPM"),
    QT_TRANSLATE_NOOP("Bramblex", "ShearStress"),
    QT_TRANSLATE_NOOP("Bramblex", "ShearRate"),
};

const std::array<const char*, YAxisCount> YAxisNames = {
    QT_TRANSLATE_NOOP("Bramblex", "Viscosity (%1)"),   QT_TRANSLATE_NOOP("Bramblex", "% Full Scale"),
    QT_TRANSLATE_NOOP("Bramblex", "Temperature (%1)"), QT_TRANSLATE_NOOP("Bramblex", "RPM"),
    QT_TRANSLATE_NOOP("Bramblex", "ShearStress"),      QT_TRANSLATE_NOOP("Bramblex", "ShearRate"),
};

const std::array<QRgb, YAxisCount> YAxisColors = {
    qRgb(0xFF, 0x00, 0x00), // red
    qRgb(0x00, 0x80, 0x00), // green
    qRgb(0x00, 0x00, 0xFF), // blue
    qRgb(0xFF, 0x00, 0xFF), // fuchsia
    qRgb(0x00, 0x80, 0x80), // teal
    qRgb(0x00, 0x00, 0x80), // navy
};

const std::array<TPaperSize, PaperSizeCount> PaperSizes = {{
    {-1, -1},     // Custom
    {-1, -1},     // Default
    {4200, 5940}, // A2
    {2970, 4200}, // A3
    {2100, 2970}, // A4
    {1480, 2100}, // A5
    {1841, 2667}, // Executive
    {2159, 3556}, // Legal
    {2159, 2794}, // Letter
    {2794, 4318}, // Tabloid
}};

const std::array<const char*, PaperSizeCount> PaperNames = {
    QT_TRANSLATE_NOOP("Bramblex", "Custom"),    QT_TRANSLATE_NOOP("Bramblex", "Default"),
    QT_TRANSLATE_NOOP("Bramblex", "A2"),        QT_TRANSLATE_NOOP("Bramblex", "A3"),
    QT_TRANSLATE_NOOP("Bramblex", "A4"),        QT_TRANSLATE_NOOP("Bramblex", "A5"),
    QT_TRANSLATE_NOOP("Bramblex", "Executive"), QT_TRANSLATE_NOOP("Bramblex", "Legal"),
    QT_TRANSLATE_NOOP("Bramblex", "Letter"),    QT_TRANSLATE_NOOP("Bramblex", "Tabloid"),
};

// ---------------------------------------------------------------------------
// Unit selections

namespace {

// Written by the user-interface thread, read by whichever thread formats a value.
std::atomic<int> g_reportUnits{0};
std::atomic<int> g_viscosityUnits{0};
std::atomic<int> g_temperatureUnits{0};

// The selection as 0 or 1; anything else (a hand-edited settings file) is refused
// by every operation of that unit kind.
int CheckedReportUnits() {
    const int units = g_reportUnits.load(std::memory_order_relaxed);
    if (units != 0 && units != 1)
        throw EBramblexError(Tr("Invalid report unit type"));
    return units;
}

int CheckedViscosityUnits() {
    const int units = g_viscosityUnits.load(std::memory_order_relaxed);
    if (units != 0 && units != 1)
        throw EBramblexError(Tr("Invalid viscosity unit type"));
    return units;
}

int CheckedTemperatureUnits() {
    const int units = g_temperatureUnits.load(std::memory_order_relaxed);
    if (units != 0 && units != 1)
        throw EBramblexError(Tr("Invalid temperature unit type"));
    return units;
}

} // namespace

int ReportUnits() {
    return g_reportUnits.load(std::memory_order_relaxed);
}
int ViscosityUnits() {
    return g_viscosityUnits.load(std::memory_order_relaxed);
}
int TemperatureUnits() {
    return g_temperatureUnits.load(std::memory_order_relaxed);
}
void SetReportUnits(int units) {
    g_reportUnits.store(units, std::memory_order_relaxed);
}
void SetViscosityUnits(int units) {
    g_viscosityUnits.store(units, std::memory_order_relaxed);
}
void SetTemperatureUnits(int units) {
    g_temperatureUnits.store(units, std::memory_order_relaxed);
}

// ---------------------------------------------------------------------------
// Speeds

double RPMCodeToValue(int code) {
    for (const TRPMEntry& entry : RPMTable)
        if (entry.Code == code)
            return entry.RPM;
    return 0.0;
}

int RPMCodeToIndex(int code) {
    for (const TRPMEntry& entry : RPMTable)
        if (entry.Code == code)
            return entry.Position;
    return -1;
}

double RPMIndexToValue(int position) {
    return position >= 0 && position < RPMTableCount ? RPMTable[position].RPM : 0.0;
}

int RPMIndexToCode(int position) {
    return position >= 0 && position < RPMTableCount ? RPMTable[position].Code : -1;
}

bool IsSlowestRPMCode(int code) {
    double lowest = OverRangeViscosity;
    int winner = -1;
    for (int c = 0; c < RPMTableCount; ++c) {
        const double rpm = RPMCodeToValue(c);
        if (rpm < lowest) {
            lowest = rpm;
            winner = c;
        }
    }
    return code == winner;
}

bool IsFastestRPMCode(int code) {
    double highest = -OverRangeViscosity;
    int winner = -1;
    for (int c = 0; c < RPMTableCount; ++c) {
        const double rpm = RPMCodeToValue(c);
        if (rpm > highest) {
            highest = rpm;
            winner = c;
        }
    }
    return code == winner;
}

namespace {

// The code whose speed is the nearest one above (faster) or below the speed of
// code; -1 when there is none. An unknown code counts as stopped.
int NeighbourRPMCode(int code, bool faster) {
    const double rpm = RPMCodeToValue(code);
    int best = -1;
    double bestDistance = 0.0;
    for (int c = 0; c < RPMTableCount; ++c) {
        const double other = RPMCodeToValue(c);
        const double distance = faster ? other - rpm : rpm - other;
        if (distance > 0.0 && (best < 0 || distance < bestDistance)) {
            best = c;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

int NextFasterRPMCode(int code) {
    return NeighbourRPMCode(code, true);
}
int NextSlowerRPMCode(int code) {
    return NeighbourRPMCode(code, false);
}

int RPMStepCount(int fromCode, int toCode) {
    if (fromCode == toCode)
        return 0;
    const bool faster = RPMCodeToValue(fromCode) < RPMCodeToValue(toCode);
    int steps = 0;
    // Every step moves strictly along the ladder, so at most the table's length
    // of steps happen before the end (-1) stops a walk that cannot reach toCode.
    while (fromCode != toCode && fromCode >= 0) {
        fromCode = faster ? NextFasterRPMCode(fromCode) : NextSlowerRPMCode(fromCode);
        ++steps;
    }
    return steps;
}

// ---------------------------------------------------------------------------
// Models and spindles

bool IsSpindleValid(int model, int spindle) {
    if (model < 0 || model >= ModelTypeCount || spindle < 0 || spindle >= SpindleTypeCount)
        return false;
    return SpindleValidity[spindle][model];
}

int SpindleCount(int model) {
    int count = 0;
    for (int s = 0; s < SpindleTypeCount; ++s)
        if (IsSpindleValid(model, s))
            ++count;
    return count;
}

int SpindleFromIndex(int model, int index) {
    int position = 0;
    for (int s = 0; s < SpindleTypeCount; ++s) {
        if (!IsSpindleValid(model, s))
            continue;
        if (position == index)
            return s;
        ++position;
    }
    throw EBramblexError(Tr("Invalid Spindle Index"));
}

int SpindleToIndex(int model, int spindle) {
    if (!IsSpindleValid(model, spindle))
        return -1;
    int position = 0;
    for (int s = 0; s < spindle; ++s)
        if (IsSpindleValid(model, s))
            ++position;
    return position;
}

bool IsTBarSpindle(int spindle) {
    return spindle >= 8 && spindle <= 13;
}

bool SpindleHasShear(int spindle) {
    return spindle == 7 || (spindle >= 21 && spindle <= 24);
}

double FullScale(int model, int spindle, int rpmCode) {
    if (rpmCode < 0 || rpmCode > 21)
        return 0.0;
    const TFullScaleTable* table = nullptr;
    if (IsLModel(model))
        table = &FullScaleTableL;
    else if (IsRModel(model))
        table = &FullScaleTableR;
    else
        throw EBramblexError(Tr("Invalid ModelType"));
    // No spindle outside the table can measure anything.
    if (spindle < 0 || spindle >= SpindleTypeCount)
        return 0.0;
    return (*table)[RPMCodeToIndex(rpmCode)][spindle];
}

double PercentFullScale(int model, int spindle, int rpmCode, double viscosity) {
    const double fs = FullScale(model, spindle, rpmCode);
    return fs > 0.0 ? viscosity / fs * 100.0 : 0.0;
}

bool IsOverScale(int model, int spindle, int rpmCode, double viscosity) {
    return FullScale(model, spindle, rpmCode) < viscosity;
}

QString OverScaleText() {
    return Tr("Over scale");
}

// ---------------------------------------------------------------------------
// Chart and sort quantities

QString XAxisCaption(int index) {
    if (index < 0 || index >= XAxisCount)
        throw EBramblexError(Tr("Invalid XAxis"));
    if (index == 1)
        return Tr(XAxisNames[index]).arg(ViscosityUnitsName());
    if (index == 3)
        return Tr(XAxisNames[index]).arg(TemperatureUnitsName());
    return Tr(XAxisNames[index]);
}

QString YAxisCaption(int index) {
    if (index < 0 || index >= YAxisCount)
        throw EBramblexError(Tr("Invalid YAxis"));
    if (index == 0)
        return Tr(YAxisNames[index]).arg(ViscosityUnitsName());
    if (index == 2)
        return Tr(YAxisNames[index]).arg(TemperatureUnitsName());
    return Tr(YAxisNames[index]);
}

double XAxisValue(int index, const TReadingQuantities& r) {
    switch (index) {
    case 0:
        return r.ElapsedSeconds;
    case 1:
        return ViscosityToDisplay(r.Viscosity);
    case 2:
        return PercentFullScale(r.Model, r.Spindle, r.RPMCode, r.Viscosity);
    case 3:
        return TemperatureToDisplay(r.Temperature);
    case 4:
        return RPMCodeToValue(r.RPMCode);
    case 5:
        return r.ShearStress;
    case 6:
        return r.ShearRate;
    default:
        throw EBramblexError(Tr("Invalid XAxis"));
    }
}

double YAxisValue(int index, const TReadingQuantities& r) {
    if (index < 0 || index >= YAxisCount)
        throw EBramblexError(Tr("Invalid YAxis"));
    return XAxisValue(index + 1, r);
}

// ---------------------------------------------------------------------------
// Number formats

QString FormatLocaleFixed(double value, int decimals) {
    // Locale-free digits first (printf's rounding of the exact binary value), then
    // the user's decimal separator. The minus stays "-": some locales use U+2212,
    // which spreadsheets do not read as a sign and Windows-1252 cannot hold.
    // 1.7e308 needs 309 digits.
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                                      decimals < 0 ? 0 : decimals);
    if (result.ec != std::errc())
        return QString();
    const QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    const QLocale locale;
    QString shown;
    shown.reserve(text.size());
    for (const QChar ch : text) {
        if (ch == u'.')
            shown += locale.decimalPoint();
        else
            shown += ch;
    }
    return shown;
}

// ---------------------------------------------------------------------------
// Report lengths

double ReportUnitsFromMM(double x) {
    return CheckedReportUnits() == 0 ? x : x / 25.4;
}
double ReportUnitsToMM(double x) {
    return CheckedReportUnits() == 0 ? x : x * 25.4;
}

QString FormatReportUnits(double x) {
    return CheckedReportUnits() == 0 ? FormatLocaleFixed(x, 0) : FormatLocaleFixed(x / 25.4, 2);
}

QString ReportUnitsName() {
    return CheckedReportUnits() == 0 ? Tr("mm") : Tr("in");
}

double LongUnitsFromMM(double x) {
    return CheckedReportUnits() == 0 ? x / 1000.0 : x / 25.4 / 12.0;
}
double LongUnitsToMM(double x) {
    return CheckedReportUnits() == 0 ? x * 1000.0 : x * 12.0 * 25.4;
}

QString FormatLongUnits(double x) {
    return CheckedReportUnits() == 0 ? FormatLocaleFixed(x / 1000.0, 2)
                                     : FormatLocaleFixed(x / 25.4 / 12.0, 2);
}

QString LongUnitsName() {
    return CheckedReportUnits() == 0 ? Tr("m") : Tr("ft");
}

double GridStepMM() {
    return CheckedReportUnits() == 0 ? 10.0 : 25.4;
}

double SnapToGridMM(double x) {
    // Off-grid values move away from zero to the next grid line: 5 mm, or 0.2 in.
    if (CheckedReportUnits() == 0) {
        std::int64_t r = RoundHalfUp(x);
        if (r % 5 == 0)
            return static_cast<double>(r);
        const std::int64_t m = r % 5; // takes the sign of r
        r = x > 0 ? r + 5 - m : r - 5 - m;
        return static_cast<double>(r);
    }
    std::int64_t r = RoundHalfUp(x / 25.4 * 10.0); // tenths of an inch
    if (r % 2 != 0) {
        const std::int64_t m = r % 2;
        r = x > 0 ? r + 2 - m : r - 2 - m;
    }
    return static_cast<double>(r) / 10.0 * 25.4;
}

int DefaultPaperIndex() {
    return CheckedReportUnits() == 0 ? 4 : 8;
}

// ---------------------------------------------------------------------------
// Viscosity and temperature

QString ViscosityUnitsName() {
    return CheckedViscosityUnits() == 0 ? Tr("mPas") : Tr("cP");
}

double ViscosityToDisplay(double v) {
    CheckedViscosityUnits(); // 1 cP is 1 mPas
    return v;
}

double ViscosityFromDisplay(double v) {
    CheckedViscosityUnits();
    return v;
}

QString FormatViscosity(double v) {
    return FormatLocaleFixed(ViscosityToDisplay(v), 1);
}

QString TemperatureUnitsName() {
    return CheckedTemperatureUnits() == 0 ? Tr("°C") : Tr("°F");
}

double TemperatureToDisplay(double c) {
    return CheckedTemperatureUnits() == 0 ? c : c / (5.0 / 9.0) + 32.0;
}

double TemperatureFromDisplay(double t) {
    return CheckedTemperatureUnits() == 0 ? t : (t - 32.0) * (5.0 / 9.0);
}

QString FormatTemperature(double c) {
    return FormatLocaleFixed(TemperatureToDisplay(c), 1);
}

// ---------------------------------------------------------------------------
// Paper and printer

QString PaperName(int index) {
    if (index < 0 || index >= PaperSizeCount)
        return QString();
    return Tr(PaperNames[index]);
}

int PaperFromSize(int width, int height) {
    for (int i = 0; i < PaperSizeCount; ++i) {
        const TPaperSize& size = PaperSizes[i];
        if ((size.Width == width && size.Height == height) || (size.Width == height && size.Height == width))
            return i;
    }
    return 0;
}

int PrinterOrientation(const TPrinterPage& printer) {
    if (!printer.Installed)
        return 0;
    return printer.Orientation == 1 ? 1 : 0;
}

namespace {

// One side of the printer's paper in millimetres; the table's default paper when
// there is no printer or it reports no usable resolution.
double PrinterPaperSideMM(const TPrinterPage& printer, bool longSide) {
    if (printer.Installed) {
        const int orientation = printer.Orientation;
        // In landscape the device's width is the paper's long side.
        const bool useWidth = (orientation == 1) == longSide;
        const int pixels = useWidth ? printer.PhysicalWidth : printer.PhysicalHeight;
        const int perInch = useWidth ? printer.PixelsPerInchX : printer.PixelsPerInchY;
        if ((orientation == 0 || orientation == 1) && pixels > 0 && perInch > 0)
            return static_cast<double>(pixels) / perInch * 25.4;
    }
    const TPaperSize& size = PaperSizes[DefaultPaperIndex()];
    return (longSide ? size.Height : size.Width) / 10.0;
}

} // namespace

double PaperWidthMM(const TPrinterPage& printer) {
    return PrinterPaperSideMM(printer, false);
}
double PaperHeightMM(const TPrinterPage& printer) {
    return PrinterPaperSideMM(printer, true);
}

double PageWidthMM(const TPrinterPage& printer, int orientation) {
    return orientation == 1 ? PaperHeightMM(printer) : PaperWidthMM(printer);
}
double PageHeightMM(const TPrinterPage& printer, int orientation) {
    return orientation == 1 ? PaperWidthMM(printer) : PaperHeightMM(printer);
}

// ---------------------------------------------------------------------------
// Rounding

std::int64_t RoundHalfUp(double x) {
    const double y = x + 0.5;
    if (std::isnan(y))
        return 0;
    if (y >= 9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::max();
    if (y <= -9223372036854775808.0)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(y);
}
