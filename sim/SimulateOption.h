#pragma once
// How "--simulate [N]" reads on every program's command line: a bare
// --simulate is one virtual module, a number after it is the count.
// QCommandLineParser wants a value for an option that takes one, so the
// arguments are given it as "--simulate=N".

#include <QStringList>

namespace zomar {

QStringList withSimulateCount(const QStringList &arguments);

} // namespace zomar
