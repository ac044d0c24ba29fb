// The settings record read from the ini file (favourites included): read
// and written back three times, the last two files agree (the first write
// may still change a first-run setting).
#include "Fuzzinput.h"

#include "Apconfig.h"
#include "Pathmanager.h"

#include <QDir>

namespace {

// As the main window does before the save: WState then holds whether the
// window is in its normal state, which the file keeps negated.
bool Save(ApConfig& config) {
  config.WState = !config.WState;
  return config.Save();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const SystemFolders folders = [] {
    const QString root = fuzz::ScratchPath("settings");
    const SystemFolders f{root + QStringLiteral("/exe"), root + QStringLiteral("/appdata"),
                          root + QStringLiteral("/docs"), root + QStringLiteral("/common")};
    for (const QString& d : {f.exeDir, f.appDataDir + QStringLiteral("/Kartovex"), f.documentsDir, f.commonDataDir})
      QDir().mkpath(d);
    return f;
  }();
  const TPathManager paths(folders);
  const QString ini = folders.appDataDir + QStringLiteral("/Kartovex/Kartovex.ini");
  QFile::remove(ini);
  {
    QFile f(ini);
    if (!f.open(QIODevice::WriteOnly)) fuzz::Fail("cannot write the ini file");
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  {
    ApConfig config(paths);
    if (!Save(config)) return 0;
  }
  QByteArray second;
  {
    ApConfig config(paths);
    if (!Save(config)) fuzz::Fail("settings: a written file cannot be written again");
    second = fuzz::ReadBytes(ini);
  }
  ApConfig third(paths);
  if (!Save(third)) fuzz::Fail("settings: a written file cannot be written again");
  fuzz::ExpectSame(second, fuzz::ReadBytes(ini), "settings: read and written again, the file changes");
  return 0;
}
