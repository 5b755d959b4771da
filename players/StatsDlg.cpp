#include "StatsDlg.h"

#include "GameApp.h"
#include "Player.h"
#include "PlayerIndex.h"
#include "ProgressDlg.h"
#include "Prompts.h"
#include "Resources.h"
#include "StatsReport.h"
#include "TextViewer.h"

#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

namespace {

constexpr int kRecordRole = Qt::UserRole;

bool AskConfirmation(QWidget* pOwner, const QString& strQuestion)
{
    return MessageBox(pOwner, strQuestion, QStringLiteral("Confirmation"), PromptButtons::YesNo,
                      PromptIcon::Question) == IDYES;
}

}  // namespace

CStatsDlg::CStatsDlg(QWidget* pParent) : CDialog(GetDialogTemplate(137), pParent)
{
}

QWidget* CStatsDlg::CreateControl(const ControlTemplate& ctl)
{
    if (ctl.nId == kGamesId) {
        m_pGames = new QListWidget;
        m_pGames->setSelectionMode(QAbstractItemView::SingleSelection);
        m_pGames->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        m_pGames->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return m_pGames;
    }
    if (ctl.nId == kReportId) {
        m_pReport = new QPlainTextEdit;
        m_pReport->setReadOnly(true);
        m_pReport->setLineWrapMode(QPlainTextEdit::NoWrap);
        m_pReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_pReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return m_pReport;
    }
    return nullptr;
}

bool CStatsDlg::OnInitDialog()
{
    if (!m_pShownPlayer) {
        MessageBox(this, QStringLiteral("No Valid Player Selected!"), QStringLiteral("Error"));
        EndDialog(IDCANCEL);
        return true;
    }
    EnableDlgItem(kPurgeAllId, !m_pShownPlayer->m_records.empty());
    FillGames();
    return true;
}

void CStatsDlg::FillGames()
{
    const QSignalBlocker blocker(m_pGames);
    m_pGames->clear();
    for (CGameStats* pRecord : m_pShownPlayer->ListedRecords()) {
        auto* pItem = new QListWidgetItem(pRecord->m_strStarted, m_pGames);
        pItem->setData(kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(pRecord)));
    }
}

void CStatsDlg::BuildReport(QString& strOut, const CGameStats* pRecord, bool bEditBox) const
{
    if (pRecord && m_pShownPlayer)
        CStatsReport::Build(strOut, m_pShownPlayer->m_strName, *pRecord, bEditBox);
}

void CStatsDlg::OnCommand(int nId, int nCode)
{
    switch (nId) {
    case kGamesId:
        if (nCode == LBN_SELCHANGE)
            OnSelChangeGames();
        return;
    case kPrintId:
        if (nCode == BN_CLICKED)
            OnPrint();
        return;
    case kPurgeId:
        if (nCode == BN_CLICKED)
            OnPurge();
        return;
    case kPurgeAllId:
        if (nCode == BN_CLICKED)
            OnPurgeAll();
        return;
    case kProgressId:
        if (nCode == BN_CLICKED)
            OnProgress();
        return;
    default:
        CDialog::OnCommand(nId, nCode);
    }
}

CGameStats* CStatsDlg::RecordAt(int nIndex) const
{
    const QListWidgetItem* pItem = m_pGames ? m_pGames->item(nIndex) : nullptr;
    return pItem ? reinterpret_cast<CGameStats*>(pItem->data(kRecordRole).value<quintptr>()) : nullptr;
}

CGameStats* CStatsDlg::SelectedRecord() const
{
    const QList<QListWidgetItem*> selected = m_pGames->selectedItems();
    return selected.isEmpty() ? nullptr : RecordAt(m_pGames->row(selected.first()));
}

void CStatsDlg::OnSelChangeGames()
{
    ClearReport();
    const CGameStats* pRecord = SelectedRecord();
    EnableDlgItem(kPrintId, pRecord != nullptr);
    EnableDlgItem(kPurgeId, pRecord != nullptr);
    if (!pRecord)
        return;
    QString strReport;
    BuildReport(strReport, pRecord, true);
    SetReportText(strReport);
}

void CStatsDlg::OnPrint()
{
    const CGameStats* pRecord = SelectedRecord();
    if (!pRecord)
        return;
    QString strReport;
    BuildReport(strReport, pRecord, false);
    const QString strFolder = PlayersFolder();
    if (!CStatsReport::WritePrintFile(strFolder, strReport)) {
        AfxMessageBox(QStringLiteral("Unable to write statistics!"));
        return;
    }
    const QString strPath = CStatsReport::PrintFilePath(strFolder);
    if (!CTextViewer::Open(strPath))
        AfxMessageBox(QStringLiteral("The statistics were saved in %1, but no program was found to show them.")
                          .arg(QFileInfo(strPath).absoluteFilePath()));
}

void CStatsDlg::OnPurge()
{
    const CGameStats* pRecord = SelectedRecord();
    if (!pRecord
        || !AskConfirmation(this, QStringLiteral("Are you sure you want to delete this record?")))
        return;
    {
        const QSignalBlocker blocker(m_pGames);
        delete m_pGames->takeItem(m_pGames->row(m_pGames->selectedItems().first()));
        m_pGames->clearSelection();
        m_pGames->setCurrentItem(nullptr);
    }
    m_pShownPlayer->PurgeRecord(pRecord);
    ClearReport();
    SaveShownPlayer();
    EnableDlgItem(kPurgeId, false);
    if (m_pGames->count() == 0)
        EnableDlgItem(kPurgeAllId, false);
}

void CStatsDlg::OnPurgeAll()
{
    if (!AskConfirmation(this, QStringLiteral("Are you sure you want ALL records for this player?")))
        return;
    m_pShownPlayer->PurgeAll();
    ClearReport();
    {
        const QSignalBlocker blocker(m_pGames);
        m_pGames->clear();
    }
    SaveShownPlayer();
    EnableDlgItem(kPurgeAllId, false);
    EnableDlgItem(kPurgeId, false);
}

void CStatsDlg::OnProgress()
{
    CProgressDlg dlg(this);
    dlg.m_pShownPlayer = m_pShownPlayer;
    dlg.DoModal();
}

void CStatsDlg::SetReportText(const QString& strReport)
{
    m_strReport = strReport;
    // The box shows lines; the "\r\n" pairs are the report's own line breaks.
    QString strShown = strReport;
    strShown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (strShown.endsWith(QLatin1Char('\n')))
        strShown.chop(1);
    m_pReport->setPlainText(strShown);
}

void CStatsDlg::ClearReport()
{
    SetReportText(QString());
    SetDlgItemText(kSelectedLabelId, QString());
}

void CStatsDlg::SaveShownPlayer()
{
    // Saving takes in what another game saved for this player meanwhile: the list follows.
    m_pShownPlayer->Save(PlayersFolder());
    FillGames();
}

QString CStatsDlg::PlayersFolder() const
{
    const CGameApp* pApp = CGameApp::Instance();
    return CPlayerIndex::PlayersFolder(pApp ? pApp->m_strHomeDir : QString());
}
