#include "Controls.h"

#include <QEvent>
#include <QGridLayout>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
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

TWrapCheckBox::TWrapCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
}

QRect TWrapCheckBox::IndicatorRect() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
}

int TWrapCheckBox::TextLeft() const {
  return IndicatorRect().right() + 1 + style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this);
}

QRect TWrapCheckBox::TextRect(int width) const {
  const int left = TextLeft();
  return fontMetrics().boundingRect(QRect(left, 0, std::max(1, width - left), 100000),
                                    Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
}

int TWrapCheckBox::heightForWidth(int width) const {
  return std::max(IndicatorRect().height(), TextRect(width).height()) + 2;
}

QSize TWrapCheckBox::sizeHint() const {
  // As wide as the caption on one line; the layout gives it less and asks
  // for the height at that width.
  const int width = TextLeft() + fontMetrics().horizontalAdvance(text()) + 2;
  return {width, heightForWidth(width)};
}

QSize TWrapCheckBox::minimumSizeHint() const {
  return {TextLeft() + fontMetrics().averageCharWidth() * 8, IndicatorRect().height() + 2};
}

void TWrapCheckBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect textRect = TextRect(width());
  // The indicator beside the first line of the caption.
  QRect indicator = IndicatorRect();
  indicator.moveTop(1 + std::max(0, (fontMetrics().height() - indicator.height()) / 2));
  option.rect = indicator;
  style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  painter.drawText(textRect.translated(0, 1), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text());
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = textRect.translated(0, 1).adjusted(-1, 0, 1, 0);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

TStatusPanel::TStatusPanel(int width, QWidget* parent) : QLabel(parent) {
  setFrameShape(QFrame::Panel);
  setFrameShadow(QFrame::Sunken);
  // Reasons come from files, the system and the device: never markup.
  setTextFormat(Qt::PlainText);
  setMinimumWidth(width);
}

void TStatusPanel::SetText(const QString& text) {
  setText(text);
  UpdateTip();
}

QString TStatusPanel::OneLine() const {
  // One line: a reason that holds line breaks reads on in the panel.
  QString line = text();
  line.replace(QLatin1Char('\n'), QLatin1Char(' '));
  return line;
}

// Where the text goes: inside the frame, indented from it as a plain
// framed label indents its text.
static QRect PanelTextRect(const QLabel& label) {
  const int indent = label.indent() >= 0 ? label.indent() : label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
  const int m = label.margin();
  return label.contentsRect().adjusted(m + indent, m, -(m + indent), -m);
}

bool TStatusPanel::Elided() const {
  return fontMetrics().horizontalAdvance(OneLine()) > PanelTextRect(*this).width();
}

QSize TStatusPanel::minimumSizeHint() const {
  // Any width down to its own: a long text is cut instead of widening the window.
  return {minimumWidth(), QLabel::minimumSizeHint().height()};
}

void TStatusPanel::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  style()->drawItemText(&painter, PanelTextRect(*this), int(alignment()), palette(), isEnabled(), DisplayedText(),
                        foregroundRole());
}

QString TStatusPanel::DisplayedText() const {
  return fontMetrics().elidedText(OneLine(), Qt::ElideRight, PanelTextRect(*this).width());
}

void TStatusPanel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  UpdateTip();
}

void TStatusPanel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) UpdateTip();
}

void TStatusPanel::UpdateTip() {
  const QString tip = Elided() ? text() : QString();
  if (toolTip() != tip) setToolTip(tip);
}
