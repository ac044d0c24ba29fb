#pragma once
// The one way a text goes into the map page or into a script call: as the
// body of a JavaScript string literal, safe inside either quote and inside an
// HTML script element.
#include <QString>

// Escapes backslash, both quotes, CR, LF, the other C0 controls, U+2028,
// U+2029 and "<" (as \x3C, so "</script>" and "<!--" cannot end or change
// the script element). A text without such characters comes back unchanged.
QString EscapeJsString(const QString& text);
