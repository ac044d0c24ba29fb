// The elevation service's reply.
#include "Fuzzinput.h"

#include "Utility.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  // The service's busy answer waits on purpose; it is tested elsewhere.
  if (text.contains(QStringLiteral("over_query_limit"))) return 0;
  ParseElevationReply(text.split(QLatin1Char('\n')));
  return 0;
}
