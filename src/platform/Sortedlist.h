#pragma once
// The framework's string list with sorting on: entries stay in order with
// letter case ignored, and an entry equal to one already held (letter case
// ignored) is not added again.
#include <QString>
#include <QStringList>

class TSortedStringList {
 public:
  // The entry's index; -1 when an equal entry was already there.
  int Add(const QString& s);
  int IndexOf(const QString& s) const;  // -1 when missing
  void Delete(int index);               // ignores an index out of range
  void Clear() { items_.clear(); }
  int Count() const { return static_cast<int>(items_.size()); }
  const QString& operator[](int index) const { return items_[index]; }
  const QStringList& Items() const { return items_; }

 private:
  // First position whose entry is not less than s.
  int lowerBound(const QString& s) const;
  QStringList items_;
};
