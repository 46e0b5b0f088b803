#include "core/fleet/SocketClaim.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QStandardPaths>
#include <QUuid>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zomar {

namespace {

// A folder or file as one name, whichever way it was given (a link, "..",
// a trailing "/"); one that does not exist yet by its clean absolute path.
QString sameName(const QString &path)
{
    if (path.isEmpty())
        return {};
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Holds the folder's own lock while claims are read and made, so that two
// programs starting together cannot both find the other's sockets free.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder)
    {
        m_fd = ::open(QFile::encodeName(folder + QStringLiteral("/.lock")).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool held() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// The claim a live program holds in path, or nullopt once a stale one is removed.
std::optional<QJsonObject> liveClaim(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    if (::flock(fd, LOCK_SH | LOCK_NB) == 0) {
        // Its program is gone (or still writing it, which the folder's lock rules out).
        ::unlink(name.constData());
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    QJsonObject claim;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        claim = QJsonDocument::fromJson(file.readAll()).object();
    else
        ::close(fd);
    return claim;
}

ClaimConflict conflictWith(const SocketClaimRequest &mine, const QJsonObject &theirs)
{
    ClaimConflict c;
    c.program = theirs.value(QLatin1String("program")).toString();
    c.pid = theirs.value(QLatin1String("pid")).toInteger();
    c.stationFile = theirs.value(QLatin1String("station_file")).toString();
    c.folder = theirs.value(QLatin1String("folder")).toString();
    const bool everything = theirs.value(QLatin1String("everything")).toBool();
    if (!mine.stationFile.isEmpty() && mine.stationFile == c.stationFile) {
        c.kind = ClaimConflict::SameStation;
        return c;
    }
    // The system's ports hold every serial device there is, in any folder.
    const bool system = mine.folder.isEmpty() || c.folder.isEmpty();
    if (!system && mine.folder != c.folder)
        return {};
    if (mine.everything || everything) {
        c.kind = ClaimConflict::SameFolder;
        return c;
    }
    if (system)
        return {}; // slots of stations in folders of their own
    const QJsonArray sockets = theirs.value(QLatin1String("sockets")).toArray();
    for (const QJsonValue &socket : sockets) {
        if (mine.sockets.contains(socket.toString())) {
            c.kind = ClaimConflict::SameSocket;
            c.socket = socket.toString();
            return c;
        }
    }
    return {};
}

} // namespace

QString ClaimConflict::text() const
{
    const QString holder = QStringLiteral("%1 (pid %2)").arg(program).arg(pid);
    switch (kind) {
    case None:
        break;
    case SameStation:
        return QStringLiteral("the station %1 is running already in %2").arg(stationFile, holder);
    case SameSocket:
        return QStringLiteral("the socket %1 of %2 is a slot of the station %3, running in %4")
            .arg(socket, folder, stationFile, holder);
    case SameFolder:
        if (!stationFile.isEmpty())
            return QStringLiteral("the sockets of %1 are watched by the station %2, running in %3")
                .arg(folder, stationFile, holder);
        return folder.isEmpty()
                   ? QStringLiteral("%1 programs every module that appears among the serial "
                                    "ports of this PC")
                         .arg(holder)
                   : QStringLiteral("%1 programs every module that appears in %2")
                         .arg(holder, folder);
    }
    return {};
}

QString SocketClaim::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zomar/claims");
}

std::unique_ptr<SocketClaim> SocketClaim::take(const SocketClaimRequest &request,
                                               ClaimConflict *conflict, QString *error)
{
    *conflict = {};
    SocketClaimRequest mine = request;
    mine.stationFile = sameName(request.stationFile);
    mine.folder = sameName(request.folder);
    const QString dir = folder();
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot make the folder %1").arg(dir);
        return nullptr;
    }
    const FolderLock lock(dir);
    if (!lock.held()) {
        *error = QStringLiteral("cannot lock %1/.lock: %2").arg(dir, systemError());
        return nullptr;
    }
    const QStringList names = QDir(dir).entryList({QStringLiteral("*.claim")}, QDir::Files);
    for (const QString &name : names) {
        const std::optional<QJsonObject> theirs = liveClaim(QDir(dir).filePath(name));
        if (!theirs)
            continue;
        if (ClaimConflict c = conflictWith(mine, *theirs)) {
            *conflict = c;
            return nullptr;
        }
    }
    const QString path = QDir(dir).filePath(
        QStringLiteral("%1-%2.claim")
            .arg(QCoreApplication::applicationPid())
            .arg(QUuid::createUuid().toString(QUuid::Id128).left(12)));
    const QByteArray encoded = QFile::encodeName(path);
    const int fd = ::open(encoded.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
        *error = QStringLiteral("cannot make %1: %2").arg(path, systemError());
        return nullptr;
    }
    const QByteArray body =
        QJsonDocument(QJsonObject{{QStringLiteral("program"), mine.program},
                                  {QStringLiteral("pid"), QCoreApplication::applicationPid()},
                                  {QStringLiteral("station_file"), mine.stationFile},
                                  {QStringLiteral("folder"), mine.folder},
                                  {QStringLiteral("sockets"), QJsonArray::fromStringList(mine.sockets)},
                                  {QStringLiteral("everything"), mine.everything}})
            .toJson(QJsonDocument::Compact);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        ::write(fd, body.constData(), size_t(body.size())) != body.size()) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, systemError());
        ::unlink(encoded.constData());
        ::close(fd);
        return nullptr;
    }
    return std::unique_ptr<SocketClaim>(new SocketClaim(fd, path));
}

SocketClaim::~SocketClaim()
{
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

} // namespace zomar
