// A save that the disk cuts short must report failure and leave the file that
// was there before, for every writer that streams a file of ours.
#include "Deststorage.h"
#include "Filesizelimit.h"
#include "GPXDocument.h"
#include "Testenv.h"
#include "Trackstorage.h"
#include "Zavfile.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <memory>

namespace fs = std::filesystem;

namespace {

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

void fillTracks(TTrackStorage& tracks) {
  auto t = std::make_unique<TTrackList>();
  for (int i = 0; i < 20000; ++i) {
    sFile_TrkEntry p;
    p.Latitude = 48 + i * 1e-5;
    p.Longitude = 11 + i * 1e-5;
    p.Altitude = 500;
    p.Time = 45000 + i / 86400.0;
    t->AddPoint(p, i == 0);
  }
  tracks.AddTrack(std::move(t));
}

void fillDestinations(DestStorage& dests) {
  int c = dests.AddCategory(QStringLiteral("Food"));
  int s = dests.AddSubCategory(c, QStringLiteral("Cafe"));
  for (int i = 0; i < 5000; ++i) {
    auto d = std::make_unique<DestItem>(QStringLiteral("Place %1").arg(i), c, s,
                                        QStringLiteral("Some information text"), 48.1, 11.5);
    dests.AddItem(dlActive, d);
  }
}

struct Writer {
  const char* name;
  std::function<bool(const QString&)> save;  // true when the writer reports success
};

TEST(DiskFull, EveryStreamingWriterFailsAndKeepsTheOldFile) {
  TTrackStorage tracks;
  fillTracks(tracks);
  DestStorage dests;
  fillDestinations(dests);
  ZavFile zav(dests);

  const Writer writers[] = {
      {"gpx", [&](const QString& p) { return ExportGpx(tracks, p) != kGpxExportFailed; }},
      {"track file", [&](const QString& p) { return tracks.SaveToFile(p) > 0; }},
      {"zav", [&](const QString& p) { return zav.Save(p) == 1; }},
  };
  for (const Writer& w : writers) {
    fs::path dir = testenv::scratchDir("diskfull");
    fs::path file = dir / "out";
    ASSERT_TRUE(w.save(q(file))) << w.name << " cannot save at all";
    ASSERT_GT(fs::file_size(file), 64 * 1024u) << w.name;
    const auto full = fs::file_size(file);
    // Cut early, and cut just short of the end, where the last small piece
    // of the file is still waiting to be written when the file is closed.
    for (std::uint64_t limitBytes : {std::uint64_t{16 * 1024}, full - 10}) {
      testenv::writeFile(file, "old");
      bool ok = true;
      {
        testenv::FileSizeLimit limit(limitBytes);
        ASSERT_TRUE(limit.active());
        ok = w.save(q(file));
      }
      EXPECT_FALSE(ok) << w.name << " limit " << limitBytes;
      EXPECT_EQ(testenv::readFile(file), "old") << w.name << " limit " << limitBytes;
    }
  }
}

}  // namespace
