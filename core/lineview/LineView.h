#pragma once
// The stations of a line as the record shows them, for whoever watches the
// line: whether each is running and heard from, how long ago it was last
// heard, what its lease has left, how many rows it said wait in its journal,
// and its last failures. Read-only: nothing here writes to the record.

#include "core/store/StoreReport.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>

namespace zomar {

class ProductionStore;

struct StationView {
    QString name;
    QString host;                   // where its last run was
    bool running = false;           // a run of it has not ended
    bool online = false;            // running, and heard from lately
    std::optional<qint64> lastHeard; // seconds ago; nullopt when never
    int addressesLeft = -1;          // in its lease (the server's count); -1: no lease
    std::optional<int> rowsWaiting;  // as it last said; nullopt when it never did
    QList<UnitRow> lastFailures;     // newest first (from lastFailures)
};

namespace LineView {

// A station sends a heartbeat every 2 s: silent for longer than this, it is
// offline (cut off, stopped hard or hung).
inline constexpr int kSilentSeconds = 3;

// Every station that has a run in the record, by name (without its
// failures: they change only with the units, and cost more to read).
std::optional<QList<StationView>> stations(ProductionStore &store, QString *error);
// Each station's last failures (failed, or outcome lost), newest first.
std::optional<QHash<QString, QList<UnitRow>>> lastFailures(ProductionStore &store,
                                                           int perStation, QString *error);

// The start of the shift that `now` falls in, shifts starting at `starts`
// (local times of day; "06:00", "14:00", "22:00"). A day with one start.
QDateTime shiftStart(const QList<QTime> &starts, const QDateTime &now);
// "06:00,14:00,22:00"; nullopt for anything else (with the reason).
std::optional<QList<QTime>> parseShifts(const QString &text, QString *error);

} // namespace LineView

} // namespace zomar
