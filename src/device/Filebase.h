#pragma once
// A destination file bound to a destination store: the device database and
// the tab-separated text file load into it and save from it.
#include <QString>

class DestStorage;

class FileBase {
 public:
  explicit FileBase(DestStorage& store) : Store(store) {}
  FileBase(const FileBase&) = delete;
  FileBase& operator=(const FileBase&) = delete;
  virtual ~FileBase();

  // 1 when the file was read, 0 when not.
  virtual int Load(const QString& path) = 0;
  // 1 when the file was written, 0 when not.
  virtual int Save(const QString& path) = 0;

 protected:
  DestStorage& Store;  // not owned
};
