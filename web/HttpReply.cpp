#include "web/HttpReply.h"

#include <QSslSocket>
#include <QTcpSocket>

namespace zomar {

namespace {

// No inline script or style, nothing from elsewhere, no framing.
const QByteArray kPolicy = QByteArrayLiteral(
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; "
    "connect-src 'self'; form-action 'self'; base-uri 'none'; frame-ancestors 'none'");

QByteArray reasonPhrase(HttpReply::Status status)
{
    switch (int(status)) {
    case 200:
        return "OK";
    case 303:
        return "See Other";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

} // namespace

QByteArray HttpReply::bytes(bool head, bool tls) const
{
    QByteArray out =
        "HTTP/1.1 " + QByteArray::number(int(status)) + ' ' + reasonPhrase(status) + "\r\n";
    const auto add = [&out](const QByteArray &name, const QByteArray &value) {
        out += name + ": " + value + "\r\n";
    };
    add("Content-Type", type);
    add("Content-Length", QByteArray::number(body.size()));
    add("Content-Security-Policy", kPolicy);
    add("X-Content-Type-Options", "nosniff");
    add("X-Frame-Options", "DENY");
    add("Referrer-Policy", "no-referrer");
    add("Cache-Control", "no-store");
    if (tls)
        add("Strict-Transport-Security", "max-age=31536000");
    for (const auto &[name, value] : headers)
        add(name, value);
    out += "\r\n";
    if (!head)
        out += body;
    return out;
}

void HttpReply::writeTo(QTcpSocket *socket, bool head) const
{
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return;
    socket->write(bytes(head, qobject_cast<QSslSocket *>(socket) != nullptr));
}

} // namespace zomar
