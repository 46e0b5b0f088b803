#include "apps/zomar-cli/FeedCommand.h"

#include "apps/zomar-cli/RecordsCommand.h"
#include "apps/zomar-cli/ServeCommand.h"
#include "core/fleet/ProductionStore.h"
#include "core/process/InterruptWatch.h"
#include "feed/FeedPump.h"

#include <QUrl>

namespace zomar {

std::optional<int> runFeed(Cli &cli)
{
    QCommandLineParser &p = cli.parser;
    p.addOptions({
        storeOption(),
        {QStringLiteral("to"),
         QStringLiteral("The endpoint (http:// or https://) each unit is posted to, as JSON."),
         QStringLiteral("url")},
        {QStringLiteral("name"),
         QStringLiteral("The feed's name in the record, where its place is kept (default: the "
                        "endpoint's address)."),
         QStringLiteral("name")},
        {QStringLiteral("auth-file"),
         QStringLiteral("A file whose first line is sent as the Authorization header (e.g. "
                        "\"Bearer TOKEN\")."),
         QStringLiteral("file")},
        {QStringLiteral("once"),
         QStringLiteral("Post what is waiting, then end (exit 2 when the endpoint could not "
                        "take it all).")},
    });
    // Each unit done is a line of its own.
    if (!cli.parse(Cli::JsonOption | Cli::JsonLines))
        return cli.exitCode();
    FeedOptions options;
    options.endpoint = QUrl(p.value(QStringLiteral("to")), QUrl::StrictMode);
    const QString scheme = options.endpoint.scheme();
    if (!options.endpoint.isValid() || options.endpoint.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        cli.fail(exit_codes::BadCommandLine,
                 p.isSet(QStringLiteral("to"))
                     ? QStringLiteral("--to %1: give an http:// or https:// address")
                           .arg(Cli::visible(p.value(QStringLiteral("to"))))
                     : QStringLiteral("name the endpoint: feed --to URL"));
        return cli.exitCode();
    }
    if (!options.endpoint.password().isEmpty()) {
        cli.fail(exit_codes::BadCommandLine,
                 QStringLiteral("--to: put the endpoint's password in --auth-file, not in the "
                                "address (it would show in the process list)"));
        return cli.exitCode();
    }
    options.name = p.value(QStringLiteral("name"));
    if (p.isSet(QStringLiteral("auth-file"))) {
        const std::optional<QByteArray> auth = readSecretFile(cli, QStringLiteral("auth-file"), 1);
        if (!auth)
            return cli.exitCode();
        options.authorization = *auth;
    }
    const QString location = storeLocation(cli);
    QString error;
    std::unique_ptr<ProductionStore> store =
        ProductionStore::open(location, ProductionStore::Mode::Existing, &error);
    if (!store) {
        cli.fail(exit_codes::BadCommandLine, error);
        return cli.exitCode();
    }
    const bool once = p.isSet(QStringLiteral("once"));
    auto *pump = new FeedPump(std::move(store), options, &cli);
    QObject::connect(pump, &FeedPump::warning, &cli,
                     [&cli](const QString &text) { cli.err(QStringLiteral("warning: %1").arg(text)); });
    QObject::connect(pump, &FeedPump::held, &cli, [&cli, once, pump](const QString &text) {
        cli.err(QStringLiteral("warning: %1").arg(text));
        // --once: an endpoint that cannot take a unit ends the run.
        if (once)
            pump->stop();
    });
    QObject::connect(pump, &FeedPump::unitDone, &cli,
                     [&cli](const QString &unitId, bool delivered) {
                         if (cli.json())
                             cli.printJson({{QStringLiteral("unit_id"), unitId},
                                            {QStringLiteral("delivered"), delivered}});
                     });
    QObject::connect(pump, &FeedPump::finished, &cli, [&cli, pump, once, options] {
        if (!cli.json())
            cli.err(QStringLiteral("%1 unit(s) delivered to %2, %3 refused")
                        .arg(pump->delivered())
                        .arg(FeedPump::nameFor(options.endpoint))
                        .arg(pump->refused()));
        cli.finish(once && !pump->idle() ? exit_codes::NoAnswer : exit_codes::Done);
    });
    if (once)
        QObject::connect(pump, &FeedPump::caughtUp, pump, &FeedPump::stop);
    auto *watch = new InterruptWatch(&cli);
    QObject::connect(watch, &InterruptWatch::interrupted, pump, &FeedPump::stop);
    if (!cli.json())
        cli.err(QStringLiteral("Feeding settled units of %1 to %2; Ctrl+C ends.")
                    .arg(location, FeedPump::nameFor(options.endpoint)));
    pump->start();
    return std::nullopt;
}

} // namespace zomar
