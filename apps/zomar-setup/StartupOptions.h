#pragma once
// Command-line options of the program.

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

struct StartupOptions {
    // --simulate [N]: N built-in virtual modules on one simulated radio,
    // the first on the port the window starts with, the others on the port
    // numbers after it.
    std::optional<int> simulateCount;
    static constexpr int kMostSimulated = 15; // one per port of the list
    // --port-map N=DEVICE, repeatable.
    QMap<int, QString> portMap;
    // --settings FILE: keep the settings in this file instead of the user's store.
    QString settingsFile;
    QString error; // non-empty: the arguments were not understood

    static StartupOptions parse(const QStringList &arguments);
    // The port numbers of `count` virtual modules when the window starts on
    // `first`: from it on, past the list's last number back to 1.
    static QList<int> simulatedPorts(int first, int count);
};

} // namespace zomar
