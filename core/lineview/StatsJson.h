#pragma once
// The line's figures as JSON: the one shape that `records stats --json`
// prints and the supervisor's API answers.

#include <QJsonObject>

namespace zomar {

struct LineStats;
struct StatsFilter;

QJsonObject statsJson(const LineStats &stats, const StatsFilter &filter);

} // namespace zomar
