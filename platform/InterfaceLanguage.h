#pragma once

// The interface language as Windows locale ids (LCID, e.g. 0x0409 for English (United
// States)) and their three-letter language tags (ENU), which name the per-language
// storage root value and template folder.

#include <QLocale>
#include <QString>

#include <cstdint>

// The value "LocaleID" of the subkey "Language" when present, otherwise the locale id
// of the system locale (English (United States) when the table does not know it).
uint32_t InterfaceLocaleID();

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
