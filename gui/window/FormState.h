#pragma once
// Window-level state shared by the behaviours of the window.

#include "core/protocol/PageCodec.h"

#include <QString>

#include <optional>

namespace zomar {

struct FormState {
    ReplyFramer rx;                     // the receive buffer and its index
    bool noReply = false;               // nothing stored since the last Refresh
    bool parsePending = false;          // decode the next burst that ends
    std::optional<quint8> loopbackChar; // last stored byte, echoed by the repeater
    bool loopbackOn = false;
    int contSendChar = 0; // last code of the continuous send
    QString portNumber;   // port number as text
    PageCodec record;  // keeps the channel bytes between operations
};

} // namespace zomar
