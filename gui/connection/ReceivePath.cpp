#include "gui/connection/ReceivePath.h"

#include "gui/pages/IntervalText.h"
#include "gui/window/FormContext.h"
#include "gui/widgets/TrafficView.h"
#include "core/link/SerialLink.h"
#include "gui/timing/IntervalTimer.h"

#include <QLineEdit>

namespace zomar {

ReceivePath::ReceivePath(FormContext &ctx, QObject *parent) : QObject(parent), m_ctx(ctx)
{
    // The delay text is parsed when it changes, not for every byte.
    connect(m_ctx.ui.Text23, &QLineEdit::textChanged, this, &ReceivePath::readLoopDelay);
    readLoopDelay();
}

void ReceivePath::readLoopDelay()
{
    // A text that is not a delay keeps the last one; "0" is an interval of 0
    // (no echo).
    if (const auto ms = intervalFromText(m_ctx.ui.Text23->text(), 0))
        m_loopDelayMs = *ms;
}

void ReceivePath::onComm()
{
    FormState &s = m_ctx.state;
    m_ctx.timer1.restart(kQuietLineMs);

    const QByteArray in = m_ctx.comm.input();
    if (in.isEmpty()) {
        s.rx.clearCurrentSlot();
        return;
    }
    const auto byte = static_cast<quint8>(in.at(0));
    if (!s.rx.store(byte))
        return; // 0xA5: kept in its slot, but the next byte overwrites it

    const QChar ch(char16_t{byte}); // byte value = character code
    m_ctx.ui.Text13->appendChar(ch);
    m_ctx.ui.Text22->appendChar(ch);
    s.loopbackChar = byte;

    m_ctx.loopTimer.setEnabled(false);
    m_ctx.loopTimer.setInterval(m_loopDelayMs);
    if (s.loopbackOn)
        m_ctx.loopTimer.setEnabled(true);

    m_ctx.timer1.setInterval(kQuietLineMs);
    m_ctx.timer1.setEnabled(true);
    s.noReply = false;
}

} // namespace zomar
