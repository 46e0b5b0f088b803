#include "core/store/Unit.h"

namespace zomar {

namespace {
const char *const kStateNames[] = {"reserved", "pass", "fail", "unknown"};
}

QString unitStateName(UnitState state)
{
    return QString::fromLatin1(kStateNames[static_cast<int>(state)]);
}

QStringList unitStateNames()
{
    QStringList names;
    for (const char *name : kStateNames)
        names << QString::fromLatin1(name);
    return names;
}

std::optional<UnitState> unitStateFromName(const QString &name)
{
    for (int i = 0; i < 4; ++i)
        if (name == QLatin1String(kStateNames[i]))
            return static_cast<UnitState>(i);
    return std::nullopt;
}

} // namespace zomar
