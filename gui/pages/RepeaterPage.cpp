#include "gui/pages/RepeaterPage.h"

#include "gui/window/FormContext.h"
#include "gui/widgets/TrafficView.h"
#include "core/link/SerialLink.h"
#include "gui/timing/IntervalTimer.h"

#include <QCoreApplication>
#include <QPushButton>

namespace zomar {

RepeaterPage::RepeaterPage(FormContext &ctx, QObject *parent) : QObject(parent), m_ctx(ctx)
{
    const Form1Controls &ui = m_ctx.ui;
    connect(ui.Command10, &QPushButton::clicked, this, &RepeaterPage::loopbackClicked);
    connect(ui.Command13, &QPushButton::clicked, this, &RepeaterPage::clearClicked);
    connect(&m_ctx.loopTimer, &IntervalTimer::tick, this, &RepeaterPage::onLoopTimer);
    connect(ui.Text22, &TrafficView::changed, this, [this] {
        if (m_ctx.ui.Text22->text().size() > kLimit)
            m_ctx.ui.Text22->setText(QString());
    });
}

QString RepeaterPage::loopOnText()
{
    return QCoreApplication::translate("Form1", "Loopback On");
}

QString RepeaterPage::loopOffText()
{
    return QCoreApplication::translate("Form1", "Loopback Off");
}

void RepeaterPage::loopbackClicked()
{
    QPushButton *toggle = m_ctx.ui.Command10;
    if (toggle->text() == loopOnText()) {
        toggle->setText(loopOffText());
        m_ctx.state.loopbackOn = true;
    } else {
        toggle->setText(loopOnText());
        m_ctx.state.loopbackOn = false;
    }
}

void RepeaterPage::onLoopTimer()
{
    m_ctx.loopTimer.setEnabled(false);
    const auto echo = m_ctx.state.loopbackChar;
    // An echo that falls due after the port closed is dropped, not sent.
    if (!echo || !m_ctx.comm.portOpen())
        return;
    try {
        m_ctx.comm.output(QByteArray(1, static_cast<char>(*echo)));
    } catch (const SerialError &e) {
        m_ctx.setStatus(tr("Error!! %1").arg(e.description()));
        return;
    }
    TrafficView *tx = m_ctx.ui.Text21;
    tx->appendChar(QChar(char16_t{*echo}));
    if (tx->text().size() > kLimit)
        tx->setText(QString());
}

void RepeaterPage::clearClicked()
{
    m_ctx.ui.Text21->setText(QString());
    m_ctx.ui.Text22->setText(QString());
}

} // namespace zomar
