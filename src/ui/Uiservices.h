#pragma once
// What a window asks of the desktop that a headless test must be able to
// answer instead: message boxes, the modifier-key state, the modal run of a
// dialog, file / colour / text dialogs, opening a link or a file with the
// desktop's program, and the clock. The program uses the real desktop; tests
// install their own with UiServices::Install.
#include <QColor>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

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

  // A file dialog. `filter` is in the form "Description|*.x;*.y|Other|*.z";
  // `filterIndex` picks the 1-based filter shown first. A save dialog adds
  // `defaultSuffix` to a name without one and asks before it overwrites.
  struct FileDialog {
    QString title;
    QString filter;
    int filterIndex = 1;
    QString defaultSuffix;
    QString folder;    // where it starts
    QString fileName;  // the name it proposes
  };
  // The chosen file, or nothing when the dialog was cancelled.
  virtual std::optional<QString> OpenFileName(const FileDialog& dialog) = 0;
  virtual std::optional<QString> SaveFileName(const FileDialog& dialog) = 0;
  // A colour dialog starting at `initial`; nothing when cancelled.
  virtual std::optional<QColor> PickColour(const QColor& initial) = 0;
  // A one-line text input; nothing when cancelled.
  virtual std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                           const QString& initial) = 0;
  // Opens a link, or a file with the desktop's program for its kind;
  // false when the desktop could not.
  virtual bool OpenUrl(const QString& url) = 0;
  virtual bool OpenFile(const QString& path) = 0;
  // Whether the desktop has a program for files of this MIME type.
  virtual bool HasApplicationFor(const QString& mimeType) = 0;
  // The current local time.
  virtual QDateTime Now() = 0;
  // Whether a window manager places and maximises the windows (a bare X
  // server or an offscreen run has none).
  virtual bool WindowManagerPresent() = 0;

  // The services in use (the desktop ones unless a test installed others).
  static UiServices& Get();
  // Installs other services (not owned); nullptr goes back to the desktop.
  static void Install(UiServices* services);
};

// Shows what escaped an event handler and lets the program go on.
void ShowException(const QString& message);

// Opens a web page in the desktop's browser. When no program could open it,
// a box says so and shows the address, to be copied from there; false then.
bool OpenWebPage(const QString& url, const QString& caption);

// "Description|*.x;*.y|Other|*.z" in Qt's form: "Description (*.x *.y);;Other (*.z)".
QString QtFileFilter(const QString& filter);
// Filter n (1-based) of such a text in Qt's form; empty when there is none.
QString QtFileFilterAt(const QString& filter, int index);
