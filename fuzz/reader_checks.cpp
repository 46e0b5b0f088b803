// Properties of the reply framing over any bytes and bursts, and of the
// field-text readers (address, decimal number, channel, tables).

#include "fuzz/FuzzCheck.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>

namespace zomar::fuzz {

// --- Reply framing over any bytes and bursts --------------------------------

void checkFramer(Input &in)
{
    ReplyFramer rx;
    RxSlots model;
    model.fill(kEmptySlot);
    int index = 0;
    int skipped = 0;
    auto store = [&](uint8_t b) {
        const bool advanced = rx.store(b);
        FUZZ_REQUIRE(advanced == (b != ReplyFramer::kSkippedByte), QString::number(b));
        model[static_cast<size_t>(index)] = b;
        if (b == ReplyFramer::kSkippedByte)
            ++skipped;
        else
            index = (index + 1) % kRxSlots;
    };
    while (in.left() > 0) {
        const uint8_t op = in.byte();
        switch (op % 8) {
        case 5:
            rx.endBurst();
            index = 0;
            break;
        case 6:
            rx.clearCurrentSlot();
            model[static_cast<size_t>(index)] = kEmptySlot;
            break;
        case 7:
            if (op & 0x80) {
                rx.clear();
                model.fill(kEmptySlot);
                index = skipped = 0;
            } else {
                for (int n = (op >> 3) + 1; n > 0 && in.left() > 0; --n)
                    store(in.byte());
            }
            break;
        default:
            store(in.byte());
            break;
        }
        const QString where = QStringLiteral("index %1, expected %2").arg(rx.index).arg(index);
        FUZZ_REQUIRE(rx.index >= 0 && rx.index < kRxSlots, where);
        FUZZ_REQUIRE(rx.index == index && rx.skipped == skipped, where);
        FUZZ_REQUIRE(rx.buffer == model, where);
        int filled = 0;
        for (int k = 0; k < kBlockSize; ++k)
            filled += model[static_cast<size_t>(k)] != kEmptySlot;
        FUZZ_REQUIRE(rx.blockBytesFilled() == filled, where);
        const std::optional<QByteArray> block = rx.block();
        FUZZ_REQUIRE(block.has_value() == (filled == kBlockSize), where);
        for (int k = 0; block && k < kBlockSize; ++k)
            FUZZ_REQUIRE(byteAt(*block, k) == model[static_cast<size_t>(k)], where);
    }

    // Whatever the slots hold, a decode shows each address byte as itself.
    const Band band = bandOf(static_cast<uint8_t>(index));
    PageCodec record;
    const DecodedFields d = record.decode(rx.buffer, band);
    for (size_t k = 0; k < 8; ++k) {
        FUZZ_REQUIRE(d.address[k].has_value() == (model[k] != kEmptySlot), QString::number(k));
        if (d.address[k])
            FUZZ_REQUIRE(parseAddress(*d.address[k]).value == model[k], *d.address[k]);
    }
    FUZZ_REQUIRE(d.frequency.has_value() == (model[9] != kEmptySlot && band != Band::None), "");
}

namespace {

// --- Field-text readers -----------------------------------------------------

// A text made only of these characters reads as strtod reads it ("C" locale).
bool plainDecimal(const QString &text)
{
    for (QChar c : text) {
        if (!QStringLiteral("0123456789.eE+-").contains(c))
            return false;
    }
    return true;
}

void checkAddressReader(const QString &text)
{
    const AddressValue a = parseAddress(text);
    bool hexOnly = !text.isEmpty();
    for (QChar c : text)
        hexOnly = hexOnly && QStringLiteral("0123456789abcdefABCDEF").contains(c);
    if (!hexOnly) {
        FUZZ_REQUIRE(a.kind == AddressValue::NotHex && a.value == 0, text);
        return;
    }
    qsizetype first = 0;
    while (first < text.size() - 1 && text.at(first) == QLatin1Char('0'))
        ++first;
    const QString significant = text.mid(first);
    const long long v = significant.size() > 4 ? 0x8000 : significant.toLongLong(nullptr, 16);
    if (v >= 0x8000)
        FUZZ_REQUIRE(a.kind == AddressValue::Overflow, text);
    else if (v > 255)
        FUZZ_REQUIRE(a.kind == AddressValue::TooLarge && a.value == v, text);
    else
        FUZZ_REQUIRE(a.kind == AddressValue::Byte && a.value == v, text);
}

void checkNumberReader(const QString &text)
{
    const double v = leadingNumber(text);
    const QString shown = text + QStringLiteral(" read as ") + QString::number(v, 'g', 17);
    FUZZ_REQUIRE(!std::isnan(v) && !(v == 0.0 && std::signbit(v)), shown);
    // Leading blanks are skipped; what follows the number does not count.
    FUZZ_REQUIRE(leadingNumber(QLatin1Char(' ') + text) == v, shown);
    FUZZ_REQUIRE(leadingNumber(text + QLatin1Char('x')) == v, shown);
    if (!plainDecimal(text))
        return;
    const QByteArray latin = text.toLatin1();
    const double reference = std::strtod(latin.constData(), nullptr);
    if (std::fabs(reference) >= DBL_MIN) // below that, 0 is as good an answer
        FUZZ_REQUIRE(v == reference,
                     shown + " (strtod " + QString::number(reference, 'g', 17) + ")");
    else
        FUZZ_REQUIRE(v == 0.0 || v == reference, shown);
}

void checkChannelReader(const QString &text)
{
    FUZZ_REQUIRE(!channelFromFrequency(Band::None, text), text);
    const double mhz = leadingNumber(text);
    for (Band band : {Band::Mhz433, Band::Mhz868}) {
        const std::optional<ChannelNumber> ch = channelFromFrequency(band, text);
        FUZZ_REQUIRE(ch.has_value(), text);
        const double p =
            band == Band::Mhz433 ? (mhz / 10.0 - 43.0) * 4000.0 : (mhz / 10.0 - 86.0) * 2000.0;
        const QString what = QStringLiteral("%1 on %2: p %3, n %4 overflow %5")
                                 .arg(text, bandText(band))
                                 .arg(p, 0, 'g', 17)
                                 .arg(ch->n)
                                 .arg(ch->overflow);
        if (!std::isfinite(p)) {
            FUZZ_REQUIRE(ch->overflow, what);
            continue;
        }
        // N = floor(p), except that a product a hair below a whole number is
        // that number.
        const double n = std::floor(p) + (std::ceil(p) - p <= 1e-6 && std::ceil(p) != p ? 1 : 0);
        const bool fits = n >= INT32_MIN && n <= INT32_MAX;
        FUZZ_REQUIRE(ch->overflow == !fits, what);
        if (!fits)
            continue;
        FUZZ_REQUIRE(static_cast<double>(ch->n) == n, what);

        // The text shown for that channel reads back as the channel.
        const QString back = frequencyText(band, ch->n);
        const std::optional<ChannelNumber> again = channelFromFrequency(band, back);
        FUZZ_REQUIRE(again && !again->overflow && again->n == ch->n, what + " shown as " + back);
    }
}

void checkTableReaders(const QString &text)
{
    const std::optional<QString> power = txPowerText(txPowerCode(text));
    FUZZ_REQUIRE(power && (*power == text || txPowerCode(text) == 0), text);
    const std::optional<QString> speed = rfSpeedText(rfSpeedCode(text));
    FUZZ_REQUIRE(speed && (*speed == text || rfSpeedCode(text) == 163), text);
    const Band band = bandFromText(text);
    FUZZ_REQUIRE(band == Band::None || bandText(band) == text, text);
}

} // namespace

void checkTextReaders(Input &in)
{
    const uint8_t flags = in.byte();
    const QString text = textOf(in.rest(), flags & 1);
    checkAddressReader(text);
    checkNumberReader(text);
    checkChannelReader(text);
    checkTableReaders(text);
}

} // namespace zomar::fuzz
