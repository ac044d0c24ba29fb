#include "Frmpoieditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Coordinateedit.h"
#include "Mainframe.h"
#include "Textfmt.h"
#include "Uibuild.h"
#include "Uiservices.h"

using uibuild::Str;

namespace {

QString WithDecimalPoint(QString text) { return text.replace(QLatin1Char(','), QLatin1Char('.')); }

}  // namespace

TFormPoiEditor::TFormPoiEditor(int mode, double latitude, double longitude, TMainFrame& frame)
    : QDialog(frame.FrameWindow()),
      Latitude(latitude),
      Longitude(longitude),
      Mode(mode) {
  FormCreate(frame);
}

void TFormPoiEditor::FormCreate(TMainFrame& frame) {
  uibuild::DialogFrame(this);
  setObjectName(QStringLiteral("FormPoiEditor"));
  setWindowTitle(QStringLiteral("POI-Editor"));
  setWindowIcon(frame.ilTab.Icon(1));
  auto* grid = new QGridLayout(this);
  lblTitle = uibuild::Label(this, "lblTitle", Str(10));
  lblIcon = uibuild::Label(this, "lblIcon", QStringLiteral("Icon"));
  lblLat = uibuild::Label(this, "lblLat", Str(15));
  lblLng = uibuild::Label(this, "lblLng", Str(16));
  edtTitle = uibuild::Edit(this, "edtTitle", true);
  edtTitle->setEnabled(false);
  edtTitle->setMinimumWidth(180);
  cmbIcons = uibuild::DropDownList(this, "cmbIcons");
  cmbIcons->setIconSize(QSize(16, 16));
  const int count = frame.ilWaypoint.Count();
  for (int n = 0; n < count; ++n) cmbIcons->addItem(frame.ilWaypoint.Icon(n), QString::number(n));
  cmbIcons->setMaxVisibleItems(count > 0 ? count : 1);
  edtLat = uibuild::Edit(this, "edtLat");
  edtLon = uibuild::Edit(this, "edtLon");
  imgIcon = uibuild::Label(this, "imgIcon", QString());
  imgIcon->hide();
  btnAct = uibuild::Button(this, "btnAct", Str(156));
  btnAct->setDefault(true);
  btnClose = uibuild::Button(this, "btnClose", Str(158));
  grid->addWidget(lblTitle, 0, 0);
  grid->addWidget(edtTitle, 0, 1);
  grid->addWidget(lblIcon, 1, 0);
  grid->addWidget(cmbIcons, 1, 1);
  grid->addWidget(lblLat, 2, 0);
  grid->addWidget(edtLat, 2, 1);
  grid->addWidget(lblLng, 3, 0);
  grid->addWidget(edtLon, 3, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnAct);
  buttons->addWidget(btnClose);
  grid->addLayout(buttons, 4, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);

  connect(btnAct, &QPushButton::clicked, this, &TFormPoiEditor::btnActClick);
  connect(btnClose, &QPushButton::clicked, this, &TFormPoiEditor::btnCloseClick);
  connect(edtLat, &QLineEdit::editingFinished, this, &TFormPoiEditor::edtLatExit);
  connect(edtLon, &QLineEdit::editingFinished, this, &TFormPoiEditor::edtLonExit);
  connect(edtLat, &QLineEdit::textEdited, this, [this] { latTyped_ = true; });
  connect(edtLon, &QLineEdit::textEdited, this, [this] { lonTyped_ = true; });
}

void TFormPoiEditor::SetPoi(const std::string& title, int icon, double latitude, double longitude) {
  Title = title;
  Icon = icon;
  Latitude = latitude;
  Longitude = longitude;
  // The table's add opens at 0, 0: no position yet.
  noPosition_ = Mode == kAdd && latitude == 0.0 && longitude == 0.0;
  latTyped_ = lonTyped_ = false;
  btnAct->setText(Str(Mode == kAdd ? 156 : 157));
  edtTitle->setText(QString::fromStdString(title));
  edtLat->setText(textfmt::FloatToQStr(latitude));
  edtLon->setText(textfmt::FloatToQStr(longitude));
  cmbIcons->setCurrentIndex(Mode == kAdd ? 0 : icon);
}

void TFormPoiEditor::edtLatExit() { edtLat->setText(WithDecimalPoint(edtLat->text())); }
void TFormPoiEditor::edtLonExit() { edtLon->setText(WithDecimalPoint(edtLon->text())); }

bool TFormPoiEditor::ValidateAndStore() {
  const QString title = edtTitle->text();
  const QString lat = edtLat->text(), lon = edtLon->text();
  // The "0" that the table's add shows stands for no input yet; a "0" the
  // user typed, or the one of a waypoint on the equator or the prime
  // meridian, is a coordinate.
  auto untouched = [this](const QString& text, bool typed) {
    return noPosition_ && !typed && text == QLatin1String("0");
  };
  if (title.isEmpty() || lat.isEmpty() || lon.isEmpty() || untouched(lat, latTyped_) || untouched(lon, lonTyped_)) {
    UiServices::Get().MessageBox(Str(123), Str(115), UiServices::Icon::Error);
    return false;
  }
  double la = 0, lo = 0;
  if (!ReadCoordinateEdits(edtLat, edtLon, la, lo)) return false;
  Latitude = la;
  Longitude = lo;
  Icon = cmbIcons->currentIndex();
  Title = title.toStdString();
  return true;
}

void TFormPoiEditor::btnActClick() {
  // The check has told the user why it failed.
  if (!ValidateAndStore()) return;
  if (Mode == kAdd || Mode == kModify) accept();
}

void TFormPoiEditor::btnCloseClick() { reject(); }
