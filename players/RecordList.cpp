#include "RecordList.h"

#include "Prompts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBoundaryFinder>

namespace {

constexpr int kFileNameCandidates = 100;
constexpr int kLongestStem = 5;

// Characters that a file name may not hold here or on other desktop systems, and the ones the
// program has always replaced.
bool IsReplacedInStem(QChar c)
{
    static const QString kReplaced = QStringLiteral(" {}[];~`!./+=\\|:\"'?*<>");
    return kReplaced.contains(c) || c.category() == QChar::Other_Control;
}

// Boundaries between the characters a reader sees, so that no cut splits a letter from its
// accent or a character from the second half of its encoding.
QList<qsizetype> CharacterBoundaries(const QString& strText)
{
    QList<qsizetype> boundaries;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, strText);
    for (qsizetype nPos = finder.toNextBoundary(); nPos > 0; nPos = finder.toNextBoundary())
        boundaries.append(nPos);
    return boundaries;  // the end of each character
}

}  // namespace

bool CRecordList::Load(const QString&)
{
    return false;
}

bool CRecordList::Save(const QString&)
{
    return false;
}

void CRecordList::Clear()
{
    m_pCurrentStats = nullptr;
    m_records.clear();
}

QString CRecordList::FileStem(const QString& strName)
{
    QString strStem = strName;
    for (QChar& c : strStem) {
        if (IsReplacedInStem(c))
            c = QLatin1Char('_');
    }
    const QList<qsizetype> ends = CharacterBoundaries(strStem);
    qsizetype nCharacters = ends.size();
    while (nCharacters > kLongestStem)
        nCharacters -= 2;
    return nCharacters == ends.size() ? strStem : strStem.left(ends[nCharacters - 1]);
}

bool CRecordList::AssignFileName(const QString& strName, const QString& strFolder)
{
    m_strName = strName;
    const QString strStem = FileStem(strName);
    // Letter case does not tell files apart: the folder may be copied where it does not count.
    const QStringList taken = QDir(strFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                        | QDir::NoDotAndDotDot);
    for (int n = 0; n < kFileNameCandidates; ++n) {
        const QString strFileName = strStem + QString::number(n) + QStringLiteral(".ply");
        const QString strPath = strFolder + strFileName;
        const QFileInfo info(strPath);
        if (info.exists() || info.isSymLink() || taken.contains(strFileName, Qt::CaseInsensitive))
            continue;  // someone's file
        QFile file(strPath);
        // NewOnly: never empties a file that appeared meanwhile.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            file.close();
            m_strFileName = strFileName;
            return true;
        }
    }
    return false;
}

void CRecordList::SetScore(int nScore)
{
    if (nScore <= 0)
        nScore = 1;
    if (!m_pCurrentStats) {
        AfxMessageBox(QStringLiteral("No m_pCurrentStats!"));
        return;
    }
    m_pCurrentStats->m_nScore = nScore;
}
