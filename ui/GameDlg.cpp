#include "GameDlg.h"

#include "BoardWnd.h"
#include "BracketWnd.h"
#include "Clock.h"
#include "ColorButton.h"
#include "ElidedLabel.h"
#include "GameApp.h"
#include "OperatorButton.h"
#include "Palette.h"
#include "Player.h"
#include "PlayerIndex.h"
#include "Prompts.h"
#include "Random.h"
#include "Resources.h"
#include "Sound.h"
#include "TurnWays.h"
#include "WaysWnd.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

CGameDlg::CGameDlg()
    : CScaledDialog(102),
      m_hIcon(LoadIcon(128)),
      m_brScorePanel(CPalette::Application().Entry(CPalette::kGreen)),
      m_brExpressionPanel(CPalette::Application().Entry(CPalette::kSeaGreen)),
      m_brControl(QColor(35, 211, 131))
{
    // Each run draws different numbers and removes different pieces.
    CRandom::Seed(static_cast<unsigned>(CClock::Now().toSecsSinceEpoch()));
    connect(&m_timer, &QTimer::timeout, this, &CGameDlg::OnTimer);
}

CGameDlg::~CGameDlg() = default;

QWidget* CGameDlg::CreateControl(const ControlTemplate& ctl)
{
    switch (ctl.nId) {
    case 1044:
    case 1045: {
        auto* pPanel = new CColorButton;
        pPanel->SetBrush(ctl.nId == 1044 ? &m_brScorePanel : &m_brExpressionPanel);
        return pPanel;
    }
    case 1005:
    case 1009:
    case 1010:
    case 1011:
        return new CBracketWnd;
    case 1006:
    case 1007:
        return new COperatorButton;
    case 1014:
        return new CBoardWnd;
    case 1031:
        return new CElidedLabel(ctl.strText, QStringLiteral("'s turn"));
    case 1032:
    case 1033:
        return new CElidedLabel(ctl.strText);
    default:
        return nullptr;
    }
}

bool CGameDlg::OnInitDialog()
{
    SetUpZoom();
    CScaledDialog::OnInitDialog();
    setWindowIcon(m_hIcon);
    m_timer.start(kTimerMs);
    Board()->StartTimer(CBoardWnd::kTimerMs);
    for (int nId : {1006, 1007}) {
        for (char cOperator : {'+', '-', '*', '/'})
            OperatorButton(nId)->AddOperator(cOperator);
        OperatorButton(nId)->ShowFirstOperator();
    }
    connect(Board(), &CBoardWnd::PieceClicked, this, &CGameDlg::OnPieceClick);
    for (int nId : {1011, 1010})
        Bracket(nId)->SetBitmap(130, &CPalette::Application());
    for (int nId : {1009, 1005})
        Bracket(nId)->SetBitmap(137, &CPalette::Application());
    Board()->m_brEnabled = QBrush(QColor(255, 255, 128));
    Board()->m_brDisabled = QBrush(QColor(255, 0, 0));
    // The full board shows until the first game is set up; without its file the board stays empty.
    if (Board()->LoadBoard(QStringLiteral("ASMD.A")))
        Board()->Arrange();
    SetTabOrder();
    NameControlsForScreenReaders();
    // No button of the game window is a default button, so a focused one ignores Enter too.
    for (QPushButton* pButton : findChildren<QPushButton*>()) {
        pButton->setAutoDefault(false);
        pButton->setDefault(false);
    }
    ApplyControlColors();
    UpdateAnchor();
    m_bSounds = CGameApp::Instance()->m_bSound;
    // The audio device opens in the background while the start-up picture shows, so its sound
    // never waits for it; not sooner, when the window's own start still loads Qt's plugins.
    if (m_bSounds)
        CSound::StartAudio();
    ShowAboutBox();
    return true;
}

CBracketWnd* CGameDlg::Bracket(int nId) const
{
    return GetDlgItemAs<CBracketWnd>(nId);
}

CBoardWnd* CGameDlg::Board() const
{
    return GetDlgItemAs<CBoardWnd>(1014);
}

COperatorButton* CGameDlg::OperatorButton(int nId) const
{
    return GetDlgItemAs<COperatorButton>(nId);
}

CGameDlg::ColorKind CGameDlg::ControlColorKind(int nId)
{
    switch (nId) {
    case 1000: case 1001: case 1002: case 1004: case 1006: case 1007: case 1008:
    case 2001: case 2002: case 2003: case 2004:
        return ColorKind::Control;
    case 1013: case 1016: case 1031: case 1037: case 23876:
        return ColorKind::ExpressionPanel;
    case 1032: case 1033: case 1034: case 1035: case 23453: case 23534:
        return ColorKind::ScorePanel;
    default:
        return ColorKind::Default;
    }
}

// The colours are fixed for the life of the window, so they are given to each control once.
void CGameDlg::ApplyControlColors()
{
    for (const ControlTemplate& ctl : Template().controls) {
        QWidget* pItem = GetDlgItem(ctl.nId);
        QPalette pal = pItem->palette();
        switch (ControlColorKind(ctl.nId)) {
        case ColorKind::Control:
            pal.setBrush(QPalette::Window, m_brControl);
            break;
        case ColorKind::ExpressionPanel:
            SelectApplicationPalette();
            pal.setColor(QPalette::WindowText, Qt::black);
            pal.setBrush(QPalette::Window, m_brExpressionPanel);
            break;
        case ColorKind::ScorePanel:
            SelectApplicationPalette();
            pal.setColor(QPalette::WindowText, Qt::white);
            pal.setBrush(QPalette::Window, m_brScorePanel);
            break;
        case ColorKind::Default:
            continue;
        }
        // Labels do not fill their background: the panel underneath shows through around the text.
        pItem->setPalette(pal);
    }
}

void CGameDlg::UpdateAnchor()
{
    if (GetDlgItem(1043))
        m_ptAnchor = DlgItemScreenPos(1043);
}

void CGameDlg::moveEvent(QMoveEvent* pEvent)
{
    CScaledDialog::moveEvent(pEvent);
    UpdateAnchor();
}

void CGameDlg::showEvent(QShowEvent* pEvent)
{
    CScaledDialog::showEvent(pEvent);
    UpdateAnchor();
}

void CGameDlg::paintEvent(QPaintEvent* pEvent)
{
    OnPaint();
    CScaledDialog::paintEvent(pEvent);
}

void CGameDlg::OnPaint()
{
    SelectApplicationPalette();
    if (!m_bFirstPaint)
        return;
    m_bFirstPaint = false;
    m_bGameInProgress = false;
    // A modal dialog may not run inside a paint event: the first game starts right after it.
    QTimer::singleShot(0, this, [this] {
        CGameApp::Instance()->OnNewPlayers();
        m_bGameInProgress = true;
    });
}

void CGameDlg::OnTimer()
{
    if (CSound::IsHolding())
        return;
    if (m_nTurnPhase <= 0) {
        BlinkCaret();
        return;
    }
    RollTick();
}

void CGameDlg::OnCommand(int nId, int nCode)
{
    if (CGameApp::HandlesCommand(nId)) {
        CGameApp::Instance()->OnCommand(nId);
        return;
    }
    if (nId == 1028)
        return;  // the hidden default button swallows Enter
    if (nCode == BN_CLICKED && OnRowCommand(nId))
        return;
    if (nId == 1029 && nCode == BN_CLICKED) {
        OnPass();
        return;
    }
    if (nId == 1038 && nCode == BN_CLICKED) {
        OnHint();
        return;
    }
    CScaledDialog::OnCommand(nId, nCode);
}

void CGameDlg::OnSysCommand(int nId)
{
    if ((nId & 0xFFF0) == kAboutCommand)
        ShowAboutBox();
}

void CGameDlg::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QMenu menu(this);
    QAction* pAbout = menu.addAction(QStringLiteral("&About Zorbly..."));
    connect(pAbout, &QAction::triggered, this, [this] { OnSysCommand(kAboutCommand); });
    menu.exec(pEvent->globalPos());
}

void CGameDlg::ShowAboutBox()
{
    CGameApp::Instance()->ShowAbout(m_bSounds);
}

void CGameDlg::OnCancel()
{
    QuitGame(2);
}

void CGameDlg::OnClose()
{
    if (m_bCloseAllowed)
        EndDialog(IDCANCEL);
    else
        QuitGame(2);
}

void CGameDlg::closeEvent(QCloseEvent* pEvent)
{
    pEvent->ignore();
    OnClose();
}

void CGameDlg::QuitGame(int nMode)
{
    if (nMode == 2) {
        if (MessageBox(this, QStringLiteral("Are you sure you want to quit?"),
                       QStringLiteral("Confirmation"), PromptButtons::YesNo,
                       PromptIcon::Question) != IDYES)
            return;
        CloseRecordsAndSavePlayers();
    }
    m_bCloseAllowed = true;
    EndDialog(IDOK);
}

void CGameDlg::CloseRecordsAndSavePlayers()
{
    CloseOpenRecordsAsAbandoned();
    SavePlayers();
    for (auto& pPlayer : CGameApp::Instance()->m_pPlayer)
        pPlayer.reset();
}
