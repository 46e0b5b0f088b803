#pragma once
// One answer of the supervisor's page, written onto its connection as bytes
// (now, or later when it was worked out on another thread), with the headers
// every answer carries: no inline script, no framing, nothing cached.

#include <QByteArray>
#include <QHttpServerResponder>
#include <QList>

#include <utility>

class QTcpSocket;

namespace zomar {

struct HttpReply {
    using Status = QHttpServerResponder::StatusCode;
    Status status = Status::Ok;
    QByteArray type;
    QByteArray body;
    QList<std::pair<QByteArray, QByteArray>> headers;

    // The whole answer; without its body for a HEAD (Content-Length kept).
    QByteArray bytes(bool head, bool tls) const;
    // Writes it to the socket, which may have gone meanwhile (nullptr).
    void writeTo(QTcpSocket *socket, bool head) const;
};

} // namespace zomar
