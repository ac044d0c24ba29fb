#include "Textfile.h"

#include "Folders.h"

TextFile::TextFile(const QString& path) : file_(path) { buf_.reserve(kChunk + 4096); }

TextFile::~TextFile() {
  if (file_.isOpen()) file_.cancelWriting();
}

bool TextFile::Open() {
  ok_ = folders::OpenSaveFile(file_);
  if (ok_) {
    device_.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    behind_.emplace(file_);
  }
  return ok_;
}

void TextFile::Flush() {
  if (ok_ && !buf_.empty() &&
      (file_.write(buf_.data(), static_cast<qint64>(buf_.size())) != static_cast<qint64>(buf_.size()) ||
       !behind_->Wrote(static_cast<std::int64_t>(buf_.size()))))
    ok_ = false;
  buf_.clear();
}

bool TextFile::Commit() {
  if (!file_.isOpen()) return false;
  Flush();
  if (!ok_) {
    file_.cancelWriting();
    return false;
  }
  return file_.commit();
}
