#include "Destitem.h"

#include "Deststorage.h"
#include "Utility.h"

int MAX_TITLE_LEN = 32;
int MAX_CATEGORY_LEN = 32;
int MAX_INFO_LEN = 200;

void CutToLength(QString& text, int limit) {
  if (limit <= 0)
    text.clear();
  else
    TruncateString(text, limit);
}

DestItem::DestItem(const QString& title, int category, int subCategory, const QString& info,
                   double latitude, double longitude)
    : Category(category),
      SubCategory(subCategory),
      Latitude(latitude),
      Longitude(longitude),
      Title(title),
      Info(info) {
  CutToLength(Title, MAX_TITLE_LEN);
  CutToLength(Info, MAX_INFO_LEN);
}

bool DestItem::SetTitle(const QString& title) {
  const QString old = Title;
  Title = title;
  CutToLength(Title, MAX_TITLE_LEN);
  if (list_ && Title != old) list_->Retitle(this, old);
  return true;
}

bool DestItem::SetInfo(const QString& info) {
  Info = info;
  CutToLength(Info, MAX_INFO_LEN);
  return true;
}
