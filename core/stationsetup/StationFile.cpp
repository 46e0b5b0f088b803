#include "core/stationsetup/StationFile.h"

#include "core/store/StoreTrace.h"
#include "core/profiles/StrictJson.h"
#include "core/protocol/BandPlan.h"
#include "core/protocol/ConfigBlock.h"
#include "core/protocol/FieldValues.h"
#include "core/settings/InterfaceLanguage.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace zomar {

namespace {

namespace key {
const QString format = QStringLiteral("format");
const QString version = QStringLiteral("version");
const QString station = QStringLiteral("station");
const QString profile = QStringLiteral("profile");
const QString localFrom = QStringLiteral("local_from");
const QString step = QStringLiteral("step");
const QString store = QStringLiteral("store");
const QString baud = QStringLiteral("baud");
const QString region = QStringLiteral("region");
const QString language = QStringLiteral("language");
const QString slotFolder = QStringLiteral("slot_folder");
const QString slotList = QStringLiteral("slots");
const QString pin = QStringLiteral("pin");
const QString label = QStringLiteral("label");
const QString labelTemplate = QStringLiteral("label_template");
const QString serialPattern = QStringLiteral("serial_pattern");
const QString name = QStringLiteral("name");
const QString port = QStringLiteral("port");
const QString algorithm = QStringLiteral("algorithm");
const QString rounds = QStringLiteral("rounds");
const QString salt = QStringLiteral("salt");
const QString hash = QStringLiteral("hash");
} // namespace key

const QString kFormat = QStringLiteral("zomar-station");
const QString kPinAlgorithm = QStringLiteral("pbkdf2-sha256");

const JsonFileKind &stationKind()
{
    static const JsonFileKind kind{QStringLiteral("station file"), QStringLiteral("station file"),
                                   kFormat, kStationVersion};
    return kind;
}

// Reads members by their paths, refusing with the file, the line and the key.
class Reader
{
public:
    Reader(const JsonMembers &members, const QString &file) : m_members(members), m_file(file) {}

    QString error;

    // label: how the key is named in the message ("step 0"); its path by default.
    bool refuse(const QString &path, const QString &what, const QString &label = {})
    {
        const int line = m_members.lineOf(path);
        const QString named = label.isEmpty() ? path : label;
        error = line > 0
                    ? QStringLiteral("%1: line %2: %3 %4").arg(m_file).arg(line).arg(named, what)
                    : QStringLiteral("%1: %2 %3").arg(m_file, named, what);
        return false;
    }

    bool wrongType(const QString &path, const QJsonValue &v, const QString &takes)
    {
        return refuse(path, QStringLiteral("is %1; it takes %2").arg(jsonTypeName(v), takes));
    }

    bool unknownKeys(const QJsonObject &o, const QString &path, const QStringList &allowed)
    {
        for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
            if (allowed.contains(it.key()))
                continue;
            const QString nearest = nearestKey(it.key(), allowed);
            return refuse(path.isEmpty() ? it.key() : path + QLatin1Char('.') + it.key(),
                          QStringLiteral("is not a key here%1; allowed keys: %2")
                              .arg(nearest.isEmpty()
                                       ? QString()
                                       : QStringLiteral(" (did you mean \"%1\"?)").arg(nearest),
                                   allowed.join(QStringLiteral(", "))));
        }
        return true;
    }

    // A string; out is left as it is when the key is absent (unless required).
    bool text(const QJsonObject &o, const QString &k, const QString &path, QString &out,
              const QString &takes, bool required = false)
    {
        if (!o.contains(k))
            return !required || refuse(path, QStringLiteral("is missing; it takes %1").arg(takes));
        const QJsonValue v = o.value(k);
        if (!v.isString())
            return wrongType(path, v, takes);
        out = v.toString();
        return true;
    }

    bool number(const QJsonObject &o, const QString &k, long long low, long long high,
                long long &out, const QString &takes)
    {
        if (!o.contains(k))
            return true;
        const QJsonValue v = o.value(k);
        if (!v.isDouble())
            return wrongType(k, v, takes);
        const std::optional<long long> n = jsonWholeNumber(v, low, high);
        if (!n)
            return refuse(k, QStringLiteral("is not allowed; it takes %1").arg(takes),
                          k + QLatin1Char(' ') + jsonNumberText(m_members, k, v));
        out = *n;
        return true;
    }

private:
    const JsonMembers &m_members;
    const QString &m_file;
};

bool readSlots(Reader &r, const QJsonValue &value, QList<StationSlot> &out)
{
    const QString takes = QStringLiteral("a list of slots such as [{\"name\": \"Slot 1\", "
                                         "\"port\": \"pci-0000:00:14.0-usb-0:1.1:1.0\"}]");
    if (!value.isArray())
        return r.wrongType(key::slotList, value, takes);
    const QJsonArray array = value.toArray();
    if (array.size() > kStationMaxSlots)
        return r.refuse(key::slotList, QStringLiteral("has %1 slots; a station has at most %2")
                                           .arg(array.size())
                                           .arg(kStationMaxSlots));
    for (int i = 0; i < array.size(); ++i) {
        const QString path = QStringLiteral("slots[%1]").arg(i);
        if (!array.at(i).isObject())
            return r.wrongType(path, array.at(i), QStringLiteral("an object {\"name\", \"port\"}"));
        const QJsonObject o = array.at(i).toObject();
        StationSlot slot;
        slot.name = StationSetup::defaultSlotName(i);
        if (!r.unknownKeys(o, path, {key::name, key::port}) ||
            !r.text(o, key::port, path + QStringLiteral(".port"), slot.port,
                    QStringLiteral("the socket's name in the slot folder"), true) ||
            !r.text(o, key::name, path + QStringLiteral(".name"), slot.name,
                    QStringLiteral("a string such as \"Slot 1\"")))
            return false;
        out << slot;
    }
    return true;
}

bool readPin(Reader &r, const QJsonValue &value, StationPin &pin)
{
    if (!value.isObject())
        return r.wrongType(key::pin, value,
                           QStringLiteral("an object {\"algorithm\", \"rounds\", \"salt\", "
                                          "\"hash\"}, written by the station's Set PIN"));
    const QJsonObject o = value.toObject();
    QString algorithm, salt, hash;
    long long rounds = 0;
    const QString hex = QStringLiteral("a string of hex digits");
    if (!r.unknownKeys(o, key::pin, {key::algorithm, key::rounds, key::salt, key::hash}) ||
        !r.text(o, key::algorithm, QStringLiteral("pin.algorithm"), algorithm,
                QStringLiteral("\"%1\"").arg(kPinAlgorithm), true) ||
        !r.text(o, key::salt, QStringLiteral("pin.salt"), salt, hex, true) ||
        !r.text(o, key::hash, QStringLiteral("pin.hash"), hash, hex, true))
        return false;
    if (algorithm != kPinAlgorithm)
        return r.refuse(
            QStringLiteral("pin.algorithm"),
            QStringLiteral("\"%1\" is not known; allowed: \"%2\"").arg(algorithm, kPinAlgorithm));
    if (!o.contains(key::rounds))
        return r.refuse(QStringLiteral("pin.rounds"), QStringLiteral("is missing"));
    const QJsonValue v = o.value(key::rounds);
    const std::optional<long long> n =
        v.isDouble() ? jsonWholeNumber(v, StationPin::kMinimumRounds, 100'000'000) : std::nullopt;
    if (!n)
        return r.refuse(QStringLiteral("pin.rounds"),
                        QStringLiteral("takes a whole number from %1 to 100000000")
                            .arg(StationPin::kMinimumRounds));
    rounds = *n;
    pin.salt = QByteArray::fromHex(salt.toLatin1());
    pin.hash = QByteArray::fromHex(hash.toLatin1());
    pin.rounds = int(rounds);
    const auto isHex = [](const QString &s) {
        return s.size() % 2 == 0 && std::all_of(s.begin(), s.end(), [](QChar c) {
                   const char16_t u = c.toLower().unicode();
                   return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f');
               });
    };
    // A refused file cannot be opened to set the PIN anew: say how instead.
    const QString remedy = QStringLiteral(
        "the station cannot check this PIN: an engineer removes the \"pin\" object from the "
        "file with a text editor (the station then has no PIN), opens it and sets a new PIN in "
        "Edit setup");
    if (!isHex(salt) || pin.salt.size() < 8)
        return r.refuse(QStringLiteral("pin.salt"),
                        QStringLiteral("takes 16 or more hex digits; %1").arg(remedy));
    if (!isHex(hash) || pin.hash.size() != StationPin::kHashBytes)
        return r.refuse(QStringLiteral("pin.hash"), QStringLiteral("takes %1 hex digits; %2")
                                                        .arg(StationPin::kHashBytes * 2)
                                                        .arg(remedy));
    return true;
}

} // namespace

QString StationSetup::defaultSlotName(int index)
{
    return QStringLiteral("Slot %1").arg(index + 1);
}

const QStringList &stationKeys()
{
    static const QStringList keys = {key::format,    key::version,    key::station,  key::profile,
                                     key::localFrom, key::step,       key::store,    key::baud,
                                     key::region,    key::language,   key::slotFolder, key::slotList,
                                     key::label, key::labelTemplate, key::serialPattern, key::pin};
    return keys;
}

bool StationSetup::operator==(const StationSetup &o) const
{
    return station == o.station && profile == o.profile && localFrom == o.localFrom &&
           step == o.step && store == o.store && baud == o.baud && region == o.region &&
           language == o.language && slotFolder == o.slotFolder && slotList == o.slotList && pin == o.pin &&
           label == o.label && labelTemplate == o.labelTemplate && serialPattern == o.serialPattern;
}

QString StationSetup::problem() const
{
    if (profile.trimmed().isEmpty())
        return QStringLiteral("profile: name the profile every module gets");
    if (step < 1)
        return QStringLiteral("step: a whole number of 1 or more");
    if (!isLineSpeed(baud))
        return QStringLiteral("baud %1: allowed: %2")
            .arg(baud)
            .arg(lineSpeedItems().join(QStringLiteral(", ")));
    if (!isBandPlanRegion(region))
        return QStringLiteral("region \"%1\": allowed: %2")
            .arg(region, bandPlanRegions().join(QStringLiteral(", ")));
    if (!language.isEmpty() && !isInterfaceLanguage(language))
        return QStringLiteral("language \"%1\": allowed: %2").arg(language, interfaceLanguageCodes());
    if (slotFolder.trimmed().isEmpty())
        return QStringLiteral("slot_folder: name the folder of the sockets' links, such as %1")
            .arg(kDefaultSlotFolder);
    if (slotList.size() > kStationMaxSlots)
        return QStringLiteral("slots: at most %1").arg(kStationMaxSlots);
    if (QString why; !serialPattern.isEmpty() && !zomar::serialPattern(serialPattern, &why))
        return QStringLiteral("serial_pattern \"%1\": not a regular expression: %2").arg(serialPattern, why);
    QStringList names, ports;
    for (int i = 0; i < slotList.size(); ++i) {
        const StationSlot &s = slotList.at(i);
        const QString where = QStringLiteral("slots[%1]").arg(i);
        const QString name = s.name.trimmed();
        if (name.isEmpty())
            return QStringLiteral("%1.name: a slot needs a name").arg(where);
        if (name.size() > kSlotNameMaxLength)
            return QStringLiteral("%1.name \"%2\": at most %3 characters")
                .arg(where, name)
                .arg(kSlotNameMaxLength);
        if (names.contains(name, Qt::CaseInsensitive))
            return QStringLiteral("%1.name \"%2\": another slot has that name").arg(where, name);
        if (s.port.isEmpty() || s.port.contains(QLatin1Char('/')) || s.port == QLatin1String(".") ||
            s.port == QLatin1String(".."))
            return QStringLiteral("%1.port \"%2\": the name of a link in the slot folder")
                .arg(where, s.port);
        if (ports.contains(s.port))
            return QStringLiteral("%1.port \"%2\": is the socket of %3 too")
                .arg(where, s.port, slotList.at(int(ports.indexOf(s.port))).name);
        names << name;
        ports << s.port;
    }
    return {};
}

StationReading readStationFile(const QString &path)
{
    const JsonFileBytes file = readJsonFileBytes(path, stationKind());
    if (!file.error.isEmpty())
        return StationReading{std::nullopt, file.error};
    return parseStationFile(file.bytes, path);
}

StationReading parseStationFile(const QByteArray &bytes, const QString &file)
{
    const auto refused = [](const QString &error) { return StationReading{std::nullopt, error}; };
    const JsonFileObject parsed = parseJsonFileObject(bytes, file, stationKind());
    if (!parsed.error.isEmpty())
        return refused(parsed.error);
    const QJsonObject &o = parsed.object;
    Reader r(parsed.members, file);
    if (!r.unknownKeys(o, QString(), stationKeys()))
        return refused(r.error);

    StationSetup s;
    QString local;
    long long step = 1;
    long long baud = kDefaultLineSpeed;
    const QString aPath = QStringLiteral("a path such as \"line2.json\"");
    bool ok =
        r.text(o, key::station, key::station, s.station,
               QStringLiteral("a string such as \"Line 2\"")) &&
        r.text(o, key::profile, key::profile, s.profile, aPath, true) &&
        r.text(o, key::localFrom, key::localFrom, local,
               QStringLiteral("a string of 1 to 8 hex digits, such as \"C0000000\"")) &&
        r.number(o, key::step, 1, 0xFFFFFFFFLL, step,
                 QStringLiteral("a whole number of 1 or more")) &&
        r.text(o, key::store, key::store, s.store,
               QStringLiteral("a file such as \"production.db\" or a postgresql:// address")) &&
        r.number(
            o, key::baud, 1, 10'000'000, baud,
            QStringLiteral("a line speed: %1").arg(lineSpeedItems().join(QStringLiteral(", ")))) &&
        r.text(o, key::region, key::region, s.region,
               QStringLiteral("a region: %1").arg(bandPlanRegions().join(QStringLiteral(", ")))) &&
        r.text(o, key::language, key::language, s.language,
               QStringLiteral("a language: %1").arg(interfaceLanguageCodes())) &&
        r.text(o, key::slotFolder, key::slotFolder, s.slotFolder, aPath) &&
        r.text(o, key::label, key::label, s.label,
               QStringLiteral("a target such as \"pdf:labels\" or \"zpl://10.0.0.7\"")) &&
        r.text(o, key::labelTemplate, key::labelTemplate, s.labelTemplate, aPath) &&
        r.text(o, key::serialPattern, key::serialPattern, s.serialPattern,
               QStringLiteral("a regular expression such as \"SN-[0-9]{6}\""));
    if (ok && o.contains(key::localFrom)) {
        const Parsed<quint32> address = parseAddressValue(local);
        if (!address)
            ok = r.refuse(key::localFrom,
                          QStringLiteral("is not an address: %1").arg(address.problem),
                          QStringLiteral("local_from \"%1\"").arg(local));
        else
            s.localFrom = address.value;
    }
    if (ok && o.contains(key::slotList))
        ok = readSlots(r, o.value(key::slotList), s.slotList);
    if (ok && o.contains(key::pin)) {
        StationPin pin;
        ok = readPin(r, o.value(key::pin), pin);
        s.pin = pin;
    }
    if (!ok)
        return refused(r.error);
    s.step = quint32(step);
    s.baud = int(baud);
    // What each key holds is sound; now the setup as a whole, told at the key.
    const QString problem = s.problem();
    if (!problem.isEmpty()) {
        const QString path = problem.section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(':'));
        const int line = parsed.members.lineOf(path);
        return refused(line > 0 ? QStringLiteral("%1: line %2: %3").arg(file).arg(line).arg(problem)
                                : QStringLiteral("%1: %2").arg(file, problem));
    }
    return StationReading{s, QString()};
}

QByteArray stationJson(const StationSetup &s)
{
    JsonObjectWriter out;
    out.string(key::format, kFormat);
    out.raw(key::version, QByteArray::number(kStationVersion));
    if (!s.station.isEmpty())
        out.string(key::station, s.station);
    out.string(key::profile, s.profile);
    if (s.localFrom)
        out.string(key::localFrom, addressHex(*s.localFrom));
    out.raw(key::step, QByteArray::number(s.step));
    if (!s.store.isEmpty())
        out.string(key::store, s.store);
    out.raw(key::baud, QByteArray::number(s.baud));
    out.string(key::region, s.region);
    if (!s.language.isEmpty())
        out.string(key::language, s.language);
    out.string(key::slotFolder, s.slotFolder);
    QByteArray list = "[";
    for (int i = 0; i < s.slotList.size(); ++i)
        list += "\n    {" + jsonStringLiteral(key::name) + ": " +
                jsonStringLiteral(s.slotList.at(i).name) + ", " + jsonStringLiteral(key::port) +
                ": " + jsonStringLiteral(s.slotList.at(i).port) + "}" +
                (i + 1 < s.slotList.size() ? "," : "\n  ");
    out.raw(key::slotList, list + "]");
    for (const auto &[k, value] : {std::pair{key::label, s.label}, {key::labelTemplate, s.labelTemplate},
                                   {key::serialPattern, s.serialPattern}})
        if (!value.isEmpty())
            out.string(k, value);
    if (s.pin)
        out.raw(key::pin, "{" + jsonStringLiteral(key::algorithm) + ": " +
                              jsonStringLiteral(kPinAlgorithm) + ", " +
                              jsonStringLiteral(key::rounds) + ": " +
                              QByteArray::number(s.pin->rounds) + ", " +
                              jsonStringLiteral(key::salt) + ": \"" + s.pin->salt.toHex() + "\", " +
                              jsonStringLiteral(key::hash) + ": \"" + s.pin->hash.toHex() + "\"}");
    return out.text();
}

QString saveStationFile(const StationSetup &setup, const QString &path)
{
    const QString problem = setup.problem();
    if (!problem.isEmpty())
        return QStringLiteral("%1: not saved: %2").arg(path, problem);
    return saveJsonFileBytes(stationJson(setup), path);
}

QString stationPath(const QString &stationFile, const QString &written)
{
    if (written.isEmpty() || written.contains(QStringLiteral("://")) ||
        QFileInfo(written).isAbsolute())
        return written;
    return QDir::cleanPath(QFileInfo(stationFile).absoluteDir().filePath(written));
}

} // namespace zomar
