#include "gui/modem/SetOperation.h"

#include "core/link/SerialLink.h"
#include "core/protocol/CommandTiming.h"
#include "gui/timing/YieldingWait.h"
#include "gui/modem/CommandModeSteps.h"
#include "gui/modem/OperationQueue.h"
#include "gui/modem/RefreshOperation.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"

#include <QLineEdit>

namespace zomar {

SetOperation::RefusalMessage SetOperation::refusalMessage(Refusal refusal)
{
    switch (refusal) {
    case Refusal::AddressNotHex:
        return {tr("Invalid input (00-FF)"), tr("Error!!")};
    case Refusal::AddressTooLarge:
        return {tr("Incorrect value"), tr("Error")};
    case Refusal::FrequencyOutOfRange:
        return {tr("Incorrect Frequency value"), tr("Error")};
    case Refusal::TxPowerUnread:
        return {tr("Invalid input (Tx Power)"), tr("Error!!")};
    case Refusal::RfSpeedUnread:
        return {tr("Invalid input (RF TX Speed)"), tr("Error!!")};
    case Refusal::AddressOverflow:
    case Refusal::FrequencyOverflow:
        // Run-time failures: the general message with the failure's description.
        return {tr("Error!! Overflow"), QString()};
    case Refusal::None:
        break;
    }
    return {};
}

FieldTexts SetOperation::pageFieldTexts(const Form1Controls &ui)
{
    FieldTexts fields;
    const auto boxes = ui.addressBoxes();
    for (size_t k = 0; k < boxes.size(); ++k)
        fields.address[k] = boxes[k]->text();
    fields.frequency = ui.Text9->text();
    fields.band = ui.Combo6->text();
    fields.txPower = ui.Text10->text();
    fields.rfSpeed = ui.Combo5->text();
    return fields;
}

SetOperation::SetOperation(FormContext &ctx, RefreshOperation &refresh, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_refresh(refresh)
{}

void SetOperation::set()
{
    m_ctx.operations.run([this] { runSet(); });
}

void SetOperation::runSet()
{
    const bool wasOpen = m_ctx.comm.portOpen();
    m_ctx.pointer.set(true);
    m_ctx.setStatus(tr("Sending Configuration..."));
    // The module's answer to "+++" is only counted, not decoded into the fields.
    m_ctx.state.parsePending = false;
    EnterATMode(m_ctx);
    yieldingWait(kEntryWait);
    sendConfigPacket(wasOpen);
    yieldingWait(kPacketWait);
    CloseATMode(m_ctx);
    m_ctx.state.parsePending = true;
    yieldingWait(kExitWait);
    // A port closed under the Set has said so; the Set claims no outcome.
    const bool closedMeanwhile = wasOpen && !m_ctx.comm.portOpen();
    if (!closedMeanwhile)
        m_ctx.setStatus(tr("Send Complete"));
    m_refresh.runRead(closedMeanwhile);
    m_ctx.pointer.set(false);
}

void SetOperation::sendConfigPacket(bool portWasOpen)
{
    if (portWasOpen && !m_ctx.comm.portOpen())
        return;
    const EncodeResult result = m_ctx.state.record.encode(pageFieldTexts(m_ctx.ui));
    if (result.status != EncodeResult::Ok) {
        const RefusalMessage message = refusalMessage(result.refusal);
        m_ctx.messages.inform(message.text, message.title);
        return;
    }
    try {
        m_ctx.comm.output(result.packet);
    } catch (const SerialError &e) {
        m_ctx.messages.inform(tr("Error!! %1").arg(e.description()));
    }
}

} // namespace zomar
