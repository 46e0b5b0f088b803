#pragma once
// A configuration profile: the fields of a block a person wants written, kept
// in a JSON file. A profile names only the fields it changes; the others keep
// the module's own values.

#include "core/protocol/Band.h"
#include "core/protocol/BandPlan.h"
#include "core/protocol/ConfigBlock.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

inline constexpr int kProfileVersion = 1;
inline constexpr qint64 kProfileMaxBytes = 64 * 1024;
// The antenna gains a profile may name, in dBi (a cable's loss as less).
inline constexpr double kLowestAntennaGainDbi = -30;
inline constexpr double kHighestAntennaGainDbi = 30;

struct Profile {
    std::optional<QString> name;
    std::optional<QString> comment;
    std::optional<quint32> destination;
    std::optional<quint32> local;
    std::optional<Band> band;      // how the channel is shown; also the window's band box
    std::optional<int> channel;    // from "frequency_mhz" (needs "band") or "channel"
    std::optional<quint8> txPower; // code
    std::optional<quint8> rfSpeed; // code
    // Not a block field: the gain of the antenna the module will have, for
    // the band-plan advice's e.r.p.
    std::optional<double> antennaGainDbi;

    // The block fields the profile names, in block order.
    QList<BlockField> namedFields() const;
    bool namesEveryField() const { return namedFields().size() == 5; }
    // base with the named fields replaced.
    ConfigBlock applyTo(ConfigBlock base) const;
    // The named fields that would put the byte 0xA5 into a block: a module's
    // answer cannot carry it, so such a write could never be verified.
    QList<BlockField> fieldsHoldingUnreadableByte() const;
    // Every field of a block; the band picks how the channel is written.
    static Profile fromBlock(const ConfigBlock &block, Band band);
};

// The signal a profile sets, as far as it names it, on its band (or `band`
// where it names none); nullopt without a channel or a band. gain: an
// antenna gain that overrides the profile's.
std::optional<Emission> emissionOf(const Profile &profile, Band band,
                                   std::optional<double> antennaGainDbi = std::nullopt);

struct ProfileReading {
    std::optional<Profile> profile;
    QString error;   // one line naming the file, the key and what is allowed
    QByteArray bytes = {}; // readProfile: the bytes read, for a digest of the same file
};

// Strict: unknown keys, keys given twice, wrong types, values outside their
// tables, newer versions, files over 64 KiB, anything but a regular file and
// JSON syntax errors (with line and column) are refused.
ProfileReading readProfile(const QString &path);
ProfileReading parseProfile(const QByteArray &bytes, const QString &fileLabel);

// The keys a profile may hold, in the order they are written.
const QStringList &profileKeys();

// Why a profile cannot be written ("" when it can): a TX power or RF speed
// code outside its table (a block read from a module may carry one), or a
// channel outside 0..65535.
QString profileProblem(const Profile &profile);

// UTF-8, keys in a fixed order, two-space indent, newline at the end; the
// frequency written exactly (four decimals for the odd 433 MHz channels).
// Empty when profileProblem() names a problem.
QByteArray profileJson(const Profile &profile);
// Atomic (writeFileAtomically), over a regular file or none (a link is followed),
// keeping the replaced file's mode and, where allowed, its owner. Returns ""
// when saved, else one line saying why not (also for a profile that cannot
// be written, or a path that names a device, a folder or a FIFO).
QString saveProfile(const Profile &profile, const QString &path);

} // namespace zomar
