#pragma once
// Watches for serial devices to come and go, as a line station needs: polls
// the system's ports (or a folder of device links, such as
// /dev/serial/by-path) twice a second. Devices present when watching starts
// are not reported as new.

#include "core/fleet/LineProgrammer.h"

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

    void start();
    void stop() { m_timer.stop(); }

    static constexpr int kPollMs = 500;

signals:
    void appeared(const zomar::ModuleJob &job);
    void disappeared(const QString &device);

private:
    QMap<QString, ModuleJob> present() const;
    void poll();

    QString m_folder;
    QTimer m_timer;
    QMap<QString, ModuleJob> m_known;
};

} // namespace zomar
