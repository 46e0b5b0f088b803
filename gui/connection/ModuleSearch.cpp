#include "gui/connection/ModuleSearch.h"

#include "core/link/PortResolver.h"
#include "core/link/SerialLink.h"
#include "core/protocol/PageCodec.h"
#include "gui/connection/PortConnection.h"
#include "gui/dialogs/FindModuleDialog.h"
#include "gui/modem/OperationQueue.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"

#include <QTimer>

#include <algorithm>

namespace zomar {

ModuleSearch::ModuleSearch(FormContext &ctx, PortConnection &connection,
                           const PortResolver &resolver, QWidget *window, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_connection(connection), m_resolver(resolver), m_window(window)
{}

QStringList ModuleSearch::devicesToSearch(const PortResolver &resolver,
                                          const QList<SystemPort> &ordered, const QString &current)
{
    QStringList candidates;
    QList<int> numbers;
    for (const QString &item : portItems())
        numbers << item.toInt();
    bool ok = false;
    const int shown = current.trimmed().toInt(&ok);
    if (ok && shown > 0 && !numbers.contains(shown))
        numbers << shown;
    for (int n : numbers)
        candidates << resolver.deviceFor(n, ordered);
    for (const SystemPort &port : ordered)
        candidates << port.device;

    QStringList devices;
    QStringList seen;
    for (const QString &device : candidates) {
        const QString canonical = SerialLink::canonicalDevice(device);
        if (device.isEmpty() || canonical.isEmpty() || seen.contains(canonical))
            continue;
        seen << canonical;
        devices << device;
    }
    return devices;
}

FindModuleDialog *ModuleSearch::dialog() const
{
    return m_dialog.data();
}

void ModuleSearch::findModule()
{
    // The search opens the ports itself: not in the middle of a read or write.
    m_ctx.operations.run([this] { start(); });
}

void ModuleSearch::start()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    QString note;
    if (m_ctx.comm.portOpen()) {
        note = tr("The window's port (COMM %1) was disconnected: the search opens "
                              "every port itself.")
                   .arg(m_ctx.state.portNumber);
        m_connection.CloseComms();
    } else {
        note = tr("The window's port stays disconnected: the search opens every port "
                              "itself.");
    }
    m_ctx.setStatus(tr("Looking for a module..."));
    const QList<SystemPort> ordered = m_resolver.orderedSystemPorts();
    const QStringList devices = devicesToSearch(m_resolver, ordered, m_ctx.state.portNumber);
    m_dialog = new FindModuleDialog(devices, note, m_window);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_dialog, &QDialog::finished, this, [this](int result) {
        if (result == QDialog::Accepted && m_dialog && m_dialog->hit()) {
            // Once the dialog has gone: the connect reads, waiting on the event loop.
            const FinderHit hit = *m_dialog->hit();
            QTimer::singleShot(0, this, [this, hit] { connectTo(hit); });
        } else {
            m_ctx.setStatus(tr("Disconnected"));
        }
    });
    m_dialog->open();
    m_dialog->start();
}

void ModuleSearch::connectTo(const FinderHit &hit)
{
    const QList<SystemPort> ordered = m_resolver.orderedSystemPorts();
    const int highest =
        std::max(static_cast<int>(portItems().size()), static_cast<int>(ordered.size()));
    QList<int> numbers = m_resolver.numbersFor(hit.device, ordered, highest);
    bool ok = false;
    const int shown = m_ctx.state.portNumber.trimmed().toInt(&ok);
    if (ok && m_resolver.numbersFor(hit.device, ordered, shown).contains(shown))
        numbers.prepend(shown); // the number in the box already leads there
    if (numbers.isEmpty()) {
        m_ctx.setStatus(tr("Disconnected"));
        m_ctx.messages.inform(
            tr("A module answered on %1 at %2 baud, but no port number of the window "
                           "leads to that device. Map one to it, e.g. with --port-map 1=%1, or "
                           "a \"Ports\" setting.")
                .arg(hit.device)
                .arg(hit.baud),
            tr("Find Module"), MessageRequest::Information);
        return;
    }
    m_ctx.ui.Combo1->setText(QString::number(numbers.first()));
    m_ctx.ui.Combo2->setText(QString::number(hit.baud));
    m_ctx.state.portNumber = m_ctx.ui.Combo1->text();
    // As "Connect" does: open, then read the configuration.
    m_connection.connectClicked();
}

} // namespace zomar
