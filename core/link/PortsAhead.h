#pragma once
// A tray's ports opened side by side before its modules are started.
// Opening a port has Qt write the port's lock file and sync it to the disk:
// a millisecond or more a port where the lock folder is on a disk rather
// than a tmpfs, which added up when a tray's 128 ports opened one after
// another. Here each opens on a thread of a small pool and is handed, open,
// to the thread that asked, for a link to take (SerialLink::adopt). A port
// that did not open is not kept: its link opens it itself and says why it
// cannot, as it would have.

#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QSerialPort;

namespace zomar {

class PortsAhead
{
public:
    // Opens the devices (as SerialLink::openDevice would, at `baud`) on up to
    // kThreads threads at once; returns when all have opened or failed.
    static PortsAhead open(const QStringList &paths, int baud);
    static constexpr int kThreads = 8; // they wait on the disk, not on a core

    PortsAhead();
    PortsAhead(PortsAhead &&) noexcept;
    PortsAhead &operator=(PortsAhead &&) noexcept;
    ~PortsAhead(); // ports not taken are closed

    // The port opened for `path`, owned by the caller's thread; null when it
    // did not open or was taken already.
    std::unique_ptr<QSerialPort> take(const QString &path);
    int size() const { return int(m_ports.size()); }

private:
    std::map<QString, std::unique_ptr<QSerialPort>> m_ports;
};

} // namespace zomar
