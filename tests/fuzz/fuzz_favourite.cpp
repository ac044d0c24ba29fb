// Favourites "name;lat;lon" as the favourites menu and the jump read them,
// one a line; a favourite with a position, written as the menu's Add writes
// it and read again, keeps its name, and a second writing changes nothing.
#include "Fuzzinput.h"

#include "Apconfig.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  for (const QString& entry : text.split(QLatin1Char('\n'))) {
    const Favourite fav = ParseFavourite(entry);
    if (fav.Name.contains(QLatin1Char(';'))) fuzz::Fail("favourite: the name holds the separator");
    if (!fav.Located) continue;
    const QString written = FavouriteText(fav.Name, fav.Lat, fav.Lng);
    const Favourite again = ParseFavourite(written);
    if (!again.Located || again.Name != fav.Name) fuzz::Fail("favourite: written and read again, it changes");
    if (FavouriteText(again.Name, again.Lat, again.Lng) != written)
      fuzz::Fail("favourite: written twice, the texts differ");
  }
  return 0;
}
