#pragma once
// A burst as one line of text: the time it began (and the time since the
// line before), the direction, the bytes in hex and as text with control
// bytes named, and a configuration block decoded in words.
//
//   10:15:02.347    +0 ms  TX    3  2B 2B 2B  |+++|
//   10:15:02.391   +44 ms  RX   12  00 .. 11  block: destination ...  |<NUL>...<DC1>|

#include "core/capture/Burst.h"

#include <QDateTime>
#include <QString>

namespace zomar {

struct CaptureLineOptions {
    bool timestamps = true;
    bool hex = true;
};

// "TX", "RX", or "--" for a note.
QString directionText(BurstKind kind);
// "2B 2B 0D".
QString hexBytes(const QByteArray &bytes);
// Printable ASCII as it is; control bytes by name ("<CR>", "<NUL>", "<DEL>");
// bytes from 0x80 as "<xA5>".
QString namedBytes(const QByteArray &bytes);
// "destination 01020304, local 05060708, 433.920 MHz (channel 1568), -9 dBm,
// 19200 bps" for a twelve-byte block; "" for anything else.
QString blockWords(const QByteArray &bytes, Band band);

// `previous` is the line before (nullptr for the first): the time since it
// began is shown.
QString captureLine(const Burst &burst, const QDateTime &captureStart, const Burst *previous,
                    const CaptureLineOptions &options = {});
// The line that stands for the bursts a full capture dropped.
QString droppedLine(quint64 dropped, int capacity);

} // namespace zomar
