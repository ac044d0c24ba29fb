#include "Codepage.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <mutex>

namespace codepage {

namespace {

// ICU names of the Windows tables (plain "cp950" is IBM's table, not Windows').
const char* icuName(int cp) {
  switch (cp) {
    case kWestern: return "windows-1252";
    case kJapanese: return "windows-31j";
    case kSimplifiedChinese: return "windows-936";
    case kTraditionalChinese: return "windows-950";
    default: return nullptr;
  }
}

std::mutex localeMutex;
std::string runtimeLocale = "C";
int runtimeCodePage = kLatin1;

QByteArray encodeOne(const QString& piece, int cp, bool& ok) {
  QStringEncoder enc(icuName(cp));
  QByteArray b = enc.encode(piece);
  ok = !enc.hasError() && enc.isValid();
  return b;
}

}  // namespace

bool IsSupported(int cp) { return cp == kLatin1 || icuName(cp) != nullptr; }

int FromLocaleName(std::string_view locale) {
  if (locale == "C" || locale == "POSIX") return kLatin1;
  if (locale == ".1252") return kWestern;
  if (locale == ".932") return kJapanese;
  if (locale == ".936") return kSimplifiedChinese;
  if (locale == ".950") return kTraditionalChinese;
  return 0;
}

QString Decode(QByteArrayView bytes, int cp) {
  if (cp == kLatin1) return QString::fromLatin1(bytes);
  const char* name = icuName(cp);
  if (!name) return QString::fromLatin1(bytes);
  QStringDecoder dec(name);
  if (!dec.isValid()) return QString::fromLatin1(bytes);
  return dec.decode(bytes);
}

QByteArray Encode(const QString& text, int cp, bool* lossless) {
  bool allOk = true;
  QByteArray out;
  if (cp == kLatin1 || !icuName(cp)) {
    out.reserve(text.size());
    for (QChar c : text) {
      if (c.unicode() < 256) {
        out.append(static_cast<char>(c.unicode()));
      } else {
        out.append('?');
        allOk = false;
      }
    }
  } else {
    bool ok = false;
    out = encodeOne(text, cp, ok);
    if (!ok) {
      // Redo character by character so only what cannot be expressed turns
      // into '?' (the converter's own substitute differs per table).
      out.clear();
      allOk = true;
      for (qsizetype i = 0; i < text.size();) {
        qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size() &&
                       text[i + 1].isLowSurrogate()) ? 2 : 1;
        bool one = false;
        QByteArray b = encodeOne(text.mid(i, n), cp, one);
        if (one && !b.isEmpty()) {
          out.append(b);
        } else {
          out.append('?');
          allOk = false;
        }
        i += n;
      }
    }
  }
  if (lossless) *lossless = allOk;
  return out;
}

bool IsValidUtf8(QByteArrayView bytes) {
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n;) {
    unsigned char c = p[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    int len;
    unsigned cp;
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + len > n) return false;
    for (int k = 1; k < len; ++k) {
      if ((p[i + k] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (p[i + k] & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += len;
  }
  return true;
}

QString DecodeUtf8OrWestern(QByteArrayView bytes) {
  if (IsValidUtf8(bytes)) return QString::fromUtf8(bytes);
  return Decode(bytes, kWestern);
}

std::vector<QByteArrayView> SplitLines(QByteArrayView bytes) {
  std::vector<QByteArrayView> lines;
  qsizetype start = 0;
  const qsizetype n = bytes.size();
  while (start < n) {
    qsizetype i = start;
    while (i < n && bytes[i] != '\r' && bytes[i] != '\n') ++i;
    lines.push_back(bytes.sliced(start, i - start));
    if (i < n && bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  return lines;
}

bool SetRuntimeLocale(std::string_view locale) {
  int cp = FromLocaleName(locale);
  if (cp == 0) return false;
  std::lock_guard lock(localeMutex);
  runtimeLocale = std::string(locale);
  runtimeCodePage = cp;
  return true;
}

std::string RuntimeLocale() {
  std::lock_guard lock(localeMutex);
  return runtimeLocale;
}

int RuntimeCodePage() {
  std::lock_guard lock(localeMutex);
  return runtimeCodePage;
}

ScopedRuntimeLocale::ScopedRuntimeLocale(std::string_view locale) : previous_(RuntimeLocale()) {
  SetRuntimeLocale(locale);
}

ScopedRuntimeLocale::~ScopedRuntimeLocale() { SetRuntimeLocale(previous_); }

int SystemCodePage() { return kWestern; }

}  // namespace codepage
