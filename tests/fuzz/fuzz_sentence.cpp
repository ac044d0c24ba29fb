// Sentence assembly of the command channel's receive thread, byte by byte,
// against a plain reading of the same bytes.
#include "Fuzzinput.h"

#include "Recvthread.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the buffer size: tiny ones test the overflow.
  const int32_t bufferSize = data[0] % 96;
  std::vector<char> buffer(static_cast<size_t>(bufferSize) + 1, '\x7F');
  SentenceAssembler sentence(buffer.data(), bufferSize);
  std::string current;
  bool inside = false;
  for (size_t i = 1; i < size; ++i) {
    const uint8_t b = data[i];
    const bool ended = sentence.Feed(b);
    bool expectEnd = false;
    if (b == '$') {
      current.clear();
      inside = true;
    } else if (inside && b == '*') {
      inside = false;
      expectEnd = static_cast<int32_t>(current.size()) < bufferSize;
    } else if (inside) {
      current += static_cast<char>(b);
    }
    if (ended != expectEnd) fuzz::Fail("sentence: ended at the wrong byte");
    if (!ended) continue;
    if (sentence.Length() != static_cast<int32_t>(current.size()) ||
        std::string(buffer.data(), current.size()) != current)
      fuzz::Fail("sentence: wrong text");
    if (buffer[static_cast<size_t>(bufferSize)] != '\x7F') fuzz::Fail("sentence: wrote past the buffer");
  }
  return 0;
}
