// The maker's version file as the version check reads it.
#include "Fuzzinput.h"

#include "Utility.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const VersionReply reply = ParseVersionReply(body);
  // The name is one trimmed line; it goes into the new-version window.
  if (reply.Name != reply.Name.trimmed() || reply.Name.contains(QLatin1Char('\n')) ||
      reply.Name.contains(QLatin1Char('\r')))
    fuzz::Fail("version: the name is not one trimmed line");
  if (!reply.Problem.isEmpty() && (reply.NewerThan(0) || !reply.Name.isEmpty()))
    fuzz::Fail("version: an unreadable file names a version");
  return 0;
}
