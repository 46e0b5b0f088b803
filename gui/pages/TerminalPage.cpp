#include "gui/pages/TerminalPage.h"

#include "gui/pages/IntervalText.h"
#include "gui/window/FormContext.h"
#include "gui/widgets/TrafficView.h"
#include "gui/widgets/TypingBox.h"
#include "core/link/SerialLink.h"
#include "gui/timing/IntervalTimer.h"

#include <QLineEdit>
#include <QCoreApplication>
#include <QPushButton>

namespace zomar {


TerminalPage::TerminalPage(FormContext &ctx, QObject *parent) : QObject(parent), m_ctx(ctx)
{
    const Form1Controls &ui = m_ctx.ui;
    connect(ui.Text14, &TypingBox::keyTyped, this, &TerminalPage::keyTyped);
    connect(ui.Command8, &QPushButton::clicked, this, &TerminalPage::contSendClicked);
    connect(ui.Command5, &QPushButton::clicked, this, &TerminalPage::clearClicked);
    connect(&m_ctx.timer2, &IntervalTimer::tick, this, &TerminalPage::onContSendTick);
    // Boxes are emptied whole when they grow past their limit, never trimmed.
    connect(ui.Text13, &TrafficView::changed, this, [this] {
        if (m_ctx.ui.Text13->text().size() > kRxLimit)
            m_ctx.ui.Text13->setText(QString());
    });
    connect(ui.Text14, &TypingBox::textChanged, this, [this] {
        if (m_ctx.ui.Text14->text().size() > kTxLimit)
            m_ctx.ui.Text14->setText(QString());
    });
}

void TerminalPage::send(char32_t code)
{
    // Never attempted on a closed port (a tick can come after a disconnect).
    if (!m_ctx.comm.portOpen())
        return;
    // Characters beyond one byte have no byte of their own: one "?" each,
    // whatever their length in UTF-16.
    const char byte = code <= 0xFF ? static_cast<char>(code) : '?';
    try {
        m_ctx.comm.output(QByteArray(1, byte));
    } catch (const SerialError &e) {
        m_ctx.setStatus(tr("Error!! %1").arg(e.description()));
    }
}

QString TerminalPage::sendOnText()
{
    return QCoreApplication::translate("Form1", "Cont Send On");
}

QString TerminalPage::sendOffText()
{
    return QCoreApplication::translate("Form1", "Cont Send Off");
}

void TerminalPage::keyTyped(char32_t code)
{
    send(code);
}

void TerminalPage::contSendClicked()
{
    QPushButton *toggle = m_ctx.ui.Command8;
    if (toggle->text() == sendOnText()) {
        toggle->setText(sendOffText());
        // "0" is an interval of 0: the toggle reads "Cont Send Off" but no tick comes.
        if (const auto period = intervalFromText(m_ctx.ui.Text24->text(), 0))
            m_ctx.timer2.setInterval(*period);
        m_ctx.timer2.setEnabled(true);
    } else {
        m_ctx.timer2.setEnabled(false);
        toggle->setText(sendOnText());
    }
}

void TerminalPage::onContSendTick()
{
    // A changed period counts from the next tick when it is greater than 1.
    if (const auto period = intervalFromText(m_ctx.ui.Text24->text(), 2))
        m_ctx.timer2.setInterval(*period);
    int &code = m_ctx.state.contSendChar;
    if (++code > 'Z')
        code = 'A';
    const QChar ch{static_cast<char16_t>(code)};
    send(ch.unicode());
    m_ctx.ui.Text14->appendText(QString(ch));
}

void TerminalPage::clearClicked()
{
    m_ctx.ui.Text13->setText(QString());
    m_ctx.ui.Text14->setText(QString());
    m_ctx.ui.Text14->setFocus(Qt::OtherFocusReason);
}

} // namespace zomar
