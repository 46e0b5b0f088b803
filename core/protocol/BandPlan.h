#pragma once
// Where a module's signal lies in the licence-free spectrum of a region: the
// sub-band that takes it with its e.r.p. and duty-cycle limits and what it
// may be used for, whether the whole signal fits it (its occupied bandwidth
// inside the edges and the channel width, its e.r.p. under the limit), or
// that the frequency needs a licence there. Advice only: nothing here
// refuses a value. The rows live in one table (BandPlan.cpp), each with its
// source; a region is a set of rows plus what to say outside them. The
// advice and its words are BandAdvice.cpp's.

#include "core/protocol/Band.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace zomar {

struct ConfigBlock;

inline const QString kDefaultBandPlanRegion = QStringLiteral("eu");
// The region that gives no advice at all.
inline const QString kNoBandPlanRegion = QStringLiteral("none");

// One row of the table. Edges are in hertz and belong to the sub-band.
struct SubBand {
    const char *region; // "eu"
    qint64 lowHz;
    qint64 highHz;
    const char *erp;    // "10 mW e.r.p."
    const char *access; // "duty cycle ≤ 10 %"
    const char *use;    // "" for any use, else e.g. "alarms only"
    const char *source; // the document and band letter the row comes from
    double erpLimitMw;  // the e.r.p. above as a number
    qint64 channelLimitHz; // the widest channel it allows; 0: the sub-band itself

    QString range() const; // "433.050–434.790 MHz"
    bool contains(qint64 hz) const { return hz >= lowHz && hz <= highHz; }
    bool restricted() const { return use[0] != '\0'; }
};

// Every row of every region, in the table's order.
const QList<SubBand> &bandPlanTable();
// Region keys, "eu" first and "none" last.
QStringList bandPlanRegions();
bool isBandPlanRegion(const QString &key);
// "EU" for "eu"; "" for "none" and for keys that are no region.
QString bandPlanRegionName(const QString &key);
// Why a frequency outside a region's rows needs a licence ("" for no region).
QString bandPlanOutsideSource(const QString &key);
// What the licensed spectrum around a frequency is, with its source: "the
// amateur 70 cm band: an amateur licence is needed [ERC Report 25 ...]".
QStringList licensedRangesAt(const QString &region, qint64 hz);
// "433.050", "433.9975": three decimals, more only where the hertz need them.
QString bandPlanMhz(qint64 hz);

// A half-wave dipole's gain: e.r.p. is power over a dipole, e.i.r.p. over
// an isotropic antenna.
inline constexpr double kDipoleGainDbi = 2.15;

// What a module sends: where, how wide and how strong. The width and the
// power are left out where they are not known (a profile that names no RF
// speed); the advice then says so.
struct Emission {
    qint64 hz = 0;                 // the channel's centre
    std::optional<int> rfBps;      // the RF speed
    std::optional<int> txPowerDbm; // at the antenna socket
    double antennaGainDbi = 0;     // 0 dBi unless a gain is named

    // The occupied bandwidth estimated from the RF speed (see
    // occupiedBandwidthBasis()); 0 when the RF speed is not known.
    qint64 occupiedHz() const;
    // The power over a dipole: TX power and antenna gain less 2.15 dB.
    std::optional<double> erpDbm() const;
};

// How the occupied bandwidth is estimated from the RF speed, and from where.
QString occupiedBandwidthBasis();
// The emission of a block's channel, TX power and RF speed on a band;
// nullopt for Band::None or a channel outside 0..65535.
std::optional<Emission> emissionOf(Band band, const ConfigBlock &block, double antennaGainDbi = 0);

// How a signal fits one sub-band that holds its centre.
struct SubBandFit {
    SubBand subBand;
    bool pastEdge = false;  // part of its occupied bandwidth lies outside
    bool tooWide = false;   // wider than the sub-band's channels may be
    bool tooStrong = false; // more e.r.p. than the sub-band allows
    bool fits() const { return !pastEdge && !tooWide && !tooStrong; }
};

struct BandAdvice {
    enum Kind {
        NoAdvice, // region "none", no band, or no frequency
        Inside,   // the whole signal fits a sub-band
        Unfit,    // its centre lies in a sub-band, but the signal fits none:
                  // it reaches past an edge, is too wide or too strong
        Outside,  // within none: a licence is needed
    };
    Kind kind = NoAdvice;
    QString region; // "eu"
    Emission emission;
    qint64 hz = 0; // emission.hz
    // The sub-bands that hold the centre, the one to go by first: those the
    // signal fits before those it does not, then one for any use before
    // one restricted to alarms, then the narrowest (its limits hold).
    QList<SubBandFit> subBands;
    // The signal reaches past an edge of the first sub-band.
    bool onEdge = false;

    // One line: "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %;
    // ≈ 42 kHz wide", "433.050–434.790 MHz (EU), but at 9600 bps (≈ 21 kHz
    // wide) it reaches past its edge at 433.050 MHz", or "outside the
    // licence-free band (EU): a licence is needed"; "" for no advice.
    QString line() const;
    // The line, what was assumed, then one line per sub-band with its
    // limits, its source and why the signal does not fit it.
    QStringList details() const;
    // {"region", "frequency_mhz", "licence_free", "fits", "on_edge",
    // "occupied_khz", "erp_dbm", "antenna_gain_dbi", "text", "sub_bands":
    // [{range, erp, access, use, source, fits, why_not}]}; an empty object
    // for no advice.
    QJsonObject json() const;
};

BandAdvice bandAdvice(const Emission &emission, const QString &region = kDefaultBandPlanRegion);
// A frequency alone: neither its width nor its power is known.
BandAdvice bandAdvice(qint64 hz, const QString &region = kDefaultBandPlanRegion);
// No advice for Band::None or a channel outside 0..65535.
BandAdvice bandAdvice(Band band, long long channel, const QString &region = kDefaultBandPlanRegion);

} // namespace zomar
