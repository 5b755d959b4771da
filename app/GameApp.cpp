#include "GameApp.h"

#include "AboutDlg.h"
#include "DeletePlayersDlg.h"
#include "HelpWindow.h"
#include "RecordsExport.h"
#include "Resources.h"
#include "SelectPlayer.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

CGameApp* g_pTheApp = nullptr;

}  // namespace

CGameApp::CGameApp()
{
    g_pTheApp = this;
}

CGameApp::~CGameApp()
{
    if (qApp)
        qApp->removeEventFilter(this);
    if (g_pTheApp == this)
        g_pTheApp = nullptr;
}

CGameApp* CGameApp::Instance()
{
    return g_pTheApp;
}

bool CGameApp::InitInstance(const QStringList& arguments)
{
    // A refused start still runs the game, with sounds off, in the current folder.
    CSeriesApp::InitInstance(arguments);
    qApp->installEventFilter(this);
    m_bRunning = true;
    CDialog::SetMainWindow(&m_gameDlg);
    m_gameDlg.DoModal();
    CDialog::SetMainWindow(nullptr);
    m_bRunning = false;
    return false;
}

bool CGameApp::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::KeyPress &&
        ProcessMessageFilter(pWatched, static_cast<QKeyEvent*>(pEvent)))
        return true;
    return QObject::eventFilter(pWatched, pEvent);
}

bool CGameApp::ProcessMessageFilter(QObject* pTarget, QKeyEvent* pEvent)
{
    auto* pWidget = qobject_cast<QWidget*>(pTarget);
    if (!m_bRunning || !pWidget || pWidget->window() != &m_gameDlg)
        return false;
    const Qt::KeyboardModifiers modifiers =
        pEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    for (const Accelerator& accel : GetAccelerators(139)) {
        if (accel.nKey == pEvent->key() && accel.modifiers == modifiers) {
            OnCommand(accel.nCommand);
            return true;
        }
    }
    return false;
}

bool CGameApp::HandlesCommand(int nId)
{
    return (nId >= kQuickInstructionsCommand && nId <= kDeletePlayersCommand) || nId == kHelpCommand ||
           nId == kWaysCommand || nId == kExportRecordsCommand;
}

void CGameApp::OnCommand(int nId)
{
    switch (nId) {
    case kExitCommand: OnExit(); break;
    case kNewGameCommand: OnNewGame(); break;
    case kNewPlayersCommand: OnNewPlayers(); break;
    case kPlayerStatisticsCommand: OnPlayerStatistics(); break;
    case kDeletePlayersCommand: OnDeletePlayers(); break;
    case kExportRecordsCommand: OnExportRecords(); break;
    case kAboutCommand: OnAbout(); break;
    case kInstructionsCommand:
    case kHelpCommand: OnInstructions(); break;
    case kQuickInstructionsCommand: OnQuickInstructions(); break;
    case kWaysCommand: OnWays(); break;
    default: break;
    }
}

void CGameApp::OnExit()
{
    if (m_bRunning)
        m_gameDlg.QuitGame(2);
}

void CGameApp::OnNewGame()
{
    m_gameDlg.NewGame(false);
}

void CGameApp::OnNewPlayers()
{
    m_gameDlg.NewGame(true);
}

void CGameApp::OnPlayerStatistics()
{
    CSelectPlayer dlg;
    dlg.m_bStatsMode = true;
    dlg.DoModalFor(0);
}

void CGameApp::OnDeletePlayers()
{
    CDeletePlayersDlg dlg;
    dlg.DoModal();
}

void CGameApp::OnExportRecords()
{
    CRecordsExport::Run(m_bRunning ? &m_gameDlg : nullptr, m_strHomeDir,
                        {m_pPlayer[0].get(), m_pPlayer[1].get()});
}

void CGameApp::OnAbout()
{
    ShowAbout(m_bSound);
}

void CGameApp::ShowAbout(bool bSound)
{
    CAboutDlg dlg;
    dlg.m_strWave = QStringLiteral("data/zorb.wav");
    const QString strImage = QStringLiteral("data/zorb.bmp");
    const QString strData = QStringLiteral("data/zorb.dat");
    if (dlg.SetData(&strImage, &strData, bSound))
        dlg.DoModal();
}

void CGameApp::OnInstructions()
{
    CHelpWindow::Show(m_bRunning ? &m_gameDlg : nullptr, CHelpWindow::kContents);
}

void CGameApp::OnQuickInstructions()
{
    CHelpWindow::Show(m_bRunning ? &m_gameDlg : nullptr, CHelpWindow::kQuickInstructions);
}

void CGameApp::OnWays()
{
    m_gameDlg.OnWays();
}
