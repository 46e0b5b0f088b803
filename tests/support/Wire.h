#pragma once
// What a virtual module received, read as the module reads it: messages
// split by quiet gaps, and the command-mode exchanges they make up. No
// widgets, so core tests use it too.

#include "sim/VirtualModule.h"

#include <QList>
#include <QString>

namespace zomar::test {

struct WireMessage {
    qint64 startNs = 0;
    qint64 endNs = 0;
    QByteArray bytes;
};

// Bytes closer together than gapMs belong to one message.
inline QList<WireMessage> wireMessages(const QList<VirtualModule::WireByte> &wire, int gapMs = 5)
{
    QList<WireMessage> out;
    for (const VirtualModule::WireByte &b : wire) {
        if (out.isEmpty() || b.nsecs - out.last().endNs > qint64(gapMs) * 1'000'000)
            out.append(WireMessage{b.nsecs, b.nsecs, {}});
        out.last().endNs = b.nsecs;
        out.last().bytes.append(static_cast<char>(b.value));
    }
    return out;
}

// Checks that the messages are whole exchanges that never interleave: "+++"
// only outside command mode, "---" only inside it, a twelve-byte block only
// inside it, nothing else. Returns "" or what went wrong first.
inline QString exchangeFault(const QList<WireMessage> &messages)
{
    bool inCommandMode = false;
    for (int i = 0; i < messages.size(); ++i) {
        const QByteArray &m = messages.at(i).bytes;
        const QString at = QStringLiteral("message %1 (%2)").arg(i).arg(QString::fromLatin1(m.toHex(' ')));
        if (m.size() == 12) {
            if (!inCommandMode)
                return at + QStringLiteral(": a block outside command mode");
            continue;
        }
        if (m.isEmpty() || m.size() % 3 != 0)
            return at + QStringLiteral(": not a command sequence");
        for (int k = 0; k < m.size(); k += 3) {
            const QByteArray seq = m.mid(k, 3);
            if (seq == "+++") {
                if (inCommandMode)
                    return at + QStringLiteral(": \"+++\" inside command mode");
                inCommandMode = true;
            } else if (seq == "---") {
                if (!inCommandMode)
                    return at + QStringLiteral(": \"---\" outside command mode");
                inCommandMode = false;
            } else {
                return at + QStringLiteral(": not a command sequence");
            }
        }
    }
    return inCommandMode ? QStringLiteral("left in command mode") : QString();
}

// The line as the program's side saw it, through the link's tap: every
// chunk written or read, with the time. Timed where the program acts, so a
// busy machine delaying the module's thread does not blur the gaps.
struct TappedLine {
    struct Chunk {
        qint64 nsecs;
        bool sent;
        QByteArray bytes;
    };
    QList<Chunk> chunks;

    template <typename Link> void attach(Link &link)
    {
        link.setTap([this](bool sent, const QByteArray &bytes) {
            chunks.append({VirtualModule::now(), sent, bytes});
        });
    }
    // "" when every "+++" sent after the first follows at least `guardMs` of
    // a quiet line (nothing sent or received), else the first that does not.
    QString entryGuardFault(int guardMs) const
    {
        bool first = true;
        for (int i = 0; i < chunks.size(); ++i) {
            if (!chunks.at(i).sent || chunks.at(i).bytes != "+++")
                continue;
            if (!first && i > 0) {
                const double quiet = double(chunks.at(i).nsecs - chunks.at(i - 1).nsecs) / 1e6;
                if (quiet < guardMs)
                    return QStringLiteral("\"+++\" after %1 ms of quiet line (chunk %2)")
                        .arg(quiet)
                        .arg(i);
            }
            first = false;
        }
        return {};
    }
    QList<Chunk> sent() const
    {
        QList<Chunk> out;
        for (const Chunk &c : chunks)
            if (c.sent)
                out.append(c);
        return out;
    }
    int sentCount(const QByteArray &bytes) const
    {
        int n = 0;
        for (const Chunk &c : chunks)
            n += c.sent && c.bytes == bytes ? 1 : 0;
        return n;
    }
};

inline double msBetweenNs(qint64 fromNs, qint64 toNs)
{
    return double(toNs - fromNs) / 1e6;
}

} // namespace zomar::test
