#pragma once
// A throwaway PostgreSQL server for tests: a cluster made with initdb in a
// temporary folder, listening only on a Unix socket in that folder (no TCP),
// started with pg_ctl and removed at the end. Run as the "postgres" user when
// the tests run as root (the server refuses to run as root). Tests that need
// it fail, not skip, when it cannot start: the reason says what is missing.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace zomar::test {

class PgCluster
{
public:
    PgCluster() = default;
    ~PgCluster() { stop(); }
    PgCluster(const PgCluster &) = delete;
    PgCluster &operator=(const PgCluster &) = delete;

    // Makes and starts the cluster; false with error() set when it cannot.
    bool start()
    {
        if (m_dir)
            return startServer();
        m_bin = binFolder();
        if (m_bin.isEmpty())
            return failed(QStringLiteral("no PostgreSQL server found under /usr/lib/postgresql "
                                         "(Debian package postgresql)"));
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zomar-pg-XXXXXX"));
        if (!m_dir->isValid())
            return failed(QStringLiteral("no temporary folder"));
        if (::geteuid() == 0) {
            const passwd *pw = ::getpwnam("postgres");
            if (!pw)
                return failed(QStringLiteral("running as root, and there is no user 'postgres' "
                                             "to run the server as"));
            m_asUser = QStringLiteral("postgres");
            if (::chown(QFile::encodeName(m_dir->path()).constData(), pw->pw_uid, pw->pw_gid) != 0)
                return failed(QStringLiteral("cannot hand %1 to the postgres user").arg(m_dir->path()));
        }
        QString out;
        if (!run(QStringLiteral("initdb"),
                 {QStringLiteral("-D"), dataDir(), QStringLiteral("-U"), superuser(),
                  QStringLiteral("--auth=trust"), QStringLiteral("--no-sync"),
                  QStringLiteral("-E"), QStringLiteral("UTF8"), QStringLiteral("--locale=C")},
                 &out))
            return failed(QStringLiteral("initdb failed: ") + out);
        // The superuser needs no password; every other role logs in with its
        // own, so a wrong one is refused as on a real line.
        const QString hba = dataDir() + QStringLiteral("/pg_hba.conf");
        QFile file(hba);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write("local all postgres trust\nlocal all all scram-sha-256\n") < 0)
            return failed(QStringLiteral("cannot write ") + hba);
        file.close();
        if (const passwd *pw = m_asUser.isEmpty() ? nullptr : ::getpwnam("postgres"))
            if (::chown(QFile::encodeName(hba).constData(), pw->pw_uid, pw->pw_gid) != 0)
                return failed(QStringLiteral("cannot hand %1 to the postgres user").arg(hba));
        return startServer();
    }

    // Stops the server (fast: open connections are cut), keeping the data.
    void stopServer()
    {
        if (m_dir && m_running) {
            run(QStringLiteral("pg_ctl"), {QStringLiteral("-D"), dataDir(), QStringLiteral("-m"),
                                           QStringLiteral("immediate"), QStringLiteral("-w"),
                                           QStringLiteral("stop")});
            m_running = false;
        }
    }

    // Stops the server and removes the cluster.
    void stop()
    {
        stopServer();
        m_dir.reset();
    }

    QString error() const { return m_error; }
    // The folder holding the server's socket: the host of a connection.
    QString socketDir() const { return m_dir ? m_dir->path() : QString(); }
    int port() const { return kPort; }
    static QString superuser() { return QStringLiteral("postgres"); }
    // A libpq URI for a user and database of this server, through its socket.
    QString uri(const QString &user, const QString &db) const
    {
        return QStringLiteral("postgresql://%1@/%2?host=%3&port=%4")
            .arg(user, db, socketDir())
            .arg(kPort);
    }
    // A role that logs in with a password and owns a database of its name
    // (psql runs each statement apart: CREATE DATABASE needs its own).
    bool addOwner(const QString &role, const QString &password)
    {
        return sql(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD '%2'").arg(role, password)) &&
               sql(QStringLiteral("CREATE DATABASE %1 OWNER %1").arg(role));
    }
    // Runs SQL as the superuser (psql); true when it succeeded.
    bool sql(const QString &statement, const QString &db = QStringLiteral("postgres"),
             QString *output = nullptr)
    {
        return run(QStringLiteral("psql"),
                   {QStringLiteral("-h"), socketDir(), QStringLiteral("-p"), QString::number(kPort),
                    QStringLiteral("-U"), superuser(), QStringLiteral("-d"), db,
                    QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"), QStringLiteral("-Atc"),
                    statement},
                   output);
    }

private:
    static constexpr int kPort = 5432;

    static QString binFolder()
    {
        const QStringList versions =
            QDir(QStringLiteral("/usr/lib/postgresql")).entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                                  QDir::Name | QDir::Reversed);
        for (const QString &v : versions) {
            const QString bin = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(v);
            if (QFileInfo(bin + QStringLiteral("/initdb")).isExecutable())
                return bin;
        }
        return {};
    }

    QString dataDir() const { return m_dir->path() + QStringLiteral("/data"); }

    bool startServer()
    {
        QString out;
        const QString options =
            QStringLiteral("-k %1 -c listen_addresses='' -p %2 -c fsync=off").arg(socketDir()).arg(kPort);
        if (!run(QStringLiteral("pg_ctl"),
                 {QStringLiteral("-D"), dataDir(), QStringLiteral("-o"), options, QStringLiteral("-l"),
                  m_dir->path() + QStringLiteral("/server.log"), QStringLiteral("-w"),
                  QStringLiteral("start")},
                 &out))
            return failed(QStringLiteral("the server did not start: ") + out);
        m_running = true;
        return true;
    }

    // Runs a server program (psql from the same folder), as the postgres user
    // when root. Server tools are never on PATH on Debian.
    bool run(const QString &tool, const QStringList &args, QString *output = nullptr)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        const QString program = m_bin + QLatin1Char('/') + tool;
        if (m_asUser.isEmpty()) {
            p.start(program, args);
        } else {
            p.start(QStringLiteral("runuser"),
                    QStringList{QStringLiteral("-u"), m_asUser, QStringLiteral("--"), program} + args);
        }
        const bool finished = p.waitForFinished(60000);
        if (output)
            *output = QString::fromLocal8Bit(p.readAll()).trimmed();
        return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    bool failed(const QString &why)
    {
        m_error = why;
        return false;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_bin;
    QString m_asUser;
    QString m_error;
    bool m_running = false;
};

} // namespace zomar::test
