#include "gui/modem/CommandModeSteps.h"

#include "gui/window/FormContext.h"
#include "core/protocol/CommandMode.h"
#include "core/link/SerialLink.h"

#include <QCoreApplication>

namespace zomar {

void EnterATMode(FormContext &ctx)
{
    try {
        if (sendEntrySequence(ctx.comm))
            ctx.setStatus(QString());
    } catch (const SerialError &e) {
        // The operation goes on; its final status tells whether the module answered.
        ctx.setStatus(QCoreApplication::translate("zomar::CommandModeSteps", "Error!! %1").arg(e.description()));
    }
}

void CloseATMode(FormContext &ctx)
{
    try {
        sendExitSequence(ctx.comm);
    } catch (const SerialError &e) {
        ctx.setStatus(QCoreApplication::translate("zomar::CommandModeSteps", "Error!! %1").arg(e.description()));
    }
}

} // namespace zomar
