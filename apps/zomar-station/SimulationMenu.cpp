#include "apps/zomar-station/SimulationMenu.h"

#include "apps/zomar-station/SimulatedStation.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenuBar>

#include <memory>

namespace zomar {

void addSimulationMenu(QMainWindow &window, SimulatedStation &simulation)
{
    QMenu *menu = window.menuBar()->addMenu(QCoreApplication::translate("zomar::SimulationMenu", "Si&mulation"));
    SlotRack &rack = simulation.rack();
    SlotDemo &demo = simulation.demo();

    QAction *cycle = menu->addAction(QCoreApplication::translate("zomar::SimulationMenu", "&Demo: modules come and go"));
    cycle->setCheckable(true);
    cycle->setChecked(demo.running());
    cycle->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    QObject::connect(cycle, &QAction::toggled, &demo,
                     [&demo](bool on) { on ? demo.start() : demo.stop(); });

    QMenu *next = menu->addMenu(QCoreApplication::translate("zomar::SimulationMenu", "&Next module plugged in"));
    auto *faults = new QActionGroup(next);
    auto fault = std::make_shared<SlotRack::Fault>(SlotRack::Fault::None);
    for (SlotRack::Fault f : SlotRack::faults()) {
        QAction *a = next->addAction(SlotRack::faultName(f));
        a->setCheckable(true);
        a->setChecked(f == SlotRack::Fault::None);
        faults->addAction(a);
        QObject::connect(a, &QAction::triggered, next, [fault, f] { *fault = f; });
    }

    menu->addSeparator();
    QList<QAction *> sockets;
    for (int i = 0; i < rack.count(); ++i) {
        QAction *a = menu->addAction(QCoreApplication::translate("zomar::SimulationMenu", "Module in slot &%1").arg(i + 1));
        a->setCheckable(true);
        if (i < 9)
            a->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
        QObject::connect(a, &QAction::triggered, menu, [&rack, fault, i](bool on) {
            if (on)
                rack.plug(i, *fault);
            else
                rack.unplug(i);
        });
        sockets << a;
    }
    QObject::connect(&demo, &SlotDemo::plugged, menu,
                     [sockets](int slot) { sockets.at(slot)->setChecked(true); });
    QObject::connect(&demo, &SlotDemo::unplugged, menu,
                     [sockets](int slot) { sockets.at(slot)->setChecked(false); });
}

} // namespace zomar
