#include "core/link/PortsAhead.h"

#include "core/link/SerialLink.h"

#include <QSerialPort>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <vector>

namespace zomar {

namespace {

// On a pool thread: the port opened by a link of this thread, as every link
// opens one, and moved to `home` (its socket notifiers follow it), or null.
std::unique_ptr<QSerialPort> openFor(const QString &path, int baud, QThread *home)
{
    SerialLink link;
    try {
        link.setBaudRate(baud);
        link.openDevice(path);
    } catch (const SerialError &) {
        return nullptr; // its own link meets the same error, and words it
    }
    std::unique_ptr<QSerialPort> port = link.release();
    port->moveToThread(home);
    return port;
}

} // namespace

PortsAhead::PortsAhead() = default;
PortsAhead::PortsAhead(PortsAhead &&) noexcept = default;
PortsAhead &PortsAhead::operator=(PortsAhead &&) noexcept = default;
PortsAhead::~PortsAhead() = default;

PortsAhead PortsAhead::open(const QStringList &paths, int baud)
{
    PortsAhead ahead;
    std::vector<std::unique_ptr<QSerialPort>> opened(size_t(paths.size()));
    {
        QThreadPool pool;
        pool.setMaxThreadCount(std::min(kThreads, std::max(1, int(paths.size()))));
        QThread *home = QThread::currentThread();
        for (int i = 0; i < paths.size(); ++i)
            pool.start([&opened, &paths, i, baud, home] {
                opened[size_t(i)] = openFor(paths.at(i), baud, home);
            });
        pool.waitForDone();
    }
    for (int i = 0; i < paths.size(); ++i)
        if (opened[size_t(i)])
            ahead.m_ports.emplace(paths.at(i), std::move(opened[size_t(i)]));
    return ahead;
}

std::unique_ptr<QSerialPort> PortsAhead::take(const QString &path)
{
    const auto it = m_ports.find(path);
    if (it == m_ports.end())
        return nullptr;
    std::unique_ptr<QSerialPort> port = std::move(it->second);
    m_ports.erase(it);
    return port;
}

} // namespace zomar
