#pragma once
// The coordinate converter: decimal degrees in, degrees, minutes and
// seconds out. Its texts are fixed.
#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

class TFormGPSConverter : public QDialog {
  Q_OBJECT
 public:
  explicit TFormGPSConverter(QWidget* owner);

  void SetCoordinates(const QString& latitude, const QString& longitude);
  void lblLatExit();
  void lblLongExit();

  // "Dº M' S\"" with whole seconds; a value that rounds up to 60 seconds
  // carries into the minutes and degrees. Empty for no finite number.
  static QString FormatDms(double degrees);

  QLineEdit *lblLat, *lblLong, *lblLatGMS, *lblLongGMS;
  QPushButton* btnAbort;

 private:
  static void Convert(QLineEdit* input, QLineEdit* output);
};
