#pragma once

#include <QDateTime>
#include <QString>

// The start time of a game as its record holds it, "12/05/98 at 03:41:07 PM", read back as a
// time for charts and exports.
class CStartedTime {
public:
    // The time the text stands for, as written (no time zone); invalid when it is not in that
    // form. A two-digit year from 70 on is in the 1900s, below 70 in the 2000s.
    static QDateTime Parse(const QString& strStarted);
    // The same time in ISO 8601, "1998-12-05T15:41:07"; empty when it cannot be read.
    static QString ToIso(const QString& strStarted);
};
