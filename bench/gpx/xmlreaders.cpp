// Measures the two candidate XML readers on one file: counts trkpt elements
// and sums their lat attribute, the work an import does at least.
//   xmlreaders FILE
#include <expat.h>

#include <QFile>
#include <QXmlStreamReader>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace {

struct Count {
  long points = 0;
  double sum = 0;
};

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** atts) {
  auto* c = static_cast<Count*>(data);
  if (std::strcmp(name, "trkpt") != 0) return;
  ++c->points;
  for (int i = 0; atts[i]; i += 2)
    if (std::strcmp(atts[i], "lat") == 0) c->sum += std::strtod(atts[i + 1], nullptr);
}

double seconds(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  {
    auto t0 = std::chrono::steady_clock::now();
    Count c;
    XML_Parser p = XML_ParserCreate(nullptr);
    XML_SetUserData(p, &c);
    XML_SetStartElementHandler(p, onStart);
    std::FILE* f = std::fopen(argv[1], "rb");
    if (!f) return 1;
    static char buf[1 << 16];
    size_t n;
    bool ok = true;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0 && ok)
      ok = XML_Parse(p, buf, static_cast<int>(n), 0) == XML_STATUS_OK;
    ok = ok && XML_Parse(p, buf, 0, 1) == XML_STATUS_OK;
    std::fclose(f);
    XML_ParserFree(p);
    std::printf("expat:            %.3f s, %ld points, ok=%d\n", seconds(t0), c.points, ok);
  }
  {
    auto t0 = std::chrono::steady_clock::now();
    Count c;
    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::ReadOnly)) return 1;
    QXmlStreamReader r(&f);
    while (!r.atEnd()) {
      if (r.readNext() == QXmlStreamReader::StartElement && r.name() == QLatin1String("trkpt")) {
        ++c.points;
        c.sum += r.attributes().value(QLatin1String("lat")).toDouble();
      }
    }
    std::printf("QXmlStreamReader: %.3f s, %ld points, ok=%d\n", seconds(t0), c.points, !r.hasError());
  }
  return 0;
}
