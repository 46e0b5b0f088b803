#pragma once
// The command line's words for what the core asks a user to do: the command
// that does it.

namespace zomar {

void useCommandLineRemedies();

} // namespace zomar
