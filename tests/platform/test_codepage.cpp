// 8-bit text in the languages' code pages and the run-time locale stand-in.
#include "Codepage.h"

#include <gtest/gtest.h>
#include "Qtprint.h"

namespace {

struct CodepageCase {
  int cp;
  const char* utf8;
  QByteArray bytes;
};

TEST(Codepage, RoundTripsEachLanguagesText) {
  const CodepageCase cases[] = {
      {codepage::kWestern, "K\xC3\xB6ln \xE2\x82\xAC \xC3\xA9t\xC3\xA9", QByteArray("K\xF6ln \x80 \xE9t\xE9")},
      {codepage::kJapanese, "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E A \xEF\xBD\xB1",
       QByteArray("\x93\xFA\x96\x7B\x8C\xEA A \xB1")},
      {codepage::kSimplifiedChinese, "\xE7\xAE\x80\xE4\xBD\x93\xE4\xB8\xAD\xE6\x96\x87",
       QByteArray("\xBC\xF2\xCC\xE5\xD6\xD0\xCE\xC4")},
      {codepage::kTraditionalChinese, "\xE7\xB9\x81\xE9\xAB\x94\xE4\xB8\xAD\xE6\x96\x87",
       QByteArray("\xC1\x63\xC5\xE9\xA4\xA4\xA4\xE5")},
      {codepage::kLatin1, "\xC3\xBF\xC2\x80", QByteArray("\xFF\x80")},
  };
  for (const CodepageCase& c : cases) {
    QString text = QString::fromUtf8(c.utf8);
    bool lossless = false;
    EXPECT_EQ(codepage::Encode(text, c.cp, &lossless), c.bytes) << c.cp;
    EXPECT_TRUE(lossless) << c.cp;
    EXPECT_EQ(codepage::Decode(c.bytes, c.cp), text) << c.cp;
  }
}

TEST(Codepage, UnexpressibleCharactersBecomeQuestionMarks) {
  const struct {
    int cp;
    const char* utf8;
    QByteArray bytes;
  } cases[] = {
      {codepage::kWestern, "a\xE6\x97\xA5" "b", "a?b"},
      {codepage::kJapanese, "\xC3\xBC\xE6\x97\xA5", "?\x93\xFA"},
      {codepage::kTraditionalChinese, "\xC3\xBC" "x", "?x"},
      {codepage::kLatin1, "\xE2\x82\xAC", "?"},
      {codepage::kWestern, "\xF0\x9F\x98\x80", "?"},  // one character outside the BMP, one '?'
  };
  for (const auto& c : cases) {
    bool lossless = true;
    EXPECT_EQ(codepage::Encode(QString::fromUtf8(c.utf8), c.cp, &lossless), c.bytes) << c.cp;
    EXPECT_FALSE(lossless);
  }
}

TEST(Codepage, EveryWesternByteDecodesToACharacterAndBack) {
  QByteArray all;
  for (int b = 1; b < 256; ++b) all.append(static_cast<char>(b));
  QString text = codepage::Decode(all, codepage::kWestern);
  EXPECT_EQ(text.size(), 255);
  EXPECT_FALSE(text.contains(QChar(0xFFFD)));
  EXPECT_EQ(codepage::Encode(text, codepage::kWestern), all);
}

TEST(Codepage, Utf8Validation) {
  const struct {
    QByteArray bytes;
    bool valid;
  } cases[] = {
      {"", true},
      {"plain", true},
      {"\xC3\xB6", true},
      {"\xE2\x82\xAC", true},
      {"\xF0\x9F\x98\x80", true},
      {"\xF6", false},              // a 1252 letter
      {"\xC3", false},              // cut short
      {"\xC0\xAF", false},          // overlong
      {"\xE0\x80\xAF", false},      // overlong
      {"\xED\xA0\x80", false},      // surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
      {"\x80", false},              // lone continuation
  };
  for (const auto& c : cases) EXPECT_EQ(codepage::IsValidUtf8(c.bytes), c.valid) << c.bytes.toHex().constData();
  EXPECT_EQ(codepage::DecodeUtf8OrWestern("K\xF6ln"), QString::fromUtf8("K\xC3\xB6ln"));
  EXPECT_EQ(codepage::DecodeUtf8OrWestern("K\xC3\xB6ln"), QString::fromUtf8("K\xC3\xB6ln"));
}

TEST(Codepage, RuntimeLocale) {
  EXPECT_EQ(codepage::FromLocaleName(".932"), codepage::kJapanese);
  EXPECT_EQ(codepage::FromLocaleName("de_DE"), 0);
  ASSERT_TRUE(codepage::SetRuntimeLocale(".1252"));
  {
    codepage::ScopedRuntimeLocale scoped(".950");
    EXPECT_EQ(codepage::RuntimeCodePage(), codepage::kTraditionalChinese);
    EXPECT_FALSE(codepage::SetRuntimeLocale("klingon"));
    EXPECT_EQ(codepage::RuntimeLocale(), ".950");
  }
  EXPECT_EQ(codepage::RuntimeLocale(), ".1252");
  EXPECT_EQ(codepage::RuntimeCodePage(), codepage::kWestern);
}

}  // namespace
