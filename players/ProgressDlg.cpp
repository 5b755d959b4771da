#include "ProgressDlg.h"

#include "Player.h"
#include "PlayerFile.h"
#include "ProgressChart.h"
#include "Prompts.h"
#include "Resources.h"
#include "SaveDialog.h"

#include <QBuffer>
#include <QDir>
#include <QPixmap>

CProgressDlg::CProgressDlg(QWidget* pParent) : CDialog(GetDialogTemplate(145), pParent)
{
}

QWidget* CProgressDlg::CreateControl(const ControlTemplate& ctl)
{
    if (ctl.nId != kChartId)
        return nullptr;
    m_pChart = new CProgressChart;
    return m_pChart;
}

bool CProgressDlg::OnInitDialog()
{
    if (!m_pShownPlayer) {
        EndDialog(IDCANCEL);
        return true;
    }
    const QString& strName = m_pShownPlayer->m_strName;
    setWindowTitle(QStringLiteral("Progress of %1").arg(strName));
    const std::vector<CGameStats*> games = m_pShownPlayer->ListedRecords();
    if (games.empty())
        ShowNote(QStringLiteral("%1 has no games to chart yet.").arg(strName));
    else if (games.size() == 1)
        ShowNote(QStringLiteral("%1 has played one game so far. The chart starts with the second.")
                     .arg(strName));
    else
        m_pChart->ShowGames(strName, games);
    return true;
}

void CProgressDlg::ShowNote(const QString& strNote)
{
    ShowDlgItem(kChartId, false);
    SetDlgItemText(kNoteId, strNote);
    ShowDlgItem(kNoteId, true);
    EnableDlgItem(kSavePictureId, false);
}

void CProgressDlg::OnCommand(int nId, int nCode)
{
    if (nId == kSavePictureId && nCode == BN_CLICKED)
        OnSavePicture();
    else
        CDialog::OnCommand(nId, nCode);
}

void CProgressDlg::OnSavePicture()
{
    QString strFileName = QStringLiteral("%1 progress.png").arg(m_pShownPlayer->m_strName);
    strFileName.replace(QLatin1Char('/'), QLatin1Char('_'));
    const QString strPath = CSaveDialog::GetSaveFileName(
        this, QStringLiteral("Save Picture"), CSaveDialog::InDocuments(strFileName),
        QStringLiteral("PNG pictures (*.png)"), QStringLiteral("png"));
    if (strPath.isEmpty())
        return;
    if (!SavePicture(strPath))
        MessageBox(this, QStringLiteral("Unable to save the picture in %1.")
                             .arg(QDir::toNativeSeparators(strPath)),
                   QStringLiteral("Save Picture"));
}

// Written whole or not at all, as every file of the program.
bool CProgressDlg::SavePicture(const QString& strPath) const
{
    QByteArray png;
    QBuffer buffer(&png);
    return buffer.open(QIODevice::WriteOnly) && m_pChart->grab().save(&buffer, "PNG")
        && CPlayerFile::WriteWhole(strPath, png);
}
