#pragma once
// The window's text layer of the configuration block: the field texts of the
// modem page, read leniently as the window reads them, decoded from received
// slots and encoded into a packet. Free of widgets so that tests share it.

#include "core/protocol/Band.h"
#include "core/protocol/ConfigBlock.h"
#include "core/protocol/ValueTables.h"
#include "core/protocol/ReplyFramer.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace zomar {

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

// Channel number for a frequency text on a band (None: nullopt).
// overflow is set when the value does not fit a 32-bit integer.
struct ChannelNumber {
    long long n = 0;
    bool overflow = false;
};
std::optional<ChannelNumber> channelFromFrequency(Band band, const QString &text);

// The texts of the modem page that make up one block.
struct FieldTexts {
    std::array<QString, 8> address; // the eight address bytes, in block order
    QString frequency;
    QString band;
    QString txPower;
    QString rfSpeed;
};

// The texts "Reset Defaults" writes into the page, made from the factory
// block on the 433 MHz band: each address byte as two hex digits ("00"), the
// frequency without trailing zeros ("433.92"), the TX power as its bare
// number ("0", which matches no list item and so encodes as the same code)
// and the RF speed's item ("19200 bps").
FieldTexts factoryFieldTexts();

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
class PageCodec
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
