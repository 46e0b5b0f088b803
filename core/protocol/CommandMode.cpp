#include "core/protocol/CommandMode.h"

#include "core/link/SerialLink.h"

namespace zomar {

bool enterATMode(SerialLink &link)
{
    if (!link.portOpen())
        return false;
    link.output(kEnterCommandMode);
    return true;
}

bool closeATMode(SerialLink &link)
{
    if (!link.portOpen())
        return false;
    link.output(kExitCommandMode);
    return true;
}

} // namespace zomar
