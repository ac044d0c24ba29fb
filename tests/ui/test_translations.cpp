// The chosen language reaches Qt's own dialogs too: message-box buttons, the
// file, colour and input dialogs, switched with the language.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <filesystem>
#include <functional>

#include "Mainform.h"
#include "Mapview.h"
#include "Stringtable.h"
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

// Every status panel follows a language switch: a note is made again in the
// new language, or cleared where it cannot be (a reason the system gave);
// the fixed English texts stay. Never a note in the language left behind.
TEST_F(TranslationsTest, EveryStatusNoteFollowsALanguageSwitch) {
  const QString bad = env.Path("bad.trk");
  {
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a track file");
  }
  const QString kAny = QStringLiteral("*");  // some reason, not empty
  using Panels = std::array<QString, 4>;
  struct Case {
    const char* what;
    std::function<void(TFormMain&)> write;
    Panels de, fr, ja;
  };
  const QString de0 = QStringLiteral("Nicht verbunden"), fr0 = QStringLiteral("Non connecté"),
                ja0 = QStringLiteral("未接続");
  const Case cases[] = {
      {"a picture that cannot be loaded",
       [](TFormMain& m) {
         TImageList list{16, 16};
         m.LoadImageList(QStringLiteral("Nowhere.bmp"), list, QColor(Qt::magenta));
       },
       {de0, "", "", QStringLiteral("Das Bild kann nicht geladen werden: Nowhere.bmp")},
       {fr0, "", "", QStringLiteral("Impossible de charger l'image : Nowhere.bmp")},
       {ja0, "", "", QStringLiteral("画像を読み込めません: Nowhere.bmp")}},
      {"a download without a device", [](TFormMain& m) { m.pgDest->bgDestDevice->Item(1)->click(); },
       {de0, QStringLiteral("Ziele"), QStringLiteral("Fehlgeschlagen"), ""},
       {fr0, QStringLiteral("Destinations"), QStringLiteral("Échec"), ""},
       {ja0, QStringLiteral("目的地"), QStringLiteral("失敗"), ""}},
      {"a file that holds no track, and its reason",
       [&](TFormMain& m) {
         env.services.openAnswers.push_back(bad);
         m.pgTrack->tbTrackFileOpen->click();
       },
       {de0, QStringLiteral("Tracks"), QStringLiteral("Fehlgeschlagen"), kAny},
       {fr0, QStringLiteral("Traces"), QStringLiteral("Échec"), ""},
       {ja0, QStringLiteral("トラック"), QStringLiteral("失敗"), ""}},
      {"the map cannot be loaded", [](TFormMain& m) { m.OnMapClick(QString(kMapUnavailableReport)); },
       {de0, "", "", QStringLiteral("Die Karte kann nicht geladen werden")},
       {fr0, "", "", QStringLiteral("Impossible de charger la carte")},
       {ja0, "", "", QStringLiteral("地図を読み込めません")}},
      {"a note built from a service's reason",
       [](TFormMain& m) {
         m.SetStatusText(3, QCoreApplication::translate(
                                "TAltChart",
                                "Elevation service failing, not asked again on its own before %2: gave no answer (%1)")
                                .arg(QStringLiteral("Zeitüberschreitung"), QStringLiteral("12:34:56")));
       },
       {de0, "", "",
        QStringLiteral("Höhendienst gestört, automatische Abfrage erst wieder ab 12:34:56: keine Antwort "
                       "(Zeitüberschreitung)")},
       {fr0, "", "", ""},
       {ja0, "", "", ""}},
      {"a result, the port found, the progress window's note",
       [](TFormMain& m) {
         m.SetStatusText(2, strTable->GetString(167));  // as a page says "done"
         m.ConnectPage().SetStatusText(0, QStringLiteral("COM 7"));
         m.SetStatusPanelText(1, QStringLiteral("Illegal command"));
       },
       {"COM 7", "Illegal command", QStringLiteral("Fertig"), ""},
       {"COM 7", "Illegal command", QStringLiteral("Terminé"), ""},
       {"COM 7", "Illegal command", QStringLiteral("完了"), ""}},
  };
  const auto panels = [](const TFormMain& m) {
    return Panels{m.StatusText(0), m.StatusText(1), m.StatusText(2), m.StatusText(3)};
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Each window starts in German: the last one closed in Japanese.
    env.WriteIni(QStringLiteral("[GUI]\r\nFirst=0\r\nLang=1\r\n[SERIAL]\r\nPort=-1\r\n"));
    env.Start();
    TFormMain main;
    c.write(main);
    Panels german = panels(main);
    if (c.de[3] == kAny) {
      EXPECT_FALSE(german[3].isEmpty());
      german[3] = kAny;
    }
    EXPECT_EQ(german, c.de);
    main.cmbLanguage->setCurrentIndex(4);
    EXPECT_EQ(panels(main), c.fr);
    main.cmbLanguage->setCurrentIndex(6);
    EXPECT_EQ(panels(main), c.ja);
  }
}

}  // namespace
