#include "core/fleet/ShiftHistory.h"

#include "core/fleet/ProductionStore.h"

#include <QMetaObject>
#include <QPointer>

namespace zomar {

ShiftHistory::~ShiftHistory()
{
    m_thread.stop();
}

void ShiftHistory::read(const QString &location, const QString &station,
                        const QDateTime &since, qint64 exceptRun, QObject *context, Done done)
{
    m_thread.start();
    const QPointer<QObject> answerTo(context);
    m_thread.post([=] {
        QString error;
        QList<UnitRow> units;
        // A connection of its own, opened and closed on this thread.
        if (std::unique_ptr<ProductionStore> store =
                ProductionStore::open(location, ProductionStore::Mode::Existing, &error)) {
            UnitFilter filter;
            filter.station = station;
            filter.since = since.toUTC().toString(Qt::ISODateWithMs);
            for (const UnitRow &unit : StoreReport::units(*store, filter, &error))
                if (unit.runId != exceptRun && unit.state != UnitState::Reserved)
                    units << unit;
        }
        if (answerTo)
            QMetaObject::invokeMethod(
                answerTo.data(), [done, units, error] { done(units, error); },
                Qt::QueuedConnection);
    });
}

} // namespace zomar
