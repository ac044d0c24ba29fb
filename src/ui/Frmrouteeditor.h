#pragma once
// The route-point editor: title, position and turn of one route point.
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cstdint>
#include <functional>

class TMainFrame;
struct RouteWpt;

class TFormRouteEditor : public QDialog {
  Q_OBJECT
 public:
  // A new point at that position: empty title, turn "not set".
  TFormRouteEditor(TMainFrame& frame, double latitude, double longitude);
  // An existing point.
  TFormRouteEditor(TMainFrame& frame, const RouteWpt& point);

  QString GetTitle() const { return edtTitle->text(); }

  // Read after OK.
  double Latitude = 0;
  double Longitude = 0;
  std::int32_t Turn = 0;
  // Asked once the input is valid; false keeps the dialog open with the
  // input (the caller has said why).
  std::function<bool(TFormRouteEditor&)> Accept;

  QLineEdit *edtTitle, *edtLat, *edtLon;
  QComboBox* cbbTurn;
  QLabel *lblTitle, *lblLat, *lblLng, *lblTurn;
  QPushButton *btnOk, *btnCancel;

  void btnOkClick();
  void btnCancelClick() { reject(); }

 private:
  void FormCreate(TMainFrame& frame);
};

// The dialog while it runs.
extern TFormRouteEditor* FormRouteEditor;
