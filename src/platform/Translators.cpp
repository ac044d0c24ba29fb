#include "Translators.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace translators {
namespace {

struct Installed {
  std::unique_ptr<QTranslator> own;
  std::unique_ptr<QTranslator> qt;
  QString code = QStringLiteral("en");
};

Installed& State() {
  static Installed state;
  return state;
}

void Remove(std::unique_ptr<QTranslator>& t) {
  if (!t) return;
  QCoreApplication::removeTranslator(t.get());
  t.reset();
}

}  // namespace

QString Folder(const QString& exeDir) { return QDir(exeDir).filePath(QStringLiteral("translations")); }

bool Apply(const QString& folder, const QString& code) {
  Installed& s = State();
  Remove(s.own);
  Remove(s.qt);
  s.code = code;

  bool ok = true;
  auto own = std::make_unique<QTranslator>();
  if (own->load(QStringLiteral("trevik_") + code, folder)) {
    QCoreApplication::installTranslator(own.get());
    s.own = std::move(own);
  } else {
    ok = false;
  }
  if (code != QLatin1String("en")) {
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qt.get());
      s.qt = std::move(qt);
    }
  }
  return ok;
}

QString Current() { return State().code; }

}  // namespace translators
