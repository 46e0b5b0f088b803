#include "gui/modem/RefreshOperation.h"

#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"
#include "gui/modem/CommandModeSteps.h"
#include "gui/modem/OperationQueue.h"
#include "core/link/SerialLink.h"
#include "gui/timing/IntervalTimer.h"
#include "core/protocol/CommandTiming.h"
#include "gui/timing/YieldingWait.h"

#include <QLineEdit>
#include <QPushButton>

#include <exception>

namespace zomar {

QString RefreshOperation::noResponseText()
{
    return tr("No Response from Modem. Check Comms Port & Baud rate");
}

RefreshOperation::RefreshOperation(FormContext &ctx, QObject *parent) : QObject(parent), m_ctx(ctx)
{}

void RefreshOperation::fillPlaceholders()
{
    for (QLineEdit *box : m_ctx.ui.addressBoxes())
        box->setText(kPlaceholder);
    m_ctx.ui.Text9->setText(kPlaceholder);
    m_ctx.ui.Text10->setText(kPlaceholder);
    m_ctx.ui.Combo5->setText(kPlaceholder);
}

void RefreshOperation::refresh()
{
    m_ctx.operations.run([this] { runRead(); });
}

void RefreshOperation::runRead(bool portLostBefore)
{
    FormState &s = m_ctx.state;
    const bool wasOpen = m_ctx.comm.portOpen();
    m_ctx.pointer.set(true);
    fillPlaceholders();
    s.rx.clear();
    if (!portLostBefore)
        m_ctx.setStatus(tr("Requesting Configuration..."));
    s.noReply = true;
    s.parsePending = true;
    s.rx.index = 0;

    EnterATMode(m_ctx);
    // The answer is stored, and decoded, by events handled inside this wait.
    yieldingWait(kEntryWait);
    CloseATMode(m_ctx);

    // A port that closed under the read (device lost, or a disconnect during
    // the wait) has said so in the status bar; the read claims no outcome.
    const bool closedMeanwhile = wasOpen && !m_ctx.comm.portOpen();
    if (!closedMeanwhile && !portLostBefore)
        m_ctx.setStatus(s.noReply ? noResponseText() : tr("Request Complete"));
    m_ctx.pointer.set(false);
}

void RefreshOperation::onQuietLine()
{
    try {
        if (m_ctx.state.parsePending)
            decodePending();
        m_ctx.state.rx.endBurst();
        m_ctx.timer1.setEnabled(false);
    } catch (const std::exception &e) {
        m_ctx.timer1.setEnabled(false);
        m_ctx.messages.inform(tr("Error %1").arg(QString::fromStdString(e.what())), tr("Error"));
    }
}

void RefreshOperation::decodePending()
{
    FormState &s = m_ctx.state;
    fillPlaceholders();
    const DecodedFields fields = s.record.decode(s.rx.buffer, bandFromText(m_ctx.ui.Combo6->text()));
    const auto boxes = m_ctx.ui.addressBoxes();
    for (size_t k = 0; k < boxes.size(); ++k) {
        if (fields.address[k])
            boxes[k]->setText(*fields.address[k]);
    }
    if (fields.frequency)
        m_ctx.ui.Text9->setText(*fields.frequency);
    if (fields.txPower)
        m_ctx.ui.Text10->setText(*fields.txPower);
    if (fields.rfSpeed)
        m_ctx.ui.Combo5->setText(*fields.rfSpeed);
    if (m_ctx.comm.portOpen()) {
        m_ctx.ui.Command2->setEnabled(true);
        m_ctx.ui.Command6->setEnabled(true);
    }
    s.parsePending = false;
}

} // namespace zomar
