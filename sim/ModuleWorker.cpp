#include "sim/ModuleWorker.h"

#include "core/protocol/CommandMode.h"
#include "sim/PtySpeed.h"

#include <QMutexLocker>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
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

void ModuleWorker::setUp()
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

void ModuleWorker::shutDown()
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

void ModuleWorker::write(const QByteArray &bytes)
{
    if (d->master < 0 || bytes.isEmpty())
        return;
    m_out.append(bytes);
    flush();
}

void ModuleWorker::sendAt(qint64 deadlineNs, const QByteArray &bytes)
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

void ModuleWorker::hearAt(qint64 deadlineNs, const QByteArray &bytes)
{
    if (d->master < 0 || !m_airTimer)
        return;
    m_airQueue.emplace(deadlineNs, bytes);
    armAir();
}

void ModuleWorker::onReadable()
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

void ModuleWorker::record(const char *bytes, ssize_t count)
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

int ModuleWorker::quietGapMs() const
{
    QMutexLocker lock(&d->mutex);
    return d->commandGapMs > 0 ? d->commandGapMs : kQuietGapMs;
}

QList<QByteArray> ModuleWorker::commandSequences(const QByteArray &tail, qsizetype length,
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

void ModuleWorker::armAir()
{
    if (m_airQueue.empty())
        return;
    const qint64 remainingNs = m_airQueue.begin()->first - VirtualModule::now();
    // Rounded up: nothing arrives before its time.
    m_airTimer->start(remainingNs <= 0 ? 0 : int((remainingNs + 999'999) / 1'000'000));
}

void ModuleWorker::deliverAir()
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

int ModuleWorker::lineSpeed() const
{
    QMutexLocker lock(&d->mutex);
    return d->lineSpeed;
}

void ModuleWorker::endOfMessage()
{
    const QByteArray whole = m_messageTail;
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

    // A thread held up (a loaded PC) reads the block and the sequences sent
    // after it in one go: a module on its own line would have heard them
    // apart, so they are taken in order (one sequence when the module wants
    // one command per quiet line).
    bool commandMode = false;
    bool strict = false;
    {
        QMutexLocker lock(&d->mutex);
        commandMode = d->commandMode;
        strict = d->commandGapMs > 0;
    }
    const QByteArray after = whole.mid(kBlockSize);
    if (commandMode && length == whole.size() && length > kBlockSize &&
        !commandSequences(after, after.size(), strict).isEmpty()) {
        if (!handleMessage(whole.left(kBlockSize), kBlockSize))
            handleMessage(after, after.size());
    } else {
        handleMessage(tail, length);
    }
}

// Answers one message; true when the module hangs up after it.
bool ModuleWorker::handleMessage(const QByteArray &tail, qsizetype length)
{
    const int portSpeed = d->master >= 0 ? sim::terminalLineSpeed(d->master) : -1;
    QByteArray answer;
    std::optional<QByteArray> written;
    {
        QMutexLocker lock(&d->mutex);
        // At another line speed the module would see only noise.
        if (portSpeed == d->lineSpeed) {
            const QList<QByteArray> sequences = commandSequences(tail, length, d->commandGapMs > 0);
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
    if (!hangUpAfter || !hangUpAfter(length <= tail.size() ? tail : QByteArray()))
        return false;
    QMetaObject::invokeMethod(
        this, [this] { shutDown(); }, Qt::QueuedConnection);
    return true;
}

void ModuleWorker::flush()
{
    while (m_outPos < m_out.size()) {
        const ssize_t n = ::write(d->master, m_out.constData() + m_outPos,
                                  static_cast<size_t>(m_out.size() - m_outPos));
        if (n > 0) {
            const qint64 at = VirtualModule::now();
            QMutexLocker lock(&d->mutex);
            for (ssize_t i = 0; i < n; ++i)
                d->written.append(
                    VirtualModule::WireByte{at, static_cast<quint8>(m_out.at(m_outPos + i))});
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

} // namespace zomar
