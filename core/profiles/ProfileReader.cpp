#include "core/profiles/Profile.h"

#include "core/profiles/ProfileKeys.h"
#include "core/profiles/StrictJson.h"
#include "core/protocol/FieldValues.h"

#include <QJsonObject>
#include <QJsonValue>

#include <type_traits>

namespace zomar {

using namespace profile_keys;

namespace {

// What each key takes, for a value of the wrong type.
QString takes(const QString &k)
{
    if (k == key::destination || k == key::local)
        return QStringLiteral("a string of 1 to 8 hex digits, such as \"01020304\"");
    if (k == key::band)
        return QStringLiteral("a string: \"433\" or \"868\"");
    if (k == key::frequency)
        return QStringLiteral("a string in MHz, such as \"433.920\"");
    if (k == key::channel)
        return QStringLiteral("a whole number 0 to %1").arg(kHighestChannel);
    if (k == key::txPower)
        return QStringLiteral("a string such as \"-9 dBm\" (%1)").arg(allowedTxPowers());
    if (k == key::rfSpeed)
        return QStringLiteral("a string such as \"19200 bps\" (%1)").arg(allowedRfSpeeds());
    if (k == key::antennaGain)
        return QStringLiteral("a number of dBi from %1 to %2, such as 2.15")
            .arg(kLowestAntennaGainDbi)
            .arg(kHighestAntennaGainDbi);
    return QStringLiteral("a string");
}

class Reader
{
public:
    Reader(const QJsonObject &object, const JsonMembers &members, const QString &file)
        : m_o(object), m_members(members), m_file(file)
    {}

    QString error;

    bool refuse(const QString &what)
    {
        error = QStringLiteral("%1: %2").arg(m_file, what);
        return false;
    }

    // A key that must hold a string; out stays unset when the key is absent.
    bool string(const QString &k, std::optional<QString> &out)
    {
        if (!m_o.contains(k))
            return true;
        const QJsonValue v = m_o.value(k);
        if (!v.isString())
            return refuse(
                QStringLiteral("%1 is %2; it takes %3").arg(k, jsonTypeName(v), takes(k)));
        out = v.toString();
        return true;
    }

    template <typename T, typename Parse>
    bool value(const QString &k, std::optional<T> &out, Parse parse)
    {
        std::optional<QString> text;
        if (!string(k, text))
            return false;
        if (!text)
            return true;
        const Parsed<T> parsed = parse(*text);
        if (!parsed)
            return refuse(QStringLiteral("%1 \"%2\": %3").arg(k, *text, parsed.problem));
        out = parsed.value;
        return true;
    }

    // A key that must hold a number, whole between low and high or not.
    template <typename T>
    bool number(const QString &k, std::optional<T> &out, T low, T high, const QString &allowed)
    {
        if (!m_o.contains(k))
            return true;
        const QJsonValue v = m_o.value(k);
        if (!v.isDouble())
            return refuse(
                QStringLiteral("%1 is %2; it takes %3").arg(k, jsonTypeName(v), takes(k)));
        std::optional<T> n;
        if constexpr (std::is_integral_v<T>) {
            if (const std::optional<long long> whole = jsonWholeNumber(v, low, high))
                n = T(*whole);
        } else if (v.toDouble() >= low && v.toDouble() <= high) {
            n = v.toDouble();
        }
        if (!n)
            return refuse(QStringLiteral("%1 %2: allowed: %3")
                              .arg(k, jsonNumberText(m_members, k, v), allowed));
        out = n;
        return true;
    }

private:
    const QJsonObject &m_o;
    const JsonMembers &m_members;
    const QString &m_file;
};

ProfileReading refused(const QString &error)
{
    return ProfileReading{std::nullopt, error};
}

} // namespace

const JsonFileKind &profileKind()
{
    static const JsonFileKind kind{QStringLiteral("profile"), QStringLiteral("profile file"),
                                   kFormat, kProfileVersion};
    return kind;
}

ProfileReading readProfile(const QString &path)
{
    const JsonFileBytes file = readJsonFileBytes(path, profileKind());
    if (!file.error.isEmpty())
        return refused(file.error);
    ProfileReading reading = parseProfile(file.bytes, path);
    reading.bytes = file.bytes;
    return reading;
}

ProfileReading parseProfile(const QByteArray &bytes, const QString &file)
{
    const JsonFileObject parsed = parseJsonFileObject(bytes, file, profileKind());
    if (!parsed.error.isEmpty())
        return refused(parsed.error);
    const QJsonObject &o = parsed.object;
    const JsonMembers &members = parsed.members;
    Reader r(o, members, file);

    if (const QString unknown = unknownKeyProblem(o, profileKeys(), file); !unknown.isEmpty())
        return refused(unknown);

    Profile p;
    std::optional<QString> frequency;
    std::optional<int> channel;
    const bool read = r.string(key::name, p.name) && r.string(key::comment, p.comment) &&
                      r.value(key::destination, p.destination, parseAddressValue) &&
                      r.value(key::local, p.local, parseAddressValue) &&
                      r.value(key::band, p.band, parseBandValue) &&
                      r.string(key::frequency, frequency) &&
                      r.number(key::channel, channel, 0, kHighestChannel, takes(key::channel)) &&
                      r.value(key::txPower, p.txPower, parseTxPowerValue) &&
                      r.value(key::rfSpeed, p.rfSpeed, parseRfSpeedValue) &&
                      r.number(key::antennaGain, p.antennaGainDbi, kLowestAntennaGainDbi,
                               kHighestAntennaGainDbi, takes(key::antennaGain));
    if (!read)
        return refused(r.error);

    if (frequency) {
        if (!p.band)
            return refused(QStringLiteral("%1: frequency_mhz \"%2\": needs \"band\" (\"433\" or "
                                          "\"868\") to place it; or give \"channel\" instead")
                               .arg(file, *frequency));
        const Parsed<int> n = parseFrequencyValue(*p.band, *frequency);
        if (!n)
            return refused(
                QStringLiteral("%1: frequency_mhz \"%2\": %3").arg(file, *frequency, n.problem));
        if (channel && *channel != *n.value)
            return refused(QStringLiteral("%1: channel %2 and frequency_mhz \"%3\" (channel %4) "
                                          "disagree; allowed: one of them, or both for the same "
                                          "channel")
                               .arg(file)
                               .arg(*channel)
                               .arg(*frequency)
                               .arg(*n.value));
        channel = n.value;
    }
    p.channel = channel;
    return ProfileReading{p, QString()};
}

} // namespace zomar
