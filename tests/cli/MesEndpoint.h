#pragma once
// A factory endpoint of the test's own on loopback: takes HTTP POSTs and
// answers with the status the test sets (one for every request, or one for
// a given idempotency key), keeping what it took in order.

#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>

namespace zomar::test {

class MesEndpoint : public QObject
{
public:
    struct Post {
        QByteArray key;
        QJsonObject body;
        int answered = 0;
    };

    // Listens on the port (0: any); false when it cannot.
    bool listen(quint16 port = 0)
    {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                s->setParent(this);
                connect(s, &QTcpSocket::readyRead, this, [this, s] { read(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
        return m_server.listen(QHostAddress::LocalHost, port);
    }
    void close() { m_server.close(); }
    quint16 port() const { return m_server.serverPort(); }

    int status = 200;                // the answer to every post
    QHash<QByteArray, int> statusOf; // the answer for a key
    QList<Post> posts;               // every post, answered or not

    // The keys of the posts answered 2xx, in order.
    QList<QByteArray> taken() const
    {
        QList<QByteArray> keys;
        for (const Post &p : posts)
            if (p.answered >= 200 && p.answered < 300)
                keys << p.key;
        return keys;
    }

private:
    void read(QTcpSocket *s)
    {
        QByteArray &buffer = m_buffers[s];
        buffer += s->readAll();
        for (;;) {
            const qsizetype end = buffer.indexOf("\r\n\r\n");
            if (end < 0)
                return;
            QByteArray key;
            qsizetype length = 0;
            for (const QByteArray &line : buffer.left(end).split('\n')) {
                const QByteArray l = line.trimmed();
                const qsizetype colon = l.indexOf(':');
                const QByteArray name = l.left(colon).toLower();
                if (name == "content-length")
                    length = l.mid(colon + 1).trimmed().toLongLong();
                if (name == "idempotency-key")
                    key = l.mid(colon + 1).trimmed();
            }
            if (buffer.size() < end + 4 + length)
                return;
            const QByteArray body = buffer.mid(end + 4, length);
            buffer.remove(0, end + 4 + length);
            const int answer = statusOf.value(key, status);
            posts << Post{key, QJsonDocument::fromJson(body).object(), answer};
            const QByteArray text = answer < 300 ? "{\"ok\":true}" : "{\"error\":\"not taken\"}";
            s->write("HTTP/1.1 " + QByteArray::number(answer) +
                     " X\r\nContent-Type: application/json\r\nContent-Length: " +
                     QByteArray::number(text.size()) + "\r\n\r\n" + text);
        }
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

} // namespace zomar::test
