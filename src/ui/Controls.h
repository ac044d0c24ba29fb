#pragma once
// Small controls the pages use: a row of image buttons whose items carry
// their own hints, a titled group of radio buttons, a check box whose
// caption wraps onto further lines instead of being cut, and a status bar
// panel that shows a long text's beginning.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStringList>
#include <QToolButton>
#include <QWidget>
#include <vector>

class TButtonGroup : public QWidget {
  Q_OBJECT
 public:
  // One button per caption (the caption is the button's accessible text).
  TButtonGroup(const QStringList& items, QWidget* parent = nullptr);

  int Count() const { return int(buttons_.size()); }
  // Item i; nullptr outside 0..Count()-1.
  QToolButton* Item(int i) const;

 signals:
  void ItemClicked(int index);

 private:
  std::vector<QToolButton*> buttons_;
};

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(const QString& caption, const QStringList& items, int columns,
              QWidget* parent = nullptr);

  // Replaces the items' captions; the selection stays where it was.
  void SetItems(const QStringList& items);
  QStringList Items() const;
  int Count() const { return int(buttons_.size()); }
  QRadioButton* Item(int i) const;
  // The checked item, -1 when none is.
  int ItemIndex() const;
  void SetItemIndex(int i);

 signals:
  void Clicked(int index);

 private:
  void Rebuild(const QStringList& items);

  int columns_;
  QButtonGroup group_;
  std::vector<QRadioButton*> buttons_;
};

// A check box whose caption takes as many lines as the width leaves it; a
// click anywhere on the caption toggles it, as on a plain check box.
class TWrapCheckBox : public QCheckBox {
 public:
  explicit TWrapCheckBox(const QString& text, QWidget* parent = nullptr);

  bool hasHeightForWidth() const override { return true; }
  int heightForWidth(int width) const override;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

 private:
  // Where the indicator and the caption go in a box of the given width.
  QRect IndicatorRect() const;
  int TextLeft() const;
  QRect TextRect(int width) const;
};

// A status bar panel at least `width` pixels wide. A text that does not fit
// shows its beginning, cut at the end with an ellipsis, and the whole text
// is the panel's tooltip. text() is always the whole text.
class TStatusPanel : public QLabel {
 public:
  TStatusPanel(int width, QWidget* parent = nullptr);

  void SetText(const QString& text);
  // Whether the text is shown cut, and what the panel shows of it.
  bool Elided() const;
  QString DisplayedText() const;

  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QString OneLine() const;
  void UpdateTip();
};
