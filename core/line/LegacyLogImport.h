#pragma once
// A CSV log of an earlier version was the line's allocation record. When a
// run names one as its log, its rows go into the store (state pass or fail
// from their result; the address of a row with a written block is taken by
// the pool its profile opens next), and the file is rewritten in today's
// columns, each row with its state and unit id, so it is imported once. The
// unit ids are made from the rows themselves: an import cut off before the
// rewrite and run again adds nothing twice.

#include <QString>

namespace zomar {

class ProductionStore;

namespace LegacyLogImport {

struct Result {
    int rows = 0;  // rows imported
    QString error; // "" when imported, or when the log is not of an earlier version
};

// Whether the file holds a log of an earlier version (a header without the
// state column); error set when it cannot be read or is not a log at all.
bool isLegacy(const QString &path, QString *error);
Result run(ProductionStore &store, const QString &path);

} // namespace LegacyLogImport

} // namespace zomar
