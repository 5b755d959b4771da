#include "BoardWnd.h"

#include "BoardWndCover.h"
#include "GameApp.h"
#include "GameDlg.h"
#include "GameSound.h"
#include "PieceButton.h"
#include "Sound.h"

#include <QApplication>
#include <QKeyEvent>

#include <cmath>

CBoardWnd::CBoardWnd(QWidget* pParent)
    : QWidget(pParent),
      m_bAdd(m_model.m_bAdd),
      m_bSubtract(m_model.m_bSubtract),
      m_bMultiply(m_model.m_bMultiply),
      m_bDivide(m_model.m_bDivide),
      m_bPositiveOnly(m_model.m_bPositiveOnly)
{
    // The board stays black where no piece covers it.
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);
    connect(&m_timer, &QTimer::timeout, this, &CBoardWnd::OnTimer);
}

CBoardWnd::~CBoardWnd()
{
    ClearSelection();
    DestroyPieces();
}

QColor CBoardWnd::ButtonFaceColor() const
{
    return QApplication::palette().color(QPalette::Button);
}

bool CBoardWnd::LoadBoard(const QString& strKey)
{
    if (!m_model.LoadBoard(strKey.toStdString()))
        return false;
    DestroyPieces();
    for (int nPlace = 0; nPlace < kPlaces; ++nPlace) {
        if (m_model.HasPiece(nPlace))
            CreatePlace(nPlace, m_model.Piece(nPlace));
    }
    m_model.TakeChangedPlaces();
    return true;
}

void CBoardWnd::DestroyPieces()
{
    // The marks would name pieces that are gone.
    m_marked.clear();
    m_markedBest.clear();
    m_bAnyMarked = false;
    for (int nPlace = 0; nPlace < kPlaces; ++nPlace) {
        delete m_pPiece[nPlace];
        m_pPiece[nPlace] = nullptr;
        delete m_pCover[nPlace];
        m_pCover[nPlace] = nullptr;
    }
}

void CBoardWnd::CreatePlace(int nPlace, const CBoardPiece& piece)
{
    const int nID = kFirstPieceId + nPlace;
    const QRect rcPlace = PlaceRect(nPlace);

    auto* pPiece = new CPieceButton(nID, piece.m_nNumber, piece.m_nSecond, &m_brEnabled,
                                    &m_brDisabled, this);
    pPiece->setText(QString::fromStdString(piece.m_strText));
    pPiece->setAccessibleName(pPiece->text());
    pPiece->setGeometry(rcPlace);
    pPiece->SetFaceColor(ButtonFaceColor());
    pPiece->m_nCount = piece.m_nCount;
    pPiece->m_bTaken = piece.m_bTaken;
    pPiece->setObjectName(QString::number(nID));
    connect(pPiece, &QAbstractButton::clicked, this, [this, nID] { OnCmdMsg(nID); });
    pPiece->installEventFilter(this);
    pPiece->show();
    m_pPiece[nPlace] = pPiece;

    auto* pCover = new CBoardWndCover(this);
    pCover->setObjectName(QString::number(kCoverId));
    pCover->setGeometry(rcPlace);
    pCover->SetBitmap(kTakenBitmap);
    pCover->setEnabled(false);
    pCover->hide();
    m_pCover[nPlace] = pCover;
}

// A piece whose m_bTaken was set on the button is taken for the rules too.
void CBoardWnd::PushTakenToModel()
{
    for (int nPlace = 0; nPlace < kPlaces; ++nPlace) {
        CPieceButton* pPiece = m_pPiece[nPlace];
        if (pPiece && m_model.HasPiece(nPlace) && m_model.Piece(nPlace).m_bTaken != pPiece->m_bTaken)
            m_model.TakePiece(nPlace, pPiece->m_bTaken);
    }
}

void CBoardWnd::SyncPiecesFromModel()
{
    for (int nPlace = 0; nPlace < kPlaces; ++nPlace) {
        if (CPieceButton* pPiece = m_pPiece[nPlace]) {
            pPiece->m_nCount = m_model.Piece(nPlace).m_nCount;
            pPiece->m_bTaken = m_model.Piece(nPlace).m_bTaken;
        }
    }
    m_bBoardEmpty = m_model.IsBoardEmpty();
    DescribePieces();
}

void CBoardWnd::Arrange()
{
    PushTakenToModel();
    m_model.Arrange();
    SyncPiecesFromModel();
}

void CBoardWnd::RemoveRandomPieces(int n)
{
    PushTakenToModel();
    m_model.TakeChangedPlaces();
    m_model.RemoveRandomPieces(n);
    const auto changed = m_model.TakeChangedPlaces();
    for (int nPlace = 0; nPlace < kPlaces; ++nPlace) {
        if (changed.test(static_cast<std::size_t>(nPlace)) && m_model.HasPiece(nPlace) &&
            m_model.Piece(nPlace).IsTaken())
            ShowPieceAsTaken(nPlace, kTakenBitmap);
    }
    SyncPiecesFromModel();
}

void CBoardWnd::ShowPieceAsTaken(int nPlace, int nCoverBitmap)
{
    if (CBoardWndCover* pCover = m_pCover[nPlace]) {
        pCover->show();
        pCover->SetBitmap(nCoverBitmap);
    }
    if (CPieceButton* pPiece = m_pPiece[nPlace]) {
        pPiece->hide();
        pPiece->setEnabled(false);
    }
    DescribePieces();
}

void CBoardWnd::TakePiece(int nPlace, int nTakenBy)
{
    if (!Piece(nPlace))
        return;
    m_model.TakePiece(nPlace, nTakenBy);
    m_pPiece[nPlace]->m_bTaken = nTakenBy;
    ShowPieceAsTaken(nPlace, kJustTakenBitmap);
    m_pCover[nPlace]->repaint();
}

int CBoardWnd::CountTakenNeighbours(int nRow, int nCol, bool bFlash, bool bSound)
{
    PushTakenToModel();
    const CBoardModel::CPlaceList taken = m_model.TakenNeighbours(nRow, nCol);
    if (bFlash) {
        for (int i = 0; i < taken.nSize; ++i) {
            SetCoverBitmap(taken.nPlace[i], kNeighbourBitmap);
            PlayGameSound(GameSound::Warble, bSound);
        }
    }
    return taken.nSize;
}

int CBoardWnd::FlashTakenNeighbours(int nPlace, bool bSound)
{
    if (nPlace < 0 || nPlace >= kPlaces)
        return 0;
    return CountTakenNeighbours(nPlace / kColumns, nPlace % kColumns, true, bSound);
}

void CBoardWnd::SetCoverBitmap(int nPlace, int nBitmapId)
{
    if (nPlace < 0 || nPlace >= kPlaces || !m_pCover[nPlace])
        return;
    m_pCover[nPlace]->SetBitmap(nBitmapId);
    m_pCover[nPlace]->repaint();
}

void CBoardWnd::ResetTakenCovers()
{
    for (int nPlace = 0; nPlace < kPlaces; ++nPlace) {
        if (m_pPiece[nPlace] && m_pPiece[nPlace]->m_bTaken && m_pCover[nPlace])
            m_pCover[nPlace]->SetBitmap(kTakenBitmap);
    }
}

CPieceButton* CBoardWnd::Piece(int nPlace) const
{
    return nPlace >= 0 && nPlace < kPlaces ? m_pPiece[nPlace] : nullptr;
}

CPieceButton* CBoardWnd::ArrangedPiece(int nListPos) const
{
    if (nListPos < 0 || nListPos >= kPlaces)
        return nullptr;
    return Piece(m_model.ArrangedPlace(nListPos));
}

int CBoardWnd::CoverBitmap(int nPlace) const
{
    return nPlace >= 0 && nPlace < kPlaces && m_pCover[nPlace] ? m_pCover[nPlace]->BitmapId() : 0;
}

bool CBoardWnd::IsCoverShown(int nPlace) const
{
    return nPlace >= 0 && nPlace < kPlaces && m_pCover[nPlace] && !m_pCover[nPlace]->isHidden();
}

void CBoardWnd::ClearSelection()
{
    m_bAnyMarked = false;
    for (const QList<CPieceButton*>* pList : {&m_marked, &m_markedBest}) {
        for (CPieceButton* pPiece : *pList)
            pPiece->SetFaceColor(ButtonFaceColor());
    }
    m_marked.clear();
    m_markedBest.clear();
    DescribePieces();
}

CPieceButton* CBoardWnd::SelectPiece(int nPlace, bool bFirstList)
{
    ClearSelection();
    CPieceButton* pPiece = Piece(nPlace);
    if (!pPiece)
        return nullptr;
    (bFirstList ? m_marked : m_markedBest).append(pPiece);
    m_bAnyMarked = true;
    DescribePieces();
    return pPiece;
}

void CBoardWnd::HighlightValue(int nValue)
{
    ClearSelection();
    for (CPieceButton* pPiece : m_pPiece) {
        if (pPiece && !pPiece->m_bTaken && pPiece->m_nNumber == nValue)
            m_marked.append(pPiece);
    }
    m_bAnyMarked = !m_marked.isEmpty();
    DescribePieces();
}

bool CBoardWnd::FindBestPiece(int a, int b, int c, int& nListPos, int& nIndex)
{
    return m_model.FindBestPiece(a, b, c, nListPos, nIndex);
}

int CBoardWnd::FormValue(int k) const
{
    return m_model.Catalogue().Value(k);
}

void CBoardWnd::StartTimer(int nMs)
{
    m_timer.start(nMs);
}

void CBoardWnd::OnTimer()
{
    if (CSound::IsHolding())
        return;
    if (!m_bAnyMarked)
        return;
    BlinkList(m_marked, MarkColor());
    BlinkList(m_markedBest, BestMarkColor());
}

void CBoardWnd::BlinkList(const QList<CPieceButton*>& list, const QColor& crLit)
{
    for (CPieceButton* pPiece : list) {
        pPiece->m_bFlash = !pPiece->m_bFlash;
        pPiece->SetFaceColor(pPiece->m_bFlash ? crLit : ButtonFaceColor());
    }
}

bool CBoardWnd::OnCmdMsg(int nId)
{
    if (nId < kFirstPieceId || nId >= kFirstPieceId + kPlaces)
        return false;
    emit PieceClicked(nId - kFirstPieceId);
    return true;
}

void CBoardWnd::ShowCatalogueExpression(int k, bool bWhole)
{
    if (auto* pGame = qobject_cast<CGameDlg*>(parentWidget()))
        pGame->ShowCatalogueExpression(k, bWhole);
}

int CBoardWnd::ScaledEdge(int nPixels) const
{
    return static_cast<int>(std::lround(nPixels * m_dScale));
}

QRect CBoardWnd::PlaceRect(int nPlace) const
{
    const int nLeft = 1 + kPieceWidth * (nPlace % kColumns);
    const int nTop = 1 + kPieceHeight * (nPlace / kColumns);
    // Each edge is rounded once, so neighbouring pieces meet without a gap at any scale.
    return QRect(QPoint(ScaledEdge(nLeft), ScaledEdge(nTop)),
                 QPoint(ScaledEdge(nLeft + kPieceWidth) - 1, ScaledEdge(nTop + kPieceHeight) - 1));
}

QSize CBoardWnd::ContentSize() const
{
    return {ScaledEdge(2 + kColumns * kPieceWidth), ScaledEdge(2 + kRows * kPieceHeight)};
}

void CBoardWnd::SetScale(double dScale)
{
    m_dScale = dScale;
    for (int nPlace = 0; nPlace < kPlaces; ++nPlace) {
        if (m_pPiece[nPlace])
            m_pPiece[nPlace]->setGeometry(PlaceRect(nPlace));
        if (m_pCover[nPlace])
            m_pCover[nPlace]->setGeometry(PlaceRect(nPlace));
    }
}

QList<QWidget*> CBoardWnd::PiecesInReadingOrder() const
{
    QList<QWidget*> pieces;
    for (CPieceButton* pPiece : m_pPiece) {
        if (pPiece)
            pieces.append(pPiece);
    }
    return pieces;
}

bool CBoardWnd::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    auto* pPiece = qobject_cast<CPieceButton*>(pWatched);
    if (!pPiece || pEvent->type() != QEvent::KeyPress)
        return QWidget::eventFilter(pWatched, pEvent);
    const int nPlace = pPiece->m_nID - kFirstPieceId;
    switch (static_cast<QKeyEvent*>(pEvent)->key()) {
    case Qt::Key_Left: MoveFocus(nPlace, 0, -1); return true;
    case Qt::Key_Right: MoveFocus(nPlace, 0, 1); return true;
    case Qt::Key_Up: MoveFocus(nPlace, -1, 0); return true;
    case Qt::Key_Down: MoveFocus(nPlace, 1, 0); return true;
    default: return QWidget::eventFilter(pWatched, pEvent);
    }
}

// The next piece in that direction that can take the focus; taken places are skipped, and the
// focus stays where it is at the edge of the board.
void CBoardWnd::MoveFocus(int nPlace, int nRowStep, int nColumnStep)
{
    int nRow = nPlace / kColumns, nColumn = nPlace % kColumns;
    for (;;) {
        nRow += nRowStep;
        nColumn += nColumnStep;
        if (nRow < 0 || nRow >= kRows || nColumn < 0 || nColumn >= kColumns)
            return;
        CPieceButton* pPiece = m_pPiece[nRow * kColumns + nColumn];
        if (pPiece && pPiece->isEnabled() && !pPiece->isHidden()) {
            pPiece->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void CBoardWnd::DescribePieces()
{
    for (CPieceButton* pPiece : m_pPiece) {
        if (!pPiece)
            continue;
        if (pPiece->m_bTaken)
            pPiece->setAccessibleDescription(QStringLiteral("taken"));
        else if (m_marked.contains(pPiece) || m_markedBest.contains(pPiece))
            pPiece->setAccessibleDescription(QStringLiteral("marked"));
        else
            pPiece->setAccessibleDescription(QStringLiteral("free"));
    }
}
