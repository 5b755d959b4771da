// The Ways window follows the game: empty until a turn ends, then the ended turn's ways with the
// move played, the best move and the points of the pieces still on the board.
#include "GameFixture.h"
#include "RollWays.h"
#include "WaysWnd.h"

#include <QLabel>
#include <QTreeWidget>

namespace {

constexpr int E = CExpressionCatalogue::nEmpty;

class Ways : public GameTest {
protected:
    QTreeWidget& List() { return *Dlg().WaysWindow()->List(); }
    QString Summary() { return Dlg().WaysWindow()->Summary()->text(); }
    // The group of a number: its texts by column, then whether it is lit as played or best.
    QString Group(int nValue)
    {
        for (int i = 0; i < List().topLevelItemCount(); ++i) {
            const QTreeWidgetItem* pItem = List().topLevelItem(i);
            if (pItem->text(0).section(' ', 0, 0) != QString::number(nValue))
                continue;
            const QColor color = pItem->background(0).color();
            const int nWays = pItem->childCount();
            EXPECT_TRUE(pItem->text(0).endsWith(nWays == 1 ? "(1 way)" : QStringLiteral("(%1 ways)").arg(nWays)));
            return pItem->text(1) + "|" + pItem->text(2) + (color == CWaysWnd::PlayedColor() ? "|played" : "")
                 + (color == CWaysWnd::BestColor() ? "|best" : "");
        }
        return QStringLiteral("none");
    }
    static QString Points(int n) { return n ? QStringLiteral("%1 point%2").arg(n).arg(n == 1 ? "" : "s") : QString(); }
};

}  // namespace

// Catches a window that shows a turn in play or a past game, misses an update, counts the piece
// just taken as free, scores with the counts after the move, or lights the wrong groups.
TEST_F(Ways, ShowsTheEndedTurnWithThePlayedAndTheBestMove)
{
    StartRolledGame({.nSize = 3});  // most pieces still on the board, around the one taken too
    m_app.OnCommand(CGameApp::kWaysCommand);
    ASSERT_TRUE(Dlg().WaysWindow()->isVisible());
    const qreal dTextSize = Dlg().WaysWindow()->font().pointSizeF();
    Dlg().ZoomIn();  // the window's text follows the game's zoom
    ASSERT_GT(Dlg().Zoom(), 1.0);
    EXPECT_NEAR(Dlg().WaysWindow()->font().pointSizeF(), dTextSize * Dlg().Zoom(), 0.01);
    Dlg().ZoomTo(1.0);  // the next window opens at the usual size
    EXPECT_EQ(List().topLevelItemCount(), 0);
    EXPECT_TRUE(Summary().startsWith("No turn of this game has ended yet."));

    // Another number than the best one, carried by a piece: shown as a form and taken.
    const int* n = Dlg().m_nDrawn;
    int nListPos = 0, k = 0, nIndex = 0;
    Board().FindBestPiece(n[0], n[1], n[2], nListPos, nIndex);
    for (k = 1; k <= nCatalogueSize; ++k) {
        const int nFormValue = Board().FormValue(k);
        if (nFormValue != E && nFormValue != Dlg().m_nBestValue && Board().Model().PlacesWithNumber(nFormValue).any())
            break;
    }
    ASSERT_LE(k, nCatalogueSize);
    Dlg().ShowCatalogueExpression(k, true);
    CPieceButton* pTaken = Board().m_marked.first();
    const int nValue = pTaken->m_nNumber, nBest = Dlg().m_nBestValue, nBestPoints = Dlg().m_nBestCount + 1;
    std::map<int, int> free;  // the best points of each number left on the board, before the move
    for (int p = 0; p < CBoardWnd::kPlaces; ++p) {
        const CPieceButton* pPiece = Board().Piece(p);
        if (pPiece != pTaken && !pPiece->m_bTaken)
            free[pPiece->m_nNumber] = std::max(free[pPiece->m_nNumber], pPiece->m_nCount + 1);
    }
    const QString strPlayed = QString::fromStdString(CRollWays::FormText(*FindCatalogueForm(k), n[0], n[1], n[2]));
    const QString strRolled = QStringLiteral("%1, %2 and %3.").arg(n[0]).arg(n[1]).arg(n[2]);
    const int nPoints = pTaken->m_nCount + 1;
    pTaken->click();

    EXPECT_TRUE(Summary().startsWith(QStringLiteral("Ann rolled %1\nAnn played %2 = %3 for %4.\nThe best move was %5 for %6.")
                                         .arg(strRolled, strPlayed).arg(nValue).arg(Points(nPoints)).arg(nBest).arg(Points(nBestPoints))));
    EXPECT_EQ(Group(nValue), Points(free[nValue]) + "|played: " + Points(nPoints) + "|played");
    for (int i = 0; i < List().topLevelItemCount(); ++i) {
        const int nGroup = List().topLevelItem(i)->text(0).section(' ', 0, 0).toInt();
        EXPECT_EQ(List().topLevelItem(i)->text(1), Points(free.count(nGroup) ? free[nGroup] : 0)) << nGroup;
    }
    EXPECT_EQ(Group(nBest), Points(nBestPoints) + "|best: " + Points(nBestPoints) + "|best");
    EXPECT_EQ(List().findItems(strPlayed, Qt::MatchExactly | Qt::MatchRecursive).value(0)->text(2), "played");
    EXPECT_EQ(List().currentItem()->text(0).section(' ', 0, 0), QString::number(nValue));

    // The computer's move is the best one; its turn updates the open window.
    FinishRoll();
    const int nComputer = Dlg().m_nBestValue, nComputerPoints = Dlg().m_nBestCount + 1;
    Board().Piece(Dlg().m_nBestPlace)->click();
    EXPECT_TRUE(Summary().startsWith("Computer rolled"));
    EXPECT_EQ(Group(nComputer).section('|', 1), "played: " + Points(nComputerPoints) + "; best: " + Points(nComputerPoints) + "|played");

    QueueSetup({});
    NewGameCommand(false);
    EXPECT_EQ(List().topLevelItemCount(), 0);
    Dlg().WaysWindow()->close();  // opened again, it still shows no turn of the old game
    m_app.OnCommand(CGameApp::kWaysCommand);
    EXPECT_EQ(List().topLevelItemCount(), 0);
}
