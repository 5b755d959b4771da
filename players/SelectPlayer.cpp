#include "SelectPlayer.h"

#include "GameApp.h"
#include "Player.h"
#include "PlayerIndex.h"
#include "PlayerListBox.h"
#include "Prompts.h"
#include "Resources.h"
#include "StatsDlg.h"

#include <QEvent>
#include <QFocusEvent>
#include <QLineEdit>

CSelectPlayer::CSelectPlayer(QWidget* pParent) : CDialog(GetDialogTemplate(143), pParent)
{
}

int CSelectPlayer::DoModalFor(int nPlayer)
{
    if (!m_bStatsMode) {
        m_nPlayer = nPlayer;
        if (!SeatPlayer()) {
            AfxMessageBox(QStringLiteral("Void Player in CSelectPlayer"));
            return IDCANCEL;
        }
    }
    if (IsCreated())
        StartRun();
    return DoModal();
}

QWidget* CSelectPlayer::CreateControl(const ControlTemplate& ctl)
{
    if (ctl.nId != kListId)
        return nullptr;
    m_pList = new CPlayerListBox;
    return m_pList;
}

bool CSelectPlayer::OnInitDialog()
{
    SetLimitText(kNameId, kMaxNameLength);
    if (QWidget* pName = GetDlgItem(kNameId)) {
        pName->installEventFilter(this);
        // A new player types a name at once.
        pName->setFocus();
    }
    StartRun();
    return true;
}

void CSelectPlayer::StartRun()
{
    if (m_bStatsMode) {
        SetDlgItemText(IDOK, QStringLiteral("Done"));
        setWindowTitle(Template().strCaption);
    } else {
        SetDlgItemText(IDOK, QStringLiteral("OK"));
        setWindowTitle(QStringLiteral("Select or Add Player %1").arg(m_nPlayer + 1));
    }
    SetDlgItemText(kNameId, QString());
    EnableDlgItem(IDOK, false);
    EnableDlgItem(kStatisticsId, false);
    FillList();
}

void CSelectPlayer::FillList()
{
    // The player already seated on the other side is not offered again: two player objects on
    // one file would each save over the other's game.
    QStringList except;
    if (const CPlayer* pOther = OtherSeatPlayer();
        pOther && CPlayerIndex::IsPlayerFileName(pOther->m_strFileName))
        except << pOther->m_strFileName;
    m_pList->SetPlayers(CPlayerIndex::List(PlayersFolder(), this, except));
}

void CSelectPlayer::OnCommand(int nId, int nCode)
{
    switch (nId) {
    case kNameId:
        if (nCode == EN_CHANGE)
            OnChangeName();
        // Enter also ends the editing, but the box keeps the focus: the selection stays.
        else if (nCode == EN_KILLFOCUS && !GetDlgItem(kNameId)->hasFocus())
            OnKillFocusName();
        return;
    case kListId:
        if (nCode == LBN_SELCHANGE)
            OnSelChangeList();
        else if (nCode == LBN_DBLCLK)
            OnDblClkList();
        return;
    case kStatisticsId:
        if (nCode == BN_CLICKED)
            OnStatistics();
        return;
    default:
        CDialog::OnCommand(nId, nCode);
    }
}

bool CSelectPlayer::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == GetDlgItem(kNameId) && pEvent->type() == QEvent::FocusOut
        && static_cast<QFocusEvent*>(pEvent)->reason() != Qt::PopupFocusReason)
        OnKillFocusName();
    return CDialog::eventFilter(pWatched, pEvent);
}

void CSelectPlayer::OnChangeName()
{
    const QString strName = GetDlgItemText(kNameId);
    if (strName.isEmpty()) {
        EnableDlgItem(IDOK, false);
        EnableDlgItem(kStatisticsId, false);
        return;
    }
    const int nIndex = m_pList->FindPrefix(strName);
    if (nIndex >= 0)
        m_pList->SelectQuietly(nIndex);
    EnableDlgItem(IDOK, true);
}

void CSelectPlayer::OnKillFocusName()
{
    const QString strName = GetDlgItemText(kNameId);
    m_pList->SelectQuietly(strName.isEmpty() ? -1 : m_pList->FindExact(strName));
}

void CSelectPlayer::OnSelChangeList()
{
    const int nIndex = m_pList->SelectedIndex();
    if (nIndex < 0) {
        EnableDlgItem(IDOK, false);
        EnableDlgItem(kStatisticsId, false);
        return;
    }
    QString strName;
    m_pList->GetPlayer(nIndex, &strName, nullptr);
    SetDlgItemText(kNameId, strName);
    OnChangeName();
    EnableDlgItem(IDOK, true);
    EnableDlgItem(kStatisticsId, true);
}

void CSelectPlayer::OnDblClkList()
{
    if (m_pList->SelectedIndex() < 0)
        return;
    if (m_bStatsMode)
        OnStatistics();
    else
        OnOK();
}

void CSelectPlayer::OnOK()
{
    if (m_bStatsMode) {
        EndDialog(IDOK);
        return;
    }
    CPlayer* pPlayer = SeatPlayer();
    if (!pPlayer) {
        EndDialog(IDCANCEL);
        return;
    }
    // The other seat's player is not listed: his name typed in full must not pick another
    // player whose name begins with it, nor register him twice.
    const CPlayer* pOther = OtherSeatPlayer();
    if (pOther && CPlayerIndex::IsPlayerFileName(pOther->m_strFileName)
        && GetDlgItemText(kNameId).compare(pOther->m_strName, Qt::CaseInsensitive) == 0) {
        AfxMessageBox(QStringLiteral("%1 is already playing.").arg(pOther->m_strName));
        return;
    }
    const int nIndex = m_pList->SelectedIndex();
    if (nIndex < 0)
        AddNewPlayer(*pPlayer, PlayersFolder());
    else
        TakeExistingPlayer(*pPlayer, nIndex, PlayersFolder());
}

void CSelectPlayer::AddNewPlayer(CPlayer& player, const QString& strFolder)
{
    if (MessageBox(this, QStringLiteral("Add new player?"), QStringLiteral("Confirmation"),
                   PromptButtons::YesNo, PromptIcon::Question) != IDYES)
        return;
    const QString strName = GetDlgItemText(kNameId);
    if (strName.isEmpty())
        return;
    player.Clear();
    // Without a file of his own the new player must not keep a file name he held before:
    // saving would write over that player's games.
    player.m_strFileName.clear();
    player.AssignFileName(strName, strFolder);
    player.Save(strFolder);
    CPlayerIndex::Add(strFolder, CPlayerEntry{player.m_strName, player.m_strFileName}, this);
    EndDialog(IDOK);
}

void CSelectPlayer::TakeExistingPlayer(CPlayer& player, int nIndex, const QString& strFolder)
{
    m_pList->GetPlayer(nIndex, &player.m_strName, &player.m_strFileName);
    player.Clear();
    player.Load(strFolder);
    EndDialog(IDOK);
}

void CSelectPlayer::OnStatistics()
{
    const int nIndex = m_pList->SelectedIndex();
    if (nIndex < 0)
        return;
    CPlayer temporary;
    m_pList->GetPlayer(nIndex, &temporary.m_strName, &temporary.m_strFileName);
    // A player of the game in progress is shown live, with his game; matching needs a real
    // file name, or players without a file would be taken for one another.
    CPlayer* pShown = &temporary;
    if (CPlayerIndex::IsPlayerFileName(temporary.m_strFileName) && CGameApp::Instance()) {
        for (const auto& pLive : CGameApp::Instance()->m_pPlayer) {
            if (pLive && pLive->m_strFileName == temporary.m_strFileName)
                pShown = pLive.get();
        }
    }
    if (pShown == &temporary)
        temporary.Load(PlayersFolder());
    CStatsDlg dlg(this);
    dlg.m_pShownPlayer = pShown;
    dlg.DoModal();
}

CPlayer* CSelectPlayer::SeatPlayer() const
{
    CGameApp* pApp = CGameApp::Instance();
    if (!pApp || m_nPlayer < 0 || m_nPlayer >= static_cast<int>(pApp->m_pPlayer.size()))
        return nullptr;
    return pApp->m_pPlayer[m_nPlayer].get();
}

CPlayer* CSelectPlayer::OtherSeatPlayer() const
{
    CGameApp* pApp = CGameApp::Instance();
    if (m_bStatsMode || !pApp || m_nPlayer < 0 || m_nPlayer > 1)
        return nullptr;
    return pApp->m_pPlayer[1 - m_nPlayer].get();
}

QString CSelectPlayer::PlayersFolder() const
{
    const CGameApp* pApp = CGameApp::Instance();
    return CPlayerIndex::PlayersFolder(pApp ? pApp->m_strHomeDir : QString());
}
