#pragma once
// The track editor: a track's title (at most 20 characters, not empty) and
// its line colour. OK writes both into the track; Cancel changes nothing.
#include <QDialog>
#include <QIcon>

#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TTrackList;

class TFormTrackEditor : public QDialog {
  Q_OBJECT
 public:
  // Without a track the title is empty and the colour white.
  TFormTrackEditor(TTrackList* track, const QIcon& icon, QWidget* owner);

  void SetupDialog(int left, int top);
  void btnSelectClick();
  void btnOkClick();
  void btnCancelClick();

  // The colour chosen so far, 0x00BBGGRR.
  std::uint32_t ChosenColor() const { return color_; }

  QLineEdit* edtTitle;
  QLabel *lblTitle, *lblColor;
  QFrame* ShapeColor;
  QPushButton *btnSelect, *btnOk, *btnCancel;

 private:
  void ShowColor();

  TTrackList* track_;
  std::uint32_t color_ = 0xFFFFFF;
};

// 0x00BBGGRR <-> QColor.
QColor TrackColorToQColor(std::uint32_t bgr);
std::uint32_t QColorToTrackColor(const QColor& c);
