#pragma once
// What the start-up benchmark and its anchors share: one monotonic clock for parent and child,
// and the spy that prints the time to a window's first paint.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
#include <cstdlib>
#include <ctime>

inline qint64 MonotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Prints the time from `nStartNs` (the parent's clock, the same monotonic clock) to the first
// paint of the window it watches, and quits.
class CFirstPaint : public QObject {
public:
    explicit CFirstPaint(qint64 nStartNs) : m_nStartNs(nStartNs) {}
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint && !m_bDone) {
            m_bDone = true;
            std::printf("%lld\n", static_cast<long long>(MonotonicNs() - m_nStartNs));
            std::fflush(stdout);
            QMetaObject::invokeMethod(qApp, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    qint64 m_nStartNs;
    bool m_bDone = false;
};
