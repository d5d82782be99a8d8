#include "platform/InterfaceLanguage.h"

#include "platform/UserValues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

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

uint32_t ChosenInterfaceLocaleID() {
    const QVariant value = ReadUserValue(QStringLiteral("Language"), QStringLiteral("LocaleID"));
    bool ok = false;
    const uint32_t id = value.isValid() ? value.toUInt(&ok) : 0;
    return ok ? id : 0;
}

void SetChosenInterfaceLocaleID(uint32_t localeId) {
    WriteUserValue(QStringLiteral("Language"), QStringLiteral("LocaleID"), localeId);
}

uint32_t InterfaceLocaleID() {
    if (const uint32_t chosen = ChosenInterfaceLocaleID(); chosen != 0)
        return chosen;
    return MatchInterfaceLanguage(DesktopLanguages(), ShippedLanguages());
}

QStringList DesktopLanguages() {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(name);
        if (!locale.isEmpty())
            break;
    }
    // As gettext does, LANGUAGE counts only beside a locale that is not C (so that a
    // program run under LC_ALL=C speaks English whatever LANGUAGE says).
    const QString base = locale.section(QLatin1Char('.'), 0, 0);
    if (locale.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX"))
        return locale.isEmpty() ? QStringList() : QStringList{locale};
    QStringList languages = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    languages << locale;
    return languages;
}

QString TranslationsFolder() {
    QStringList candidates;
    QString appDir;
    if (QCoreApplication::instance() != nullptr) {
        appDir = QDir::cleanPath(QCoreApplication::applicationDirPath());
        candidates << appDir + QStringLiteral("/../share/bramblex/translations");
    }
#ifdef BRAMBLEX_BUILD_DIR
    // A program run from the build tree uses the translations built beside it.
    if (!appDir.isEmpty() && (appDir + QLatin1Char('/')).startsWith(QStringLiteral(BRAMBLEX_BUILD_DIR "/")))
        candidates.prepend(QStringLiteral(BRAMBLEX_BUILD_DIR "/translations"));
#endif
    for (const QString& data : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        candidates << data + QStringLiteral("/bramblex/translations");
#ifdef BRAMBLEX_INSTALL_DATADIR
    candidates << QStringLiteral(BRAMBLEX_INSTALL_DATADIR "/bramblex/translations");
#endif
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    return {};
}

QStringList ShippedLanguages() {
    QStringList languages{QStringLiteral("en")};
    const QString folder = TranslationsFolder();
    if (folder.isEmpty())
        return languages;
    for (const QString& file :
         QDir(folder).entryList({QStringLiteral("bramblex_*.qm")}, QDir::Files, QDir::Name)) {
        const QString code = file.mid(9, file.size() - 12);
        if (QLocale(code).language() != QLocale::C && !languages.contains(code))
            languages << code;
    }
    return languages;
}

uint32_t MatchInterfaceLanguage(const QStringList& desktop, const QStringList& shipped) {
    for (const QString& entry : desktop) {
        // language[_territory][.codeset][@modifier]
        const QString name = entry.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
        const QString code = name.section(QLatin1Char('_'), 0, 0).toLower();
        if (code.isEmpty() || code == QLatin1String("c") || code == QLatin1String("posix"))
            continue;
        if (!shipped.contains(code))
            continue;
        const QLocale::Language language = QLocale(code).language();
        for (const auto& known : kLanguages)
            if (known.Language == language)
                return known.LocaleId;
    }
    return kEnglishUnitedStates;
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

QLocale InstallInterfaceTranslations(QCoreApplication& app) {
    const uint32_t localeId = InterfaceLocaleID();
    const QLocale locale = LocaleFromLocaleID(localeId);
    // A language the user chose also formats numbers and dates; otherwise they follow
    // the desktop's locale, which may differ from the nearest shipped language.
    if (ChosenInterfaceLocaleID() != 0)
        QLocale::setDefault(locale);
    const QString code = locale.name().section(QLatin1Char('_'), 0, 0);
    if (code == QLatin1String("en") || code == QLatin1String("C"))
        return locale;
    auto* own = new QTranslator(&app);
    if (own->load(QStringLiteral("bramblex_") + code, TranslationsFolder()))
        app.installTranslator(own);
    else
        delete own;
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(qt);
    else
        delete qt;
    return locale;
}
