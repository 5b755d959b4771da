#include "Player.h"

#include "Clock.h"
#include "FolderLock.h"
#include "PlayerFile.h"
#include "PlayerIndex.h"
#include "Prompts.h"

#include <QFileInfo>
#include <algorithm>

namespace {

const QString kStartBlock = QStringLiteral("Start Game Stats");
const QString kEndBlock = QStringLiteral("End Game Stats");

}  // namespace

bool CPlayer::Load(const QString& strFolder)
{
    if (!CPlayerIndex::IsPlayerFileName(m_strFileName))
        return false;
    const QString strPath = strFolder + m_strFileName;
    CPlayerFile file;
    if (!file.Open(strPath, CPlayerFile::modeRead)) {
        m_bFileUnreadable = QFileInfo::exists(strPath);
        m_strUnreadablePath = strPath;
        return false;
    }
    m_bFileUnreadable = false;
    ReadFrom(file);
    m_synced = RecordTexts(m_records);
    return true;
}

void CPlayer::ReadFrom(CPlayerFile& file)
{
    QString strLine;
    // An empty file (or an empty name line) keeps the name the index gave.
    if (file.ReadLine(strLine) && !strLine.isEmpty())
        m_strName = strLine;
    // The file's own name line is not trusted: the file is saved back where it was read from,
    // never over another player's file.
    file.ReadLine(strLine);
    ReadRecords(file, m_records);
}

bool CPlayer::WriteTo(CPlayerFile& file) const
{
    bool bOk = file.WriteLine(m_strName);
    bOk = file.WriteLine(m_strFileName) && bOk;
    for (const auto& pRecord : m_records) {
        bOk = file.WriteLine(kStartBlock) && bOk;
        bOk = pRecord->Write(&file) && bOk;
        bOk = file.WriteLine(kEndBlock) && bOk;
    }
    return bOk;
}

void CPlayer::ReadRecords(CPlayerFile& file, Records& records)
{
    QString strLine;
    while (file.ReadLine(strLine)) {
        if (strLine != kStartBlock)
            continue;
        auto pRecord = std::make_unique<CGameStats>();
        if (pRecord->Read(&file))
            records.push_back(std::move(pRecord));
    }
}

QList<QByteArray> CPlayer::RecordTexts(const Records& records)
{
    QList<QByteArray> texts;
    for (const auto& pRecord : records) {
        QByteArray bytes;
        CPlayerFile buffer;
        buffer.OpenBuffer(&bytes, CPlayerFile::modeWrite);
        pRecord->Write(&buffer);
        buffer.Close();
        texts.append(bytes);
    }
    return texts;
}

bool CPlayer::MergeWithDisk(const QString& strPath)
{
    CPlayerFile file;
    if (!file.Open(strPath, CPlayerFile::modeRead))
        return !QFileInfo::exists(strPath);  // a file deleted meanwhile is written anew, whole
    CPlayer onDisk;
    onDisk.ReadFrom(file);

    // What another game changed since this one last read or wrote the file: the records it
    // added, and those it deleted.
    QList<QByteArray> deletedThere = m_synced;
    const QList<QByteArray> diskTexts = RecordTexts(onDisk.m_records);
    Records addedThere;
    for (std::size_t i = 0; i < onDisk.m_records.size(); ++i) {
        if (!deletedThere.removeOne(diskTexts[i]))
            addedThere.push_back(std::move(onDisk.m_records[i]));
    }
    const QList<QByteArray> ownTexts = RecordTexts(m_records);
    for (std::size_t i = m_records.size(); i-- > 0;) {
        if (m_records[i].get() != m_pCurrentStats && deletedThere.removeOne(ownTexts[i]))
            m_records.erase(m_records.begin() + static_cast<std::ptrdiff_t>(i));
    }
    for (auto& pRecord : addedThere)
        m_records.push_back(std::move(pRecord));
    return true;
}

bool CPlayer::Save(const QString& strFolder)
{
    if (!CPlayerIndex::IsPlayerFileName(m_strFileName))
        return false;
    const QString strPath = strFolder + m_strFileName;
    if (m_bFileUnreadable && strPath == m_strUnreadablePath && QFileInfo::exists(strPath))
        return false;
    const CFolderLock lock(strFolder);
    if (!lock.IsLocked() || !MergeWithDisk(strPath))
        return false;
    CPlayerFile file;
    if (!file.Open(strPath, CPlayerFile::modeWrite))
        return false;
    bool bOk = WriteTo(file);
    bOk = file.Close() && bOk;
    if (bOk)
        m_synced = RecordTexts(m_records);
    return bOk;
}

void CPlayer::Clear()
{
    CRecordList::Clear();
    m_synced.clear();
}

void CPlayer::StartGame(const QString& strTitle)
{
    auto pRecord = std::make_unique<CGameStats>();
    pRecord->m_strStarted = CClock::FormatNow(kStartedFormat);
    pRecord->m_strTitle = strTitle;
    m_pCurrentStats = pRecord.get();
    m_records.push_back(std::move(pRecord));
}

void CPlayer::EndGame(const QString& strOpponent, bool bFinished, bool bNotWon)
{
    if (!m_pCurrentStats)
        return;
    const QDateTime dtNow = CClock::Now();
    m_pCurrentStats->m_bNotWon = bNotWon;
    m_pCurrentStats->m_strOpponent = strOpponent;
    m_pCurrentStats->m_bFinished = bFinished;
    m_pCurrentStats->m_strDateLine = CClock::Format(dtNow, bFinished ? kFinishedFormat : kPlayedFormat);
    m_pCurrentStats = nullptr;
}

void CPlayer::CountOnCurrent(int CGameStats::*pCounter)
{
    if (m_pCurrentStats)
        ++(m_pCurrentStats->*pCounter);
    else
        AfxMessageBox(QStringLiteral("No m_pCurrentStats!"));
}

void CPlayer::CountOptimalHint()
{
    CountOnCurrent(&CGameStats::m_nOptimalHints);
}

void CPlayer::CountOperatorHint()
{
    CountOnCurrent(&CGameStats::m_nOperatorHints);
}

void CPlayer::CountMissedMove()
{
    CountOnCurrent(&CGameStats::m_nMissedMoves);
}

void CPlayer::CountPass()
{
    CountOnCurrent(&CGameStats::m_nPasses);
}

std::vector<CGameStats*> CPlayer::ListedRecords() const
{
    std::vector<CGameStats*> listed;
    for (const auto& pRecord : m_records) {
        if (pRecord.get() != m_pCurrentStats)
            listed.push_back(pRecord.get());
    }
    return listed;
}

bool CPlayer::PurgeRecord(const CGameStats* pRecord)
{
    if (!pRecord || pRecord == m_pCurrentStats)
        return false;
    auto it = std::find_if(m_records.begin(), m_records.end(),
                           [pRecord](const auto& p) { return p.get() == pRecord; });
    if (it == m_records.end())
        return false;
    m_records.erase(it);
    return true;
}

void CPlayer::PurgeAll()
{
    std::erase_if(m_records, [this](const auto& p) { return p.get() != m_pCurrentStats; });
}
