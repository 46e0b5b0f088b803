#pragma once
// zomar-cli doctor: the checks to run when a module does not answer.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runDoctor(Cli &cli);

} // namespace zomar
