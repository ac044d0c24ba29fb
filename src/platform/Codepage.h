#pragma once
// 8-bit text in the Windows code pages of the program's nine languages, and
// the stand-in for the run-time library's C locale (which code page the
// 8-bit text functions use).
//
// Conversions behave like the Windows ones: a character the code page cannot
// express becomes '?', and every byte decodes to some character.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace codepage {

constexpr int kLatin1 = 28591;  // the "C" locale: bytes are the first 256 code points
constexpr int kWestern = 1252;
constexpr int kJapanese = 932;
constexpr int kSimplifiedChinese = 936;
constexpr int kTraditionalChinese = 950;

bool IsSupported(int cp);

// ".1252", "C", ... -> the code page; 0 for a name this stand-in does not know.
int FromLocaleName(std::string_view locale);

QString Decode(QByteArrayView bytes, int cp);
// lossless (when given) tells whether every character could be expressed.
QByteArray Encode(const QString& text, int cp, bool* lossless = nullptr);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(QByteArrayView bytes);

// Text from a file that should be UTF-8 but may have been written by a
// Windows editor: valid UTF-8 is decoded as such, anything else as code page
// 1252, so no byte turns into a replacement character.
QString DecodeUtf8OrWestern(QByteArrayView bytes);

// The lines of a text file, split at CR LF, LF or CR (a final line break
// ends the last line and adds no empty one). The views point into bytes.
std::vector<QByteArrayView> SplitLines(QByteArrayView bytes);

// --- the run-time C locale ---------------------------------------------------
// Starts as "C". Setting a name that is not known leaves the locale as it was
// and returns false (as setlocale does).
bool SetRuntimeLocale(std::string_view locale);
std::string RuntimeLocale();
int RuntimeCodePage();

// Sets a locale for one scope and puts the previous one back.
class ScopedRuntimeLocale {
 public:
  explicit ScopedRuntimeLocale(std::string_view locale);
  ~ScopedRuntimeLocale();
  ScopedRuntimeLocale(const ScopedRuntimeLocale&) = delete;
  ScopedRuntimeLocale& operator=(const ScopedRuntimeLocale&) = delete;

 private:
  std::string previous_;
};

// The system's 8-bit code page (the one Windows calls the ANSI code page).
int SystemCodePage();

}  // namespace codepage
