#pragma once
// The station window's words for what the core asks a user to do: the
// supervisor's command for the record on the server, the station's setup
// for its name.

namespace zomar {

void useStationRemedies();

} // namespace zomar
