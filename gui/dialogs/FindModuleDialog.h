#pragma once
// "Find Module": looks for a module on every port given at every line speed
// (38400 first), the reads on the event loop, with a progress bar and Cancel.
// The window stays responsive; it is accepted when a module answered.

#include "core/protocol/ModuleFinder.h"

#include <QDialog>
#include <QMap>

#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

namespace zomar {

class FindModuleDialog : public QDialog
{
    Q_OBJECT
public:
    // note: a line about the window's own port, shown above the progress.
    FindModuleDialog(const QStringList &devices, const QString &note, QWidget *parent = nullptr);

    void start();
    ModuleFinder &finder() { return *m_finder; }
    // The first module that answered.
    const std::optional<FinderHit> &hit() const { return m_hit; }
    bool searching() const { return m_finder->running(); }
    QString statusText() const;

public slots:
    // Cancel, Escape or closing: ends the search once the reads under way are over.
    void reject() override;

private:
    static QString portCount(qsizetype n);
    void onTrying(const QString &device, int baud);
    void onFound(const FinderHit &hit);
    void onProblem(const FinderProblem &problem);
    void onFinished(bool cancelled);

    QStringList m_devices;
    QMap<QString, int> m_trying; // device -> line speed of its read under way
    ModuleFinder *m_finder;
    QLabel *m_status;
    QLabel *m_problems;
    QProgressBar *m_progress;
    QPushButton *m_button;
    std::optional<FinderHit> m_hit;
    bool m_closeWhenDone = false;
};

} // namespace zomar
