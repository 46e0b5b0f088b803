#include "gui/connection/PortConnection.h"

#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"
#include "gui/modem/RefreshOperation.h"
#include "core/link/SerialLink.h"

#include <QCoreApplication>
#include <QPushButton>

#include <cmath>

namespace zomar {

namespace {
constexpr int kTypeMismatch = 13;
constexpr int kOverflow = 6;
} // namespace

PortConnection::PortConnection(FormContext &ctx, RefreshOperation &refresh, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_refresh(refresh)
{
    connect(&m_ctx.comm, &SerialLink::deviceLost, this, &PortConnection::deviceLost);
}

int PortConnection::portTextToNumber(const QString &text)
{
    // A number with blanks around it and possibly a fraction, rounded to the
    // nearest integer (halves to even), as the port number is converted.
    bool ok = false;
    const QString trimmed = text.trimmed();
    const double value = trimmed.toDouble(&ok);
    if (!ok || trimmed.isEmpty() || !std::isfinite(value))
        throw SerialError(kTypeMismatch, tr("Type mismatch"));
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0)
        throw SerialError(kOverflow, tr("Overflow"));
    return static_cast<int>(rounded);
}

void PortConnection::OpenComms()
{
    Form1Controls &ui = m_ctx.ui;
    m_ctx.pointer.set(true);
    m_ctx.setStatus(tr("Connecting..."));
    try {
        m_ctx.comm.setSettings(ui.Combo2->text().trimmed() + QStringLiteral(",n,8,1"));
        for (QPushButton *b : {ui.Command2, ui.Command3, ui.Command5, ui.Command6, ui.Command13})
            b->setEnabled(false);
        m_ctx.comm.setCommPort(portTextToNumber(m_ctx.state.portNumber));
        if (m_ctx.comm.portOpen())
            m_ctx.comm.setPortOpen(false);
        m_ctx.comm.setPortOpen(true);
        ui.Command7->setText(QCoreApplication::translate("Form1", "Disconnect"));
        for (QPushButton *b : {ui.Command3, ui.Command5, ui.Command13})
            b->setEnabled(true);
        m_ctx.setStatus(tr("Connected to COMM %1").arg(m_ctx.state.portNumber));
        m_ctx.pointer.set(false);
    } catch (const SerialError &e) {
        m_ctx.pointer.set(false);
        if (e.number() == serial_errors::InvalidPort) {
            m_ctx.messages.inform(tr("Please select a valid comms port"));
            m_ctx.setStatus(tr("Invalid port"));
        } else {
            m_ctx.messages.inform(tr("Error: %1").arg(e.description()), tr("Error"));
            m_ctx.setStatus(tr("Error!! %1").arg(e.description()));
        }
    }
}

void PortConnection::CloseComms()
{
    Form1Controls &ui = m_ctx.ui;
    if (m_ctx.comm.portOpen()) {
        m_ctx.comm.setPortOpen(false);
        ui.Command7->setText(QCoreApplication::translate("Form1", "Connect"));
    }
    for (QPushButton *b : {ui.Command2, ui.Command3, ui.Command6})
        b->setEnabled(false);
    m_ctx.setStatus(tr("Disconnected"));
}

void PortConnection::connectClicked()
{
    if (m_ctx.comm.portOpen()) {
        CloseComms();
    } else {
        OpenComms();
        m_refresh.refresh();
    }
}

void PortConnection::portPicked()
{
    CloseComms();
    m_ctx.state.portNumber = m_ctx.ui.Combo1->text();
    OpenComms();
    m_refresh.refresh();
}

void PortConnection::speedPicked()
{
    if (!m_ctx.comm.portOpen())
        return; // a new speed takes effect at the next open
    CloseComms();
    m_ctx.state.portNumber = m_ctx.ui.Combo1->text();
    OpenComms();
    m_refresh.refresh();
}

void PortConnection::deviceLost(const QString &description)
{
    // The link has already closed itself; bring the window to the closed state
    // and say once what happened.
    CloseComms();
    m_ctx.ui.Command7->setText(QCoreApplication::translate("Form1", "Connect"));
    const QString status = tr("Connection lost: %1").arg(description);
    m_ctx.setStatus(status);
    m_ctx.messages.inform(status + QLatin1Char('\n') +
                              tr("Check the cable or USB adapter, then press Connect."),
                          tr("Error"), MessageRequest::Warning);
}

} // namespace zomar
