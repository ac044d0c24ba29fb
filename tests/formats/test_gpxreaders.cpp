// The fast GPX reader against expat: over recorded and gpsbabel-written
// files, odd but valid files and broken ones, both readers must give the same
// tracks, waypoints, counters and errors. Each case also says whether the
// fast reader may keep the file or must hand it to expat.
#include "Gpximport.h"
#include "Testenv.h"
#include "Trackstorage.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum class Fast { Keeps, HandsOver };

struct Case {
  std::string what;
  fs::path file;
  Fast fast;
};

// What a parse gave: its result, or its error text.
struct Outcome {
  bool threw = false;
  std::string error;
  GpxImportResult result;
};

Outcome parse(const fs::path& file, GpxReader reader) {
  Outcome o;
  try {
    o.result = ParseGpxFile(QString::fromStdString(file.string()), nullptr, reader);
  } catch (const GpxImportError& e) {
    o.threw = true;
    o.error = e.what();
  }
  return o;
}

std::uint64_t bits(double v) { return std::bit_cast<std::uint64_t>(v); }

void expectSame(const Outcome& fast, const Outcome& expat) {
  ASSERT_EQ(fast.threw, expat.threw) << fast.error << expat.error;
  EXPECT_EQ(fast.error, expat.error);
  const GpxImportResult& a = fast.result;
  const GpxImportResult& b = expat.result;
  EXPECT_EQ(a.WptCount, b.WptCount);
  EXPECT_EQ(a.TrkCount, b.TrkCount);
  EXPECT_EQ(a.RteCount, b.RteCount);
  ASSERT_EQ(a.Tracks.size(), b.Tracks.size());
  for (std::size_t t = 0; t < a.Tracks.size(); ++t) {
    const TTrackList &x = *a.Tracks[t], &y = *b.Tracks[t];
    EXPECT_EQ(x.Name(), y.Name()) << t;
    EXPECT_EQ(bits(x.Distance), bits(y.Distance)) << t;
    EXPECT_EQ(x.Color, y.Color) << t;
    ASSERT_EQ(x.Count(), y.Count()) << t;
    for (std::size_t i = 0; i < x.Count(); ++i) {
      const sFile_TrkEntry &p = x.Points()[i], &q = y.Points()[i];
      ASSERT_TRUE(bits(p.Latitude) == bits(q.Latitude) && bits(p.Longitude) == bits(q.Longitude) &&
                  bits(p.Altitude) == bits(q.Altitude) && bits(p.Time) == bits(q.Time))
          << "track " << t << " point " << i;
    }
  }
  ASSERT_EQ(a.Waypoints.size(), b.Waypoints.size());
  for (std::size_t i = 0; i < a.Waypoints.size(); ++i) {
    const GpxImportWaypoint &w = a.Waypoints[i], &v = b.Waypoints[i];
    EXPECT_TRUE(w.HasTime == v.HasTime && w.Year == v.Year && w.Month == v.Month && w.Day == v.Day &&
                w.Hour == v.Hour && w.Minute == v.Minute && w.Second == v.Second && w.Icon == v.Icon &&
                bits(w.Latitude) == bits(v.Latitude) && bits(w.Longitude) == bits(v.Longitude))
        << "waypoint " << i;
  }
}

const std::string kHead = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"t\">\n";
const std::string kTrack =
    "<trk><name> Tour \xC3\xA4\xE2\x82\xAC\xF0\x9F\x98\x80 </name><trkseg>\n"
    "<trkpt lat=\"48.1234567\" lon=\"11.7654321\"><ele>512.5</ele><time>2014-05-03T08:04:05Z</time></trkpt>\n"
    "<trkpt lat=\"48.2\" lon=\"11.8\"><ele>-3.25</ele><time>2014-05-03T08:04:06.5Z</time></trkpt>\n"
    "<trkpt lat=\"-33.5\" lon=\"-70.25\"/></trkseg></trk>\n";
const std::string kWaypoint = "<wpt lat=\"47.5\" lon=\"9.25\"><time>2014-05-03T08:04:05Z</time><sym>POI7</sym></wpt>\n";

// A long track whose tags fall across the 1 MiB pieces the readers take,
// shifted by the padding.
std::string longTrack(std::size_t padding) {
  std::string s = kHead + std::string(padding, ' ') + "<trk><trkseg>\n";
  for (int i = 0; s.size() < (5u << 19); ++i) {
    s += "<trkpt lat=\"" + std::to_string(48 + i % 1000 * 0.0001) + "\" lon=\"" + std::to_string(11 + i % 977 * 0.001) +
         "\">\n  <ele>" + std::to_string(i % 3000) + "." + std::to_string(i % 10) + "</ele>\n  <time>2014-05-0" +
         std::to_string(1 + i % 9) + "T08:" + std::to_string(10 + i % 50) + ":" + std::to_string(10 + i % 49) +
         "Z</time>\n</trkpt>\n";
    if (i % 5000 == 0) s += "<!-- a comment > with - one dash -->";
  }
  return s + "</trkseg></trk>\n</gpx>\n";
}

int run(const std::string& cmd) { return std::system((cmd + " >/dev/null 2>&1").c_str()); }

}  // namespace

TEST(GpxReaders, FastReaderAndExpatAgree) {
  const fs::path dir = testenv::scratchDir("gpxreaders");
  std::vector<Case> cases;
  int n = 0;
  auto add = [&](const std::string& what, const std::string& bytes, Fast fast) {
    const fs::path file = dir / ("c" + std::to_string(n++) + ".gpx");
    testenv::writeFile(file, bytes);
    cases.push_back({what, file, fast});
  };
  auto body = [&](const std::string& what, const std::string& inner, Fast fast) {
    add(what, kHead + inner + "</gpx>\n", fast);
  };

  // Recorded files of the program; names with "&" come as references, which
  // expat reads.
  cases.push_back({"route", testenv::fixturesDir() / "textexport/route.gpx", Fast::Keeps});
  for (const char* f : {"trackexport/varied.gpx", "textexport/poi.gpx"})
    cases.push_back({f, testenv::fixturesDir() / f, Fast::HandsOver});

  // gpsbabel's GPX 1.0 and 1.1, with tracks, routes and waypoints.
  testenv::writeFile(dir / "in.csv",
                     "Latitude,Longitude,Altitude,Date,Time,Name,Symbol,Description\n"
                     "48.1234567,11.7654321,512.5,2014/05/03,08:04:05,P1,POI5,Caf\xC3\xA9 & <bar>\n"
                     "48.2,11.8,-3.25,2014/05/03,08:04:06,P2,Flag,\n"
                     "-33.5,-70.25,0,2014/05/04,23:59:59,P3,,x\n");
  for (const char* ver : {"1.0", "1.1"}) {
    for (const char* transform : {"trk=wpt", "rte=wpt"}) {
      const fs::path out = dir / (std::string("babel-") + ver + transform + ".gpx");
      ASSERT_EQ(run("gpsbabel -i unicsv,utc=0 -f '" + (dir / "in.csv").string() + "' -x transform," + transform +
                    ",del=N -o gpx,gpxver=" + ver + " -F '" + out.string() + "'"),
                0);
      // Descriptions with "&" come as references: expat reads those files.
      cases.push_back({out.filename().string(), out, Fast::HandsOver});
    }
    const fs::path plain = dir / (std::string("babel-plain-") + ver + ".gpx");
    testenv::writeFile(dir / "plain.csv", "Latitude,Longitude,Altitude,Date,Time,Name\n"
                                          "48.1234567,11.7654321,512.5,2014/05/03,08:04:05,P1\n"
                                          "48.2,11.8,-3.25,2014/05/03,08:04:06,P2\n");
    ASSERT_EQ(run("gpsbabel -i unicsv,utc=0 -f '" + (dir / "plain.csv").string() + "' -x transform,trk=wpt -o gpx,gpxver=" +
                  ver + " -F '" + plain.string() + "'"),
              0);
    cases.push_back({plain.filename().string(), plain, Fast::Keeps});
  }

  // Odd but valid.
  body("plain track and waypoint", kWaypoint + kTrack, Fast::Keeps);
  add("no declaration", "<gpx>" + kTrack + "</gpx>", Fast::Keeps);
  add("byte-order mark", "\xEF\xBB\xBF" + kHead + kTrack + "</gpx>", Fast::Keeps);
  add("standalone and single quotes", "<?xml version='1.0' encoding='utf-8' standalone='yes' ?><gpx>" + kTrack + "</gpx>",
      Fast::Keeps);
  add("CR LF everywhere", "<?xml version=\"1.0\"?>\r\n<gpx>\r\n<trk>\r\n<trkseg>\r\n<trkpt lat=\"1\"\r\n lon=\"2\">\r\n"
                          "<ele>3</ele>\r\n</trkpt>\r\n</trkseg>\r\n</trk>\r\n</gpx>\r\n",
      Fast::Keeps);
  body("blanks in attributes and tags",
       "<trk ><trkseg\t><trkpt\nlat = '\t48.5\r\n' lon\t=\"\n11\" ><ele> 7 </ele ><time>\n2014-05-03T08:04:05Z\t</time></trkpt "
       "></trkseg></trk\n>",
       Fast::Keeps);
  body("element names in any case, prefixes skipped",
       "<WPT lat=\"1\" lon=\"2\"><SYM>POI3</SYM></WPT><Trk><NAME>n</NAME><TrkSeg><TRKPT lat=\"1\" lon=\"2\" LAT=\"9\"/>"
       "</TrkSeg></Trk><gpx:trk><trkseg><trkpt lat=\"5\" lon=\"5\"/></trkseg></gpx:trk>",
       Fast::Keeps);
  body("comments everywhere", "<!-- a -->" + kWaypoint + "<trk><name>a<!-- b -->b</name><trkseg><!----></trkseg></trk>",
       Fast::Keeps);
  add("comments around the root", "<!-- before --><gpx><rte/></gpx><!-- after -->\n", Fast::Keeps);
  body("routes and tracks interleaved",
       "<rte><rtept lat=\"1\" lon=\"1\"/><rtept lat=\"1.5\" lon=\"1\"/></rte>" + kTrack + "<rte><name>r</name></rte>",
       Fast::Keeps);
  body("brackets in text", "<trk><name>a]b]]c>d</name></trk>", Fast::Keeps);
  body("child elements in texts", "<trk><name>a<b/>c</name><trkseg><trkpt lat=\"1\" lon=\"1\"><ele>1<x>2</x></ele>"
                                  "<time>2014<y/>-05-03T08:04:05Z</time></trkpt></trkseg></trk>",
       Fast::Keeps);
  body("long texts", "<trk><name>" + std::string(1100, ' ') + "n" + std::string(1100, 'x') +
                         "</name><trkseg><trkpt lat=\"1\" lon=\"1\"><ele>1" + std::string(1030, '0') + "</ele></trkpt>"
                         "<trkpt lat=\"1\" lon=\"1\"><ele>" + std::string(1030, ' ') + "5</ele></trkpt></trkseg></trk>",
       Fast::Keeps);
  body("odd numbers and times",
       "<trk><trkseg><trkpt lat=\"+1.5\" lon=\".25\"><ele>5.</ele><time>2014-05-03</time></trkpt>"
       "<trkpt lat=\"1e2\" lon=\"-0\"><ele>1.234567890123456789</ele><time>2014-02-30T08:04:05Z</time></trkpt>"
       "<trkpt lat=\"0x10\" lon=\"1,5\"><ele>inf</ele><time>junk</time></trkpt></trkseg></trk>"
       "<wpt lat=\"1\" lon=\"1\"><time>2014-05-03</time><sym>POIx</sym></wpt><wpt lat=\"1\" lon=\"1\"><sym>POI-5</sym></wpt>",
       Fast::Keeps);
  std::string deep;
  for (int i = 0; i < 20000; ++i) deep += "<x>";
  deep += "<trk/>";
  for (int i = 0; i < 20000; ++i) deep += "</x>";
  body("deep nesting", deep, Fast::Keeps);
  for (std::size_t pad : {0u, 7u, 113u, 4093u}) add("long track, padding " + std::to_string(pad), longTrack(pad), Fast::Keeps);
  body("CR in a kept text", "<trk><name>a\r\nb</name></trk>", Fast::HandsOver);
  body("references", "<trk><name>a&amp;b&#65;</name><trkseg><trkpt lat=\"&#52;8\" lon=\"1\"/></trkseg></trk>",
       Fast::HandsOver);
  body("CDATA", "<trk><name><![CDATA[a<b]]></name></trk>", Fast::HandsOver);
  add("DOCTYPE", "<?xml version=\"1.0\"?><!DOCTYPE gpx><gpx>" + kTrack + "</gpx>", Fast::HandsOver);
  body("processing instruction", "<?pi x?>" + kTrack, Fast::HandsOver);
  add("Latin-1", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><gpx><trk><name>Caf\xE9</name></trk></gpx>",
      Fast::HandsOver);
  add("windows-1252", "<?xml version=\"1.0\" encoding=\"windows-1252\"?><gpx><trk><name>\x80</name></trk></gpx>",
      Fast::HandsOver);
  body("huge attribute", "<trk><trkseg><trkpt lat=\"1\" lon=\"2\" junk=\"" + std::string(3 << 20, '7') + "\"/></trkseg></trk>",
       Fast::HandsOver);

  // Broken: every one goes to expat, which words the error.
  for (const auto& [what, inner] : std::vector<std::pair<std::string, std::string>>{
           {"mismatched tags", "<trk></wpt>"},
           {"bad UTF-8", "<trk><name>\xC3\x28</name></trk>"},
           {"overlong UTF-8", "<trk><name>\xC0\xAF</name></trk>"},
           {"encoded surrogate", "<trk><name>\xED\xA0\x80</name></trk>"},
           {"U+FFFE", "<trk><name>\xEF\xBF\xBE</name></trk>"},
           {"control character", "<trk><name>a\x01</name></trk>"},
           {"duplicate attribute", "<wpt lat=\"1\" lat=\"2\"/>"},
           {"attributes without a blank", "<wpt lat=\"1\"lon=\"2\"/>"},
           {"attribute without a value", "<wpt lat/>"},
           {"unquoted attribute", "<wpt lat=1/>"},
           {"< in an attribute", "<wpt lat=\"<\"/>"},
           {"]]> in text", "<trk><name>a]]>b</name></trk>"},
           {"double dash in a comment", "<!-- a -- b -->"},
           {"comment ending in three dashes", "<!-- a --->"},
           {"unclosed comment", "<!-- a"},
           {"bad name start", "<1trk/>"},
           {"non-ASCII name", "<tr\xC3\xA4k/>"},
           {"lone <", "<trk>a < b</trk>"},
           {"cut short", "<trk><trkseg><trkpt lat=\"1\""},
       })
    body(what, inner, Fast::HandsOver);
  add("cut short without tail", kHead + "<trk>", Fast::HandsOver);
  add("empty file", "", Fast::HandsOver);
  add("only a byte-order mark", "\xEF\xBB\xBF", Fast::HandsOver);
  add("text before the root", "x<gpx/>", Fast::HandsOver);
  add("text after the root", "<gpx/>x", Fast::HandsOver);
  add("second root", "<gpx/><gpx/>", Fast::HandsOver);
  add("declaration not first", " <?xml version=\"1.0\"?><gpx/>", Fast::HandsOver);
  add("declaration version 2", "<?xml version=\"2.0\"?><gpx/>", Fast::HandsOver);
  add("declaration standalone YES", "<?xml version=\"1.0\" standalone=\"YES\"?><gpx/>", Fast::HandsOver);
  add("declaration out of order", "<?xml encoding=\"UTF-8\" version=\"1.0\"?><gpx/>", Fast::HandsOver);
  add("NUL byte", std::string("<gpx>\0</gpx>", 12), Fast::HandsOver);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Outcome fast = parse(c.file, GpxReader::Fast);
    const Outcome expat = parse(c.file, GpxReader::Expat);
    expectSame(fast, expat);
    EXPECT_FALSE(expat.result.ReadByFastReader);
    EXPECT_EQ(fast.result.ReadByFastReader, c.fast == Fast::Keeps);
  }
}
