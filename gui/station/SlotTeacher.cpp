#include "gui/station/SlotTeacher.h"

#include "core/link/PortWatcher.h"
#include "gui/station/StationTitle.h"
#include "gui/widgets/TextFit.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zomar {

SlotTeacher::SlotTeacher(const QString &folder, const QList<StationSlot> &named, QWidget *parent)
    : QDialog(parent), m_named(named), m_watcher(new PortWatcher(folder, this)),
      m_prompt(new QLabel(this)), m_note(new QLabel(this)), m_list(new QListWidget(this))
{
    setWindowTitle(tr("Teach slots - %1").arg(stationTitle()));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(
        tr("Plug a module into each socket of the hub in turn, in the order the "
                       "slots should have. A module already in place: unplug it and plug it "
                       "in again. Nothing is written to the modules.\nWatching %1")
            .arg(QDir::toNativeSeparators(folder)),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);
    QFont big = m_prompt->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    m_prompt->setFont(big);
    m_prompt->setObjectName(QStringLiteral("prompt"));
    m_prompt->setWordWrap(true);
    layout->addWidget(m_prompt);
    m_note->setWordWrap(true);
    layout->addWidget(m_note);
    m_list->setObjectName(QStringLiteral("taught"));
    m_list->setAccessibleName(tr("Sockets taught"));
    layout->addWidget(m_list, 1);

    auto *buttons = new QDialogButtonBox(this);
    m_done = buttons->addButton(tr("&Done"), QDialogButtonBox::AcceptRole);
    m_done->setObjectName(QStringLiteral("done"));
    auto *again = buttons->addButton(tr("&Start again"), QDialogButtonBox::ResetRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(again, &QPushButton::clicked, this, &SlotTeacher::startAgain);
    layout->addWidget(buttons);

    if (!QFileInfo(folder).isDir())
        m_note->setText(tr("The folder does not exist yet: it appears with the "
                                       "first adapter plugged in."));
    connect(m_watcher, &PortWatcher::appeared, this, &SlotTeacher::onAppeared);
    m_watcher->start();
    growWithTexts(this);
    resize(sizeHint().expandedTo(QSize(fontMetrics().height() * 30, fontMetrics().height() * 22)));
    updatePrompt();
}

void SlotTeacher::onAppeared(const ModuleJob &job)
{
    const QString port = QFileInfo(job.byPath).fileName();
    for (const StationSlot &slot : m_taught) {
        if (slot.port == port) {
            m_note->setText(tr("That socket is %1 already.").arg(slot.name));
            return;
        }
    }
    if (m_taught.size() >= kStationMaxSlots) {
        m_note->setText(tr("A station has at most %1 slots.").arg(kStationMaxSlots));
        return;
    }
    const int index = int(m_taught.size());
    const QString name =
        index < m_named.size() ? m_named.at(index).name : StationSetup::defaultSlotName(index);
    m_taught << StationSlot{port, name};
    m_list->addItem(QStringLiteral("%1: %2").arg(name, port));
    m_list->scrollToBottom();
    m_note->setText(tr("%1 is the socket %2.").arg(name, port));
    updatePrompt();
}

void SlotTeacher::startAgain()
{
    m_taught.clear();
    m_list->clear();
    m_note->clear();
    updatePrompt();
}

void SlotTeacher::updatePrompt()
{
    const int index = int(m_taught.size());
    const QString next =
        index < m_named.size() ? m_named.at(index).name : StationSetup::defaultSlotName(index);
    m_prompt->setText(tr("Plug a module into the socket for %1").arg(next));
    m_done->setEnabled(!m_taught.isEmpty());
    m_done->setDefault(!m_taught.isEmpty());
}

} // namespace zomar
