#include "Uibuild.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "Stringtable.h"

namespace uibuild {

QString Str(int n) { return strTable ? strTable->GetString(n) : QStringLiteral("0"); }

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

QTreeWidget* ListView(QWidget* parent, const char* name, const QStringList& columns,
                      const QList<int>& widths, bool multiSelect) {
  auto* lv = new QTreeWidget(parent);
  lv->setObjectName(QString::fromLatin1(name));
  lv->setRootIsDecorated(false);
  lv->setUniformRowHeights(true);
  lv->setAllColumnsShowFocus(true);
  lv->setSelectionBehavior(QAbstractItemView::SelectRows);
  lv->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                   : QAbstractItemView::SingleSelection);
  lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lv->setHeaderLabels(columns);
  // Wide columns scroll; they do not widen the page.
  lv->setMinimumWidth(120);
  for (int i = 0; i < widths.size() && i < columns.size(); ++i) {
    if (widths[i] == 0)
      lv->setColumnHidden(i, true);
    else if (widths[i] > 0)
      lv->setColumnWidth(i, widths[i]);
  }
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

}  // namespace uibuild
