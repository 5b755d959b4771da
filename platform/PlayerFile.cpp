#include "PlayerFile.h"

#include <QStringDecoder>

namespace {

// Files written by the original program hold single-byte text; a line that is not valid UTF-8 is
// taken as Latin-1 so that such names still read as letters.
QString DecodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString strText = utf8.decode(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return strText;
}

}  // namespace

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
    m_pWriter = std::move(pFile);
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
        m_pWriter->cancelWriting();
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
    bool bCommitted = !m_bWriteError && m_pWriter->commit();
    if (!bCommitted)
        m_pWriter->cancelWriting();
    m_pWriter.reset();
    m_bWriteError = m_bWriteError || !bCommitted;
    return bCommitted;
}
