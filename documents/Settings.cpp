#include "documents/Settings.h"

#include "catalogue/Catalogue.h"
#include "core/Error.h"
#include "documents/SettingNames.h"
#include "documents/TextLines.h"
#include "xml/GmXml.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <limits>

namespace {

std::string Utf8(const QString& text) {
    return text.trimmed().toStdString();
}

bool TextToInteger(const QString& text, int32_t& out) {
    const std::string s = Utf8(text);
    if (GmXmlFormat::TextToInteger(s, out))
        return true;
    // A real such as "256.0" still names a number.
    double x = 0.0;
    if (!GmXmlFormat::TextToFloat(s, x))
        return false;
    x = std::nearbyint(x);
    if (!(x >= std::numeric_limits<int32_t>::min() && x <= std::numeric_limits<int32_t>::max()))
        return false;
    out = static_cast<int32_t>(x);
    return true;
}

} // namespace

// ---------------------------------------------------------------------------
// Items

bool TSettingsItem::IsUnset() const {
    return std::holds_alternative<std::monostate>(m_value);
}

QString TSettingsItem::GetString() const {
    if (const auto* n = std::get_if<int32_t>(&m_value))
        return QString::number(*n);
    if (const auto* b = std::get_if<bool>(&m_value))
        return *b ? QStringLiteral("True") : QStringLiteral("False");
    if (const auto* s = std::get_if<QString>(&m_value))
        return *s;
    return {};
}

int32_t TSettingsItem::GetInteger() const {
    if (const auto* n = std::get_if<int32_t>(&m_value))
        return *n;
    if (const auto* b = std::get_if<bool>(&m_value))
        return *b ? 1 : 0;
    if (const auto* s = std::get_if<QString>(&m_value)) {
        int32_t n = 0;
        return TextToInteger(*s, n) ? n : 0;
    }
    return 0;
}

bool TSettingsItem::GetBoolean() const {
    if (const auto* n = std::get_if<int32_t>(&m_value))
        return *n != 0;
    if (const auto* b = std::get_if<bool>(&m_value))
        return *b;
    if (const auto* s = std::get_if<QString>(&m_value)) {
        const QString t = s->trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
        double x = 0.0;
        return GmXmlFormat::TextToFloat(Utf8(t), x) && x != 0.0;
    }
    return false;
}

double TSettingsItem::GetFloat() const {
    double x = 0.0;
    return GmXmlFormat::TextToFloat(Utf8(GetString()), x) ? x : 0.0;
}

void TSettingsItem::SetString(const QString& text) {
    Store(text);
}
void TSettingsItem::SetInteger(int32_t n) {
    Store(n);
}
void TSettingsItem::SetBoolean(bool b) {
    Store(b);
}
void TSettingsItem::SetFloat(double x) {
    Store(GmXmlFormat::FloatToQString(x));
}

void TSettingsItem::Store(Value value) {
    m_value = std::move(value);
    if (m_owner)
        m_owner->Changed();
}

void TSettingsItem::Assign(const TDocumentObject& source) {
    const auto* item = dynamic_cast<const TSettingsItem*>(&source);
    if (!item)
        throw EBramblexError(Tr("Unable to assign object to TSettingsItem"));
    Assign(*item);
}

void TSettingsItem::Assign(const TSettingsItem& source) {
    m_name = source.m_name;
    Store(source.m_value);
}

// ---------------------------------------------------------------------------
// Store

TSettings::TSettings() = default;
TSettings::~TSettings() = default;

const TSettingsItem* TSettings::FindItem(const QString& name) const {
    for (const auto& item : m_items)
        if (item->Name().compare(name, Qt::CaseInsensitive) == 0)
            return item.get();
    return nullptr;
}

TSettingsItem& TSettings::Item(const QString& name) {
    if (const TSettingsItem* found = FindItem(name))
        return const_cast<TSettingsItem&>(*found);
    m_items.push_back(std::make_unique<TSettingsItem>(this, name));
    TSettingsItem& item = *m_items.back();
    Changed();
    return item;
}

TSettingsItem& TSettings::Items(int index) const {
    if (index < 0 || index >= Count())
        RaiseListIndexError(index);
    return *m_items[static_cast<size_t>(index)];
}

void TSettings::Clear() {
    m_items.clear();
}

void TSettings::BeginUpdate() {
    ++m_suspendSave;
}

void TSettings::EndUpdate() {
    if (m_suspendSave > 0)
        --m_suspendSave;
    if (m_suspendSave == 0 && m_savePending) {
        m_savePending = false;
        Changed();
    }
}

void TSettings::Changed() {
    if (!AutoSave || FileName.isEmpty())
        return;
    if (m_suspendSave > 0) {
        m_savePending = true;
        return;
    }
    Save();
}

void TSettings::Open(const QString& path) {
    FileName = path;
    if (QFileInfo::exists(path))
        Load(path);
    else
        Save();
}

void TSettings::Load(const QString& path) {
    TGmXML document;
    document.LoadFromFile(path); // a failure leaves the store as it was

    // Loading only mirrors the file; writing it back key by key would be wasted work
    // and, if interrupted, would leave a file holding part of the store.
    const bool pending = m_savePending;
    ++m_suspendSave;
    Clear();
    for (const auto& node : document.Nodes().Find("Settings").Children())
        Item(node->NameText()).m_value = node->GetText();
    --m_suspendSave;
    m_savePending = pending;
    LoadWarning.clear();
    if (const TGmXmlLoadResult& read = document.LoadResult(); !read.Complete())
        LoadWarning = Tr("The file \"%1\" is damaged and was read only in part.\n%2\n%3 value(s) were read.")
                          .arg(path, read.Describe())
                          .arg(Count());
}

void TSettings::Save() {
    TGmXML document;
    TGmXmlNodeList& keys = document.Nodes().Add("Settings")->Children();
    for (const auto& item : m_items)
        keys.Add(item->Name())->SetText(FileText(item->GetString()));
    if (!FileName.isEmpty())
        QDir().mkpath(QFileInfo(FileName).absolutePath()); // a failure shows in the save
    document.SaveToFile(FileName);
}

void TSettings::Assign(const TDocumentObject& source) {
    const auto* settings = dynamic_cast<const TSettings*>(&source);
    if (!settings)
        throw EBramblexError(Tr("Unable to assign object to TSettings"));
    Assign(*settings);
}

void TSettings::Assign(const TSettings& source) {
    if (&source == this)
        return;
    std::vector<std::unique_ptr<TSettingsItem>> copies;
    copies.reserve(source.m_items.size());
    for (const auto& item : source.m_items) {
        auto copy = std::make_unique<TSettingsItem>(this, item->Name());
        copy->m_value = item->m_value;
        copies.push_back(std::move(copy));
    }
    m_items = std::move(copies);
    BeginUpdate();
    Changed();
    EndUpdate();
}

// ---------------------------------------------------------------------------
// Start-up

void ReadUnitSelections(TSettings& settings) {
    // A damaged value would make every display of that unit kind fail; use the base unit.
    auto units = [&settings](const TSettingName<int32_t>& name) {
        const int n = name.Get(settings);
        return n == 1 ? 1 : 0;
    };
    SetReportUnits(units(Setting::ReportUnits));
    SetViscosityUnits(units(Setting::ViscosityUnits));
    SetTemperatureUnits(units(Setting::TemperatureUnits));
}

void ApplyStartupSettings(TSettings& settings) {
    // One write for the whole step instead of one per key.
    settings.BeginUpdate();
    ReadUnitSelections(settings);
    auto fill = [&settings]<typename T>(const TSettingName<T>& name, const T& value) {
        if (name.IsUnset(settings))
            name.Set(settings, value);
    };
    fill(Setting::ComPort, 1);
    fill(Setting::FormRatio, 0.3);
    fill(Setting::MeasurementWindowWidth, 256);
    fill(Setting::ReadingsVisible, true);
    fill(Setting::ChartVisible, true);
    fill(Setting::ThumbnailQuality, 0);
    settings.EndUpdate();
}
