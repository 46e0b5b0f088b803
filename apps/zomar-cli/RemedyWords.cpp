#include "apps/zomar-cli/RemedyWords.h"

#include "core/store/Remedy.h"

namespace zomar {

void useCommandLineRemedies()
{
    setRemedyWording([](Remedy remedy, const QString &fact) {
        switch (remedy) {
        case Remedy::MakeRecord:
            return QStringLiteral("make it with `zomar-cli records init --store %1` (as a role "
                                  "that may create tables)")
                .arg(fact);
        case Remedy::MigrateRecord:
            return QStringLiteral("migrate it with `zomar-cli records init --store %1`").arg(fact);
        case Remedy::ReleaseStation:
            return QStringLiteral("`zomar-cli records release --station %1` once its modules are "
                                  "checked")
                .arg(fact);
        case Remedy::NameStation:
            return QStringLiteral("give this run a --station of its own");
        }
        return QString();
    });
}

} // namespace zomar
