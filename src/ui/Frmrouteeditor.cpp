#include "Frmrouteeditor.h"

#include <QGridLayout>
#include <QHBoxLayout>

#include "Coordinateedit.h"
#include "Mainframe.h"
#include "Routestorage.h"
#include "Textfmt.h"
#include "Uibuild.h"

using uibuild::Str;

TFormRouteEditor* FormRouteEditor = nullptr;

namespace {

constexpr int kTurnCount = ttSharpRight + 1;

}  // namespace

TFormRouteEditor::TFormRouteEditor(TMainFrame& frame, double latitude, double longitude)
    : QDialog(frame.FrameWindow()), Latitude(latitude), Longitude(longitude) {
  FormCreate(frame);
}

TFormRouteEditor::TFormRouteEditor(TMainFrame& frame, const RouteWpt& point)
    : QDialog(frame.FrameWindow()), Latitude(point.Latitude), Longitude(point.Longitude) {
  FormCreate(frame);
  cbbTurn->setCurrentIndex(TurnOrNone(point.Turn));
  edtTitle->setText(point.Name);
}

void TFormRouteEditor::FormCreate(TMainFrame& frame) {
  setObjectName(QStringLiteral("FormRouteEditor"));
  uibuild::DialogFrame(this);
  setFixedSize(401, 156);
  setWindowIcon(frame.ilTab.Icon(2));
  setWindowTitle(Str(146));

  lblTitle = uibuild::Label(this, "lblTitle", Str(10));
  lblLat = uibuild::Label(this, "lblLat", Str(15));
  lblLng = uibuild::Label(this, "lblLng", Str(16));
  lblTurn = uibuild::Label(this, "lblTurn", Str(17));
  edtTitle = uibuild::Edit(this, "edtTitle");
  edtTitle->setMaxLength(RouteStorage::kMaxNameLength);
  edtLat = uibuild::Edit(this, "edtLat");
  edtLon = uibuild::Edit(this, "edtLon");
  edtLat->setText(textfmt::FloatToQStr(Latitude));
  edtLon->setText(textfmt::FloatToQStr(Longitude));
  cbbTurn = uibuild::DropDownList(this, "cbbTurn");
  for (int t = 0; t < kTurnCount; ++t) cbbTurn->addItem(frame.ilTurn.Icon(t), QStringLiteral(" "));
  cbbTurn->setMaxVisibleItems(kTurnCount);
  cbbTurn->setCurrentIndex(0);
  btnOk = uibuild::Button(this, "btnOk", Str(159));
  btnCancel = uibuild::Button(this, "btnCancel", Str(160));
  btnOk->setDefault(true);

  auto* grid = new QGridLayout(this);
  grid->addWidget(lblTitle, 0, 0);
  grid->addWidget(edtTitle, 0, 1, 1, 3);
  grid->addWidget(lblLat, 1, 0);
  grid->addWidget(edtLat, 1, 1);
  grid->addWidget(lblLng, 1, 2);
  grid->addWidget(edtLon, 1, 3);
  grid->addWidget(lblTurn, 2, 0);
  grid->addWidget(cbbTurn, 2, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  grid->addLayout(buttons, 3, 0, 1, 4);

  connect(btnOk, &QPushButton::clicked, this, &TFormRouteEditor::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &TFormRouteEditor::btnCancelClick);
}

void TFormRouteEditor::btnOkClick() {
  if (edtTitle->text().isEmpty()) {
    edtTitle->setFocus();
    return;
  }
  double lat = 0, lon = 0;
  if (!ReadCoordinateEdits(edtLat, edtLon, lat, lon)) return;
  Latitude = lat;
  Longitude = lon;
  Turn = cbbTurn->currentIndex() < 0 ? 0 : cbbTurn->currentIndex();
  if (Accept && !Accept(*this)) return;
  accept();
}
