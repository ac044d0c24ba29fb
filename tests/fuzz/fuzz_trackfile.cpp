// The program's track file: load, save, load the save again.
#include "Fuzzinput.h"

#include "Trackstorage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TTrackStorage store;
  // A cut-short file keeps its whole tracks: those must round-trip too.
  store.LoadFromFile(fuzz::InputFile(data, size, "in.trk"));
  if (store.Count() == 0) return 0;
  const QString first = fuzz::ScratchPath("first.trk");
  if (store.SaveToFile(first) <= 0) fuzz::Fail("track file: loaded tracks do not save");
  TTrackStorage again;
  if (!again.LoadFromFile(first)) fuzz::Fail("track file: our own save does not load whole");
  if (again.Count() != store.Count()) fuzz::Fail("track file: round trip changes the count");
  const QString second = fuzz::ScratchPath("second.trk");
  if (again.SaveToFile(second) <= 0) fuzz::Fail("track file: a loaded save does not save");
  fuzz::ExpectSame(fuzz::ReadBytes(first), fuzz::ReadBytes(second), "track file: round trip differs");
  return 0;
}
