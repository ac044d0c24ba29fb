// The logger's raw GPS log as downloaded, through the track import; what it
// gives must survive the track file's round trip.
#include "Fuzzinput.h"

#include "Trackstorage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TTrackStorage store;
  if (!store.LoadDeviceFile(fuzz::InputFile(data, size, "in.log"))) return 0;
  const QString first = fuzz::ScratchPath("first.trk");
  if (store.SaveToFile(first) <= 0) fuzz::Fail("GPS log: decoded tracks do not save");
  TTrackStorage again;
  if (!again.LoadFromFile(first)) fuzz::Fail("GPS log: the saved tracks do not load whole");
  if (again.Count() != store.Count()) fuzz::Fail("GPS log: round trip changes the track count");
  return 0;
}
