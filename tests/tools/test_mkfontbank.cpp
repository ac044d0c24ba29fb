#include "Fontbank.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QString>

#include <filesystem>
#include <vector>

#include "Testenv.h"

namespace fs = std::filesystem;

namespace {

int RunTool(const fs::path& in, const fs::path& out) {
  QProcess p;
  p.start(QString::fromStdString((testenv::buildDir() / "tools" / "mkfontbank").string()),
          {QString::fromStdString(in.string()), QString::fromStdString(out.string())});
  if (!p.waitForFinished(60000)) return -1;
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

std::vector<std::uint8_t> GlyphOf(const TFontBank& bank, char16_t unit) {
  const std::uint8_t* g = bank.GetGlyph(unit);
  return g ? std::vector<std::uint8_t>(g, g + bank.GlyphBytes) : std::vector<std::uint8_t>{};
}

// Narrow rows go to the left byte of each two-byte row.
std::vector<std::uint8_t> Narrow(const std::vector<std::uint8_t>& rows) {
  std::vector<std::uint8_t> g;
  for (auto r : rows) {
    g.push_back(r);
    g.push_back(0);
  }
  return g;
}

const std::vector<std::uint8_t> kBlank(32, 0);

}  // namespace

TEST(MkFontBank, WritesTheLayoutTheBankReads) {
  const fs::path dir = testenv::scratchDir("mkfontbank");
  testenv::writeFile(dir / "in.hex",
                     "0001:AAAA00018000000180004A51EA505A51C99E0001800000018000000180005555\n"
                     "0041:0000000018242442427E424242420000\n"
                     "4E00:0000000000000000000000000000FFFE00000000000000000000000000000000\r\n"
                     "E000:FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF\n"
                     "1F600:0000000018242442427E424242420000\n"
                     "FFFD:0000007E665A5A7A76767E76767E0000");  // no final line end
  ASSERT_EQ(RunTool(dir / "in.hex", dir / "font.bnk"), 0);
  TFontBank bank;
  ASSERT_EQ(bank.Load((dir / "font.bnk").string()), 2097152);
  EXPECT_EQ(bank.GlyphSize, 16);
  EXPECT_EQ(GlyphOf(bank, u'A'), Narrow({0, 0, 0, 0, 0x18, 0x24, 0x24, 0x42, 0x42, 0x7E, 0x42, 0x42, 0x42, 0x42, 0, 0}));
  std::vector<std::uint8_t> wide(32, 0);
  wide[14] = 0xFF;
  wide[15] = 0xFE;
  EXPECT_EQ(GlyphOf(bank, 0x4E00), wide);
  EXPECT_EQ(GlyphOf(bank, 0xFFFD)[8], 0x66);
  EXPECT_EQ(GlyphOf(bank, 0x0001), kBlank);  // control code
  EXPECT_EQ(GlyphOf(bank, 0xE000), kBlank);  // private use
  EXPECT_EQ(GlyphOf(bank, 0xF600), kBlank);  // a code point beyond 16 bits is not folded in
  EXPECT_EQ(GlyphOf(bank, u'B'), kBlank);    // missing
}

TEST(MkFontBank, RefusesAMalformedFontAndWritesNothing) {
  const fs::path dir = testenv::scratchDir("mkfontbank");
  const char* inputs[] = {"0041:00000000182424\n", "00G1:0000000018242442427E424242420000\n", "no colon\n"};
  for (const char* text : inputs) {
    SCOPED_TRACE(text);
    testenv::writeFile(dir / "bad.hex", text);
    EXPECT_NE(RunTool(dir / "bad.hex", dir / "font.bnk"), 0);
    EXPECT_FALSE(fs::exists(dir / "font.bnk"));
  }
  EXPECT_NE(RunTool(dir / "missing.hex", dir / "font.bnk"), 0);
}

TEST(MkFontBank, ShippedBankHoldsUnifont) {
  TFontBank bank;
  ASSERT_EQ(bank.Load((testenv::binDir() / "font.bnk").string()), 2097152);
  EXPECT_EQ(GlyphOf(bank, u'A'), Narrow({0, 0, 0, 0, 0x18, 0x24, 0x24, 0x42, 0x42, 0x7E, 0x42, 0x42, 0x42, 0x42, 0, 0}));
  EXPECT_NE(GlyphOf(bank, 0x4E00), kBlank);
  for (char16_t blank : {char16_t(0), char16_t(0x1F), char16_t(0x85), char16_t(0xD800), char16_t(0xDFFF),
                         char16_t(0xE000), char16_t(0xF8FF), char16_t(0xFFFF)})
    EXPECT_EQ(GlyphOf(bank, blank), kBlank) << int(blank);
}
