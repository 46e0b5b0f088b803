#pragma once
// Which other programs hold a serial device open, for a refusal that names
// them ("minicom (pid 4121)") rather than "another program".

#include <QString>
#include <QStringList>

namespace zomar {

// The processes (other than this one) that hold the device open, as
// "name (pid N)"; only those this user may look at, unless run as root. The
// far end of a pseudo-terminal (the process with its master) is the device,
// not a holder.
QStringList portHolders(const QString &device);

} // namespace zomar
