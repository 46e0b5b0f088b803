#pragma once
// The keys of a profile file, shared by its reader and its writer.

#include <QString>

namespace zomar::profile_keys {

inline const QString kFormat = QStringLiteral("zomar-profile");

namespace key {
inline const QString format = QStringLiteral("format");
inline const QString version = QStringLiteral("version");
inline const QString name = QStringLiteral("name");
inline const QString comment = QStringLiteral("comment");
inline const QString destination = QStringLiteral("destination");
inline const QString local = QStringLiteral("local");
inline const QString band = QStringLiteral("band");
inline const QString frequency = QStringLiteral("frequency_mhz");
inline const QString channel = QStringLiteral("channel");
inline const QString txPower = QStringLiteral("tx_power");
inline const QString rfSpeed = QStringLiteral("rf_speed");
inline const QString antennaGain = QStringLiteral("antenna_gain_dbi");
} // namespace key

} // namespace zomar::profile_keys
