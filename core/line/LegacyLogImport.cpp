#include "core/line/LegacyLogImport.h"

#include "core/store/UnitInsert.h"
#include "core/store/ProductionStore.h"
#include "core/line/ProgramLog.h"
#include "core/store/StoreSql.h"
#include "core/files/FileWriter.h"

#include <QDateTime>
#include <QFile>
#include <QUuid>

namespace zomar {

namespace {

// Names the ids of imported rows (a UUID of its own, version 5 ids under it).
const QUuid kImportNamespace(QStringLiteral("{5b0c1c8e-3f3a-4d1e-9a51-2f6f1e0c7a42}"));

QList<QStringList> readRows(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read the log %1: %2").arg(path, file.errorString());
        return {};
    }
    return ProgramLog::parseCsv(file.readAll());
}

} // namespace

bool LegacyLogImport::isLegacy(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists() || file.size() == 0)
        return false;
    const QList<QStringList> rows = readRows(path, error);
    if (rows.isEmpty())
        return false;
    const QStringList &head = rows.first();
    if (head.contains(QStringLiteral("state")))
        return false;
    for (const char *column : {"profile", "profile_sha256", "local", "block_written", "result"}) {
        if (!head.contains(QLatin1String(column))) {
            *error = QStringLiteral("%1 is not a log of this program (its header lacks the %2 "
                                    "column)")
                         .arg(path, QLatin1String(column));
            return false;
        }
    }
    return true;
}

LegacyLogImport::Result LegacyLogImport::run(ProductionStore &store, const QString &path)
{
    Result result;
    const QList<QStringList> rows = readRows(path, &result.error);
    if (rows.isEmpty())
        return result;
    const QStringList head = rows.first();
    const QStringList today = ProgramLog::header();
    QList<QStringList> rewritten;
    StoreSql sql(store.database(), store.backend());
    result.error = sql.write([&]() -> QString {
        const QString at = ProductionStore::now();
        const QVariant run = sql.scalar(
            QStringLiteral("INSERT INTO runs (run_uuid, station, boot_id, pid, process_start, "
                           "program, started_at, ended_at, end_state) VALUES (?, ?, '', 0, 0, ?, "
                           "?, ?, 'import') RETURNING id"),
            {QUuid::createUuid().toString(QUuid::WithoutBraces), RunIdentity::hostName(),
             QStringLiteral("import of %1").arg(path), at, at});
        if (!run.isValid())
            return sql.error();
        for (qsizetype i = 1; i < rows.size(); ++i) {
            const QStringList &row = rows.at(i);
            QHash<QString, QString> named;
            for (qsizetype c = 0; c < head.size() && c < row.size(); ++c)
                named.insert(head.at(c), row.at(c));
            const QString id = QUuid::createUuidV5(kImportNamespace,
                                                   QByteArray::number(i) + ProgramLog::csvLine(row))
                                   .toString(QUuid::WithoutBraces);
            const bool complete = row.size() >= head.size();
            const bool pass = named.value(QStringLiteral("result")) == QLatin1String("PASS");
            const QString state = !complete ? QString() : pass ? QStringLiteral("pass")
                                                               : QStringLiteral("fail");
            QStringList out;
            for (const QString &name : today) {
                if (name == QLatin1String("state"))
                    out << state;
                else if (name == QLatin1String("unit_id"))
                    out << (complete ? id : QString());
                else
                    out << named.value(name);
            }
            rewritten << out;
            if (!complete) // a row cut short is kept in the file, not taken as a record
                continue;
            const bool written = !named.value(QStringLiteral("block_written")).isEmpty();
            bool ok = false;
            const qint64 local = named.value(QStringLiteral("local")).toUInt(&ok, 16);
            const QString time = named.value(QStringLiteral("time"));
            const QDateTime when = QDateTime::fromString(time, Qt::ISODate);
            const QString stamp = when.isValid()
                                      ? when.toUTC().toString(Qt::ISODateWithMs)
                                      : at;
            const auto column = [&named](const char *name) {
                return named.value(QString::fromLatin1(name));
            };
            UnitInsert unit;
            unit.unitId = id;
            unit.runId = run;
            unit.localAddress =
                written && ok ? QVariant(local) : QVariant(QMetaType(QMetaType::LongLong));
            unit.state = state;
            unit.packetSent = written ? 1 : 0;
            unit.station = column("station");
            unit.device = column("device");
            unit.byId = column("by_id");
            unit.byPath = column("by_path");
            unit.usbSerial = column("usb_serial");
            unit.profileFile = column("profile");
            unit.profileSha256 = column("profile_sha256");
            unit.blockBefore = column("block_before");
            unit.blockWritten = column("block_written");
            unit.blockReadBack = column("block_read_back");
            unit.message = column("message");
            unit.reservedAt = stamp;
            unit.settledAt = stamp;
            unit.origin = QStringLiteral("import");
            if (const QString error = unit.into(sql, true); !error.isEmpty())
                return error;
            ++result.rows;
        }
        return {};
    });
    if (!result.error.isEmpty()) {
        result.error = QStringLiteral("cannot import the log %1 into the store: %2")
                           .arg(path, result.error);
        return result;
    }
    // Today's columns, so the rows that follow match the header.
    QByteArray text = ProgramLog::csvLine(today);
    for (const QStringList &row : rewritten)
        text += ProgramLog::csvLine(row);
    if (const WriteFailure failure = writeFileAtomically(path, text); failure.failed())
        result.error = QStringLiteral("its rows are in the store, but the log %1 cannot be "
                                      "rewritten: %2")
                           .arg(path, failure.detail);
    return result;
}

} // namespace zomar
