#include "FolderLock.h"

namespace {

// A save holds the lock for milliseconds; waiting longer than this means something is wrong.
constexpr int kWaitMs = 10000;

}  // namespace

CFolderLock::CFolderLock(const QString& strFolder) : m_lock(strFolder + LockFileName())
{
    m_bLocked = m_lock.tryLock(kWaitMs);
}

QString CFolderLock::LockFileName()
{
    return QStringLiteral("data.lock");
}
