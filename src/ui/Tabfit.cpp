#include "Tabfit.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

TTabFit::TTabFit(QTabWidget* tabs) : QObject(tabs), tabs_(tabs) {
  // Shortening is ours, with a tooltip; the bar keeps its arrows only as the
  // last resort for a panel narrower than the shortest captions.
  tabs_->setElideMode(Qt::ElideNone);
  tabs_->installEventFilter(this);
}

void TTabFit::Capture() {
  for (int i = 0; i < tabs_->count(); ++i)
    if (!full_.contains(tabs_->widget(i))) full_.insert(tabs_->widget(i), {tabs_->tabText(i), tabs_->tabIcon(i)});
}

void TTabFit::SetCaption(QWidget* page, const QString& caption) {
  Capture();
  full_[page].caption = caption;
}

void TTabFit::SetIcon(QWidget* page, const QIcon& icon) {
  Capture();
  full_[page].icon = icon;
}

QString TTabFit::Caption(QWidget* page) const {
  const auto it = full_.constFind(page);
  if (it != full_.constEnd()) return it->caption;
  const int i = tabs_->indexOf(page);
  return i >= 0 ? tabs_->tabText(i) : QString();
}

int TTabFit::Apply(int limit, bool pictures) {
  QTabBar* bar = tabs_->tabBar();
  const QFontMetrics metrics = bar->fontMetrics();
  for (int i = 0; i < tabs_->count(); ++i) {
    const Tab& t = full_[tabs_->widget(i)];
    const QString& caption = t.caption;
    const QIcon& icon = t.icon;
    const QString shown = limit < 0 ? caption : metrics.elidedText(caption, Qt::ElideRight, limit);
    if (tabs_->tabText(i) != shown) tabs_->setTabText(i, shown);
    tabs_->setTabToolTip(i, shown == caption ? QString() : caption);
    tabs_->setTabIcon(i, pictures ? icon : QIcon());
  }
  return bar->sizeHint().width();
}

void TTabFit::Fit() {
  if (fitting_ || tabs_->count() == 0) return;
  fitting_ = true;
  Capture();
  // The frame of the tab widget takes a few pixels beside the bar.
  const int room = tabs_->width() - 6;
  if (Apply(-1, true) > room && Apply(-1, false) > room) {
    // The widest cut at which the captions still fit.
    int lo = 0, hi = 0;
    for (const Tab& t : full_) hi = std::max(hi, tabs_->tabBar()->fontMetrics().horizontalAdvance(t.caption));
    while (lo < hi) {
      const int mid = (lo + hi + 1) / 2;
      if (Apply(mid, false) <= room)
        lo = mid;
      else
        hi = mid - 1;
    }
    Apply(lo, false);
  }
  fitting_ = false;
}

bool TTabFit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tabs_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) Fit();
  return QObject::eventFilter(watched, event);
}
