#include "gui/timing/YieldingWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace zomar {

void yieldingWait(double seconds)
{
    QElapsedTimer clock; // monotonic: unaffected by midnight or clock changes
    clock.start();
    const qint64 limitNs = static_cast<qint64>(std::llround(seconds * 1e9));

    // A precise single-shot timer wakes the blocking event loop at the deadline.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    while (clock.nsecsElapsed() <= limitNs) {
        if (!wake.isActive()) {
            const qint64 leftNs = limitNs - clock.nsecsElapsed();
            wake.start(static_cast<int>(leftNs / 1000000 + 1));
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
}

} // namespace zomar
