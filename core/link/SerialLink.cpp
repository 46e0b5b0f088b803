#include "core/link/SerialLink.h"

#include "core/link/PortHolders.h"
#include "core/link/PortResolver.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QScopedValueRollback>
#include <QSerialPort>

#include <QDir>

#include <cerrno>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zomar {

using namespace serial_errors;

namespace {

// One static byte per value: input() hands out views of these, so reading a
// byte costs no allocation. The second byte keeps constData() NUL-terminated.
struct ByteTable {
    char bytes[256][2];
    ByteTable()
    {
        for (int i = 0; i < 256; ++i) {
            bytes[i][0] = static_cast<char>(i);
            bytes[i][1] = '\0';
        }
    }
};

const ByteTable &byteTable()
{
    static const ByteTable table;
    return table;
}

// Past this many consumed bytes the queue is compacted, so a long burst does
// not keep its whole history in memory.
constexpr qsizetype kCompactThreshold = 64 * 1024;

SerialError invalidPort()
{
    return SerialError(InvalidPort, QStringLiteral("Invalid port number"));
}

// The descriptor reports a hang-up: the device behind it is gone.
bool descriptorHungUp(qintptr handle)
{
    if (handle < 0)
        return true;
    pollfd pfd{static_cast<int>(handle), POLLIN, 0};
    if (::poll(&pfd, 1, 0) < 0)
        return false;
    return (pfd.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

} // namespace

SerialLink::SerialLink(const PortResolver &resolver, QObject *parent) : SerialLink(parent)
{
    m_resolver = &resolver;
}

SerialLink::SerialLink(QObject *parent) : QObject(parent), m_port(new QSerialPort(this))
{
    m_lastTraffic.start();
    connectPort();
}

void SerialLink::connectPort()
{
    connect(m_port, &QSerialPort::readyRead, this, [this] { onReadyRead(); });
    connect(m_port, &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onError(static_cast<int>(error)); });
}

SerialLink::~SerialLink()
{
    m_port->disconnect(this);
    m_port->close();
}

void SerialLink::setSettings(const QString &settings)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([0-9]+)\\s*,\\s*n\\s*,\\s*8\\s*,\\s*1\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(settings);
    bool ok = false;
    const int baud = match.hasMatch() ? match.captured(1).toInt(&ok) : 0;
    if (!ok)
        throw SerialError(InvalidSettings, QStringLiteral("Invalid property value"));
    setBaudRate(baud);
    m_settings = settings;
}

void SerialLink::setBaudRate(int baud)
{
    if (baud <= 0)
        throw SerialError(InvalidSettings, QStringLiteral("Invalid property value"));
    const QString previousSettings = m_settings;
    const int previousBaud = m_baud;
    m_settings = QStringLiteral("%1,n,8,1").arg(baud);
    m_baud = baud;
    if (!m_port->isOpen())
        return;
    try {
        applySettings();
    } catch (const SerialError &) {
        // The line still runs at the old speed; say so.
        m_settings = previousSettings;
        m_baud = previousBaud;
        m_port->setBaudRate(m_baud);
        throw;
    }
}

void SerialLink::setCommPort(int number)
{
    if (number < 1)
        throw invalidPort();
    // Takes effect at the next open, as callers set it before reopening.
    m_commPort = number;
}

bool SerialLink::portOpen() const
{
    return m_port->isOpen();
}

void SerialLink::setPortOpen(bool open)
{
    if (!open) {
        closePort();
        return;
    }

    const QString device = m_resolver ? m_resolver->deviceFor(m_commPort) : QString();
    if (device.isEmpty() || !QFileInfo::exists(device)) {
        closePort();
        throw invalidPort();
    }
    openDevice(device);
}

void SerialLink::output(const QByteArray &bytes)
{
    if (!m_port->isOpen())
        throw SerialError(PortNotOpen,
                          QStringLiteral("Operation valid only when the port is open"));
    if (bytes.isEmpty())
        return;
    if (m_tap)
        m_tap(true, bytes);
    m_lastTraffic.start();
    if (m_port->write(bytes) != bytes.size())
        throw SerialError(
            WriteFailed,
            QStringLiteral("Write to %1 failed: %2").arg(m_device, m_port->errorString()));
}

bool SerialLink::outputAtOnce(const QByteArray &bytes)
{
    output(bytes);
    // Hand the bytes to the device now rather than at the next turn of the
    // event loop, so the caller knows whether they left.
    m_port->flush();
    return m_port->isOpen() && m_port->bytesToWrite() == 0;
}

QByteArray SerialLink::input()
{
    if (m_readPos >= m_waiting.size())
        return {};
    const auto value = static_cast<quint8>(m_waiting.at(m_readPos));
    ++m_readPos;
    ++m_reads;
    if (m_readPos >= m_waiting.size()) {
        m_waiting.resize(0); // keeps the capacity for the next burst
        m_readPos = 0;
    } else if (!m_delivering) {
        // A read outside the receive event while more wait: raise the event
        // again for the rest.
        scheduleDelivery();
    }
    return QByteArray::fromRawData(byteTable().bytes[value], 1);
}

int SerialLink::bytesWaiting() const
{
    return static_cast<int>(m_waiting.size() - m_readPos);
}

QString SerialLink::deviceName() const
{
    return m_port->isOpen() ? m_device : QString();
}

QString SerialLink::requestedName() const
{
    return m_port->isOpen() ? m_requested : QString();
}

void SerialLink::onReadyRead()
{
    const qint64 available = m_port->bytesAvailable();
    if (available <= 0)
        return;

    if (m_readPos >= kCompactThreshold && m_readPos * 2 >= m_waiting.size()) {
        m_waiting.remove(0, m_readPos);
        m_readPos = 0;
    }
    const qsizetype old = m_waiting.size();
    m_waiting.resize(old + static_cast<qsizetype>(available));
    const qint64 got = m_port->read(m_waiting.data() + old, available);
    m_waiting.resize(old + static_cast<qsizetype>(qMax<qint64>(got, 0)));
    if (got > 0)
        m_lastTraffic.start();
    if (m_tap && got > 0)
        m_tap(false, QByteArray(m_waiting.constData() + old, static_cast<qsizetype>(got)));

    // Handlers run from the event loop, not inside the port's readyRead: a
    // handler that waits with the event loop running must still let the port
    // report (and this link queue) the bytes that arrive meanwhile. A delivery
    // already under way hands them out itself.
    if (!m_delivering)
        scheduleDelivery();
}

void SerialLink::scheduleDelivery()
{
    if (m_deliveryQueued)
        return;
    m_deliveryQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_deliveryQueued = false;
            deliver();
        },
        Qt::QueuedConnection);
}

void SerialLink::deliver()
{
    // A handler may run the event loop (a yielding wait); bytes arriving then
    // are queued and handed out by this outer loop, in order.
    if (m_delivering)
        return;
    const QScopedValueRollback<bool> delivering(m_delivering, true);
    while (m_readPos < m_waiting.size()) {
        const quint64 readsBefore = m_reads;
        emit commEvent();
        // A handler that did not read would be called forever; wait for new
        // bytes (or a later read) instead.
        if (m_reads == readsBefore)
            break;
    }
}

void SerialLink::onError(int error)
{
    if (!m_port->isOpen() || m_lost)
        return;

    bool gone = false;
    switch (error) {
    case QSerialPort::ResourceError:
        gone = true;
        break;
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
        // A hung-up terminal reads as end-of-file, which Qt reports as a read
        // error again on every poll: that is a lost device too.
        gone = descriptorHungUp(m_port->handle()) || !QFileInfo::exists(m_device);
        break;
    default:
        break;
    }
    if (!gone)
        return;

    m_lost = true;
    const QString device = m_device;
    m_lostReason = QStringLiteral("The device %1 was disconnected").arg(device);
    closePort();
    // Queued, so the receiver's message box does not run inside the port's own
    // notification.
    QMetaObject::invokeMethod(
        this,
        [this, device] {
            emit deviceLost(QStringLiteral("The device %1 was disconnected").arg(device));
        },
        Qt::QueuedConnection);
}

void SerialLink::applySettings()
{
    if (!m_port->setBaudRate(m_baud))
        throw SerialError(SettingsRefused,
                          QStringLiteral("The device %1 does not accept the line speed %2: %3")
                              .arg(m_device)
                              .arg(m_baud)
                              .arg(m_port->errorString()));
}

void SerialLink::closePort()
{
    if (m_port->isOpen()) {
        // Bytes written in this turn of the event loop still wait in the
        // port's buffer; hand them to the device before it is closed. A lost
        // device has nothing to take them.
        if (!m_lost)
            m_port->flush();
        m_port->close();
    }
    m_port->clearError();
    m_waiting.clear();
    m_readPos = 0;
    m_device.clear();
    m_requested.clear();
}

SerialError SerialLink::openFailure(const QString &device, const QString &shown, int error,
                                    const QString &reason) const
{
    switch (error) {
    case QSerialPort::PermissionError: {
        // Qt reports both a refused device and a held lock as a permission
        // error; only the device's own access rights tell them apart.
        const QByteArray path = QFile::encodeName(device);
        if (::access(path.constData(), R_OK | W_OK) != 0 && errno == EACCES) {
            const QString group = deviceGroup(device);
            const QString owner = group.isEmpty() || group == QLatin1String("dialout")
                                      ? QString()
                                      : QStringLiteral(" (the device belongs to group '%1')").arg(group);
            return SerialError(PermissionDenied,
                               QStringLiteral("Permission denied on %1%2. Add your user to the "
                                              "'dialout' group (on some distributions 'uucp') "
                                              "and log in again.")
                                   .arg(shown, owner));
        }
        const QStringList holders = portHolders(canonicalDevice(device));
        return SerialError(PortInUse,
                           QStringLiteral("Port %1 is already in use by %2")
                               .arg(shown, holders.isEmpty() ? QStringLiteral("another program")
                                                             : holders.join(QStringLiteral(", "))));
    }
    case QSerialPort::DeviceNotFoundError:
        return invalidPort();
    case QSerialPort::UnsupportedOperationError:
        return SerialError(SettingsRefused,
                           QStringLiteral("The device %1 does not accept the settings %2: %3")
                               .arg(shown, m_settings, reason));
    default:
        return SerialError(OpenFailed, QStringLiteral("Cannot open %1: %2").arg(shown, reason));
    }
}

} // namespace zomar
