#include "core/linktest/LinkPacket.h"

#include <algorithm>

namespace zomar::linktest {

namespace {

quint64 readNumber(const char *at, int bytes)
{
    quint64 v = 0;
    for (int i = 0; i < bytes; ++i)
        v = (v << 8) | static_cast<quint8>(at[i]);
    return v;
}

void appendNumber(QByteArray &out, quint64 v, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

} // namespace

quint16 crc16(const char *data, qsizetype size)
{
    quint16 crc = 0xFFFF;
    for (qsizetype i = 0; i < size; ++i) {
        crc ^= static_cast<quint16>(static_cast<quint8>(data[i]) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<quint16>((crc << 1) ^ 0x1021)
                                 : static_cast<quint16>(crc << 1);
    }
    return crc;
}

QByteArray encodePacket(quint16 run, quint32 seq, qint64 sentUs, int size)
{
    size = std::clamp(size, kMinPacketSize, kMaxPacketSize);
    QByteArray p;
    p.reserve(size);
    p.append(kSync0);
    p.append(kSync1);
    appendNumber(p, run, 2);
    appendNumber(p, seq, 4);
    appendNumber(p, static_cast<quint64>(sentUs), 8);
    // Filler that differs from packet to packet and never holds the first
    // sync byte, so a damaged packet is not taken for the start of another.
    for (int i = kHeaderSize; i < size - 2; ++i) {
        auto b = static_cast<char>((seq * 31 + quint32(i) * 7) & 0xFF);
        p.append(b == kSync0 ? char(kSync0 + 1) : b);
    }
    appendNumber(p, crc16(p.constData(), p.size()), 2);
    return p;
}

PacketStream::PacketStream(int packetSize, quint16 run)
    : m_size(std::clamp(packetSize, kMinPacketSize, kMaxPacketSize)), m_run(run)
{}

qsizetype PacketStream::findSync(qsizetype from) const
{
    for (qsizetype i = from; i + 1 < m_buffer.size(); ++i)
        if (m_buffer.at(i) == kSync0 && m_buffer.at(i + 1) == kSync1)
            return i;
    return -1;
}

void PacketStream::dropJunk(qsizetype count, QList<Frame> &out)
{
    if (count <= 0)
        return;
    // Bytes outside any packet (a damaged sync, a piece of a packet) count
    // as one damaged frame for each packet's length they run to, however
    // they were split.
    const auto frames = [this](qsizetype junk) { return (junk + m_size - 1) / m_size; };
    for (qsizetype n = frames(m_junk + count) - frames(m_junk); n > 0; --n)
        out.append(Frame{});
    m_junk += count;
    m_buffer.remove(0, count);
}

QList<Frame> PacketStream::feed(const char *bytes, qsizetype count)
{
    m_buffer.append(bytes, count);
    QList<Frame> out;
    for (;;) {
        const qsizetype start = findSync(0);
        if (start < 0) {
            // Keep a last byte that may begin a sync.
            const bool keepLast = !m_buffer.isEmpty() && m_buffer.back() == kSync0;
            dropJunk(m_buffer.size() - (keepLast ? 1 : 0), out);
            break;
        }
        dropJunk(start, out);
        if (m_buffer.size() < m_size)
            break; // the rest is still on its way
        const char *b = m_buffer.constData();
        Frame f;
        f.intact = crc16(b, m_size - 2) == readNumber(b + m_size - 2, 2);
        f.run = static_cast<quint16>(readNumber(b + 2, 2));
        f.seq = static_cast<quint32>(readNumber(b + 4, 4));
        f.sentUs = static_cast<qint64>(readNumber(b + 8, 8));
        m_junk = 0;
        if (f.intact) {
            if (f.run == m_run)
                out.append(f);
            else
                ++m_foreign;
            m_buffer.remove(0, m_size);
            continue;
        }
        // A damaged packet; when the next one starts inside it, the rest of
        // this one never came.
        qsizetype next = findSync(1);
        if (next < 0 || next > m_size)
            next = m_size;
        out.append(f);
        m_buffer.remove(0, next);
    }
    return out;
}

} // namespace zomar::linktest
