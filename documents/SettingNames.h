#pragma once

// Every setting the program keeps in "settings.xml", named once with its type. The
// program reads and writes its settings through these names, so a misspelt one does not
// compile and a value of the wrong kind is not stored. TSettings stays a store of any
// names: it reads and writes back whatever a file holds.

#include "documents/Settings.h"

#include <QLatin1String>
#include <QString>

#include <cstdint>

template <typename T> class TSettingName {
public:
    constexpr explicit TSettingName(const char* name) : m_name(name) {}

    QString Name() const { return QLatin1String(m_name); }
    // The store's item: appended unset on first use (and saved with AutoSave on).
    TSettingsItem& Item(TSettings& settings) const { return settings.Item(Name()); }
    bool IsUnset(TSettings& settings) const { return Item(settings).IsUnset(); }
    // An unset value or one that does not convert reads as 0, false or empty.
    T Get(TSettings& settings) const;
    void Set(TSettings& settings, const T& value) const;

private:
    const char* m_name;
};

template <> inline int32_t TSettingName<int32_t>::Get(TSettings& settings) const {
    return Item(settings).GetInteger();
}
template <> inline void TSettingName<int32_t>::Set(TSettings& settings, const int32_t& value) const {
    Item(settings).SetInteger(value);
}
template <> inline bool TSettingName<bool>::Get(TSettings& settings) const {
    return Item(settings).GetBoolean();
}
template <> inline void TSettingName<bool>::Set(TSettings& settings, const bool& value) const {
    Item(settings).SetBoolean(value);
}
template <> inline double TSettingName<double>::Get(TSettings& settings) const {
    return Item(settings).GetFloat();
}
template <> inline void TSettingName<double>::Set(TSettings& settings, const double& value) const {
    Item(settings).SetFloat(value);
}
template <> inline QString TSettingName<QString>::Get(TSettings& settings) const {
    return Item(settings).GetString();
}
template <> inline void TSettingName<QString>::Set(TSettings& settings, const QString& value) const {
    Item(settings).SetString(value);
}

namespace Setting {

// The instrument: the port by number (1 the first serial port; 0 with a device path)
// or by device path ("simulated" for the simulated viscometer), and the defaults of a
// new batch.
inline constexpr TSettingName<int32_t> ComPort{"ComPort"};
inline constexpr TSettingName<QString> ComPortDevice{"ComPortDevice"};
inline constexpr TSettingName<int32_t> DefaultViscoMeter{"DefaultViscoMeter"}; // -1: none chosen
inline constexpr TSettingName<int32_t> DefaultSpindle{"DefaultSpindle"};
inline constexpr TSettingName<QString> DefaultCompany{"DefaultCompany"};
inline constexpr TSettingName<QString> DefaultOperator{"DefaultOperator"};

// Units and output.
inline constexpr TSettingName<int32_t> ReportUnits{"ReportUnits"};
inline constexpr TSettingName<int32_t> ViscosityUnits{"ViscosityUnits"};
inline constexpr TSettingName<int32_t> TemperatureUnits{"TemperatureUnits"};
inline constexpr TSettingName<int32_t> EmailReportFormat{"EmailReportFormat"};
inline constexpr TSettingName<int32_t> ThumbnailQuality{"ThumbnailQuality"};
inline constexpr TSettingName<QString> LastPDFFile{"LastPDFFile"};
inline constexpr TSettingName<QString> LastExcelExport{"LastExcelExport"};
inline constexpr TSettingName<QString> LastCSVExport{"LastCSVExport"};

// Remembered window state.
inline constexpr TSettingName<int32_t> ToolbarLabelStyle{"ToolbarLabelStyle"};
inline constexpr TSettingName<double> FormRatio{"FormRatio"};
inline constexpr TSettingName<int32_t> MeasurementWindowWidth{"MeasurementWindowWidth"};
inline constexpr TSettingName<bool> ReadingsVisible{"ReadingsVisible"};
inline constexpr TSettingName<bool> ChartVisible{"ChartVisible"};
inline constexpr TSettingName<int32_t> BatchTab{"BatchTab"};
// Set once the analysis tab is chosen: BatchTab then holds the measurements tab, which
// is what programs without the analysis tab open.
inline constexpr TSettingName<bool> BatchTabAnalysis{"BatchTabAnalysis"};
inline constexpr TSettingName<bool> AnalysisIncludeLowTorque{"AnalysisIncludeLowTorque"};
inline constexpr TSettingName<bool> AnalysisLogarithmic{"AnalysisLogarithmic"};
inline constexpr TSettingName<bool> Grid{"Grid"};
inline constexpr TSettingName<bool> Snap{"Snap"};
inline constexpr TSettingName<QString> SelectedReports{"SelectedReports"};
inline constexpr TSettingName<int32_t> ReportViewZoom{"ReportViewZoom"};

} // namespace Setting
