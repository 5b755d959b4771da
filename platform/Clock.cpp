#include "Clock.h"

#include <array>

std::optional<QDateTime> CClock::s_dtNowForTests;

namespace {

constexpr std::array<const char*, 7> kDayNames = {"Monday", "Tuesday", "Wednesday", "Thursday",
                                                  "Friday", "Saturday", "Sunday"};
constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

QString TwoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// An invalid date has no names.
QString DayName(const QDate& date)
{
    return date.isValid() ? QString::fromLatin1(kDayNames[date.dayOfWeek() - 1]) : QString();
}

QString MonthName(const QDate& date)
{
    return date.isValid() ? QString::fromLatin1(kMonthNames[date.month() - 1]) : QString();
}

int Hour12(const QTime& time)
{
    int nHour = time.hour() % 12;
    return nHour == 0 ? 12 : nHour;
}

// One conversion; false when `c` is not one we know.
bool AppendConversion(QString& strOut, QChar c, const QDateTime& dt)
{
    const QDate date = dt.date();
    const QTime time = dt.time();
    switch (c.unicode()) {
    case 'a': strOut += DayName(date).left(3); break;
    case 'A': strOut += DayName(date); break;
    case 'b': strOut += MonthName(date).left(3); break;
    case 'B': strOut += MonthName(date); break;
    case 'c':
        strOut += CClock::Format(dt, QStringLiteral("%a %b %e %H:%M:%S %Y"));
        break;
    case 'd': strOut += TwoDigits(date.day()); break;
    case 'e': strOut += QStringLiteral("%1").arg(date.day(), 2); break;
    case 'H': strOut += TwoDigits(time.hour()); break;
    case 'I': strOut += TwoDigits(Hour12(time)); break;
    case 'j': strOut += QStringLiteral("%1").arg(date.dayOfYear(), 3, 10, QLatin1Char('0')); break;
    case 'm': strOut += TwoDigits(date.month()); break;
    case 'M': strOut += TwoDigits(time.minute()); break;
    case 'p': strOut += time.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"); break;
    case 'S': strOut += TwoDigits(time.second()); break;
    case 'w': strOut += QString::number(date.dayOfWeek() % 7); break;
    case 'x': strOut += CClock::Format(dt, QStringLiteral("%m/%d/%y")); break;
    case 'X': strOut += CClock::Format(dt, QStringLiteral("%H:%M:%S")); break;
    case 'y': strOut += TwoDigits(((date.year() % 100) + 100) % 100); break;
    case 'Y': strOut += QString::number(date.year()); break;
    case '%': strOut += QLatin1Char('%'); break;
    default: return false;
    }
    return true;
}

}  // namespace

QDateTime CClock::Now()
{
    return s_dtNowForTests ? *s_dtNowForTests : QDateTime::currentDateTime();
}

void CClock::SetNowForTests(const QDateTime& dtNow)
{
    s_dtNowForTests = dtNow;
}

void CClock::ResetNow()
{
    s_dtNowForTests.reset();
}

QString CClock::Format(const QDateTime& dt, const QString& strPattern)
{
    QString strOut;
    strOut.reserve(strPattern.size() + 32);
    for (qsizetype i = 0; i < strPattern.size(); ++i) {
        const QChar c = strPattern[i];
        if (c != QLatin1Char('%') || i + 1 == strPattern.size()) {
            strOut += c;
            continue;
        }
        const QChar conversion = strPattern[i + 1];
        if (AppendConversion(strOut, conversion, dt))
            ++i;
        else
            strOut += c;
    }
    return strOut;
}

QString CClock::FormatNow(const QString& strPattern)
{
    return Format(Now(), strPattern);
}
