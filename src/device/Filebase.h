#pragma once
// A destination file bound to a destination store: the device database and
// the tab-separated text file load into it and save from it.
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

class DestStorage;

// What a written file leaves out of its store: the store is not saved by it.
struct DestFileGaps {
  struct Group {
    QString category;
    std::optional<QString> subCategory;  // none: the whole category
  };
  // Categories and sub-categories that the file cannot hold, in store order.
  std::vector<Group> emptyGroups;
  // Destinations under no category and sub-category of the store.
  std::size_t unfiled = 0;
  // Held cut to the file's field lengths, in store order: category and
  // sub-category names (names that differ only after the cut come back as
  // one), and by their full titles the destinations whose title or
  // information text was cut.
  std::vector<Group> cutNames;
  QStringList cutTitles;
  QStringList cutInfos;
  bool Any() const {
    return !emptyGroups.empty() || unfiled > 0 || !cutNames.empty() || !cutTitles.empty() || !cutInfos.empty();
  }
};

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
  // What the last successful Save left out of the store.
  const DestFileGaps& Gaps() const { return gaps_; }
  // Destinations that the last successful Load left out: the file files
  // them under no category or sub-category of its own.
  std::size_t LeftOut() const { return leftOut_; }

 protected:
  // Answers 0, the failed result, after noting why.
  int Fail(const QString& why) {
    error_ = why;
    return 0;
  }

  DestStorage& Store;  // not owned
  DestFileGaps gaps_;
  std::size_t leftOut_ = 0;

 private:
  QString error_;
};
