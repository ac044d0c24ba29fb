// Work that is in no file and not on the device is not thrown away unasked:
// the commands that replace or clear a collection, and closing the window,
// ask first when the collection holds changes, and only then. Driven through
// the real widgets with the real stores and files, the downloads against the
// device simulator; the answers are scripted.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include <functional>
#include <memory>

#include "pages/Destpage.h"
#include "Deststorage.h"
#include "Frmtrackeditor.h"
#include "Mainform.h"
#include "Mapstores.h"
#include "Poistorage.h"
#include "Routestorage.h"
#include "Fixedzone.h"
#include "Routewindow.h"
#include "Simdevice.h"
#include "Trackstorage.h"
#include "Uitestenv.h"
#include "Zavfile.h"

namespace {

using Icon = UiServices::Icon;
using devsim::DeviceFile;
using routetest::RouteMain;
using uitest::FakeMapView;

constexpr int kPort = 7;

QString S(int n) { return QStringLiteral("S%1").arg(n); }

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What each collection holds, as names, categories marked.
QStringList Dests() {
  QStringList out;
  for (int c = 0; c < destStorage.CategoryCount(); ++c) out << "cat:" + destStorage.GetCategory(c).value_or("?");
  for (const auto& d : destStorage.Items()) out << d->Title;
  return out;
}
QStringList Waypoints() {
  QStringList out;
  for (int i = 0; i < poiStorage.GetCount(); ++i) out << QString::fromUtf8(poiStorage.At(i)->Name);
  return out;
}
QStringList Route() {
  QStringList out;
  for (std::size_t i = 0; i < routeStorage.Count(); ++i) out << routeStorage.At(i)->Name;
  return out;
}
QStringList Tracks(const TTrackStorage& tracks = trackStorage) {
  QStringList out;
  for (std::size_t i = 0; i < tracks.Count(); ++i) out << tracks.At(i)->Name();
  return out;
}

// Someone else's waypoint file and route file: what opening or downloading
// them brings.
void WriteWaypointFile(const QString& path, int day) {
  TPoiStorage theirs;
  theirs.IconCount = 21;
  auto* p = new sUserPOI;
  p->Year = 2024;
  p->Month = 6;
  p->Day = std::uint8_t(day);
  p->Hour = 9;
  p->Icon = 2;
  p->Latitude = 46.5;
  p->Longitude = 9.75;
  p->SetName(QStringLiteral("2024/06/%1 09:00:00").arg(day, 2, 10, QLatin1Char('0')).toStdString());
  ASSERT_TRUE(theirs.Add(p));
  ASSERT_TRUE(theirs.SaveDeviceFile(QFile::encodeName(path).constData()));
}
void WriteRouteFile(const QString& path, const QStringList& names) {
  RouteStorage theirs;
  double lat = 47.0;
  for (const QString& name : names) ASSERT_EQ(theirs.AddPoint(name, lat += 0.1, 11.0, ttNone), raAdded);
  ASSERT_EQ(theirs.SaveDeviceFile(path, true), 1);
}

class Unsaved : public ::testing::Test {
 protected:
  Unsaved()
      : env(::testing::UnitTest::GetInstance()->current_test_info()->name()),
        dev("unsaved", kPort, env.Path("tmp")) {}

  void SetUp() override {
    mapstores::ClearAll();
    uitest::UseFakeMapView(map);
    env.WriteIni(uitest::AllPagesIni());
    env.Start();
    apConfig->Port = kPort;
    poiStorage.IconCount = 21;
    f = std::make_unique<RouteMain>();
    f->PageLoaded = true;
    apConfig->Altchart = 0;
    dir = env.Path("files");
    QDir().mkpath(dir);
    // A destination file of someone else's: its own category, one place.
    DestStorage theirs;
    const int c = theirs.AddCategory(QStringLiteral("Theirs"));
    theirs.AddSubCategory(c, QStringLiteral("Sub"));
    auto item = std::make_unique<DestItem>(QStringLiteral("Other"), c, 0, QString(), 47.0, 11.0);
    theirs.AddItem(dlActive, item);
    ASSERT_EQ(ZavFile(theirs).Save(dir + "/theirs.zav"), 1);
    QFile gpx(dir + "/imported.gpx");
    ASSERT_TRUE(gpx.open(QIODevice::WriteOnly));
    gpx.write(R"(<?xml version="1.0"?>
<gpx version="1.1" creator="test" xmlns="http://www.topografix.com/GPX/1/1">
<trk><name>imported</name><trkseg>
<trkpt lat="48.0" lon="11.0"><ele>500</ele><time>2024-05-01T10:00:00Z</time></trkpt>
<trkpt lat="48.1" lon="11.1"><ele>510</ele><time>2024-05-01T10:01:00Z</time></trkpt>
</trkseg></trk></gpx>
)");
    gpx.close();
    WriteWaypointFile(dir + "/theirs.wpt", 1);
    WriteRouteFile(dir + "/theirs.rte", {"Alpha", "Beta"});
    {
      TTrackStorage theirs;
      auto track = std::make_unique<TTrackList>();
      for (int i = 0; i < 3; ++i) {
        sFile_TrkEntry e;
        e.Latitude = 47.0 + i * 0.01;
        e.Longitude = 11.0;
        track->AddPoint(e, false);
      }
      track->SetName(QStringLiteral("theirs"));
      theirs.AddTrack(std::move(track));
      ASSERT_GT(theirs.SaveToFile(dir + "/theirs.trk"), 0);
    }
    // What the device holds.
    WriteWaypointFile(dir + "/device.wpt", 2);
    dev.SetFile(DeviceFile::Waypoints, ReadAll(dir + "/device.wpt").toStdString());
    WriteRouteFile(dir + "/device.rte", {"Gamma", "Delta"});
    dev.SetFile(DeviceFile::Route, ReadAll(dir + "/device.rte").toStdString());
    dev.SetFile(DeviceFile::TrackLog, uitest::TrackLog({4, 6}));
  }
  void TearDown() override {
    f.reset();
    InstallMapViewFactory(nullptr);
    mapstores::ClearAll();
  }

  // The question boxes asked so far.
  int Questions() const {
    int n = 0;
    for (const auto& m : env.services.messages) n += m.icon == Icon::Question;
    return n;
  }

  testenv::FixedZone zone{"UTC0"};  // waypoint names are local times
  uitest::ProgramEnv env;
  uitest::SimDevice dev;
  FakeMapView* map = nullptr;
  std::unique_ptr<RouteMain> f;
  QString dir;
};

// One collection: how the user fills it, how it is saved and emptied through
// its page, and what it holds.
struct Collection {
  const ChangeMark& mark;
  std::function<void(RouteMain&)> fill;
  std::function<void(RouteMain&, uitest::FakeServices&, const QString& dir)> save;
  std::function<QStringList()> content;
  QAbstractButton* (*clear)(RouteMain&);
};

Collection DestCollection() {
  return {destStorage,
          [](RouteMain& f) {
            mapstores::AddDest(QStringLiteral("Home"), 48.1, 11.5);
            f.pgDest->FillCategoryCombo();
            f.pgDest->FillDestList();
          },
          [](RouteMain& f, uitest::FakeServices& s, const QString& dir) {
            s.saveAnswers.push_back(dir + "/mine.zav");
            f.pgDest->bgDestFile->Item(1)->click();
          },
          Dests, [](RouteMain& f) -> QAbstractButton* { return f.pgDest->bgDestTable->Item(3); }};
}
// A waypoint the device file can hold: its time is a real one.
void AddWaypoint() {
  auto* p = new sUserPOI;
  p->Year = 2024;
  p->Month = 5;
  p->Day = 1;
  p->Hour = 10;
  p->Icon = 3;
  p->Latitude = 47.5;
  p->Longitude = 10.25;
  p->SetName("2024/05/01 10:00:00");
  if (!poiStorage.Add(p)) delete p;
}

Collection WaypointCollection() {
  return {poiStorage,
          [](RouteMain& f) {
            AddWaypoint();
            f.pgWaypoint->FillWptList();
          },
          [](RouteMain& f, uitest::FakeServices& s, const QString& dir) {
            s.saveAnswers.push_back(dir + "/mine.wpt");
            f.pgWaypoint->tbWptFileSave->click();
          },
          Waypoints, [](RouteMain& f) -> QAbstractButton* { return f.pgWaypoint->tbWptTableClear; }};
}
Collection RouteCollection() {
  return {routeStorage,
          [](RouteMain& f) {
            mapstores::AddRoutePoint(QStringLiteral("Start"), 48.1, 11.5);
            mapstores::AddRoutePoint(QStringLiteral("Goal"), 48.2, 11.6);
            f.pgRoute->FillRouteList(false, false);
          },
          [](RouteMain& f, uitest::FakeServices& s, const QString& dir) {
            s.saveAnswers.push_back(dir + "/mine.rte");
            f.pgRoute->tbRouteSave->click();
          },
          Route, [](RouteMain& f) -> QAbstractButton* { return f.pgRoute->tbRouteTableClear; }};
}
Collection TrackCollection() {
  return {trackStorage,
          [](RouteMain& f) {
            mapstores::AddTrack(QStringLiteral("mine"), 3, 0xFF);
            f.pgTrack->FillTrackList(false);
            f.pgTrack->SetRowChecked(0, true);
          },
          [](RouteMain& f, uitest::FakeServices& s, const QString& dir) {
            s.saveAnswers.push_back(dir + "/mine.trk");
            f.pgTrack->tbTrackFileSave->click();
          },
          [] { return Tracks(); }, [](RouteMain& f) -> QAbstractButton* { return f.pgTrack->tbTrackTableClear; }};
}

// Every command that replaces or clears a collection, with changes held, with
// everything saved and with the collection emptied, answered Yes and No. Yes
// (or no question) carries the command out; No leaves everything as it was,
// the status bar's result included, and starts no transfer.
TEST_F(Unsaved, CommandsAskOnlyWhenTheirCollectionHoldsChanges) {
  const QString logPath = env.Path("tmp/log.bin");
  {
    QFile log(logPath);
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write(QByteArray::fromStdString(uitest::TrackLog({4, 6})));
  }
  TTrackStorage logTracks;
  ASSERT_TRUE(logTracks.LoadDeviceFile(logPath));
  ASSERT_EQ(logTracks.Count(), 2u);
  auto open = [](QAbstractButton* (*button)(RouteMain&), const char* file) {
    return [button, file](RouteMain& f, uitest::FakeServices& s, const QString& dir) {
      s.openAnswers.push_back(dir + "/" + file);
      button(f)->click();
    };
  };
  auto press = [](QAbstractButton* (*button)(RouteMain&)) {
    return [button](RouteMain& f, uitest::FakeServices&, const QString&) { button(f)->click(); };
  };
  struct Command {
    const char* what;
    Collection collection;
    int caption;  // the page's name
    std::function<void(RouteMain&, uitest::FakeServices&, const QString& dir)> run;
    QStringList after;
    bool download = false;  // a transfer from the device
  } commands[] = {
      {"open a destination file", DestCollection(), 0,
       open([](RouteMain& f) -> QAbstractButton* { return f.pgDest->bgDestFile->Item(0); }, "theirs.zav"),
       {"cat:Theirs", "Other"}},
      {"delete all destinations", DestCollection(), 0,
       press([](RouteMain& f) -> QAbstractButton* { return f.pgDest->bgDestTable->Item(3); }), {}},
      {"open a waypoint file", WaypointCollection(), 1,
       open([](RouteMain& f) -> QAbstractButton* { return f.pgWaypoint->tbWptFileOpen; }, "theirs.wpt"),
       {"2024/06/01 09:00:00"}},
      {"download the waypoints", WaypointCollection(), 1,
       press([](RouteMain& f) -> QAbstractButton* { return f.pgWaypoint->tbDeviceDown; }),
       {"2024/06/02 09:00:00"}, true},
      {"clear the waypoints", WaypointCollection(), 1,
       press([](RouteMain& f) -> QAbstractButton* { return f.pgWaypoint->tbWptTableClear; }), {}},
      {"open a route file", RouteCollection(), 2,
       open([](RouteMain& f) -> QAbstractButton* { return f.pgRoute->tbRouteOpen; }, "theirs.rte"),
       {"Alpha", "Beta"}},
      {"download the route", RouteCollection(), 2,
       press([](RouteMain& f) -> QAbstractButton* { return f.pgRoute->tbgRouteDeviceDown; }), {"Gamma", "Delta"},
       true},
      {"clear the route", RouteCollection(), 2,
       press([](RouteMain& f) -> QAbstractButton* { return f.pgRoute->tbRouteTableClear; }), {}},
      {"route from the track", RouteCollection(), 2,
       [](RouteMain& f, uitest::FakeServices&, const QString&) {
         routetest::ShowTrackPoints(f, {{47, 11, 5}, {48, 12, 6}, {49, 11, 7}});
         f.pgTrack->spdAutoGeneratorTrk->click();
       },
       {"0", "1", "2"}},
      {"open a track file", TrackCollection(), 3,
       open([](RouteMain& f) -> QAbstractButton* { return f.pgTrack->tbTrackFileOpen; }, "theirs.trk"),
       {"theirs"}},
      {"import a GPX file", TrackCollection(), 3,
       [](RouteMain& f, uitest::FakeServices& s, const QString& dir) {
         s.openAnswers.push_back(dir + "/imported.gpx");
         f.pgTrack->mnuGPXImport->trigger();
       },
       {"imported"}},
      {"download the track log", TrackCollection(), 3,
       press([](RouteMain& f) -> QAbstractButton* { return f.pgTrack->tbTrackDeviceDown; }), Tracks(logTracks),
       true},
      {"clear the tracks", TrackCollection(), 3,
       press([](RouteMain& f) -> QAbstractButton* { return f.pgTrack->tbTrackTableClear; }), {}},
  };
  enum class Held { Changes, Saved, Emptied };
  for (const Command& c : commands) {
    for (const Held held : {Held::Changes, Held::Saved, Held::Emptied}) {
      for (const int answer : {int(UiServices::Yes), int(UiServices::No)}) {
        const char* heldText[] = {", changed", ", saved", ", emptied"};
        SCOPED_TRACE(std::string(c.what) + heldText[int(held)] + (answer == UiServices::Yes ? ", Yes" : ", No"));
        mapstores::ClearAll();
        c.collection.fill(*f);
        if (held == Held::Saved) {
          c.collection.save(*f, env.services, dir);
          ASSERT_FALSE(c.collection.mark.HasUnsavedChanges());
        } else {
          ASSERT_TRUE(c.collection.mark.HasUnsavedChanges());
        }
        if (held == Held::Emptied) {
          // Emptied by the user after the question: nothing is left to lose.
          env.services.answer = UiServices::Yes;
          c.collection.clear(*f)->click();
          ASSERT_TRUE(c.collection.content().isEmpty());
        }
        const QStringList before = c.collection.content();
        ASSERT_EQ(before.isEmpty(), held == Held::Emptied);
        env.services.messages.clear();
        env.services.answer = answer;
        f->SetStatusText(2, QStringLiteral("before"));
        const int transfers = dev.device->Transfers.load();

        c.run(*f, env.services, dir);

        const bool asked = held == Held::Changes;
        if (asked) {
          ASSERT_FALSE(env.services.messages.empty());
          const auto& q = env.services.messages.front();
          EXPECT_EQ(q.icon, Icon::Question);
          EXPECT_EQ(q.caption, S(c.caption));
          EXPECT_TRUE(q.text.contains("not saved")) << q.text.toStdString();
          EXPECT_EQ(Questions(), 1);
        } else {
          EXPECT_EQ(Questions(), 0);
        }
        const bool carriedOut = !asked || answer == UiServices::Yes;
        EXPECT_EQ(c.collection.content(), carriedOut ? c.after : before);
        if (!carriedOut) {
          EXPECT_EQ(f->StatusText(2), QStringLiteral("before"));
        }
        if (c.download) {
          if (carriedOut) {
            EXPECT_EQ(f->StatusText(2), S(167));
            // The device may still wait for the last ACK.
            dev.device->WaitForTransfers(transfers + 1, 5000);
          } else {
            EXPECT_EQ(dev.device->Transfers.load(), transfers);
          }
        }
        // What a file or the device holds is saved; a route made here is not.
        if (carriedOut && !c.after.isEmpty()) {
          EXPECT_EQ(c.collection.mark.HasUnsavedChanges(), c.after == QStringList({"0", "1", "2"}));
        }
        env.services.openAnswers.clear();
      }
    }
  }
}

// A collection just loaded holds nothing unsaved, so the command that
// replaces it asks nothing; nor does one over an empty collection.
TEST_F(Unsaved, LoadedOrEmptyCollectionsAreReplacedWithoutAQuestion) {
  env.services.answer = UiServices::No;
  env.services.openAnswers.push_back(dir + "/imported.gpx");
  f->pgTrack->mnuGPXImport->trigger();
  ASSERT_EQ(Tracks(), QStringList{"imported"});
  env.services.openAnswers.push_back(dir + "/imported.gpx");
  f->pgTrack->mnuGPXImport->trigger();
  EXPECT_EQ(Questions(), 0);
  EXPECT_EQ(Tracks(), QStringList{"imported"});

  // With no destination held the file's categories join the defaults.
  env.services.openAnswers.push_back(dir + "/theirs.zav");
  f->pgDest->bgDestFile->Item(0)->click();
  ASSERT_TRUE(Dests().contains("Other"));
  f->pgDest->bgDestTable->Item(3)->click();
  EXPECT_EQ(Questions(), 0);
  EXPECT_TRUE(Dests().isEmpty());
  // Emptied, it holds nothing to lose.
  EXPECT_FALSE(destStorage.HasUnsavedChanges());
}

// The default categories are no user's work; a category of one's own is.
TEST_F(Unsaved, OwnCategoriesCountTheDefaultsDoNot) {
  mapstores::ClearAll();
  f->InitDefaultCategories();
  EXPECT_FALSE(destStorage.HasUnsavedChanges());
  destStorage.AddCategory(QStringLiteral("Mine"));
  EXPECT_TRUE(destStorage.HasUnsavedChanges());
  // With no destination held the file's categories join those held: nothing
  // is lost, so nothing is asked.
  env.services.answer = UiServices::No;
  env.services.openAnswers.push_back(dir + "/theirs.zav");
  f->pgDest->bgDestFile->Item(0)->click();
  EXPECT_EQ(Questions(), 0);
  EXPECT_TRUE(Dests().contains("cat:Mine"));
  EXPECT_TRUE(Dests().contains("Other"));
  // The own category is in no file yet: still unsaved work.
  EXPECT_TRUE(destStorage.HasUnsavedChanges());
}

// Edits made in an editor through the item itself, and on the map, count.
TEST_F(Unsaved, EditsInEditorsAndOnTheMapCount) {
  RouteCollection().fill(*f);
  RouteCollection().save(*f, env.services, dir);
  ASSERT_FALSE(routeStorage.HasUnsavedChanges());
  f->Mode = omRoute;
  f->OnMapClick(QStringLiteral("MODIFY:0(48.25,11.25)"));
  EXPECT_TRUE(routeStorage.HasUnsavedChanges());

  TrackCollection().fill(*f);
  TrackCollection().save(*f, env.services, dir);
  ASSERT_FALSE(trackStorage.HasUnsavedChanges());
  f->pgTrack->SelectRow(0);
  env.services.onDialog = [this](QDialog& d) {
    auto& editor = dynamic_cast<TFormTrackEditor&>(d);
    env.services.colourAnswers.push_back(QColor(1, 2, 3));
    editor.btnSelect->click();
    editor.btnOk->click();
    return d.result();
  };
  f->pgTrack->lvTrackDblClick();
  EXPECT_TRUE(trackStorage.HasUnsavedChanges());
  // Changed back by hand, it is as saved again.
  trackStorage.At(0)->Color = 0xFF;
  EXPECT_FALSE(trackStorage.HasUnsavedChanges());
}

// A track file that leaves out unchecked tracks has not saved them.
TEST_F(Unsaved, TrackSaveOfSomeTracksKeepsTheOthersUnsaved) {
  mapstores::AddTrack(QStringLiteral("one"), 3, 0xFF);
  mapstores::AddTrack(QStringLiteral("two"), 3, 0xFF00);
  f->pgTrack->FillTrackList(false);
  f->pgTrack->SetRowChecked(0, true);
  f->pgTrack->SetRowChecked(1, false);
  env.services.saveAnswers.push_back(dir + "/some.trk");
  f->pgTrack->tbTrackFileSave->click();
  ASSERT_TRUE(QFile::exists(dir + "/some.trk"));
  EXPECT_TRUE(trackStorage.HasUnsavedChanges());
  f->pgTrack->SetRowChecked(1, true);
  env.services.saveAnswers.push_back(dir + "/all.trk");
  f->pgTrack->tbTrackFileSave->click();
  EXPECT_FALSE(trackStorage.HasUnsavedChanges());
}

// A destination file holds only the categories that hold destinations, and
// a ZAV file names of at most 20 characters: a save that leaves one of one's
// own out, or shortens one, says so and keeps the work marked, so that
// closing still asks. Once the file can hold it all, all is saved.
TEST_F(Unsaved, DestinationSaveThatLeavesOutOrShortensSaysSoAndKeepsTheMark) {
  int mine = -1;
  const struct Case {
    const char* what;
    std::function<void()> arrange;
    QByteArray line;  // what the file holds
    QString says;
    std::function<void()> mend;
  } cases[] = {
      {"an empty category",
       [&] {
         mapstores::AddDest(QStringLiteral("Home"), 48.1, 11.5);
         mine = destStorage.AddCategory(QStringLiteral("Mine"));
         destStorage.AddSubCategory(mine, QStringLiteral("Sub"));
       },
       "\tPlaces\tAll\t",
       "1 empty category or sub-category not saved: Mine. The file holds only those with destinations.",
       [&] {
         auto item = std::make_unique<DestItem>(QStringLiteral("Hut"), mine, 0, QString(), 47.4, 11.0);
         ASSERT_EQ(destStorage.AddItem(dlActive, item), drOk);
       }},
      {"a category name of 25 characters",
       [&] {
         mapstores::ClearAll();
         mine = destStorage.AddCategory(QStringLiteral("Restaurants and Cafes, 25"));
         destStorage.AddSubCategory(mine, QStringLiteral("Town"));
         auto item = std::make_unique<DestItem>(QStringLiteral("Luigi"), mine, 0, QString(), 48.1, 11.5);
         ASSERT_EQ(destStorage.AddItem(dlActive, item), drOk);
       },
       "\tRestaurants and Cafe\tTown\t",
       "1 category or sub-category name shortened to fit the file: Restaurants and Cafes, 25. Names that differ only "
       "in the part cut off come back as one.",
       [&] { ASSERT_TRUE(destStorage.RenameCategoryAt(mine, QStringLiteral("Restaurants"))); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    f->show();
    c.arrange();
    f->pgDest->FillCategoryCombo();
    f->pgDest->FillDestList();
    env.services.messages.clear();
    env.services.saveAnswers.push_back(dir + "/mine.zav");
    f->pgDest->bgDestFile->Item(1)->click();
    EXPECT_TRUE(ReadAll(dir + "/mine.zav").contains(c.line));
    EXPECT_EQ(f->StatusText(2), S(167));
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_EQ(env.services.messages[0].icon, Icon::Warning);
    EXPECT_EQ(env.services.messages[0].caption, S(114));
    EXPECT_EQ(env.services.messages[0].text, c.says);
    EXPECT_TRUE(destStorage.HasUnsavedChanges());
    env.services.answer = UiServices::No;
    EXPECT_FALSE(f->close());
    ASSERT_EQ(Questions(), 1);
    EXPECT_TRUE(env.services.messages.back().text.contains(S(0)));

    c.mend();
    env.services.messages.clear();
    env.services.saveAnswers.push_back(dir + "/mine.zav");
    f->pgDest->bgDestFile->Item(1)->click();
    EXPECT_TRUE(env.services.messages.empty());
    EXPECT_FALSE(destStorage.HasUnsavedChanges());
    EXPECT_TRUE(f->close());
  }
}

// A long list of what was left out names the first ten; a sub-category goes
// with its category's name; Japanese joins the names with its own comma.
TEST_F(Unsaved, WhatADestinationFileLeftOutIsNamedShortly) {
  DestFileGaps gaps;
  gaps.emptyGroups.push_back({QStringLiteral("Service"), QStringLiteral("Post")});
  for (int i = 1; i <= 11; ++i) gaps.emptyGroups.push_back({QStringLiteral("C%1").arg(i), std::nullopt});
  gaps.unfiled = 2;
  EXPECT_EQ(DestFileGapsText(gaps),
            "12 empty categories or sub-categories not saved: Post in Service, C1, C2, C3, C4, C5, C6, C7, C8, C9, "
            "…. The file holds only those with destinations.\n2 destinations without a category or sub-category not "
            "saved.");
  // What it holds cut, by the full names.
  DestFileGaps cut;
  cut.cutNames.push_back({QStringLiteral("Hotels"), QStringLiteral("Twenty-one characters")});
  for (int i = 1; i <= 11; ++i) cut.cutTitles << QStringLiteral("T%1").arg(i);
  cut.cutInfos << QStringLiteral("Beta");
  EXPECT_EQ(DestFileGapsText(cut),
            "1 category or sub-category name shortened to fit the file: Twenty-one characters in Hotels. Names that "
            "differ only in the part cut off come back as one.\n11 titles shortened to fit the file: T1, T2, T3, T4, "
            "T5, T6, T7, T8, T9, T10, ….\nInformation text shortened to fit the file for 1 destination: Beta.");
  uitest::Speaking japanese(env, QStringLiteral("ja"));
  gaps.emptyGroups.resize(3);
  gaps.unfiled = 0;
  EXPECT_EQ(DestFileGapsText(gaps),
            "空のカテゴリまたはサブカテゴリ 3 件は保存されませんでした: ServiceのPost、C1、C2。ファイルには、目的地を含むものだけが"
            "保存されます。");
}

// Closing the window asks once, naming every collection with changes; No
// keeps the window open with everything in it.
TEST_F(Unsaved, ClosingAsksOnlyWithChanges) {
  f->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
  // Nothing changed: it closes at once.
  EXPECT_TRUE(f->close());
  EXPECT_EQ(Questions(), 0);

  f->show();
  WaypointCollection().fill(*f);
  TrackCollection().fill(*f);
  env.services.answer = UiServices::No;
  EXPECT_FALSE(f->close());
  EXPECT_TRUE(f->isVisible());
  ASSERT_EQ(Questions(), 1);
  const QString text = env.services.messages.back().text;
  EXPECT_TRUE(text.contains(S(1))) << text.toStdString();
  EXPECT_TRUE(text.contains(S(3))) << text.toStdString();
  EXPECT_FALSE(text.contains(S(0))) << text.toStdString();
  EXPECT_FALSE(text.contains(S(2))) << text.toStdString();
  EXPECT_EQ(Waypoints().size(), 1);

  env.services.answer = UiServices::Yes;
  EXPECT_TRUE(f->close());
  EXPECT_FALSE(f->isVisible());
  EXPECT_EQ(Questions(), 2);

  // Saved, it closes without a word.
  f->show();
  WaypointCollection().save(*f, env.services, dir);
  TrackCollection().save(*f, env.services, dir);
  env.services.answer = UiServices::No;
  EXPECT_TRUE(f->close());
  EXPECT_EQ(Questions(), 2);
}

}  // namespace
