#pragma once
// The columns of a unit's CSV files, each with its one name. Two files use
// them, each in the order its readers have always had: the line's log (a row
// per module attempt, its outcome as "result" PASS/FAIL) and the record's
// export (a row per unit, the kind of failure as "failure").

#include <QList>
#include <QStringList>

namespace zomar {

enum class UnitColumn {
    Time, UnitId, State, ReservedAt, SettledAt, Station, Device, ById, ByPath, UsbSerial,
    Profile, ProfileSha256, Pool, Local, BlockBefore, BlockWritten, BlockReadBack, Result,
    Failure, Message, Origin, Run, Operator, ProductSerial, LabelState, LabelReason,
    LabelTarget, LabelAt
};

QString unitColumnName(UnitColumn column); // "by_path"
QStringList unitColumnNames(const QList<UnitColumn> &columns);

const QList<UnitColumn> &logColumns();    // the line's CSV log
const QList<UnitColumn> &exportColumns(); // the record's export

} // namespace zomar
