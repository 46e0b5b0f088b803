#pragma once
// The one place that knows the saved settings: application "ZOMAR", section
// "Settings", keys "Port" and "BAUD", plus optional port mappings "Ports/N",
// the window's recent profiles ("RecentProfiles/Files"), the region of its
// band-plan advice ("BandPlan/Region"), the station file a line station
// opened last ("Station/File") and when the shift of which station began
// ("Station/ShiftFile", "Station/ShiftStarted"), the language chosen in a
// Language menu ("Interface/Language"), and the capture window's macros
// ("Macros/List").
// Values are kept as text, unchanged (no trimming, no validation).

#include "core/link/LineSettings.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace zomar {

class AppSettings
{
public:
    // The user's store.
    AppSettings();
    // A store in a given file (tests, or an explicit --settings file).
    explicit AppSettings(const QString &iniFile);
    ~AppSettings();

    static inline const QString kApplication = QStringLiteral("ZOMAR");
    static inline const QString kSection = QStringLiteral("Settings");
    static inline const QString kPortKey = QStringLiteral("Port");
    static inline const QString kBaudKey = QStringLiteral("BAUD");
    static inline const QString kPortMapSection = QStringLiteral("Ports");
    static inline const QString kRecentSection = QStringLiteral("RecentProfiles");
    static inline const QString kRecentFilesKey = QStringLiteral("Files");
    static constexpr int kRecentProfilesKept = 8;
    static inline const QString kBandPlanSection = QStringLiteral("BandPlan");
    static inline const QString kRegionKey = QStringLiteral("Region");
    static inline const QString kStationSection = QStringLiteral("Station");
    static inline const QString kStationFileKey = QStringLiteral("File");
    static inline const QString kShiftFileKey = QStringLiteral("ShiftFile");
    static inline const QString kShiftStartedKey = QStringLiteral("ShiftStarted");
    static inline const QString kInterfaceSection = QStringLiteral("Interface");
    static inline const QString kLanguageKey = QStringLiteral("Language");
    static inline const QString kMacrosSection = QStringLiteral("Macros");
    static inline const QString kMacroListKey = QStringLiteral("List");
    static inline const QString kPortDefault = QStringLiteral("1");
    static inline const QString kBaudDefault = QString::number(kDefaultLineSpeed);

    QString port() const;
    QString baud() const;
    void setPort(const QString &value);
    void setBaud(const QString &value);
    bool hasPort() const;
    bool hasBaud() const;

    // Profile files opened or saved in the window, newest first.
    QStringList recentProfiles() const;
    // Puts a file first (once), keeping at most kRecentProfilesKept.
    void addRecentProfile(const QString &file);
    void removeRecentProfile(const QString &file);
    void clearRecentProfiles();

    // Device saved for port number n ("" when none).
    QString portDevice(int number) const;

    // The region whose band plan the window advises on ("" when never chosen).
    QString bandPlanRegion() const;
    void setBandPlanRegion(const QString &region);

    // The station file a line station opened last ("" when none).
    QString stationFile() const;
    void setStationFile(const QString &file);
    // When the shift of the station in `file` began (invalid when the shift
    // kept is another station's, or none is).
    QDateTime shiftStarted(const QString &file) const;
    void setShiftStarted(const QString &file, const QDateTime &started);

    // The windows' language chosen in a Language menu ("" to follow the
    // system or the station).
    QString language() const;
    void setLanguage(const QString &code);

    // The capture window's macros, as core/script/Macro keeps them (JSON).
    QByteArray macros() const;
    void setMacros(const QByteArray &json);

    QString fileName() const;
    // Writes what was set to the file. Returns "" when it was saved, else
    // why not, in words (a folder in the file's place, no permission, ...).
    QString sync();

    static QString whyUnwritable(const QString &file);

private:
    QString read(const QString &key, const QString &fallback) const;
    std::unique_ptr<QSettings> m_store;
};

} // namespace zomar
