#pragma once
// A profile in one line for the station's header and setup, and the
// band-plan advice on its channel.

#include <QString>

namespace zomar {

struct Profile;

// "434.000 MHz · −9 dBm · 9600 bps · destination FFFFFFFF"; the fields the
// profile names, in block order.
QString profileSummary(const Profile &profile);
// "433.050–434.790 MHz (EU): 10 mW e.r.p., duty cycle ≤ 10 %", or "" when
// the profile names no band or channel, or the region gives no advice.
QString profileAdvice(const Profile &profile, const QString &region);

} // namespace zomar
