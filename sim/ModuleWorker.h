#pragma once
// The virtual module's insides: what its thread and its callers share, and
// the worker that plays the module's side of the line on that thread.

#include "core/protocol/ConfigBlock.h"
#include "sim/Radio.h"
#include "sim/VirtualModule.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QObject>

#include <functional>
#include <map>
#include <optional>

class QSocketNotifier;
class QTimer;

namespace zomar {

// What the module thread and the callers share; also the module as the air
// sees it.
struct ModuleState : sim::RadioStation {
    Tuning tuning() const override
    {
        QMutexLocker lock(&mutex);
        const std::optional<ConfigBlock> block = ConfigBlock::fromBytes(configuration);
        return block ? Tuning{block->channel, block->rfSpeedCode} : Tuning{};
    }

    // Guarded by mutex.
    mutable QMutex mutex;
    QByteArray configuration = VirtualModule::factoryConfiguration();
    int lineSpeed = 38400;
    std::optional<QByteArray> answerOverride;
    std::optional<QByteArray> storeOverride;
    std::function<bool(const QByteArray &)> hangUpAfter;
    bool commandMode = false;
    // 0: the lenient model (5 ms, back-to-back sequences taken in order).
    int commandGapMs = 0;
    QList<VirtualModule::WireByte> received;
    QList<VirtualModule::WireByte> written;
    int messagesHandled = 0;
    sim::RadioSettings radio;

    // Set up by start() before the thread runs, then owned by the thread.
    int master = -1;
    int slave = -1;
};

// The module's side of the line; lives on the module's thread. Plain QObject
// (no meta-object of its own): everything reaches it through functors.
class ModuleWorker : public QObject
{
public:
    ModuleWorker(VirtualModule *owner, ModuleState *shared) : m_owner(owner), d(shared) {}

    void setUp();

    // Stops every notifier and timer before the descriptors go, so nothing
    // is left watching a closed descriptor.
    void shutDown();

    void write(const QByteArray &bytes);

    void sendAt(qint64 deadlineNs, const QByteArray &bytes);

    // What the air brings arrives in the order of its times, never
    // overtaking, and a module in command mode drops it.
    void hearAt(qint64 deadlineNs, const QByteArray &bytes);

private:
    void onReadable();

    void record(const char *bytes, ssize_t count);

    int quietGapMs() const;

    // A message made only of "+++" and "---" sequences, split into them;
    // empty for anything else (a configuration block, data). A strict module
    // takes one sequence per message only.
    static QList<QByteArray> commandSequences(const QByteArray &tail, qsizetype length,
                                              bool strict);

    void armAir();

    void deliverAir();

    int lineSpeed() const;

    void endOfMessage();
    bool handleMessage(const QByteArray &tail, qsizetype length);

    void flush();

    VirtualModule *m_owner;
    ModuleState *d;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer *m_quiet = nullptr;
    QList<QTimer *> m_scheduled;
    QByteArray m_out;
    qsizetype m_outPos = 0;
    QByteArray m_messageTail;
    qsizetype m_messageLength = 0;
    QTimer *m_airTimer = nullptr;
    std::multimap<qint64, QByteArray> m_airQueue; // heard, by when it arrives
    QByteArray m_airHeld;                         // bytes of this message not yet on the air
    bool m_signsOnly = true;                      // the message so far is only '+' and '-'
};

} // namespace zomar
