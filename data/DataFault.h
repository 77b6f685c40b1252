// The fault that keeps a level from starting: a data file that cannot give a
// playable level. Its line is printed when found and kept for the map
// selection to show.
#pragma once

// Prints one line (printf-style, without the line end) and keeps it, unless
// a fault is already kept: the first fault is the one the player sees.
void DataFaultReport(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The kept line, or "" when there is none.
const char* DataFaultText();
void DataFaultClear();
