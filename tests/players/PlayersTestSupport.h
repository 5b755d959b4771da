#pragma once

#include "Clock.h"
#include "FakePrompts.h"
#include "Player.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The files of a players folder, byte for byte.
class PlayersFolderFiles {
public:
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
    // The files in the folder, by name.
    QStringList Files() const { return QDir(Folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    // Lines each ended by CR LF.
    static QByteArray CrLf(const QStringList& lines) { return lines.isEmpty() ? "" : (lines.join("\r\n") + "\r\n").toUtf8(); }
    // Every message box shown, as "caption: text".
    static QStringList Said(const CFakePrompts& prompts)
    {
        QStringList said;
        for (const auto& prompt : prompts.Prompts())
            said << prompt.m_strCaption + ": " + prompt.m_strText;
        return said;
    }
};

// A player file with one finished game against the computer per start time given.
inline QStringList ExamplePlayerFile(const QStringList& starts = {"12/05/98 at 03:41:07 PM"},
                                     const QString& strName = "Ann", const QString& strFileName = "Ann0.ply")
{
    QStringList lines{strName, strFileName};
    for (const QString& strStart : starts)
        lines << "Start Game Stats" << "A 10 piece game with +* operators and only positive numbers allowed."
              << strStart << "Game was finished on Saturday, 12/05/98 at 03:52 PM" << "" << "TRUE" << "0"
              << "14" << "TRUE" << "the computer" << "2" << "1" << "0" << "1" << "End Game Stats";
    return lines;
}

// A players folder of its own in a temporary home, message boxes recorded, and "now" fixed at
// 12/05/98 03:41:07 PM.
class PlayersTest : public ::testing::Test, public PlayersFolderFiles {
protected:
    PlayersTest() { CClock::SetNowForTests(QDateTime(QDate(1998, 12, 5), QTime(15, 41, 7))); }
    ~PlayersTest() override { CClock::ResetNow(); }
    void SetUp() override { ASSERT_TRUE(QDir(m_home.path()).mkdir("players")); }

    QString Folder() const override { return m_home.path() + "/players/"; }
    // Loads the player file `strFileName` into `player`, as the index names it.
    bool LoadAs(CPlayer& player, const QString& strFileName, const QString& strName = "Ann") const
    {
        player.m_strName = strName;
        player.m_strFileName = strFileName;
        return player.Load(Folder());
    }

    QTemporaryDir m_home;
    CFakePrompts m_prompts;
};
