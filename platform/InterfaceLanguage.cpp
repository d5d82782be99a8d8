#include "platform/InterfaceLanguage.h"

#include "platform/UserValues.h"

#include <array>

namespace {

struct TLanguageEntry {
    uint32_t LocaleId;
    QLocale::Language Language;
    QLocale::Territory Territory;
    const char* Tag;
};

// The one mapping between Windows locale ids, Qt locales and language tags. The first
// entry of each language is its primary form (its neutral id's tag is cut from it).
constexpr std::array<TLanguageEntry, 40> kLanguages{{
    {0x0409, QLocale::English, QLocale::UnitedStates, "ENU"},
    {0x0809, QLocale::English, QLocale::UnitedKingdom, "ENG"},
    {0x0C09, QLocale::English, QLocale::Australia, "ENA"},
    {0x1009, QLocale::English, QLocale::Canada, "ENC"},
    {0x1409, QLocale::English, QLocale::NewZealand, "ENZ"},
    {0x1809, QLocale::English, QLocale::Ireland, "ENI"},
    {0x1C09, QLocale::English, QLocale::SouthAfrica, "ENS"},
    {0x0407, QLocale::German, QLocale::Germany, "DEU"},
    {0x0807, QLocale::German, QLocale::Switzerland, "DES"},
    {0x0C07, QLocale::German, QLocale::Austria, "DEA"},
    {0x040C, QLocale::French, QLocale::France, "FRA"},
    {0x080C, QLocale::French, QLocale::Belgium, "FRB"},
    {0x0C0C, QLocale::French, QLocale::Canada, "FRC"},
    {0x100C, QLocale::French, QLocale::Switzerland, "FRS"},
    {0x0410, QLocale::Italian, QLocale::Italy, "ITA"},
    {0x0810, QLocale::Italian, QLocale::Switzerland, "ITS"},
    {0x0C0A, QLocale::Spanish, QLocale::Spain, "ESN"},
    {0x080A, QLocale::Spanish, QLocale::Mexico, "ESM"},
    {0x0416, QLocale::Portuguese, QLocale::Brazil, "PTB"},
    {0x0816, QLocale::Portuguese, QLocale::Portugal, "PTG"},
    {0x0413, QLocale::Dutch, QLocale::Netherlands, "NLD"},
    {0x0813, QLocale::Dutch, QLocale::Belgium, "NLB"},
    {0x0406, QLocale::Danish, QLocale::Denmark, "DAN"},
    {0x041D, QLocale::Swedish, QLocale::Sweden, "SVE"},
    {0x0414, QLocale::NorwegianBokmal, QLocale::Norway, "NOR"},
    {0x040B, QLocale::Finnish, QLocale::Finland, "FIN"},
    {0x0415, QLocale::Polish, QLocale::Poland, "PLK"},
    {0x0405, QLocale::Czech, QLocale::CzechRepublic, "CSY"},
    {0x040E, QLocale::Hungarian, QLocale::Hungary, "HUN"},
    {0x0419, QLocale::Russian, QLocale::Russia, "RUS"},
    {0x041F, QLocale::Turkish, QLocale::Turkey, "TRK"},
    {0x0408, QLocale::Greek, QLocale::Greece, "ELL"},
    {0x0411, QLocale::Japanese, QLocale::Japan, "JPN"},
    {0x0412, QLocale::Korean, QLocale::SouthKorea, "KOR"},
    {0x0804, QLocale::Chinese, QLocale::China, "CHS"},
    {0x0404, QLocale::Chinese, QLocale::Taiwan, "CHT"},
    {0x041E, QLocale::Thai, QLocale::Thailand, "THA"},
    {0x0401, QLocale::Arabic, QLocale::SaudiArabia, "ARA"},
    {0x040D, QLocale::Hebrew, QLocale::Israel, "HEB"},
    {0x0418, QLocale::Romanian, QLocale::Romania, "ROM"},
}};

constexpr uint32_t kEnglishUnitedStates = 0x0409;

uint32_t PrimaryLanguage(uint32_t localeId) {
    return localeId & 0x3FF;
}
uint32_t SubLanguage(uint32_t localeId) {
    return (localeId >> 10) & 0x3F;
}

const TLanguageEntry* PrimaryEntry(uint32_t primary) {
    for (const auto& entry : kLanguages)
        if (PrimaryLanguage(entry.LocaleId) == primary)
            return &entry;
    return nullptr;
}

} // namespace

uint32_t InterfaceLocaleID() {
    const QVariant value = ReadUserValue(QStringLiteral("Language"), QStringLiteral("LocaleID"));
    bool ok = false;
    const uint32_t id = value.isValid() ? value.toUInt(&ok) : 0;
    if (ok && id != 0)
        return id;
    return LocaleIDFromLocale(QLocale::system());
}

QString LanguageTag(uint32_t localeId) {
    for (const auto& entry : kLanguages)
        if (entry.LocaleId == localeId)
            return QString::fromLatin1(entry.Tag);
    if (SubLanguage(localeId) == 0)
        if (const TLanguageEntry* entry = PrimaryEntry(PrimaryLanguage(localeId)))
            return QString::fromLatin1(entry->Tag, 2);
    return QStringLiteral("ENU");
}

QString InterfaceLanguageTag() {
    return LanguageTag(InterfaceLocaleID());
}

uint32_t LocaleIDFromLocale(const QLocale& locale) {
    for (const auto& entry : kLanguages)
        if (entry.Language == locale.language() && entry.Territory == locale.territory())
            return entry.LocaleId;
    for (const auto& entry : kLanguages)
        if (entry.Language == locale.language())
            return PrimaryLanguage(entry.LocaleId);
    return kEnglishUnitedStates;
}

QLocale LocaleFromLocaleID(uint32_t localeId) {
    for (const auto& entry : kLanguages)
        if (entry.LocaleId == localeId)
            return QLocale(entry.Language, entry.Territory);
    if (SubLanguage(localeId) == 0)
        if (const TLanguageEntry* entry = PrimaryEntry(PrimaryLanguage(localeId)))
            return QLocale(entry->Language, entry->Territory);
    return QLocale::c();
}
