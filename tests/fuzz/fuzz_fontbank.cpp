// The glyph font bank.
#include "Fuzzinput.h"

#include "Fontbank.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TFontBank bank;
  const int taken = bank.Load(fuzz::InputFile(data, size, "font.bnk").toStdString());
  if (taken == 0) return 0;
  const int count = bank.GetGlyphCount();
  volatile unsigned sum = 0;
  for (int u : {0, 1, 0x41, count - 1, count, 0xFFFF}) {
    if (u < 0 || u > 0xFFFF) continue;
    const uint8_t* g = bank.GetGlyph(static_cast<char16_t>(u));
    if (!g) continue;
    for (int i = 0; i < bank.GlyphBytes; ++i) sum = sum + g[i];  // every byte must be inside the bank
  }
  return 0;
}
