// The script-string escaping that every text of the map page goes through.
#include <gtest/gtest.h>

#include "Jsescape.h"
#include "Qtprint.h"
#include "Testenv.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>

#include <random>

namespace {

struct Case {
  const char16_t* in;
  const char16_t* out;
};

class JsEscape : public ::testing::TestWithParam<Case> {};

TEST_P(JsEscape, EscapesWhatCouldEndTheLiteralOrTheScript) {
  EXPECT_EQ(EscapeJsString(QString::fromUtf16(GetParam().in)), QString::fromUtf16(GetParam().out));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JsEscape,
    ::testing::Values(
        Case{u"", u""},
        Case{u"Home 48.1\u00e9\u4e2d", u"Home 48.1\u00e9\u4e2d"},  // plain text unchanged
        Case{u"O'Brien", u"O\\'Brien"},
        Case{u"say \"hi\"", u"say \\\"hi\\\""},
        Case{u"C:\\maps\\", u"C:\\\\maps\\\\"},
        Case{u"two\nlines\r\n", u"two\\nlines\\r\\n"},
        Case{u"tab\there", u"tab\\there"},
        Case{u"</script><script>alert(1)</script>", u"\\x3C/script>\\x3Cscript>alert(1)\\x3C/script>"},
        Case{u"<!-- x", u"\\x3C!-- x"},
        Case{u"a\u2028b\u2029c", u"a\\u2028b\\u2029c"},
        Case{u"\x01\x1f", u"\\x01\\x1F"},
        Case{u"\\'", u"\\\\\\'"}));  // an escaped quote cannot be smuggled in

TEST(JsEscapeNul, NulCharacterIsEscaped) {
  const QString withNul = QString(QChar(u'a')) + QChar(u'\0') + QChar(u'b');
  EXPECT_EQ(EscapeJsString(withNul), QStringLiteral("a\\x00b"));
}

// Pieces that have broken escapers, mixed with random characters of every
// plane: each escaped text, put between either quote and evaluated by node,
// must give back the original exactly and run nothing.
QString RandomText(std::mt19937& random) {
  static const QString pieces[] = {
      QStringLiteral("\""), QStringLiteral("'"), QStringLiteral("\\"), QStringLiteral("\n"),
      QStringLiteral("\r"), QString(QChar(0x2028)), QString(QChar(0x2029)), QStringLiteral("</script>"),
      QStringLiteral("<!--"), QString(QChar(0)), QStringLiteral("\\'"), QStringLiteral("\\u0041"),
      QStringLiteral("`${globalThis.pwned = 1}`"), QStringLiteral("\" + (globalThis.pwned = 2) + \""),
      QStringLiteral("' + (globalThis.pwned = 3) + '"), QStringLiteral("\\x3C"), QStringLiteral("\r\n")};
  std::uniform_int_distribution<int> length(0, 24), kind(0, 9);
  QString text;
  for (int n = length(random); n > 0; --n) {
    switch (kind(random)) {
      case 0:
      case 1:
        text += pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(random)];
        break;
      case 2:  // C0 controls and DEL
        text += QChar(static_cast<char16_t>(std::uniform_int_distribution<int>(0, 0x20)(random) % 0x20));
        break;
      case 3:
      case 4:  // printable ASCII
        text += QChar(static_cast<char16_t>(std::uniform_int_distribution<int>(0x20, 0x7E)(random)));
        break;
      case 5:
      case 6: {  // the basic plane without surrogates
        int c = std::uniform_int_distribution<int>(0x80, 0xFFFF - 0x800)(random);
        if (c >= 0xD800) c += 0x800;
        text += QChar(static_cast<char16_t>(c));
        break;
      }
      default: {  // planes 1 to 16
        const char32_t c = std::uniform_int_distribution<char32_t>(0x10000, 0x10FFFF)(random);
        text += QString::fromUcs4(&c, 1);
      }
    }
  }
  return text;
}

TEST(JsEscapeNode, RandomTextsComeBackExactlyAndRunNothing) {
  const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
  if (node.isEmpty()) GTEST_SKIP() << "node missing";
  constexpr int kTexts = 100000;
  std::mt19937 random(2026);
  QJsonArray originals, literals;
  for (int i = 0; i < kTexts; ++i) {
    const QString text = RandomText(random);
    const QString escaped = EscapeJsString(text);
    // Nothing that could end the script element or start a comment in it.
    ASSERT_FALSE(escaped.contains(QLatin1Char('<'))) << i;
    const QString quote = i % 2 ? QStringLiteral("'") : QStringLiteral("\"");
    originals.append(text);
    literals.append(quote + escaped + quote);
  }
  const auto dir = testenv::scratchDir("jsescape-node");
  const QString input = QString::fromStdString((dir / "literals.json").string());
  QFile f(input);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QJsonDocument(literals).toJson(QJsonDocument::Compact));
  f.close();
  // Every literal as script source on its own; the values go back as JSON.
  const QString script = QStringLiteral(
      "const fs = require('fs');"
      "const literals = JSON.parse(fs.readFileSync(process.argv[1], 'utf8'));"
      "const values = literals.map(l => { try { return (0, eval)(l); } catch (e) { return null; } });"
      "fs.writeFileSync(process.argv[1] + '.out', JSON.stringify({values, pwned: globalThis.pwned === undefined ? 0 : 1}));");
  QProcess p;
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(node, {QStringLiteral("-e"), script, input});
  ASSERT_TRUE(p.waitForFinished(120000));
  ASSERT_EQ(p.exitCode(), 0) << p.readAll().toStdString();
  QFile out(input + QStringLiteral(".out"));
  ASSERT_TRUE(out.open(QIODevice::ReadOnly));
  const QJsonObject result = QJsonDocument::fromJson(out.readAll()).object();
  EXPECT_EQ(result[QStringLiteral("pwned")].toInt(), 0) << "an escaped text ran script";
  const QJsonArray values = result[QStringLiteral("values")].toArray();
  ASSERT_EQ(values.size(), kTexts);
  int wrong = 0;
  for (int i = 0; i < kTexts; ++i) {
    if (values[i].toString() == originals[i].toString() && values[i].isString()) continue;
    if (++wrong <= 5)
      ADD_FAILURE() << "text " << i << ": " << literals[i].toString().toStdString() << " gave "
                    << values[i].toString().toStdString();
  }
  EXPECT_EQ(wrong, 0);
}

}  // namespace
