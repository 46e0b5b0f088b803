#include "core/files/FileKind.h"

#include <QFile>

namespace zomar {

QString fileKindName(const struct stat &st)
{
    if (S_ISREG(st.st_mode))
        return QString();
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("a folder");
    if (S_ISCHR(st.st_mode))
        return QStringLiteral("a character device");
    if (S_ISBLK(st.st_mode))
        return QStringLiteral("a block device");
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("a FIFO (named pipe)");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("a socket");
    return QStringLiteral("an unknown kind of file");
}

QString nonFileKind(const QString &path)
{
    struct stat st {
    };
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return QString();
    return fileKindName(st);
}

} // namespace zomar
