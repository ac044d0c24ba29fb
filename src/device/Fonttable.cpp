#include "Fonttable.h"

#include <algorithm>
#include <cstring>

#include "Fontbank.h"

TFontTable::TFontTable(const TFontBank& bank) : Bank(bank), Chars{0}, index_(65536, 0) {}

int TFontTable::AddChar(char16_t unit) {
  // Character 0 is no character: it keeps the reserved code instead of
  // growing the table with every padding unit.
  if (unit == 0) return 0;
  int& slot = index_[unit];
  if (slot != 0) return slot;
  Chars.push_back(unit);
  slot = NextIndex++;
  return slot;
}

bool TFontTable::SetChars(const char16_t* units, int lengthBytes) {
  // The codes in a file are positions in its stored table, so the entries keep
  // their positions, even a repeated one in a damaged table.
  Chars.clear();
  std::fill(index_.begin(), index_.end(), 0);
  const int count = units && lengthBytes > 0 ? lengthBytes / 2 : 0;
  Chars.assign(units, units + count);
  if (Chars.empty()) Chars.push_back(0);
  for (int i = 1; i < static_cast<int>(Chars.size()); ++i) {
    int& slot = index_[Chars[i]];
    if (slot == 0 && Chars[i] != 0) slot = i;
  }
  NextIndex = static_cast<int>(Chars.size());
  cursor_ = 0;
  return true;
}

char16_t TFontTable::GetChar(int code) const {
  if (code < 1 || code >= GetCount()) return 0;
  return Chars[static_cast<std::size_t>(code)];
}

char16_t TFontTable::First() {
  cursor_ = 1;
  return cursor_ < Chars.size() ? Chars[cursor_] : 0;
}

char16_t TFontTable::Next() {
  if (cursor_ < Chars.size()) ++cursor_;
  return cursor_ < Chars.size() ? Chars[cursor_] : 0;
}

int TFontTable::CopyChars(char16_t* out) const {
  std::memcpy(out, Chars.data(), Chars.size() * sizeof(char16_t));
  return static_cast<int>(Chars.size() * sizeof(char16_t));
}

int TFontTable::WriteGlyphs(std::uint8_t* out) const {
  const int gb = Bank.GlyphBytes;
  if (gb <= 0) return 0;
  std::memset(out, 0, Chars.size() * static_cast<std::size_t>(gb));
  int copied = 0;
  for (std::size_t i = 0; i < Chars.size(); ++i) {
    const std::uint8_t* glyph = Bank.GetGlyph(Chars[i]);
    if (!glyph) continue;
    std::memcpy(out + i * static_cast<std::size_t>(gb), glyph, static_cast<std::size_t>(gb));
    if (i > 0) copied += gb;
  }
  return copied;
}
