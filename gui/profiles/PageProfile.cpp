#include "gui/profiles/PageProfile.h"

#include "core/protocol/FieldValues.h"
#include "gui/modem/FieldEntry.h"
#include "gui/modem/RefreshOperation.h"
#include "gui/modem/SetOperation.h"
#include "gui/widgets/DropDownBox.h"
#include "gui/window/FormContext.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace zomar {

namespace {

// An address field's boxes, one per byte of its span in the block.
void fillAddress(const Form1Controls &ui, BlockField field, quint32 address)
{
    const auto boxes = ui.addressBoxes();
    const FieldSpan span = spanOf(field);
    for (int i = 0; i < span.size; ++i) {
        const int byte = static_cast<int>((address >> (8 * (span.size - 1 - i))) & 0xFF);
        boxes[static_cast<size_t>(span.first + i)]->setText(addressText(byte));
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
    switch (fieldAtByte(byte)) {
    case BlockField::Destination:
        return QCoreApplication::translate("Form1", "Destination Address");
    case BlockField::Local:
        return QCoreApplication::translate("Form1", "Local Address");
    case BlockField::Channel:
        return QCoreApplication::translate("Form1", "RF Frequency");
    case BlockField::TxPower:
        return QCoreApplication::translate("Form1", "Tx Power");
    case BlockField::RfSpeed:
        break;
    }
    return QCoreApplication::translate("Form1", "RF TX Speed");
}

// The page's text for the field that holds block byte k.
QString fieldText(const FieldTexts &texts, int byte)
{
    switch (fieldAtByte(byte)) {
    case BlockField::Destination:
    case BlockField::Local:
        return texts.address[static_cast<size_t>(byte)];
    case BlockField::Channel:
        return texts.frequency;
    case BlockField::TxPower:
        return texts.txPower;
    case BlockField::RfSpeed:
        break;
    }
    return texts.rfSpeed;
}

QString notSaved(const QString &why)
{
    return QCoreApplication::translate("zomar::PageProfile", "The profile was not saved: %1").arg(why);
}

} // namespace

void PageProfile::fill(FormContext &ctx, FieldEntry &fields, const Profile &profile)
{
    const Form1Controls &ui = ctx.ui;
    if (profile.destination)
        fillAddress(ui, BlockField::Destination, *profile.destination);
    if (profile.local)
        fillAddress(ui, BlockField::Local, *profile.local);

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
    for (int byte = 0; byte < kBlockSize; ++byte) {
        if (fieldText(texts, byte) == RefreshOperation::kPlaceholder)
            return {std::nullopt,
                    notSaved(QCoreApplication::translate("zomar::PageProfile", "the %1 field shows \"??\" (not read from the module). "
                                            "Connect or press Refresh, or fill it in, first.")
                                 .arg(fieldCaption(byte)))};
    }

    // Decided as Set decides, on a copy: saving changes no stored channel.
    PageCodec record = ctx.state.record;
    const EncodeResult encoded = record.encode(texts);
    if (encoded.status != EncodeResult::Ok) {
        const int byte = encoded.byte;
        const QString text = fieldText(texts, byte);
        return {std::nullopt,
                notSaved(QCoreApplication::translate("zomar::PageProfile", "Set would refuse the %1 field (\"%2\": %3).")
                             .arg(fieldCaption(byte), text,
                                  SetOperation::refusalMessage(encoded.refusal).text))};
    }
    // The lenient lists would write another value than the page shows.
    if (txPowerText(txPowerCode(texts.txPower)) != texts.txPower)
        return {std::nullopt,
                notSaved(QCoreApplication::translate("zomar::PageProfile", "the Tx Power field holds \"%1\", which is none of its "
                                        "values (%2).")
                             .arg(texts.txPower, allowedTxPowers()))};
    if (rfSpeedText(rfSpeedCode(texts.rfSpeed)) != texts.rfSpeed)
        return {std::nullopt,
                notSaved(QCoreApplication::translate("zomar::PageProfile", "the RF TX Speed field holds \"%1\", which is none of its "
                                        "values (%2).")
                             .arg(texts.rfSpeed, allowedRfSpeeds()))};

    const ConfigBlock block = *ConfigBlock::fromBytes(encoded.packet);
    return {Profile::fromBlock(block, bandFromText(texts.band)), QString()};
}

} // namespace zomar
