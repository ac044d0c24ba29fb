// GPX import; the imported tracks are written as GPX and read again.
#include "Fuzzinput.h"

#include "GPXDocument.h"
#include "Gpximport.h"
#include "Poistorage.h"
#include "Trackstorage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TTrackStorage tracks;
  TPoiStorage pois;
  pois.IconCount = 256;
  try {
    ImportGpx(fuzz::InputFile(data, size, "in.gpx"), tracks, pois, nullptr);
  } catch (const GpxImportError&) {
    return 0;
  }
  if (tracks.Count() == 0) return 0;
  TGPXDocument doc;
  doc.FromTracks(tracks);
  const QString out = fuzz::ScratchPath("out.gpx");
  if (!doc.SaveToFile(out)) fuzz::Fail("GPX: imported tracks do not save");
  try {
    GpxImportResult back = ParseGpxFile(out, nullptr);
    if (back.Tracks.size() != tracks.Count()) fuzz::Fail("GPX: round trip changes the track count");
  } catch (const GpxImportError&) {
    fuzz::Fail("GPX: our own file does not import");
  }
  return 0;
}
