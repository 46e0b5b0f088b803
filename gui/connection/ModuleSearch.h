#pragma once
// Tools > "Find Module...": closes the window's port (the search opens every
// port itself), looks for a module on every port the window knows of, and on
// an answer sets the port and speed boxes and connects as "Connect" does,
// which reads the configuration.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

namespace zomar {

struct FormContext;
struct FinderHit;
struct SystemPort;
class PortConnection;
class PortResolver;
class FindModuleDialog;

class ModuleSearch : public QObject
{
    Q_OBJECT
public:
    ModuleSearch(FormContext &ctx, PortConnection &connection, const PortResolver &resolver,
                 QWidget *window, QObject *parent = nullptr);

    // Opens the dialog once no read or write is under way.
    void findModule();
    // The dialog while it is open (null otherwise).
    FindModuleDialog *dialog() const;

    // The devices of the port numbers (the list's and the one in the box) and
    // every system port, each once, those that exist.
    static QStringList devicesToSearch(const PortResolver &resolver,
                                       const QList<SystemPort> &ordered, const QString &current);

private:
    void start();
    void connectTo(const FinderHit &hit);

    FormContext &m_ctx;
    PortConnection &m_connection;
    const PortResolver &m_resolver;
    QWidget *m_window;
    QPointer<FindModuleDialog> m_dialog;
};

} // namespace zomar
