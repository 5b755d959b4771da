#pragma once

#include "BoardModel.h"

#include <QBrush>
#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <array>

class CBoardWndCover;
class CPieceButton;

// The board window in place of control 1014: 35 places of 5 rows and 7 columns, each with its
// piece and, under it, the cover shown once the piece is taken. The board model holds the rules
// (loading, counts, arranged order, random removal, the search); this window shows the model,
// marks pieces by making them blink on its own 500 ms timer, flashes the taken neighbours of a
// piece just taken and passes clicks on pieces on as PieceClicked.
class CBoardWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRows = CBoardModel::nRows;
    static constexpr int kColumns = CBoardModel::nColumns;
    static constexpr int kPlaces = CBoardModel::nPlaces;
    static constexpr int kPieceWidth = 89;
    static constexpr int kPieceHeight = 54;
    static constexpr int kFirstPieceId = 3000;  // the piece at place p is control 3000 + p
    static constexpr int kCoverId = 2999;       // every cover shares it
    static constexpr int kTimerMs = 500;

    // Cover pictures.
    static constexpr int kTakenBitmap = 133;      // a taken place
    static constexpr int kNeighbourBitmap = 134;  // a taken neighbour of the piece just taken
    static constexpr int kJustTakenBitmap = 135;  // the place of the piece just taken

    // Blink colours of the two mark lists.
    static QColor MarkColor() { return QColor(128, 128, 128); }
    static QColor BestMarkColor() { return QColor(255, 0, 0); }
    // The face of a piece that is not lit.
    QColor ButtonFaceColor() const;

    explicit CBoardWnd(QWidget* pParent = nullptr);
    ~CBoardWnd() override;

    // Loads the 35 places from "data/" + strKey; false when the file cannot be opened (the board
    // keeps what it had). Pieces and covers are rebuilt; call Arrange next.
    bool LoadBoard(const QString& strKey);
    // Recomputes every piece's m_nCount, rebuilds the arranged list, sets m_bBoardEmpty.
    void Arrange();
    // Takes n pieces off at random (row drawn before column) showing their covers, then arranges.
    void RemoveRandomPieces(int n);
    // Taken places around (nRow, nCol). With bFlash each one's cover gets bitmap 134 and is
    // repainted at once, and with bSound the warble plays to its end for each.
    int CountTakenNeighbours(int nRow, int nCol, bool bFlash, bool bSound);

    // The marks. A click on a piece is considered only while m_bAnyMarked is set.
    void ClearSelection();
    // Marks the piece at nPlace alone: in m_marked (grey) when bFirstList, else in m_markedBest
    // (red). The piece, or nullptr when the place has none.
    CPieceButton* SelectPiece(int nPlace, bool bFirstList);
    // Marks every piece still on the board that carries nValue.
    void HighlightValue(int nValue);

    // Fills the catalogue for a, b, c and finds the first piece of the arranged list that a form
    // reaches; nListPos and nIndex are left as they were when none is (false).
    bool FindBestPiece(int a, int b, int c, int& nListPos, int& nIndex);
    // Value of catalogue form k after the last FindBestPiece; -1000 when empty.
    int FormValue(int k) const;

    // Pieces and covers.
    CPieceButton* Piece(int nPlace) const;            // nullptr when the place has none
    CPieceButton* ArrangedPiece(int nListPos) const;  // m_pArranged: nullptr past the last
    int CoverBitmap(int nPlace) const;                // picture on the cover, 0 when none
    bool IsCoverShown(int nPlace) const;
    // Loads a picture into a place's cover and repaints it at once.
    void SetCoverBitmap(int nPlace, int nBitmapId);
    // Takes the piece at nPlace in play: its cover shows bitmap 135, the piece is hidden and
    // disabled, m_bTaken becomes nTakenBy (the taking player's number plus 1).
    void TakePiece(int nPlace, int nTakenBy);
    // Bitmap 133 back on the cover of every taken place (undoes the marks of the last move).
    void ResetTakenCovers();
    // The flashing of step c of taking a piece: the taken neighbours of nPlace, each with bitmap
    // 134 and, with bSound, the warble played to its end. Returns how many.
    int FlashTakenNeighbours(int nPlace, bool bSound);

    // The zoom of the game window: every place is the 89 x 54 piece times it.
    void SetScale(double dScale);
    // The place's rectangle, one piece in from the board's edge times the scale.
    QRect PlaceRect(int nPlace) const;
    // Room for every piece with its margin at the current scale.
    QSize ContentSize() const;
    // The pieces in reading order, each after the one before in the focus chain.
    QList<QWidget*> PiecesInReadingOrder() const;

    const CBoardModel& Model() const { return m_model; }
    bool IsBoardEmpty() const { return m_bBoardEmpty; }

    // Starts the blink timer (the game window calls it when it opens).
    void StartTimer(int nMs = kTimerMs);
    // Every 500 ms: the marked pieces flip between their mark colour and the button face.
    // Does nothing while a play-and-wait sound holds the game.
    void OnTimer();
    // A command from a child: 3000 to 3034 is a click on a piece, sent on as PieceClicked.
    // True when it was handled.
    bool OnCmdMsg(int nId);

    // Shows catalogue form k in the game window's expression row (the game window's member).
    void ShowCatalogueExpression(int k, bool bWhole);

    // The game's operations and sign rule, read by the search; the model's own flags.
    bool& m_bAdd;
    bool& m_bSubtract;
    bool& m_bMultiply;
    bool& m_bDivide;
    bool& m_bPositiveOnly;

    bool m_bAnyMarked = false;
    QList<CPieceButton*> m_marked;      // blink grey
    QList<CPieceButton*> m_markedBest;  // blink red
    int m_nCurrentPlayer = 0;           // 0 player one, 1 player two
    bool m_bBoardEmpty = true;          // no piece left, as of the last Arrange

    // Light yellow and red; each piece erases its margin with one of them.
    QBrush m_brEnabled;
    QBrush m_brDisabled;

    QTimer m_timer;

signals:
    // A click on the piece at nPlace (control 3000 + nPlace).
    void PieceClicked(int nPlace);

protected:
    // Arrow keys move the focus between the pieces still on the board.
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void MoveFocus(int nPlace, int nRowStep, int nColumnStep);
    int ScaledEdge(int nPixels) const;
    // Each piece's accessible description: free, marked or taken.
    void DescribePieces();
    void DestroyPieces();
    void CreatePlace(int nPlace, const CBoardPiece& piece);
    void ShowPieceAsTaken(int nPlace, int nCoverBitmap);
    void SyncPiecesFromModel();
    void PushTakenToModel();
    void BlinkList(const QList<CPieceButton*>& list, const QColor& crLit);

    CBoardModel m_model;
    double m_dScale = 1.0;
    std::array<CPieceButton*, kPlaces> m_pPiece{};
    std::array<CBoardWndCover*, kPlaces> m_pCover{};
};
