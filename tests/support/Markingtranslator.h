#pragma once
// A translator that marks every text of one context ("<de>text"), so a test
// sees which texts go through Qt's translation, without a language file.
#include <QCoreApplication>
#include <QTranslator>

namespace testenv {

class MarkingTranslator : public QTranslator {
 public:
  explicit MarkingTranslator(const char* context) : context_(context) {
    if (!QCoreApplication::instance()) {
      static int argc = 1;
      static char name[] = "test";
      static char* argv[] = {name, nullptr};
      static QCoreApplication app(argc, argv);
    }
    QCoreApplication::installTranslator(this);
  }
  ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
  MarkingTranslator(const MarkingTranslator&) = delete;
  MarkingTranslator& operator=(const MarkingTranslator&) = delete;

  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (qstrcmp(context, context_) != 0) return {};
    return QStringLiteral("<de>") + QString::fromUtf8(source);
  }

  // How the text reads when it is translated.
  static QString Marked(const QString& english) { return QStringLiteral("<de>") + english; }

 private:
  const char* context_;
};

}  // namespace testenv
