#pragma once

// The operator's preferences and remembered window state: named values kept in
// "settings.xml" of the storage tree's "Settings" folder. Keys are case-insensitive;
// a key never given a value reads as 0, false or empty.

#include "documents/DocumentObject.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

class TSettings;

class TSettingsItem : public TDocumentObject {
public:
    TSettingsItem(TSettings* owner, QString name) : m_owner(owner), m_name(std::move(name)) {}

    const QString& Name() const { return m_name; } // as first created
    TSettings* Owner() const { return m_owner; }

    // True while the value has never been set; a value loaded from the file (even an
    // empty text) is set.
    bool IsUnset() const;

    // Conversions never raise: an unset value or one that does not convert gives
    // empty, 0, false or 0.0.
    QString GetString() const; // integers in decimal, booleans "True" / "False"
    int32_t GetInteger() const;
    bool GetBoolean() const; // "True"/"False" in any case, or a number (non-zero true)
    double GetFloat() const; // "." as decimal separator

    // Each setter stores the value with its kind and saves the owner when its AutoSave
    // is on; file errors propagate.
    void SetString(const QString& text);
    void SetInteger(int32_t n);
    void SetBoolean(bool b);
    void SetFloat(double x); // held as locale-independent text ("0.3")

    // Copies name and value. Raises "Unable to assign object to TSettingsItem".
    void Assign(const TDocumentObject& source) override;
    void Assign(const TSettingsItem& source);

private:
    friend class TSettings;
    using Value = std::variant<std::monostate, int32_t, bool, QString>;
    void Store(Value value);

    TSettings* m_owner;
    QString m_name;
    Value m_value;
};

class TSettings : public TDocumentObject {
public:
    TSettings();
    ~TSettings() override;

    QString FileName; // full path of the settings file, set by Open
    // Set by Load: empty when the file was read whole; otherwise it was cut off or
    // damaged, only its sound part was read, and this says how far.
    QString LoadWarning;
    bool AutoSave = false; // every change (and Assign) writes the whole file at once

    // The item named name ignoring letter case; appended unset when there is none
    // (which saves with AutoSave on). The reference stays valid until Clear, Load or
    // Assign.
    TSettingsItem& Item(const QString& name);
    // The item named name ignoring letter case, or nullptr; never creates one.
    const TSettingsItem* FindItem(const QString& name) const;
    int Count() const { return static_cast<int>(m_items.size()); }
    TSettingsItem& Items(int index) const; // raises "List index out of bounds (%1)"
    void Clear();

    // Between BeginUpdate and the matching EndUpdate changes are not written; EndUpdate
    // then saves once if anything changed (and AutoSave is on).
    void BeginUpdate();
    void EndUpdate();

    // Sets FileName; loads the file when it exists, otherwise saves at once (creating
    // the folder and a file with an empty "Settings" element).
    void Open(const QString& path);
    // Replaces the store by the file's "Settings" children as text values. Does not
    // write the file, whatever AutoSave says.
    void Load(const QString& path);
    // Writes every item as text to FileName, creating missing folders. Atomic.
    void Save();

    // Replaces the items by copies of source's with one save at the end (AutoSave
    // on). AutoSave and FileName stay this store's. Raises "Unable to assign object to
    // TSettings".
    void Assign(const TDocumentObject& source) override;
    void Assign(const TSettings& source);

private:
    friend class TSettingsItem;
    void Changed(); // saves when AutoSave is on and saving is not suspended

    std::vector<std::unique_ptr<TSettingsItem>> m_items;
    int m_suspendSave = 0;
    bool m_savePending = false;
};

// Copies "ReportUnits", "ViscosityUnits" and "TemperatureUnits" into the catalogue's
// unit selections (at start-up and after the preferences dialog is accepted).
void ReadUnitSelections(TSettings& settings);

// The main window's start-up step on its opened live store: reads the unit selections,
// then gives "ComPort" 1, "FormRatio" 0.3, "MeasurementWindowWidth" 256,
// "ReadingsVisible" true, "ChartVisible" true and "ThumbnailQuality" 0 when unset.
void ApplyStartupSettings(TSettings& settings);
