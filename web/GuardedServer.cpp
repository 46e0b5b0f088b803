#include "web/GuardedServer.h"

#include <QSslSocket>
#include <QTimer>

#include <unistd.h>

namespace zomar {

GuardedServer::GuardedServer(ServerBounds bounds, QObject *parent)
    : QTcpServer(parent), m_bounds(bounds)
{
}

void GuardedServer::useTls(const QSslConfiguration &configuration)
{
    m_tlsConfiguration = configuration;
    m_tls = true;
}

void GuardedServer::incomingConnection(qintptr handle)
{
    if (m_open >= m_bounds.connections) {
        ++m_refused;
        ::close(int(handle));
        return;
    }
    QTcpSocket *socket = nullptr;
    if (m_tls) {
        auto *tls = new QSslSocket(this);
        tls->setSslConfiguration(m_tlsConfiguration);
        socket = tls;
    } else {
        socket = new QTcpSocket(this);
    }
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        ::close(int(handle));
        return;
    }
    ++m_open;
    connect(socket, &QObject::destroyed, this, [this] { --m_open; });
    // Closed connections are let go here too (the HTTP server lets go of
    // those it took over).
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    guard(socket);
    if (auto *tls = qobject_cast<QSslSocket *>(socket)) {
        connect(tls, &QSslSocket::encrypted, this, [this, tls] { addPendingConnection(tls); });
        connect(tls, &QSslSocket::sslErrors, tls, [tls] { tls->abort(); });
        connect(tls, &QSslSocket::errorOccurred, tls, [tls] {
            if (!tls->isEncrypted())
                tls->abort();
        });
        tls->startServerEncryption();
    } else {
        addPendingConnection(socket);
    }
}

void GuardedServer::guard(QTcpSocket *socket)
{
    // Bytes of the request under way: an answer written starts the next.
    auto *received = new qint64(0);
    connect(socket, &QObject::destroyed, socket, [received] { delete received; });
    auto *idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->start(m_bounds.idleMs);
    connect(idle, &QTimer::timeout, socket, [this, socket] {
        ++m_refused;
        socket->abort();
    });
    // Connected before the HTTP server's own reader, so a request over the
    // bound never reaches its parser.
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received, idle] {
        idle->start(m_bounds.idleMs);
        *received += socket->bytesAvailable();
        if (*received > m_bounds.requestBytes) {
            ++m_refused;
            socket->abort();
        }
    });
    connect(socket, &QTcpSocket::bytesWritten, socket, [this, received, idle] {
        *received = 0;
        idle->start(m_bounds.idleMs);
    });
}

} // namespace zomar
