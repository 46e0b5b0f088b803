#include "gui/connection/LinkTestLauncher.h"

#include "core/link/PortResolver.h"
#include "core/link/SerialLink.h"
#include "core/protocol/PageCodec.h"
#include "gui/connection/ModuleSearch.h"
#include "gui/dialogs/LinkTestDialog.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"

#include <algorithm>

namespace zomar {

LinkTestLauncher::LinkTestLauncher(FormContext &ctx, const PortResolver &resolver,
                                   FilePrompter &files, QWidget *window, QObject *parent)
    : QObject(parent), m_ctx(ctx), m_resolver(resolver), m_files(&files), m_window(window)
{}

LinkTestDialog *LinkTestLauncher::dialog() const
{
    return m_dialog.data();
}

void LinkTestLauncher::setFilePrompter(FilePrompter &files)
{
    m_files = &files;
    if (m_dialog)
        m_dialog->setFilePrompter(files);
}

void LinkTestLauncher::openLinkTest()
{
    if (m_dialog) {
        m_dialog->raise();
        m_dialog->activateWindow();
        return;
    }
    const QList<SystemPort> ordered = m_resolver.orderedSystemPorts();
    const QString window = SerialLink::canonicalDevice(m_ctx.comm.deviceName());
    const int highest =
        std::max(static_cast<int>(portItems().size()), static_cast<int>(ordered.size()));
    QList<LinkPort> ports;
    for (const QString &device :
         ModuleSearch::devicesToSearch(m_resolver, ordered, m_ctx.state.portNumber)) {
        if (!window.isEmpty() && SerialLink::canonicalDevice(device) == window)
            continue;
        const QList<int> numbers = m_resolver.numbersFor(device, ordered, highest);
        ports << LinkPort{numbers.isEmpty()
                              ? device
                              : tr("COMM %1 (%2)").arg(numbers.first()).arg(device),
                          device};
    }
    const Band band = bandFromText(m_ctx.ui.Combo6->text());
    const PortResolver &resolver = m_resolver;
    SerialLink &comm = m_ctx.comm;
    m_dialog = new LinkTestDialog(
        ports, m_ctx.ui.Combo2->text().toInt(), band == Band::None ? Band::Mhz433 : band,
        [&resolver](const QString &text) {
            bool number = false;
            const int n = text.toInt(&number);
            return number ? resolver.deviceFor(n) : text;
        },
        [&comm] { return SerialLink::canonicalDevice(comm.deviceName()); }, *m_files, m_window);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Not modal: the window can be used beside it (its port stays its own).
    m_dialog->show();
}

} // namespace zomar
