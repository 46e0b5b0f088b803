#include "core/store/JoinedThread.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMetaObject>
#include <QThread>

#include <pthread.h>

namespace zomar {

JoinedThread::JoinedThread(QString name) : m_name(std::move(name)) {}

JoinedThread::~JoinedThread()
{
    stop();
}

void JoinedThread::start()
{
    if (m_thread.joinable())
        return;
    m_thread = std::thread([this] { body(); });
    // The kernel's name (15 bytes at most) is what sanitizers and gdb show.
    pthread_setname_np(m_thread.native_handle(), m_name.left(15).toLocal8Bit().constData());
    std::unique_lock<std::mutex> lock(m_mutex);
    m_started.wait(lock, [this] { return m_context != nullptr; });
}

void JoinedThread::body()
{
    QEventLoop loop;
    QObject context;
    QThread::currentThread()->setObjectName(m_name);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_loop = &loop;
        m_context = &context;
    }
    m_started.notify_all();
    loop.exec();
    // What was deleted later goes now, on its own thread.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void JoinedThread::run(const std::function<void()> &work)
{
    if (!m_context)
        return;
    QMetaObject::invokeMethod(m_context, work, Qt::BlockingQueuedConnection);
}

void JoinedThread::post(std::function<void()> work)
{
    if (m_context)
        QMetaObject::invokeMethod(m_context, std::move(work), Qt::QueuedConnection);
}

void JoinedThread::stop()
{
    if (!m_thread.joinable())
        return;
    QEventLoop *loop = m_loop;
    QMetaObject::invokeMethod(m_context, [loop] { loop->quit(); }, Qt::QueuedConnection);
    m_thread.join();
    m_context = nullptr;
    m_loop = nullptr;
}

} // namespace zomar
