// Colour values and their text.
#include "Colornames.h"

#include <gtest/gtest.h>
#include "Qtprint.h"

namespace {

TEST(Colornames, TextToColour) {
  const struct {
    const char* text;
    bool ok;
    TColor color;
  } cases[] = {
      {"clSilver", true, 0xC0C0C0},  {"CLSILVER", true, 0xC0C0C0},  {" clRed ", true, 0x0000FF},
      {"clMoneyGreen", true, 0xC0DCC0}, {"$00FF8000", true, 0xFF8000}, {"$ff", true, 0xFF},
      {"0x00ff00", true, 0x00FF00},  {"255", true, 255},            {"clSilverish", false, 0},
      {"", false, 0},                {"-1", false, 0},              {"$1000000", false, 0},
      {"$FF000000", false, 0},       {"clBtnFace", false, 0},       {"12 34", false, 0},
  };
  for (const auto& c : cases) {
    TColor got = 0x123456;
    EXPECT_EQ(colornames::TryStringToColor(QString::fromUtf8(c.text), got), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(got, c.color) << c.text;
    }
  }
}

TEST(Colornames, ColourToText) {
  EXPECT_EQ(colornames::ColorToString(0xC0C0C0), "clSilver");
  EXPECT_EQ(colornames::ColorToString(0x00FF00), "clLime");
  EXPECT_EQ(colornames::ColorToString(0xA4A0A0), "clMedGray");
  EXPECT_EQ(colornames::ColorToString(0xFF8000), "$00FF8000");
  EXPECT_EQ(colornames::ColorToString(0x00000A), "$0000000A");
  // Every text we write reads back as the same colour.
  for (TColor c : {0x000000u, 0xFFFFFFu, 0x123456u, 0xF0CAA6u}) {
    TColor back = 0;
    ASSERT_TRUE(colornames::TryStringToColor(colornames::ColorToString(c), back));
    EXPECT_EQ(back, c);
  }
}

}  // namespace
