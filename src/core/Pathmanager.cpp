#include "Pathmanager.h"

#include "Folders.h"

TPathManager* pathManager = nullptr;

namespace {

QString withSlash(QString dir) {
  if (!dir.endsWith(QLatin1Char('/'))) dir += QLatin1Char('/');
  return dir;
}

// A special folder that could not be worked out leaves the folder unset
// rather than pointing at the file system's root.
QString joined(const QString& dir, const char* name) {
  if (dir.isEmpty()) return {};
  return withSlash(dir) + QLatin1String(name);
}

}  // namespace

SystemFolders SystemFolders::FromPlatform() {
  SystemFolders f;
  f.exeDir = folders::ProgramDir();
  f.appDataDir = folders::SpecialFolder(folders::kAppData);
  f.documentsDir = folders::SpecialFolder(folders::kPersonal);
  f.commonDataDir = folders::SpecialFolder(folders::kCommonAppData);
  return f;
}

TPathManager::TPathManager() : TPathManager(SystemFolders::FromPlatform()) {}

TPathManager::TPathManager(const SystemFolders& f) {
  ConfigFileName = QLatin1String(kIniFileName);
  Portable = false;
  ExeDir = withSlash(f.exeDir);
  ConfigDir = joined(f.appDataDir, kProgramFolderName);
  if (!ConfigDir.isEmpty()) ConfigDir = withSlash(ConfigDir);
  DocumentsDir = joined(f.documentsDir, kProgramFolderName);
  CommonDataDir = joined(f.commonDataDir, kProgramFolderName);

  if (folders::FileExists(ExeDir + QLatin1String(kPortableMarkerName))) {
    ConfigFileName = QLatin1String(kPortableMarkerName);
    Portable = true;
    ConfigDir = ExeDir;
    DataDir = ExeDir + QLatin1String("data");
    WebDir = ExeDir + QLatin1String("web");
  } else {
    DataDir = DocumentsDir;
    WebDir = ConfigDir.isEmpty() ? QString() : ConfigDir + QLatin1String("web");
    folders::CreateFolder(ConfigDir);
    folders::CreateFolder(DocumentsDir);
  }
  // Failures are not reported here: whatever needs a folder reports its own
  // failure to write into it.
  folders::CreateFolder(DataDir);
  folders::CreateFolder(WebDir);
}

QString TPathManager::GetSpecialFolder(int csidl) { return folders::SpecialFolder(csidl); }
