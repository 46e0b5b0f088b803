#include "sim/SimulateOption.h"

namespace zomar {

QStringList withSimulateCount(const QStringList &arguments)
{
    QStringList args;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a != QLatin1String("--simulate")) {
            args << a;
            continue;
        }
        const bool countFollows = i + 1 < arguments.size() && !arguments.at(i + 1).isEmpty() &&
                                  arguments.at(i + 1).front().isDigit();
        args << QStringLiteral("--simulate=%1")
                    .arg(countFollows ? arguments.at(++i) : QStringLiteral("1"));
    }
    return args;
}

} // namespace zomar
