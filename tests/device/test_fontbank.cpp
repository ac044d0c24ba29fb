#include "Fontbank.h"
#include "Fonttable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Testenv.h"

namespace {

// A bank file: header with magic and glyph size, then the given glyph bytes.
std::string BankBytes(const char* magic, int glyphSize, const std::string& glyphs) {
  std::string s(32, '\0');
  std::memcpy(s.data(), magic, 4);
  s[6] = static_cast<char>(glyphSize & 0xFF);
  s[7] = static_cast<char>((glyphSize >> 8) & 0xFF);
  return s + glyphs;
}

// count glyphs of bytesPerGlyph bytes; glyph k is filled with the byte k + 1.
std::string Glyphs(int count, int bytesPerGlyph) {
  std::string s;
  for (int k = 0; k < count; ++k) s.append(static_cast<std::size_t>(bytesPerGlyph), static_cast<char>(k + 1));
  return s;
}

std::string WriteBank(const std::string& name, const std::string& bytes) {
  const auto path = testenv::scratchDir("fontbank") / name;
  testenv::writeFile(path, bytes);
  return path.string();
}

void ExpectEmpty(const TFontBank& bank) {
  EXPECT_EQ(bank.GlyphSize, 0);
  EXPECT_EQ(bank.GlyphBytes, 0);
  EXPECT_TRUE(bank.Glyphs.empty());
  EXPECT_EQ(bank.GetGlyph(u'A'), nullptr);
  EXPECT_EQ(bank.GetGlyph(0), nullptr);
}

}  // namespace

TEST(FontBank, GlyphBytesTable) {
  const int cases[][2] = {{1, 1}, {8, 8}, {9, 18}, {12, 24}, {16, 32}, {24, 72}, {64, 512}};
  for (const auto& c : cases) EXPECT_EQ(TFontBank::ComputeGlyphBytes(c[0]), c[1]) << c[0];
}

TEST(FontBank, FullBankLoadsAndIndexesByCodeUnit) {
  std::string glyphs(65536u * 32, '\0');
  for (int k = 0; k < 65536; ++k) {
    glyphs[static_cast<std::size_t>(k) * 32] = static_cast<char>(k & 0xFF);
    glyphs[static_cast<std::size_t>(k) * 32 + 31] = static_cast<char>(k >> 8);
  }
  TFontBank bank;
  EXPECT_EQ(bank.Load(WriteBank("full.bnk", BankBytes("KVFT", 16, glyphs))), 2097152);
  EXPECT_EQ(bank.GlyphSize, 16);
  EXPECT_EQ(bank.GlyphBytes, 32);
  EXPECT_EQ(bank.FileSize, 32 + 2097152);
  EXPECT_EQ(bank.GetGlyphCount(), 65536);
  ASSERT_EQ(bank.GetGlyph(u'A'), bank.Glyphs.data() + 65 * 32);
  const std::uint8_t* last = bank.GetGlyph(0xFFFF);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last[0], 0xFF);
  EXPECT_EQ(last[31], 0xFF);
}

TEST(FontBank, BadFilesLeaveTheBankEmpty) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      {"empty", ""},
      {"twenty bytes", std::string(20, 'K')},
      {"header cut short", BankBytes("KVFT", 16, "").substr(0, 31)},
      {"wrong magic", BankBytes("KVFX", 16, Glyphs(4, 32))},
      {"header only", BankBytes("KVFT", 16, "")},
      {"glyph size 0", BankBytes("KVFT", 0, Glyphs(4, 32))},
      {"negative glyph size", BankBytes("KVFT", -16, Glyphs(4, 32))},
      {"glyph size 65", BankBytes("KVFT", 65, Glyphs(4, 32))},
      {"glyph size 32767", BankBytes("KVFT", 32767, Glyphs(4, 32))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TFontBank bank;
    // A good bank first: a failed load must not keep its glyphs.
    ASSERT_GT(bank.Load(WriteBank("good.bnk", BankBytes("KVFT", 8, Glyphs(3, 8)))), 0);
    EXPECT_EQ(bank.Load(WriteBank("bad.bnk", c.bytes)), 0);
    ExpectEmpty(bank);
  }
  TFontBank bank;
  EXPECT_EQ(bank.Load((testenv::scratchDir("fontbank") / "missing.bnk").string()), 0);
  ExpectEmpty(bank);
  EXPECT_EQ(bank.Load(testenv::scratchDir("fontbank").string()), 0);  // a folder
  ExpectEmpty(bank);
}

TEST(FontBank, PartialBankHasOnlyItsWholeGlyphs) {
  TFontBank bank;
  // Three 8x8 glyphs and five bytes of a fourth.
  EXPECT_EQ(bank.Load(WriteBank("part.bnk", BankBytes("KVFT", 8, Glyphs(3, 8) + "12345"))), 29);
  EXPECT_EQ(bank.GetGlyphCount(), 3);
  ASSERT_NE(bank.GetGlyph(2), nullptr);
  EXPECT_EQ(bank.GetGlyph(2)[7], 3);
  EXPECT_EQ(bank.GetGlyph(3), nullptr);
  EXPECT_EQ(bank.GetGlyph(u'A'), nullptr);
}

TEST(FontBank, OversizedFileIsReadOnlyUpToTheLastCodeUnit) {
  TFontBank bank;
  // Glyph size 1 means one byte per glyph; 70000 bytes exceed 65536 glyphs.
  EXPECT_EQ(bank.Load(WriteBank("big.bnk", BankBytes("KVFT", 1, std::string(70000, '\x5A')))), 65536);
  EXPECT_EQ(bank.Glyphs.size(), 65536u);
  ASSERT_NE(bank.GetGlyph(0xFFFF), nullptr);
}

// --- the character table -----------------------------------------------------------

TEST(FontTable, NewTableHoldsOnlyTheReservedEntry) {
  TFontBank bank;
  TFontTable table(bank);
  EXPECT_EQ(table.GetCount(), 1);
  EXPECT_EQ(table.NextIndex, 1);
  EXPECT_EQ(table.First(), 0);
  char16_t out[2] = {0xAAAA, 0xAAAA};
  EXPECT_EQ(table.CopyChars(out), 2);
  EXPECT_EQ(out[0], 0);
  EXPECT_EQ(out[1], 0xAAAA);
}

TEST(FontTable, CodesNumberDistinctCharactersInFirstSeenOrder) {
  TFontBank bank;
  TFontTable table(bank);
  EXPECT_EQ(table.AddChar(u'A'), 1);
  EXPECT_EQ(table.AddChar(u'B'), 2);
  EXPECT_EQ(table.AddChar(u'A'), 1);
  EXPECT_EQ(table.AddChar(0), 0);  // no character: reserved code, no growth
  EXPECT_EQ(table.GetCount(), 3);
  EXPECT_EQ(table.NextIndex, 3);
  const struct { int code; char16_t ch; } lookups[] = {{-1, 0}, {0, 0}, {1, u'A'}, {2, u'B'}, {3, 0}, {65535, 0}};
  for (const auto& l : lookups) EXPECT_EQ(table.GetChar(l.code), l.ch) << l.code;

  std::vector<char16_t> walked;
  for (char16_t c = table.First(); c != 0; c = table.Next()) walked.push_back(c);
  EXPECT_EQ(walked, (std::vector<char16_t>{u'A', u'B'}));
  EXPECT_EQ(table.Next(), 0);  // stays at the end

  char16_t out[3];
  EXPECT_EQ(table.CopyChars(out), 6);
  EXPECT_EQ(std::u16string(out, 3), (std::u16string{0, u'A', u'B'}));
}

TEST(FontTable, GrowsToEveryCodeUnit) {
  TFontBank bank;
  TFontTable table(bank);
  for (int u = 0xFFFF; u >= 1; --u) ASSERT_EQ(table.AddChar(static_cast<char16_t>(u)), 0x10000 - u);
  EXPECT_EQ(table.GetCount(), 65536);
  EXPECT_EQ(table.GetChar(65535), 1);
  EXPECT_EQ(table.AddChar(0x1234), 0x10000 - 0x1234);
}

TEST(FontTable, SetCharsRebuildsAStoredTable) {
  TFontBank bank;
  TFontTable table(bank);
  table.AddChar(u'Z');
  const char16_t stored[] = {0, u'A', u'B'};
  EXPECT_TRUE(table.SetChars(stored, sizeof stored));
  EXPECT_EQ(table.GetCount(), 3);
  EXPECT_EQ(table.GetChar(1), u'A');
  EXPECT_EQ(table.AddChar(u'C'), 3);
  EXPECT_EQ(table.AddChar(u'B'), 2);
  EXPECT_EQ(table.AddChar(u'Z'), 4);  // the old entries are gone

  // A repeated entry in a damaged table keeps the positions the file's codes use.
  const char16_t repeated[] = {0, u'A', u'A', u'B'};
  table.SetChars(repeated, sizeof repeated);
  EXPECT_EQ(table.GetCount(), 4);
  EXPECT_EQ(table.GetChar(3), u'B');
  EXPECT_EQ(table.AddChar(u'A'), 1);
  EXPECT_EQ(table.AddChar(u'B'), 3);

  // An odd byte count drops the half unit; nothing at all leaves entry 0.
  table.SetChars(stored, 5);
  EXPECT_EQ(table.GetCount(), 2);
  table.SetChars(nullptr, 0);
  EXPECT_EQ(table.GetCount(), 1);
  EXPECT_EQ(table.AddChar(u'Q'), 1);
}

TEST(FontTable, WriteGlyphsFillsEverySlot) {
  TFontBank bank;
  // Glyph k of this 8x8 bank is eight bytes of k + 1; it has glyphs 0..99.
  ASSERT_GT(bank.Load(WriteBank("small.bnk", BankBytes("KVFT", 8, Glyphs(100, 8)))), 0);
  TFontTable table(bank);
  table.AddChar(2);
  table.AddChar(u'\x3A9');  // beyond this bank
  table.AddChar(1);
  std::vector<std::uint8_t> out(4 * 8, 0xAA);
  EXPECT_EQ(table.WriteGlyphs(out.data()), 16);
  const std::vector<std::uint8_t> expected = {
      1, 1, 1, 1, 1, 1, 1, 1,  // slot 0: the glyph of code unit 0
      3, 3, 3, 3, 3, 3, 3, 3,  // code unit 2
      0, 0, 0, 0, 0, 0, 0, 0,  // missing in the bank: blank, the copy goes on
      2, 2, 2, 2, 2, 2, 2, 2,  // code unit 1
  };
  EXPECT_EQ(out, expected);
}

TEST(FontTable, WithoutABankNothingIsCopied) {
  TFontBank bank;
  TFontTable table(bank);
  table.AddChar(u'A');
  std::uint8_t out[4] = {7, 7, 7, 7};
  EXPECT_EQ(table.WriteGlyphs(out), 0);
  EXPECT_EQ(out[0], 7);
}
