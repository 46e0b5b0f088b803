#pragma once
// Things at a path that are not regular files, made in a test's own folder:
// a FIFO, a folder, a socket, or (for root only) a character device node.

#include <QDir>
#include <QFile>
#include <QString>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace zomar::test {

// kind: "FIFO", "folder", "socket" or "device" (a node of its own with the
// numbers of /dev/full). Returns "" when made, else why not.
inline QString makeNode(const QString &kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("FIFO"))
        return ::mkfifo(name.constData(), 0644) == 0 ? QString() : QStringLiteral("mkfifo");
    if (kind == QLatin1String("folder"))
        return QDir().mkdir(path) ? QString() : QStringLiteral("mkdir");
    if (kind == QLatin1String("socket")) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(name.size()) >= sizeof address.sun_path)
            return QStringLiteral("path too long for a socket");
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return bound ? QString() : QStringLiteral("bind");
    }
    if (::mknod(name.constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        return QStringLiteral("only root makes device nodes");
    return QString();
}

} // namespace zomar::test
