#include "gui/timing/IntervalTimer.h"

#include <QDeadlineTimer>

namespace zomar {

namespace {
qint64 nowNs()
{
    return QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs();
}
} // namespace

IntervalTimer::IntervalTimer(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &IntervalTimer::onWake);
}

void IntervalTimer::setInterval(int msecs)
{
    if (msecs < 0)
        msecs = 0;
    if (msecs == m_interval)
        return;
    m_interval = msecs;
    rearm();
}

void IntervalTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    rearm();
}

void IntervalTimer::restart(int msecs)
{
    m_enabled = false;
    m_interval = msecs < 0 ? 0 : msecs;
    m_enabled = true;
    rearm();
}

void IntervalTimer::rearm()
{
    // Disabling leaves a pending wake in place: it finds nothing to do and
    // does not re-arm, and a quick re-enable (every received byte) costs no
    // timer registration.
    if (!isTicking())
        return;
    const qint64 intervalNs = qint64(m_interval) * 1000000;
    m_deadlineNs = nowNs() + intervalNs;
    // A wake due before the new deadline just re-arms then. One due more than
    // half an interval early is moved now instead, so that restarts coming
    // steadily (a byte every few milliseconds) do not also wake the thread in
    // between; that costs one re-arm per half interval, not one per restart.
    if (!m_timer.isActive() || m_wakeNs > m_deadlineNs || m_deadlineNs - m_wakeNs > intervalNs / 2)
        arm(m_interval);
}

void IntervalTimer::arm(int msecs)
{
    m_wakeNs = nowNs() + qint64(msecs) * 1000000;
    m_timer.start(msecs);
}

void IntervalTimer::onWake()
{
    if (!isTicking())
        return;
    const qint64 leftNs = m_deadlineNs - nowNs();
    if (leftNs > 500000) { // restarted since armed: sleep for the rest
        arm(static_cast<int>((leftNs + 999999) / 1000000));
        return;
    }
    // The next period counts from this tick; the handler may disable or restart us.
    m_deadlineNs = nowNs() + qint64(m_interval) * 1000000;
    arm(m_interval);
    emit tick();
}

} // namespace zomar
