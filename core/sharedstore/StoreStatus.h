#pragma once
// What a station shows of its store in one line: where the record is kept
// and whether the station can write it. A store on a server may be out of
// reach for a while; the station then works from the addresses it holds and
// keeps the outcomes until the server takes them: how many of each is what
// the line needs to know.

#include "core/sharedstore/StationState.h"

#include <QString>

namespace zomar {

struct StoreStatus {
    QString location;     // a file, or a server's address
    StationState station; // a server's: online, or what the station holds offline
    QString problem;      // the record cannot be written: why ("" when it can)

    // "Record: /srv/line2.db", "Record: postgresql://... (online)", "offline:
    // 12 addresses left, 5 rows waiting", "Record cannot be written: ...". A
    // server's password is never shown.
    QString text() const;
    bool writable() const { return problem.isEmpty(); }
    bool online() const { return !station.leased || station.online; }
};

} // namespace zomar
