#include "core/script/ScriptPort.h"

#include "core/link/SerialLink.h"
#include "core/profiles/Profile.h"
#include "core/protocol/CommandMode.h"
#include "core/protocol/CommandTiming.h"
#include "core/protocol/ModuleSession.h"
#include "core/script/ScriptValues.h"

#include <QTimer>

#include <algorithm>

namespace zomar {

namespace {

// How often a script asks again for a link its front end is using.
constexpr int kRetryMs = 50;

} // namespace

ScriptPort::ScriptPort(int id, std::shared_ptr<ScriptChannel> channel, const QString &device,
                       int baud, Band band, QObject *parent)
    : QObject(parent), m_id(id), m_channel(std::move(channel)), m_device(device), m_baud(baud),
      m_band(band), m_own(std::make_unique<ModuleSession>(device, baud))
{
    m_session = m_own.get();
    connect(m_own.get(), &ModuleSession::finished, this, [this](const SessionResult &r) {
        if (m_step && m_step(*m_session, r))
            endOperation();
    });
    tapLink(m_own->link());
}

ScriptPort::ScriptPort(int id, std::shared_ptr<ScriptChannel> channel, SerialLink &shared,
                       Hold hold, Band band, QObject *parent)
    : QObject(parent), m_id(id), m_channel(std::move(channel)),
      m_device(shared.requestedName()), m_baud(shared.baudRate()), m_band(band),
      m_shared(&shared), m_hold(std::move(hold))
{
    tapLink(shared);
}

ScriptPort::~ScriptPort()
{
    // Cut short (the window closing): the module is not left in command
    // mode, whatever the exchange under way.
    SerialLink &line = m_operating && m_session ? m_session->link() : link();
    if ((m_commandMode || m_operating) && line.portOpen()) {
        try {
            sendExitSequence(line);
        } catch (const SerialError &) {
        }
    }
    if (m_borrowed) {
        m_session->link().setPortOpen(false);
        try {
            m_shared->openDevice(m_device);
        } catch (const SerialError &) {
        }
        m_hold(false);
    }
    closeUp();
}

void ScriptPort::closeUp()
{
    if (std::exchange(m_closed, true))
        return;
    if (m_shared)
        m_shared->setTap(m_tapBefore);
    else
        m_own->close();
}

void ScriptPort::tapLink(SerialLink &link)
{
    // Whatever saw the line before (a trace, the capture) still sees it.
    m_tapBefore = link.tap();
    const auto before = m_tapBefore;
    link.setTap([this, before](bool sent, const QByteArray &bytes) {
        if (before)
            before(sent, bytes);
        // A module operation's exchange is the operation's, not the script's.
        if (!sent && !m_operating)
            m_channel->received(m_id, bytes);
    });
}

QString ScriptPort::open()
{
    if (m_shared)
        return m_shared->portOpen() ? QString()
                                    : QStringLiteral("the window's port is not open");
    try {
        m_own->link().setBaudRate(m_baud);
        m_own->link().openDevice(m_device);
    } catch (const SerialError &e) {
        return e.description();
    }
    return {};
}

SerialLink &ScriptPort::link()
{
    return m_shared ? *m_shared : m_own->link();
}

void ScriptPort::whenFree(const std::function<void()> &work)
{
    if (m_hold && !m_hold(true)) {
        QTimer::singleShot(kRetryMs, this, [this, work] { whenFree(work); });
        return;
    }
    work();
}

void ScriptPort::noteSent(const QByteArray &bytes)
{
    // The module's own rule: the last sequence sent decides its mode.
    const QByteArray seen = m_sentTail + bytes;
    const qsizetype enter = seen.lastIndexOf(kEnterCommandMode);
    const qsizetype leave = seen.lastIndexOf(kExitCommandMode);
    if (enter != leave)
        m_commandMode = enter > leave;
    m_sentTail = seen.right(kEnterCommandMode.size() - 1);
}

void ScriptPort::send(const QByteArray &bytes, const Reply &done)
{
    whenFree([this, bytes, done] {
        ScriptReply reply;
        try {
            if (!link().portOpen())
                throw SerialError(serial_errors::PortNotOpen,
                                  m_shared ? QStringLiteral("the window's port is not open")
                                           : QStringLiteral("the port %1 is closed").arg(m_device));
            link().output(bytes);
            noteSent(bytes);
        } catch (const SerialError &e) {
            reply = ScriptReply::failure(QStringLiteral("send: %1").arg(e.description()),
                                         QStringLiteral("PortError"));
            reply.outcome = QStringLiteral("port_failed");
        }
        if (m_hold)
            m_hold(false);
        done(reply);
    });
}

ScriptReply ScriptPort::replyOf(const SessionResult &r) const
{
    if (r.ok()) {
        ScriptReply reply;
        reply.value = configurationValue(*r.block, m_band);
        return reply;
    }
    ScriptReply reply = ScriptReply::failure(r.message, QStringLiteral("ModuleError"));
    reply.outcome = r.outcome == SessionResult::NoResponse ? QStringLiteral("no_answer")
                    : r.outcome == SessionResult::Mismatch ? QStringLiteral("mismatch")
                                                           : QStringLiteral("port_failed");
    reply.stateUnknown = r.stateUnknown;
    return reply;
}

void ScriptPort::read(const Reply &done)
{
    operate([](ModuleSession &s) { s.read(); },
            [this](ModuleSession &, const SessionResult &r) {
                m_done(replyOf(r));
                return true;
            },
            done);
}

void ScriptPort::write(const Profile &changes, const Reply &done)
{
    operate([](ModuleSession &s) { s.read(); },
            [this, changes](ModuleSession &s, const SessionResult &r) {
                if (r.ok() && r.op == SessionOp::Read) {
                    s.write(changes.applyTo(*r.block));
                    return false;
                }
                m_done(replyOf(r));
                return true;
            },
            done);
}

void ScriptPort::factoryReset(const Reply &done)
{
    operate([](ModuleSession &s) { s.factoryReset(); },
            [this](ModuleSession &, const SessionResult &r) {
                m_done(replyOf(r));
                return true;
            },
            done);
}

void ScriptPort::operate(const std::function<void(ModuleSession &)> &begin, const Step &step,
                         const Reply &done)
{
    whenFree([this, begin, step, done] {
        m_step = step;
        m_done = done;
        m_operating = true;
        if (m_shared) {
            // The link's device is lent to a session for the operation.
            const QString device = m_shared->requestedName();
            if (device.isEmpty()) {
                m_operating = false;
                m_hold(false);
                done(ScriptReply::failure(QStringLiteral("the window's port is not open")));
                return;
            }
            m_device = device;
            m_baud = m_shared->baudRate();
            m_shared->setPortOpen(false);
            m_borrowed = true;
            auto *session = new ModuleSession(device, m_baud, this);
            session->link().setTap(m_shared->tap());
            connect(session, &ModuleSession::finished, this, [this](const SessionResult &r) {
                if (m_step && m_step(*m_session, r))
                    endOperation();
            });
            m_session = session;
        }
        begin(*m_session);
    });
}

void ScriptPort::endOperation()
{
    m_step = nullptr;
    m_operating = false;
    m_commandMode = false; // every operation ends with "---"
    if (m_borrowed) {
        m_borrowed = false;
        ModuleSession *session = m_session;
        m_session = nullptr;
        session->close();
        session->deleteLater();
        try {
            m_shared->openDevice(m_device);
        } catch (const SerialError &e) {
            // The window hears of it as of a device that went away.
            emit m_shared->deviceLost(e.description());
        }
        m_hold(false);
    }
    if (m_finished)
        QTimer::singleShot(0, this, [this] { finish(m_finished); });
}

void ScriptPort::finish(const std::function<void(const QString &)> &done)
{
    m_finished = done;
    if (m_operating)
        return; // again when the operation ends
    if (!m_commandMode || !link().portOpen()) {
        closeUp();
        const auto finished = std::exchange(m_finished, nullptr);
        finished(QString());
        return;
    }
    whenFree([this] { leaveCommandMode(); });
}

void ScriptPort::leaveCommandMode()
{
    // A module tells its commands apart by a quiet line.
    const qint64 quiet = link().quietForMs();
    if (quiet < kQueueGuardMs) {
        if (m_hold)
            m_hold(false);
        QTimer::singleShot(int(kQueueGuardMs - quiet), this, [this] {
            whenFree([this] { leaveCommandMode(); });
        });
        return;
    }
    bool sent = false;
    try {
        sent = sendExitSequence(link());
    } catch (const SerialError &) {
    }
    m_commandMode = false;
    if (m_hold)
        m_hold(false);
    closeUp();
    const auto finished = std::exchange(m_finished, nullptr);
    finished(sent ? QStringLiteral("%1: the script left the module in command mode; sent \"---\"")
                        .arg(m_device)
                  : QStringLiteral("%1: the script left the module in command mode, and \"---\" "
                                   "could not be sent")
                        .arg(m_device));
}

} // namespace zomar
