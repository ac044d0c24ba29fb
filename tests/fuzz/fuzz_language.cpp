// The language file.
#include "Fuzzinput.h"

#include "Stringtable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  StrTable table;
  if (!table.LoadFromFile(fuzz::InputFile(data, size, "lang.txt"))) return 0;
  for (int i = -1; i <= table.Count(); ++i) table.GetString(i);
  return 0;
}
