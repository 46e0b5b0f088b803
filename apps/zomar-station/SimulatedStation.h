#pragma once
// A station on virtual slots (--simulate N): a rack of simulated sockets, a
// temporary folder with the station file, a sample profile when none is
// given, and a temporary record, so that trying the station takes no address
// of the real line.

#include "sim/SlotDemo.h"
#include "sim/SlotRack.h"

#include <QTemporaryDir>

namespace zomar {

class SimulatedStation
{
public:
    explicit SimulatedStation(int count);

    // Writes the simulation's station file: the profile, addresses, name and
    // PIN of stationFile (or a sample), the rack's slots, a temporary record.
    // Its path, or "" with error set.
    QString prepare(const QString &stationFile, QString *error);

    QString folder() const { return m_dir.path(); }
    SlotRack &rack() { return m_rack; }
    SlotDemo &demo() { return m_demo; }

private:
    QTemporaryDir m_dir;
    SlotRack m_rack;
    SlotDemo m_demo;
};

} // namespace zomar
