#pragma once
// What the feed posts for a settled unit: one JSON object, the same shape for
// every endpoint (the README documents it). Names from the record are passed
// as they are: the receiver escapes them for wherever it shows them.

#include <QJsonObject>

namespace zomar {

struct UnitRow;

namespace FeedDocument {

inline constexpr int kVersion = 1;

QJsonObject of(const UnitRow &unit);

} // namespace FeedDocument

} // namespace zomar
