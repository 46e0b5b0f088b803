// Properties of the configuration record on whole blocks: a block from the
// module through the framing, the typed block and decode -> encode; and field
// texts into a packet.

#include "fuzz/FuzzCheck.h"

#include <QList>

namespace zomar::fuzz {

namespace {

// The texts the window shows after a decode; "??" where a field stays unread.
FieldTexts shownTexts(const DecodedFields &d, Band band)
{
    const QString unread = QStringLiteral("??");
    FieldTexts f;
    for (size_t k = 0; k < f.address.size(); ++k)
        f.address[k] = d.address[k].value_or(unread);
    f.frequency = d.frequency.value_or(unread);
    f.band = bandText(band);
    f.txPower = d.txPower.value_or(unread);
    f.rfSpeed = d.rfSpeed.value_or(unread);
    return f;
}

// Block bytes 0..11 as the fields of a typed block: destination, local,
// channel, TX power, RF speed.
struct FieldSpan {
    BlockField field;
    int at;
    int size;
};
constexpr FieldSpan kSpans[] = {{BlockField::Destination, 0, 4},
                                {BlockField::Local, 4, 4},
                                {BlockField::Channel, 8, 2},
                                {BlockField::TxPower, 10, 1},
                                {BlockField::RfSpeed, 11, 1}};

bool isRange(long long v)
{
    return v >= 0 && v <= 255;
}

} // namespace

// --- A block from the module: framing, typed block, decode -> encode ------

void checkBlock(Input &in)
{
    if (in.left() < 13)
        return;
    const QByteArray block = in.bytes(12);
    const Band band = bandOf(in.byte());
    const QByteArray other = in.rest();

    const std::optional<ConfigBlock> typed = ConfigBlock::fromBytes(block);
    FUZZ_REQUIRE(typed && typed->toBytes() == block, hex(block));
    FUZZ_REQUIRE(typed->holdsUnreadableByte() == block.contains('\xA5'), hex(block));
    FUZZ_REQUIRE(typed->differingFields(*typed).isEmpty(), hex(block));
    const std::optional<ConfigBlock> second = ConfigBlock::fromBytes(other);
    FUZZ_REQUIRE(second.has_value() == (other.size() == kBlockSize), hex(other));
    if (second) {
        QList<BlockField> expected;
        for (const FieldSpan &s : kSpans) {
            if (block.mid(s.at, s.size) != other.mid(s.at, s.size))
                expected << s.field;
        }
        FUZZ_REQUIRE(typed->differingFields(*second) == expected, hex(block) + " / " + hex(other));
        FUZZ_REQUIRE((*typed == *second) == (block == other), hex(block) + " / " + hex(other));
    }

    // The block as one burst: a 0xA5 before the last byte shifts the rest one
    // slot down and leaves slot 11 empty, so only those blocks are readable.
    ReplyFramer rx;
    for (char c : block)
        rx.store(static_cast<quint8>(c));
    const bool readable = !block.left(kBlockSize - 1).contains('\xA5');
    const std::optional<QByteArray> framed = rx.block();
    FUZZ_REQUIRE(framed.has_value() == readable, hex(block));
    if (!framed)
        return;
    FUZZ_REQUIRE(*framed == block, hex(block) + " framed as " + hex(*framed));

    // Decode into the texts the window shows, then write those texts back.
    PageCodec record;
    const FieldTexts texts = shownTexts(record.decode(rx.buffer, band), band);
    const EncodeResult r = record.encode(texts);
    const QString what = hex(block) + " on " + bandText(band) + " -> " + hex(r.packet);
    if (!txPowerText(byteAt(block, 10))) {
        FUZZ_REQUIRE(r.status == EncodeResult::Refused && r.refusal == Refusal::TxPowerUnread,
                     what);
    } else if (!rfSpeedText(byteAt(block, 11))) {
        FUZZ_REQUIRE(r.status == EncodeResult::Refused && r.refusal == Refusal::RfSpeedUnread,
                     what);
    } else {
        FUZZ_REQUIRE(r.status == EncodeResult::Ok && r.packet == block,
                     what + " frequency text " + texts.frequency);
    }
}

// --- Field texts into a packet -------------------------------------------

void checkEncode(Input &in)
{
    const uint8_t flags = in.byte();
    // Kept channel bytes: 0..255 after a decode, anything after a refused encode.
    const int keptHigh = static_cast<int16_t>(in.byte() << 8 | in.byte());
    const int keptLow = static_cast<int16_t>(in.byte() << 8 | in.byte());
    const QList<QByteArray> parts = in.rest().split('|');
    auto part = [&](int i) { return i < parts.size() ? textOf(parts[i], flags & 1) : QString(); };

    FieldTexts f;
    for (int k = 0; k < 8; ++k)
        f.address[static_cast<size_t>(k)] = part(k);
    f.frequency = part(8);
    const int bandPick = (flags >> 1) & 3;
    f.band = bandPick == 1   ? QStringLiteral("433Mhz")
             : bandPick == 2 ? QStringLiteral("868Mhz")
                             : part(9);
    f.txPower = part(10);
    f.rfSpeed = part(11);

    PageCodec record;
    record.setChannelBytes(keptHigh, keptLow);
    const EncodeResult r = record.encode(f);
    const QString what = QStringLiteral("status %1 refusal %2 byte %3 packet %4")
                             .arg(r.status)
                             .arg(static_cast<int>(r.refusal))
                             .arg(r.byte)
                             .arg(hex(r.packet));

    FUZZ_REQUIRE((r.status == EncodeResult::Ok) == (r.packet.size() == kBlockSize), what);
    FUZZ_REQUIRE((r.status == EncodeResult::Ok) == (r.refusal == Refusal::None), what);
    if (r.status != EncodeResult::Ok)
        FUZZ_REQUIRE(r.packet.isEmpty(), what);
    const bool failure =
        r.refusal == Refusal::AddressOverflow || r.refusal == Refusal::FrequencyOverflow;
    FUZZ_REQUIRE((r.status == EncodeResult::Failed) == failure, what);

    // The first address that is not a byte ends it, before the channel bytes move.
    for (int k = 0; k < 8; ++k) {
        const AddressValue a = parseAddress(f.address[static_cast<size_t>(k)]);
        if (a.kind == AddressValue::Byte) {
            if (r.status == EncodeResult::Ok)
                FUZZ_REQUIRE(byteAt(r.packet, k) == a.value, what);
            continue;
        }
        const Refusal expected = a.kind == AddressValue::NotHex     ? Refusal::AddressNotHex
                                 : a.kind == AddressValue::TooLarge ? Refusal::AddressTooLarge
                                                                    : Refusal::AddressOverflow;
        FUZZ_REQUIRE(r.refusal == expected && r.byte == k, what);
        FUZZ_REQUIRE(record.freqHigh() == keptHigh && record.freqLow() == keptLow, what);
        return;
    }

    long long high = keptHigh;
    long long low = keptLow;
    const Band band = bandFromText(f.band);
    if (band != Band::None) {
        const std::optional<ChannelNumber> ch = channelFromFrequency(band, f.frequency);
        FUZZ_REQUIRE(ch.has_value(), what);
        if (ch->overflow) {
            FUZZ_REQUIRE(r.refusal == Refusal::FrequencyOverflow && r.byte == 8, what);
            return;
        }
        low = ch->n & 255;
        high = (ch->n - low) / 256;
    }
    FUZZ_REQUIRE(record.freqHigh() == high && record.freqLow() == low,
                 what + QStringLiteral(" kept %1 %2").arg(record.freqHigh()).arg(record.freqLow()));
    if (!isRange(high) || !isRange(low)) {
        FUZZ_REQUIRE(r.refusal == Refusal::FrequencyOutOfRange && r.byte == 8, what);
        return;
    }
    if (f.txPower == QLatin1String("??")) {
        FUZZ_REQUIRE(r.refusal == Refusal::TxPowerUnread && r.byte == 10, what);
        return;
    }
    if (f.rfSpeed == QLatin1String("??")) {
        FUZZ_REQUIRE(r.refusal == Refusal::RfSpeedUnread && r.byte == 11, what);
        return;
    }
    FUZZ_REQUIRE(r.status == EncodeResult::Ok, what);
    FUZZ_REQUIRE(byteAt(r.packet, 8) == high && byteAt(r.packet, 9) == low, what);
    FUZZ_REQUIRE(byteAt(r.packet, 10) == txPowerCode(f.txPower), what);
    FUZZ_REQUIRE(byteAt(r.packet, 11) == rfSpeedCode(f.rfSpeed), what);

    // What was written reads back as texts that write the same packet again.
    PageCodec reader;
    const FieldTexts shown = shownTexts(reader.decode(slotsOf(r.packet), band), band);
    const EncodeResult again = reader.encode(shown);
    FUZZ_REQUIRE(again.status == EncodeResult::Ok && again.packet == r.packet,
                 what + " read back as " + shown.frequency + " writes " + hex(again.packet));
}

} // namespace zomar::fuzz
