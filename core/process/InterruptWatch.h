#pragma once
// Turns SIGINT, SIGTERM and SIGHUP into a signal on the event loop (a self-pipe), so
// that work under way can end in order instead of being cut off.

#include <QObject>

class QSocketNotifier;

namespace zomar {

class InterruptWatch : public QObject
{
    Q_OBJECT
public:
    explicit InterruptWatch(QObject *parent = nullptr);
    ~InterruptWatch() override;

signals:
    void interrupted(int count);

private:
    QSocketNotifier *m_notifier = nullptr;
    int m_count = 0;
};

} // namespace zomar
