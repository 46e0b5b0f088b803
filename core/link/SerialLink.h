#pragma once
// The one serial link to the module. Its operations mirror what the window's
// procedures rely on: a settings text ("38400,n,8,1"), a port number, an open
// flag, a byte-per-character output, a one-byte input and a receive event
// raised once per waiting byte.

#include "core/link/SerialError.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialPort;

namespace zomar {

class PortResolver;

class SerialLink : public QObject
{
    Q_OBJECT
public:
    explicit SerialLink(const PortResolver &resolver, QObject *parent = nullptr);
    ~SerialLink() override;

    // "<speed>,n,8,1". Throws SerialError (InvalidSettings) for a malformed
    // text. Applied at the next open, or at once while open (SettingsRefused
    // if the device does not take it).
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

    // Sends every byte in order without waiting for the line. Throws
    // PortNotOpen while closed.
    void output(const QByteArray &bytes);

    // Removes and returns one waiting byte, or an empty array.
    QByteArray input();
    int bytesWaiting() const;

    // Device path of the open port ("" while closed).
    QString deviceName() const;

signals:
    // Raised once per waiting byte (more may follow while bytes still wait).
    void commEvent();
    // The open device went away (adapter pulled). The link is already closed
    // when this arrives; it is raised once per loss, from the event loop.
    void deviceLost(const QString &description);

private:
    void onReadyRead();
    void deliver();
    void scheduleDelivery();
    void onError(int error);
    void applySettings();
    void closePort();
    SerialError openFailure(const QString &device, int error, const QString &reason) const;

    const PortResolver &m_resolver;
    QSerialPort *m_port;
    QString m_settings = QStringLiteral("38400,n,8,1");
    int m_baud = 38400;
    int m_commPort = 1;
    QString m_device;
    QByteArray m_waiting;
    qsizetype m_readPos = 0;
    quint64 m_reads = 0; // bytes taken by input(), to tell reading handlers apart
    bool m_delivering = false;
    bool m_deliveryQueued = false;
    bool m_lost = false;
};

} // namespace zomar
