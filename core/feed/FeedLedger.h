#pragma once
// Where a feed to the factory's systems stands, kept in the record itself:
// each settled unit it delivered, or that the endpoint refused (with the
// answer), and a low mark below which every unit is done. A feed that starts
// again takes up the units not yet done, so none is sent twice or skipped.
// The feed writes only these rows of its own, never a unit.

#include "core/fleet/StoreReport.h"

#include <QString>

#include <optional>

namespace zomar {

class ProductionStore;

namespace FeedLedger {

// Settled units (pass, fail, unknown) the feed has not done, in the order
// they settled; at most `limit`.
std::optional<QList<UnitRow>> pending(ProductionStore &store, const QString &feed, int limit,
                                      QString *error);
// The endpoint took the unit (HTTP status), or refused it for good (with
// its answer). "" once recorded.
QString delivered(ProductionStore &store, const QString &feed, const QString &unitId,
                  int status);
QString refused(ProductionStore &store, const QString &feed, const QString &unitId, int status,
                const QString &answer);

// How far the low mark may move now: the lowest unit id not done (or one
// past the last). Set it only once every transaction that was open when
// this was read has ended (a row id is taken before its commit, so a lower
// id may still appear for a short while).
std::optional<qint64> markCandidate(ProductionStore &store, const QString &feed, QString *error);
QString setMark(ProductionStore &store, const QString &feed, qint64 lowUnit);

// The units refused, newest first: unit id, status and answer, for people.
struct Refusal {
    QString unitId;
    int status = 0;
    QString answer, at;
};
std::optional<QList<Refusal>> refusals(ProductionStore &store, const QString &feed, int limit,
                                       QString *error);

} // namespace FeedLedger

} // namespace zomar
