// The link test's own overhead: 1,000 packets of 32 bytes between two virtual
// modules on a fast simulated link (115200 bps RF, no latency on the air).
// What the tool adds to each latency is measured against the modules' own
// time stamps: from the send time in the packet to the first module reading
// the packet's last byte, plus from the second module writing the last byte
// to the tool taking it. Prints p50, p99 and max of that beside the goal
// (p99 <= 2 ms) and the CPU the tool's thread used.

#include "bench/Measure.h"
#include "core/linktest/LinkTest.h"
#include "core/protocol/ConfigBlock.h"
#include "sim/VirtualModule.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

using namespace zomar;
using namespace zomar::linktest;

namespace {

constexpr double kGoalP99Ms = 2.0;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(10, atoi(argv[1])) : 1000;
    constexpr int kSize = 32;
    auto modules = VirtualModule::startMany(2);
    if (modules.size() != 2) {
        std::fprintf(stderr, "linktest_bench: cannot start two virtual modules\n");
        return 2;
    }
    ConfigBlock fast = ConfigBlock::factoryDefaults();
    fast.rfSpeedCode = 2; // 115200 bps
    for (auto &m : modules)
        m->setConfiguration(fast.toBytes());
    sim::RadioSettings air;
    air.latencyMs = 0;
    modules[0]->setRadio(air);

    LinkPlan plan;
    plan.from = modules[0]->devicePath();
    plan.to = modules[1]->devicePath();
    plan.count = count;
    plan.size = kSize;
    plan.rfBps = 115200;
    LinkTest test(plan);
    LinkSummary summary;
    QString error;
    QObject::connect(&test, &LinkTest::finished, &app, [&](const LinkSummary &s, const QString &e) {
        summary = s;
        error = e;
        app.quit();
    });
    const double threadCpu0 = bench::cpuSeconds(RUSAGE_THREAD);
    const double processCpu0 = bench::cpuSeconds(RUSAGE_SELF);
    QTimer::singleShot(0, &test, &LinkTest::start);
    app.exec();
    const double threadCpu = bench::cpuSeconds(RUSAGE_THREAD) - threadCpu0;
    const double processCpu = bench::cpuSeconds(RUSAGE_SELF) - processCpu0;
    if (!error.isEmpty() || summary.received != count) {
        std::fprintf(stderr, "linktest_bench: %d of %d received %s\n", summary.received, count,
                     qPrintable(error));
        return 2;
    }

    const QList<VirtualModule::WireByte> taken = modules[0]->received();
    const QList<VirtualModule::WireByte> given = modules[1]->written();
    std::vector<double> added, sending, receiving;
    for (int i = 0; i < count; ++i) {
        const PacketRecord &r = test.stats().record(quint32(i));
        const qsizetype last = qsizetype(i) * kSize + kSize - 1;
        const double send = double(taken.at(last).nsecs - r.sentNs) / 1e6;
        const double receive = double(*r.arrivedNs - given.at(last).nsecs) / 1e6;
        sending.push_back(send);
        receiving.push_back(receive);
        added.push_back(send + receive);
    }
    for (auto *v : {&added, &sending, &receiving})
        std::sort(v->begin(), v->end());
    const double p99 = percentile(added, 99);
    std::printf("linktest_bench: %d packets of %d bytes every %d ms, 115200 bps RF, no air "
                "latency\n",
                count, kSize, summary.intervalMs);
    std::printf("  measured latency     p50 %.3f  p99 %.3f ms (air time %.3f ms)\n",
                *summary.p50Ms, *summary.p99Ms, plan.airTimeMs(kSize));
    std::printf("  added by the tool    p50 %.3f  p99 %.3f  max %.3f ms   goal p99 <= %.1f ms  %s\n",
                percentile(added, 50), p99, added.back(), kGoalP99Ms,
                p99 <= kGoalP99Ms ? "MET" : "MISSED");
    std::printf("    sending side       p50 %.3f  p99 %.3f ms\n", percentile(sending, 50),
                percentile(sending, 99));
    std::printf("    receiving side     p50 %.3f  p99 %.3f ms\n", percentile(receiving, 50),
                percentile(receiving, 99));
    std::printf("  CPU of the tool's thread %.3f s over %.2f s (%.2f %% of a core, %.1f us a "
                "packet); whole process with the virtual modules %.3f s\n",
                threadCpu, summary.durationS, 100.0 * threadCpu / summary.durationS,
                1e6 * threadCpu / count, processCpu);
    return p99 <= kGoalP99Ms ? 0 : 1;
}
