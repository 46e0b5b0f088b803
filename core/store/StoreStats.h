#pragma once
// How a line is doing, from its record: units tested and passed, first-pass
// and final yield, units per hour, yield per slot and per operator, and the
// failures by reason. One computation for every backend: the record counts
// with the same SQL (grouped, so a shift of many thousand attempts costs a
// few scans, not its rows) and the figures are made here.
//
// A unit is a product: the attempts that carry the same product serial are
// one unit, tried again; an attempt without a serial is a unit of its own
// (nothing says which module it was), so it counts once in both yields.
// Attempts still reserved (in flight) are left out; an attempt whose outcome
// was lost ("unknown") counts as not passed.

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace zomar {

class ProductionStore;

struct StatsFilter {
    QString since;   // UTC ISO 8601: attempts started then or later; "" for all
    QString station; // "" for every station
};

struct YieldFigures {
    int tested = 0;      // units (or attempts, for a slot or an operator)
    int passedFirst = 0; // passed at their first attempt
    int passed = 0;      // passed at last
    // passedFirst / tested and passed / tested; nullopt when nothing was tested.
    std::optional<double> firstPassYield() const;
    std::optional<double> finalYield() const;
};

// A slot (a station's socket) or an operator: its attempts, each counted as
// tried (a socket wears whatever the product is).
struct GroupYield {
    QString station; // a slot's station ("" for an operator)
    QString name;    // the socket (by-path name, else the device) or the operator
    int attempts = 0;
    int passed = 0;
    std::optional<double> yield() const;
};

struct FailureCount {
    QString reason; // the record's kind of failure ("no_answer", ...; "unknown": outcome lost)
    int attempts = 0;
};

struct LineStats {
    YieldFigures units;
    int attempts = 0;          // settled attempts counted
    int retried = 0;           // units tried more than once
    int withoutSerial = 0;     // units counted by their one attempt
    QString firstStart;        // the first attempt's start (UTC ISO 8601), "" for none
    QString lastEnd;           // the last attempt's end
    std::optional<double> unitsPerHour; // tested units over that span; nullopt under a minute
    QList<GroupYield> sockets;     // by station, then socket
    QList<GroupYield> operators; // by name ("" for attempts nobody signed)
    QList<FailureCount> failures; // most frequent first
};

namespace StoreStats {

// The figures of the store's attempts that the filter takes; nullopt with
// error set when the store cannot be read. With byStation, also each
// station's units (by its name; a product tried at two stations is a unit of
// each), from the same reading.
std::optional<LineStats> compute(ProductionStore &store, const StatsFilter &filter,
                                 QString *error, QHash<QString, YieldFigures> *byStation = nullptr);
// A slot whose yield is well below the others': at least `minAttempts`
// attempts, its yield under the rest's (pooled) by more than `margin`, and
// by more than `zScore` standard errors of a slot's yield at the rest's
// (chance alone seldom makes it).
QList<GroupYield> weakSlots(const LineStats &stats, int minAttempts = 8, double margin = 0.15,
                            double zScore = 2.5);

} // namespace StoreStats

} // namespace zomar
