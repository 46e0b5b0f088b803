#pragma once
// What a station recorded since a time, read from its record on a thread of
// its own (a server may be slow to answer, or not answer at all), so that a
// station opened again within its shift gets back its counts and last units.

#include "core/fleet/JoinedThread.h"
#include "core/fleet/StoreReport.h"

#include <QDateTime>

#include <functional>

namespace zomar {

class ShiftHistory
{
public:
    using Done = std::function<void(const QList<UnitRow> &units, const QString &error)>;

    ShiftHistory() = default;
    ~ShiftHistory(); // waits for a read under way
    ShiftHistory(const ShiftHistory &) = delete;
    ShiftHistory &operator=(const ShiftHistory &) = delete;

    // The units of `station` in the record at `location` reserved since
    // `since`, oldest first, leaving out those of run `exceptRun` (the one
    // going, whose units the station counts as they come); done runs on
    // context's thread with them, or with why they cannot be read.
    void read(const QString &location, const QString &station, const QDateTime &since,
              qint64 exceptRun, QObject *context, Done done);

private:
    JoinedThread m_thread{QStringLiteral("ShiftHistory")};
};

} // namespace zomar
