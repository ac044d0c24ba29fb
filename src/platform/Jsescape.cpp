#include "Jsescape.h"

namespace {

bool NeedsEscape(char16_t c) {
  return c < 0x20 || c == u'\\' || c == u'\'' || c == u'"' || c == u'<' || c == 0x2028 ||
         c == 0x2029;
}

void AppendHex2(QString& out, unsigned v) {
  static const char digits[] = "0123456789ABCDEF";
  out += QLatin1String("\\x");
  out += QLatin1Char(digits[(v >> 4) & 0xF]);
  out += QLatin1Char(digits[v & 0xF]);
}

}  // namespace

QString EscapeJsString(const QString& text) {
  qsizetype first = 0;
  while (first < text.size() && !NeedsEscape(text[first].unicode())) ++first;
  if (first == text.size()) return text;

  QString out;
  out.reserve(text.size() + 16);
  out += QStringView(text).left(first);
  for (qsizetype i = first; i < text.size(); ++i) {
    const char16_t c = text[i].unicode();
    switch (c) {
      case u'\\': out += QLatin1String("\\\\"); break;
      case u'\'': out += QLatin1String("\\'"); break;
      case u'"': out += QLatin1String("\\\""); break;
      case u'\n': out += QLatin1String("\\n"); break;
      case u'\r': out += QLatin1String("\\r"); break;
      case u'\t': out += QLatin1String("\\t"); break;
      case 0x2028: out += QLatin1String("\\u2028"); break;
      case 0x2029: out += QLatin1String("\\u2029"); break;
      default:
        if (c < 0x20 || c == u'<')
          AppendHex2(out, c);
        else
          out += QChar(c);
    }
  }
  return out;
}
