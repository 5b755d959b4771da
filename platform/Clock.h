#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// "Now" for the whole program, and time formatting with strftime-style patterns. Day and month
// names are always English, whatever the user's locale, as the records and reports are written.
class CClock {
public:
    // The current local time, or the time a test has set.
    static QDateTime Now();
    // Fixes "now" for tests; ResetNow brings back the system clock.
    static void SetNowForTests(const QDateTime& dtNow);
    static void ResetNow();

    // Formats `dt` by `strPattern`: %a %A %b %B %c %d %e %H %I %j %m %M %p %S %w %x %X %y %Y %%.
    // Anything else is copied as it stands.
    static QString Format(const QDateTime& dt, const QString& strPattern);
    // Formats "now".
    static QString FormatNow(const QString& strPattern);

private:
    static std::optional<QDateTime> s_dtNowForTests;
};
