#include "web/LineSnapshot.h"

#include "core/store/ProductionStore.h"
#include "core/store/StoreSql.h"
#include "core/store/StoreStats.h"
#include "core/lineview/LineView.h"
#include "core/lineview/StatsJson.h"
#include "web/LineJson.h"

#include <QDateTime>
#include <QJsonObject>
#include <QMutexLocker>
#include <QSqlQuery>
#include <QTimer>
#include <QWaitCondition>

namespace zomar {

// Lives on the snapshot's thread, with a connection of its own.
class LineSnapshot::Reader : public QObject
{
public:
    explicit Reader(LineSnapshot &owner) : m_owner(owner) {}

    void start()
    {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &Reader::read);
        read();
        m_timer->start(m_owner.m_options.refreshMs);
    }

private:
    void read()
    {
        Snapshot next;
        next.problem = readInto(next);
        next.readAtMs = QDateTime::currentMSecsSinceEpoch();
        if (!next.problem.isEmpty()) {
            // The record out of reach: the last figures stay, marked stale.
            m_store.reset();
            m_keys = {};
            QMutexLocker lock(&m_owner.m_mutex);
            m_owner.m_current.problem = next.problem;
            m_owner.m_current.readAtMs = next.readAtMs;
            return;
        }
        QMutexLocker lock(&m_owner.m_mutex);
        if (next.check.isEmpty())
            next.check = m_owner.m_current.check;
        m_owner.m_current = next;
    }

    QString readInto(Snapshot &next)
    {
        const SnapshotOptions &o = m_owner.m_options;
        QString error;
        if (!m_store) {
            m_store = ProductionStore::open(o.location, ProductionStore::Mode::Existing, &error);
            if (!m_store)
                return error;
        }
        std::optional<QList<StationView>> stations = LineView::stations(*m_store, &error);
        if (!stations)
            return error;
        // This shift's figures, the line's and each station's, by the one
        // computation `records stats` makes, from one reading, and the
        // stations' last failures: each read again only when it may have
        // changed.
        StatsFilter filter;
        filter.since = LineView::shiftStart(o.shifts, QDateTime::currentDateTime())
                           .toUTC()
                           .toString(Qt::ISODateWithMs);
        const std::optional<ChangeKeys> keys = changeKeys(filter.since, &error);
        if (!keys)
            return error;
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const bool checkDue = m_checkedAt == 0 || now - m_checkedAt >= o.checkEveryMs;
        if (keys->units != m_keys.units || checkDue) {
            QHash<QString, YieldFigures> byStation;
            const std::optional<LineStats> stats =
                StoreStats::compute(*m_store, filter, &error, &byStation);
            if (!stats)
                return error;
            m_stats = LineJson::bytes(statsJson(*stats, filter));
            m_shift.clear();
            for (auto it = byStation.cbegin(); it != byStation.cend(); ++it)
                m_shift.insert(it.key(), LineJson::shiftFigures(it.value()));
            m_keys.units = keys->units;
        }
        if (keys->failures != m_keys.failures || checkDue) {
            const std::optional<QHash<QString, QList<UnitRow>>> failures =
                LineView::lastFailures(*m_store, o.failuresShown, &error);
            if (!failures)
                return error;
            m_failures = *failures;
            m_keys.failures = keys->failures;
        }
        next.stats = m_stats;
        QHash<QString, QJsonObject> shift;
        for (StationView &station : *stations) {
            shift.insert(station.name,
                         m_shift.value(station.name, LineJson::shiftFigures(YieldFigures())));
            station.lastFailures = m_failures.value(station.name);
        }
        next.stations = LineJson::bytes(LineJson::stations(*stations, shift));
        UnitFilter last;
        last.limit = o.lastUnits;
        last.newestFirst = true;
        const QList<UnitRow> units = StoreReport::units(*m_store, last, &error);
        if (!error.isEmpty())
            return error;
        next.units = LineJson::units(units);
        if (checkDue) {
            const std::optional<StoreCheck> check = StoreReport::check(*m_store, &error);
            if (!check)
                return error;
            next.check = LineJson::bytes(LineJson::check(*check));
            m_checkedAt = now;
        }
        return {};
    }

    // What changes when a unit is added (a later id, even for a row that a
    // cut-off station forwards with its old times), settled (one fewer in
    // flight) or fails, or when a late outcome replaces an "unknown" (a
    // station thought dead that was only cut off): read from indexes, not
    // from the shift's rows. A serial bound later changes none of it, so
    // everything is also read again with the integrity check.
    struct ChangeKeys {
        QString units, failures;
    };
    std::optional<ChangeKeys> changeKeys(const QString &since, QString *error)
    {
        StoreSql sql(m_store->database(), m_store->backend());
        if (!sql.exec(QStringLiteral("SELECT (SELECT COUNT(*) FROM units WHERE state = "
                                     "'unknown'), (SELECT COUNT(*) FROM units WHERE state = "
                                     "'fail'), (SELECT MAX(id) FROM units WHERE state IN ('fail', "
                                     "'unknown')), (SELECT MAX(id) FROM units), (SELECT COUNT(*) "
                                     "FROM units WHERE state = 'reserved')")) ||
            !sql.query().next()) {
            if (error)
                *error = sql.error();
            return std::nullopt;
        }
        const QSqlQuery &q = sql.query();
        const QString failures = QStringLiteral("%1 %2 %3").arg(
            q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
        return ChangeKeys{QStringLiteral("%1 %2 %3 %4")
                              .arg(since, failures, q.value(3).toString(), q.value(4).toString()),
                          failures};
    }

    LineSnapshot &m_owner;
    std::unique_ptr<ProductionStore> m_store;
    ChangeKeys m_keys;
    QByteArray m_stats;
    QHash<QString, QJsonObject> m_shift;
    QHash<QString, QList<UnitRow>> m_failures;
    QTimer *m_timer = nullptr;
    qint64 m_checkedAt = 0;
};

LineSnapshot::LineSnapshot(SnapshotOptions options) : m_options(std::move(options)) {}

LineSnapshot::~LineSnapshot()
{
    // The reader and its connection are closed on their own thread.
    m_thread.run([this] {
        delete m_reader;
        m_reader = nullptr;
    });
    m_thread.stop();
}

void LineSnapshot::start()
{
    m_thread.start();
    m_thread.run([this] {
        m_reader = new Reader(*this);
        m_reader->start();
    });
}

Snapshot LineSnapshot::current() const
{
    QMutexLocker lock(&m_mutex);
    return m_current;
}

} // namespace zomar
