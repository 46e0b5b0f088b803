#pragma once
// The module's configuration as a script sees it: an object with the keys
// of a profile (and of `zomar-cli read --json`), and the changes a script
// asks module.write() for, read as strictly as a profile is.

#include "core/protocol/Band.h"
#include "core/protocol/ConfigBlock.h"
#include "core/protocol/FieldValues.h"

#include <QVariantMap>

namespace zomar {

struct Profile;

// {block, destination, local, channel, band, frequency_mhz, tx_power, rf_speed}.
QVariantMap configurationValue(const ConfigBlock &block, Band band);

// The changes of module.write({...}): the keys of a profile; numbers are
// taken for the frequency (MHz), the TX power (dBm), the RF speed (bps),
// the band and the addresses. Refused, naming the key and what it takes,
// like a profile; a write that could never be verified is refused too.
// `band`: the band a frequency is on when the changes name none.
Parsed<Profile> changesFromValue(const QVariantMap &changes, Band band);

// Bytes as a line shows them: printable ASCII as it is, the rest as \xHH
// (and \r, \n, \t), for an error that says what arrived.
QString escapedBytes(const QByteArray &bytes, qsizetype limit = 200);

} // namespace zomar
