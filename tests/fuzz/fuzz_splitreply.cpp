// The device's settings replies, cut at the commas; joined again they give
// the reply back.
#include "Fuzzinput.h"

#include "Worktask.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = fuzz::CText(data, size);
  std::vector<std::string> parts;
  SplitReply(parts, text.c_str());
  std::string joined;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) joined += ',';
    joined += parts[i];
  }
  if (joined != text) fuzz::Fail("split reply: the pieces do not make the reply");
  return 0;
}
