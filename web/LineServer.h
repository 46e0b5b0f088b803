#pragma once
// The line supervisor's page and its JSON API over HTTP (Qt HTTP Server).
// Read-only: GET and HEAD are answered, every other method refused, and no
// path writes to the record. With a token, every page and answer but the
// login and the style sheet needs it: as "Authorization: Bearer TOKEN", or a
// session cookie that a login with the token sets. Every answer forbids
// inline script and framing. A store's password is never in its address
// (the backend refuses one there), so no answer can carry it.

#include "web/GuardedServer.h"
#include "web/LineSnapshot.h"
#include "web/RecordQueries.h"

#include <QAbstractHttpServer>
#include <QHash>

#include <memory>

namespace zomar {

struct ServeOptions {
    SnapshotOptions snapshot;
    QByteArray token; // "" : no token (loopback only)
    ServerBounds bounds;
    int sessionHours = 12;
};

class LineServer : public QAbstractHttpServer
{
    Q_OBJECT
public:
    explicit LineServer(ServeOptions options, QObject *parent = nullptr);
    ~LineServer() override;

    // Opens the record for the API's own queries and starts reading the
    // snapshot. "" once ready, else why not.
    QString start();
    // Listens on the server given (one of ours, with its bounds).
    void listenOn(GuardedServer *server);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    using Answer = HttpReply;
    // What a request gets: an answer now, or a question to the record whose
    // answer is written when it comes.
    struct Routed {
        Routed(Answer a) : answer(std::move(a)) {}
        Routed(RecordQueries::Query q) : query(std::move(q)) {}
        Answer answer;
        RecordQueries::Query query;
    };
    Routed route(const QHttpServerRequest &request, bool tls);
    Answer asset(const QString &name, const QByteArray &type) const;
    Routed apiUnits(const QHttpServerRequest &request, bool csv);
    Routed apiStats(const QHttpServerRequest &request);
    Answer login(const QHttpServerRequest &request, bool tls);
    bool authorised(const QHttpServerRequest &request) const;

    ServeOptions m_options;
    std::unique_ptr<LineSnapshot> m_snapshot;
    std::unique_ptr<RecordQueries> m_queries;
    QHash<QByteArray, qint64> m_sessions;     // session id -> expiry (ms since 1970)
};

// Whether two secrets are equal, in a time that does not depend on where
// they differ.
bool sameSecret(const QByteArray &a, const QByteArray &b);

} // namespace zomar
