#include "apps/zomar-cli/TraceFile.h"

#include "core/link/SerialLink.h"

#include <QDateTime>

#include <cerrno>
#include <cstring>

#include <fcntl.h>

namespace zomar {

QString TraceFile::open(const QString &path, const QString &command)
{
    // Without blocking: opening a FIFO would wait for a reader.
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == ENXIO ? QStringLiteral("a FIFO that no program reads")
                              : QString::fromLocal8Bit(std::strerror(errno));
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    m_file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    m_path = path;
    m_clock.start();
    write(QStringLiteral("# zomar-cli %1 trace, started %2; ms since start, > sent, < received, "
                         "byte in hex and as text\n")
              .arg(command, QDateTime::currentDateTime().toString(Qt::ISODateWithMs))
              .toUtf8());
    return m_error;
}

void TraceFile::tap(SerialLink &link, const QString &device)
{
    link.setTap([this, device](bool sent, const QByteArray &bytes) {
        const qint64 ms = m_clock.elapsed();
        QByteArray lines;
        for (char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            lines += QStringLiteral("%1 %2 %3 %4 %5\n")
                         .arg(ms, 8)
                         .arg(device)
                         .arg(sent ? QLatin1Char('>') : QLatin1Char('<'))
                         .arg(b, 2, 16, QLatin1Char('0'))
                         .arg(b >= 0x20 && b < 0x7f ? QString(QLatin1Char(c)) : QStringLiteral("."))
                         .toUtf8();
        }
        write(lines);
    });
}

bool TraceFile::write(const QByteArray &bytes)
{
    // After a failure the rest would be a trace with a hole: none is written.
    if (!m_error.isEmpty())
        return false;
    if (m_file.write(bytes) == bytes.size() && m_file.flush())
        return true;
    m_error = m_file.errorString();
    return false;
}

} // namespace zomar
