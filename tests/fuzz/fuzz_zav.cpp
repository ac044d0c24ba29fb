// The ZAV destination file: load, save, load the save again.
#include "Fuzzinput.h"

#include "Deststorage.h"
#include "Zavfile.h"

#include <QList>
#include <algorithm>

namespace {

// The lines of a save in sorted order. A CR inside a name is written as a
// blank, so two categories can become one and their destinations group
// differently on the next save; the destinations themselves must not change.
QList<QByteArray> Lines(const QString& path) {
  QList<QByteArray> lines = fuzz::ReadBytes(path).split('\n');
  std::sort(lines.begin(), lines.end());
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DestStorage store;
  ZavFile file(store);
  if (file.Load(fuzz::InputFile(data, size, "in.zav")) == 0) return 0;
  const QString first = fuzz::ScratchPath("first.zav");
  if (file.Save(first) == 0) fuzz::Fail("ZAV: a loaded store does not save");
  DestStorage again;
  ZavFile second(again);
  if (second.Load(first) == 0) fuzz::Fail("ZAV: our own save does not load");
  const QString secondPath = fuzz::ScratchPath("second.zav");
  if (second.Save(secondPath) == 0) fuzz::Fail("ZAV: a loaded save does not save");
  if (Lines(first) != Lines(secondPath)) fuzz::Fail("ZAV: round trip differs");
  return 0;
}
