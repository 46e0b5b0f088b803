#pragma once
// What a station of a shared line shows its operator: whether the server
// answers, how many addresses its lease has left and how many of its rows
// wait in its journal. Every front end says it in the same words.

#include <QMetaType>
#include <QString>

namespace zomar {

struct StationState {
    bool leased = false; // addresses come in leases from a server (else: a store on this PC)
    bool online = true;
    int addressesLeft = -1; // free in the lease; -1 without a pool
    int rowsWaiting = 0;    // units whose rows have not reached the server yet
    QString problem;        // why the server cannot be reached ("" while it can)

    // "offline: 12 addresses left, 5 rows waiting"; "online: ..." while the
    // server answers; "" for a store on this PC.
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
        return (online ? QStringLiteral("online: ") : QStringLiteral("offline: ")) + left + rows;
    }
    bool operator==(const StationState &o) const
    {
        return leased == o.leased && online == o.online && addressesLeft == o.addressesLeft &&
               rowsWaiting == o.rowsWaiting && problem == o.problem;
    }
    bool operator!=(const StationState &o) const { return !(*this == o); }
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::StationState)
