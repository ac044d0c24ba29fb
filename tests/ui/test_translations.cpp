// The chosen language reaches Qt's own dialogs too: message-box buttons, the
// file, colour and input dialogs, switched with the language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "Mainform.h"
#include "Uitestenv.h"

namespace {

QString Plain(QString text) { return text.remove(QLatin1Char('&')); }

// Every label and button text of a dialog, without mnemonics.
QStringList Texts(QWidget& dialog) {
  QStringList texts;
  for (QLabel* l : dialog.findChildren<QLabel*>()) texts << Plain(l->text());
  for (QAbstractButton* b : dialog.findChildren<QAbstractButton*>()) texts << Plain(b->text());
  texts << dialog.windowTitle();
  return texts;
}

QStringList YesNo() {
  QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Yes | QMessageBox::No);
  return {Plain(box.button(QMessageBox::Yes)->text()), Plain(box.button(QMessageBox::No)->text())};
}

class TranslationsTest : public ::testing::Test {
 protected:
  TranslationsTest() : env("translations") {
    for (const char* f : {"English.txt", "Deutsch.txt", "French.txt", "Japanese.txt"})
      std::filesystem::copy_file(testenv::binDir() / f, std::filesystem::path(env.Exe().toStdString()) / f,
                                 std::filesystem::copy_options::overwrite_existing);
    env.WriteIni(QStringLiteral("[GUI]\r\nFirst=0\r\nLang=1\r\n[SERIAL]\r\nPort=-1\r\n"));
    env.Start();
  }
  uitest::ProgramEnv env;
};

TEST_F(TranslationsTest, QtDialogsSpeakTheChosenLanguage) {
  TFormMain main;
  ASSERT_EQ(main.cmbLanguage->currentIndex(), 1);
  EXPECT_EQ(YesNo(), (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));

  struct Case {
    const char* name;
    std::function<QWidget*()> make;
    QStringList expected;
  };
  const std::vector<Case> cases = {
      {"file dialog",
       [] {
         auto* d = new QFileDialog;
         d->setOption(QFileDialog::DontUseNativeDialog);
         return d;
       },
       {QStringLiteral("Suchen in:"), QStringLiteral("Dateiname:"), QStringLiteral("Dateien des Typs:"),
        QStringLiteral("Abbrechen")}},
      {"colour dialog",
       [] {
         auto* d = new QColorDialog;
         d->setOption(QColorDialog::DontUseNativeDialog);
         return d;
       },
       {QStringLiteral("Grundfarben"), QStringLiteral("Abbrechen")}},
      {"input dialog", [] { return new QInputDialog; }, {QStringLiteral("Abbrechen")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<QWidget> dialog(c.make());
    dialog->show();  // the input dialog builds its buttons when shown
    const QStringList texts = Texts(*dialog);
    for (const QString& want : c.expected) EXPECT_TRUE(texts.contains(want)) << want.toStdString() << " in " << texts.join(QStringLiteral(" | ")).toStdString();
  }
}

TEST_F(TranslationsTest, ALanguageChangeSwitchesQtsTextsToo) {
  TFormMain main;
  main.cmbLanguage->setCurrentIndex(6);
  EXPECT_EQ(YesNo(), (QStringList{QStringLiteral("はい(Y)"), QStringLiteral("いいえ(N)")}));
  main.cmbLanguage->setCurrentIndex(4);
  EXPECT_EQ(YesNo(), (QStringList{QStringLiteral("Oui"), QStringLiteral("Non")}));
  main.cmbLanguage->setCurrentIndex(0);
  EXPECT_EQ(YesNo(), (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
}

}  // namespace
