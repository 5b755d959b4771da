#include "StatsRecord.h"

#include "Clock.h"
#include "PlayerFile.h"

#include <limits>

CStatsRecord::CStatsRecord()
{
    CStatsRecord::Reset();
    m_nTimesPlayed = 0;
}

void CStatsRecord::Reset()
{
    m_strTitle.clear();
    m_strStarted.clear();
    m_strDateLine.clear();
    m_strNote.clear();
    m_bFinished = false;
    m_nScore = 1;
}

void CStatsRecord::Describe(QString& strOut, bool bEditBox) const
{
    const QString strNL = LineBreak(bEditBox);
    if (m_nTimesPlayed != 0)
        strOut += QStringLiteral("Number of times game played: ") + QString::number(m_nTimesPlayed) + strNL;
    strOut += m_strDateLine + strNL + strNL;
    strOut += QStringLiteral("Score: ") + QString::number(m_nScore) + strNL;
}

bool CStatsRecord::Read(CPlayerFile* pFile)
{
    m_strTitle = ReadText(pFile);
    m_strStarted = ReadText(pFile);
    m_strDateLine = ReadText(pFile);
    m_strNote = ReadText(pFile);
    m_bFinished = ReadFlag(pFile);
    m_nTimesPlayed = ReadInt(pFile);
    m_nScore = ReadInt(pFile);
    return true;
}

bool CStatsRecord::Write(CPlayerFile* pFile)
{
    if (m_strDateLine.isEmpty())
        m_strDateLine = CClock::FormatNow(kLastPlayedFormat);
    bool bOk = pFile->WriteLine(m_strTitle);
    bOk = pFile->WriteLine(m_strStarted.isEmpty() ? m_strTitle : m_strStarted) && bOk;
    bOk = pFile->WriteLine(m_strDateLine) && bOk;
    bOk = pFile->WriteLine(m_strNote) && bOk;
    bOk = WriteFlag(pFile, m_bFinished) && bOk;
    bOk = WriteInt(pFile, m_nTimesPlayed) && bOk;
    bOk = WriteInt(pFile, m_nScore) && bOk;
    return bOk;
}

QString CStatsRecord::LineBreak(bool bEditBox)
{
    return bEditBox ? QStringLiteral("\r\n") : QStringLiteral("\n");
}

QString CStatsRecord::ReadText(CPlayerFile* pFile)
{
    QString strLine;
    pFile->ReadLine(strLine);
    return strLine;
}

int CStatsRecord::ReadInt(CPlayerFile* pFile)
{
    return ParseInt(ReadText(pFile));
}

bool CStatsRecord::ReadFlag(CPlayerFile* pFile)
{
    return ReadText(pFile) != QStringLiteral("FALSE");
}

bool CStatsRecord::WriteFlag(CPlayerFile* pFile, bool bFlag)
{
    return pFile->WriteLine(bFlag ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
}

bool CStatsRecord::WriteInt(CPlayerFile* pFile, int nValue)
{
    return pFile->WriteLine(QString::number(nValue));
}

int CStatsRecord::ParseInt(const QString& strLine)
{
    qsizetype i = 0;
    const qsizetype nSize = strLine.size();
    auto isSpace = [](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
    };
    while (i < nSize && isSpace(strLine[i]))
        ++i;
    bool bNegative = false;
    if (i < nSize && (strLine[i] == u'-' || strLine[i] == u'+')) {
        bNegative = strLine[i] == u'-';
        ++i;
    }
    constexpr long long kMax = std::numeric_limits<int>::max();
    constexpr long long kMin = std::numeric_limits<int>::min();
    long long nValue = 0;
    for (; i < nSize && strLine[i] >= u'0' && strLine[i] <= u'9'; ++i) {
        nValue = nValue * 10 + (strLine[i].unicode() - u'0');
        if (nValue > kMax + 1)
            nValue = kMax + 1;  // held here; the sign decides where it ends
    }
    if (bNegative)
        return static_cast<int>(-nValue < kMin ? kMin : -nValue);
    return static_cast<int>(nValue > kMax ? kMax : nValue);
}
