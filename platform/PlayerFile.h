#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>

class QSaveFile;

// The program's text file. Reads lines ending in LF or CR LF, of any length, as UTF-8; writes
// lines ending in CR LF. A file opened for writing goes to a temporary file that replaces the old
// one only when Close has flushed and synced every byte, so a crash or a full disk never leaves
// half a file behind and never replaces a good file with a short one.
class CPlayerFile {
public:
    enum Mode { modeRead, modeWrite };

    CPlayerFile();
    // Closes the file; a file being written is put in place only if nothing went wrong.
    virtual ~CPlayerFile();
    CPlayerFile(const CPlayerFile&) = delete;
    CPlayerFile& operator=(const CPlayerFile&) = delete;

    // Opens `strPath` for reading, or for writing (the old contents are replaced on Close).
    bool Open(const QString& strPath, Mode mode);
    // Reads from, or writes to, `pBytes` in memory instead of a file.
    bool OpenBuffer(QByteArray* pBytes, Mode mode);
    bool IsOpen() const;

    // Reads the next line without its line end. False at the end of the file, with `strLine` empty.
    virtual bool ReadLine(QString& strLine);

    // Writes `strLine` followed by CR LF; a CR or LF inside it is written as a space.
    bool WriteLine(const QString& strLine);
    // Writes text whose lines end in "\n" (or "\r\n"); every line end goes to disk as CR LF.
    bool WriteString(const QString& strText);
    // Writes bytes as they are (lines kept byte for byte from another file).
    bool WriteBytes(const QByteArray& bytes);

    // Closes the file. For writing: true only when every byte reached the disk and the file
    // replaced the old one; otherwise the old file is left as it was, byte for byte.
    bool Close();
    // True once a write has failed; Close will then report failure.
    bool HasWriteError() const { return m_bWriteError; }

    // Writes `bytes` as the whole of `strPath`, in place of what it held, or leaves it as it was.
    static bool WriteWhole(const QString& strPath, const QByteArray& bytes);

    // Removes what saves killed part-way left in `strFolder`: files named like our temporary
    // files ("<name>.XXXXXX" beside an existing "<name>"), untouched for over a minute.
    static void RemoveLeftovers(const QString& strFolder);

private:
    bool CommitSaveFile();

    std::unique_ptr<QIODevice> m_pReader;
    std::unique_ptr<QIODevice> m_pWriter;
    QSaveFile* m_pSaveFile = nullptr;  // m_pWriter when it writes a file on disk
    bool m_bWriteError = false;
};
