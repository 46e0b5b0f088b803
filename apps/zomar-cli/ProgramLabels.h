#pragma once
// zomar-cli program --label: a label for each module that passes, printed
// beside the line, its outcome told on a line of its own and kept in the
// record (through the station's journal on a server).

#include "apps/zomar-cli/Cli.h"
#include "core/label/LabelPrinter.h"

#include <memory>

namespace zomar {

struct ModuleOutcome;
class ProductionRun;

class ProgramLabels : public QObject
{
    Q_OBJECT
public:
    static QList<QCommandLineOption> options();
    // The target and template the options name, read and checked; false
    // when refused (the run is then over). *labels stays null without --label.
    static bool fromOptions(Cli &cli, std::unique_ptr<ProgramLabels> *labels);
    // The record the outcomes go to: the run's store, or its station's journal.
    void attach(ProductionRun &run, const QString &store);

    // A module's block goes out: its label is drawn meanwhile.
    void writing(const ModuleOutcome &sofar, Band band, const QString &station);
    // A module passed: its label is asked for (with the unit's product
    // serial, when one was scanned).
    void passed(const ModuleOutcome &outcome, Band band, const QString &station,
                const QString &serial = {});
    int pending() const { return m_printer->pending(); }

signals:
    // A label was told (printed or not).
    void told();

private:
    ProgramLabels(Cli &cli, const LabelTemplate &layout, const LabelTarget &target);
    void tell(const QString &unitId, const LabelOutcome &outcome, const QString &recordError);

    Cli &m_cli;
    std::unique_ptr<LabelPrinter> m_printer;
    QHash<QString, QString> m_devices; // unit id -> device, for the lines
};

} // namespace zomar
