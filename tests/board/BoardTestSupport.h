#pragma once

#include "../window/AppFixture.h"
#include "BoardWnd.h"
#include "BracketWnd.h"
#include "GameDlg.h"
#include "OperatorButton.h"
#include "PieceButton.h"

#include <QDir>
#include <QFile>
#include <QTextStream>
#include <set>

// The game window opened in a temporary game folder holding every board file (linked: a copy
// is synced to disk and slows every test); the full
// "ASMD.A" board is loaded and arranged, as when the window opens.
class BoardWindow : public AppFixture {
public:
    BoardWindow()
    {
        const QDir source(QStringLiteral(ZORBLY_SOURCE_DIR "/data"));
        for (const QString& strName : source.entryList(QDir::Files)) {
            if (strName.contains(QLatin1Char('.')) && !strName.endsWith(QStringLiteral(".wav")))
                QFile::link(source.filePath(strName), QStringLiteral("data/") + strName);
        }
    }

    CGameDlg& Dlg() { return Window(); }
    CBoardWnd& Board() { return *Window().Board(); }

    // Writes a board file of the given lines under data/.
    static void WriteBoardFile(const QString& strKey, const QStringList& lines)
    {
        QFile file(QStringLiteral("data/") + strKey);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const QString& strLine : lines)
            file.write((strLine + QStringLiteral("\r\n")).toLatin1());
    }

    // 35 pieces numbered by place: place p carries nFirst + p.
    static void WriteNumberedBoard(const QString& strKey, int nFirst = 100)
    {
        QStringList lines;
        for (int p = 0; p < CBoardWnd::kPlaces; ++p)
            lines << QStringLiteral("%1 ,%2").arg(nFirst + p).arg(p);
        WriteBoardFile(strKey, lines);
    }

    // The row as at the start of a turn, with the numbers a, b, c drawn.
    void StartTurn(int a, int b, int c)
    {
        CGameDlg& dlg = Dlg();
        const int nDrawn[3] = {a, b, c};
        for (int i = 0; i < 4; ++i) {
            dlg.m_nDrawn[i] = i < 3 ? nDrawn[i] : -1;
            dlg.m_nSlotNumber[i] = -1;
            dlg.SetDlgItemText(2001 + i, QString());
            dlg.EnableDlgItem(2001 + i, false);
        }
        for (int i = 0; i < 3; ++i) {
            dlg.SetDlgItemInt(1000 + i, nDrawn[i]);
            dlg.EnableDlgItem(1000 + i, true);
        }
        for (int nId : {1011, 1010, 1009, 1005})
            dlg.Bracket(nId)->ShowGlyph(false);
        dlg.OperatorButton(1006)->ShowFirstOperator();
        dlg.OperatorButton(1007)->ShowFirstOperator();
        for (int nId : {1013, 1008, 1016})
            dlg.SetDlgItemText(nId, QStringLiteral("?"));
        dlg.m_nBracketMode = 0;
        dlg.m_nTurnPhase = 0;
        dlg.m_bFormShown = false;
        dlg.m_bBlink = false;
        Board().ClearSelection();
    }

    // The row as it reads, brackets included: "(2 + 3) * 4".
    QString RowText()
    {
        CGameDlg& dlg = Dlg();
        auto bracket = [&](int nId, const char* sz) {
            return dlg.Bracket(nId)->IsGlyphVisible() ? QString::fromLatin1(sz) : QString();
        };
        return bracket(1011, "(") + dlg.GetDlgItemText(2001) + QLatin1Char(' ') +
               QChar::fromLatin1(dlg.OperatorButton(1006)->GetOperator()) + QLatin1Char(' ') +
               bracket(1010, "(") + dlg.GetDlgItemText(2002) + bracket(1009, ")") +
               QLatin1Char(' ') + QChar::fromLatin1(dlg.OperatorButton(1007)->GetOperator()) +
               QLatin1Char(' ') + dlg.GetDlgItemText(2003) + bracket(1005, ")");
    }

    // Places of the pieces marked to blink grey (first list) or red.
    std::set<int> Marked(bool bFirstList = true)
    {
        std::set<int> places;
        for (CPieceButton* pPiece : bFirstList ? Board().m_marked : Board().m_markedBest)
            places.insert(pPiece->m_nID - CBoardWnd::kFirstPieceId);
        return places;
    }

    // Places of the pieces still on the board that carry nValue.
    std::set<int> PlacesCarrying(int nValue)
    {
        std::set<int> places;
        for (int p = 0; p < CBoardWnd::kPlaces; ++p) {
            CPieceButton* pPiece = Board().Piece(p);
            if (pPiece && !pPiece->m_bTaken && pPiece->m_nNumber == nValue)
                places.insert(p);
        }
        return places;
    }
};
