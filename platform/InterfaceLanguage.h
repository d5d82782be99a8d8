#pragma once

// The interface language as Windows locale ids (LCID, e.g. 0x0409 for English (United
// States)) and their three-letter language tags (ENU), which name the per-language
// storage root value and template folder.

#include <QCoreApplication>
#include <QLocale>
#include <QString>

#include <cstdint>

// The value "LocaleID" of the subkey "Language" when the user chose a language (a value
// other than 0), otherwise the desktop's language matched to the nearest shipped one
// (MatchInterfaceLanguage of DesktopLanguages and ShippedLanguages).
uint32_t InterfaceLocaleID();

// The user's choice in the per-user values: 0 when none (the desktop's language).
uint32_t ChosenInterfaceLocaleID();
// Records the choice (0: the desktop's language); it counts from the next start.
// Raises EFileError when the values cannot be written.
void SetChosenInterfaceLocaleID(uint32_t localeId);

// The desktop's languages in the order gettext consults them: the entries of LANGUAGE
// (a colon-separated list), then the first set of LC_ALL, LC_MESSAGES and LANG;
// LANGUAGE is left out when that locale is C or POSIX.
QStringList DesktopLanguages();

// The languages the installation has texts for, as ISO codes ("de", "fr"): English,
// which is built in, and one for every bramblex_<code>.qm of TranslationsFolder().
QStringList ShippedLanguages();

// The folder of the program's translations (bramblex_<code>.qm): share/bramblex/
// translations beside the program or on the data path, or the build tree's
// translations folder for a program run from the build tree; empty when there is none.
QString TranslationsFolder();

// The locale id of the first desktop language (POSIX form, "de_AT.UTF-8@euro") whose
// language is shipped, as that language's primary locale id (de_AT: German (Germany));
// English (United States) when none is. "C" and "POSIX" name no language.
uint32_t MatchInterfaceLanguage(const QStringList& desktop, const QStringList& shipped);

// The abbreviated language name of a locale id: "ENU", "DEU", ...; cut to its first two
// letters for a locale id without sub-language ("DE" for 0x0007). An id the table does
// not know gives "ENU".
QString LanguageTag(uint32_t localeId);

// LanguageTag(InterfaceLocaleID()).
QString InterfaceLanguageTag();

// The locale id of a Qt locale: the exact language and territory when known, else the
// language without sub-language, else 0x0409.
uint32_t LocaleIDFromLocale(const QLocale& locale);

// The Qt locale of a locale id (the C locale for an unknown id).
QLocale LocaleFromLocaleID(uint32_t localeId);

// Loads the program's texts (bramblex_<code>.qm of TranslationsFolder()) and Qt's own
// (qtbase_<code>.qm of Qt's translations) for the interface language into the
// application; a language without them keeps the built-in English texts. Returns the
// interface language's locale.
QLocale InstallInterfaceTranslations(QCoreApplication& app);
