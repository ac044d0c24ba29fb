#pragma once
// The framework's colour values and their text: a colour is 0x00BBGGRR; its
// text is a name such as "clSilver" when one exists, else "$" and eight hex
// digits.
#include <QString>

#include <cstdint>

using TColor = std::uint32_t;

namespace colornames {

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// A colour name (letter case ignored) or a number ("$hex", "0x..." or
// decimal). Only plain RGB values are accepted: the framework's system and
// special colours have no meaning here.
bool TryStringToColor(const QString& text, TColor& out);
// The name when the colour has one, else "$00BBGGRR".
QString ColorToString(TColor c);

}  // namespace colornames
