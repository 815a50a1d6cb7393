// Base64 and URL (percent) encoding of byte strings.
#pragma once

#include <QByteArray>

// Standard Base64 (RFC 4648 alphabet, "=" fill) of length bytes at in, into out.
void Base64encode(QByteArray &out, const void *in, int length);

// Percent-encoding of RFC 3986: letters, digits and "-._~" stay as they are, every other
// byte (blank, "+", "/", "=" and bytes of 0x80 and above included) becomes "%" and two
// upper-case hexadecimal digits. Signatures are computed over this form, so it never changes.
QByteArray urlEncode(const QByteArray &text);
// The reverse: each "%" followed by two hexadecimal digits (either case) becomes that byte;
// any other byte, "+" and a "%" without two digits after it included, stays as it is.
QByteArray urlDecode(const QByteArray &text);
