#pragma once
// What a user does to go on where the core cannot: make or migrate the record
// in a store, release a station that is gone, give a run a station name of
// its own. Only a front end knows how its user does that (a command, the
// station's setup): the core names the remedy and its fact, and each program
// sets its wording once at start. Without one the core says what is needed in
// plain words.

#include <QString>

#include <functional>

namespace zomar {

enum class Remedy {
    MakeRecord,     // fact: the store; the tables are made by a role that may create them
    MigrateRecord,  // fact: the store
    ReleaseStation, // fact: the station, once its modules are checked
    NameStation,    // fact: the station, whose journal another run of this PC uses
};

// One clause, to follow a colon: "make it with ...".
using RemedyWording = std::function<QString(Remedy remedy, const QString &fact)>;
void setRemedyWording(RemedyWording wording);
QString remedyFor(Remedy remedy, const QString &fact);

} // namespace zomar
