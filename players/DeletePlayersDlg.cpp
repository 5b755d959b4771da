#include "DeletePlayersDlg.h"

#include "GameApp.h"
#include "Player.h"
#include "PlayerIndex.h"
#include "PlayerListBox.h"
#include "Prompts.h"
#include "Resources.h"

#include <QSignalBlocker>

CDeletePlayersDlg::CDeletePlayersDlg(QWidget* pParent) : CDialog(GetDialogTemplate(142), pParent)
{
}

QWidget* CDeletePlayersDlg::CreateControl(const ControlTemplate& ctl)
{
    if (ctl.nId != kListId)
        return nullptr;
    m_pList = new CPlayerListBox;
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    return m_pList;
}

bool CDeletePlayersDlg::OnInitDialog()
{
    QStringList except;
    for (const CPlayerEntry& entry : CurrentPlayers())
        except << entry.m_strFileName;
    QList<CPlayerEntry> entries = CPlayerIndex::List(PlayersFolder(), this, except);
    const QList<CPlayerEntry> seated = SeatedPlayers();
    entries.removeIf([&seated](const CPlayerEntry& entry) { return seated.contains(entry); });
    m_pList->SetPlayers(entries);
    return true;
}

void CDeletePlayersDlg::OnCommand(int nId, int nCode)
{
    if (nId == kListId) {
        // Any change of the selection, even to none, allows OK.
        if (nCode == LBN_SELCHANGE)
            EnableDlgItem(IDOK, true);
        return;
    }
    CDialog::OnCommand(nId, nCode);
}

void CDeletePlayersDlg::OnOK()
{
    if (MessageBox(this, QStringLiteral("Delete the selected players and their saved games?"),
                   QStringLiteral("Confirmation"), PromptButtons::YesNo,
                   PromptIcon::Question) != IDYES)
        return;
    // Nothing listed: there is nothing to delete, and an index that could not be read must not
    // be rewritten from an empty list.
    if (m_pList->count() == 0) {
        EndDialog(IDOK);
        return;
    }
    const CDeleteOutcome outcome = CPlayerIndex::DeletePlayers(
        PlayersFolder(), ListedEntries(), m_pList->SelectedIndexes(), CurrentPlayers(), this);
    m_bRemovedAny = m_bRemovedAny || !outcome.m_removed.isEmpty();
    if (outcome.AllRemoved()) {
        EndDialog(IDOK);
        return;
    }
    // The failure was reported with the file's name; what was removed leaves the list, so the
    // list and the index agree again.
    DropFromList(outcome.m_removed);
}

void CDeletePlayersDlg::OnCancel()
{
    EndDialog(m_bRemovedAny ? IDOK : IDCANCEL);
}

QList<CPlayerEntry> CDeletePlayersDlg::SeatedPlayers() const
{
    QList<CPlayerEntry> seated;
    const CGameApp* pApp = CGameApp::Instance();
    if (!pApp)
        return seated;
    for (const auto& pPlayer : pApp->m_pPlayer) {
        if (pPlayer && !seated.contains(CPlayerEntry{pPlayer->m_strName, pPlayer->m_strFileName}))
            seated.append(CPlayerEntry{pPlayer->m_strName, pPlayer->m_strFileName});
    }
    return seated;
}

QList<CPlayerEntry> CDeletePlayersDlg::CurrentPlayers() const
{
    // A player without a file has no history to protect and no entry to put first.
    QList<CPlayerEntry> current = SeatedPlayers();
    current.removeIf([](const CPlayerEntry& entry) { return !CPlayerIndex::IsPlayerFileName(entry.m_strFileName); });
    return current;
}

QList<CPlayerEntry> CDeletePlayersDlg::ListedEntries() const
{
    QList<CPlayerEntry> listed;
    for (int i = 0; i < m_pList->count(); ++i)
        listed.append(m_pList->Entry(i));
    return listed;
}

void CDeletePlayersDlg::DropFromList(const QList<CPlayerEntry>& removed)
{
    const QSignalBlocker blocker(m_pList);
    for (const CPlayerEntry& entry : removed) {
        for (int i = 0; i < m_pList->count(); ++i) {
            if (m_pList->Entry(i) == entry && m_pList->item(i)->isSelected()) {
                delete m_pList->takeItem(i);
                break;
            }
        }
    }
}

QString CDeletePlayersDlg::PlayersFolder() const
{
    const CGameApp* pApp = CGameApp::Instance();
    return CPlayerIndex::PlayersFolder(pApp ? pApp->m_strHomeDir : QString());
}
