#pragma once
// A list of equal-sized images cut from a strip, as the windows keep their
// button, tab, turn and waypoint pictures.
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <vector>

class TImageList {
 public:
  TImageList(int width, int height) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return int(images_.size()); }

  // Cuts the strip into tiles of this list's size, left to right then top to
  // bottom; pixels of the mask colour become transparent. Part tiles at the
  // right or bottom edge are dropped. Answers false for an empty image.
  bool AddMasked(const QImage& strip, QColor mask);
  // The same for a picture file; false when it cannot be read.
  bool AddMaskedFile(const QString& path, QColor mask);
  void Clear() { images_.clear(); }

  // Image i, or a null pixmap / icon outside 0..Count()-1.
  QPixmap Pixmap(int i) const;
  QIcon Icon(int i) const;

 private:
  int width_;
  int height_;
  std::vector<QImage> images_;
};
