#include "core/script/ScriptChannel.h"

#include <QJSEngine>

namespace zomar {

void ScriptChannel::received(int port, const QByteArray &bytes)
{
    {
        const std::lock_guard lock(m_mutex);
        QByteArray &held = m_received[port];
        held.append(bytes);
        if (held.size() > kReceiveLimit)
            held.remove(0, held.size() - kReceiveLimit);
    }
    m_changed.notify_all();
}

void ScriptChannel::answer(quint64 call, const ScriptReply &reply)
{
    {
        const std::lock_guard lock(m_mutex);
        m_answers[call] = reply;
    }
    m_changed.notify_all();
}

void ScriptChannel::stop(ScriptStop why)
{
    {
        const std::lock_guard lock(m_mutex);
        if (m_stop == ScriptStop::None)
            m_stop = why;
        // Ends a script that computes without calling us (a loop forever).
        if (m_engine)
            m_engine->setInterrupted(true);
    }
    m_changed.notify_all();
}

void ScriptChannel::setEngine(QJSEngine *engine)
{
    const std::lock_guard lock(m_mutex);
    m_engine = engine;
    if (m_engine && m_stop != ScriptStop::None)
        m_engine->setInterrupted(true);
}

quint64 ScriptChannel::nextCall()
{
    const std::lock_guard lock(m_mutex);
    return ++m_lastCall;
}

std::optional<ScriptReply> ScriptChannel::waitForAnswer(quint64 call)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_stop != ScriptStop::None || m_answers.count(call) > 0; });
    const auto found = m_answers.find(call);
    if (found == m_answers.end())
        return std::nullopt;
    ScriptReply reply = found->second;
    m_answers.erase(found);
    return reply;
}

bool ScriptChannel::waitForBytes(int port, qsizetype known, Clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_until(lock, deadline, [&] {
        return m_stop != ScriptStop::None || m_received[port].size() > known;
    });
    return m_stop == ScriptStop::None && m_received[port].size() > known;
}

bool ScriptChannel::sleepUntil(Clock::time_point deadline)
{
    std::unique_lock lock(m_mutex);
    return !m_changed.wait_until(lock, deadline, [&] { return m_stop != ScriptStop::None; });
}

QByteArray ScriptChannel::pending(int port) const
{
    const std::lock_guard lock(m_mutex);
    const auto found = m_received.find(port);
    return found == m_received.end() ? QByteArray() : found->second;
}

void ScriptChannel::take(int port, qsizetype count)
{
    const std::lock_guard lock(m_mutex);
    m_received[port].remove(0, count);
}

void ScriptChannel::drop(int port)
{
    const std::lock_guard lock(m_mutex);
    m_received.erase(port);
}

ScriptStop ScriptChannel::stopped() const
{
    const std::lock_guard lock(m_mutex);
    return m_stop;
}

} // namespace zomar
