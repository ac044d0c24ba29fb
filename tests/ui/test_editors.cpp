// What the destination, waypoint and route-point editors make of typed
// coordinates, pressed through their widgets.
#include <gtest/gtest.h>

#include <QTest>

#include <functional>
#include <memory>

#include "Deststorage.h"
#include "Frmdesteditor.h"
#include "Frmpoieditor.h"
#include "Frmrouteeditor.h"
#include "Routewindow.h"
#include "Uitestenv.h"

namespace {

using Icon = UiServices::Icon;

QString S(int n) { return QStringLiteral("S%1").arg(n); }

// One editor as the test drives it: its dialog filled in with a good
// position and a title, its OK button, and the position it took.
struct Editor {
  const char* name;
  std::unique_ptr<QDialog> dialog;
  QLineEdit *lat, *lon;
  QPushButton* ok;
  std::function<std::pair<double, double>()> taken;
};

class Editors : public ::testing::Test {
 protected:
  Editors() : env(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  void SetUp() override {
    mapstores::ClearAll();
    DestStorage empty;
    destStorage.ReplaceWith(empty);
    uitest::UseFakeMapView(fake);
    env.WriteIni(uitest::AllPagesIni());
    env.Start();
    f = std::make_unique<routetest::RouteMain>();
    f->PageLoaded = true;
  }
  void TearDown() override {
    f.reset();
    InstallMapViewFactory(nullptr);
    mapstores::ClearAll();
    DestStorage empty;
    destStorage.ReplaceWith(empty);
  }

  // The destination (0), waypoint (1) or route-point (2) editor.
  Editor Make(int which);

  uitest::ProgramEnv env;
  uitest::FakeMapView* fake = nullptr;
  std::unique_ptr<routetest::RouteMain> f;
};
constexpr int kEditors = 3;

// Titles are the store's keys: each destination gets one of its own.
Editor DestEditor(QWidget* owner) {
  static int made = 0;
  auto d = std::make_unique<TFormDestEditor>(TFormDestEditor::modeAdd, 0, 0, owner);
  d->edtTitle->setText(QStringLiteral("Somewhere %1").arg(++made));
  TFormDestEditor* e = d.get();
  return {"destination", std::move(d), e->edtLat, e->edtLon, e->btnAct,
          [e] { return std::pair{e->Latitude, e->Longitude}; }};
}

Editor PoiEditor(TMainFrame& frame) {
  auto d = std::make_unique<TFormPoiEditor>(TFormPoiEditor::kAdd, 0, 0, frame);
  d->SetPoi("2014/05/03 14:07:09", 0, 0, 0);
  TFormPoiEditor* e = d.get();
  return {"waypoint", std::move(d), e->edtLat, e->edtLon, e->btnAct,
          [e] { return std::pair{e->Latitude, e->Longitude}; }};
}

Editor RouteEditor(TMainFrame& frame) {
  auto d = std::make_unique<TFormRouteEditor>(frame, 0, 0);
  d->edtTitle->setText(QStringLiteral("Somewhere"));
  TFormRouteEditor* e = d.get();
  return {"route point", std::move(d), e->edtLat, e->edtLon, e->btnOk,
          [e] { return std::pair{e->Latitude, e->Longitude}; }};
}

Editor Editors::Make(int which) {
  return which == 0 ? DestEditor(f.get()) : which == 1 ? PoiEditor(*f) : RouteEditor(*f);
}

// What a refused input earns.
enum class Refusal { None, Missing, NotANumber, OutOfRange };

QString Reason(bool latitude, Refusal r, bool routeEditor) {
  // The route-point editor has no "please enter" box: an empty coordinate is
  // no number there.
  if (r == Refusal::Missing && routeEditor) r = Refusal::NotANumber;
  switch (r) {
    case Refusal::None:
      return QString();
    case Refusal::Missing:
      return S(123);
    case Refusal::NotANumber:
      return latitude ? QStringLiteral("The latitude must be a number between -90 and 90 degrees.")
                      : QStringLiteral("The longitude must be a number between -180 and 180 degrees.");
    case Refusal::OutOfRange:
      return latitude ? QStringLiteral("The latitude must lie between -90 and 90 degrees.")
                      : QStringLiteral("The longitude must lie between -180 and 180 degrees.");
  }
  return QString();
}

TEST_F(Editors, CoordinatesReadAlikeInAllThreeEditors) {
  struct Case {
    bool latitude;  // the field typed into; the other keeps a good value
    const char* typed;
    Refusal refusal;
    double value = 0;
  };
  const Case cases[] = {
      {true, "47,5", Refusal::None, 47.5},
      {true, "47.5", Refusal::None, 47.5},
      {true, " -12,25 ", Refusal::None, -12.25},
      {true, "90", Refusal::None, 90},
      {true, "95", Refusal::OutOfRange},
      {true, "-90,5", Refusal::OutOfRange},
      {true, "-180", Refusal::OutOfRange},
      {true, "1e3", Refusal::OutOfRange},
      {true, "abc", Refusal::NotANumber},
      {true, "47,5,1", Refusal::NotANumber},
      {true, "4.7,5", Refusal::NotANumber},
      {true, "nan", Refusal::NotANumber},
      {true, "", Refusal::Missing},
      {false, "11,75", Refusal::None, 11.75},
      {false, "-180", Refusal::None, -180},
      {false, "95", Refusal::None, 95},
      {false, "180,01", Refusal::OutOfRange},
      {false, "1e3", Refusal::OutOfRange},
      {false, "inf", Refusal::NotANumber},
      {false, "1,2,3", Refusal::NotANumber},
      {false, "", Refusal::Missing},
  };
  for (const Case& c : cases) {
    for (int which = 0; which < kEditors; ++which) {
      Editor e = Make(which);
      SCOPED_TRACE(std::string(e.name) + (c.latitude ? " latitude '" : " longitude '") + c.typed + "'");
      env.services.messages.clear();
      e.lat->setText(QStringLiteral("48.25"));
      e.lon->setText(QStringLiteral("11.5"));
      QLineEdit* typedInto = c.latitude ? e.lat : e.lon;
      typedInto->setText(QString::fromUtf8(c.typed));
      e.dialog->show();
      ASSERT_TRUE(QTest::qWaitForWindowExposed(e.dialog.get()));
      QTest::mouseClick(e.ok, Qt::LeftButton);

      const QString reason = Reason(c.latitude, c.refusal, which == 2);
      if (reason.isEmpty()) {
        EXPECT_TRUE(env.services.messages.empty());
        EXPECT_EQ(e.dialog->result(), QDialog::Accepted);
        const auto [lat, lon] = e.taken();
        EXPECT_DOUBLE_EQ(c.latitude ? lat : lon, c.value);
        EXPECT_DOUBLE_EQ(c.latitude ? lon : lat, c.latitude ? 11.5 : 48.25);
      } else {
        // One box, and it names the cause.
        ASSERT_EQ(env.services.messages.size(), 1u);
        EXPECT_EQ(env.services.messages[0].text, reason);
        EXPECT_EQ(env.services.messages[0].caption, S(115));
        EXPECT_EQ(env.services.messages[0].icon, Icon::Error);
        EXPECT_EQ(e.dialog->result(), QDialog::Rejected);
        EXPECT_TRUE(e.dialog->isVisible());
        if (c.refusal != Refusal::Missing || which == 2) {
          EXPECT_TRUE(typedInto->hasFocus());
        }
      }
      e.dialog->hide();
    }
  }
}

// Both coordinates wrong: the latitude is named, and only it.
TEST_F(Editors, OnlyTheFirstRefusedCoordinateIsNamed) {
  for (int which = 0; which < kEditors; ++which) {
    Editor e = Make(which);
    SCOPED_TRACE(e.name);
    env.services.messages.clear();
    e.lat->setText(QStringLiteral("95"));
    e.lon->setText(QStringLiteral("abc"));
    QTest::mouseClick(e.ok, Qt::LeftButton);
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_EQ(env.services.messages[0].text, Reason(true, Refusal::OutOfRange, false));
  }
}

}  // namespace
