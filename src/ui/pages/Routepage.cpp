#include "Routepage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Mainframe.h"
#include "Uibuild.h"

using namespace uibuild;

TRoutePage::TRoutePage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgRoute"));
  pmnuRoute = new QMenu(this);
  pmnuRoute->setObjectName(QStringLiteral("pmnuRoute"));
  mnuAddlvPoint = MenuItem(pmnuRoute, "mnuAddlvPoint", QStringLiteral("Add"));
  mnuDeletelvPoint = MenuItem(pmnuRoute, "mnuDeletelvPoint", QStringLiteral("Delete"));
  mnuGetElevation = MenuItem(pmnuRoute, "mnuGetElevation", QStringLiteral("Get elevation"));
  mnuCloseLoop2 = MenuItem(pmnuRoute, "mnuCloseLoop2", QStringLiteral("Close loop"));

  auto* page = new QVBoxLayout(this);
  auto* head = new QHBoxLayout;
  imgRoute = Label(this, "imgRoute", QString());
  imgRoute->setFixedSize(16, 16);
  chkShowRoute = CheckBox(this, "chkShowRoute", QStringLiteral("Show on map"));
  chkShowRoute->setChecked(true);
  chkGenArrows = CheckBox(this, "chkGenArrows",
                          QStringLiteral("Auto generate arrows only for new added route points"));
  // A long caption must not widen the page panel.
  chkGenArrows->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  chkGenArrows->setMinimumWidth(50);
  head->addWidget(imgRoute);
  head->addWidget(chkShowRoute);
  head->addStretch(1);
  page->addLayout(head);
  page->addWidget(chkGenArrows);
  lvRoute = ListView(this, "lvRoute",
                     {QStringLiteral("Turn"), QStringLiteral("Title"), QStringLiteral("Latitude"),
                      QStringLiteral("Longitude"), QStringLiteral("Distance"), QStringLiteral("Total"),
                      QStringLiteral("Altitude")},
                     {50, 90, 70, 70, 60, 60, 50}, true);
  lvRoute->setIconSize(QSize(16, 16));
  lvRoute->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lvRoute, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { pmnuRoute->popup(lvRoute->viewport()->mapToGlobal(p)); });
  page->addWidget(lvRoute, 1);
  auto* total = new QHBoxLayout;
  lblTotalDistance = Label(this, "lblTotalDistance", QStringLiteral("Total distance"));
  TotalRouteDistance = Label(this, "TotalRouteDistance", QStringLiteral("0"));
  total->addWidget(lblTotalDistance);
  total->addWidget(TotalRouteDistance);
  total->addStretch(1);
  page->addLayout(total);

  tbRouteOpen = PageTool(this, "tbRouteOpen", QStringLiteral("Open"));
  tbRouteSave = PageTool(this, "tbRouteSave", QStringLiteral("Save"));
  tbgRouteKML = PageTool(this, "tbgRouteKML", QStringLiteral("Google Earth"));
  tbgRouteGPX = PageTool(this, "tbgRouteGPX", QStringLiteral("GPX"));
  tbgRouteDeviceUp = PageTool(this, "tbgRouteDeviceUp", QStringLiteral("Upload"));
  tbgRouteDeviceDown = PageTool(this, "tbgRouteDeviceDown", QStringLiteral("Download"));
  tbRouteTableAdd = PageTool(this, "tbRouteTableAdd", QStringLiteral("Add"));
  tbRouteTableMod = PageTool(this, "tbRouteTableMod", QStringLiteral("Modify"));
  tbRouteTableDel = PageTool(this, "tbRouteTableDel", QStringLiteral("Delete"));
  tbRouteTableClear = PageTool(this, "tbRouteTableClear", QStringLiteral("Clear"));
  lblFile3 = Label(this, "lblFile3", QStringLiteral("File"));
  lblDevice3 = Label(this, "lblDevice3", QStringLiteral("Device"));
  lblTable3 = Label(this, "lblTable3", QStringLiteral("Table"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(this, lblFile3, {tbRouteOpen, tbRouteSave, tbgRouteKML, tbgRouteGPX}));
  side->addWidget(SideGroup(this, lblDevice3, {tbgRouteDeviceUp, tbgRouteDeviceDown}));
  side->addWidget(SideGroup(this, lblTable3,
                            {tbRouteTableAdd, tbRouteTableMod, tbRouteTableDel, tbRouteTableClear}));
  page->addLayout(side);
}

void TRoutePage::ApplyLanguage() {
  const int routeColumns[7] = {17, 10, 15, 16, 46, 21, 22};
  for (int c = 0; c < 7; ++c) lvRoute->headerItem()->setText(c, Str(routeColumns[c]));
  tbRouteOpen->setToolTip(Str(99));
  tbRouteSave->setToolTip(Str(100));
  tbgRouteDeviceUp->setToolTip(Str(101));
  tbgRouteDeviceDown->setToolTip(Str(102));
  tbRouteTableAdd->setToolTip(Str(103));
  tbRouteTableMod->setToolTip(Str(104));
  tbRouteTableDel->setToolTip(Str(105));
  tbRouteTableClear->setToolTip(Str(106));
  tbgRouteGPX->setToolTip(Str(108));
  chkShowRoute->setText(Str(148));
  chkGenArrows->setText(Str(20));
  lblTotalDistance->setText(Str(21));
  lblFile3->setText(Str(96));
  lblDevice3->setText(Str(97));
  lblTable3->setText(Str(98));
  mnuCloseLoop2->setText(Str(169));
  mnuAddlvPoint->setText(Str(156));
  mnuDeletelvPoint->setText(Str(105));
  mnuGetElevation->setText(Str(19));
}

int TRoutePage::RowCount() const { return lvRoute->topLevelItemCount(); }

void TRoutePage::SelectRow(int row) {
  QTreeWidgetItem* item = row >= 0 ? lvRoute->topLevelItem(row) : nullptr;
  if (!item) return;
  lvRoute->clearSelection();
  lvRoute->setCurrentItem(item);
  item->setSelected(true);
  lvRoute->scrollToItem(item);
}

// Filled in with the route page's own work.
void TRoutePage::FillRouteList(bool, bool) {}
void TRoutePage::ShowRouteDistance(int, double) {}
void TRoutePage::lvRouteDblClick() {}
void TRoutePage::bgRouteTable_DeleteClick() {}
