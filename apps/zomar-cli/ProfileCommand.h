#pragma once
// zomar-cli profile check FILE: validates a profile and says what it sets.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runProfile(Cli &cli);

} // namespace zomar
