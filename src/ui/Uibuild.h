#pragma once
// Small builders for the controls of the main window and its pages: each
// control gets its object name (the name the handlers and tests know it by).
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

namespace uibuild {

// String n of the language table ("0" while there is none).
QString Str(int n);
// The items of a list inside a sentence, joined as the chosen language joins
// them (a comma and a space in English, an ideographic comma in Japanese).
QString JoinList(const QStringList& items);
// The status bar's result after the user broke a command off: no failure.
QString CancelledText();

QToolButton* ToolButton(QWidget* parent, const char* name, bool checkable = false);
QLabel* Label(QWidget* parent, const char* name, const QString& text);
// A label that acts as a button: a hand cursor and a clicked signal.
class TClickLabel;
TClickLabel* ClickLabel(QWidget* parent, const char* name, const QString& text);
QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& text);
QGroupBox* Group(QWidget* parent, const char* name, const QString& text);
QPushButton* Button(QWidget* parent, const char* name, const QString& text);
QComboBox* DropDownList(QWidget* parent, const char* name);
QLineEdit* Edit(QWidget* parent, const char* name, bool readOnly = false);
QAction* MenuItem(QMenu* menu, const char* name, const QString& text);
QAction* Separator(QMenu* menu, const char* name);
// A report-style list with the given column titles and widths (0 hides it).
QTreeWidget* ListView(QWidget* parent, const char* name, const QStringList& columns,
                      const QList<int>& widths, bool multiSelect);
// A report-style list over a model, for lists of many rows: rows of one
// height, no row headers, whole-row selection, read only.
QTableView* TableView(QWidget* parent, const char* name, QAbstractItemModel* model,
                      const QList<int>& widths, bool multiSelect);
// The side bar of a list page: a group label above its buttons.
QWidget* SideGroup(QWidget* parent, QLabel* label, const QList<QWidget*>& buttons);
// A list's columns widen where their titles (in the language just applied)
// are wider; a column the user made narrower stays until the titles change.
void KeepTitlesWhole(QHeaderView* header);
// Makes every shown column as wide as its widest value (of the rows the view
// measures) and its title, or only wider (widenOnly); the last column does
// not stretch, so a list whose columns do not fit scrolls sideways.
void FitColumns(QAbstractItemView* view, QHeaderView* header, bool widenOnly = false);
// A 32x32 picture button of a list page's side bar.
QToolButton* PageTool(QWidget* parent, const char* name, const QString& text);
// Shows the picture, or the caption when there is none.
void SetPicture(QToolButton* button, const QIcon& icon);
// A colour panel: the colour as its background, its caption in black or
// white, whichever reads on it.
void SetPanelColour(QLabel* panel, const QColor& colour);

// The frame of a dialog or tool window: a title with the close button (and
// the system menu) only, no minimise or maximise box. A fixed one keeps the
// size it has (or its contents ask for) when it is shown; every one is made
// wide enough for its caption then.
enum class Frame { FixedDialog, SizeableDialog, ToolWindow };
void DialogFrame(QWidget* window, Frame frame = Frame::FixedDialog);
// The width a window needs for the desktop to show all of `caption` in its
// title bar, beside its icon and buttons.
int CaptionWidth(const QString& caption);

class TClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace uibuild
