#pragma once
// A module's configuration as the command line shows it: an aligned table
// for people, a JSON object for scripts.

#include "core/protocol/Band.h"
#include "core/protocol/BandPlan.h"
#include "core/protocol/ConfigBlock.h"

#include <QJsonObject>
#include <QString>

namespace zomar {

namespace BlockReport {

QString table(const ConfigBlock &block, Band band, const QString &device, int baud);
// Keys: block, destination, local, channel, band, frequency_mhz, tx_power,
// rf_speed, device, baud.
QJsonObject json(const ConfigBlock &block, Band band, const QString &device, int baud);
// "local: 05060708 -> 0A0B0C0D" lines for the fields that differ.
QStringList changes(const ConfigBlock &from, const ConfigBlock &to, Band band);
// The "band_advice" field: the advice's object, or null for none.
QJsonValue bandAdvice(const BandAdvice &advice);

} // namespace BlockReport

} // namespace zomar
