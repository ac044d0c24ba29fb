#pragma once
// A program folder, configuration folder and settings of their own for each
// window test, with fake desktop services (message boxes, dialogs, Shift).
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QString>
#include <QStringList>
#include <deque>
#include <filesystem>
#include <optional>
#include <functional>
#include <memory>
#include <vector>

#include "Apconfig.h"
#include "Inifile.h"
#include "Pathmanager.h"
#include "Qtprint.h"
#include "Startup.h"
#include "Stringtable.h"
#include "Testenv.h"
#include "Translators.h"
#include "Uiservices.h"

namespace uitest {

// The one application object of a test program (with the event-handler guard
// of the real program).
inline TApplication& App() {
  static int argc = 1;
  static char name[] = "uitest";
  static char* argv[] = {name, nullptr};
  static TApplication* app = [] {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto* a = new TApplication(argc, argv);
    a->setQuitOnLastWindowClosed(false);
    return a;
  }();
  return *app;
}

struct MessageRecord {
  QString text;
  QString caption;
  UiServices::Icon icon;
};

// Records message boxes, file dialogs and opened links; answers dialogs by a
// test's rule. File, colour and text dialogs take their answers from queues:
// an empty queue answers "cancelled".
class FakeServices : public UiServices {
 public:
  int MessageBox(const QString& text, const QString& caption, Icon icon, Buttons) override {
    messages.push_back({text, caption, icon});
    return answer;
  }
  bool ShiftHeld() override { return shift; }
  int ExecDialog(QDialog& dialog) override {
    ++dialogsShown;
    return onDialog ? onDialog(dialog) : QDialog::Rejected;
  }
  std::optional<QString> OpenFileName(const FileDialog& d) override {
    fileDialogs.push_back(d);
    return Take(openAnswers);
  }
  std::optional<QString> SaveFileName(const FileDialog& d) override {
    fileDialogs.push_back(d);
    return Take(saveAnswers);
  }
  std::optional<QColor> PickColour(const QColor& initial) override {
    colourAsked.push_back(initial);
    return Take(colourAnswers);
  }
  std::optional<QString> InputText(const QString&, const QString& prompt, const QString& initial) override {
    inputPrompts.push_back(prompt + QLatin1Char('|') + initial);
    return Take(inputAnswers);
  }
  bool OpenUrl(const QString& url) override {
    opened << url;
    return openSucceeds;
  }
  bool OpenFile(const QString& path) override {
    opened << path;
    return openSucceeds;
  }
  bool HasApplicationFor(const QString& mimeType) override { return applications.contains(mimeType); }
  QDateTime Now() override { return now.isValid() ? now : QDateTime::currentDateTime(); }
  bool WindowManagerPresent() override { return windowManager; }

  std::vector<MessageRecord> messages;
  int answer = Ok;
  bool shift = false;
  int dialogsShown = 0;
  std::function<int(QDialog&)> onDialog;
  std::vector<FileDialog> fileDialogs;
  std::deque<std::optional<QString>> openAnswers, saveAnswers, inputAnswers;
  std::deque<std::optional<QColor>> colourAnswers;
  std::vector<QColor> colourAsked;
  QStringList inputPrompts;
  QStringList opened;
  bool openSucceeds = true;
  QStringList applications;
  QDateTime now;
  bool windowManager = false;

 private:
  template <typename T>
  static std::optional<T> Take(std::deque<std::optional<T>>& queue) {
    std::optional<T> v;
    if (!queue.empty()) {
      v.swap(queue.front());
      queue.pop_front();
    }
    return v;
  }
};

// Counts the paints of the widgets it filters, to see a window repaint.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// A language file whose kept line N reads "S<N>", for the first count lines.
inline QByteArray NumberedLanguage(int count) {
  QByteArray text = "// numbered test strings\r\n";
  for (int n = 0; n < count; ++n) text += "S" + QByteArray::number(n) + "\r\n";
  return text;
}

// Folders of one test: exe/ (the program folder), appdata/, docs/, common/.
class ProgramEnv {
 public:
  explicit ProgramEnv(const std::string& name) : root_(testenv::scratchDir(name)) {
    App();
    for (const char* d : {"exe", "appdata", "docs", "common"})
      std::filesystem::create_directories(root_ / d);
    // The pictures and the font bank the build puts into the program folder.
    for (const char* f : {"Buttons.bmp", "POI_Icons.bmp", "Tabs.bmp", "Turns.bmp", "Menus.bmp",
                          "Splash.png", "Vendor.png", "font.bnk"}) {
      std::error_code ec;
      std::filesystem::copy_file(testenv::binDir() / f, root_ / "exe" / f, ec);
    }
    WriteExe("English.txt", NumberedLanguage(174));
    // The program's own translations, as the build puts them beside it.
    std::error_code ec;
    std::filesystem::copy(testenv::binDir() / "translations", root_ / "exe" / "translations",
                          std::filesystem::copy_options::recursive, ec);
    UiServices::Install(&services);
  }
  ~ProgramEnv() {
    Stop();
    UiServices::Install(nullptr);
  }

  QString Exe() const { return Path("exe") + "/"; }
  QString Path(const std::string& rel) const {
    return QString::fromStdString((root_ / rel).string());
  }
  QString IniPath() const { return Path("appdata/Kartovex/Kartovex.ini"); }

  void WriteExe(const std::string& name, const QByteArray& bytes) {
    testenv::writeFile(root_ / "exe" / name, bytes.toStdString());
  }
  // The map page's companion files as the build ships them; true when all
  // could be copied.
  bool WriteShippedWebFiles() {
    for (const QLatin1String& name :
         {kMapScriptFileName, kMapStyleFileName, kStartMarkerFileName, kEndMarkerFileName}) {
      QFile shipped(QString::fromStdString(testenv::binDir().string()) + QLatin1Char('/') + name);
      if (!shipped.open(QIODevice::ReadOnly)) return false;
      WriteExe(std::string(name.data(), name.size()), shipped.readAll());
    }
    return true;
  }
  void RemoveExe(const std::string& name) { std::filesystem::remove(root_ / "exe" / name); }
  // Writes the settings file the next Start reads.
  void WriteIni(const QString& text) {
    std::filesystem::create_directories(root_ / "appdata" / "Kartovex");
    testenv::writeFile(root_ / "appdata" / "Kartovex" / "Kartovex.ini",
                       text.toUtf8().toStdString());
  }
  // The settings file as the program left it.
  std::unique_ptr<TIniFile> Ini() const { return std::make_unique<TIniFile>(IniPath()); }

  // Constructs the process-wide objects as main() does.
  void Start() {
    Stop();
    SystemFolders f;
    f.exeDir = Exe();
    f.appDataDir = Path("appdata");
    f.documentsDir = Path("docs");
    f.commonDataDir = Path("common");
    paths = std::make_unique<TPathManager>(f);
    pathManager = paths.get();
    config = std::make_unique<ApConfig>(*paths);
    apConfig = config.get();
    strings = std::make_unique<StrTable>();
    strTable = strings.get();
  }
  void Stop() {
    strTable = nullptr;
    apConfig = nullptr;
    pathManager = nullptr;
    strings.reset();
    config.reset();
    paths.reset();
  }

  FakeServices services;
  std::unique_ptr<TPathManager> paths;
  std::unique_ptr<ApConfig> config;
  std::unique_ptr<StrTable> strings;

 private:
  std::filesystem::path root_;
};

// The program's own texts and Qt's in another language ("de", "ja") while it
// lives, from the translations in the test's program folder; English after.
class Speaking {
 public:
  Speaking(const ProgramEnv& env, const QString& code) : folder_(translators::Folder(env.Exe())) {
    loaded = translators::Apply(folder_, code);
    EXPECT_TRUE(loaded) << code.toStdString();
  }
  ~Speaking() { translators::Apply(folder_, QStringLiteral("en")); }
  Speaking(const Speaking&) = delete;
  Speaking& operator=(const Speaking&) = delete;
  bool loaded = false;

 private:
  QString folder_;
};

}  // namespace uitest
