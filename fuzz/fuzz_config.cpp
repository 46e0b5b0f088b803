// libFuzzer target for the configuration record (decode of reply slots, encode
// of field texts, the field-text readers), the typed block and the reply
// framing. The first input byte picks the property that the rest exercises; a
// broken property prints what broke and traps, so libFuzzer keeps the input.

#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    zomar::fuzz::Input in(data, size);
    switch (in.byte() % 4) {
    case 0:
        zomar::fuzz::checkBlock(in);
        break;
    case 1:
        zomar::fuzz::checkEncode(in);
        break;
    case 2:
        zomar::fuzz::checkFramer(in);
        break;
    default:
        zomar::fuzz::checkTextReaders(in);
        break;
    }
    return 0;
}
