// The ZAV destination file: load, save, load the save again.
#include "Fuzzinput.h"

#include "Deststorage.h"
#include "Zavfile.h"

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
  fuzz::ExpectSame(fuzz::ReadBytes(first), fuzz::ReadBytes(secondPath), "ZAV: round trip differs");
  return 0;
}
