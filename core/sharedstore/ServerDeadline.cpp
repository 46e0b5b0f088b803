#include "core/sharedstore/ServerDeadline.h"

#include <QSqlDriver>
#include <QVariant>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zomar {

int serverSocket(QSqlDatabase &db)
{
    // The PostgreSQL driver hands out its PGconn*; PQsocket is asked of the
    // libpq it loaded (RTLD_NOLOAD: never a second copy, and nothing to link
    // for the programs that use SQLite only).
    if (!db.isValid() || !db.driver())
        return -1;
    const QVariant handle = db.driver()->handle();
    // The driver's handle is a PGconn* (Qt names it after libpq's struct pg_conn).
    if (!handle.isValid() || (qstrcmp(handle.typeName(), "PGconn*") != 0 &&
                              qstrcmp(handle.typeName(), "pg_conn*") != 0))
        return -1;
    void *conn = *static_cast<void *const *>(handle.constData());
    if (!conn)
        return -1;
    static const auto pqSocket = []() -> int (*)(const void *) {
        void *lib = ::dlopen("libpq.so.5", RTLD_NOW | RTLD_NOLOAD);
        return lib ? reinterpret_cast<int (*)(const void *)>(::dlsym(lib, "PQsocket")) : nullptr;
    }();
    return pqSocket ? pqSocket(conn) : -1;
}

ServerDeadline::ServerDeadline()
{
    // Started once every member it reads is set.
    m_watcher = std::thread([this] { watch(); });
}

ServerDeadline::~ServerDeadline()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
    }
    m_changed.notify_all();
    m_watcher.join();
    disarm();
}

bool ServerDeadline::expired() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_expired;
}

void ServerDeadline::arm(QSqlDatabase &db, int ms)
{
    const int socket = serverSocket(db);
    std::lock_guard<std::mutex> lock(m_mutex);
    m_expired = false;
    m_socket = socket < 0 ? -1 : ::fcntl(socket, F_DUPFD_CLOEXEC, 0);
    m_until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    m_armed = m_socket >= 0;
    m_changed.notify_all();
}

void ServerDeadline::disarm()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_armed = false;
    if (m_socket >= 0)
        ::close(m_socket);
    m_socket = -1;
}

void ServerDeadline::watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    while (!m_quit) {
        if (!m_armed) {
            m_changed.wait(lock);
            continue;
        }
        if (m_changed.wait_until(lock, m_until) == std::cv_status::timeout && m_armed &&
            std::chrono::steady_clock::now() >= m_until) {
            // The statement waits on a dead line: both ways shut, so libpq's
            // wait ends with the connection lost.
            ::shutdown(m_socket, SHUT_RDWR);
            m_expired = true;
            m_armed = false;
        }
    }
}

ServerDeadline::Scope::Scope(ServerDeadline &deadline, QSqlDatabase &db, int ms)
    : m_deadline(deadline)
{
    m_deadline.arm(db, ms);
}

ServerDeadline::Scope::~Scope()
{
    m_deadline.disarm();
}

} // namespace zomar
