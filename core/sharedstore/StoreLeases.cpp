#include "core/sharedstore/StoreLeases.h"

#include "core/store/UnitInsert.h"
#include "core/store/AddressAllocator.h"
#include "core/store/StoreBackend.h"
#include "core/store/StoreSql.h"

#include <QJsonArray>
#include <QSet>

#include <algorithm>
#include <iterator>

namespace zomar {

namespace {

const char *const kKindNames[] = {"reserve", "settle", "give_back", "end_run", "label",
                               "serial"};

QJsonValue address(const std::optional<quint32> &a)
{
    return a ? QJsonValue(qint64(*a)) : QJsonValue();
}

QString hexOf(const std::optional<ConfigBlock> &block)
{
    return block ? blockHex(block->toBytes()) : QString();
}

// A JSON number or null as a value to bind (null: a missing BIGINT).
QVariant bound(const QJsonValue &v)
{
    return v.isNull() || v.isUndefined() ? QVariant(QMetaType(QMetaType::LongLong))
                                         : QVariant(qint64(v.toDouble()));
}

QString retiredNote()
{
    return QStringLiteral("its station's lease was released before this row reached the server; "
                          "its address had been retired, so no other unit has it");
}

QString applyReserve(StoreSql &sql, const JournalOp &op)
{
    const QJsonObject &b = op.body;
    const QVariant exists =
        sql.scalar(QStringLiteral("SELECT COUNT(*) FROM units WHERE unit_uuid = ?"), {op.unitId});
    if (!exists.isValid())
        return sql.error();
    if (exists.toInt() > 0) // here before: its answer was lost on the way back
        return {};
    QVariant held = bound(b.value(QLatin1String("address")));
    QString message;
    if (!held.isNull()) {
        // The address leaves the lease for the unit. Should the lease have
        // been released meanwhile (the station was cut off, not dead), the
        // address was retired with it: no other unit can have it, and this
        // one holds it as it would have.
        const QVariant pool = bound(b.value(QLatin1String("pool_id")));
        if (!sql.exec(QStringLiteral("DELETE FROM leased_addresses WHERE pool_id = ? AND address "
                                     "= ? AND run_id = ?"),
                      {pool, held, bound(b.value(QLatin1String("run_id")))}))
            return sql.error();
        if (sql.query().numRowsAffected() == 0) {
            const QVariant retired = sql.scalar(
                QStringLiteral("SELECT COUNT(*) FROM retired_addresses WHERE pool_id = ? AND "
                               "address = ?"),
                {pool, held});
            if (!retired.isValid())
                return sql.error();
            if (retired.toInt() > 0) {
                message = retiredNote();
            } else {
                held = QVariant(QMetaType(QMetaType::LongLong));
                message = QStringLiteral("its address was no longer in the station's lease when "
                                         "this row reached the server");
            }
        }
    }
    const auto text = [&b](const char *key) { return b.value(QLatin1String(key)).toString(); };
    UnitInsert row;
    row.unitId = op.unitId;
    row.runId = bound(b.value(QLatin1String("run_id")));
    row.poolId = bound(b.value(QLatin1String("pool_id")));
    row.heldAddress = held;
    row.localAddress = bound(b.value(QLatin1String("address")));
    row.state = QStringLiteral("reserved");
    row.station = text("station");
    row.device = text("device");
    row.byId = text("by_id");
    row.byPath = text("by_path");
    row.usbSerial = text("usb_serial");
    row.profileFile = text("profile_file");
    row.profileSha256 = text("profile_sha256");
    row.reservedAt = text("reserved_at");
    row.message = message;
    row.operatorName = text("operator_name");
    if (const QString error = row.into(sql); !error.isEmpty())
        return error;
    return {};
}

QString applySettle(StoreSql &sql, const JournalOp &op)
{
    const QJsonObject &b = op.body;
    if (!sql.exec(QStringLiteral("SELECT held_address FROM units WHERE unit_uuid = ?"),
                  {op.unitId}))
        return sql.error();
    if (!sql.query().next())
        return QStringLiteral("unit %1 is not on the server").arg(op.unitId);
    const QVariant held = sql.query().value(0);
    const QVariant back = bound(b.value(QLatin1String("give_back")));
    const bool giveBack = !back.isNull() && !held.isNull() && held.toLongLong() == back.toLongLong();
    if (!sql.exec(QStringLiteral("UPDATE units SET state = ?, packet_sent = ?, local_address = ?, "
                                 "held_address = CASE WHEN ? = 1 THEN NULL ELSE held_address END, "
                                 "block_before = ?, block_written = ?, block_read_back = ?, "
                                 "failure = ?, message = ?, settled_at = ? WHERE unit_uuid = ?"),
                  {b.value(QLatin1String("state")).toString(),
                   b.value(QLatin1String("packet_sent")).toBool() ? 1 : 0,
                   bound(b.value(QLatin1String("local"))), giveBack ? 1 : 0,
                   b.value(QLatin1String("block_before")).toString(),
                   b.value(QLatin1String("block_written")).toString(),
                   b.value(QLatin1String("block_read_back")).toString(),
                   b.value(QLatin1String("failure")).toString(),
                   b.value(QLatin1String("message")).toString(),
                   b.value(QLatin1String("settled_at")).toString(), op.unitId}))
        return sql.error();
    // The outcome's message, and what the server knows of a released lease.
    if (!sql.exec(QStringLiteral("UPDATE units SET message = message || '; ' || ? WHERE "
                                 "unit_uuid = ? AND EXISTS (SELECT 1 FROM retired_addresses t "
                                 "WHERE t.pool_id = units.pool_id AND t.address = "
                                 "units.held_address)"),
                  {retiredNote(), op.unitId}))
        return sql.error();
    // Nothing reached the module: the address is the lease's again.
    if (giveBack &&
        !sql.exec(QStringLiteral("INSERT INTO leased_addresses (pool_id, address, run_id, "
                                 "station, leased_at) SELECT pool_id, ?, run_id, station, ? FROM "
                                 "units WHERE unit_uuid = ? ON CONFLICT DO NOTHING"),
                  {back, ProductionStore::now(), op.unitId}))
        return sql.error();
    return {};
}

QString applyGiveBack(StoreSql &sql, const JournalOp &op)
{
    const QVariant pool = bound(op.body.value(QLatin1String("pool_id")));
    const QVariant run = bound(op.body.value(QLatin1String("run_id")));
    for (const QJsonValue &a : op.body.value(QLatin1String("addresses")).toArray()) {
        if (!sql.exec(QStringLiteral("DELETE FROM leased_addresses WHERE pool_id = ? AND address "
                                     "= ? AND run_id = ?"),
                      {pool, bound(a), run}))
            return sql.error();
        if (sql.query().numRowsAffected() > 0 &&
            !sql.exec(QStringLiteral("INSERT INTO free_addresses (pool_id, address) VALUES (?, "
                                     "?) ON CONFLICT DO NOTHING"),
                      {pool, bound(a)}))
            return sql.error();
    }
    return {};
}

} // namespace

QString JournalOp::kindName(Kind kind)
{
    return QString::fromLatin1(kKindNames[kind]);
}

std::optional<JournalOp::Kind> JournalOp::kindFromName(const QString &name)
{
    for (int i = 0; i < int(std::size(kKindNames)); ++i)
        if (name == QLatin1String(kKindNames[i]))
            return Kind(i);
    return std::nullopt;
}

JournalOp JournalOp::reserve(const RunContext &context, const UnitStart &start,
                             const Reservation &reservation)
{
    const ModuleJob &job = start.job;
    return {0,
            Reserve,
            reservation.unitId,
            {{QStringLiteral("run_id"), context.runId},
             {QStringLiteral("pool_id"),
              context.poolId ? QJsonValue(*context.poolId) : QJsonValue()},
             {QStringLiteral("address"), address(reservation.local)},
             {QStringLiteral("station"), context.station},
             {QStringLiteral("operator_name"), start.operatorName},
             {QStringLiteral("device"), job.device},
             {QStringLiteral("by_id"), job.byId},
             {QStringLiteral("by_path"), job.byPath},
             {QStringLiteral("usb_serial"), job.usbSerial},
             {QStringLiteral("profile_file"), context.profileFile},
             {QStringLiteral("profile_sha256"), context.profileSha256},
             {QStringLiteral("reserved_at"), ProductionStore::now()}}};
}

JournalOp JournalOp::settle(const RunContext &context, const UnitSettlement &s,
                            std::optional<quint32> givenBack)
{
    const bool reached = s.pass || s.packetSent;
    return {0,
            Settle,
            s.unitId,
            {{QStringLiteral("run_id"), context.runId},
             {QStringLiteral("state"), unitStateName(s.state())},
             {QStringLiteral("packet_sent"), s.packetSent},
             {QStringLiteral("local"), address(reached ? s.local : std::nullopt)},
             {QStringLiteral("give_back"), address(givenBack)},
             {QStringLiteral("block_before"), hexOf(s.before)},
             {QStringLiteral("block_written"), s.packetSent ? hexOf(s.written) : QString()},
             {QStringLiteral("block_read_back"), hexOf(s.readBack)},
             {QStringLiteral("failure"), s.failure},
             {QStringLiteral("message"), s.message},
             {QStringLiteral("settled_at"), ProductionStore::now()}}};
}

JournalOp JournalOp::giveBack(const RunContext &context, const QList<quint32> &addresses)
{
    QJsonArray list;
    for (const quint32 a : addresses)
        list.append(qint64(a));
    return {0,
            GiveBack,
            {},
            {{QStringLiteral("run_id"), context.runId},
             {QStringLiteral("pool_id"),
              context.poolId ? QJsonValue(*context.poolId) : QJsonValue()},
             {QStringLiteral("addresses"), list}}};
}

JournalOp JournalOp::endRun(qint64 runId)
{
    return {0,
            EndRun,
            {},
            {{QStringLiteral("run_id"), runId}, {QStringLiteral("at"), ProductionStore::now()}}};
}

JournalOp JournalOp::label(qint64 runId, const QString &unitId, const LabelOutcome &outcome)
{
    return {0,
            Label,
            unitId,
            {{QStringLiteral("run_id"), runId},
             {QStringLiteral("printed"), outcome.printed},
             {QStringLiteral("reason"), outcome.reason},
             {QStringLiteral("target"), outcome.target},
             {QStringLiteral("at"), outcome.at}}};
}

JournalOp JournalOp::serial(qint64 runId, const QString &unitId, const QString &serial)
{
    return {0,
            Serial,
            unitId,
            {{QStringLiteral("run_id"), runId}, {QStringLiteral("serial"), serial}}};
}

Lease StoreLeases::take(ProductionStore &store, const RunContext &context, int count)
{
    Lease lease;
    if (!context.poolId || count < 1)
        return lease;
    const qint64 pool = *context.poolId;
    StoreSql sql(store.database(), store.backend());
    lease.error = sql.write([&]() -> QString {
        lease.addresses.clear();
        // A run released from elsewhere takes nothing more: its station
        // starts a run of its own again.
        const QVariant open = sql.scalar(
            QStringLiteral("SELECT COUNT(*) FROM runs WHERE id = ? AND ended_at IS NULL"),
            {context.runId});
        if (!open.isValid())
            return sql.error();
        if (open.toInt() == 0) {
            lease.runEnded = true;
            return QStringLiteral("run %1 was ended on the server (released)").arg(context.runId);
        }
        // The counter's row stays locked until the commit: leases of one
        // pool are taken one after the other.
        if (!sql.exec(QStringLiteral("SELECT next_address, step FROM pools WHERE id = ?") +
                          store.backend().lockRows(),
                      {pool}) ||
            !sql.query().next())
            return sql.error().isEmpty() ? QStringLiteral("its pool is missing") : sql.error();
        const quint64 next = sql.query().value(0).toULongLong();
        const quint32 step = quint32(sql.query().value(1).toULongLong());
        // The lowest given back, taken in one statement (a station giving
        // addresses back does not wait for this lock).
        if (!sql.exec(QStringLiteral("DELETE FROM free_addresses WHERE pool_id = ? AND address IN "
                                     "(SELECT address FROM free_addresses WHERE pool_id = ? "
                                     "ORDER BY address LIMIT %1) RETURNING address")
                          .arg(count),
                      {pool, pool}))
            return sql.error();
        while (sql.query().next())
            lease.addresses << quint32(sql.query().value(0).toLongLong());
        std::sort(lease.addresses.begin(), lease.addresses.end());
        if (next < kPastLastAddress) {
            AddressAllocator counter(quint32(next), step);
            while (lease.addresses.size() < count) {
                const std::optional<quint32> a = counter.take();
                if (!a)
                    break;
                lease.addresses << *a;
            }
            if (!sql.exec(QStringLiteral("UPDATE pools SET next_address = ? WHERE id = ?"),
                          {qint64(counter.next()), pool}))
                return sql.error();
        }
        lease.poolEmpty = lease.addresses.size() < count;
        // Many rows a statement: a round trip to the server each, not each row.
        constexpr int kRows = 500;
        const QString at = ProductionStore::now();
        for (qsizetype from = 0; from < lease.addresses.size(); from += kRows) {
            const QList<quint32> part = lease.addresses.mid(from, kRows);
            QStringList rows;
            QVariantList values;
            for (const quint32 a : part) {
                rows << QStringLiteral("(?, ?, ?, ?, ?)");
                values << pool << qint64(a) << context.runId << context.station << at;
            }
            if (!sql.exec(QStringLiteral("INSERT INTO leased_addresses (pool_id, address, run_id, "
                                         "station, leased_at) VALUES ") +
                              rows.join(QStringLiteral(", ")),
                          values))
                return sql.error();
        }
        return {};
    });
    if (!lease.error.isEmpty())
        lease.addresses.clear();
    return lease;
}

QString StoreLeases::apply(ProductionStore &store, const QList<JournalOp> &ops,
                          QList<SerialBinding> *refused)
{
    StoreSql sql(store.database(), store.backend());
    QList<SerialBinding> notBound;
    const QString error = sql.writeOwn([&]() -> QString {
        notBound.clear(); // a transaction tried again finds them again
        QSet<qint64> runs;
        for (const JournalOp &op : ops) {
            runs.insert(qint64(op.body.value(QLatin1String("run_id")).toDouble()));
            QString why;
            switch (op.kind) {
            case JournalOp::Reserve:
                why = applyReserve(sql, op);
                break;
            case JournalOp::Settle:
                why = applySettle(sql, op);
                break;
            case JournalOp::GiveBack:
                why = applyGiveBack(sql, op);
                break;
            case JournalOp::EndRun:
                why = ProductionStore::endRunIn(
                    sql, qint64(op.body.value(QLatin1String("run_id")).toDouble()),
                    op.body.value(QLatin1String("at")).toString());
                break;
            case JournalOp::Label:
                why = StoreTrace::recordLabelIn(
                    sql, op.unitId,
                    {op.body.value(QLatin1String("printed")).toBool(),
                     op.body.value(QLatin1String("reason")).toString(),
                     op.body.value(QLatin1String("target")).toString(),
                     op.body.value(QLatin1String("at")).toString()});
                break;
            case JournalOp::Serial: {
                // The station checked the serial when it was scanned; one
                // bound meanwhile by another station stays with that unit
                // (a refusal here would hold up the station's later rows),
                // and the station is told.
                const SerialBinding b = StoreTrace::bindSerialIn(
                    sql, op.unitId, op.body.value(QLatin1String("serial")).toString());
                if (b.outcome == SerialBinding::NotRecorded)
                    why = b.error;
                else if (!b.bound())
                    notBound << b;
                break;
            }
            }
            if (!why.isEmpty())
                return why;
        }
        for (const qint64 run : runs) {
            // Rows that came twice may have put an address held by a later
            // unit back into the lease: a unit's hold wins.
            if (!sql.exec(QStringLiteral("DELETE FROM leased_addresses WHERE run_id = ? AND EXISTS "
                                         "(SELECT 1 FROM units u WHERE u.pool_id = "
                                         "leased_addresses.pool_id AND u.held_address = "
                                         "leased_addresses.address)"),
                          {run}) ||
                !sql.exec(QStringLiteral("UPDATE runs SET seen_at = %1 WHERE id = ?")
                              .arg(store.backend().epochNow()),
                          {run}))
                return sql.error();
        }
        return {};
    });
    if (error.isEmpty() && refused)
        *refused << notBound;
    return error;
}

QString StoreLeases::heartbeat(ProductionStore &store, qint64 runId, bool *ended, int rowsWaiting)
{
    StoreSql sql(store.database(), store.backend());
    const QVariant waiting = rowsWaiting < 0 ? QVariant() : QVariant(qint64(rowsWaiting));
    if (!sql.exec(QStringLiteral("UPDATE runs SET seen_at = %1, journal_waiting = "
                                 "COALESCE(?, journal_waiting) WHERE id = ? AND ended_at IS NULL")
                      .arg(store.backend().epochNow()),
                  {waiting, runId}))
        return sql.error();
    if (ended)
        *ended = sql.query().numRowsAffected() == 0;
    return {};
}

} // namespace zomar
