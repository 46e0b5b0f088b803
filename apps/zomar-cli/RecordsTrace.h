#pragma once
// zomar-cli records label UNIT_ID --label TARGET (a unit's label printed
// again) and records serial UNIT_ID SERIAL (a product serial bound to it).

#include "apps/zomar-cli/Cli.h"

namespace zomar {

class ProductionStore;

int reprintLabel(Cli &cli, ProductionStore &store);
int bindProductSerial(Cli &cli, ProductionStore &store);
// The options they take (beside --label and --label-template).
QList<QCommandLineOption> traceOptions();

} // namespace zomar
