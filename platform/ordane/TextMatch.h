// Byte-text comparisons for element names and codes read from outside XML.
#pragma once

// True when text ends with suffix. With ignoreCase false the bytes must match exactly;
// with true, ASCII letters match in either case. A null text or suffix never matches.
bool stringEndwith(const char *text, const char *suffix, bool ignoreCase);

// strcmp-style comparison ignoring the case of ASCII letters: negative, 0 or positive.
// A null text sorts before every other text.
int stricmp(const char *a, const char *b);
