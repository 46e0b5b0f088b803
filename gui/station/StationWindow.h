#pragma once
// The station window: a technician's screen for a production line. One
// large tile per slot, the shift's counts and last units, the operator's
// name, the record's state in the status bar. The setup is changed only
// through "Edit setup", behind the PIN when one is set. Closing lets the
// modules in flight finish and be recorded, tells any of them that did not
// pass, then quits. A station opened again within its shift goes on with
// the shift's counts.

#include "gui/station/SetupChange.h"
#include "gui/station/ShiftRecall.h"
#include "gui/station/ShiftTally.h"
#include "gui/station/StationLine.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;

namespace zomar {

class AppSettings;
class FilePrompter;
class MessagePrompter;
class OperatorField;
class SerialField;
class SerialNotice;
class StationTrace;
class ShiftPanel;
class SlotGrid;
class SlotTile;

class StationWindow : public QMainWindow
{
    Q_OBJECT
public:
    StationWindow(AppSettings &settings, MessagePrompter &messages, FilePrompter &files,
                  QWidget *parent = nullptr);
    ~StationWindow() override;

    // Reads the station file and starts the station; false (and said) when
    // the file is refused.
    bool openStation(const QString &path);
    // Runs a setup kept in path (already saved there).
    void start(const StationSetup &setup, const QString &path);
    // The station file opened last is not there any more.
    void noteStationGone(const QString &path);
    // Closes with nobody at the screen (a signal to end): the modules in
    // flight finish and are recorded, and nothing waits for an answer.
    void quitWhenIdle();

    StationLine *line() const { return m_line.get(); }
    const ShiftTally &tally() const { return m_tally; }
    QString stationFile() const { return m_path; }
    QList<SlotTile *> tiles() const;
    ShiftPanel *shiftPanel() const { return m_panel; }
    OperatorField *operatorField() const { return m_operator; }
    SerialField *serialField() const { return m_serial; }
    StationTrace *trace() const { return m_trace.get(); }
    QString bannerText() const; // "" when hidden
    SerialNotice *serialNotice() const { return m_notice; }
    QString storeText() const;
    QString adviceText() const;

    // What sounds when a unit fails (the system bell by default).
    void setBell(std::function<void()> bell) { m_bell = std::move(bell); }

    // The station's menu actions, for a front end that adds its own menus.
    QAction *editSetupAction() const { return m_editSetup; }

    // "Edit setup": asks for the PIN (when set), then the setup dialog; saves
    // and restarts the station when accepted.
    void editSetup();
    void newStation();
    void openStationAsked();
    void newShift();
    void showKeys();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void applySetup(const StationSetup &setup, const QString &path);
    void showSlot(int slot);
    void onUnitFinished(const SlotOutcome &outcome);
    void showDetails(int slot);
    void showHeader();
    void showBanner();
    void showStore(const StoreStatus &status);
    QString notRunning(const QString &problem) const;
    void onIdle();
    // Labels and product serials (StationTraceActions.cpp).
    void startTrace();
    bool takeScan(QKeyEvent *key);
    void askSerial(int slot); // a unit waits for its serial in the slot
    void onSerialScanned(int slot, const QString &serial);
    void reprintLabel(int slot);
    void noteRefusedSerials(const StationState &state);

    AppSettings &m_settings;
    MessagePrompter &m_messages;
    SetupChange m_change;
    std::unique_ptr<StationLine> m_line;
    std::unique_ptr<StationTrace> m_trace; // after the line: gone before it
    QString m_path;
    ShiftTally m_tally;
    ShiftRecall *m_recall;
    std::function<void()> m_bell;
    bool m_closing = false;
    bool m_unattended = false;
    QStringList m_closingFailures; // units that did not pass while closing
    // What the banner says, the first of them that is set.
    QString m_closingText;
    QString m_problem; // the station is not running
    QString m_goneFile;

    QLabel *m_title;
    QLabel *m_profileLine;
    QLabel *m_poolLine;
    QLabel *m_banner;
    SerialNotice *m_notice; // serials the server refused, until acknowledged
    OperatorField *m_operator;
    QLabel *m_serialLabel;
    SerialField *m_serial;
    SlotGrid *m_grid;
    ShiftPanel *m_panel;
    QLabel *m_store;
    QLabel *m_advice;
    QAction *m_editSetup = nullptr;
};

} // namespace zomar
