#include "web/LineSnapshot.h"

#include "core/fleet/ProductionStore.h"
#include "core/fleet/StoreStats.h"
#include "core/lineview/LineView.h"
#include "core/lineview/StatsJson.h"
#include "web/LineJson.h"

#include <QDateTime>
#include <QJsonObject>
#include <QMutexLocker>
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
        const std::optional<QList<StationView>> stations =
            LineView::stations(*m_store, &error, o.failuresShown);
        if (!stations)
            return error;
        // This shift's figures, the line's and each station's, by the one
        // computation `records stats` makes.
        StatsFilter filter;
        filter.since = LineView::shiftStart(o.shifts, QDateTime::currentDateTime())
                           .toUTC()
                           .toString(Qt::ISODateWithMs);
        const std::optional<LineStats> line = StoreStats::compute(*m_store, filter, &error);
        if (!line)
            return error;
        next.stats = LineJson::bytes(statsJson(*line, filter));
        QHash<QString, QJsonObject> shift;
        for (const StationView &station : *stations) {
            filter.station = station.name;
            const std::optional<LineStats> own = StoreStats::compute(*m_store, filter, &error);
            if (!own)
                return error;
            shift.insert(station.name, LineJson::shiftFigures(*own));
        }
        next.stations = LineJson::bytes(LineJson::stations(*stations, shift));
        UnitFilter last;
        last.limit = o.lastUnits;
        last.newestFirst = true;
        const QList<UnitRow> units = StoreReport::units(*m_store, last, &error);
        if (!error.isEmpty())
            return error;
        next.units = LineJson::bytes(LineJson::units(units));
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        if (m_checkedAt == 0 || now - m_checkedAt >= o.checkEveryMs) {
            const std::optional<StoreCheck> check = StoreReport::check(*m_store, &error);
            if (!check)
                return error;
            next.check = LineJson::bytes(LineJson::check(*check));
            m_checkedAt = now;
        }
        return {};
    }

    LineSnapshot &m_owner;
    std::unique_ptr<ProductionStore> m_store;
    QTimer *m_timer = nullptr;
    qint64 m_checkedAt = 0;
};

LineSnapshot::LineSnapshot(SnapshotOptions options) : m_options(std::move(options)) {}

LineSnapshot::~LineSnapshot()
{
    if (m_reader)
        QMetaObject::invokeMethod(m_reader, [this] { delete m_reader; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void LineSnapshot::start()
{
    m_reader = new Reader(*this);
    m_reader->moveToThread(&m_thread);
    m_thread.start();
    QMetaObject::invokeMethod(m_reader, [this] { m_reader->start(); }, Qt::BlockingQueuedConnection);
}

Snapshot LineSnapshot::current() const
{
    QMutexLocker lock(&m_mutex);
    return m_current;
}

} // namespace zomar
