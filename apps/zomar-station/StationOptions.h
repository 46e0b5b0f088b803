#pragma once
// Command-line options of the station program.

#include "core/stationsetup/StationFile.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

struct StationOptions {
    QString stationFile;              // "" : the one opened last, if any
    std::optional<int> simulateSlots; // --simulate N
    bool demo = false;                // --demo: modules come and go by themselves
    QString settingsFile;             // --settings FILE
    QString error;                    // non-empty: the arguments were not understood

    static constexpr int kMostSimulated = kStationMaxSlots;
    static StationOptions parse(const QStringList &arguments);
};

} // namespace zomar
