#pragma once
// The one serial link to the module. Its operations mirror what the window's
// procedures rely on: a settings text ("38400,n,8,1"), a port number, an open
// flag, a byte-per-character output, a one-byte input and a receive event
// raised once per waiting byte.

#include "core/link/LineSettings.h"
#include "core/link/SerialError.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QSerialPort;

namespace zomar {

class PortResolver;

class SerialLink : public QObject
{
    Q_OBJECT
public:
    // With a resolver, port numbers open the device they map to; without
    // one only openDevice() opens anything.
    explicit SerialLink(const PortResolver &resolver, QObject *parent = nullptr);
    explicit SerialLink(QObject *parent = nullptr);
    ~SerialLink() override;

    // The line speed in bits per second (no parity, 8 data bits, 1 stop
    // bit). Throws SerialError (InvalidSettings) for a speed of 0 or less.
    // Applied at the next open, or at once while open (SettingsRefused if the
    // device does not take it).
    void setBaudRate(int baud);
    // The window's text form, "<speed>,n,8,1"; a malformed text throws
    // InvalidSettings ("Invalid property value") as the window expects.
    void setSettings(const QString &settings);
    QString settings() const { return m_settings; }
    int baudRate() const { return m_baud; }

    // Port number; < 1 throws InvalidPort.
    void setCommPort(int number);
    int commPort() const { return m_commPort; }

    bool portOpen() const;
    // true: opens the device the port number maps to (throws SerialError);
    // false: closes (never throws).
    void setPortOpen(bool open);
    // Opens a device by path, whatever name it is given by (a by-id or by-path
    // link, a symlink): the link follows it to the device itself, so the lock
    // holds for every name. Refuses paths that are not terminal devices
    // without opening them. Throws SerialError.
    void openDevice(const QString &path);
    // Hands over the open port (for another thread's link: PortsAhead); the
    // link is then closed.
    std::unique_ptr<QSerialPort> release();
    // Takes a port another link opened for `path` and released, as if
    // openDevice(path) had opened it (its line speed becomes the link's).
    void adopt(std::unique_ptr<QSerialPort> port, const QString &path);

    // The device a path names: symlinks resolved ("" when it does not exist).
    static QString canonicalDevice(const QString &path);
    // "" when the path is a terminal device, else why it is not one. Looks
    // only at the file and sysfs: nothing is opened.
    static QString notATerminalReason(const QString &path);
    // Name of the group that owns the device ("" when it cannot be read).
    static QString deviceGroup(const QString &device);

    // Sees every byte written (sent = true) and read from the device, as it
    // goes to or comes from the port, for a trace of the line.
    using Tap = std::function<void(bool sent, const QByteArray &bytes)>;
    void setTap(Tap tap) { m_tap = std::move(tap); }
    const Tap &tap() const { return m_tap; }

    // Sends every byte in order without waiting for the line. Throws
    // PortNotOpen while closed.
    void output(const QByteArray &bytes);
    // The same, handing the bytes to the device within this call; true when
    // all of them reached it.
    bool outputAtOnce(const QByteArray &bytes);

    // Removes and returns one waiting byte, or an empty array.
    QByteArray input();
    int bytesWaiting() const;

    // Milliseconds since the last byte went out or came in (since the link
    // was made when none has).
    qint64 quietForMs() const { return m_lastTraffic.elapsed(); }

    // Device path of the open port ("" while closed): the device itself,
    // not the name it was opened by.
    QString deviceName() const;
    // Why the last open port went away ("" when it did not, or once reopened).
    QString lostReason() const { return m_lostReason; }
    // The name the open port was asked for ("" while closed).
    QString requestedName() const;

signals:
    // Raised once per waiting byte (more may follow while bytes still wait).
    void commEvent();
    // The open device went away (adapter pulled). The link is already closed
    // when this arrives; it is raised once per loss, from the event loop.
    void deviceLost(const QString &description);

private:
    void connectPort();
    void opened(const QString &device, const QString &path);
    void onReadyRead();
    void deliver();
    void scheduleDelivery();
    void onError(int error);
    void applySettings();
    void closePort();
    SerialError openFailure(const QString &device, const QString &shown, int error,
                            const QString &reason) const;

    const PortResolver *m_resolver = nullptr;
    QSerialPort *m_port;
    QString m_settings = QStringLiteral("%1,n,8,1").arg(kDefaultLineSpeed);
    int m_baud = kDefaultLineSpeed;
    int m_commPort = 1;
    QString m_device;
    QString m_requested;
    QString m_lostReason;
    Tap m_tap;
    QElapsedTimer m_lastTraffic;
    QByteArray m_waiting;
    qsizetype m_readPos = 0;
    quint64 m_reads = 0; // bytes taken by input(), to tell reading handlers apart
    bool m_delivering = false;
    bool m_deliveryQueued = false;
    bool m_lost = false;
};

} // namespace zomar
