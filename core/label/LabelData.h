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
//
// A GS1 Data Matrix holds GS1 element strings instead: application
// identifier (91), company internal information, with the same text without
// the serial, then (21), the serial number, with the product serial:
//
//     (91)ZOMAR1/<unit id>/<local address>(21)<product serial>
//
// GS1 allows a serial of at most 20 characters of its set 82 (letters,
// digits and !"%&'()*+,-./:;<=>?_); a longer one cannot go in the code.

#include "core/label/LabelTemplate.h"
#include "core/protocol/Band.h"
#include "core/protocol/ConfigBlock.h"

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
    // The label of a module that passed just now (its block as read back).
    static LabelData ofPass(const QString &unitId, quint32 local,
                            const std::optional<ConfigBlock> &readBack, Band band,
                            const QString &station);

    // What the 2D code holds (see above); a GS1 code's as libzint takes it,
    // the identifiers in square brackets: "[91]ZOMAR1/.../0000012C[21]SN-0042".
    QString codeText(LabelCodeKind kind = LabelCodeKind::Qr) const;
    // The line a field shows ("" when the unit has nothing for it).
    QString line(LabelField field) const;
    // Both print the same label with this layout: the same code and the
    // same lines (the time only as far as the label shows it).
    bool printsAs(const LabelData &other, const LabelTemplate &layout) const;
};

// What a scanner reads from a label's code.
struct LabelCode {
    QString unitId; // lower case, as the record holds it
    quint32 local = 0;
    QString serial;
    // nullopt when the text is not a label's code. A GS1 code's text as a
    // scanner gives it: element strings with GS (0x1D) between them, with or
    // without the "]d2" that names the symbology first.
    static std::optional<LabelCode> parse(const QString &text);
};

} // namespace zomar
