#pragma once
// A deadline for the statements of a connection to a server. libpq waits for
// an answer as long as the network lets it: a cable pulled or a switch that
// drops packets can hold a statement for minutes (keepalives and TCP's own
// time-outs take 15 s or more, and never fire while a middlebox or a frozen
// server still acknowledges the packets). While armed, a watcher on a thread
// of its own cuts the connection's socket once the deadline passes: the
// statement then fails at once as a lost connection, and the caller goes on
// offline. Only the socket is cut; libpq closes it as after any other loss.

#include <QSqlDatabase>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace zomar {

class ServerDeadline
{
public:
    ServerDeadline();
    ~ServerDeadline();
    ServerDeadline(const ServerDeadline &) = delete;
    ServerDeadline &operator=(const ServerDeadline &) = delete;

    // While a Scope lives, a statement of db that is not answered within ms
    // gets its connection cut.
    class Scope
    {
    public:
        Scope(ServerDeadline &deadline, QSqlDatabase &db, int ms);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        ServerDeadline &m_deadline;
    };

    // Whether the last scope ended with its connection cut.
    bool expired() const;

private:
    void arm(QSqlDatabase &db, int ms);
    void disarm();
    void watch();

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::thread m_watcher;
    int m_socket = -1; // a duplicate of libpq's socket while armed: never a reused number
    std::chrono::steady_clock::time_point m_until;
    bool m_armed = false;
    bool m_expired = false;
    bool m_quit = false;
};

// The socket of a PostgreSQL connection (libpq's PQsocket through the
// library the driver loaded), or -1.
int serverSocket(QSqlDatabase &db);

} // namespace zomar
