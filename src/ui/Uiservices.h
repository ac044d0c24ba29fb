#pragma once
// The few things a window asks of the desktop that a headless test must be
// able to answer instead: message boxes, the modifier-key state and the
// modal run of a dialog. The program uses the real desktop; tests install
// their own with UiServices::Install.
#include <QString>

class QDialog;
class QWidget;

class UiServices {
 public:
  enum class Icon { None, Information, Warning, Error, Question };
  enum class Buttons { Ok, YesNo, OkCancel };
  enum Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

  virtual ~UiServices() = default;

  // A modal message box; answers which button closed it.
  virtual int MessageBox(const QString& text, const QString& caption, Icon icon,
                         Buttons buttons = Buttons::Ok) = 0;
  // Whether Shift is held right now.
  virtual bool ShiftHeld() = 0;
  // Runs a dialog modally; answers QDialog's result (Accepted or Rejected).
  virtual int ExecDialog(QDialog& dialog) = 0;

  // The services in use (the desktop ones unless a test installed others).
  static UiServices& Get();
  // Installs other services (not owned); nullptr goes back to the desktop.
  static void Install(UiServices* services);
};

// Shows what escaped an event handler and lets the program go on.
void ShowException(const QString& message);
