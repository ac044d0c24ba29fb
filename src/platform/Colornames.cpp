#include "Colornames.h"

#include "Textfmt.h"

#include <array>

namespace colornames {

namespace {

struct Named {
  TColor color;
  const char* name;
};

constexpr std::array<Named, 20> kNames{{
    {clBlack, "clBlack"},     {clMaroon, "clMaroon"},         {clGreen, "clGreen"},
    {clOlive, "clOlive"},     {clNavy, "clNavy"},             {clPurple, "clPurple"},
    {clTeal, "clTeal"},       {clGray, "clGray"},             {clSilver, "clSilver"},
    {clRed, "clRed"},         {clLime, "clLime"},             {clYellow, "clYellow"},
    {clBlue, "clBlue"},       {clFuchsia, "clFuchsia"},       {clAqua, "clAqua"},
    {clWhite, "clWhite"},     {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},     {clMedGray, "clMedGray"},
}};

}  // namespace

bool TryStringToColor(const QString& text, TColor& out) {
  QString t = text.trimmed();
  for (const Named& n : kNames) {
    if (t.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) {
      out = n.color;
      return true;
    }
  }
  int v = 0;
  if (!textfmt::TryStrToInt(t, v) || v < 0 || v > 0xFFFFFF) return false;
  out = static_cast<TColor>(v);
  return true;
}

QString ColorToString(TColor c) {
  for (const Named& n : kNames)
    if (n.color == c) return QLatin1String(n.name);
  return QStringLiteral("$%1").arg(c, 8, 16, QLatin1Char('0')).toUpper();
}

}  // namespace colornames
