#pragma once
// linktest: loss, corruption and latency of a radio link between two
// modules on this computer, or (--echo) to a far computer's repeater page.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runLinkTest(Cli &cli);

} // namespace zomar
