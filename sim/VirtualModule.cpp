#include "sim/VirtualModule.h"

#include "core/protocol/CommandMode.h"
#include "core/protocol/ConfigBlock.h"
#include "sim/PtySpeed.h"
#include "sim/Radio.h"

#include <QMutex>
#include <QMutexLocker>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zomar {

namespace {

// Bytes that arrive closer together than this belong to one message.
constexpr int kQuietGapMs = 5;
// Only the end of a message matters to the protocol (its last three bytes or
// a whole twelve-byte block), so long data runs are not kept in full.
constexpr qsizetype kTailKept = kBlockSize;

const QByteArray &kEnter = kEnterCommandMode;
const QByteArray &kExit = kExitCommandMode;

bool onlySigns(const char *bytes, qsizetype count)
{
    return std::all_of(bytes, bytes + count, [](char c) { return c == '+' || c == '-'; });
}

} // namespace

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

    void setUp()
    {
        m_readNotifier = new QSocketNotifier(d->master, QSocketNotifier::Read, this);
        connect(m_readNotifier, &QSocketNotifier::activated, this, [this] { onReadable(); });
        m_writeNotifier = new QSocketNotifier(d->master, QSocketNotifier::Write, this);
        m_writeNotifier->setEnabled(false);
        connect(m_writeNotifier, &QSocketNotifier::activated, this, [this] { flush(); });
        m_quiet = new QTimer(this);
        m_quiet->setSingleShot(true);
        m_quiet->setTimerType(Qt::PreciseTimer);
        connect(m_quiet, &QTimer::timeout, this, [this] { endOfMessage(); });
        m_airTimer = new QTimer(this);
        m_airTimer->setSingleShot(true);
        m_airTimer->setTimerType(Qt::PreciseTimer);
        connect(m_airTimer, &QTimer::timeout, this, [this] { deliverAir(); });
    }

    // Stops every notifier and timer before the descriptors go, so nothing
    // is left watching a closed descriptor.
    void shutDown()
    {
        delete m_airTimer;
        m_airTimer = nullptr;
        m_airQueue.clear();
        delete m_readNotifier;
        m_readNotifier = nullptr;
        delete m_writeNotifier;
        m_writeNotifier = nullptr;
        delete m_quiet;
        m_quiet = nullptr;
        qDeleteAll(m_scheduled);
        m_scheduled.clear();
        m_out.clear();
        m_outPos = 0;
        if (d->master >= 0)
            ::close(d->master);
        if (d->slave >= 0)
            ::close(d->slave);
        d->master = -1;
        d->slave = -1;
    }

    void write(const QByteArray &bytes)
    {
        if (d->master < 0 || bytes.isEmpty())
            return;
        m_out.append(bytes);
        flush();
    }

    void sendAt(qint64 deadlineNs, const QByteArray &bytes)
    {
        if (d->master < 0)
            return;
        const qint64 remainingNs = deadlineNs - VirtualModule::now();
        // Rounded up: a byte must never leave before its time.
        const int ms = remainingNs <= 0 ? 0 : static_cast<int>((remainingNs + 999'999) / 1'000'000);
        auto *timer = new QTimer(this);
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        m_scheduled.append(timer);
        connect(timer, &QTimer::timeout, this, [this, timer, bytes] {
            m_scheduled.removeOne(timer);
            timer->deleteLater();
            write(bytes);
        });
        timer->start(ms);
    }

    // What the air brings arrives in the order of its times, never
    // overtaking, and a module in command mode drops it.
    void hearAt(qint64 deadlineNs, const QByteArray &bytes)
    {
        if (d->master < 0 || !m_airTimer)
            return;
        m_airQueue.emplace(deadlineNs, bytes);
        armAir();
    }

private:
    void onReadable()
    {
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(d->master, buffer, sizeof buffer);
            if (n > 0) {
                record(buffer, n);
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                break;
            // End of file or a hard error: nothing more will come, and a
            // notifier left on would fire forever.
            m_readNotifier->setEnabled(false);
            break;
        }
        if (m_quiet)
            m_quiet->start(quietGapMs());
    }

    void record(const char *bytes, ssize_t count)
    {
        const qint64 at = VirtualModule::now();
        bool onAir = false;
        sim::RadioSettings radio;
        {
            QMutexLocker lock(&d->mutex);
            d->received.reserve(d->received.size() + count);
            for (ssize_t i = 0; i < count; ++i)
                d->received.append(VirtualModule::WireByte{at, static_cast<quint8>(bytes[i])});
            onAir = !d->commandMode;
            radio = d->radio;
        }
        // Outside command mode what comes in goes on the air at once, except
        // what may still turn out to be "+++" or "---": that waits for the
        // quiet gap that tells.
        onAir = onAir && sim::terminalLineSpeed(d->master) == lineSpeed();
        m_signsOnly = m_signsOnly && onlySigns(bytes, count);
        if (onAir && m_signsOnly) {
            m_airHeld.append(bytes, count);
        } else if (onAir) {
            sim::Radio::air().transmit(d, m_airHeld + QByteArray(bytes, count), at, radio);
            m_airHeld.clear();
        }
        m_messageLength += count;
        m_messageTail.append(bytes, count);
        if (m_messageTail.size() > 8 * kTailKept)
            m_messageTail = m_messageTail.right(kTailKept);
    }

    int quietGapMs() const
    {
        QMutexLocker lock(&d->mutex);
        return d->commandGapMs > 0 ? d->commandGapMs : kQuietGapMs;
    }

    // A message made only of "+++" and "---" sequences, split into them;
    // empty for anything else (a configuration block, data). A strict module
    // takes one sequence per message only.
    static QList<QByteArray> commandSequences(const QByteArray &tail, qsizetype length,
                                              bool strict)
    {
        QList<QByteArray> out;
        if (length != tail.size() || length == 0 || length % kEnter.size() != 0 ||
            length == kBlockSize || (strict && length != kEnter.size()))
            return {};
        for (qsizetype i = 0; i < length; i += kEnter.size()) {
            const QByteArray part = tail.mid(i, kEnter.size());
            if (part != kEnter && part != kExit)
                return {};
            out.append(part);
        }
        return out;
    }

    void armAir()
    {
        if (m_airQueue.empty())
            return;
        const qint64 remainingNs = m_airQueue.begin()->first - VirtualModule::now();
        // Rounded up: nothing arrives before its time.
        m_airTimer->start(remainingNs <= 0 ? 0 : int((remainingNs + 999'999) / 1'000'000));
    }

    void deliverAir()
    {
        const qint64 now = VirtualModule::now();
        bool commandMode = false;
        {
            QMutexLocker lock(&d->mutex);
            commandMode = d->commandMode;
        }
        QByteArray due;
        while (!m_airQueue.empty() && m_airQueue.begin()->first <= now) {
            due += m_airQueue.begin()->second;
            m_airQueue.erase(m_airQueue.begin());
        }
        if (!commandMode)
            write(due);
        armAir();
    }

    int lineSpeed() const
    {
        QMutexLocker lock(&d->mutex);
        return d->lineSpeed;
    }

    void endOfMessage()
    {
        const QByteArray tail = m_messageTail.right(kTailKept);
        const qsizetype length = m_messageLength;
        m_messageTail.clear();
        m_messageLength = 0;
        // Signs held back that are not a command sequence go on the air now.
        const QByteArray held = m_airHeld;
        m_airHeld.clear();
        m_signsOnly = true;
        if (!held.isEmpty()) {
            sim::RadioSettings radio;
            bool strict = false;
            {
                QMutexLocker lock(&d->mutex);
                radio = d->radio;
                strict = d->commandGapMs > 0;
            }
            if (commandSequences(tail, length, strict).isEmpty())
                sim::Radio::air().transmit(d, held, VirtualModule::now(), radio);
        }

        const int portSpeed = d->master >= 0 ? sim::terminalLineSpeed(d->master) : -1;
        QByteArray answer;
        std::optional<QByteArray> written;
        {
            QMutexLocker lock(&d->mutex);
            // At another line speed the module would see only noise.
            if (portSpeed == d->lineSpeed) {
                const QList<QByteArray> sequences =
                    commandSequences(tail, length, d->commandGapMs > 0);
                if (!sequences.isEmpty()) {
                    // Sequences sent back to back ("---" then at once "+++")
                    // can reach us as one message: take them in order.
                    for (const QByteArray &sequence : sequences) {
                        if (sequence == kEnter) {
                            d->commandMode = true;
                            answer += d->answerOverride.value_or(d->configuration);
                        } else if (d->commandMode) {
                            d->commandMode = false;
                        }
                    }
                } else if (!d->commandMode) {
                    if (tail.endsWith(kEnter) && (d->commandGapMs == 0 || length == kEnter.size())) {
                        d->commandMode = true;
                        answer = d->answerOverride.value_or(d->configuration);
                    }
                } else if (length == kBlockSize) {
                    d->configuration = d->storeOverride.value_or(tail);
                    written = d->configuration;
                }
            }
        }
        write(answer);
        {
            QMutexLocker lock(&d->mutex);
            ++d->messagesHandled;
        }
        if (written)
            emit m_owner->configurationWritten(*written);
        std::function<bool(const QByteArray &)> hangUpAfter;
        {
            QMutexLocker lock(&d->mutex);
            hangUpAfter = d->hangUpAfter;
        }
        // Queued: this runs inside the quiet timer's own signal.
        if (hangUpAfter && hangUpAfter(length <= tail.size() ? tail : QByteArray()))
            QMetaObject::invokeMethod(this, [this] { shutDown(); }, Qt::QueuedConnection);
    }

    void flush()
    {
        while (m_outPos < m_out.size()) {
            const ssize_t n = ::write(d->master, m_out.constData() + m_outPos,
                                      static_cast<size_t>(m_out.size() - m_outPos));
            if (n > 0) {
                const qint64 at = VirtualModule::now();
                QMutexLocker lock(&d->mutex);
                for (ssize_t i = 0; i < n; ++i)
                    d->written.append(VirtualModule::WireByte{
                        at, static_cast<quint8>(m_out.at(m_outPos + i))});
                m_outPos += n;
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                // The program's input queue is full; go on when it drains.
                if (m_writeNotifier)
                    m_writeNotifier->setEnabled(true);
                return;
            }
            break; // the line is gone: drop what is left
        }
        m_out.clear();
        m_outPos = 0;
        if (m_writeNotifier && m_writeNotifier->isEnabled())
            m_writeNotifier->setEnabled(false);
    }

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
    QByteArray m_airHeld;    // bytes of this message not yet on the air
    bool m_signsOnly = true; // the message so far is only '+' and '-'
};

struct VirtualModule::Private : ModuleState {
    void hear(qint64 atNs, const QByteArray &bytes) override
    {
        QMetaObject::invokeMethod(
            worker, [w = worker, atNs, bytes] { w->hearAt(atNs, bytes); },
            Qt::QueuedConnection);
    }

    QString path;
    QThread thread;
    ModuleWorker *worker = nullptr;
};

VirtualModule::VirtualModule(QObject *parent) : QObject(parent), d(std::make_unique<Private>())
{
    d->thread.setObjectName(QStringLiteral("VirtualModule"));
}

VirtualModule::~VirtualModule()
{
    sim::Radio::air().leave(d.get());
    if (d->worker) {
        if (d->thread.isRunning()) {
            QMetaObject::invokeMethod(
                d->worker, [w = d->worker] { w->shutDown(); }, Qt::BlockingQueuedConnection);
            d->thread.quit();
            d->thread.wait();
        }
        delete d->worker; // its thread has ended and it holds no timers any more
        d->worker = nullptr;
    }
    if (d->master >= 0)
        ::close(d->master);
    if (d->slave >= 0)
        ::close(d->slave);
}

std::vector<std::unique_ptr<VirtualModule>> VirtualModule::startMany(int count, QString *error)
{
    std::vector<std::unique_ptr<VirtualModule>> modules;
    for (int i = 0; i < count; ++i) {
        auto module = std::make_unique<VirtualModule>();
        if (!module->start(error))
            return {};
        modules.push_back(std::move(module));
    }
    return modules;
}

bool VirtualModule::start(QString *error)
{
    auto fail = [error](const QString &what) {
        if (error)
            *error = what + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        return false;
    };
    if (d->worker)
        return true;

    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0)
        return fail(QStringLiteral("Cannot open a pseudo-terminal"));

    termios settings{};
    if (::tcgetattr(slave, &settings) == 0) {
        ::cfmakeraw(&settings);
        settings.c_cflag |= CLOCAL | CREAD;
        ::cfsetispeed(&settings, B38400);
        ::cfsetospeed(&settings, B38400);
        ::tcsetattr(slave, TCSANOW, &settings);
    }
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);

    // The module keeps its own slave descriptor so the master never sees a
    // hang-up while the program has the port closed.
    d->master = master;
    d->slave = slave;
    d->path = QString::fromLocal8Bit(name);

    d->worker = new ModuleWorker(this, d.get());
    d->worker->moveToThread(&d->thread);
    d->thread.start();
    QMetaObject::invokeMethod(
        d->worker, [w = d->worker] { w->setUp(); }, Qt::BlockingQueuedConnection);
    sim::Radio::air().join(d.get());
    return true;
}

QString VirtualModule::devicePath() const
{
    return d->path;
}

QByteArray VirtualModule::factoryConfiguration()
{
    return ConfigBlock::factoryDefaults().toBytes();
}

void VirtualModule::setConfiguration(const QByteArray &block)
{
    QMutexLocker lock(&d->mutex);
    d->configuration = block;
}

QByteArray VirtualModule::configuration() const
{
    QMutexLocker lock(&d->mutex);
    return d->configuration;
}

void VirtualModule::setLineSpeed(int baud)
{
    QMutexLocker lock(&d->mutex);
    d->lineSpeed = baud;
}

int VirtualModule::lineSpeed() const
{
    QMutexLocker lock(&d->mutex);
    return d->lineSpeed;
}

void VirtualModule::setAnswerOverride(std::optional<QByteArray> answer)
{
    QMutexLocker lock(&d->mutex);
    d->answerOverride = std::move(answer);
}

void VirtualModule::setStoreOverride(std::optional<QByteArray> stored)
{
    QMutexLocker lock(&d->mutex);
    d->storeOverride = std::move(stored);
}

void VirtualModule::setHangUpAfter(std::function<bool(const QByteArray &)> when)
{
    QMutexLocker lock(&d->mutex);
    d->hangUpAfter = std::move(when);
}

bool VirtualModule::inCommandMode() const
{
    QMutexLocker lock(&d->mutex);
    return d->commandMode;
}

void VirtualModule::setCommandGap(int ms)
{
    QMutexLocker lock(&d->mutex);
    d->commandGapMs = qMax(0, ms);
}

int VirtualModule::messagesHandled() const
{
    QMutexLocker lock(&d->mutex);
    return d->messagesHandled;
}

void VirtualModule::send(const QByteArray &bytes)
{
    if (!d->worker)
        return;
    QMetaObject::invokeMethod(
        d->worker, [w = d->worker, bytes] { w->write(bytes); }, Qt::QueuedConnection);
}

void VirtualModule::sendAfter(int msecs, const QByteArray &bytes)
{
    if (!d->worker)
        return;
    // The delay counts from this call, not from when the module thread gets
    // to it.
    const qint64 deadline = now() + qint64(qMax(msecs, 0)) * 1'000'000;
    QMetaObject::invokeMethod(
        d->worker, [w = d->worker, deadline, bytes] { w->sendAt(deadline, bytes); },
        Qt::QueuedConnection);
}

QList<VirtualModule::WireByte> VirtualModule::received() const
{
    QMutexLocker lock(&d->mutex);
    return d->received;
}

QByteArray VirtualModule::receivedBytes() const
{
    QMutexLocker lock(&d->mutex);
    QByteArray bytes;
    bytes.reserve(d->received.size());
    for (const WireByte &b : d->received)
        bytes.append(static_cast<char>(b.value));
    return bytes;
}

void VirtualModule::clearReceived()
{
    QMutexLocker lock(&d->mutex);
    d->received.clear();
    d->written.clear();
}

QList<VirtualModule::WireByte> VirtualModule::written() const
{
    QMutexLocker lock(&d->mutex);
    return d->written;
}

void VirtualModule::setRadio(const sim::RadioSettings &settings)
{
    QMutexLocker lock(&d->mutex);
    d->radio = settings;
}

void VirtualModule::hangUp()
{
    if (!d->worker || !d->thread.isRunning())
        return;
    if (QThread::currentThread() == &d->thread)
        d->worker->shutDown();
    else
        QMetaObject::invokeMethod(
            d->worker, [w = d->worker] { w->shutDown(); }, Qt::BlockingQueuedConnection);
}

qint64 VirtualModule::now()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace zomar
