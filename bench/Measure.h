#pragma once
// What the benchmarks measure with: the median of runs, CPU time and the
// resident memory of this process.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <sys/resource.h>
#include <vector>

namespace zomar::bench {

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

// User and system CPU seconds of RUSAGE_SELF or RUSAGE_THREAD.
inline double cpuSeconds(int who = RUSAGE_SELF)
{
    rusage u{};
    getrusage(who, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// This process's resident memory in MiB (0 when it cannot be read).
inline double rssMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.simplified().split(' ').value(1).toDouble() / 1024.0;
    return 0;
}

} // namespace zomar::bench
