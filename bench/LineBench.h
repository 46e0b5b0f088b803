#pragma once
// What the benchmarks of a production line share: the profile they write,
// the median of their runs, and virtual modules that zomar-sim runs in a
// process of its own (so that the modules' threads do not take the tool's
// CPU).

#include "bench/Measure.h"
#include "core/fleet/ProductionStore.h"
#include "tests/support/PgCluster.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

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

// Stations side by side, each a zomar-cli program (at `cli`) over its
// `modules` of the devices, named PREFIX-0, PREFIX-1, ...: the wall time
// until the last ends (seconds), or -1 when one failed.
inline double programStations(const QString &cli, const QString &profile, const QString &store,
                              const QStringList &devices, int stations, int modules,
                              const QString &prefix, const QString &from)
{
    QElapsedTimer t;
    t.start();
    std::vector<std::unique_ptr<QProcess>> runs;
    for (int s = 0; s < stations; ++s) {
        QStringList args{"program", "--profile", profile, "--local-from", from, "--store",
                         store, "--station", QStringLiteral("%1-%2").arg(prefix).arg(s)};
        for (int m = 0; m < modules; ++m)
            args << "--device" << devices.at(s * modules + m);
        runs.push_back(std::make_unique<QProcess>());
        runs.back()->start(cli, args);
    }
    bool ok = true;
    for (auto &p : runs) {
        const bool done = p->waitForFinished(180000) && p->exitCode() == 0;
        if (!done)
            std::fprintf(stderr, "%s%s", p->readAllStandardOutput().constData(),
                         p->readAllStandardError().constData());
        ok = done && ok;
    }
    return ok ? double(t.nsecsElapsed()) / 1e9 : -1;
}

// A throwaway PostgreSQL server with the line's record made in database
// "line" (role "line", password in PGPASSWORD); its address.
inline bool startLineServer(test::PgCluster &pg, QString *store)
{
    if (!pg.start() || !pg.addOwner(QStringLiteral("line"), QStringLiteral("bench"))) {
        std::fprintf(stderr, "%s\n", qPrintable(pg.error()));
        return false;
    }
    qputenv("PGPASSWORD", "bench");
    *store = pg.uri(QStringLiteral("line"), QStringLiteral("line"));
    QString error;
    if (!ProductionStore::open(*store, ProductionStore::Mode::Init, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    return true;
}

} // namespace zomar::bench
