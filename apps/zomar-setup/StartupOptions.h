#pragma once
// Command-line options of the program.

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

struct StartupOptions {
    // --simulate[=N]: run the built-in virtual module on port N (0: the
    // port the window starts with).
    std::optional<int> simulatePort;
    // --port-map N=DEVICE, repeatable.
    QMap<int, QString> portMap;
    // --settings FILE: keep the settings in this file instead of the user's store.
    QString settingsFile;
    QString error; // non-empty: the arguments were not understood

    static StartupOptions parse(const QStringList &arguments);
};

} // namespace zomar
