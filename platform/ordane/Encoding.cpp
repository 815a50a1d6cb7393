// Base64 and URL encoding.
#include "ordane/Encoding.h"

namespace {
int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

void Base64encode(QByteArray &out, const void *in, int length)
{
    out = length > 0 ? QByteArray(static_cast<const char *>(in), length).toBase64() : QByteArray();
}

QByteArray urlEncode(const QByteArray &text)
{
    // Qt leaves exactly the unreserved set plain and writes upper-case digits.
    return text.toPercentEncoding();
}

QByteArray urlDecode(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out += char(high * 16 + low);
                i += 2;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}
