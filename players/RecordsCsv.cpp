#include "RecordsCsv.h"

#include "RecordList.h"
#include "StartedTime.h"

namespace {

QString Flag(bool bFlag)
{
    return bFlag ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

QStringList GameFields(const QString& strPlayer, const CGameStats& record)
{
    return {strPlayer,
            CStartedTime::ToIso(record.m_strStarted),
            record.m_strStarted,
            record.m_strTitle,
            record.m_strOpponent,
            QString::number(record.m_nScore),
            Flag(record.m_bFinished),
            Flag(!record.m_bNotWon),
            QString::number(record.m_nOptimalHints),
            QString::number(record.m_nOperatorHints),
            QString::number(record.m_nPasses),
            QString::number(record.m_nMissedMoves)};
}

} // namespace

CRecordsCsv::CRecordsCsv()
{
    AddRow(Header());
}

const QStringList& CRecordsCsv::Header()
{
    static const QStringList header = {
        QStringLiteral("Player"),        QStringLiteral("Started"),
        QStringLiteral("Started (as recorded)"), QStringLiteral("Settings"),
        QStringLiteral("Opponent"),      QStringLiteral("Score"),
        QStringLiteral("Finished"),      QStringLiteral("Won"),
        QStringLiteral("Optimal hints"), QStringLiteral("Operator hints"),
        QStringLiteral("Passes"),        QStringLiteral("Missed moves")};
    return header;
}

void CRecordsCsv::AddPlayer(const CRecordList& player)
{
    for (const auto& pRecord : player.m_records) {
        AddRow(GameFields(player.m_strName, *pRecord));
        ++m_nGames;
    }
}

QString CRecordsCsv::Field(const QString& strText)
{
    const bool bQuote = strText.contains(QLatin1Char(',')) || strText.contains(QLatin1Char('"'))
        || strText.contains(QLatin1Char('\n')) || strText.contains(QLatin1Char('\r'))
        || strText != strText.trimmed();
    if (!bQuote)
        return strText;
    QString strQuoted = strText;
    strQuoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + strQuoted + QLatin1Char('"');
}

void CRecordsCsv::AddRow(const QStringList& fields)
{
    QStringList quoted;
    for (const QString& strField : fields)
        quoted << Field(strField);
    m_strText += quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
}
