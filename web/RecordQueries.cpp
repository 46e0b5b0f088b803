#include "web/RecordQueries.h"

#include "core/fleet/ProductionStore.h"

#include <QMetaObject>

namespace zomar {

RecordQueries::RecordQueries(QString location) : m_location(std::move(location)) {}

RecordQueries::~RecordQueries()
{
    m_thread.run([this] { m_store.reset(); });
    m_thread.stop();
}

QString RecordQueries::start()
{
    QString error;
    m_thread.start();
    m_thread.run([this, &error] {
        m_store = ProductionStore::open(m_location, ProductionStore::Mode::Existing, &error);
    });
    return m_store ? QString() : error;
}

void RecordQueries::ask(Query query, QObject *receiver, std::function<void(const HttpReply &)> done)
{
    // The receiver owns this object and joins its thread before it goes, so
    // it is there while the question is answered; an answer still queued
    // when it goes is dropped with it.
    m_thread.post([this, query = std::move(query), receiver, done = std::move(done)] {
        const HttpReply reply = query(*m_store);
        QMetaObject::invokeMethod(
            receiver, [done, reply] { done(reply); }, Qt::QueuedConnection);
    });
}

} // namespace zomar
