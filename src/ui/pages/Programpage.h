#pragma once
// The program settings page (pgSetKVX): waypoint icon colours, the product
// box with its links and version check, the route and track options, the
// proxy; it also serves the map bar (refresh, zoom, home, favourites).
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "Uibuild.h"

class TMainFrame;

// The maker's web host (scheme and host, no "/" at the end): the variable
// below when set, else the built-in one.
inline constexpr char kMakerUrlVariable[] = "TREVIK_MAKER_URL";
QString MakerUrl();
// The path of the version file on the maker's host.
inline constexpr char kVersionFilePath[] = "/dad-ivodedur/KVX/version.txt";
// The proxy port of the settings page's text: 0 when it is no port.
int ProxyPortFromText(const QString& text);
// "de" for the German user interface (language position 1), else "en".
QString WebLanguage(int languageIndex);

class TProgramPage : public QWidget {
  Q_OBJECT
 public:
  TProgramPage(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();
  // Connects the map bar's buttons and the favourites menu; called once the
  // frame has built them.
  void AttachMapBar();

  // Asks the maker's host for the newest build; silent, it shows nothing but
  // a newer version.
  void CheckNewVersion(bool silent);
  void btnVersionCheckClick();
  // By the button or Ctrl+C: the map's centre becomes the home position.
  void btnSetHomeClick();
  void btnGetZoomLevelClick();
  void btnRefreshClick();
  void btnFavClick();
  // Rebuilds the favourites menu; runs each time it opens.
  void mnuFavPopup();
  void mnuFavAddClick();
  // The click actions of the generated favourite items; tag = list position.
  void JumpToFavourite(int tag);
  void DeleteFavourite(int tag);
  void edProxyServerExit();
  void lblProducerClick();
  void lblFAQClick();

  QGroupBox* grpPOIIcons;
  QLabel* imgPOI;
  uibuild::TClickLabel* pnlPOIColor;
  QPushButton* btnGeneratePOIs;
  QCheckBox* chkPOITrans;
  QGroupBox* grpProduct;
  QLabel *lblProduct, *lblVersion;
  uibuild::TClickLabel *lblProducer, *lblUpdates, *lblFAQ, *lblOFAQ;
  QPushButton* btnVersionCheck;
  QGroupBox* grpRoute;
  QCheckBox *chkAltChart, *chkAltChartFollow, *chkCenterPSel, *chkAutoZoom;
  uibuild::TClickLabel* pnlAChartColor;
  QGroupBox* grpTrack;
  QCheckBox *chkBoostMode, *chkSepTrack, *chkTrackImpMode, *chkTrackItems;
  QGroupBox* grpMisc;
  QCheckBox* chkVersion;
  QGroupBox* grpInternet;
  QLineEdit *edProxyServer, *edProxyPort;

 private:
  // Reads the page's centre into the next page's centre; the home position
  // too when asked by the user. False with no page or no answer.
  bool TakeMapCenter(bool asHome);

  TMainFrame& frame_;
};
