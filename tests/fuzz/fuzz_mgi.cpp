// The device's destination database (.mgi): load, save, load the save again.
#include "Fuzzinput.h"

#include "Deststorage.h"
#include "Fontbank.h"
#include "Korvifile.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The header checksum is made right, so that the body gets explored.
  std::vector<uint8_t> bytes(data, data + size);
  if (bytes.size() >= 36) {
    const uint16_t sum = ComputeHeaderChecksum(bytes.data(), 34);
    bytes[34] = static_cast<uint8_t>(sum & 0xFF);
    bytes[35] = static_cast<uint8_t>(sum >> 8);
  }
  static const TFontBank bank;
  DestStorage store;
  KorviFile file(store, bank);
  if (file.Load(fuzz::InputFile(bytes.data(), bytes.size(), "in.mgi")) == 0) return 0;
  const QString first = fuzz::ScratchPath("first.mgi");
  if (file.Save(first) == 0) return 0;  // a store the file cannot hold is refused
  DestStorage again;
  KorviFile second(again, bank);
  if (second.Load(first) == 0) fuzz::Fail(".mgi: our own save does not load");
  const QString secondPath = fuzz::ScratchPath("second.mgi");
  if (second.Save(secondPath) == 0) fuzz::Fail(".mgi: a loaded save does not save");
  fuzz::ExpectSame(fuzz::ReadBytes(first), fuzz::ReadBytes(secondPath), ".mgi: round trip differs");
  return 0;
}
