// The station window's labels and product serials: a label for each unit
// that passes, its state on the tile and Ctrl+P for it again; serials
// scanned for the units that wait for one.

#include "gui/station/OperatorField.h"
#include "gui/station/SerialField.h"
#include "gui/station/SerialNotice.h"
#include "gui/station/SlotGrid.h"
#include "gui/station/SlotTile.h"
#include "gui/station/StationTrace.h"
#include "gui/station/StationWindow.h"
#include "core/protocol/ConfigBlock.h"
#include "core/store/StoreTrace.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace zomar {

void StationWindow::startTrace()
{
    m_trace = std::make_unique<StationTrace>(m_line->setup(), m_path);
    const QString problem = m_trace->open(*m_line);
    if (!problem.isEmpty() && m_problem.isEmpty())
        m_problem = tr("Labels are not printed: %1. An engineer can correct it in Edit setup.")
                        .arg(problem);
    connect(m_trace.get(), &StationTrace::slotChanged, this, &StationWindow::showSlot);
    connect(m_trace.get(), &StationTrace::notPrinted, this,
            [this](const QString &unitId, const QString &reason, const QString &target) {
                statusBar()->showMessage(
                    tr("The label of unit %1 was not printed: %2. Print it again with: "
                       "zomar-cli records label %1 --label %3")
                        .arg(unitId, reason, target),
                    60000);
            });
    connect(m_trace.get(), &StationTrace::notRecorded, this,
            [this](const QString &unitId, const QString &error) {
                statusBar()->showMessage(
                    tr("The label's state of unit %1 is not in the record: %2").arg(unitId, error),
                    60000);
            });
    // Refused while the run opened (rows an earlier run left).
    noteRefusedSerials(m_line->storeStatus().station);
    const bool serials = m_trace->asksSerials() && m_line->isOpen();
    m_serialLabel->setVisible(serials);
    m_serial->setVisible(serials);
    m_serial->setTarget(-1, {});
}

void StationWindow::noteRefusedSerials(const StationState &state)
{
    if (!m_trace)
        return;
    for (const SerialBinding &b : m_trace->refusedOnServer(state.serialsRefused)) {
        const QString why =
            b.outcome == SerialBinding::UnitHasOther
                ? tr("that unit carries %1").arg(b.held)
            : b.holderAddress
                ? tr("it is bound to the unit with address %1").arg(addressHex(*b.holderAddress))
                : tr("it is bound to unit %1").arg(b.holder);
        m_notice->add(
            b.unitAddress
                ? tr("Serial %1 of the unit with address %2 was refused when this station's "
                     "journal reached the server: %3. The record keeps no serial for that unit; "
                     "check the product and bind its serial with: zomar-cli records serial %4 "
                     "SERIAL")
                      .arg(b.serial, addressHex(*b.unitAddress), why, b.unitId)
                : tr("Serial %1 of unit %2 was refused when this station's journal reached the "
                     "server: %3. The record keeps no serial for that unit; check the product "
                     "and bind its serial with: zomar-cli records serial %2 SERIAL")
                      .arg(b.serial, b.unitId, why));
    }
}

bool StationWindow::takeScan(QKeyEvent *key)
{
    if (!m_trace || !m_trace->asksSerials())
        return false;
    const QList<SlotTile *> list = tiles();
    const int selected = int(list.indexOf(qobject_cast<SlotTile *>(focusWidget())));
    // A scan already begun goes on for its slot.
    const int slot = m_serial->hasFocus() && m_serial->target() >= 0
                         ? m_serial->target()
                         : m_trace->serialSlot(selected);
    return slot >= 0 && m_serial->takeKey(key, slot, list.at(slot)->name());
}

void StationWindow::askSerial(int slot)
{
    if (!m_trace || !m_trace->slot(slot).awaitingSerial)
        return;
    // A scan reaches the serial field through the tiles: the focus leaves
    // the operator field (unless a name is being typed there).
    QWidget *focus = QApplication::focusWidget();
    if (!focus || (focus == m_operator && m_operator->text() == m_operator->name()))
        tiles().at(slot)->setFocus(Qt::OtherFocusReason);
}

void StationWindow::onSerialScanned(int slot, const QString &serial)
{
    if (!m_trace)
        return;
    if (slot < 0 || m_trace->serialSlot(slot) != slot)
        slot = m_trace->serialSlot(-1);
    if (slot < 0) {
        statusBar()->showMessage(
            tr("Serial %1 is for no slot: no unit waits for its product serial.").arg(serial),
            15000);
        return;
    }
    m_trace->scan(slot, serial);
    // The next scan goes to the slot that waits next.
    tiles().at(slot)->setFocus(Qt::OtherFocusReason);
}

void StationWindow::reprintLabel(int slot)
{
    if (m_trace && m_trace->reprint(slot))
        return;
    statusBar()->showMessage(
        !m_trace || !m_trace->printsLabels()
            ? tr("This station prints no labels (Edit setup: Labels and product serials).")
            : tr("%1 has no unit to print a label for: only a unit that passed (with its serial "
                 "when the station asks for one) gets a label.")
                  .arg(tiles().at(slot)->name()),
        15000);
}

} // namespace zomar
