#pragma once
// What the fuzz checks share: the input reader, the property check that traps
// when broken, and small helpers on blocks and texts.

#include "core/protocol/ConfigBlock.h"
#include "core/protocol/PageCodec.h"
#include "core/protocol/ReplyFramer.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace zomar::fuzz {

[[noreturn]] inline void broken(const char *property, const QString &detail)
{
    std::fprintf(stderr, "\nPROPERTY BROKEN: %s\n  %s\n", property, qPrintable(detail));
    std::fflush(stderr);
    __builtin_trap();
}

// The detail text is built only when the property is broken.
#define FUZZ_REQUIRE(cond, detail)                                                                 \
    do {                                                                                           \
        if (!(cond))                                                                               \
            broken(#cond, detail);                                                                 \
    } while (0)

class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    size_t left() const { return m_size - m_pos; }
    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    QByteArray bytes(size_t n)
    {
        n = std::min(n, left());
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), static_cast<qsizetype>(n));
        m_pos += n;
        return out;
    }
    QByteArray rest() { return bytes(left()); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Latin-1 reaches every code 0..255 one byte each; UTF-8 reaches the rest of
// Unicode (other digits, other blanks).
inline QString textOf(const QByteArray &raw, bool utf8)
{
    return utf8 ? QString::fromUtf8(raw) : QString::fromLatin1(raw);
}

inline Band bandOf(uint8_t choice)
{
    switch (choice % 3) {
    case 0:
        return Band::Mhz433;
    case 1:
        return Band::Mhz868;
    default:
        return Band::None;
    }
}

inline QString bandText(Band band)
{
    switch (band) {
    case Band::Mhz433:
        return QStringLiteral("433Mhz");
    case Band::Mhz868:
        return QStringLiteral("868Mhz");
    case Band::None:
        break;
    }
    return QStringLiteral("915Mhz"); // names no band
}

inline QString hex(const QByteArray &b)
{
    return QString::fromLatin1(b.toHex(' '));
}

inline int byteAt(const QByteArray &b, int i)
{
    return static_cast<uint8_t>(b.at(i));
}

inline RxSlots slotsOf(const QByteArray &block)
{
    RxSlots rx;
    rx.fill(kEmptySlot);
    for (int k = 0; k < block.size() && k < kRxSlots; ++k)
        rx[static_cast<size_t>(k)] = byteAt(block, k);
    return rx;
}

// The properties, one per value of the input's first byte (see fuzz_config.cpp).
void checkBlock(Input &in);
void checkEncode(Input &in);
void checkFramer(Input &in);
void checkTextReaders(Input &in);

} // namespace zomar::fuzz
