#pragma once
// The JSON documents of the supervisor's API, from the core's types. Units
// have the shape of `records list --json`; names are passed as they are (the
// page escapes what it shows).

#include "core/store/StoreReport.h"
#include "core/store/StoreStats.h"
#include "core/lineview/LineView.h"

#include <QHash>
#include <QJsonObject>

namespace zomar {

namespace LineJson {

// With each station's figures of the shift (by name; {} where none).
QJsonObject stations(const QList<StationView> &stations,
                     const QHash<QString, QJsonObject> &shift = {});
// A station's figures of the shift: units tested and passed, the yields.
QJsonObject shiftFigures(const YieldFigures &units);
// {"units": [...]} as compact bytes, one unit at a time: thousands of units
// in one JSON tree cost several times more to write.
QByteArray units(const QList<UnitRow> &units);
QJsonObject check(const StoreCheck &check);
// An answer that carries a problem instead of figures.
QJsonObject problem(const QString &text);
QByteArray bytes(const QJsonObject &document);

} // namespace LineJson

} // namespace zomar
