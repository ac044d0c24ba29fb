// The main window's frame: captions by number, language fallbacks, page
// hiding, placement round trip, option write-back, keys, dropped files and
// missing pictures.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QChartView>
#include <QDropEvent>
#include <QMimeData>
#include <QScrollArea>
#include <QTabBar>
#include <QTest>
#include <filesystem>
#include <QUrl>
#include <QValueAxis>
#include <stdexcept>

#include "Filefailure.h"
#include "Fontbank.h"
#include "Googlehtml.h"
#include "Frmlanguage.h"
#include "Poistorage.h"
#include "Portsandbox.h"
#include "Simulator.h"
#include "Mainform.h"
#include "Uitestenv.h"

using uitest::ProgramEnv;

namespace {

// A main window that records what the frame asks of the pages.
class RecordingMain : public TFormMain {
 public:
  RecordingMain() : TFormMain(DeferCreate{}, nullptr) { FormCreate(); }
  // The overrides below answer only while this part of the window exists.
  ~RecordingMain() override { WriteBackSettings(); }

  void lvRouteDblClick() override { calls << "lvRouteDblClick"; }
  void bgRouteTable_DeleteClick() override { calls << "bgRouteTable_DeleteClick"; }
  void lvTrackDblClick() override { calls << "lvTrackDblClick"; }
  void bgTrackTableItems1Click() override { calls << "bgTrackTableItems1Click"; }
  void btnSetHomeClick() override { calls << "btnSetHomeClick"; }
  void btnGoogleSearchClick() override {
    calls << (btnGoogleSearch->isChecked() ? "search:on" : "search:off");
  }
  void ImportGpx(const QString& file) override { calls << "ImportGpx:" + file; }
  void FormResize() override { calls << "FormResize"; }
  void UpdateMapMode() override {
    calls << "UpdateMapMode";
    centreAtMapPage = {TGoogleHtml::MapCenterLat, TGoogleHtml::MapCenterLng};
  }
  void RenderPoiIcons(bool force, uint32_t colour, bool transparent) override {
    calls << QString("RenderPoiIcons %1 %2 %3").arg(force).arg(colour, 6, 16, QChar('0')).arg(transparent);
  }
  void CheckNewVersion(bool silent) override { calls << QString("CheckNewVersion %1").arg(silent); }
  int GetMapMode() override {
    if (failMapReads) throw std::runtime_error("page gone");
    return 2;
  }
  int GetZoomValue() override {
    if (failMapReads) throw std::runtime_error("page gone");
    return 7;
  }

  // The desktop's drag and drop cannot be driven headless; the test hands
  // the window its events directly.
  using TFormMain::dragEnterEvent;
  using TFormMain::dropEvent;

  QStringList calls;
  bool failMapReads = false;
  std::pair<double, double> centreAtMapPage{-1.0, -1.0};
};

QString S(int n) { return QStringLiteral("S%1").arg(n); }

QString Header(QTreeWidget* lv, int column) { return lv->headerItem()->text(column); }
QString Header(QAbstractItemView* lv, int column) {
  return lv->model()->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

struct Caption {
  int number;
  const char* target;
  std::function<QString(TFormMain&)> get;
};

// Every caption, column title, hint and menu text that comes by number.
std::vector<Caption> CaptionTable() {
  using F = TFormMain;
  std::vector<Caption> t = {
      {0, "pgDest", [](F& f) { return f.TabCaption(f.pgDest); }},
      {1, "pgWaypoint", [](F& f) { return f.TabCaption(f.pgWaypoint); }},
      {2, "pgRoute", [](F& f) { return f.TabCaption(f.pgRoute); }},
      {3, "pgTrack", [](F& f) { return f.TabCaption(f.pgTrack); }},
      {4, "pgConfig", [](F& f) { return f.TabCaption(f.pgConfig); }},
      {5, "pgConnect", [](F& f) { return f.TabCaption(f.pgConnect); }},
      {6, "pgSetLogger", [](F& f) { return f.TabCaption(f.pgSetLogger); }},
      {7, "pgSetTrevik", [](F& f) { return f.TabCaption(f.pgSetTrevik); }},
      {8, "lblCategory", [](F& f) { return f.pgDest->lblCategory->text(); }},
      {8, "lvDest column 1", [](F& f) { return Header(f.pgDest->lvDest, 1); }},
      {9, "lblSubcategory", [](F& f) { return f.pgDest->lblSubcategory->text(); }},
      {9, "lvDest column 2", [](F& f) { return Header(f.pgDest->lvDest, 2); }},
      {10, "lblTitle", [](F& f) { return f.pgDest->lblTitle->text(); }},
      {10, "lvDest column 0", [](F& f) { return Header(f.pgDest->lvDest, 0); }},
      {11, "lblInfo", [](F& f) { return f.pgDest->lblInfo->text(); }},
      {145, "btnEditCat hint", [](F& f) { return f.pgDest->btnEditCat->toolTip(); }},
      {99, "bgDestFile Open", [](F& f) { return f.pgDest->bgDestFile->Item(0)->toolTip(); }},
      {100, "bgDestFile Save", [](F& f) { return f.pgDest->bgDestFile->Item(1)->toolTip(); }},
      {101, "bgDestDevice Upload", [](F& f) { return f.pgDest->bgDestDevice->Item(0)->toolTip(); }},
      {102, "bgDestDevice Download", [](F& f) { return f.pgDest->bgDestDevice->Item(1)->toolTip(); }},
      {103, "bgDestTable Add", [](F& f) { return f.pgDest->bgDestTable->Item(0)->toolTip(); }},
      {104, "bgDestTable Modify", [](F& f) { return f.pgDest->bgDestTable->Item(1)->toolTip(); }},
      {105, "bgDestTable Delete", [](F& f) { return f.pgDest->bgDestTable->Item(2)->toolTip(); }},
      {106, "bgDestTable DeleteAll", [](F& f) { return f.pgDest->bgDestTable->Item(3)->toolTip(); }},
      // waypoint page
      {13, "lblIcon", [](F& f) { return f.pgWaypoint->lblIcon->text(); }},
      {14, "lvWpt column 0", [](F& f) { return Header(f.pgWaypoint->lvWpt, 0); }},
      {15, "lvWpt column 1", [](F& f) { return Header(f.pgWaypoint->lvWpt, 1); }},
      {16, "lvWpt column 2", [](F& f) { return Header(f.pgWaypoint->lvWpt, 2); }},
      {99, "tbWptFileOpen", [](F& f) { return f.pgWaypoint->tbWptFileOpen->toolTip(); }},
      {100, "tbWptFileSave", [](F& f) { return f.pgWaypoint->tbWptFileSave->toolTip(); }},
      {108, "tbWPTToGPX", [](F& f) { return f.pgWaypoint->tbWPTToGPX->toolTip(); }},
      {101, "tbDeviceUp", [](F& f) { return f.pgWaypoint->tbDeviceUp->toolTip(); }},
      {102, "tbDeviceDown", [](F& f) { return f.pgWaypoint->tbDeviceDown->toolTip(); }},
      {103, "tbWptTableAdd", [](F& f) { return f.pgWaypoint->tbWptTableAdd->toolTip(); }},
      {104, "tbWptTableMod", [](F& f) { return f.pgWaypoint->tbWptTableMod->toolTip(); }},
      {105, "tbWptTableDel", [](F& f) { return f.pgWaypoint->tbWptTableDel->toolTip(); }},
      {106, "tbWptTableClear", [](F& f) { return f.pgWaypoint->tbWptTableClear->toolTip(); }},
      // route page
      {17, "lvRoute column 0", [](F& f) { return Header(f.pgRoute->lvRoute, 0); }},
      {10, "lvRoute column 1", [](F& f) { return Header(f.pgRoute->lvRoute, 1); }},
      {15, "lvRoute column 2", [](F& f) { return Header(f.pgRoute->lvRoute, 2); }},
      {16, "lvRoute column 3", [](F& f) { return Header(f.pgRoute->lvRoute, 3); }},
      {46, "lvRoute column 4", [](F& f) { return Header(f.pgRoute->lvRoute, 4); }},
      {21, "lvRoute column 5", [](F& f) { return Header(f.pgRoute->lvRoute, 5); }},
      {22, "lvRoute column 6", [](F& f) { return Header(f.pgRoute->lvRoute, 6); }},
      {99, "tbRouteOpen", [](F& f) { return f.pgRoute->tbRouteOpen->toolTip(); }},
      {100, "tbRouteSave", [](F& f) { return f.pgRoute->tbRouteSave->toolTip(); }},
      {101, "tbgRouteDeviceUp", [](F& f) { return f.pgRoute->tbgRouteDeviceUp->toolTip(); }},
      {102, "tbgRouteDeviceDown", [](F& f) { return f.pgRoute->tbgRouteDeviceDown->toolTip(); }},
      {103, "tbRouteTableAdd", [](F& f) { return f.pgRoute->tbRouteTableAdd->toolTip(); }},
      {104, "tbRouteTableMod", [](F& f) { return f.pgRoute->tbRouteTableMod->toolTip(); }},
      {105, "tbRouteTableDel", [](F& f) { return f.pgRoute->tbRouteTableDel->toolTip(); }},
      {106, "tbRouteTableClear", [](F& f) { return f.pgRoute->tbRouteTableClear->toolTip(); }},
      {108, "tbgRouteGPX", [](F& f) { return f.pgRoute->tbgRouteGPX->toolTip(); }},
      {148, "chkShowRoute", [](F& f) { return f.pgRoute->chkShowRoute->text(); }},
      {20, "chkGenArrows", [](F& f) { return f.pgRoute->chkGenArrows->text(); }},
      {21, "lblTotalDistance", [](F& f) { return f.pgRoute->lblTotalDistance->text(); }},
      // track page
      {10, "lvTrack column 0", [](F& f) { return Header(f.pgTrack->lvTrack, 0); }},
      {28, "lvTrack column 1", [](F& f) { return Header(f.pgTrack->lvTrack, 1); }},
      {23, "lblTrkStartTime", [](F& f) { return f.pgTrack->lblTrkStartTime->text(); }},
      {24, "lblTrkEndTime", [](F& f) { return f.pgTrack->lblTrkEndTime->text(); }},
      {25, "lblTrkTotalTime", [](F& f) { return f.pgTrack->lblTrkTotalTime->text(); }},
      {26, "lblTrkTotalDist", [](F& f) { return f.pgTrack->lblTrkTotalDist->text(); }},
      {27, "lblTrkTotalPoints", [](F& f) { return f.pgTrack->lblTrkTotalPoints->text(); }},
      {99, "tbTrackFileOpen", [](F& f) { return f.pgTrack->tbTrackFileOpen->toolTip(); }},
      {100, "tbTrackFileSave", [](F& f) { return f.pgTrack->tbTrackFileSave->toolTip(); }},
      {107, "tbTrackFileKLM", [](F& f) { return f.pgTrack->tbTrackFileKLM->toolTip(); }},
      {108, "tbTrackFileGPX", [](F& f) { return f.pgTrack->tbTrackFileGPX->toolTip(); }},
      {109, "tbTrackFileNME", [](F& f) { return f.pgTrack->tbTrackFileNME->toolTip(); }},
      {102, "tbTrackDeviceDown", [](F& f) { return f.pgTrack->tbTrackDeviceDown->toolTip(); }},
      {104, "tbTrackTableMod", [](F& f) { return f.pgTrack->tbTrackTableMod->toolTip(); }},
      {105, "tbTrackTableDel", [](F& f) { return f.pgTrack->tbTrackTableDel->toolTip(); }},
      {106, "tbTrackTableClear", [](F& f) { return f.pgTrack->tbTrackTableClear->toolTip(); }},
      {15, "lvTrackItem column 0", [](F& f) { return Header(f.pgTrack->lvTrackItem, 0); }},
      {16, "lvTrackItem column 1", [](F& f) { return Header(f.pgTrack->lvTrackItem, 1); }},
      {46, "lvTrackItem column 2", [](F& f) { return Header(f.pgTrack->lvTrackItem, 2); }},
      {45, "lvTrackItem column 3", [](F& f) { return Header(f.pgTrack->lvTrackItem, 3); }},
      {47, "lvTrackItem column 4", [](F& f) { return Header(f.pgTrack->lvTrackItem, 4); }},
      {30, "spdTItemTop", [](F& f) { return f.pgTrack->spdTItemTop->toolTip(); }},
      {30, "pmnuTStart", [](F& f) { return f.pgTrack->pmnuTStart->text(); }},
      {31, "spdTItemCenter", [](F& f) { return f.pgTrack->spdTItemCenter->toolTip(); }},
      {31, "pmnuTMiddle", [](F& f) { return f.pgTrack->pmnuTMiddle->text(); }},
      {32, "spdTItemEnd", [](F& f) { return f.pgTrack->spdTItemEnd->toolTip(); }},
      {32, "pmnuTEnd", [](F& f) { return f.pgTrack->pmnuTEnd->text(); }},
      {33, "spdaddToRoute", [](F& f) { return f.pgTrack->spdaddToRoute->toolTip(); }},
      {34, "spdAutoGeneratorTrk", [](F& f) { return f.pgTrack->spdAutoGeneratorTrk->toolTip(); }},
      {35, "spdTrackPlay", [](F& f) { return f.pgTrack->spdTrackPlay->toolTip(); }},
      {36, "spdTrackStopp", [](F& f) { return f.pgTrack->spdTrackStopp->toolTip(); }},
      // side-bar labels
      {96, "lblFile1", [](F& f) { return f.pgDest->lblFile1->text(); }},
      {96, "lblFile2", [](F& f) { return f.pgWaypoint->lblFile2->text(); }},
      {96, "lblFile3", [](F& f) { return f.pgRoute->lblFile3->text(); }},
      {96, "lblFile4", [](F& f) { return f.pgTrack->lblFile4->text(); }},
      {97, "lblDevice1", [](F& f) { return f.pgDest->lblDevice1->text(); }},
      {97, "lblDevice2", [](F& f) { return f.pgWaypoint->lblDevice2->text(); }},
      {97, "lblDevice3", [](F& f) { return f.pgRoute->lblDevice3->text(); }},
      {97, "lblDevice4", [](F& f) { return f.pgTrack->lblDevice4->text(); }},
      {98, "lblTable1", [](F& f) { return f.pgDest->lblTable1->text(); }},
      {98, "lblTable2", [](F& f) { return f.pgWaypoint->lblTable2->text(); }},
      {98, "lblTable3", [](F& f) { return f.pgRoute->lblTable3->text(); }},
      {98, "lblTable4", [](F& f) { return f.pgTrack->lblTable4->text(); }},
      // map bar and menus
      {110, "btnRefresh", [](F& f) { return f.btnRefresh->toolTip(); }},
      {111, "btnGoogleSearch", [](F& f) { return f.btnGoogleSearch->toolTip(); }},
      {112, "btnSetHome", [](F& f) { return f.btnSetHome->toolTip(); }},
      {170, "btnFav", [](F& f) { return f.btnFav->toolTip(); }},
      {171, "btnGetZoomLevel", [](F& f) { return f.btnGetZoomLevel->toolTip(); }},
      {169, "mnuCloseLoop", [](F& f) { return f.mnuCloseLoop->text(); }},
      {169, "mnuCloseLoop2", [](F& f) { return f.pgRoute->mnuCloseLoop2->text(); }},
      {156, "mnuFavAdd", [](F& f) { return f.mnuFavAdd->text(); }},
      {156, "mnuAddlvPoint", [](F& f) { return f.pgRoute->mnuAddlvPoint->text(); }},
      {105, "mnuFavDel", [](F& f) { return f.mnuFavDel->menuAction()->text(); }},
      {105, "mnuDeletelvPoint", [](F& f) { return f.pgRoute->mnuDeletelvPoint->text(); }},
      {105, "mnuDeletePoint", [](F& f) { return f.mnuDeletePoint->text(); }},
      {171, "mnuGetZoom", [](F& f) { return f.mnuGetZoom->text(); }},
      {18, "mnuAddPoint", [](F& f) { return f.mnuAddPoint->text(); }},
      {157, "mnuModifylvPoint", [](F& f) { return f.mnuModifylvPoint->text(); }},
      {19, "mnuGetElevation", [](F& f) { return f.pgRoute->mnuGetElevation->text(); }},
      {173, "mnuKML", [](F& f) { return f.pgTrack->mnuKML->text(); }},
      {173, "mnuGPXExport", [](F& f) { return f.pgTrack->mnuGPXExport->text(); }},
      {172, "mnuGPXImport", [](F& f) { return f.pgTrack->mnuGPXImport->text(); }},
      {60, "lblLanguage", [](F& f) { return f.lblLanguage->text(); }},
      {60, "grpLanguage", [](F& f) { return f.pgSetTrevik->grpLanguage->title(); }},
      // program settings
      {59, "btnGeneratePOIs", [](F& f) { return f.pgSetKVX->btnGeneratePOIs->text(); }},
      {28, "pnlPOIColor", [](F& f) { return f.pgSetKVX->pnlPOIColor->text(); }},
      {28, "pnlAChartColor", [](F& f) { return f.pgSetKVX->pnlAChartColor->text(); }},
      {61, "grpProduct", [](F& f) { return f.pgSetKVX->grpProduct->title(); }},
      {62, "chkAltChart", [](F& f) { return f.pgSetKVX->chkAltChart->text(); }},
      {62, "mnuShowAltChart", [](F& f) { return f.mnuShowAltChart->text(); }},
      {62, "mnuShowAltChart2", [](F& f) { return f.altchart->mnuShowAltChart2->text(); }},
      {63, "chkAltChartFollow", [](F& f) { return f.pgSetKVX->chkAltChartFollow->text(); }},
      {63, "mnuFollowMode", [](F& f) { return f.altchart->mnuFollowMode->text(); }},
      {2, "grpRoute", [](F& f) { return f.pgSetKVX->grpRoute->title(); }},
      {3, "grpTrack", [](F& f) { return f.pgSetKVX->grpTrack->title(); }},
      {68, "chkAutoZoom", [](F& f) { return f.pgSetKVX->chkAutoZoom->text(); }},
      {66, "chkSepTrack", [](F& f) { return f.pgSetKVX->chkSepTrack->text(); }},
      {64, "chkBoostMode", [](F& f) { return f.pgSetKVX->chkBoostMode->text(); }},
      {67, "chkTrackItems", [](F& f) { return f.pgSetKVX->chkTrackItems->text(); }},
      {65, "chkTrackImpMode", [](F& f) { return f.pgSetKVX->chkTrackImpMode->text(); }},
      {69, "chkCenterPSel", [](F& f) { return f.pgSetKVX->chkCenterPSel->text(); }},
      {70, "chkVersion", [](F& f) { return f.pgSetKVX->chkVersion->text(); }},
      {148, "chkShowPOI", [](F& f) { return f.pgWaypoint->chkShowPOI->text(); }},
      // altitude chart
      {46, "altchart bottom axis", [](F& f) { return f.altchart->altchartBottomAxis->titleText(); }},
      {22, "altchart left axis", [](F& f) { return f.altchart->altchartLeftAxis->titleText(); }},
      // device pages
      {37, "GroupBoxSerialPort", [](F& f) { return f.pgConnect->GroupBoxSerialPort->title(); }},
      {38, "rdoAutoScan", [](F& f) { return f.pgConnect->rdoAutoScan->text(); }},
      {39, "rdoManualConfig", [](F& f) { return f.pgConnect->rdoManualConfig->text(); }},
      {163, "btnScanComport", [](F& f) { return f.pgConnect->btnScanComport->text(); }},
      {164, "btnConnect", [](F& f) { return f.pgConnect->btnConnect->text(); }},
      {40, "rdgProfile", [](F& f) { return f.pgSetLogger->rdgProfile->title(); }},
      {41, "rdgProfile item 0", [](F& f) { return f.pgSetLogger->rdgProfile->Item(0)->text(); }},
      {42, "rdgProfile item 1", [](F& f) { return f.pgSetLogger->rdgProfile->Item(1)->text(); }},
      {43, "rdgProfile item 2", [](F& f) { return f.pgSetLogger->rdgProfile->Item(2)->text(); }},
      {44, "GroupBoxRecord", [](F& f) { return f.pgSetLogger->GroupBoxRecord->title(); }},
      {29, "lblTime", [](F& f) { return f.pgSetLogger->lblTime->text(); }},
      {46, "lblDistance", [](F& f) { return f.pgSetLogger->lblDistance->text(); }},
      {47, "lblSpeed", [](F& f) { return f.pgSetLogger->lblSpeed->text(); }},
      {48, "lblSetZero", [](F& f) { return f.pgSetLogger->lblSetZero->text(); }},
      {49, "GroupBoxUsedSpace", [](F& f) { return f.pgSetLogger->GroupBoxUsedSpace->title(); }},
      {161, "btnGetLogConfig", [](F& f) { return f.pgSetLogger->btnGetLogConfig->text(); }},
      {162, "btnSetLogConfig", [](F& f) { return f.pgSetLogger->btnSetLogConfig->text(); }},
      {50, "GroupBoxPowerMgr", [](F& f) { return f.pgSetTrevik->GroupBoxPowerMgr->title(); }},
      {51, "lblBacklight", [](F& f) { return f.pgSetTrevik->lblBacklight->text(); }},
      {52, "lblSuspend", [](F& f) { return f.pgSetTrevik->lblSuspend->text(); }},
      {53, "lblHome", [](F& f) { return f.pgSetTrevik->lblHome->text(); }},
      {54, "lblLocal", [](F& f) { return f.pgSetTrevik->lblLocal->text(); }},
      {55, "lblLength", [](F& f) { return f.pgSetTrevik->lblLength->text(); }},
      {56, "GroupBoxTimeZone", [](F& f) { return f.pgSetTrevik->GroupBoxTimeZone->title(); }},
      {57, "GroupBoxTurnDist", [](F& f) { return f.pgSetTrevik->GroupBoxTurnDist->title(); }},
      {58, "GroupBoxUnit", [](F& f) { return f.pgSetTrevik->GroupBoxUnit->title(); }},
      {161, "btnGetTrevikConfig", [](F& f) { return f.pgSetTrevik->btnGetTrevikConfig->text(); }},
      {162, "btnSetTrevikConfig", [](F& f) { return f.pgSetTrevik->btnSetTrevikConfig->text(); }},
  };
  for (int n = 71; n <= 95; ++n) {
    t.push_back({n, "cmbHomeTimeZone row", [n](F& f) { return f.pgSetTrevik->cmbHomeTimeZone->itemText(n - 71); }});
    t.push_back({n, "cmbLocalTimeZone row", [n](F& f) { return f.pgSetTrevik->cmbLocalTimeZone->itemText(n - 71); }});
  }
  return t;
}

class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() : env(::testing::UnitTest::GetInstance()->current_test_info()->name()) {}

  // Starts with the given ini text (every page shown unless the text says).
  std::unique_ptr<RecordingMain> Open(const QString& ini = {}) {
    env.WriteIni(QStringLiteral(
                     "[GUI]\r\nFirst=0\r\nDestination=1\r\nWaypoint=1\r\nRoute=1\r\nTrack=1\r\n") +
                 ini);
    env.Start();
    return std::make_unique<RecordingMain>();
  }

  ProgramEnv env;
};

TEST_F(MainFormTest, EveryCaptionComesFromItsNumber) {
  auto f = Open();
  for (const Caption& c : CaptionTable())
    EXPECT_EQ(c.get(*f), S(c.number)) << c.target << " should show string " << c.number;
  EXPECT_EQ(f->TabCaption(f->pgSetKVX), "KVX S4");
  EXPECT_EQ(f->pgSetTrevik->cmbHomeTimeZone->count(), 25);
  EXPECT_EQ(f->pgSetTrevik->cmbHomeTimeZone->currentIndex(), -1);
  EXPECT_EQ(f->pgSetLogger->rdgProfile->Count(), 3);
}

TEST_F(MainFormTest, SwitchingLanguageRenamesTheIdlePortPanel) {
  QByteArray german = "// de\n";
  for (int n = 0; n < 174; ++n) german += "D" + QByteArray::number(n) + "\n";
  env.WriteExe("Deutsch.txt", german);
  {
    auto f = Open();
    ASSERT_EQ(f->StatusText(0), "S166");
    f->cmbLanguage->setCurrentIndex(1);
    EXPECT_EQ(f->StatusText(0), "D166");
  }
  // A panel that names the connected port keeps its text.
  auto f = Open("[SERIAL]\r\nPort=5\r\nAutoConnect=1\r\n");
  f->cmbLanguage->setCurrentIndex(1);
  EXPECT_EQ(f->StatusText(0), "COM 5");
}

TEST_F(MainFormTest, FixedTextsAreNotTranslated) {
  auto f = Open();
  EXPECT_EQ(f->pgConnect->lblComport->text(), "COM Port");
  EXPECT_EQ(f->pgConnect->chkAutoConnect->text(), "Auto connect");
  EXPECT_EQ(f->pgTrack->mnuCallGE->text(), "Google Earth...");
  EXPECT_EQ(f->pgWaypoint->mnuConverter->text(), "Converter...");
  EXPECT_EQ(f->pgSetKVX->grpPOIIcons->title(), "POI Icons");
  EXPECT_EQ(f->pgSetKVX->lblProduct->text(), "Kartovex");
  EXPECT_EQ(f->pgSetKVX->lblProducer->text(), "Quorvex");
  EXPECT_THAT(f->pgSetKVX->lblVersion->text().toStdString(),
              ::testing::MatchesRegex("Version [0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+"));
  EXPECT_EQ(f->pgWaypoint->cmbSelIcon->itemText(f->pgWaypoint->cmbSelIcon->count() - 1), "ALL");
}

TEST_F(MainFormTest, MissingLanguageFileKeepsTheFormTexts) {
  auto f = Open("Lang=1\r\n");  // Deutsch.txt is not in the program folder
  EXPECT_EQ(f->StatusText(3), "Can not load language: Deutsch.txt");
  EXPECT_EQ(f->pgDest->lblCategory->text(), "Category");
  EXPECT_EQ(f->TabCaption(f->pgRoute), "Route");
  EXPECT_EQ(f->cmbLanguage->currentIndex(), 1);
  // Switching to a language that loads applies it at once.
  f->cmbLanguage->setCurrentIndex(0);
  EXPECT_EQ(f->pgDest->lblCategory->text(), "S8");
}

TEST_F(MainFormTest, ShortLanguageFileGivesZeroPastItsEnd) {
  env.WriteExe("English.txt", uitest::NumberedLanguage(10));
  auto f = Open();
  EXPECT_EQ(f->pgDest->lblSubcategory->text(), "S9");
  EXPECT_EQ(f->pgDest->lblTitle->text(), "0");
  EXPECT_EQ(f->pgConnect->btnConnect->text(), "0");
  EXPECT_EQ(f->StatusText(0), "0");  // string 166
}

TEST_F(MainFormTest, SavedLanguageOutsideTheTableFallsBackToEnglish) {
  for (const char* lang : {"12", "-1", "9", "x"}) {
    SCOPED_TRACE(lang);
    {
      auto f = Open(QStringLiteral("Lang=%1\r\n").arg(lang));
      EXPECT_EQ(f->cmbLanguage->currentIndex(), 0);
      EXPECT_EQ(f->pgDest->lblCategory->text(), "S8");
    }
    EXPECT_EQ(env.Ini()->ReadInteger("GUI", "Lang", -7), 0);
  }
}

TEST_F(MainFormTest, SwitchingLanguageRefillsTheLists) {
  env.WriteExe("Deutsch.txt", "// de\nD0\nD1\n");
  auto f = Open();
  f->cmbLanguage->setCurrentIndex(1);
  EXPECT_EQ(f->TabCaption(f->pgWaypoint), "D1");
  EXPECT_EQ(f->pgDest->lblCategory->text(), "0");
  f->cmbLanguage->setCurrentIndex(0);
  EXPECT_EQ(f->pgDest->lblCategory->text(), "S8");
  EXPECT_EQ(f->pgSetTrevik->csTurnDist->count(), 5);
  EXPECT_EQ(f->pgSetTrevik->cmbLocalTimeZone->count(), 25);
  EXPECT_EQ(f->pgSetLogger->rdgProfile->Count(), 3);
}

TEST_F(MainFormTest, FirstRunAsksForTheLanguage) {
  struct Case {
    int answer;         // the chooser's result
    int chosen;         // the row picked in it
    int expectedIndex;  // the language applied
  } cases[] = {{QDialog::Accepted, 2, 2}, {QDialog::Rejected, 2, 3}};
  env.WriteExe("Dutch.txt", uitest::NumberedLanguage(174));
  env.WriteExe("Spanish.txt", uitest::NumberedLanguage(174));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    env.WriteIni("[GUI]\r\nFirst=1\r\nLang=3\r\n");
    env.Start();
    env.services.dialogsShown = 0;
    env.services.onDialog = [&](QDialog& d) {
      auto* chooser = qobject_cast<TFormLanguage*>(&d);
      EXPECT_NE(chooser, nullptr);
      EXPECT_EQ(d.windowTitle(), "Language");
      EXPECT_EQ(chooser->cmbLanguage->count(), 9);
      chooser->cmbLanguage->setCurrentIndex(c.chosen);
      return c.answer;
    };
    { TFormMain f; EXPECT_EQ(f.cmbLanguage->currentIndex(), c.expectedIndex); }
    EXPECT_EQ(env.services.dialogsShown, 1);
    EXPECT_FALSE(env.Ini()->ReadBool("GUI", "First", true));
    // The next start does not ask again.
    env.Start();
    { TFormMain f; }
    EXPECT_EQ(env.services.dialogsShown, 1);
  }
}

TEST(LanguageChooser, OkTakesTheRowClosingCancels) {
  uitest::App();
  TFormLanguage chooser;
  EXPECT_EQ(chooser.windowTitle(), "Language");
  EXPECT_EQ(chooser.btnOk->text(), "Ok");
  EXPECT_EQ(chooser.size(), QSize(214, 116));
  ASSERT_EQ(chooser.cmbLanguage->count(), 9);
  EXPECT_EQ(chooser.cmbLanguage->itemText(0), "English");
  EXPECT_EQ(chooser.cmbLanguage->itemText(8), QString::fromUtf8("\u7E41\u9AD4\u4E2D\u6587"));
  EXPECT_EQ(chooser.GetLanguageIndex(), 0);
  chooser.cmbLanguage->setCurrentIndex(4);
  QTimer::singleShot(0, &chooser, [&] { QTest::mouseClick(chooser.btnOk, Qt::LeftButton); });
  EXPECT_EQ(chooser.exec(), QDialog::Accepted);
  EXPECT_EQ(chooser.GetLanguageIndex(), 4);
  QTimer::singleShot(0, &chooser, [&] { chooser.close(); });
  EXPECT_EQ(chooser.exec(), QDialog::Rejected);
}

TEST_F(MainFormTest, PagesAreHiddenByTheirFlags) {
  struct Case {
    const char* ini;
    bool dest, wpt, route, track;
  } cases[] = {
      {"[GUI]\r\nFirst=0\r\n", false, false, false, false},  // every flag defaults to off
      {"[GUI]\r\nFirst=0\r\nDestination=1\r\nTrack=1\r\n", true, false, false, true},
      {"[GUI]\r\nFirst=0\r\nWaypoint=1\r\nRoute=1\r\n", false, true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    env.WriteIni(c.ini);
    env.Start();
    TFormMain f;
    EXPECT_EQ(f.TabShown(f.pgDest), c.dest);
    EXPECT_EQ(f.TabShown(f.pgWaypoint), c.wpt);
    EXPECT_EQ(f.TabShown(f.pgRoute), c.route);
    EXPECT_EQ(f.TabShown(f.pgTrack), c.track);
    EXPECT_TRUE(f.TabShown(f.pgConfig));
  }
}

TEST_F(MainFormTest, TitleAndPortPanel) {
  struct Case {
    const char* ini;
    QString panel0;
  } cases[] = {
      {"[SERIAL]\r\nPort=5\r\nAutoConnect=1\r\n", "COM 5"},
      {"[SERIAL]\r\nPort=5\r\nAutoConnect=0\r\n", "S166"},
      {"[SERIAL]\r\nPort=-1\r\n", "S166"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    auto f = Open(c.ini);
    EXPECT_EQ(f->StatusText(0), c.panel0);
    EXPECT_EQ(f->windowTitle(), "Trevik AP - ");
    EXPECT_EQ(mainWindowTitle, "Trevik AP - ");
  }
}

TEST_F(MainFormTest, PortableModeTitle) {
  env.WriteExe("Kartovex.usb", "[GUI]\r\nFirst=0\r\nProduct=Trevik X\r\n");
  env.Start();
  TFormMain f;
  EXPECT_EQ(f.windowTitle(), "Trevik X (USBMode) - ");
}

TEST_F(MainFormTest, OptionsComeFromTheSettingsAndGoBack) {
  {
    auto f = Open(
        "Altchart=3\r\nAniFactor=40\r\nTrkImpMode=0\r\nSepTrack=0\r\nShowTrkPts=0\r\n"
        "[MAP]\r\nBoostmode=0\r\nAutoZoom=0\r\nCenterPSel=0\r\n"
        "[INTERNET]\r\nProxyServer=proxy.local\r\nProxyPort=8080\r\n"
        "[SERIAL]\r\nAutoConnect=0\r\n");
    EXPECT_FALSE(f->pgSetKVX->chkBoostMode->isChecked());
    EXPECT_FALSE(f->pgSetKVX->chkTrackImpMode->isChecked());
    EXPECT_FALSE(f->pgSetKVX->chkSepTrack->isChecked());
    EXPECT_FALSE(f->pgSetKVX->chkAutoZoom->isChecked());
    EXPECT_FALSE(f->pgSetKVX->chkCenterPSel->isChecked());
    EXPECT_FALSE(f->pgSetKVX->chkTrackItems->isChecked());
    EXPECT_TRUE(f->pgTrack->pnlTrackItems->isHidden());
    EXPECT_TRUE(f->pgSetKVX->chkAltChart->isChecked());
    EXPECT_TRUE(f->pgSetKVX->chkAltChartFollow->isChecked());
    EXPECT_FALSE(f->pgConnect->chkAutoConnect->isChecked());
    EXPECT_FALSE(f->pgConnect->btnScanComport->isEnabled());
    EXPECT_FALSE(f->pgConnect->btnDevMan->isHidden());
    EXPECT_EQ(f->pgTrack->trbTrkSpeed->value(), 40);
    EXPECT_EQ(f->pgSetKVX->edProxyServer->text(), "proxy.local");
    EXPECT_EQ(f->pgSetKVX->edProxyPort->text(), "8080");
    EXPECT_TRUE(f->HGoogleProxy.Active);
    // The user changes them; the window writes them back when it goes.
    f->pgSetKVX->chkBoostMode->setChecked(true);
    f->pgSetKVX->chkTrackImpMode->setChecked(true);
    f->pgSetKVX->chkSepTrack->setChecked(true);
    f->pgSetKVX->chkAutoZoom->setChecked(true);
    f->pgTrack->trbTrkSpeed->setValue(250);
    f->pgSetKVX->edProxyServer->setText("other.proxy");
    f->pgSetKVX->edProxyPort->setText("not a port");
  }
  auto ini = env.Ini();
  EXPECT_TRUE(ini->ReadBool("MAP", "Boostmode", false));
  EXPECT_TRUE(ini->ReadBool("GUI", "TrkImpMode", false));
  EXPECT_TRUE(ini->ReadBool("GUI", "SepTrack", false));
  EXPECT_TRUE(ini->ReadBool("MAP", "AutoZoom", false));
  EXPECT_EQ(ini->ReadInteger("GUI", "AniFactor", 0), 250);
  EXPECT_EQ(ini->ReadString("INTERNET", "ProxyServer", ""), "other.proxy");
  EXPECT_EQ(ini->ReadInteger("INTERNET", "ProxyPort", -1), 0);
  EXPECT_EQ(ini->ReadInteger("MAP", "Mapmode", -1), 2);
  EXPECT_EQ(ini->ReadInteger("MAP", "Mapzoom", -1), 7);
}

TEST_F(MainFormTest, FirstMapPageOpensAtHome) {
  struct Case {
    const char* ini;
    double lat, lng;
  } cases[] = {
      {"Lat=47.5\r\nLon=8.25\r\n", 47.5, 8.25},
      {"", 25.05497, 121.55497},     // the default home
      {"Lat=0\r\nLon=0\r\n", 0.0, 0.0},  // 0/0 is a home like any other
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    // A centre left over from an earlier page.
    TGoogleHtml::MapCenterLat = -33.0;
    TGoogleHtml::MapCenterLng = 151.0;
    auto f = Open(c.ini);
    EXPECT_EQ(f->centreAtMapPage, std::make_pair(c.lat, c.lng));
  }
}

TEST_F(MainFormTest, ProxyNeedsServerAndPort) {
  auto f = Open("[INTERNET]\r\nProxyServer=proxy.local\r\nProxyPort=0\r\n");
  EXPECT_FALSE(f->HGoogleProxy.Active);
  EXPECT_EQ(f->pgSetKVX->edProxyPort->text(), "0");
}

TEST_F(MainFormTest, SettingsAreSavedWhenTheMapCannotAnswer) {
  {
    auto f = Open("[MAP]\r\nMapmode=1\r\nMapzoom=9\r\n");
    f->failMapReads = true;
    f->pgSetKVX->chkBoostMode->setChecked(false);
  }
  auto ini = env.Ini();
  EXPECT_EQ(ini->ReadInteger("MAP", "Mapmode", -1), 1);
  EXPECT_EQ(ini->ReadInteger("MAP", "Mapzoom", -1), 9);
  EXPECT_FALSE(ini->ReadBool("MAP", "Boostmode", true));
}

TEST_F(MainFormTest, WindowBoundsRoundTrip) {
  {
    auto f = Open("WLeft=40\r\nWTop=30\r\nWWidth=700\r\nWHeight=500\r\n");
    EXPECT_EQ(f->x(), 40);
    EXPECT_EQ(f->y(), 30);
    EXPECT_EQ(f->width(), 700);
    EXPECT_EQ(f->height(), 500);
    EXPECT_FALSE(f->isMaximized());
    f->move(60, 50);
    f->resize(640, 480);
  }
  auto ini = env.Ini();
  EXPECT_EQ(ini->ReadInteger("GUI", "WLeft", 0), 60);
  EXPECT_EQ(ini->ReadInteger("GUI", "WTop", 0), 50);
  EXPECT_EQ(ini->ReadInteger("GUI", "WWidth", 0), 640);
  EXPECT_EQ(ini->ReadInteger("GUI", "WHeight", 0), 480);
  EXPECT_FALSE(ini->ReadBool("GUI", "WState", true));
}

TEST_F(MainFormTest, MaximisedCloseKeepsTheBoundsAndStartsMaximised) {
  const QString bounds = "WLeft=40\r\nWTop=30\r\nWWidth=700\r\nWHeight=500\r\n";
  {
    auto f = Open(bounds);
    f->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->isMaximized(); }));
  }
  auto ini = env.Ini();
  EXPECT_TRUE(ini->ReadBool("GUI", "WState", false));
  EXPECT_EQ(ini->ReadInteger("GUI", "WLeft", 0), 40);
  EXPECT_EQ(ini->ReadInteger("GUI", "WWidth", 0), 700);

  // The next start is maximised and makes its first map page only once the
  // start timer has run.
  env.Start();
  RecordingMain f;
  EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
  // Also where the desktop does not maximise on request, the window covers
  // the work area.
  EXPECT_EQ(f.geometry(), QGuiApplication::primaryScreen()->availableGeometry());
  EXPECT_FALSE(f.calls.contains("UpdateMapMode"));
  f.show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return f.calls.contains("RenderPoiIcons 0 ffffff 0"); }));
  EXPECT_EQ(f.calls.count("UpdateMapMode"), 1);
  EXPECT_LT(f.calls.indexOf("UpdateMapMode"), f.calls.indexOf("RenderPoiIcons 0 ffffff 0"));
}

// With a window manager the maximised start is its maximise: the window
// keeps the stored bounds as its normal placement, and a close while still
// maximised leaves them in the settings.
TEST_F(MainFormTest, MaximisedStartUnderAWindowManagerKeepsTheNormalBounds) {
  env.services.windowManager = true;
  const QString bounds = "WState=1\r\nWLeft=40\r\nWTop=30\r\nWWidth=700\r\nWHeight=500\r\n";
  {
    auto f = Open(bounds);
    EXPECT_TRUE(f->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(f->pos(), QPoint(40, 30));
    EXPECT_EQ(f->size(), QSize(700, 500));
    f->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->calls.contains("RenderPoiIcons 0 ffffff 0"); }));
  }
  auto ini = env.Ini();
  EXPECT_TRUE(ini->ReadBool("GUI", "WState", false));
  EXPECT_EQ(ini->ReadInteger("GUI", "WLeft", 0), 40);
  EXPECT_EQ(ini->ReadInteger("GUI", "WTop", 0), 30);
  EXPECT_EQ(ini->ReadInteger("GUI", "WWidth", 0), 700);
  EXPECT_EQ(ini->ReadInteger("GUI", "WHeight", 0), 500);
}

TEST_F(MainFormTest, NormalStartMakesTheMapPageAtOnce) {
  auto f = Open();
  EXPECT_EQ(f->calls, QStringList({"UpdateMapMode"}));
  EXPECT_EQ(f->PageControl->currentWidget(), f->pgRoute);
  EXPECT_EQ(f->PageControl1->currentWidget(), f->pgConnect);
  EXPECT_FALSE(f->PageLoaded);
  EXPECT_FALSE(f->ZoomPending);
  EXPECT_FALSE(f->PlaybackRunning);
  f->show();
  ASSERT_TRUE(QTest::qWaitFor([&] { return f->calls.contains("RenderPoiIcons 0 ffffff 0"); }));
  // The start work runs once, however often the window is activated again.
  f->hide();
  f->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(f->calls, QStringList({"UpdateMapMode", "RenderPoiIcons 0 ffffff 0"}));
}

TEST_F(MainFormTest, VersionCheckRunsSilentlyWhenShownIfSwitchedOn) {
  for (bool on : {true, false}) {
    SCOPED_TRACE(on);
    auto f = Open(QStringLiteral("VersionCheck=%1\r\n").arg(on));
    EXPECT_FALSE(f->calls.contains("CheckNewVersion 1"));
    f->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->calls.size() >= 2; }));
    EXPECT_EQ(f->calls.contains("CheckNewVersion 1"), on);
  }
}

TEST_F(MainFormTest, BadBoundsKeepTheWindowUsable) {
  const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
  struct Case {
    const char* ini;
    std::function<void(TFormMain&)> check;
  } cases[] = {
      {"WLeft=10\r\nWTop=10\r\nWWidth=0\r\nWHeight=500\r\n",
       [](TFormMain& f) { EXPECT_EQ(f.size(), QSize(1000, 720)); }},
      {"WLeft=10\r\nWTop=10\r\nWWidth=-300\r\nWHeight=-200\r\n",
       [](TFormMain& f) { EXPECT_EQ(f.size(), QSize(1000, 720)); }},
      {"WLeft=10\r\nWTop=10\r\nWWidth=abc\r\nWHeight=500\r\n",
       [](TFormMain& f) { EXPECT_EQ(f.size(), QSize(1000, 720)); }},
      {"WLeft=0\r\nWTop=0\r\nWWidth=99999\r\nWHeight=99999\r\n",
       [desk](TFormMain& f) {
         EXPECT_LE(f.width(), desk.width());
         EXPECT_LE(f.height(), desk.height());
       }},
      {"WLeft=-50000\r\nWTop=70000\r\nWWidth=400\r\nWHeight=300\r\n",
       [desk](TFormMain& f) {
         EXPECT_TRUE(desk.intersects(QRect(f.pos(), f.size())));
         EXPECT_EQ(f.size(), QSize(400, 300));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ini);
    auto f = Open(c.ini);
    c.check(*f);
  }
}

TEST_F(MainFormTest, MissingPicturesAreNotedAndSetUpGoesOn) {
  env.RemoveExe("Buttons.bmp");
  env.RemoveExe("POI_Icons.bmp");
  auto f = Open("[SERIAL]\r\nPort=-1\r\n");
  EXPECT_THAT(f->StatusText(3).toStdString(), ::testing::HasSubstr("POI_Icons.bmp"));
  EXPECT_EQ(f->ilButton.Count(), 0);
  EXPECT_EQ(f->ilWaypoint.Count(), 0);
  // Everything after the pictures still ran.
  EXPECT_EQ(f->pgWaypoint->cmbSelIcon->count(), 1);
  EXPECT_EQ(f->pgWaypoint->cmbSelIcon->itemText(0), "ALL");
  EXPECT_EQ(f->pgWaypoint->cmbSelIcon->currentIndex(), 0);
  EXPECT_EQ(f->StatusText(0), "S166");
  EXPECT_EQ(f->windowTitle(), "Trevik AP - ");
}

TEST_F(MainFormTest, FontBankIsLoadedOrReported) {
  {
    auto f = Open();
    EXPECT_TRUE(env.services.messages.empty());
    EXPECT_GT(fontBank.GlyphSize, 0);
  }
  env.WriteExe("font.bnk", "not a font bank");
  auto f = Open();
  ASSERT_EQ(env.services.messages.size(), size_t(1));
  EXPECT_EQ(env.services.messages[0].caption, "S125");
  EXPECT_EQ(env.services.messages[0].text, "S126");
  EXPECT_EQ(env.services.messages[0].icon, UiServices::Icon::Error);
  // The window is complete all the same.
  EXPECT_EQ(f->pgWaypoint->cmbSelIcon->itemText(f->pgWaypoint->cmbSelIcon->count() - 1), "ALL");
}

TEST_F(MainFormTest, PicturesAreCutIntoTiles) {
  auto f = Open();
  EXPECT_GE(f->ilWaypoint.Count(), 21);
  EXPECT_EQ(poiStorage.IconCount, f->ilWaypoint.Count());
  EXPECT_EQ(f->pgWaypoint->cmbSelIcon->count(), f->ilWaypoint.Count() + 1);
  EXPECT_EQ(f->pgWaypoint->cmbSelIcon->currentIndex(), f->ilWaypoint.Count());
  EXPECT_GE(f->ilButton.Count(), 10);
  EXPECT_EQ(f->ilTurn.Count(), 9);
  EXPECT_GE(f->ilpmnu.Count(), 15);
  EXPECT_GE(f->ilTab.Count(), 4);
  // The magenta ground is transparent; the icon itself is not.
  const QImage icon = f->ilWaypoint.Pixmap(0).toImage();
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(icon.pixel(7, 7)), 255);
  EXPECT_FALSE(f->pgRoute->imgRoute->pixmap().isNull());
  // Every picture button of the track page shows a picture, not a caption.
  for (QToolButton* b : f->pgTrack->pnlTrackItemsControl->findChildren<QToolButton*>()) {
    EXPECT_FALSE(b->icon().isNull()) << b->objectName().toStdString();
    EXPECT_EQ(b->toolButtonStyle(), Qt::ToolButtonIconOnly) << b->objectName().toStdString();
  }
}

TEST_F(MainFormTest, SettingsPagesFitTheirTabAtTheDefaultSize) {
  auto f = Open();
  f->show();
  f->PageControl->setCurrentWidget(f->pgConfig);
  for (QWidget* page : std::initializer_list<QWidget*>{f->pgConnect, f->pgSetLogger, f->pgSetTrevik, f->pgSetKVX}) {
    f->PageControl1->setCurrentWidget(page);
    QApplication::processEvents();
    SCOPED_TRACE(page->objectName().toStdString());
    // Whatever the page holds is reachable: it fits, or it scrolls.
    const auto* scroll = page->findChild<QScrollArea*>();
    const QSize need = scroll ? QSize(0, 0) : page->minimumSizeHint();
    EXPECT_LE(need.height(), page->height());
    EXPECT_LE(need.width(), page->width());
  }
}

TEST_F(MainFormTest, ProxySettingsShowOnlyWhenTheTabIsOpenedWithShift) {
  auto f = Open();
  f->show();
  f->PageControl->setCurrentWidget(f->pgConfig);
  f->PageControl1->setCurrentWidget(f->pgConnect);
  for (bool shift : {true, false, true}) {
    env.services.shift = shift;
    f->PageControl1->setCurrentWidget(f->pgSetKVX);
    QApplication::processEvents();
    EXPECT_EQ(f->pgSetKVX->grpInternet->isVisible(), shift);
    f->PageControl1->setCurrentWidget(f->pgConnect);
  }
}

TEST_F(MainFormTest, UnwritableSettingsFolderIsNamedAndReportedOnce) {
  // A file where the settings folder should be: even root cannot write there.
  auto f = Open();
  QString config = pathManager->GetConfigDir();
  while (config.endsWith('/')) config.chop(1);
  f->SetStatusText(3, QString());
  std::filesystem::remove_all(config.toStdString());
  env.WriteExe("blocker", "x");
  std::filesystem::copy_file((env.Exe() + "blocker").toStdString(), config.toStdString());
  pathManager->WebDir = config + "/web";
  f->RefreshMap(0.0, 0.0);
  EXPECT_TRUE(f->StatusText(3).startsWith("Can not write map page: ")) << f->StatusText(3).toStdString();
  EXPECT_FALSE(f->StatusText(3).contains("No such file")) << f->StatusText(3).toStdString();
  EXPECT_TRUE(f->StatusText(3).contains(config)) << f->StatusText(3).toStdString();

  EXPECT_FALSE(f->SaveSettings());
  EXPECT_FALSE(f->SaveSettings());
  f.reset();  // closing saves once more
  ASSERT_EQ(env.services.messages.size(), 1u);
  EXPECT_TRUE(env.services.messages[0].text.contains(apConfig->IniPath));
  std::filesystem::remove(config.toStdString());
}

// The settings that could not be saved are named, and why, in the chosen language.
TEST_F(MainFormTest, UnsavedSettingsAreReportedInTheChosenLanguage) {
  const std::pair<const char*, const char*> cases[] = {
      {"de", "Die Einstellungen konnten nicht in %1 gespeichert werden (Ist kein Verzeichnis)."},
      {"ja", "設定を %1 に保存できませんでした (ディレクトリではありません)。"},
  };
  for (const auto& [language, text] : cases) {
    SCOPED_TRACE(language);
    env.services.messages.clear();
    auto f = Open();
    uitest::Speaking speaking(env, QString::fromLatin1(language));  // after the window set its own
    QString config = pathManager->GetConfigDir();
    while (config.endsWith('/')) config.chop(1);
    // A file where the settings folder should be: even root cannot write there.
    std::filesystem::remove_all(config.toStdString());
    env.WriteExe("blocker", "x");
    std::filesystem::copy_file((env.Exe() + "blocker").toStdString(), config.toStdString());
    f.reset();  // closing saves
    ASSERT_EQ(env.services.messages.size(), 1u);
    EXPECT_EQ(env.services.messages[0].text, QString::fromUtf8(text).arg(apConfig->IniPath));
    std::filesystem::remove(config.toStdString());
  }
}

// --- keys ---------------------------------------------------------------------------

struct KeyCase {
  const char* name;
  OpMode mode;
  const char* focus;  // "list", "edit" or "map"
  bool searchDown;
  int key;
  Qt::KeyboardModifiers mods;
  QStringList expected;
};

class MainFormKeys : public MainFormTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(MainFormKeys, KeyTable) {
  const KeyCase& c = GetParam();
  auto f = Open();
  f->show();
  QApplication::setActiveWindow(f.get());
  QWidget* target = c.focus == QString("edit")  ? static_cast<QWidget*>(f->pgSetKVX->edProxyServer)
                    : c.focus == QString("map") ? f->CppWebBrowser
                                                : static_cast<QWidget*>(f->pgRoute->lvRoute);
  if (c.focus == QString("edit")) {
    f->PageControl->setCurrentWidget(f->pgConfig);
    f->PageControl1->setCurrentWidget(f->pgSetKVX);
    f->pgSetKVX->grpInternet->show();
  }
  target->setFocus();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == target; }));
  f->Mode = c.mode;
  f->btnGoogleSearch->setChecked(c.searchDown);
  f->calls.clear();
  QTest::keyClick(target, Qt::Key(c.key), c.mods);
  EXPECT_EQ(f->calls, c.expected);
}

const Qt::KeyboardModifiers kNone = Qt::NoModifier;
const Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

INSTANTIATE_TEST_SUITE_P(
    Table, MainFormKeys,
    ::testing::Values(
        KeyCase{"EnterRoute", omRoute, "list", false, Qt::Key_Return, kNone, {"lvRouteDblClick"}},
        KeyCase{"EnterTrack", omTrack, "list", false, Qt::Key_Return, kNone, {"lvTrackDblClick"}},
        KeyCase{"EnterDest", omDestination, "list", false, Qt::Key_Return, kNone, {}},
        KeyCase{"DeleteRoute", omRoute, "list", false, Qt::Key_Delete, kNone, {"bgRouteTable_DeleteClick"}},
        KeyCase{"DeleteTrack", omTrack, "list", false, Qt::Key_Delete, kNone, {"bgTrackTableItems1Click"}},
        KeyCase{"DeleteWaypoint", omWaypoint, "list", false, Qt::Key_Delete, kNone, {}},
        KeyCase{"CtrlC", omDestination, "list", false, Qt::Key_C, kCtrl, {"btnSetHomeClick"}},
        KeyCase{"PlainC", omDestination, "list", false, Qt::Key_C, kNone, {}},
        KeyCase{"CtrlF", omWaypoint, "list", false, Qt::Key_F, kCtrl, {"search:on"}},
        KeyCase{"CtrlFOff", omWaypoint, "list", true, Qt::Key_F, kCtrl, {"search:off"}},
        // A text field keeps Enter, Delete and Ctrl+C to itself; Ctrl+F still toggles.
        KeyCase{"EnterInEdit", omRoute, "edit", false, Qt::Key_Return, kNone, {}},
        KeyCase{"DeleteInEdit", omRoute, "edit", false, Qt::Key_Delete, kNone, {}},
        KeyCase{"CtrlCInEdit", omRoute, "edit", false, Qt::Key_C, kCtrl, {}},
        KeyCase{"CtrlFInEdit", omRoute, "edit", false, Qt::Key_F, kCtrl, {"search:on"}},
        // Inside the map.
        KeyCase{"MapEnterRoute", omRoute, "map", false, Qt::Key_Return, kNone, {"lvRouteDblClick"}},
        KeyCase{"MapDeleteRoute", omRoute, "map", false, Qt::Key_Delete, kNone, {"bgRouteTable_DeleteClick"}},
        KeyCase{"MapEnterSearching", omRoute, "map", true, Qt::Key_Return, kNone, {}},
        KeyCase{"MapDeleteSearching", omRoute, "map", true, Qt::Key_Delete, kNone, {}},
        KeyCase{"MapEnterTrack", omTrack, "map", false, Qt::Key_Return, kNone, {}},
        KeyCase{"MapCtrlF", omDestination, "map", false, Qt::Key_F, kCtrl, {"search:on"}},
        KeyCase{"MapCtrlFOff", omTrack, "map", true, Qt::Key_F, kCtrl, {"search:off"}}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, RightClickInTheMapOpensTheMapMenu) {
  auto f = Open();
  f->show();
  QApplication::setActiveWindow(f.get());
  for (QWidget* page : std::initializer_list<QWidget*>{f->pgDest, f->pgRoute, f->pgConfig}) {
    f->PageControl->setCurrentWidget(page);
    const QPoint at(30, 40);
    QTest::mouseClick(f->CppWebBrowser, Qt::RightButton, Qt::NoModifier, at);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f->pmnuMap->isVisible(); }));
    EXPECT_EQ(f->pmnuMap->pos(), f->CppWebBrowser->mapToGlobal(at));
    f->pmnuMap->hide();
  }
  // Elsewhere a right click opens no map menu.
  QTest::mouseClick(f->lblLanguage, Qt::RightButton);
  QCoreApplication::processEvents();
  EXPECT_FALSE(f->pmnuMap->isVisible());
}

// --- dropped files ---------------------------------------------------------------------

TEST_F(MainFormTest, DroppedFiles) {
  struct Case {
    QStringList files;
    bool imported;
  } cases[] = {
      {{"/data/a.gpx", "/data/b.kml"}, true},
      {{"/data/b.kml", "/data/a.gpx"}, false},
      {{"/data/Trip.GpX"}, true},
      {{"/data/gpx"}, false},
      {{"/data/track.gpx.txt"}, false},
      {{}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.files.join(",").toStdString());
    auto f = Open();
    f->PageControl->setCurrentWidget(f->pgDest);
    f->Mode = omDestination;
    f->altchart->show();
    f->calls.clear();
    f->HandleDroppedFile(c.files);
    if (c.imported) {
      EXPECT_EQ(f->calls, QStringList({"FormResize", "ImportGpx:" + c.files.front()}));
      EXPECT_EQ(f->PageControl->currentWidget(), f->pgTrack);
      EXPECT_EQ(f->Mode, omTrack);
      EXPECT_TRUE(f->altchart->isHidden());
    } else {
      EXPECT_TRUE(f->calls.isEmpty());
      EXPECT_EQ(f->PageControl->currentWidget(), f->pgDest);
      EXPECT_EQ(f->Mode, omDestination);
      EXPECT_FALSE(f->altchart->isHidden());
    }
  }
}

TEST_F(MainFormTest, DropEventReachesTheImport) {
  auto f = Open();
  EXPECT_TRUE(f->acceptDrops());
  EXPECT_FALSE(f->CppWebBrowser->acceptDrops());
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile("/data/x.gpx"), QUrl::fromLocalFile("/data/y.gpx")});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  enter.setAccepted(false);
  f->dragEnterEvent(&enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  f->calls.clear();
  f->dropEvent(&drop);
  EXPECT_EQ(f->calls, QStringList({"FormResize", "ImportGpx:/data/x.gpx"}));

  // A first item that is no file makes the whole drop ignored.
  QMimeData mixed;
  mixed.setUrls({QUrl("https://example.org/route.gpx"), QUrl::fromLocalFile("/data/y.gpx")});
  QDropEvent webFirst(QPointF(10, 10), Qt::CopyAction, &mixed, Qt::LeftButton, Qt::NoModifier);
  f->calls.clear();
  f->dropEvent(&webFirst);
  EXPECT_TRUE(f->calls.isEmpty());
}

// --- the start-up's window creation and close ------------------------------------------

TEST_F(MainFormTest, ClosingStopsThePlayback) {
  auto f = Open();
  f->show();
  f->PlaybackRunning = true;
  EXPECT_TRUE(f->close());
  EXPECT_FALSE(f->PlaybackRunning);
}

TEST_F(MainFormTest, AnExceptionInAHandlerIsShownAndTheProgramGoesOn) {
  auto f = Open();
  QTimer::singleShot(0, f.get(), [] { throw std::runtime_error("handler failed"); });
  ASSERT_TRUE(QTest::qWaitFor([&] { return env.services.messages.size() == size_t(1); }));
  EXPECT_EQ(env.services.messages[0].text, "handler failed");
  EXPECT_EQ(env.services.messages[0].icon, UiServices::Icon::Error);
  // Events are still delivered afterwards.
  bool ran = false;
  QTimer::singleShot(0, f.get(), [&] { ran = true; });
  ASSERT_TRUE(QTest::qWaitFor([&] { return ran; }));
}

// ---------------------------------------------------------------------------
// the status bar: each result replaces the one before

class StatusBarResults : public MainFormTest {
 protected:
  void SetUp() override {
    sim.linkAs(ports.dir(), kPort);
    sim.start();
  }
  void TearDown() override { sim.stop(); }

  // Opens a tab by clicking it.
  static void OpenTab(QTabWidget* tabs, QWidget* page) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabs->indexOf(page)).center());
    ASSERT_EQ(tabs->currentWidget(), page);
  }

  static constexpr int kPort = 7;
  testenv::PortSandbox ports{"statusbar"};
  devsim::Simulator sim{devsim::DeviceState()};
};

TEST_F(StatusBarResults, ASuccessReplacesTheFailureAndItsReason) {
  // A picture that is missing leaves a note that stays.
  env.RemoveExe("Menus.bmp");
  auto f = Open(QStringLiteral("[SERIAL]\r\nPort=%1\r\n").arg(kPort));
  const QString note = QStringLiteral("Can not load image: Menus.bmp");
  ASSERT_EQ(f->StatusText(3), note);
  f->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));

  // A track file that holds no track fails, with its reason.
  const QString bad = env.Path("bad.trk");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a track file");
  file.close();
  OpenTab(f->PageControl, f->pgTrack);
  env.services.openAnswers.push_back(bad);
  QTest::mouseClick(f->pgTrack->tbTrackFileOpen, Qt::LeftButton);
  EXPECT_EQ(f->StatusText(2), S(168));
  EXPECT_TRUE(f->StatusText(3).contains(QStringLiteral("holds no complete track"))) << f->StatusText(3).toStdString();
  // A note that comes later, as the map page's does, waits under the reason.
  const QString mapNote = QStringLiteral("Can not load the map");
  f->SetStatusText(3, mapNote);
  EXPECT_TRUE(f->StatusText(3).contains(QStringLiteral("holds no complete track")));

  // On another page, a connect that finds the device.
  OpenTab(f->PageControl, f->pgConfig);
  OpenTab(f->PageControl1, f->pgConnect);
  TConnectPage& c = *f->pgConnect;
  QTest::mouseClick(c.btnScanComport, Qt::LeftButton);
  ASSERT_EQ(c.cmbComPort->count(), 1);
  c.cmbComPort->setCurrentIndex(0);
  QTest::mouseClick(c.btnConnect, Qt::LeftButton);
  EXPECT_EQ(f->StatusText(0), QStringLiteral("COM 7"));
  EXPECT_EQ(f->StatusText(2), S(167));
  EXPECT_EQ(f->StatusText(3), mapNote);

  // A connect that finds nothing fails.
  sim.stop();
  QTest::mouseClick(c.btnConnect, Qt::LeftButton);
  EXPECT_EQ(f->StatusText(2), S(168));
  EXPECT_EQ(f->StatusText(3), mapNote);
  // Clearing panel 3 later, as a new map page does, clears the note.
  QCoreApplication::processEvents();
  f->SetStatusText(3, QString());
  EXPECT_EQ(f->StatusText(3), QString());
  EXPECT_EQ(f->StatusText(2), S(168));
}

TEST_F(StatusBarResults, ALongTextShowsItsBeginningAndWholeAsTooltip) {
  auto f = Open();
  f->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(f.get()));
  const int width = f->width();
  const QString reason = QStringLiteral("The folder /home/user/Documents/Trevik/exports/2024/a long way down/tracks "
                                        "can not be written: the disk is read-only, so nothing was saved there");
  ReportFileFailure(*f, QStringLiteral("Save"), QStringLiteral("/home/user/a.trk"), reason);
  QCoreApplication::processEvents();
  TStatusPanel* panel = f->StatusPanel(3);
  EXPECT_EQ(f->StatusText(3), reason);
  EXPECT_EQ(f->width(), width);  // the window does not grow for it
  ASSERT_TRUE(panel->Elided());
  const QString shown = panel->DisplayedText();
  EXPECT_TRUE(shown.startsWith(QStringLiteral("The folder /home"))) << shown.toStdString();
  EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
  EXPECT_LT(shown.size(), reason.size());
  EXPECT_EQ(panel->toolTip(), reason);

  // A text that fits is shown whole, with no tooltip.
  f->SetStatusText(2, S(167));
  EXPECT_TRUE(f->StatusText(3).isEmpty());
  f->SetStatusText(1, QStringLiteral("Connect COM 7 ..."));
  EXPECT_FALSE(f->StatusPanel(1)->Elided());
  EXPECT_EQ(f->StatusPanel(1)->DisplayedText(), QStringLiteral("Connect COM 7 ..."));
  EXPECT_TRUE(f->StatusPanel(1)->toolTip().isEmpty());
  EXPECT_TRUE(panel->toolTip().isEmpty());

  // A wider window shows more of it.
  ReportFileFailure(*f, QStringLiteral("Save"), QStringLiteral("/home/user/a.trk"), reason);
  const qsizetype narrow = panel->DisplayedText().size();
  f->resize(1500, f->height());
  QCoreApplication::processEvents();
  EXPECT_GT(panel->DisplayedText().size(), narrow);
}

}  // namespace
