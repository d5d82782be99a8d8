#pragma once

// Readings carry their time as a day number: days since 30 December 1899, the time
// of day as the fraction. The exports and the report tables show it alike.

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// The date and time of a day number; for negative ones the fraction still runs
// forward from midnight (-1.25 is 29 December 1899, 06:00). False for values no
// calendar holds (not finite, or beyond about 8000 years either way).
bool SplitDayNumber(double dayNumber, QDate& date, QTime& time);

// Date and time texts for many readings in the user's locale: its short date and its
// long time format without the time zone (a reading has none). The formats are looked
// up once and the previous reading's date text is reused, as a run rarely crosses
// midnight. Both texts are empty for a day number SplitDayNumber refuses.
class TDateTimeTexts {
public:
    TDateTimeTexts();

    void Set(double dayNumber);
    QString Date() const { return m_valid ? m_dateText : QString(); }
    QString Time() const { return m_valid ? m_locale.toString(m_time, m_timeFormat) : QString(); }

private:
    QLocale m_locale;
    QString m_dateFormat;
    QString m_timeFormat;
    QDate m_lastDate;
    QString m_dateText;
    QTime m_time;
    bool m_valid = false;
};
