#include "sim/SlotDemo.h"

#include <QRandomGenerator>

namespace zomar {

SlotDemo::SlotDemo(SlotRack &rack, QObject *parent) : QObject(parent), m_rack(rack)
{
    for (int i = 0; i < rack.count(); ++i) {
        auto *timer = new QTimer(this);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, i] { step(i); });
        m_timers.push_back(timer);
    }
}

SlotRack::Fault SlotDemo::faultOf(int n)
{
    // About one module in six fails, each way in turn.
    switch (n % 18) {
    case 5:
        return SlotRack::Fault::Silent;
    case 11:
        return SlotRack::Fault::Mismatch;
    case 16:
        return SlotRack::Fault::Pulled;
    default:
        return SlotRack::Fault::None;
    }
}

void SlotDemo::start()
{
    m_running = true;
    // The sockets start staggered, as hands on a line would fill them.
    for (size_t i = 0; i < m_timers.size(); ++i)
        m_timers[i]->start(300 + int(i) * 400);
}

void SlotDemo::stop()
{
    m_running = false;
    for (QTimer *timer : m_timers)
        timer->stop();
}

void SlotDemo::step(int slot)
{
    if (!m_running)
        return;
    const int jitter = int(QRandomGenerator::global()->bounded(1500));
    if (m_rack.plugged(slot)) {
        m_rack.unplug(slot);
        emit unplugged(slot);
        m_timers[size_t(slot)]->start(kEmptyMs + jitter / 2);
        return;
    }
    const SlotRack::Fault fault = faultOf(m_plugs++);
    if (m_rack.plug(slot, fault))
        emit plugged(slot, fault);
    m_timers[size_t(slot)]->start(kDwellMs + jitter);
}

} // namespace zomar
