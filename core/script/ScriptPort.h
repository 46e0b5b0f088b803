#pragma once
// A serial port as a script uses it, on the event loop: a port of the
// script's own (a module session's), or a front end's open link that the
// script shares (the window's). What the port receives goes to the script's
// channel; sends go out in order; the module is read and written through
// the core's session. A shared link's module operations borrow its device:
// the link closes, a session opens the device for the operation, and the
// link opens again; the link's tap sees the exchange all the while.

#include "core/protocol/Band.h"
#include "core/script/ScriptChannel.h"

#include <QObject>

#include <functional>
#include <memory>

namespace zomar {

class ModuleSession;
class SerialLink;
struct Profile;
struct SessionResult;

class ScriptPort : public QObject
{
    Q_OBJECT
public:
    using Reply = std::function<void(const ScriptReply &)>;
    // Whether the front end lets the script use its link now (false: it is
    // busy with an operation of its own, ask again later); hold(false)
    // gives the link back.
    using Hold = std::function<bool(bool hold)>;

    // A port of the script's own, opened by open().
    ScriptPort(int id, std::shared_ptr<ScriptChannel> channel, const QString &device, int baud,
               Band band, QObject *parent = nullptr);
    // A front end's link, shared while the script runs.
    ScriptPort(int id, std::shared_ptr<ScriptChannel> channel, SerialLink &shared, Hold hold,
               Band band, QObject *parent = nullptr);
    ~ScriptPort() override;

    int id() const { return m_id; }
    // Opens a port of its own: "" or why not.
    QString open();
    SerialLink &link();
    QString device() const { return m_device; }
    int baud() const { return m_baud; }
    bool isShared() const { return m_shared != nullptr; }

    void send(const QByteArray &bytes, const Reply &done);
    // The reply's value is the configuration (configurationValue()).
    void read(const Reply &done);
    // Reads, applies the changes, writes and verifies by reading back.
    void write(const Profile &changes, const Reply &done);
    void factoryReset(const Reply &done);
    // The end of the script, once nothing runs: a module the script's own
    // sends left in command mode is sent "---" after a quiet line, and a
    // port of its own is closed. `done` gets what was done ("" for nothing).
    void finish(const std::function<void(const QString &note)> &done);

private:
    using Step = std::function<bool(ModuleSession &, const SessionResult &)>;
    void whenFree(const std::function<void()> &work);
    void operate(const std::function<void(ModuleSession &)> &begin, const Step &step,
                 const Reply &done);
    void endOperation();
    void leaveCommandMode();
    // A port of its own is closed; a shared link gets its tap back.
    void closeUp();
    void tapLink(SerialLink &link);
    void noteSent(const QByteArray &bytes);
    ScriptReply replyOf(const SessionResult &result) const;

    int m_id;
    std::shared_ptr<ScriptChannel> m_channel;
    QString m_device;
    int m_baud;
    Band m_band;
    SerialLink *m_shared = nullptr;
    Hold m_hold;
    std::unique_ptr<ModuleSession> m_own;
    ModuleSession *m_session = nullptr; // the one an operation runs on
    Step m_step;
    Reply m_done;
    bool m_operating = false;
    bool m_borrowed = false; // the shared link is lent to m_session
    bool m_commandMode = false;
    bool m_closed = false;
    QByteArray m_sentTail;
    std::function<void(const QString &)> m_finished;
    std::function<void(bool, const QByteArray &)> m_tapBefore;
};

} // namespace zomar
