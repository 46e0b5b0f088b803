#pragma once
// One line of a capture: the bytes that went one way on the line without a
// quiet gap, or a note of the capture itself.

#include "core/protocol/Band.h"

#include <QByteArray>

namespace zomar {

// A capture keeps this many bursts; older ones are dropped with a note.
inline constexpr int kCaptureCapacity = 100'000;
// A longer burst carries on in the next line, so that a flood still makes
// lines of a size a person can read and the memory per line stays small.
inline constexpr int kCaptureLineBytes = 256;

enum class BurstKind : quint8 { Sent, Received, Note };

struct Burst {
    BurstKind kind = BurstKind::Received;
    qint64 startMs = 0;     // first byte, milliseconds since the capture started
    qint64 endMs = 0;       // last byte
    QByteArray bytes;       // a note: its text in UTF-8
    bool continued = false; // carries on the line before it
    bool block = false;     // twelve bytes inside a "+++" ... "---" exchange
    Band band = Band::None; // the band a block's channel is shown on

    bool isNote() const { return kind == BurstKind::Note; }
};

} // namespace zomar
