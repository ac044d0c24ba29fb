#pragma once
// The benchmarks' destination store: 8 categories of 4 sub-categories and
// `count` destinations spread over them and over the map.
#include <QString>

#include <memory>

#include "Deststorage.h"

namespace bench {

inline bool FillDestinations(DestStorage& store, int count) {
  for (int c = 0; c < 8; ++c) {
    store.AddCategory(QString("Category %1").arg(c));
    for (int s = 0; s < 4; ++s) store.AddSubCategory(c, QString("Sub %1").arg(s));
  }
  for (int i = 0; i < count; ++i) {
    auto d = std::make_unique<DestItem>(QString("Destination %1").arg(i), i % 8, (i / 8) % 4,
                                        QString("Street %1, info text of the place").arg(i),
                                        -60 + (i % 12000) * 0.01, -170 + (i % 34000) * 0.01);
    if (store.AddItem(dlActive, d) != drOk) return false;
  }
  return true;
}

}  // namespace bench
