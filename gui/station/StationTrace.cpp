#include "gui/station/StationTrace.h"

#include "core/run/SerialBinder.h"
#include "core/profiles/Profile.h"
#include "core/protocol/ConfigBlock.h"

namespace zomar {

StationTrace::StationTrace(const StationSetup &setup, const QString &stationFile,
                           QObject *parent)
    : QObject(parent), m_setup(setup), m_stationFile(stationFile)
{
    for (int i = 0; i < setup.slotList.size(); ++i)
        m_slots << SlotTrace{};
    if (!setup.serialPattern.isEmpty())
        m_pattern = serialPattern(setup.serialPattern, nullptr);
}

StationTrace::~StationTrace()
{
    // Units still waiting for their serial get their labels without one.
    blockSignals(true);
    for (int i = 0; i < m_slots.size(); ++i)
        letGo(i);
}

QString StationTrace::open(const StationLine &line)
{
    if (!line.isOpen())
        return {};
    m_band = line.profile() && line.profile()->band ? *line.profile()->band : Band::None;
    m_station = line.station();
    if (m_pattern) {
        m_binder = std::make_unique<SerialBinder>(SerialBinder::Setup{
            line.storeLocation(), line.journalPath(), line.runId(), line.poolId()});
        connect(m_binder.get(), &SerialBinder::bound, this, &StationTrace::onBound);
    }
    if (m_setup.label.isEmpty())
        return {};
    QString error;
    std::optional<LabelTarget> target = LabelTarget::parse(m_setup.label, &error);
    if (!target)
        return error;
    // A PDF folder counts from the station file's folder, as its other paths.
    if (target->kind == LabelTarget::Pdf)
        target->folder = stationPath(m_stationFile, target->folder);
    LabelTemplate layout;
    if (!m_setup.labelTemplate.isEmpty()) {
        const std::optional<LabelTemplate> read =
            LabelTemplate::read(stationPath(m_stationFile, m_setup.labelTemplate), &error);
        if (!read)
            return error;
        layout = *read;
    }
    m_printer = std::make_unique<LabelPrinter>(layout, *target);
    m_printer->recordIn(line.storeLocation(), line.journalPath(), line.runId());
    connect(m_printer.get(), &LabelPrinter::finished, this, &StationTrace::onLabel);
    m_printer->warmUp();
    return {};
}

QStringList StationTrace::lines(int index) const
{
    const SlotTrace &t = m_slots.at(index);
    QStringList out;
    if (t.unitId.isEmpty())
        return out;
    if (!t.data || t.data->serial.isEmpty()) {
        if (!t.binding.isEmpty())
            out << tr("S/N %1: being recorded").arg(t.binding);
        else if (t.awaitingSerial)
            out << tr("Scan the product serial");
    } else {
        out << tr("S/N %1").arg(t.data->serial);
    }
    if (!t.refused.isEmpty())
        out << t.refused;
    switch (t.label) {
    case SlotTrace::NoLabel:
        break;
    case SlotTrace::Printing:
        out << tr("printing the label");
        break;
    case SlotTrace::Printed:
        out << tr("label printed");
        break;
    case SlotTrace::NotPrinted:
        out << tr("label not printed: %1").arg(t.labelReason);
        break;
    }
    return out;
}

SlotView StationTrace::shown(int index, const SlotView &view)
{
    SlotTrace &t = m_slots[index];
    switch (view.kind) {
    case SlotView::Empty:
    case SlotView::NoFolder:
        // Unplugged before its serial was scanned: the tile still asks for it.
        if (t.awaitingSerial || t.kept) {
            t.kept = true;
            return t.passed;
        }
        break;
    case SlotView::Busy:
    case SlotView::NotStarted:
    case SlotView::LeftAlone:
    case SlotView::Stopped:
        letGo(index);
        break;
    case SlotView::Pass:
    case SlotView::Fail:
    case SlotView::Unknown:
        break;
    }
    return view;
}

void StationTrace::letGo(int index)
{
    SlotTrace &t = m_slots[index];
    if (t.unitId.isEmpty())
        return;
    // Its serial was not scanned: the label goes without one.
    if (t.awaitingSerial && t.binding.isEmpty())
        print(index);
    t = SlotTrace{};
    emit slotChanged(index);
}

void StationTrace::passed(const SlotOutcome &o)
{
    if (!o.pass || o.unitId.isEmpty() || !o.local || o.slot < 0 || o.slot >= m_slots.size())
        return;
    letGo(o.slot);
    SlotTrace &t = m_slots[o.slot];
    t.unitId = o.unitId;
    t.order = ++m_passes;
    t.passed = SlotView{SlotView::Pass, ModuleStep::Verifying, o.local, {}, {}};
    t.data = LabelData::ofPass(o.unitId, *o.local, o.readBack, m_band, m_station);
    t.awaitingSerial = m_binder != nullptr;
    if (!t.awaitingSerial)
        print(o.slot);
    emit slotChanged(o.slot);
}

int StationTrace::serialSlot(int selected) const
{
    if (selected >= 0 && selected < m_slots.size() && m_slots.at(selected).awaitingSerial &&
        m_slots.at(selected).binding.isEmpty())
        return selected;
    int best = -1;
    for (int i = 0; i < m_slots.size(); ++i) {
        const SlotTrace &t = m_slots.at(i);
        if (t.awaitingSerial && t.binding.isEmpty() &&
            (best < 0 || t.order < m_slots.at(best).order))
            best = i;
    }
    return best;
}

void StationTrace::scan(int index, const QString &scanned)
{
    if (index < 0 || index >= m_slots.size() || !m_binder)
        return;
    SlotTrace &t = m_slots[index];
    if (!t.awaitingSerial || !t.binding.isEmpty())
        return;
    const QString serial = scanned.trimmed();
    switch (serialFault(serial, &*m_pattern)) {
    case SerialFault::None:
        t.refused.clear();
        t.binding = serial;
        m_binder->bind(t.unitId, serial);
        break;
    case SerialFault::Empty:
        return;
    case SerialFault::NotPrintable:
    case SerialFault::TooLong:
        t.refused = tr("Serial refused: one line of at most %1 characters").arg(kSerialMaxLength);
        break;
    case SerialFault::NoMatch:
        t.refused = tr("Serial %1 refused: it does not match %2").arg(serial, m_setup.serialPattern);
        break;
    }
    emit slotChanged(index);
}

QString StationTrace::refusal(const SerialBinding &b) const
{
    switch (b.outcome) {
    case SerialBinding::Bound:
        break;
    case SerialBinding::HeldByOther:
        return b.holderAddress ? tr("Serial %1 refused: it is bound to the unit with address %2")
                                     .arg(b.serial, addressHex(*b.holderAddress))
                               : tr("Serial %1 refused: it is bound to another unit").arg(b.serial);
    case SerialBinding::UnitHasOther:
        return tr("Serial %1 refused: this unit carries %2").arg(b.serial, b.held);
    case SerialBinding::NoUnit:
    case SerialBinding::NotRecorded:
        return tr("Serial %1 not recorded: call the engineer (%2)").arg(b.serial, b.text());
    }
    return {};
}

void StationTrace::onBound(const QString &unitId, const SerialBinding &binding)
{
    const int index = slotOfUnit(unitId);
    if (index < 0)
        return;
    SlotTrace &t = m_slots[index];
    t.binding.clear();
    t.refused = refusal(binding);
    if (binding.bound()) {
        t.awaitingSerial = false;
        t.data->serial = binding.serial;
        print(index);
    }
    emit slotChanged(index);
}

void StationTrace::print(int index)
{
    SlotTrace &t = m_slots[index];
    if (!m_printer || !t.data)
        return;
    t.label = SlotTrace::Printing;
    t.labelReason.clear();
    m_printer->print(*t.data);
}

bool StationTrace::reprint(int index)
{
    if (index < 0 || index >= m_slots.size() || !m_printer || !m_slots.at(index).data ||
        m_slots.at(index).awaitingSerial)
        return false;
    print(index);
    emit slotChanged(index);
    return true;
}

QList<SerialBinding> StationTrace::refusedOnServer(const QList<SerialBinding> &all)
{
    const QList<SerialBinding> fresh = all.mid(m_refusedSeen);
    m_refusedSeen = all.size();
    for (const SerialBinding &b : fresh) {
        const int index = slotOfUnit(b.unitId);
        if (index < 0)
            continue;
        SlotTrace &t = m_slots[index];
        // The record keeps no serial for the unit: nor does a label printed again.
        if (t.data && t.data->serial == b.serial)
            t.data->serial.clear();
        t.refused = refusal(b);
        emit slotChanged(index);
    }
    return fresh;
}

int StationTrace::slotOfUnit(const QString &unitId) const
{
    for (int i = 0; i < m_slots.size(); ++i)
        if (m_slots.at(i).unitId == unitId)
            return i;
    return -1;
}

void StationTrace::onLabel(const QString &unitId, const LabelOutcome &outcome,
                           const QString &recordError)
{
    if (!recordError.isEmpty())
        emit notRecorded(unitId, recordError);
    const int index = slotOfUnit(unitId);
    if (index < 0) {
        if (!outcome.printed)
            emit notPrinted(unitId, outcome.reason, outcome.target);
        return;
    }
    SlotTrace &t = m_slots[index];
    // A reprint asked for meanwhile tells its own outcome after this one.
    t.label = outcome.printed ? SlotTrace::Printed : SlotTrace::NotPrinted;
    t.labelReason = outcome.reason;
    emit slotChanged(index);
}

} // namespace zomar
