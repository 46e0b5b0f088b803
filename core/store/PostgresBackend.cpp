#include "core/store/PostgresBackend.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

namespace zomar {

namespace {

// libpq keywords a location may carry beside its host, port, user and
// database; anything else (a password above all) is refused.
const QStringList kOptionKeywords{
    QStringLiteral("host"),           QStringLiteral("hostaddr"),
    QStringLiteral("port"),           QStringLiteral("dbname"),
    QStringLiteral("user"),           QStringLiteral("sslmode"),
    QStringLiteral("sslrootcert"),    QStringLiteral("sslcert"),
    QStringLiteral("sslkey"),         QStringLiteral("sslcrl"),
    QStringLiteral("connect_timeout"), QStringLiteral("application_name"),
    QStringLiteral("passfile"),       QStringLiteral("target_session_attrs")};

// Transactions that move a counter or settle other runs take this lock in
// turn, as SQLite's BEGIN IMMEDIATE does for a file ("zomar" in ASCII).
constexpr qint64 kWriterLock = 0x7A6F6D6172;

// No transaction of these tools waits this long between its statements.
constexpr int kIdleInTransactionMs = 5000;

// A libpq connection-string value, quoted.
QString quoted(const QString &value)
{
    QString v = value;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''),
                                                                 QStringLiteral("\\'"));
    return QLatin1Char('\'') + v + QLatin1Char('\'');
}

QString decoded(const QString &text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

} // namespace

bool PgAddress::isServerLocation(const QString &location)
{
    return location.startsWith(QLatin1String("postgresql://")) ||
           location.startsWith(QLatin1String("postgres://"));
}

std::optional<PgAddress> PgAddress::parse(const QString &location, QString *error)
{
    const auto refuse = [&](const QString &why) -> std::optional<PgAddress> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (!isServerLocation(location))
        return refuse(QStringLiteral("%1: not a postgresql:// address").arg(location));
    QString rest = location.mid(location.indexOf(QLatin1String("://")) + 3);
    QString query;
    if (const qsizetype q = rest.indexOf(QLatin1Char('?')); q >= 0) {
        query = rest.mid(q + 1);
        rest.truncate(q);
    }
    PgAddress a;
    if (const qsizetype slash = rest.indexOf(QLatin1Char('/')); slash >= 0) {
        a.database = decoded(rest.mid(slash + 1));
        rest.truncate(slash);
    }
    // The user part ends at the last "@"; a password would follow a ":" in it.
    if (const qsizetype at = rest.lastIndexOf(QLatin1Char('@')); at >= 0) {
        const QString userInfo = rest.left(at);
        rest = rest.mid(at + 1);
        if (userInfo.contains(QLatin1Char(':'))) {
            // Shown without it: the user, then the rest as given.
            const qsizetype start = location.indexOf(QLatin1String("://")) + 3;
            const QString shown = location.left(start) +
                                  userInfo.left(userInfo.indexOf(QLatin1Char(':'))) +
                                  QStringLiteral(":***") + location.mid(start + userInfo.size());
            return refuse(QStringLiteral("%1: a password in the store's address is refused (it "
                                         "would show in the process list and in messages): put "
                                         "it in ~/.pgpass (chmod 600) or PGPASSWORD")
                              .arg(shown));
        }
        a.user = decoded(userInfo);
    }
    if (rest.contains(QLatin1Char(',')))
        return refuse(QStringLiteral("%1: name one server, not a list").arg(location));
    // host, host:port, [v6], [v6]:port
    QString portText;
    if (rest.startsWith(QLatin1Char('['))) {
        const qsizetype close = rest.indexOf(QLatin1Char(']'));
        if (close < 0)
            return refuse(QStringLiteral("%1: an IPv6 address lacks its \"]\"").arg(location));
        a.host = rest.mid(1, close - 1);
        if (rest.mid(close + 1).startsWith(QLatin1Char(':')))
            portText = rest.mid(close + 2);
    } else if (const qsizetype colon = rest.lastIndexOf(QLatin1Char(':')); colon >= 0) {
        a.host = decoded(rest.left(colon));
        portText = rest.mid(colon + 1);
    } else {
        a.host = decoded(rest);
    }
    const QList<QPair<QString, QString>> items =
        QUrlQuery(query).queryItems(QUrl::FullyDecoded);
    for (const auto &[key, value] : items) {
        if (key == QLatin1String("password"))
            return refuse(QStringLiteral("%1: a password in the store's address is refused: put "
                                         "it in ~/.pgpass (chmod 600) or PGPASSWORD")
                              .arg(location.left(location.indexOf(QLatin1Char('?')))));
        if (!kOptionKeywords.contains(key))
            return refuse(QStringLiteral("%1: unknown parameter \"%2\" (taken: %3)")
                              .arg(location, key, kOptionKeywords.join(QStringLiteral(", "))));
        if (value.contains(QLatin1Char(';')))
            return refuse(QStringLiteral("%1: the value of \"%2\" may not hold \";\"")
                              .arg(location, key));
        if (key == QLatin1String("host"))
            a.host = value;
        else if (key == QLatin1String("port"))
            portText = value;
        else if (key == QLatin1String("dbname"))
            a.database = value;
        else if (key == QLatin1String("user"))
            a.user = value;
        else
            a.options.append({key, value});
    }
    if (!portText.isEmpty()) {
        bool ok = false;
        a.port = portText.toInt(&ok);
        if (!ok || a.port < 1 || a.port > 65535)
            return refuse(QStringLiteral("%1: the port %2 is not a number from 1 to 65535")
                              .arg(location, portText));
    }
    return a;
}

QString PgAddress::identity() const
{
    return QStringLiteral("%1@%2:%3/%4")
        .arg(user, host, port > 0 ? QString::number(port) : QStringLiteral("5432"), database);
}

bool PostgresBackend::driverInstalled()
{
    return QSqlDatabase::isDriverAvailable(driver());
}

bool PostgresBackend::driverLoads()
{
    // The plugin may be there and still not load (its libpq missing).
    const QString probe = QStringLiteral("zomar-driver-probe");
    bool valid = false;
    {
        const QSqlDatabase db = QSqlDatabase::addDatabase(driver(), probe);
        valid = db.isValid();
    }
    QSqlDatabase::removeDatabase(probe);
    return valid;
}

QString PostgresBackend::driverMissing()
{
    return QStringLiteral("the PostgreSQL driver of Qt (QPSQL) is not installed (Debian: sudo "
                          "apt-get install libqt6sql6-psql)");
}

QString PostgresBackend::driverNotLoaded()
{
    return QStringLiteral("QPSQL driver not loaded: reinstall it with its libpq (Debian: sudo "
                          "apt-get install --reinstall libqt6sql6-psql libpq5)");
}

QString PostgresBackend::driverProblem()
{
    if (!driverInstalled())
        return driverMissing();
    return driverLoads() ? QString() : driverNotLoaded();
}

bool PostgresBackend::exists(const QString &) const
{
    // A server's database is made by its administrator, not by a run.
    return true;
}

QString PostgresBackend::locationProblem(const QString &location, bool) const
{
    QString error;
    return PgAddress::parse(location, &error) ? QString() : error;
}

void PostgresBackend::configure(QSqlDatabase &db, const QString &location, int busyTimeoutMs) const
{
    const std::optional<PgAddress> a = PgAddress::parse(location, nullptr);
    if (!a)
        return;
    db.setHostName(a->host);
    db.setPort(a->port);
    db.setUserName(a->user);
    db.setDatabaseName(a->database);
    QStringList options;
    bool timeoutGiven = false;
    for (const auto &[key, value] : a->options) {
        options << key + QLatin1Char('=') + quoted(value);
        timeoutGiven = timeoutGiven || key == QLatin1String("connect_timeout");
    }
    // A server that does not answer, or a network cut in the middle of a
    // statement, is noticed in seconds, by the kernel too where it can (a
    // station's link also gives each statement a deadline of its own).
    if (!timeoutGiven)
        options << QStringLiteral("connect_timeout=5");
    options << QStringLiteral("keepalives=1") << QStringLiteral("keepalives_idle=5")
            << QStringLiteral("keepalives_interval=2") << QStringLiteral("keepalives_count=2")
            << QStringLiteral("tcp_user_timeout=9000")
            << QStringLiteral("application_name=zomar")
            // Waits for another station's lock as long as a file's busy timeout,
            // and the server's notices (a shutdown's warning) are not
            // printed on the program's standard error by libpq. A station
            // cut off in the middle of a transaction would hold its locks
            // until the server's own keepalives give up (hours): the server
            // ends a transaction left waiting for its next statement.
            << QStringLiteral("options=") +
                   quoted(QStringLiteral("-c lock_timeout=%1 -c client_min_messages=error -c "
                                         "idle_in_transaction_session_timeout=%2")
                              .arg(busyTimeoutMs)
                              .arg(kIdleInTransactionMs));
    db.setConnectOptions(options.join(QLatin1Char(';')));
}

QStringList PostgresBackend::sessionStatements() const
{
    return {};
}

QStringList PostgresBackend::beginWrite() const
{
    return {QStringLiteral("BEGIN"),
            QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(kWriterLock)};
}

QString PostgresBackend::idColumn() const
{
    return QStringLiteral("BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY");
}

QString PostgresBackend::epochNow() const
{
    return QStringLiteral("CAST(EXTRACT(EPOCH FROM now()) AS BIGINT)");
}

bool PostgresBackend::connectionLost(const QString &driverText) const
{
    static const char *const signs[] = {
        "could not connect",        "No such file or directory", "server closed the connection",
        "terminating connection",   "no connection to the server", "could not send data",
        "could not receive data",   "SSL SYSCALL",              "timeout expired",
        "Connection refused",       "Connection reset",         "Broken pipe",
        "could not translate host", "Network is unreachable",   "No route to host",
        "database system is shutting down", "database system is starting up",
        "database system is in recovery",   "connection not open", "Driver not loaded"};
    for (const char *sign : signs)
        if (driverText.contains(QLatin1String(sign), Qt::CaseInsensitive))
            return true;
    return false;
}

QStringList PostgresBackend::missingRights(QSqlDatabase &db) const
{
    // What a station does: registers runs, moves counters, takes and gives
    // back addresses, and writes its units.
    const QList<QPair<const char *, const char *>> needs{
        {"runs", "SELECT"},           {"runs", "INSERT"},           {"runs", "UPDATE"},
        {"pools", "SELECT"},          {"pools", "INSERT"},          {"pools", "UPDATE"},
        {"free_addresses", "SELECT"}, {"free_addresses", "INSERT"}, {"free_addresses", "DELETE"},
        {"leased_addresses", "SELECT"}, {"leased_addresses", "INSERT"},
        {"leased_addresses", "DELETE"}, {"units", "SELECT"},        {"units", "INSERT"},
        {"units", "UPDATE"},          {"retired_addresses", "SELECT"},
        {"retired_addresses", "INSERT"}, {"schema_version", "SELECT"}};
    QStringList checks;
    for (const auto &[table, right] : needs)
        checks << QStringLiteral("has_table_privilege('%1', '%2')")
                      .arg(QLatin1String(table), QLatin1String(right));
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT ") + checks.join(QStringLiteral(", "))) || !q.next())
        return {QStringLiteral("the rights cannot be read: %1").arg(explain(q.lastError().text()))};
    QStringList missing;
    for (int i = 0; i < needs.size(); ++i)
        if (!q.value(i).toBool())
            missing << QStringLiteral("%1 on %2").arg(QLatin1String(needs.at(i).second),
                                                      QLatin1String(needs.at(i).first));
    return missing;
}

PostgresBackend::OpenStep PostgresBackend::failedAt(const QString &driverText) const
{
    if (driverText.contains(QLatin1String("password")) ||
        driverText.contains(QLatin1String("authentication")) ||
        driverText.contains(QLatin1String("pg_hba.conf")) ||
        (driverText.contains(QLatin1String("role")) &&
         driverText.contains(QLatin1String("does not exist"))))
        return OpenStep::Login;
    if (driverText.contains(QLatin1String("database")) &&
        driverText.contains(QLatin1String("does not exist")))
        return OpenStep::Database;
    return connectionLost(driverText) ? OpenStep::Server : OpenStep::Other;
}

QString PostgresBackend::explain(const QString &driverText) const
{
    // libpq's messages run over several lines ("...failed: FATAL:  ...\n\tIs
    // the server running...?"): one line, its first cause.
    QString text = driverText.simplified();
    text.remove(QRegularExpression(QStringLiteral("\\s*QPSQL: Unable to connect$")));
    text.remove(QRegularExpression(QStringLiteral(" This probably means .*$")));
    const QRegularExpression quotedName(QStringLiteral("\"([^\"]*)\""));
    const auto name = [&](const QString &after) {
        const QRegularExpressionMatch m =
            quotedName.match(text, text.indexOf(after, 0, Qt::CaseInsensitive));
        return m.hasMatch() ? m.captured(1) : QString();
    };
    if (text.contains(QLatin1String("password authentication failed")))
        return QStringLiteral("the server refused the login of \"%1\": wrong password or no "
                              "such role (the password comes from ~/.pgpass or PGPASSWORD)")
            .arg(name(QStringLiteral("for user")));
    if (text.contains(QLatin1String("no password supplied")))
        return QStringLiteral("the server wants a password: put it in ~/.pgpass (chmod 600) or "
                              "PGPASSWORD, never in the address");
    if (text.contains(QLatin1String("does not exist")) && text.contains(QLatin1String("database")))
        return QStringLiteral("the server has no database \"%1\": create it (createdb -O ROLE "
                              "%1) or correct the address")
            .arg(name(QStringLiteral("database")));
    if (text.contains(QLatin1String("does not exist")) && text.contains(QLatin1String("role")))
        return QStringLiteral("the server has no role \"%1\": create it (createuser --pwprompt "
                              "%1) or correct the address")
            .arg(name(QStringLiteral("role")));
    if (text.contains(QLatin1String("permission denied")))
        return QStringLiteral("the role may not do this (%1): grant it the station's rights "
                              "(see \"A line of several stations\" in the README)")
            .arg(text);
    if (text.contains(QLatin1String("no pg_hba.conf entry")))
        return QStringLiteral("the server does not let this host or role in (pg_hba.conf): %1")
            .arg(text);
    if (connectionLost(text))
        return QStringLiteral("the server does not answer (%1): is it running, and is the "
                              "address right?")
            .arg(text.left(text.indexOf(QLatin1String(" Is the server"))));
    return text;
}

} // namespace zomar
