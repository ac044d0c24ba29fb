#include "Deststorage.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <tuple>

namespace {

// Every test starts from the lengths the program starts with.
class DestStore : public ::testing::Test {
 protected:
  void SetUp() override {
    MAX_TITLE_LEN = 32;
    MAX_CATEGORY_LEN = 32;
    MAX_INFO_LEN = 200;
  }
  void TearDown() override { SetUp(); }

  DestResult Add(DestList list, const QString& title, int cat = 0, int sub = 0,
                 const QString& info = {}) {
    auto item = std::make_unique<DestItem>(title, cat, sub, info, 1.0, 2.0);
    const DestResult r = store.AddItem(list, item);
    EXPECT_EQ(r == drOk, item == nullptr) << "ownership must follow the result";
    return r;
  }

  QStringList Titles(DestList list) const {
    QStringList out;
    for (const auto& d : store.Items(list)) out << d->Title;
    return out;
  }

  QStringList Categories() {
    QStringList out;
    if (!store.FirstCategory()) return out;
    while (auto name = store.NextCategory()) out << *name;
    return out;
  }

  QStringList SubCategories(int cat) {
    QStringList out;
    if (!store.FirstSubCategory(cat)) return out;
    while (auto name = store.NextSubCategory(cat)) out << *name;
    return out;
  }

  QStringList Search(DestList list, Find_Cond cond) {
    QStringList out;
    if (!store.FindFirst(list, cond)) return out;
    while (DestItem* d = store.FindNext(list)) out << d->Title;
    EXPECT_EQ(store.FindNext(list), nullptr) << "a finished walk stays finished";
    return out;
  }

  DestStorage store;
};

TEST_F(DestStore, ResultCodesOfAddAndDelete) {
  std::unique_ptr<DestItem> none;
  EXPECT_EQ(store.AddItem(dlActive, none), drNullItem);
  EXPECT_EQ(drNullItem, -249);
  EXPECT_EQ(Add(dlActive, "Home"), drOk);
  EXPECT_EQ(Add(dlActive, "Home"), drDuplicateTitle);
  EXPECT_EQ(drDuplicateTitle, -247);
  EXPECT_EQ(Add(dlActive, "home"), drOk) << "titles compare case-sensitively";
  EXPECT_EQ(Add(dlRemoved, "Home"), drOk) << "the lists check titles separately";
  EXPECT_EQ(Titles(dlActive), QStringList({"Home", "home"}));

  EXPECT_EQ(store.DeleteItem(dlActive, ""), drEmptyTitle);
  EXPECT_EQ(drEmptyTitle, -248);
  EXPECT_EQ(store.DeleteItem(dlActive, "Nowhere"), drNotFound);
  EXPECT_EQ(drNotFound, -246);
  EXPECT_EQ(store.DeleteItem(dlActive, "Home"), drOk);
  EXPECT_EQ(drOk, 0);
}

TEST_F(DestStore, DeletionMovesToTheEndOfTheRemovedList) {
  ASSERT_EQ(Add(dlActive, "A", 2, 3), drOk);
  ASSERT_EQ(Add(dlActive, "B", 1, 0), drOk);
  ASSERT_EQ(Add(dlActive, "C", 1, 0), drOk);
  ASSERT_EQ(Add(dlRemoved, "B"), drOk);

  ASSERT_EQ(store.DeleteItem(dlActive, "B"), drOk);
  EXPECT_EQ(Titles(dlActive), QStringList({"A", "C"}));
  EXPECT_EQ(Titles(dlRemoved), QStringList({"B", "B"})) << "no title check in the removed list";
  DestItem* moved = store.Items(dlRemoved).at(1);
  EXPECT_EQ(moved->Category, -1);
  EXPECT_EQ(moved->SubCategory, -1);
  EXPECT_EQ(store.FindItem(dlActive, "B"), nullptr);
  EXPECT_EQ(Add(dlActive, "B"), drOk) << "the title is free again";

  // Deleting from the removed list destroys the first of that title.
  ASSERT_EQ(store.DeleteItem(dlRemoved, "B"), drOk);
  EXPECT_EQ(store.Items(dlRemoved).size(), 1u);
  EXPECT_EQ(store.FindItem(dlRemoved, "B"), moved);
  ASSERT_EQ(store.DeleteItem(dlRemoved, "B"), drOk);
  EXPECT_EQ(store.DeleteItem(dlRemoved, "B"), drNotFound);
  EXPECT_TRUE(store.Items(dlRemoved).empty());
}

TEST_F(DestStore, EmptyTitleIsAddedOnceButNeverReached) {
  EXPECT_EQ(Add(dlActive, ""), drOk);
  EXPECT_EQ(Add(dlActive, ""), drDuplicateTitle);
  EXPECT_EQ(store.FindItem(dlActive, ""), nullptr);
  EXPECT_EQ(store.DeleteItem(dlActive, ""), drEmptyTitle);
  EXPECT_EQ(store.Items().size(), 1u);
}

TEST_F(DestStore, RenamedDestinationIsFoundByItsNewTitle) {
  ASSERT_EQ(Add(dlActive, "First"), drOk);
  ASSERT_EQ(Add(dlActive, "Second"), drOk);
  DestItem* first = store.FindItem(dlActive, "First");
  DestItem* second = store.FindItem(dlActive, "Second");

  second->SetTitle("Same");
  first->SetTitle("Same");  // renaming does not check for duplicates
  EXPECT_EQ(store.FindItem(dlActive, "First"), nullptr);
  EXPECT_EQ(store.FindItem(dlActive, "Same"), first) << "the first in list order wins";
  EXPECT_EQ(Add(dlActive, "Second"), drOk);
  EXPECT_EQ(Add(dlActive, "Same"), drDuplicateTitle);

  ASSERT_EQ(store.DeleteItem(dlActive, "Same"), drOk);
  EXPECT_EQ(store.FindItem(dlActive, "Same"), second);
  EXPECT_EQ(store.FindItem(dlRemoved, "Same"), first);
  first->SetTitle("Gone");
  EXPECT_EQ(store.FindItem(dlRemoved, "Gone"), first);
}

TEST_F(DestStore, TitleAndInfoAreCutToTheProgramWideLengths) {
  struct Case {
    int titleLen, infoLen;
    QString title, info;
    QString wantTitle, wantInfo;
  };
  const QString t40 = QString(40, 'x');
  const QString pair = QString::fromUtf8("\xF0\x9F\x8C\x8D");  // one surrogate pair
  const Case cases[] = {
      {32, 200, t40, "info", QString(32, 'x'), "info"},
      {32, 3, "abc", "abcdef", "abc", "abc"},
      {0, 0, "abc", "abcdef", "", ""},  // a limit of 0 leaves them empty
      {20, 200, t40, "", QString(20, 'x'), ""},
      {3, 200, "ab" + pair, "", "ab", ""},  // a pair is kept whole or not at all
      {4, 200, "ab" + pair, "", "ab" + pair, ""},
  };
  for (const Case& c : cases) {
    MAX_TITLE_LEN = c.titleLen;
    MAX_INFO_LEN = c.infoLen;
    DestItem d(c.title, 0, 0, c.info, 0, 0);
    EXPECT_EQ(d.Title, c.wantTitle) << c.titleLen;
    EXPECT_EQ(d.Info, c.wantInfo) << c.infoLen;
    DestItem e("", 0, 0, "", 0, 0);
    EXPECT_TRUE(e.SetTitle(c.title));
    EXPECT_TRUE(e.SetInfo(c.info));
    EXPECT_EQ(e.Title, c.wantTitle);
    EXPECT_EQ(e.Info, c.wantInfo);
  }
}

TEST_F(DestStore, CutTitlesCollideWithStoredOnes) {
  ASSERT_EQ(Add(dlActive, QString(40, 'a')), drOk);
  EXPECT_EQ(Add(dlActive, QString(32, 'a') + "different tail"), drDuplicateTitle);
  EXPECT_NE(store.FindItem(dlActive, QString(32, 'a')), nullptr);
}

TEST_F(DestStore, CategoryNamesAreCutBeforeTheyAreLookedUp) {
  const QString longName = QString(33, 'c');
  EXPECT_EQ(store.AddCategory(longName), 0);
  EXPECT_EQ(store.AddCategory(longName), 0) << "one long name gives one category";
  EXPECT_EQ(store.AddCategory(QString(32, 'c')), 0);
  EXPECT_EQ(store.GetCategory(0), QString(32, 'c'));
  EXPECT_EQ(store.AddSubCategory(0, longName + "x"), 0);
  EXPECT_EQ(store.AddSubCategory(0, longName), 0);
  EXPECT_EQ(store.AddSubCategoryByName(longName, "S"), 1) << "the category is found by its cut name";
  EXPECT_EQ(store.GetSubCategory(0, 0), QString(32, 'c'));

  // After a file lowered the lengths, names stored before are still found whole.
  MAX_TITLE_LEN = MAX_CATEGORY_LEN = 20;
  EXPECT_EQ(store.AddCategory(QString(32, 'c')), 0);
  EXPECT_EQ(store.AddCategory("d" + QString(25, 'x')), 1);
  EXPECT_EQ(store.GetCategory(1), "d" + QString(19, 'x'));
  EXPECT_TRUE(store.RenameCategory("d" + QString(19, 'x'), QString(30, 'r')));
  EXPECT_EQ(store.GetCategory(1), QString(20, 'r'));

  // A length of 0 means no cut for names.
  MAX_TITLE_LEN = MAX_CATEGORY_LEN = 0;
  EXPECT_EQ(store.AddCategory(QString(50, 'z')), 2);
  EXPECT_EQ(store.GetCategory(2), QString(50, 'z'));
  EXPECT_EQ(store.AddSubCategory(2, QString(50, 'y')), 0);
  EXPECT_EQ(store.GetSubCategory(2, 0), QString(50, 'y'));
}

TEST_F(DestStore, CategoriesAndTheirWalks) {
  EXPECT_FALSE(store.FirstCategory());
  EXPECT_EQ(store.AddCategory("A"), 0);
  EXPECT_EQ(store.AddCategory("B"), 1);
  EXPECT_EQ(store.AddCategory("A"), 0);
  EXPECT_EQ(store.AddCategory("a"), 2);
  EXPECT_EQ(Categories(), QStringList({"A", "B", "a"}));
  EXPECT_EQ(store.FindCategory("B"), 1);
  EXPECT_EQ(store.FindCategory("b"), -1);
  EXPECT_EQ(store.GetCategory(-1), std::nullopt);
  EXPECT_EQ(store.GetCategory(3), std::nullopt);

  EXPECT_FALSE(store.RenameCategory("missing", "X"));
  EXPECT_TRUE(store.RenameCategory("a", "B"));  // renaming does not check
  EXPECT_EQ(Categories(), QStringList({"A", "B", "B"}));
  EXPECT_EQ(store.FindCategory("B"), 1);
  EXPECT_EQ(store.FindCategory("a"), -1);
  EXPECT_TRUE(store.RenameCategory("B", "C"));
  EXPECT_EQ(store.FindCategory("B"), 2) << "the other one of that name remains";
  EXPECT_EQ(store.AddCategory("a"), 3);

  EXPECT_EQ(store.AddSubCategory(-1, "s"), -1);
  EXPECT_EQ(store.AddSubCategory(4, "s"), -1);
  EXPECT_EQ(store.AddSubCategoryByName("missing", "s"), -1);
  EXPECT_FALSE(store.FirstSubCategory(0)) << "a new category has an empty group";
  EXPECT_EQ(store.AddSubCategory(0, "s0"), 0);
  EXPECT_EQ(store.AddSubCategory(0, "s1"), 1);
  EXPECT_EQ(store.AddSubCategory(0, "s0"), 0);
  EXPECT_EQ(store.AddSubCategoryByName("C", "t0"), 0);
  EXPECT_EQ(SubCategories(0), QStringList({"s0", "s1"}));
  EXPECT_EQ(SubCategories(1), QStringList({"t0"}));
  EXPECT_FALSE(store.FirstSubCategory(-1));
  EXPECT_FALSE(store.FirstSubCategory(4));
  EXPECT_EQ(store.GetSubCategory(0, 1), "s1");
  EXPECT_EQ(store.GetSubCategory(0, 2), std::nullopt);
  EXPECT_EQ(store.GetSubCategory(4, 0), std::nullopt);
  EXPECT_EQ(store.GetSubCategory(0, -1), std::nullopt);

  EXPECT_FALSE(store.RenameSubCategory("missing", "s0", "x"));
  EXPECT_FALSE(store.RenameSubCategory("A", "missing", "x"));
  EXPECT_TRUE(store.RenameSubCategory("A", "s1", "s0"));
  EXPECT_EQ(SubCategories(0), QStringList({"s0", "s0"}));
  EXPECT_TRUE(store.RenameSubCategory("A", "s0", "n"));
  EXPECT_EQ(SubCategories(0), QStringList({"n", "s0"}));
  EXPECT_EQ(store.AddSubCategory(0, "s0"), 1);
}

TEST_F(DestStore, SearchConditions) {
  struct Dest { QString title, info; int cat, sub; };
  const Dest dests[] = {
      {"Lake Bled", "swim", 0, 0},
      {"Bled Castle", "view", 0, 1},
      {"Ljubljana", "", 1, 0},
      {"lake", "Swim here", 1, 1},
  };
  for (const Dest& d : dests) ASSERT_EQ(Add(dlActive, d.title, d.cat, d.sub, d.info), drOk);

  struct Case {
    Find_Cond cond;
    QStringList want;
  };
  const Case cases[] = {
      {{0, "", "", 0, 0}, {"Lake Bled", "Bled Castle", "Ljubljana", "lake"}},
      {{fcTitle, "", "", 0, 0}, {"Lake Bled", "Bled Castle", "Ljubljana", "lake"}},
      {{fcTitle, "Bled", "", 0, 0}, {"Lake Bled", "Bled Castle"}},
      {{fcTitle, "lake", "", 0, 0}, {"lake"}},
      {{fcInfo, "", "swim", 0, 0}, {"Lake Bled"}},
      {{fcInfo, "", "", 0, 0}, {"Lake Bled", "Bled Castle", "Ljubljana", "lake"}},
      {{fcTitle | fcInfo, QString(), QString(), 0, 0}, {"Lake Bled", "Bled Castle", "Ljubljana", "lake"}},
      {{fcCategory, "", "", 1, 0}, {"Ljubljana", "lake"}},
      {{fcSubCategory, "", "", 0, 1}, {"Bled Castle", "lake"}},
      {{fcCategory | fcSubCategory, "", "", 0, 1}, {"Bled Castle"}},
      {{fcTitle | fcCategory, "Bled", "", 1, 0}, {}},
      {{fcTitle | fcInfo | fcCategory | fcSubCategory, "a", "w", 1, 1}, {"lake"}},
      {{16, "", "", 0, 0}, {}},
      {{fcTitle | 32, "", "", 0, 0}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(Search(dlActive, c.cond), c.want) << c.cond.Flags;

  Find_Cond none{};
  EXPECT_FALSE(store.FindFirst(dlRemoved, none)) << "empty list";
}

TEST_F(DestStore, SearchOfTheRemovedListIgnoresCategories) {
  ASSERT_EQ(Add(dlActive, "A", 3, 0), drOk);
  ASSERT_EQ(Add(dlActive, "B", 3, 0), drOk);
  ASSERT_EQ(store.DeleteItem(dlActive, "B"), drOk);
  Find_Cond cond{fcTitle | fcCategory | fcSubCategory, "B", "", 3, 0};
  ASSERT_TRUE(store.FindFirst(dlRemoved, cond));
  EXPECT_EQ(cond.Flags, fcTitle) << "the caller's record is changed";
  DestItem* found = store.FindNext(dlRemoved);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->Title, "B");
  EXPECT_EQ(store.FindNext(dlRemoved), nullptr);
}

TEST_F(DestStore, ClearAllKeepsOnlyDestinationsOfNoCategory) {
  for (int i = 0; i < 8; ++i) {
    store.AddCategory(QString("cat%1").arg(i));
    store.AddSubCategory(i, "sub");
  }
  ASSERT_EQ(Add(dlActive, "in0", 0, 0), drOk);
  ASSERT_EQ(Add(dlActive, "stray", 99, 0), drOk);
  ASSERT_EQ(Add(dlActive, "in7", 7, 5), drOk);
  ASSERT_EQ(Add(dlActive, "negative", -3, 0), drOk);
  ASSERT_EQ(Add(dlActive, "gone", 1, 0), drOk);
  ASSERT_EQ(store.DeleteItem(dlActive, "gone"), drOk);

  store.ClearAll();
  EXPECT_FALSE(store.FirstCategory());
  EXPECT_EQ(store.CategoryCount(), 0);
  EXPECT_EQ(store.GetSubCategory(0, 0), std::nullopt);
  EXPECT_EQ(Titles(dlActive), QStringList({"stray", "negative"}));
  EXPECT_TRUE(store.Items(dlRemoved).empty());
  EXPECT_EQ(store.AddCategory("cat3"), 0) << "names start afresh";
  EXPECT_EQ(Add(dlActive, "in0"), drOk);
}

TEST_F(DestStore, DeviceIndexGroupsByCategoryAndSubCategory) {
  DestStorage empty8;
  for (int i = 0; i < 8; ++i) empty8.AddSubCategory(empty8.AddCategory(QString::number(i)), "s");
  const DeviceIndex e = empty8.BuildDeviceIndex();
  EXPECT_EQ(e.CategoryCount, 8);
  EXPECT_EQ(e.SubCategoryCounts, std::vector<int>(8, 1));
  EXPECT_EQ(e.DestCounts, std::vector<int>(8, 0));
  EXPECT_TRUE(e.Dests.empty());

  store.AddCategory("A");
  store.AddCategory("B");
  store.AddCategory("C");  // no sub-categories
  store.AddSubCategory(0, "a0");
  store.AddSubCategory(0, "a1");
  store.AddSubCategory(1, "b0");
  const struct { const char* title; int cat, sub; } dests[] = {
      {"b0-1", 1, 0}, {"a1-1", 0, 1}, {"a0-1", 0, 0}, {"bad-sub", 0, 2},
      {"a1-2", 0, 1}, {"no-group", 2, 0}, {"bad-cat", 3, 0}, {"b0-2", 1, 0},
      {"neg", 0, -1}, {"deleted", 0, 0},
  };
  for (const auto& d : dests) ASSERT_EQ(Add(dlActive, d.title, d.cat, d.sub), drOk);
  ASSERT_EQ(store.DeleteItem(dlActive, "deleted"), drOk);

  const DeviceIndex ix = store.BuildDeviceIndex();
  EXPECT_EQ(ix.CategoryCount, 3);
  EXPECT_EQ(ix.SubCategoryCounts, std::vector<int>({2, 1, 0}));
  EXPECT_EQ(ix.DestCounts, std::vector<int>({1, 2, 2}));
  QStringList order;
  for (const DestItem* d : ix.Dests) order << d->Title;
  EXPECT_EQ(order, QStringList({"a0-1", "a1-1", "a1-2", "b0-1", "b0-2"}));
}

TEST_F(DestStore, GivenDestinationsAreDeletedWhateverTheirTitles) {
  store.AddCategory(QStringLiteral("c"));
  for (const char* t : {"a", "b", "", "d"}) Add(dlActive, QString::fromLatin1(t));
  DestItem* b = store.Items().at(1);
  DestItem* empty = store.Items().at(2);
  DestItem* d = store.Items().at(3);
  d->SetTitle(QStringLiteral("a"));  // the same title as the first
  EXPECT_EQ(store.IndexOf(dlActive, d), 3);
  EXPECT_EQ(store.IndexOf(dlRemoved, d), -1);
  EXPECT_EQ(store.IndexOf(dlActive, nullptr), -1);

  const auto revision = store.Items().Revision();
  // Given out of order; a destination of the other list is passed over.
  EXPECT_EQ(store.DeleteItems(dlActive, {d, empty, b}), 3);
  EXPECT_NE(store.Items().Revision(), revision);
  EXPECT_EQ(Titles(dlActive), QStringList({"a"}));
  EXPECT_EQ(Titles(dlRemoved), QStringList({"b", "", "a"}));
  EXPECT_EQ(d->Category, -1);
  EXPECT_EQ(store.IndexOf(dlActive, store.Items().at(0)), 0);
  EXPECT_EQ(store.IndexOf(dlRemoved, d), 2);
  EXPECT_EQ(store.DeleteItems(dlActive, {d}), 0);
  EXPECT_EQ(store.FindItem(dlActive, QStringLiteral("a"))->Category, 0);
  // From the removed list they are destroyed.
  EXPECT_EQ(store.DeleteItems(dlRemoved, {b, d}), 2);
  EXPECT_EQ(Titles(dlRemoved), QStringList({""}));
}

TEST_F(DestStore, RenamesByPositionReachDuplicateNames) {
  store.AddCategory(QStringLiteral("x"));
  store.AddCategory(QStringLiteral("y"));
  store.RenameCategory(QStringLiteral("y"), QStringLiteral("x"));
  store.AddSubCategory(1, QStringLiteral("s"));
  EXPECT_TRUE(store.RenameCategoryAt(1, QStringLiteral("second")));
  EXPECT_EQ(Categories(), QStringList({"x", "second"}));
  EXPECT_TRUE(store.RenameSubCategoryAt(1, 0, QStringLiteral("t")));
  EXPECT_EQ(SubCategories(1), QStringList({"t"}));
  EXPECT_FALSE(store.RenameCategoryAt(2, QStringLiteral("z")));
  EXPECT_FALSE(store.RenameSubCategoryAt(0, 0, QStringLiteral("z")));
  EXPECT_FALSE(store.RenameSubCategoryAt(-1, 0, QStringLiteral("z")));
}

TEST_F(DestStore, ReplaceTakesEverythingOfTheOtherStore) {
  store.AddCategory(QStringLiteral("old"));
  Add(dlActive, QStringLiteral("mine"), 0);
  Add(dlActive, QStringLiteral("orphan"), 99);  // ClearAll would keep it
  Add(dlRemoved, QStringLiteral("gone"));
  DestStorage other;
  const int c = other.AddCategory(QStringLiteral("new"));
  other.AddSubCategory(c, QStringLiteral("sub"));
  auto item = std::make_unique<DestItem>(QStringLiteral("theirs"), c, 0, QString(), 1, 2);
  DestItem* theirs = item.get();
  other.AddItem(dlActive, item);

  store.ReplaceWith(other);
  EXPECT_EQ(Categories(), QStringList({"new"}));
  EXPECT_EQ(SubCategories(0), QStringList({"sub"}));
  EXPECT_EQ(Titles(dlActive), QStringList({"theirs"}));
  EXPECT_TRUE(Titles(dlRemoved).isEmpty());
  EXPECT_EQ(store.FindItem(dlActive, QStringLiteral("theirs")), theirs);
  EXPECT_EQ(store.IndexOf(dlActive, theirs), 0);
  EXPECT_EQ(other.CategoryCount(), 0);
  EXPECT_TRUE(other.Items().empty());
  // It still works as a store.
  EXPECT_EQ(Add(dlActive, QStringLiteral("theirs")), drDuplicateTitle);
  EXPECT_EQ(store.DeleteItem(dlActive, QStringLiteral("theirs")), drOk);
}

TEST_F(DestStore, MergeFilesByNameAndDropsKnownTitles) {
  store.AddCategory(QStringLiteral("a"));
  store.AddCategory(QStringLiteral("b"));
  store.AddSubCategory(1, QStringLiteral("b1"));
  Add(dlActive, QStringLiteral("here"), 1, 0);
  DestStorage other;
  other.AddCategory(QStringLiteral("b"));
  other.AddSubCategory(0, QStringLiteral("b2"));
  other.AddSubCategory(0, QStringLiteral("b1"));
  other.AddCategory(QStringLiteral("c"));
  other.AddSubCategory(1, QStringLiteral("c1"));
  for (auto [title, cat, sub] : {std::tuple{"x", 0, 1}, std::tuple{"here", 1, 0}, std::tuple{"y", 1, 0}}) {
    auto item = std::make_unique<DestItem>(QString::fromLatin1(title), cat, sub, QString(), 1, 2);
    other.AddItem(dlActive, item);
  }
  store.MergeFrom(other);
  EXPECT_EQ(Categories(), QStringList({"a", "b", "c"}));
  EXPECT_EQ(SubCategories(1), QStringList({"b1", "b2"}));
  EXPECT_EQ(Titles(dlActive), QStringList({"here", "x", "y"}));
  const DestItem* x = store.FindItem(dlActive, QStringLiteral("x"));
  EXPECT_EQ(x->Category, 1);
  EXPECT_EQ(x->SubCategory, 0);  // "b1" here
  const DestItem* here = store.FindItem(dlActive, QStringLiteral("here"));
  EXPECT_EQ(here->Category, 1);  // ours stays as it was
  const DestItem* y = store.FindItem(dlActive, QStringLiteral("y"));
  EXPECT_EQ(y->Category, 2);
  EXPECT_TRUE(other.Items().empty());
}

}  // namespace
