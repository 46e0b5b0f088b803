#pragma once
// Who a run of the production line is, so that a later run can tell whether
// it is still going or was cut off (power cut, kill -9, a closed terminal).
//
// A run is its host, the boot it runs in (/proc/sys/kernel/random/boot_id),
// its process id and the process's start time (clock ticks after boot, from
// /proc/PID/stat). A process id alone is not enough: after a crash the number
// soon belongs to another process, and after a reboot every number does. The
// start time tells a reused number from the run that had it; the boot id
// tells a run from before a power cut. This was chosen over a lock file per
// run because it needs nothing beside the store: no folder of lock files to
// create, share between the users of a PC, or clean up after a crash.
// Runs of other hosts cannot be judged from here: they are left as they are.

#include <QString>

namespace zomar {

struct RunIdentity {
    QString host;
    QString bootId;
    qint64 pid = 0;
    qint64 startTicks = 0;

    enum class Liveness {
        Running, // the very process is still there
        Gone,    // it ended, or the machine was restarted since
        Unknown, // a run of another host
    };

    static RunIdentity current();
    static QString hostName();
    static Liveness livenessOf(const RunIdentity &run);
};

} // namespace zomar
