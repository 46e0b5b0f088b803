#include "apps/zomar-cli/ServeCommand.h"

#include "apps/zomar-cli/RecordsCommand.h"
#include "core/fleet/ProductionStore.h"
#include "core/lineview/LineView.h"
#include "core/process/InterruptWatch.h"
#include "web/LineServer.h"

#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QSslCertificate>
#include <QSslKey>

namespace zomar {

namespace {

constexpr int kShortestToken = 16;

struct Listen {
    QHostAddress address;
    quint16 port = 0;
};

// "127.0.0.1:8080", "[::1]:8080", "localhost:8080", "0.0.0.0:80".
std::optional<Listen> parseListen(const QString &text)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    QString host = text.left(colon);
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    if (!ok || port > 65535)
        return std::nullopt;
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    if (host == QLatin1String("localhost"))
        host = QStringLiteral("127.0.0.1");
    QHostAddress address;
    if (!address.setAddress(host))
        return std::nullopt;
    return Listen{address, quint16(port)};
}

} // namespace

std::optional<QByteArray> readSecretFile(Cli &cli, const QString &option, int shortest)
{
    const QString path = cli.parser.value(option);
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--%1 %2: cannot read it (%3)")
                     .arg(option, path,
                          file.errorString().isEmpty() ? QStringLiteral("not a file")
                                                       : file.errorString()));
        return std::nullopt;
    }
    const QByteArray secret = file.read(4096).split('\n').value(0).trimmed();
    if (secret.size() < shortest) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--%1 %2: its first line must hold a secret of %3 characters or "
                                "more")
                     .arg(option, path)
                     .arg(shortest));
        return std::nullopt;
    }
    if (QFileInfo(path).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup))
        cli.err(QStringLiteral("warning: %1 can be read by other users of this PC (chmod 600 "
                               "it)")
                    .arg(path));
    return secret;
}

namespace {

std::optional<QSslConfiguration> tlsConfiguration(Cli &cli)
{
    const QCommandLineParser &p = cli.parser;
    const QString certPath = p.value(QStringLiteral("tls-cert"));
    const QString keyPath = p.value(QStringLiteral("tls-key"));
    QFile certFile(certPath);
    QFile keyFile(keyPath);
    if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--tls-cert %1 / --tls-key %2: cannot read them")
                     .arg(certPath, keyPath));
        return std::nullopt;
    }
    const QList<QSslCertificate> chain = QSslCertificate::fromDevice(&certFile, QSsl::Pem);
    const QByteArray keyBytes = keyFile.readAll();
    QSslKey key(keyBytes, QSsl::Rsa, QSsl::Pem);
    if (key.isNull())
        key = QSslKey(keyBytes, QSsl::Ec, QSsl::Pem);
    if (chain.isEmpty() || key.isNull()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--tls-cert %1 / --tls-key %2: %3")
                     .arg(certPath, keyPath,
                          chain.isEmpty() ? QStringLiteral("no PEM certificate in it")
                                          : QStringLiteral("no PEM private key (RSA or EC, "
                                                           "without a passphrase) in it")));
        return std::nullopt;
    }
    QSslConfiguration c = QSslConfiguration::defaultConfiguration();
    c.setLocalCertificateChain(chain);
    c.setPrivateKey(key);
    c.setPeerVerifyMode(QSslSocket::VerifyNone);
    c.setProtocol(QSsl::TlsV1_2OrLater);
    return c;
}

} // namespace

std::optional<int> runServe(Cli &cli)
{
    QCommandLineParser &p = cli.parser;
    p.addOptions({
        storeOption(),
        {QStringLiteral("listen"),
         QStringLiteral("Address and port to serve on (default 127.0.0.1:8080; port 0: any "
                        "free one). Anything but loopback needs --token-file."),
         QStringLiteral("address:port"), QStringLiteral("127.0.0.1:8080")},
        {QStringLiteral("token-file"),
         QStringLiteral("A file whose first line is the token (16 characters or more) that "
                        "browsers and API clients must give."),
         QStringLiteral("file")},
        {QStringLiteral("tls-cert"), QStringLiteral("Serve HTTPS with this PEM certificate."),
         QStringLiteral("file")},
        {QStringLiteral("tls-key"), QStringLiteral("The PEM private key of --tls-cert."),
         QStringLiteral("file")},
        {QStringLiteral("shifts"),
         QStringLiteral("When shifts start, local time (default 06:00,14:00,22:00): the page's "
                        "figures are the current shift's."),
         QStringLiteral("times"), QStringLiteral("06:00,14:00,22:00")},
        {QStringLiteral("max-connections"),
         QStringLiteral("Connections served at once (default 256); more are closed."),
         QStringLiteral("n"), QStringLiteral("256")},
    });
    if (!cli.parse(Cli::JsonOption))
        return cli.exitCode();
    const std::optional<Listen> listen = parseListen(p.value(QStringLiteral("listen")));
    if (!listen) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--listen %1: give an address and a port, as 127.0.0.1:8080 "
                                "or [::1]:8080")
                     .arg(Cli::visible(p.value(QStringLiteral("listen")))));
        return cli.exitCode();
    }
    ServeOptions options;
    options.snapshot.location = storeLocation(cli);
    QString why;
    const std::optional<QList<QTime>> shifts =
        LineView::parseShifts(p.value(QStringLiteral("shifts")), &why);
    if (!shifts) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("--shifts: %1").arg(why));
        return cli.exitCode();
    }
    options.snapshot.shifts = *shifts;
    bool ok = false;
    options.bounds.connections = p.value(QStringLiteral("max-connections")).toInt(&ok);
    if (!ok || options.bounds.connections < 1 || options.bounds.connections > 4096) {
        cli.fail(exit_codes::BadCommandLine, QStringLiteral("--max-connections: 1 to 4096"));
        return cli.exitCode();
    }
    if (p.isSet(QStringLiteral("token-file"))) {
        const std::optional<QByteArray> token =
            readSecretFile(cli, QStringLiteral("token-file"), kShortestToken);
        if (!token)
            return cli.exitCode();
        options.token = *token;
    }
    // Anyone on the network could read the line's record: not without a token.
    if (!listen->address.isLoopback() && options.token.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--listen %1 can be reached from other computers: give "
                                "--token-file FILE too (a token of %2 characters or more), so "
                                "that only those who have it see the line; or listen on "
                                "127.0.0.1")
                     .arg(p.value(QStringLiteral("listen")))
                     .arg(kShortestToken));
        return cli.exitCode();
    }
    if (p.isSet(QStringLiteral("tls-cert")) != p.isSet(QStringLiteral("tls-key"))) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("HTTPS needs both --tls-cert and --tls-key"));
        return cli.exitCode();
    }
    std::optional<QSslConfiguration> tls;
    if (p.isSet(QStringLiteral("tls-cert"))) {
        tls = tlsConfiguration(cli);
        if (!tls)
            return cli.exitCode();
    }
    auto *server = new LineServer(options, &cli);
    const QString problem = server->start();
    if (!problem.isEmpty()) {
        cli.fail(exit_codes::BadCommandLine, problem);
        return cli.exitCode();
    }
    auto *socket = new GuardedServer(options.bounds, server);
    if (tls)
        socket->useTls(*tls);
    if (!socket->listen(listen->address, listen->port)) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--listen %1: %2")
                     .arg(p.value(QStringLiteral("listen")), socket->errorString()));
        return cli.exitCode();
    }
    server->listenOn(socket);
    const QString host = listen->address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QStringLiteral("[%1]").arg(listen->address.toString())
                             : listen->address.toString();
    const QString url = QStringLiteral("%1://%2:%3/")
                            .arg(tls ? QStringLiteral("https") : QStringLiteral("http"), host)
                            .arg(socket->serverPort());
    if (cli.json())
        cli.printJson({{QStringLiteral("url"), url},
                       {QStringLiteral("token"), !options.token.isEmpty()},
                       {QStringLiteral("tls"), bool(tls)}});
    else
        cli.out(QStringLiteral("Serving the line's page on %1 (read-only%2); Ctrl+C ends.")
                    .arg(url, options.token.isEmpty() ? QString()
                                                      : QStringLiteral(", token needed")));
    if (!listen->address.isLoopback() && !tls)
        cli.err(QStringLiteral("warning: without --tls-cert the token and the line's figures "
                               "cross the network unencrypted"));
    auto *watch = new InterruptWatch(&cli);
    QObject::connect(watch, &InterruptWatch::interrupted, &cli,
                     [&cli] { cli.finish(exit_codes::Done); });
    return std::nullopt;
}

} // namespace zomar
