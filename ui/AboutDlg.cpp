#include "AboutDlg.h"

#include "DibStatic.h"
#include "PlayerFile.h"
#include "Prompts.h"
#include "Sound.h"

CAboutDlg::CAboutDlg(QWidget* pParent)
    : CScaledDialog(kTemplateId, pParent), m_pPicture(new CDibStatic(this))
{
    // The picture is loaded before the controls exist; the template places it when they are built.
    m_pPicture->hide();
}

CAboutDlg::~CAboutDlg() = default;

bool CAboutDlg::SetData(const QString* pImagePath, const QString* pDataPath, bool bSound)
{
    if (pImagePath) {
        if (!m_pPicture->LoadDib(*pImagePath))
            return false;
    } else {
        AfxMessageBox(QStringLiteral("No image path given!\nThis could only be caused by human error."));
    }
    m_bSound = bSound;
    if (pDataPath)
        ReadAboutText(*pDataPath);
    else
        AfxMessageBox(QStringLiteral("No data path given!\nThis could only be caused by human error."));
    return true;
}

void CAboutDlg::ReadAboutText(const QString& strDataPath)
{
    CPlayerFile file;
    if (!file.Open(strDataPath, CPlayerFile::modeRead)) {
        AfxMessageBox(QStringLiteral("Missing about box data!\nPlease reinstall Cogwhistle."));
        return;
    }
    // A line the file does not have reads as empty.
    file.ReadLine(m_strPlatform);
    file.ReadLine(m_strYearText);
    file.ReadLine(m_strVersion);
}

QWidget* CAboutDlg::CreateControl(const ControlTemplate& ctl)
{
    if (ctl.nId == kPictureId)
        return m_pPicture;  // shown as it takes its place
    return CScaledDialog::CreateControl(ctl);
}

bool CAboutDlg::OnInitDialog()
{
    CScaledDialog::OnInitDialog();
    setWindowFlag(Qt::WindowStaysOnTopHint);
    SetDlgItemText(kPlatformId, m_strPlatform);
    SetDlgItemText(kYearId, m_strYearText);
    SetDlgItemText(kVersionId, m_strVersion);
    if (m_bSound && !m_strWave.isEmpty())
        sndPlaySound(m_strWave, SND_ASYNC);
    return true;
}
