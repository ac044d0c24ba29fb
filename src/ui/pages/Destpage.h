#pragma once
// The destination page (pgDest): category and text filters over the
// destination store, the list, and the file, device and table buttons.
#include <QAbstractTableModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Controls.h"

class TMainFrame;
class DestStorage;
struct DestItem;
struct DestFileGaps;

// Says what a written destination file left out of the store.
QString DestFileGapsText(const DestFileGaps& gaps);
// Says how many destinations a read destination file left out (FileBase::LeftOut).
QString DestLeftOutText(std::size_t leftOut);

// The rows of lvDest: the destinations the filters let through, in store
// order, read from the store when shown. Rows hold the destinations
// themselves, so equal or empty titles do not mix rows up. Once the store's
// list changes the rows are stale (show nothing, give no destination) until
// the next Refill.
class TDestListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  TDestListModel(DestStorage& store, QObject* parent);

  void Refill(std::vector<DestItem*> rows);
  // The destination of a row; null for a stale row or one out of range.
  DestItem* At(int row) const;
  void SetHeader(int column, const QString& text);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  bool Stale() const;

  DestStorage& store_;
  std::vector<DestItem*> rows_;
  std::uint64_t revision_ = 0;
  QString headers_[3];
};

class TDestPage : public QWidget {
  Q_OBJECT
 public:
  TDestPage(TMainFrame& frame, QWidget* parent);

  // Captions and hints from the language table.
  void ApplyLanguage();

  void InitDefaultCategories();
  void FillCategoryCombo();
  void FillSubCategoryCombo(int category);
  void FillDestList();
  // Runs the destination editor for adding at a position. On OK the
  // destination is in the store and the arguments hold its position and its
  // stored title.
  bool AddDestinationAt(double& latitude, double& longitude, QString& title);
  // Rows the list shows now (its filters applied).
  int RowCount() const;
  // The script call that shows a destination added at the end of the store.
  static QString AddPointScript(double latitude, double longitude, const QString& title);

  // The handlers.
  void cmbSelCategoryChange();
  void cmbSelSubCategoryChange();
  void edtTitleSearchChange();
  void edtInfoSearchChange();
  void btnDestSearchClick();
  void btnInfoSearchClick();
  void bgDestFile_OpenClick();
  void bgDestFile_SaveClick();
  void bgDestTable_AddClick();
  void bgDestTable_ModifyClick();
  void lvDestDblClick();
  void bgDestTable_DeleteClick();
  void bgDestTableItems3Click();
  void lvDestSelectItem();
  void btnEditCatClick();

  QLabel *lblCategory, *lblSubcategory, *lblTitle, *lblInfo;
  QComboBox *cmbSelCategory, *cmbSelSubCategory;
  QToolButton *btnDestSearch, *btnInfoSearch;
  QLineEdit *edtTitleSearch, *edtInfoSearch;
  QPushButton* btnEditCat;
  QTableView* lvDest;
  TDestListModel* destModel;
  QLabel *lblFile1, *lblDevice1, *lblTable1;
  TButtonGroup *bgDestFile, *bgDestDevice, *bgDestTable;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The selected rows' destinations, in list order (stale rows left out).
  std::vector<DestItem*> SelectedDestinations() const;
  int SelectedRowCount() const;
  // Opens the destination editor on one destination; true on OK.
  bool EditDestination(DestItem* item);

  TMainFrame& frame_;
};
