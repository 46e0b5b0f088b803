// The station window's menus and what they do: the setup (new, open, edit),
// a new shift, the operator field, the keys, a slot's details.

#include "core/Version.h"
#include "core/settings/AppSettings.h"
#include "gui/language/LanguageMenu.h"
#include "gui/station/OperatorField.h"
#include "gui/station/ShiftPanel.h"
#include "gui/station/SlotGrid.h"
#include "gui/station/SlotTile.h"
#include "gui/station/StationTitle.h"
#include "gui/station/StationWindow.h"
#include "gui/window/MessagePrompter.h"

#include <QFileInfo>
#include <QMenuBar>

namespace zomar {

void StationWindow::buildMenus()
{
    QMenu *station = menuBar()->addMenu(tr("&Station"));
    station->addAction(tr("&New station..."), QKeySequence::New, this,
                       &StationWindow::newStation);
    station->addAction(tr("&Open station..."), QKeySequence::Open, this,
                       &StationWindow::openStationAsked);
    m_editSetup = station->addAction(tr("&Edit setup..."),
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), this,
                                     &StationWindow::editSetup);
    station->addSeparator();
    station->addAction(tr("New s&hift..."),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), this,
                       &StationWindow::newShift);
    station->addAction(tr("O&perator"), QKeySequence(Qt::Key_F2), this, [this] {
        m_operator->setFocus(Qt::ShortcutFocusReason);
        m_operator->selectAll();
    });
    station->addSeparator();
    // Ctrl+Q as the keys' help says, whatever the desktop's own quit key.
    station->addAction(tr("&Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this, &QWidget::close);
    new LanguageMenu(menuBar(), tr("&The station's or the system's language"), m_settings,
                     m_messages, stationTitle());
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("&Keys"), QKeySequence::HelpContents, this, &StationWindow::showKeys);
    help->addAction(tr("&About"), this, [this] {
        m_messages.inform(tr("%1 %2\nProgramming radio modules on a production line, "
                                         "one slot per socket.")
                              .arg(stationTitle(), QString::fromLatin1(kVersionText)),
                          stationTitle());
    });
}

void StationWindow::showKeys()
{
    m_messages.inform(
        tr("Keys of the station:\n\n"
           "Arrow keys: move between the slots\n"
           "Enter or Space on a slot: what the program found\n"
           "Ctrl+P on a slot: its unit's label again\n"
           "Tab: the next slot\n"
           "F2: the operator field (a badge scanner types into it from anywhere)\n"
           "A scan while a slot waits for its product serial: the product serial field\n"
           "Ctrl+Shift+N: a new shift\n"
           "Ctrl+Shift+E: edit the setup (the engineer, with the PIN)\n"
           "Ctrl+O: open a station\n"
           "Ctrl+Q: quit; the modules in flight finish first"),
        stationTitle());
}

void StationWindow::showDetails(int slot)
{
    if (!m_line)
        return;
    const SlotView &view = m_line->slot(slot);
    const SlotTile *tile = m_grid->tiles().at(slot);
    QString text = QStringLiteral("%1: %2\n%3").arg(tile->name(), tile->word(), tile->line());
    if (!view.detail.isEmpty())
        text += QStringLiteral("\n\n%1").arg(view.detail);
    text += tr("\n\nSocket: %1").arg(m_line->setup().slotList.at(slot).port);
    m_messages.inform(text, stationTitle());
}

void StationWindow::newShift()
{
    if (!m_messages.confirm(tr("Start a new shift? The counts and the list of the "
                                           "last units start again; the record keeps every "
                                           "unit."),
                            stationTitle()))
        return;
    m_recall->restart();
    m_panel->show(m_tally);
    for (int i = 0; m_line && i < m_line->slotCount(); ++i)
        showSlot(i);
}

void StationWindow::editSetup()
{
    if (!m_line) {
        newStation();
        return;
    }
    const SetupPause pause(m_line.get());
    if (const std::optional<StationSetup> setup = m_change.edited(m_line.get(), m_path))
        applySetup(*setup, m_path);
}

void StationWindow::newStation()
{
    const SetupPause pause(m_line.get());
    if (const std::optional<SetupChange::NewSetup> created = m_change.created(m_line.get()))
        applySetup(created->setup, created->path);
}

void StationWindow::openStationAsked()
{
    const SetupPause pause(m_line.get());
    // The dialog starts where the station files are.
    const QString near = m_path.isEmpty() ? m_settings.stationFile() : m_path;
    const QString path = m_change.fileToOpen(
        m_line.get(), near.isEmpty() ? QString() : QFileInfo(near).absolutePath());
    if (!path.isEmpty())
        openStation(path);
}

void StationWindow::applySetup(const StationSetup &setup, const QString &path)
{
    const QString error = saveStationFile(setup, path);
    if (!error.isEmpty()) {
        m_messages.inform(tr("The setup is not saved, and the station runs as "
                                         "before:\n%1")
                              .arg(error),
                          stationTitle(), MessageRequest::Warning);
        return;
    }
    // Nothing is in flight (see SetupPause); the run ends in the record before the next begins.
    m_line.reset();
    start(setup, path);
}

} // namespace zomar
