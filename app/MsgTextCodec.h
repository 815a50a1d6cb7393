// The history's message codec: Base64 over a permuted alphabet, no padding, one line feed.
#pragma once

// Encodes length bytes of source into dest as text ending with a zero byte. capacity holds
// dest's size on entry and the characters written plus the zero byte on return. -1, with
// dest untouched, when capacity is below (length / 3) * 4 + 9; otherwise 0.
int encodeMsgText(const char *source, int length, char *dest, int &capacity);

// Decodes the alphabet symbols of source (any other byte is skipped) into dest, three bytes
// per four symbols; a last group of fewer than four symbols is dropped. capacity holds dest's
// size on entry and the bytes written on return. -1, with capacity unchanged, when the bytes
// would not fit; otherwise 0. No zero byte is added.
int decodeMsgText(const char *source, int length, char *dest, int &capacity);

// The 64 symbols in value order.
const char *msgTextAlphabet();
