#pragma once
// zomar-cli serve: the line supervisor's page and its JSON API.

#include "apps/zomar-cli/Cli.h"

namespace zomar {

std::optional<int> runServe(Cli &cli);

// A secret from a file of its own (never on the command line, where `ps`
// shows it): its first line, of `shortest` characters or more. nullopt when
// refused (the run is then over).
std::optional<QByteArray> readSecretFile(Cli &cli, const QString &option, int shortest);

} // namespace zomar
