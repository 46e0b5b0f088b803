#include "core/link/PortHolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace zomar {

namespace {

QString processName(const QString &pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (!comm.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLocal8Bit(comm.readAll()).trimmed();
}

// Whether the process holds the master of pseudo-terminal /dev/pts/N: it is
// the terminal's far end (a virtual module, socat), the device itself
// rather than a program that took the port.
bool holdsMasterOf(const QDir &fds, const QString &pid, const QString &device)
{
    static const QRegularExpression pts(QStringLiteral("^/dev/pts/(\\d+)$"));
    const QRegularExpressionMatch m = pts.match(device);
    if (!m.hasMatch())
        return false;
    for (const QString &fd : fds.entryList(QDir::Files | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        if (target != QLatin1String("/dev/ptmx") && target != QLatin1String("/dev/pts/ptmx"))
            continue;
        QFile info(QStringLiteral("/proc/%1/fdinfo/%2").arg(pid, fd));
        if (!info.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : info.readAll().split('\n'))
            if (line.startsWith("tty-index:") && line.mid(10).trimmed() == m.captured(1).toLatin1())
                return true;
    }
    return false;
}

} // namespace

QStringList portHolders(const QString &device)
{
    QStringList holders;
    const QString self = QString::number(QCoreApplication::applicationPid());
    const QStringList pids =
        QDir(QStringLiteral("/proc")).entryList({QStringLiteral("[0-9]*")}, QDir::Dirs);
    for (const QString &pid : pids) {
        if (pid == self)
            continue;
        const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
        const QStringList entries = fds.entryList(QDir::Files | QDir::System);
        for (const QString &fd : entries) {
            if (QFile::symLinkTarget(fds.filePath(fd)) == device) {
                if (!holdsMasterOf(fds, pid, device))
                    holders << QStringLiteral("%1 (pid %2)").arg(processName(pid), pid);
                break;
            }
        }
    }
    return holders;
}

} // namespace zomar
