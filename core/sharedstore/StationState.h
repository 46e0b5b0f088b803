#pragma once
// What a station of a shared line shows its operator: whether the server
// answers, how many addresses its lease has left and how many of its rows
// wait in its journal, and whether its lease was released under it (from
// another PC, while it was cut off), and the product serials the server
// refused when the journal's rows reached it. Every front end says it in the
// same words.

#include "core/store/StoreTrace.h"

#include <QList>
#include <QMetaType>
#include <QString>

namespace zomar {

struct StationState {
    bool leased = false; // addresses come in leases from a server (else: a store on this PC)
    bool online = true;
    int addressesLeft = -1; // free in the lease; -1 without a pool
    int rowsWaiting = 0;    // units whose rows have not reached the server yet
    bool poolEmpty = false; // the range has no address left before FFFFFFFF
    QString problem;        // why the server cannot be reached ("" while it can)
    // The last run of this station that was released while it went on (0:
    // none): its unused addresses were given up, and a new run took a lease.
    qint64 releasedRun = 0;
    QString releasedAt; // when this station learnt it (UTC, ISO 8601)
    // Serials scanned here while the station was cut off (bound in its
    // journal) that another unit took on the server meanwhile, oldest first,
    // for as long as the station runs: the units keep no serial there.
    QList<SerialBinding> serialsRefused;

    // "offline: 12 addresses left, 5 rows waiting"; "online: ..." while the
    // server answers, with what a release changed; "" for a store on this PC.
    QString summary() const
    {
        if (!leased)
            return {};
        const QString left = addressesLeft < 0 ? QString()
                             : addressesLeft == 1
                                 ? QStringLiteral("1 address left, ")
                                 : QStringLiteral("%1 addresses left, ").arg(addressesLeft);
        const QString rows = rowsWaiting == 1 ? QStringLiteral("1 row waiting")
                                              : QStringLiteral("%1 rows waiting").arg(rowsWaiting);
        const QString released =
            releasedRun == 0
                ? QString()
                : QStringLiteral("; lease of run %1 released from elsewhere, its unused "
                                 "addresses retired, a new lease taken")
                      .arg(releasedRun);
        return (online ? QStringLiteral("online: ") : QStringLiteral("offline: ")) + left + rows +
               released;
    }
    // Whether a module's line should carry the summary: the station is not
    // simply online on its own lease.
    bool worthSaying() const { return leased && (!online || releasedRun != 0); }
    bool operator==(const StationState &o) const
    {
        return leased == o.leased && online == o.online && addressesLeft == o.addressesLeft &&
               rowsWaiting == o.rowsWaiting && poolEmpty == o.poolEmpty &&
               problem == o.problem && releasedRun == o.releasedRun &&
               // Only ever added to.
               serialsRefused.size() == o.serialsRefused.size();
    }
    bool operator!=(const StationState &o) const { return !(*this == o); }
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::StationState)
