#pragma once
// The commands about ports rather than one module: ports, discover.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runPorts(Cli &cli);
std::optional<int> runDiscover(Cli &cli);

} // namespace zomar
