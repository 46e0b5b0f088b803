#include "core/files/OutputStream.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zomar {

OutputStream::~OutputStream()
{
    if (m_owned)
        close();
}

OutputStream &OutputStream::standardOutput()
{
    static OutputStream out(STDOUT_FILENO, QStringLiteral("standard output"));
    return out;
}

OutputStream::OutputStream(int fd, const QString &name) : m_fd(fd), m_path(name)
{
    struct stat st {
    };
    m_file = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
}

WriteFailure OutputStream::open(const QString &path, Start start)
{
    close();
    m_path = path;
    m_failure = writeProblem(path);
    if (m_failure.failed())
        return m_failure;
    // Without blocking: whatever stands there by now must not hold us up.
    const int flags = O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                      (start == Start::Append ? O_APPEND : 0);
    const int fd = ::open(QFile::encodeName(path).constData(), flags, 0666);
    if (fd < 0) {
        fail(WriteFailure::Refused, errno);
        return m_failure;
    }
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        m_failure = writeProblem(path);
        if (!m_failure.failed())
            m_failure = {WriteFailure::NotAFile, path, QStringLiteral("not a regular file")};
        return m_failure;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (start == Start::Empty && ::ftruncate(fd, 0) != 0) {
        const int error = errno;
        ::close(fd);
        fail(WriteFailure::Refused, error);
        return m_failure;
    }
    m_fd = fd;
    m_owned = true;
    m_file = true;
    m_size = start == Start::Append ? st.st_size : 0;
    return m_failure;
}

bool OutputStream::fail(WriteFailure::Reason reason, int error)
{
    if (!m_failure.failed())
        m_failure = WriteFailure::ofError(reason, m_path, error);
    return false;
}

bool OutputStream::write(const QByteArray &bytes)
{
    if (m_failure.failed() || m_fd < 0)
        return false;
    const char *data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, data, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            // An output left non-blocking by whoever started us: wait for room.
            pollfd p{m_fd, POLLOUT, 0};
            (void)::poll(&p, 1, 1000);
            continue;
        }
        if (n <= 0)
            return fail(WriteFailure::Lost, n == 0 ? EIO : errno);
        data += n;
        left -= n;
        m_size += n;
    }
    return true;
}

bool OutputStream::sync()
{
    if (m_failure.failed())
        return false;
    if (m_fd < 0 || !m_file)
        return true;
    return ::fsync(m_fd) == 0 || fail(WriteFailure::Lost, errno);
}

WriteFailure OutputStream::close()
{
    if (m_fd < 0)
        return m_failure;
    sync();
    if (m_owned && ::close(m_fd) != 0)
        fail(WriteFailure::Lost, errno);
    if (m_owned)
        m_fd = -1;
    return m_failure;
}

bool OutputStream::readerGone()
{
    if (m_failure.reason == WriteFailure::ReaderGone)
        return true;
    struct stat st {
    };
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || !(S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)))
        return false;
    // A pipe without a reader polls as an error, a closed socket as hung up.
    pollfd p{m_fd, POLLOUT, 0};
    if (::poll(&p, 1, 0) != 1 || !(p.revents & (POLLERR | POLLHUP)))
        return false;
    if (!m_failure.failed())
        m_failure = {WriteFailure::ReaderGone, m_path, QString()};
    return true;
}

} // namespace zomar
