#pragma once
// A new row of the units table, whoever writes it: a run on one PC, the
// server taking a station's forwarded row, the import of an old CSV log.

#include <QVariant>

namespace zomar {

class StoreSql;

struct UnitInsert {
    // A value left invalid (QVariant()) is not given: the table's default.
    // A null of a type (QVariant(QMetaType(...))) is given as NULL.
    QVariant unitId, runId, poolId, heldAddress, localAddress, state, packetSent;
    QVariant station, device, byId, byPath, usbSerial, profileFile, profileSha256;
    QVariant blockBefore, blockWritten, blockReadBack, message, operatorName;
    QVariant reservedAt, settledAt, origin;

    // Inserts the row; "" when done, else the store's error. existingKept:
    // a row of the same unit id already there is kept, and this one dropped.
    QString into(StoreSql &sql, bool existingKept = false) const;
};

} // namespace zomar
