#include "Waypointpage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "Mainframe.h"
#include "Uibuild.h"

using namespace uibuild;

TWaypointPage::TWaypointPage(TMainFrame& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("pgWaypoint"));
  auto* page = new QVBoxLayout(this);
  auto* filters = new QHBoxLayout;
  lblIcon = Label(this, "lblIcon", QStringLiteral("Icon"));
  cmbSelIcon = DropDownList(this, "cmbSelIcon");
  cmbSelIcon->setIconSize(QSize(16, 16));
  btnWptSearch = ToolButton(this, "btnWptSearch", true);
  btnWptSearch->setText(QStringLiteral("?"));
  DateTimePicker = new QDateEdit(QDate::currentDate(), this);
  DateTimePicker->setObjectName(QStringLiteral("DateTimePicker"));
  DateTimePicker->setCalendarPopup(true);
  chkShowPOI = CheckBox(this, "chkShowPOI", QStringLiteral("Show on map"));
  chkShowPOI->setChecked(true);
  filters->addWidget(lblIcon);
  filters->addWidget(cmbSelIcon);
  filters->addWidget(btnWptSearch);
  filters->addWidget(DateTimePicker);
  filters->addStretch(1);
  filters->addWidget(chkShowPOI);
  page->addLayout(filters);
  lvWpt = ListView(this, "lvWpt",
                   {QStringLiteral("Date & Time"), QStringLiteral("Latitude"), QStringLiteral("Longitude")},
                   {150, 80, 80}, true);
  lvWpt->setIconSize(QSize(16, 16));
  lvWpt->setContextMenuPolicy(Qt::CustomContextMenu);
  page->addWidget(lvWpt, 1);
  pmnuWPT = new QMenu(this);
  pmnuWPT->setObjectName(QStringLiteral("pmnuWPT"));
  mnuConverter = MenuItem(pmnuWPT, "mnuConverter", QStringLiteral("Converter..."));
  connect(lvWpt, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& p) { pmnuWPT->popup(lvWpt->viewport()->mapToGlobal(p)); });

  tbWptFileOpen = PageTool(this, "tbWptFileOpen", QStringLiteral("Open"));
  tbWptFileSave = PageTool(this, "tbWptFileSave", QStringLiteral("Save"));
  tbWPTToGoogle = PageTool(this, "tbWPTToGoogle", QStringLiteral("Google Earth"));
  tbWPTToGoogle->setToolTip(QStringLiteral("Google Earth... "));
  tbWPTToGPX = PageTool(this, "tbWPTToGPX", QStringLiteral("GPX"));
  tbDeviceUp = PageTool(this, "tbDeviceUp", QStringLiteral("Upload"));
  tbDeviceDown = PageTool(this, "tbDeviceDown", QStringLiteral("Download"));
  tbWptTableAdd = PageTool(this, "tbWptTableAdd", QStringLiteral("Add"));
  tbWptTableMod = PageTool(this, "tbWptTableMod", QStringLiteral("Modify"));
  tbWptTableDel = PageTool(this, "tbWptTableDel", QStringLiteral("Delete"));
  tbWptTableClear = PageTool(this, "tbWptTableClear", QStringLiteral("Clear"));
  lblFile2 = Label(this, "lblFile2", QStringLiteral("File"));
  lblDevice2 = Label(this, "lblDevice2", QStringLiteral("Device"));
  lblTable2 = Label(this, "lblTable2", QStringLiteral("Table"));
  auto* side = new QHBoxLayout;
  side->addWidget(SideGroup(this, lblFile2, {tbWptFileOpen, tbWptFileSave, tbWPTToGoogle, tbWPTToGPX}));
  side->addWidget(SideGroup(this, lblDevice2, {tbDeviceUp, tbDeviceDown}));
  side->addWidget(SideGroup(this, lblTable2,
                            {tbWptTableAdd, tbWptTableMod, tbWptTableDel, tbWptTableClear}));
  page->addLayout(side);
}

void TWaypointPage::ApplyLanguage() {
  lblIcon->setText(Str(13));
  for (int c = 0; c < 3; ++c) lvWpt->headerItem()->setText(c, Str(14 + c));
  tbWptFileOpen->setToolTip(Str(99));
  tbWptFileSave->setToolTip(Str(100));
  tbWPTToGPX->setToolTip(Str(108));
  tbDeviceUp->setToolTip(Str(101));
  tbDeviceDown->setToolTip(Str(102));
  tbWptTableAdd->setToolTip(Str(103));
  tbWptTableMod->setToolTip(Str(104));
  tbWptTableDel->setToolTip(Str(105));
  tbWptTableClear->setToolTip(Str(106));
  lblFile2->setText(Str(96));
  lblDevice2->setText(Str(97));
  lblTable2->setText(Str(98));
  // The waypoints' show box takes the route's caption.
  chkShowPOI->setText(Str(148));
}

void TWaypointPage::FillIconFilter() {
  cmbSelIcon->blockSignals(true);
  cmbSelIcon->clear();
  const int count = frame_.ilWaypoint.Count();
  for (int n = 0; n < count; ++n) cmbSelIcon->addItem(frame_.ilWaypoint.Icon(n), QString::number(n));
  cmbSelIcon->addItem(QStringLiteral("ALL"));
  cmbSelIcon->setCurrentIndex(count);
  cmbSelIcon->setMaxVisibleItems(count + 1);
  cmbSelIcon->blockSignals(false);
}

int TWaypointPage::RowCount() const { return lvWpt->topLevelItemCount(); }

// Filled in with the waypoint page's own work.
void TWaypointPage::FillWptList() {}
QString TWaypointPage::AddWaypointAt(double, double) { return {}; }
void TWaypointPage::AttachIconControls(TProgramPage&) {}
void TWaypointPage::RenderPoiIcons(bool, uint32_t, bool) {}
