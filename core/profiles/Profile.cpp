#include "core/profiles/Profile.h"

#include "core/profiles/FileKind.h"
#include "core/profiles/ProfileKeys.h"
#include "core/protocol/FieldValues.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

namespace zomar {

using namespace profile_keys;

namespace {

QByteArray jsonString(const QString &text)
{
    // QJsonDocument escapes; strip the brackets of its one-element array.
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

const QStringList &profileKeys()
{
    static const QStringList keys = {key::format,      key::version, key::name,   key::comment,
                                     key::destination, key::local,   key::band,   key::frequency,
                                     key::channel,     key::txPower, key::rfSpeed};
    return keys;
}

QList<BlockField> Profile::namedFields() const
{
    QList<BlockField> fields;
    if (destination)
        fields << BlockField::Destination;
    if (local)
        fields << BlockField::Local;
    if (channel)
        fields << BlockField::Channel;
    if (txPower)
        fields << BlockField::TxPower;
    if (rfSpeed)
        fields << BlockField::RfSpeed;
    return fields;
}

ConfigBlock Profile::applyTo(ConfigBlock base) const
{
    if (destination)
        base.destination = *destination;
    if (local)
        base.local = *local;
    if (channel)
        base.channel = static_cast<quint16>(*channel);
    if (txPower)
        base.txPowerCode = *txPower;
    if (rfSpeed)
        base.rfSpeedCode = *rfSpeed;
    return base;
}

Profile Profile::fromBlock(const ConfigBlock &block, Band band)
{
    Profile p;
    p.destination = block.destination;
    p.local = block.local;
    if (band != Band::None)
        p.band = band;
    p.channel = block.channel;
    p.txPower = block.txPowerCode;
    p.rfSpeed = block.rfSpeedCode;
    return p;
}

QString profileProblem(const Profile &p)
{
    if (p.channel && (*p.channel < 0 || *p.channel > kHighestChannel))
        return QStringLiteral("channel %1 is outside 0 to %2").arg(*p.channel).arg(kHighestChannel);
    if (p.txPower && !txPowerText(*p.txPower))
        return QStringLiteral("the TX power code 0x%1 is not in the table (%2)")
            .arg(*p.txPower, 2, 16, QLatin1Char('0'))
            .arg(allowedTxPowers());
    if (p.rfSpeed && !rfSpeedText(*p.rfSpeed))
        return QStringLiteral("the RF speed code 0x%1 is not in the table (%2)")
            .arg(*p.rfSpeed, 2, 16, QLatin1Char('0'))
            .arg(allowedRfSpeeds());
    return QString();
}

QByteArray profileJson(const Profile &p)
{
    if (!profileProblem(p).isEmpty())
        return QByteArray();
    QList<QByteArray> lines;
    const auto add = [&lines](const QString &k, const QByteArray &value) {
        lines << "  " + jsonString(k) + ": " + value;
    };
    const auto addString = [&add](const QString &k, const QString &value) {
        add(k, jsonString(value));
    };
    addString(key::format, kFormat);
    add(key::version, QByteArray::number(kProfileVersion));
    if (p.name)
        addString(key::name, *p.name);
    if (p.comment)
        addString(key::comment, *p.comment);
    if (p.destination)
        addString(key::destination, addressHex(*p.destination));
    if (p.local)
        addString(key::local, addressHex(*p.local));
    const Band band = p.band.value_or(Band::None);
    if (band != Band::None)
        addString(key::band, bandName(band));
    if (p.channel) {
        if (band != Band::None)
            addString(key::frequency, exactFrequencyText(band, *p.channel));
        else
            add(key::channel, QByteArray::number(*p.channel));
    }
    if (p.txPower)
        addString(key::txPower, *txPowerText(*p.txPower));
    if (p.rfSpeed)
        addString(key::rfSpeed, *rfSpeedText(*p.rfSpeed));
    QByteArray out = "{\n";
    for (int i = 0; i < lines.size(); ++i)
        out += lines.at(i) + (i + 1 < lines.size() ? ",\n" : "\n");
    out += "}\n";
    return out;
}

QString saveProfile(const Profile &profile, const QString &path)
{
    const QString problem = profileProblem(profile);
    if (!problem.isEmpty())
        return QStringLiteral("%1: not saved: %2").arg(path, problem);
    // The rename at the end would put the profile in place of whatever the
    // path names: only a regular file (or nothing) may be replaced. A
    // symbolic link is followed: the file it names is written, the link stays.
    const QString kind = nonFileKind(path);
    if (!kind.isEmpty())
        return QStringLiteral("%1: is %2, not a file; nothing was saved").arg(path, kind);
    struct stat before {
    };
    const bool existed = ::stat(QFile::encodeName(path).constData(), &before) == 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString());
    if (existed) {
        // The new file takes the old one's owner and mode before it takes its
        // place (an owner other than the writer's only where the writer may
        // give it: root saving over a user's profile).
        const int fd = file.handle();
        if (::fchown(fd, before.st_uid, before.st_gid) != 0)
            (void)::fchown(fd, ::geteuid(), before.st_gid);
        (void)::fchmod(fd, before.st_mode & 0777);
    }
    const QByteArray json = profileJson(profile);
    if (file.write(json) != json.size() || !file.commit())
        return QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString());
    return QString();
}

QList<BlockField> Profile::fieldsHoldingUnreadableByte() const
{
    // The fields it does not name are zero here, which holds no 0xA5.
    return applyTo(ConfigBlock{}).fieldsHoldingUnreadableByte();
}

} // namespace zomar
