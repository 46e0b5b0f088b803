#pragma once
// The module's two frequency bands: their names, and how a channel number
// (block bytes 8 and 9) relates to a frequency in MHz. The band is not part
// of the block; the person reading or writing a module chooses it.

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace zomar {

enum class Band { None, Mhz433, Mhz868 };

inline constexpr int kHighestChannel = 65535;

// The window's band box: "433Mhz" / "868Mhz" exactly (case-sensitive);
// anything else is no band.
Band bandFromText(const QString &text);
const QStringList &bandItems(); // "433Mhz", "868Mhz"
QString bandItem(Band band);    // "433Mhz"; "" for no band

// "433" / "868": the name profiles and the command line use.
QString bandName(Band band);
QStringList bandNames(); // every band's, in list order
// "433 MHz band".
QString bandTitle(Band band);
// The channel range of a band in words, exactly: "430.000 to 593.8375 MHz".
QString bandRange(Band band);
// The channel step in MHz as text: "0.0025" / "0.005".
QString bandStepText(Band band);

// Frequency of channel n as the window shows it: "0.000" format. A value
// exactly halfway between thousandths is rounded up, so the text encodes back
// to n.
QString frequencyText(Band band, long long channel);
// Frequency of channel n in hertz: 430 MHz + n x 2.5 kHz, 860 MHz + n x 5 kHz
// (0 for no band).
qint64 channelHz(Band band, long long channel);
// Frequency of channel n exactly: three decimals, or four for the odd
// channels of the 433 MHz band ("433.9975"), so it reads back as that very
// channel.
QString exactFrequencyText(Band band, int channel);

// Channel position of a frequency in MHz on a band (None: NaN); whole for a
// channel's own frequency, within the tolerance isWholeChannel allows.
double channelPosition(Band band, double mhz);
bool isWholeChannel(double position);

} // namespace zomar
