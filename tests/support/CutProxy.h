#pragma once
// A TCP proxy on loopback in front of a server's Unix socket, on a thread of
// its own, that can stop forwarding without closing anything: the network
// as a station sees it when a cable is pulled or a switch dies. The kernel
// still takes the station's packets (as a middlebox or a frozen server
// would), but no answer comes back; new connections are taken and never
// answered. restore() forwards what was held back, in order, and closes what
// was closed meanwhile.

#include "core/store/JoinedThread.h"

#include <QLocalSocket>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <atomic>
#include <list>

namespace zomar::test {

class CutProxy
{
public:
    explicit CutProxy(const QString &unixSocket) : m_target(unixSocket)
    {
        m_thread.start();
        m_thread.run([this] {
            m_server = new QTcpServer;
            QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] { accept(); });
            m_server->listen(QHostAddress::LocalHost, 0);
            m_port = m_server->serverPort();
        });
    }
    ~CutProxy()
    {
        m_thread.run([this] {
            for (Pair &p : m_pairs) {
                delete p.client;
                delete p.upstream;
            }
            m_pairs.clear();
            delete m_server;
        });
        m_thread.stop();
    }

    quint16 port() const { return m_port; }
    void cut() { m_cut = true; }
    void restore()
    {
        m_cut = false;
        m_thread.post([this] {
            accept();
            for (Pair &p : m_pairs)
                pump(p);
        });
    }

private:
    struct Pair {
        QPointer<QTcpSocket> client;
        QPointer<QLocalSocket> upstream;
    };

    void accept()
    {
        if (m_cut)
            return;
        while (QTcpSocket *client = m_server->nextPendingConnection()) {
            auto *upstream = new QLocalSocket;
            m_pairs.push_back({client, upstream});
            Pair &p = m_pairs.back();
            const auto again = [this, &p] { pump(p); };
            QObject::connect(client, &QTcpSocket::readyRead, client, again);
            QObject::connect(client, &QTcpSocket::disconnected, client, again);
            QObject::connect(upstream, &QLocalSocket::readyRead, upstream, again);
            QObject::connect(upstream, &QLocalSocket::disconnected, upstream, again);
            QObject::connect(upstream, &QLocalSocket::connected, upstream, again);
            upstream->connectToServer(m_target);
        }
    }

    void pump(Pair &p)
    {
        if (m_cut || !p.client || !p.upstream)
            return;
        if (p.upstream->state() == QLocalSocket::ConnectedState) {
            if (p.client->bytesAvailable() > 0)
                p.upstream->write(p.client->readAll());
            if (p.upstream->bytesAvailable() > 0)
                p.client->write(p.upstream->readAll());
        }
        // A side that went away takes the other with it, once its data is through.
        if (p.client->state() == QAbstractSocket::UnconnectedState &&
            p.client->bytesAvailable() == 0)
            p.upstream->disconnectFromServer();
        if (p.upstream->state() == QLocalSocket::UnconnectedState &&
            p.upstream->bytesAvailable() == 0)
            p.client->disconnectFromHost();
    }

    QString m_target;
    zomar::JoinedThread m_thread{QStringLiteral("CutProxy")};
    QTcpServer *m_server = nullptr;
    std::list<Pair> m_pairs; // stable addresses: the handlers hold them
    std::atomic<quint16> m_port{0};
    std::atomic<bool> m_cut{false};
};

} // namespace zomar::test
