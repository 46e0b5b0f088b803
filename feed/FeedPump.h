#pragma once
// Posts each settled unit of the record once to the factory's HTTP endpoint,
// in the order they settled, with the unit's id as the idempotency key. An
// endpoint that cannot be reached or answers 5xx (or 408, 429) gets the same
// unit again after a back-off; one that refuses it (another 4xx) has its
// answer recorded and the feed goes on with the next. The record is only
// read, but for the feed's own rows: the stations never wait for it.

#include "core/fleet/StoreReport.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace zomar {

class ProductionStore;

struct FeedOptions {
    QUrl endpoint;
    QString name;                   // the feed's name in the record ("" : the endpoint's)
    QByteArray authorization;       // the Authorization header's value ("": none)
    int requestTimeoutMs = 10000;
    int firstRetryMs = 500;         // the back-off doubles up to maxRetryMs
    int maxRetryMs = 30000;
    int idlePollMs = 1000;          // how often an idle feed looks for new units
    int batch = 200;                // units read from the record at once
};

class FeedPump : public QObject
{
    Q_OBJECT
public:
    FeedPump(std::unique_ptr<ProductionStore> store, FeedOptions options,
             QObject *parent = nullptr);
    ~FeedPump() override;

    // The endpoint's address with no password or query: a feed's name.
    static QString nameFor(const QUrl &endpoint);
    QString name() const { return m_options.name; }
    void start();
    // Stops once the post under way is answered and recorded.
    void stop();
    bool stopped() const { return m_stopped; }

    // Nothing was waiting when the record was last asked.
    bool idle() const { return m_idle; }
    int delivered() const { return m_delivered; }
    int refused() const { return m_refused; }

signals:
    // Words for the log: a unit refused, the feed's place not kept.
    void warning(const QString &text);
    // The same unit will be tried again after a back-off: why it waits (an
    // endpoint down or failing, the record out of reach).
    void held(const QString &text);
    // Every settled unit is done, for now.
    void caughtUp();
    void unitDone(const QString &unitId, bool delivered);
    void finished();

private:
    void next();
    void post();
    void answered(QNetworkReply *reply);
    void retryLater(const QString &why);
    void storeFailed(const QString &why);
    void moveMark();

    std::unique_ptr<ProductionStore> m_owned;
    ProductionStore &m_store;
    FeedOptions m_options;
    QNetworkAccessManager *m_network;
    QTimer *m_timer;
    QList<UnitRow> m_queue; // read, not yet done; the first is posted
    QNetworkReply *m_reply = nullptr;
    int m_backoffMs = 0;
    bool m_stopping = false;
    bool m_stopped = false;
    bool m_idle = false;
    int m_delivered = 0;
    int m_refused = 0;
    qint64 m_markReadAt = 0;
    std::optional<qint64> m_markCandidate;
};

} // namespace zomar
