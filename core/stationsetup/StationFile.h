#pragma once
// A line station's setup, kept in a station file (JSON, versioned) that the
// engineer writes and the station opens: the profile, the address pool, the
// store and the station's name in it, the line speed, the technicians'
// language, the folder of device links that names the hub's sockets, the
// slots (one socket each, in the order taught) and the PIN that guards
// changes, and where labels go and which product serials are scanned.
// Read as strictly as a
// profile (unknown keys, keys given twice, wrong types refused with the line
// and the key) and written atomically over a regular file.
//
// Paths in the file may be relative: they count from the file's folder, so
// a station file and its profile can move together.

#include "core/stationsetup/StationPin.h"
#include "core/link/LineSettings.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

inline constexpr int kStationVersion = 1;
inline constexpr int kStationMaxSlots = 64;
inline constexpr int kSlotNameMaxLength = 40;
inline const QString kDefaultSlotFolder = QStringLiteral("/dev/serial/by-path");

struct StationSlot {
    QString port; // the socket's link name in the slot folder (a by-path name)
    QString name; // "Slot 1", or what the engineer called it

    bool operator==(const StationSlot &o) const { return port == o.port && name == o.name; }
};

struct StationSetup {
    QString station; // its name in the record; "" for the host name
    QString profile; // as written in the file
    std::optional<quint32> localFrom;
    quint32 step = 1;
    QString store; // a file or a "postgresql://" address as written; "" for the default
    int baud = kDefaultLineSpeed;
    QString region = QStringLiteral("eu"); // band-plan advice
    QString language; // the technicians' language ("de"); "" for the system's
    QString slotFolder = kDefaultSlotFolder;
    QList<StationSlot> slotList;
    std::optional<StationPin> pin;
    // Traceability: where each unit's label goes ("" for none: pdf:FOLDER,
    // printer:NAME or zpl://HOST[:PORT]), its template file ("" for the
    // default), and the product serial a technician scans for each unit that
    // passes ("" asks for none), a regular expression the serial matches whole.
    QString label;
    QString labelTemplate;
    QString serialPattern;

    static QString defaultSlotName(int index); // "Slot 1" for 0
    // Why the setup cannot run or be saved ("" when it can): no profile, a
    // step of 0, slots named twice, ... One line, naming the key.
    QString problem() const;
    bool operator==(const StationSetup &o) const;
};

struct StationReading {
    std::optional<StationSetup> setup;
    QString error; // one line: the file, the line, the key and what it takes
};

// The keys of a station file, in the order they are written.
const QStringList &stationKeys();

StationReading readStationFile(const QString &path);
StationReading parseStationFile(const QByteArray &bytes, const QString &fileLabel);
QByteArray stationJson(const StationSetup &setup);
// Atomic; "" when saved, else one line saying why not.
QString saveStationFile(const StationSetup &setup, const QString &path);

// A path of the file as a program opens it: relative ones from the station
// file's folder; a store's "postgresql://" address as it is.
QString stationPath(const QString &stationFile, const QString &written);

} // namespace zomar
