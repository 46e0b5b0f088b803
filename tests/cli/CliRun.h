#pragma once
// Runs zomar-cli as a user would, and waits for it without blocking the
// virtual modules (they run on threads of their own).

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace zomar::test {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// The user's saved port mappings and records must not leak into a test,
// nor one test's into another running beside it.
inline QProcessEnvironment cliEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString home = QDir::tempPath() +
                         QStringLiteral("/zomar-cli-test-%1").arg(QCoreApplication::applicationPid());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/data"));
    return env;
}

// zomar-cli (or another program) started with the arguments, with homes of its own.
inline std::unique_ptr<QProcess> startCli(const QStringList &args,
                                          const QString &workingDir = QString(),
                                          const QProcessEnvironment &env = cliEnvironment(),
                                          const QString &program = QStringLiteral(ZOMAR_CLI))
{
    auto p = std::make_unique<QProcess>();
    if (!workingDir.isEmpty())
        p->setWorkingDirectory(workingDir);
    p->setProcessEnvironment(env);
    p->start(program, args);
    return p;
}

// Waits for a started run (the event loop runs meanwhile) and takes its output.
inline CliRun finishCli(QProcess &p, int timeoutMs = 20000)
{
    CliRun r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

inline CliRun runCli(const QStringList &args, int timeoutMs = 20000,
                     const QString &workingDir = QString())
{
    const std::unique_ptr<QProcess> p = startCli(args, workingDir);
    return finishCli(*p, timeoutMs);
}

// Another program holding a port, as a terminal left open on it does:
// zomar-cli monitor, started and waited for until it has the port.
inline std::unique_ptr<QProcess> holdPort(const QString &device)
{
    auto p = startCli({QStringLiteral("monitor"), QStringLiteral("--device"), device});
    QByteArray said;
    if (!QTest::qWaitFor([&] { return (said += p->readAllStandardError()).contains("Monitoring"); },
                         10000))
        p.reset();
    return p;
}

inline QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(text);
    return path;
}

} // namespace zomar::test
