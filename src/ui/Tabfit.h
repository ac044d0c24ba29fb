#pragma once
// Keeps every tab of a tab widget readable without scroll arrows: the tabs
// show their pictures and full captions while they fit, then the captions
// alone, and only then are the longest captions shortened, each shortened
// one with its full caption as its tooltip. Refits when the widget is resized.
#include <QHash>
#include <QIcon>
#include <QObject>
#include <QString>

class QTabWidget;

class TTabFit : public QObject {
 public:
  explicit TTabFit(QTabWidget* tabs);

  // Each takes effect with the next Fit.
  void SetCaption(QWidget* page, const QString& caption);
  void SetIcon(QWidget* page, const QIcon& icon);
  // The full caption, however the tab shows it.
  QString Caption(QWidget* page) const;
  // Lays the tabs out again for the widget's width: after new captions or
  // pictures, or tabs shown or hidden; a resize does it by itself.
  void Fit();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Tab {
    QString caption;
    QIcon icon;
  };
  // Takes the captions and pictures of tabs added since.
  void Capture();
  // The tab bar's width with every caption cut to `limit` pixels (no limit
  // when negative), with or without the pictures.
  int Apply(int limit, bool pictures);

  QTabWidget* tabs_;
  QHash<QWidget*, Tab> full_;
  bool fitting_ = false;
};
