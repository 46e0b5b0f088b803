#pragma once
// Statements on a store's connection with their values bound, the last
// error kept in words, and writing transactions that commit as a whole or
// not at all.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <functional>

namespace zomar {

class StoreBackend;

class StoreSql
{
public:
    StoreSql(QSqlDatabase &db, const StoreBackend &backend) : m_db(db), m_backend(backend) {}

    // Keeps the drivers' own warnings about a lost connection off standard
    // error (once per program; other messages go on as before).
    static void quietenDrivers();

    // Runs one statement; its rows (if any) are then in query().
    bool exec(const QString &sql, const QVariantList &values = {});
    QSqlQuery &query() { return *m_query; }
    // The first column of the first row, or an invalid value.
    QVariant scalar(const QString &sql, const QVariantList &values = {});
    QString error() const { return m_error; }

    // Runs work in a transaction that writes: committed when work returns
    // "", else rolled back. Returns "" once committed, else why not.
    QString write(const std::function<QString()> &work);
    // The same for work that writes only rows of its own (no counter moved):
    // it does not wait for the store's other writers.
    QString writeOwn(const std::function<QString()> &work);

private:
    QString transaction(const QStringList &begin, const std::function<QString()> &work);

    QSqlDatabase &m_db;
    const StoreBackend &m_backend;
    std::unique_ptr<QSqlQuery> m_query;
    QString m_error;
};

} // namespace zomar
