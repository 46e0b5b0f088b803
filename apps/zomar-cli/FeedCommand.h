#pragma once
// zomar-cli feed: each settled unit of the record posted once to the
// factory's HTTP endpoint, in the order they settled.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runFeed(Cli &cli);

} // namespace zomar
