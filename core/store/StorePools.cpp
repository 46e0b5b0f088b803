#include "core/store/ProductionStore.h"

#include "core/store/AddressAllocator.h"
#include "core/store/StoreSql.h"
#include "core/profiles/Profile.h"
#include "core/protocol/Band.h"
#include "core/protocol/ValueTables.h"

// What a pool is and what it can still hand out, and a batch of units
// committed as one, whatever the sink.

namespace zomar {

PoolKey PoolKey::of(const Profile &profile, quint32 first, quint32 step)
{
    // The block's field keys: a pool's fields are kept in the record as
    // "key=value" words.
    QStringList parts;
    const auto part = [&parts](BlockField field, const QString &value) {
        parts << fieldKey(field) + QLatin1Char('=') + value;
    };
    if (profile.destination)
        part(BlockField::Destination, addressHex(*profile.destination));
    if (profile.channel)
        part(BlockField::Channel, QString::number(*profile.channel));
    if (profile.txPower)
        part(BlockField::TxPower, QString::number(*profile.txPower));
    if (profile.rfSpeed)
        part(BlockField::RfSpeed, QString::number(*profile.rfSpeed));
    return {parts.join(QLatin1Char(' ')), first, std::max<quint32>(step, 1)};
}

QString PoolKey::describe(const QString &fields)
{
    QStringList words;
    for (const QString &part : fields.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = part.section(QLatin1Char('='), 0, 0);
        const QString value = part.section(QLatin1Char('='), 1);
        bool ok = false;
        const int code = value.toInt(&ok);
        if (key == fieldKey(BlockField::Destination))
            words << QStringLiteral("destination %1").arg(value);
        else if (key == fieldKey(BlockField::Channel) && ok)
            // The band is the module's, not the pool's: both readings.
            words << QStringLiteral("channel %1 (%2 MHz on the 433 MHz band, %3 MHz on the 868 "
                                    "MHz band)")
                         .arg(code)
                         .arg(frequencyText(Band::Mhz433, code), frequencyText(Band::Mhz868, code));
        else if (key == fieldKey(BlockField::TxPower) && ok && txPowerText(code))
            words << QStringLiteral("TX power %1").arg(*txPowerText(code));
        else if (key == fieldKey(BlockField::RfSpeed) && ok && rfSpeedText(code))
            words << QStringLiteral("RF speed %1").arg(*rfSpeedText(code));
        else
            words << part;
    }
    return words.join(QStringLiteral(", "));
}

std::optional<quint32> PoolState::nextAddress() const
{
    if (!givenBack.isEmpty())
        return *std::min_element(givenBack.begin(), givenBack.end());
    if (next >= kPastLastAddress)
        return std::nullopt;
    AddressAllocator counter(static_cast<quint32>(next), key.step);
    return counter.take();
}

bool PoolState::canHandOut(int count) const
{
    const int fromCounter = count - static_cast<int>(givenBack.size());
    if (fromCounter <= 0)
        return true;
    if (next >= kPastLastAddress)
        return false;
    return AddressAllocator(static_cast<quint32>(next), key.step).canHandOut(fromCounter);
}

QString UnitSink::recordBatch(StoreSql &sql, UnitBatch &batch,
                              const std::function<QString(const UnitSettlement &)> &settle,
                              const std::function<QString(const UnitStart &, Reservation &)> &reserve)
{
    QList<Reservation> reservations;
    const QString problem = sql.write([&]() -> QString {
        reservations.clear();
        for (const UnitSettlement &s : batch.settlements) {
            const QString why = settle(s);
            if (!why.isEmpty())
                return why;
        }
        for (const UnitStart &start : batch.starts) {
            Reservation r;
            const QString why = reserve(start, r);
            if (!why.isEmpty())
                return why;
            reservations << r;
        }
        return {};
    });
    if (problem.isEmpty())
        batch.reservations = reservations;
    return problem;
}

} // namespace zomar
