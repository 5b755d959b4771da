#pragma once

#include "Clock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// A players folder of its own in a temporary home, and "now" fixed at 12/05/98 03:41:07 PM.
class PlayersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        ASSERT_TRUE(QDir(m_home.path()).mkdir(QStringLiteral("players")));
        CClock::SetNowForTests(QDateTime(QDate(1998, 12, 5), QTime(15, 41, 7)));
    }
    void TearDown() override { CClock::ResetNow(); }

    QString Home() const { return m_home.path() + QLatin1Char('/'); }
    QString Folder() const { return Home() + QStringLiteral("players/"); }

    void WriteRaw(const QString& strName, const QByteArray& bytes) const
    {
        QFile file(Folder() + strName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray ReadRaw(const QString& strName) const
    {
        QFile file(Folder() + strName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool Exists(const QString& strName) const { return QFile::exists(Folder() + strName); }

    // Lines joined with CR LF, each line ended.
    static QByteArray CrLf(const QStringList& lines)
    {
        QByteArray bytes;
        for (const QString& strLine : lines)
            bytes += strLine.toUtf8() + "\r\n";
        return bytes;
    }

    QTemporaryDir m_home;
};

// The example player file: one finished game against the computer.
inline const QStringList kExamplePlayerFile = {
    QStringLiteral("Ann"),
    QStringLiteral("Ann0.ply"),
    QStringLiteral("Start Game Stats"),
    QStringLiteral("A 10 piece game with +* operators and only positive numbers allowed."),
    QStringLiteral("12/05/98 at 03:41:07 PM"),
    QStringLiteral("Game was finished on Saturday, 12/05/98 at 03:52 PM"),
    QString(),
    QStringLiteral("TRUE"),
    QStringLiteral("0"),
    QStringLiteral("14"),
    QStringLiteral("TRUE"),
    QStringLiteral("the computer"),
    QStringLiteral("2"),
    QStringLiteral("1"),
    QStringLiteral("0"),
    QStringLiteral("1"),
    QStringLiteral("End Game Stats"),
};
