#include "Uibuild.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>

#include "Stringtable.h"

namespace uibuild {

QString Str(int n) { return strTable ? strTable->GetString(n) : QStringLiteral("0"); }

QString JoinList(const QStringList& items) {
  //: Put between the items of a list inside a sentence ("a, b, c").
  return items.join(QCoreApplication::translate("uibuild", ", "));
}

QString CancelledText() {
  //: Status bar: the user cancelled the device transfer or command
  return QCoreApplication::translate("Devicepages", "Cancelled");
}

QToolButton* ToolButton(QWidget* parent, const char* name, bool checkable) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setCheckable(checkable);
  b->setAutoRaise(true);
  return b;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  return l;
}

TClickLabel* ClickLabel(QWidget* parent, const char* name, const QString& text) {
  auto* l = new TClickLabel(text, parent);
  l->setObjectName(QString::fromLatin1(name));
  l->setCursor(Qt::PointingHandCursor);
  return l;
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& text) {
  auto* c = new QCheckBox(text, parent);
  c->setObjectName(QString::fromLatin1(name));
  return c;
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& text) {
  auto* g = new QGroupBox(text, parent);
  g->setObjectName(QString::fromLatin1(name));
  return g;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(QString::fromLatin1(name));
  return b;
}

QComboBox* DropDownList(QWidget* parent, const char* name) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromLatin1(name));
  c->setEditable(false);
  return c;
}

QLineEdit* Edit(QWidget* parent, const char* name, bool readOnly) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(QString::fromLatin1(name));
  e->setReadOnly(readOnly);
  return e;
}

QAction* MenuItem(QMenu* menu, const char* name, const QString& text) {
  QAction* a = menu->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  return a;
}

QAction* Separator(QMenu* menu, const char* name) {
  QAction* a = menu->addSeparator();
  a->setObjectName(QString::fromLatin1(name));
  return a;
}

namespace {

// The width a column needs to show its whole title.
int TitleWidth(const QHeaderView* header, int column) {
  const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 6;
  const QString title = header->model()->headerData(column, header->orientation(), Qt::DisplayRole).toString();
  return header->fontMetrics().horizontalAdvance(title) + margin;
}

}  // namespace

void KeepTitlesWhole(QHeaderView* header) {
  auto fit = [header](int first, int last) {
    if (!header->model()) return;
    last = std::min(last, header->count() - 1);
    for (int c = std::max(first, 0); c <= last; ++c) {
      if (header->isSectionHidden(c)) continue;
      const int need = TitleWidth(header, c);
      if (header->sectionSize(c) < need) header->resizeSection(c, need);
    }
  };
  QObject::connect(header->model(), &QAbstractItemModel::headerDataChanged, header,
                   [fit](Qt::Orientation o, int first, int last) {
                     if (o == Qt::Horizontal) fit(first, last);
                   });
  fit(0, header->count() - 1);
}

void FitColumns(QAbstractItemView* view, QHeaderView* header, bool widenOnly) {
  if (!view || !header || !header->model()) return;
  // A stretched last column would take what is left, down to a sliver.
  header->setStretchLastSection(false);
  for (int c = 0; c < header->count(); ++c) {
    if (header->isSectionHidden(c)) continue;
    const int need = std::max({view->sizeHintForColumn(c) + 4, header->sectionSizeHint(c), TitleWidth(header, c)});
    if (!widenOnly || header->sectionSize(c) < need) header->resizeSection(c, need);
  }
}

namespace {

// Every cell of a row asks for the row's tallest cell: a list measures a row
// by the columns in view, so with the list scrolled sideways past the turn
// pictures the rows would shrink below them.
class WholeRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QAbstractItemModel* model = index.model();
    if (!model) return size;
    for (int c = 0; c < model->columnCount(index.parent()); ++c)
      if (c != index.column())
        size.setHeight(std::max(size.height(), QStyledItemDelegate::sizeHint(option, index.siblingAtColumn(c)).height()));
    return size;
  }
};

QHeaderView* ColumnHeader(QTreeWidget* lv) { return lv->header(); }
QHeaderView* ColumnHeader(QTableView* lv) { return lv->horizontalHeader(); }

// What both kinds of report list share: whole-row selection, read only,
// the given column widths (0 hides a column), titles kept whole.
template <class View>
void SetUpReport(View* lv, const char* name, const QList<int>& widths, int columns, bool multiSelect) {
  lv->setObjectName(QString::fromLatin1(name));
  lv->setSelectionBehavior(QAbstractItemView::SelectRows);
  lv->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
  lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // Wide columns scroll; they do not widen the page.
  lv->setMinimumWidth(120);
  for (int i = 0; i < widths.size() && i < columns; ++i) {
    if (widths[i] == 0)
      lv->setColumnHidden(i, true);
    else if (widths[i] > 0)
      lv->setColumnWidth(i, widths[i]);
  }
  KeepTitlesWhole(ColumnHeader(lv));
}


}  // namespace

QTreeWidget* ListView(QWidget* parent, const char* name, const QStringList& columns,
                      const QList<int>& widths, bool multiSelect) {
  auto* lv = new QTreeWidget(parent);
  lv->setRootIsDecorated(false);
  lv->setUniformRowHeights(true);
  lv->setAllColumnsShowFocus(true);
  lv->setHeaderLabels(columns);
  lv->setItemDelegate(new WholeRowDelegate(lv));
  SetUpReport(lv, name, widths, int(columns.size()), multiSelect);
  return lv;
}

QTableView* TableView(QWidget* parent, const char* name, QAbstractItemModel* model,
                      const QList<int>& widths, bool multiSelect) {
  auto* lv = new QTableView(parent);
  lv->setModel(model);
  lv->setShowGrid(true);
  lv->setWordWrap(false);
  lv->verticalHeader()->hide();
  // One fixed row height: the view never measures its rows.
  lv->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  lv->verticalHeader()->setDefaultSectionSize(lv->fontMetrics().height() + 4);
  lv->horizontalHeader()->setHighlightSections(false);
  lv->horizontalHeader()->setStretchLastSection(true);
  lv->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  SetUpReport(lv, name, widths, model->columnCount(), multiSelect);
  return lv;
}

QWidget* SideGroup(QWidget* parent, QLabel* label, const QList<QWidget*>& buttons) {
  auto* w = new QWidget(parent);
  auto* col = new QVBoxLayout(w);
  col->setContentsMargins(0, 0, 0, 0);
  col->setSpacing(2);
  label->setParent(w);
  col->addWidget(label);
  auto* row = new QHBoxLayout;
  row->setSpacing(2);
  for (QWidget* b : buttons) {
    b->setParent(w);
    row->addWidget(b);
  }
  row->addStretch(1);
  col->addLayout(row);
  return w;
}

QToolButton* PageTool(QWidget* parent, const char* name, const QString& text) {
  auto* b = ToolButton(parent, name);
  b->setText(text);
  b->setIconSize(QSize(32, 32));
  b->setToolButtonStyle(Qt::ToolButtonIconOnly);
  return b;
}

void SetPicture(QToolButton* button, const QIcon& icon) {
  button->setIcon(icon);
  button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
  if (button->text().isEmpty()) button->setText(button->accessibleName());
}

void SetPanelColour(QLabel* panel, const QColor& colour) {
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, colour);
  // Perceived brightness (ITU-R BT.601 weights).
  const int brightness = (299 * colour.red() + 587 * colour.green() + 114 * colour.blue()) / 1000;
  palette.setColor(QPalette::WindowText, brightness < 128 ? Qt::white : Qt::black);
  panel->setPalette(palette);
}

namespace {

constexpr char kSizeable[] = "trevikSizeableFrame";

// Sizes a window as it is shown, once its texts are in the language chosen:
// a fixed one at what it has or its contents ask for, every one at least as
// wide as its caption.
class FrameGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
      auto* window = static_cast<QWidget*>(watched);
      const int need = CaptionWidth(window->windowTitle());
      if (window->property(kSizeable).toBool()) {
        if (window->minimumWidth() < need) window->setMinimumWidth(need);
      } else {
        QSize size = window->size().expandedTo(window->sizeHint());
        size.setWidth(std::max(size.width(), need));
        window->setFixedSize(size);
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void DialogFrame(QWidget* window, Frame frame) {
  // Without CustomizeWindowHint Qt hands the desktop its default buttons.
  window->setWindowFlags((frame == Frame::ToolWindow ? Qt::Tool : Qt::Dialog) | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  window->setProperty(kSizeable, frame == Frame::SizeableDialog);
  static FrameGuard* guard = new FrameGuard(qApp);
  window->installEventFilter(guard);
}

int CaptionWidth(const QString& caption) {
  // Title bars use a bold face, often larger than the window's; the icon and
  // the buttons beside the title take about a hundred pixels.
  QFont font = QApplication::font();
  font.setBold(true);
  if (font.pointSizeF() > 0)
    font.setPointSizeF(font.pointSizeF() * 1.15);
  else if (font.pixelSize() > 0)
    font.setPixelSize(font.pixelSize() * 115 / 100);
  return QFontMetrics(font).horizontalAdvance(caption) + 110;
}

}  // namespace uibuild
