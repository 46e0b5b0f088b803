#include "gui/modem/OperationQueue.h"

#include "core/protocol/CommandTiming.h"
#include "core/timing/YieldingWait.h"

#include <QElapsedTimer>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>

namespace zomar {

void OperationQueue::run(std::function<void()> operation)
{
    if (m_running) {
        m_waiting.enqueue(std::move(operation));
        return;
    }
    const QScopedValueRollback<bool> running(m_running, true);
    operation();
    while (!m_waiting.isEmpty()) {
        waitForQuietLine();
        // The window may have closed meanwhile and dropped the waiting ones.
        if (m_waiting.isEmpty())
            break;
        m_waiting.dequeue()();
    }
}

bool OperationQueue::hold(bool on)
{
    if (on) {
        if (m_running)
            return false;
        m_running = true;
        return true;
    }
    m_running = false;
    if (m_waiting.isEmpty())
        return true;
    QTimer::singleShot(0, [this, alive = std::weak_ptr<bool>(m_alive)] {
        if (!alive.expired() && !m_running && !m_waiting.isEmpty())
            run(m_waiting.dequeue());
    });
    return true;
}

void OperationQueue::waitForQuietLine()
{
    if (!m_quietForMs)
        return;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const qint64 quiet = m_quietForMs();
        const qint64 left = kQueueGuardLimitMs - waited.elapsed();
        if (quiet >= kQueueGuardMs || left <= 0)
            return;
        yieldingWait(static_cast<double>(std::min(kQueueGuardMs - quiet, left)) / 1000.0);
    }
}

} // namespace zomar
