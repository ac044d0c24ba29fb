#include "Fontbank.h"

#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <memory>

TFontBank fontBank;

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

int TFontBank::ComputeGlyphBytes(int n) { return n * ((n + 7) / 8); }

void TFontBank::Reset() {
  GlyphBytes = 0;
  GlyphSize = 0;
  FileSize = 0;
  Glyphs.clear();
  Glyphs.shrink_to_fit();
}

int TFontBank::Load(const std::string& path) {
  Reset();
  std::unique_ptr<std::FILE, FileCloser> f(std::fopen(path.c_str(), "rb"));
  if (!f) return 0;
  struct stat st {};
  if (fstat(fileno(f.get()), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
  const long long size = st.st_size;
  if (size < kHeaderSize) return 0;

  unsigned char header[kHeaderSize];
  if (std::fread(header, 1, sizeof header, f.get()) != sizeof header) return 0;
  if (std::memcmp(header, "KVFT", 4) != 0) return 0;
  const int n = static_cast<std::int16_t>(header[6] | (header[7] << 8));
  if (n < 1 || n > kMaxGlyphSize) return 0;
  const int glyphBytes = ComputeGlyphBytes(n);

  // Code units are 16-bit: nothing past the glyph of U+FFFF can be asked for,
  // so an oversized file costs no more memory than a full bank.
  const long long full = 65536LL * glyphBytes;
  const long long take = std::min(size - kHeaderSize, full);
  if (take <= 0) return 0;

  std::vector<std::uint8_t> data(static_cast<std::size_t>(take));
  if (std::fread(data.data(), 1, data.size(), f.get()) != data.size()) return 0;

  GlyphSize = n;
  GlyphBytes = glyphBytes;
  FileSize = static_cast<int>(std::min<long long>(size, INT_MAX));
  Glyphs = std::move(data);
  return static_cast<int>(take);
}

int TFontBank::GetGlyphCount() const {
  if (GlyphBytes <= 0) return 0;
  return static_cast<int>(Glyphs.size() / static_cast<std::size_t>(GlyphBytes));
}

const std::uint8_t* TFontBank::GetGlyph(char16_t unit) const {
  if (GlyphSize <= 0 || unit >= GetGlyphCount()) return nullptr;
  return Glyphs.data() + static_cast<std::size_t>(unit) * GlyphBytes;
}
