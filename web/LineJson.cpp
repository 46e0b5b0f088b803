#include "web/LineJson.h"

#include "core/lineview/UnitJson.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

namespace zomar {

namespace {

QJsonValue optional(const std::optional<qint64> &value)
{
    return value ? QJsonValue(double(*value)) : QJsonValue();
}

QJsonArray unitArray(const QList<UnitRow> &units)
{
    QJsonArray array;
    for (const UnitRow &u : units)
        array.append(unitJson(u));
    return array;
}

} // namespace

QJsonObject LineJson::shiftFigures(const YieldFigures &units)
{
    const auto ratio = [](std::optional<double> r) { return r ? QJsonValue(*r) : QJsonValue(); };
    return {{QStringLiteral("tested"), units.tested},
            {QStringLiteral("passed"), units.passed},
            {QStringLiteral("first_pass_yield"), ratio(units.firstPassYield())},
            {QStringLiteral("final_yield"), ratio(units.finalYield())}};
}

QJsonObject LineJson::stations(const QList<StationView> &stations,
                               const QHash<QString, QJsonObject> &shift)
{
    QJsonArray array;
    for (const StationView &s : stations)
        array.append(QJsonObject{
            {QStringLiteral("name"), s.name},
            {QStringLiteral("host"), s.host},
            {QStringLiteral("running"), s.running},
            {QStringLiteral("online"), s.online},
            {QStringLiteral("last_heard_s"), optional(s.lastHeard)},
            {QStringLiteral("addresses_left"),
             s.addressesLeft < 0 ? QJsonValue() : QJsonValue(s.addressesLeft)},
            {QStringLiteral("rows_waiting"),
             s.rowsWaiting ? QJsonValue(*s.rowsWaiting) : QJsonValue()},
            {QStringLiteral("last_failures"), unitArray(s.lastFailures)},
            {QStringLiteral("shift"), shift.contains(s.name) ? QJsonValue(shift.value(s.name))
                                                             : QJsonValue()}});
    return {{QStringLiteral("stations"), array},
            {QStringLiteral("silent_after_s"), LineView::kSilentSeconds}};
}

QByteArray LineJson::units(const QList<UnitRow> &units)
{
    QByteArray out = "{\"units\":[";
    for (const UnitRow &u : units) {
        if (&u != units.constData())
            out += ',';
        appendUnitJson(out, u);
    }
    return out + "]}";
}

QJsonObject LineJson::check(const StoreCheck &check)
{
    return {{QStringLiteral("findings"), QJsonArray::fromStringList(check.findings)},
            {QStringLiteral("notes"), QJsonArray::fromStringList(check.notes)}};
}

QJsonObject LineJson::problem(const QString &text)
{
    return {{QStringLiteral("problem"), text}};
}

QByteArray LineJson::bytes(const QJsonObject &document)
{
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

} // namespace zomar
