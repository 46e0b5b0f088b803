#include "gui/modem/OperationQueue.h"

#include "core/protocol/CommandTiming.h"
#include "gui/timing/YieldingWait.h"

#include <QElapsedTimer>
#include <QScopedValueRollback>

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

void OperationQueue::waitForQuietLine()
{
    if (!m_quietForMs)
        return;
    QElapsedTimer waited;
    waited.start();
    while (const qint64 wait = quietLineWaitMs(m_quietForMs(), waited.elapsed()))
        yieldingWait(static_cast<double>(wait) / 1000.0);
}

} // namespace zomar
