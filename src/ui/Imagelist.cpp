#include "Imagelist.h"

bool TImageList::AddMasked(const QImage& strip, QColor mask) {
  if (strip.isNull() || width_ <= 0 || height_ <= 0) return false;
  const QImage src = strip.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = mask.rgb() & 0xFFFFFFu;
  for (int y = 0; y + height_ <= src.height(); y += height_) {
    for (int x = 0; x + width_ <= src.width(); x += width_) {
      QImage tile = src.copy(x, y, width_, height_);
      for (int ty = 0; ty < height_; ++ty) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(ty));
        for (int tx = 0; tx < width_; ++tx) {
          if ((line[tx] & 0xFFFFFFu) == key) line[tx] = 0;
        }
      }
      images_.push_back(std::move(tile));
    }
  }
  return true;
}

bool TImageList::AddMaskedFile(const QString& path, QColor mask) {
  QImage strip;
  if (!strip.load(path)) return false;
  return AddMasked(strip, mask);
}

QPixmap TImageList::Pixmap(int i) const {
  if (i < 0 || i >= Count()) return {};
  return QPixmap::fromImage(images_[size_t(i)]);
}

QIcon TImageList::Icon(int i) const {
  if (i < 0 || i >= Count()) return {};
  return QIcon(Pixmap(i));
}
