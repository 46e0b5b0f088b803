#pragma once
// A timer with the window-timer semantics the window relies on: it ticks every
// interval while enabled, an interval of 0 never ticks, and disabling then
// enabling (or changing the interval) restarts the count.
//
// Restarting is lazy: a restart only moves the deadline, and the underlying
// timer is re-armed when it wakes early, or at the restart once it would wake
// more than half an interval early. The receive path restarts timers for
// every received byte, so this keeps that path cheap.

#include <QObject>
#include <QTimer>

namespace zomar {

class IntervalTimer : public QObject
{
    Q_OBJECT
public:
    explicit IntervalTimer(QObject *parent = nullptr);

    void setInterval(int msecs);
    int interval() const { return m_interval; }
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    // Enabled with a non-zero interval: a tick will come.
    bool isTicking() const { return m_enabled && m_interval > 0; }
    // Disable, set the interval, enable: the count starts anew.
    void restart(int msecs);

signals:
    void tick();

private:
    void rearm();
    void arm(int msecs);
    void onWake();

    QTimer m_timer;
    int m_interval = 0;
    bool m_enabled = false;
    qint64 m_deadlineNs = 0; // when the next tick is due
    qint64 m_wakeNs = 0;     // when the underlying timer wakes
};

} // namespace zomar
