#pragma once
// What a unit's label says: its local address, frequency and band, RF
// speed, station, date, its id in the record and the product serial. The 2D
// code holds a short text a scanner reads back as the unit's id and address:
//
//     ZOMAR1/<unit id>/<local address, 8 hex digits>[/<product serial>]
//
// e.g. "ZOMAR1/9F1C2A9E-0C1B-4B7E-8D2A-3E4F5A6B7C8D/0000012C/SN-0042". The id
// and address are written in capitals so that a QR code packs them densely
// (its alphanumeric mode); the serial is the rest of the text, as scanned.

#include "core/label/LabelTemplate.h"
#include "core/protocol/Band.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace zomar {

struct UnitRow;

struct LabelData {
    QString unitId;
    quint32 local = 0;
    Band band = Band::None;
    std::optional<int> channel;
    std::optional<int> rfSpeedCode;
    QString station;
    QDateTime at; // when the unit passed
    QString serial;

    // The label of a unit that passed, from its row (its block as read back);
    // band: how its channel is shown. nullopt with error set when the row
    // did not pass or holds no address.
    static std::optional<LabelData> ofUnit(const UnitRow &unit, Band band, QString *error);

    // What the 2D code holds (see above).
    QString codeText() const;
    // The line a field shows ("" when the unit has nothing for it).
    QString line(LabelField field) const;
};

// What a scanner reads from a label's code.
struct LabelCode {
    QString unitId; // lower case, as the record holds it
    quint32 local = 0;
    QString serial;
    // nullopt when the text is not a label's code.
    static std::optional<LabelCode> parse(const QString &text);
};

} // namespace zomar
