#include "core/store/Remedy.h"

namespace zomar {

namespace {

RemedyWording &wording()
{
    static RemedyWording chosen;
    return chosen;
}

QString plainWords(Remedy remedy, const QString &fact)
{
    switch (remedy) {
    case Remedy::MakeRecord:
        return QStringLiteral("have it made (by a role that may create tables)");
    case Remedy::MigrateRecord:
        return QStringLiteral("have it migrated");
    case Remedy::ReleaseStation:
        return QStringLiteral("release station %1 once its modules are checked").arg(fact);
    case Remedy::NameStation:
        return QStringLiteral("give this run a station name of its own");
    }
    return QString();
}

} // namespace

void setRemedyWording(RemedyWording chosen)
{
    wording() = std::move(chosen);
}

QString remedyFor(Remedy remedy, const QString &fact)
{
    return wording() ? wording()(remedy, fact) : plainWords(remedy, fact);
}

} // namespace zomar
