// The program settings page and the map bar it serves: the options, the
// proxy, home, refresh and zoom to fit with a fake browser, the favourites
// menu and the favourites in the real ini file, the maker's links, and the
// version check against a local HTTP server.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <map>

#include "Fakehttp.h"
#include "Frmnewversion.h"
#include "Googlehtml.h"
#include "Httpserver.h"
#include "Mainform.h"
#include "Mapstores.h"
#include "Fakemapview.h"
#include "Mapview.h"
#include "Uitestenv.h"

namespace {

using uitest::FakeMapView;

using Icon = UiServices::Icon;

class ProgramMain : public TFormMain {
 public:
  ProgramMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  ~ProgramMain() override { WriteBackSettings(); }
  int LanguageIndex() override { return language; }
  int language = 0;
};

// Sets an environment variable while in scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {
    qputenv(name, value);
  }
  ~ScopedEnv() {
    if (had_)
      qputenv(name_, old_);
    else
      qunsetenv(name_);
  }

 private:
  const char* name_;
  QByteArray old_;
  bool had_;
};

class ProgramPage : public ::testing::Test {
 protected:
  ProgramPage() : env(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  void SetUp() override {
    mapstores::ClearAll();
    InstallMapViewFactory([this](QWidget* parent) {
      auto view = std::make_unique<FakeMapView>(parent);
      fake = view.get();
      return view;
    });
    StartWith(QString());
  }
  void TearDown() override {
    f.reset();
    InstallMapViewFactory(nullptr);
  }
  // Starts the program with these favourite lines in the ini file.
  void StartWith(const QString& favourites) {
    f.reset();
    env.WriteIni(QStringLiteral("[GUI]\r\nFirst=0\r\nRoute=1\r\nTrack=1\r\nLat=10\r\nLon=20\r\n") +
                 (favourites.isEmpty() ? QString() : QStringLiteral("[FAVORITES]\r\n") + favourites));
    Restart();
  }
  // Ends the program (it writes its settings) and starts it again.
  void Restart() {
    f.reset();
    env.Start();
    f = std::make_unique<ProgramMain>();
    f->PageLoaded = true;
    fake->scripts.clear();
    fake->navigated.clear();
  }
  void Center(const char* lat, const char* lng) {
    fake->values[QStringLiteral("result")] = QString::fromLatin1(lat);
    fake->values[QStringLiteral("result2")] = QString::fromLatin1(lng);
  }
  QStringList Favourites() const { return apConfig->Favorites.Items(); }
  // The menu as it opens: the jump items, then the delete items.
  QStringList MenuItems() {
    f->pgSetKVX->mnuFavPopup();
    QStringList items;
    for (QAction* a : f->mnuFav->actions()) {
      if (a->isSeparator()) break;
      items << a->objectName() + QLatin1Char('=') + a->text();
    }
    for (QAction* a : f->mnuFavDel->actions()) items << a->objectName() + QLatin1Char('=') + a->text();
    return items;
  }
  QAction* Named(QMenu* menu, const QString& name) {
    for (QAction* a : menu->actions())
      if (a->objectName() == name) return a;
    return nullptr;
  }

  uitest::ProgramEnv env;
  FakeMapView* fake = nullptr;
  std::unique_ptr<ProgramMain> f;
};

// ---------------------------------------------------------------------------

TEST_F(ProgramPage, OptionBoxesStoreAtOnce) {
  TProgramPage& p = *f->pgSetKVX;
  const struct {
    QCheckBox* box;
    bool ApConfig::*field;
  } boxes[] = {{p.chkBoostMode, &ApConfig::Boostmode},   {p.chkTrackImpMode, &ApConfig::TrkImpMode},
               {p.chkSepTrack, &ApConfig::SepTrack},     {p.chkAutoZoom, &ApConfig::AutoZoom},
               {p.chkCenterPSel, &ApConfig::CenterPSel}, {p.chkVersion, &ApConfig::VersionCheck}};
  for (const auto& b : boxes) {
    SCOPED_TRACE(b.box->objectName().toStdString());
    const bool before = apConfig->*b.field;
    EXPECT_EQ(b.box->isChecked(), before);
    b.box->click();
    EXPECT_EQ(apConfig->*b.field, !before);
    b.box->click();
    EXPECT_EQ(apConfig->*b.field, before);
  }
  // The ini file gets it at shutdown.
  p.chkVersion->click();
  f.reset();
  EXPECT_TRUE(env.Ini()->ReadBool("GUI", "VersionCheck", false));
}

TEST_F(ProgramPage, ProxyIsHandedOnOnlyWhenUsable) {
  TProgramPage& p = *f->pgSetKVX;
  const struct {
    const char *server, *port;
    int stored;
    bool active;
    const char* used;
    int usedPort;
  } steps[] = {
      {"proxy.lan", "3128", 3128, true, "proxy.lan", 3128},
      {"", "", 0, true, "proxy.lan", 3128},  // clearing keeps the proxy in use
      {"other", "x1", 0, true, "proxy.lan", 3128},
      {"other", "70000", 0, true, "proxy.lan", 3128},
      {"other", "0", 0, true, "proxy.lan", 3128},
      {"other", "8080", 8080, true, "other", 8080},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(std::string(s.server) + ":" + s.port);
    p.edProxyServer->setText(QString::fromLatin1(s.server));
    p.edProxyPort->setText(QString::fromLatin1(s.port));
    p.edProxyServerExit();
    EXPECT_EQ(apConfig->ProxyServer, s.server);
    EXPECT_EQ(apConfig->ProxyPort, s.stored);
    EXPECT_EQ(f->HGoogleProxy.Active, s.active);
    EXPECT_EQ(f->HGoogleProxy.Server, s.used);
    EXPECT_EQ(f->HGoogleProxy.Port, s.usedPort);
  }
  // The version check goes through it.
  FakeHttpClient http;
  p.CheckNewVersion(true);
  ASSERT_EQ(http.Requests().size(), 1u);
  EXPECT_EQ(http.Requests()[0].proxyServer, "other");
  EXPECT_EQ(http.Requests()[0].proxyPort, 8080);
}

TEST_F(ProgramPage, HomeRefreshAndZoom) {
  Center("48.5", "11.25");
  f->btnSetHome->click();
  EXPECT_EQ(fake->scripts, QStringList{"setCenter(true)"});
  EXPECT_EQ(apConfig->Lat, 48.5);
  EXPECT_EQ(apConfig->Lon, 11.25);
  EXPECT_EQ(TGoogleHtml::MapCenterLat, 48.5);

  fake->scripts.clear();
  Center("-1.5", "2");
  f->ZoomPending = false;
  f->btnRefresh->click();
  EXPECT_EQ(fake->scripts.value(0), "setCenter()");
  EXPECT_EQ(TGoogleHtml::MapCenterLat, -1.5);
  EXPECT_EQ(TGoogleHtml::MapCenterLng, 2);
  EXPECT_EQ(apConfig->Lat, 48.5);  // the home stays
  EXPECT_EQ(fake->navigated.size(), 1);
  EXPECT_FALSE(f->ZoomPending);  // the view stays as it is
  f->PageLoaded = true;          // as if the new page had loaded

  // Zoom to fit by the working page.
  const struct {
    OpMode mode;
    QStringList scripts;
  } zooms[] = {{omRoute, {"setMapToRoute()", "getMapMode()", "getZoomValue()"}},
               {omTrack, {"setMapToTrack()", "getMapMode()", "getZoomValue()"}},
               {omDestination, {}},
               {omWaypoint, {}}};
  for (const auto& z : zooms) {
    fake->scripts.clear();
    f->Mode = z.mode;
    f->btnGetZoomLevel->click();
    EXPECT_EQ(fake->scripts, z.scripts) << z.mode;
  }

  // Without a loaded page there is no centre to read: no 0/0 home, and no
  // favourite; a refresh keeps the centre it has and loads the page anew.
  fake->scripts.clear();
  fake->navigated.clear();
  f->PageLoaded = false;
  f->btnSetHome->click();
  f->btnRefresh->click();
  f->pgSetKVX->mnuFavAddClick();
  EXPECT_EQ(apConfig->Lat, 48.5);
  EXPECT_EQ(TGoogleHtml::MapCenterLat, -1.5);
  EXPECT_EQ(fake->navigated.size(), 1);
  EXPECT_TRUE(fake->scripts.isEmpty());
  EXPECT_TRUE(Favourites().isEmpty());
  EXPECT_TRUE(env.services.inputPrompts.isEmpty());
  // Nor when the page gives no centre.
  f->PageLoaded = true;
  fake->values.clear();
  f->btnSetHome->click();
  EXPECT_EQ(apConfig->Lat, 48.5);

  // The home reaches the next start.
  Center("47.25", "9.5");
  f->btnSetHome->click();
  Restart();
  EXPECT_EQ(apConfig->Lat, 47.25);
  EXPECT_EQ(TGoogleHtml::MapCenterLng, 9.5);
}

// Clicks a button, check box or click panel as the user does.
void Press(QWidget* w) {
  ASSERT_TRUE(w->isVisible()) << w->objectName().toStdString();
  // A check box reacts to its box and caption, which start at its left edge.
  const QPoint at = qobject_cast<QCheckBox*>(w) ? QPoint(w->height() / 2, w->height() / 2) : w->rect().center();
  QTest::mouseClick(w, Qt::LeftButton, {}, at);
}

// Clicks an item of an open menu.
void PressItem(QMenu* menu, QAction* item) {
  ASSERT_TRUE(menu->isVisible());
  ASSERT_NE(item, nullptr);
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

// Opens a tab by clicking it.
void OpenTab(QTabWidget* tabs, QWidget* page) {
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabs->indexOf(page)).center());
  ASSERT_EQ(tabs->currentWidget(), page);
}

// Every control of the settings page, pressed through its widget, so that a
// lost connection fails here.
TEST_F(ProgramPage, PageControlsWorkThroughTheirWidgets) {
  FakeHttpClient http;
  env.services.shift = true;  // the proxy fields show to whoever holds Shift
  f->show();
  OpenTab(f->PageControl, f->pgConfig);
  OpenTab(f->PageControl1, f->pgSetKVX);
  TProgramPage& p = *f->pgSetKVX;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));

  const struct {
    QCheckBox* box;
    std::function<bool()> stored;
  } boxes[] = {
      {p.chkBoostMode, [] { return apConfig->Boostmode; }},
      {p.chkTrackImpMode, [] { return apConfig->TrkImpMode; }},
      {p.chkSepTrack, [] { return apConfig->SepTrack; }},
      {p.chkAutoZoom, [] { return apConfig->AutoZoom; }},
      {p.chkCenterPSel, [] { return apConfig->CenterPSel; }},
      {p.chkVersion, [] { return apConfig->VersionCheck; }},
      {p.chkAltChartFollow, [] { return (apConfig->Altchart & 2) != 0; }},
      {p.chkAltChart, [] { return (apConfig->Altchart & 1) != 0; }},
      {p.chkTrackItems, [&] { return apConfig->ShowTrkPts && f->pgTrack->pnlTrackItems->isVisibleTo(f->pgTrack); }},
  };
  p.chkAltChart->setChecked(true);  // the follow box works only with the chart on
  p.chkAltChartFollow->setEnabled(true);
  for (const auto& b : boxes) {
    SCOPED_TRACE(b.box->objectName().toStdString());
    const bool before = b.box->isChecked();
    Press(b.box);
    EXPECT_EQ(b.box->isChecked(), !before);
    EXPECT_EQ(b.stored(), !before);
  }
  EXPECT_FALSE(p.chkAltChartFollow->isEnabled());  // the chart went off

  // The icon preview follows the transparency box and the colour panel.
  const qint64 preview = p.imgPOI->pixmap().cacheKey();
  Press(p.chkPOITrans);
  EXPECT_NE(p.imgPOI->pixmap().cacheKey(), preview);
  env.services.colourAnswers = {QColor(1, 2, 3), QColor(4, 5, 6)};
  Press(p.pnlPOIColor);
  EXPECT_EQ(p.pnlPOIColor->palette().color(QPalette::Window), QColor(1, 2, 3));
  Press(p.pnlAChartColor);
  EXPECT_EQ(apConfig->AltchartCol, 0x060504u);
  EXPECT_EQ(env.services.colourAsked.size(), 2u);

  const QString icon = pathManager->GetWebDir() + QStringLiteral("/wpt0.png");
  QFile::remove(icon);
  Press(p.btnGeneratePOIs);
  EXPECT_TRUE(QFileInfo::exists(icon));

  // The proxy takes effect when a field is left with Enter.
  QTest::keyClicks(p.edProxyServer, QStringLiteral("proxy.lan"));
  QTest::keyClicks(p.edProxyPort, QStringLiteral("3128"));
  QTest::keyClick(p.edProxyPort, Qt::Key_Return);
  EXPECT_EQ(f->HGoogleProxy.Server, "proxy.lan");
  EXPECT_EQ(f->HGoogleProxy.Port, 3128);

  // The version check: a newer build with no name still shows the window.
  http.ReplyBody(QString(), "V1.5");
  f->BuildNumber = 4;
  env.services.dialogsShown = 0;
  Press(p.btnVersionCheck);
  EXPECT_EQ(env.services.dialogsShown, 1);
  ASSERT_FALSE(http.Requests().empty());
  EXPECT_EQ(http.Requests().back().proxyServer, "proxy.lan");

  ScopedEnv host("TREVIK_MAKER_URL", "http://maker.test");
  Press(p.lblProducer);
  Press(p.lblFAQ);
  EXPECT_EQ(env.services.opened,
            (QStringList{"http://maker.test", "http://maker.test/faq/index.php?sid=17131&lang=en&action=show"}));
}

// The map bar's buttons and the favourites menu, pressed through the widgets.
TEST_F(ProgramPage, MapBarWorksThroughItsWidgets) {
  StartWith(QStringLiteral("F0=b;1.5000;-2.2500\r\nF1=A;3.0000;4.0000\r\n"));
  f->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));

  Center("48.5", "11.25");
  Press(f->btnSetHome);
  EXPECT_EQ(fake->scripts, QStringList{"setCenter(true)"});
  EXPECT_EQ(apConfig->Lat, 48.5);

  fake->scripts.clear();
  Center("-1.5", "2");
  Press(f->btnRefresh);
  EXPECT_EQ(fake->scripts.value(0), "setCenter()");
  EXPECT_EQ(TGoogleHtml::MapCenterLat, -1.5);
  EXPECT_EQ(apConfig->Lat, 48.5);
  EXPECT_EQ(fake->navigated.size(), 1);
  // Without a loaded page the button still loads it anew.
  Press(f->btnRefresh);
  EXPECT_EQ(fake->navigated.size(), 2);
  f->PageLoaded = true;

  fake->scripts.clear();
  f->Mode = omRoute;
  Press(f->btnGetZoomLevel);
  EXPECT_EQ(fake->scripts.value(0), "setMapToRoute()");

  fake->scripts.clear();
  Press(f->btnGoogleSearch);
  EXPECT_TRUE(f->btnGoogleSearch->isChecked());
  Press(f->btnGoogleSearch);
  EXPECT_FALSE(f->btnGoogleSearch->isChecked());
  EXPECT_EQ(fake->scripts, (QStringList{"showGoogleSearch(true)", "showGoogleSearch(false)"}));

  // The favourites button opens the menu below itself, built afresh.
  fake->scripts.clear();
  Press(f->btnFav);
  ASSERT_TRUE(f->mnuFav->isVisible());
  EXPECT_EQ(f->mnuFav->pos(), f->btnFav->mapToGlobal(QPoint(0, f->btnFav->height())));
  PressItem(f->mnuFav, Named(f->mnuFav, "NewMenuItem_0"));
  EXPECT_EQ(fake->scripts, QStringList{"setLatLng(3,4)"});
  EXPECT_FALSE(f->mnuFav->isVisible());

  fake->scripts.clear();
  Center("48.137154", "11.575382");
  env.services.inputAnswers.push_back(QStringLiteral("Here"));
  Press(f->btnFav);
  PressItem(f->mnuFav, f->mnuFavAdd);
  EXPECT_EQ(fake->scripts, QStringList{"getCenter()"});
  EXPECT_TRUE(Favourites().contains("Here;48.1372;11.5754"));

  Press(f->btnFav);
  Named(f->mnuFavDel, "NewMenuItem2_0")->trigger();  // A
  f->mnuFav->hide();
  EXPECT_EQ(Favourites(), (QStringList{"b;1.5000;-2.2500", "Here;48.1372;11.5754"}));
}

TEST_F(ProgramPage, AddingFavourites) {
  StartWith(QStringLiteral("F0=a;1.0000;2.0000\r\nF1=b;1.0000;2.0000\r\nF2=c;1.0000;2.0000\r\nF3=d;1.0000;2.0000\r\n"));
  Center("48.137154", "11.575382");
  env.services.inputAnswers.push_back(QStringLiteral("Favorit4"));
  f->mnuFavAdd->trigger();
  EXPECT_EQ(fake->scripts, QStringList{"getCenter()"});
  EXPECT_EQ(env.services.inputPrompts, QStringList{"Favorit name|Favorit4"});
  EXPECT_TRUE(Favourites().contains("Favorit4;48.1372;11.5754"));

  // An equal entry (letter case ignored) is not added twice; a name with ";"
  // or none at all is refused; a cancelled prompt adds nothing.
  for (const char* name : {"FAVORIT4", "x;y", "  "}) env.services.inputAnswers.push_back(QString::fromLatin1(name));
  env.services.inputAnswers.push_back(std::nullopt);
  for (int i = 0; i < 4; ++i) f->pgSetKVX->mnuFavAddClick();
  EXPECT_EQ(Favourites().size(), 5);
  EXPECT_EQ(env.services.messages.size(), 2u);

  // Thirty is the limit: the item is disabled and the handler refuses too.
  for (int n = 5; n < 30; ++n) apConfig->Favorites.Add(QStringLiteral("n%1;1;2").arg(n, 2, 10, QLatin1Char('0')));
  ASSERT_EQ(Favourites().size(), 30);
  f->pgSetKVX->mnuFavPopup();
  EXPECT_FALSE(f->mnuFavAdd->isEnabled());
  EXPECT_TRUE(f->mnuFavDel->menuAction()->isEnabled());
  env.services.inputPrompts.clear();
  env.services.inputAnswers.push_back(QStringLiteral("more"));
  f->pgSetKVX->mnuFavAddClick();
  EXPECT_EQ(Favourites().size(), 30);
  EXPECT_TRUE(env.services.inputPrompts.isEmpty());
}

TEST_F(ProgramPage, FavouritesMenuJumpAndDelete) {
  StartWith(QStringLiteral("F0=b;1.5000;-2.2500\r\nF1=A;3.0000;4.0000\r\nF2=R&D;5;6\r\nF3=bad;x;1\r\n"));
  EXPECT_EQ(MenuItems(), (QStringList{"NewMenuItem_0=A", "NewMenuItem_1=b", "NewMenuItem_2=bad",
                                      "NewMenuItem_3=R&&D", "NewMenuItem2_0=A", "NewMenuItem2_1=b",
                                      "NewMenuItem2_2=bad", "NewMenuItem2_3=R&&D"}));
  // Rebuilt on each opening, not added to.
  EXPECT_EQ(MenuItems().size(), 8);
  EXPECT_TRUE(f->mnuFavAdd->isEnabled());

  Named(f->mnuFav, "NewMenuItem_1")->trigger();
  Named(f->mnuFav, "NewMenuItem_0")->trigger();
  Named(f->mnuFav, "NewMenuItem_2")->trigger();  // fields that do not convert
  f->pgSetKVX->JumpToFavourite(4);
  f->pgSetKVX->JumpToFavourite(-1);
  EXPECT_EQ(fake->scripts, (QStringList{"setLatLng(1.5,-2.25)", "setLatLng(3,4)"}));

  Named(f->mnuFavDel, "NewMenuItem2_0")->trigger();
  EXPECT_EQ(Favourites(), (QStringList{"b;1.5000;-2.2500", "bad;x;1", "R&D;5;6"}));
  f->pgSetKVX->DeleteFavourite(3);
  EXPECT_EQ(Favourites().size(), 3);
  EXPECT_EQ(MenuItems().size(), 6);

  // The ini file keeps them, ";" and all, and the next start reads them back.
  Center("-33.856780", "151.215290");
  env.services.inputAnswers.push_back(QStringLiteral("Oper"));
  f->pgSetKVX->mnuFavAddClick();
  const QStringList kept = Favourites();
  f.reset();
  EXPECT_EQ(env.Ini()->ReadString("FAVORITES", "F2", ""), "Oper;-33.8568;151.2153");
  Restart();
  EXPECT_EQ(Favourites(), kept);
  apConfig->Favorites.Clear();
  f->pgSetKVX->mnuFavPopup();
  EXPECT_FALSE(f->mnuFavDel->menuAction()->isEnabled());
  EXPECT_TRUE(MenuItems().isEmpty());
}

TEST_F(ProgramPage, MakerLinks) {
  ScopedEnv host("TREVIK_MAKER_URL", "http://maker.test/");
  emit f->pgSetKVX->lblProducer->clicked();
  f->language = 1;
  emit f->pgSetKVX->lblFAQ->clicked();
  f->language = 3;
  f->pgSetKVX->lblFAQClick();
  EXPECT_EQ(env.services.opened,
            (QStringList{"http://maker.test", "http://maker.test/faq/index.php?sid=17131&lang=de&action=show",
                         "http://maker.test/faq/index.php?sid=17131&lang=en&action=show"}));
}

// The version table on a real HTTP server: each case under a prefix of its own.
TEST_F(ProgramPage, VersionCheck) {
  testenv::LocalHttpServer srv(QStringLiteral(R"([
    {"path": "/v/dad-ivodedur/KVX/version.txt", "body": "V1.55\r\n2.0.1.55\r\nignored\r\n"},
    {"path": "/wrap/dad-ivodedur/KVX/version.txt", "body": "V1.65590\n2.0.1.55\n"},
    {"path": "/bom/dad-ivodedur/KVX/version.txt", "body": "\ufeffV1.56\n2.0.1.56"},
    {"path": "/alone/dad-ivodedur/KVX/version.txt", "body": "V1.5"},
    {"path": "/noname/dad-ivodedur/KVX/version.txt", "body": "V1.99\n"},
    {"path": "/junk3/dad-ivodedur/KVX/version.txt", "body": "V1.57\n2.0.1.57\n\u0000\u0001\u0002"},
    {"path": "/garbage/dad-ivodedur/KVX/version.txt", "body": "<html>oops</html>\nwhatever\n"},
    {"path": "/binary/dad-ivodedur/KVX/version.txt", "body": "\u0089PNG\r\n\u001a\n\u0000\u0000\u0000\rIHDR"},
    {"path": "/binname/dad-ivodedur/KVX/version.txt", "body": "V1.99\n\u0000\u0007x"},
    {"path": "/empty/dad-ivodedur/KVX/version.txt", "body": ""},
    {"path": "/blank/dad-ivodedur/KVX/version.txt", "body": " \r\n\r\n"},
    {"path": "/gone/dad-ivodedur/KVX/version.txt", "status": 404, "body": "no"},
    {"path": "/broke/dad-ivodedur/KVX/version.txt", "status": 500, "body": "V1.99\n2.0.1.99\n"},
    {"path": "/drop/dad-ivodedur/KVX/version.txt", "drop": true}
  ])"));
  ASSERT_NE(srv.Port(), 0);
  QString shown;
  env.services.onDialog = [&](QDialog& d) {
    auto& v = dynamic_cast<TFormNewVersion&>(d);
    EXPECT_EQ(FormNewVersion, &v);
    shown = v.lblVersionNum->text();
    return int(QDialog::Accepted);
  };
  enum Outcome { kWindow, kNoNew, kFailed };
  const struct {
    const char* prefix;
    uint16_t build;
    Outcome outcome;
    const char* text;  // the window's version, or what the failure names
  } cases[] = {
      {"/v", 54, kWindow, "2.0.1.55"},
      {"/v", 55, kNoNew, ""},
      {"/v", 56, kNoNew, ""},
      {"/wrap", 54, kNoNew, ""},  // 65590 is 54 on 16 bits
      {"/wrap", 53, kWindow, "2.0.1.55"},
      {"/bom", 55, kWindow, "2.0.1.56"},
      {"/alone", 4, kWindow, ""},  // no name: the window all the same
      {"/alone", 5, kNoNew, ""},
      {"/noname", 1, kWindow, ""},
      {"/junk3", 1, kWindow, "2.0.1.57"},  // lines after the second are not read
      {"/garbage", 0, kFailed, "no build number"},
      {"/binary", 0, kFailed, "not text"},
      {"/binname", 0, kFailed, "not text"},
      {"/empty", 0, kFailed, "empty"},
      {"/blank", 0, kFailed, "empty"},
      {"/gone", 0, kFailed, "404"},
      {"/broke", 1, kFailed, "500"},
      {"/drop", 0, kFailed, ""},
  };
  for (const auto& c : cases) {
    for (bool silent : {true, false}) {
      SCOPED_TRACE(std::string(c.prefix) + " build " + std::to_string(c.build) + (silent ? " silent" : ""));
      ScopedEnv host("TREVIK_MAKER_URL", srv.Url(QString::fromLatin1(c.prefix)).toUtf8());
      f->BuildNumber = c.build;
      shown = QStringLiteral("<none>");
      env.services.messages.clear();
      env.services.dialogsShown = 0;
      f->pgSetKVX->CheckNewVersion(silent);
      if (c.outcome == kWindow) {
        EXPECT_EQ(env.services.dialogsShown, 1);
        EXPECT_EQ(shown, c.text);
        EXPECT_TRUE(env.services.messages.empty());
        continue;
      }
      EXPECT_EQ(env.services.dialogsShown, 0);
      if (silent) {
        EXPECT_TRUE(env.services.messages.empty());
        continue;
      }
      ASSERT_EQ(env.services.messages.size(), 1u);
      const auto& m = env.services.messages[0];
      if (c.outcome == kNoNew) {
        EXPECT_EQ(m.text, "No new version available!");
      } else {
        EXPECT_TRUE(m.text.startsWith("The version check failed: ")) << m.text.toStdString();
        EXPECT_TRUE(m.text.contains(QLatin1String(c.text))) << m.text.toStdString();
        EXPECT_EQ(m.icon, Icon::Error);
      }
    }
  }
  EXPECT_EQ(FormNewVersion, nullptr);
  const auto requests = srv.Requests();
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests[0].line, "GET /v/dad-ivodedur/KVX/version.txt HTTP/1.1");
  EXPECT_EQ(requests[0].Header("Accept"), "text/html, */*");
}

// The version check's failures in the chosen language; "No new version
// available!" is the program's fixed text and stays.
TEST_F(ProgramPage, VersionCheckFailuresInTheChosenLanguage) {
  testenv::LocalHttpServer srv(QStringLiteral(R"([
    {"path": "/v/dad-ivodedur/KVX/version.txt", "body": "V1.55\r\n2.0.1.55\r\n"},
    {"path": "/garbage/dad-ivodedur/KVX/version.txt", "body": "<html>oops</html>\nwhatever\n"},
    {"path": "/binary/dad-ivodedur/KVX/version.txt", "body": "\u0089PNG\r\n\u001a\n\u0000\u0000\u0000\rIHDR"},
    {"path": "/empty/dad-ivodedur/KVX/version.txt", "body": ""},
    {"path": "/gone/dad-ivodedur/KVX/version.txt", "status": 404, "body": "no"}
  ])"));
  ASSERT_NE(srv.Port(), 0);
  QString refused;
  {
    testenv::LocalHttpServer gone(QStringLiteral("[]"));
    refused = gone.Url(QString());
  }  // nothing listens there any more
  const struct {
    const char* language;
    QString url;
    const char* text;  // the whole message, or its start where the server's words follow
    bool whole;
  } cases[] = {
      {"de", srv.Url(QStringLiteral("/garbage")), "Die Versionsprüfung ist fehlgeschlagen: die Versionsdatei enthält keine Build-Nummer", true},
      {"ja", srv.Url(QStringLiteral("/garbage")), "バージョンの確認に失敗しました: バージョンファイルにビルド番号がありません", true},
      {"ja", srv.Url(QStringLiteral("/binary")), "バージョンの確認に失敗しました: バージョンファイルがテキストではありません", true},
      {"de", srv.Url(QStringLiteral("/empty")), "Die Versionsprüfung ist fehlgeschlagen: die Versionsdatei ist leer", true},
      {"ja", srv.Url(QStringLiteral("/empty")), "バージョンの確認に失敗しました: バージョンファイルが空です", true},
      {"de", refused, "Die Versionsprüfung ist fehlgeschlagen: Verbindung abgelehnt", true},
      {"ja", refused, "バージョンの確認に失敗しました: 接続が拒否されました", true},
      {"de", srv.Url(QStringLiteral("/gone")), "Die Versionsprüfung ist fehlgeschlagen: HTTP 404", false},
      {"ja", srv.Url(QStringLiteral("/v")), "No new version available!", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.language) + " " + c.url.toStdString());
    uitest::Speaking speaking(env, QString::fromLatin1(c.language));
    ScopedEnv host("TREVIK_MAKER_URL", c.url.toUtf8());
    f->BuildNumber = 55;
    env.services.messages.clear();
    env.services.dialogsShown = 0;
    f->pgSetKVX->CheckNewVersion(false);
    EXPECT_EQ(env.services.dialogsShown, 0);
    ASSERT_EQ(env.services.messages.size(), 1u);
    const QString text = env.services.messages[0].text;
    if (c.whole)
      EXPECT_EQ(text, QString::fromUtf8(c.text));
    else
      EXPECT_TRUE(text.startsWith(QString::fromUtf8(c.text))) << text.toStdString();
  }
}

// A slow version server: the window repaints meanwhile, under the busy
// cursor, and the status bar says what the program waits for.
TEST_F(ProgramPage, VersionCheckWaitRepaintsAndSaysSo) {
  testenv::LocalHttpServer srv(QStringLiteral(R"([
    {"path": "/dad-ivodedur/KVX/version.txt", "delay": 1.2, "body": "V1.1\r\n2.0.1.1\r\n"}
  ])"));
  ASSERT_NE(srv.Port(), 0);
  ScopedEnv host("TREVIK_MAKER_URL", srv.Url(QString()).toUtf8());
  f->BuildNumber = 5;
  f->resize(1000, 700);
  f->show();
  f->PageControl->setCurrentWidget(f->pgConfig);
  f->PageControl1->setCurrentWidget(f->pgSetKVX);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
  uitest::PaintCounter counter;
  QWidget* button = f->pgSetKVX->btnVersionCheck;
  QString status;
  bool busy = false;
  int paintsInWait = -1;
  QTimer::singleShot(300, &counter, [&] {
    status = f->StatusText(1);
    busy = QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
    button->installEventFilter(&counter);
    button->update();
  });
  QTimer::singleShot(800, &counter, [&] { paintsInWait = counter.paints; });
  QTest::mouseClick(button, Qt::LeftButton);
  button->removeEventFilter(&counter);
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_EQ(env.services.messages[0].text, "No new version available!");
  EXPECT_EQ(status, QStringLiteral("Waiting for the version check ..."));
  EXPECT_TRUE(busy);
  EXPECT_GT(paintsInWait, 0);
  EXPECT_NE(f->StatusText(1), status);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ProgramPage, VersionCheckNeverWaitsForever) {
  FakeHttpClient http;
  http.Reply(QString(), FakeHttpClient::Failed(QStringLiteral("timed out")));
  f->pgSetKVX->CheckNewVersion(true);
  EXPECT_TRUE(env.services.messages.empty());
  f->pgSetKVX->btnVersionCheck->click();
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(env.services.messages[0].text.contains("timed out"));
  ASSERT_EQ(http.Requests().size(), 2u);
  EXPECT_GT(http.Requests()[0].timeoutMs, 0);
  EXPECT_LE(http.Requests()[0].timeoutMs, 15000);
  EXPECT_TRUE(http.Requests()[0].url.endsWith("/dad-ivodedur/KVX/version.txt"));
}

TEST_F(ProgramPage, NewVersionDialogOpensTheDownloadPage) {
  ScopedEnv host("TREVIK_MAKER_URL", "https://maker.test");
  for (bool german : {true, false}) {
    TFormNewVersion d(f.get());
    EXPECT_EQ(d.windowTitle(), "Version check");
    EXPECT_EQ(d.btnCancel->text(), "S160");
    d.SetVersion(QStringLiteral("2.0.1.55"), german);
    EXPECT_EQ(d.lblVersionNum->text(), "2.0.1.55");
    emit d.lblGoto->clicked();
    EXPECT_EQ(d.result(), QDialog::Accepted);
  }
  EXPECT_EQ(env.services.opened,
            (QStringList{"https://maker.test/de/software.html", "https://maker.test/en/software.html"}));
  // Escape closes it with OK as the button does.
  TFormNewVersion d(f.get());
  d.reject();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  // The version's name comes from the web: markup in it is shown as text.
  d.SetVersion(QStringLiteral("<img src=\"x.png\"><b>2.0</b>"), false);
  EXPECT_EQ(d.lblVersionNum->textFormat(), Qt::PlainText);
}

// A desktop with no browser: each link says that nothing could open its
// address and shows the address.
TEST_F(ProgramPage, LinksWithNoBrowserShowTheirAddress) {
  ScopedEnv host("TREVIK_MAKER_URL", "https://maker.test");
  env.services.openSucceeds = false;
  f->show();
  OpenTab(f->PageControl, f->pgConfig);
  OpenTab(f->PageControl1, f->pgSetKVX);
  TProgramPage& p = *f->pgSetKVX;
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
  Press(p.lblProducer);
  Press(p.lblFAQ);
  {
    TFormNewVersion d(f.get());
    d.SetVersion(QStringLiteral("2.0.1.55"), true);
    d.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&d));
    Press(d.lblGoto);
    EXPECT_EQ(d.result(), QDialog::Accepted);
  }
  const QStringList urls{"https://maker.test", "https://maker.test/faq/index.php?sid=17131&lang=en&action=show",
                         "https://maker.test/de/software.html"};
  EXPECT_EQ(env.services.opened, urls);
  ASSERT_EQ(env.services.messages.size(), 3u);
  const QString captions[] = {p.grpProduct->title(), p.grpProduct->title(), QStringLiteral("Version check")};
  for (int i = 0; i < 3; ++i) {
    const uitest::MessageRecord& m = env.services.messages[size_t(i)];
    SCOPED_TRACE(m.text.toStdString());
    EXPECT_TRUE(m.text.contains(QStringLiteral("No program")));
    // The address stands on a line of its own, to be selected whole.
    EXPECT_TRUE(m.text.split(QLatin1Char('\n')).contains(urls[i]));
    EXPECT_EQ(m.caption, captions[i]);
    EXPECT_EQ(m.icon, Icon::Warning);
  }
  // With a browser nothing is said.
  env.services.openSucceeds = true;
  Press(p.lblProducer);
  EXPECT_EQ(env.services.messages.size(), 3u);
}

// The desktop's own box lets the address be selected and copied.
TEST_F(ProgramPage, NoBrowserBoxTextCanBeSelected) {
  UiServices::Install(nullptr);
  UiServices& desktop = UiServices::Get();
  // Fake services that answer "no browser" but show the desktop's real box.
  class NoBrowser : public uitest::FakeServices {
   public:
    explicit NoBrowser(UiServices& desktop) : desktop_(desktop) { openSucceeds = false; }
    int MessageBox(const QString& text, const QString& caption, Icon icon, Buttons buttons) override {
      return desktop_.MessageBox(text, caption, icon, buttons);
    }

   private:
    UiServices& desktop_;
  } noBrowser(desktop);
  UiServices::Install(&noBrowser);
  ScopedEnv host("TREVIK_MAKER_URL", "https://maker.test");
  QString shown;
  bool selectable = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    for (QLabel* label : box->findChildren<QLabel*>()) {
      if (!label->text().contains(QStringLiteral("maker.test"))) continue;
      shown = label->text();
      selectable = label->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
    }
    box->accept();
  });
  poll.start(10);
  TFormNewVersion d(f.get());
  d.SetVersion(QStringLiteral("2.0.1.55"), false);
  d.lblGotoClick();
  poll.stop();
  UiServices::Install(&env.services);
  EXPECT_TRUE(shown.contains(QStringLiteral("https://maker.test/en/software.html"))) << shown.toStdString();
  EXPECT_TRUE(selectable);
}

}  // namespace
