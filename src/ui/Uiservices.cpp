#include "Uiservices.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

namespace {

class DesktopServices final : public UiServices {
 public:
  int MessageBox(const QString& text, const QString& caption, Icon icon,
                 Buttons buttons) override {
    QMessageBox box;
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
      case Icon::Information: box.setIcon(QMessageBox::Information); break;
      case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
      case Icon::Error: box.setIcon(QMessageBox::Critical); break;
      case Icon::Question: box.setIcon(QMessageBox::Question); break;
      case Icon::None: break;
    }
    switch (buttons) {
      case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
      case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
      case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    }
    switch (box.exec()) {
      case QMessageBox::Ok: return Ok;
      case QMessageBox::Yes: return Yes;
      case QMessageBox::No: return No;
      default: return Cancel;
    }
  }

  bool ShiftHeld() override {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
  }

  int ExecDialog(QDialog& dialog) override { return dialog.exec(); }
};

DesktopServices desktopServices;
UiServices* installed = nullptr;

}  // namespace

UiServices& UiServices::Get() { return installed ? *installed : desktopServices; }

void UiServices::Install(UiServices* services) { installed = services; }

void ShowException(const QString& message) {
  UiServices::Get().MessageBox(message, QCoreApplication::applicationName(), UiServices::Icon::Error);
}
