#include "Uiservices.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "Busycursor.h"
#include "Uibuild.h"
#include "Windowmanager.h"

namespace {

QWidget* DialogParent() { return QApplication::activeWindow(); }

// The extension of a Qt filter's first pattern, "gpx" of "GPX file (*.gpx)";
// empty when that pattern is not a plain "*.ext".
QString FilterSuffix(const QString& filter) {
  const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
  const qsizetype close = filter.lastIndexOf(QLatin1Char(')'));
  if (open < 0 || close < open) return {};
  const QString first = filter.mid(open + 1, close - open - 1).simplified().section(QLatin1Char(' '), 0, 0);
  if (!first.startsWith(QStringLiteral("*."))) return {};
  const QString suffix = first.mid(2);
  if (suffix.isEmpty() || suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?'))) return {};
  return suffix;
}

class DesktopServices final : public UiServices {
 public:
  int MessageBox(const QString& text, const QString& caption, Icon icon,
                 Buttons buttons) override {
    QMessageBox box(DialogParent());
    uibuild::DialogFrame(&box, uibuild::Frame::SizeableDialog);
    box.setWindowTitle(caption);
    // Texts carry file names and replies from outside: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    // A name, an address or a reason can be copied from the box.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
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
    // The box sizes itself to its text; it must be wide enough for its
    // caption too, which only a spacer across its grid tells it. (Setting
    // the icon lays the box out anew, so this comes last.)
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
      grid->addItem(new QSpacerItem(uibuild::CaptionWidth(caption), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                    grid->rowCount(), 0, 1, grid->columnCount());
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

  std::optional<QString> OpenFileName(const FileDialog& d) override {
    return Run(d, QFileDialog::AcceptOpen);
  }
  std::optional<QString> SaveFileName(const FileDialog& d) override {
    return Run(d, QFileDialog::AcceptSave);
  }

  std::optional<QColor> PickColour(const QColor& initial) override {
    QColorDialog dialog(initial, DialogParent());
    uibuild::DialogFrame(&dialog, uibuild::Frame::SizeableDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor c = dialog.selectedColor();
    if (!c.isValid()) return std::nullopt;
    return c;
  }

  std::optional<QString> InputText(const QString& caption, const QString& prompt,
                                   const QString& initial) override {
    QInputDialog dialog(DialogParent());
    uibuild::DialogFrame(&dialog, uibuild::Frame::SizeableDialog);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
  }

  bool OpenUrl(const QString& url) override { return QDesktopServices::openUrl(QUrl(url)); }
  bool OpenFile(const QString& path) override {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  }

  bool HasApplicationFor(const QString& mimeType) override {
    // xdg-mime names the desktop file of the default application, or nothing.
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-mime")).isEmpty()) return false;
    QProcess p;
    p.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!p.waitForFinished(3000) || p.exitCode() != 0) return false;
    return !p.readAllStandardOutput().trimmed().isEmpty();
  }

  QDateTime Now() override { return QDateTime::currentDateTime(); }

  bool WindowManagerPresent() override { return windowmanager::Present(); }

 private:
  static std::optional<QString> Run(const FileDialog& d, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(DialogParent(), d.title, d.folder);
    uibuild::DialogFrame(&dialog, uibuild::Frame::SizeableDialog);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(QtFileFilter(d.filter));
    const QString first = QtFileFilterAt(d.filter, d.filterIndex);
    if (!first.isEmpty()) dialog.selectNameFilter(first);
    if (!d.defaultSuffix.isEmpty()) {
      dialog.setDefaultSuffix(d.defaultSuffix);
      // As the desktop's own dialogs do: a name typed without an extension
      // gets the extension of the type the user chose, not always the first.
      QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                       [&dialog, fallback = d.defaultSuffix](const QString& filter) {
                         const QString suffix = FilterSuffix(filter);
                         dialog.setDefaultSuffix(suffix.isEmpty() ? fallback : suffix);
                       });
    }
    if (!d.fileName.isEmpty()) dialog.selectFile(d.fileName);
    // Qt asks before it overwrites unless told not to.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
  }
};

DesktopServices desktopServices;
UiServices* installed = nullptr;

QStringList QtFilters(const QString& filter) {
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString description = parts[i].trimmed();
    // A description that names its patterns already is taken as it is.
    if (description.endsWith(QLatin1Char(')')) && description.contains(QLatin1Char('('))) {
      out << description;
      continue;
    }
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    out << description + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
  }
  return out;
}

}  // namespace

UiServices& UiServices::Get() { return installed ? *installed : desktopServices; }

void UiServices::Install(UiServices* services) { installed = services; }

void ShowException(const QString& message) {
  UiServices::Get().MessageBox(message, QCoreApplication::applicationName(), UiServices::Icon::Error);
}

bool OpenWebPage(const QString& url, const QString& caption) {
  UiServices& ui = UiServices::Get();
  bool opened = false;
  {
    BusyCursor busy;
    opened = ui.OpenUrl(url);
  }
  if (opened) return true;
  ui.MessageBox(QCoreApplication::translate("UiServices",
                                            "No program on this desktop could open the web page. Its address, "
                                            "to copy into a web browser:\n\n%1")
                    .arg(url),
                caption, UiServices::Icon::Warning);
  return false;
}

QString QtFileFilter(const QString& filter) { return QtFilters(filter).join(QStringLiteral(";;")); }

QString QtFileFilterAt(const QString& filter, int index) {
  const QStringList all = QtFilters(filter);
  return index >= 1 && index <= all.size() ? all[index - 1] : QString();
}
