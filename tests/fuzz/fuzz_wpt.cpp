// The device's waypoint file (.wpt): load (what it says it kept), save, load
// the save again (whole).
#include "Fuzzinput.h"

#include "Poistorage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray in = fuzz::InputFile(data, size, "in.wpt").toLocal8Bit();
  TPoiStorage store;
  store.IconCount = 256;
  PoiFileReport report;
  if (!store.LoadDeviceFile(in.constData(), &report)) {
    if (report.Kept != 0) fuzz::Fail(".wpt: a refused file says waypoints were read");
    return 0;
  }
  if (report.Kept != store.GetCount()) fuzz::Fail(".wpt: the report's count is not the store's");
  const QByteArray first = fuzz::ScratchPath("first.wpt").toLocal8Bit();
  if (!store.SaveDeviceFile(first.constData())) fuzz::Fail(".wpt: a loaded file does not save");
  TPoiStorage again;
  again.IconCount = 256;
  PoiFileReport reread;
  if (!again.LoadDeviceFile(first.constData(), &reread)) fuzz::Fail(".wpt: our own save does not load");
  if (reread.LeftOut() != 0) fuzz::Fail(".wpt: our own save loads with records left out");
  if (again.GetCount() != store.GetCount()) fuzz::Fail(".wpt: round trip changes the count");
  const QByteArray second = fuzz::ScratchPath("second.wpt").toLocal8Bit();
  if (!again.SaveDeviceFile(second.constData())) fuzz::Fail(".wpt: a loaded save does not save");
  fuzz::ExpectSame(fuzz::ReadBytes(QString::fromLocal8Bit(first)),
                   fuzz::ReadBytes(QString::fromLocal8Bit(second)), ".wpt: round trip differs");
  return 0;
}
