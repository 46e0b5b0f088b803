#include "core/protocol/ModuleFinder.h"

#include "core/link/LineSettings.h"
#include "core/protocol/ModuleSession.h"

#include <QTimer>

namespace zomar {

ModuleFinder::ModuleFinder(const QStringList &devices, QObject *parent)
    : QObject(parent)
{
    for (const QString &device : devices) {
        auto port = std::make_shared<PortSearch>();
        port->device = device;
        m_ports.append(port);
    }
}

ModuleFinder::~ModuleFinder()
{
    for (const auto &port : m_ports)
        delete port->session;
}

QList<int> ModuleFinder::speedsToTry()
{
    QList<int> speeds;
    for (int speed : lineSpeeds())
        speeds.prepend(speed);
    return speeds;
}

int ModuleFinder::triesTotal() const
{
    return static_cast<int>(m_ports.size() * speedsToTry().size());
}

void ModuleFinder::start()
{
    m_running = true;
    for (const auto &port : m_ports)
        tryNext(*port);
    // No ports at all: still one finished signal, from the event loop.
    QTimer::singleShot(0, this, &ModuleFinder::finishIfIdle);
}

void ModuleFinder::cancel()
{
    m_cancelled = true;
    finishIfIdle();
}

void ModuleFinder::tryNext(PortSearch &port)
{
    const QList<int> speeds = speedsToTry();
    if (m_cancelled || port.over || port.speedIndex >= speeds.size()) {
        port.over = true;
        return;
    }
    const int baud = speeds.at(port.speedIndex);
    emit trying(port.device, baud);
    port.session = new ModuleSession(port.device, baud);
    if (m_linkHook)
        m_linkHook(port.session->link(), port.device);
    connect(port.session, &ModuleSession::finished, this,
            [this, &port](const SessionResult &result) { onResult(port, result); });
    port.session->read();
}

void ModuleFinder::onResult(PortSearch &port, const SessionResult &result)
{
    const int baud = port.session->baud();
    port.session->close();
    port.session->deleteLater();
    port.session = nullptr;
    const int speeds = static_cast<int>(speedsToTry().size());
    if (result.ok() && result.block) {
        m_hits.append({port.device, baud, *result.block, result.skippedA5});
        m_done += speeds - port.speedIndex;
        port.over = true;
        emit found(m_hits.last());
    } else if (result.outcome == SessionResult::PortError) {
        m_problems.append({port.device, result.message});
        m_done += speeds - port.speedIndex;
        port.over = true;
        emit portFailed(m_problems.last());
    } else {
        ++m_done;
        ++port.speedIndex;
    }
    emit progress(m_done, triesTotal());
    tryNext(port);
    finishIfIdle();
}

void ModuleFinder::finishIfIdle()
{
    if (!m_running)
        return;
    for (const auto &port : m_ports) {
        if (port->session)
            return;
        if (!port->over && !m_cancelled)
            return;
    }
    m_running = false;
    emit finished(m_cancelled);
}

} // namespace zomar
