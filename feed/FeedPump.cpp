#include "feed/FeedPump.h"

#include "core/feed/FeedDocument.h"
#include "core/feed/FeedLedger.h"
#include "core/fleet/ProductionStore.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace zomar {

namespace {

// The low mark moves to what was read this long ago: every transaction open
// then has ended (a station's are bounded to a few seconds).
constexpr qint64 kMarkSettleMs = 60000;
constexpr int kAnswerKept = 2000; // characters of a refusal's answer kept in the record

bool retryable(int status)
{
    return status == 0 || status == 408 || status == 429 || status >= 500;
}

} // namespace

FeedPump::FeedPump(std::unique_ptr<ProductionStore> store, FeedOptions options, QObject *parent)
    : QObject(parent), m_owned(std::move(store)), m_store(*m_owned), m_options(std::move(options)),
      m_network(new QNetworkAccessManager(this)), m_timer(new QTimer(this))
{
    if (m_options.name.isEmpty())
        m_options.name = nameFor(m_options.endpoint);
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &FeedPump::next);
    // A redirect could carry the units elsewhere: it is an answer like any other.
    m_network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

FeedPump::~FeedPump() = default;

QString FeedPump::nameFor(const QUrl &endpoint)
{
    return endpoint.adjusted(QUrl::RemoveUserInfo | QUrl::RemoveQuery | QUrl::RemoveFragment)
        .toString();
}

void FeedPump::start()
{
    m_timer->start(0);
}

void FeedPump::stop()
{
    m_stopping = true;
    if (m_reply)
        return; // its answer ends the run once recorded
    m_timer->stop();
    if (!m_stopped) {
        m_stopped = true;
        emit finished();
    }
}

void FeedPump::next()
{
    if (m_stopping)
        return stop();
    if (m_queue.isEmpty()) {
        moveMark();
        QString error;
        const std::optional<QList<UnitRow>> units =
            FeedLedger::pending(m_store, m_options.name, m_options.batch, &error);
        if (!units)
            return storeFailed(error);
        m_queue = *units;
        m_idle = m_queue.isEmpty();
        if (m_idle) {
            emit caughtUp();
            if (!m_stopping)
                m_timer->start(m_options.idlePollMs);
            return;
        }
    }
    post();
}

void FeedPump::post()
{
    const UnitRow &unit = m_queue.first();
    QNetworkRequest request(m_options.endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    request.setRawHeader("Idempotency-Key", unit.unitId.toUtf8());
    if (!m_options.authorization.isEmpty())
        request.setRawHeader("Authorization", m_options.authorization);
    request.setTransferTimeout(m_options.requestTimeoutMs);
    m_reply = m_network->post(request, QJsonDocument(FeedDocument::of(unit))
                                           .toJson(QJsonDocument::Compact));
    QNetworkReply *reply = m_reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { answered(reply); });
}

void FeedPump::answered(QNetworkReply *reply)
{
    reply->deleteLater();
    m_reply = nullptr;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const UnitRow unit = m_queue.first();
    if (status >= 200 && status < 300) {
        const QString error = FeedLedger::delivered(m_store, m_options.name, unit.unitId, status);
        if (!error.isEmpty())
            return storeFailed(error);
        m_queue.removeFirst();
        m_backoffMs = 0;
        ++m_delivered;
        emit unitDone(unit.unitId, true);
        return m_stopping ? stop() : m_timer->start(0);
    }
    if (retryable(status) || (status >= 300 && status < 400)) {
        const QString why = status == 0 ? reply->errorString()
                                        : QStringLiteral("HTTP %1").arg(status);
        return retryLater(QStringLiteral("unit %1 not delivered to %2: %3")
                              .arg(unit.unitId, nameFor(m_options.endpoint), why));
    }
    // Refused for good: kept with the answer, and the next unit goes.
    const QString answer = QString::fromUtf8(reply->read(kAnswerKept * 4)).left(kAnswerKept);
    const QString error =
        FeedLedger::refused(m_store, m_options.name, unit.unitId, status, answer);
    if (!error.isEmpty())
        return storeFailed(error);
    m_queue.removeFirst();
    ++m_refused;
    emit warning(QStringLiteral("unit %1 refused by %2 (HTTP %3), skipped: %4")
                     .arg(unit.unitId, nameFor(m_options.endpoint))
                     .arg(status)
                     .arg(answer.simplified().left(200)));
    emit unitDone(unit.unitId, false);
    m_stopping ? stop() : m_timer->start(0);
}

void FeedPump::retryLater(const QString &why)
{
    m_backoffMs = m_backoffMs == 0 ? m_options.firstRetryMs
                                   : std::min(m_backoffMs * 2, m_options.maxRetryMs);
    emit held(QStringLiteral("%1; again in %2 s").arg(why).arg(m_backoffMs / 1000.0));
    if (m_stopping)
        return stop();
    m_timer->start(m_backoffMs);
}

void FeedPump::storeFailed(const QString &why)
{
    // What was read is read again: the record decides what is left to do.
    m_queue.clear();
    m_markCandidate.reset();
    const QString reconnect = m_store.reconnect();
    retryLater(QStringLiteral("the record %1 cannot be used: %2%3")
                   .arg(m_store.location(), why,
                        reconnect.isEmpty() ? QString() : QStringLiteral(" (") + reconnect +
                                                              QLatin1Char(')')));
}

void FeedPump::moveMark()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (m_markReadAt != 0 && now - m_markReadAt < kMarkSettleMs)
        return;
    if (m_markCandidate) {
        const QString error = FeedLedger::setMark(m_store, m_options.name, *m_markCandidate);
        if (!error.isEmpty())
            emit warning(QStringLiteral("the feed's place in %1 was not moved on: %2")
                             .arg(m_store.location(), error));
    }
    QString error;
    m_markCandidate = FeedLedger::markCandidate(m_store, m_options.name, &error);
    m_markReadAt = now;
}

} // namespace zomar
