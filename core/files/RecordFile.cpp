#include "core/files/RecordFile.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace zomar::RecordFile {

QString problem(const QString &path, const QString &what, bool folderWritten)
{
    if (path.isEmpty())
        return QStringLiteral("an empty name is not a %1 file").arg(what);
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    const bool exists = ::stat(name.constData(), &st) == 0;
    if (exists) {
        if (S_ISDIR(st.st_mode))
            return QStringLiteral("%1 is a folder, not a %2 file").arg(path, what);
        if (!S_ISREG(st.st_mode))
            return QStringLiteral("%1 is not a regular file (a device, a pipe or a socket); "
                                  "the %2 must be a file")
                .arg(path, what);
        if (::access(name.constData(), R_OK | W_OK) != 0)
            return QStringLiteral("cannot write the %1 %2: permission denied").arg(what, path);
    }
    if (exists && !folderWritten)
        return {};
    // The folder of the file itself (a link is followed to where it points).
    const QFileInfo info(exists ? QFileInfo(path).canonicalFilePath() : path);
    const QString folder = info.absolutePath();
    struct stat dir {};
    if (::stat(QFile::encodeName(folder).constData(), &dir) != 0)
        return QStringLiteral("cannot write the %1 %2: the folder %3 does not exist")
            .arg(what, path, folder);
    if (!S_ISDIR(dir.st_mode))
        return QStringLiteral("cannot write the %1 %2: %3 is not a folder").arg(what, path, folder);
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("cannot write the %1 %2: the folder %3 is read-only")
            .arg(what, path, folder);
    return {};
}

} // namespace zomar::RecordFile
