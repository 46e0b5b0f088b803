#pragma once
// What ties a unit to the product it went into: the product serial a
// technician scanned (one unit of a pool holds a serial, unless its earlier
// units failed: that is the product tried again), and the state of the
// unit's label (printed, or failed and why), kept per unit so that a label
// can be printed again.

#include "core/store/StoreReport.h"

#include <QRegularExpression>
#include <QString>
#include <QVariant>

#include <optional>
#include <utility>

namespace zomar {

class ProductionStore;
class StoreSql;

// What became of a unit's label.
struct LabelOutcome {
    bool printed = false;
    QString reason; // why not, one line ("" when printed)
    QString target; // where it went: "pdf:/labels", "zpl://printer:9100", ...
    QString at;     // UTC, ISO 8601
};

// Why a product serial was not bound to a unit, as facts; each front end
// words it (text() is the command line's and the log's wording).
struct SerialBinding {
    enum Outcome {
        Bound,
        HeldByOther, // another unit of the pool that passed or is in flight has it
        UnitHasOther, // the unit carries another serial
        NoUnit,       // no such unit in the record
        NotRecorded,  // the record could not be read or written (error)
    };
    Outcome outcome = Bound;
    QString serial;
    QString unitId;
    std::optional<quint32> unitAddress;   // the unit's local address, when the record has one
    QString holder;                       // HeldByOther: its unit
    std::optional<quint32> holderAddress; // HeldByOther: its local address, when it has one
    bool holderPassed = false;            // HeldByOther: it passed (else in flight)
    QString held;                         // UnitHasOther: the serial it carries
    QString error;                        // NotRecorded
    bool bound() const { return outcome == Bound; }
    QString text() const; // "" when bound
};

namespace StoreTrace {

// The unit's row; nullopt with error set when there is none or the store
// cannot be read.
std::optional<UnitRow> unit(ProductionStore &store, const QString &unitId, QString *error);
// Binds the serial to the unit: "" once committed, else why not in words (a
// serial held by another unit that passed or is in flight, a unit that holds
// another serial, a unit that is not there).
QString bindSerial(ProductionStore &store, const QString &unitId, const QString &serial);
// The same, told as facts (see SerialBinding).
SerialBinding bindSerialFacts(ProductionStore &store, const QString &unitId,
                              const QString &serial);
// The same within a transaction.
SerialBinding bindSerialIn(StoreSql &sql, const QString &unitId, const QString &serial);
// The unit of the pool (nullopt: units of no pool) that holds the serial
// and passed or is in flight, other than unitId; refused.holder is "" when
// none does. For a check before the unit's own row is there.
SerialBinding serialHolderIn(StoreSql &sql, const QString &unitId, const QString &serial,
                             const QVariant &poolId);
// Keeps the label's outcome in the unit's row; "" once committed.
QString recordLabel(ProductionStore &store, const QString &unitId, const LabelOutcome &label);
// Several units' outcomes in one transaction (one wait for the disk).
using UnitLabel = std::pair<QString, LabelOutcome>; // unit id, outcome
QString recordLabels(ProductionStore &store, const QList<UnitLabel> &labels);
// The same within a transaction.
QString recordLabelIn(StoreSql &sql, const QString &unitId, const LabelOutcome &label);

} // namespace StoreTrace

// The pattern a serial must match, whole; nullopt with error set when the
// text is not a regular expression.
std::optional<QRegularExpression> serialPattern(const QString &text, QString *error);

} // namespace zomar
