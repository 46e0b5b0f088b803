// What the line supervisor's page and the feed cost, against a throwaway
// PostgreSQL server (initdb in a temporary folder) and virtual modules that
// zomar-sim runs in a process of its own:
//
// 1. 100,000 units in the record; zomar-cli serve; 50 browsers (HTTP clients
//    on a thread of their own) reading what the page reads every second,
//    and the API's queries with filters. Goal: every path answers within
//    100 ms at the 95th percentile.
// 2. 4 stations x 16 modules, with those 50 browsers against without them,
//    in turns. Goal: the stations' time per tray at most 1.05 times.
// 3. zomar-cli feed --once over 3,000 settled units to an endpoint of this
//    program on loopback. Goal: at least 200 units/s.
//
//   serve_bench [ROUNDS]      (default 3; 0: no trays, the API and the feed only)

#include "bench/LineBench.h"
#include "tests/cli/MesEndpoint.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <map>
#include <unistd.h>
#include <mutex>

using namespace zomar;

namespace {

constexpr int kUnits = 100000;
constexpr int kBrowsers = 50;
constexpr int kModules = 16;
constexpr int kStations = 4;
constexpr int kFeedUnits = 3000;

const QStringList kPagePaths{"api/stations", "api/stats", "api/check", "api/last"};

// Latencies by path, in milliseconds, from any thread.
struct Latencies {
    std::mutex mutex;
    std::map<QString, std::vector<double>> byPath;
    int failed = 0;
    void add(const QString &path, double ms, bool ok)
    {
        std::lock_guard<std::mutex> lock(mutex);
        byPath[path].push_back(ms);
        failed += ok ? 0 : 1;
    }
};

double percentile95(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[std::min(v.size() - 1, size_t(double(v.size()) * 0.95))];
}

// One of a browser's keep-alive connections: a GET, its answer read to the
// end of its body (by its length), the time it took. A plain socket, so that
// what the 50 browsers cost this machine is little beside what serve costs:
// real browsers run elsewhere.
class Connection : public QObject
{
public:
    Connection(const QUrl &url, const QString &path, Latencies &latencies, QObject *parent)
        : QObject(parent), m_url(url), m_path(path), m_latencies(latencies)
    {
        m_request = "GET /" + path.toLatin1() + " HTTP/1.1\r\nHost: " +
                    url.authority().toLatin1() + "\r\n\r\n";
        connect(&m_socket, &QTcpSocket::readyRead, this, &Connection::read);
        connect(&m_socket, &QTcpSocket::disconnected, this, [this] { done(false, 0); });
    }
    void get()
    {
        if (m_waiting)
            return; // the last answer is still on its way: a page waits for it
        if (m_socket.state() != QAbstractSocket::ConnectedState) {
            m_socket.abort();
            m_socket.connectToHost(m_url.host(), quint16(m_url.port()));
        }
        m_waiting = true;
        m_started.start();
        m_buffer.clear();
        m_socket.write(m_request); // written once connected
    }

private:
    void read()
    {
        m_buffer += m_socket.readAll();
        const qsizetype end = m_buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = m_buffer.left(end).toLower();
        const qsizetype at = head.indexOf("\r\ncontent-length:");
        if (at < 0)
            return done(false, end);
        const qsizetype length = head.mid(at + 17, head.indexOf('\r', at + 2) - at - 17)
                                     .trimmed()
                                     .toLongLong();
        if (m_buffer.size() >= end + 4 + length)
            done(m_buffer.startsWith("HTTP/1.1 200"), end + 4 + length);
    }
    void done(bool ok, qsizetype used)
    {
        if (!m_waiting)
            return;
        m_waiting = false;
        m_latencies.add(m_path, double(m_started.nsecsElapsed()) / 1e6, ok);
        m_buffer.remove(0, used);
        if (!ok)
            m_socket.abort();
    }

    QUrl m_url;
    QString m_path;
    Latencies &m_latencies;
    QTcpSocket m_socket;
    QByteArray m_request, m_buffer;
    QElapsedTimer m_started;
    bool m_waiting = false;
};

// A browser: the page's four reads at once, every second from when it was
// opened (browsers opened at different times do not poll in step).
class Browser : public QObject
{
public:
    Browser(const QString &url, Latencies &latencies, int openedAtMs)
    {
        for (const QString &path : kPagePaths)
            m_connections.push_back(new Connection(QUrl(url), path, latencies, this));
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &Browser::poll);
        QTimer::singleShot(openedAtMs, this, [this, timer] {
            timer->start(1000);
            poll();
        });
    }

private:
    void poll()
    {
        for (Connection *c : m_connections)
            c->get();
    }
    std::vector<Connection *> m_connections;
};

// Browsers on a thread of their own, for as long as the object lives.
class BrowserThread
{
public:
    BrowserThread(const QString &url, Latencies &latencies, int count, int first)
    {
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_owner,
            [this, url, &latencies, count, first] {
                for (int i = 0; i < count; ++i)
                    m_browsers.push_back(std::make_unique<Browser>(
                        url, latencies, (first + i) * 1000 / kBrowsers));
            },
            Qt::BlockingQueuedConnection);
    }
    ~BrowserThread()
    {
        QMetaObject::invokeMethod(&m_owner, [this] { m_browsers.clear(); },
                                  Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }

private:
    QThread m_thread;
    struct Owner : QObject {
        explicit Owner(QThread &t) { moveToThread(&t); }
    } m_owner{m_thread};
    std::vector<std::unique_ptr<Browser>> m_browsers;
};

// 50 browsers on five threads, so that the clients' own work does not
// count as the server's time.
struct Browsers {
    Browsers(const QString &url, Latencies &latencies)
    {
        for (int i = 0; i < 5; ++i)
            threads.push_back(
                std::make_unique<BrowserThread>(url, latencies, kBrowsers / 5, i * kBrowsers / 5));
    }
    std::vector<std::unique_ptr<BrowserThread>> threads;
};

// Units settled over the last day by four stations, 5 % failed.
bool fill(test::PgCluster &pg, const QString &db, int units)
{
    return pg.sql(QStringLiteral("INSERT INTO runs (run_uuid, station, boot_id, pid, "
                                 "process_start, program, started_at, host, seen_at) SELECT "
                                 "'run-' || s, 'line-' || s, 'boot', 1, 1, 'bench', "
                                 "'2026-12-01T00:00:00.000Z', 'elsewhere', NULL FROM "
                                 "generate_series(0, 3) s"),
                  db) &&
           pg.sql(QStringLiteral(
                      "INSERT INTO units (unit_uuid, run_id, local_address, state, packet_sent, "
                      "station, device, reserved_at, settled_at, failure, message, "
                      "operator_name) SELECT md5(g::text), (SELECT MIN(id) FROM runs) + g %% 4, "
                      "g, CASE WHEN g %% 20 = 0 THEN 'fail' ELSE 'pass' END, 1, 'line-' || (g "
                      "%% 4), '/dev/pts/' || (g %% 16), to_char((now() - (%1 - g) * interval "
                      "'800 ms') AT TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), "
                      "to_char((now() - (%1 - g) * interval '800 ms' + interval '700 ms') AT "
                      "TIME ZONE 'UTC', 'YYYY-MM-DD\"T\"HH24:MI:SS.MS\"Z\"'), CASE WHEN g %% 20 = "
                      "0 THEN 'no_answer' ELSE '' END, 'bench', 'op-' || (g %% 3) FROM "
                      "generate_series(1, %1) g")
                      .arg(units)
                      .replace(QStringLiteral("%%"), QStringLiteral("%")),
                  db) &&
           // What the server's autovacuum does to a table that grew so: the
           // planner's figures, and the rows' visibility settled once.
           pg.sql(QStringLiteral("VACUUM ANALYZE units"), db);
}

// CPU seconds a process has used (user and system), from /proc.
double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = stat.readAll().split(')').value(1).split(' ');
    // After "pid (comm)": state is field 3; utime and stime are 14 and 15.
    return (fields.value(12).toDouble() + fields.value(13).toDouble()) /
           double(sysconf(_SC_CLK_TCK));
}

QString startServe(QProcess &serve, const QString &store)
{
    serve.start(QStringLiteral(ZOMAR_CLI),
                {"serve", "--store", store, "--listen", "127.0.0.1:0", "--json"});
    QByteArray out;
    while (!out.contains('\n') && serve.waitForReadyRead(20000))
        out += serve.readAllStandardOutput();
    return QJsonDocument::fromJson(out.split('\n').value(0)).object().value("url").toString();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(0, QByteArray(argv[1]).toInt()) : 3;
    test::PgCluster pg;
    QString store;
    if (!bench::startLineServer(pg, &store) || !fill(pg, "line", kUnits)) {
        std::fprintf(stderr, "serve_bench: the record was not made: %s\n", qPrintable(pg.error()));
        return 2;
    }
    QTemporaryDir dir;
    qputenv("XDG_DATA_HOME", dir.filePath(QStringLiteral("data")).toUtf8());
    QProcess serve;
    const QString url = startServe(serve, store);
    if (url.isEmpty()) {
        std::fprintf(stderr, "serve_bench: serve did not start: %s\n",
                     serve.readAllStandardError().constData());
        return 2;
    }

    // 1. The page's reads under 50 browsers, and the API's filtered queries.
    Latencies latencies;
    const double cpuBefore = processCpuSeconds(serve.processId());
    {
        Browsers browsers(url, latencies);
        QNetworkAccessManager network;
        const QStringList queries{"api/units?limit=500", "api/units?station=line-2&since=1h",
                                  "api/units?state=fail&since=12h", "api/stats?since=8h",
                                  "api/stats?station=line-1&since=12h"};
        for (int i = 0; i < 20; ++i) {
            for (const QString &path : queries) {
                QElapsedTimer t;
                t.start();
                QNetworkReply *reply = network.get(QNetworkRequest(QUrl(url + path)));
                QEventLoop loop;
                QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
                loop.exec();
                latencies.add(path,
                              double(t.nsecsElapsed()) / 1e6,
                              reply->error() == QNetworkReply::NoError);
                reply->deleteLater();
            }
            QThread::msleep(200);
        }
    }
    // What the answers cost the server, whatever else the machine runs.
    const double cpu = processCpuSeconds(serve.processId()) - cpuBefore;
    size_t answers = 0;
    for (const auto &[path, ms] : latencies.byPath)
        answers += ms.size();
    std::printf("serve used %.2f s of CPU for %zu answers and its readings: %.2f ms an answer\n",
                cpu, answers, answers ? cpu * 1000 / double(answers) : 0.0);
    bool apiOk = latencies.failed == 0;
    for (const auto &[path, ms] : latencies.byPath) {
        const double p95 = percentile95(ms);
        apiOk = apiOk && p95 <= 100;
        std::printf("%-36s %5zu answers with %d units  p95 %6.1f ms   goal <= 100 ms  %s\n",
                    qPrintable(path), ms.size(), kUnits, p95, p95 <= 100 ? "PASS" : "FAIL");
    }
    if (latencies.failed)
        std::printf("%d answers failed\n", latencies.failed);

    // 2. Four stations' trays with and without the browsers.
    double ratio = 0;
    if (rounds > 0) {
        const QString profile = bench::writeProfile(dir);
        QProcess sim;
        const QStringList devices = bench::startModules(sim, kStations * kModules);
        if (devices.size() != kStations * kModules) {
            std::fprintf(stderr, "serve_bench: zomar-sim did not start its modules\n");
            return 2;
        }
        std::vector<double> quiet, watched;
        double serveCpu = 0, browsersCpu = 0;
        for (int i = 0; i < rounds; ++i) {
            quiet.push_back(bench::programStations(ZOMAR_CLI, profile, store, devices, kStations,
                                                   kModules, QStringLiteral("tray-%1").arg(2 * i),
                                                   "900000"));
            {
                Latencies ignored;
                Browsers browsers(url, ignored);
                const double serveBefore = processCpuSeconds(serve.processId());
                const double selfBefore = processCpuSeconds(QCoreApplication::applicationPid());
                watched.push_back(bench::programStations(ZOMAR_CLI, profile, store, devices,
                                                         kStations, kModules,
                                                         QStringLiteral("tray-%1").arg(2 * i + 1),
                                                         "900000"));
                serveCpu += processCpuSeconds(serve.processId()) - serveBefore;
                browsersCpu += processCpuSeconds(QCoreApplication::applicationPid()) - selfBefore;
            }
            if (quiet.back() < 0 || watched.back() < 0) {
                std::fprintf(stderr, "serve_bench: a tray failed\n");
                return 2;
            }
        }
        const double q = bench::median(quiet), w = bench::median(watched);
        ratio = w / q;
        std::printf("%d stations x %d modules: %.3f s alone, %.3f s with %d browsers (median "
                    "of %d)  ratio %.3f   goal <= 1.05  %s\n",
                    kStations, kModules, q, w, kBrowsers, rounds, ratio,
                    ratio <= 1.05 ? "PASS" : "FAIL");
        double watchedSeconds = 0;
        for (double seconds : watched)
            watchedSeconds += std::max(seconds, 0.0);
        if (watchedSeconds > 0)
            std::printf("while the browsers watched the trays: serve used %.0f %% of a core, "
                        "the browsers %.0f %%\n",
                        100 * serveCpu / watchedSeconds, 100 * browsersCpu / watchedSeconds);
        sim.terminate();
        sim.waitForFinished();
    }
    serve.terminate();
    serve.waitForFinished();

    // 3. The feed to an endpoint on loopback.
    bool feedOk = pg.sql(QStringLiteral("CREATE DATABASE feed OWNER line"));
    const QString feedStore = pg.uri(QStringLiteral("line"), QStringLiteral("feed"));
    QString error;
    feedOk = feedOk && ProductionStore::open(feedStore, ProductionStore::Mode::Init, &error) &&
             fill(pg, "feed", kFeedUnits);
    test::MesEndpoint mes;
    feedOk = feedOk && mes.listen();
    QProcess feed;
    QElapsedTimer t;
    t.start();
    feed.start(QStringLiteral(ZOMAR_CLI),
               {"feed", "--store", feedStore, "--to",
                QStringLiteral("http://127.0.0.1:%1/units").arg(mes.port()), "--once"});
    QEventLoop loop;
    QObject::connect(&feed, &QProcess::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(300000, &loop, &QEventLoop::quit);
    loop.exec();
    const double seconds = double(t.nsecsElapsed()) / 1e9;
    const double rate = mes.taken().size() / seconds;
    feedOk = feedOk && feed.exitCode() == 0 && mes.taken().size() == kFeedUnits;
    std::printf("feed: %lld of %d units delivered in %.2f s  %.0f units/s   goal >= 200/s  %s\n",
                qlonglong(mes.taken().size()), kFeedUnits, seconds, rate,
                feedOk && rate >= 200 ? "PASS" : "FAIL");
    return apiOk && ratio <= 1.05 && feedOk && rate >= 200 ? 0 : 1;
}
