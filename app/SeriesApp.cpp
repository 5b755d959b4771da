#include "SeriesApp.h"

#include "Player.h"
#include "PlayerFile.h"
#include "Prompts.h"

#include <QDir>

CSeriesApp::CSeriesApp() = default;

CSeriesApp::~CSeriesApp() = default;

QString CSeriesApp::SoundSettingPath() const
{
    return m_strHomeDir + QStringLiteral("data/Sound.dat");
}

bool CSeriesApp::InitInstance(const QStringList& arguments)
{
    if (!arguments.isEmpty()) {
        AfxMessageBox(QStringLiteral("Please start a saved game after startup!"));
        return false;
    }
    m_strHomeDir = QDir::currentPath() + QLatin1Char('/');
    CPlayerFile file;
    QString strLine;
    m_bSound = file.Open(SoundSettingPath(), CPlayerFile::modeRead) && file.ReadLine(strLine) &&
               strLine == QLatin1String("TRUE");
    return true;
}

int CSeriesApp::ExitInstance()
{
    CPlayerFile file;
    if (file.Open(SoundSettingPath(), CPlayerFile::modeWrite)) {
        file.WriteLine(m_bSound ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
        file.Close();
    }
    return 0;
}
