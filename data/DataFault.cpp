// The kept fault line: a fixed buffer, so that reporting never allocates.
#include "data/DataFault.h"

#include <cstdarg>
#include <cstdio>

static char sFault[512] = "";

void DataFaultReport(const char* format, ...) {
  char line[sizeof(sFault)];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof(line), format, args);
  va_end(args);
  std::printf("%s\n", line);
  if (sFault[0] == '\0') std::snprintf(sFault, sizeof(sFault), "%s", line);
}

const char* DataFaultText() {
  return sFault;
}

void DataFaultClear() {
  sFault[0] = '\0';
}
