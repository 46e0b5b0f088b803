#pragma once
// zomar-cli records stats: how the line is doing (yields, units per hour,
// slots, operators, failures), as text or one JSON document.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

class ProductionStore;
struct StatsFilter;

int showStats(Cli &cli, ProductionStore &store, const StatsFilter &filter);

} // namespace zomar
