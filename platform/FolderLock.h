#pragma once

#include <QLockFile>
#include <QString>

// Holds the lock of a folder that two running games may share (one players folder on a school
// drive, or the game started twice), so that each read-modify-write of its files is done whole
// before another starts. A lock left by a game that crashed is taken over.
class CFolderLock {
public:
    explicit CFolderLock(const QString& strFolder);
    CFolderLock(const CFolderLock&) = delete;
    CFolderLock& operator=(const CFolderLock&) = delete;

    // False when the lock could not be had (a read-only folder, or another game holding it for
    // longer than any save takes): the caller then writes nothing.
    bool IsLocked() const { return m_bLocked; }

    // The lock file's name inside the folder.
    static QString LockFileName();

private:
    QLockFile m_lock;
    bool m_bLocked = false;
};
