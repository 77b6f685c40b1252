// What the three data-file readers share: a file's whole text, read only from
// a regular file, and a scanner over it that knows its line, so that whatever
// a reader cannot take is named with the file and the line.
#pragma once
#include <cstddef>
#include <string>

// The text of a data file, without the UTF-8 byte-order mark editors write.
// False, after the line "File could not be opened.", for a missing file and
// for anything that is not a regular file: a folder, or a FIFO, which would
// block the game until someone writes to it.
bool DataFileRead(const char* path, std::string* text);

class DataScanner {
 public:
  enum Result { READ, END, BAD };

  explicit DataScanner(const std::string& text);

  // A label as the game-data file has them: the characters up to and
  // including the next space, at most 256 of them. BAD when no space comes
  // within 256 characters, or when the label word (the text after any line
  // ends) holds other white space, such as a tab where the space should be.
  Result Label();
  // White space, then a decimal int that ends at white space or at the end of
  // the text: "0x3", "12abc" and numbers past an int are BAD.
  Result Int(int* out);
  // Nothing but white space is left.
  bool AtEnd();

  // The line of the last label or int tried, counted from 1.
  int Line() const { return tokenLine; }
  // The text of the last label or int tried, up to white space other than a
  // tab, at most 24 characters, with a tab as \t and other unprintable bytes
  // as '?'.
  std::string Token() const;

 private:
  void SkipSpace();
  void Begin();
  bool Space(size_t at) const;

  const std::string& text;
  size_t at;
  int line;
  size_t tokenStart;
  int tokenLine;
};
