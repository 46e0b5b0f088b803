#pragma once
// "Teach slots": the engineer plugs a module into each socket of the hub in
// turn; each socket seen is the next slot, in that order. Nothing is sent to
// the modules. The names the slots had are kept by position.

#include "core/stationsetup/StationFile.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace zomar {

class PortWatcher;
struct ModuleJob;

class SlotTeacher : public QDialog
{
    Q_OBJECT
public:
    SlotTeacher(const QString &folder, const QList<StationSlot> &named, QWidget *parent = nullptr);

    const QList<StationSlot> &taught() const { return m_taught; }

private:
    void onAppeared(const ModuleJob &job);
    void startAgain();
    void updatePrompt();

    QList<StationSlot> m_named;
    QList<StationSlot> m_taught;
    PortWatcher *m_watcher;
    QLabel *m_prompt;
    QLabel *m_note;
    QListWidget *m_list;
    QPushButton *m_done;
};

} // namespace zomar
