#pragma once
// What a production store holds, for people: units (newest or oldest
// first, since a time, in a state, of a station), the pools with their
// counters, an export as CSV, and an integrity check (no address held or
// written twice in a pool, no address both held and given back or leased, no
// address below a counter unaccounted for, every reserved row and every lease
// explained by a run that is still going).

#include "core/store/Unit.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

namespace zomar {

class ProductionStore;

struct UnitRow {
    QString unitId;
    UnitState state = UnitState::Reserved;
    QString reservedAt; // UTC, ISO 8601
    QString settledAt;  // "" while reserved
    std::optional<qint64> poolId;
    std::optional<quint32> local; // the address given (held or written)
    bool packetSent = false;
    qint64 runId = 0;
    QString station, device, byId, byPath, usbSerial, profileFile, profileSha256;
    QString blockBefore, blockWritten, blockReadBack, failure, message, origin;
    QString operatorName; // who plugged it in, at a station
    QString productSerial; // scanned for it ("" when none was)
    // Its last label: "" (none asked for), "printed" or "failed"; why it
    // failed, where it went and when (UTC, ISO 8601).
    QString labelState, labelReason, labelTarget, labelAt;
};

struct UnitFilter {
    QString since;                  // UTC ISO 8601; "" for all
    QString station;                // "" for every station
    std::optional<UnitState> state; // nullopt: every state
    QString productSerial;          // "" for any (or none)
    QString unitId;                 // "" for any
    int limit = 0;                  // 0: all
    bool newestFirst = false;
};

struct PoolSummary {
    qint64 id = 0;
    QString fields;
    quint32 first = 0;
    quint32 step = 1;
    quint64 next = 0;
    int givenBack = 0;
    int pass = 0, fail = 0, unknown = 0, reserved = 0;
    QString created;
};

struct StoreCheck {
    QStringList findings; // what is wrong
    QStringList notes;    // what is in order but worth knowing (runs in flight)
};

namespace StoreReport {

QList<UnitRow> units(ProductionStore &store, const UnitFilter &filter, QString *error);
// The units a condition on the table "units" takes (its values bound), in
// the order given (SQL, e.g. "id DESC"), at most `limit` of them (0: all).
QList<UnitRow> unitsWhere(ProductionStore &store, const QString &condition,
                          const QVariantList &values, const QString &order, int limit,
                          QString *error);
// The newest `perStation` units of each station among those a condition
// (without values) takes, newest first.
QList<UnitRow> newestByStation(ProductionStore &store, const QString &condition, int perStation,
                               QString *error);
QList<PoolSummary> pools(ProductionStore &store, QString *error);
std::optional<StoreCheck> check(ProductionStore &store, QString *error);
// Every unit, oldest first, RFC 4180 with a header row.
QByteArray csv(const QList<UnitRow> &units);
QStringList csvHeader();

} // namespace StoreReport

} // namespace zomar
