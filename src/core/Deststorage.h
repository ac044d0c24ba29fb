#pragma once
// The destination store: category names, each category's sub-category
// names, the destination list and the list of removed destinations.
//
// Categories and sub-categories are addressed by position and never shift
// (only ClearAll removes them). Names and titles compare exactly, code unit
// by code unit. Lookups by name and title go through hash indexes, so loading
// many destinations stays fast.
#include "Changemark.h"
#include "Destitem.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

enum DestList : int {
  dlActive = 0,   // the destination list
  dlRemoved = 1,  // destinations deleted from it, kept until ClearAll
};

enum DestResult : int {
  drOk = 0,
  drNullItem = -249,        // AddItem without a destination
  drEmptyTitle = -248,      // DeleteItem with an empty title
  drDuplicateTitle = -247,  // AddItem: the title is already in that list
  drNotFound = -246,        // DeleteItem: no destination of that title
};

enum FindCondFlags : std::int32_t {
  fcTitle = 1,        // Title contains TitleText
  fcInfo = 2,         // Info contains InfoText
  fcCategory = 4,     // Category equals Category
  fcSubCategory = 8,  // SubCategory equals SubCategory
};

// A search condition: a destination matches when every set flag holds. No
// flags match everything; an unknown flag never holds.
struct Find_Cond {
  std::int32_t Flags = 0;
  QString TitleText;
  QString InfoText;
  std::int32_t Category = 0;
  std::int32_t SubCategory = 0;
};

// The destinations grouped for the file writers: for each category, for each
// of its sub-categories, the destinations of that pair in list order.
struct DeviceIndex {
  int CategoryCount = 0;
  std::vector<int> SubCategoryCounts;  // one per category
  std::vector<int> DestCounts;         // one per (category, sub-category) pair
  std::vector<DestItem*> Dests;        // owned by the store
  // Destinations under no category and sub-category of the store: in no
  // group, so no destination file holds them.
  std::size_t Unfiled = 0;
};

// The categories a start begins with, each with its one sub-category.
struct DefaultCategory {
  const char* category;
  const char* subCategory;
};
extern const DefaultCategory defaultCategories[8];
// Whether a start brings this category back (subCategory null), or this
// sub-category of it.
bool IsDefaultCategory(const QString& category, const QString* subCategory = nullptr);

// An ordered list of owned names, found by exact name.
class NameList {
 public:
  int Size() const { return static_cast<int>(names_.size()); }
  const QString& At(int i) const { return names_[static_cast<std::size_t>(i)]; }
  int Locate(const QString& name) const;  // first position, or -1
  int Append(const QString& name);
  void Rename(int i, const QString& name);
  void Clear();

 private:
  std::vector<QString> names_;
  QHash<QString, std::vector<int>> positions_;  // ascending
};

// An ordered list of owned destinations, found by exact title.
class DestItemList {
 public:
  DestItemList() = default;
  DestItemList(const DestItemList&) = delete;
  DestItemList& operator=(const DestItemList&) = delete;
  ~DestItemList();

  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  DestItem* at(std::size_t i) const { return items_[i].get(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  DestItem* Locate(const QString& title) const;  // first in order, or null
  // The destination's position in this list, or -1 when it is not in it.
  int IndexOf(const DestItem* item) const;
  void Append(std::unique_ptr<DestItem> item);
  std::unique_ptr<DestItem> Take(DestItem* item);
  // Takes out every destination that `taken` holds, keeping list order both
  // in the result and in what stays.
  template <class Pred>
  std::vector<std::unique_ptr<DestItem>> TakeIf(Pred taken) {
    std::vector<std::unique_ptr<DestItem>> kept, out;
    kept.reserve(items_.size());
    for (auto& item : items_) {
      if (taken(*item)) {
        Unindex(item.get());
        item->list_ = nullptr;
        out.push_back(std::move(item));
      } else {
        kept.push_back(std::move(item));
      }
    }
    items_ = std::move(kept);
    ++revision_;
    return out;
  }
  // Counts every change of membership or order, so that a view holding
  // destinations of this list can tell that they may be gone.
  std::uint64_t Revision() const { return revision_; }

  // Destroys every destination for which drop(item) holds; the others keep
  // their order.
  template <class Drop>
  void EraseIf(Drop drop) {
    TakeIf(drop);  // the dropped ones are destroyed here
  }

  void Clear();

 private:
  friend struct DestItem;
  void Index(DestItem* item);
  void Unindex(DestItem* item);
  void Retitle(DestItem* item, const QString& oldTitle);

  std::vector<std::unique_ptr<DestItem>> items_;    // ascending seq_
  QHash<QString, std::vector<DestItem*>> byTitle_;  // ascending seq_
  std::uint64_t nextSeq_ = 1;
  std::uint64_t revision_ = 0;
};

// Its change mark covers the categories, sub-categories and destinations.
class DestStorage : public ChangeMark {
 public:
  DestStorage() { MarkSaved(); }
  DestStorage(const DestStorage&) = delete;
  DestStorage& operator=(const DestStorage&) = delete;
  ~DestStorage();

  // Categories. Names are cut to MAX_CATEGORY_LEN when stored; adding a name
  // that is already there (as given or cut) returns its index.
  int AddCategory(const QString& name);
  int FindCategory(const QString& name) const;
  std::optional<QString> GetCategory(int index) const;
  bool RenameCategory(const QString& oldName, const QString& newName);
  // The same for the category at an index; false when there is none.
  bool RenameCategoryAt(int index, const QString& newName);
  int CategoryCount() const { return categories_.Size(); }
  // Walk: First answers whether there is anything, Next yields the names
  // from the first one on, then nullopt.
  bool FirstCategory();
  std::optional<QString> NextCategory();

  // Sub-categories of one category; -1 when the category does not exist.
  int AddSubCategory(int category, const QString& name);
  int AddSubCategoryByName(const QString& categoryName, const QString& name);
  std::optional<QString> GetSubCategory(int category, int subCategory) const;
  bool RenameSubCategory(const QString& categoryName, const QString& oldName,
                         const QString& newName);
  // The same for the sub-category at an index; false when there is none.
  bool RenameSubCategoryAt(int category, int subCategory, const QString& newName);
  int SubCategoryCount(int category) const;  // 0 for a missing category
  bool FirstSubCategory(int category);
  std::optional<QString> NextSubCategory(int category);

  // On drOk the store takes the destination and `item` becomes null; on any
  // other result it stays with the caller.
  DestResult AddItem(DestList list, std::unique_ptr<DestItem>& item);
  // From dlActive: the destination moves to the end of dlRemoved with
  // category and sub-category -1. From dlRemoved: it is destroyed.
  DestResult DeleteItem(DestList list, const QString& title);
  // The same for given destinations (any title, empty included), in list
  // order; those not in that list are passed over. Answers how many went.
  int DeleteItems(DestList list, const std::vector<DestItem*>& items);
  DestItem* FindItem(DestList list, const QString& title) const;
  // The destination's position in that list, or -1.
  int IndexOf(DestList list, const DestItem* item) const { return ListOf(list).IndexOf(item); }
  const DestItemList& Items(DestList list = dlActive) const { return ListOf(list); }

  // Search walk. For dlRemoved FindFirst clears fcCategory and fcSubCategory
  // in the caller's condition. FindNext yields the next match or null.
  bool FindFirst(DestList list, Find_Cond& cond);
  DestItem* FindNext(DestList list);

  // Removes every category and sub-category and destroys the removed list;
  // destinations of an existing category go with it, the others stay.
  void ClearAll();

  // Takes over the categories and destinations of `other` (left empty) in
  // place of its own; its removed destinations are destroyed.
  void ReplaceWith(DestStorage& other);
  // Adds the destinations of `other` (left empty) as a file load would:
  // categories and sub-categories by name, a title already here dropped.
  void MergeFrom(DestStorage& other);

  DeviceIndex BuildDeviceIndex() const;

 protected:
  std::uint64_t Fingerprint() const override;
  bool IsEmpty() const override { return categories_.Size() == 0 && active_.empty(); }

 private:
  DestItemList& ListOf(DestList list) { return list == dlActive ? active_ : removed_; }
  const DestItemList& ListOf(DestList list) const {
    return list == dlActive ? active_ : removed_;
  }
  int LocateOrCut(const NameList& names, const QString& name) const;
  static bool Matches(const Find_Cond& cond, const DestItem& item);

  NameList categories_;
  std::vector<NameList> groups_;  // parallel to categories_
  int categoryCursor_ = 0;
  int subCategoryCursor_ = 0;
  DestItemList active_;
  DestItemList removed_;
  Find_Cond search_;
  std::size_t searchCursor_ = 0;
};

// The process-wide store.
extern DestStorage destStorage;
