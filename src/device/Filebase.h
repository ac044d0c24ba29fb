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

  // Why the last Save failed when the data do not fit the format, for the
  // user; empty when the file could not be written (the system knows why).
  const QString& Error() const { return error_; }

 protected:
  // Answers 0, the failed result, after noting why.
  int Fail(const QString& why) {
    error_ = why;
    return 0;
  }

  DestStorage& Store;  // not owned

 private:
  QString error_;
};
