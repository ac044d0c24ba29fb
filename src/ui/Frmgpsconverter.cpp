#include "Frmgpsconverter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "Textfmt.h"
#include "Uibuild.h"

TFormGPSConverter::TFormGPSConverter(QWidget* owner) : QDialog(owner) {
  uibuild::DialogFrame(this, uibuild::Frame::ToolWindow);
  setObjectName(QStringLiteral("FormGPSConverter"));
  setWindowTitle(QStringLiteral("Coordinate converter"));
  auto* form = new QFormLayout(this);
  lblLat = uibuild::Edit(this, "lblLat");
  lblLong = uibuild::Edit(this, "lblLong");
  lblLatGMS = uibuild::Edit(this, "lblLatGMS", true);
  lblLongGMS = uibuild::Edit(this, "lblLongGMS", true);
  form->addRow(QStringLiteral("Latitude Decimal"), lblLat);
  form->addRow(QStringLiteral("Longitude Decimal"), lblLong);
  form->addRow(QStringLiteral("Latitude DMS"), lblLatGMS);
  form->addRow(QStringLiteral("Longitude DMS"), lblLongGMS);
  btnAbort = uibuild::Button(this, "btnAbort", QStringLiteral("Abort"));
  btnAbort->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnAbort);
  form->addRow(buttons);
  connect(btnAbort, &QPushButton::clicked, this, &QDialog::accept);
  connect(lblLat, &QLineEdit::editingFinished, this, &TFormGPSConverter::lblLatExit);
  connect(lblLong, &QLineEdit::editingFinished, this, &TFormGPSConverter::lblLongExit);
}

void TFormGPSConverter::SetCoordinates(const QString& latitude, const QString& longitude) {
  lblLat->setText(latitude);
  lblLatExit();
  lblLong->setText(longitude);
  lblLongExit();
}

void TFormGPSConverter::Convert(QLineEdit* input, QLineEdit* output) {
  QString text = input->text();
  text.replace(QLatin1Char(','), QLatin1Char('.'));
  input->setText(text);
  double v = 0;
  if (!textfmt::TryStrToFloat(text, v)) return;  // the last output stays
  output->setText(FormatDms(v));
}

void TFormGPSConverter::lblLatExit() { Convert(lblLat, lblLatGMS); }
void TFormGPSConverter::lblLongExit() { Convert(lblLong, lblLongGMS); }

QString TFormGPSConverter::FormatDms(double x) {
  if (!std::isfinite(x) || std::fabs(x) >= 2147483647.0) return {};
  const double sign = x < 0 ? -1.0 : 1.0;
  double degrees = std::trunc(x);
  double minutes = std::trunc((x - degrees) * 60.0);
  // Whole seconds as "%.f" rounds them (to even on a tie).
  double seconds = std::nearbyint(((x - degrees) * 60.0 - minutes) * 60.0);
  if (std::fabs(seconds) >= 60.0) {
    seconds = 0;
    minutes += sign;
  }
  if (std::fabs(minutes) >= 60.0) {
    minutes = 0;
    degrees += sign;
  }
  if (seconds == 0) seconds = 0;  // no "-0"
  auto whole = [](double v) { return QString::fromStdString(textfmt::IntToStr(static_cast<long long>(v))); };
  return whole(degrees) + QChar(0x00BA) + QLatin1Char(' ') + whole(minutes) + QStringLiteral("' ") + whole(seconds) +
         QLatin1Char('"');
}
