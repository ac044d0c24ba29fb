#pragma once
// The glyph font bank "font.bnk": one bitmap glyph per UTF-16 code unit,
// read whole into memory once at start. Device files carry the glyphs of
// their own characters, copied from here as opaque blocks.
//
// File layout (little-endian): "KVFT" at 0, the glyph size N (signed 16-bit)
// at 6, the glyphs from offset 32 on, N * ((N + 7) / 8) bytes each, for the
// code units 0, 1, 2, ... in this order.
#include <cstdint>
#include <string>
#include <vector>

class TFontBank {
 public:
  static constexpr int kHeaderSize = 32;
  static constexpr int kMaxGlyphSize = 64;

  TFontBank() = default;

  // Reads the bank. Returns the number of glyph bytes taken, 0 on any failure
  // (missing, short or foreign file, a glyph size outside 1..64, no glyph
  // data); a failed load leaves the bank empty. Bytes past the glyph of
  // U+FFFF are not read.
  int Load(const std::string& path);

  static int ComputeGlyphBytes(int n);

  // The glyph of a code unit, or null when no bank is loaded or the bank
  // holds no glyph for it.
  const std::uint8_t* GetGlyph(char16_t unit) const;

  // Number of whole glyphs in the bank.
  int GetGlyphCount() const;

  int GlyphBytes = 0;  // bytes per glyph; 0 while empty
  int GlyphSize = 0;   // N; 0 while empty
  int FileSize = 0;    // length of the loaded file
  std::vector<std::uint8_t> Glyphs;

 private:
  void Reset();
};

// The process-wide bank; empty until the main window loads it.
extern TFontBank fontBank;
