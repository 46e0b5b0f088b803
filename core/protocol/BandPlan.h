#pragma once
// Where a channel lies in the licence-free spectrum of a region: the
// sub-band, its e.r.p. and duty-cycle limits and what it may be used for, or
// that the frequency needs a licence there. Advice only: nothing here refuses
// a value. The rows live in one table (BandPlan.cpp), each with its source;
// a region is a set of rows plus what to say outside them.

#include "core/protocol/Band.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace zomar {

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

struct BandAdvice {
    enum Kind {
        NoAdvice, // region "none", no band, or no frequency
        Inside,   // within at least one sub-band
        Outside,  // within none: a licence is needed
    };
    Kind kind = NoAdvice;
    QString region; // "eu"
    qint64 hz = 0;
    // The sub-bands that hold the frequency; the first is the one to go by
    // (one for any use before one restricted to alarms, then the narrowest).
    QList<SubBand> subBands;
    // The frequency is an edge of the first sub-band: part of the signal
    // falls outside it.
    bool onEdge = false;

    // One line: "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %",
    // or "outside the licence-free band (EU): a licence is needed"; "" for
    // no advice.
    QString line() const;
    // The line, then one line per sub-band with its limits and source.
    QStringList details() const;
    // {"region", "licence_free", "text", "sub_bands": [{range, erp, access,
    // use, source}]}; an empty object for no advice.
    QJsonObject json() const;
};

BandAdvice bandAdvice(qint64 hz, const QString &region = kDefaultBandPlanRegion);
// No advice for Band::None or a channel outside 0..65535.
BandAdvice bandAdvice(Band band, long long channel, const QString &region = kDefaultBandPlanRegion);

} // namespace zomar
