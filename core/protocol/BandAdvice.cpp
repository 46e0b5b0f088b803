// The band-plan advice in words: its line, its details and its JSON.

#include "core/protocol/BandPlan.h"

#include <QJsonArray>

#include <cmath>

namespace zomar {

namespace {

QString widthText(qint64 hz)
{
    return QStringLiteral("≈ %1 kHz").arg(hz / 1000.0, 0, 'f', hz < 10'000 ? 1 : 0);
}

// To the hundredth, as the dipole's 2.15 dB: "-2.15 dBm", "12 dBm".
QString dbmText(double dbm)
{
    QString text = QString::number(std::round(dbm * 100) / 100, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text + QStringLiteral(" dBm");
}

QString limitsText(const SubBand &s)
{
    return QStringLiteral("%1, %2").arg(QString::fromUtf8(s.erp), QString::fromUtf8(s.access));
}

QString regionTag(const QString &region, const SubBand &s)
{
    QString tag = bandPlanRegionName(region);
    if (s.restricted())
        tag += QStringLiteral(", ") + QString::fromUtf8(s.use);
    return tag;
}

// Why the signal does not fit a sub-band, each reason in a few words.
QStringList whyNot(const SubBandFit &f, const Emission &e)
{
    QStringList reasons;
    const qint64 width = e.occupiedHz();
    if (f.pastEdge && width == 0)
        reasons << QStringLiteral("the channel is on its edge, so part of the signal falls "
                                  "outside it");
    else if (f.pastEdge)
        reasons << QStringLiteral("at %1 bps (%2 wide) it reaches past its edge at %3 MHz")
                       .arg(*e.rfBps)
                       .arg(widthText(width),
                            bandPlanMhz(2 * (e.hz - f.subBand.lowHz) < width ? f.subBand.lowHz
                                                                             : f.subBand.highHz));
    if (f.tooWide)
        reasons << QStringLiteral("at %1 bps (%2 wide) it is wider than its channels (%3 at most)")
                       .arg(*e.rfBps)
                       .arg(widthText(width), widthText(f.subBand.channelLimitHz).mid(2));
    if (f.tooStrong)
        reasons << QStringLiteral("%1 e.r.p. is over its %2")
                       .arg(dbmText(*e.erpDbm()),
                            QString::fromUtf8(f.subBand.erp).section(QLatin1Char(' '), 0, 1));
    return reasons;
}

} // namespace

QString BandAdvice::line() const
{
    if (kind == NoAdvice)
        return QString();
    const QString name = bandPlanRegionName(region);
    if (kind == Outside)
        return QStringLiteral("outside the licence-free band (%1): a licence is needed").arg(name);
    const SubBandFit &first = subBands.constFirst();
    const SubBand &s = first.subBand;
    if (kind == Unfit)
        return QStringLiteral("%1 (%2), but %3")
            .arg(s.range(), regionTag(region, s),
                 whyNot(first, emission).join(QStringLiteral(", and ")));
    QString text =
        QStringLiteral("%1 (%2): %3").arg(s.range(), regionTag(region, s), limitsText(s));
    if (const qint64 width = emission.occupiedHz(); width > 0)
        text += QStringLiteral("; %1 wide").arg(widthText(width));
    // A narrower sub-band for the same use would have ruled: say why not.
    for (const SubBandFit &f : subBands) {
        if (f.fits() || f.subBand.restricted() != s.restricted() ||
            f.subBand.highHz - f.subBand.lowHz > s.highHz - s.lowHz)
            continue;
        const QString other = f.subBand.range();
        text += f.tooWide    ? QStringLiteral(", too wide for the channels of %1").arg(other)
                : f.pastEdge ? QStringLiteral(", reaching past the edge of %1").arg(other)
                             : QStringLiteral(", too strong for %1").arg(other);
        break;
    }
    return text;
}

QStringList BandAdvice::details() const
{
    if (kind == NoAdvice)
        return {};
    QStringList lines{line()};
    if (kind == Outside) {
        lines << QStringLiteral("  %1 MHz is in none of the licence-free sub-bands (%2)")
                     .arg(bandPlanMhz(hz), bandPlanOutsideSource(region));
        for (const QString &range : licensedRangesAt(region, hz))
            lines << QStringLiteral("  it lies in %1").arg(range);
    }
    if (const qint64 width = emission.occupiedHz(); width > 0)
        lines << QStringLiteral("  width: %1 at %2 bps, estimated (%3)")
                     .arg(widthText(width))
                     .arg(*emission.rfBps)
                     .arg(occupiedBandwidthBasis());
    else
        lines << QStringLiteral("  width: not known without the RF speed; the channel's centre "
                                "is placed alone");
    if (const std::optional<double> erp = emission.erpDbm())
        lines << QStringLiteral("  power: %1 e.r.p. (%2 dBm TX power, %3 dBi antenna, less %4 dB "
                                "for e.r.p.)")
                     .arg(dbmText(*erp))
                     .arg(*emission.txPowerDbm)
                     .arg(emission.antennaGainDbi)
                     .arg(kDipoleGainDbi);
    else
        lines << QStringLiteral("  power: not known without the TX power; not compared with the "
                                "limits");
    for (const SubBandFit &f : subBands) {
        QString row = QStringLiteral("  %1 (%2): %3 [%4]")
                          .arg(f.subBand.range(), regionTag(region, f.subBand),
                               limitsText(f.subBand), QString::fromUtf8(f.subBand.source));
        if (!f.fits())
            row += QStringLiteral(": not for this signal: ") +
                   whyNot(f, emission).join(QStringLiteral(", and "));
        lines << row;
    }
    return lines;
}

QJsonObject BandAdvice::json() const
{
    if (kind == NoAdvice)
        return {};
    QJsonArray rows;
    for (const SubBandFit &f : subBands)
        rows.append(QJsonObject{
            {QStringLiteral("range"), f.subBand.range()},
            {QStringLiteral("erp"), QString::fromUtf8(f.subBand.erp)},
            {QStringLiteral("access"), QString::fromUtf8(f.subBand.access)},
            {QStringLiteral("use"), QString::fromUtf8(f.subBand.use)},
            {QStringLiteral("source"), QString::fromUtf8(f.subBand.source)},
            {QStringLiteral("fits"), f.fits()},
            {QStringLiteral("why_not"), QJsonArray::fromStringList(whyNot(f, emission))}});
    const qint64 width = emission.occupiedHz();
    const std::optional<double> erp = emission.erpDbm();
    return {
        {QStringLiteral("region"), region},
        {QStringLiteral("frequency_mhz"), bandPlanMhz(hz)},
        {QStringLiteral("licence_free"), kind == Inside},
        {QStringLiteral("on_edge"), onEdge},
        {QStringLiteral("occupied_khz"), width > 0 ? QJsonValue(width / 1000.0) : QJsonValue()},
        {QStringLiteral("erp_dbm"), erp ? QJsonValue(std::round(*erp * 100) / 100) : QJsonValue()},
        {QStringLiteral("antenna_gain_dbi"), emission.antennaGainDbi},
        {QStringLiteral("text"), line()},
        {QStringLiteral("sub_bands"), rows}};
}

} // namespace zomar
