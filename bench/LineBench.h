#pragma once
// What the benchmarks of a production line share: the profile they write,
// the median of their runs, and virtual modules that zomar-sim runs in a
// process of its own (so that the modules' threads do not take the tool's
// CPU).

#include "bench/Measure.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace zomar::bench {

inline const QByteArray kLineProfile = R"({"format": "zomar-profile", "version": 1, "band": "433",
 "frequency_mhz": "434.000", "tx_power": "-9 dBm", "rf_speed": "9600 bps"})";

// The line's profile written into the folder; its path.
inline QString writeProfile(const QTemporaryDir &dir)
{
    const QString path = dir.filePath(QStringLiteral("bench.json"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(kLineProfile);
    return path;
}

// Starts `count` modules in zomar-sim (beside this program); their devices,
// fewer when it did not start them all.
inline QStringList startModules(QProcess &sim, int count)
{
    sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zomar-sim"),
              {QString::number(count), QStringLiteral("--with-parent")});
    QStringList devices;
    while (devices.size() < count && sim.waitForReadyRead(10000)) {
        while (sim.canReadLine()) {
            const QString line = QString::fromLatin1(sim.readLine()).trimmed();
            if (line != QLatin1String("ready"))
                devices << line;
        }
    }
    return devices;
}

} // namespace zomar::bench
