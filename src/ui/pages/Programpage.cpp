#include "Programpage.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include "Mainframe.h"

using namespace uibuild;

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
  pnlPOIColor = colourPanel(grpPOIIcons, "pnlPOIColor", QStringLiteral("Color"));
  QPalette white = pnlPOIColor->palette();
  white.setColor(QPalette::Window, Qt::white);
  pnlPOIColor->setPalette(white);
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
  pnlAChartColor = colourPanel(grpRoute, "pnlAChartColor", QStringLiteral("Color"));
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

// Filled in with the program page's own work.
void TProgramPage::AttachMapBar() {}
void TProgramPage::CheckNewVersion(bool) {}
void TProgramPage::btnSetHomeClick() {}
void TProgramPage::btnGetZoomLevelClick() {}
