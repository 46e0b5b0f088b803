#include "core/store/UnitColumns.h"

#include <iterator>

namespace zomar {

QString unitColumnName(UnitColumn column)
{
    // In the order of UnitColumn.
    static const char *const names[] = {
        "time",    "unit_id",        "state",        "reserved_at",   "settled_at",
        "station", "device",         "by_id",        "by_path",       "usb_serial",
        "profile", "profile_sha256", "pool",         "local",         "block_before",
        "block_written", "block_read_back", "result", "failure",      "message",
        "origin",  "run",            "operator",     "product_serial", "label_state",
        "label_reason", "label_target", "label_at"};
    static_assert(std::size(names) == std::size_t(UnitColumn::LabelAt) + 1);
    return QString::fromLatin1(names[int(column)]);
}

QStringList unitColumnNames(const QList<UnitColumn> &columns)
{
    QStringList names;
    for (const UnitColumn column : columns)
        names << unitColumnName(column);
    return names;
}

const QList<UnitColumn> &logColumns()
{
    using C = UnitColumn;
    static const QList<UnitColumn> columns = {
        C::Time,        C::Station,      C::Device,        C::ById,    C::ByPath,
        C::UsbSerial,   C::Profile,      C::ProfileSha256, C::Local,   C::BlockBefore,
        C::BlockWritten, C::BlockReadBack, C::Result,      C::Message, C::State,
        C::UnitId};
    return columns;
}

const QList<UnitColumn> &exportColumns()
{
    using C = UnitColumn;
    static const QList<UnitColumn> columns = {
        C::UnitId,      C::State,        C::ReservedAt,    C::SettledAt, C::Station,
        C::Device,      C::ById,         C::ByPath,        C::UsbSerial, C::Profile,
        C::ProfileSha256, C::Pool,       C::Local,         C::BlockBefore, C::BlockWritten,
        C::BlockReadBack, C::Failure,    C::Message,       C::Origin,    C::Run,
        C::Operator,    C::ProductSerial, C::LabelState,   C::LabelReason, C::LabelTarget,
        C::LabelAt};
    return columns;
}

} // namespace zomar
