#pragma once
// A text file written line by line through a buffer: lines are appended to a
// reserved buffer that goes to the file whenever it fills, so a big export
// never builds its whole text in memory. Writes go to a temporary file that
// replaces the target only when everything was written (QSaveFile).
#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <string>
#include <string_view>

class TextFile {
 public:
  explicit TextFile(const QString& path);
  ~TextFile();  // without Commit the target stays as it was
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  bool Open();

  // Appends bytes as they stand; Line adds CR LF.
  void Append(std::string_view bytes) {
    buf_.append(bytes);
    Spill();
  }
  void Line(std::string_view bytes) {
    buf_.append(bytes);
    buf_.append("\r\n", 2);
    Spill();
  }

  // Writes what is buffered and replaces the target. False when any write
  // failed; the target then stays as it was.
  bool Commit();

 private:
  static constexpr std::size_t kChunk = 1 << 16;
  void Spill() {
    if (buf_.size() >= kChunk) Flush();
  }
  void Flush();

  QSaveFile file_;
  std::string buf_;
  bool ok_ = false;
};
