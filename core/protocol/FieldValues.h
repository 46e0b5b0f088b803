#pragma once
// Strict readings of field values as a person types them on a command line or
// in a profile: the whole text must be a value of the field, and a refusal
// says what is allowed. The caller puts the name the user gave the field in
// front ("429: below 430.000 MHz, ..."). The window keeps its own, lenient
// reading of its boxes (PageCodec).

#include "core/protocol/Band.h"
#include "core/protocol/ConfigBlock.h"
#include "core/protocol/ValueTables.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

template <typename T> struct Parsed {
    std::optional<T> value;
    QString problem; // set when value is not

    static Parsed ok(T v) { return Parsed{v, QString()}; }
    static Parsed refused(const QString &why) { return Parsed{std::nullopt, why}; }
    explicit operator bool() const { return value.has_value(); }
};

// One to eight hex digits, an optional "0x" in front.
Parsed<quint32> parseAddressValue(const QString &text);
// "433" or "868" (also "433Mhz", "868 MHz").
Parsed<Band> parseBandValue(const QString &text);
// A whole channel number 0..65535.
Parsed<int> parseChannelValue(const QString &text);
// A frequency in MHz that is a channel of the band; gives the channel.
Parsed<int> parseFrequencyValue(Band band, const QString &text);
// -21, "-21", "-21 dBm", "-21dBm": gives the TX power code.
Parsed<quint8> parseTxPowerValue(const QString &text);
// 9600, "9600 bps", "9600bps": gives the RF speed code (all eight speeds).
Parsed<quint8> parseRfSpeedValue(const QString &text);

// A field of a block as a person reads it: "0102A0FF", "433.920 MHz",
// "-9 dBm", "19200 bps" (an unknown code: "code 0x42").
QString blockFieldText(const ConfigBlock &block, BlockField field, Band band);

// The values a table allows: "0, -3, ..., -21 dBm", "1200, ..., 115200 bps".
QString allowedTxPowers();
QString allowedRfSpeeds();

} // namespace zomar
