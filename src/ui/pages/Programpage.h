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

class TProgramPage : public QWidget {
  Q_OBJECT
 public:
  TProgramPage(TMainFrame& frame, QWidget* parent);

  void ApplyLanguage();
  // Connects the map bar's buttons and the favourites menu; called once the
  // frame has built them.
  void AttachMapBar();

  void CheckNewVersion(bool silent);
  void btnSetHomeClick();
  void btnGetZoomLevelClick();

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
  TMainFrame& frame_;
};
