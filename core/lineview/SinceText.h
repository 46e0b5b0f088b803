#pragma once
// A time a person gives for "since": "2026-12-07", "2026-12-07T08:00" (local
// time unless a zone is given), or a time back from now: "30m", "12h", "7d".

#include <QDateTime>
#include <QString>

namespace zomar {

// Invalid when the text is none of them.
QDateTime parseSince(const QString &text);

} // namespace zomar
