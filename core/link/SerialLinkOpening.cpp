#include "core/link/SerialLink.h"

// Opening a device: what may be opened, with which settings, and a port
// opened elsewhere taken over.

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>

#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace zomar {

using namespace serial_errors;

QString SerialLink::deviceGroup(const QString &device)
{
    struct stat st {};
    if (::stat(QFile::encodeName(device).constData(), &st) != 0)
        return {};
    if (const group *g = ::getgrgid(st.st_gid))
        return QString::fromLocal8Bit(g->gr_name);
    return QString::number(st.st_gid);
}

QString SerialLink::canonicalDevice(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

QString SerialLink::notATerminalReason(const QString &path)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QStringLiteral("it does not exist");
    if (!S_ISCHR(st.st_mode))
        return S_ISDIR(st.st_mode) ? QStringLiteral("it is a folder")
                                   : QStringLiteral("it is not a device");
    const unsigned maj = major(st.st_rdev);
    const unsigned min = minor(st.st_rdev);
    // Pseudo-terminal slaves have no sysfs entry; every other terminal
    // device belongs to the tty class.
    if (maj >= 136 && maj <= 143)
        return {};
    const QString subsystem =
        QFileInfo(QStringLiteral("/sys/dev/char/%1:%2/subsystem").arg(maj).arg(min))
            .canonicalFilePath();
    if (subsystem.endsWith(QLatin1String("/tty")))
        return {};
    return QStringLiteral("it is a device, but not a serial port or terminal");
}

void SerialLink::openDevice(const QString &path)
{
    closePort();
    const QString device = canonicalDevice(path);
    if (device.isEmpty())
        throw SerialError(InvalidPort, QStringLiteral("No such device: %1").arg(path));
    const QString notTerminal = notATerminalReason(device);
    if (!notTerminal.isEmpty())
        throw SerialError(NotATerminal,
                          QStringLiteral("%1 is not a serial port: %2").arg(path, notTerminal));

    m_port->setPortName(device);
    m_port->setBaudRate(m_baud);
    m_port->setDataBits(QSerialPort::Data8);
    m_port->setParity(QSerialPort::NoParity);
    m_port->setStopBits(QSerialPort::OneStop);
    m_port->setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error = m_port->error();
        const QString reason = m_port->errorString();
        m_port->close();
        m_port->clearError();
        throw openFailure(device,
                          path == device ? device : QStringLiteral("%1 (%2)").arg(device, path),
                          error, reason);
    }
    if (!::isatty(static_cast<int>(m_port->handle()))) {
        m_port->close();
        throw SerialError(NotATerminal, QStringLiteral("%1 is not a serial port").arg(path));
    }

    opened(device, path);
}

void SerialLink::opened(const QString &device, const QString &path)
{
    // Whatever reached the device while nobody listened is not for us; a real
    // UART would have dropped it.
    m_port->clear(QSerialPort::AllDirections);
    m_device = device;
    m_requested = path;
    m_lost = false;
    m_lostReason.clear();
}

std::unique_ptr<QSerialPort> SerialLink::release()
{
    m_port->disconnect(this);
    std::unique_ptr<QSerialPort> port(m_port);
    port->setParent(nullptr);
    m_port = new QSerialPort(this);
    connectPort();
    m_device.clear();
    m_requested.clear();
    return port;
}

void SerialLink::adopt(std::unique_ptr<QSerialPort> port, const QString &path)
{
    closePort();
    delete m_port;
    m_port = port.release();
    m_port->setParent(this);
    connectPort();
    m_baud = int(m_port->baudRate());
    m_settings = QStringLiteral("%1,n,8,1").arg(m_baud);
    opened(canonicalDevice(path), path);
}

} // namespace zomar
