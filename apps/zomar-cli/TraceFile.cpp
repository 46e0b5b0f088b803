#include "apps/zomar-cli/TraceFile.h"

#include "core/link/SerialLink.h"

#include <QDateTime>

namespace zomar {

WriteFailure TraceFile::open(const QString &path, const QString &command)
{
    if (const WriteFailure failure = m_file.open(path, OutputStream::Start::Empty);
        failure.failed())
        return failure;
    m_path = path;
    m_clock.start();
    write(QStringLiteral("# zomar-cli %1 trace, started %2; ms since start, > sent, < received, "
                         "byte in hex and as text\n")
              .arg(command, QDateTime::currentDateTime().toString(Qt::ISODateWithMs))
              .toUtf8());
    return m_file.failure();
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
    return m_file.write(bytes);
}

QString TraceFile::error() const
{
    return m_file.failure().failed() ? m_file.failure().detail : QString();
}

QString TraceFile::close()
{
    m_file.close();
    return error();
}

} // namespace zomar
