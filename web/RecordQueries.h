#pragma once
// The API's own questions to the record (units, figures over any span),
// asked on a thread of their own with a connection of their own: a long one
// never holds up the page's answers, which come from the snapshot, nor the
// connections waiting behind it. Questions are answered in the order asked.

#include "core/fleet/JoinedThread.h"
#include "web/HttpReply.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace zomar {

class ProductionStore;

class RecordQueries
{
public:
    using Query = std::function<HttpReply(ProductionStore &)>;

    explicit RecordQueries(QString location);
    ~RecordQueries(); // waits for the question being answered, closes the connection

    // Opens the record on the thread: "" once open, else why not.
    QString start();
    // Answers the question on the thread; done runs on receiver's thread.
    // The receiver must own this object.
    void ask(Query query, QObject *receiver, std::function<void(const HttpReply &)> done);

private:
    QString m_location;
    JoinedThread m_thread{QStringLiteral("record queries")};
    std::unique_ptr<ProductionStore> m_store; // opened, used and closed on m_thread
};

} // namespace zomar
