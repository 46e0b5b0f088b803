#pragma once
// A store that several stations share: each station takes a block of
// addresses from a pool in one transaction (a lease), hands them out from its
// own journal, and forwards its rows afterwards, in order. Every row carries
// its unit's id, so a row that reaches the server twice (an answer lost with
// the network) changes nothing the second time.
//
// On the server an address of a lease is a row of leased_addresses until a
// unit holds it, or it goes back to its pool at a clean end. A station
// released by the operator (it died, or seems to) may still be running, cut
// off, on its lease: its unused addresses are retired, never handed out
// again, so whatever it did with them offline no other module shares.

#include "core/store/ProductionStore.h"
#include "core/store/StoreTrace.h"

#include <QJsonObject>
#include <QList>

namespace zomar {

// A row of a station's journal on its way to the server.
struct JournalOp {
    enum Kind { Reserve, Settle, GiveBack, EndRun, Label, Serial };
    qint64 seq = 0;
    Kind kind = Reserve;
    QString unitId; // "" for GiveBack and EndRun
    QJsonObject body;

    static JournalOp reserve(const RunContext &context, const UnitStart &start,
                             const Reservation &reservation);
    // giveBack: the address goes back to the station's lease.
    static JournalOp settle(const RunContext &context, const UnitSettlement &s,
                            std::optional<quint32> givenBack);
    static JournalOp giveBack(const RunContext &context, const QList<quint32> &addresses);
    static JournalOp endRun(qint64 runId);
    // What became of a unit's label, after the unit's own rows.
    static JournalOp label(qint64 runId, const QString &unitId, const LabelOutcome &outcome);
    // A product serial scanned for a unit, after the unit's own rows.
    static JournalOp serial(qint64 runId, const QString &unitId, const QString &serial);
    static QString kindName(Kind kind);
    static std::optional<Kind> kindFromName(const QString &name);
};

struct Lease {
    QList<quint32> addresses; // fewer than asked (or none) when the pool runs out
    bool poolEmpty = false;   // no address left before FFFFFFFF
    bool runEnded = false;    // the run was released (or ended): no lease for it
    QString error;
};

struct Release {
    int addresses = 0; // retired: leased, unused, never handed out again
    int units = 0;     // reserved ones marked unknown
    int runs = 0;      // ended as released
    QString error;     // why nothing was done
};

namespace StoreLeases {

// Takes up to `count` addresses of the run's pool for its station: those
// given back first, then from the counter (its row locked until the commit).
Lease take(ProductionStore &store, const RunContext &context, int count);
// Applies journal rows in order, in one transaction; "" once committed. A
// serial that another unit took meanwhile stays with it: the rows go on, and
// the serials refused are told in *refused (once committed).
QString apply(ProductionStore &store, const QList<JournalOp> &ops,
              QList<SerialBinding> *refused = nullptr);
// The server hears from the run: it is still going, with this many rows
// waiting in its journal (-1: not said). *ended is set when the run was
// ended meanwhile (released from elsewhere).
QString heartbeat(ProductionStore &store, qint64 runId, bool *ended, int rowsWaiting = -1);
// A station that died: once its modules are checked, its runs end, their
// reserved units become unknown and its leased addresses are retired. Refused
// while a run of it may still be going (heard from within quietSeconds, or
// a process of this host that is still there).
Release release(ProductionStore &store, const QString &station, int quietSeconds = 60);

} // namespace StoreLeases

} // namespace zomar
