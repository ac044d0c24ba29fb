// The script-string escaping that every text of the map page goes through.
#include <gtest/gtest.h>

#include "Jsescape.h"
#include "Qtprint.h"

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

}  // namespace
