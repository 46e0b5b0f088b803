#pragma once
// The options that name configuration fields (--dest, --local, --freq or
// --channel, --power, --rf-speed) and --profile, read into the profile of
// changes they ask for: the options override the profile's fields.

#include "core/profiles/Profile.h"

#include <QCommandLineParser>

namespace zomar {

class Cli;

namespace FieldOptions {

void add(QCommandLineParser &parser, bool withProfile);
// The changes, or nullopt when a value was refused (the run is then over
// with exit code 4, or 1 for an unreadable profile file).
std::optional<Profile> read(Cli &cli, bool withProfile);
// The profile named by --profile (nullopt: refused, the run is over).
std::optional<Profile> readProfileOption(Cli &cli);
// Why changes that every reading accepts still cannot be written ("" when
// they can): a named field that puts the byte A5 into the block.
QString writeProblem(const Profile &changes);
// "local, channel".
QString fieldNames(const QList<BlockField> &fields);

} // namespace FieldOptions

} // namespace zomar
