#pragma once
// A file system of the test's own that is full: a small tmpfs mounted in a
// temporary folder and filled to the last byte. Mounting needs root (or
// CAP_SYS_ADMIN); where it cannot be done, mount() says why, for QSKIP.

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace zomar::test {

class FullDisk
{
public:
    ~FullDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }

    // Mounts it; `before` names files (and their bytes) to make while there
    // is room, then the rest is filled. "" when done, else why not.
    QString mount(const QList<QPair<QString, QByteArray>> &before = {})
    {
        if (!m_dir.isValid())
            return QStringLiteral("no temporary folder");
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs",
                    MS_NOSUID | MS_NODEV, "size=64k,mode=0777") != 0)
            return QStringLiteral("a full file system needs a tmpfs mounted, which needs root: %1")
                .arg(QString::fromLocal8Bit(std::strerror(errno)));
        m_mounted = true;
        for (const auto &[name, bytes] : before) {
            QFile f(filePath(name));
            if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
                return QStringLiteral("cannot make %1").arg(name);
        }
        const int fd = ::open(QFile::encodeName(filePath(QStringLiteral(".filler"))).constData(),
                              O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        const QByteArray block(4096, 'x');
        while (fd >= 0 && ::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        char one = 'x';
        while (fd >= 0 && ::write(fd, &one, 1) > 0) {
        }
        if (fd >= 0)
            ::close(fd);
        return fd >= 0 ? QString() : QStringLiteral("cannot fill it");
    }

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // What is in the folder besides the filler: a temporary file left behind shows.
    QStringList entries() const
    {
        QStringList names =
            QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        names.removeAll(QStringLiteral(".filler"));
        return names;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace zomar::test
