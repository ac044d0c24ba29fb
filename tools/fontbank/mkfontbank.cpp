// mkfontbank: writes the glyph font bank "font.bnk" from GNU Unifont's .hex
// file (Debian package unifont, /usr/share/unifont/unifont.hex).
//
//   mkfontbank INPUT.hex OUTPUT.bnk
//
// Layout written (little-endian):
//   0   4  "KVFT"
//   4   2  0 (not read by the program)
//   6   2  glyph size N = 16
//   8  24  0 (not read by the program)
//   32     65536 glyphs of 32 bytes, for the UTF-16 code units 0000..FFFF
//
// Pixel layout of a glyph (our choice; the device's own layout is not yet
// confirmed): 16 rows from top to bottom, two bytes per row, the most
// significant bit of the first byte is the leftmost pixel, 1 = ink. Narrow
// (8x16) Unifont glyphs sit in the left half (second byte of each row 0).
// Control codes (0000-001F, 007F-009F), surrogates (D800-DFFF), private use
// (E000-F8FF) and code units Unifont lacks get blank glyphs.
//
// Unifont is GPL-2+; see UNIFONT-COPYRIGHT beside this file.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kGlyphSize = 16;
constexpr int kGlyphBytes = kGlyphSize * 2;
constexpr int kHeaderSize = 32;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool Blank(unsigned cp) {
  return cp <= 0x1F || (cp >= 0x7F && cp <= 0x9F) || (cp >= 0xD800 && cp <= 0xF8FF);
}

// One "XXXX:bitmap" line into the bank; false for a malformed line. Code
// points beyond the 16-bit range are skipped.
bool TakeLine(const std::string& line, std::vector<std::uint8_t>& glyphs) {
  const std::size_t colon = line.find(':');
  if (colon == std::string::npos || colon == 0 || colon > 6) return false;
  unsigned cp = 0;
  for (std::size_t i = 0; i < colon; ++i) {
    const int v = HexValue(line[i]);
    if (v < 0) return false;
    cp = cp * 16 + static_cast<unsigned>(v);
  }
  std::string bits = line.substr(colon + 1);
  while (!bits.empty() && (bits.back() == '\r' || bits.back() == ' ')) bits.pop_back();
  if (bits.size() != 32 && bits.size() != 64) return false;
  std::uint8_t bytes[32];
  const std::size_t n = bits.size() / 2;
  for (std::size_t i = 0; i < n; ++i) {
    const int hi = HexValue(bits[2 * i]), lo = HexValue(bits[2 * i + 1]);
    if (hi < 0 || lo < 0) return false;
    bytes[i] = static_cast<std::uint8_t>(hi * 16 + lo);
  }
  if (cp > 0xFFFF || Blank(cp)) return true;
  std::uint8_t* g = glyphs.data() + static_cast<std::size_t>(cp) * kGlyphBytes;
  if (n == 32) {
    std::memcpy(g, bytes, 32);
  } else {
    for (int row = 0; row < kGlyphSize; ++row) {
      g[2 * row] = bytes[row];
      g[2 * row + 1] = 0;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: mkfontbank INPUT.hex OUTPUT.bnk\n");
    return 2;
  }
  std::FILE* in = std::fopen(argv[1], "rb");
  if (!in) {
    std::fprintf(stderr, "mkfontbank: cannot open %s\n", argv[1]);
    return 1;
  }
  std::vector<std::uint8_t> glyphs(65536u * kGlyphBytes, 0);
  std::string line;
  long lineNo = 0;
  int c;
  bool ok = true;
  for (;;) {
    line.clear();
    while ((c = std::fgetc(in)) != EOF && c != '\n') line.push_back(static_cast<char>(c));
    if (c == EOF && line.empty()) break;
    ++lineNo;
    if (!line.empty() && !TakeLine(line, glyphs)) {
      std::fprintf(stderr, "mkfontbank: %s:%ld: not a glyph line\n", argv[1], lineNo);
      ok = false;
      break;
    }
    if (c == EOF) break;
  }
  std::fclose(in);
  if (!ok) return 1;

  std::uint8_t header[kHeaderSize] = {'K', 'V', 'F', 'T'};
  header[6] = kGlyphSize;
  const std::string tmp = std::string(argv[2]) + ".tmp";
  std::FILE* out = std::fopen(tmp.c_str(), "wb");
  if (!out) {
    std::fprintf(stderr, "mkfontbank: cannot create %s\n", tmp.c_str());
    return 1;
  }
  const bool written = std::fwrite(header, 1, sizeof header, out) == sizeof header &&
                       std::fwrite(glyphs.data(), 1, glyphs.size(), out) == glyphs.size();
  if (std::fclose(out) != 0 || !written || std::rename(tmp.c_str(), argv[2]) != 0) {
    std::remove(tmp.c_str());
    std::fprintf(stderr, "mkfontbank: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
