#pragma once
// The keys of a profile file, shared by its reader and its writer (and the
// command line's JSON); the block's fields have their names from the block.

#include "core/protocol/ConfigBlock.h"

#include <QString>

namespace zomar::profile_keys {

inline const QString kFormat = QStringLiteral("zomar-profile");

namespace key {
inline const QString format = QStringLiteral("format");
inline const QString version = QStringLiteral("version");
inline const QString name = QStringLiteral("name");
inline const QString comment = QStringLiteral("comment");
inline const QString destination = fieldKey(BlockField::Destination);
inline const QString local = fieldKey(BlockField::Local);
inline const QString band = QStringLiteral("band");
inline const QString frequency = QStringLiteral("frequency_mhz");
inline const QString channel = fieldKey(BlockField::Channel);
inline const QString txPower = fieldKey(BlockField::TxPower);
inline const QString rfSpeed = fieldKey(BlockField::RfSpeed);
inline const QString antennaGain = QStringLiteral("antenna_gain_dbi");
} // namespace key

} // namespace zomar::profile_keys
