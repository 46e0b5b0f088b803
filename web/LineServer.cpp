#include "web/LineServer.h"

#include "core/lineview/SinceText.h"
#include "core/lineview/StatsJson.h"
#include "core/store/ProductionStore.h"
#include "core/store/StoreStats.h"
#include "web/LineJson.h"

#include <QDateTime>
#include <QFile>
#include <QHttpServerRequest>
#include <QPointer>
#include <QRandomGenerator>
#include <QSslSocket>
#include <QTcpSocket>
#include <QUrl>
#include <QUrlQuery>

// The page's files are built into this static library: made known once.
static void initPageResources()
{
    Q_INIT_RESOURCE(page);
}

namespace zomar {

namespace {

using Status = HttpReply::Status;

std::pair<QByteArray, QByteArray> header(const QByteArray &name, const QByteArray &value)
{
    return {name, value};
}

constexpr int kMostUnits = 5000; // one answer of /api/units; the CSV has them all
const QByteArray kCookie = QByteArrayLiteral("zomar_session");

QByteArray cookieValue(const QHttpServerRequest &request)
{
    for (const QByteArray &part : request.value("Cookie").split(';')) {
        const QByteArray item = part.trimmed();
        if (item.startsWith(kCookie + '='))
            return item.mid(kCookie.size() + 1);
    }
    return {};
}

// The query's "since" in UTC, ISO 8601 ("" when not given); nullopt when
// it is no time.
std::optional<QString> sinceOf(const QUrlQuery &query)
{
    if (!query.hasQueryItem(QStringLiteral("since")))
        return QString();
    const QDateTime since = parseSince(query.queryItemValue(QStringLiteral("since")));
    if (!since.isValid())
        return std::nullopt;
    return since.toUTC().toString(Qt::ISODateWithMs);
}

HttpReply json(const QByteArray &body, Status status = Status::Ok)
{
    return {status, "application/json", body, {}};
}

HttpReply problem(Status status, const QString &text)
{
    return json(LineJson::bytes(LineJson::problem(text)), status);
}

// The record could not answer; the next question opens the connection again
// (a server restarted).
HttpReply unreadable(ProductionStore &store, const QString &why)
{
    store.reconnect();
    return problem(Status::ServiceUnavailable,
                   QStringLiteral("the record cannot be read: %1").arg(why));
}

HttpReply badSince()
{
    return problem(Status::BadRequest,
                   QStringLiteral("since: a date (2026-12-07), a date and time "
                                  "(2026-12-07T08:00) or a time back (30m, 12h, 7d)"));
}

bool loopbackHost(const QByteArray &host)
{
    const QByteArray name = host.startsWith('[') ? host.left(host.indexOf(']') + 1)
                                                 : host.left(host.indexOf(':')).toLower();
    return name == "127.0.0.1" || name == "localhost" || name == "[::1]";
}

} // namespace

bool sameSecret(const QByteArray &a, const QByteArray &b)
{
    // Every byte of the longer is looked at, whatever differs.
    const qsizetype n = std::max(a.size(), b.size());
    unsigned char diff = a.size() == b.size() ? 0 : 1;
    for (qsizetype i = 0; i < n; ++i)
        diff |= static_cast<unsigned char>((i < a.size() ? a[i] : 0) ^ (i < b.size() ? b[i] : 0));
    return diff == 0;
}

LineServer::LineServer(ServeOptions options, QObject *parent)
    : QAbstractHttpServer(parent), m_options(std::move(options))
{}

LineServer::~LineServer() = default;

QString LineServer::start()
{
    initPageResources();
    m_queries = std::make_unique<RecordQueries>(m_options.snapshot.location);
    const QString error = m_queries->start();
    if (!error.isEmpty())
        return error;
    m_snapshot = std::make_unique<LineSnapshot>(m_options.snapshot);
    m_snapshot->start();
    return {};
}

void LineServer::listenOn(GuardedServer *server)
{
    bind(server);
}

bool LineServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const bool head = request.method() == QHttpServerRequest::Method::Head;
    Routed routed = route(request, qobject_cast<QSslSocket *>(socket) != nullptr);
    if (!routed.query) {
        routed.answer.writeTo(socket, head);
        return true;
    }
    // The connection may be gone by the time the record has answered.
    QPointer<QTcpSocket> to(socket);
    m_queries->ask(std::move(routed.query), this,
                   [to, head](const HttpReply &reply) { reply.writeTo(to.data(), head); });
    return true;
}

void LineServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    problem(Status::NotFound, QStringLiteral("no such page"))
        .writeTo(socket, request.method() == QHttpServerRequest::Method::Head);
}

LineServer::Routed LineServer::route(const QHttpServerRequest &request, bool tls)
{
    const auto method = request.method();
    if (method != QHttpServerRequest::Method::Get && method != QHttpServerRequest::Method::Head) {
        Answer a = problem(Status::MethodNotAllowed,
                           QStringLiteral("this server is read-only: GET and HEAD only"));
        a.headers.append(header("Allow", "GET, HEAD"));
        return a;
    }
    // Without a token only this PC is served: a page elsewhere that points a
    // name of its own at 127.0.0.1 (DNS rebinding) gets nothing.
    if (m_options.token.isEmpty() && !loopbackHost(request.value("Host")))
        return problem(Status::Forbidden,
                       QStringLiteral("this server answers only to 127.0.0.1, [::1] or localhost"));
    const QString path = request.url().path();
    // What a browser needs to log in comes without the token.
    if (path == QLatin1String("/line.css"))
        return asset(QStringLiteral("line.css"), "text/css; charset=utf-8");
    if (path == QLatin1String("/login"))
        return login(request, tls);
    if (!authorised(request)) {
        if (path.startsWith(QLatin1String("/api/")))
            return problem(Status::Unauthorized, QStringLiteral("a token is needed"));
        Answer a = asset(QStringLiteral("login.html"), "text/html; charset=utf-8");
        a.status = Status::Unauthorized;
        return a;
    }
    if (path == QLatin1String("/") || path == QLatin1String("/index.html"))
        return asset(QStringLiteral("index.html"), "text/html; charset=utf-8");
    if (path == QLatin1String("/line.js"))
        return asset(QStringLiteral("line.js"), "text/javascript; charset=utf-8");
    if (path == QLatin1String("/favicon.svg") || path == QLatin1String("/favicon.ico"))
        return asset(QStringLiteral("favicon.svg"), "image/svg+xml");
    const Snapshot now = m_snapshot->current();
    if (path == QLatin1String("/api/units"))
        return apiUnits(request, false);
    if (path == QLatin1String("/api/units.csv"))
        return apiUnits(request, true);
    if (path == QLatin1String("/api/stats"))
        return apiStats(request);
    QByteArray body;
    if (path == QLatin1String("/api/stations"))
        body = now.stations;
    else if (path == QLatin1String("/api/check"))
        body = now.check;
    else if (path == QLatin1String("/api/last"))
        body = now.units;
    else if (path == QLatin1String("/api/health"))
        body = LineJson::bytes({{QStringLiteral("read_at_ms"), double(now.readAtMs)},
                                {QStringLiteral("problem"), now.problem}});
    else
        return problem(Status::NotFound, QStringLiteral("no such page"));
    if (body.isEmpty())
        return problem(Status::ServiceUnavailable,
                       QStringLiteral("the record has not been read yet: %1").arg(now.problem));
    Answer a = json(body);
    a.headers.append(header("X-Read-At", QByteArray::number(now.readAtMs)));
    if (!now.problem.isEmpty())
        a.headers.append(header("X-Record-Problem", now.problem.simplified().toUtf8()));
    return a;
}

LineServer::Answer LineServer::asset(const QString &name, const QByteArray &type) const
{
    QFile file(QStringLiteral(":/web/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return problem(Status::NotFound, QStringLiteral("no such page"));
    return {Status::Ok, type, file.readAll(), {}};
}

LineServer::Routed LineServer::apiUnits(const QHttpServerRequest &request, bool csv)
{
    const QUrlQuery query(request.url());
    UnitFilter filter;
    const std::optional<QString> since = sinceOf(query);
    if (!since)
        return badSince();
    filter.since = *since;
    if (query.hasQueryItem(QStringLiteral("state"))) {
        filter.state = unitStateFromName(query.queryItemValue(QStringLiteral("state")));
        if (!filter.state)
            return problem(Status::BadRequest,
                           QStringLiteral("state: one of reserved, pass, fail, unknown"));
    }
    filter.station = query.queryItemValue(QStringLiteral("station"), QUrl::FullyDecoded);
    if (!csv) {
        filter.limit = kMostUnits;
        if (query.hasQueryItem(QStringLiteral("limit"))) {
            bool ok = false;
            filter.limit = query.queryItemValue(QStringLiteral("limit")).toInt(&ok);
            if (!ok || filter.limit < 1 || filter.limit > kMostUnits)
                return problem(
                    Status::BadRequest,
                    QStringLiteral("limit: 1 to %1 (the CSV has every unit)").arg(kMostUnits));
        }
        filter.newestFirst = true;
    }
    return RecordQueries::Query([filter, csv](ProductionStore &store) -> HttpReply {
        QString why;
        QList<UnitRow> units = StoreReport::units(store, filter, &why);
        if (!why.isEmpty())
            return unreadable(store, why);
        if (csv) {
            HttpReply a{Status::Ok, "text/csv; charset=utf-8", StoreReport::csv(units), {}};
            a.headers.append(header("Content-Disposition", "attachment; filename=\"units.csv\""));
            return a;
        }
        // Oldest first, as `records list` prints them.
        std::reverse(units.begin(), units.end());
        return json(LineJson::units(units));
    });
}

LineServer::Routed LineServer::apiStats(const QHttpServerRequest &request)
{
    const QUrlQuery query(request.url());
    if (!query.hasQueryItem(QStringLiteral("since")) &&
        !query.hasQueryItem(QStringLiteral("station"))) {
        // This shift's, as the page shows them.
        const Snapshot now = m_snapshot->current();
        if (now.stats.isEmpty())
            return problem(Status::ServiceUnavailable,
                           QStringLiteral("the record has not been read yet: %1").arg(now.problem));
        return json(now.stats);
    }
    StatsFilter filter;
    filter.station = query.queryItemValue(QStringLiteral("station"), QUrl::FullyDecoded);
    const std::optional<QString> since = sinceOf(query);
    if (!since)
        return badSince();
    filter.since = *since;
    return RecordQueries::Query([filter](ProductionStore &store) -> HttpReply {
        QString why;
        const std::optional<LineStats> stats = StoreStats::compute(store, filter, &why);
        if (!stats)
            return unreadable(store, why);
        return json(LineJson::bytes(statsJson(*stats, filter)));
    });
}

LineServer::Answer LineServer::login(const QHttpServerRequest &request, bool tls)
{
    const QUrlQuery query(request.url());
    const QByteArray given =
        query.queryItemValue(QStringLiteral("token"), QUrl::FullyDecoded).toUtf8();
    if (m_options.token.isEmpty() || given.isEmpty() || !sameSecret(given, m_options.token)) {
        Answer a = asset(QStringLiteral("login.html"), "text/html; charset=utf-8");
        if (!given.isEmpty() || m_options.token.isEmpty())
            a.status = Status::Unauthorized;
        return a;
    }
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    for (auto it = m_sessions.begin(); it != m_sessions.end();)
        it = it.value() < now ? m_sessions.erase(it) : std::next(it);
    QByteArray id(32, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(id.data()), 8);
    id = id.toHex();
    m_sessions.insert(id, now + qint64(m_options.sessionHours) * 3600 * 1000);
    Answer a{Status::SeeOther, "text/plain; charset=utf-8", "logged in\n", {}};
    a.headers.append(header("Location", "/"));
    a.headers.append(header("Set-Cookie", kCookie + '=' + id +
                                              "; Path=/; HttpOnly; SameSite=Strict; Max-Age=" +
                                              QByteArray::number(m_options.sessionHours * 3600) +
                                              (tls ? "; Secure" : "")));
    return a;
}

bool LineServer::authorised(const QHttpServerRequest &request) const
{
    if (m_options.token.isEmpty())
        return true;
    const QByteArray header = request.value("Authorization");
    if (header.startsWith("Bearer ") && sameSecret(header.mid(7).trimmed(), m_options.token))
        return true;
    const QByteArray cookie = cookieValue(request);
    if (cookie.isEmpty())
        return false;
    for (auto it = m_sessions.cbegin(); it != m_sessions.cend(); ++it)
        if (sameSecret(cookie, it.key()) && it.value() > QDateTime::currentMSecsSinceEpoch())
            return true;
    return false;
}

} // namespace zomar
