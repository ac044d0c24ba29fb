// The ini file: read, every section and key looked up, written back; the
// written file reads the same.
#include "Fuzzinput.h"

#include "Inifile.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TIniFile ini(fuzz::InputFile(data, size, "in.ini"));
  if (ini.LoadFailed()) return 0;
  QStringList values;
  for (const QString& section : ini.ReadSections()) {
    for (const QString& key : ini.ReadSection(section)) {
      values << ini.ReadString(section, key, QStringLiteral("-"));
      ini.ReadInteger(section, key, 0);
      ini.ReadFloat(section, key, 0);
    }
  }
  const QByteArray bytes = ini.ToBytes();
  if (!ini.UpdateFile()) return 0;
  TIniFile again(fuzz::ScratchPath("in.ini"));
  if (again.ToBytes() != bytes) fuzz::Fail("ini: a rewrite reads back differently");
  QStringList valuesAgain;
  for (const QString& section : again.ReadSections())
    for (const QString& key : again.ReadSection(section))
      valuesAgain << again.ReadString(section, key, QStringLiteral("-"));
  if (values != valuesAgain) fuzz::Fail("ini: values change over a rewrite");
  // Each value written again reads back as it was (line breaks become
  // blanks: they would split the line).
  for (const QString& section : again.ReadSections()) {
    for (const QString& key : again.ReadSection(section)) {
      QString v = again.ReadString(section, key, QString());
      again.WriteString(section, key, v);
      v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
      if (again.ReadString(section, key, QString()) != v) fuzz::Fail("ini: a value written again reads back changed");
    }
  }
  // A change and a rewrite keep the rest.
  again.WriteString(QStringLiteral("Fuzz"), QStringLiteral("Key"), QStringLiteral("v"));
  if (again.ReadString(QStringLiteral("Fuzz"), QStringLiteral("Key"), QString()) != QStringLiteral("v"))
    fuzz::Fail("ini: a written value does not read back");
  return 0;
}
