#include "core/protocol/CommandMode.h"

#include "core/link/SerialLink.h"

namespace zomar {

bool sendEntrySequence(SerialLink &link)
{
    if (!link.portOpen())
        return false;
    link.output(kEnterCommandMode);
    return true;
}

bool sendExitSequence(SerialLink &link)
{
    if (!link.portOpen())
        return false;
    link.output(kExitCommandMode);
    return true;
}

} // namespace zomar
