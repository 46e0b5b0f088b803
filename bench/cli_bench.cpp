// Wall times of zomar-cli as a script runs it, process start included,
// against virtual modules on pseudo-terminals: one read, one write (its
// first read, the write and the read-back) against a module of this process,
// and program over 1 to 128 modules at once, with the CPU time each module
// costs, against modules that zomar-sim runs in a process of its own (so
// their threads do not take the tool's time, and the tool's own cost shows).

#include "sim/VirtualModule.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <sys/vfs.h>
#include <vector>

using namespace zomar;

namespace {

struct Run {
    double wallS = -1;
    double cpuS = 0; // user + system time of the child
    int exitCode = -1;
};

double childCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

Run runCli(const QStringList &args)
{
    const double cpuBefore = childCpuSeconds();
    QProcess p;
    QElapsedTimer t;
    t.start();
    p.start(QStringLiteral(ZOMAR_CLI), args);
    Run r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.wallS = double(t.nsecsElapsed()) / 1e9;
    r.cpuS = childCpuSeconds() - cpuBefore;
    r.exitCode = p.exitCode();
    return r;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    bool met = true;
    auto one = VirtualModule::startMany(1);
    if (one.empty()) {
        std::fprintf(stderr, "cli_bench: cannot start a virtual module\n");
        return 2;
    }
    const QString device = one.front()->devicePath();

    std::vector<double> reads, writes;
    for (int i = 0; i < runs; ++i) {
        const Run read = runCli({"read", "--device", device});
        const Run write = runCli({"write", "--device", device, "--local", QString::number(i + 1)});
        if (read.exitCode != 0 || write.exitCode != 0) {
            std::fprintf(stderr, "cli_bench: read or write failed (exit %d, %d)\n", read.exitCode,
                         write.exitCode);
            return 2;
        }
        reads.push_back(read.wallS);
        writes.push_back(write.wallS);
    }
    const double read = median(reads), write = median(writes);
    std::printf("zomar-cli read   %.3f s (median of %d; floor 0.260 s)   goal <= 0.35 s  %s\n",
                read, runs, read <= 0.35 ? "PASS" : "FAIL");
    std::printf("zomar-cli write  %.3f s (median of %d; floor 0.920 s)   goal <= 1.20 s  %s\n",
                write, runs, write <= 1.2 ? "PASS" : "FAIL");
    met = met && read <= 0.35 && write <= 1.2;

    QTemporaryDir dir;
    const QString profile = dir.filePath(QStringLiteral("bench.json"));
    QFile f(profile);
    f.open(QIODevice::WriteOnly);
    f.write(R"({"format": "zomar-profile", "version": 1, "band": "433",
 "frequency_mhz": "434.000", "tx_power": "-9 dBm", "rf_speed": "9600 bps"})");
    f.close();
    double single = 0;
    // Opening a port writes its lock file in /var/lock, synced by Qt: free on
    // a tmpfs (Debian's /run/lock), about 1.6 ms a port on a disk (seen in a
    // container), and the ports of a tray open one after another.
    struct statfs lockFs {};
    if (statfs("/var/lock", &lockFs) == 0 && lockFs.f_type != 0x01021994)
        std::printf("note: /var/lock is not a tmpfs here: each port's lock file is synced to "
                    "disk as it opens, one port after another\n");
    // Goals: over 64 modules at most 1.3x one module, over 128 at most 1.1x.
    const auto goalFor = [](int count) { return count == 64 ? 1.3 : count == 128 ? 1.1 : 0.0; };
    for (const int count : {1, 8, 16, 32, 64, 128}) {
        QProcess sim;
        sim.start(QCoreApplication::applicationDirPath() + QStringLiteral("/zomar-sim"),
                  {QString::number(count), QStringLiteral("--with-parent")});
        QStringList args{"program", "--profile", profile, "--local-from", "100", "--store",
                         dir.filePath(QStringLiteral("line-%1.db").arg(count))};
        while (sim.waitForReadyRead(10000)) {
            while (sim.canReadLine()) {
                const QString line = QString::fromLatin1(sim.readLine()).trimmed();
                if (line != QLatin1String("ready"))
                    args << "--device" << line;
            }
            if (args.size() == 7 + 2 * count)
                break;
        }
        if (args.size() != 7 + 2 * count) {
            std::fprintf(stderr, "cli_bench: zomar-sim did not start %d modules\n", count);
            return 2;
        }
        std::vector<double> walls, cpus;
        for (int i = 0; i < runs; ++i) {
            const Run r = runCli(args);
            if (r.exitCode != 0) {
                std::fprintf(stderr, "cli_bench: program of %d modules failed (exit %d)\n", count,
                             r.exitCode);
                return 2;
            }
            walls.push_back(r.wallS);
            cpus.push_back(r.cpuS);
        }
        const double wall = median(walls);
        if (count == 1)
            single = wall;
        const double goal = goalFor(count);
        const bool ok = goal == 0 || wall <= goal * single;
        std::printf("program %3d module(s)  %.3f s  %.2fx one  CPU %.1f ms per module", count,
                    wall, wall / single, 1000 * median(cpus) / count);
        if (goal > 0)
            std::printf("   goal <= %.1fx  %s", goal, ok ? "PASS" : "FAIL");
        std::printf("\n");
        met = met && ok;
        sim.terminate();
        sim.waitForFinished();
    }
    return met ? 0 : 1;
}
