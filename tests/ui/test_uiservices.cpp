// The file-dialog filter texts of the pages in Qt's form.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QTimer>

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

}  // namespace
