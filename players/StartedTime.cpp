#include "StartedTime.h"

#include <QRegularExpression>

namespace {

int FullYear(int nTwoDigits)
{
    return nTwoDigits >= 70 ? 1900 + nTwoDigits : 2000 + nTwoDigits;
}

// 12 AM is midnight, 12 PM noon.
int Hour24(int nHour12, bool bPm)
{
    return nHour12 % 12 + (bPm ? 12 : 0);
}

} // namespace

QDateTime CStartedTime::Parse(const QString& strStarted)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d\d)/(\d\d)/(\d\d) at (\d\d):(\d\d):(\d\d) (AM|PM)\s*$)"));
    const QRegularExpressionMatch match = pattern.match(strStarted);
    if (!match.hasMatch())
        return QDateTime();
    const auto number = [&match](int n) { return match.captured(n).toInt(); };
    const int nHour = number(4);
    if (nHour < 1 || nHour > 12)
        return QDateTime();
    const QDate date(FullYear(number(3)), number(1), number(2));
    const QTime time(Hour24(nHour, match.captured(7) == QLatin1String("PM")), number(5), number(6));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    // Held as UTC: the wall-clock time as written, which no daylight-saving change may move.
    return QDateTime(date, time, Qt::UTC);
}

QString CStartedTime::ToIso(const QString& strStarted)
{
    const QDateTime dt = Parse(strStarted);
    return dt.isValid() ? dt.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) : QString();
}
