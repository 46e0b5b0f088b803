#pragma once
// Cuts the bytes seen on a line into bursts as the module sees them: a burst
// ends when the direction changes, after the quiet-line time without a byte,
// or when it fills a line.

#include "core/capture/Burst.h"
#include "core/protocol/ReplyFramer.h"

#include <QList>

#include <optional>

namespace zomar {

class BurstSplitter
{
public:
    explicit BurstSplitter(int quietMs = kQuietLineMs, int lineBytes = kCaptureLineBytes);

    // Bytes seen at `ms` (never earlier than the bytes before); appends to
    // `closed` each burst they end.
    void feed(qint64 ms, bool sent, const QByteArray &bytes, QList<Burst> &closed);
    // The open burst, once the line has been quiet for the quiet-line time at `ms`.
    std::optional<Burst> closeIfQuiet(qint64 ms);
    // The open burst, now.
    std::optional<Burst> close();

    const std::optional<Burst> &open() const { return m_open; }
    // When the open burst ends if nothing more comes.
    qint64 quietDeadline() const { return m_open ? m_open->endMs + m_quietMs : 0; }
    int quietMs() const { return m_quietMs; }

private:
    int m_quietMs;
    int m_lineBytes;
    std::optional<Burst> m_open;
};

} // namespace zomar
