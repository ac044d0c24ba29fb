#pragma once
// A text file written through a buffer: text is appended to a reserved
// buffer that goes to the file whenever it fills, so a big export never
// builds its whole text in memory and the file sees few large writes.
// Writes go to a temporary file that replaces the target only when
// everything was written (QSaveFile).
#include <QIODevice>
#include <QSaveFile>
#include <QString>

#include "Folders.h"

#include <optional>

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

  // A write-only device that appends to this file, for writers that want
  // one (QXmlStreamWriter).
  QIODevice* Device() { return &device_; }

  // Writes what is buffered and replaces the target. False when any write
  // failed; the target then stays as it was.
  bool Commit();

 private:
  class Sink : public QIODevice {
   public:
    explicit Sink(TextFile& file) : file_(file) {}

   protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override {
      file_.Append(std::string_view(data, static_cast<std::size_t>(len)));
      return len;
    }

   private:
    TextFile& file_;
  };

  static constexpr std::size_t kChunk = 1 << 18;
  void Spill() {
    if (buf_.size() >= kChunk) Flush();
  }
  void Flush();

  QSaveFile file_;
  std::optional<folders::WriteBehind> behind_;
  Sink device_{*this};
  std::string buf_;
  bool ok_ = false;
};
