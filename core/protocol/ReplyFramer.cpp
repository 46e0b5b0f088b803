#include "core/protocol/ReplyFramer.h"

namespace zomar {

void ReplyFramer::clear()
{
    buffer.fill(kEmptySlot);
    index = 0;
    skipped = 0;
}

bool ReplyFramer::store(quint8 byte)
{
    buffer[static_cast<size_t>(index)] = byte;
    if (byte == kSkippedByte) {
        ++skipped;
        return false;
    }
    if (++index > kRxSlots - 1)
        index = 0;
    return true;
}

int ReplyFramer::blockBytesFilled() const
{
    int filled = 0;
    for (int k = 0; k < kBlockSize; ++k)
        filled += buffer[static_cast<size_t>(k)] != kEmptySlot ? 1 : 0;
    return filled;
}

std::optional<QByteArray> ReplyFramer::block() const
{
    QByteArray out;
    out.reserve(kBlockSize);
    for (int k = 0; k < kBlockSize; ++k) {
        const int v = buffer[static_cast<size_t>(k)];
        if (v == kEmptySlot)
            return std::nullopt;
        out.append(static_cast<char>(v));
    }
    return out;
}

} // namespace zomar
