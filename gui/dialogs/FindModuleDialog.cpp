#include "gui/dialogs/FindModuleDialog.h"

#include <algorithm>

#include "gui/widgets/TextFit.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zomar {

QString FindModuleDialog::portCount(qsizetype n)
{
    return n == 1 ? tr("1 port") : tr("%n ports", nullptr, int(n));
}

FindModuleDialog::FindModuleDialog(const QStringList &devices, const QString &note, QWidget *parent)
    : QDialog(parent), m_devices(devices), m_finder(new ModuleFinder(devices, this))
{
    setObjectName(QStringLiteral("FindModuleDialog"));
    setWindowTitle(tr("Find Module"));
    // A progress box: nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QStringList speeds;
    for (int baud : ModuleFinder::speedsToTry())
        speeds << QString::number(baud);
    auto *intro = new QLabel(
        tr("Looking for a module on %1, at each line speed: %2 baud.\n%3")
            .arg(portCount(devices.size()), speeds.join(QStringLiteral(", ")), note),
        this);
    intro->setWordWrap(true);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("FindStatus"));
    m_status->setWordWrap(true);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, std::max(1, m_finder->triesTotal()));
    m_progress->setValue(0);
    m_problems = new QLabel(this);
    m_problems->setWordWrap(true);
    m_problems->hide();
    m_button = new QPushButton(tr("Cancel"), this);
    m_button->setObjectName(QStringLiteral("FindButton"));
    connect(m_button, &QPushButton::clicked, this, &FindModuleDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_status);
    layout->addWidget(m_progress);
    layout->addWidget(m_problems);
    layout->addWidget(m_button, 0, Qt::AlignRight);
    setMinimumWidth(420);
    growWithTexts(this);

    connect(m_finder, &ModuleFinder::trying, this, &FindModuleDialog::onTrying);
    connect(m_finder, &ModuleFinder::progress, m_progress, &QProgressBar::setValue);
    connect(m_finder, &ModuleFinder::found, this, &FindModuleDialog::onFound);
    connect(m_finder, &ModuleFinder::portFailed, this, &FindModuleDialog::onProblem);
    connect(m_finder, &ModuleFinder::finished, this, &FindModuleDialog::onFinished);
}

QString FindModuleDialog::statusText() const
{
    return m_status->text();
}

void FindModuleDialog::start()
{
    if (m_devices.isEmpty()) {
        m_status->setText(tr("No serial ports to search. Plug in the adapter (a USB "
                                         "adapter shows up as /dev/ttyUSB* or /dev/ttyACM*), "
                                         "then try again."));
        m_button->setText(tr("Close"));
        return;
    }
    m_status->setText(tr("Starting..."));
    m_finder->start();
}

void FindModuleDialog::reject()
{
    if (m_finder->running()) {
        // A read is never cut short: the module would stay in command mode.
        m_closeWhenDone = true;
        m_finder->cancel();
        m_button->setEnabled(false);
        m_status->setText(tr("Stopping after the reads under way..."));
        return;
    }
    QDialog::reject();
}

void FindModuleDialog::onTrying(const QString &device, int baud)
{
    // The ports are tried side by side: show each one's read.
    m_trying[device] = baud;
    if (m_hit || m_closeWhenDone)
        return;
    QStringList reads;
    for (auto it = m_trying.cbegin(); it != m_trying.cend(); ++it)
        reads << tr("%1 at %2 baud").arg(it.key()).arg(it.value());
    m_status->setText(tr("Trying %1...").arg(reads.join(QStringLiteral(", "))));
}

void FindModuleDialog::onFound(const FinderHit &hit)
{
    if (m_hit)
        return; // the first one is taken
    m_hit = hit;
    m_status->setText(
        tr("Found a module on %1 at %2 baud.").arg(hit.device).arg(hit.baud));
    m_finder->cancel();
}

void FindModuleDialog::onProblem(const FinderProblem &problem)
{
    m_trying.remove(problem.device);
    m_problems->show();
    m_problems->setText(m_problems->text() + (m_problems->text().isEmpty() ? QString() : "\n") +
                        QStringLiteral("%1: %2").arg(problem.device, problem.message));
}

void FindModuleDialog::onFinished(bool cancelled)
{
    if (m_hit) {
        accept();
        return;
    }
    if (m_closeWhenDone) {
        QDialog::reject();
        return;
    }
    m_progress->setValue(m_progress->maximum());
    m_status->setText(cancelled ? tr("Search cancelled.")
                                : tr("No module answered on %1 at any line speed. "
                                                 "Check the cable and the module's power.")
                                      .arg(portCount(m_devices.size())));
    m_button->setText(tr("Close"));
    m_button->setEnabled(true);
}

} // namespace zomar
