#pragma once

#include "Clock.h"
#include "FakePrompts.h"
#include "Player.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The files of a players folder, read and written byte for byte.
class PlayersFolderFiles {
public:
    virtual ~PlayersFolderFiles() = default;
    virtual QString Folder() const = 0;  // ends in "/"

    void WriteRaw(const QString& strName, const QByteArray& bytes) const
    {
        QFile file(Folder() + strName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray ReadRaw(const QString& strName) const
    {
        QFile file(Folder() + strName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    bool Exists(const QString& strName) const { return QFile::exists(Folder() + strName); }
    // Lines each ended by CR LF.
    static QByteArray CrLf(const QStringList& lines)
    {
        QByteArray bytes;
        for (const QString& strLine : lines)
            bytes += strLine.toUtf8() + "\r\n";
        return bytes;
    }
};

// The example player file: one finished game against the computer, started at `strStart`.
inline QStringList ExamplePlayerFile(const QString& strStart = QStringLiteral("12/05/98 at 03:41:07 PM"))
{
    return {"Ann", "Ann0.ply", "Start Game Stats",
            "A 10 piece game with +* operators and only positive numbers allowed.", strStart,
            "Game was finished on Saturday, 12/05/98 at 03:52 PM", "", "TRUE", "0", "14", "TRUE",
            "the computer", "2", "1", "0", "1", "End Game Stats"};
}

// A players folder of its own in a temporary home, message boxes recorded, and "now" fixed at
// 12/05/98 03:41:07 PM.
class PlayersTest : public ::testing::Test, public PlayersFolderFiles {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        ASSERT_TRUE(QDir(m_home.path()).mkdir(QStringLiteral("players")));
        CClock::SetNowForTests(QDateTime(QDate(1998, 12, 5), QTime(15, 41, 7)));
    }
    void TearDown() override { CClock::ResetNow(); }

    QString Home() const { return m_home.path() + QLatin1Char('/'); }
    QString Folder() const override { return Home() + QStringLiteral("players/"); }
    // Loads the player file `strFileName` into `player`, as the index names it.
    bool LoadAs(CPlayer& player, const QString& strFileName, const QString& strName = QStringLiteral("Ann"))
    {
        player.m_strName = strName;
        player.m_strFileName = strFileName;
        return player.Load(Folder());
    }

    QTemporaryDir m_home;
    CFakePrompts m_prompts;
};
