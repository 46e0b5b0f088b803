#include "core/files/FileWriter.h"

#include "core/files/FileKind.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zomar {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

QString folderOf(const QString &path)
{
    return QFileInfo(path).absolutePath();
}

// The temporary file beside `target`: hidden, named after it, made new.
int createTemporary(const QString &target, QString *name)
{
    const QString base = QFileInfo(target).fileName().left(200);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = QStringLiteral("%1/.%2.%3")
                    .arg(folderOf(target), base)
                    .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const int fd = ::open(encoded(*name).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data += n;
        size -= n;
    }
    return true;
}

// The folder's entry of the renamed file reaches the disk too.
void syncFolder(const QString &folder)
{
    const int fd = ::open(encoded(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

} // namespace

QString WriteFailure::text() const
{
    switch (reason) {
    case None:
        return {};
    case NotAFile:
        return QStringLiteral("%1: is %2, not a file").arg(path, detail);
    case NoFolder:
        return QStringLiteral("%1: cannot be written: the folder %2 does not exist")
            .arg(path, detail);
    case Refused:
    case Lost:
        return QStringLiteral("%1: cannot be written: %2").arg(path, detail);
    case ReaderGone:
        return QStringLiteral("%1: the program reading it went away").arg(path);
    }
    return {};
}

WriteFailure WriteFailure::ofError(Reason reason, const QString &path, int error)
{
    if (error == EPIPE)
        reason = ReaderGone;
    return {reason, path, QString::fromLocal8Bit(std::strerror(error))};
}

QString writeTarget(const QString &path)
{
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {
        };
        if (::lstat(encoded(target).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(encoded(target).constData(), buffer, sizeof buffer);
        if (n <= 0 || size_t(n) >= sizeof buffer)
            break;
        const QString link = QFile::decodeName(QByteArray(buffer, int(n)));
        target = QDir::isAbsolutePath(link) ? link : QDir(folderOf(target)).filePath(link);
    }
    return target;
}

WriteFailure writeProblem(const QString &path)
{
    if (path.isEmpty())
        return {WriteFailure::Refused, path, QStringLiteral("an empty name")};
    const QString target = writeTarget(path);
    struct stat st {
    };
    if (::stat(encoded(target).constData(), &st) == 0) {
        const QString kind = fileKindName(st);
        if (!kind.isEmpty())
            return {WriteFailure::NotAFile, path, kind};
        if (::access(encoded(target).constData(), W_OK) != 0)
            return WriteFailure::ofError(WriteFailure::Refused, path, errno);
    }
    const QString folder = folderOf(target);
    struct stat dir {
    };
    if (::stat(encoded(folder).constData(), &dir) != 0 || !S_ISDIR(dir.st_mode))
        return {WriteFailure::NoFolder, path, folder};
    // The temporary file is made in the folder, so it must take new files.
    if (::access(encoded(folder).constData(), W_OK | X_OK) != 0)
        return WriteFailure::ofError(WriteFailure::Refused, path, errno);
    return {};
}

WriteFailure writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (const WriteFailure problem = writeProblem(path); problem.failed())
        return problem;
    const QString target = writeTarget(path);
    struct stat before {
    };
    const bool existed = ::stat(encoded(target).constData(), &before) == 0;
    QString temporary;
    const int fd = createTemporary(target, &temporary);
    if (fd < 0)
        return WriteFailure::ofError(WriteFailure::Refused, path, errno);
    if (existed) {
        // The new file takes the old one's owner and mode before it takes its
        // place (an owner other than the writer's only where the writer may
        // give it: root saving over a user's file).
        if (::fchown(fd, before.st_uid, before.st_gid) != 0)
            (void)::fchown(fd, ::geteuid(), before.st_gid);
        (void)::fchmod(fd, before.st_mode & 07777);
    }
    // fsync and close report what the disk refused after write() took the
    // bytes (a full disk under delayed allocation, a network file system).
    const bool written = writeAll(fd, bytes.constData(), bytes.size()) && ::fsync(fd) == 0;
    const int error = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        const int why = written ? errno : error;
        ::unlink(encoded(temporary).constData());
        return WriteFailure::ofError(WriteFailure::Lost, path, why);
    }
    if (::rename(encoded(temporary).constData(), encoded(target).constData()) != 0) {
        const int why = errno;
        ::unlink(encoded(temporary).constData());
        return WriteFailure::ofError(WriteFailure::Refused, path, why);
    }
    syncFolder(folderOf(target));
    return {};
}

} // namespace zomar
