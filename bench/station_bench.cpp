// What a line of several stations on one PostgreSQL server costs, against a
// throwaway server (initdb in a temporary folder, as the tests make it) and
// virtual modules that zomar-sim runs in a process of its own:
//
// 1. 4 stations (zomar-cli processes) x 16 modules at once against 1 station
//    x 16 modules, in turns. Goal: the four take at most 1.1 times the one.
// 2. 1 station x 16 modules plugged at once, the server reached through a
//    proxy, with the network cut silently (the proxy stops forwarding) just
//    before against not: the time to the 16th PASS. Goal: at most 1.1 times
//    (no module waits on the server).
// 3. 4 station processes allocating 1,000 addresses each through leases (a
//    unit reserved, then settled, each committed to the station's journal;
//    leases of 32 from the server; the journal forwarded by the station's
//    link). Allocations per second over all four, and a check on the server
//    that they are distinct. Goal: at least 200/s.
//
//   station_bench [ROUNDS]      (default 3)
//   station_bench --allocate N --station NAME --store URL   (one allocating station)

#include "bench/LineBench.h"
#include "core/fleet/ProductionRun.h"
#include "core/fleet/StationRecord.h"
#include "core/profiles/Profile.h"
#include "tests/support/CutProxy.h"
#include "tests/support/PgCluster.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>

using namespace zomar;

namespace {

constexpr int kModules = 16;
constexpr int kStations = 4;
constexpr int kAllocations = 1000;

using bench::median;

// One station in station mode through the proxy: the time from a tray
// plugged in at once to its last PASS, with the network cut just before or
// not. Seconds, or -1 when the tray did not pass.
double trayThroughProxy(const QString &profile, test::CutProxy &proxy, const QStringList &devices,
                        bool cut, int round, const QTemporaryDir &dir)
{
    const QString hub = dir.filePath(QStringLiteral("hub-%1").arg(round));
    QDir().mkpath(hub);
    QProcess station;
    station.start(QStringLiteral(ZOMAR_CLI),
                  {"program", "--profile", profile, "--local-from", "40000", "--store",
                   QStringLiteral("postgresql://line@127.0.0.1:%1/line?connect_timeout=2")
                       .arg(proxy.port()),
                   "--station", QStringLiteral("cut-%1").arg(round), "--wait", "--watch", hub,
                   "--lease", "64"});
    QByteArray out;
    const auto waitFor = [&](const std::function<bool()> &done) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < 60000) {
            station.waitForReadyRead(50);
            out += station.readAllStandardOutput();
        }
        return done();
    };
    double seconds = -1;
    if (waitFor([&] { return out.contains("Station ready"); })) {
        if (cut)
            proxy.cut();
        QElapsedTimer t;
        t.start();
        for (int m = 0; m < kModules; ++m)
            QFile::link(devices.at(m), hub + QStringLiteral("/m%1").arg(m));
        if (waitFor([&] { return out.count("PASS  ") >= kModules; }))
            seconds = double(t.nsecsElapsed()) / 1e9;
    }
    proxy.restore();
    ::kill(pid_t(station.processId()), SIGINT);
    station.waitForFinished(60000);
    return seconds;
}

// One station allocating `count` addresses through its leases, one after
// the other: a unit reserved (committed to its journal), then settled.
int allocate(const QString &server, const QString &station, int count)
{
    QString error;
    auto store = ProductionStore::open(server, ProductionStore::Mode::Existing, &error);
    if (!store) {
        std::fprintf(stderr, "station_bench: %s\n", qPrintable(error));
        return 2;
    }
    StationRecord record;
    error = record.open({server, station, StationRecord::kDefaultLease,
                         ProductionStore::kDefaultBusyTimeoutMs});
    RunContext context;
    context.station = station;
    context.runId = store->beginRun(RunIdentity::current(), "station_bench", station).runId;
    Profile profile;
    profile.channel = 1601;
    context.poolId = store->openPool(PoolKey::of(profile, 0x20000, 1), {}, {}, &error);
    if (error.isEmpty())
        error = record.begin(context);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "station_bench: %s\n", qPrintable(error));
        return 2;
    }
    QEventLoop loop;
    int done = 0;
    std::function<void()> next = [&] {
        if (done == count) {
            loop.quit();
            return;
        }
        record.reserve(UnitStart{{QStringLiteral("bench"), {}, {}, {}}}, &loop,
                       [&](const Reservation &r) {
                           if (!r.error.isEmpty() || !r.local) {
                               error = r.error.isEmpty() ? QStringLiteral("no address") : r.error;
                               loop.quit();
                               return;
                           }
                           UnitSettlement s;
                           s.unitId = r.unitId;
                           s.pass = s.packetSent = true;
                           s.local = r.local;
                           record.settle(s, &loop, [&](const QString &why) {
                               error = why;
                               ++done;
                               if (error.isEmpty())
                                   next();
                               else
                                   loop.quit();
                           });
                       });
    };
    next();
    loop.exec();
    if (error.isEmpty())
        error = record.close();
    if (!error.isEmpty())
        std::fprintf(stderr, "station_bench: %s\n", qPrintable(error));
    return error.isEmpty() ? 0 : 2;
}

// A server of its own, with a role and its database, the record made.
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 7 && args.at(1) == QLatin1String("--allocate"))
        return allocate(args.at(6), args.at(4), args.at(2).toInt());
    const int rounds = args.size() > 1 ? std::max(1, args.at(1).toInt()) : 3;

    test::PgCluster pg;
    QString store;
    if (!bench::startLineServer(pg, &store))
        return 2;
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    const QString profile = bench::writeProfile(dir);
    QProcess sim;
    const QStringList devices = bench::startModules(sim, kStations * kModules);
    if (devices.size() != kStations * kModules) {
        std::fprintf(stderr, "station_bench: zomar-sim did not start %d modules\n",
                     kStations * kModules);
        return 2;
    }
    std::vector<double> one, four;
    for (int i = 0; i < rounds; ++i) {
        one.push_back(bench::programStations(ZOMAR_CLI, profile, store, devices, 1, kModules,
                                             QStringLiteral("bench-%1").arg(2 * i), "10000"));
        four.push_back(bench::programStations(ZOMAR_CLI, profile, store, devices, kStations,
                                              kModules,
                                              QStringLiteral("bench-%1").arg(2 * i + 1),
                                              "10000"));
        if (one.back() < 0 || four.back() < 0) {
            std::fprintf(stderr, "station_bench: a run failed\n");
            return 2;
        }
    }
    const double o = median(one), m = median(four), ratio = m / o;
    std::printf("program: 1 station x %d modules %.3f s, %d stations x %d modules %.3f s (median "
                "of %d)  ratio %.2f   goal <= 1.10  %s\n",
                kModules, o, kStations, kModules, m, rounds, ratio, ratio <= 1.1 ? "PASS" : "FAIL");
    test::CutProxy proxy(pg.socketDir() + QStringLiteral("/.s.PGSQL.5432"));
    std::vector<double> online, cut;
    for (int i = 0; i < rounds; ++i) {
        online.push_back(trayThroughProxy(profile, proxy, devices, false, 2 * i, dir));
        cut.push_back(trayThroughProxy(profile, proxy, devices, true, 2 * i + 1, dir));
        if (online.back() < 0 || cut.back() < 0) {
            std::fprintf(stderr, "station_bench: a tray through the proxy failed\n");
            return 2;
        }
    }
    const double on = median(online), off = median(cut), cutRatio = off / on;
    std::printf("a tray of %d: online %.3f s, network cut %.3f s (median of %d)  ratio %.2f   "
                "goal <= 1.10  %s\n",
                kModules, on, off, rounds, cutRatio, cutRatio <= 1.1 ? "PASS" : "FAIL");
    sim.terminate();
    sim.waitForFinished();

    std::vector<std::unique_ptr<QProcess>> children;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kStations; ++i) {
        children.push_back(std::make_unique<QProcess>());
        children.back()->setProcessChannelMode(QProcess::ForwardedChannels);
        children.back()->start(QCoreApplication::applicationFilePath(),
                               {QStringLiteral("--allocate"), QString::number(kAllocations),
                                QStringLiteral("--station"), QStringLiteral("alloc-%1").arg(i),
                                QStringLiteral("--store"), store});
    }
    bool ok = true;
    for (auto &child : children)
        ok = child->waitForFinished(300000) && child->exitCode() == 0 && ok;
    const double wall = double(t.nsecsElapsed()) / 1e9;
    int distinct = 0, rows = 0;
    {
        QString error;
        auto check = ProductionStore::open(store, ProductionStore::Mode::Existing, &error);
        QSqlQuery q(check->database());
        if (q.exec(QStringLiteral("SELECT COUNT(DISTINCT local_address), COUNT(*) FROM units "
                                  "WHERE station LIKE 'alloc-%' AND state = 'pass'")) &&
            q.next()) {
            distinct = q.value(0).toInt();
            rows = q.value(1).toInt();
        }
    }
    const double rate = kStations * kAllocations / wall;
    const bool allThere = distinct == kStations * kAllocations && rows == distinct;
    std::printf("%d stations x %d allocations through leases  %.1f s  %.0f allocations/s  (%d "
                "rows on the server, %d distinct addresses)   goal >= 200/s  %s\n",
                kStations, kAllocations, wall, rate, rows, distinct,
                ok && allThere && rate >= 200 ? "PASS" : "FAIL");
    return ratio <= 1.1 && cutRatio <= 1.1 && rate >= 200 && ok && allThere ? 0 : 1;
}
