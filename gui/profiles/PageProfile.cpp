#include "gui/profiles/PageProfile.h"

#include "core/protocol/FieldValues.h"
#include "gui/modem/FieldEntry.h"
#include "gui/modem/RefreshOperation.h"
#include "gui/modem/SetOperation.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"

#include <QLineEdit>

namespace zomar {

namespace {

QString bandItem(Band band)
{
    return bandItems().at(band == Band::Mhz433 ? 0 : 1);
}

void fillAddress(const Form1Controls &ui, int firstBox, quint32 address)
{
    const auto boxes = ui.addressBoxes();
    for (int i = 0; i < 4; ++i) {
        const int byte = static_cast<int>((address >> (24 - 8 * i)) & 0xFF);
        boxes[static_cast<size_t>(firstBox + i)]->setText(addressText(byte));
    }
}

// The channel the page stands for now, as Set would write it (nullopt: none
// that fits the block, e.g. "??" in the frequency box).
std::optional<int> pageChannel(const FormContext &ctx)
{
    const Band band = bandFromText(ctx.ui.Combo6->text());
    long long n = 0;
    if (band == Band::None) {
        n = static_cast<long long>(ctx.state.record.freqHigh()) * 256 + ctx.state.record.freqLow();
    } else {
        const QString text = ctx.ui.Text9->text();
        if (text == RefreshOperation::kPlaceholder)
            return std::nullopt;
        const std::optional<ChannelNumber> ch = channelFromFrequency(band, text);
        if (!ch || ch->overflow)
            return std::nullopt;
        n = ch->n;
    }
    if (n < 0 || n > 0xFFFF)
        return std::nullopt;
    return static_cast<int>(n);
}

// The caption of the page's field that holds block byte k.
QString fieldCaption(int byte)
{
    if (byte >= 0 && byte < 4)
        return QStringLiteral("Destination Address");
    if (byte >= 4 && byte < 8)
        return QStringLiteral("Local Address");
    if (byte == 8 || byte == 9)
        return QStringLiteral("RF Frequency");
    if (byte == 10)
        return QStringLiteral("Tx Power");
    return QStringLiteral("RF TX Speed");
}

QString notSaved(const QString &why)
{
    return QStringLiteral("The profile was not saved: ") + why;
}

} // namespace

void PageProfile::fill(FormContext &ctx, FieldEntry &fields, const Profile &profile)
{
    const Form1Controls &ui = ctx.ui;
    if (profile.destination)
        fillAddress(ui, 0, *profile.destination);
    if (profile.local)
        fillAddress(ui, 4, *profile.local);

    const Band shown = bandFromText(ui.Combo6->text());
    const Band band = profile.band.value_or(shown);
    std::optional<int> channel = profile.channel;
    // The module's channel stays unless the profile names one.
    if (!channel && band != shown)
        channel = pageChannel(ctx);
    if (profile.band && band != shown)
        fields.setBandWithoutRefresh(bandItem(band));
    if (channel) {
        // Without a band Set sends the stored channel bytes.
        ctx.state.record.setChannelBytes(*channel >> 8, *channel & 0xFF);
        if (band != Band::None)
            ui.Text9->setText(frequencyText(band, *channel));
    }
    if (profile.txPower)
        ui.Text10->setText(txPowerText(*profile.txPower).value_or(QString()));
    if (profile.rfSpeed)
        ui.Combo5->setText(rfSpeedText(*profile.rfSpeed).value_or(QString()));
}

PageProfile::FromPage PageProfile::read(const FormContext &ctx)
{
    const Form1Controls &ui = ctx.ui;
    const FieldTexts texts = SetOperation::pageFieldTexts(ui);
    QList<std::pair<int, QString>> shown;
    for (int k = 0; k < 8; ++k)
        shown.append({k, texts.address[static_cast<size_t>(k)]});
    shown.append({8, texts.frequency});
    shown.append({10, texts.txPower});
    shown.append({11, texts.rfSpeed});
    for (const auto &[byte, text] : shown) {
        if (text == RefreshOperation::kPlaceholder)
            return {std::nullopt,
                    notSaved(QStringLiteral("the %1 field shows \"??\" (not read from the module). "
                                            "Connect or press Refresh, or fill it in, first.")
                                 .arg(fieldCaption(byte)))};
    }

    // Decided as Set decides, on a copy: saving changes no stored channel.
    ConfigRecord record = ctx.state.record;
    const EncodeResult encoded = record.encode(texts);
    if (encoded.status != EncodeResult::Ok) {
        const int byte = encoded.byte;
        const QString text = byte < 8     ? texts.address[static_cast<size_t>(byte)]
                             : byte < 10  ? texts.frequency
                             : byte == 10 ? texts.txPower
                                          : texts.rfSpeed;
        return {std::nullopt,
                notSaved(QStringLiteral("Set would refuse the %1 field (\"%2\": %3).")
                             .arg(fieldCaption(byte), text,
                                  SetOperation::refusalMessage(encoded.refusal).text))};
    }
    // The lenient lists would write another value than the page shows.
    if (txPowerText(txPowerCode(texts.txPower)) != texts.txPower)
        return {std::nullopt,
                notSaved(QStringLiteral("the Tx Power field holds \"%1\", which is none of its "
                                        "values (%2).")
                             .arg(texts.txPower, allowedTxPowers()))};
    if (rfSpeedText(rfSpeedCode(texts.rfSpeed)) != texts.rfSpeed)
        return {std::nullopt,
                notSaved(QStringLiteral("the RF TX Speed field holds \"%1\", which is none of its "
                                        "values (%2).")
                             .arg(texts.rfSpeed, allowedRfSpeeds()))};

    const ConfigBlock block = *ConfigBlock::fromBytes(encoded.packet);
    return {Profile::fromBlock(block, bandFromText(texts.band)), QString()};
}

} // namespace zomar
