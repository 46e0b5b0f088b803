#pragma once
// A unit of the production record as JSON: the one shape that the command
// line's list of units, the supervisor's page and its API print.

#include <QByteArray>
#include <QJsonObject>

namespace zomar {

struct UnitRow;

QJsonObject unitJson(const UnitRow &unit);
// The same object appended as compact text, byte for byte what
// QJsonDocument writes, without a JSON tree: thousands of units a second.
void appendUnitJson(QByteArray &out, const UnitRow &unit);

} // namespace zomar
