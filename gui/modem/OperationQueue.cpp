#include "gui/modem/OperationQueue.h"

#include <QScopedValueRollback>

namespace zomar {

void OperationQueue::run(std::function<void()> operation)
{
    if (m_running) {
        m_waiting.enqueue(std::move(operation));
        return;
    }
    const QScopedValueRollback<bool> running(m_running, true);
    operation();
    while (!m_waiting.isEmpty())
        m_waiting.dequeue()();
}

} // namespace zomar
