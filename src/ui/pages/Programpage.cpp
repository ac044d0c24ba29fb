#include "Programpage.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include <QMenu>
#include <QToolButton>

#include "Apconfig.h"
#include "Busycursor.h"
#include "Frmnewversion.h"
#include "Googlehtml.h"
#include "Httpclient.h"
#include "Servicewait.h"
#include "Mainframe.h"
#include "Textfmt.h"
#include "Uiservices.h"
#include "Utility.h"

using namespace uibuild;

namespace {
constexpr char kDefaultMakerUrl[] = "https://www.quorvex.com";
const QString kVersionCaption = QStringLiteral("Version check");
// Version replies are a few bytes; a host that does not answer is given up.
constexpr int kVersionTimeoutMs = 10000;
}  // namespace

QString MakerUrl() {
  QString url = qEnvironmentVariable(kMakerUrlVariable);
  if (url.isEmpty()) url = QString::fromLatin1(kDefaultMakerUrl);
  while (url.endsWith(QLatin1Char('/'))) url.chop(1);
  return url;
}

int ProxyPortFromText(const QString& text) {
  const int port = textfmt::StrToIntDef(text.trimmed(), 0);
  return port >= 1 && port <= 65535 ? port : 0;
}

QString WebLanguage(int languageIndex) {
  return languageIndex == 1 ? QStringLiteral("de") : QStringLiteral("en");
}

TProgramPage::TProgramPage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgSetKVX"));
  // The page is taller than its tab at the default window size: it scrolls.
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("sbxProgramPage"));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  outer->addWidget(scroll);
  auto* body = new QWidget(scroll);
  scroll->setWidget(body);
  auto* page = new QVBoxLayout(body);
  auto colourPanel = [](QWidget* parent, const char* name, const QString& text) {
    auto* p = ClickLabel(parent, name, text);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setAlignment(Qt::AlignCenter);
    p->setAutoFillBackground(true);
    p->setMinimumSize(60, 22);
    return p;
  };

  grpPOIIcons = Group(this, "grpPOIIcons", QStringLiteral("POI Icons"));
  auto* icons = new QHBoxLayout(grpPOIIcons);
  imgPOI = Label(grpPOIIcons, "imgPOI", QString());
  imgPOI->setFixedSize(24, 24);
  pnlPOIColor = colourPanel(grpPOIIcons, "pnlPOIColor", tr("Color"));
  SetPanelColour(pnlPOIColor, Qt::white);
  btnGeneratePOIs = Button(grpPOIIcons, "btnGeneratePOIs", QStringLiteral("Generate Icons"));
  chkPOITrans = CheckBox(grpPOIIcons, "chkPOITrans", QStringLiteral("Transparent mode"));
  icons->addWidget(imgPOI);
  icons->addWidget(pnlPOIColor);
  icons->addWidget(btnGeneratePOIs);
  icons->addWidget(chkPOITrans);
  page->addWidget(grpPOIIcons);

  grpRoute = Group(this, "grpRoute", QStringLiteral("Route"));
  auto* route = new QGridLayout(grpRoute);
  chkAltChart = CheckBox(grpRoute, "chkAltChart", QStringLiteral("Altitude chart"));
  chkAltChartFollow = CheckBox(grpRoute, "chkAltChartFollow", QStringLiteral("Follow mode"));
  pnlAChartColor = colourPanel(grpRoute, "pnlAChartColor", tr("Color"));
  chkCenterPSel = CheckBox(grpRoute, "chkCenterPSel", QStringLiteral("Center selected point"));
  chkAutoZoom = CheckBox(grpRoute, "chkAutoZoom", QStringLiteral("AutoZoom"));
  route->addWidget(chkAltChart, 0, 0);
  route->addWidget(pnlAChartColor, 0, 1);
  route->addWidget(chkAltChartFollow, 1, 0);
  route->addWidget(chkCenterPSel, 2, 0);
  route->addWidget(chkAutoZoom, 3, 0);
  page->addWidget(grpRoute);

  grpTrack = Group(this, "grpTrack", QStringLiteral("Tracks"));
  auto* track = new QVBoxLayout(grpTrack);
  chkBoostMode = CheckBox(grpTrack, "chkBoostMode", QStringLiteral("BoostMode"));
  chkSepTrack = CheckBox(grpTrack, "chkSepTrack", QStringLiteral("Different Trackcolors "));
  chkTrackImpMode = CheckBox(grpTrack, "chkTrackImpMode", QStringLiteral("Auto select all entries"));
  chkTrackItems = CheckBox(grpTrack, "chkTrackItems", QStringLiteral("Trackpoint list"));
  for (QCheckBox* c : {chkBoostMode, chkSepTrack, chkTrackImpMode, chkTrackItems}) track->addWidget(c);
  page->addWidget(grpTrack);

  grpMisc = Group(this, "grpMisc", QStringLiteral("Misc"));
  auto* misc = new QVBoxLayout(grpMisc);
  chkVersion = CheckBox(grpMisc, "chkVersion", QStringLiteral("Check for new version at start"));
  misc->addWidget(chkVersion);
  page->addWidget(grpMisc);

  grpInternet = Group(this, "grpInternet", QStringLiteral("Internet"));
  auto* net = new QFormLayout(grpInternet);
  edProxyServer = Edit(grpInternet, "edProxyServer");
  edProxyPort = Edit(grpInternet, "edProxyPort");
  net->addRow(QStringLiteral("ProxyServer"), edProxyServer);
  net->addRow(QStringLiteral("ProxyPort"), edProxyPort);
  grpInternet->setVisible(false);
  page->addWidget(grpInternet);

  grpProduct = Group(this, "grpProduct", QStringLiteral("Product"));
  auto* product = new QGridLayout(grpProduct);
  lblProduct = Label(grpProduct, "lblProduct", QString());
  lblProducer = ClickLabel(grpProduct, "lblProducer", QString());
  lblVersion = Label(grpProduct, "lblVersion", QString());
  lblUpdates = ClickLabel(grpProduct, "lblUpdates", QStringLiteral("Updates"));
  lblFAQ = ClickLabel(grpProduct, "lblFAQ", QStringLiteral("FAQ"));
  lblOFAQ = ClickLabel(grpProduct, "lblOFAQ", QStringLiteral("Online FAQ"));
  btnVersionCheck = Button(grpProduct, "btnVersionCheck", QStringLiteral("Check version"));
  product->addWidget(lblProduct, 0, 0);
  product->addWidget(lblProducer, 1, 0);
  product->addWidget(lblVersion, 2, 0);
  product->addWidget(lblUpdates, 0, 1);
  product->addWidget(lblFAQ, 1, 1);
  product->addWidget(lblOFAQ, 2, 1);
  product->addWidget(btnVersionCheck, 3, 0, 1, 2);
  page->addWidget(grpProduct);
  page->addStretch(1);

  // Each option goes into the settings at once; the ini file gets it at shutdown.
  const struct {
    QCheckBox* box;
    bool ApConfig::*field;
  } options[] = {{chkBoostMode, &ApConfig::Boostmode},   {chkTrackImpMode, &ApConfig::TrkImpMode},
                 {chkSepTrack, &ApConfig::SepTrack},     {chkAutoZoom, &ApConfig::AutoZoom},
                 {chkCenterPSel, &ApConfig::CenterPSel}, {chkVersion, &ApConfig::VersionCheck}};
  for (const auto& o : options)
    connect(o.box, &QCheckBox::clicked, this, [field = o.field](bool checked) { apConfig->*field = checked; });
  connect(edProxyServer, &QLineEdit::editingFinished, this, &TProgramPage::edProxyServerExit);
  connect(edProxyPort, &QLineEdit::editingFinished, this, &TProgramPage::edProxyServerExit);
  connect(btnVersionCheck, &QPushButton::clicked, this, &TProgramPage::btnVersionCheckClick);
  connect(lblProducer, &TClickLabel::clicked, this, &TProgramPage::lblProducerClick);
  connect(lblFAQ, &TClickLabel::clicked, this, &TProgramPage::lblFAQClick);
}

void TProgramPage::ApplyLanguage() {
  btnGeneratePOIs->setText(Str(59));
  pnlPOIColor->setText(Str(28));
  pnlAChartColor->setText(Str(28));
  grpProduct->setTitle(Str(61));
  chkAltChart->setText(Str(62));
  chkAltChartFollow->setText(Str(63));
  grpRoute->setTitle(Str(2));
  grpTrack->setTitle(Str(3));
  chkAutoZoom->setText(Str(68));
  chkSepTrack->setText(Str(66));
  chkBoostMode->setText(Str(64));
  chkTrackItems->setText(Str(67));
  chkTrackImpMode->setText(Str(65));
  chkCenterPSel->setText(Str(69));
  chkVersion->setText(Str(70));
}

void TProgramPage::AttachMapBar() {
  const TMapBar bar = frame_.MapBar();
  connect(bar.btnRefresh, &QToolButton::clicked, this, &TProgramPage::btnRefreshClick);
  connect(bar.btnGetZoomLevel, &QToolButton::clicked, this, &TProgramPage::btnGetZoomLevelClick);
  connect(bar.btnSetHome, &QToolButton::clicked, this, &TProgramPage::btnSetHomeClick);
  connect(bar.btnFav, &QToolButton::clicked, this, &TProgramPage::btnFavClick);
  connect(bar.mnuFav, &QMenu::aboutToShow, this, &TProgramPage::mnuFavPopup);
  connect(bar.mnuFavAdd, &QAction::triggered, this, &TProgramPage::mnuFavAddClick);
}

// ----------------------------------------------------------------------------
// options and proxy

void TProgramPage::edProxyServerExit() {
  apConfig->SetProxyServer(edProxyServer->text());
  apConfig->ProxyPort = ProxyPortFromText(edProxyPort->text());
  // Half a proxy leaves the client with the one it has.
  if (!apConfig->ProxyServer.isEmpty() && apConfig->ProxyPort != 0)
    frame_.HGoogleProxy = {apConfig->ProxyServer, apConfig->ProxyPort, true};
}

// ----------------------------------------------------------------------------
// map bar

bool TProgramPage::TakeMapCenter(bool asHome) {
  if (!frame_.PageLoaded) return false;
  frame_.ExecScript(asHome ? QStringLiteral("setCenter(true)") : QStringLiteral("setCenter()"));
  double lat = 0, lng = 0;
  if (!frame_.GetScriptLatLng(lat, lng)) return false;
  TGoogleHtml::MapCenterLat = lat;
  TGoogleHtml::MapCenterLng = lng;
  if (asHome) {
    apConfig->Lat = lat;
    apConfig->Lon = lng;
  }
  return true;
}

void TProgramPage::btnSetHomeClick() { TakeMapCenter(true); }

// The next page opens where this one shows; the home stays. Without a loaded
// page (the last load or write failed) the stored centre stays, and the page
// is written and loaded all the same: that is how the map comes back.
void TProgramPage::btnRefreshClick() {
  TakeMapCenter(false);
  frame_.RefreshMap(0.0, 1.0);
}

void TProgramPage::btnGetZoomLevelClick() {
  if (frame_.Mode == omRoute)
    frame_.ExecScript(QStringLiteral("setMapToRoute()"));
  else if (frame_.Mode == omTrack)
    frame_.ExecScript(QStringLiteral("setMapToTrack()"));
  else
    return;
  BusyCursor busy;
  try {
    frame_.GetMapMode();
  } catch (...) {
  }
  try {
    frame_.GetZoomValue();
  } catch (...) {
  }
}

// ----------------------------------------------------------------------------
// favourites

void TProgramPage::btnFavClick() {
  const TMapBar bar = frame_.MapBar();
  bar.mnuFav->popup(bar.btnFav->mapToGlobal(QPoint(0, bar.btnFav->height())));
}

void TProgramPage::mnuFavPopup() {
  const TMapBar bar = frame_.MapBar();
  const TSortedStringList& favs = apConfig->Favorites;
  bar.mnuFavAdd->setEnabled(favs.Count() < kMaxFavorites);
  bar.mnuFavDel->menuAction()->setEnabled(favs.Count() > 0);
  // The jump items of the last opening stand before the first separator.
  for (QAction* a : bar.mnuFav->actions()) {
    if (a->isSeparator()) break;
    bar.mnuFav->removeAction(a);
    a->deleteLater();
  }
  bar.mnuFavDel->clear();
  QAction* before = bar.mnuFav->actions().value(0);
  for (int n = 0; n < favs.Count(); ++n) {
    // A name is shown as it is, "&" included.
    const QString name = ParseFavourite(favs[n]).Name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* jump = new QAction(name, bar.mnuFav);
    jump->setObjectName(QStringLiteral("NewMenuItem_%1").arg(n));
    jump->setData(n);
    connect(jump, &QAction::triggered, this, [this, n] { JumpToFavourite(n); });
    bar.mnuFav->insertAction(before, jump);
    QAction* del = bar.mnuFavDel->addAction(name);
    del->setObjectName(QStringLiteral("NewMenuItem2_%1").arg(n));
    del->setData(n);
    connect(del, &QAction::triggered, this, [this, n] { DeleteFavourite(n); });
  }
}

void TProgramPage::JumpToFavourite(int tag) {
  const TSortedStringList& favs = apConfig->Favorites;
  if (tag < 0 || tag >= favs.Count()) return;
  // An entry whose fields do not convert sends nothing.
  const Favourite fav = ParseFavourite(favs[tag]);
  if (!fav.Located) return;
  frame_.ExecScript(QStringLiteral("setLatLng(") + textfmt::FloatToQStr(fav.Lat) + QLatin1Char(',') +
                    textfmt::FloatToQStr(fav.Lng) + QLatin1Char(')'));
}

void TProgramPage::DeleteFavourite(int tag) {
  if (tag >= 0 && tag < apConfig->Favorites.Count()) apConfig->Favorites.Delete(tag);
}

void TProgramPage::mnuFavAddClick() {
  TSortedStringList& favs = apConfig->Favorites;
  if (favs.Count() >= kMaxFavorites || !frame_.PageLoaded) return;
  frame_.ExecScript(QStringLiteral("getCenter()"));
  double lat = 0, lng = 0;
  if (!frame_.GetScriptLatLng(lat, lng)) return;
  UiServices& ui = UiServices::Get();
  const std::optional<QString> name = ui.InputText(QStringLiteral("Adding new Favorit"), QStringLiteral("Favorit name"),
                                                   QStringLiteral("Favorit") + QString::number(favs.Count()));
  if (!name) return;
  // ";" separates the entry's fields.
  if (name->trimmed().isEmpty() || name->contains(QLatin1Char(';'))) {
    ui.MessageBox(tr("A favourite needs a name without \";\"."), QStringLiteral("Adding new Favorit"),
                  UiServices::Icon::Error);
    return;
  }
  favs.Add(FavouriteText(*name, lat, lng));
}

// ----------------------------------------------------------------------------
// version check and the maker's pages

void TProgramPage::btnVersionCheckClick() { CheckNewVersion(false); }

void TProgramPage::CheckNewVersion(bool silent) {
  HttpRequest request = frame_.HGoogleRequest(MakerUrl() + QLatin1String(kVersionFilePath));
  request.timeoutMs = kVersionTimeoutMs;
  const HttpReply reply = WaitForService(frame_, tr("Waiting for the version check ..."), request);
  UiServices& ui = UiServices::Get();
  // A check that learnt nothing must not say there is nothing new.
  const VersionReply version = reply.ok ? ParseVersionReply(reply.body) : VersionReply{};
  QString problem = version.Problem;
  if (!reply.ok) problem = reply.error.isEmpty() ? tr("no reply") : reply.error;
  if (!problem.isEmpty()) {
    if (!silent)
      ui.MessageBox(tr("The version check failed: %1").arg(problem), kVersionCaption, UiServices::Icon::Error);
    return;
  }
  // A newer build without a name still shows the window.
  if (version.NewerThan(frame_.BuildNumber)) {
    TFormNewVersion dialog(frame_.FrameWindow());
    dialog.SetVersion(version.Name, frame_.LanguageIndex() == 1);
    ui.ExecDialog(dialog);
    return;
  }
  if (!silent) ui.MessageBox(QStringLiteral("No new version available!"), kVersionCaption, UiServices::Icon::Information);
}

void TProgramPage::lblProducerClick() { OpenWebPage(MakerUrl(), grpProduct->title()); }

void TProgramPage::lblFAQClick() {
  OpenWebPage(MakerUrl() + QStringLiteral("/faq/index.php?sid=17131&lang=") + WebLanguage(frame_.LanguageIndex()) +
                  QStringLiteral("&action=show"),
              grpProduct->title());
}
