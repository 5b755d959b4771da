#pragma once

#include "../window/AppFixture.h"
#include "Clock.h"
#include "FakeTextViewer.h"
#include "Player.h"

#include <QByteArray>
#include <QFile>
#include <QStringList>

// A started application in a temporary game folder with a players folder, "now" fixed, message
// boxes, modal dialogs and the text viewer faked.
class PlayerDlgTest : public AppFixture {
protected:
    PlayerDlgTest()
    {
        CClock::SetNowForTests(QDateTime(QDate(1999, 1, 2), QTime(10, 5, 0)));
        m_app.CSeriesApp::InitInstance({});
    }
    ~PlayerDlgTest() override { CClock::ResetNow(); }

    QString Folder() const { return m_app.m_strHomeDir + QStringLiteral("players/"); }

    static QByteArray CrLf(const QStringList& lines)
    {
        QByteArray bytes;
        for (const QString& strLine : lines)
            bytes += strLine.toUtf8() + "\r\n";
        return bytes;
    }
    void WriteRaw(const QString& strName, const QByteArray& bytes) const
    {
        QFile file(Folder() + strName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadRaw(const QString& strName) const
    {
        QFile file(Folder() + strName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    bool Exists(const QString& strName) const { return QFile::exists(Folder() + strName); }

    // The index, from pairs of name and file name.
    void WriteIndex(const QStringList& lines) const { WriteRaw(QStringLiteral("data"), CrLf(lines)); }
    QStringList IndexLines() const
    {
        QStringList lines = QString::fromUtf8(ReadRaw(QStringLiteral("data"))).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    // A player file with one finished game per start text, in the order given.
    void WritePlayerFile(const QString& strName, const QString& strFileName,
                         const QStringList& starts) const
    {
        QStringList lines{strName, strFileName};
        for (const QString& strStart : starts) {
            lines << QStringLiteral("Start Game Stats")
                  << QStringLiteral("A 10 piece game with +* operators and only positive numbers allowed.")
                  << strStart << QStringLiteral("Game was finished on Saturday, 12/05/98 at 03:52 PM")
                  << QString() << QStringLiteral("TRUE") << QStringLiteral("0")
                  << QStringLiteral("14") << QStringLiteral("TRUE") << QStringLiteral("the computer")
                  << QStringLiteral("2") << QStringLiteral("1") << QStringLiteral("0")
                  << QStringLiteral("1") << QStringLiteral("End Game Stats");
        }
        WriteRaw(strFileName, CrLf(lines));
    }

    // A live player of the game in progress, loaded from his file.
    CPlayer& Seat(int nSeat, const QString& strName, const QString& strFileName)
    {
        m_app.m_pPlayer[nSeat] = std::make_unique<CPlayer>();
        CPlayer& player = *m_app.m_pPlayer[nSeat];
        player.m_strName = strName;
        player.m_strFileName = strFileName;
        player.Load(Folder());
        return player;
    }

    CFakeTextViewer m_viewer;
};
