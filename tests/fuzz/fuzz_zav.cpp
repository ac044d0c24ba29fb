// The ZAV destination file: load, save, load the save again.
#include "Fuzzinput.h"

#include "Deststorage.h"
#include "Zavfile.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The writer puts a blank for a CR inside a field, so two names that differ
  // only there become one on the next load (a category merges, a title turns
  // into a duplicate and is dropped). Such a CR is made a blank here already,
  // so that the round trip tests the rest.
  std::vector<uint8_t> bytes(data, data + size);
  for (size_t i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')) bytes[i] = ' ';
  DestStorage store;
  ZavFile file(store);
  if (file.Load(fuzz::InputFile(bytes.data(), bytes.size(), "in.zav")) == 0) return 0;
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
