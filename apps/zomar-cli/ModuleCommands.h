#pragma once
// The commands that talk to one module: read, write, reset, verify.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runRead(Cli &cli);
std::optional<int> runWrite(Cli &cli);
std::optional<int> runReset(Cli &cli);
std::optional<int> runVerify(Cli &cli);

} // namespace zomar
