#pragma once
// A fresh set of folders for one test of the settings: the program folder,
// the user's application-data and documents folders and the common folder,
// all below one scratch folder.
#include "Pathmanager.h"

#include <QString>

#include <filesystem>
#include <string>

namespace testenv {

QString qpath(const std::filesystem::path& p);

struct ProgramFolders {
  std::filesystem::path root, exe, appData, docs, common;
  explicit ProgramFolders(const std::string& name);  // creates root and exe only
  SystemFolders system() const;
  std::filesystem::path configDir() const { return appData / "Kartovex"; }
  std::filesystem::path webDir() const { return configDir() / "web"; }
};

}  // namespace testenv
