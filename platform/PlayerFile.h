#pragma once

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <memory>

// The program's text file. Reads lines ending in LF or CR LF, of any length, as UTF-8; writes
// lines ending in CR LF. A file opened for writing goes to a temporary file that replaces the old
// one only when Close succeeds, so a crash or a full disk never leaves half a file behind.
class CPlayerFile {
public:
    enum Mode { modeRead, modeWrite };

    CPlayerFile() = default;
    // Closes the file; a file being written is put in place only if nothing went wrong.
    virtual ~CPlayerFile();
    CPlayerFile(const CPlayerFile&) = delete;
    CPlayerFile& operator=(const CPlayerFile&) = delete;

    // Opens `strPath` for reading, or for writing (the old contents are replaced on Close).
    bool Open(const QString& strPath, Mode mode);
    bool IsOpen() const;
    bool IsWriting() const { return m_pWriter != nullptr; }

    // Reads the next line without its line end. False at the end of the file, with `strLine` empty.
    virtual bool ReadLine(QString& strLine);

    // Writes `strLine` followed by CR LF; a CR or LF inside it is written as a space.
    bool WriteLine(const QString& strLine);
    // Writes text whose lines end in "\n" (or "\r\n"); every line end goes to disk as CR LF.
    bool WriteString(const QString& strText);

    // Closes the file. For writing: true only when every byte reached the disk and the file
    // replaced the old one; otherwise the old file is left as it was.
    bool Close();
    // True once a write has failed; Close will then report failure.
    bool HasWriteError() const { return m_bWriteError; }

private:
    bool WriteBytes(const QByteArray& bytes);

    std::unique_ptr<QFile> m_pReader;
    std::unique_ptr<QSaveFile> m_pWriter;
    bool m_bWriteError = false;
};
