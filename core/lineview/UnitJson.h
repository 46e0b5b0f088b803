#pragma once
// A unit of the production record as JSON: the one shape that `records list
// --json`, the supervisor's page and its API print.

#include <QJsonObject>

namespace zomar {

struct UnitRow;

QJsonObject unitJson(const UnitRow &unit);

} // namespace zomar
