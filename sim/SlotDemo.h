#pragma once
// A demonstration for a station without hardware: modules are plugged into
// the sockets of a rack one after another, left in for a few seconds (long
// enough to be programmed and read), unplugged, and replaced; now and then
// one is silent, faulty or pulled out while it is written.

#include "sim/SlotRack.h"

#include <QObject>
#include <QTimer>

#include <vector>

namespace zomar {

class SlotDemo : public QObject
{
    Q_OBJECT
public:
    explicit SlotDemo(SlotRack &rack, QObject *parent = nullptr);

    void start();
    void stop();
    bool running() const { return m_running; }

    // How long a module stays in, and a socket stays empty.
    static constexpr int kDwellMs = 4500;
    static constexpr int kEmptyMs = 1500;

    // The fault of the n-th module plugged (0-based): mostly none.
    static SlotRack::Fault faultOf(int n);

signals:
    void plugged(int slot, zomar::SlotRack::Fault fault);
    void unplugged(int slot);

private:
    void step(int slot);

    SlotRack &m_rack;
    std::vector<QTimer *> m_timers;
    int m_plugs = 0;
    bool m_running = false;
};

} // namespace zomar
