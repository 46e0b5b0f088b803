#pragma once
// zomar-cli script FILE.js: a bench script (JavaScript) against a module.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runScript(Cli &cli);

} // namespace zomar
