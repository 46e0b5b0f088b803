#include "core/store/StoreSql.h"

#include "core/store/StoreBackend.h"

#include <QSqlError>

#include <atomic>

namespace zomar {

namespace {

QtMessageHandler g_nextHandler = nullptr;

// What the SQL drivers warn of on their own about a connection that is gone
// (a prepared statement that cannot be freed on it): the store says what
// happened in its words, once, so these only break the tools' output.
void dropDriverNoise(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtWarningMsg && (text.contains(QLatin1String("Unable to free statement")) ||
                                 text.startsWith(QLatin1String("QSqlQuery::exec: database not "
                                                               "open"))))
        return;
    if (g_nextHandler)
        g_nextHandler(type, context, text);
}

} // namespace

void StoreSql::quietenDrivers()
{
    static std::atomic<bool> installed{false};
    if (!installed.exchange(true))
        g_nextHandler = qInstallMessageHandler(dropDriverNoise);
}

bool StoreSql::exec(const QString &sql, const QVariantList &values)
{
    m_query = std::make_unique<QSqlQuery>(m_db);
    m_query->setForwardOnly(true);
    // A connection that is gone (closed after a failed reconnect) says so
    // as a lost connection, without asking the driver.
    if (!m_db.isOpen()) {
        m_error = m_backend.explain(QStringLiteral("connection not open"));
        return false;
    }
    bool ok = false;
    if (values.isEmpty()) {
        ok = m_query->exec(sql);
    } else if (m_query->prepare(sql)) {
        for (const QVariant &v : values) {
            // An empty text is a text, not a missing value.
            if (v.typeId() == QMetaType::QString && v.toString().isNull())
                m_query->addBindValue(QStringLiteral(""));
            else
                m_query->addBindValue(v);
        }
        ok = m_query->exec();
    }
    if (!ok) {
        const QSqlError e = m_query->lastError();
        m_error = m_backend.explain(e.databaseText().isEmpty() ? e.text() : e.databaseText());
    }
    return ok;
}

QVariant StoreSql::scalar(const QString &sql, const QVariantList &values)
{
    if (!exec(sql, values) || !m_query->next())
        return {};
    return m_query->value(0);
}

QString StoreSql::write(const std::function<QString()> &work)
{
    return transaction(m_backend.beginWrite(), work);
}

QString StoreSql::writeOwn(const std::function<QString()> &work)
{
    return transaction({m_backend.beginOwnRows()}, work);
}

QString StoreSql::transaction(const QStringList &begin, const std::function<QString()> &work)
{
    m_error.clear();
    for (const QString &statement : begin) {
        if (!exec(statement)) {
            const QString why = m_error;
            m_query.reset();
            if (m_db.isOpen())
                QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
            return why;
        }
    }
    QString problem = work();
    m_query.reset(); // no statement may stay open across the commit
    if (problem.isEmpty() && exec(QStringLiteral("COMMIT"))) {
        m_query.reset();
        return {};
    }
    if (problem.isEmpty())
        problem = m_error;
    m_query.reset();
    if (m_db.isOpen()) {
        QSqlQuery rollback(m_db);
        rollback.exec(QStringLiteral("ROLLBACK"));
    }
    return problem;
}

} // namespace zomar
