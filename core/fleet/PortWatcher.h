#pragma once
// Watches for serial devices to come and go, as a line station needs: polls
// the system's ports (or a folder of device links, such as
// /dev/serial/by-path) twice a second. A folder is looked at as soon as the
// system says it changed (a module plugged in is seen at once), and then
// polled only now and then, as a backstop; it may go with the last adapter
// and come back with the next, which the twice-a-second polls catch.
// Devices present when watching starts are not reported as new. A folder
// that is not there is said, and watched for.

#include "core/fleet/LineProgrammer.h"

#include <QFileSystemWatcher>
#include <QMap>
#include <QObject>
#include <QTimer>

namespace zomar {

class PortWatcher : public QObject
{
    Q_OBJECT
public:
    // folder: "" to watch the system's ports.
    explicit PortWatcher(const QString &folder = {}, QObject *parent = nullptr);

    enum class Folder {
        Present, // (the system's ports always are)
        NotYet,  // a folder of /dev the system makes with the first adapter, such
                 // as /dev/serial/by-path while no adapter is plugged in
        Missing, // not there, though where it would be is (a typo, a hub's
                 // own folder not made yet)
    };
    Q_ENUM(Folder)
    static Folder folderState(const QString &folder);
    Folder folderState() const { return m_folderState; }
    QString folder() const { return m_folder; }

    void start();
    void stop() { m_timer.stop(); }

    static constexpr int kPollMs = 500;
    static constexpr int kWatchedPollMs = 5000; // a folder the system reports changes of

signals:
    void appeared(const zomar::ModuleJob &job);
    void disappeared(const QString &device);
    // The folder went, or came back.
    void folderChanged(zomar::PortWatcher::Folder state);

private:
    QMap<QString, ModuleJob> present() const;
    void poll();

    void watchFolder();

    QString m_folder;
    QTimer m_timer;
    QFileSystemWatcher m_changes;
    QMap<QString, ModuleJob> m_known;
    Folder m_folderState = Folder::Present;
};

} // namespace zomar
