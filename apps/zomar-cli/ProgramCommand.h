#pragma once
// zomar-cli program: many modules at once on a production line.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runProgram(Cli &cli);

} // namespace zomar
