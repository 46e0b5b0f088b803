#pragma once
// The engineer's side of a station: the profile, the address pool, the
// record and the station's name in it, the line speed, the band-plan region,
// the technicians' language, the folder of the hub's sockets, the slots
// (taught by plugging, renamed in place), labels and serials, and the PIN. Save checks the whole
// setup and names what is wrong.

#include "core/stationsetup/StationFile.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace zomar {

class FilePrompter;
class TraceSetupBox;

class StationSetupDialog : public QDialog
{
    Q_OBJECT
public:
    // stationFile: where the setup is kept ("" for a new one): relative
    // paths count from its folder.
    StationSetupDialog(const StationSetup &setup, const QString &stationFile, FilePrompter &files,
                       QWidget *parent = nullptr);

    // The setup as edited (valid once accepted).
    StationSetup setup() const;
    // Why it cannot be saved, or "".
    QString problem() const;

    void accept() override;

private:
    struct Buttons {
        QPushButton *browseProfile, *browseStore, *teach, *remove, *setPin, *clearPin;
    };
    void setUpFields(const StationSetup &setup);
    Buttons makeButtons();
    void layOut(const Buttons &b);
    void browseProfile();
    void browseStore();
    void teach();
    void removeSlot();
    void setPin();
    void updateProfileNote();
    void updatePinNote();
    void fillSlots(const QList<StationSlot> &list);

    StationSetup m_base;
    QString m_stationFile;
    FilePrompter &m_files;
    std::optional<StationPin> m_pin;
    QLineEdit *m_station;
    QLineEdit *m_profile;
    QLabel *m_profileNote;
    QLineEdit *m_from;
    QSpinBox *m_step;
    QLineEdit *m_store;
    QComboBox *m_baud;
    QComboBox *m_region;
    QComboBox *m_language;
    QLineEdit *m_folder;
    QTableWidget *m_slots;
    TraceSetupBox *m_trace;
    QLabel *m_pinNote;
    QLabel *m_problem;
};

} // namespace zomar
