// The desktop services: the pages' file-dialog filters in Qt's form, message
// texts, and the save dialog's extension for the chosen type.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include <vector>

#include "Qtprint.h"
#include "Uiservices.h"
#include "Uitestenv.h"

namespace {

TEST(UiServicesFilter, PipeFiltersBecomeQtFilters) {
  struct Case {
    const char* in;
    const char* all;
    int index;
    const char* at;
  } const cases[] = {
      {"GPX file|*.gpx", "GPX file (*.gpx)", 1, "GPX file (*.gpx)"},
      {"Tracks|*.trk|All files|*.*", "Tracks (*.trk);;All files (*.*)", 2, "All files (*.*)"},
      {"Destinations|*.zav;*.mgi", "Destinations (*.zav *.mgi)", 1, "Destinations (*.zav *.mgi)"},
      // A description that names its patterns is kept as it is.
      {"KML (*.kml)|*.kml", "KML (*.kml)", 1, "KML (*.kml)"},
      // Out of range and half a pair give nothing.
      {"Tracks|*.trk", "Tracks (*.trk)", 2, ""},
      {"Tracks|*.trk|Dangling", "Tracks (*.trk)", 0, ""},
      {"", "", 1, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QtFileFilter(QString::fromUtf8(c.in)), QString::fromUtf8(c.all)) << c.in;
    EXPECT_EQ(QtFileFilterAt(QString::fromUtf8(c.in), c.index), QString::fromUtf8(c.at)) << c.in;
  }
}

// Message texts carry file names and replies from outside: a text that
// looks like markup is shown as it stands.
TEST(UiServicesMessageBox, ShowsTextNotMarkup) {
  uitest::App();
  UiServices::Install(nullptr);
  const QString text = QStringLiteral("HTTP 404 <img src=\"x.png\"><b>gone</b>");
  QString shown;
  Qt::TextFormat format = Qt::AutoText;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll.stop();
    for (QLabel* l : box->findChildren<QLabel*>())
      if (l->text() == text) {
        shown = l->text();
        format = l->textFormat();
      }
    box->accept();
  });
  poll.start(10);
  UiServices::Get().MessageBox(text, QStringLiteral("Version check"), UiServices::Icon::Error);
  EXPECT_EQ(shown, text);
  EXPECT_EQ(format, Qt::PlainText);
}

// A name typed without an extension gets the extension of the type the user
// chose in the save dialog; "*.*" keeps the default one.
TEST(UiServicesFileDialog, TypedNameTakesTheChosenTypesExtension) {
  uitest::App();
  UiServices::Install(nullptr);
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  struct Case {
    std::vector<int> chosen;  // the types the user picks, in turn
    const char* expected;
  } const cases[] = {{{}, "d2.zav"}, {{1}, "d2.mgi"}, {{2}, "d2.zav"}, {{1, 2}, "d2.zav"}, {{2, 1}, "d2.mgi"}};
  for (const Case& c : cases) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      poll.stop();
      auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
      auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_TRUE(types && name);
      for (int pick : c.chosen) {
        // As a user's pick in the list does.
        types->setCurrentIndex(pick);
        emit types->activated(pick);
        emit types->textActivated(types->currentText());
      }
      name->setText(QStringLiteral("d2"));
      static_cast<QDialog*>(dialog)->accept();  // the file dialog's own accept, as Save does
    });
    poll.start(10);
    const auto chosen = UiServices::Get().SaveFileName(
        {QStringLiteral("Save"), QStringLiteral("ZAV file|*.zav|Trevik destinations|*.mgi|All files|*.*"), 1,
         QStringLiteral("zav"), dir.path(), QString()});
    ASSERT_TRUE(chosen.has_value()) << c.expected;
    EXPECT_EQ(QFileInfo(*chosen).fileName(), QString::fromUtf8(c.expected));
  }
}

}  // namespace
