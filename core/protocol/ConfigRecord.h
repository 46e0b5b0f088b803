#pragma once
// The module's twelve-byte configuration block: value tables, field texts,
// frequency maths, decoding from received slots and encoding from field texts.
// Free of widgets so that the window, the tools and the tests share it.

#include "core/protocol/ConfigBlock.h"
#include "core/protocol/ReplyFramer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zomar {

enum class Band { None, Mhz433, Mhz868 };

// "433Mhz" / "868Mhz" exactly (case-sensitive); anything else is no band.
Band bandFromText(const QString &text);

// List contents of the drop-down boxes, in list order.
const QStringList &portItems();         // "1".."15"
const QStringList &lineSpeedItems();    // "2400".."38400"
const QStringList &txPowerItems();      // "0 dBm".."-21 dBm" (codes 0..7)
const QStringList &rfSpeedItems();      // the six list items "1200 bps".."38400 bps"
const QStringList &rfSpeedTableTexts(); // all eight codes' texts, "1200 bps".."115200 bps"
const QStringList &bandItems();         // "433Mhz", "868Mhz"

// Table lookups. Text -> code is an exact, case-sensitive whole-text match.
std::optional<QString> txPowerText(int code); // 0..7, else nullopt
int txPowerCode(const QString &text);         // no match: 0
std::optional<QString> rfSpeedText(int code); // the eight codes, else nullopt
int rfSpeedCode(const QString &text);         // no match: 163 ("1200 bps")

// Address byte as shown: uppercase hex without leading zeros (0 -> "0", 255 -> "FF").
QString addressText(int byte);

// Reading of an address box text.
struct AddressValue {
    enum Kind {
        Byte,     // 0..255 in value
        NotHex,   // empty or not made of hex digits only
        TooLarge, // 256..32767
        Overflow, // 32768 or more: does not fit a signed 16-bit integer
    };
    Kind kind = NotHex;
    int value = 0;
};
AddressValue parseAddress(const QString &text);

// Leading decimal number of a text (point as separator), as the nearest double.
// Reading stops at the first character that cannot continue the number; a text
// that does not begin with a number reads as 0.
double leadingNumber(const QString &text);

// Frequency shown for channel n on a band, "0.000" format. A value exactly
// halfway between thousandths is rounded up, so the text encodes back to n.
QString frequencyText(Band band, long long channel);

// Channel position of a frequency in MHz on a band (None: NaN); whole for a
// channel's own frequency, within the tolerance isWholeChannel allows.
double channelPosition(Band band, double mhz);
bool isWholeChannel(double position);

// Channel number for a frequency text on a band (None: nullopt).
// overflow is set when the value does not fit a 32-bit integer.
struct ChannelNumber {
    long long n = 0;
    bool overflow = false;
};
std::optional<ChannelNumber> channelFromFrequency(Band band, const QString &text);

// The texts of the modem page that make up one block.
struct FieldTexts {
    std::array<QString, 8> address; // Text1..Text8
    QString frequency;              // Text9
    QString band;                   // Combo6
    QString txPower;                // Text10
    QString rfSpeed;                // Combo5
};

// Field texts decoded from one received burst; nullopt = leave the field as "??".
struct DecodedFields {
    std::array<std::optional<QString>, 8> address;
    std::optional<QString> frequency;
    std::optional<QString> txPower;
    std::optional<QString> rfSpeed;
};

// Why the fields could not be built into a packet. The window turns these
// into its own message texts.
enum class Refusal {
    None,
    AddressNotHex,       // empty, "??", a letter beyond F
    AddressTooLarge,     // 256..32767
    AddressOverflow,     // 32768 or more (a run-time failure, not a refusal)
    FrequencyOutOfRange, // channel bytes not both within 0..255
    FrequencyOverflow,   // the channel does not fit a 32-bit integer (failure)
    TxPowerUnread,       // "??"
    RfSpeedUnread,       // "??"
};

// Outcome of building a packet from the fields.
struct EncodeResult {
    enum Status {
        Ok,      // packet holds the twelve bytes
        Refused, // a field was refused
        Failed,  // a run-time failure
    };
    Status status = Ok;
    QByteArray packet;
    Refusal refusal = Refusal::None;
    // Block byte of the refused field: 0..7 an address box, 8 the frequency,
    // 10 the TX power, 11 the RF speed.
    int byte = -1;
};

// The two channel bytes persist between operations: with no band selected
// the encoder sends whatever was last read or computed.
class ConfigRecord
{
public:
    int freqHigh() const { return m_freqHigh; }
    int freqLow() const { return m_freqLow; }
    void setChannelBytes(int high, int low)
    {
        m_freqHigh = high;
        m_freqLow = low;
    }

    // Decodes slots 0..11 of a burst. Updates the channel bytes from slots 8 and 9.
    DecodedFields decode(const RxSlots &slots, Band band);

    // Validates the fields in block order and builds the packet; the first
    // refusal ends it and no packet is produced.
    EncodeResult encode(const FieldTexts &fields);

private:
    int m_freqHigh = 0;
    int m_freqLow = 0;
};

} // namespace zomar
