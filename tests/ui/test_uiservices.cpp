// The file-dialog filter texts of the pages in Qt's form.
#include <gtest/gtest.h>

#include "Qtprint.h"
#include "Uiservices.h"

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

}  // namespace
