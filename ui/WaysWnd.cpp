#include "WaysWnd.h"

#include "Dialog.h"
#include "Palette.h"
#include "Resources.h"
#include "TurnWays.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString PointsText(int nPoints)
{
    return nPoints == 1 ? QStringLiteral("1 point") : QStringLiteral("%1 points").arg(nPoints);
}

QString WaysText(std::size_t nWays)
{
    return nWays == 1 ? QStringLiteral("1 way") : QStringLiteral("%1 ways").arg(nWays);
}

// The row's glyphs read out as words, for screen readers.
QString SpokenText(const std::string& strText)
{
    return QString::fromStdString(strText)
        .replace(QString::fromStdString(CRollWays::OperatorGlyph('-')), QStringLiteral("minus"))
        .replace(QString::fromStdString(CRollWays::OperatorGlyph('*')), QStringLiteral("times"))
        .replace(QString::fromStdString(CRollWays::OperatorGlyph('/')), QStringLiteral("divided by"))
        .replace(QStringLiteral("+"), QStringLiteral("plus"));
}

const QString kNoTurnText = QStringLiteral(
    "No turn of this game has ended yet. When a turn is over, every way its three numbers "
    "could be put together shows here.");

}  // namespace

CWaysWnd::CWaysWnd(QWidget* pParent) : QWidget(pParent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Zorbly Ways"));
    setWindowIcon(LoadIcon(128));
    m_pSummary = new QLabel(kNoTurnText);
    m_pSummary->setWordWrap(true);
    m_pSummary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_pSummary->setAccessibleName(QStringLiteral("Last turn"));

    m_pList = new QTreeWidget;
    m_pList->setColumnCount(kColumns);
    m_pList->setHeaderLabels({QStringLiteral("Ways to each number"), QStringLiteral("Piece on the board"),
                              QStringLiteral("Move")});
    m_pList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_pList->header()->setStretchLastSection(true);
    m_pList->setAccessibleName(QStringLiteral("Ways of the last roll"));

    auto* pClose = new QPushButton(QStringLiteral("&Close"));
    pClose->setAccessibleName(QStringLiteral("Close"));
    connect(pClose, &QPushButton::clicked, this, &QWidget::close);
    auto* pCloseAction = new QAction(this);
    pCloseAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(pCloseAction, &QAction::triggered, this, &QWidget::close);
    addAction(pCloseAction);

    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pClose);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pSummary);
    pLayout->addWidget(m_pList, 1);
    pLayout->addLayout(pButtons);
}

QColor CWaysWnd::PlayedColor()
{
    return CPalette::Application().Entry(CPalette::kLightSkyBlue);
}

QColor CWaysWnd::BestColor()
{
    return CPalette::Application().Entry(CPalette::kLightYellow);
}

void CWaysWnd::Open()
{
    show();
    raise();
    activateWindow();
    m_pList->setFocus();
}

void CWaysWnd::FollowZoom(double dZoom)
{
    setFont(CDialog::ZoomedFont(QApplication::font(), dZoom));
    if (!isVisible())
        resize(CDialog::ZoomedWindowSize(QSize(560, 520), dZoom, screen()));
}

void CWaysWnd::ShowTurn(const CTurnWays* pTurn)
{
    m_pList->clear();
    if (!pTurn) {
        m_pSummary->setText(kNoTurnText);
        return;
    }
    m_pSummary->setText(SummaryText(*pTurn));
    QTreeWidgetItem* pCurrent = nullptr;
    for (const CWayGroup& group : pTurn->Groups()) {
        QTreeWidgetItem* pGroup = AddGroup(*pTurn, group);
        if (pTurn->IsPlayed(group.nValue) || (!pCurrent && pTurn->IsBest(group.nValue)))
            pCurrent = pGroup;
    }
    MakeCurrent(pCurrent ? pCurrent : m_pList->topLevelItem(0));
}

// Current for the keyboard, not selected: the selection's colour would hide the highlight.
void CWaysWnd::MakeCurrent(QTreeWidgetItem* pItem)
{
    if (!pItem)
        return;
    m_pList->setCurrentItem(pItem, 0, QItemSelectionModel::NoUpdate);
    m_pList->scrollToItem(pItem);
}

QString CWaysWnd::SummaryText(const CTurnWays& turn)
{
    const QString& strWho = turn.m_strPlayer;
    QStringList lines;
    // One arg call each, so that a name holding "%2" stays as it is.
    lines << QStringLiteral("%1 rolled %2, %3 and %4.")
                 .arg(strWho, QString::number(turn.m_nDrawn[0]), QString::number(turn.m_nDrawn[1]),
                      QString::number(turn.m_nDrawn[2]));
    if (turn.m_bPieceTaken)
        lines << QStringLiteral("%1 played %2 = %3 for %4.")
                     .arg(strWho, QString::fromStdString(turn.m_strPlayedText),
                          QString::number(turn.m_nPlayedValue), PointsText(turn.m_nPlayedPoints));
    else
        lines << QStringLiteral("%1 passed.").arg(strWho);
    if (turn.m_nBestValue == CTurnWays::nNoValue)
        lines << QStringLiteral("No piece on the board could be reached with these numbers.");
    else
        lines << QStringLiteral("The best move was %1 for %2.")
                     .arg(turn.m_nBestValue).arg(PointsText(turn.m_nBestPoints));
    lines << QStringLiteral("Points beside a number: a piece with that number is still on the board.");
    return lines.join(QLatin1Char('\n'));
}

QTreeWidgetItem* CWaysWnd::AddGroup(const CTurnWays& turn, const CWayGroup& group)
{
    auto* pGroup = new QTreeWidgetItem(m_pList);
    pGroup->setText(kWayColumn, QStringLiteral("%1   (%2)").arg(group.nValue).arg(WaysText(group.ways.size())));
    const int nFreePoints = turn.FreePiecePoints(group.nValue);
    if (nFreePoints > 0)
        pGroup->setText(kPieceColumn, PointsText(nFreePoints));
    QStringList moves;
    if (turn.IsPlayed(group.nValue))
        moves << QStringLiteral("played: ") + PointsText(turn.m_nPlayedPoints);
    if (turn.IsBest(group.nValue))
        moves << QStringLiteral("best: ") + PointsText(turn.m_nBestPoints);
    pGroup->setText(kMoveColumn, moves.join(QStringLiteral("; ")));
    if (turn.IsPlayed(group.nValue))
        Highlight(pGroup, PlayedColor());
    else if (turn.IsBest(group.nValue))
        Highlight(pGroup, BestColor());
    for (const CWay& way : group.ways)
        AddWay(turn, way, pGroup);
    pGroup->setExpanded(nFreePoints > 0 || !moves.isEmpty());
    return pGroup;
}

void CWaysWnd::AddWay(const CTurnWays& turn, const CWay& way, QTreeWidgetItem* pGroup)
{
    auto* pWay = new QTreeWidgetItem(pGroup);
    pWay->setText(kWayColumn, QString::fromStdString(way.strText));
    pWay->setData(kWayColumn, Qt::AccessibleTextRole, SpokenText(way.strText));
    QStringList marks;
    if (turn.IsPlayedWay(way))
        marks << QStringLiteral("played");
    if (turn.IsBestWay(way))
        marks << QStringLiteral("best move");
    pWay->setText(kMoveColumn, marks.join(QStringLiteral(", ")));
    if (!marks.isEmpty())
        Embolden(pWay);
}

// Dark text on the light colour, whatever the desktop's theme.
void CWaysWnd::Highlight(QTreeWidgetItem* pItem, const QColor& color)
{
    Embolden(pItem);
    for (int nColumn = 0; nColumn < kColumns; ++nColumn) {
        pItem->setBackground(nColumn, color);
        pItem->setForeground(nColumn, QColor(Qt::black));
    }
}

void CWaysWnd::Embolden(QTreeWidgetItem* pItem)
{
    QFont font = pItem->treeWidget() ? pItem->treeWidget()->font() : pItem->font(kWayColumn);
    font.setBold(true);
    for (int nColumn = 0; nColumn < kColumns; ++nColumn)
        pItem->setFont(nColumn, font);
}
