#pragma once
// Where a script's thread and the event loop meet. The script runs on a
// thread of its own and waits here, on a condition variable, for what the
// event loop hands it: the bytes a port received, the answer to a request,
// or the word to stop. Nothing waits with an event loop running, and every
// wait ends at once when the script is stopped.

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>

class QJSEngine;

namespace zomar {

// What the event loop answers a script's request with.
struct ScriptReply {
    bool ok = true;
    QString error;     // one line: what went wrong
    QString errorName; // the JavaScript error's name ("ModuleError")
    // A module operation that failed: "no_answer", "mismatch", "port_failed",
    // "invalid_value"; the module's state is unknown when stateUnknown.
    QString outcome;
    bool stateUnknown = false;
    QVariant value;

    static ScriptReply failure(const QString &error, const QString &name = QStringLiteral("Error"))
    {
        ScriptReply r;
        r.ok = false;
        r.error = error;
        r.errorName = name;
        return r;
    }
};

enum class ScriptStop {
    None,
    Asked,     // Ctrl+C, the Stop button, the window closing
    TimeLimit, // the script ran past its time limit
};

class ScriptChannel
{
public:
    using Clock = std::chrono::steady_clock;
    // Bytes kept for a port that the script does not read: the oldest go.
    static constexpr qsizetype kReceiveLimit = 1024 * 1024;

    // The event loop's side.
    void received(int port, const QByteArray &bytes);
    void answer(quint64 call, const ScriptReply &reply);
    // Stops the script: every wait ends and the engine stops at its next step.
    void stop(ScriptStop why);

    // The script's side.
    void setEngine(QJSEngine *engine);
    quint64 nextCall();
    // The answer, or nullopt when the script was stopped first.
    std::optional<ScriptReply> waitForAnswer(quint64 call);
    // Until the port holds more than `known` bytes (true), the deadline
    // passes or the script is stopped (false).
    bool waitForBytes(int port, qsizetype known, Clock::time_point deadline);
    // False when the script was stopped before the deadline.
    bool sleepUntil(Clock::time_point deadline);
    QByteArray pending(int port) const;
    // Removes the first `count` bytes of a port (what a match used).
    void take(int port, qsizetype count);
    void drop(int port);
    ScriptStop stopped() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::map<int, QByteArray> m_received;
    std::map<quint64, ScriptReply> m_answers;
    quint64 m_lastCall = 0;
    ScriptStop m_stop = ScriptStop::None;
    QJSEngine *m_engine = nullptr;
};

} // namespace zomar
