#pragma once
// Small helpers shared by the test suites; no widgets, so core tests use them too.

#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QEventLoop>
#include <QTimer>

#include <initializer_list>

#include <sys/resource.h>

namespace zomar::test {

// CPU time used by this process so far (user + system), in seconds.
inline double processCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Whether `cpuUsed` seconds over `msecs` of wall time look like waiting, not
// spinning: measured against what a busy loop gets on this machine right now,
// so that another test running beside this one cannot make a blocking wait
// look like a spinning one. "" when it waited, else what was seen.
inline QString spinningFault(double cpuUsed, int msecs)
{
    constexpr int kSampleMs = 200;
    const double before = processCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kSampleMs) {
    }
    const double spinning = (processCpuSeconds() - before) * msecs / kSampleMs;
    // A spinning wait gets what the busy loop gets; a blocking one next to nothing.
    if (cpuUsed < 0.3 * spinning)
        return {};
    return QStringLiteral("%1 s of CPU in %2 ms, where spinning would take %3 s")
        .arg(cpuUsed)
        .arg(msecs)
        .arg(spinning);
}

// Runs the event loop, blocked in it between events.
inline void runEventLoopFor(int msecs)
{
    QEventLoop loop;
    QTimer::singleShot(msecs, &loop, &QEventLoop::quit);
    loop.exec();
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

} // namespace zomar::test
