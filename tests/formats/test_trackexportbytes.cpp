// The three track exports over a store of awkward values (every kind of
// number, times out of range, names that need escaping, unchecked and empty
// tracks) against files recorded from the first, model-based writers: the
// streaming writers must give the same bytes.
//   TREVIK_RECORD_DIR=dir   writes the files there instead of comparing
#include "GPXDocument.h"
#include "Kml.h"
#include "NMEADocument.h"
#include "Testenv.h"
#include "Textfmt.h"
#include "Trackstorage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace fs = std::filesystem;

namespace {

class Rng {
 public:
  std::uint64_t Next() {
    s_ ^= s_ << 13;
    s_ ^= s_ >> 7;
    s_ ^= s_ << 17;
    return s_;
  }
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t s_ = 0x9E3779B97F4A7C15ull;
};

// A value of one of many shapes: short decimals as GPS files have them, full
// doubles, values near the formats' switch points, zero of both signs, huge,
// tiny and non-finite values.
double awkward(Rng& r, double range) {
  static const double special[] = {0.0, -0.0, 1e-4, 9.99999e-5, 5e-5, 1e-7, 0.0001, 0.00015, 1e15, 999999999999999.9,
                                   1.5e20, -2.5e-9, 59.99999999, 0.5, 1.05, 2.675, 0.125, 1e300, -1e-300,
                                   std::numeric_limits<double>::denorm_min(), 4.35, 0.045, 89.9999995, -179.9999999};
  switch (r.Below(10)) {
    case 0:
      return special[r.Below(static_cast<int>(std::size(special)))];
    case 1:
      return (r.Unit() * 2 - 1) * range;  // every digit set
    case 2: {
      static const double odd[] = {std::nan(""), std::numeric_limits<double>::infinity(),
                                   -std::numeric_limits<double>::infinity()};
      return r.Below(8) == 0 ? odd[r.Below(3)] : std::ldexp(r.Unit(), r.Below(120) - 60);
    }
    default: {
      // A short decimal: whole number plus a few decimals.
      const int decimals = r.Below(10);
      double v = std::trunc((r.Unit() * 2 - 1) * range * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
      return v;
    }
  }
}

double awkwardTime(Rng& r) {
  switch (r.Below(8)) {
    case 0:
      return 0;
    case 1: {
      static const double odd[] = {-1.5, 1e7, 3.1e6, -700000, 2958465.99999999, 2958466.0, -693593.0,
                                   -693594.5, 0.9999999999, 41762.99999999, std::nan("")};
      return odd[r.Below(static_cast<int>(std::size(odd)))];
    }
    default:
      return 41000 + r.Unit() * 5000;  // around 2012 to 2026, any fraction
  }
}

std::unique_ptr<TTrackList> track(Rng& r, const QString& name, std::uint32_t colour, int points) {
  auto t = std::make_unique<TTrackList>();
  t->SetName(name);
  t->Color = colour;
  for (int i = 0; i < points; ++i)
    t->AddPoint({awkward(r, 90), awkward(r, 180), awkward(r, 9000), awkwardTime(r)}, false);
  return t;
}

void fillStore(TTrackStorage& store, int points) {
  Rng r;
  store.AddTrack(track(r, QStringLiteral("Tour <&> \"x\" 'y'"), 0x00123456, points));
  store.AddTrack(track(r, QStringLiteral("unchecked"), 0x00FF00, points / 8));
  store.AddTrack(track(r, QString(), 0x00000000, points / 4));
  store.AddTrack(track(r, QStringLiteral("Stra\u00dfe \U0001F600 \u0001\uFFFE"), 0xFFFFFFFF, points / 4));
  store.AddTrack(track(r, QStringLiteral("empty"), 0x000000FF, 0));
  store.SetRowCheckedQuery([](std::size_t row) { return row != 1; });
}

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

TEST(TrackExportBytes, SameAsTheRecordedFiles) {
  const char* record = std::getenv("TREVIK_RECORD_DIR");
  const char* count = std::getenv("TREVIK_VARIED_POINTS");
  TTrackStorage store;
  fillStore(store, count ? std::atoi(count) : 200);
  const fs::path dir = record ? fs::path(record) : testenv::scratchDir("trackexport-bytes");
  EXPECT_EQ(ExportGpx(store, q(dir / "varied.gpx")), 5);
  EXPECT_EQ(ExportKml(store, q(dir / "varied.kml")), 5);
  EXPECT_EQ(ExportNmea(store, q(dir / "varied.nmea")), 5);
  if (record) return;
  const fs::path want = testenv::fixturesDir() / "trackexport";
  for (const char* name : {"varied.gpx", "varied.kml", "varied.nmea"}) {
    SCOPED_TRACE(name);
    const std::string got = testenv::readFile(dir / name);
    EXPECT_FALSE(got.empty());
    EXPECT_TRUE(got == testenv::readFile(want / name));  // no dump of a few hundred kilobytes
  }
}

// The exports stream from the store; the document models still write the
// same files. Stores the recorded files do not hold: nothing checked, no
// tracks, points without a place.
TEST(TrackExportBytes, StreamingExportsMatchTheModels) {
  const double nan = std::nan("");
  std::vector<std::function<void(TTrackStorage&)>> stores = {
      [](TTrackStorage&) {},
      [](TTrackStorage& s) {
        fillStore(s, 40);
        s.SetRowCheckedQuery([](std::size_t) { return false; });
      },
      [&](TTrackStorage& s) {
        auto t = std::make_unique<TTrackList>();
        t->AddPoint({nan, 1, 2, 41000}, false);
        t->AddPoint({1, 2, std::numeric_limits<double>::infinity(), 0}, false);
        s.AddTrack(std::move(t));
      },
      [](TTrackStorage& s) { fillStore(s, 300); },
  };
  const fs::path dir = testenv::scratchDir("trackexport-models");
  int n = 0;
  for (const auto& fill : stores) {
    SCOPED_TRACE(n++);
    TTrackStorage store;
    fill(store);
    const int count = static_cast<int>(store.Count());

    EXPECT_EQ(ExportKml(store, q(dir / "stream.kml")), count);
    TKml kml;
    std::size_t i = 0;
    for (TTrackList* t = store.First(); t; t = store.Next(), ++i)
      if (store.IsRowChecked(i)) kml.Documents.Add(MakeTrackDocument(*t, i));
    ASSERT_TRUE(kml.SaveToFile(q(dir / "model.kml")));
    EXPECT_EQ(testenv::readFile(dir / "stream.kml"), testenv::readFile(dir / "model.kml"));

    EXPECT_EQ(ExportGpx(store, q(dir / "stream.gpx")), count);
    TGPXDocument gpx;
    gpx.FromTracks(store);
    ASSERT_TRUE(gpx.SaveToFile(q(dir / "model.gpx")));
    EXPECT_EQ(testenv::readFile(dir / "stream.gpx"), testenv::readFile(dir / "model.gpx"));

    EXPECT_EQ(ExportNmea(store, q(dir / "stream.nmea")), count);
    TNMEADocument nmea;
    nmea.FromTracks(store);
    ASSERT_TRUE(nmea.SaveToFile(q(dir / "model.nmea")));
    EXPECT_EQ(testenv::readFile(dir / "stream.nmea"), testenv::readFile(dir / "model.nmea"));
  }
}
