#pragma once
// Where the settings file, the user's data and the map page live, in normal
// mode or in portable mode (a marker file "Kartovex.usb" beside the program,
// which is then the settings file itself).
//
// Folder texts use "/": ExeDir and ConfigDir end with "/", DataDir and WebDir
// do not.
#include <QString>

// The folders the path manager starts from.
struct SystemFolders {
  QString exeDir;         // the program's folder
  QString appDataDir;     // per-user application data
  QString documentsDir;   // the user's documents
  QString commonDataDir;  // all users' application data

  // The running program's folder and the desktop's special folders.
  static SystemFolders FromPlatform();
};

inline constexpr char kPortableMarkerName[] = "Kartovex.usb";
inline constexpr char kIniFileName[] = "Kartovex.ini";
inline constexpr char kProgramFolderName[] = "Kartovex";

class TPathManager {
 public:
  TPathManager();  // from SystemFolders::FromPlatform(); needs the application object
  explicit TPathManager(const SystemFolders& folders);

  QString GetDataDir() const { return DataDir; }
  QString GetConfigDir() const { return ConfigDir; }
  QString GetWebDir() const { return WebDir; }
  QString GetExeDir() const { return ExeDir; }
  static QString GetSpecialFolder(int csidl);

  QString ConfigFileName;
  bool Portable = false;
  QString ExeDir;
  QString ConfigDir;
  QString DataDir;
  QString WebDir;
  QString DocumentsDir;
  QString CommonDataDir;
};

// Null until main() constructs it; tests construct their own.
extern TPathManager* pathManager;
