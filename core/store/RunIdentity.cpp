#include "core/store/RunIdentity.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace zomar {

namespace {

QString currentBootId()
{
    QFile file(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll().trimmed());
}

// Field 22 of /proc/PID/stat (the start time); -1 when the process is not
// there, -2 when it is there but cannot be looked at (another user's under
// a /proc mounted with hidepid).
qint64 processStartTicks(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!file.open(QIODevice::ReadOnly)) {
        if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM)
            return -2;
        return -1;
    }
    // The command name may hold blanks and parentheses: count from its end.
    const QByteArray text = file.readAll();
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    // Fields after the name start at field 3 (the state): field 22 is index 19.
    if (fields.size() < 20)
        return -2;
    bool ok = false;
    const qint64 ticks = fields.at(19).toLongLong(&ok);
    return ok ? ticks : -2;
}

} // namespace

QString RunIdentity::hostName()
{
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) != 0)
        return QStringLiteral("localhost");
    return QString::fromLocal8Bit(host);
}

RunIdentity RunIdentity::current()
{
    RunIdentity id;
    id.host = hostName();
    id.bootId = currentBootId();
    id.pid = ::getpid();
    id.startTicks = processStartTicks(id.pid);
    return id;
}

RunIdentity::Liveness RunIdentity::livenessOf(const RunIdentity &run)
{
    static const RunIdentity self = current();
    if (run.host != self.host)
        return Liveness::Unknown;
    if (run.bootId != self.bootId)
        return Liveness::Gone;
    const qint64 ticks = processStartTicks(run.pid);
    if (ticks == -1)
        return Liveness::Gone;
    // A process we may not look at counts as the run: better an address
    // left reserved than one handed out twice.
    if (ticks == -2)
        return Liveness::Running;
    return ticks == run.startTicks ? Liveness::Running : Liveness::Gone;
}

} // namespace zomar
