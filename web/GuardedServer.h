#pragma once
// The listening socket of the supervisor's page, with the bounds a server on
// a factory network needs: at most so many connections at once (others are
// closed at once), a request no larger than a bound (the connection is cut),
// and a connection that stays silent is closed. With a certificate and key
// it speaks TLS only; a connection whose handshake fails is closed.

#include <QSslConfiguration>
#include <QTcpServer>

namespace zomar {

struct ServerBounds {
    // 50 browsers open up to six connections each.
    int connections = 256;
    qint64 requestBytes = 16 * 1024; // a GET's line and headers, with room to spare
    int idleMs = 30000;
};

class GuardedServer : public QTcpServer
{
    Q_OBJECT
public:
    explicit GuardedServer(ServerBounds bounds, QObject *parent = nullptr);
    // TLS from now on (a configuration with a local certificate and key).
    void useTls(const QSslConfiguration &configuration);
    bool tls() const { return m_tls; }
    int open() const { return m_open; }
    // Connections closed for a bound since the start.
    int refused() const { return m_refused; }

protected:
    void incomingConnection(qintptr handle) override;

private:
    void guard(QTcpSocket *socket);

    ServerBounds m_bounds;
    QSslConfiguration m_tlsConfiguration;
    bool m_tls = false;
    int m_open = 0;
    int m_refused = 0;
};

} // namespace zomar
