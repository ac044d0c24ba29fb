#pragma once
// The character table of one device file: the distinct UTF-16 code units in
// the order they were first met. A character's device code is its position;
// entry 0 is reserved (code 0 pads and ends names).
#include <cstdint>
#include <vector>

class TFontBank;

class TFontTable {
 public:
  explicit TFontTable(const TFontBank& bank);

  // The device code of a code unit, appending it when it is new.
  int AddChar(char16_t unit);

  // Replaces the table with the stored entries (entry 0 included) of a file's
  // table section; repeated entries are added only once. Always true.
  bool SetChars(const char16_t* units, int lengthBytes);

  // The code unit of a code, 0 for code 0 and codes outside the table.
  char16_t GetChar(int code) const;

  // Walk over the entries from 1 on; 0 ends it.
  char16_t First();
  char16_t Next();

  int GetCount() const { return static_cast<int>(Chars.size()); }

  // Copies every entry, entry 0 included; returns the bytes copied.
  int CopyChars(char16_t* out) const;

  // Fills out, which has room for GetCount() * bank.GlyphBytes bytes, with
  // the glyph of each entry in order; a slot whose character the bank lacks
  // is zeros. Returns the bytes of glyphs copied after slot 0.
  int WriteGlyphs(std::uint8_t* out) const;

  const TFontBank& Bank;
  int NextIndex = 1;
  std::vector<char16_t> Chars;

 private:
  std::size_t cursor_ = 0;
  std::vector<int> index_;  // code unit -> first code, 0 while absent
};
