#include "Frmtrackeditor.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Trackstorage.h"
#include "Uibuild.h"
#include "Uiservices.h"

using uibuild::Str;

QColor TrackColorToQColor(std::uint32_t bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

std::uint32_t QColorToTrackColor(const QColor& c) {
  return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) | (std::uint32_t(c.blue()) << 16);
}

TFormTrackEditor::TFormTrackEditor(TTrackList* track, const QIcon& icon, QWidget* owner)
    : QDialog(owner),
      track_(track) {
  uibuild::DialogFrame(this);
  setObjectName(QStringLiteral("FormTrackEditor"));
  setWindowTitle(QStringLiteral("Track Editor"));
  lblTitle = uibuild::Label(this, "lblTitle", QStringLiteral("Title"));
  lblColor = uibuild::Label(this, "lblColor", QStringLiteral("Color"));
  edtTitle = uibuild::Edit(this, "edtTitle");
  ShapeColor = new QFrame(this);
  ShapeColor->setObjectName(QStringLiteral("ShapeColor"));
  ShapeColor->setFrameShape(QFrame::Box);
  ShapeColor->setFixedSize(40, 20);
  ShapeColor->setAutoFillBackground(true);
  btnSelect = uibuild::Button(this, "btnSelect", QStringLiteral("..."));
  btnSelect->setFixedWidth(30);
  btnOk = uibuild::Button(this, "btnOk", QStringLiteral("OK"));
  btnOk->setDefault(true);
  btnCancel = uibuild::Button(this, "btnCancel", QStringLiteral("Cancel"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(lblTitle, 0, 0);
  grid->addWidget(edtTitle, 0, 1, 1, 2);
  grid->addWidget(lblColor, 1, 0);
  grid->addWidget(ShapeColor, 1, 1);
  grid->addWidget(btnSelect, 1, 2, Qt::AlignLeft);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  grid->addLayout(buttons, 2, 0, 1, 3);

  connect(btnSelect, &QPushButton::clicked, this, &TFormTrackEditor::btnSelectClick);
  connect(btnOk, &QPushButton::clicked, this, &TFormTrackEditor::btnOkClick);
  connect(btnCancel, &QPushButton::clicked, this, &TFormTrackEditor::btnCancelClick);

  if (track_) {
    edtTitle->setMaxLength(TTrackList::kMaxNameLength);
    // Room for a whole title: digits are among the widest characters of a
    // title, and the default one is a date and time.
    edtTitle->setMinimumWidth(
        edtTitle->fontMetrics().horizontalAdvance(QString(TTrackList::kMaxNameLength, QLatin1Char('0'))) + 16);
    edtTitle->setText(track_->Name());
    color_ = track_->Color & 0xFFFFFF;
    if (!icon.isNull()) setWindowIcon(icon);
    setWindowTitle(Str(147));
    lblTitle->setText(Str(10));
    lblColor->setText(Str(28));
    btnOk->setText(Str(159));
    btnCancel->setText(Str(160));
  }
  ShowColor();
}

void TFormTrackEditor::SetupDialog(int left, int top) { move(left, top); }

void TFormTrackEditor::ShowColor() {
  QPalette p = ShapeColor->palette();
  p.setColor(QPalette::Window, TrackColorToQColor(color_));
  ShapeColor->setPalette(p);
}

void TFormTrackEditor::btnSelectClick() {
  const std::optional<QColor> c = UiServices::Get().PickColour(TrackColorToQColor(color_));
  if (!c || !c->isValid()) return;
  color_ = QColorToTrackColor(*c);
  ShowColor();
}

void TFormTrackEditor::btnOkClick() {
  if (edtTitle->text().isEmpty()) {
    edtTitle->setFocus();
    return;
  }
  if (track_) {
    track_->SetName(edtTitle->text());
    track_->Color = color_;
  }
  accept();
}

void TFormTrackEditor::btnCancelClick() { reject(); }
