#pragma once
// One module on one serial port, driven from the event loop: reading its
// configuration, writing one and verifying it by reading it back, and the
// factory reset. Timers and signals only, no nested event loops, so that
// many sessions can run side by side on one thread. Requests made while one
// is under way wait for it and run in the order asked: one operation on the
// port at a time, each after a quiet line.

#include "core/link/SerialLink.h"
#include "core/protocol/ConfigBlock.h"
#include "core/protocol/ReplyFramer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QQueue>
#include <QTimer>

#include <memory>
#include <optional>

namespace zomar {

enum class SessionOp { Read, Write, FactoryReset };

struct SessionResult {
    enum Outcome {
        Done,       // read, or written and verified
        NoResponse, // nothing, or not a whole block, came back
        Mismatch,   // the read-back differs from what was written
        PortError,  // the port could not be opened, or was lost
    };
    SessionOp op = SessionOp::Read;
    Outcome outcome = Done;
    QString message; // one line: what happened, and for failures what to do

    std::optional<ConfigBlock> before;  // a write: the answer to its "+++"
    std::optional<ConfigBlock> written; // a write: the block that was sent
    std::optional<ConfigBlock> block;   // a read: the block; a write: its read-back
    QList<BlockField> differing;        // Mismatch: the fields that differ
    QByteArray answerBytes;             // the bytes the (last) read gathered
    int skippedA5 = 0;                  // bytes 0xA5 the answer dropped
    bool packetSent = false;            // a packet reached the device
    bool stateUnknown = false;          // the device went away around the packet

    bool ok() const { return outcome == Done; }
};

class ModuleSession : public QObject
{
    Q_OBJECT
public:
    // device: any path (by-id and by-path names too); baud: the line speed.
    ModuleSession(const QString &device, int baud, QObject *parent = nullptr);
    ~ModuleSession() override;

    QString device() const { return m_device; }
    int baud() const { return m_baud; }
    SerialLink &link() { return *m_link; }

    // Opens the port at once, before anything is asked of the module (a port
    // another program holds is found before the module's row is made);
    // nullopt once it is open, else why not. Each operation opens it anyway.
    std::optional<SerialError> openNow();
    void read();
    void write(const ConfigBlock &block);
    void factoryReset();
    // Closes the port once nothing is under way or waiting.
    void close();

    bool busy() const { return m_current.has_value() || !m_queue.isEmpty(); }

signals:
    // One per request, in the order asked. Do not delete the session from a
    // handler; use deleteLater().
    void finished(const zomar::SessionResult &result);
    // The packet of a write is about to go out: from here a loss of the
    // device leaves the module's state unknown.
    void packetSending();
    // The packet of a write is out: the module is read back to verify it.
    void readingBack();

private:
    struct Request {
        SessionOp op;
        ConfigBlock block;
    };
    enum class Step { Idle, Answer, Packet, Exit, ReadBack };

    void startNext();
    bool openPort();
    void beginRead(Step step);
    void onEntryWaitOver();
    void onQuiet();
    void onPacketWaitOver();
    void onExitWaitOver();
    void onBytes();
    void onLost(const QString &description);
    void finish(SessionResult result);
    void takeBurst();
    void finishRead();
    QString where() const;

    QString m_device;
    int m_baud;
    std::unique_ptr<SerialLink> m_link;
    QQueue<Request> m_queue;
    std::optional<Request> m_current;
    SessionResult m_result;
    Step m_step = Step::Idle;
    QTimer m_stepTimer;
    QTimer m_quietTimer;
    QElapsedTimer m_lastByte;
    QElapsedTimer m_lastFinish; // when the last operation ended
    ReplyFramer m_framer;
    // Only the first burst of an answer counts, as in the window: slots 0..11
    // when it ended, or nullopt when they were not all filled.
    bool m_burstTaken = false;
    std::optional<QByteArray> m_firstBurst;
    int m_firstBurstFilled = 0;
    int m_firstBurstBytes = 0;   // bytes received in the first burst
    int m_firstBurstSkipped = 0; // of them 0xA5
    QByteArray m_gathered;
    bool m_exitSent = false;
    bool m_closeWhenIdle = false;
};

} // namespace zomar

Q_DECLARE_METATYPE(zomar::SessionResult)
