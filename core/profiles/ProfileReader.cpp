#include "core/profiles/Profile.h"

#include "core/profiles/FileKind.h"
#include "core/profiles/JsonMembers.h"
#include "core/profiles/ProfileKeys.h"
#include "core/protocol/FieldValues.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zomar {

using namespace profile_keys;

namespace {

// What each key takes, for a value of the wrong type.
QString takes(const QString &k)
{
    if (k == key::format)
        return QStringLiteral("a string: \"%1\"").arg(kFormat);
    if (k == key::version)
        return QStringLiteral("a whole number: %1").arg(kProfileVersion);
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
    return QStringLiteral("a string");
}

QString typeName(const QJsonValue &v)
{
    switch (v.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return QStringLiteral("true/false");
    case QJsonValue::Double:
        return QStringLiteral("a number");
    case QJsonValue::String:
        return QStringLiteral("a string");
    case QJsonValue::Array:
        return QStringLiteral("an array");
    case QJsonValue::Object:
        return QStringLiteral("an object");
    case QJsonValue::Undefined:
        break;
    }
    return QStringLiteral("nothing");
}

int editDistance(const QString &a, const QString &b)
{
    QList<int> row(b.size() + 1);
    for (int j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (int i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = i;
        for (int j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            const bool same = a.at(i - 1).toLower() == b.at(j - 1).toLower();
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// The allowed key a mistyped one most likely meant, or "".
QString nearestKey(const QString &unknown)
{
    QString best;
    int bestDistance = 0;
    for (const QString &k : profileKeys()) {
        if (unknown.size() >= 3 && k.startsWith(unknown, Qt::CaseInsensitive))
            return k;
        const int d = editDistance(unknown, k);
        if (best.isEmpty() || d < bestDistance) {
            best = k;
            bestDistance = d;
        }
    }
    const int allowed = std::max(2, static_cast<int>(best.size()) / 3);
    return bestDistance <= allowed ? best : QString();
}

// Line and column (1-based, in characters) of a byte offset in UTF-8 text.
QString lineAndColumn(const QByteArray &bytes, int offset)
{
    offset = std::clamp(offset, 0, static_cast<int>(bytes.size()));
    int line = 1;
    int column = 1;
    for (int i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(bytes.at(i));
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) { // not a UTF-8 continuation byte
            ++column;
        }
    }
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

// A whole JSON number within [low, high].
std::optional<long long> wholeNumber(const QJsonValue &v, long long low, long long high)
{
    const double d = v.toDouble();
    if (!std::isfinite(d) || d != std::floor(d) || d < double(low) || d > double(high))
        return std::nullopt;
    return static_cast<long long>(d);
}

// A number as the file gives it ("1e23", not 9.9999999999999992e+22).
QString numberText(const JsonMembers &members, const QString &k, const QJsonValue &v)
{
    return members.numberTexts.value(k, QString::number(v.toDouble(), 'g', 17));
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
            return refuse(QStringLiteral("%1 is %2; it takes %3").arg(k, typeName(v), takes(k)));
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

    bool number(const QString &k, std::optional<int> &out, long long low, long long high,
                const QString &allowed)
    {
        if (!m_o.contains(k))
            return true;
        const QJsonValue v = m_o.value(k);
        if (!v.isDouble())
            return refuse(QStringLiteral("%1 is %2; it takes %3").arg(k, typeName(v), takes(k)));
        const std::optional<long long> n = wholeNumber(v, low, high);
        if (!n)
            return refuse(
                QStringLiteral("%1 %2: allowed: %3").arg(k, numberText(m_members, k, v), allowed));
        out = static_cast<int>(*n);
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

ProfileReading tooLarge(const QString &file)
{
    return refused(QStringLiteral("%1: more than %2 bytes; a profile is at most 64 KiB")
                       .arg(file)
                       .arg(kProfileMaxBytes));
}

} // namespace

ProfileReading readProfile(const QString &path)
{
    // A regular file only, told before it is opened: opening a FIFO waits
    // for a writer, and a device is no profile.
    const QString kind = nonFileKind(path);
    if (!kind.isEmpty())
        return refused(QStringLiteral("%1: is %2, not a profile file").arg(path, kind));
    // Without blocking, and asked again once open: the path may have been
    // replaced in between.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refused(QStringLiteral("%1: cannot be read: %2")
                           .arg(path, QString::fromLocal8Bit(std::strerror(errno))));
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat st {
    };
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return refused(QStringLiteral("%1: is %2, not a profile file").arg(path, fileKindName(st)));
    if (st.st_size > kProfileMaxBytes)
        return tooLarge(path);
    // One byte more than allowed tells a file that grew since.
    const QByteArray bytes = file.read(kProfileMaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return refused(QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
    ProfileReading reading = parseProfile(bytes, path);
    reading.bytes = bytes;
    return reading;
}

ProfileReading parseProfile(const QByteArray &input, const QString &file)
{
    if (input.size() > kProfileMaxBytes)
        return tooLarge(file);
    QByteArray bytes = input;
    // Some editors start UTF-8 files with a byte-order mark.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    if (bytes.trimmed().isEmpty())
        return refused(QStringLiteral("%1: empty; a profile is a JSON object such as "
                                      "{\"format\": \"%2\", \"version\": %3}")
                           .arg(file, kFormat)
                           .arg(kProfileVersion));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        // The parser stops just past the character it could not take; at the
        // end of the text the place is the end itself (something is missing).
        int at = parseError.offset;
        if (at > 0 && at < bytes.size())
            --at;
        return refused(QStringLiteral("%1: %2: not valid JSON (%3)")
                           .arg(file, lineAndColumn(bytes, at), parseError.errorString()));
    }
    if (!doc.isObject())
        return refused(QStringLiteral("%1: not a profile: the file holds a JSON array; a profile "
                                      "is an object {\"format\": \"%2\", ...}")
                           .arg(file, kFormat));
    // The parser keeps the last of a key given twice: which one the person
    // meant is theirs to say.
    const JsonMembers members = scanJsonMembers(bytes);
    if (!members.repeatedKey.isEmpty())
        return refused(QStringLiteral("%1: line %2: key \"%3\" is given twice (first on line %4); "
                                      "a key may be given once")
                           .arg(file)
                           .arg(members.repeatedLine)
                           .arg(members.repeatedKey)
                           .arg(members.firstLine));
    const QJsonObject o = doc.object();
    Reader r(o, members, file);

    // Format and version first: a newer version may have keys this one does not know.
    std::optional<QString> format;
    if (!o.contains(key::format))
        return refused(QStringLiteral("%1: no \"format\" key; a profile has \"format\": \"%2\"")
                           .arg(file, kFormat));
    if (!r.string(key::format, format))
        return refused(r.error);
    if (*format != kFormat)
        return refused(QStringLiteral("%1: format \"%2\": not a profile; allowed: \"%3\"")
                           .arg(file, *format, kFormat));
    if (!o.contains(key::version))
        return refused(
            QStringLiteral("%1: no \"version\" key; allowed: %2").arg(file).arg(kProfileVersion));
    const QJsonValue version = o.value(key::version);
    if (!version.isDouble())
        return refused(QStringLiteral("%1: version is %2; it takes %3")
                           .arg(file, typeName(version), takes(key::version)));
    const std::optional<long long> v = wholeNumber(version, 1, 1LL << 40);
    if (v && *v > kProfileVersion)
        return refused(QStringLiteral("%1: version %2: newer than this program reads; allowed: "
                                      "%3 (a newer Zomar Setup Utility reads it)")
                           .arg(file)
                           .arg(*v)
                           .arg(kProfileVersion));
    if (!v)
        return refused(QStringLiteral("%1: version %2: allowed: %3")
                           .arg(file, numberText(members, key::version, version))
                           .arg(kProfileVersion));

    for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
        if (profileKeys().contains(it.key()))
            continue;
        const QString nearest = nearestKey(it.key());
        return refused(QStringLiteral("%1: unknown key \"%2\"%3; allowed keys: %4")
                           .arg(file, it.key(),
                                nearest.isEmpty()
                                    ? QString()
                                    : QStringLiteral(" (did you mean \"%1\"?)").arg(nearest),
                                profileKeys().join(QStringLiteral(", "))));
    }

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
                      r.value(key::rfSpeed, p.rfSpeed, parseRfSpeedValue);
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
