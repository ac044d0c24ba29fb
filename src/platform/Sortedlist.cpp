#include "Sortedlist.h"

#include <algorithm>

namespace {
int compare(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive); }
}  // namespace

int TSortedStringList::lowerBound(const QString& s) const {
  auto it = std::lower_bound(items_.begin(), items_.end(), s,
                             [](const QString& a, const QString& b) { return compare(a, b) < 0; });
  return static_cast<int>(it - items_.begin());
}

int TSortedStringList::Add(const QString& s) {
  int pos = lowerBound(s);
  if (pos < items_.size() && compare(items_[pos], s) == 0) return -1;
  items_.insert(pos, s);
  return pos;
}

int TSortedStringList::IndexOf(const QString& s) const {
  int pos = lowerBound(s);
  return pos < items_.size() && compare(items_[pos], s) == 0 ? pos : -1;
}

void TSortedStringList::Delete(int index) {
  if (index >= 0 && index < items_.size()) items_.removeAt(index);
}
