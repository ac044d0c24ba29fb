// The device's route file (.rte), both versions: load, save, load again.
#include "Fuzzinput.h"

#include "Fontbank.h"
#include "Lebytes.h"
#include "Routestorage.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The header checksum is made right, so that the body gets explored.
  std::vector<uint8_t> bytes(data, data + size);
  if (bytes.size() >= 20) {
    const uint16_t sum = static_cast<uint16_t>(lebytes::NegatedByteSum(bytes.data(), 18));
    bytes[18] = static_cast<uint8_t>(sum & 0xFF);
    bytes[19] = static_cast<uint8_t>(sum >> 8);
  }
  static const TFontBank bank;
  RouteStorage route(bank);
  if (route.LoadDeviceFile(fuzz::InputFile(bytes.data(), bytes.size(), "in.rte")) != 1) return 0;
  for (bool withElevation : {false, true}) {
    const QString first = fuzz::ScratchPath("first.rte");
    if (route.SaveDeviceFile(first, withElevation) != 1) fuzz::Fail(".rte: a loaded route does not save");
    RouteStorage again(bank);
    if (again.LoadDeviceFile(first) != 1) fuzz::Fail(".rte: our own save does not load");
    if (again.Count() != route.Count()) fuzz::Fail(".rte: round trip changes the count");
    const QString second = fuzz::ScratchPath("second.rte");
    if (again.SaveDeviceFile(second, withElevation) != 1) fuzz::Fail(".rte: a loaded save does not save");
    fuzz::ExpectSame(fuzz::ReadBytes(first), fuzz::ReadBytes(second), ".rte: round trip differs");
  }
  return 0;
}
