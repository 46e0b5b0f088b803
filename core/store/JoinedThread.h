#pragma once
// A thread with an event loop of its own that is joined at the end, thread-
// local clean-up included. A QThread cannot be: its wait() returns before
// the libraries' thread-local destructors (libpq's and OpenSSL's) have run,
// so a program could exit while they still free what its exit handlers free
// too. A connection to a server lives on one of these, opened and closed in
// it, and the thread is gone for good once stop() returns.

#include <QObject>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

class QEventLoop;

namespace zomar {

class JoinedThread
{
public:
    explicit JoinedThread(QString name);
    ~JoinedThread(); // stop()
    JoinedThread(const JoinedThread &) = delete;
    JoinedThread &operator=(const JoinedThread &) = delete;

    // Starts the thread; returns once its event loop runs.
    void start();
    bool running() const { return m_context != nullptr; }
    // An object that lives on the thread: objects made in run() live there
    // too, and queued calls to it run there.
    QObject *context() const { return m_context; }
    // Runs work on the thread and waits for it.
    void run(const std::function<void()> &work);
    // Runs work on the thread later, in the order asked.
    void post(std::function<void()> work);
    // Lets what is queued run, ends the loop and joins the thread.
    void stop();

private:
    void body();

    QString m_name;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_started;
    QObject *m_context = nullptr;
    QEventLoop *m_loop = nullptr;
};

} // namespace zomar
