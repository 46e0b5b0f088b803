#pragma once
// What follows a unit that passed at the station, slot by slot: its label,
// printed beside the line (a printer that fails never changes the PASS),
// and, when the setup asks for them, the product serial a technician scans
// for it. With serials, the label is printed once the serial is bound, so
// that it carries it; a slot that takes its next module first lets its unit
// go, and the label is printed without one. A PASS waiting for its serial
// stays on its tile when the module is unplugged, with its serial and label
// once they come, until the slot's next module.

#include "core/label/LabelPrinter.h"
#include "gui/station/StationLine.h"

#include <QObject>
#include <QRegularExpression>

#include <memory>
#include <optional>

namespace zomar {

class SerialBinder;
struct SerialBinding;

struct SlotTrace {
    QString unitId; // the unit that passed last in the slot ("" for none)
    std::optional<LabelData> data;
    SlotView passed;             // its tile, kept while it waits for a serial
    qint64 order = 0;            // when it passed, among the station's units
    bool awaitingSerial = false; // a serial is still to be scanned
    bool kept = false;           // unplugged while it waited: shown until the next module
    QString binding;             // a scan on its way to the record
    QString refused;             // the last scan refused, in words
    enum Label { NoLabel, Printing, Printed, NotPrinted };
    Label label = NoLabel;
    QString labelReason;
};

class StationTrace : public QObject
{
    Q_OBJECT
public:
    StationTrace(const StationSetup &setup, const QString &stationFile, QObject *parent = nullptr);
    // Labels asked for are printed and recorded first, those of units still
    // waiting for a serial without one.
    ~StationTrace() override;

    // Once the station's run is open: the label target and template are
    // read, the record is known. "" or why labels cannot be printed.
    QString open(const StationLine &line);
    bool printsLabels() const { return m_printer != nullptr; }
    bool asksSerials() const { return m_pattern.has_value(); }
    const SlotTrace &slot(int index) const { return m_slots.at(index); }

    // The lines a slot's tile shows under its own.
    QStringList lines(int slot) const;
    // What a slot's tile shows: its line's view, or the unit that passed
    // there while it waits for its serial. A new module lets that unit go.
    SlotView shown(int slot, const SlotView &view);
    void passed(const SlotOutcome &outcome);

    // The slot a serial scanned now goes to: the selected one when it waits
    // for a serial, else the one that has waited longest; -1 for none.
    int serialSlot(int selected) const;
    void scan(int slot, const QString &serial);
    // The slot's label again; false when it has none to print.
    bool reprint(int slot);
    // The serials the server refused so far this run (the station's list):
    // those not seen before, each on its unit's tile while it shows the unit.
    QList<SerialBinding> refusedOnServer(const QList<SerialBinding> &all);

signals:
    void slotChanged(int slot);
    // A label not printed for a unit that is no longer on its tile.
    void notPrinted(const QString &unitId, const QString &reason, const QString &target);
    // A label's outcome that could not be kept in the record.
    void notRecorded(const QString &unitId, const QString &error);

private:
    void print(int slot);
    void letGo(int slot);
    int slotOfUnit(const QString &unitId) const;
    void onBound(const QString &unitId, const zomar::SerialBinding &binding);
    void onLabel(const QString &unitId, const zomar::LabelOutcome &outcome,
                 const QString &recordError);
    QString refusal(const SerialBinding &binding) const;

    StationSetup m_setup;
    QString m_stationFile;
    QList<SlotTrace> m_slots;
    std::optional<QRegularExpression> m_pattern;
    std::unique_ptr<LabelPrinter> m_printer;
    std::unique_ptr<SerialBinder> m_binder;
    Band m_band = Band::None;
    QString m_station;
    qint64 m_passes = 0;
    qsizetype m_refusedSeen = 0;
};

} // namespace zomar
