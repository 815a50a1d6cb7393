// Byte-text comparisons: plain loops over the bytes, no locale.
#include "ordane/TextMatch.h"

#include <cstring>

namespace {
unsigned char lowerAscii(unsigned char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}
} // namespace

bool stringEndwith(const char *text, const char *suffix, bool ignoreCase)
{
    if (!text || !suffix)
        return false;
    const size_t textLength = std::strlen(text);
    const size_t suffixLength = std::strlen(suffix);
    if (suffixLength > textLength)
        return false;
    const char *tail = text + textLength - suffixLength;
    if (!ignoreCase)
        return std::memcmp(tail, suffix, suffixLength) == 0;
    return stricmp(tail, suffix) == 0;
}

int stricmp(const char *a, const char *b)
{
    if (!a || !b)
        return a == b ? 0 : (a ? 1 : -1);
    const auto *x = reinterpret_cast<const unsigned char *>(a);
    const auto *y = reinterpret_cast<const unsigned char *>(b);
    while (*x && lowerAscii(*x) == lowerAscii(*y)) {
        ++x;
        ++y;
    }
    return int(lowerAscii(*x)) - int(lowerAscii(*y));
}
