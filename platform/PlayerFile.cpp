#include "PlayerFile.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <unistd.h>

namespace {

// Older player files hold single-byte text in the Windows code page; a line
// that is not valid UTF-8 is taken as that, so such names still read as letters.
QString DecodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString strText = utf8.decode(bytes);
    if (!utf8.hasError())
        return strText;
    // Windows-1252 is Latin-1 but for 0x80-0x9F, which hold letters and punctuation; the five
    // bytes it leaves undefined stay as their control characters.
    static constexpr char16_t kHighBlock[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    strText.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        strText[i] = QChar(c >= 0x80 && c < 0xA0 ? kHighBlock[c - 0x80] : c);
    }
    return strText;
}

// The name pattern of QSaveFile's temporary files: the target's name and six more characters.
const QRegularExpression& LeftoverPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    return pattern;
}

constexpr qint64 kLeftoverAgeSeconds = 60;

}  // namespace

CPlayerFile::CPlayerFile() = default;

CPlayerFile::~CPlayerFile()
{
    Close();
}

bool CPlayerFile::Open(const QString& strPath, Mode mode)
{
    Close();
    m_bWriteError = false;
    if (mode == modeRead) {
        auto pFile = std::make_unique<QFile>(strPath);
        if (!pFile->open(QIODevice::ReadOnly))
            return false;
        m_pReader = std::move(pFile);
        return true;
    }
    auto pFile = std::make_unique<QSaveFile>(strPath);
    if (!pFile->open(QIODevice::WriteOnly))
        return false;
    m_pSaveFile = pFile.get();
    m_pWriter = std::move(pFile);
    return true;
}

bool CPlayerFile::OpenBuffer(QByteArray* pBytes, Mode mode)
{
    Close();
    m_bWriteError = false;
    auto pBuffer = std::make_unique<QBuffer>(pBytes);
    // Unbuffered: the bytes are in memory already, a read buffer would only copy them.
    if (!pBuffer->open((mode == modeRead ? QIODevice::ReadOnly : QIODevice::WriteOnly) | QIODevice::Unbuffered))
        return false;
    (mode == modeRead ? m_pReader : m_pWriter) = std::move(pBuffer);
    return true;
}

bool CPlayerFile::IsOpen() const
{
    return m_pReader || m_pWriter;
}

bool CPlayerFile::ReadLine(QString& strLine)
{
    strLine.clear();
    if (!m_pReader || m_pReader->atEnd())
        return false;
    QByteArray bytes = m_pReader->readLine();  // no length limit
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    strLine = DecodeLine(bytes);
    return true;
}

bool CPlayerFile::WriteLine(const QString& strLine)
{
    // A line break inside the text would shift every following line of the file.
    QByteArray bytes = strLine.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return WriteBytes(bytes + "\r\n");
}

bool CPlayerFile::WriteString(const QString& strText)
{
    QByteArray bytes = strText.toUtf8();
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 16);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
            out += '\r';
        out += bytes[i];
    }
    return WriteBytes(out);
}

bool CPlayerFile::WriteBytes(const QByteArray& bytes)
{
    if (!m_pWriter || m_bWriteError)
        return false;
    if (m_pWriter->write(bytes) != bytes.size()) {
        m_bWriteError = true;
        return false;
    }
    return true;
}

bool CPlayerFile::Close()
{
    if (m_pReader) {
        m_pReader.reset();
        return true;
    }
    if (!m_pWriter)
        return true;
    const bool bDone = m_pSaveFile ? CommitSaveFile() : !m_bWriteError;
    m_pWriter.reset();
    m_pSaveFile = nullptr;
    m_bWriteError = m_bWriteError || !bDone;
    return bDone;
}

// QSaveFile::commit renames the file into place even when the last write, made inside it, failed
// (a full disk): so every byte is flushed and synced, and checked, before the rename.
bool CPlayerFile::CommitSaveFile()
{
    const bool bWritten = !m_bWriteError && m_pSaveFile->flush()
        && m_pSaveFile->error() == QFileDevice::NoError && ::fsync(m_pSaveFile->handle()) == 0;
    if (!bWritten) {
        m_pSaveFile->cancelWriting();  // the temporary file goes with the QSaveFile
        return false;
    }
    return m_pSaveFile->commit();
}

bool CPlayerFile::WriteWhole(const QString& strPath, const QByteArray& bytes)
{
    CPlayerFile file;
    if (!file.Open(strPath, modeWrite))
        return false;
    const bool bWritten = file.WriteBytes(bytes);
    return file.Close() && bWritten;
}

void CPlayerFile::RemoveLeftovers(const QString& strFolder)
{
    const QDir folder(strFolder);
    const QDateTime dtOld = QDateTime::currentDateTimeUtc().addSecs(-kLeftoverAgeSeconds);
    const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& info : files) {
        const QRegularExpressionMatch match = LeftoverPattern().match(info.fileName());
        if (match.hasMatch() && folder.exists(match.captured(1))
            && info.lastModified().toUTC() < dtOld)
            QFile::remove(info.filePath());
    }
}
