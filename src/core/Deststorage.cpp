#include "Deststorage.h"

#include "Utility.h"

#include <algorithm>

DestStorage destStorage;

namespace {

// Category and sub-category names: a limit of 0 means no cut.
QString CutName(const QString& name) {
  QString cut = name;
  TruncateString(cut, MAX_CATEGORY_LEN);
  return cut;
}

template <class T>
void EraseValue(std::vector<T>& v, const T& value) {
  v.erase(std::find(v.begin(), v.end(), value));
}

}  // namespace

// --- NameList ---------------------------------------------------------------

int NameList::Locate(const QString& name) const {
  const auto it = positions_.constFind(name);
  return it == positions_.cend() ? -1 : it->front();
}

int NameList::Append(const QString& name) {
  const int i = Size();
  names_.push_back(name);
  positions_[name].push_back(i);
  return i;
}

void NameList::Rename(int i, const QString& name) {
  QString& current = names_[static_cast<std::size_t>(i)];
  if (current == name) return;
  auto old = positions_.find(current);
  EraseValue(*old, i);
  if (old->empty()) positions_.erase(old);
  auto& bucket = positions_[name];
  bucket.insert(std::lower_bound(bucket.begin(), bucket.end(), i), i);
  current = name;
}

void NameList::Clear() {
  names_.clear();
  positions_.clear();
}

// --- DestItemList -----------------------------------------------------------

DestItemList::~DestItemList() = default;

DestItem* DestItemList::Locate(const QString& title) const {
  const auto it = byTitle_.constFind(title);
  return it == byTitle_.cend() ? nullptr : it->front();
}

int DestItemList::IndexOf(const DestItem* item) const {
  if (!item || item->list_ != this) return -1;
  const auto pos = std::lower_bound(
      items_.begin(), items_.end(), item->seq_,
      [](const std::unique_ptr<DestItem>& p, std::uint64_t seq) { return p->seq_ < seq; });
  return static_cast<int>(pos - items_.begin());
}

void DestItemList::Append(std::unique_ptr<DestItem> item) {
  ++revision_;
  item->list_ = this;
  item->seq_ = nextSeq_++;
  Index(item.get());
  items_.push_back(std::move(item));
}

std::unique_ptr<DestItem> DestItemList::Take(DestItem* item) {
  const auto pos = std::lower_bound(
      items_.begin(), items_.end(), item->seq_,
      [](const std::unique_ptr<DestItem>& p, std::uint64_t seq) { return p->seq_ < seq; });
  std::unique_ptr<DestItem> taken = std::move(*pos);
  items_.erase(pos);
  ++revision_;
  Unindex(item);
  item->list_ = nullptr;
  return taken;
}

void DestItemList::Clear() {
  ++revision_;
  items_.clear();
  byTitle_.clear();
}

void DestItemList::Index(DestItem* item) {
  auto& bucket = byTitle_[item->Title];
  const auto later = std::upper_bound(
      bucket.begin(), bucket.end(), item->seq_,
      [](std::uint64_t seq, const DestItem* p) { return seq < p->seq_; });
  bucket.insert(later, item);
}

void DestItemList::Unindex(DestItem* item) {
  auto it = byTitle_.find(item->Title);
  EraseValue(*it, item);
  if (it->empty()) byTitle_.erase(it);
}

void DestItemList::Retitle(DestItem* item, const QString& oldTitle) {
  auto it = byTitle_.find(oldTitle);
  EraseValue(*it, item);
  if (it->empty()) byTitle_.erase(it);
  Index(item);
}

// --- DestStorage ------------------------------------------------------------

DestStorage::~DestStorage() { ClearAll(); }

const DefaultCategory defaultCategories[8] = {
    {"Cafe/Hotel", "Fast Food"}, {"Service", "ATM"},        {"Culture", "Antiguity"},
    {"Leisure", "Amusement Park"}, {"Sports", "Golf course"}, {"Store", "Electrical"},
    {"Transport", "Airport"},    {"Navigation", "Bridge"}};

bool IsDefaultCategory(const QString& category, const QString* subCategory) {
  for (const DefaultCategory& d : defaultCategories)
    if (category == QLatin1String(d.category) && (!subCategory || *subCategory == QLatin1String(d.subCategory)))
      return true;
  return false;
}

std::uint64_t DestStorage::Fingerprint() const {
  ContentHash h;
  h.Value(categories_.Size());
  for (int c = 0; c < categories_.Size(); ++c) {
    h.Text(categories_.At(c));
    const NameList& group = groups_[static_cast<std::size_t>(c)];
    h.Value(group.Size());
    for (int s = 0; s < group.Size(); ++s) h.Text(group.At(s));
  }
  h.Value(active_.size());
  for (const auto& d : active_) {
    h.Text(d->Title).Text(d->Info);
    h.Value(d->Category).Value(d->SubCategory).Value(d->Latitude).Value(d->Longitude);
  }
  return h.Result();
}

int DestStorage::LocateOrCut(const NameList& names, const QString& name) const {
  const int exact = names.Locate(name);
  return exact >= 0 ? exact : names.Locate(CutName(name));
}

int DestStorage::AddCategory(const QString& name) {
  const int found = LocateOrCut(categories_, name);
  if (found >= 0) return found;
  groups_.emplace_back();
  return categories_.Append(CutName(name));
}

int DestStorage::FindCategory(const QString& name) const { return categories_.Locate(name); }

std::optional<QString> DestStorage::GetCategory(int index) const {
  if (index < 0 || index >= categories_.Size()) return std::nullopt;
  return categories_.At(index);
}

bool DestStorage::RenameCategory(const QString& oldName, const QString& newName) {
  return RenameCategoryAt(categories_.Locate(oldName), newName);
}

bool DestStorage::RenameCategoryAt(int index, const QString& newName) {
  if (index < 0 || index >= CategoryCount()) return false;
  categories_.Rename(index, CutName(newName));
  return true;
}

bool DestStorage::FirstCategory() {
  if (categories_.Size() == 0) return false;
  categoryCursor_ = 0;
  return true;
}

std::optional<QString> DestStorage::NextCategory() {
  if (categoryCursor_ < 0 || categoryCursor_ >= categories_.Size()) return std::nullopt;
  return categories_.At(categoryCursor_++);
}

int DestStorage::AddSubCategory(int category, const QString& name) {
  if (category < 0 || category >= CategoryCount()) return -1;
  NameList& group = groups_[static_cast<std::size_t>(category)];
  const int found = LocateOrCut(group, name);
  if (found >= 0) return found;
  return group.Append(CutName(name));
}

int DestStorage::AddSubCategoryByName(const QString& categoryName, const QString& name) {
  const int category = LocateOrCut(categories_, categoryName);
  return category < 0 ? -1 : AddSubCategory(category, name);
}

std::optional<QString> DestStorage::GetSubCategory(int category, int subCategory) const {
  if (subCategory < 0 || subCategory >= SubCategoryCount(category)) return std::nullopt;
  return groups_[static_cast<std::size_t>(category)].At(subCategory);
}

bool DestStorage::RenameSubCategory(const QString& categoryName, const QString& oldName,
                                    const QString& newName) {
  const int category = categories_.Locate(categoryName);
  if (category < 0) return false;
  return RenameSubCategoryAt(category, groups_[static_cast<std::size_t>(category)].Locate(oldName),
                             newName);
}

bool DestStorage::RenameSubCategoryAt(int category, int subCategory, const QString& newName) {
  if (subCategory < 0 || subCategory >= SubCategoryCount(category)) return false;
  groups_[static_cast<std::size_t>(category)].Rename(subCategory, CutName(newName));
  return true;
}

int DestStorage::SubCategoryCount(int category) const {
  if (category < 0 || category >= CategoryCount()) return 0;
  return groups_[static_cast<std::size_t>(category)].Size();
}

bool DestStorage::FirstSubCategory(int category) {
  if (SubCategoryCount(category) == 0) return false;
  subCategoryCursor_ = 0;
  return true;
}

std::optional<QString> DestStorage::NextSubCategory(int category) {
  if (subCategoryCursor_ >= SubCategoryCount(category)) return std::nullopt;
  return groups_[static_cast<std::size_t>(category)].At(subCategoryCursor_++);
}

DestResult DestStorage::AddItem(DestList list, std::unique_ptr<DestItem>& item) {
  if (!item) return drNullItem;
  DestItemList& items = ListOf(list);
  if (items.Locate(item->Title)) return drDuplicateTitle;
  items.Append(std::move(item));
  return drOk;
}

DestResult DestStorage::DeleteItem(DestList list, const QString& title) {
  if (title.isEmpty()) return drEmptyTitle;
  DestItemList& items = ListOf(list);
  DestItem* found = items.Locate(title);
  if (!found) return drNotFound;
  std::unique_ptr<DestItem> item = items.Take(found);
  if (list == dlActive) {
    item->Category = -1;
    item->SubCategory = -1;
    removed_.Append(std::move(item));
  }
  return drOk;
}

int DestStorage::DeleteItems(DestList list, const std::vector<DestItem*>& items) {
  DestItemList& from = ListOf(list);
  for (DestItem* item : items)
    if (from.IndexOf(item) >= 0) item->Tagged = true;
  auto taken = from.TakeIf([](const DestItem& d) { return d.Tagged; });
  for (auto& item : taken) {
    item->Tagged = false;
    if (list == dlActive) {
      item->Category = -1;
      item->SubCategory = -1;
      removed_.Append(std::move(item));
    }
  }
  return static_cast<int>(taken.size());
}

DestItem* DestStorage::FindItem(DestList list, const QString& title) const {
  if (title.isEmpty()) return nullptr;
  return ListOf(list).Locate(title);
}

bool DestStorage::FindFirst(DestList list, Find_Cond& cond) {
  // Removed destinations have no category any more.
  if (list != dlActive) cond.Flags &= ~(fcCategory | fcSubCategory);
  if (ListOf(list).empty()) return false;
  search_ = cond;
  searchCursor_ = 0;
  return true;
}

DestItem* DestStorage::FindNext(DestList list) {
  const DestItemList& items = ListOf(list);
  while (searchCursor_ < items.size()) {
    DestItem* item = items.at(searchCursor_++);
    if (Matches(search_, *item)) return item;
  }
  return nullptr;
}

bool DestStorage::Matches(const Find_Cond& cond, const DestItem& item) {
  std::int32_t open = cond.Flags;
  if ((open & fcTitle) && item.Title.contains(cond.TitleText)) open &= ~fcTitle;
  if ((open & fcInfo) && item.Info.contains(cond.InfoText)) open &= ~fcInfo;
  if ((open & fcCategory) && item.Category == cond.Category) open &= ~fcCategory;
  if ((open & fcSubCategory) && item.SubCategory == cond.SubCategory) open &= ~fcSubCategory;
  return open == 0;
}

void DestStorage::ClearAll() {
  const int count = CategoryCount();
  active_.EraseIf([count](const DestItem& d) { return d.Category >= 0 && d.Category < count; });
  removed_.Clear();
  categories_.Clear();
  groups_.clear();
  categoryCursor_ = 0;
  subCategoryCursor_ = 0;
}

void DestStorage::ReplaceWith(DestStorage& other) {
  if (&other == this) return;
  active_.Clear();
  removed_.Clear();
  categories_ = std::move(other.categories_);
  groups_ = std::move(other.groups_);
  other.categories_.Clear();
  other.groups_.clear();
  for (auto& item : other.active_.TakeIf([](const DestItem&) { return true; }))
    active_.Append(std::move(item));
  other.ClearAll();
  categoryCursor_ = subCategoryCursor_ = 0;
  searchCursor_ = 0;
}

void DestStorage::MergeFrom(DestStorage& other) {
  if (&other == this) return;
  // Category and sub-category positions of `other` mapped to ours.
  std::vector<int> categoryMap(static_cast<std::size_t>(other.CategoryCount()));
  std::vector<std::vector<int>> subMap(categoryMap.size());
  for (int c = 0; c < other.CategoryCount(); ++c) {
    const int mine = AddCategory(other.categories_.At(c));
    categoryMap[static_cast<std::size_t>(c)] = mine;
    const NameList& group = other.groups_[static_cast<std::size_t>(c)];
    for (int s = 0; s < group.Size(); ++s)
      subMap[static_cast<std::size_t>(c)].push_back(AddSubCategory(mine, group.At(s)));
  }
  for (auto& item : other.active_.TakeIf([](const DestItem&) { return true; })) {
    const int c = item->Category;
    if (c >= 0 && c < static_cast<int>(categoryMap.size())) {
      const auto& subs = subMap[static_cast<std::size_t>(c)];
      item->SubCategory = item->SubCategory >= 0 && item->SubCategory < static_cast<int>(subs.size())
                              ? subs[static_cast<std::size_t>(item->SubCategory)]
                              : -1;
      item->Category = categoryMap[static_cast<std::size_t>(c)];
    }
    AddItem(dlActive, item);  // a title already here is destroyed with `item`
  }
  other.ClearAll();
}

DeviceIndex DestStorage::BuildDeviceIndex() const {
  DeviceIndex index;
  index.CategoryCount = CategoryCount();
  std::vector<std::size_t> firstPair;  // per category, its first pair's slot
  firstPair.reserve(groups_.size());
  std::size_t pairs = 0;
  for (const NameList& group : groups_) {
    firstPair.push_back(pairs);
    index.SubCategoryCounts.push_back(group.Size());
    pairs += static_cast<std::size_t>(group.Size());
  }

  // A counting sort keeps list order inside each pair.
  auto pairOf = [&](const DestItem& d) -> std::ptrdiff_t {
    if (d.Category < 0 || d.Category >= index.CategoryCount) return -1;
    const std::size_t c = static_cast<std::size_t>(d.Category);
    if (d.SubCategory < 0 || d.SubCategory >= groups_[c].Size()) return -1;
    return static_cast<std::ptrdiff_t>(firstPair[c] + static_cast<std::size_t>(d.SubCategory));
  };
  index.DestCounts.assign(pairs, 0);
  for (const auto& d : active_) {
    const std::ptrdiff_t p = pairOf(*d);
    if (p >= 0) ++index.DestCounts[static_cast<std::size_t>(p)];
  }
  std::vector<std::size_t> next(pairs, 0);
  std::size_t total = 0;
  for (std::size_t p = 0; p < pairs; ++p) {
    next[p] = total;
    total += static_cast<std::size_t>(index.DestCounts[p]);
  }
  index.Dests.assign(total, nullptr);
  index.Unfiled = active_.size() - total;
  for (const auto& d : active_) {
    const std::ptrdiff_t p = pairOf(*d);
    if (p >= 0) index.Dests[next[static_cast<std::size_t>(p)]++] = d.get();
  }
  return index;
}
