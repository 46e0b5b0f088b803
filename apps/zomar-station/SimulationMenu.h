#pragma once
// The Simulation menu of a station on virtual slots: plug a module into a
// slot or pull it out (sound, or with a fault chosen for the next one), and
// the demonstration that does it by itself.

class QMainWindow;

namespace zomar {

class SimulatedStation;

void addSimulationMenu(QMainWindow &window, SimulatedStation &simulation);

} // namespace zomar
