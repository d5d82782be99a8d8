#include "catalogue/DateTimeTexts.h"

#include <cmath>

namespace {

constexpr qint64 MSecsPerDay = 86400000;

QString WithoutTimeZone(const QString& format) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            quoted = !quoted;
        } else if (!quoted && c == u't') {
            while (!out.isEmpty() && out.back().isSpace())
                out.chop(1);
            while (i + 1 < format.size() && format[i + 1] == u't')
                ++i;
            continue;
        }
        out += c;
    }
    return out.trimmed();
}

} // namespace

bool SplitDayNumber(double dayNumber, QDate& date, QTime& time) {
    if (!std::isfinite(dayNumber) || std::fabs(dayNumber) > 3.0e6)
        return false;
    double day = std::trunc(dayNumber);
    qint64 ms = std::llround(std::fabs(dayNumber - day) * static_cast<double>(MSecsPerDay));
    if (ms >= MSecsPerDay) {
        ms -= MSecsPerDay;
        day += dayNumber < 0 ? -1 : 1;
    }
    date = QDate(1899, 12, 30).addDays(static_cast<qint64>(day));
    time = QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms));
    return true;
}

TDateTimeTexts::TDateTimeTexts()
    : m_dateFormat(m_locale.dateFormat(QLocale::ShortFormat)),
      m_timeFormat(WithoutTimeZone(m_locale.timeFormat(QLocale::LongFormat))) {}

void TDateTimeTexts::Set(double dayNumber) {
    QDate date;
    if (!SplitDayNumber(dayNumber, date, m_time)) {
        m_valid = false;
        return;
    }
    m_valid = true;
    if (date != m_lastDate) {
        m_lastDate = date;
        m_dateText = m_locale.toString(date, m_dateFormat);
    }
}
