#pragma once
// The waypoint dialog: adds a waypoint (mode 0) or changes one (mode 1). The
// name cannot be changed; icon and position can. The caller reads the fields
// after the dialog closed with OK.
#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TMainFrame;

class TFormPoiEditor : public QDialog {
  Q_OBJECT
 public:
  enum { kAdd = 0, kModify = 1 };

  TFormPoiEditor(int mode, double latitude, double longitude, TMainFrame& frame);

  // Fills the fields and the controls; the icon shows only in modify mode
  // (a new waypoint starts with icon 0).
  void SetPoi(const std::string& title, int icon, double latitude, double longitude);

  void btnActClick();
  void btnCloseClick();
  void edtLatExit();
  void edtLonExit();
  // Reads the inputs into the fields; false, after one message that says
  // why, when one is missing (an add opened at 0, 0 whose "0" the user has
  // not typed over), no number, or not a position on the earth.
  bool ValidateAndStore();

  double Latitude;
  double Longitude;
  std::string Title;  // UTF-8
  int Icon = 0;
  int Mode;

  QLabel *lblTitle, *lblIcon, *lblLat, *lblLng, *imgIcon;
  QLineEdit *edtTitle, *edtLat, *edtLon;
  QComboBox* cmbIcons;
  QPushButton *btnAct, *btnClose;

 private:
  void FormCreate(TMainFrame& frame);

  bool noPosition_ = false;  // an add at 0, 0: its "0"s are no input yet
  bool latTyped_ = false, lonTyped_ = false;
};
