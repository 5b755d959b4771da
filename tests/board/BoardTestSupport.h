#pragma once

#include "../window/AppFixture.h"
#include "BoardWnd.h"
#include "BracketWnd.h"
#include "GameDlg.h"
#include "OperatorButton.h"
#include "PieceButton.h"

#include <QDir>
#include <QFile>
#include <set>

// The game window opened in a temporary game folder holding every board file (linked: a copy
// is synced to disk and slows every test), with the full "ASMD.A" board loaded and arranged.
class BoardWindow : public AppFixture {
public:
    BoardWindow() : m_dlg(OpenWithBoardFiles()), m_board(*m_dlg.Board()) {}

    CGameDlg& OpenWithBoardFiles()
    {
        const QDir source(QStringLiteral(ZORBLY_SOURCE_DIR "/data"));
        for (const QString& strName : source.entryList({QStringLiteral("*.?")}, QDir::Files))
            QFile::link(source.filePath(strName), QStringLiteral("data/") + strName);
        return Window();
    }

    // Writes data/T.A with the given lines and loads it; place p of a missing line stays empty.
    void LoadBoardLines(const QStringList& lines)
    {
        QFile file(QStringLiteral("data/T.A"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1());
        file.close();
        ASSERT_TRUE(m_board.LoadBoard(QStringLiteral("T.A")));
    }

    // The row as at the start of a turn, with the numbers a, b, c drawn.
    void StartTurn(int a, int b, int c)
    {
        const int nDrawn[4] = {a, b, c, -1};
        for (int i = 0; i < 4; ++i) {
            m_dlg.m_nDrawn[i] = nDrawn[i];
            m_dlg.m_nSlotNumber[i] = -1;
            m_dlg.SetDlgItemText(2001 + i, QString());
            m_dlg.EnableDlgItem(2001 + i, false);
            m_dlg.Bracket(1005 + (i ? 3 + i : 0))->ShowGlyph(false);  // 1005, 1009, 1010, 1011
        }
        for (int i = 0; i < 3; ++i) {
            m_dlg.SetDlgItemInt(1000 + i, nDrawn[i]);
            m_dlg.EnableDlgItem(1000 + i, true);
        }
        for (int nId : {1013, 1008, 1016})
            m_dlg.SetDlgItemText(nId, QStringLiteral("?"));
        m_dlg.OperatorButton(1006)->ShowFirstOperator();
        m_dlg.OperatorButton(1007)->ShowFirstOperator();
        m_dlg.m_nBracketMode = m_dlg.m_nTurnPhase = 0;
        m_dlg.m_bFormShown = m_dlg.m_bBlink = false;
        m_dlg.m_bFirstSetUp = false;  // a game is running
        m_board.ClearSelection();
    }

    void Click(std::initializer_list<int> ids)
    {
        for (int nId : ids)
            m_dlg.OnCommand(nId);
    }

    // Starts a turn and builds "a o1 b o2 c" with the bracket mode by clicks.
    void BuildRow(int a, char o1, int b, char o2, int c, int nMode = 0)
    {
        StartTurn(a, b, c);
        m_dlg.OperatorButton(1006)->SetOperator(o1);
        m_dlg.OperatorButton(1007)->SetOperator(o2);
        for (int i = 0; i < nMode; ++i)
            m_dlg.OnCommand(1004);
        Click({1000, 1001, 1002});
    }

    // The row as it reads, brackets included: "(2 + 3) * 4".
    QString RowText()
    {
        auto bracket = [&](int nId, char c) {
            return m_dlg.Bracket(nId)->IsGlyphVisible() ? QString(QLatin1Char(c)) : QString();
        };
        auto op = [&](int nId) { return QChar::fromLatin1(m_dlg.OperatorButton(nId)->GetOperator()); };
        return bracket(1011, '(') + m_dlg.GetDlgItemText(2001) + ' ' + op(1006) + ' '
            + bracket(1010, '(') + m_dlg.GetDlgItemText(2002) + bracket(1009, ')') + ' ' + op(1007)
            + ' ' + m_dlg.GetDlgItemText(2003) + bracket(1005, ')');
    }

    // The row at a glance: its text, the value, the slots' numbers (- for none) and which of the
    // number buttons 1000-1002, 1008 and slots 2001-2004 are enabled: "3 + 4 * 5 = 23 | 012- | 00001110".
    QString Row()
    {
        QString str = RowText() + QStringLiteral(" = ") + m_dlg.GetDlgItemText(1013) + QStringLiteral(" | ");
        for (int nEntry : m_dlg.m_nSlotNumber)
            str += nEntry < 0 ? QStringLiteral("-") : QString::number(nEntry);
        str += QStringLiteral(" | ");
        for (int nId : {1000, 1001, 1002, 1008, 2001, 2002, 2003, 2004})
            str += m_dlg.IsDlgItemEnabled(nId) ? QLatin1Char('1') : QLatin1Char('0');
        return str;
    }

    // Each place at a glance: ' ' no piece, 'o' a piece shown and enabled over a hidden cover,
    // else the shown cover's picture (3 for 133 taken, 4 for 134 neighbour, 5 for 135 just taken)
    // over a hidden, disabled piece; '?' for anything between.
    QString Places()
    {
        QString str;
        for (int p = 0; p < CBoardWnd::kPlaces; ++p) {
            const CPieceButton* pPiece = m_board.Piece(p);
            const bool bTaken = pPiece && pPiece->isHidden() && !pPiece->isEnabled() && m_board.IsCoverShown(p);
            str += !pPiece ? QLatin1Char(' ')
                : bTaken ? QLatin1Char(static_cast<char>('0' + m_board.CoverBitmap(p) - 130))
                : !pPiece->isHidden() && pPiece->isEnabled() && !m_board.IsCoverShown(p) ? QLatin1Char('o')
                                                                                         : QLatin1Char('?');
        }
        return str;
    }

    // Places of the pieces marked to blink grey (first list) or red.
    std::set<int> Marked(bool bFirstList = true)
    {
        std::set<int> places;
        for (CPieceButton* pPiece : bFirstList ? m_board.m_marked : m_board.m_markedBest)
            places.insert(pPiece->m_nID - CBoardWnd::kFirstPieceId);
        return places;
    }

    // Places of the pieces still on the board that carry nValue.
    std::set<int> PlacesCarrying(int nValue)
    {
        std::set<int> places;
        for (int p = 0; p < CBoardWnd::kPlaces; ++p) {
            const CPieceButton* pPiece = m_board.Piece(p);
            if (pPiece && !pPiece->m_bTaken && pPiece->m_nNumber == nValue)
                places.insert(p);
        }
        return places;
    }

    CGameDlg& m_dlg;
    CBoardWnd& m_board;
};
