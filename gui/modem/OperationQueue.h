#pragma once
// Reads and writes of the window take turns on the port. Each of them waits
// with the event loop running, so a keystroke, a wheel turn or a click can ask
// for another one while it waits; started there, the new one would run
// inside it, its "+++" inside the running exchange and the "---" of both
// going out back to back, which a module in command mode takes as twelve
// bytes of configuration. An operation asked for while one runs waits and
// runs after it ends, in the order asked, once the line has been quiet for
// the guard time: a module tells its commands apart by a quiet line.

#include <QQueue>

#include <functional>
#include <memory>

namespace zomar {

class OperationQueue
{
public:
    // quietForMs tells how long the line has been quiet (none: no guard).
    explicit OperationQueue(std::function<qint64()> quietForMs = {})
        : m_quietForMs(std::move(quietForMs))
    {}
    ~OperationQueue() { *m_alive = false; }

    // Runs the operation now, or after the running one and those asked before.
    void run(std::function<void()> operation);
    bool isRunning() const { return m_running; }
    int waiting() const { return static_cast<int>(m_waiting.size()); }
    // Drops the waiting ones (the window is closing).
    void clear() { m_waiting.clear(); }
    // A script borrows the port: false while an operation runs (ask again
    // later); else the operations asked for from now on wait until
    // hold(false), which runs them from the event loop.
    bool hold(bool on);

private:
    void waitForQuietLine();

    std::function<qint64()> m_quietForMs;
    bool m_running = false;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
    QQueue<std::function<void()>> m_waiting;
};

} // namespace zomar
