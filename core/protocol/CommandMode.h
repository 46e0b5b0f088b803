#pragma once
// The command-mode sequences of the module. Nothing else sends them.

#include <QByteArray>

namespace zomar {

class SerialLink;

inline const QByteArray kEnterCommandMode = QByteArrayLiteral("+++");
inline const QByteArray kExitCommandMode = QByteArrayLiteral("---");

// Each sends its sequence in one write if the port is open and says whether it
// did; on a closed port nothing is sent.
bool sendEntrySequence(SerialLink &link);
bool sendExitSequence(SerialLink &link);

} // namespace zomar
