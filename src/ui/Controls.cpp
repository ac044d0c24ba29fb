#include "Controls.h"

#include <QGridLayout>
#include <QHBoxLayout>

TButtonGroup::TButtonGroup(const QStringList& items, QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(2);
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QToolButton(this);
    b->setAccessibleName(items[i]);
    b->setIconSize(QSize(32, 32));
    b->setAutoRaise(true);
    connect(b, &QToolButton::clicked, this, [this, i] { emit ItemClicked(i); });
    row->addWidget(b);
    buttons_.push_back(b);
  }
  row->addStretch(1);
}

QToolButton* TButtonGroup::Item(int i) const {
  return i >= 0 && i < Count() ? buttons_[size_t(i)] : nullptr;
}

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, int columns,
                         QWidget* parent)
    : QGroupBox(caption, parent), columns_(columns < 1 ? 1 : columns) {
  new QGridLayout(this);
  connect(&group_, &QButtonGroup::idClicked, this, &TRadioGroup::Clicked);
  Rebuild(items);
}

void TRadioGroup::Rebuild(const QStringList& items) {
  auto* grid = static_cast<QGridLayout*>(layout());
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    group_.addButton(b, i);
    grid->addWidget(b, i / columns_, i % columns_);
    buttons_.push_back(b);
  }
}

void TRadioGroup::SetItems(const QStringList& items) {
  const int keep = ItemIndex();
  for (auto* b : buttons_) {
    group_.removeButton(b);
    delete b;
  }
  buttons_.clear();
  Rebuild(items);
  if (keep < Count()) SetItemIndex(keep);
}

QStringList TRadioGroup::Items() const {
  QStringList out;
  for (auto* b : buttons_) out << b->text();
  return out;
}

QRadioButton* TRadioGroup::Item(int i) const {
  return i >= 0 && i < Count() ? buttons_[size_t(i)] : nullptr;
}

int TRadioGroup::ItemIndex() const { return group_.checkedId(); }

void TRadioGroup::SetItemIndex(int i) {
  if (auto* b = Item(i)) b->setChecked(true);
}
