// Data-file text and its scanner.
#include "data/DataFile.h"

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>

bool DataFileRead(const char* path, std::string* text) {
  std::error_code ec;
  std::ifstream in;
  // Checked before opening: opening a FIFO for reading waits for a writer.
  if (std::filesystem::is_regular_file(path, ec)) in.open(path, std::ios::binary | std::ios::ate);
  if (!in.is_open()) {
    std::printf("File could not be opened.\n");
    return false;
  }
  const std::streamoff size = in.tellg();
  text->resize(size > 0 ? static_cast<size_t>(size) : 0);
  in.seekg(0);
  in.read(&(*text)[0], static_cast<std::streamsize>(text->size()));
  text->resize(static_cast<size_t>(in.gcount()));
  if (text->compare(0, 3, "\xEF\xBB\xBF") == 0) text->erase(0, 3);
  return true;
}

DataScanner::DataScanner(const std::string& source) : text(source), at(0), line(1), tokenStart(0), tokenLine(1) {}

// White space as formatted input knows it in the C locale.
bool DataScanner::Space(size_t i) const {
  char c = text[i];
  return c == ' ' || (c >= '\t' && c <= '\r');
}

void DataScanner::SkipSpace() {
  for (; at < text.size() && Space(at); ++at) {
    if (text[at] == '\n') ++line;
  }
}

void DataScanner::Begin() {
  tokenStart = at;
  tokenLine = line;
}

bool DataScanner::AtEnd() {
  SkipSpace();
  return at == text.size();
}

DataScanner::Result DataScanner::Label() {
  const size_t limit = at + 256;
  bool inWord = false;
  Begin();
  for (; at < text.size() && at < limit; ++at) {
    char c = text[at];
    if (c == ' ') {
      ++at;
      return READ;
    }
    if (!Space(at)) {
      if (!inWord) Begin();
      inWord = true;
    } else if (inWord) {
      return BAD;  // a tab or a line end inside the label
    } else if (c == '\n') {
      ++line;
    }
  }
  if (at < text.size()) return BAD;
  tokenLine = line;
  return END;
}

DataScanner::Result DataScanner::Int(int* out) {
  SkipSpace();
  Begin();
  if (at == text.size()) return END;
  bool negative = text[at] == '-';
  if (text[at] == '-' || text[at] == '+') ++at;
  const size_t digits = at;
  long long value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + (text[at] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) return BAD;
  }
  if (at == digits || (at < text.size() && !Space(at))) return BAD;
  if (negative) value = -value;
  if (value > INT_MAX) return BAD;
  *out = static_cast<int>(value);
  return READ;
}

std::string DataScanner::Token() const {
  std::string shown;
  for (size_t i = tokenStart; i < text.size() && i < tokenStart + 24; ++i) {
    unsigned char c = static_cast<unsigned char>(text[i]);
    if (c != '\t' && Space(i)) break;
    if (c == '\t') {
      shown += "\\t";
    } else {
      shown += (c >= 32 && c < 127) ? static_cast<char>(c) : '?';
    }
  }
  return shown;
}
