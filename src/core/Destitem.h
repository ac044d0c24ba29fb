#pragma once
// One destination: a named place with an information text, filed under a
// category and a sub-category of the destination store.
#include <QString>

#include <cstdint>

// Program-wide lengths of destination text (characters). Loading a device
// destination database sets them from its header for the rest of the run;
// MAX_TITLE_LEN and MAX_CATEGORY_LEN are always equal.
extern int MAX_TITLE_LEN;
extern int MAX_CATEGORY_LEN;
extern int MAX_INFO_LEN;

// Keeps the first `limit` characters of a title or information text; a limit
// of 0 leaves it empty. A surrogate pair is never split.
void CutToLength(QString& text, int limit);

class DestItemList;

struct DestItem {
  // Title and information are cut to MAX_TITLE_LEN and MAX_INFO_LEN.
  DestItem(const QString& title, int category, int subCategory, const QString& info,
           double latitude, double longitude);
  DestItem(const DestItem&) = delete;
  DestItem& operator=(const DestItem&) = delete;

  // Assign with the same cut; always true. Rename a destination that is in a
  // store only through SetTitle, so the store still finds it by its title.
  bool SetTitle(const QString& title);
  bool SetInfo(const QString& info);

  std::int32_t Category;     // position in the store's categories; -1 once deleted
  std::int32_t SubCategory;  // position in that category's group; -1 once deleted
  double Latitude;
  double Longitude;
  QString Title;
  QString Info;
  bool Tagged = false;  // scratch mark for the store

 private:
  friend class DestItemList;
  DestItemList* list_ = nullptr;  // the store list holding it, if any
  std::uint64_t seq_ = 0;         // its place in that list's order
};
