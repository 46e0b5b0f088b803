#pragma once
// monitor: the line's traffic in a terminal, a line per burst, as the
// window's capture shows it. Read-only unless --send asks.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runMonitor(Cli &cli);

} // namespace zomar
