#pragma once
// The production record's tables, versioned: a store holds its schema version
// in the table schema_version, and a program brings an older store up to its
// own version in one transaction (migrations in code, oldest first). A store
// of a newer version is refused rather than half understood.

#include <QSqlDatabase>
#include <QString>

namespace zomar {

class StoreBackend;

namespace StoreSchema {

int latestVersion();

// The version a database's record is at: 0 without a schema_version table
// (present false), -1 when it cannot be read (error: the database's words).
struct Version {
    bool present = false;
    int number = 0;
    QString error;
};
Version readVersion(QSqlDatabase &db);

// Creates the tables in an empty database or migrates an older store (only
// when mayChange); "" when the store is at the latest version, else why it
// cannot be used.
QString prepare(QSqlDatabase &db, const StoreBackend &backend, const QString &location,
                bool mayChange = true);

} // namespace StoreSchema

} // namespace zomar
