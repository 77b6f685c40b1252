// The reader fuzzers' own account of what formatted input makes of a text.
#pragma once
#include <cstddef>
#include <cstdint>

// The whitespace-separated ints at the start of the text (after a UTF-8
// byte-order mark), read one after the other as `stream >> int` reads them in
// the C locale: at most max, up to the first word that is not a whole decimal
// int ("12abc" is not) or does not fit one. Returns how many.
size_t LeadingInts(const uint8_t* data, size_t size, int* out, size_t max);
