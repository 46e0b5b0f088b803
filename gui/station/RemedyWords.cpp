#include "gui/station/RemedyWords.h"

#include "core/store/Remedy.h"

namespace zomar {

void useStationRemedies()
{
    setRemedyWording([](Remedy remedy, const QString &fact) {
        switch (remedy) {
        case Remedy::MakeRecord:
            return QStringLiteral("the line's supervisor makes it with `zomar-cli records init "
                                  "--store %1` (as a role that may create tables)")
                .arg(fact);
        case Remedy::MigrateRecord:
            return QStringLiteral("the line's supervisor migrates it with `zomar-cli records "
                                  "init --store %1`")
                .arg(fact);
        case Remedy::ReleaseStation:
            return QStringLiteral("the line's supervisor releases station %1 once its modules "
                                  "are checked")
                .arg(fact);
        case Remedy::NameStation:
            return QStringLiteral("give this station a name of its own in Station > Edit setup");
        }
        return QString();
    });
}

} // namespace zomar
