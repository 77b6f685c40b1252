#include "LeadingInts.h"

static bool IsSpace(uint8_t c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

static bool IsDigit(uint8_t c) {
  return c >= '0' && c <= '9';
}

size_t LeadingInts(const uint8_t* data, size_t size, int* out, size_t max) {
  const long long kBeyond = 2147483649LL;  // past every int, either sign
  size_t count = 0, i = 0;
  if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) i = 3;
  while (count < max) {
    while (i < size && IsSpace(data[i])) ++i;
    bool negative = i < size && data[i] == '-';
    if (i < size && (data[i] == '-' || data[i] == '+')) ++i;
    size_t digits = i;
    long long value = 0;
    for (; i < size && IsDigit(data[i]); ++i) {
      if (value < kBeyond) value = value * 10 + (data[i] - '0');
    }
    if (i == digits || (i < size && !IsSpace(data[i]))) break;
    if (negative) value = -value;
    if (value < -2147483648LL || value > 2147483647LL) break;
    out[count++] = static_cast<int>(value);
  }
  return count;
}
