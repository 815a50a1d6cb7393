// The history's message codec.
#include "app/MsgTextCodec.h"

#include <algorithm>

namespace {

// A permutation of the standard Base64 alphabet; texts stored under it decode only under it.
const char alphabet[] = "QWERTYUIOPASDFGHJKLZXCVBNMqwertyuiopasdfghjklzxcvbnm7531902468/+";

// Symbol value of a byte, -1 for a byte outside the alphabet.
int symbolValue(unsigned char byte)
{
    const char *const end = alphabet + 64; // the symbols, not the terminator
    const char *const at = std::find(alphabet, end, static_cast<char>(byte));
    return at != end ? static_cast<int>(at - alphabet) : -1;
}

} // namespace

const char *msgTextAlphabet()
{
    return alphabet;
}

int encodeMsgText(const char *source, int length, char *dest, int &capacity)
{
    if (length < 0 || capacity < (length / 3) * 4 + 9)
        return -1;
    const auto *bytes = reinterpret_cast<const unsigned char *>(source);
    int written = 0;
    int counter = 0;
    for (int i = 0; i < length; i += 3) {
        const unsigned b0 = bytes[i];
        const unsigned b1 = i + 1 < length ? bytes[i + 1] : 0;
        const unsigned b2 = i + 2 < length ? bytes[i + 2] : 0;
        const unsigned group = (b0 << 16) | (b1 << 8) | b2;
        for (int shift = 18; shift >= 0; shift -= 6)
            dest[written++] = alphabet[(group >> shift) & 0x3f];
        // The line feed counts, so only the first multiple of 72 is ever met.
        if ((counter + 4) % 72 == 0) {
            dest[written++] = '\n';
            counter += 5;
        } else {
            counter += 4;
        }
    }
    dest[written] = '\0';
    capacity = written + 1;
    return 0;
}

int decodeMsgText(const char *source, int length, char *dest, int &capacity)
{
    int written = 0;
    unsigned group = 0;
    int collected = 0;
    for (int i = 0; i < length; ++i) {
        const int value = symbolValue(static_cast<unsigned char>(source[i]));
        if (value < 0)
            continue;
        group = (group << 6) | static_cast<unsigned>(value);
        if (++collected < 4)
            continue;
        for (int shift = 16; shift >= 0; shift -= 8) {
            // ">=" so that a negative capacity refuses too, instead of never matching.
            if (written >= capacity)
                return -1;
            dest[written++] = static_cast<char>((group >> shift) & 0xff);
        }
        group = 0;
        collected = 0;
    }
    capacity = written;
    return 0;
}
