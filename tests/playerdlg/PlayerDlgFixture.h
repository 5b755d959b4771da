#pragma once

#include "../players/PlayersTestSupport.h"
#include "../window/AppFixture.h"
#include "FakeTextViewer.h"
#include "PlayerListBox.h"

// A started application in a temporary game folder with a players folder, "now" fixed, message
// boxes, modal dialogs and the text viewer faked.
class PlayerDlgTest : public AppFixture, public PlayersFolderFiles {
protected:
    PlayerDlgTest()
    {
        CClock::SetNowForTests(QDateTime(QDate(1999, 1, 2), QTime(10, 5, 0)));
        m_app.CSeriesApp::InitInstance({});
    }
    ~PlayerDlgTest() override { CClock::ResetNow(); }

    QString Folder() const override { return m_app.m_strHomeDir + QStringLiteral("players/"); }

    // The index, from pairs of name and file name, and each player's file with one finished game
    // per start text given.
    void WriteIndex(const QStringList& lines, const QMap<QString, QStringList>& starts = {}) const
    {
        WriteRaw(QStringLiteral("data"), CrLf(lines));
        for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
            QStringList file{lines[i], lines[i + 1]};
            for (const QString& strStart : starts.value(lines[i + 1]))
                file += ExamplePlayerFile(strStart).mid(2);
            if (!lines[i + 1].isEmpty())
                WriteRaw(lines[i + 1], CrLf(file));
        }
    }
    QStringList IndexLines() const
    {
        QStringList lines = QString::fromUtf8(ReadRaw(QStringLiteral("data"))).split(QStringLiteral("\r\n"));
        lines.removeLast();  // what follows the last line end
        return lines;
    }

    // A live player of the game in progress, loaded from his file.
    CPlayer& Seat(int nSeat, const QString& strName, const QString& strFileName)
    {
        m_app.m_pPlayer[nSeat] = std::make_unique<CPlayer>();
        m_app.m_pPlayer[nSeat]->m_strName = strName;
        m_app.m_pPlayer[nSeat]->m_strFileName = strFileName;
        m_app.m_pPlayer[nSeat]->Load(Folder());
        return *m_app.m_pPlayer[nSeat];
    }
    // The list box `nId` of a dialog, and its entries' names or file names.
    static CPlayerListBox& List(CDialog& dlg, int nId = 1028) { return *dlg.GetDlgItemAs<CPlayerListBox>(nId); }
    static QStringList Listed(CDialog& dlg, bool bFileNames = false)
    {
        QStringList listed;
        for (int i = 0; i < List(dlg).count(); ++i)
            listed << (bFileNames ? List(dlg).Entry(i).m_strFileName : List(dlg).Entry(i).m_strName);
        return listed;
    }

    CFakeTextViewer m_viewer;
};
