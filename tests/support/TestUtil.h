#pragma once
// Small helpers shared by the test suites; no widgets, so core tests use them too.

#include <QByteArray>
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
