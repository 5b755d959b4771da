// CClock: "now" that tests can fix, and English strftime-style formatting in any locale.
#include "Clock.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

namespace {

// Catches: names or AM/PM taken from the user's locale, hours 0 and 12 on the 12-hour clock,
// missing leading zeros, an unknown conversion or a lone "%" swallowed.
TEST(ClockTest, FormatsInEnglishWhateverTheLocale)
{
    const QLocale oldLocale;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "C.UTF-8");
    struct Case { QDateTime dt; const char* pattern; const char* expected; };
    const QDateTime saturday(QDate(1998, 12, 5), QTime(15, 52, 9));
    const QDateTime midnight(QDate(2001, 3, 4), QTime(0, 5, 0));
    const QDateTime noon(QDate(2001, 3, 4), QTime(12, 0, 0));
    const std::vector<Case> cases = {
        {saturday, "Game was finished on %A, %m/%d/%y at %I:%M %p",
         "Game was finished on Saturday, 12/05/98 at 03:52 PM"},
        {saturday, "%m/%d/%y at %I:%M:%S %p", "12/05/98 at 03:52:09 PM"},
        {saturday, "%a %b %B %Y %H %j %w", "Sat Dec December 1998 15 339 6"},
        {saturday, "%c|%x|%X", "Sat Dec  5 15:52:09 1998|12/05/98|15:52:09"},
        {midnight, "%A %I:%M %p %y %e", "Sunday 12:05 AM 01  4"},
        {noon, "%I %p", "12 PM"},
        {saturday, "100%% %q %", "100% %q %"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CClock::Format(c.dt, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.expected));
    QLocale::setDefault(oldLocale);
}

// Catches: "now" not coming from the one place tests can set, or not coming back.
TEST(ClockTest, NowCanBeFixedAndReset)
{
    const QDateTime fixed(QDate(1999, 1, 2), QTime(9, 0, 0));
    CClock::SetNowForTests(fixed);
    EXPECT_EQ(CClock::Now(), fixed);
    EXPECT_EQ(CClock::FormatNow(QStringLiteral("%m/%d/%y")), QStringLiteral("01/02/99"));
    CClock::ResetNow();
    EXPECT_NE(CClock::Now().date(), fixed.date());
}

}  // namespace
