#pragma once
// The packets of a link test and their reassembly from a byte stream.
//
// A packet: sync 5A C3, run number (2 bytes), sequence number (4), send time
// in microseconds of the test's clock (8), filler up to the packet size, and
// a CRC-16 (CCITT, initial FFFF) over everything before it; numbers most
// significant byte first. The receiving side reads raw bytes from its port,
// not through the window's receive rules, so a packet may hold any byte,
// 0xA5 included.
//
// A radio link may hand the bytes over split or joined: PacketStream takes
// them as they come and finds the packets, the damaged ones included.

#include <QByteArray>
#include <QList>

namespace zomar::linktest {

inline constexpr int kHeaderSize = 16;
inline constexpr int kMinPacketSize = kHeaderSize + 2;
inline constexpr int kMaxPacketSize = 1024;
inline constexpr char kSync0 = '\x5A';
inline constexpr char kSync1 = '\xC3';

quint16 crc16(const char *data, qsizetype size);

// Packet `seq` of run `run`, `size` bytes (kMinPacketSize..kMaxPacketSize).
QByteArray encodePacket(quint16 run, quint32 seq, qint64 sentUs, int size);

struct Frame {
    bool intact = false; // the CRC holds (damaged: the fields may be wrong)
    quint16 run = 0;
    quint32 seq = 0;
    qint64 sentUs = 0;
};

class PacketStream
{
public:
    PacketStream(int packetSize, quint16 run);

    // Takes the next bytes of the stream; returns the packets they complete,
    // in order. A damaged packet, a piece of one, or bytes that belong to no
    // packet come out as one damaged frame each; packets of another run
    // (left over from an earlier test) are passed over.
    QList<Frame> feed(const char *bytes, qsizetype count);
    QList<Frame> feed(const QByteArray &bytes) { return feed(bytes.constData(), bytes.size()); }

    int foreignPackets() const { return m_foreign; }

private:
    qsizetype findSync(qsizetype from) const;
    void dropJunk(qsizetype count, QList<Frame> &out);

    int m_size;
    quint16 m_run;
    QByteArray m_buffer;
    qsizetype m_junk = 0; // bytes dropped since the last frame
    int m_foreign = 0;
};

} // namespace zomar::linktest
