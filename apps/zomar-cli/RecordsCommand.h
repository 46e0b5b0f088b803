#pragma once
// zomar-cli records: what the production store holds (units, unknown units,
// pools), its integrity check and a CSV export.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runRecords(Cli &cli);
// What records does: "list", "unknown", ... in the order its help names them.
const QStringList &recordsVerbs();
// --since as UTC ISO 8601 ("" when not given); nullopt when refused (the run
// is then over).
std::optional<QString> sinceOption(Cli &cli);
// --store, as every command that reads the record takes it; and where it
// points (the default store when not given).
QCommandLineOption storeOption();
QString storeLocation(const Cli &cli);

} // namespace zomar
