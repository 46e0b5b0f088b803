#include "sim/VirtualModule.h"

#include "core/protocol/ConfigBlock.h"
#include "sim/ModuleWorker.h"
#include "sim/PtySpeed.h"

#include <QMutexLocker>
#include <QThread>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace zomar {

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
